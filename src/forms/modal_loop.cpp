#include "forms/modal_loop.h"

#include "forms/form.h"
#include "forms/user_actions.h"

namespace verbsmith::forms {

void RunModalLoop(Form& form) {
  FormsRuntime& runtime = form.Runtime();
  while (form.IsLoaded() && form.Visible()) {
    std::optional<UserAction> action = runtime.NextAction();
    if (!action) {
      // Nobody is left to press a button: close the window, as its close
      // box would, so that every loop unwinds.
      runtime.Tell(event::ActionsRanOut{form.Name()});
      if (!form.Unload()) form.Hide();
      break;
    }
    if (!action->echo.empty()) {
      runtime.Tell(event::ActionTaken{action->echo, action->control, action->kind == ActionKind::kClick});
    }
    try {
      PerformUserAction(form, *action);
    } catch (const ActionError& error) {
      const std::string where = action->line > 0 ? "line " + std::to_string(action->line) + ": " : "";
      runtime.NoteActionError(*action, where + error.what());
      runtime.StopActions();
    }
  }
}

}  // namespace verbsmith::forms
