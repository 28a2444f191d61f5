#pragma once
// TMdl: a model curve laid over one series of a graph, fitted when it gets its data, drawn
// on the graph's canvas and adjusted by hand. The model element of a graph (TGModele, in the
// results subsystem) owns one model of each family and routes paint, mouse and panel
// events to the selected one.
//
// Two copies of the parameters. `Params` are in data units (the letters r, b, c...), what
// the panel and the command line show; `Pixel` (p0 ... p4) are the same curve in plot
// pixels (x rightwards from the plot's left edge, y upwards from its bottom edge), what the
// mouse edits. Data -> pixel runs after a fit, a parameter edit, a zoom and a resize; pixel
// -> data runs lazily after a mouse edit (PixelChanged), when a value is next read.
//
// Clamps. The pixel copy is kept within each family's ranges (so drawing and dragging stay
// finite). A fit or a parameter edit that has to clamp writes the clamped value back into
// the data parameters and reports the change; a zoom or a resize only clamps the pixel
// copy, so zooming out and back in never loses a fitted value.
//
// Drawing and hit testing share one walk over the curve's pixels (TPixelSink): the raster
// picture strokes the visited pixels, the hit test stops at the first visited pixel within
// 3 pixels of the mouse in x and y. Vector pictures (SVG) stroke the exact curve instead,
// sampled finely enough and cut to the plot rectangle in the geometry.

#include "kit/Color.h"
#include "kit/Types.h"
#include "modelling/ModelFit.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QPainter;

namespace kolibra::modelling {

// What a press on the curve, or beside it, starts.
enum TModelDrag : int {
  mdNone = 0,
  mdReshape,      // the grabbed part follows the mouse point (line, exponential, parabola)
  mdTranslate,    // the whole curve moves with the mouse
  mdAmplitude,    // sines: the held extremum follows the mouse vertically
  mdFrequency,    // sines: the grabbed flank follows the mouse horizontally
  mdDamping,      // damped sines: the envelope at the held extremum follows the mouse
};

// Modifier keys that slow the sine drags down.
enum TDragShift : unsigned { dsNone = 0, dsAlt = 1, dsCtrl = 2 };

// Receives the pixels of a walk, in plot pixels, and the end of each stroked piece.
class TPixelSink {
 public:
  virtual ~TPixelSink() = default;
  // One pixel of the curve and the region it lies in; true stops the walk.
  virtual bool Visit(int x, int y, int region) = 0;
  virtual void EndPiece() = 0;
};

class TMdl {
 public:
  using TChangeEvent = std::function<void(TMdl &)>;

  explicit TMdl(int type);
  virtual ~TMdl() = default;
  TMdl(const TMdl &) = delete;
  TMdl &operator=(const TMdl &) = delete;

  int Type() const { return FType; }

  // --- Data, plot and parameters -------------------------------------------------------------

  // The data parameter Index (storage order, see Params); brings it up to date after a
  // mouse edit. Not a number when the index is out of range.
  double GetParam(int Index);
  // Stores copies of the series and fits the model to them (FitModelCurve), clamps the
  // result to the plot, marks the statistics stale and recomputes the pixel parameters.
  // With fewer samples than parameters + 1 the model has no curve (HasCurve false).
  virtual void SetData(const TDoubleDynArray &X, const TDoubleDynArray &Y);
  void SetPlotRect(int Left, int Top, int Width, int Height);
  // Stores a data parameter when it differs; the pixel parameters follow.
  void SetParam(int Index, double Value);
  void SetBounds(const TRectD &Bounds);
  void SetLive(bool live);

  // The parameters the user sees (letters "r", "b"...) and setting one of them.
  virtual TDoubleDynArray GetParams();
  virtual void SetParamAt(int Index, double Value);
  // Whether the panel may change the values it shows (not the linearly damped sine, whose
  // panel shows the values of its equation of motion).
  virtual bool ParamsEditable() const { return true; }

  // The equation line and one line per parameter, each value followed by its unit when the
  // series' units are given (ParameterUnit); the statistics lines.
  virtual QStringList GetTexts(const QString &YName, const QString &TName,
                               const QString &YUnit = QString(), const QString &TUnit = QString());
  QStringList GetStats();
  const TModelStats &Stats();

  // The outcome of the last fit: its code, the standard errors of the shown parameters
  // (cleared by any edit, which moves the curve away from the fit) and the sum of squares.
  int FitResult() const { return Fit.Result; }
  const TDoubleDynArray &StdErrors() const { return Fit.StdErrors; }
  double Chi2() const { return Fit.Chi2; }
  bool HasCurve() const { return Fitted; }

