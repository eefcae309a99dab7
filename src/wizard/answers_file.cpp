#include "wizard/answers_file.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <set>
#include <string_view>

#include "base/nearest_name.h"
#include "base/strings.h"
#include "connection/connection.h"
#include "model/masks.h"

namespace verbsmith {

namespace {

using Json = nlohmann::json;

// A caption as a person reads it: without its access-key ampersand.
std::string Readable(std::string_view caption) {
  std::string text(caption);
  std::erase(text, '&');
  return text;
}

std::string Text(const std::string& key, const Json& value) {
  if (!value.is_string()) throw AnswersError("\"" + key + "\" takes a text");
  const std::string text = value.get<std::string>();
  // A script line ends at the line's end.
  if (text.find_first_of("\r\n") != std::string::npos) {
    throw AnswersError("\"" + key + "\" is one line of text");
  }
  // The wizard's texts end at a NUL: what follows would be lost unseen.
  if (text.find('\0') != std::string::npos) throw AnswersError("\"" + key + "\" holds a NUL character");
  return text;
}

bool Flag(const std::string& key, const Json& value) {
  if (!value.is_boolean()) throw AnswersError("\"" + key + "\" takes true or false");
  return value.get<bool>();
}

// The index of the value among the choices, named as the wizard names them.
template <typename Choices, typename NameOf>
size_t Choice(const std::string& key, const Json& value, const Choices& choices, NameOf nameOf) {
  const std::string text = Text(key, value);
  for (size_t i = 0; i < choices.size(); ++i) {
    if (EqualsIgnoringCase(text, nameOf(choices[i]))) return i;
  }
  std::string known;
  for (const auto& choice : choices) known += (known.empty() ? "" : ", ") + std::string(nameOf(choice));
  throw AnswersError("\"" + key + "\" is one of: " + known);
}

size_t Choice(const std::string& key, const Json& value, const std::vector<std::string_view>& names) {
  return Choice(key, value, names, [](std::string_view name) { return name; });
}

using Reader = std::function<void(const std::string& key, const Json& value, WizardAnswers& answers)>;

Reader TextOf(std::string WizardAnswers::*field) {
  return
      [field](const std::string& key, const Json& value, WizardAnswers& a) { a.*field = Text(key, value); };
}

Reader TextOf(std::optional<std::string> WizardAnswers::*field) {
  return
      [field](const std::string& key, const Json& value, WizardAnswers& a) { a.*field = Text(key, value); };
}

Reader FlagOf(bool WizardAnswers::*field) {
  return
      [field](const std::string& key, const Json& value, WizardAnswers& a) { a.*field = Flag(key, value); };
}

Reader FlagOf(std::optional<bool> WizardAnswers::*field) {
  return
      [field](const std::string& key, const Json& value, WizardAnswers& a) { a.*field = Flag(key, value); };
}

const std::map<std::string, Reader>& Readers() {
  static const std::map<std::string, Reader> readers = {
      {"purpose",
       [](const std::string& key, const Json& value, WizardAnswers& a) {
         // In the order of WizardPurpose.
         a.purpose = static_cast<int32_t>(Choice(key, value, {"create", "edit", "delete", "add"}));
       }},
      {"company", TextOf(&WizardAnswers::company)},
      {"application", TextOf(&WizardAnswers::application)},
      {"project type",
       [](const std::string& key, const Json& value, WizardAnswers& a) {
         a.projectType = Choice(key, value, {"Visual Basic", "other"}) == 0 ? projecttype::kVisualBasic
                                                                            : projecttype::kOther;
       }},
      {"project name", TextOf(&WizardAnswers::projectName)},
      {"location", TextOf(&WizardAnswers::location)},
      {"subdirectory", TextOf(&WizardAnswers::subdirectory)},
      {"command name", TextOf(&WizardAnswers::commandName)},
      {"description", TextOf(&WizardAnswers::description)},
      {"tool tip", TextOf(&WizardAnswers::toolTip)},
      {"class", TextOf(&WizardAnswers::chosenClass)},
      {"bitmaps",
       [](const std::string& key, const Json& value, WizardAnswers& a) {
         a.customBitmaps = Choice(key, value, {"none", "custom"}) == 1;
       }},
      {"large colour bitmap", TextOf(&WizardAnswers::largeColorBitmap)},
      {"large monochrome bitmap", TextOf(&WizardAnswers::largeMonoBitmap)},
      {"small colour bitmap", TextOf(&WizardAnswers::smallColorBitmap)},
      {"small monochrome bitmap", TextOf(&WizardAnswers::smallMonoBitmap)},
      {"kind",
       [](const std::string& key, const Json& value, WizardAnswers& a) {
         a.modeless = Choice(key, value, {"modal", "modeless"}) == 1;
       }},
      {"form",
       [](const std::string& key, const Json& value, WizardAnswers& a) { a.noForm = !Flag(key, value); }},
      {"form name", TextOf(&WizardAnswers::formName)},
      {"form position",
       [](const std::string& key, const Json& value, WizardAnswers& a) {
         a.formPosition = static_cast<int16_t>(
             Choice(key, value, kFormPositionNames, [](std::string_view name) { return name; }));
       }},
      {"map view listener", FlagOf(&WizardAnswers::mapViewListener)},
      {"listener option",
       [](const std::string& key, const Json& value, WizardAnswers& a) {
         const auto& options = masks::kListenerOptions;
         a.listenTo =
             options[Choice(key, value, options, [](const auto& o) { return Readable(o.caption); })].option;
       }},
      {"tell me about new views", FlagOf(&WizardAnswers::tellMeAboutNewViews)},
      {"listener command type",
       [](const std::string& key, const Json& value, WizardAnswers& a) {
         const auto& options = masks::kCommandTypeOptions;
         a.listenerCommandType =
             options[Choice(key, value, options, [](const auto& o) { return Readable(o.caption); })].option;
       }},
      {"enabling conditions",
       [](const std::string& key, const Json& value, WizardAnswers& a) {
         if (!value.is_array()) throw AnswersError("\"" + key + "\" takes a list of conditions");
         std::vector<std::string_view> names;
         for (const auto& condition : masks::kEnablingConditions) names.push_back(condition.caption);
         names.push_back("Custom enabling requirements");
         a.enablingConditions.emplace();
         for (const Json& item : value) {
           const size_t i = Choice(key, item, names);
           a.enablingConditions->emplace_back(i < masks::kEnablingConditions.size()
                                                  ? masks::kEnablingConditions[i].checkBox
                                                  : masks::kCustomEnablingCheckBox);
         }
       }},
      {"open project", FlagOf(&WizardAnswers::openProject)},
  };
  return readers;
}

std::string UnknownKey(const std::string& key) {
  std::vector<std::string> names;
  for (const auto& [name, reader] : Readers()) names.push_back(name);
  const std::optional<std::string> meant = NearestName(key, names);
  return "\"" + key + "\" is not a field of the wizard" + (meant ? "; did you mean \"" + *meant + "\"?" : "");
}

// "line 3, column 12: " and the parser's reason, from its message and the
// offset (counted from 1) of the byte it stopped at.
std::string SyntaxError(std::string_view text, const Json::parse_error& error) {
  const size_t at = std::min<size_t>(error.byte == 0 ? 0 : error.byte - 1, text.size());
  const size_t lineStart = text.rfind('\n', at == 0 ? std::string_view::npos : at - 1);
  const size_t line = 1 + static_cast<size_t>(std::count(text.begin(), text.begin() + at, '\n'));
  const size_t column = at - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1;
  std::string reason = error.what();
  const size_t found = reason.find(": ", reason.find("parse error"));
  if (found != std::string::npos) reason = reason.substr(found + 2);
  return "line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + reason;
}

}  // namespace

Json ParseAnswers(std::string_view text) {
  std::vector<std::set<std::string>> keysOfObjects;
  std::optional<std::string> twice;
  const Json::parser_callback_t noteKeys = [&](int, Json::parse_event_t event, Json& parsed) {
    if (event == Json::parse_event_t::object_start) keysOfObjects.emplace_back();
    if (event == Json::parse_event_t::object_end) keysOfObjects.pop_back();
    if (event == Json::parse_event_t::key && !keysOfObjects.back().insert(parsed.get<std::string>()).second &&
        !twice) {
      twice = parsed.get<std::string>();
    }
    return true;
  };
  Json parsed;
  try {
    parsed = Json::parse(text, noteKeys);
  } catch (const Json::parse_error& error) {
    throw AnswersError(SyntaxError(text, error));
  }
  if (twice) throw AnswersError("\"" + *twice + "\" is given twice");
  return parsed;
}

WizardAnswers ReadAnswers(const Json& answers) {
  if (!answers.is_object()) throw AnswersError("the answers are one JSON object");
  WizardAnswers read;
  for (const auto& [key, value] : answers.items()) {
    const auto reader = Readers().find(key);
    if (reader == Readers().end()) throw AnswersError(UnknownKey(key));
    reader->second(key, value, read);
  }
  return read;
}

}  // namespace verbsmith
