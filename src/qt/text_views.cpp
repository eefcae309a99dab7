// The text box's view: a line edit, or a multi-line editor for a box tall
// enough to show several lines. Each edit a person makes is typed into the
// runtime's text box, as Visual Basic fires Change on every keystroke.

#include <QFontMetrics>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "forms/text_box.h"
#include "qt/control_view.h"
#include "qt/vb_fonts.h"

namespace verbsmith::qt {

namespace {

class TextBoxView : public ControlView {
 public:
  TextBoxView(forms::Control& control, QWidget* widget, const ViewContext& context)
      : ControlView(control, widget, context) {}

  bool TakesTyping() const override { return true; }
  // A click in a text box is its Click, and gives it the focus.
  bool MousePressed(QMouseEvent& event) override {
    if (event.button() == Qt::LeftButton) Post(forms::ActionKind::kClick);
    return false;
  }

 protected:
  const forms::TextBox& Box() const { return static_cast<const forms::TextBox&>(Model()); }
};

class LineView : public TextBoxView {
 public:
  LineView(forms::Control& control, QWidget* parent, const ViewContext& context)
      : TextBoxView(control, new QLineEdit(parent), context) {
    QObject::connect(static_cast<QLineEdit*>(Widget()), &QLineEdit::textEdited,
                     [this](const QString& text) { Post(forms::ActionKind::kType, text.toStdString()); });
  }

 protected:
  void SyncState() override {
    auto* edit = static_cast<QLineEdit*>(Widget());
    const QSignalBlocker quiet(edit);
    edit->setReadOnly(Box().Locked());
    const QString text = QString::fromStdString(Box().Text());
    if (edit->text() != text) edit->setText(text);
    // A selection the runtime made (tabbing in selects the text) is shown;
    // the caret a person moves while typing stays where they put it.
    if (Box().SelectionVersion() != selectionShown_) {
      selectionShown_ = Box().SelectionVersion();
      const std::string& bytes = Box().Text();
      const auto characters = [&bytes](int count) {
        return static_cast<int>(QString::fromStdString(bytes.substr(0, static_cast<size_t>(count))).size());
      };
      const int start = characters(Box().SelStart());
      edit->setSelection(start, characters(Box().SelStart() + Box().SelLength()) - start);
    }
  }

 private:
  int selectionShown_ = 0;
};

class MultiLineView : public TextBoxView {
 public:
  MultiLineView(forms::Control& control, QWidget* parent, const ViewContext& context)
      : TextBoxView(control, new QPlainTextEdit(parent), context) {
    auto* edit = static_cast<QPlainTextEdit*>(Widget());
    QObject::connect(edit, &QPlainTextEdit::textChanged,
                     [this, edit] { Post(forms::ActionKind::kType, ToBox(edit->toPlainText())); });
  }
  std::vector<QWidget*> MouseWidgets() const override {
    return {static_cast<QPlainTextEdit*>(Widget())->viewport()};
  }

 protected:
  void SyncState() override {
    auto* edit = static_cast<QPlainTextEdit*>(Widget());
    const QSignalBlocker quiet(edit);
    edit->setReadOnly(Box().Locked());
    const QString text = FromBox(Box().Text());
    if (edit->toPlainText() != text) edit->setPlainText(text);
  }

 private:
  // The box keeps Windows line ends; the editor shows plain ones.
  static QString FromBox(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
  }
  static std::string ToBox(const QString& text) {
    return QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdString();
  }
};

}  // namespace

std::unique_ptr<ControlView> MakeTextBoxView(forms::Control& control, QWidget* parent,
                                             const ViewContext& context) {
  const int lineHeight = QFontMetrics(FontFor(control.FontName())).lineSpacing();
  if (context.scale.Y(control.Height()) >= lineHeight * 5 / 2) {
    return std::make_unique<MultiLineView>(control, parent, context);
  }
  return std::make_unique<LineView>(control, parent, context);
}

}  // namespace verbsmith::qt
