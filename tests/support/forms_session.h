#pragma once
// A forms runtime for tests: a fixed 1024 x 768 screen, a transcript kept in
// memory, scripted dialogs writing to it, and a queue of user actions.
//
//   FormsSession session;
//   MyForm form(session.runtime);
//   session.actions.Type("txtName", "x").Click("cmdOK");
//   form.ShowModal();
//   EXPECT_THAT(session.transcript.Lines(), Contains("form hidden frmMy"));

#include "forms/forms_runtime.h"
#include "forms/queued_action_source.h"
#include "platform/scripted/fixed_screen.h"
#include "platform/scripted/scripted_dialogs.h"
#include "platform/transcript.h"

namespace verbsmith {

struct FormsSession {
  FixedScreen screen;
  StringTranscript transcript;
  ScriptedDialogs dialogs{transcript};
  forms::QueuedActionSource actions;
  forms::FormsRuntime runtime{screen, transcript, &actions};
};

}  // namespace verbsmith
