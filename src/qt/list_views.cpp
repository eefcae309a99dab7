// Views of the list controls and the scroll bar. A choice a person makes is
// the runtime's choose action: by index in a list box, by the entry's text
// in a combo box (its DropDown may fill the list anew before the choice).

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>

#include "forms/file_list_controls.h"
#include "forms/list_control.h"
#include "qt/control_view.h"

namespace verbsmith::qt {

namespace {

QStringList Entries(const std::vector<std::string>& items) {
  QStringList entries;
  entries.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) entries << QString::fromStdString(item);
  return entries;
}

QStringList Entries(const QListWidget& list) {
  QStringList entries;
  for (int i = 0; i < list.count(); ++i) entries << list.item(i)->text();
  return entries;
}

QStringList Entries(const QComboBox& combo) {
  QStringList entries;
  for (int i = 0; i < combo.count(); ++i) entries << combo.itemText(i);
  return entries;
}

class ComboBoxView : public ControlView {
 public:
  ComboBoxView(forms::Control& control, QWidget* parent, const ViewContext& context)
      : ControlView(control, new QComboBox(parent), context) {
    auto* combo = static_cast<QComboBox*>(Widget());
    combo->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(combo, &QComboBox::activated, [this, combo](int index) {
      Post(forms::ActionKind::kChoose, combo->itemText(index).toStdString());
    });
  }
  bool TakesTyping() const override { return true; }

 protected:
  void SyncState() override {
    auto* combo = static_cast<QComboBox*>(Widget());
    const auto& box = static_cast<const forms::ComboBox&>(Model());
    const QSignalBlocker quiet(combo);
    if (combo->isEditable() != box.IsEditable()) {
      combo->setEditable(box.IsEditable());
      if (QLineEdit* edit = combo->lineEdit()) {
        QObject::connect(edit, &QLineEdit::textEdited,
                         [this](const QString& text) { Post(forms::ActionKind::kType, text.toStdString()); });
      }
    }
    const QStringList entries = Entries(box.Items());
    if (Entries(*combo) != entries) {
      combo->clear();
      combo->addItems(entries);
    }
    if (combo->currentIndex() != box.ListIndex()) combo->setCurrentIndex(box.ListIndex());
    if (QLineEdit* edit = combo->lineEdit()) {
      const QSignalBlocker quietEdit(edit);
      const QString text = QString::fromStdString(box.Text());
      if (edit->text() != text) edit->setText(text);
    }
  }
};

// Qt makes the first entry current when a list without one gets the focus;
// that is no choice of a person's, so the list shows the runtime's again.
class FocusKeepingList : public QListWidget {
 public:
  explicit FocusKeepingList(QWidget* parent) : QListWidget(parent) {}
  std::function<void()> onFocusIn;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    const QSignalBlocker quiet(this);
    QListWidget::focusInEvent(event);
    if (onFocusIn) onFocusIn();
  }
};

// A press on an entry chooses it (the runtime clicks even the selected
// one); the arrow keys move the selection as Qt does and choose too.
class ListBoxView : public ControlView {
 public:
  ListBoxView(forms::Control& control, QWidget* parent, const ViewContext& context)
      : ControlView(control, new FocusKeepingList(parent), context) {
    auto* list = static_cast<FocusKeepingList*>(Widget());
    list->onFocusIn = [this] { SyncState(); };
    QObject::connect(list, &QListWidget::currentRowChanged, [this](int row) {
      if (row >= 0) PostChoice(row);
    });
  }
  bool TakesTyping() const override { return true; }
  std::vector<QWidget*> MouseWidgets() const override {
    return {static_cast<QListWidget*>(Widget())->viewport()};
  }
  bool MousePressed(QMouseEvent& event) override {
    auto* list = static_cast<QListWidget*>(Widget());
    const QModelIndex index = list->indexAt(event.position().toPoint());
    if (event.button() == Qt::LeftButton && index.isValid()) PostChoice(index.row());
    return true;
  }

 protected:
  void SyncState() override {
    auto* list = static_cast<QListWidget*>(Widget());
    const auto& box = static_cast<const forms::ListBox&>(Model());
    const QSignalBlocker quiet(list);
    const QStringList entries = Entries(box.Items());
    if (Entries(*list) != entries) {
      list->clear();
      list->addItems(entries);
    }
    if (list->currentRow() != box.ListIndex()) list->setCurrentRow(box.ListIndex());
  }
};

class ScrollBarView : public ControlView {
 public:
  ScrollBarView(forms::Control& control, QWidget* parent, const ViewContext& context)
      : ControlView(control, new QScrollBar(Qt::Vertical, parent), context) {
    QObject::connect(static_cast<QScrollBar*>(Widget()), &QScrollBar::valueChanged,
                     [this](int value) { PostChoice(value); });
  }
  bool TakesTyping() const override { return true; }

 protected:
  void SyncState() override {
    auto* bar = static_cast<QScrollBar*>(Widget());
    const auto& scroll = static_cast<const forms::VScrollBar&>(Model());
    const QSignalBlocker quiet(bar);
    bar->setRange(std::min(scroll.Min(), scroll.Max()), std::max(scroll.Min(), scroll.Max()));
    bar->setSingleStep(scroll.SmallChange());
    bar->setPageStep(scroll.LargeChange());
    bar->setValue(scroll.Value());
  }
};

}  // namespace

std::unique_ptr<ControlView> MakeComboBoxView(forms::Control& control, QWidget* parent,
                                              const ViewContext& context) {
  return std::make_unique<ComboBoxView>(control, parent, context);
}

std::unique_ptr<ControlView> MakeListBoxView(forms::Control& control, QWidget* parent,
                                             const ViewContext& context) {
  return std::make_unique<ListBoxView>(control, parent, context);
}

std::unique_ptr<ControlView> MakeScrollBarView(forms::Control& control, QWidget* parent,
                                               const ViewContext& context) {
  return std::make_unique<ScrollBarView>(control, parent, context);
}

}  // namespace verbsmith::qt
