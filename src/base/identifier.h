#pragma once
// The rule every name the product builds files, ProgIDs and resource names
// from must pass: ASCII letters and digits only, not starting with a digit,
// not empty, and not one of Visual Basic's reserved words (in any case).
// Visual Basic, COM and the resource compilers all accept such names, and a
// ProgID made of two of them splits back at its one period.

#include <string_view>

namespace verbsmith {

bool IsIdentifier(std::string_view name);

// Whether the name is a word Visual Basic keeps for itself, such as Print
// or End, compared without regard to case.
bool IsVisualBasicReservedWord(std::string_view name);

// A ProgID the product writes: two identifiers joined by one period.
bool IsProgIdOfIdentifiers(std::string_view progId);

}  // namespace verbsmith
