#include "qt/control_view.h"

#include "qt/vb_fonts.h"

namespace verbsmith::qt {

ControlView::ControlView(forms::Control& control, QWidget* widget, const ViewContext& context)
    : control_(control), widget_(widget), context_(context) {
  // Tests and people's tools find a control's widget by the control's name.
  widget_->setObjectName(QString::fromStdString(control.Name()));
}

void ControlView::Sync() {
  const ViewContext& context = context_;
  const forms::Control& c = control_;
  const QRect geometry = context.scale.Rect(c.Left(), c.Top(), c.Width(), c.Height());
  if (widget_->geometry() != geometry) widget_->setGeometry(geometry);
  const QFont font = FontFor(c.FontName());
  if (widget_->font() != font) widget_->setFont(font);
  // Its own state: a disabled container disables it as well, in Qt as in
  // the runtime.
  if (widget_->testAttribute(Qt::WA_ForceDisabled) == c.Enabled()) widget_->setEnabled(c.Enabled());
  SyncState();
  if (widget_->isHidden() == c.Visible()) widget_->setVisible(c.Visible());
}

std::unique_ptr<ControlView> MakeControlView(forms::Control& control, QWidget* parent,
                                             const ViewContext& context) {
  using forms::ControlKind;
  switch (control.Kind()) {
    case ControlKind::kFrame:
      return MakeFrameView(control, parent, context);
    case ControlKind::kLabel:
      return MakeLabelView(control, parent, context);
    case ControlKind::kTextBox:
      return MakeTextBoxView(control, parent, context);
    case ControlKind::kCheckBox:
    case ControlKind::kOptionButton:
    case ControlKind::kCommandButton:
      return MakeButtonView(control, parent, context);
    case ControlKind::kComboBox:
      return MakeComboBoxView(control, parent, context);
    case ControlKind::kListBox:
      return MakeListBoxView(control, parent, context);
    case ControlKind::kPictureBox:
      return MakePictureView(control, parent, context);
    case ControlKind::kImageList:
      return MakeHiddenView(control, parent, context);
    case ControlKind::kDriveListBox:
      return MakeDriveListView(control, parent, context);
    case ControlKind::kDirListBox:
      return MakeDirListView(control, parent, context);
    case ControlKind::kVScrollBar:
      return MakeScrollBarView(control, parent, context);
  }
  return MakeHiddenView(control, parent, context);
}

QString WithoutAccessKeys(const std::string& caption) {
  std::string text;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    text += caption[i];
  }
  return QString::fromStdString(text);
}

}  // namespace verbsmith::qt
