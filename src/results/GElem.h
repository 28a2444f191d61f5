#pragma once
// The graph elements: everything drawn inside a graph's plot area. A measured series is not
// one object but a group of elements (TCourbe): one TGPoint per sample, one TGSegment
// between consecutive samples, one TGSpline through all samples, one TGVecteur per sample and
// vector kind, one TGModele. The constructs the user draws with the mouse (angles, arcs,
// circles, ellipses, segments, curves, vectors) are elements of the same classes.
//
// Every element keeps its geometry in world units and recomputes its pixels whenever the
// plot rectangle or the world rectangle changes (SetPlotRect, SetWorld), so elements follow
// zoom, pan and resizes. An element with a zero or huge world range keeps its old pixels.
//
// Adding an element class (the constructs of the next step: TGAngle, TGArc, TGCercle,
// TGEllipse, TSourceImg, TRotation):
//   - derive from TGPolyPoint when the element is defined by control points (Points owns
//     them; SetPlotRect, SetWorld, Assign, SameAs, Translate, InRect, MovePart, Rotate and
//     FindPart already work on them), else from TGElem;
//   - give it its TGObjectType in the constructor (ObjectType) and its default colour;
//   - override Draw (through the TGraphCanvas, which clips to the plot in raster and in
//     vector pictures alike), HitTest when the body can be grabbed, Info for its
//     description lines, Clone for the undo history, and Bend when it can be bent;
//   - TCourbe files it under its type (TCourbe::Add) and TGraph draws it in list order.
// The graph's undo history (THistorique of the graph) keeps Clone()s, with Id, Action and Step
// copied explicitly: Assign never copies the identity.

#include "kit/Color.h"
#include "kit/Types.h"

#include <QRect>
#include <QStringList>

#include <memory>
#include <vector>

namespace kolibra::results {

class TGraphCanvas;
class TParamCom;

// Element type codes; bit n of TGraph::SelectionTypes stands for type n.
enum TGObjectType : std::uint8_t {
  obNone = 0,
  obAngle = 1,
  obArc = 2,
  obCercle = 3,
  obEllipse = 4,
  obModele = 5,
  obPoint = 6,
  obSegment = 7,
  obSpline = 8,
  obVecteur = 9,
};

// What the graph shares with all its elements: the results' symbol size and the options
// that change how elements draw. Owned by the graph; elements point at it.
struct TGraphStyle {
  int SymbolSize = 0;             // 0 small, 1 medium, 2 large
  bool DrawVectorValues = false;  // vectors write their norm
  int Tool = 0;                   // the active tool (the bend tool shows handles)
  // Pen width of the constructs: 1, 2 or 3 for the three symbol sizes.
  int LineWidth() const { return SymbolSize + 1; }
  // Tolerance of the hit tests of points.
  int PointTolerance() const { return SymbolSize == 1 ? 10 : 6; }
};

// The graph's own base of undoable elements (not the measurement document's THistObject).
class THistObject {
 public:
  THistObject();
  virtual ~THistObject() = default;

  int Id = 0;                  // from one counter over the run, starting at 1
  std::uint8_t Action = 0;     // the undo action a snapshot stands for
  int Step = 0;                // undo step number
  std::uint8_t ObjectType = obNone;

  // Copies type and action (never the identity).
  virtual void Assign(const THistObject &source);
  virtual bool SameAs(const THistObject &other) const;

  // The counter's next value; tests may restart it.
  static int NextId();
  static void ResetIds(int next = 1);
};

class TGElem : public THistObject {
 public:
  TGElem();

  // Plot rectangle in control pixels.
  int Left = 0, Top = 0, Width = 0, Height = 0;
  int CurveIndex = -1;   // the series, -1 for none
  bool UserMade = false; // drawn with the mouse or duplicated, not built from the data
  bool Selected = false;
  bool Visible = true;
  bool Masked = false;   // hidden by the series' edge count: neither drawn nor hit
  TColor Color;
  QStringList Lines;     // description lines
  TRectD World{0.0, 100.0, 0.0, 100.0};
  const TGraphStyle *Style = nullptr;

