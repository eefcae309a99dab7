// Views of the drive list and the directory list. The runtime holds only
// the drive and the path; the entries shown are read from the file system
// port. Choosing a drive, or opening a directory with a double click, is
// the runtime's choose action with the drive or the full path.

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QStyle>
#include <algorithm>

#include "base/vb_error.h"
#include "forms/file_list_controls.h"
#include "qt/control_view.h"

namespace verbsmith::qt {

namespace {

// The drive letters that lead somewhere, as "c:".
QStringList Drives(FileSystem* files) {
  QStringList drives;
  if (files == nullptr) return drives;
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    const std::string root{letter, ':', '\\'};
    try {
      if (!files->List(root, attr::kDirectory).empty()) drives << QString::fromStdString(root.substr(0, 2));
    } catch (const VbError&) {
      // A letter with no mapping is no drive.
    }
  }
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

std::string Joined(const std::string& directory, const std::string& name) {
  return !directory.empty() && directory.back() == '\\' ? directory + name : directory + "\\" + name;
}

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
    std::string walked;
    int depth = 0;
    size_t start = 0;
    while (start < path.size()) {
      size_t end = path.find('\\', start);
      if (end == std::string::npos) end = path.size();
      const std::string part = path.substr(start, end - start + (depth == 0 ? 1 : 0));
      walked = depth == 0 ? part : Joined(walked, part);
      Add(*list, walked, part, depth++, style->standardIcon(QStyle::SP_DirOpenIcon));
      start = end + 1;
    }
    list->setCurrentRow(list->count() - 1);
    for (const std::string& name : Subdirectories(path)) {
      Add(*list, Joined(path, name), name, depth, style->standardIcon(QStyle::SP_DirClosedIcon));
    }
  }

 private:
  static void Add(QListWidget& list, const std::string& fullPath, const std::string& name, int depth,
                  const QIcon& icon) {
    auto* item =
        new QListWidgetItem(icon, QString(depth * 2, QLatin1Char(' ')) + QString::fromStdString(name));
    item->setData(Qt::UserRole, QString::fromStdString(fullPath));
    list.addItem(item);
  }

  std::vector<std::string> Subdirectories(const std::string& path) const {
    std::vector<std::string> names;
    FileSystem* files = Context().files;
    if (files == nullptr) return names;
    try {
      for (const std::string& name : files->List(Joined(path, "*"), attr::kDirectory)) {
        if (name == "." || name == "..") continue;
        if (files->GetAttributes(Joined(path, name)) & attr::kDirectory) names.push_back(name);
      }
    } catch (const VbError&) {
      // An unreadable directory shows no subdirectories.
    }
    std::sort(names.begin(), names.end());
    return names;
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
