#pragma once
// TResModel: the rules of the results window (TResForm), without the window. It decides what
// each of the five views shows and builds the four graph views into TGraphs; the window only
// mirrors its states into widgets and forwards the user's choices. kolibra-cli's "graph"
// command builds its pictures through the same calls, so a picture on the command line is the
// picture the window shows.
//
// Views (their codes): 0 custom formulas, 1 trajectory, 2 datasheet, 3 quantities as a
// function of time, 4 vectors. The graph views keep one graph per view and per measurement
// (TResMeasurement: the fixed axes, or the layer): eight graphs, so constructs drawn over one
// measurement stay with it. The graphs belong to the caller (widgets in the window, plain
// graphs in the command); SetGraph lends them.
//
// What it reads: the results through the calculator facades (kinematics), the custom formulas,
// the document (objects, names, colours, scale, axes), the options, and through TResLinks
// whether a video is open and its current picture. The choices a user makes (objects,
// quantity, the trajectory's reference, vector kind, numbering, symbol size) are kept per
// measurement in TMemory (TResMem), so switching between the fixed axes and the layer brings
// each one's back. The Display menu's settings (zoom, origin, broken line, model bubble, the
// datasheet's column groups, the vectors view's drawings) are the model's own, changed
// through setters that rebuild or rescale what they touch.
//
// Rebuilding a view removes its data elements and series and keeps the constructs the user
// drew, filed again under their series; only Reset (a new video or work file) clears the
// graphs entirely. A graph's world rectangle is fitted to the data again when its rescale
// flag is set (after a recalculation, "Restore graph") or when its lists changed.

#include "kinematics/ResultFacades.h"
#include "modelling/ModelFunction.h"
#include "results/Graph.h"
#include "results/ResRecord.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace kolibra::formulas {
class TFormules;
class TResultsSource;
}  // namespace kolibra::formulas

namespace kolibra::results {

class TConstructEditor;

enum TResView : int { rvFormule = 0, rvReferentiel = 1, rvTableau = 2, rvTemps = 3, rvVecteur = 4 };
// The graph views in the order of the graphs of one measurement.
enum TGraphSlot : int { gsTemps = 0, gsReferentiel = 1, gsVecteur = 2, gsFormule = 3 };
inline constexpr int GraphSlotCount = 4;
// -1 for the datasheet.
int SlotOfView(int view);

// Which measurement the results are shown for: positions against the fixed axes, or against
// a moving layer. Each has its own graphs and remembered choices.
enum TResMeasurement : int { rmFixedAxes = 0, rmLayer = 1 };
inline constexpr int ResMeasurementCount = 2;
inline constexpr std::array<TResMeasurement, ResMeasurementCount> ResMeasurements{rmFixedAxes, rmLayer};

// The datasheet's column groups, as the Display menu names them.
enum TGridGroup : int { ggCoordinates, ggVelocity, ggAcceleration, ggPolar };
inline constexpr int GridGroupCount = 4;

// The vector kinds of the vectors view (their keys in the graph).
enum TVectorKindKey : int { vkVelocity = 0, vkAcceleration = 1 };

// What the results window reads around it.
struct TResLinks {
  kinematics::TResCalc *Calc = nullptr;
  kinematics::TResGrid *Grid = nullptr;
  kinematics::TResMem *Mem = nullptr;
  formulas::TFormules *Formules = nullptr;
  formulas::TResultsSource *FormulaResults = nullptr;  // its smoothing follows the menu
  const measurement::TData *Data = nullptr;
  const settings::TOptions *Options = nullptr;
  std::function<bool()> VideoOpen;
  // The current video frame at its own size; false when there is none.
  std::function<bool(QImage &)> GrabFrame;
};

// One quantity of the time view (the index of the list is the view's quantity number).
struct TTimeQuantity {
  const char *Symbol;
  const char *Description;
  const char *Unit;
  int Kind;          // kinematics::QuantityKind
  int Order;         // derivative order for the hidden edges
  bool IncludeZero;  // the y axis shows 0
  bool ForceMinZero; // the y axis starts at 0
};
inline constexpr int TimeQuantityCount = 17;  // the kinematic 11, then momentum and energies
const std::array<TTimeQuantity, TimeQuantityCount> &TimeQuantities();

// The checks of the vectors view's drawing list, in its order.
enum TVectorDraw : int { vdDataSegments, vdUserSegments, vdDataSplines, vdUserSplines, vdDataVectors, vdUserVectors };
inline constexpr int VectorDrawCount = 6;
using TVectorDraws = std::array<bool, VectorDrawCount>;

class TResModel {
 public:
  explicit TResModel(const TResLinks &links);

  // --- Graphs -------------------------------------------------------------------------------

  // Lends a graph and gives it its view's margins and colours. An editor is installed on
  // the graphs of the views that take constructs.
  void SetGraph(TResMeasurement measurement, int slot, TGraph *graph);
  TGraph *GraphOf(TResMeasurement measurement, int slot) const;
  // The measurement the results are shown for: the layer's in layer measurement.
  TResMeasurement Measurement() const;
  // The graph of the current view and measurement; null for the datasheet.
  TGraph *CurrentGraph() const;
  TConstructEditor *EditorOf(TGraph *graph) const;
  formulas::TFormules *Formules() const { return Links.Formules; }
  const TResLinks &Sources() const { return Links; }

