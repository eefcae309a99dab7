#include "base/identifier.h"

#include <algorithm>
#include <iterator>

#include "base/strings.h"

namespace verbsmith {

namespace {

// The language's reserved words: its statements, markers, operators, types,
// literals and the names of its built-in forms. A project or class of one of
// these names does not load or compile.
constexpr std::string_view kReservedWords[] = {
    // Statements.
    "Call", "Case", "Close", "Const", "Declare", "DefBool", "DefByte", "DefCur", "DefDate", "DefDbl",
    "DefInt", "DefLng", "DefObj", "DefSng", "DefStr", "DefVar", "Dim", "Do", "Else", "ElseIf", "End", "EndIf",
    "Enum", "Erase", "Event", "Exit", "For", "Friend", "Function", "Get", "Global", "GoSub", "GoTo", "If",
    "Implements", "Input", "Let", "Lock", "Loop", "LSet", "Next", "On", "Open", "Option", "Print", "Private",
    "Public", "Put", "RaiseEvent", "ReDim", "Rem", "Resume", "Return", "RSet", "Seek", "Select", "Set",
    "Static", "Stop", "Sub", "Type", "Unlock", "Wend", "While", "With", "Write",
    // Markers inside statements.
    "Any", "As", "ByRef", "ByVal", "Each", "In", "New", "Optional", "ParamArray", "Preserve", "Shared", "Spc",
    "Tab", "Then", "To", "Until", "WithEvents",
    // Operators.
    "AddressOf", "And", "Eqv", "Imp", "Is", "Like", "Mod", "Not", "Or", "TypeOf", "Xor",
    // Types.
    "Boolean", "Byte", "Currency", "Date", "Double", "Integer", "Long", "Single", "String", "Variant",
    // Literals.
    "Empty", "False", "Nothing", "Null", "True",
    // Names the language gives its own functions and forms.
    "Abs", "Array", "CBool", "CByte", "CCur", "CDate", "CDbl", "CDec", "CInt", "Circle", "CLng", "CSng",
    "CStr", "CVar", "CVErr", "Debug", "DoEvents", "Fix", "InputB", "Int", "LBound", "Len", "LenB", "Me",
    "PSet", "Scale", "Sgn", "UBound", "Attribute", "LineInput",
    // Kept by the language for later use.
    "CDecl", "DefDec", "Decimal"};

constexpr bool IsLetterOrDigit(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

}  // namespace

bool IsVisualBasicReservedWord(std::string_view name) {
  return std::any_of(std::begin(kReservedWords), std::end(kReservedWords),
                     [name](std::string_view word) { return EqualsIgnoringCase(word, name); });
}

bool IsIdentifier(std::string_view name) {
  if (name.empty() || (name.front() >= '0' && name.front() <= '9')) return false;
  return std::all_of(name.begin(), name.end(), IsLetterOrDigit) && !IsVisualBasicReservedWord(name);
}

bool IsProgIdOfIdentifiers(std::string_view progId) {
  const auto dot = progId.find('.');
  return dot != std::string_view::npos && IsIdentifier(progId.substr(0, dot)) &&
         IsIdentifier(progId.substr(dot + 1));
}

}  // namespace verbsmith
