#include "app/new_summary.h"

#include <array>
#include <cstdio>

#include "app/class_registration.h"
#include "app/print_json.h"
#include "base/escape_controls.h"
#include "base/strings.h"
#include "base/vb_error.h"
#include "base/win_path.h"
#include "connection/connection.h"

namespace verbsmith::app {

namespace {

constexpr std::array<const char*, 4> kPurposeNames = {"create", "edit", "delete", "add"};

// The wizard's message without its question whether to open the project:
// the answers gave that answer already.
std::string WithoutQuestions(const std::string& message) {
  std::string kept;
  size_t start = 0;
  while (start <= message.size()) {
    size_t end = message.find("\n\n", start);
    if (end == std::string::npos) end = message.size();
    const std::string paragraph = message.substr(start, end - start);
    if (!paragraph.empty() && paragraph.back() != '?') kept += (kept.empty() ? "" : "\n\n") + paragraph;
    start = end + 2;
  }
  return kept;
}

}  // namespace

std::optional<Made> WhatWasMade(Host& host, const std::vector<std::string>& recap) {
  for (const std::string& line : recap) {
    const std::string item(Trim(line));
    if (!item.starts_with("+ ") || item.size() < 6 ||
        !EqualsIgnoringCase(item.substr(item.size() - 4), ".cls"))
      continue;
    Made made;
    made.manifestPath = item.substr(2, item.size() - 6) + std::string(kManifestSuffix);
    try {
      made.manifest = ParseManifest(host.fs.ReadBytes(made.manifestPath));
    } catch (const std::exception&) {
      return std::nullopt;
    }
    return made;
  }
  return std::nullopt;
}

// Writes bin\PROJECT.reg, what compiling the new project in Visual Basic
// would register, so that the command can be edited before it is built.
// Its path, or nothing when it could not be written (said on standard error).
std::optional<std::string> WriteRegistration(Host& host, const Made& made) {
  const std::string& progId = made.manifest.entry.progId;
  const size_t dot = progId.find('.');
  const std::string bin = made.manifest.projectDirectory + "bin\\";
  const std::string file = bin + progId.substr(0, dot) + ".reg";
  try {
    host.fs.WriteText(file,
                      ClassRegistration(progId, ClassIdOf(progId), bin + progId.substr(dot + 1) + ".dll"));
  } catch (const VbError& error) {
    std::fprintf(stderr, "verbsmith new: cannot write %s: %s\n", host.fs.HostPath(file).c_str(),
                 error.Description().c_str());
    return std::nullopt;
  }
  return file;
}

void PrintMade(Host& host, bool json, const WizardAnswers& answers, const std::vector<std::string>& messages,
               const std::optional<Made>& made, const std::optional<std::string>& registration) {
  std::vector<std::string> said;
  for (const std::string& message : messages) said.push_back(EscapeControls(WithoutQuestions(message), true));
  const bool deleted = answers.purpose == purpose::kDelete;
  if (json) {
    nlohmann::json summary = {{"purpose", kPurposeNames.at(static_cast<size_t>(answers.purpose))},
                              {"messages", said}};
    if (deleted) summary["deleted"] = answers.commandName.value_or("");
    if (made) {
      const std::string& directory = made->manifest.projectDirectory;
      summary["projectDirectory"] = host.fs.HostPath(WithoutTrailingBackslash(directory));
      summary["progId"] = made->manifest.entry.progId;
      summary["manifest"] = host.fs.HostPath(made->manifestPath);
      if (registration) summary["registration"] = host.fs.HostPath(*registration);
      for (const ManifestFile& file : made->manifest.files)
        summary["files"][file.role] = host.fs.HostPath(ResolvedInDirectory(directory, file.path));
    }
    PrintJson(summary);
    return;
  }
  if (deleted) std::printf("Deleted %s.\n", EscapeControls(answers.commandName.value_or("")).c_str());
  for (const std::string& message : said) std::printf("%s\n", message.c_str());
  if (!made) return;
  const std::string& directory = made->manifest.projectDirectory;
  std::printf("\n%-23s%s\n", "Project directory:",
              EscapeControls(host.fs.HostPath(WithoutTrailingBackslash(directory))).c_str());
  std::printf("%-23s%s\n", "ProgID:", EscapeControls(made->manifest.entry.progId).c_str());
  for (const ManifestFile& file : made->manifest.files) {
    std::printf("  %-21s%s\n", file.role.c_str(),
                EscapeControls(host.fs.HostPath(ResolvedInDirectory(directory, file.path))).c_str());
  }
  std::printf("  %-21s%s\n", "manifest", EscapeControls(host.fs.HostPath(made->manifestPath)).c_str());
  if (!registration) return;
  const std::string progId = made->manifest.entry.progId;
  std::printf("  %-21s%s\n", "registration", EscapeControls(host.fs.HostPath(*registration)).c_str());
  std::printf("  %-21s(what compiling the project in Visual Basic registers; an edit needs it)\n", "");
  std::printf(
      "\nEdit it:  VERBSMITH_REGISTRY=%s verbsmith new --purpose edit --company %s --application %s "
      "--command-name %s\n",
      EscapeControls(host.fs.HostPath(*registration)).c_str(),
      EscapeControls(made->manifest.TextAnswer("CompanyName")).c_str(),
      EscapeControls(made->manifest.TextAnswer("ApplicationName")).c_str(),
      EscapeControls(progId.substr(progId.find('.') + 1)).c_str());
}

}  // namespace verbsmith::app
