#pragma once
// The exponential r + b.exp(c.t), drawn as y = p0 + p1 exp(p2 x) in plot pixels.

#include "modelling/Mdl.h"

namespace kolibra::modelling {

class TMdlExponentiel : public TMdl {
 public:
  TMdlExponentiel();

  TModelDrag DragFor(int Hit) const override { return Hit >= 0 ? mdReshape : mdTranslate; }
  int CursorFor(int Hit) const override { return Hit >= 0 ? 44 : -22; }
  bool BeginDrag(TPoint Point, TModelDrag Drag) override;

  TPoint GrabPoint;           // plot pixels
  double GrabP1 = 0.0, GrabP2 = 0.0;

 protected:
  bool ParamsToPixel(bool writeBack) override;
  void PixelToParams() override;
  void ClampParams() override;
  void Walk(TPixelSink &sink) override;
  double PixelValue(double x) const override;
  QString EquationFormat() const override;
  void DoReshape(TPoint P) override;
  void DoTranslate(int DX, int DY) override;
};

}  // namespace kolibra::modelling
