#pragma once
// TData: the measurement in memory, one for the whole run.
//
// What it owns: the coordinate system (the fixed axes TRepereFixe, the layer TTransparent,
// the scale TEchelle), the two mark collections (TPolyMarqueImgRep read in the fixed axes,
// TPolyMarqueImgTsp read on the layer), the per-object colours and visibilities, the
// drawing style, the time base, the active tool and four undo histories (fixed marks,
// layer, scale, axes). It borrows the video view (IViewPort), the options, and, once they
// exist, the results calculators (IResultsInvalidation) and the video editing's time
// shifts (IFrameTimeShift).
//
// Invariants:
// - MarkColors and MarkVisibilities hold at least one entry per object of the fixed
//   collection (they grow with it and never shrink, so an undone reduction finds its
//   colours again).
// - The measurement mode picks the active system and collection: the layer ones in layer
//   measurement, the fixed ones otherwise.
// - Every history copy of a removed mark or origin belongs to its history until an undo
//   hands it back; a frame deleted by the video editing empties the fixed and layer
//   histories, a new measurement all four, so no copy outlives the objects it refers to.
//
// How undo reaches each object: the owned objects call Record, BeginGroup and EndGroup on
// this document (IMeasurementHost), which sends them to CurrentHistory (the scale history
// with the scale tool, the axes history with the axes tool in fixed-axes measurement, the
// layer history in layer measurement, else the fixed-marks history). Undo asks the same
// history to take back its last group; the history finds live objects through FindObject
// and calls ApplyUndo, which puts removed marks and origins back into their lists, removes
// added ones, and repairs pixels, results and notifications for the rest.
//
// The video view talks to the document only through MouseDown, MouseMove, MouseUp,
// KeyDown, Paint, ViewChanged, FrameChanged and CursorCode.

#include "kit/Color.h"
#include "kit/Types.h"
#include "measurement/Echelle.h"
#include "measurement/FrameTimeShift.h"
#include "measurement/Historique.h"
#include "measurement/MarksHost.h"
#include "measurement/Masses.h"
#include "measurement/PlaneCalibration.h"
#include "measurement/PlaneTool.h"
#include "measurement/PolyContainer.h"
#include "measurement/RepereFixe.h"
#include "measurement/ResultsInvalidation.h"
#include "measurement/Transparent.h"
#include "measurement/ViewPort.h"

#include <QString>
#include <Qt>

#include <functional>
#include <memory>
#include <vector>

class QPainter;

namespace kolibra {
class TIniFile;
}

namespace kolibra::settings {
class TOptions;
}

namespace kolibra::measurement {

// What the video view's mode means for the document: nothing to measure (capture, studio,
// tracking, or no video), marking in the fixed axes (mode 3), marking on the layer (mode 6),
// or editing the video (mode 2), where the marks are counted frame by frame.
enum class TMeasurementMode { None, FixedAxes, Layer, Editing };

// The document's tools.
enum TDataTool : int {
  dtNone = 0,
  dtScale = 1,
  dtPointing = 2,
  dtMove = 3,
  dtAxes = 4,
  dtErase = 5,
  dtLayer = 6,
  dtPlane = 7,  // the four corners of a rectangle in the plane of the motion
  dtLens = 8,   // lines straight in reality, for the lens
};

// Cursors of the pointing tools, from the program's cursor table.
enum TDataCursor : int {
  dcScale = 13,
  dcMarque = 16,
  dcMarque0 = 17,   // "Marque0" .. "Marque9" are 17 .. 26
  dcOrigine = 29,
  dcPan = 30,
};

class TData : public IMarksHost, public IHistoryOwner {
 public:
  using TNotifyEvent = std::function<void(TData *)>;

  TData(IViewPort &view, const settings::TOptions &options);
  ~TData() override;
  TData(const TData &) = delete;
  TData &operator=(const TData &) = delete;

  // --- Links --------------------------------------------------------------------------------

