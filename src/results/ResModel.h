#pragma once
// TResModel: the rules of the results window (TResForm), without the window. It decides what
// each of the five views shows and builds the four graph views into TGraphs; the window only
// mirrors its states into widgets and forwards the user's choices. kolibra-cli's "graph"
// command builds its pictures through the same calls, so a picture on the command line is the
// picture the window shows.
//
// Views (their codes): 0 custom formulas, 1 trajectory, 2 datasheet, 3 quantities as a
// function of time, 4 vectors. The graph views keep one graph per view and per measurement
// (the fixed axes, or the layer): eight graphs, so constructs drawn over one measurement stay
// with it. The graphs belong to the caller (widgets in the window, plain graphs in the
// command); SetGraph lends them.
//
// What it reads: the results through the calculator facades (kinematics), the custom formulas,
// the document (objects, names, colours, scale, axes), the options, and through TResLinks
// whether a video is open and its current picture. The choices a user makes (objects,
// quantity, reference frame, vector kind, numbering, symbol size) are kept per measurement
// mode in TMemory (TResMem), so switching between the fixed axes and the layer brings each
// one's back.
//
// Rebuilding a view removes its data elements and series and keeps the constructs the user
// drew, filed again under their series; only Reset (a new video or work file) clears the
// graphs entirely. A graph's world rectangle is fitted to the data again when its rescale
// flag is set (after a recalculation, "Restore graph") or when its lists changed.

#include "kinematics/ResultFacades.h"
#include "results/Graph.h"

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
const std::array<TTimeQuantity, 11> &TimeQuantities();

// The checks of the vectors view's drawing list, in its order.
enum TVectorDraw : int { vdDataSegments, vdUserSegments, vdDataSplines, vdUserSplines, vdDataVectors, vdUserVectors };

class TResModel {
 public:
  explicit TResModel(const TResLinks &links);

  // --- Graphs -------------------------------------------------------------------------------

  // Lends a graph (frame 0 the fixed axes, 1 the layer) and gives it its view's margins and
  // colours. An editor is installed on the graphs of the views that take constructs.
  void SetGraph(int frame, int slot, TGraph *graph);
  TGraph *GraphOf(int frame, int slot) const;
  // The measurement the results are shown for: 1 in layer measurement, else 0.
  int Frame() const;
  // The graph of the current view and measurement; null for the datasheet.
  TGraph *CurrentGraph() const;
  TConstructEditor *EditorOf(TGraph *graph) const;
  formulas::TFormules *Formules() const { return Links.Formules; }
  const TResLinks &Sources() const { return Links; }

  // --- State --------------------------------------------------------------------------------

  int View = rvTableau;
  bool ShowVelocity = true, ShowAcceleration = true, ShowPolar = true;
  int Smoothing = 0;  // kinematics::TSmoothingFlags
  bool DrawVideo = false;
  // Menu states.
  bool ZoomXTemps = false, ZoomYTemps = true, ZoomXFormule = false, ZoomYFormule = true;
  bool OrigineX = false, OrigineY = true;  // formula view: show 0 on each axis
  bool PolylineTemps = true, PolylineReferentiel = true, PolylineFormule = true;
  bool EquaTemps = true, StatTemps = false, EquaFormule = true, StatFormule = false;
  bool TrajectoryAsVideo = true;  // the vectors view in the camera's orientation
  TBullePlace Bulle = bpUpRight;
  // The datasheet's column groups.
  bool GridCoordinates = true, GridVelocity = true, GridAcceleration = true, GridPolar = true;
  std::array<bool, 6> VectorDraw{false, true, false, true, true, true};
  // The model kind of the time and formula views (9: none).
  int ModelTemps = 9, ModelFormule = 9;
  // The formulas drawn in the formula view (indexes of TFormules).
  TIntegerDynArray FormulesDrawn;

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
  // Builds the current view from its lists.
  void BuildView();
  void Rescale(int slot);  // "Restore graph"
  void RequestRescaleAll();

  // --- Lists of the views -------------------------------------------------------------------

  int ObjectsCount() const;
  QString ObjectName(int object) const;
  TColor ObjectColour(int object) const;
  // Time view: the quantity indexes offered (edges of what is computed).
  TIntegerDynArray OfferedQuantities() const;
  // Vectors view: the kinds offered (vkVelocity, vkAcceleration).
  TIntegerDynArray OfferedVectorKinds() const;
  void SetTempsQuantity(int index);
  void SetTempsObjects(const TIntegerDynArray &objects);
  void SetReferentielObjects(const TIntegerDynArray &objects);
  void SetReferentielFrame(int reference);  // -1 the camera, else an object
  void SetVecteurKind(int kind);
  void SetVecteurObjects(const TIntegerDynArray &objects);
  void SetVectorDraw(int item, bool on);
  void SetFormulesDrawn(const TIntegerDynArray &formulas);
  void SetFormuleAbscissa(int formula);  // -1 time

  // --- Commands -----------------------------------------------------------------------------

  // A model button (kind 0 ... 8) pressed in the time or formula view: false, with the
  // message, when not exactly one curve is drawn. Kind 9 releases the models.
  bool PressModel(int kind, QString &message);
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
  // The Edit menu's undo item: caption and whether it is enabled.
  QString UndoItemCaption(bool &enabled) const;
  static QString ViewCaption(int view);

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
  void ApplyModel(TGraph &graph, int kind, const QString &nomX, const QString &nomY);
  void ApplyHighlight(TGraph &graph) const;
  void CompleteLists();
  int EdgeCount(int order) const;
  // Whether the derivatives of an object exist (a failed derivation stops at its object).
  bool DerivedExists(int object) const;
  void UpdateVideoPicture(TGraph &graph);
  bool TakeRescale(int slot, const QString &signature);

  TResLinks Links;
  std::array<std::array<TGraph *, GraphSlotCount>, 2> Graphs{};
  std::array<std::array<int, GraphSlotCount>, 2> RebuildFlags{};
  std::array<std::array<QString, GraphSlotCount>, 2> Signatures{};
  std::array<std::array<TIntegerDynArray, GraphSlotCount>, 2> BuiltObjects{};
  int Highlighted = -1;
  unsigned AppliedGroups = ~0u;  // the groups' states last given to the datasheet
};

}  // namespace kolibra::results
