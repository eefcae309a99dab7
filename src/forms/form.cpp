#include "forms/form.h"

#include <algorithm>
#include <stdexcept>

#include "forms/modal_loop.h"
#include "forms/name_match.h"

namespace verbsmith::forms {

namespace {

constexpr int32_t kControlNotFound = 730;
constexpr int32_t kFormAlreadyDisplayed = 400;

}  // namespace

Form::Form(FormsRuntime& runtime, std::string name)
    : runtime_(runtime), name_(std::move(name)), handle_(runtime.NewWindowHandle()) {
  runtime_.Register(this);
}

Form::~Form() {
  runtime_.Unregister(this);
}

void Form::CheckNewControl(const std::string& name, const forms::Control* container) const {
  if (name.empty() || FindControl(name) != nullptr) {
    throw std::invalid_argument("form " + name_ + ": control name \"" + name + "\" is empty or taken");
  }
  if (container != nullptr && (&container->Parent() != this || !container->IsContainer())) {
    throw std::invalid_argument("form " + name_ + ": " + container->Name() + " cannot hold " + name);
  }
}

forms::Control* Form::FindControl(std::string_view name) const {
  for (const auto& control : controls_) {
    if (SameName(control->Name(), name)) return control.get();
  }
  return nullptr;
}

forms::Control& Form::ControlNamed(std::string_view name) const {
  forms::Control* control = FindControl(name);
  if (control == nullptr) {
    throw VbError(kControlNotFound, name_, "Control '" + std::string(name) + "' not found");
  }
  return *control;
}

std::vector<forms::Control*> Form::Controls() const {
  std::vector<forms::Control*> all;
  all.reserve(controls_.size());
  for (const auto& control : controls_) all.push_back(control.get());
  return all;
}

void Form::Load() {
  if (loaded_) return;
  loaded_ = true;
  if (onLoad) onLoad();
}

void Form::MakeVisible() {
  if (visible_) return;
  visible_ = true;
  Tell(event::FormShown{name_, caption_});
  for (const auto& control : controls_) {
    if (control->Kind() == ControlKind::kFrame && control->Container() == nullptr && control->Visible()) {
      Tell(event::FrameShown{control->Name()});
    }
  }
  if (onActivate) onActivate();
  if (!loaded_ || !visible_) return;
  const bool focusUsable = activeControl_ != nullptr && activeControl_->IsEffectivelyVisible() &&
                           activeControl_->IsEffectivelyEnabled();
  if (!focusUsable) {
    if (forms::Control* first = NextInTabOrder(nullptr)) TabTo(first);
  }
  if (onPaint) onPaint();
}

void Form::Show() {
  Load();
  if (!loaded_) return;
  MakeVisible();
}

void Form::ShowModal() {
  if (visible_) {
    throw VbError(kFormAlreadyDisplayed, name_, "Form already displayed; can't show modally");
  }
  Load();
  if (!loaded_) return;
  struct ModalScope {
    FormsRuntime& runtime;
    explicit ModalScope(FormsRuntime& r, Form* form) : runtime(r) { runtime.PushModal(form); }
    ~ModalScope() { runtime.PopModal(); }
  };
  {
    ModalScope scope(runtime_, this);
    MakeVisible();
    RunModalLoop(*this);
  }
  // The form that showed this one is active again.
  if (Form* owner = runtime_.ActiveModalForm(); owner != nullptr && owner->visible_ && owner->onActivate) {
    owner->onActivate();
  }
}

void Form::Hide() {
  if (!visible_) return;
  visible_ = false;
  Tell(event::FormHidden{name_});
}

bool Form::Unload() {
  if (!loaded_) return true;
  bool cancel = false;
  if (onUnload) onUnload(cancel);
  if (cancel) return false;
  visible_ = false;
  loaded_ = false;
  activeControl_ = nullptr;
  focusArrived_ = false;
  Tell(event::FormUnloaded{name_});
  return true;
}

void Form::ResizeByPerson(int32_t width, int32_t height) {
  Move(left_, top_, std::max(width, minWidth_), std::max(height, minHeight_));
  if (onResize) onResize();
}

void Form::Refresh() {
  if (onPaint) onPaint();
}

bool Form::IsTabStop(const forms::Control& control) const {
  const auto reachable = [](const forms::Control& c) {
    return c.IsFocusable() && c.TabStop() && c.IsEffectivelyVisible() && c.IsEffectivelyEnabled();
  };
  if (!reachable(control)) return false;
  const auto* option = dynamic_cast<const OptionButton*>(&control);
  if (option == nullptr || option->Value()) return true;
  // An unselected option is its group's stop only when no reachable button
  // of the group is selected and it comes first among them.
  for (const OptionButton* other : option->Group()) {
    if (!reachable(*other)) continue;
    if (other->Value() || other->TabIndex() < option->TabIndex()) return false;
  }
  return true;
}

forms::Control* Form::NextInTabOrder(const forms::Control* from, bool backward) const {
  std::vector<forms::Control*> order;
  for (const auto& control : controls_) {
    if (control.get() == from || IsTabStop(*control)) order.push_back(control.get());
  }
  std::stable_sort(order.begin(), order.end(), [](const forms::Control* a, const forms::Control* b) {
    return a->TabIndex() < b->TabIndex();
  });
  if (backward) std::reverse(order.begin(), order.end());
  if (from == nullptr) return order.empty() ? nullptr : order.front();
  const auto at = std::find(order.begin(), order.end(), from);
  if (at == order.end() || order.size() < 2) return nullptr;
  return std::next(at) == order.end() ? order.front() : *std::next(at);
}

void Form::TabTo(forms::Control* target) {
  MoveFocus(target);
  if (auto* box = dynamic_cast<TextBox*>(target); box != nullptr && box->HasFocus()) box->SelectAll();
}

void Form::MoveFocus(forms::Control* target) {
  if (activeControl_ == target) return;
  forms::Control* previous = activeControl_;
  const bool previousGotFocus = focusArrived_;
  activeControl_ = target;
  focusArrived_ = false;
  Tell(event::FocusMoved{target ? target->Name() : std::string()});
  // A control whose GotFocus never came (a LostFocus handler took the focus
  // back at once) does not hear LostFocus either.
  if (previous != nullptr && previousGotFocus) previous->RaiseLostFocus();
  if (target != nullptr && activeControl_ == target) {
    focusArrived_ = true;
    target->RaiseGotFocus();
  }
}

}  // namespace verbsmith::forms
