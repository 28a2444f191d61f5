// The graph's series and elements: building a series from samples, its properties and
// visibility, the element lists, the model range and the vector scales.
#include "results/Graph.h"

#include "kit/MathUtils.h"
#include "results/GConstructs.h"

#include <algorithm>
#include <cmath>

namespace kolibra::results {

namespace graph_curves_impl {

// Reads an ordinal or a string out of a variant; false when it does not convert.
bool Ordinal(const QVariant &value, qlonglong &out) {
  bool ok = false;
  out = value.toLongLong(&ok);
  return ok;
}

}  // namespace graph_curves_impl

// ---------------------------------------------------------------------------------------------
// Elements
// ---------------------------------------------------------------------------------------------

TCourbe *TGraph::Curve(int index) const {
  return index >= 0 && index < int(Curves.size()) ? Curves[size_t(index)].get() : nullptr;
}

TGElem *TGraph::AddElement(std::unique_ptr<TGElem> element, int curve) {
  return Append(std::move(element), curve, false);
}

TGElem *TGraph::Append(std::unique_ptr<TGElem> element, int curve, bool fresh) {
  TGElem *e = element.get();
  e->Style = &Style;
  if (auto *poly = dynamic_cast<TGPolyPoint *>(e))
    for (auto &p : poly->Points) p->Style = &Style;
  e->SetWorld(World);
  e->SetPlotRect(FAxeYFromLeft, FAxeXFromTop, PlotWidth(), PlotHeight());
  TCourbe *series = Curve(curve);
  e->CurveIndex = series != nullptr ? curve : -1;
  FElements.push_back(std::move(element));
  (series != nullptr ? series : FDefaultCurve.get())->Add(e, fresh);
  if (e->ObjectType == obModele) WireModel(static_cast<TGModele *>(e));
  Invalidate();
  return e;
}

std::unique_ptr<TGElem> TGraph::RemoveElement(TGElem *element) {
  auto found = std::find_if(FElements.begin(), FElements.end(), [element](const auto &e) { return e.get() == element; });
  if (found == FElements.end()) return nullptr;
  std::unique_ptr<TGElem> taken = std::move(*found);
  FElements.erase(found);
  Selection.erase(std::remove(Selection.begin(), Selection.end(), element), Selection.end());
  FDefaultCurve->Remove(element);
  for (auto &c : Curves) c->Remove(element);
  if (AdjustedModel == element) AdjustedModel = nullptr;
  if (PanelModel == element) PanelModel = nullptr;
  Invalidate();
  return taken;
}

void TGraph::BringToTop(TGElem *element) {
  auto found = std::find_if(FElements.begin(), FElements.end(), [element](const auto &e) { return e.get() == element; });
  if (found == FElements.end() || found + 1 == FElements.end()) return;
  std::rotate(found, found + 1, FElements.end());
  Invalidate();
}

TGElem *TGraph::ElementAt(TPoint point) {
  for (TGElem *e : Selection)
    if (e->HitTest(point)) return e;
  for (auto it = FElements.rbegin(); it != FElements.rend(); ++it)
    if ((*it)->HitTest(point)) return it->get();
  return nullptr;
}

void TGraph::WireModel(TGModele *model) {
  model->OnChanged = [this] { Invalidate(); };
  model->ShowEqua = IsShowModeleurEqua;
  model->ShowStat = IsShowModeleurStat;
  model->Panel.Position = QPoint(FAxeYFromLeft + 10, FAxeXFromTop + 10);
}

// ---------------------------------------------------------------------------------------------
// Series
// ---------------------------------------------------------------------------------------------

int TGraph::AddCurve(const TPointDDynArray &samples, int edgeCount, const TIntegerDynArray &markNumbers,
                     const std::vector<TVectorSeries> &vectors) {
  // Vector kinds not seen yet get their scale, sized from their longest vector.
  for (const TVectorSeries &kind : vectors) {
    if (std::any_of(FVectorParams.begin(), FVectorParams.end(), [&](const auto &p) { return p->Id == kind.Key; }))
      continue;
    auto param = std::make_unique<TParamCom>(kind.Unit, kind.Key, FLEchelleEnPixels, PlotWidth());
    double longest = 0.0;
    for (const TPointD &c : kind.Components) longest = std::max(longest, std::hypot(c.X, c.Y));
    param->SizePending =
        !param->InitFromLongest(longest, DefaultVectorLength()) && PlotWidth() <= 0;
    FVectorParams.push_back(std::move(param));
  }

  const int index = int(Curves.size());
  auto series = std::make_unique<TCourbe>();
  series->Style = &Style;
  series->CurveIndex = index;
  series->SetWorld(World);
  series->SetPlotRect(FAxeYFromLeft, FAxeXFromTop, PlotWidth(), PlotHeight());
  if (FVectorParamIndex >= 0 && FVectorParamIndex < int(FVectorParams.size())) {
    series->VectorParamIndex = FVectorParamIndex;
    series->ShownVectorKey = FVectorParams[size_t(FVectorParamIndex)]->Id;
  }
  Curves.push_back(std::move(series));

  const int n = int(samples.size());
  std::vector<std::unique_ptr<TGElem>> points, segments, vectorElements;
  for (int i = 0; i < n; ++i) {
    auto p = std::make_unique<TGPoint>(samples[size_t(i)], TColor::FromRgb(255, 0, 0));
    p->Number = i < int(markNumbers.size()) ? markNumbers[size_t(i)] : i + 1;
    if (i < edgeCount || i > n - 1 - edgeCount) p->SetMasked(true);
    points.push_back(std::move(p));
  }
  for (int i = 0; i + 1 < n; ++i) {
    auto s = std::make_unique<TGSegment>(samples[size_t(i)], samples[size_t(i + 1)], TColor::FromRgb(0, 100, 0));
    if (i < edgeCount || i > n - 2 - edgeCount) s->SetMasked(true);
    segments.push_back(std::move(s));
  }
  auto spline = std::make_unique<TGSpline>();
  spline->SetThrough(samples);
  for (const TVectorSeries &kind : vectors) {
    TParamCom *param = nullptr;
    for (auto &p : FVectorParams)
      if (p->Id == kind.Key) param = p.get();
    const int last = int(kind.Components.size()) - 1;
    for (int j = 0; j <= last && j < n; ++j) {
      auto v = std::make_unique<TGVecteur>(samples[size_t(j)], kind.Components[size_t(j)], kind.Key, param);
      if (kind.EdgeCount >= 0 && (j < kind.EdgeCount || j > last - kind.EdgeCount)) v->SetMasked(true);
      vectorElements.push_back(std::move(v));
    }
  }
  auto model = std::make_unique<TGModele>();
  TDoubleDynArray x, y;
  for (int i = std::max(0, edgeCount); i < n - std::max(0, edgeCount); ++i) {
    x.push_back(samples[size_t(i)].X);
    y.push_back(samples[size_t(i)].Y);
  }
  model->X = x;
  model->Y = y;

  for (auto &e : points) Append(std::move(e), index, true);
  for (auto &e : segments) Append(std::move(e), index, true);
  Append(std::move(spline), index, true);
  for (auto &e : vectorElements) Append(std::move(e), index, true);
  Append(std::move(model), index, true);
  return index;
}

bool TGraph::SetCurveProperty(int curve, int element, const QVariant &value, int flags, int attribute) {
  using graph_curves_impl::Ordinal;
  // Out of range, or no flag given: the default curve (the constructs of no series).
  TCourbe *c = Curve(curve);
  if (c == nullptr || flags == 0) c = FDefaultCurve.get();
  qlonglong number = 0;
  const bool ordinal = attribute == 0 || attribute == 4 || attribute == 6;
  if (ordinal && !Ordinal(value, number)) return false;
  if (!ordinal && (attribute == 1 || attribute == 2) && !value.canConvert<QString>()) return false;
  const TColor colour(std::uint32_t(number & 0xFFFFFFFF));
  const bool user = (flags & cfUser) != 0, data = (flags & cfData) != 0;
  switch (element) {
    case ceAngles:
      if (attribute == 0) c->AngleColor = colour;
      break;
    case ceArcs:
      if (attribute == 0) c->ArcColor = colour;
      break;
    case ceCircles:
      if (attribute == 0) c->CircleColor = colour;
      break;
    case ceEllipses:
      if (attribute == 0) c->EllipseColor = colour;
      break;
    case ceModel:
      if (attribute == 1) c->NomX = value.toString();
      if (attribute == 2) c->NomY = value.toString();
      if (attribute == 7) c->UnitX = value.toString();
      if (attribute == 8) c->UnitY = value.toString();
      if (attribute == 6) c->ModelKind = std::uint8_t(number);
      break;
    case ceLabels:
      if (attribute == 0) c->LabelColor = colour;
      if (attribute == 4) c->LabelPlace = std::uint8_t(number);
      break;
    case cePoints:
      if (attribute == 0) c->PointColor = colour;
      if (attribute == 6) c->MotifKind = int(number);
      break;
    case ceSegments:
      if (attribute == 0 && user) c->UserSegmentColor = colour;
      if (attribute == 0 && data) c->DataSegmentColor = colour;
      break;
    case ceSplines:
      if (attribute == 0 && user) c->UserSplineColor = colour;
      if (attribute == 0 && data) c->DataSplineColor = colour;
      break;
    case ceVectors:
      if (attribute == 0 && user) c->UserVectorColor = colour;
      if (attribute == 0 && data) c->DataVectorColor = colour;
      break;
    default:
      return false;
  }
  // Colours go to the elements of the type addressed.
  const auto recolour = [&](std::vector<TGElem *> &list, TColor col, bool byOrigin) {
    for (TGElem *e : list)
      if (!byOrigin || (e->UserMade ? user : data)) e->SetColor(col);
  };
  if (attribute == 0) switch (element) {
      case ceAngles: recolour(c->Angles, colour, false); break;
      case ceArcs: recolour(c->Arcs, colour, false); break;
      case ceCircles: recolour(c->Circles, colour, false); break;
      case ceEllipses: recolour(c->Ellipses, colour, false); break;
      case cePoints: recolour(c->Points, colour, false); break;
      case ceSegments: recolour(c->Segments, colour, true); break;
      case ceSplines: recolour(c->Splines, colour, true); break;
      case ceVectors: recolour(c->Vectors, colour, true); break;
      default: break;
    }
  c->ApplyAll();
  if (element == ceModel && c->Modele != nullptr) {
    if (attribute == 6) c->Modele->SetKind(c->ModelKind);
    c->Modele->RefreshPanel(FTool == gtModifyModel);
  }
  Invalidate();
  return true;
}

void TGraph::SetCurveVisible(int curve, int element, bool visible, int flags) {
  TCourbe *c = Curve(curve);
  if (c == nullptr || flags == 0) c = FDefaultCurve.get();
  const bool user = (flags & cfUser) != 0, data = (flags & cfData) != 0;
  switch (element) {
    case ceAngles: c->ShowAngles = visible; break;
    case ceArcs: c->ShowArcs = visible; break;
    case ceCircles: c->ShowCircles = visible; break;
    case ceEllipses: c->ShowEllipses = visible; break;
    case ceModel: c->ShowModel = visible; break;
    case ceLabels: c->ShowLabels = visible; break;
    case cePoints: c->Visible = visible; break;
    case ceSegments:
      if (user) c->ShowUserSegments = visible;
      if (data) c->ShowDataSegments = visible;
      break;
    case ceSplines:
      if (user) c->ShowUserSplines = visible;
      if (data) c->ShowDataSplines = visible;
      break;
    case ceVectors:
      if (user) c->ShowUserVectors = visible;
      if (data) c->ShowDataVectors = visible;
      break;
    default:
      return;
  }
  c->ApplyAll();
  Invalidate();
}

void TGraph::SetAllCurvesVisible(int element, int flags, bool visible) {
  for (int i = 0; i < int(Curves.size()); ++i) SetCurveVisible(i, element, visible, flags);
}

void TGraph::Clear() {
  if (FEditor) FEditor->ClearHistory();
  Selection.clear();
  Selection.reserve(1024);
  AdjustedModel = nullptr;
  PanelModel = nullptr;
  FElements.clear();
  FElements.reserve(3104);
  FVectorParams.clear();
  FVectorParams.reserve(8);
  FVectorParamIndex = -1;
  Curves.clear();
  Curves.reserve(16);
  FDefaultCurve = std::make_unique<TCourbe>();
  FDefaultCurve->Style = &Style;
  NewPoints.clear();
  Bulle.Hide();
  Invalidate();
}

void TGraph::ClearData() {
  AdjustedModel = nullptr;
  PanelModel = nullptr;
  FDragState = 0;
  Selection.erase(std::remove_if(Selection.begin(), Selection.end(), [](const TGElem *e) { return !e->UserMade; }),
                  Selection.end());
  FElements.erase(std::remove_if(FElements.begin(), FElements.end(), [](const auto &e) { return !e->UserMade; }),
                  FElements.end());
  Curves.clear();
  FDefaultCurve = std::make_unique<TCourbe>();
  FDefaultCurve->Style = &Style;
  if (FVectorParamIndex >= 0 && FVectorParamIndex < int(FVectorParams.size())) {
    FDefaultCurve->VectorParamIndex = FVectorParamIndex;
    FDefaultCurve->ShownVectorKey = FVectorParams[size_t(FVectorParamIndex)]->Id;
  }
  for (auto &e : FElements) FDefaultCurve->Add(e.get());
  Invalidate();
}

void TGraph::RefileUserElements() {
  for (auto &e : FElements) {
    if (!e->UserMade) continue;
    FDefaultCurve->Remove(e.get());
    TCourbe *series = e->ObjectType == obAngle ? nullptr : Curve(e->CurveIndex);
    if (series == nullptr) e->CurveIndex = -1;
    (series != nullptr ? series : FDefaultCurve.get())->Add(e.get());
  }
  Invalidate();
}

int TGraph::VisibleCurveCount() const {
  return int(std::count_if(Curves.begin(), Curves.end(), [](const auto &c) { return c->Visible; }));
}

TIntegerDynArray TGraph::VisibleCurves() const {
  TIntegerDynArray indexes;
  for (size_t i = 0; i < Curves.size(); ++i)
    if (Curves[i]->Visible) indexes.push_back(int(i));
  return indexes;
}

int TGraph::CurrentCurve() const {
  const TIntegerDynArray visible = VisibleCurves();
  return visible.size() == 1 ? visible.front() : -1;
}

int TGraph::ModelCount() const {
  return int(std::count_if(FElements.begin(), FElements.end(), [](const auto &e) {
    return e->ObjectType == obModele && static_cast<const TGModele *>(e.get())->Kind != modelling::mtNone;
  }));
}

unsigned TGraph::SelectionTypes() const {
  unsigned bits = 0;
  for (const TGElem *e : Selection)
    if (e->ObjectType >= 1 && e->ObjectType <= 9) bits |= 1u << e->ObjectType;
  return bits;
}

TGModele *TGraph::Modele(int curve) const {
  TCourbe *c = Curve(curve);
  return c != nullptr ? c->Modele : nullptr;
}

void TGraph::SetModelRange(int curve, double from, double to) {
  if (TGModele *model = Modele(curve)) model->SetFitRange(from, to);
  Invalidate();
}

void TGraph::ClearModelRange(int curve) {
  if (TGModele *model = Modele(curve)) model->ClearFitRange();
  Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Vector scales
// ---------------------------------------------------------------------------------------------

void TGraph::UpdateVectorsOfKind(int key) {
  for (auto &e : FElements)
    if (e->ObjectType == obVecteur) {
      auto *v = static_cast<TGVecteur *>(e.get());
      if (v->Kind == key) v->UpdateTip();
    }
}

void TGraph::SelectVectorParam(int index) {
  if (index < 0 || index >= int(FVectorParams.size())) return;
  FVectorParamIndex = index;
  const TParamCom &param = *FVectorParams[size_t(index)];
  for (auto &c : Curves) {
    c->VectorParamIndex = index;
    c->ShownVectorKey = param.Id;
    c->ApplyAll();
  }
  FDefaultCurve->VectorParamIndex = index;
  FDefaultCurve->ShownVectorKey = param.Id;
  FDefaultCurve->ApplyAll();
  FVectorScaleValue = param.Valeur;
  Invalidate();
}

double TGraph::DefaultVectorLength() const { return std::hypot(PlotWidth(), PlotHeight()) / 8.0; }

void TGraph::InitVectorScale() {
  if (FVectorParamIndex < 0 || FVectorParamIndex >= int(FVectorParams.size())) return;
  TParamCom &param = *FVectorParams[size_t(FVectorParamIndex)];
  // Every vector zero (or no plot yet): the previous factor stays.
  if (!FitVectorScale(param)) return;
  FVectorScaleValue = param.Valeur;
  Invalidate();
}

bool TGraph::FitVectorScale(TParamCom &param) {
  // The longest of the vectors shown (of all of the kind when none is shown).
  double longest = 0.0, longestShown = 0.0;
  for (const auto &e : FElements)
    if (e->ObjectType == obVecteur) {
      const auto *v = static_cast<const TGVecteur *>(e.get());
      if (v->Kind != param.Id) continue;
      longest = std::max(longest, v->Norme);
      if (v->Visible) longestShown = std::max(longestShown, v->Norme);
    }
  if (longestShown > 0.0) longest = longestShown;
  param.SizePending = PlotWidth() <= 0;
  // The longest an eighth of the plot's diagonal: long enough to read, short enough that
  // neighbouring vectors along a path do not pile on each other.
  if (!param.InitFromLongest(longest, DefaultVectorLength())) return false;
  // Then shorter, if need be, so that no vector the graph shows leaves the plot: the scale
  // gives way, not the world (widening the world would shrink the path and not the vectors,
  // which are sized in pixels). A point on the very edge has no room at all: the scale does
  // not give way below a quarter for it.
  const double left = FAxeYFromLeft, top = FAxeXFromTop, right = left + PlotWidth(),
               bottom = top + PlotHeight();
  const double width = PlotWidth();
  double factor = param.Facteur;
  // The arrow's head kept clear of the plot's edge.
  constexpr double TipMargin = 6.0;
  const auto room = [&](double from, double to, double component) {
    const double space = std::fabs(to - from) - TipMargin;
    return space > 0.0 ? space / (std::fabs(component) * width) : 0.0;
  };
  for (const auto &e : FElements) {
    if (e->ObjectType != obVecteur || e->UserMade || !e->Visible) continue;
    const auto *v = static_cast<const TGVecteur *>(e.get());
    if (v->Kind != param.Id || v->Points.empty()) continue;
    const TPoint tail = v->PointPixel(0);
    if (tail.X < left || tail.X > right || tail.Y < top || tail.Y > bottom) continue;
    if (!IsNearZero(v->Composantes.X))
      factor =
          std::min(factor, room(tail.X, v->Composantes.X > 0 ? right : left, v->Composantes.X));
    if (!IsNearZero(v->Composantes.Y))
      factor =
          std::min(factor, room(tail.Y, v->Composantes.Y > 0 ? top : bottom, v->Composantes.Y));
  }
  param.LimitFactor(std::max(factor, 0.25 * param.Facteur));
  UpdateVectorsOfKind(param.Id);
  return true;
}

bool TGraph::SetVectorScale(double value) {
  if (FVectorParamIndex < 0 || FVectorParamIndex >= int(FVectorParams.size())) return false;
  TParamCom &param = *FVectorParams[size_t(FVectorParamIndex)];
  if (!param.SetValeur(value)) return false;
  UpdateVectorsOfKind(param.Id);
  FVectorScaleValue = value;
  Invalidate();
  return true;
}

}  // namespace kolibra::results
