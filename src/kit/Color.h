#pragma once
// TColor keeps the $00BBGGRR encoding of stored colours (blue in the high byte, red in the
// low byte), so colour values in work files and option files keep their meaning. A value
// with the high byte $FF names a system colour (its low byte is the system colour number);
// ToQColor maps those to the palette roles of the running desktop.

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace kolibra {

struct TColor {
  std::uint32_t Value = 0;

  constexpr TColor() = default;
  constexpr explicit TColor(std::uint32_t value) : Value(value) {}

  static constexpr TColor FromRgb(int r, int g, int b) {
    return TColor(std::uint32_t(r & 0xFF) | (std::uint32_t(g & 0xFF) << 8) |
                  (std::uint32_t(b & 0xFF) << 16));
  }
  // From a hex triple written R, G, B as in 0xFF8000 (orange).
  static constexpr TColor FromRgbHex(std::uint32_t rgb) {
    return FromRgb(int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF);
  }
  static TColor FromQColor(const QColor &c) { return FromRgb(c.red(), c.green(), c.blue()); }

  constexpr int Red() const { return int(Value & 0xFF); }
  constexpr int Green() const { return int((Value >> 8) & 0xFF); }
  constexpr int Blue() const { return int((Value >> 16) & 0xFF); }
  constexpr bool IsSystem() const { return (Value & 0xFF000000u) == 0xFF000000u; }
  constexpr int SystemIndex() const { return int(Value & 0xFF); }

  // The colour to paint with; system colours are looked up in the application palette.
  QColor ToQColor() const;
  QColor ToQColor(const QPalette &palette) const;

  friend constexpr bool operator==(const TColor &, const TColor &) = default;
};

// System colour numbers (the low byte of a system colour).
enum TSystemColor : int {
  scScrollBar = 0,
  scBackground = 1,
  scActiveCaption = 2,
  scInactiveCaption = 3,
  scMenu = 4,
  scWindow = 5,
  scWindowFrame = 6,
  scMenuText = 7,
  scWindowText = 8,
  scCaptionText = 9,
  scActiveBorder = 10,
  scInactiveBorder = 11,
  scAppWorkSpace = 12,
  scHighlight = 13,
  scHighlightText = 14,
  scBtnFace = 15,
  scBtnShadow = 16,
  scGrayText = 17,
  scBtnText = 18,
  scInactiveCaptionText = 19,
  scBtnHighlight = 20,
  sc3DDkShadow = 21,
  sc3DLight = 22,
  scInfoText = 23,
  scInfoBk = 24,
  scHotLight = 26,
  scGradientActiveCaption = 27,
  scGradientInactiveCaption = 28,
  scMenuHighlight = 29,
  scMenuBar = 30,
};

constexpr TColor SystemColor(int index) { return TColor(0xFF000000u | std::uint32_t(index & 0xFF)); }

// The palette role that stands in for a system colour number.
QPalette::ColorRole SystemColorRole(int index);

namespace colors {
constexpr TColor clBlack(0x000000);
constexpr TColor clMaroon(0x000080);
constexpr TColor clGreen(0x008000);
constexpr TColor clOlive(0x008080);
constexpr TColor clNavy(0x800000);
constexpr TColor clPurple(0x800080);
constexpr TColor clTeal(0x808000);
constexpr TColor clGray(0x808080);
constexpr TColor clSilver(0xC0C0C0);
constexpr TColor clRed(0x0000FF);
constexpr TColor clLime(0x00FF00);
constexpr TColor clYellow(0x00FFFF);
constexpr TColor clBlue(0xFF0000);
constexpr TColor clFuchsia(0xFF00FF);
constexpr TColor clAqua(0xFFFF00);
constexpr TColor clWhite(0xFFFFFF);
constexpr TColor clBtnFace = SystemColor(scBtnFace);
constexpr TColor clBtnShadow = SystemColor(scBtnShadow);
constexpr TColor clBtnHighlight = SystemColor(scBtnHighlight);
constexpr TColor cl3DLight = SystemColor(sc3DLight);
constexpr TColor cl3DDkShadow = SystemColor(sc3DDkShadow);
constexpr TColor clWindow = SystemColor(scWindow);
constexpr TColor clWindowText = SystemColor(scWindowText);
constexpr TColor clHighlight = SystemColor(scHighlight);
constexpr TColor clHighlightText = SystemColor(scHighlightText);
constexpr TColor clInfoBk = SystemColor(scInfoBk);
constexpr TColor clInfoText = SystemColor(scInfoText);
}  // namespace colors

}  // namespace kolibra
