// Views of the drive list and the directory list. The runtime holds only
// the drive and the path; the entries shown are read from the file system
// port. Choosing a drive, or opening a directory with a double click, is
// the runtime's choose action with the drive or the full path.

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QStyle>

#include "forms/file_list_controls.h"
#include "forms/file_list_entries.h"
#include "qt/control_view.h"

namespace verbsmith::qt {

namespace {

QStringList Drives(FileSystem* files) {
  QStringList drives;
  for (const std::string& drive : forms::DriveEntries(files)) drives << QString::fromStdString(drive);
  return drives;
}

class DriveListView : public ControlView {
 public:
  DriveListView(forms::Control& control, QWidget* parent, const ViewContext& context)
      : ControlView(control, new QComboBox(parent), context), drives_(Drives(context.files)) {
    auto* combo = static_cast<QComboBox*>(Widget());
    QObject::connect(combo, &QComboBox::activated, [this, combo](int index) {
      Post(forms::ActionKind::kChoose, combo->itemText(index).toStdString());
    });
  }

 protected:
  void SyncState() override {
    auto* combo = static_cast<QComboBox*>(Widget());
    const QSignalBlocker quiet(combo);
    QStringList entries = drives_;
    const QString drive = QString::fromStdString(static_cast<const forms::DriveListBox&>(Model()).Drive());
    if (!entries.contains(drive)) entries << drive;
    entries.sort();
    if (combo->count() != entries.size()) {
      combo->clear();
      combo->addItems(entries);
    }
    combo->setCurrentIndex(static_cast<int>(entries.indexOf(drive)));
  }

 private:
  // The drives are looked up once: probing all letters on every step would
  // cost more than it tells.
  QStringList drives_;
};

// Like Windows: the drive root, each directory down to the current one,
// then the current one's subdirectories; every entry knows its full path.
class DirListView : public ControlView {
 public:
  DirListView(forms::Control& control, QWidget* parent, const ViewContext& context)
      : ControlView(control, new QListWidget(parent), context) {
    auto* list = static_cast<QListWidget*>(Widget());
    QObject::connect(list, &QListWidget::itemDoubleClicked, [this](QListWidgetItem* item) {
      Post(forms::ActionKind::kChoose, item->data(Qt::UserRole).toString().toStdString());
    });
  }
  bool TakesTyping() const override { return true; }

 protected:
  void SyncState() override {
    auto* list = static_cast<QListWidget*>(Widget());
    const std::string& path = static_cast<const forms::DirListBox&>(Model()).Path();
    const QString shown = QString::fromStdString(path);
    if (list->property("path").toString() == shown) return;
    const QSignalBlocker quiet(list);
    list->clear();
    list->setProperty("path", shown);
    const QStyle* style = QApplication::style();
    for (const forms::DirEntry& entry : forms::DirListEntries(path, Context().files)) {
      auto* item = new QListWidgetItem(
          style->standardIcon(entry.open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon),
          QString(entry.depth * 2, QLatin1Char(' ')) + QString::fromStdString(entry.name));
      item->setData(Qt::UserRole, QString::fromStdString(entry.path));
      list->addItem(item);
      if (entry.open) list->setCurrentRow(list->count() - 1);
    }
  }
};

}  // namespace

std::unique_ptr<ControlView> MakeDriveListView(forms::Control& control, QWidget* parent,
                                               const ViewContext& context) {
  return std::make_unique<DriveListView>(control, parent, context);
}

std::unique_ptr<ControlView> MakeDirListView(forms::Control& control, QWidget* parent,
                                             const ViewContext& context) {
  return std::make_unique<DirListView>(control, parent, context);
}

}  // namespace verbsmith::qt
