#pragma once
// Editors of the line buffer that turn a template copy into a command's
// source: marker blocks switched on, attribute and form-header lines
// rewritten. All text searches are case-sensitive substring searches.

#include <string>
#include <string_view>

namespace verbsmith {

class LineBuffer;

// Marker lines of optional template code.
inline constexpr std::string_view kWizardStart = "'WIZARD";
inline constexpr std::string_view kWizardEnd = "'ENDWIZARD";

// Uncomments the body of every block whose start line contains name: each
// body line loses its first apostrophe. A nested block keeps its body
// commented unless its own start line contains name too. Nesting has no
// depth limit.
void ApplyWizardBlock(LineBuffer& lines, std::string_view name);

// A Visual Basic string literal: value in double quotes, inner quotes doubled.
std::string VbQuoted(std::string_view value);

// The first line containing "Attribute VB_Name" names the component.
void SetVBName(LineBuffer& lines, std::string_view name);
// The first line containing "Attribute VB_Description" holds the
// description and the tool tip, joined by the three characters \\n.
void SetVBDescription(LineBuffer& lines, std::string_view description, std::string_view toolTip);
// The first "frmMainForm" of every line becomes formName.
void ReplaceMainFormName(LineBuffer& lines, std::string_view formName);
// The first line containing "Begin VB.Form" names the form.
void SetFormBegin(LineBuffer& lines, std::string_view formName);
// The first line containing "Caption" becomes the form's caption line.
void SetFormCaption(LineBuffer& lines, std::string_view caption);

}  // namespace verbsmith
