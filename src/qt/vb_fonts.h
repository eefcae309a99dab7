#pragma once
// The desktop fonts that stand for the fonts the forms name: the dialog font
// for "MS Sans Serif", a bold serif for the step headings' "Times New Roman".

#include <QFont>
#include <string>

namespace verbsmith::qt {

QFont FontFor(const std::string& fontName);

}  // namespace verbsmith::qt
