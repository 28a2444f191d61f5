// The results window's state: its graphs, the options' initial states, the recalculation, the
// views and their lists. Building the graph views is in ResModelBuild.cpp, the commands, the
// texts and the link with the video in ResModelCommands.cpp.
#include "results/ResModel.h"

#include "formulas/Formules.h"
#include "formulas/ResultsSource.h"
#include "measurement/Data.h"
#include "measurement/GraphUtils.h"
#include "results/ConstructEditor.h"
#include "settings/Options.h"

#include <QCoreApplication>

#include <algorithm>

namespace kolibra::results {

using namespace kinematics;

namespace res_model_impl {

struct TViewLook {
  TColor Begin, End;
};

// The gradient of each graph view, by slot.
constexpr TViewLook Looks[GraphSlotCount] = {
    {TColor::FromRgb(228, 229, 214), TColor::FromRgb(209, 255, 198)},  // time
    {TColor::FromRgb(255, 243, 220), TColor::FromRgb(252, 225, 195)},  // trajectory
    {TColor::FromRgb(235, 241, 243), TColor::FromRgb(202, 229, 245)},  // vectors
    {TColor::FromRgb(255, 255, 225), TColor::FromRgb(245, 245, 198)},  // formulas
};

bool Contains(const TIntegerDynArray &list, int value) { return std::find(list.begin(), list.end(), value) != list.end(); }

// The objects of a list that exist, in order, each once.
TIntegerDynArray ValidObjects(const TIntegerDynArray &list, int count) {
  TIntegerDynArray valid;
  for (int o : list)
    if (o >= 0 && o < count && !Contains(valid, o)) valid.push_back(o);
  return valid;
}

}  // namespace res_model_impl

const std::array<TTimeQuantity, TimeQuantityCount> &TimeQuantities() {
  static const std::array<TTimeQuantity, TimeQuantityCount> table{{
      {"X", QT_TRANSLATE_NOOP("ResFormText", "Abscissa"), "m", qkX, 0, false, false},
      {"Y", QT_TRANSLATE_NOOP("ResFormText", "Ordinates"), "m", qkY, 0, false, false},
      {"vx", QT_TRANSLATE_NOOP("ResFormText", "x-component of velocity"), "m/s", qkVx, 1, false,
       false},
      {"vy", QT_TRANSLATE_NOOP("ResFormText", "y-component of velocity"), "m/s", qkVy, 1, false,
       false},
      {"v", QT_TRANSLATE_NOOP("ResFormText", "Value of velocity"), "m/s", qkV, 1, false, true},
      {"ax", QT_TRANSLATE_NOOP("ResFormText", "x-component of acceleration"), "m/s²", qkAx, 2,
       false, false},
      {"ay", QT_TRANSLATE_NOOP("ResFormText", "y-component of acceleration"), "m/s²", qkAy, 2,
       false, false},
      {"a", QT_TRANSLATE_NOOP("ResFormText", "Value of acceleration"), "m/s²", qkA, 2, false, true},
      {"O", QT_TRANSLATE_NOOP("ResFormText", "Angular coordinate"), "rad", qkAngle, 0, true, false},
      {"R", QT_TRANSLATE_NOOP("ResFormText", "Radial coordinate"), "m", qkRadius, 0, false, true},
      {"w", QT_TRANSLATE_NOOP("ResFormText", "Angular velocity value"), "rad/s", qkOmega, 0, true,
       false},
      {"px", QT_TRANSLATE_NOOP("ResFormText", "x-component of momentum"), "kg·m/s", qkPx, 1, false,
       false},
      {"py", QT_TRANSLATE_NOOP("ResFormText", "y-component of momentum"), "kg·m/s", qkPy, 1, false,
       false},
      {"p", QT_TRANSLATE_NOOP("ResFormText", "Value of momentum"), "kg·m/s", qkP, 1, false, true},
      {"Ek", QT_TRANSLATE_NOOP("ResFormText", "Kinetic energy"), "J", qkEk, 1, false, true},
      {"Ep", QT_TRANSLATE_NOOP("ResFormText", "Potential energy of weight"), "J", qkEp, 0, true,
       false},
      {"Em", QT_TRANSLATE_NOOP("ResFormText", "Mechanical energy"), "J", qkEm, 1, true, false},
  }};
  return table;
}

int SlotOfView(int view) {
  switch (view) {
    case rvTemps: return gsTemps;
    case rvReferentiel: return gsReferentiel;
    case rvVecteur: return gsVecteur;
    case rvFormule: return gsFormule;
    default: return -1;
  }
}

TResModel::TResModel(const TResLinks &links) : Links(links) {
  for (auto &row : RebuildFlags) row.fill(1);
  if (Links.Options != nullptr) ApplyOptions();
}

// ---------------------------------------------------------------------------------------------
// Graphs
// ---------------------------------------------------------------------------------------------

void TResModel::SetGraph(TResMeasurement measurement, int slot, TGraph *graph) {
  if (measurement < 0 || measurement >= ResMeasurementCount || slot < 0 || slot >= GraphSlotCount) return;
  Graphs[size_t(measurement)][size_t(slot)] = graph;
  if (graph == nullptr) return;
  const auto &look = res_model_impl::Looks[slot];
  graph->SetGradient(look.Begin, look.End);
  if (slot == gsVecteur) {
    graph->SetMargins(0, 0, 0, 0);
    graph->IsAxeXVisible = graph->IsAxeYVisible = false;
  } else {
    // The band widths leave room for two title lines and the labels (Arial 10 and 14 at the
    // screen's 96 dots per inch).
    graph->SetMargins(140, 15, 30, 100);
  }
  if ((slot == gsReferentiel || slot == gsVecteur) && graph->Editor() == nullptr)
    graph->SetEditor(std::make_unique<TConstructEditor>());
  graph->SetBullePlace(FBulle);
  graph->SetSymbolSize(Memory().SymbolSize);
}

TGraph *TResModel::GraphOf(TResMeasurement measurement, int slot) const {
  if (measurement < 0 || measurement >= ResMeasurementCount || slot < 0 || slot >= GraphSlotCount) return nullptr;
  return Graphs[size_t(measurement)][size_t(slot)];
}

TResMeasurement TResModel::Measurement() const {
  return Links.Data != nullptr && Links.Data->IsLayerMeasurement() ? rmLayer : rmFixedAxes;
}

TGraph *TResModel::CurrentGraph() const { return GraphOf(Measurement(), SlotOfView(FView)); }

TConstructEditor *TResModel::EditorOf(TGraph *graph) const {
  return graph != nullptr ? dynamic_cast<TConstructEditor *>(graph->Editor()) : nullptr;
}

TMemory &TResModel::Memory() const { return Links.Mem->Active(); }

// ---------------------------------------------------------------------------------------------
// Life
// ---------------------------------------------------------------------------------------------

void TResModel::ApplyOptions() {
  const settings::TOptions &o = *Links.Options;
  FShowVelocity = o.CheckBox9Speed_Checked;
  FShowAcceleration = o.CheckBox8Acceleration_Checked;
  FShowPolar = o.CheckBox53PolarQuantities_Checked;
  FSmoothing = (o.CheckBox54SmoothSpeed_Checked ? sfVelocity : 0) | (o.CheckBox7SmoothAcceleration_Checked ? sfAcceleration : 0);
  FZoomXTemps = o.CheckBox12TimeZoomX_Checked;
  FZoomYTemps = o.CheckBox13TimeZoomY_Checked;
  FPolylineTemps = o.CheckBox14TimePolyline_Checked;
  FPolylineReferentiel = o.CheckBox17TrajectoryPolyline_Checked;
  FZoomXFormule = o.CheckBox23FormulaZoomX_Checked;
  FZoomYFormule = o.CheckBox24FormulaZoomY_Checked;
  FOrigineY = o.CheckBox25FormulaOriginY_Checked;
  FOrigineX = o.CheckBox34FormulaOriginX_Checked;
  FPolylineFormule = o.CheckBox26FormulaPolyline_Checked;
  FEquaTemps = o.CheckBox42TempsEquation_Checked;
  FStatTemps = o.CheckBox43TempsStatistics_Checked;
  FEquaFormule = o.CheckBox44FormulaEquation_Checked;
  FStatFormule = o.CheckBox45FormulaStatistics_Checked;
  FGridGroups[ggVelocity] = o.CheckBox10GridShowSpeed_Checked;
  FGridGroups[ggAcceleration] = o.CheckBox11GridShowAcceleration_Checked;
  FGridGroups[ggCoordinates] = o.CheckBox29GridShowCoordinates_Checked;
  FGridGroups[ggPolar] = o.CheckBox57GridShowPolarQuantities_Checked;
  FVectorDraw[vdDataVectors] = o.CheckBox20VectorDraw_Checked;
  FVectorDraw[vdDataSegments] = o.CheckBox21VectorPolyline_Checked;
  FVectorDraw[vdDataSplines] = o.CheckBox50VectorSpline_Checked;
  FTrajectoryAsVideo = o.CheckBox35VectorTilted_Checked;
  FDrawVideo = o.CheckBox46VectorVideoImage_Checked;
  if (!o.CheckBox51DeformationBubble_Checked)
    FBulle = bpNone;
  else if (FBulle == bpNone)
    FBulle = bpUpRight;
  if (Links.Mem != nullptr) Links.Mem->ApplyOptions(rsBoth);
  if (Links.FormulaResults != nullptr) Links.FormulaResults->SmoothingFlags = FSmoothing;
  for (auto &row : Graphs)
    for (TGraph *g : row)
      if (g != nullptr) {
        g->SetBullePlace(FBulle);
        if (Links.Mem != nullptr) g->SetSymbolSize(Memory().SymbolSize);
      }
  for (auto &row : RebuildFlags)
    for (int &flags : row) flags |= 3;
}

void TResModel::Reset() {
  for (auto &row : Graphs)
    for (TGraph *g : row)
      if (g != nullptr) {
        g->SetTool(gtNone);
        g->Clear();
        g->SourceImg().ClearPicture();
      }
  for (auto &row : RebuildFlags) row.fill(3);
  for (auto &row : Signatures) row.fill(QString());
  for (auto &row : BuiltObjects) row.fill(TIntegerDynArray());
  if (Links.Mem != nullptr) Links.Mem->Reset(rsBoth);
  FModelTemps = FModelFormule = modelling::mtNone;
  FFormulesDrawn.clear();
  Highlighted = -1;
  AppliedGroups = ~0u;
  SetPending({}, TResScales{});
}

bool TResModel::Recalculate(bool force) {
  if (Links.Calc == nullptr || Links.Data == nullptr) return false;
  if (Links.VideoOpen && !Links.VideoOpen()) return false;
  if (Links.Data->MarksCount() == 0) return false;
  TResCalc &calc = *Links.Calc;
  if (!force && !calc.IsStale(rsActive) && calc.SamplesCount() > 0) {
    // Another reader (the formulas of a work file just loaded, an export) may have computed
    // these results first: the datasheet's columns must follow them all the same, or it shows
    // the time alone.
    Links.Grid->Rebuild(rsActive);
    ApplyGridGroups(false);
    return true;
  }
  const settings::TOptions &o = *Links.Options;
  // What failed last time is tried again: a few more marks may be all it needed.
  FShowVelocity = o.CheckBox9Speed_Checked;
  FShowAcceleration = o.CheckBox8Acceleration_Checked;
  FShowPolar = o.CheckBox53PolarQuantities_Checked;
  if (calc.Compute(rsActive) != krOk) return false;
  Links.Grid->Rebuild(rsActive);
  for (int slot = gsTemps; slot <= gsVecteur; ++slot) RebuildFlags[size_t(Measurement())][size_t(slot)] |= 3;
  RebuildFlags[size_t(Measurement())][gsFormule] |= 1;
  if (FShowVelocity || FShowAcceleration || FShowPolar) {
    if (!calc.ComputeDerivatives(rsActive, FSmoothing)) FShowVelocity = FShowAcceleration = FShowPolar = false;
  }
  ApplyGridGroups(false);
  if (Links.FormulaResults != nullptr) Links.FormulaResults->SmoothingFlags = FSmoothing;
  if (Links.Formules != nullptr) {
    Links.Formules->CalculateConstants();
    Links.Formules->CalculateFormulas();
  }
  if (Highlighted >= calc.SamplesCount()) Highlighted = -1;
  return true;
}

int TResModel::ObjectsCount() const {
  if (Links.Calc == nullptr) return 0;
  // The centre of mass, when there is one, follows the objects and is chosen like them.
  return Links.Calc->ObjectsCount() + (Links.Calc->Active().CentreOfMass() >= 0 ? 1 : 0);
}

bool TResModel::IsCentreOfMass(int object) const {
  return Links.Calc != nullptr && object >= 0 && object == Links.Calc->Active().CentreOfMass();
}

QString TResModel::ObjectName(int object) const {
  if (IsCentreOfMass(object)) return CentreOfMassName();
  return Links.Data != nullptr ? Links.Data->SystemName(object) : QString();
}

TColor TResModel::ObjectColour(int object) const {
  if (IsCentreOfMass(object)) return colors::clBlack;
  return Links.Data != nullptr ? Links.Data->ObjectColor(object) : measurement::CreateGraphUtils()->ObjectColor(object);
}

bool TResModel::DerivedExists(int object) const {
  const TCalcul &active = Links.Calc->Active();
  if (active.LastResult() == krOk) return true;
  return active.FailedObject() >= 0 && object < active.FailedObject();
}

TIntegerDynArray TResModel::OfferedQuantities() const {
  TIntegerDynArray offered;
  const auto &table = TimeQuantities();
  for (int i = 0; i < int(table.size()); ++i) {
    const int kind = table[size_t(i)].Kind;
    const bool polar = kind == qkAngle || kind == qkRadius || kind == qkOmega;
    if (polar ? !FShowPolar : (DerivativeOrder(kind) == 1 && !FShowVelocity) || (DerivativeOrder(kind) == 2 && !FShowAcceleration))
      continue;
    // Momentum and energies once an object has a mass.
    if (IsDynamicKind(kind) && Links.Calc->Active().MassiveObjectsCount() == 0) continue;
    offered.push_back(i);
  }
  return offered;
}

TIntegerDynArray TResModel::OfferedVectorKinds() const {
  TIntegerDynArray kinds;
  if (FShowVelocity) kinds.push_back(vkVelocity);
  if (FShowAcceleration) kinds.push_back(vkAcceleration);
  return kinds;
}

void TResModel::CompleteLists() {
  using namespace res_model_impl;
  TMemory &m = Memory();
  const int count = ObjectsCount();
  m.TempsObjects = ValidObjects(m.TempsObjects, count);
  m.ReferentielObjects = ValidObjects(m.ReferentielObjects, count);
  m.VecteurObjects = ValidObjects(m.VecteurObjects, count);
  // A view opened for the first time shows something: the first object against time, every
  // object on the trajectory and vectors views.
  if (m.TempsObjects.empty() && count > 0) m.TempsObjects.push_back(0);
  if (m.ReferentielObjects.empty())
    for (int o = 0; o < count; ++o) m.ReferentielObjects.push_back(o);
  if (m.VecteurObjects.empty())
    for (int o = 0; o < count; ++o) m.VecteurObjects.push_back(o);
  const TIntegerDynArray quantities = OfferedQuantities();
  if (!Contains(quantities, m.TempsQuantity) && !quantities.empty()) m.TempsQuantity = quantities.front();
  if (m.ReferentielReference >= count) m.ReferentielReference = -1;
  const TIntegerDynArray kinds = OfferedVectorKinds();
  if (!Contains(kinds, m.VecteurKind) && !kinds.empty()) m.VecteurKind = kinds.front();
  if (Links.Formules != nullptr) {
    TIntegerDynArray valid;
    const std::vector<int> shown = Links.Formules->ShownFormulas();
    for (int f : FFormulesDrawn)
      if (std::find(shown.begin(), shown.end(), f) != shown.end() && !Contains(valid, f)) valid.push_back(f);
    FFormulesDrawn = valid;
  }
}

bool TResModel::CanBuild() const {
  if (Links.Calc == nullptr || Links.Calc->SamplesCount() == 0 || Links.Calc->IsStale(rsActive)) return false;
  if (Links.VideoOpen && !Links.VideoOpen()) return false;
  const TMemory &m = Memory();
  switch (FView) {
    case rvTemps: return !m.TempsObjects.empty();
    case rvReferentiel: return !m.ReferentielObjects.empty();
    case rvVecteur: return !m.VecteurObjects.empty();
    case rvFormule: return Links.Formules != nullptr;
    default: return true;
  }
}

void TResModel::SetView(int view) {
  SelectView(view);
  CompleteLists();
  BuildView();
}

void TResModel::SelectView(int view) {
  if (view == rvTableau || SlotOfView(view) >= 0) FView = view;
}

void TResModel::BuildView() {
  TGraph *graph = CurrentGraph();
  if (graph == nullptr) return;
  if (!CanBuild()) {
    graph->ClearData();
    return;
  }
  switch (FView) {
    case rvTemps: BuildTemps(*graph); break;
    case rvReferentiel: BuildReferentiel(*graph); break;
    case rvVecteur: BuildVecteur(*graph); break;
    case rvFormule: BuildFormule(*graph); break;
    default: break;
  }
  LayPending(*graph);
  ApplyHighlight(*graph);
  graph->Invalidate();
}

void TResModel::Rescale(int slot) {
  if (slot < 0 || slot >= GraphSlotCount) return;
  RebuildFlags[size_t(Measurement())][size_t(slot)] |= 1;
  BuildView();
}

void TResModel::RequestRescaleAll() {
  for (auto &row : RebuildFlags)
    for (int &flags : row) flags |= 1;
}

bool TResModel::TakeRescale(int slot, const QString &signature, const TGraph *handGraph) {
  int &flags = RebuildFlags[size_t(Measurement())][size_t(slot)];
  QString &last = Signatures[size_t(Measurement())][size_t(slot)];
  const bool changed = last != signature && (handGraph == nullptr || !handGraph->MovedByHand());
  const bool rescale = (flags & 1) != 0 || changed;
  flags &= ~1;
  last = signature;
  return rescale;
}

// ---------------------------------------------------------------------------------------------
// Lists
// ---------------------------------------------------------------------------------------------

void TResModel::SetTempsQuantity(int index) {
  if (index < 0 || index >= int(TimeQuantities().size())) return;
  Memory().TempsQuantity = index;
  BuildView();
}

void TResModel::SetTempsObjects(const TIntegerDynArray &objects) {
  Memory().TempsObjects = res_model_impl::ValidObjects(objects, ObjectsCount());
  BuildView();
}

void TResModel::SetReferentielObjects(const TIntegerDynArray &objects) {
  Memory().ReferentielObjects = res_model_impl::ValidObjects(objects, ObjectsCount());
  BuildView();
}

void TResModel::SetReference(int object) {
  Memory().ReferentielReference = object >= 0 && object < ObjectsCount() ? object : -1;
  BuildView();
}

void TResModel::SetVecteurKind(int kind) {
  Memory().VecteurKind = kind;
  if (TGraph *graph = GraphOf(Measurement(), gsVecteur)) {
    for (int i = 0; i < int(graph->VectorParams().size()); ++i)
      if (graph->VectorParams()[size_t(i)]->Id == kind) graph->SelectVectorParam(i);
  }
}

void TResModel::SetVecteurObjects(const TIntegerDynArray &objects) {
  Memory().VecteurObjects = res_model_impl::ValidObjects(objects, ObjectsCount());
  BuildView();
}

void TResModel::SetVectorDraw(int item, bool on) {
  if (item < 0 || item >= int(FVectorDraw.size())) return;
  FVectorDraw[size_t(item)] = on;
  BuildView();
}

void TResModel::SetVectorDraws(const TVectorDraws &draws) {
  FVectorDraw = draws;
  BuildView();
}

void TResModel::SetFormulesDrawn(const TIntegerDynArray &formulas) {
  FFormulesDrawn = formulas;
  CompleteLists();
  BuildView();
}

void TResModel::SetFormuleAbscissa(int formula) {
  if (Links.Formules == nullptr) return;
  Links.Formules->SetAbscissaIndex(formula);
  BuildView();
}

}  // namespace kolibra::results
