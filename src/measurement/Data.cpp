// The document's life cycle, its settings, the objects' colours, the coordinate system's
// commands, the time base, identity, and what the owned objects ask of it.

#include "measurement/Data.h"

#include "kit/MathUtils.h"
#include "measurement/GraphUtils.h"
#include "settings/Options.h"

#include <algorithm>

namespace kolibra::measurement {

namespace data_impl {

// The default colour of object index: the palette of the drawing helpers.
TColor PaletteColor(int index) { return CreateGraphUtils()->ObjectColor(index); }

}  // namespace data_impl

TData::TData(IViewPort &view, const settings::TOptions &options) : ViewLink(&view), Options(&options) {
  ElemSize = std::clamp(options.PenSize_Value, 0, 2);
  FixedAxes = std::make_unique<TRepereFixe>(*this, view);
  LayerSystem = std::make_unique<TTransparent>(*this, view);
  ScaleObject = std::make_unique<TEchelle>(*this, view);
  PlaneObject = std::make_unique<TPlaneTool>(*this, view);
  PlaneObject->OnCornersPlaced = [this] { Fire(OnPlaneCornersPlaced); };
  PlaneObject->OnRefusal = [this](const QString &why) {
    if (OnPlaneRefusal) OnPlaneRefusal(this, why);
  };
  PlaneObject->OnChanged = [this] { Fire(OnAxesChange); };
  FixedCollection = std::make_unique<TPolyMarqueImgRep>(*this, view, *FixedAxes);
  LayerCollection = std::make_unique<TPolyMarqueImgTsp>(*this, view, *LayerSystem);
  FixedHistory = std::make_unique<THistorique>(*this);
  LayerHist = std::make_unique<THistorique>(*this);
  ScaleHist = std::make_unique<THistorique>(*this);
  AxesHist = std::make_unique<THistorique>(*this);
  Colors.push_back(data_impl::PaletteColor(0));
  Visibilities.push_back(true);
}

// Members go in reverse order: the histories' copies first, then the marks, then the
// systems the marks refer to.
TData::~TData() = default;

// ---------------------------------------------------------------------------------------------
// Life cycle
// ---------------------------------------------------------------------------------------------

void TData::NewMeasurement() {
  EndDrags();
  Tool = dtPointing;
  Interval = 0.0;
  UseStamps = !Stamps.empty();
  // The histories go first: their copies refer to containers about to be emptied.
  ClearHistories();
  FixedAxes->ResetToDefaults();
  LayerSystem->ResetToDefaults();
  ScaleObject->ResetToDefaults();
  PlaneObject->Reset(TPlaneCalibration());
  FixedCollection->ResetSettings();
  LayerCollection->ResetSettings();
  Colors.assign(1, data_impl::PaletteColor(0));
  Visibilities.assign(1, true);
  FixedCollection->Clear();
  LayerCollection->Clear();
  ViewChanged();
  InvalidateCalculators(TCalculatorSet::Both);
  View().Invalidate();
}

TPlaneCalibration TData::PlaneForPicture() const {
  TPlaneCalibration plane = PlaneObject->Calibration();
  plane.SetPictureSize(View().NativeFrameWidth(), View().NativeFrameHeight());
  return plane;
}

void TData::SetPlane(const TPlaneCalibration &plane) {
  PlaneObject->Reset(plane);
  InvalidateCalculators(TCalculatorSet::Both);
  Fire(OnAxesChange);
  View().Invalidate();
}

bool TData::PlacePlaneRectangle(double width, double height, QString *why) {
  return IsMeasuring() && PlaneObject->PlaceRectangle(width, height, why);
}

void TData::ErasePlane() { PlaneObject->Erase(); }

void TData::ApplyOptions() {
  ScaleObject->ApplySeparateScales(SeparateScales());
  ElemSize = std::clamp(Options->PenSize_Value, 0, 2);
  FixedCollection->MarksNumberPosition = DefaultMarksNumberPosition(false);
  LayerCollection->MarksNumberPosition = DefaultMarksNumberPosition(true);
  ViewChanged();
  View().Invalidate();
}

void TData::EndDrags() {
  FixedAxes->EndDrag();
  LayerSystem->EndDrag();
  ScaleObject->EndDrag();
  PlaneObject->EndDrag();
  FixedCollection->EndDrag();
  LayerCollection->EndDrag();
}

void TData::SetMeasurementMode(TMeasurementMode mode) {
  if (mode == Mode) return;
  EndDrags();
  Mode = mode;
  if (mode == TMeasurementMode::Layer) LayerSystem->ComputeRestOrigin();
  FrameChanged();
  ViewChanged();
  View().Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Undo
// ---------------------------------------------------------------------------------------------

THistorique &TData::CurrentHistory() {
  // The plane and the lens are calibrations as the scale is: they share its history.
  if (IsMeasuring() && (Tool == dtScale || PlaneToolActive())) return *ScaleHist;
  if (Mode == TMeasurementMode::FixedAxes && Tool == dtAxes) return *AxesHist;
  if (Mode == TMeasurementMode::Layer) return *LayerHist;
  return *FixedHistory;
}

void TData::Undo() {
  // A drag must not outlive the object an undo may take away.
  EndDrags();
  ++UndoDepth;
  CurrentHistory().Undo();
  --UndoDepth;
  View().Invalidate();
}

QString TData::UndoCaption() { return CurrentHistory().UndoCaption(); }

std::vector<THistorique *> TData::ModeHistories() const {
  if (!IsMeasuring()) return {};
  // The axes history is written only in fixed-axes measurement; the layer takes the axes
  // tool's actions in layer measurement.
  if (Mode == TMeasurementMode::Layer) return {LayerHist.get(), ScaleHist.get()};
  return {FixedHistory.get(), ScaleHist.get(), AxesHist.get()};
}

THistorique *TData::LatestUndoHistory() {
  THistorique *latest = nullptr;
  quint64 stamp = 0;
  for (THistorique *history : ModeHistories())
    if (const quint64 s = history->LastUndoStamp(); s > stamp) {
      stamp = s;
      latest = history;
    }
  return latest;
}

THistorique *TData::LatestRedoHistory() {
  THistorique *latest = nullptr;
  quint64 stamp = 0;
  for (THistorique *history : ModeHistories())
    if (const quint64 s = history->LastRedoStamp(); s > stamp) {
      stamp = s;
      latest = history;
    }
  return latest;
}

bool TData::CanUndoLast() { return LatestUndoHistory() != nullptr; }

QString TData::UndoLastSubject() {
  THistorique *history = LatestUndoHistory();
  return history != nullptr ? history->UndoSubject() : QString();
}

void TData::StepHistory(THistorique *history, void (THistorique::*step)()) {
  if (history == nullptr) return;
  EndDrags();
  ++UndoDepth;
  (history->*step)();
  --UndoDepth;
  View().Invalidate();
}

void TData::UndoLast() { StepHistory(LatestUndoHistory(), &THistorique::Undo); }

bool TData::CanRedo() { return LatestRedoHistory() != nullptr; }

QString TData::RedoSubject() {
  THistorique *history = LatestRedoHistory();
  return history != nullptr ? history->RedoSubject() : QString();
}

void TData::Redo() { StepHistory(LatestRedoHistory(), &THistorique::Redo); }

void TData::ClearHistories() {
  FixedHistory->Clear();
  LayerHist->Clear();
  ScaleHist->Clear();
  AxesHist->Clear();
}

// ---------------------------------------------------------------------------------------------
// Objects
// ---------------------------------------------------------------------------------------------

TColor TData::ObjectColor(int index) const {
  return index >= 0 && size_t(index) < Colors.size() ? Colors[size_t(index)] : colors::clRed;
}

bool TData::ObjectVisible(int index) const {
  return index >= 0 && size_t(index) < Visibilities.size() ? Visibilities[size_t(index)] : true;
}

void TData::SetObjectColor(int index, TColor color) {
  if (index < 0 || size_t(index) >= Colors.size()) return;
  Colors[size_t(index)] = color;
  Fire(OnColorsChange);
  Fire(OnContentChange);
  View().Invalidate();
}

void TData::SetObjectVisible(int index, bool visible) {
  if (index < 0 || size_t(index) >= Visibilities.size()) return;
  Visibilities[size_t(index)] = visible;
  Fire(OnVisibilityChange);
  Fire(OnContentChange);
  View().Invalidate();
}

void TData::SetElementColor(TColor color) {
  ElemColor = color;
  Fire(OnContentChange);
  View().Invalidate();
}

void TData::SetElementSize(int size) {
  ElemSize = std::clamp(size, 0, 2);
  Fire(OnContentChange);
  View().Invalidate();
}

void TData::ObjectsCountChanged(int count) {
  while (Colors.size() < size_t(count)) Colors.push_back(data_impl::PaletteColor(int(Colors.size())));
  while (Visibilities.size() < size_t(count)) Visibilities.push_back(true);
  Fire(OnSystemsChange);
}

TColor TData::CycleColor(TColor colour, bool backwards) {
  TGraphUtils *utils = CreateGraphUtils();
  const int count = int(utils->ObjectColors.size());
  const int index = utils->ColorIndex(colour);
  return utils->ObjectColor((index + (backwards ? count - 1 : 1)) % count);
}

// ---------------------------------------------------------------------------------------------
// Coordinate system
// ---------------------------------------------------------------------------------------------

TRepere &TData::ActiveSystem() const {
  if (IsLayerMeasurement()) return *LayerSystem;
  return *FixedAxes;
}

bool TData::AxesPlaced() const { return IsLayerMeasurement() || FixedAxes->IsPlaced(); }

double TData::XAxisAngle() const { return IsLayerMeasurement() ? 0.0 : FixedAxes->XAxisAngle; }

void TData::SetTypedXAxisAngle(double angle) {
  if (IsLayerMeasurement()) return;
  FixedAxes->SetTypedXAxisAngle(angle);
}

TPointD TData::FixedOrigin() const { return IsLayerMeasurement() ? TPointD() : FixedAxes->OrigineCurrent; }

void TData::SetDirectXAxisDirection(bool value) {
  ActiveSystem().SetDirectX(value);
  if (IsLayerMeasurement()) RecomputeLayerMarkPixels();
}

void TData::SetDirectYAxisDirection(bool value) {
  ActiveSystem().SetDirectY(value);
  if (IsLayerMeasurement()) RecomputeLayerMarkPixels();
}

void TData::EraseAxes() {
  if (Mode == TMeasurementMode::FixedAxes) FixedAxes->EraseAxes();
}

void TData::EraseScale() { ScaleObject->EraseSelected(); }

void TData::ClearAll() {
  BeginGroup();
  EraseScale();
  DeleteAllMarks();
  if (Mode == TMeasurementMode::FixedAxes) FixedAxes->EraseAxes();
  EndGroup();
  View().Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Time base
// ---------------------------------------------------------------------------------------------

void TData::SetFrameInterval(double seconds) {
  if (IsNearZero(seconds - Interval)) return;
  Interval = seconds;
  InvalidateCalculators(TCalculatorSet::Both);
}

void TData::SetVideoTimes(TDoubleDynArray stamps) {
  Stamps = std::move(stamps);
  UseStamps = !Stamps.empty();
  InvalidateCalculators(TCalculatorSet::Both);
}

void TData::SetUseVideoTimes(bool use) {
  if (use == UseStamps) return;
  UseStamps = use;
  InvalidateCalculators(TCalculatorSet::Both);
}

// ---------------------------------------------------------------------------------------------
// Identity
// ---------------------------------------------------------------------------------------------

THistObject *TData::FindObject(int objectId) const {
  if (FixedAxes->ObjectId == objectId) return FixedAxes.get();
  if (LayerSystem->ObjectId == objectId) return LayerSystem.get();
  if (ScaleObject->ObjectId == objectId) return ScaleObject.get();
  if (PlaneObject->ObjectId == objectId) return PlaneObject.get();
  if (FixedCollection->ObjectId == objectId) return FixedCollection.get();
  if (LayerCollection->ObjectId == objectId) return LayerCollection.get();
  if (TMarque *mark = FixedCollection->FindMarkById(objectId)) return mark;
  if (TMarque *mark = LayerCollection->FindMarkById(objectId)) return mark;
  if (TOrigine *origin = LayerSystem->FindOriginById(objectId)) return origin;
  return FixedAxes->FindOriginById(objectId);
}

// ---------------------------------------------------------------------------------------------
// What the owned objects ask
// ---------------------------------------------------------------------------------------------

void TData::Record(THistObject *object, int actionKind) {
  if (UndoDepth > 0) return;
  THistorique &current = CurrentHistory();
  // A new action ends every redo, not only its own history's: the Edit menu's redo walks
  // back through all of them.
  for (THistorique *history : {FixedHistory.get(), LayerHist.get(), ScaleHist.get(), AxesHist.get()})
    if (history != &current) history->ClearRedo();
  current.Record(object, actionKind);
}

void TData::BeginGroup() { CurrentHistory().BeginGroup(); }

void TData::EndGroup() { CurrentHistory().EndGroup(); }

void TData::InvalidateResults(TResultsScope scope) {
  if (scope == TResultsScope::BothModes)
    InvalidateCalculators(TCalculatorSet::Both);
  else
    InvalidateCalculators(IsLayerMeasurement() ? TCalculatorSet::Layer : TCalculatorSet::FixedAxes);
}

void TData::InvalidateCalculators(TCalculatorSet which) {
  if (Results != nullptr) Results->Invalidate(which);
  // Whatever makes results stale changes the work too.
  Fire(OnContentChange);
}

bool TData::SeparateScales() const { return Options->CheckBox41HorizAndVertScale_Checked; }

bool TData::PointLayerMark(TPointD position) {
  if (!LayerCollection->PointMark(position)) return false;
  LayerCollection->SetCurrentMarkOrderNumber(LayerCollection->CurrentMarkOrderNumber + 1);
  return true;
}

bool TData::RemoveLastLayerMark() { return LayerCollection->RemoveLastMark(); }

void TData::RecomputeLayerMarkPixels() { LayerCollection->ComputePixels(); }

bool TData::MarkNumbersStartAtZero() const { return Options->CheckBox36StartByZero_Checked; }

int TData::DefaultMarksNumberPosition(bool layer) const {
  return std::clamp(int(layer ? Options->NumerotationTsp_Value : Options->Numerotation_Value), 0, 2);
}

}  // namespace kolibra::measurement
