// The results window's commands (models, vector scale, the Display menu's settings), its texts
// (read-out, undo item, captions) and the link between samples and video frames.
#include "kinematics/ResultMessages.h"
#include "kit/MathUtils.h"
#include "kit/Texts.h"
#include "measurement/Data.h"
#include "results/ConstructEditor.h"
#include "results/ResModel.h"

#include <QCoreApplication>

#include <algorithm>

namespace kolibra::results {

using namespace kinematics;

// ---------------------------------------------------------------------------------------------
// Commands
// ---------------------------------------------------------------------------------------------

bool TResModel::PressModel(modelling::TModelType kind, QString &message) {
  if (FView != rvTemps && FView != rvFormule) return false;
  TGraph *graph = CurrentGraph();
  modelling::TModelType &model = FView == rvTemps ? FModelTemps : FModelFormule;
  if (kind == modelling::mtNone) {
    model = modelling::mtNone;
    BuildView();
    if (graph != nullptr && (graph->Tool() == gtModelParams || graph->Tool() == gtModifyModel)) graph->SetTool(gtNone);
    return true;
  }
  if (graph == nullptr || graph->VisibleCurveCount() != 1) {
    message = ResFormText::tr("Fit regression is available for only one curve at a time.");
    return false;
  }
  model = kind;
  BuildView();
  graph->SetTool(gtModelParams);
  return true;
}

modelling::TModelType TResModel::ModelOf(int view) const {
  return view == rvTemps ? FModelTemps : view == rvFormule ? FModelFormule : modelling::mtNone;
}

void TResModel::SetViewModel(int view, modelling::TModelType kind) {
  if (view == rvTemps)
    FModelTemps = kind;
  else if (view == rvFormule)
    FModelFormule = kind;
}

bool TResModel::CanModifyModel(QString &message) const {
  const TGraph *graph = CurrentGraph();
  if (graph != nullptr && graph->ModelCount() > 0) return true;
  message = ResFormText::tr("First select a model (linear, parabolic, sine...)");
  return false;
}

bool TResModel::SetVectorScale(double value) {
  TGraph *graph = GraphOf(Measurement(), gsVecteur);
  return graph != nullptr && graph->SetVectorScale(value);
}

double TResModel::VectorScale() const {
  const TGraph *graph = GraphOf(Measurement(), gsVecteur);
  return graph != nullptr ? graph->VectorScaleValue() : -1.0;
}

QString TResModel::VectorUnit() const {
  return Memory().VecteurKind == vkAcceleration ? QStringLiteral("m/s²") : QStringLiteral("m/s");
}

void TResModel::SetSymbolSize(int size) {
  Links.Mem->LayerMemory().SymbolSize = size;
  Links.Mem->FixedMemory().SymbolSize = size;
  for (auto &row : Graphs)
    for (TGraph *g : row)
      if (g != nullptr) g->SetSymbolSize(size);
}

void TResModel::SetNumbering(int view, int place) {
  if (view == rvReferentiel)
    Memory().ReferentielNumbering = std::uint8_t(std::clamp(place, 0, 2));
  else if (view == rvVecteur)
    Memory().VecteurNumbering = std::uint8_t(std::clamp(place, 0, 2));
  BuildView();
}

void TResModel::SetDrawOrigin(bool on) {
  Memory().DrawOrigin = on ? 1 : 0;
  BuildView();
}

void TResModel::SetDrawVectorValues(bool on) {
  Memory().DrawVectorValues = on ? 1 : 0;
  BuildView();
}

// The Display menu's settings of the current view: the time view's or the formula view's.
bool TResModel::ZoomX() const { return FView == rvTemps ? FZoomXTemps : FZoomXFormule; }
bool TResModel::ZoomY() const { return FView == rvTemps ? FZoomYTemps : FZoomYFormule; }
bool TResModel::ShowEquation() const { return FView == rvTemps ? FEquaTemps : FEquaFormule; }
bool TResModel::ShowStatistics() const { return FView == rvTemps ? FStatTemps : FStatFormule; }

void TResModel::SetZoomX(bool on) {
  OfTempsOrFormule(FZoomXTemps, FZoomXFormule) = on;
  BuildView();
}

void TResModel::SetZoomY(bool on) {
  OfTempsOrFormule(FZoomYTemps, FZoomYFormule) = on;
  BuildView();
}

void TResModel::SetShowEquation(bool on) {
  OfTempsOrFormule(FEquaTemps, FEquaFormule) = on;
  BuildView();
}

void TResModel::SetShowStatistics(bool on) {
  OfTempsOrFormule(FStatTemps, FStatFormule) = on;
  BuildView();
}

// The trajectory's broken line for every view but the time and the formula views.
bool TResModel::Polyline() const {
  return FView == rvTemps ? FPolylineTemps : FView == rvFormule ? FPolylineFormule : FPolylineReferentiel;
}

void TResModel::SetPolyline(bool on) {
  (FView == rvTemps ? FPolylineTemps : FView == rvFormule ? FPolylineFormule : FPolylineReferentiel) = on;
  BuildView();
}

void TResModel::SetOriginX(bool on) {
  FOrigineX = on;
  Rescale(gsFormule);
}

void TResModel::SetOriginY(bool on) {
  FOrigineY = on;
  Rescale(gsFormule);
}

void TResModel::SetTrajectoryAsVideo(bool on) {
  FTrajectoryAsVideo = on;
  Rescale(gsVecteur);
}

void TResModel::SetDrawVideo(bool on) {
  FDrawVideo = on;
  BuildView();
}

void TResModel::SetGridGroup(TGridGroup group, bool on) {
  if (group < 0 || group >= GridGroupCount) return;
  FGridGroups[size_t(group)] = on;
  ApplyGridGroups(false);
}

void TResModel::SetBullePlace(TBullePlace place) {
  FBulle = place;
  if (TGraph *graph = CurrentGraph()) graph->SetBullePlace(place);
}

void TResModel::SetSmoothing(int flags) {
  FSmoothing = flags;
  if (Links.Calc != nullptr) Links.Calc->Invalidate(rsBoth);
  Recalculate(true);
  BuildView();
}

void TResModel::DatasheetControlClick(int col, int x, int width) {
  TResGrid &grid = *Links.Grid;
  if (col < 1 || col >= grid.ColCount()) return;
  constexpr int Edge = 12;
  if (width > Edge && x < Edge)
    grid.DecreasePrecision(col);
  else if (width > Edge && x >= width - Edge)
    grid.IncreasePrecision(col);
  else if (col != 1)
    grid.SetColumnVisible(grid.QuantityColumnOf(col), false);
}

void TResModel::RestoreTable() {
  Links.Grid->ResetPrecisions();
  ApplyGridGroups(true);
}

void TResModel::ApplyGridGroups(bool force) {
  const bool states[4] = {FGridGroups[ggCoordinates], FGridGroups[ggVelocity] && FShowVelocity,
                          FGridGroups[ggAcceleration] && FShowAcceleration, FGridGroups[ggPolar] && FShowPolar};
  const TQuantitySet kinds[4] = {qsCoordinates, qsVelocity, qsAcceleration, qsPolar};
  unsigned applied = 0;
  for (int i = 0; i < 4; ++i) {
    if (states[i]) applied |= 1u << i;
    if (force || AppliedGroups == ~0u || ((AppliedGroups >> i) & 1u) != unsigned(states[i]))
      Links.Grid->SetKindsVisible(kinds[i], states[i]);
  }
  AppliedGroups = applied;
}

// ---------------------------------------------------------------------------------------------
// Texts
// ---------------------------------------------------------------------------------------------

QString TResModel::ReadOutX(TPointD world) const {
  const QString value = FormatReal(0, world.X);
  switch (FView) {
    case rvReferentiel: return QStringLiteral("X = ") + value + QStringLiteral(" m");
    case rvTemps: return QStringLiteral("t = ") + value + QStringLiteral(" s");
    case rvVecteur:
      return ResFormText::tr("Abscissa") + QStringLiteral(" = ") + value + QStringLiteral(" m");
    default:
      return ResFormText::tr("Abscissa") + QStringLiteral(" = ") + value;
  }
}

QString TResModel::DynamicsNote() const {
  return Links.Calc != nullptr ? kinematics::DynamicsNote(Links.Calc->Active()) : QString();
}

QString TResModel::ReadOutY(TPointD world) const {
  const QString value = FormatReal(0, world.Y);
  switch (FView) {
    case rvReferentiel: return QStringLiteral("Y = ") + value + QStringLiteral(" m");
    case rvTemps: {
      const TTimeQuantity &q = TimeQuantities()[size_t(std::clamp(Memory().TempsQuantity, 0, TimeQuantityCount - 1))];
      return QString::fromUtf8(q.Symbol) + QStringLiteral(" = ") + value + QLatin1Char(' ') + QString::fromUtf8(q.Unit);
    }
    case rvVecteur:
      return ResFormText::tr("Ordinates") + QStringLiteral(" = ") + value + QStringLiteral(" m");
    default:
      return ResFormText::tr("Ordinates") + QStringLiteral(" = ") + value;
  }
}

QString TResModel::UndoItemCaption(bool &enabled) const {
  TGraph *graph = CurrentGraph();
  TConstructEditor *editor = EditorOf(graph);
  const QString caption = editor != nullptr ? editor->UndoCaption(*graph) : QString();
  enabled = !caption.isEmpty();
  if (!enabled) return ResFormText::tr("Cancel");
  return caption + QStringLiteral("     (Ctrl A)");
}

QString TResModel::ViewCaption(int view) {
  switch (view) {
    case rvTableau:
      return ResFormText::tr("Datasheet");
    case rvTemps:
      return ResFormText::tr("Evolution as a function of time");
    case rvReferentiel:
      return ResFormText::tr("Trajectory in reference frame");
    case rvVecteur:
      return ResFormText::tr("Vectors representation");
    case rvFormule:
      return ResFormText::tr("Custom formulas");
    default: return QString();
  }
}

// ---------------------------------------------------------------------------------------------
// The link with the video
// ---------------------------------------------------------------------------------------------

namespace res_commands_impl {

// The marked video frames in sample order: sample k of the results is the k-th of them.
TIntegerDynArray MarkedFrames(const measurement::TData &data) {
  TIntegerDynArray frames;
  for (const auto &container : data.ActiveCollection().ContainersList())
    if (!container->Marks.empty()) frames.push_back(container->MarksContainerFrameNumber);
  std::sort(frames.begin(), frames.end());
  return frames;
}

}  // namespace res_commands_impl

int TResModel::SampleVideoFrame(int sample) const {
  if (Links.Data == nullptr) return -1;
  const TIntegerDynArray frames = res_commands_impl::MarkedFrames(*Links.Data);
  return sample >= 0 && sample < int(frames.size()) ? frames[size_t(sample)] : -1;
}

int TResModel::SampleOfNumber(int number) const {
  for (int k = 0; k < Links.Calc->SamplesCount(); ++k)
    if (Links.Calc->PointNumber(k) == number) return k;
  return -1;
}

int TResModel::SampleAtVideoFrame(int videoFrame) const {
  if (Links.Data == nullptr) return -1;
  const TIntegerDynArray frames = res_commands_impl::MarkedFrames(*Links.Data);
  const auto found = std::find(frames.begin(), frames.end(), videoFrame);
  return found != frames.end() ? int(found - frames.begin()) : -1;
}

void TResModel::HighlightSample(int sample) {
  if (sample == Highlighted) return;
  Highlighted = sample;
  for (auto &row : Graphs)
    for (TGraph *g : row)
      if (g != nullptr) {
        ApplyHighlight(*g);
        g->Invalidate();
      }
}

}  // namespace kolibra::results
