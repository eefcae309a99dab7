// The wizard in a window, in the window's own program (verbsmith-gui).

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "app/gui_options.h"
#include "app/posix_platform.h"
#include "app/subcommands.h"
#include "forms/forms_runtime.h"
#include "forms/script/session_recording.h"
#include "platform/posix/display_check.h"
#include "platform/posix/path_mapper.h"
#include "platform/posix/posix_processes.h"
#include "platform/transcript.h"
#include "platform/scripted/scripted_dialogs.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_screen.h"
#include "qt/window_action_source.h"
#include "shell/headless.h"

namespace verbsmith::app {

namespace {

constexpr const char* kRecordingHeader =
    "# A window session recorded by `verbsmith gui --record`; replay it with `verbsmith run FILE`.\n";

// The icon of the desktop entry, in each size it comes in.
QIcon WindowIcon() {
  QIcon icon;
  QDirIterator files(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                     QDirIterator::Subdirectories);
  while (files.hasNext()) icon.addFile(files.next());
  return icon;
}

}  // namespace

std::optional<std::string> WhyNoWindow() {
  PosixProcesses processes;
  return DisplayProblem(processes);
}

int RunGuiWith(const GuiOptions& options) {
  // Qt would abort the program on a display it cannot open.
  if (const std::optional<std::string> why = WhyNoWindow()) {
    std::fprintf(stderr, "verbsmith gui: no display (%s); `verbsmith run` runs the wizard without one\n",
                 why->c_str());
    return 2;
  }

  // Qt is given no arguments of ours to read.
  int argc = 1;
  char name[] = "verbsmith";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  application.setWindowIcon(WindowIcon());
  application.setDesktopFileName(QStringLiteral("carthex-verbsmith"));

  StreamTranscript out(std::cout);
  forms::SessionRecording recording(out);
  const PathMapper mapper = PathMapper::FromEnvironment();
  ScriptedDialogs record(recording);
  qt::QtDialogs dialogs(record, {[&mapper](const std::string& path) { return mapper.ToHost(path).string(); },
                                 [&mapper](const std::string& path) { return mapper.ToWindows(path); },
                                 {}});
  dialogs.SetRecording(&recording);
  qt::QtScreen screen;
  PosixPlatform platform(recording, dialogs, screen);
  qt::WindowActionSource source(&platform.GetHost().fs);
  source.SetRecording(&recording);
  source.SetScreen(&screen);
  forms::FormsRuntime runtime(screen, recording, &source);
  source.Attach(runtime);
  bool drawn = false;
  source.onFirstPaint = [&](qt::FormWindow&) {
    drawn = true;
    if (options.check) source.Post(forms::UserAction(forms::ActionKind::kClose));
  };

  // The recording is written however the session ends: a session that
  // failed is the one worth sending.
  const auto finish = [&] {
    recording.Finish();
    source.HideWindows();
    if (!options.recordFile.empty()) {
      platform.GetHost().fs.WriteText(platform.ProductPath(options.recordFile),
                                      kRecordingHeader + recording.Script());
    }
  };
  try {
    shell::RunWizardSession(platform.GetHost(), platform.GetIde(), runtime);
  } catch (...) {
    finish();
    throw;
  }
  finish();
  out.Happened(event::EndOfRun{});
  // The start-up check also wants the window's icon, built in.
  return options.check && (!drawn || QApplication::windowIcon().availableSizes().empty()) ? 1 : 0;
}

}  // namespace verbsmith::app
