#include "win32view/dialog_fonts.h"

#include "forms/name_match.h"

namespace verbsmith::win32view {

namespace {

constexpr int kHeadingPoints = 12;
constexpr int kPointsPerInch = 72;

HFONT MessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    if (HFONT font = CreateFontIndirectW(&metrics.lfMessageFont)) return font;
  }
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HFONT HeadingFont() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  LOGFONTW heading{};
  heading.lfHeight = -MulDiv(kHeadingPoints, dpi, kPointsPerInch);
  heading.lfWeight = FW_BOLD;
  heading.lfCharSet = DEFAULT_CHARSET;
  heading.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
  lstrcpynW(heading.lfFaceName, L"Times New Roman", LF_FACESIZE);
  HFONT font = CreateFontIndirectW(&heading);
  return font != nullptr ? font : MessageFont();
}

}  // namespace

HFONT FontFor(const std::string& fontName) {
  static const HFONT message = MessageFont();
  static const HFONT heading = HeadingFont();
  return forms::SameName(fontName, "Times New Roman") ? heading : message;
}

}  // namespace verbsmith::win32view
