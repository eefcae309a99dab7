#include "managers/manifest.h"

#include <limits>
#include <nlohmann/json.hpp>
#include <string>

#include "base/sha256.h"
#include "base/strings.h"
#include "base/vb_error.h"
#include "managers/command_entry_json.h"
#include "managers/template_check.h"

namespace verbsmith {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kFormatName = "Carthex Verbsmith manifest";

Json AnswerJson(const ManifestAnswer& answer) {
  return std::visit([](const auto& value) { return Json(value); }, answer);
}

Json FilesJson(const std::vector<ManifestFile>& files, const char* roleKey) {
  Json list = Json::array();
  for (const ManifestFile& file : files) {
    list.push_back(Json{{roleKey, file.role}, {"path", file.path}, {"sha256", file.sha256}});
  }
  return list;
}

// Reading: every lookup says which key is wrong.

const Json& Member(const Json& object, const std::string& key, const std::string& where) {
  if (!object.is_object() || !object.contains(key)) throw ManifestError(where + " has no \"" + key + "\"");
  return object.at(key);
}

std::string Text(const Json& object, const std::string& key, const std::string& where) {
  const Json& value = Member(object, key, where);
  if (!value.is_string()) throw ManifestError(where + ": \"" + key + "\" is not a text");
  return value.get<std::string>();
}

int32_t Number(const Json& value, const std::string& what) {
  if (!value.is_number_integer()) throw ManifestError(what + " is not a whole number");
  const auto number = value.get<int64_t>();
  if (number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<int32_t>::max()) {
    throw ManifestError(what + " is out of range");
  }
  return static_cast<int32_t>(number);
}

ManifestAnswer ParseAnswer(const Json& value, const std::string& name) {
  if (value.is_string()) return value.get<std::string>();
  if (value.is_boolean()) return value.get<bool>();
  return Number(value, "the answer \"" + name + "\"");
}

CommandEntry ParseEntry(const Json& json) {
  CommandEntry entry;
  for (const CommandField& field : kCommandFields) {
    const std::string key(field.key);
    if (field.number != nullptr) {
      entry.*field.number = Number(Member(json, key, "the command-set entry"), "the entry's \"" + key + "\"");
    } else {
      entry.*field.text = Text(json, key, "the command-set entry");
    }
  }
  return entry;
}

std::vector<ManifestFile> ParseFiles(const Json& json, const char* roleKey, const std::string& where) {
  if (!json.is_array()) throw ManifestError("\"" + where + "\" is not a list");
  std::vector<ManifestFile> files;
  for (const Json& item : json) {
    ManifestFile file{Text(item, roleKey, where), Text(item, "path", where), Text(item, "sha256", where)};
    files.push_back(std::move(file));
  }
  return files;
}

bool IsFullPath(std::string_view path) {
  return (path.size() >= 2 && path[1] == ':') || path.starts_with("\\");
}

}  // namespace

std::string Manifest::TextAnswer(std::string_view name) const {
  for (const auto& [key, value] : specification) {
    if (key == name) {
      if (const auto* text = std::get_if<std::string>(&value)) return *text;
    }
  }
  return {};
}

std::string ManifestJson(const Manifest& manifest) {
  Json specification = Json::object();
  for (const auto& [name, answer] : manifest.specification) specification[name] = AnswerJson(answer);
  const Json json{
      {"format", std::string(kFormatName)},
      {"formatVersion", kManifestFormatVersion},
      {"projectDirectory", manifest.projectDirectory},
      {"location", manifest.location},
      {"answers",
       Json{{"specification", specification}, {"commandSetEntry", EntryJson<Json>(manifest.entry)}}},
      {"templates", Json{{"directory", manifest.templateDirectory},
                         {"sha256", manifest.templateSetSha256.empty() ? Json(nullptr)
                                                                       : Json(manifest.templateSetSha256)}}},
      {"files", FilesJson(manifest.files, "role")},
      {"bitmaps", FilesJson(manifest.bitmaps, "row")},
  };
  // Text that is not UTF-8 cannot come from the wizard; should it ever, it
  // is written replaced rather than losing the whole manifest.
  return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

Manifest ParseManifest(std::string_view text) {
  const Json json = Json::parse(text, nullptr, false);
  if (json.is_discarded()) throw ManifestError("it is not JSON");
  if (!json.is_object() || !json.contains("format") || json.at("format") != std::string(kFormatName)) {
    throw ManifestError("it is not a Verbsmith manifest");
  }
  const int32_t version = Number(Member(json, "formatVersion", "the manifest"), "\"formatVersion\"");
  if (version != kManifestFormatVersion) {
    throw ManifestError("it has format version " + std::to_string(version) +
                        ", which this version cannot read");
  }
  Manifest manifest;
  manifest.projectDirectory = Text(json, "projectDirectory", "the manifest");
  manifest.location = Text(json, "location", "the manifest");
  const Json& answers = Member(json, "answers", "the manifest");
  const Json& specification = Member(answers, "specification", "\"answers\"");
  if (!specification.is_object()) throw ManifestError("\"specification\" is not an object");
  for (const auto& [name, value] : specification.items()) {
    manifest.specification.emplace_back(name, ParseAnswer(value, name));
  }
  // The check reads the entry from the command set these name.
  for (const char* name : {"CompanyName", "ApplicationName"}) {
    if (!std::holds_alternative<std::string>(
            ParseAnswer(Member(specification, name, "\"specification\""), name))) {
      throw ManifestError(std::string("the answer \"") + name + "\" is not a text");
    }
  }
  manifest.entry = ParseEntry(Member(answers, "commandSetEntry", "\"answers\""));
  const Json& templates = Member(json, "templates", "the manifest");
  manifest.templateDirectory = Text(templates, "directory", "\"templates\"");
  const Json& templateHash = Member(templates, "sha256", "\"templates\"");
  if (!templateHash.is_null()) manifest.templateSetSha256 = Text(templates, "sha256", "\"templates\"");
  manifest.files = ParseFiles(Member(json, "files", "the manifest"), "role", "files");
  manifest.bitmaps = ParseFiles(Member(json, "bitmaps", "the manifest"), "row", "bitmaps");
  return manifest;
}

std::string RelativeToDirectory(const std::string& directory, const std::string& path) {
  if (directory.empty() || path.size() <= directory.size()) return path;
  if (!EqualsIgnoringCase(std::string_view(path).substr(0, directory.size()), directory)) return path;
  return path.substr(directory.size());
}

std::string ResolvedInDirectory(const std::string& directory, const std::string& recorded) {
  return IsFullPath(recorded) ? recorded : directory + recorded;
}

std::vector<std::pair<std::string, std::string>> BitmapPathsOf(const CommandEntry& entry) {
  return {{"LC", entry.largeColorBitmap},
          {"LM", entry.largeMonoBitmap},
          {"SC", entry.smallColorBitmap},
          {"SM", entry.smallMonoBitmap}};
}

std::string TemplateSetSha256(FileSystem& fs, const std::string& templateDir) {
  Sha256 digest;
  for (const char* name : {kProjectTemplate, kClassTemplate, kModuleTemplate, kFormTemplate}) {
    std::string bytes;
    try {
      bytes = fs.ReadBytes(templateDir + name);
    } catch (const VbError&) {
      return {};
    }
    // Name and size are framed so that no two sets hash alike by moving
    // bytes from one file to the next.
    digest.Update(name).Update(std::string_view("\0", 1));
    digest.Update(std::to_string(bytes.size())).Update(std::string_view("\0", 1));
    digest.Update(bytes);
  }
  return digest.HexDigest();
}

}  // namespace verbsmith