  // The calculators to tell about changes; nullptr: nobody.
  void SetResultsInvalidation(IResultsInvalidation *results) { Results = results; }
  // The video editing's time shifts; nullptr: every shift is 0.
  void SetTimeShifts(const IFrameTimeShift *shifts) { TimeShifts = shifts; }

  // --- Life cycle -----------------------------------------------------------------------------

  // Back to an empty measurement with one object; every history emptied.
  void NewMeasurement();
  // Re-reads the options: the scale kind, the element size and where mark numbers go.
  void ApplyOptions();
  // Every drag ends; a layer following the pointer stops.
  void EndDrags();
  // The video view's mode changed.
  void SetMeasurementMode(TMeasurementMode mode);
  TMeasurementMode MeasurementMode() const { return Mode; }
  bool IsMeasuring() const { return Mode == TMeasurementMode::FixedAxes || Mode == TMeasurementMode::Layer; }
  bool IsLayerMeasurement() const { return Mode == TMeasurementMode::Layer; }

  // --- Undo ---------------------------------------------------------------------------------

  THistorique &CurrentHistory();
  // The active tool's history (the Ctrl+Z key and the Display menu).
  void Undo();
  QString UndoCaption();
  // The latest action in any history of the mode (fixed marks, scale and axes, or layer and
  // scale), whatever the tool: the Edit menu. The subject is "Set Mark", empty when the
  // action mixes kinds.
  bool CanUndoLast();
  QString UndoLastSubject();
  void UndoLast();
  // What the latest undo of the mode took back; a new action forgets it.
  bool CanRedo();
  QString RedoSubject();
  void Redo();
  THistorique &FixedMarksHistory() { return *FixedHistory; }
  THistorique &LayerHistory() { return *LayerHist; }
  THistorique &ScaleHistory() { return *ScaleHist; }
  THistorique &AxesHistory() { return *AxesHist; }

  // --- Tools and input from the video view -------------------------------------------------

