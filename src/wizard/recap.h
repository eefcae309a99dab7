#pragma once
// The recap: the pieces each step writes into the command specification
// when it is left, and the whole text the finish step shows and Finish
// saves. Every line ends with CR LF; item lines start with five, eight or
// sixteen blanks and "+ ".

#include <string>
#include <string_view>

#include "connection/connection.h"
#include "model/command_spec.h"

namespace verbsmith {
class FrmVerbsmith;
}

namespace verbsmith::recap {

// The finish step's recap box.
inline constexpr std::string_view kRecapBox = "txtRecap";

// "     + " and the text, ended by CR LF.
std::string Item(const std::string& text);

// The listener heading (ViewListenerRecap): an empty line, "View Listener
// Features", and for a command that is not a listener the line saying so.
std::string ListenerHeading(bool listener);

// The bitmap piece (BitmapRecapString) for custom bitmaps: the resource
// script, then each chosen bitmap in the order LC, LM, SC, SM.
std::string CustomBitmaps(const CommandSpec& spec);
// The bitmap piece when no bitmap is defined.
std::string NoBitmap();

// The summary (RecapString): purpose, description, tool tip, the project's
// files and the bitmap piece given.
std::string Summary(const CommandSpec& spec, const std::string& bitmapPiece);

// The joined recap (TotalRecapString) from the pieces held by gen.
std::string Total(const IGeneralMgr& gen);

// Joins the pieces into TotalRecapString and shows it in the finish step's
// recap box, emptied first. The enabling-conditions step's Next calls it
// once its own pieces are rebuilt, whether or not the finish step is shown
// yet: the finish step shows TotalRecapString whenever it is entered too.
void ShowTotal(FrmVerbsmith& window);

// Rebuilds the summary piece in gen from the specification as it is now.
void RebuildSummary(IGeneralMgr& gen, const CommandSpec& spec);

// The listener heading and the two listener pieces of a command made a
// non-listener (or a listener whose pieces are still to come).
void ResetListenerPieces(IGeneralMgr& gen, bool listener);

}  // namespace verbsmith::recap