  // --- State --------------------------------------------------------------------------------

  int View() const { return FView; }
  // Which results were computed (the options ask for them; a failed derivation drops them).
  bool ShowVelocity() const { return FShowVelocity; }
  bool ShowAcceleration() const { return FShowAcceleration; }
  bool ShowPolar() const { return FShowPolar; }
  int Smoothing() const { return FSmoothing; }  // kinematics::TSmoothingFlags
  TBullePlace BullePlace() const { return FBulle; }
  // The settings of the current view (the time view's or the formula view's; the broken line
  // also the trajectory's). Each setter rebuilds the view.
  bool ZoomX() const;
  bool ZoomY() const;
  void SetZoomX(bool on);
  void SetZoomY(bool on);
  bool Polyline() const;
  void SetPolyline(bool on);
  bool ShowEquation() const;
  bool ShowStatistics() const;
  void SetShowEquation(bool on);
  void SetShowStatistics(bool on);
  // The formula view shows 0 on each axis; the setters rescale it.
  bool OriginX() const { return FOrigineX; }
  bool OriginY() const { return FOrigineY; }
  void SetOriginX(bool on);
  void SetOriginY(bool on);
  // The vectors view in the camera's orientation (else in the graph's basis); rescales it.
  bool TrajectoryAsVideo() const { return FTrajectoryAsVideo; }
  void SetTrajectoryAsVideo(bool on);
  // The video picture behind the vectors view.
  bool DrawVideo() const { return FDrawVideo; }
  void SetDrawVideo(bool on);
  // The datasheet's column groups; a change reaches the datasheet's columns.
  bool GridGroup(TGridGroup group) const { return FGridGroups[size_t(group)]; }
  void SetGridGroup(TGridGroup group, bool on);
  const TVectorDraws &VectorDraws() const { return FVectorDraw; }
  // The model laid over the time or the formula view (mtNone for any other view).
  modelling::TModelType ModelOf(int view) const;
  // Chooses the model of the time or the formula view; the next build lays it (kolibra-cli
  // chooses it before the view is built).
  void SetViewModel(int view, modelling::TModelType kind);
  // The formulas drawn in the formula view (indexes of TFormules).
  const TIntegerDynArray &FormulesDrawn() const { return FFormulesDrawn; }

  // The remembered choices of the current measurement.
  kinematics::TMemory &Memory() const;

  // --- Life ---------------------------------------------------------------------------------

  // The options' initial states (the options dialog closed, or at creation).
  void ApplyOptions();
  // A new video or work file: every graph cleared, the choices forgotten.
  void Reset();
  // Positions and derivatives when the measurement changed; false when there are no results
  // to show (no video, no mark, no scale).
  bool Recalculate(bool force = false);
  // Whether the results exist and the current view's lists are not empty.
  bool CanBuild() const;
  // Selects a view (its graph's lists are completed with defaults) and builds it.
  void SetView(int view);
  // Selects a view without building it: the window switches its widgets first.
  void SelectView(int view);
  // Builds the current view from its lists.
  void BuildView();
  void Rescale(int slot);  // "Restore graph"
  void RequestRescaleAll();

  // --- Lists of the views -------------------------------------------------------------------

  // The objects, then the centre of mass when two objects or more have masses.
  int ObjectsCount() const;
  bool IsCentreOfMass(int object) const;
  QString ObjectName(int object) const;
  TColor ObjectColour(int object) const;
  // Time view: the quantity indexes offered (edges of what is computed).
  TIntegerDynArray OfferedQuantities() const;
  // Vectors view: the kinds offered (vkVelocity, vkAcceleration).
  TIntegerDynArray OfferedVectorKinds() const;
  void SetTempsQuantity(int index);
  void SetTempsObjects(const TIntegerDynArray &objects);
  void SetReferentielObjects(const TIntegerDynArray &objects);
  void SetReference(int object);  // the trajectory's frame of reference: -1 the camera, else an object
  void SetVecteurKind(int kind);
  void SetVecteurObjects(const TIntegerDynArray &objects);
  void SetVectorDraw(int item, bool on);
  // Every check of the drawing list at once, one rebuild.
  void SetVectorDraws(const TVectorDraws &draws);
  void SetFormulesDrawn(const TIntegerDynArray &formulas);
  void SetFormuleAbscissa(int formula);  // -1 time

  // --- Commands -----------------------------------------------------------------------------

