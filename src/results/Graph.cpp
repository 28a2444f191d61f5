// The graph's state: margins, size, world rectangle and the mapping between world and pixels.
// Series are in GraphCurves.cpp, the mouse and keys in GraphInput.cpp, painting and pictures
// in GraphPaint.cpp.
#include "results/Graph.h"

#include "kit/MathUtils.h"
#include "results/GConstructs.h"

#include <cmath>

namespace kolibra::results {

namespace graph_impl {

bool UsableRange(double range) { return !IsNearZero(range) && !IsHuge(range); }

// Steps 1 to 4 of fitting one axis; false when the arithmetic failed.
bool FitAxis(double &min, double &max, bool includeOrigin, bool forceMinZero, double margin) {
  if (IsNearZero(min) && IsNearZero(max)) {
    min = -1e-50;
    max = 1e-50;
  } else if (IsNearZero(max - min)) {
    const double widen = std::fabs(min * margin);
    min -= widen;
    max += widen;
  }
  if (includeOrigin || forceMinZero) {
    if (min > 0.0)
      min = 0.0;
    else if (max < 0.0)
      max = 0.0;
  }
  const double range = max - min;
  min -= margin * range;
  max += margin * range;
  if (forceMinZero) min = 0.0;
  return std::isfinite(min) && std::isfinite(max) && max > min;
}

}  // namespace graph_impl

TRectD FitWorldRect(const TRectD &data, bool includeXOrigin, bool includeYOrigin, bool forceYMinZero,
                    bool forceXMinZero, double margin) {
  TRectD r = data;
  if (!graph_impl::FitAxis(r.YMin, r.YMax, includeYOrigin, forceYMinZero, margin) ||
      !graph_impl::FitAxis(r.XMin, r.XMax, includeXOrigin, forceXMinZero, margin))
    return TRectD{0.0, 100.0, 0.0, 100.0};
  return r;
}

TGraph::TGraph(IGraphSurface *surface) : Surface(surface) {
  FDefaultCurve = std::make_unique<TCourbe>();
  FDefaultCurve->Style = &Style;
  FOrigine = std::make_unique<TGPoint>(TPointD(0.0, 0.0), TColor::FromRgb(128, 128, 128));
  FOrigine->MotifKind = 16;
  FOrigine->Style = &Style;
  FSourceImg = std::make_unique<TSourceImg>();
  FElements.reserve(3104);
  Selection.reserve(1024);
  FVectorParams.reserve(8);
  Curves.reserve(16);
  FAxeX.TitreFromEdge = TitreAxeXFromEdge;
  FAxeY.TitreFromEdge = TitreAxeYFromEdge;
  ApplyPlotRect();
  ApplyWorld(World);
}

TGraph::~TGraph() {
  // The editor may refer to elements: it goes first.
  FEditor.reset();
}

void TGraph::SetEditor(std::unique_ptr<IGraphEditor> editor) { FEditor = std::move(editor); }

void TGraph::Invalidate() {
  Stale = true;
  if (Surface != nullptr) Surface->InvalidateGraph();
}

// ---------------------------------------------------------------------------------------------
// Properties
// ---------------------------------------------------------------------------------------------

void TGraph::SetMargins(int axeYFromLeft, int axeXFromTop, int axeYFromRight, int axeXFromBottom) {
  FAxeYFromLeft = axeYFromLeft;
  FAxeXFromTop = axeXFromTop;
  FAxeYFromRight = axeYFromRight;
  FAxeXFromBottom = axeXFromBottom;
  ApplyPlotRect();
  RenderBackground();
  Invalidate();
}

void TGraph::SetGradient(TColor begin, TColor end) {
  ColorBegin = begin;
  ColorEnd = end;
  RenderBackground();
  Invalidate();
}

void TGraph::SetShowModeleur(bool equation, bool statistics) {
  IsShowModeleurEqua = equation;
  IsShowModeleurStat = statistics;
  ApplyModelPanels();
  Invalidate();
}

void TGraph::SetLEchelleEnPixels(int pixels) {
  FLEchelleEnPixels = pixels;
  for (auto &param : FVectorParams) param->SetLongueur(pixels);
  Invalidate();
}

void TGraph::SetSymbolSize(int size) {
  Style.SymbolSize = std::clamp(size, 0, 2);
  Invalidate();
}

void TGraph::SetBullePlace(TBullePlace place) {
  Bulle.SetPlace(place);
  Invalidate();
}

void TGraph::ShowBulle(const QStringList &lines) {
  Bulle.ShowLines(lines, FWidth, FHeight);
  Invalidate();
}

void TGraph::HideBulle() {
  if (!Bulle.Visible()) return;
  Bulle.Hide();
  Invalidate();
}

void TGraph::SetDrawVectorValues(bool draw) {
  Style.DrawVectorValues = draw;
  Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Size
// ---------------------------------------------------------------------------------------------

int TGraph::PlotWidth() const { return std::max(0, FWidth - FAxeYFromLeft - FAxeYFromRight); }

int TGraph::PlotHeight() const { return std::max(0, FHeight - FAxeXFromTop - FAxeXFromBottom); }

QRect TGraph::PlotRect() const { return QRect(FAxeYFromLeft, FAxeXFromTop, PlotWidth() + 1, PlotHeight() + 1); }

void TGraph::EnableBounds(int width, int height) {
  BoundsEnabled = true;
  SetSize(width, height);
}

void TGraph::SetSize(int width, int height) {
  if (!BoundsEnabled) return;
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == FWidth && height == FHeight) return;
  const int oldPlotWidth = PlotWidth(), oldPlotHeight = PlotHeight();
  FWidth = width;
  FHeight = height;
  ApplyPlotRect();
  RenderBackground();
  if (FKeepAspect && oldPlotWidth > 0 && oldPlotHeight > 0 && PlotWidth() > 0 && PlotHeight() > 0) {
    // World units per pixel are kept: circles stay round, the picture does not stretch.
    const double ux = (World.XMax - World.XMin) / oldPlotWidth, uy = (World.YMax - World.YMin) / oldPlotHeight;
    const double cx = 0.5 * (World.XMin + World.XMax), cy = 0.5 * (World.YMin + World.YMax);
    TRectD rect{cx - 0.5 * ux * PlotWidth(), cx + 0.5 * ux * PlotWidth(), cy - 0.5 * uy * PlotHeight(),
                cy + 0.5 * uy * PlotHeight()};
    DistributeAspect(rect);
    ApplyWorld(rect);
  }
  Invalidate();
}

void TGraph::ApplyPlotRect() {
  const int l = FAxeYFromLeft, t = FAxeXFromTop, w = PlotWidth(), h = PlotHeight();
  for (auto &e : FElements) e->SetPlotRect(l, t, w, h);
  FOrigine->SetPlotRect(l, t, w, h);
  FSourceImg->SetPlotRect(l, t, w, h);
  for (auto &param : FVectorParams) param->SetLargeur(w);
  for (auto &e : FElements)
    if (e->ObjectType == obVecteur) static_cast<TGVecteur *>(e.get())->UpdateTip();
  // Scales made before the plot had a size get theirs now.
  if (w > 0)
    for (auto &param : FVectorParams)
      if (param->SizePending) {
        FitVectorScale(*param);
        if (FVectorParamIndex >= 0 && FVectorParams[size_t(FVectorParamIndex)].get() == param.get())
          FVectorScaleValue = param->Valeur;
      }
  for (TAxe *axe : {&FAxeX, &FAxeY}) {
    axe->FromLeft = FAxeYFromLeft;
    axe->FromRight = FAxeYFromRight;
    axe->FromTop = FAxeXFromTop;
    axe->FromBottom = FAxeXFromBottom;
  }
  FAxeX.Band = QRect(0, FHeight - FAxeXFromBottom, FWidth, FAxeXFromBottom);
  FAxeY.Band = QRect(0, 0, FAxeYFromLeft, std::max(0, FHeight - FAxeXFromBottom));
  Bulle.Arrange(FWidth, FHeight);
  ApplyModelPanels();
}

// ---------------------------------------------------------------------------------------------
// World
// ---------------------------------------------------------------------------------------------

void TGraph::DistributeAspect(TRectD &rect) const {
  const int w = PlotWidth(), h = PlotHeight();
  if (w <= 0 || h <= 0) return;
  const double ux = (rect.XMax - rect.XMin) / w, uy = (rect.YMax - rect.YMin) / h;
  if (!graph_impl::UsableRange(ux) || !graph_impl::UsableRange(uy)) return;
  // The larger scale wins, so everything asked for stays in view.
  const double u = std::max(ux, uy);
  const double cx = 0.5 * (rect.XMin + rect.XMax), cy = 0.5 * (rect.YMin + rect.YMax);
  rect = TRectD{cx - 0.5 * u * w, cx + 0.5 * u * w, cy - 0.5 * u * h, cy + 0.5 * u * h};
}

void TGraph::SetWorld(const TRectD &rect, bool keepAspect) {
  FZoom.ZoomX = 1.0;
  FZoom.ZoomY = 1.0;
  FMovedByHand = false;
  FKeepAspect = keepAspect;
  TRectD r = rect;
  if (keepAspect) DistributeAspect(r);
  ApplyWorld(r);
  Invalidate();
}

void TGraph::ApplyWorld(const TRectD &rect) {
  World = rect;
  for (auto &e : FElements) e->SetWorld(rect);
  FOrigine->SetWorld(rect);
  FSourceImg->SetWorld(rect);
  for (TAxe *axe : {&FAxeX, &FAxeY}) {
    axe->Min = axe->Vertical ? rect.YMin : rect.XMin;
    axe->Max = axe->Vertical ? rect.YMax : rect.XMax;
  }
}

TPointD TGraph::ScreenToWorld(int x, int y) const {
  const double w = PlotWidth() > 0 ? PlotWidth() : 1, h = PlotHeight() > 0 ? PlotHeight() : 1;
  return TPointD(World.XMin + (x - FAxeYFromLeft) / w * (World.XMax - World.XMin),
                 World.YMin + (PlotHeight() + FAxeXFromTop - y) / h * (World.YMax - World.YMin));
}

bool TGraph::WorldToScreen(TPointD world, TPoint &pixel) const {
  const double rx = World.XMax - World.XMin, ry = World.YMax - World.YMin;
  if (!graph_impl::UsableRange(rx) || !graph_impl::UsableRange(ry)) return false;
  const double u = (world.X - World.XMin) / rx, v = (world.Y - World.YMin) / ry;
  pixel = TPoint(RoundClamped(PlotWidth() * u + FAxeYFromLeft), RoundClamped((1.0 - v) * PlotHeight() + FAxeXFromTop));
  return true;
}

}  // namespace kolibra::results
