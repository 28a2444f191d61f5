#pragma once
// Lengths on paper. Every page length is a TGmValue: an integer number of hundredths of a
// millimetre, so that layouts are exact and compare equal; page coordinates start at the top
// left corner of the sheet with y pointing down.

#include "kit/MathUtils.h"

namespace kolibra::printing {

using TGmValue = int;

inline TGmValue GmFromCentimetres(double cm) { return RoundClamped(cm * 1000.0); }
inline TGmValue GmFromMillimetres(double mm) { return RoundClamped(mm * 100.0); }
inline TGmValue GmFromInches(double inches) { return RoundClamped(inches * 2540.0); }
// Screen pixels at a number of pixels per inch.
inline TGmValue GmFromPixels(double pixels, double pixelsPerInch) {
  return RoundClamped(pixels * 2540.0 / pixelsPerInch);
}
// Font points (1/72 inch).
inline TGmValue GmFromPoints(double points) { return RoundClamped(points * 2540.0 / 72.0); }

struct TGmPoint {
  TGmValue X = 0;
  TGmValue Y = 0;
  friend constexpr bool operator==(const TGmPoint &, const TGmPoint &) = default;
  friend constexpr TGmPoint operator-(TGmPoint a, TGmPoint b) { return {a.X - b.X, a.Y - b.Y}; }
  friend constexpr TGmPoint operator+(TGmPoint a, TGmPoint b) { return {a.X + b.X, a.Y + b.Y}; }
};

struct TGmRect {
  TGmValue Left = 0;
  TGmValue Top = 0;
  TGmValue Right = 0;
  TGmValue Bottom = 0;

  TGmValue Width() const { return Right - Left; }
  TGmValue Height() const { return Bottom - Top; }
  // Left strictly before right and top strictly above bottom.
  bool IsProper() const { return Left < Right && Top < Bottom; }
  // Strictly inside.
  bool ContainsStrictly(TGmPoint p) const { return p.X > Left && p.X < Right && p.Y > Top && p.Y < Bottom; }
  friend constexpr bool operator==(const TGmRect &, const TGmRect &) = default;
};

}  // namespace kolibra::printing
