#pragma once
// A session in the desktop window, wired as `verbsmith gui` wires it, on a
// test host: the window's action source, the Qt dialogs (opening nothing
// on the desktop), a recording of the session and its transcript, and a
// driver for a person's gestures.
//
//   test::WindowSession session;
//   session.driver.Click("cmdIntroCancel");
//   shell::RunWizardSession(session.host, *session.ide, session.runtime);
//   std::string transcript = session.Finish();

#include <memory>
#include <string>
#include <vector>

#include "forms/forms_runtime.h"
#include "forms/script/session_recording.h"
#include "platform/posix/host_ide.h"
#include "platform/posix/path_mapper.h"
#include "platform/transcript.h"
#include "platform/scripted/scripted_dialogs.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_screen.h"
#include "qt/window_action_source.h"
#include "support/file_host.h"
#include "support/window_driver.h"

namespace verbsmith::test {

struct WindowSession {
  WindowSession() {
    source.Attach(runtime);
    source.SetRecording(&recording);
    source.SetScreen(&screen);
    dialogs.SetRecording(&recording);
  }
  // Ends the session as the gui command does; returns the transcript.
  std::string Finish() {
    recording.Finish();
    transcript.Happened(event::EndOfRun{});
    source.HideWindows();
    return transcript.Text();
  }

  FileHost env;
  StringTranscript transcript;
  forms::SessionRecording recording{transcript};
  // The host files the desktop was asked to open.
  std::vector<std::string> opened;
  ScriptedDialogs record{recording};
  qt::QtDialogs dialogs{
      record,
      {[](const std::string& path) { return PathMapper::FromEnvironment().ToHost(path).string(); },
       [](const std::string& path) { return PathMapper::FromEnvironment().ToWindows(path); },
       [this](const std::string& path) {
         opened.push_back(path);
         return true;
       }}};
  Host host = env.With(dialogs);
  std::unique_ptr<HostIde> ide = MakeHostIde(host.fs, host.processes);
  qt::WindowActionSource source{&env.files};
  // The forms find their windows on the screen, as in the gui command.
  qt::QtScreen screen;
  forms::FormsRuntime runtime{screen, recording, &source};
  WindowDriver driver{source};
};

}  // namespace verbsmith::test
