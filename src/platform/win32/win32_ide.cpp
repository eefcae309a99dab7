#include "platform/win32/win32_ide.h"

#include <utility>

#include "base/vb_error.h"
#include "platform/win32/win32_command_bar_events.h"

namespace verbsmith {

namespace {

constexpr long kButton = 1;

class Win32Component final : public IdeComponent {
 public:
  explicit Win32Component(DispatchRef object) : object_(std::move(object)) {}
  std::string Name() const override { return GetTextMember(object_.get(), L"Name"); }
  bool IsDirty() const override { return GetBoolMember(object_.get(), L"IsDirty"); }
  void SetIsDirty(bool dirty) override { PutMember(object_.get(), L"IsDirty", Variant::Bool(dirty).get()); }
  void Reload() override { CallMethod(object_.get(), L"Reload"); }

 private:
  DispatchRef object_;
};

class Win32Project final : public IdeProject {
 public:
  explicit Win32Project(DispatchRef object) : object_(std::move(object)) {}
  std::string FileName() const override { return GetTextMember(object_.get(), L"FileName"); }
  bool IsDirty() const override { return GetBoolMember(object_.get(), L"IsDirty"); }
  void SetIsDirty(bool dirty) override { PutMember(object_.get(), L"IsDirty", Variant::Bool(dirty).get()); }
  int ComponentCount() const override {
    return static_cast<int>(GetLongMember(Components().get(), L"Count"));
  }
  IdeComponent& Component(int position) override {
    // The environment's collections count from 1.
    const Variant index = Variant::Long(position + 1);
    components_.push_back(
        std::make_unique<Win32Component>(GetObjectMember(Components().get(), L"Item", {&index.get()})));
    return *components_.back();
  }

 private:
  // The environment's own name for the collection is VBComponents.
  DispatchRef Components() const {
    const wchar_t* name = HasMember(object_.get(), L"Components") ? L"Components" : L"VBComponents";
    return GetObjectMember(object_.get(), name);
  }

  DispatchRef object_;
  std::vector<std::unique_ptr<IdeComponent>> components_;
};

class Win32CommandBarControl final : public CommandBarControl {
 public:
  explicit Win32CommandBarControl(DispatchRef object) : object_(std::move(object)) {}
  IDispatch* Object() const { return object_.get(); }
  std::string Caption() const override { return GetTextMember(object_.get(), L"Caption"); }
  void SetCaption(const std::string& caption) override {
    PutMember(object_.get(), L"Caption", Variant::Text(caption).get());
  }
  void Delete() override { CallMethod(object_.get(), L"Delete"); }

 private:
  DispatchRef object_;
};

class Win32CommandBar final : public CommandBar {
 public:
  explicit Win32CommandBar(DispatchRef object) : object_(std::move(object)) {}
  std::string Name() const override { return GetTextMember(object_.get(), L"Name"); }
  CommandBarControl& AddButton() override {
    const Variant type = Variant::Long(kButton);
    controls_.push_back(
        std::make_unique<Win32CommandBarControl>(GetObjectMember(Controls().get(), L"Add", {&type.get()})));
    return *controls_.back();
  }
  int ControlCount() const override { return static_cast<int>(GetLongMember(Controls().get(), L"Count")); }

 private:
  DispatchRef Controls() const { return GetObjectMember(object_.get(), L"Controls"); }

  DispatchRef object_;
  std::vector<std::unique_ptr<CommandBarControl>> controls_;
};

IDispatch* ControlObject(CommandBarControl& control) {
  auto* own = dynamic_cast<Win32CommandBarControl*>(&control);
  if (own == nullptr) throw VbError::Standard(13);
  return own->Object();
}

}  // namespace

Win32Ide::Win32Ide(IDispatch* vbe) : vbe_(vbe) {}

Win32Ide::~Win32Ide() = default;

std::string Win32Ide::Version() const {
  return GetTextMember(vbe_.get(), L"Version");
}

std::string Win32Ide::FullName() const {
  return GetTextMember(vbe_.get(), L"FullName");
}

CommandBar* Win32Ide::FindCommandBar(const std::string& name) {
  const Variant key = Variant::Text(name);
  DispatchRef bar;
  try {
    bar = GetObjectMember(GetObjectMember(vbe_.get(), L"CommandBars").get(), L"Item", {&key.get()});
  } catch (const VbError&) {
    // The collection has no bar of that name.
    return nullptr;
  }
  if (!bar) return nullptr;
  bars_.push_back(std::make_unique<Win32CommandBar>(std::move(bar)));
  return bars_.back().get();
}

std::unique_ptr<CommandBarEvents> Win32Ide::CommandBarEventsFor(CommandBarControl& control) {
  const Variant target = Variant::Object(ControlObject(control));
  DispatchRef events = GetObjectMember(vbe_.get(), L"Events");
  return std::make_unique<Win32CommandBarEvents>(
      GetObjectMember(events.get(), L"CommandBarEvents", {&target.get()}));
}

void Win32Ide::ClickControl(CommandBarControl& control) {
  CallMethod(ControlObject(control), L"Execute");
}

void Win32Ide::LoadProject(const std::string& path, bool flag) {
  const Variant file = Variant::Text(path);
  const Variant option = Variant::Bool(flag);
  if (HasMember(vbe_.get(), L"LoadProject")) {
    CallMethod(vbe_.get(), L"LoadProject", {&file.get(), &option.get()});
    return;
  }
  // The environment's own way: its project collection opens the file.
  CallMethod(GetObjectMember(vbe_.get(), L"VBProjects").get(), L"AddFromFile", {&file.get(), &option.get()});
}

IdeProject& Win32Ide::ActiveProject() {
  DispatchRef project = GetObjectMember(vbe_.get(), L"ActiveProject");
  if (!project) throw VbError::Standard(91);
  projects_.push_back(std::make_unique<Win32Project>(std::move(project)));
  return *projects_.back();
}

}  // namespace verbsmith
