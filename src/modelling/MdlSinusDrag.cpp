// The mouse on a sine: which drag each sector of the period starts, the cursor it shows,
// and the drags themselves, all in plot pixels.
#include "modelling/MdlSinus.h"

#include "kit/MathUtils.h"
#include "modelling/SineRanges.h"

#include <cmath>

namespace kolibra::modelling {

namespace mdl_sinus_drag_impl {

// Cursor table numbers.
constexpr int AmortiExpHaut = 1, AmortiExpBas = 2, AmortiLinHaut = 3, AmortiLinBas = 4;
constexpr int DeformBasDroit = 5, DeformBasGauche = 6, DeformHautDroit = 7, DeformHautGauche = 8;
constexpr int SizeAll = -22, SizeNS = -7;

}  // namespace mdl_sinus_drag_impl

TModelDrag TMdlSinusPure::DragFor(int Hit) const {
  switch (Hit) {
    case 0:
    case 3:
    case 4:
    case 7:
      return mdFrequency;
    case 1:
    case 5:
      return Damped() ? mdDamping : mdAmplitude;
    case 2:
    case 6:
      return mdAmplitude;
    default:
      return mdTranslate;
  }
}

int TMdlSinusPure::CursorFor(int Hit) const {
  using namespace mdl_sinus_drag_impl;
  using namespace sine_ranges;
  const bool exponential = Type() == mtSineExpDamped;
  switch (Hit) {
    case 0:
      return DeformHautDroit;
    case 3:
      return DeformHautGauche;
    case 4:
      return DeformBasDroit;
    case 7:
      return DeformBasGauche;
    case 1:
      return !Damped() ? SizeNS : exponential ? AmortiExpHaut : AmortiLinHaut;
    case 5:
      return !Damped() ? SizeNS : exponential ? AmortiExpBas : AmortiLinBas;
    case 2:
    case 6:
      return SizeNS;
    default:
      return SizeAll;
  }
}

bool TMdlSinusPure::BeginDrag(TPoint Point, TModelDrag Drag) {
  using namespace mdl_sinus_drag_impl;
  using namespace sine_ranges;
  if (Drag == mdNone) return false;
  if (Drag == mdTranslate) return true;
  if (HitTest(Point) < 0) return false;  // also records the grabbed quarter
  if (Drag == mdAmplitude) return true;

  const TPoint p = ToPlot(Point);
  const double p0 = Pixel[0], p1 = Pixel[1], p2 = Pixel[2], p3 = Pixel[3];
  if (IsNearZero(p2)) return false;
  const bool maximum = p.Y > p0;
  // The extremum of the held kind nearest to the press.
  const double x0 = ((maximum ? Pi : -Pi) / 2.0 - p3) / p2;
  const int n = RoundClamped(p2 * std::fabs(x0 - p.X) / (2.0 * Pi));
  RefX = x0 + n * 2.0 * Pi / p2;

  if (Drag == mdFrequency) {
    // Pressed outside the curve's height there is no mirror point to keep: no drag.
    if (IsNearZero(p1) || !(p.Y >= p0 - p1 && p.Y <= p0 + p1)) return false;
    PhaseSpan = (maximum ? Pi : -Pi) - 2.0 * std::asin(std::clamp((p.Y - p0) / p1, -1.0, 1.0));
    Span = PhaseSpan / p2;
    RefPhase = maximum ? Pi / 2.0 : -Pi / 2.0;
    return !IsNearZero(Span);
  }
  // Damping.
  const double envelope = p1 * Envelope(p.X);
  EnvAtGrab = maximum ? p0 + envelope : p0 - envelope;
  DragAccum = 0.0;
  return true;
}

void TMdlSinusPure::DoTranslate(int DX, int DY) {
  using namespace sine_ranges;
  if (DX == 0 && DY == 0) return;
  const double p0 = Pixel[0] - DY;
  if (std::fabs(p0) <= OffsetRange) Pixel[0] = p0;
  Pixel[3] = Phase(Pixel[3] - DX * Pixel[2]);
}

void TMdlSinusPure::DoChangeAmplitude(int DY) {
  using namespace sine_ranges;
  if (DY == 0) return;
  // The held crest follows the mouse, the other one stays.
  const double p1 = GrabQuarter > 1 ? Pixel[1] + DY / 2.0 : Pixel[1] - DY / 2.0;
  const double p0 = Pixel[0] - DY / 2.0;
  if (p1 < 0.0 || p1 > AmplitudeRange || std::fabs(p0) > OffsetRange) return;
  Pixel[1] = p1;
  Pixel[0] = p0;
}

void TMdlSinusPure::DoChangeFrequency(unsigned Shift, int DX) {
  using namespace sine_ranges;
  if (DX == 0 || IsNearZero(Span)) return;
  double step = (Shift & dsAlt) ? DX * 0.02 : (Shift & dsCtrl) ? DX * 0.2 : 2.0 * DX;
  if (GrabQuarter == 0 || GrabQuarter == 3) step = -step;  // pressed by the rising crossing
  const double span = Span + step;
  if (IsNearZero(span)) return;
  Span = span;
  double p2 = PhaseSpan / Span;
  p2 = NormalizeAnglePositive(p2);
  if (std::isnan(p2)) return;
  Pixel[2] = std::clamp(p2, MinFrequency, MaxFrequency);
  // The reference crest keeps its place.
  Pixel[3] = Phase(RefPhase - Pixel[2] * RefX);
}

void TMdlSinusPure::DoChangeDamping(unsigned Shift, int DY) {
  using namespace sine_ranges;
  if (DY == 0 || IsNearZero(Pixel[1]) || IsNearZero(RefX)) return;
  const double d = (Shift & dsAlt) ? DY * 0.01 : (Shift & dsCtrl) ? DY * 0.1 : double(DY);
  double h = 0.0;
  if (GrabQuarter > 1) {
    DragAccum += d;
    h = DragAccum - EnvAtGrab + Pixel[0];
  } else {
    DragAccum -= d;
    h = EnvAtGrab + DragAccum - Pixel[0];
  }
  if (h <= 0.0) return;
  double p4 = Type() == mtSineExpDamped ? std::log(h / Pixel[1]) / RefX : (h / Pixel[1] - 1.0) / RefX;
  if (!std::isfinite(p4)) return;
  if (p4 > 0.0) p4 = 0.0;
  if (Type() == mtSineExpDamped && p4 < MaxExpDamping) p4 = MaxExpDamping;
  Pixel[4] = p4;
}

}  // namespace kolibra::modelling