  void Assign(const THistObject &source) override;
  bool SameAs(const THistObject &other) const override;

  // Slot order of the virtual operations after THistObject's.
  virtual bool HitTest(TPoint point);
  virtual void Description(QString &text);
  virtual void Info();
  virtual void SetPlotRect(int left, int top, int width, int height);
  virtual void SetColor(TColor colour);
  virtual void SetMasked(bool flag);
  virtual void SetVisible(bool flag);
  virtual void SetWorld(const TRectD &rect);

  // Draws the element when it is visible.
  virtual void Draw(TGraphCanvas &canvas) = 0;
  // A copy for the undo history (identity included, so the history can find it back).
  virtual std::unique_ptr<TGElem> Clone() const = 0;
  // Moves the element by a pixel displacement.
  virtual void Translate(int dx, int dy);

  // The pen of an element: dotted and darkened when selected, else solid in its colour at
  // the results' line width.
  int LineWidth() const { return Style != nullptr ? Style->LineWidth() : 1; }
  QRect PlotRect() const { return QRect(Left, Top, Width + 1, Height + 1); }

  // World <-> pixels through this element's rectangles. False (pixel untouched) when either
  // range is zero or huge.
  bool WorldToPixel(TPointD world, TPoint &pixel) const;
  TPointD PixelToWorld(TPoint pixel) const;
  // The same for a point between pixels (constructs computed in real pixels).
  TPointD PixelToWorldF(double x, double y) const;
};

class TGPoint : public TGElem {
 public:
  TGPoint();
  TGPoint(TPointD position, TColor colour);

  TPoint Pixel;
  TPointD Position;
  double U = 0.0, V = 0.0;  // normalised position in the world rectangle
  TColor LabelColor = TColor::FromRgb(0, 0, 0);
  bool ShowLabel = false;
  int Number = -1;
  std::uint8_t LabelPlace = 0;  // 0 below, 1 right
  int MotifKind = 0;
  // The sample shown in the main window: ringed so it stands out among the others.
  bool Highlighted = false;

  void Assign(const THistObject &source) override;
  bool SameAs(const THistObject &other) const override;
  bool HitTest(TPoint point) override;
  void SetPlotRect(int left, int top, int width, int height) override;
  void SetWorld(const TRectD &rect) override;
  void Draw(TGraphCanvas &canvas) override;
  std::unique_ptr<TGElem> Clone() const override;
  void Translate(int dx, int dy) override;
  // Rotates Position about a world point.
  virtual void Rotate(TPointD centre, double sinA, double cosA);

  // Moves the point to a pixel; Position follows.
  void SetPixel(TPoint pixel);
  void SetPosition(TPointD position);

 private:
  void UpdatePixel();
};

// An element defined by control points, which it owns.
class TGPolyPoint : public TGElem {
 public:
  TGPolyPoint();
  TGPolyPoint(const TGPolyPoint &) = delete;
  TGPolyPoint &operator=(const TGPolyPoint &) = delete;

  std::vector<std::unique_ptr<TGPoint>> Points;
  int HitPart = -2;   // -2 nothing, -1 the body, n >= 0 control point n
  int PointMotif = 17;

  void AddPoint(TPointD world);
  TPoint PointPixel(int i) const { return Points[size_t(i)]->Pixel; }

  void Assign(const THistObject &source) override;
  bool SameAs(const THistObject &other) const override;
  bool HitTest(TPoint point) override;
  void SetPlotRect(int left, int top, int width, int height) override;
  void SetWorld(const TRectD &rect) override;
  void Translate(int dx, int dy) override;

  virtual void Bend(TPoint point);
  virtual bool InRect(const QRect &rect);
  virtual bool MovePart(TPoint point);
  virtual void Rotate(TPointD centre, double angle);
  virtual void FindPart(TPoint point);
  virtual void SetPointMotif(int kind);

 protected:
  // Called after any change of the control points' pixels (caches, derived values).
  virtual void GeometryChanged() {}
};

}  // namespace kolibra::results
