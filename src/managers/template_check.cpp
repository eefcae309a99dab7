#include "managers/template_check.h"

#include <algorithm>
#include <string_view>

#include "base/strings.h"
#include "generate/class_blocks.h"
#include "generate/line_buffer.h"
#include "generate/template_engine.h"

namespace verbsmith {

namespace {

using Lines = std::vector<std::string>;
using Fault = std::optional<TemplateFault>;

constexpr std::string_view kModuleNameLine = "Attribute VB_Name";

Fault At(const std::string& file, std::size_t index, std::string message) {
  return TemplateFault{file, index + 1, std::move(message)};
}

bool Contains(std::string_view line, std::string_view text) {
  return line.find(text) != std::string_view::npos;
}

std::optional<std::size_t> FirstContaining(const Lines& lines, std::string_view text, std::size_t from = 0) {
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (Contains(lines[i], text)) return i;
  }
  return std::nullopt;
}

// Reads a text file as its lines, or names why it cannot be read. A NUL or
// other control byte (tab, form feed and line ends apart) marks a file that
// is not text at all.
Fault ReadLines(FileSystem& fs, const std::string& path, Lines& lines) {
  std::string text;
  try {
    text = fs.ReadText(path);
  } catch (const VbError& e) {
    return TemplateFault{path, 0, "cannot be read: " + e.Description()};
  }
  const auto binary = std::find_if(text.begin(), text.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != '\f';
  });
  if (binary != text.end()) {
    return TemplateFault{path, static_cast<std::size_t>(std::count(text.begin(), binary, '\n')) + 1,
                         "holds a control byte: not a text file"};
  }
  lines = SplitTextLines(text);
  return std::nullopt;
}

// The first line containing text must be the one the generator means to
// rewrite: the one that starts with start once leading spaces are gone.
Fault CheckFirstOfKind(const std::string& file, const Lines& lines, std::string_view text,
                       std::string_view start) {
  const auto index = FirstContaining(lines, text);
  if (!index) return TemplateFault{file, 0, "no line contains \"" + std::string(text) + "\""};
  if (!Trim(lines[*index], " ").starts_with(start)) {
    return At(file, *index,
              "the first line containing \"" + std::string(text) + "\" must be the \"" + std::string(start) +
                  "\" line, which it would replace");
  }
  return std::nullopt;
}

// The marker blocks of the class: the start line that opens the innermost
// block around each line (none for lines outside blocks and for markers).
struct BlockMap {
  std::vector<std::optional<std::size_t>> innermostStart;
  std::vector<bool> marker;
};

Fault MapBlocks(const std::string& file, const Lines& lines, BlockMap& map) {
  map.innermostStart.assign(lines.size(), std::nullopt);
  map.marker.assign(lines.size(), false);
  std::vector<std::size_t> open;
  // An unclosed block makes every later line a body line: name the block
  // rather than the first code line after it.
  Fault bodyFault;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (Contains(line, kWizardStart)) {
      if (!Trim(line, " ").starts_with('\'')) return At(file, i, "a 'WIZARD line must stay a comment");
      open.push_back(i);
      map.marker[i] = true;
    } else if (Contains(line, kWizardEnd)) {
      if (!Trim(line, " ").starts_with('\'')) return At(file, i, "an 'ENDWIZARD line must stay a comment");
      if (open.empty()) return At(file, i, "'ENDWIZARD without an open 'WIZARD block");
      open.pop_back();
      map.marker[i] = true;
    } else if (!open.empty()) {
      map.innermostStart[i] = open.back();
      if (!bodyFault && !Trim(line, " ").empty() && !Trim(line, " ").starts_with('\'')) {
        bodyFault = At(file, i, "a line inside a 'WIZARD block must start with its comment apostrophe");
      }
    }
  }
  if (!open.empty()) return At(file, open.back(), "'WIZARD block not closed by an 'ENDWIZARD line");
  return bodyFault;
}

