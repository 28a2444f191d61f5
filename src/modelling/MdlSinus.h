#pragma once
// The sines: r + b.sin(c.t + d), its exponentially damped form (times exp(k.t)) and its
// linearly damped form (times 1 + k.t, until the motion stops). In plot pixels
// y = p0 + p1 e(x) sin(p2 x + p3), the envelope e(x) being 1, exp(p4 x) or 1 + p4 x, so the
// pixel amplitude p1 is the envelope at the plot's left edge.
//
// Where the mouse grabs the curve decides the drag: near the zero crossings (sectors 0, 3,
// 4, 7 of the period) the frequency, at the crests the amplitude (the damping for the
// damped sines at the first crest of each sign), beside the curve the position.

#include "modelling/Mdl.h"
#include "modelling/ModelFunction.h"

namespace kolibra::modelling {

class TMdlSinusPure : public TMdl {
 public:
  explicit TMdlSinusPure(int type);

  TModelDrag DragFor(int Hit) const override;
  int CursorFor(int Hit) const override;
  bool BeginDrag(TPoint Point, TModelDrag Drag) override;

  // Derived from p1 and p2 (PrepareWalk): the steepest slope in pixels per pixel, the
  // half-height of the band round the centre line where the undamped curve is steeper than
  // one pixel per column, and the quarter periods per column.
  double MaxSlope = 0.0;
  int SteepBand = 0;
  double QuarterStep = 0.0;
  // The quarter of the period (0 to 3) of the last hit: 2 and 3 are the negative half.
  mutable int GrabQuarter = 0;
  // Drag state, from a press to the release.
  double RefX = 0.0, Span = 0.0, PhaseSpan = 0.0, RefPhase = 0.0;
  double EnvAtGrab = 0.0, DragAccum = 0.0;

 protected:
  bool ParamsToPixel(bool writeBack) override;
  void PixelToParams() override;
  void ClampParams() override;
  void PrepareWalk() override;
  void Walk(TPixelSink &sink) override;
  double PixelValue(double x) const override;
  int HitRegion(TPoint plotPixel, int walkRegion) const override;
  void DoTranslate(int DX, int DY) override;
  void DoChangeAmplitude(int DY) override;
  void DoChangeFrequency(unsigned Shift, int DX) override;
  void DoChangeDamping(unsigned Shift, int DY) override;

  bool Damped() const { return Type() != mtSine; }
  // The envelope e(x) in pixels (p1 e(x) is the amplitude at column x).
  double Envelope(double x) const;

 private:
  TModelFunction PixelCurve;  // the pixel form, with the stop of the linear damping
};

class TMdlSinus : public TMdlSinusPure {
 public:
  TMdlSinus() : TMdlSinusPure(mtSine) {}

 protected:
  QString EquationFormat() const override;
};

class TMdlSinusAe : public TMdlSinusPure {
 public:
  TMdlSinusAe() : TMdlSinusPure(mtSineExpDamped) {}

 protected:
  QString EquationFormat() const override;
};

// The linearly damped sine shows its equation of motion, y" + r.y + b.Sign(y') = c, with
// the initial position and velocity: values derived from the curve, read-only in the panel.
class TMdlSinusAl : public TMdlSinusPure {
 public:
  TMdlSinusAl() : TMdlSinusPure(mtSineLinDamped) {}

  // c², -b.c.k.pi/2, c².r, r + b sin d, b (c cos d + k sin d) from r, b, c, d, k.
  TDoubleDynArray MotionValues();
  TDoubleDynArray GetParams() override { return MotionValues(); }
  void SetParamAt(int, double) override {}
  bool ParamsEditable() const override { return false; }
  QStringList GetTexts(const QString &YName, const QString &TName, const QString &YUnit = QString(),
                       const QString &TUnit = QString()) override;

 protected:
  QString EquationFormat() const override;
};

}  // namespace kolibra::modelling
