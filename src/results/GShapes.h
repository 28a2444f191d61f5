#pragma once
// The constructs a user draws on a graph besides segments, curves and vectors: the angle,
// the arc, the circle and the ellipse, and the rotation handle used while an ellipse turns.
// Their control points keep world positions (so they follow zoom and pan); the pixel values
// derived from them (radii, start and end angles) are recomputed on every geometry change.
//
// Angles in these classes are measured on the screen the mathematical way: counter-clockwise
// from 3 o'clock with y pointing up, in radians. The constructs are drawn on graphs that keep
// one world unit the same size on both axes, so screen angles and world angles agree.

#include "results/GElem.h"

namespace kolibra::results {

// An angle: control points 0 and 2 are the ends of the legs, 1 the vertex.
class TGAngle : public TGPolyPoint {
 public:
  TGAngle();
  TGAngle(TPointD first, TPointD vertex, TPointD second);

  void FindPart(TPoint point) override;
  void Info() override;
  void Draw(TGraphCanvas &canvas) override;
  std::unique_ptr<TGElem> Clone() const override;
  // The angle at the vertex between the legs, 0 ... pi (world units).
  double Value() const;
};

// An arc of circle: control points 0 and 1 are its ends, 2 its centre. A new arc is straight
// (its chord); bending it through a point makes it the arc of the circle through its ends and
// that point. Very large radii are drawn without radii (Flat) or as the chord (Straight).
class TGArc : public TGPolyPoint {
 public:
  static constexpr int FlatRadius = 1024;      // px: above, the radii are not drawn
  static constexpr int StraightRadius = 20000; // px: above, the arc is its chord
  static constexpr int FallbackRadius = 999;   // px: an arc of pi or more that cannot bend

  TGArc();
  TGArc(TPointD first, TPointD second);

  int Radius = 0;          // px
  double Angle = 0.0;      // between the radii, 0 ... 2 pi
  double StartAngle = 0.0; // direction of end 0 from the centre
  double EndAngle = 0.0;   // direction of end 1; the arc runs counter-clockwise from start
  bool ShowRadii = true;
  bool Straight = true;
  bool Flat = false;
  bool HitArc = false;     // the last hit test found the arc itself
  bool HitRadius = false;  // ... or one of the radii

  void Assign(const THistObject &source) override;
  void FindPart(TPoint point) override;
  void Bend(TPoint point) override;
  void Info() override;
  void Draw(TGraphCanvas &canvas) override;
  std::unique_ptr<TGElem> Clone() const override;

  double Length() const;       // world units
  double WorldRadius() const;  // world units

 protected:
  void GeometryChanged() override;

 private:
  // Puts the centre at a pixel and makes the arc the one that holds the direction of side.
  void SetCentre(TPointD centre, TPointD side);
  // The side of the chord the arc bulges to (a point on the arc's middle).
  TPointD MiddlePixel() const;
};

// A circle: control point 0 is the centre, 1 a point of the circle.
class TGCercle : public TGPolyPoint {
 public:
  TGCercle();
  TGCercle(TPointD centre, TPointD onCircle);

  int Radius = 0;  // px, from the control points
  bool ShowCentre = true;

  void FindPart(TPoint point) override;
  void Bend(TPoint point) override;
  void Info() override;
  void Draw(TGraphCanvas &canvas) override;
  std::unique_ptr<TGElem> Clone() const override;
  double WorldRadius() const;

 protected:
  void GeometryChanged() override;
};

// A rotated ellipse: control points 0, 1, 2 and 3 are the right, top, left and bottom ends of
// its axes (before the rotation), 4 its centre, 5 a spare point used while bending.
class TGEllipse : public TGPolyPoint {
 public:
  TGEllipse();
  // Centre and the two semi-axes in world units, axes along the graph's.
  TGEllipse(TPointD centre, double semiX, double semiY);

  double A = 0.0;      // px, centre to point 0
  double B = 0.0;      // px, centre to point 1
  double Angle = 0.0;  // direction of point 0 from the centre
  bool ShowCentre = true;

  void Assign(const THistObject &source) override;
  void FindPart(TPoint point) override;
  // Moves the axis handle HitPart along its axis.
  void Bend(TPoint point) override;
  void Rotate(TPointD centre, double angle) override;
  void Info() override;
  void Draw(TGraphCanvas &canvas) override;
  std::unique_ptr<TGElem> Clone() const override;

  // World semi-axes (centre to points 0 and 1) and Ramanujan's girth.
  double WorldA() const;
  double WorldB() const;
  double Girth() const;
  TPointD Centre() const;

 protected:
  void GeometryChanged() override;

 private:
  // The four axis ends from the centre, the world semi-axes and the angle.
  void PlaceHandles(double worldA, double worldB);
};

// The handle of a rotation: control point 0 is the centre, 1 the last mouse position. It is
// never drawn and never recorded.
class TRotation : public TGPolyPoint {
 public:
  TRotation();
  // Starts a rotation about a world centre from a mouse pixel.
  void Start(TPointD centre, TPoint mouse);
  // The angle (counter-clockwise) from the last mouse position to this one seen from the
  // centre; this position becomes the last one.
  double TurnTo(TPoint mouse);
  void Draw(TGraphCanvas &) override {}
  std::unique_ptr<TGElem> Clone() const override;
};

}  // namespace kolibra::results