Fault CheckClassTemplate(const std::string& file, const Lines& lines) {
  BlockMap map;
  if (auto fault = MapBlocks(file, lines, map)) return fault;
  for (std::string_view name : kClassBlockNames) {
    bool found = false;
    for (std::size_t i = 0; i < lines.size() && !found; ++i)
      found = map.marker[i] && Contains(lines[i], name);
    if (!found) return TemplateFault{file, 0, "no 'WIZARD block named " + std::string(name)};
  }
  for (std::string_view attribute : {"Attribute VB_Name", "Attribute VB_Description"}) {
    if (auto fault = CheckFirstOfKind(file, lines, attribute, attribute)) return fault;
    if (map.innermostStart[*FirstContaining(lines, attribute)]) {
      return At(file, *FirstContaining(lines, attribute), "the attribute line must not lie inside a block");
    }
  }
  return std::nullopt;
}

Fault CheckFormTemplate(const std::string& file, const Lines& lines) {
  if (auto fault = CheckFirstOfKind(file, lines, "Attribute VB_Name", "Attribute VB_Name")) return fault;
  if (auto fault = CheckFirstOfKind(file, lines, "Begin VB.Form", "Begin VB.Form")) return fault;
  const std::size_t begin = *FirstContaining(lines, "Begin VB.Form");
  if (auto fault = CheckFirstOfKind(file, lines, "Caption", "Caption")) return fault;
  const std::size_t caption = *FirstContaining(lines, "Caption");
  const auto firstControl = FirstContaining(lines, "Begin ", begin + 1);
  if (caption < begin || (firstControl && caption > *firstControl)) {
    return At(file, caption, "the first caption line must be the form's own, before its first control");
  }
  if (auto fault = CheckFirstOfKind(file, lines, "EventControl", "Begin ")) return fault;
  const std::size_t control = *FirstContaining(lines, "EventControl");
  for (std::size_t i = control + 1; i < lines.size(); ++i) {
    if (Trim(lines[i], " ") == "End") return std::nullopt;
  }
  return At(file, control, "the EventControl block has no \"End\" line");
}

Fault CheckProjectTemplate(const std::string& file, const Lines& lines) {
  if (auto fault = CheckFirstOfKind(file, lines, "Description", "Description=")) return fault;
  for (std::string_view key : {"Form=", "Class=", "Module=", "Name=", "ExeName32="}) {
    if (auto fault = CheckFirstOfKind(file, lines, key, key)) return fault;
  }
  if (FirstContaining(lines, "ResFile32=")) return CheckFirstOfKind(file, lines, "ResFile32=", "ResFile32=");
  return std::nullopt;
}

// Compares a rendered file with what it should hold, line by line.
Fault CompareLines(const std::string& file, const Lines& actual, const Lines& expected,
                   const RenderOptions& options) {
  for (std::size_t i = 0; i < expected.size() && i < actual.size(); ++i) {
    if (actual[i] != expected[i]) {
      return At(
          file, i,
          "expected \"" + expected[i] + "\" but found \"" + actual[i] + "\" (" + options.Describe() + ")");
    }
  }
  if (actual.size() != expected.size()) {
    return At(file, std::min(actual.size(), expected.size()),
              "the file has " + std::to_string(actual.size()) + " lines where its template gives " +
                  std::to_string(expected.size()) + " (" + options.Describe() + ")");
  }
  return std::nullopt;
}

void ReplaceFirst(Lines& lines, std::string_view text, const std::string& replacement) {
  if (auto index = FirstContaining(lines, text)) lines[*index] = replacement;
}

