#pragma once
// TCourbe: one series of a graph, the group of its elements. It owns none of them (the
// graph's Elements list does); it files them by type, keeps the series' visibility, colours
// and symbols, and applies them to an element as it is added. It is never drawn.

#include "modelling/ModelFunction.h"
#include "results/GElem.h"

#include <vector>

namespace kolibra::results {

class TGModele;

// The element codes of SetCurveProperty and SetCurveVisible.
enum TCurveElement : int {
  ceAngles = 0,
  ceArcs = 1,
  ceCircles = 2,
  ceEllipses = 3,
  ceModel = 4,
  ceLabels = 5,
  cePoints = 6,
  ceSegments = 7,
  ceSplines = 8,
  ceVectors = 9,
};

// Flag bits: which elements of a type a call addresses.
enum TCurveFlags : int { cfUser = 1, cfData = 2 };

class TCourbe : public TGElem {
 public:
  TCourbe();

  std::vector<TGElem *> Angles, Arcs, Circles, Ellipses, Points, Segments, Splines, Vectors;
  TGModele *Modele = nullptr;

  // Visibility (Visible is the series and its points).
  bool ShowAngles = true, ShowArcs = true, ShowCircles = true, ShowEllipses = true;
  bool ShowModel = true;
  bool ShowLabels = true;
  bool ShowDataSegments = true, ShowUserSegments = true;
  bool ShowDataSplines = false, ShowUserSplines = true;
  bool ShowDataVectors = true, ShowUserVectors = true;

  TColor AngleColor = TColor::FromRgb(199, 21, 133);
  TColor ArcColor = TColor::FromRgb(184, 134, 11);
  TColor CircleColor = TColor::FromRgb(220, 157, 93);
  TColor EllipseColor = TColor::FromRgb(255, 127, 80);
  TColor LabelColor = TColor::FromRgb(0, 0, 0);
  TColor PointColor = TColor::FromRgb(255, 0, 0);
  TColor UserSegmentColor = TColor::FromRgb(0, 100, 0);
  TColor DataSegmentColor = TColor::FromRgb(0, 100, 0);
  TColor UserSplineColor = TColor::FromRgb(65, 105, 225);
  TColor DataSplineColor = TColor::FromRgb(65, 105, 225);
  TColor UserVectorColor = TColor::FromRgb(148, 0, 211);
  TColor DataVectorColor = TColor::FromRgb(148, 0, 211);

  std::uint8_t LabelPlace = 0;  // 0 below the point, 1 on its right
  int MotifKind = 0;
  std::uint8_t ModelKind = modelling::mtNone;  // modelling::TModelType
  QString NomX = QStringLiteral("t");
  QString NomY;
  QString UnitX, UnitY;       // the series' units, which give the model's parameters theirs
  int VectorParamIndex = -1;  // the vector kind shown: index in the graph's VectorParams
  int ShownVectorKey = -1;    // and its key

  // Files the element under its type (once) and applies the series' state to it. A new
  // element (fresh) cannot be filed already: the search is skipped.
  void Add(TGElem *element, bool fresh = false);
  void Remove(const TGElem *element);
  // The series' visibility and colours applied to one of its elements.
  void Apply(TGElem *element) const;
  // Every element of the series with the series' state.
  void ApplyAll();
  std::vector<TGElem *> *ListOf(int objectType);

  void Draw(TGraphCanvas &) override {}
  std::unique_ptr<TGElem> Clone() const override;
};

}  // namespace kolibra::results
