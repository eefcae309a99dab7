#include "wizard/command_name_rules.h"

#include <string_view>

#include "base/messages.h"
#include "base/win_path.h"

namespace verbsmith {

namespace {

constexpr size_t kMaxProgIDLength = 39;
constexpr std::string_view kPunctuation = "-_>~<\\`|^]=%[+$}*#{&@!)(;:'\"?,";
constexpr std::string_view kSeparator = "\\n";

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

bool IsValidProgID(const std::string& name, int& reason) {
  if (name.empty()) {
    reason = progid::kBlank;
  } else if (name.size() > kMaxProgIDLength) {
    reason = progid::kTooLong;
  } else if (name.find(' ') != std::string::npos) {
    reason = progid::kSpace;
  } else if (name.find_first_of(kPunctuation) != std::string::npos) {
    reason = progid::kPunctuation;
  } else if (name.front() >= '0' && name.front() <= '9') {
    reason = progid::kLeadingDigit;
  } else {
    return true;
  }
  return false;
}

std::string InvalidProgIDMessage(int reason) {
  switch (reason) {
    case progid::kBlank:
      return LoadResString(28) + "\r\n\r\n" + LoadResString(29);
    case progid::kTooLong:
      return LoadResString(33);
    case progid::kSpace:
      return LoadResString(30);
    case progid::kPunctuation:
      return LoadResString(31);
    default:
      return LoadResString(32);
  }
}

std::optional<DescriptionAndToolTip> SplitRegisteredDescription(const std::string& text) {
  if (text == "Error") return std::nullopt;
  const size_t at = text.find(kSeparator);
  if (at == std::string::npos) return std::nullopt;
  DescriptionAndToolTip parts{text.substr(0, at), text.substr(at + kSeparator.size())};
  if (!parts.description.empty() && parts.description.back() == '\\') parts.description.pop_back();
  return parts;
}

ProjectDirectories DirectoriesOfServer(const std::string& serverPath) {
  std::string rest = serverPath;
  ProjectDirectories directories;
  directories.bin = SplitDirectory(rest);
  std::string last = directories.bin;
  const std::string parent = ParentDirectory(last);
  if (EqualsIgnoringCase(last, "bin") && !parent.empty()) {
    directories.path = parent;
    directories.src = parent + "src";
  } else {
    directories.path = directories.bin;
    directories.src = directories.bin;
  }
  return directories;
}

std::string ClassPartOfProgID(const std::string& progId) {
  const size_t dot = progId.find('.');
  return dot == std::string::npos ? progId : progId.substr(dot + 1);
}

}  // namespace verbsmith