  int ActiveTool() const { return Tool; }
  // Also ends the drags, puts the layer at rest for the layer tool and fires OnToolChange
  // (for a tool other than none).
  void SetActiveTool(int tool);
  // Pixels are view pixels.
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel);
  void MouseMove(Qt::KeyboardModifiers modifiers, TPoint pixel);
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel);
  // True when the key was used. Keys act only while measuring.
  bool KeyDown(int key, Qt::KeyboardModifiers modifiers);
  // The scale, then the axes or the layer, then the marks of the active collection.
  void Paint(QPainter *canvas) const;
  // Zoom, pan or resize: every cached pixel is recomputed.
  void ViewChanged();
  // Another frame is shown: the layer takes the position recorded for it.
  void FrameChanged();
  // The cursor the view shows for the active tool.
  int CursorCode() const;

  // --- Marks --------------------------------------------------------------------------------

  TPolyContainer &ActiveCollection() const;
  TPolyMarqueImgRep &FixedMarks() const { return *FixedCollection; }
  TPolyMarqueImgTsp &LayerMarks() const { return *LayerCollection; }

  // The series of the active collection, or of the given one, with the time base.
  TMarkSeries ExtractSeries() const;
  TMarkSeries ExtractSeries(bool layer) const;
  // The times of the marked frames of the active collection, in ascending order.
  TDoubleDynArray MarkedFrameTimes() const;

  int MarksCount() const { return ActiveCollection().MarksCount(); }
  int ObjectsCount() const { return ActiveCollection().MarksNumberPerFrame; }
  // The number of objects of the fixed collection, as one undoable step (action 11).
  void SetObjectsCount(int count);
  int CurrentMarkOrderNumber() const { return ActiveCollection().CurrentMarkOrderNumber; }
  void SetCurrentMarkOrderNumber(int order);
  int MarksNumberToDraw() const { return ActiveCollection().MarksNumberToDraw; }
  void SetMarksNumberToDraw(int count);
  bool MarksIsAllDrawn() const { return ActiveCollection().MarksIsAllDrawn; }
  void SetMarksIsAllDrawn(bool value);
  int MarksNumberPosition() const { return ActiveCollection().MarksNumberPosition; }
  void SetMarksNumberPosition(int position);
  int SmallestObjectMarksCount() const { return ActiveCollection().SmallestObjectMarksCount(); }
  int LastMarkedFrame() const { return ActiveCollection().LastMarkedFrame(); }
  // Marks of a frame while the video is being edited; -1 otherwise or without marks there.
  int FrameMarksCount(int frameIndex) const;
  QString SystemName(int index) const { return ActiveCollection().SystemName(index); }
  void SetSystemName(int index, const QString &name);
  bool HasDefaultNames() const { return ActiveCollection().HasDefaultNames(); }
  // The objects' masses in kilograms (Masses.h), of the active collection unless layer is
  // given. A change tells the calculators and the content listeners; like a name, it is not
  // an undoable step.
  const TMasses &Masses() const { return ObjectMasses; }
  double ObjectMass(int index) const { return ObjectMasses.Mass(IsLayerMeasurement(), index); }
  void SetObjectMass(int index, double kilograms) { SetObjectMass(IsLayerMeasurement(), index, kilograms); }
  void SetObjectMass(bool layer, int index, double kilograms);
  // Whether the video shows the centre of mass of the objects with a mass.
  bool CentreOfMassShown() const { return ObjectMasses.ShowCentre; }
  void SetCentreOfMassShown(bool shown);

  // The tracker's positions and frames, [object][sample], as fixed-axes marks.
  void PlaceTrackedMarks(const TPointDMatrix &positions, const TMatriceI &frames);
  void EraseMark(TMarque *mark);
  void EraseFrameMarks(int frameIndex);
  void DeleteAllMarks();
  // The video editing removed a frame: its marks go from both collections (and its layer
  // position), and the fixed and layer histories are emptied.
  void DeleteFrame(int frameIndex);
  // A reloaded measurement keeps only what lies on frames keep() accepts: the marks of both
  // collections and the layer positions of other frames go, unrecorded. Returns the number
  // of marks removed.
  int KeepFramesOnly(const std::function<bool(int frame)> &keep);

  // --- Objects ------------------------------------------------------------------------------

  TColor ObjectColor(int index) const override;
  bool ObjectVisible(int index) const override;
  void SetObjectColor(int index, TColor color);
  void SetObjectVisible(int index, bool visible);
  TColor ElementColor() const override { return ElemColor; }
  void SetElementColor(TColor color);
  int ElementSize() const override { return ElemSize; }
  void SetElementSize(int size);
  const std::vector<TColor> &MarkColors() const { return Colors; }
  const std::vector<bool> &MarkVisibilities() const { return Visibilities; }

  // --- Coordinate system ----------------------------------------------------------------------

  TRepereFixe &Axes() const { return *FixedAxes; }
  TTransparent &Layer() const { return *LayerSystem; }
  TEchelle &Scale() const { return *ScaleObject; }
  TRepere &ActiveSystem() const;

  TPointD ScaleFactors() const { return ScaleObject->ScaleFactors(); }
  // The plane and lens calibration (none by default). With a plane, measurements on the
  // fixed axes are computed in plane metres and need no scale.
  const TPlaneCalibration &Plane() const { return PlaneObject->Calibration(); }
  // The calibration with the picture's size filled in, as the calculators use it.
  TPlaneCalibration PlaneForPicture() const;
  // A calibration from elsewhere (the command line): not undoable.
  void SetPlane(const TPlaneCalibration &plane);
  // The plane and lens tools' object: corners being placed, lines traced, drags.
  TPlaneTool &PlaneEditor() const { return *PlaneObject; }
  // The rectangle whose corners were clicked gets its size, as one undoable step.
  bool PlacePlaneRectangle(double width, double height, QString *why = nullptr);
  // The plane, the lens and the traced lines go, as one undoable step.
  void ErasePlane();
  bool IsScaleReady() const { return ScaleObject->IsReady(); }
  void SetScaleLength(double value) { ScaleObject->SetScaleLength(value); }
  void SetScaleHorizLength(double value) { ScaleObject->SetScaleHorizLength(value); }
  void SetScaleVertLength(double value) { ScaleObject->SetScaleVertLength(value); }
  int ScaleKind() const { return ScaleObject->ScaleKind; }
  void SetScaleKind(int kind) { ScaleObject->SetScaleKind(kind); }
  // Always true in layer measurement.
  bool AxesPlaced() const;
  // 0 in layer measurement.
  double XAxisAngle() const;
  // An angle typed by the user (action 12).
  void SetTypedXAxisAngle(double angle);
  // The origin of the fixed axes; zero in layer measurement.
  TPointD FixedOrigin() const;
  bool DirectXAxisDirection() const { return ActiveSystem().DirectXAxisDirection; }
  bool DirectYAxisDirection() const { return ActiveSystem().DirectYAxisDirection; }
  void SetDirectXAxisDirection(bool value);
  void SetDirectYAxisDirection(bool value);
  // Fixed-axes measurement only.
  void EraseAxes();
  // Both points of the selected scale.
  void EraseScale();
  // One step: the scale, every mark and, in fixed-axes measurement, the axes.
  void ClearAll();

  // --- Time base ----------------------------------------------------------------------------

  double FrameInterval() const { return Interval; }
  // Changes only by more than IsNearZero; then both calculators are stale.
  void SetFrameInterval(double seconds);
  // The time stamps of the open video's frames (seconds from frame 0), given when its frame
  // durations vary; empty otherwise. A new video's times follow them; the user may choose
  // the regular interval instead, and the work file keeps the choice.
  void SetVideoTimes(TDoubleDynArray stamps);
  const TDoubleDynArray &VideoTimes() const { return Stamps; }
  bool HasVideoTimes() const { return !Stamps.empty(); }
  // Times are the video's stamps rather than whole numbers of intervals.
  bool UsesVideoTimes() const { return UseStamps && !Stamps.empty(); }
  void SetUseVideoTimes(bool use);
  int FramesNumberBetweenTwoMarks() const override { return FramesStep; }
  void SetFramesNumberBetweenTwoMarks(int frames) {
    FramesStep = frames;
    Fire(OnContentChange);
  }

  // --- Persistence ----------------------------------------------------------------------------

  // The keys of section "Data" of the work file, in the work file's order.
  void SaveToIni(TIniFile &ini, const QString &section = QStringLiteral("Data")) const;
  // Their reader; the histories are emptied since no copy can refer to the new objects.
  void LoadFromIni(const TIniFile &ini, const QString &section = QStringLiteral("Data"));

  // --- Identity -----------------------------------------------------------------------------

  THistObject *FindObject(int objectId) const override;

  // --- Notifications ----------------------------------------------------------------------

  TNotifyEvent OnAxesChange;
  TNotifyEvent OnColorsChange;
  TNotifyEvent OnScaleChange;
  TNotifyEvent OnScaleKindChange;
  TNotifyEvent OnMarksChange;
  TNotifyEvent OnSystemsChange;
  TNotifyEvent OnToolChange;
  TNotifyEvent OnVisibilityChange;
  // The plane tool's fourth corner is placed: the window asks for the rectangle's size.
  TNotifyEvent OnPlaneCornersPlaced;
  // The lens tool's lines could not give a lens yet, with the reason.
  std::function<void(TData *, const QString &)> OnPlaneRefusal;
  // Anything a work file records may have changed (the marks, the coordinate system, the
  // time base, the objects' names, colours and visibilities, the drawing settings): the main
  // window compares the work with what was last saved.
  TNotifyEvent OnContentChange;

  // --- IMeasurementHost and IMarksHost ---------------------------------------------------------

  void Record(THistObject *object, int actionKind) override;
  void BeginGroup() override;
  void EndGroup() override;
  void InvalidateResults(TResultsScope scope) override;
  void AxesChanged() override { Fire(OnAxesChange); }
  void ScaleChanged() override { Fire(OnScaleChange); }
  void ScaleKindChanged() override { Fire(OnScaleKindChange); }
  bool SeparateScales() const override;
  bool PointLayerMark(TPointD position) override;
  bool RemoveLastLayerMark() override;
  void RecomputeLayerMarkPixels() override;
  void MarksChanged() override { Fire(OnMarksChange); }
  void ObjectsCountChanged(int count) override;
  bool MarkNumbersStartAtZero() const override;
  int DefaultMarksNumberPosition(bool layer) const override;

  // --- IHistoryOwner ------------------------------------------------------------------------

  void ApplyUndo(THistObject &object, int actionKind) override;
  void ApplyUndo(std::unique_ptr<THistObject> copy, int actionKind) override;

  IViewPort &View() const { return *ViewLink; }

 private:
  // The plane calibration's rectangle, axes and grid, bent as the picture bends them.
  void PaintPlane(QPainter *canvas) const;
  bool PlaneToolActive() const { return Tool == dtPlane || Tool == dtLens; }
  TPlaneEditing PlaneEditing() const { return Tool == dtLens ? TPlaneEditing::Lines : TPlaneEditing::Rectangle; }
  void Fire(const TNotifyEvent &event) { if (event) event(this); }
  void InvalidateCalculators(TCalculatorSet which);
  // The next colour of the palette after (or, backwards, before) colour.
  static TColor CycleColor(TColor colour, bool backwards);
  // Enter: a press, or a release while something follows the pointer.
  bool EnterKey(Qt::KeyboardModifiers modifiers);
  void UndoMark(TMarque &mark, int actionKind);
  void UndoOrigin(TOrigine &origin, int actionKind);
  void PutBackMark(std::unique_ptr<THistObject> copy, int actionKind);
  void PutBackOrigin(std::unique_ptr<THistObject> copy, int actionKind);
  void AfterOriginUndo();
  void ClearHistories();
  // The histories an action of the current mode goes to.
  std::vector<THistorique *> ModeHistories() const;
  THistorique *LatestUndoHistory();
  THistorique *LatestRedoHistory();
  // One undo or redo of history, as the Edit menu does it (nothing without a history).
  void StepHistory(THistorique *history, void (THistorique::*step)());

  IViewPort *ViewLink;
  const settings::TOptions *Options;
  IResultsInvalidation *Results = nullptr;
  const IFrameTimeShift *TimeShifts = nullptr;

  std::unique_ptr<TRepereFixe> FixedAxes;
  std::unique_ptr<TTransparent> LayerSystem;
  std::unique_ptr<TEchelle> ScaleObject;
  std::unique_ptr<TPlaneTool> PlaneObject;
  TMasses ObjectMasses;
  std::unique_ptr<TPolyMarqueImgRep> FixedCollection;
  std::unique_ptr<TPolyMarqueImgTsp> LayerCollection;
  std::unique_ptr<THistorique> FixedHistory;
  std::unique_ptr<THistorique> LayerHist;
  std::unique_ptr<THistorique> ScaleHist;
  std::unique_ptr<THistorique> AxesHist;

  TMeasurementMode Mode = TMeasurementMode::FixedAxes;
  int Tool = dtPointing;
  int FramesStep = 1;
  double Interval = 0.0;
  TDoubleDynArray Stamps;
  bool UseStamps = false;
  int ElemSize = 0;
  TColor ElemColor = colors::clYellow;
  std::vector<TColor> Colors;
  std::vector<bool> Visibilities;
  TPoint LastPointer;  // for the Enter key
  int UndoDepth = 0;   // nothing is recorded while an undo or a redo runs
};

}  // namespace kolibra::measurement
