#include "qt/vb_fonts.h"

#include "forms/name_match.h"

namespace verbsmith::qt {

QFont FontFor(const std::string& fontName) {
  // Liberation's faces have the metrics of the fonts the layouts were
  // designed with, so captions fit their controls.
  if (forms::SameName(fontName, "Times New Roman")) {
    QFont serif(QStringLiteral("Liberation Serif"), 12, QFont::Bold);
    serif.setStyleHint(QFont::Serif);
    return serif;
  }
  QFont sans(QStringLiteral("Liberation Sans"), 8);
  sans.setStyleHint(QFont::SansSerif);
  return sans;
}

}  // namespace verbsmith::qt
