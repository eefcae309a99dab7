#include "wizard/help.h"

#include "base/texts.h"
#include "base/win_path.h"
#include "generate/vs_main.h"
#include "platform/dialogs.h"

namespace verbsmith {

namespace {

constexpr const char* kNotFound = "NotFound";
constexpr size_t kBooksPathLength = 144;
constexpr long kShellOpenFailed = 33;  // ShellExecute's results below this are failures

int Exclaim(Host& host, std::string_view text) {
  return host.dialogs.MsgBox(std::string(text), mb::kExclamation, std::string(text::kTitle));
}

// The books' viewer from VB.INI, or empty.
std::string BooksFromIni(Host& host) {
  const std::string directory =
      host.profiles.GetString("Visual Basic", "BooksExePath", kNotFound, "VB.INI", kBooksPathLength);
  if (directory == kNotFound) return {};
  return AddTrailingBackslash(directory) + "infoview.exe";
}

// The books' viewer that version 5 keeps in the registry, or empty.
std::string BooksFromRegistry(Host& host) {
  RegKey key = 0;
  if (host.registry.OpenKey(regroot::kCurrentUser, "Software\\Microsoft\\Visual Basic\\5.0", &key) !=
      regcode::kSuccess) {
    return {};
  }
  std::string value;
  const long status = host.registry.QueryValue(key, "BooksExePath", &value);
  host.registry.CloseKey(key);
  return status == regcode::kSuccess ? value : std::string();
}

}  // namespace

void HelpFile::ShowTopic(int topic) {
  try {
    if (path_.empty()) {
      if (FileExists(host_, applicationHelpFile_)) {
        path_ = applicationHelpFile_;
      } else {
        std::string name = applicationHelpFile_;
        FileOpenRequest request;
        request.filter = std::string(text::kHelpFileFilter);
        request.filterIndex = 1;
        request.initialDirectory = SplitDirectory(name);
        const auto chosen = host_.dialogs.ShowOpen(request);
        path_ = chosen ? chosen->fileName : std::string();
      }
    }
    if (!path_.empty()) {
      host_.dialogs.ShowHelpTopic(path_, topic);
    } else {
      host_.dialogs.MsgBox(std::string(text::kHelpFileNotFound), mb::kOKOnly, std::nullopt);
    }
  } catch (const VbError&) {
    // Help never stops the wizard.
    host_.err.Clear();
  }
}

void ShowFrequentlyAskedQuestions(Host& host) {
  if (host.dialogs.ShellOpen(host.addInDirectory + "help\\cxfaq.htm") < kShellOpenFailed) {
    Exclaim(host, text::kCannotShowFaq);
  }
}

void StartOnlineBooks(Host& host, const Ide* environment) {
  try {
    const std::string version = environment == nullptr ? std::string() : environment->Version();
    const std::string books =
        !version.empty() && version.front() == '5' ? BooksFromRegistry(host) : BooksFromIni(host);
    if (books.empty()) {
      Exclaim(host, text::kCannotStartOnlineBooks);
      return;
    }
    host.processes.Start({host.fs.HostPath(books)}, false);
  } catch (const VbError& error) {
    host.err.Set(error);
    Exclaim(host, text::kCannotStartOnlineBooks);
  }
}

}  // namespace verbsmith
