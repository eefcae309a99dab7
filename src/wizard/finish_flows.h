#pragma once
// How a run ends: the generation flows behind the last step's Finish
// (create, edit, add), the delete flow behind the command-name step's
// Finish, and the cancel flow behind every Cancel button.

namespace verbsmith {

class FrmVerbsmith;

// Makes every file of the run (held, nothing written yet), then registers
// the command and puts the files in place, all or nothing: a failure
// anywhere takes the whole run back and says so. Then offers to open the
// project. With the host's finishPreview set, shows the plan instead and
// changes nothing. Hides the window at the start and unloads it at the end.
struct FinishChoices {
  // The user chose to finish without compiling the bitmaps: a resource
  // compiler that fails then leaves the project without its resource, as
  // a missing one does, instead of taking the run back.
  bool withoutBitmaps = false;
};
void RunFinishFlow(FrmVerbsmith& window, FinishChoices choices = {});

// Works out what Finish would do now, with every file made and held, and
// shows it; nothing is changed and the run goes on.
void PreviewFinish(FrmVerbsmith& window);

// Removes the command chosen on the command-name step from the command set
// and refills the list; the window stays on that step.
void RunDeleteFlow(FrmVerbsmith& window);

// Removes the directories this run made, newest first, where nothing else
// has been put in them, and closes the wizard. Nothing here is reported.
void RunCancelFlow(FrmVerbsmith& window);

}  // namespace verbsmith
