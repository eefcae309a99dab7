#pragma once
// The widget that shows one control of a form. A view holds no state of its
// own: Sync makes the widget show what the control holds now, and what a
// person does to the widget is posted as a user action for the runtime to
// carry out.

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "forms/control.h"
#include "forms/user_action.h"
#include "platform/file_system.h"
#include "qt/twips_scale.h"

class QMouseEvent;

namespace verbsmith::qt {

// What every view of one window shares.
struct ViewContext {
  TwipsScale scale;
  // Lists drives and directories, and finds picture files; may be null.
  FileSystem* files = nullptr;
  // Hands a person's action to the runtime.
  std::function<void(forms::UserAction)> post;
  // The widget that shows another control of the same form, or nullptr.
  std::function<QWidget*(const forms::Control*)> widgetOf;
};

class ControlView {
 public:
  ControlView(forms::Control& control, QWidget* widget, const ViewContext& context);
  virtual ~ControlView() = default;
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  forms::Control& Model() const { return control_; }
  QWidget* Widget() const { return widget_; }
  // Where the widgets of the controls this one holds go.
  virtual QWidget* ChildArea() const { return widget_; }
  // The widgets whose mouse presses the view wants (keys go to Widget()).
  virtual std::vector<QWidget*> MouseWidgets() const { return {widget_}; }

  // Geometry, font, enabled and visible state, then what the kind shows.
  void Sync();
  // A mouse press on one of MouseWidgets(); true when it was used up.
  virtual bool MousePressed(QMouseEvent& /*event*/) { return false; }
  // Whether the kind edits text or moves within itself with the keys (so
  // plain keys belong to the widget), rather than being pressed.
  virtual bool TakesTyping() const { return false; }

 protected:
  virtual void SyncState() = 0;
  const ViewContext& Context() const { return context_; }
  // Hands a person's action on this control to the runtime.
  void Post(forms::ActionKind kind, std::string text = {}) const {
    context_.post(forms::UserAction(kind, control_.Name(), std::move(text)));
  }
  void PostChoice(int index) const {
    forms::UserAction action(forms::ActionKind::kChoose, control_.Name());
    action.index = index;
    context_.post(std::move(action));
  }

 private:
  forms::Control& control_;
  QWidget* widget_;
  const ViewContext& context_;
};

// The view for any kind of control, its widget made a child of `parent`.
// The context must outlive the view.
std::unique_ptr<ControlView> MakeControlView(forms::Control& control, QWidget* parent,
                                             const ViewContext& context);

// Makers by kind, in the files of their kinds.
std::unique_ptr<ControlView> MakeFrameView(forms::Control& control, QWidget* parent,
                                           const ViewContext& context);
std::unique_ptr<ControlView> MakeLabelView(forms::Control& control, QWidget* parent,
                                           const ViewContext& context);
std::unique_ptr<ControlView> MakeButtonView(forms::Control& control, QWidget* parent,
                                            const ViewContext& context);
std::unique_ptr<ControlView> MakePictureView(forms::Control& control, QWidget* parent,
                                             const ViewContext& context);
std::unique_ptr<ControlView> MakeHiddenView(forms::Control& control, QWidget* parent,
                                            const ViewContext& context);
std::unique_ptr<ControlView> MakeTextBoxView(forms::Control& control, QWidget* parent,
                                             const ViewContext& context);
std::unique_ptr<ControlView> MakeComboBoxView(forms::Control& control, QWidget* parent,
                                              const ViewContext& context);
std::unique_ptr<ControlView> MakeListBoxView(forms::Control& control, QWidget* parent,
                                             const ViewContext& context);
std::unique_ptr<ControlView> MakeScrollBarView(forms::Control& control, QWidget* parent,
                                               const ViewContext& context);
std::unique_ptr<ControlView> MakeDriveListView(forms::Control& control, QWidget* parent,
                                               const ViewContext& context);
std::unique_ptr<ControlView> MakeDirListView(forms::Control& control, QWidget* parent,
                                             const ViewContext& context);

// The caption's text for a label that has no control to give the focus to:
// access-key marks dropped, "&&" read as "&".
QString WithoutAccessKeys(const std::string& caption);

}  // namespace verbsmith::qt