  // --- Drawing and the mouse ------------------------------------------------------------------

  // Strokes the curve in Color with the given pen width: the visited pixels, or (vector) the
  // exact curve cut to the plot rectangle.
  void Draw(QPainter *Canvas, int PenWidth, bool Vector);
  // The region of the curve under a point in control pixels, or -1 off the curve.
  int HitTest(TPoint Point);
  // The drag a press with this hit result starts, and the cursor shown while hovering
  // (cursor table numbers; negative: the system's shapes).
  virtual TModelDrag DragFor(int Hit) const = 0;
  virtual int CursorFor(int Hit) const = 0;
  // Records the grab at a press (Point in control pixels). False when the drag cannot
  // start there; the press then does nothing.
  virtual bool BeginDrag(TPoint Point, TModelDrag Drag);
  // The drags. Each copies the pixel parameters to Snapshot first and reports a change.
  void Reshape(TPoint Point);
  void Translate(int DX, int DY);
  void ChangeAmplitude(int DY);
  void ChangeFrequency(unsigned Shift, int DX);
  void ChangeDamping(unsigned Shift, int DY);

  // --- State ----------------------------------------------------------------------------------

  int PlotLeft = 0, PlotTop = 0, PlotWidth = 0, PlotHeight = 0;
  bool PixelChanged = false;
  bool StatsStale = true;
  std::array<double, 5> Snapshot{};
  std::array<double, 5> Pixel{};
  TRectD Bounds{0.0, 100.0, 0.0, 100.0};
  bool Live = false;
  TColor Color = TColor::FromRgb(0, 150, 150);
  TDoubleDynArray X, Y;
  // Storage order: the linear family keeps intercept and slope; the others their letters.
  TDoubleDynArray Params;
  QStringList ParamTexts;
  QStringList StatTexts;
  TChangeEvent OnChange;

 protected:
  // Plot pixels per data unit; false when an axis range is near zero or huge, or the plot
  // has no size: no conversion is made then.
  bool Scales(double &kx, double &ky) const;
  // Data -> pixel (only called when Scales holds). When writeBack, a clamp writes the
  // clamped value into Params. True when something had to be clamped.
  virtual bool ParamsToPixel(bool writeBack) = 0;
  virtual void PixelToParams() = 0;
  // Data-space clamps after a fit.
  virtual void ClampParams() {}
  // The walk of the curve's pixels (Draw and HitTest).
  virtual void Walk(TPixelSink &sink) = 0;
  // y in plot pixels at plot column x (real), for the vector picture.
  virtual double PixelValue(double x) const = 0;
  // The data parameters in the order of the model's letters (what FitModelCurve gives).
  TDoubleDynArray CurveParams();
  // Whether the curve can be drawn at all (the parabola draws nothing when flat).
  virtual bool Drawable() const { return true; }
  // Called before a walk or a vector drawing: derived values of the pixel parameters.
  virtual void PrepareWalk() {}
  // Hit post-processing (the line tells which end is nearer).
  virtual int HitRegion(TPoint plotPixel, int walkRegion) const { return walkRegion; }
  // Equation format ("%s + %s.t") and the values the texts show.
  virtual QString EquationFormat() const = 0;

  virtual void DoReshape(TPoint) {}
  virtual void DoTranslate(int, int) {}
  virtual void DoChangeAmplitude(int) {}
  virtual void DoChangeFrequency(unsigned, int) {}
  virtual void DoChangeDamping(unsigned, int) {}

  // Plot pixel of a control point and back (y up from the bottom edge).
  TPoint ToPlot(TPoint control) const { return TPoint(control.X - PlotLeft, PlotTop + PlotHeight - control.Y); }
  TPoint ToControl(int x, int y) const { return TPoint(PlotLeft + x, PlotTop + PlotHeight - y); }

  // Brings data parameters up to date after a mouse edit.
  void SyncParams();
  // Data -> pixel and, when the pixel copy differs from before, the change report.
  void Recompute(bool writeBack);
  // Snapshot before an edit; after it, the change report when a pixel parameter moved.
  void BeginEdit() { Snapshot = Pixel; }
  void EndEdit();
  void Changed();

  TModelFit Fit;
  bool Fitted = false;
  TModelStats FStats;

 private:
  void UpdateStats();
  int FType;
};

// Clamps v into [lo, hi]; true when it had to.
bool ClampInto(double &v, double lo, double hi);

}  // namespace kolibra::modelling
