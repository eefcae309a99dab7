#pragma once
// The checks that run when Finish is pressed on the summary step, before
// anything is registered or written: the templates a new project is made
// from, the directories the run writes into, the custom bitmaps, and the
// resource compiler that builds them.

#include <optional>

#include "wizard/finish_flows.h"

namespace verbsmith {

class FrmVerbsmith;

// How the Finish flow may run; none when it may not, and the user has been
// told why on the step that can put it right, with the focus on its field.
// A resource compiler that does not work is a question instead: finishing
// without compiling the bitmaps is the user's choice.
std::optional<FinishChoices> PassesFinishPreflight(FrmVerbsmith& window);

}  // namespace verbsmith