Lines ExpectedClass(const Lines& lines, const RenderOptions& options) {
  BlockMap map;
  MapBlocks("", lines, map);
  ClassBlockOptions blockOptions;
  blockOptions.commandIsModeless = options.commandIsModeless;
  blockOptions.formNotRequired = options.formNotRequired;
  blockOptions.formPosition = options.formPosition;
  blockOptions.isMapViewListener = options.isMapViewListener;
  blockOptions.commandsEnablingConditions = options.customEnabling ? 1 : 0;
  blockOptions.viewListener = options.customStartup ? 1 : 0;
  const auto applied = SelectedClassBlocks(blockOptions);

  Lines expected = lines;
  ReplaceFirst(expected, "Attribute VB_Description",
               "Attribute VB_Description = " + VbQuoted(options.description + "\\\\n" + options.toolTip));
  ReplaceFirst(expected, "Attribute VB_Name", "Attribute VB_Name = " + VbQuoted(options.commandName));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    std::string& line = expected[i];
    if (const std::size_t at = line.find("frmMainForm"); at != std::string::npos) {
      line.replace(at, 11, options.FormName());
    }
    if (!map.innermostStart[i]) continue;
    // A body line loses one apostrophe for every applied name its block's
    // start line carries.
    const std::string& start = lines[*map.innermostStart[i]];
    for (std::string_view name : applied) {
      if (!Contains(start, name)) continue;
      if (const std::size_t apostrophe = line.find('\''); apostrophe != std::string::npos)
        line.erase(apostrophe, 1);
    }
  }
  return expected;
}

Lines ExpectedModule(const Lines& lines, const RenderOptions& options) {
  Lines expected = lines;
  ReplaceFirst(expected, "Attribute VB_Name", "Attribute VB_Name = " + VbQuoted(options.ModuleName()));
  return expected;
}

Lines ExpectedForm(const Lines& lines, const RenderOptions& options) {
  Lines expected = lines;
  const auto control = FirstContaining(lines, "EventControl");
  if (!options.isMapViewListener && control) {
    for (std::size_t i = *control; i < expected.size(); ++i) {
      const bool last = Trim(expected[i], " ") == "End";
      expected[i].clear();
      if (last) break;
    }
  }
  ReplaceFirst(expected, "Attribute VB_Name", "Attribute VB_Name = " + VbQuoted(options.FormName()));
  ReplaceFirst(expected, "Begin VB.Form", "Begin VB.Form " + options.FormName());
  ReplaceFirst(expected, "Caption", "   Caption         =   " + VbQuoted(options.toolTip));
  return expected;
}

Lines ExpectedProject(const Lines& lines, const RenderOptions& options, const std::string& projectDir) {
  Lines expected = lines;
  ReplaceFirst(expected, "Description", "Description=" + options.ProjectDesc());
  ReplaceFirst(expected,
               "Form=", options.formNotRequired ? std::string() : "Form=" + options.FormName() + ".frm");
  ReplaceFirst(expected, "Class=", "Class=" + options.commandName + ";" + options.commandName + ".cls");
  ReplaceFirst(expected, "Module=", "Module=" + options.ModuleName() + ";" + options.ModuleName() + ".bas");
  ReplaceFirst(expected, "Name=", "Name=\"" + options.projectName + "\"");
  ReplaceFirst(expected,
               "ExeName32=", "ExeName32=\"" + projectDir + "bin\\" + options.commandName + ".dll\"");
  return expected;
}

Fault CheckRendered(FileSystem& fs, const std::string& templatePath, const std::string& renderedPath,
                    const RenderOptions& options, Lines (*expect)(const Lines&, const RenderOptions&)) {
  Lines templateLines, renderedLines;
  if (auto fault = ReadLines(fs, templatePath, templateLines)) return fault;
  if (auto fault = ReadLines(fs, renderedPath, renderedLines)) return fault;
  return CompareLines(renderedPath, renderedLines, expect(templateLines, options), options);
}

}  // namespace

std::string TemplateFault::Describe() const {
  std::string text = file;
  if (line != 0) text += ":" + std::to_string(line);
  return text + ": " + message;
}

std::optional<TemplateFault> CheckTemplateSources(FileSystem& fs, const std::string& templateDir) {
  using Checker = Fault (*)(const std::string&, const Lines&);
  const std::pair<const char*, Checker> checks[] = {
      {kProjectTemplate, CheckProjectTemplate},
      {kClassTemplate, CheckClassTemplate},
      {kModuleTemplate,
       [](const std::string& file, const Lines& lines) -> Fault {
         // Template sets from before the name line was written have none:
         // the module is then written without one (a warning, not a fault).
         if (!FirstContaining(lines, kModuleNameLine)) return std::nullopt;
         return CheckFirstOfKind(file, lines, kModuleNameLine, kModuleNameLine);
       }},
      {kFormTemplate, CheckFormTemplate},
  };
  for (const auto& [name, check] : checks) {
    const std::string path = templateDir + name;
    Lines lines;
    if (auto fault = ReadLines(fs, path, lines)) return fault;
    if (auto fault = check(path, lines)) return fault;
  }
  return std::nullopt;
}

