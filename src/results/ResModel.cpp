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

const std::array<TTimeQuantity, 11> &TimeQuantities() {
  static const std::array<TTimeQuantity, 11> table{{
      {"X", QT_TRANSLATE_NOOP("TResForm", "Abscissa"), "m", qkX, 0, false, false},
      {"Y", QT_TRANSLATE_NOOP("TResForm", "Ordinates"), "m", qkY, 0, false, false},
      {"vx", QT_TRANSLATE_NOOP("TResForm", "x-component of velocity"), "m/s", qkVx, 1, false, false},
      {"vy", QT_TRANSLATE_NOOP("TResForm", "y-component of velocity"), "m/s", qkVy, 1, false, false},
      {"v", QT_TRANSLATE_NOOP("TResForm", "Value of velocity"), "m/s", qkV, 1, false, true},
      {"ax", QT_TRANSLATE_NOOP("TResForm", "x-component of acceleration"), "m/s²", qkAx, 2, false, false},
      {"ay", QT_TRANSLATE_NOOP("TResForm", "y-component of acceleration"), "m/s²", qkAy, 2, false, false},
      {"a", QT_TRANSLATE_NOOP("TResForm", "Value of acceleration"), "m/s²", qkA, 2, false, true},
      {"O", QT_TRANSLATE_NOOP("TResForm", "Angular coordinate"), "rad", qkAngle, 0, true, false},
      {"R", QT_TRANSLATE_NOOP("TResForm", "Radial coordinate"), "m", qkRadius, 0, false, true},
      {"w", QT_TRANSLATE_NOOP("TResForm", "Angular velocity value"), "rad/s", qkOmega, 0, true, false},
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
  for (auto &frame : RebuildFlags) frame.fill(1);
  if (Links.Options != nullptr) ApplyOptions();
}

// ---------------------------------------------------------------------------------------------
// Graphs
// ---------------------------------------------------------------------------------------------

void TResModel::SetGraph(int frame, int slot, TGraph *graph) {
  if (frame < 0 || frame > 1 || slot < 0 || slot >= GraphSlotCount) return;
  Graphs[size_t(frame)][size_t(slot)] = graph;
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
  graph->SetBullePlace(Bulle);
  graph->SetSymbolSize(Memory().SymbolSize);
}

TGraph *TResModel::GraphOf(int frame, int slot) const {
  if (frame < 0 || frame > 1 || slot < 0 || slot >= GraphSlotCount) return nullptr;
  return Graphs[size_t(frame)][size_t(slot)];
}

int TResModel::Frame() const { return Links.Data != nullptr && Links.Data->IsLayerMeasurement() ? 1 : 0; }

TGraph *TResModel::CurrentGraph() const { return GraphOf(Frame(), SlotOfView(View)); }

TConstructEditor *TResModel::EditorOf(TGraph *graph) const {
  return graph != nullptr ? dynamic_cast<TConstructEditor *>(graph->Editor()) : nullptr;
}

TMemory &TResModel::Memory() const { return Links.Mem->Active(); }

// ---------------------------------------------------------------------------------------------
// Life
// ---------------------------------------------------------------------------------------------

void TResModel::ApplyOptions() {
  const settings::TOptions &o = *Links.Options;
  ShowVelocity = o.CheckBox9Speed_Checked;
  ShowAcceleration = o.CheckBox8Acceleration_Checked;
  ShowPolar = o.CheckBox53PolarQuantities_Checked;
  Smoothing = (o.CheckBox54SmoothSpeed_Checked ? sfVelocity : 0) | (o.CheckBox7SmoothAcceleration_Checked ? sfAcceleration : 0);
  ZoomXTemps = o.CheckBox12TimeZoomX_Checked;
  ZoomYTemps = o.CheckBox13TimeZoomY_Checked;
  PolylineTemps = o.CheckBox14TimePolyline_Checked;
  PolylineReferentiel = o.CheckBox17TrajectoryPolyline_Checked;
  ZoomXFormule = o.CheckBox23FormulaZoomX_Checked;
  ZoomYFormule = o.CheckBox24FormulaZoomY_Checked;
  OrigineY = o.CheckBox25FormulaOriginY_Checked;
  OrigineX = o.CheckBox34FormulaOriginX_Checked;
  PolylineFormule = o.CheckBox26FormulaPolyline_Checked;
  EquaTemps = o.CheckBox42TempsEquation_Checked;
  StatTemps = o.CheckBox43TempsStatistics_Checked;
  EquaFormule = o.CheckBox44FormulaEquation_Checked;
  StatFormule = o.CheckBox45FormulaStatistics_Checked;
  GridVelocity = o.CheckBox10GridShowSpeed_Checked;
  GridAcceleration = o.CheckBox11GridShowAcceleration_Checked;
  GridCoordinates = o.CheckBox29GridShowCoordinates_Checked;
  GridPolar = o.CheckBox57GridShowPolarQuantities_Checked;
  VectorDraw[vdDataVectors] = o.CheckBox20VectorDraw_Checked;
  VectorDraw[vdDataSegments] = o.CheckBox21VectorPolyline_Checked;
  VectorDraw[vdDataSplines] = o.CheckBox50VectorSpline_Checked;
  TrajectoryAsVideo = o.CheckBox35VectorTilted_Checked;
  DrawVideo = o.CheckBox46VectorVideoImage_Checked;
  if (!o.CheckBox51DeformationBubble_Checked)
    Bulle = bpNone;
  else if (Bulle == bpNone)
    Bulle = bpUpRight;
  if (Links.Mem != nullptr) Links.Mem->ApplyOptions(rsBoth);
  if (Links.FormulaResults != nullptr) Links.FormulaResults->SmoothingFlags = Smoothing;
  for (auto &frame : Graphs)
    for (TGraph *g : frame)
      if (g != nullptr) {
        g->SetBullePlace(Bulle);
        if (Links.Mem != nullptr) g->SetSymbolSize(Memory().SymbolSize);
      }
  for (auto &frame : RebuildFlags)
    for (int &flags : frame) flags |= 3;
}

void TResModel::Reset() {
  for (auto &frame : Graphs)
    for (TGraph *g : frame)
      if (g != nullptr) {
        g->SetTool(gtNone);
        g->Clear();
        g->SourceImg().ClearPicture();
      }
  for (auto &frame : RebuildFlags) frame.fill(3);
  for (auto &frame : Signatures) frame.fill(QString());
  for (auto &frame : BuiltObjects) frame.fill(TIntegerDynArray());
  if (Links.Mem != nullptr) Links.Mem->Reset(rsBoth);
  ModelTemps = ModelFormule = 9;
  FormulesDrawn.clear();
  Highlighted = -1;
  AppliedGroups = ~0u;
}

bool TResModel::Recalculate(bool force) {
  if (Links.Calc == nullptr || Links.Data == nullptr) return false;
  if (Links.VideoOpen && !Links.VideoOpen()) return false;
  if (Links.Data->MarksCount() == 0) return false;
  TResCalc &calc = *Links.Calc;
  if (!force && !calc.IsStale(rsActive) && calc.SamplesCount() > 0) return true;
  const settings::TOptions &o = *Links.Options;
  // What failed last time is tried again: a few more marks may be all it needed.
  ShowVelocity = o.CheckBox9Speed_Checked;
  ShowAcceleration = o.CheckBox8Acceleration_Checked;
  ShowPolar = o.CheckBox53PolarQuantities_Checked;
  if (calc.Compute(rsActive) != krOk) return false;
  Links.Grid->Rebuild(rsActive);
  for (int slot = gsTemps; slot <= gsVecteur; ++slot) RebuildFlags[size_t(Frame())][size_t(slot)] |= 3;
  RebuildFlags[size_t(Frame())][gsFormule] |= 1;
  if (ShowVelocity || ShowAcceleration || ShowPolar) {
    if (!calc.ComputeDerivatives(rsActive, Smoothing)) ShowVelocity = ShowAcceleration = ShowPolar = false;
  }
  ApplyGridGroups(false);
  if (Links.FormulaResults != nullptr) Links.FormulaResults->SmoothingFlags = Smoothing;
  if (Links.Formules != nullptr) {
    Links.Formules->CalculateConstants();
    Links.Formules->CalculateFormulas();
  }
  if (Highlighted >= calc.SamplesCount()) Highlighted = -1;
  return true;
}

int TResModel::ObjectsCount() const { return Links.Calc != nullptr ? Links.Calc->ObjectsCount() : 0; }

QString TResModel::ObjectName(int object) const {
  return Links.Data != nullptr ? Links.Data->SystemName(object) : QString();
}

TColor TResModel::ObjectColour(int object) const {
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
    if (polar ? !ShowPolar : (DerivativeOrder(kind) == 1 && !ShowVelocity) || (DerivativeOrder(kind) == 2 && !ShowAcceleration))
      continue;
    offered.push_back(i);
  }
  return offered;
}

TIntegerDynArray TResModel::OfferedVectorKinds() const {
  TIntegerDynArray kinds;
  if (ShowVelocity) kinds.push_back(vkVelocity);
  if (ShowAcceleration) kinds.push_back(vkAcceleration);
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
  if (m.ReferentielFrame >= count) m.ReferentielFrame = -1;
  const TIntegerDynArray kinds = OfferedVectorKinds();
  if (!Contains(kinds, m.VecteurKind) && !kinds.empty()) m.VecteurKind = kinds.front();
  if (Links.Formules != nullptr) {
    TIntegerDynArray valid;
    const std::vector<int> shown = Links.Formules->ShownFormulas();
    for (int f : FormulesDrawn)
      if (std::find(shown.begin(), shown.end(), f) != shown.end() && !Contains(valid, f)) valid.push_back(f);
    FormulesDrawn = valid;
  }
}

bool TResModel::CanBuild() const {
  if (Links.Calc == nullptr || Links.Calc->SamplesCount() == 0 || Links.Calc->IsStale(rsActive)) return false;
  if (Links.VideoOpen && !Links.VideoOpen()) return false;
  const TMemory &m = Memory();
  switch (View) {
    case rvTemps: return !m.TempsObjects.empty();
    case rvReferentiel: return !m.ReferentielObjects.empty();
    case rvVecteur: return !m.VecteurObjects.empty();
    case rvFormule: return Links.Formules != nullptr;
    default: return true;
  }
}

void TResModel::SetView(int view) {
  View = view;
  CompleteLists();
  BuildView();
}

void TResModel::BuildView() {
  TGraph *graph = CurrentGraph();
  if (graph == nullptr) return;
  if (!CanBuild()) {
    graph->ClearData();
    return;
  }
  switch (View) {
    case rvTemps: BuildTemps(*graph); break;
    case rvReferentiel: BuildReferentiel(*graph); break;
    case rvVecteur: BuildVecteur(*graph); break;
    case rvFormule: BuildFormule(*graph); break;
    default: break;
  }
  ApplyHighlight(*graph);
  graph->Invalidate();
}

void TResModel::Rescale(int slot) {
  if (slot < 0 || slot >= GraphSlotCount) return;
  RebuildFlags[size_t(Frame())][size_t(slot)] |= 1;
  BuildView();
}

void TResModel::RequestRescaleAll() {
  for (auto &frame : RebuildFlags)
    for (int &flags : frame) flags |= 1;
}

bool TResModel::TakeRescale(int slot, const QString &signature) {
  int &flags = RebuildFlags[size_t(Frame())][size_t(slot)];
  QString &last = Signatures[size_t(Frame())][size_t(slot)];
  const bool rescale = (flags & 1) != 0 || last != signature;
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

void TResModel::SetReferentielFrame(int reference) {
  Memory().ReferentielFrame = reference >= 0 && reference < ObjectsCount() ? reference : -1;
  BuildView();
}

void TResModel::SetVecteurKind(int kind) {
  Memory().VecteurKind = kind;
  if (TGraph *graph = GraphOf(Frame(), gsVecteur)) {
    for (int i = 0; i < int(graph->VectorParams().size()); ++i)
      if (graph->VectorParams()[size_t(i)]->Id == kind) graph->SelectVectorParam(i);
  }
}

void TResModel::SetVecteurObjects(const TIntegerDynArray &objects) {
  Memory().VecteurObjects = res_model_impl::ValidObjects(objects, ObjectsCount());
  BuildView();
}

void TResModel::SetVectorDraw(int item, bool on) {
  if (item < 0 || item >= int(VectorDraw.size())) return;
  VectorDraw[size_t(item)] = on;
  BuildView();
}

void TResModel::SetFormulesDrawn(const TIntegerDynArray &formulas) {
  FormulesDrawn = formulas;
  CompleteLists();
  BuildView();
}

void TResModel::SetFormuleAbscissa(int formula) {
  if (Links.Formules == nullptr) return;
  Links.Formules->SetAbscissaIndex(formula);
  BuildView();
}

}  // namespace kolibra::results
