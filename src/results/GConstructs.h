#pragma once
// The polyline elements of a series, also drawn by hand: the segment, the curve through
// control points (spline) and the vector.

#include "results/GElem.h"

#include <QString>

#include <vector>

namespace kolibra::results {

class TGSegment : public TGPolyPoint {
 public:
  TGSegment();
  TGSegment(TPointD a, TPointD b, TColor colour);

  bool HitTest(TPoint point) override;
  void Info() override;
  void Draw(TGraphCanvas &canvas) override;
  std::unique_ptr<TGElem> Clone() const override;
  double Length() const;  // world units
};

// A Catmull-Rom curve through control points 1 ... n-2; points 0 and n-1 are copies kept
// equal to their neighbours. Nothing is drawn with 3 control points or fewer.
class TGSpline : public TGPolyPoint {
 public:
  TGSpline();
  // Control points for the given points: the first and the last doubled.
  void SetThrough(const TPointDDynArray &points);

  int Steps = 10;

  bool HitTest(TPoint point) override;
  void FindPart(TPoint point) override;
  bool MovePart(TPoint point) override;
  void Info() override;
  void Draw(TGraphCanvas &canvas) override;
  std::unique_ptr<TGElem> Clone() const override;
  // Length in world units: Gauss-Legendre over each span's speed.
  double Length() const;
  const TPointDynArray &Curve();

 protected:
  void GeometryChanged() override { CurveStale = true; }

 private:
  TPointDynArray CurvePixels;
  bool CurveStale = true;
};

class TGVecteur : public TGPolyPoint {
 public:
  TGVecteur();
  TGVecteur(TPointD tail, TPointD components, int kind, TParamCom *param);

  TPointD Composantes;   // physical components
  TPointD Displacement;  // components x the kind's factor (plot widths)
  double Norme = 0.0;
  double Angle = 0.0;    // degrees, 0 ... 360, y upwards
  int Kind = 0;
  TParamCom *Param = nullptr;
  int Source = -1;       // id of the vector this one is chained to
  // Ids of the vectors chained to this one (their tails on its tip). Ids, not pointers: an
  // undo can bring back a list naming vectors deleted since; the graph resolves them.
  std::vector<int> Chained;
  TPoint Tip;

  void Assign(const THistObject &source) override;
  // Also the tip and the components: an undo of a tip drag must see the change.
  bool SameAs(const THistObject &other) const override;
  // A vector moved by hand leaves its chain.
  void Translate(int dx, int dy) override;
  // Moved with its chain (a chained vector following the tip it hangs on).
  void Shift(int dx, int dy);
  bool HitTest(TPoint point) override;
  bool InRect(const QRect &rect) override;
  void Info() override;
  void Draw(TGraphCanvas &canvas) override;
  std::unique_ptr<TGElem> Clone() const override;

  // The tip from the tail, the components and the kind's factor.
  void UpdateTip();
  // A tip moved by hand: the components follow the scale.
  void SetTip(TPoint tip);
  // Swaps tail and tip.
  void ChangeDirection();
  QString UnitText() const;

 protected:
  void GeometryChanged() override { UpdateTip(); }

 private:
  void UpdateNormAngle();
};

}  // namespace kolibra::results