std::vector<TemplateFault> TemplateWarnings(FileSystem& fs, const std::string& templateDir) {
  const std::string path = templateDir + kModuleTemplate;
  Lines lines;
  if (ReadLines(fs, path, lines) || FirstContaining(lines, kModuleNameLine)) return {};
  return {TemplateFault{path, 0,
                        "no line contains \"" + std::string(kModuleNameLine) +
                            "\": the module is written without a name line"}};
}

std::optional<TemplateFault> CheckRenderedProject(FileSystem& fs, const RenderOptions& options,
                                                  const std::string& templateDir,
                                                  const std::string& projectDir) {
  const std::string src = projectDir + "src\\";
  if (auto fault = CheckRendered(fs, templateDir + kModuleTemplate, src + options.ModuleName() + ".bas",
                                 options, ExpectedModule)) {
    return fault;
  }
  if (auto fault = CheckRendered(fs, templateDir + kClassTemplate, src + options.commandName + ".cls",
                                 options, ExpectedClass)) {
    return fault;
  }
  if (!options.formNotRequired) {
    if (auto fault = CheckRendered(fs, templateDir + kFormTemplate, src + options.FormName() + ".frm",
                                   options, ExpectedForm)) {
      return fault;
    }
  }
  Lines templateLines, renderedLines;
  const std::string project = src + options.projectName + ".vbp";
  if (auto fault = ReadLines(fs, templateDir + kProjectTemplate, templateLines)) return fault;
  if (auto fault = ReadLines(fs, project, renderedLines)) return fault;
  return CompareLines(project, renderedLines, ExpectedProject(templateLines, options, projectDir), options);
}

std::vector<RenderOptions> AllRenderCombinations() {
  std::vector<RenderOptions> combinations;
  for (int modeless = 0; modeless <= 1; ++modeless) {
    for (int form = -1; form <= 3; ++form) {
      for (int listener = 0; listener <= 1; ++listener) {
        for (int enabling = 0; enabling <= 1; ++enabling) {
          for (int startup = 0; startup <= 1; ++startup) {
            RenderOptions options;
            options.commandIsModeless = modeless == 1;
            options.formNotRequired = form < 0;
            options.formPosition = static_cast<int16_t>(form < 0 ? 0 : form);
            options.isMapViewListener = listener == 1;
            options.customEnabling = enabling == 1;
            options.customStartup = startup == 1;
            combinations.push_back(options);
          }
        }
      }
    }
  }
  return combinations;
}

std::optional<TemplateFault> CheckTemplateDirectory(Host& host, const std::string& templateDir,
                                                    const std::string& workDir) {
  if (auto fault = CheckTemplateSources(host.fs, templateDir)) return fault;
  int index = 0;
  for (const RenderOptions& options : AllRenderCombinations()) {
    // Each render stays in memory: nothing of it is ever written.
    StagedFileSystem staged(host.fs);
    const std::string projectDir = workDir + "case" + std::to_string(++index) + "\\";
    if (!MakeDirectoryPath(staged, projectDir)) return TemplateFault{projectDir, 0, "cannot be made"};
    const RenderOutcome rendered = RenderInto(host, staged, options, templateDir, projectDir);
    if (!rendered.succeeded) {
      return TemplateFault{
          projectDir, 0,
          "rendering reported \"" + rendered.messages.front() + "\" (" + options.Describe() + ")"};
    }
    if (auto fault = CheckRenderedProject(staged, options, templateDir, projectDir)) return fault;
  }
  return std::nullopt;
}

}  // namespace verbsmith
