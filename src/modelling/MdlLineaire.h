#pragma once
// The linear family: a constant, a line through the origin and a line, all stored as
// intercept and slope (Params = r, b) and drawn as y = p0 + p1 x in plot pixels.

#include "modelling/Mdl.h"

namespace kolibra::modelling {

class TMdlLineaire : public TMdl {
 public:
  // Kind: mtAffine, mtConstant or mtProportional.
  explicit TMdlLineaire(int kind);

  TModelDrag DragFor(int Hit) const override;
  int CursorFor(int Hit) const override;
  bool BeginDrag(TPoint Point, TModelDrag Drag) override;

  int Kind() const { return Type(); }
  int Grab = 0;              // the end held by a reshape: 0 or 1
  TPoint Ends[2];            // the ends of the drawn segment, plot pixels
  int EndCount = 0;          // 2 when the line crosses the plot

 protected:
  bool ParamsToPixel(bool writeBack) override;
  void PixelToParams() override;
  void ClampParams() override;
  void PrepareWalk() override;
  void Walk(TPixelSink &sink) override;
  double PixelValue(double x) const override { return Pixel[0] + Pixel[1] * x; }
  int HitRegion(TPoint plotPixel, int walkRegion) const override;
  QString EquationFormat() const override;
  void DoReshape(TPoint P) override;
  void DoTranslate(int DX, int DY) override;

 private:
  // Keeps the fixed parameter of the constant and the proportional line.
  void KeepFixed();
  bool SetLine(double p0, double p1);
  TPointD FixedPoint;  // the point a reshape turns about, plot pixels
};

class TMdlConstant : public TMdlLineaire {
 public:
  TMdlConstant() : TMdlLineaire(mtConstant) {}
};

class TMdlProportionnel : public TMdlLineaire {
 public:
  TMdlProportionnel() : TMdlLineaire(mtProportional) {}
};

class TMdlAffine : public TMdlLineaire {
 public:
  TMdlAffine() : TMdlLineaire(mtAffine) {}
};

}  // namespace kolibra::modelling
