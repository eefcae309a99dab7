#pragma once
// Checking a template directory: the four files hold every line and block
// the generators rely on, and every combination of the answers that switch
// template code gives the expected sources.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "managers/template_render.h"
#include "platform/host.h"

namespace verbsmith {

inline constexpr const char* kProjectTemplate = "CarthexCommand.vbp";
inline constexpr const char* kClassTemplate = "TemplateCmdSvr.cls";
inline constexpr const char* kModuleTemplate = "MainModule.bas";
inline constexpr const char* kFormTemplate = "MainForm.frm";

struct TemplateFault {
  std::string file;      // the file at fault, Windows form
  std::size_t line = 0;  // 1-based; 0 when the fault is the whole file
  std::string message;

  // "file:line: message", the way compilers name a place.
  std::string Describe() const;
};

// The static checks of the four templates in templateDir (Windows form,
// trailing backslash). The first fault found, or nothing.
std::optional<TemplateFault> CheckTemplateSources(FileSystem& fs, const std::string& templateDir);

// What the static checks let through but a user should hear of: a module
// template without its name line.
std::vector<TemplateFault> TemplateWarnings(FileSystem& fs, const std::string& templateDir);

// Compares a project rendered with these options in projectDir against the
// templates it came from.
std::optional<TemplateFault> CheckRenderedProject(FileSystem& fs, const RenderOptions& options,
                                                  const std::string& templateDir,
                                                  const std::string& projectDir);

// Every combination of the switches: modal or modeless; no form or form
// position 0 to 3; listener or not; custom enabling or not; custom start-up
// or not.
std::vector<RenderOptions> AllRenderCombinations();

// The static checks, then every combination rendered in memory into its
// own directory under workDir (Windows form, trailing backslash; nothing
// is made there) and checked.
std::optional<TemplateFault> CheckTemplateDirectory(Host& host, const std::string& templateDir,
                                                    const std::string& workDir);

}  // namespace verbsmith
