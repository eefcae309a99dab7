#include "qt/form_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

#include "forms/key_gesture.h"
#include "qt/qt_screen.h"
#include "qt/vb_fonts.h"
#include "qt/vb_keys.h"

namespace verbsmith::qt {

namespace {

// A form's size includes its border and title bar, the client area's does
// not: about this much on the screens the layouts were made for.
constexpr int kBorderWidthPixels = 8;
constexpr int kBorderHeightPixels = 28;
// What Qt counts for one notch of a mouse wheel.
constexpr int kWheelNotch = 120;

}  // namespace

FormWindow::FormWindow(forms::Form& form, FileSystem* files, std::function<void(forms::UserAction)> post,
                       QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      form_(form),
      handle_(form.WindowHandle()) {
  setObjectName(QString::fromStdString(form.Name()));
  context_.scale = ScreenScale();
  context_.files = files;
  context_.post = std::move(post);
  context_.widgetOf = [this](const forms::Control* control) { return WidgetOf(control); };
  setFont(FontFor(form.FontName()));
  initialSize_ = ClientSize();
  for (forms::Control* control : form.Controls()) {
    // Containers come before what they hold, as the form adds them.
    QWidget* parent = this;
    if (const auto it = byControl_.find(control->Container()); it != byControl_.end()) {
      parent = it->second->ChildArea();
    }
    views_.push_back(MakeControlView(*control, parent, context_));
    ControlView* view = views_.back().get();
    byControl_[control] = view;
    byKeyWidget_[view->Widget()] = view;
    view->Widget()->installEventFilter(this);
    for (QWidget* widget : view->MouseWidgets()) {
      byMouseWidget_[widget] = view;
      widget->installEventFilter(this);
    }
  }
}

FormWindow::~FormWindow() = default;

QWidget* FormWindow::WidgetOf(const forms::Control* control) const {
  const auto it = byControl_.find(control);
  return it == byControl_.end() ? nullptr : it->second->Widget();
}

QSize FormWindow::ClientSize() const {
  const TwipsScale& scale = context_.scale;
  int width = scale.X(form_.Width()) - kBorderWidthPixels;
  int height = scale.Y(form_.Height()) - kBorderHeightPixels;
  // Never smaller than what the form's own controls need.
  for (const forms::Control* control : form_.Controls()) {
    if (control->Container() != nullptr || !control->Visible()) continue;
    width = std::max(width, scale.X(control->Left() + control->Width()));
    height = std::max(height, scale.Y(control->Top() + control->Height()));
  }
  return {width, height};
}

void FormWindow::Sync() {
  const QString caption = QString::fromStdString(form_.Caption());
  if (windowTitle() != caption) setWindowTitle(caption);
  if (isEnabled() != form_.Enabled()) setEnabled(form_.Enabled());
  const QSize size = ClientSize();
  if (form_.Sizable()) {
    // A person may make it larger; the runtime lays it out anew.
    if (minimumSize() != initialSize_) setMinimumSize(initialSize_);
    if (this->size() != size) resize(size);
  } else if (this->size() != size) {
    setFixedSize(size);
  }
  // The form places the window when it appears; after that a person may
  // move it where they like.
  if (!isVisible()) move(context_.scale.X(form_.Left()), context_.scale.Y(form_.Top()));
  for (const auto& view : views_) view->Sync();
}

void FormWindow::SyncFocus() {
  QWidget* focused = WidgetOf(form_.ActiveControl());
  if (focused != nullptr && focused->isVisible() && !focused->hasFocus())
    focused->setFocus(Qt::OtherFocusReason);
}

namespace {

bool IsAccessKey(const QKeyEvent& event) {
  const int key = event.key();
  return (event.modifiers() & Qt::AltModifier) != 0 &&
         ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9));
}

}  // namespace

bool FormWindow::KeyPressed(ControlView& view, QKeyEvent& event) {
  const std::optional<VbKey> key = TranslateKey(event);
  if (!key) return false;
  std::optional<forms::UserAction> action =
      forms::KeyGesture(view.Model(), key->keyCode, key->shift, view.TakesTyping());
  if (!action) return false;
  context_.post(std::move(*action));
  return true;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    // Access keys are the runtime's, in turn with every other key: taken
    // here, they come back as key presses instead of Qt's own shortcuts.
    if (byKeyWidget_.contains(watched) && IsAccessKey(static_cast<QKeyEvent&>(*event))) {
      event->accept();
      return true;
    }
  } else if (event->type() == QEvent::KeyPress) {
    if (const auto it = byKeyWidget_.find(watched); it != byKeyWidget_.end()) {
      return KeyPressed(*it->second, static_cast<QKeyEvent&>(*event));
    }
  } else if (event->type() == QEvent::MouseButtonPress) {
    if (const auto it = byMouseWidget_.find(watched); it != byMouseWidget_.end()) {
      // A press on a disabled control does nothing, and goes no further.
      if (!static_cast<QWidget*>(watched)->isEnabled()) return true;
      return it->second->MousePressed(static_cast<QMouseEvent&>(*event));
    }
  } else if (event->type() == QEvent::Wheel) {
    if (const auto it = byMouseWidget_.find(watched);
        it != byMouseWidget_.end() && !it->second->TakesTyping()) {
      // Controls that do not scroll themselves hand the wheel to the runtime,
      // a notch at a time.
      const int delta = static_cast<QWheelEvent&>(*event).angleDelta().y();
      const int notches = delta / kWheelNotch != 0 ? delta / kWheelNotch : (delta > 0) - (delta < 0);
      for (int i = 0; i < std::abs(notches); ++i) {
        forms::UserAction action(forms::ActionKind::kWheel, it->second->Model().Name());
        action.index = notches > 0 ? -1 : 1;  // the wheel turned away from the person scrolls up
        context_.post(std::move(action));
      }
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FormWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // Only a size the form does not have yet is the person's.
  if (!form_.Sizable() || event->size() == ClientSize()) return;
  const TwipsScale& scale = context_.scale;
  forms::UserAction action(forms::ActionKind::kResize);
  action.text = std::to_string(scale.TwipsX(event->size().width() + kBorderWidthPixels)) + " " +
                std::to_string(scale.TwipsY(event->size().height() + kBorderHeightPixels));
  context_.post(std::move(action));
}

void FormWindow::closeEvent(QCloseEvent* event) {
  // The runtime decides whether the form closes (its Unload may refuse).
  event->ignore();
  context_.post(forms::UserAction(forms::ActionKind::kClose));
}

void FormWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (painted_) return;
  painted_ = true;
  if (onFirstPaint) QTimer::singleShot(0, this, onFirstPaint);
}

}  // namespace verbsmith::qt
