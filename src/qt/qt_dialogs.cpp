#include "qt/qt_dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <map>

#include "base/texts.h"
#include "base/vb_error.h"
#include "platform/message_box_names.h"

namespace verbsmith::qt {

namespace {

QMessageBox::Icon IconOf(int style) {
  switch (style & mb::kIconMask) {
    case mb::kCritical:
      return QMessageBox::Critical;
    case mb::kQuestion:
      return QMessageBox::Question;
    case mb::kExclamation:
      return QMessageBox::Warning;
    case mb::kInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

QMessageBox::StandardButton ButtonOf(int answer) {
  switch (answer) {
    case mbresult::kOK:
      return QMessageBox::Ok;
    case mbresult::kCancel:
      return QMessageBox::Cancel;
    case mbresult::kAbort:
      return QMessageBox::Abort;
    case mbresult::kRetry:
      return QMessageBox::Retry;
    case mbresult::kIgnore:
      return QMessageBox::Ignore;
    case mbresult::kYes:
      return QMessageBox::Yes;
    default:
      return QMessageBox::No;
  }
}

}  // namespace

QStringList NameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    // Qt reads the patterns from the last parentheses, so a description
    // that shows them already loses its own copy.
    if (description.endsWith(QLatin1Char(')'))) {
      const qsizetype open = description.lastIndexOf(QLatin1Char('('));
      if (open > 0) description = description.left(open).trimmed();
    }
    filters << description + QStringLiteral(" (") +
                   QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')');
  }
  return filters;
}

QtDialogs::QtDialogs(QueuedDialogs& record, DesktopPaths paths) : record_(record), paths_(std::move(paths)) {}

int QtDialogs::MsgBox(const std::string& prompt, int style, const std::optional<std::string>& title) {
  const std::string shownTitle = title ? *title : std::string(text::kTitle);
  QMessageBox box(IconOf(style), QString::fromStdString(shownTitle), QString::fromStdString(prompt),
                  QMessageBox::NoButton, QApplication::activeWindow());
  box.setObjectName(QStringLiteral("messageBox"));
  // In the font of the window it speaks for, not the desktop's larger one.
  if (const QWidget* owner = QApplication::activeWindow()) box.setFont(owner->font());
  std::map<const QAbstractButton*, int> answers;
  const int defaultAnswer = MsgBoxDefaultAnswer(style);
  for (int answer : MsgBoxButtons(style)) {
    QPushButton* button = box.addButton(ButtonOf(answer));
    // Tests press the buttons by their names, as scripts answer.
    button->setObjectName(QString::fromUtf8(MsgBoxResultName(answer).data()));
    answers[button] = answer;
    if (answer == defaultAnswer) box.setDefaultButton(button);
    if (answer == mbresult::kCancel) box.setEscapeButton(button);
  }
  box.exec();
  const auto pressed = answers.find(box.clickedButton());
  const int answer = pressed == answers.end() ? defaultAnswer : pressed->second;
  if (recording_ != nullptr) recording_->Answer(answer);
  record_.QueueAnswer(answer);
  return record_.MsgBox(prompt, style, title);
}

std::optional<FileOpenResult> QtDialogs::ShowOpen(const FileOpenRequest& request) {
  QString directory;
  if (!request.initialDirectory.empty()) {
    try {
      directory = QString::fromStdString(paths_.toHost(request.initialDirectory));
    } catch (const VbError&) {
      // A directory that cannot be reached: the dialog starts where it likes.
    }
  }
  QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(request.title), directory);
  dialog.setObjectName(QStringLiteral("fileDialog"));
  // Qt's own dialog, the same on every desktop, so tests can fill it in.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode((request.flags & ofn::kFileMustExist) ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
  const QStringList filters = NameFilters(request.filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size()) {
      dialog.selectNameFilter(filters[request.filterIndex - 1]);
    }
  }
  if (!request.defaultExt.empty()) dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
  std::optional<std::string> picked;
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    picked = paths_.toWindows(dialog.selectedFiles().front().toStdString());
  }
  if (recording_ != nullptr) recording_->File(picked);
  record_.QueueFile(picked);
  return record_.ShowOpen(request);
}

void QtDialogs::SendKeys(const std::string& keys) {
  record_.SendKeys(keys);
}

void QtDialogs::DoEvents() {
  record_.DoEvents();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtDialogs::ShowHelpTopic(const std::string& helpFile, int topic) {
  record_.ShowHelpTopic(helpFile, topic);
  try {
    const QFileInfo file(QString::fromStdString(paths_.toHost(helpFile)));
    // The topic's own page, installed beside the help file, opens in any
    // browser; the compiled file needs a CHM viewer.
    const QString page = file.dir().filePath(QStringLiteral("pages/topics/") + QString::number(topic) +
                                             QStringLiteral(".htm"));
    Open(QFileInfo::exists(page) ? page.toStdString() : file.filePath().toStdString());
  } catch (const VbError&) {
    // A help file on no reachable drive: there is nothing to open.
  }
}

long QtDialogs::ShellOpen(const std::string& path) {
  // ShellExecute's "file not found" when the desktop could not open it.
  constexpr long kOpened = 42;
  constexpr long kNotFound = 2;
  bool opened = false;
  try {
    opened = Open(paths_.toHost(path));
  } catch (const VbError&) {
  }
  record_.SetShellOpenResult(opened ? kOpened : kNotFound);
  return record_.ShellOpen(path);
}

bool QtDialogs::Open(const std::string& hostPath) {
  if (paths_.open) return paths_.open(hostPath);
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(hostPath)));
}

}  // namespace verbsmith::qt
