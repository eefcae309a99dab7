#pragma once
// The loop behind Form::ShowModal: it feeds user actions from the runtime's
// action source to the form until the form is hidden or unloaded.

namespace verbsmith::forms {

class Form;

// Runs the loop for a form already shown. When the source runs dry the
// form is closed as by its close box (and hidden if its Unload handler
// refuses), so the loop always ends. An action that cannot be carried out
// at all is recorded as an action error and stops the source.
void RunModalLoop(Form& form);

}  // namespace verbsmith::forms
