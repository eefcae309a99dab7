// The gui command of verbsmith.exe: the wizard in a window of Windows' own
// controls. What a person would see is printed as `verbsmith run` prints
// it; with --record the session is written as a script.

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include "app/gui_options.h"
#include "app/subcommands.h"
#include "app/win32/win32_platform.h"
#include "platform/transcript.h"
#include "win32view/win32_wizard.h"

namespace verbsmith::app {

namespace {

constexpr const char* kRecordingHeader =
    "# A window session recorded by `verbsmith gui --record`; replay it with `verbsmith run FILE`.\n";

}  // namespace

std::optional<std::string> WhyNoWindow() {
  return std::nullopt;
}

int RunGuiWith(const GuiOptions& options) {
  StreamTranscript out(std::cout);
  win32view::Win32Wizard wizard(nullptr, out);
  Win32Platform platform(wizard.Recording(), wizard.PersonDialogs(), wizard.GetScreen());
  bool drawn = false;
  wizard.Source().onFirstPaint = [&](win32view::FormWindow&) {
    drawn = true;
    if (options.check) wizard.Source().Post(forms::UserAction(forms::ActionKind::kClose));
  };
  // The recording is written however the session ends: a session that
  // failed is the one worth sending.
  const auto write = [&] {
    if (!options.recordFile.empty()) {
      platform.GetHost().fs.WriteText(platform.ProductPath(options.recordFile),
                                      kRecordingHeader + wizard.Recording().Script());
    }
  };
  try {
    wizard.Run(platform.GetHost(), platform.GetIde());
  } catch (...) {
    write();
    throw;
  }
  write();
  out.Happened(event::EndOfRun{});
  return options.check && !drawn ? 1 : 0;
}

}  // namespace verbsmith::app