  // A model button pressed in the time or formula view: false, with the message, when not
  // exactly one curve is drawn. mtNone releases the models.
  bool PressModel(modelling::TModelType kind, QString &message);
  // The modify-model button: false, with the message, when the graph has no model.
  bool CanModifyModel(QString &message) const;
  // The vector scale typed or stepped; false when the graph refuses it.
  bool SetVectorScale(double value);
  double VectorScale() const;
  QString VectorUnit() const;
  void SetSymbolSize(int size);
  void SetNumbering(int view, int place);
  void SetDrawOrigin(bool on);
  void SetDrawVectorValues(bool on);
  void SetBullePlace(TBullePlace place);
  void SetSmoothing(int flags);
  // A click in the datasheet's control row, x pixels from the cell's left edge: near the left
  // edge one significant digit less, near the right one more, elsewhere the column hidden
  // (never the first one).
  void DatasheetControlClick(int col, int x, int width);
  // "Restore table": the column groups of the menus, every precision back to its default.
  void RestoreTable();
  // The datasheet's column groups as the Display menu and the results say; a group whose
  // state did not change keeps the columns the user hid one by one (unless forced).
  void ApplyGridGroups(bool force);

  // --- Texts --------------------------------------------------------------------------------

  // The coordinate read-out of a world point: panel 1 and panel 2.
  QString ReadOutX(TPointD world) const;
  QString ReadOutY(TPointD world) const;
  // Why part of the dynamics is undefined (kinematics::DynamicsNote); empty when nothing is.
  QString DynamicsNote() const;
  // The Edit menu's undo item: caption and whether it is enabled.
  QString UndoItemCaption(bool &enabled) const;
  static QString ViewCaption(int view);

  // --- What a work file keeps (ResRecord.h) -------------------------------------------------

  // Constructs and vector scales read from a work file, laid on their graph when it is next
  // built (a Reset forgets them).
  void SetPending(const std::vector<TResConstruct> &constructs, const TResScales &scales);
  const std::vector<TResConstruct> &PendingConstructs() const { return FPendingConstructs; }
  const TResScales &PendingScales() const { return FPendingScales; }

  // --- The link with the video --------------------------------------------------------------

  // The video frame of a sample (-1 when none), the sample of a point number, and the sample
  // shown at a video frame (-1 when it holds no mark).
  int SampleVideoFrame(int sample) const;
  int SampleOfNumber(int number) const;
  int SampleAtVideoFrame(int videoFrame) const;
  // Highlights the points of the sample shown in the main window on every graph.
  void HighlightSample(int sample);
  int HighlightedSample() const { return Highlighted; }

 private:
  void BuildTemps(TGraph &graph);
  void BuildReferentiel(TGraph &graph);
  void BuildVecteur(TGraph &graph);
  void BuildFormule(TGraph &graph);
  // Data elements and series out, constructs kept.
  void ClearData(TGraph &graph);
  // The model laid over the view's only series, its parameters' units following from the
  // series' units.
  void ApplyModel(TGraph &graph, modelling::TModelType kind, const QString &nomX,
                  const QString &nomY, const QString &unitX, const QString &unitY);
  void ApplyHighlight(TGraph &graph) const;
  void CompleteLists();
  int EdgeCount(int order) const;
  // Whether the derivatives of an object exist (a failed derivation stops at its object).
  bool DerivedExists(int object) const;
  void UpdateVideoPicture(TGraph &graph);
  // Whether to fit the world again: asked for, or the lists changed (unless the user zoomed
  // or panned handGraph by hand).
  bool TakeRescale(int slot, const QString &signature, const TGraph *handGraph = nullptr);
  // The pending constructs and scales of the graph just built (ResRecord.cpp).
  void LayPending(TGraph &graph);

  // The setting of the time view or of the formula view, as the current view says.
  bool &OfTempsOrFormule(bool &temps, bool &formule) { return FView == rvTemps ? temps : formule; }

  TResLinks Links;
  std::array<std::array<TGraph *, GraphSlotCount>, ResMeasurementCount> Graphs{};
  std::array<std::array<int, GraphSlotCount>, ResMeasurementCount> RebuildFlags{};
  std::array<std::array<QString, GraphSlotCount>, ResMeasurementCount> Signatures{};
  std::array<std::array<TIntegerDynArray, GraphSlotCount>, ResMeasurementCount> BuiltObjects{};
  int FView = rvTableau;
  bool FShowVelocity = true, FShowAcceleration = true, FShowPolar = true;
  int FSmoothing = 0;
  bool FDrawVideo = false;
  bool FZoomXTemps = false, FZoomYTemps = true, FZoomXFormule = false, FZoomYFormule = true;
  bool FOrigineX = false, FOrigineY = true;
  bool FPolylineTemps = true, FPolylineReferentiel = true, FPolylineFormule = true;
  bool FEquaTemps = true, FStatTemps = false, FEquaFormule = true, FStatFormule = false;
  bool FTrajectoryAsVideo = true;
  TBullePlace FBulle = bpUpRight;
  std::array<bool, GridGroupCount> FGridGroups{true, true, true, true};
  TVectorDraws FVectorDraw{false, true, false, true, true, true};
  modelling::TModelType FModelTemps = modelling::mtNone, FModelFormule = modelling::mtNone;
  TIntegerDynArray FFormulesDrawn;
  int Highlighted = -1;
  unsigned AppliedGroups = ~0u;  // the groups' states last given to the datasheet
  std::vector<TResConstruct> FPendingConstructs;
  TResScales FPendingScales{};
};

}  // namespace kolibra::results
