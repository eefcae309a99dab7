// Views of the controls that show a caption or hold others: frames, labels,
// buttons of the three kinds, picture boxes, and the never-shown image list.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <type_traits>

#include "base/vb_error.h"
#include "forms/check_box.h"
#include "forms/form.h"
#include "forms/option_button.h"
#include "forms/simple_controls.h"
#include "qt/control_view.h"
#include "qt/step_picture.h"

namespace verbsmith::qt {

namespace {

// Labels, frames and pictures take no focus; a press on them is a click.
class ClickableView : public ControlView {
 public:
  using ControlView::ControlView;
  bool MousePressed(QMouseEvent& event) override {
    if (event.button() != Qt::LeftButton) return false;
    Post(forms::ActionKind::kClick);
    return true;
  }
};

class FrameView : public ClickableView {
 public:
  FrameView(forms::Control& control, QWidget* parent, const ViewContext& context)
      : ClickableView(control, new QGroupBox(parent), context) {}

 protected:
  void SyncState() override {
    auto* box = static_cast<QGroupBox*>(Widget());
    const QString title = QString::fromStdString(Model().Caption());
    if (box->title() != title) box->setTitle(title);
  }
};

class LabelView : public ClickableView {
 public:
  LabelView(forms::Control& control, QWidget* parent, const ViewContext& context)
      : ClickableView(control, new QLabel(parent), context) {
    auto* label = static_cast<QLabel*>(Widget());
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
  }

 protected:
  void SyncState() override {
    auto* label = static_cast<QLabel*>(Widget());
    // A label's access key gives the focus to the control after it.
    const forms::Control* next = Model().Parent().NextInTabOrder(&Model());
    QWidget* buddy = next != nullptr && Context().widgetOf ? Context().widgetOf(next) : nullptr;
    if (label->buddy() != buddy) label->setBuddy(buddy);
    const QString text =
        buddy ? QString::fromStdString(Model().Caption()) : WithoutAccessKeys(Model().Caption());
    if (label->text() != text) label->setText(text);
  }
};

Qt::CheckState CheckStateOf(const forms::CheckBox& check) {
  switch (check.Value()) {
    case forms::check::kChecked:
      return Qt::Checked;
    case forms::check::kGrayed:
      return Qt::PartiallyChecked;
    default:
      return Qt::Unchecked;
  }
}

// Command buttons, check boxes and option buttons: a click of any is the
// runtime's click, which toggles or selects.
class ButtonView : public ControlView {
 public:
  ButtonView(forms::Control& control, QAbstractButton* button, const ViewContext& context)
      : ControlView(control, button, context) {
    QObject::connect(button, &QAbstractButton::clicked, [this] { Post(forms::ActionKind::kClick); });
  }

 protected:
  void SyncState() override {
    auto* button = static_cast<QAbstractButton*>(Widget());
    const QSignalBlocker quiet(button);
    const QString caption = QString::fromStdString(Model().Caption());
    if (button->text() != caption) button->setText(caption);
    if (auto* check = dynamic_cast<forms::CheckBox*>(&Model())) {
      static_cast<QCheckBox*>(button)->setCheckState(CheckStateOf(*check));
    } else if (auto* option = dynamic_cast<forms::OptionButton*>(&Model())) {
      button->setChecked(option->Value());
    } else if (auto* command = dynamic_cast<forms::CommandButton*>(&Model())) {
      static_cast<QPushButton*>(button)->setDefault(command->Default());
    }
  }
};

// A click anywhere on a check box or option button is a click on it, as on
// Windows, not only on its indicator and caption. As on Windows too, a
// caption wraps onto more lines when the control is tall enough for them.
template <class Button>
class WholeAreaButton : public Button {
 public:
  using Button::Button;

 protected:
  bool hitButton(const QPoint& position) const override { return this->rect().contains(position); }

  void paintEvent(QPaintEvent*) override {
    constexpr bool kCheck = std::is_same_v<Button, QCheckBox>;
    QStylePainter painter(this);
    QStyleOptionButton option;
    this->initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(kCheck ? QStyle::CE_CheckBox : QStyle::CE_RadioButton, option);
    option.text = caption;
    const QRect text = this->style()->subElementRect(
        kCheck ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, this);
    constexpr int kFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    painter.drawItemText(text, kFlags, this->palette(), this->isEnabled(), caption, QPalette::WindowText);
    if (this->hasFocus()) {
      // The focus mark: a dotted frame round the caption, drawn whatever the
      // style thinks, so an option with the focus and no selection shows it.
      painter.setPen(QPen(this->palette().color(QPalette::WindowText), 1, Qt::DotLine));
      painter.setBrush(Qt::NoBrush);
      const QRect used = painter.boundingRect(text, kFlags, caption);
      painter.drawRect(used.adjusted(-1, 0, 1, -1) & this->rect().adjusted(0, 0, -1, -1));
    }
  }
};

QAbstractButton* MakeButtonWidget(forms::ControlKind kind, QWidget* parent) {
  if (kind == forms::ControlKind::kCheckBox) {
    auto* check = new WholeAreaButton<QCheckBox>(parent);
    check->setTristate(true);
    return check;
  }
  if (kind == forms::ControlKind::kOptionButton) {
    auto* option = new WholeAreaButton<QRadioButton>(parent);
    // The runtime keeps the group's buttons exclusive.
    option->setAutoExclusive(false);
    return option;
  }
  auto* button = new QPushButton(parent);
  button->setAutoDefault(false);
  return button;
}

class PictureView : public ClickableView {
 public:
  PictureView(forms::Control& control, QWidget* parent, const ViewContext& context)
      : ClickableView(control, new StepPicture(parent), context) {}

 protected:
  void SyncState() override {
    const std::string& key = static_cast<forms::PictureBox&>(Model()).Picture();
    // Anything but the step picture's key names a picture file.
    QString file;
    if (!key.empty() && key != StepPicture::kStepPictureKey && Context().files != nullptr) {
      try {
        file = QString::fromStdString(Context().files->HostPath(key));
      } catch (const VbError&) {
        // A path on no drive shows nothing, as a missing file does.
      }
    }
    static_cast<StepPicture*>(Widget())->Show(QString::fromStdString(key), file);
  }
};

class HiddenView : public ControlView {
 public:
  HiddenView(forms::Control& control, QWidget* parent, const ViewContext& context)
      : ControlView(control, new QWidget(parent), context) {
    Widget()->hide();
  }

 protected:
  void SyncState() override {}
};

}  // namespace

std::unique_ptr<ControlView> MakeFrameView(forms::Control& control, QWidget* parent,
                                           const ViewContext& context) {
  return std::make_unique<FrameView>(control, parent, context);
}

std::unique_ptr<ControlView> MakeLabelView(forms::Control& control, QWidget* parent,
                                           const ViewContext& context) {
  return std::make_unique<LabelView>(control, parent, context);
}

std::unique_ptr<ControlView> MakeButtonView(forms::Control& control, QWidget* parent,
                                            const ViewContext& context) {
  return std::make_unique<ButtonView>(control, MakeButtonWidget(control.Kind(), parent), context);
}

std::unique_ptr<ControlView> MakePictureView(forms::Control& control, QWidget* parent,
                                             const ViewContext& context) {
  return std::make_unique<PictureView>(control, parent, context);
}

std::unique_ptr<ControlView> MakeHiddenView(forms::Control& control, QWidget* parent,
                                            const ViewContext& context) {
  return std::make_unique<HiddenView>(control, parent, context);
}

}  // namespace verbsmith::qt
