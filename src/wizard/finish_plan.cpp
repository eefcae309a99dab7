#include "wizard/finish_plan.h"

#include <dtl/dtl.hpp>
#include <nlohmann/json.hpp>
#include <sstream>

#include "base/texts.h"
#include "managers/command_entry_json.h"

namespace verbsmith {

namespace {

using nlohmann::json;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::string FieldText(const CommandEntry& entry, const CommandField& field) {
  return field.number != nullptr ? std::to_string(entry.*field.number) : entry.*field.text;
}

}  // namespace

std::string UnifiedDiff(const std::string& path, const std::string& before, const std::string& after) {
  if (before == after) return "";
  dtl::Diff<std::string, std::vector<std::string>> diff(Lines(before), Lines(after));
  diff.compose();
  diff.composeUnifiedHunks();
  std::ostringstream out;
  out << "--- " << path << "\n+++ " << path << "\n";
  diff.printUnifiedFormat(out);
  return out.str();
}

std::string FinishPlan::EntryAction() const {
  if (removesEntry) return "remove";
  return entryBefore ? "replace" : "add";
}

std::string FinishPlan::ToJson() const {
  json fileList = json::array();
  for (const File& file : files) {
    fileList.push_back({{"path", file.path}, {"action", file.action}, {"diff", file.diff}});
    if (!file.linkTarget.empty()) fileList.back()["linkTarget"] = file.linkTarget;
  }
  json keys = json::array();
  for (const auto& key : iniKeys) keys.push_back(key);
  const json plan = {{"purpose", purpose},
                     {"directories", directories},
                     {"files", fileList},
                     {"commandSet",
                      {{"company", company},
                       {"application", application},
                       {"action", EntryAction()},
                       {"entry", EntryJson(entry)},
                       {"before", entryBefore ? EntryJson(*entryBefore) : json(nullptr)}}},
                     {"iniKeys", keys},
                     {"compiler", compiler},
                     {"handOff", handOff}};
  return plan.dump(2) + "\n";
}

std::vector<std::string> FinishPlan::ToLines() const {
  std::vector<std::string> lines;
  for (const std::string& directory : directories) lines.push_back("make directory " + directory);
  for (const File& file : files) {
    lines.push_back(file.action + " " + file.path +
                    (file.linkTarget.empty() ? "" : std::string(text::kPlanLinkTo) + file.linkTarget + ")"));
    if (file.action != "replace") continue;
    std::istringstream diff(file.diff);
    for (std::string line; std::getline(diff, line);) lines.push_back("  " + line);
  }
  lines.push_back(EntryAction() + " command-set entry of " + company + " " + application + ":");
  for (const CommandField& field : kCommandFields) {
    std::string line = "  " + std::string(field.name) + " = " + FieldText(entry, field);
    if (entryBefore && FieldText(*entryBefore, field) != FieldText(entry, field)) {
      line += " (was " + FieldText(*entryBefore, field) + ")";
    }
    lines.push_back(line);
  }
  for (const auto& key : iniKeys) lines.push_back("ini [" + key[0] + "] " + key[1] + "=" + key[2]);
  // Which compiler depends on the machine; the JSON names it.
  if (!compiler.empty()) lines.push_back("compile the bitmaps with the resource compiler");
  if (!handOff.empty()) lines.push_back("offer to open " + handOff);
  return lines;
}

}  // namespace verbsmith
