#pragma once
// The parabola r + b.t + c.t², drawn as y = p0 x² + p1 x + p2 in plot pixels, traced from one
// or two start points (its vertex, or where it enters the plot) in both directions.

#include "modelling/Mdl.h"

namespace kolibra::modelling {

class TMdlParaboleAv : public TMdl {
 public:
  TMdlParaboleAv();

  TModelDrag DragFor(int Hit) const override { return Hit >= 1 ? mdReshape : mdTranslate; }
  int CursorFor(int Hit) const override { return Hit >= 1 ? -9 : -22; }

  struct TStartPoint {
    TPoint Pixel;
    double Decision = 0.0;   // p0 x² + p1 x + p2 - y at the start pixel
    double HalfSlope = 0.0;  // (2 p0 x + p1) / 2
  };
  int StartCount = 0;
  TStartPoint StartPoints[2];

 protected:
  bool ParamsToPixel(bool writeBack) override;
  void PixelToParams() override;
  bool Drawable() const override;
  void PrepareWalk() override;
  void Walk(TPixelSink &sink) override;
  double PixelValue(double x) const override { return (Pixel[0] * x + Pixel[1]) * x + Pixel[2]; }
  QString EquationFormat() const override;
  void DoReshape(TPoint P) override;
  void DoTranslate(int DX, int DY) override;

 private:
  void AddStart(int x, int y);
  // Traces from a start pixel towards dir (+1 right, -1 left) until the curve leaves the
  // plot; false when the sink stopped it.
  bool Trace(TPoint start, int dir, TPixelSink &sink) const;
};

}  // namespace kolibra::modelling
