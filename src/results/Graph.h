#pragma once
// TGraph: the graph control's logic. It draws every graph of the results window (the axes
// with their ticks, labels and titles, the data series, vectors, model curves and the
// constructs the user draws) and owns the mouse: zoom, pan, the coordinate read-out, the
// measure and model tools, and the construct tools through its editor. It is a plain object
// painting with QPainter: the widget that shows it (results/windows/GraphControl) only
// forwards Qt's events and copies Picture() to the screen; the tests drive it directly.
//
// World and pixels. A graph shows the world rectangle WorldRect() (physical units) in the plot
// area, the control minus its four margins (AxeYFromLeft, AxeXFromTop, AxeYFromRight,
// AxeXFromBottom). x = XMin is the plot's left edge, y = YMin its bottom edge; world point
// (x, y) is at pixel (round(W u + L), round((1 - v) H + T)), u and v its normalised position
// and (L, T, W, H) the plot rectangle (ScreenToWorld is the inverse). SetWorld sets the
// rectangle from the caller and resets the zoom; zoom and pan move it from there (the zoom
// factors are relative to the last SetWorld, within 0.0625 ... 10). With KeepAspect a world
// unit has the same size on both axes, through resizes too.
//
// Ownership. Elements() owns every element, in drawing order (the last on top); a series
// (TCourbe, one per AddCurve, reached by its index) and the Selection refer to elements
// without owning them. Elements that belong to no series go to DefaultCurve(). Removing an
// element goes through RemoveElement, which unfiles it everywhere. The vector kinds'
// scales (TParamCom) are owned by the graph and shared by their vectors.
//
// Typical use (the results window):
//   graph.Clear();
//   int c = graph.AddCurve(samples, edgeCount, markNumbers, vectorKinds);
//   graph.SetCurveProperty(c, cePoints, colour, cfData, 0);      // colours, symbols, names
//   graph.SetWorld(FitWorldRect(bounds, false, false, false, false, 0.05), keepAspect);
//   graph.SetCurveProperty(c, ceModel, mtSine, 0, 6);            // a model, fitted now
//   graph.SetTool(gtZoom);                                       // a tool button pressed
// and it reacts to OnObjectClick (context menu), OnOptionChange (tool buttons) and
// OnMouseMove with MouseWorld() (the coordinate read-out).
//
// Painting. Picture() is the back buffer, repainted when something changed (elements,
// world, size, tool state): the gradient plot background (rendered again only on a resize or
// a colour change), axes, origin, elements, the zoom rectangle, the construct tools' rubber
// band, the scale bars, the frames and, on screen only, the model panels. VectorPicture()
// paints the same into a QPicture with every element's geometry cut to the plot, because
// the SVG files and the clipboard's image/svg+xml made from it keep no clipping.
//
// Keys (KeyDown): arrows move the pointer 1 px (10 with Ctrl), Space asks for the context
// menu (OnObjectClick with the right button and no element), Insert and Delete delete the
// selected constructs, Ctrl+A undoes the last graph change. The widget hands keys to the
// graph only when no text entry has the focus (see windows/GraphKeyRouter.h).

#include "kit/Color.h"
#include "kit/Types.h"
#include "results/Axe.h"
#include "results/Bulle.h"
#include "results/Courbe.h"
#include "results/GElem.h"
#include "results/GModele.h"
#include "results/GraphEditor.h"
#include "results/GraphSurface.h"
#include "results/GraphTools.h"
#include "results/GraphZoom.h"
#include "results/ParamCom.h"
#include "results/SourceImg.h"

#include <QImage>
#include <QPicture>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

namespace kolibra::results {

// One vector kind of a series for AddCurve: one component pair per sample from sample 0.
struct TVectorSeries {
  int EdgeCount = -1;  // samples hidden at each end; -1: none hidden
  QString Unit;
  int Key = 0;
  TPointDDynArray Components;
};

// The world rectangle for a data bounding box: each axis (y first) widened when it is empty,
// made to include the origin or to start at zero when asked, then widened by margin x range
// on both sides. 0..100 on both axes when the arithmetic fails.
TRectD FitWorldRect(const TRectD &data, bool includeXOrigin, bool includeYOrigin, bool forceYMinZero,
                    bool forceXMinZero, double margin);

class TGraph {
 public:
  explicit TGraph(IGraphSurface *surface = nullptr);
  ~TGraph();
  TGraph(const TGraph &) = delete;
  TGraph &operator=(const TGraph &) = delete;

  void SetSurface(IGraphSurface *surface) { Surface = surface; }
  IGraphSurface *SurfaceLink() const { return Surface; }
  // The construct tools and the undo history (see GraphEditor.h).
  void SetEditor(std::unique_ptr<IGraphEditor> editor);
  IGraphEditor *Editor() const { return FEditor.get(); }

  // --- Published properties ----------------------------------------------------------------

  int AxeXFromTop() const { return FAxeXFromTop; }
  int AxeXFromBottom() const { return FAxeXFromBottom; }
  int AxeYFromLeft() const { return FAxeYFromLeft; }
  int AxeYFromRight() const { return FAxeYFromRight; }
  void SetMargins(int axeYFromLeft, int axeXFromTop, int axeYFromRight, int axeXFromBottom);
  TColor ColorAxe = colors::clBtnFace;
  TColor ColorBegin = colors::clWhite;
  TColor ColorEnd = TColor::FromRgb(166, 202, 240);
  void SetGradient(TColor begin, TColor end);
  bool IsAxeXVisible = true, IsAxeYVisible = true;
  bool IsOrigineVisible = false;
  bool IsShowModeleurEqua = false, IsShowModeleurStat = false;
  void SetShowModeleur(bool equation, bool statistics);
  bool IsSourceImgVisible = false;
  bool IsZoomX = true, IsZoomY = true;
  bool IsDessinerEchelleDistances = false;
  bool IsDessinerEchelleVecteurs = false;
  int LEchelleEnPixels() const { return FLEchelleEnPixels; }
  void SetLEchelleEnPixels(int pixels);
  QStringList TitreAxeX, TitreAxeY;
  int TitreAxeXFromEdge = 10, TitreAxeYFromEdge = 10;
  // The information bubble (painted over everything) and its corner.
  TBulle Bulle;
  TBullePlace BullePlace() const { return Bulle.Place(); }
  void SetBullePlace(TBullePlace place);
  // Shows lines in the bubble's corner (nothing when the corner is bpNone); HideBulle hides it.
  void ShowBulle(const QStringList &lines);
  void HideBulle();
  // The results' symbol size (0 small, 1 medium, 2 large) and vector values option.
  void SetSymbolSize(int size);
  int SymbolSize() const { return Style.SymbolSize; }
  void SetDrawVectorValues(bool draw);

  // Events, raised after the graph's own handling.
  std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, TPoint)> OnMouseDown;
  std::function<void(Qt::KeyboardModifiers, TPoint)> OnMouseMove;
  std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, TPoint)> OnMouseUp;
  std::function<void(Qt::MouseButton, int elementType)> OnObjectClick;
  std::function<void()> OnOptionChange;

  // --- Size and world ----------------------------------------------------------------------

  void SetSize(int width, int height);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int PlotWidth() const;
  int PlotHeight() const;
  QRect PlotRect() const;  // edges included
  void DisableBounds() { BoundsEnabled = false; }
  void EnableBounds(int width, int height);

  const TRectD &WorldRect() const { return World; }
  // Whether the user zoomed or panned since the last SetWorld: a rebuild then leaves the
  // world as the user made it.
  bool MovedByHand() const { return FMovedByHand; }
  bool KeepAspect() const { return FKeepAspect; }
  void SetWorld(const TRectD &rect, bool keepAspect);
  TPointD ScreenToWorld(int x, int y) const;
  // False when a range is zero or huge.
  bool WorldToScreen(TPointD world, TPoint &pixel) const;

  // --- Series and elements -----------------------------------------------------------------

  int AddCurve(const TPointDDynArray &samples, int edgeCount, const TIntegerDynArray &markNumbers,
               const std::vector<TVectorSeries> &vectors = {});
  // Element codes TCurveElement, flags TCurveFlags; attributes 0 colour, 1 NomX, 2 NomY,
  // 7 UnitX, 8 UnitY (the model's series),
  // 4 LabelPlace, 6 MotifKind or ModelKind. False when the value does not convert.
  bool SetCurveProperty(int curve, int element, const QVariant &value, int flags, int attribute);
  void SetCurveVisible(int curve, int element, bool visible, int flags);
  void SetAllCurvesVisible(int element, int flags, bool visible);
  void Clear();
  // Removes the data elements and every series, keeping the constructs the user drew (and
  // the vector kinds they refer to); RefileUserElements files them again under the series of
  // the same index once the new series exist (under none when there is no such series).
  void ClearData();
  void RefileUserElements();

  int CurveCount() const { return int(Curves.size()); }
  TCourbe *Curve(int index) const;
  TCourbe &DefaultCurve() { return *FDefaultCurve; }
  int VisibleCurveCount() const;
  TIntegerDynArray VisibleCurves() const;
  int CurrentCurve() const;
  int ModelCount() const;
  int SelectionCount() const { return int(Selection.size()); }
  unsigned SelectionTypes() const;
  TGModele *Modele(int curve) const;

  const std::vector<std::unique_ptr<TGElem>> &Elements() const { return FElements; }
  std::vector<TGElem *> Selection;
  // Appends an element on top, filed under a series (or the default curve for -1), with the
  // graph's rectangles and style.
  TGElem *AddElement(std::unique_ptr<TGElem> element, int curve);
  // Takes an element out of the graph, every list, the selection and its series.
  std::unique_ptr<TGElem> RemoveElement(TGElem *element);
  // Moves an element to the top of the drawing order.
  void BringToTop(TGElem *element);
  // The topmost visible element hit at a point (the selection searched first), or null.
  TGElem *ElementAt(TPoint point);

  // Fits a series' model over a sub-range of its abscissas, or over all of them again.
  void SetModelRange(int curve, double from, double to);
  void ClearModelRange(int curve);

  // --- Vectors -----------------------------------------------------------------------------

  const std::vector<std::unique_ptr<TParamCom>> &VectorParams() const { return FVectorParams; }
  int VectorParamIndex() const { return FVectorParamIndex; }
  double VectorScaleValue() const { return FVectorScaleValue; }
  void SelectVectorParam(int index);
  // The selected kind's scale sized from its vectors: the longest an eighth of the plot's
  // diagonal, shorter if a vector shown would otherwise leave the plot.
  void InitVectorScale();
  bool SetVectorScale(double value);

  // --- Tools and input ---------------------------------------------------------------------

  int Tool() const { return FTool; }
  // False (nothing changes) for an unknown code, or for tool 11 without a model.
  bool SetTool(int tool);
  int DragState() const { return FDragState; }
  // The construct tools' drag states (moving, reshaping, rotating, a selection rectangle).
  void SetDragState(int state) { FDragState = state; }
  const TZoom &Zoom() const { return FZoom; }
  TPointD MouseWorld() const { return FMouseWorld; }
  TPointDynArray NewPoints;  // points clicked for the construct being made

  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint at);
  void MouseMove(Qt::KeyboardModifiers modifiers, TPoint at);
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint at);
  void DoubleClick(Qt::MouseButton button, TPoint at);
  void MouseLeave();
  // The wheel zooms about the pointer: one ladder level a notch (a tenth with Ctrl).
  void Wheel(int angleDelta, Qt::KeyboardModifiers modifiers, TPoint at);
  // True when the graph used the key.
  bool KeyDown(int key, Qt::KeyboardModifiers modifiers);
  void ShowHintAt(TPoint at, const QString &text);

  // --- Pictures ----------------------------------------------------------------------------

  // The back buffer, repainted first when stale.
  const QImage &Picture();
  // The same picture as vectors, cut to the plot (for SVG and the clipboard).
  QPicture VectorPicture();
  QByteArray SvgData();
  // ".svg" as vectors, ".png", ".bmp" and ".jpg" as pixels; written atomically.
  bool SavePicture(const QString &fileName, QString *error = nullptr);
  // The picture on the clipboard as an image and as image/svg+xml.
  void CopyPicture();
  // Something changed: the back buffer is stale and the widget repaints.
  void Invalidate();

  TAxe &AxeX() { return FAxeX; }
  TAxe &AxeY() { return FAxeY; }
  TGPoint &Origine() { return *FOrigine; }
  // The video frame behind the plot, drawn when IsSourceImgVisible.
  TSourceImg &SourceImg() { return *FSourceImg; }

 private:
  TGElem *Append(std::unique_ptr<TGElem> element, int curve, bool fresh);
  void ApplyWorld(const TRectD &rect);
  void DistributeAspect(TRectD &rect) const;
  void ApplyPlotRect();
  void WireModel(TGModele *model);
  void ApplyModelPanels();
  TGModele *PanelAt(TPoint at) const;
  void Paint(QPainter &painter, bool vector);
  void PaintScaleBars(QPainter &painter);
  void RenderBackground();
  void ZoomClick(Qt::MouseButton button, bool fine, TPoint at);
  void ZoomRectangle();
  void ZoomBy(double newX, double newY, TPointD about);
  void EndDrags(Qt::KeyboardModifiers modifiers, TPoint at);
  void ToolMove(Qt::KeyboardModifiers modifiers, TPoint at);
  void UpdateVectorsOfKind(int key);
  // The longest vector's default length in pixels: an eighth of the plot's diagonal.
  double DefaultVectorLength() const;
  // Sizes a vector kind's scale from its vectors (see InitVectorScale); false, the scale
  // kept, when every vector is zero or there is no plot yet.
  bool FitVectorScale(TParamCom &param);
  unsigned ShiftOf(Qt::KeyboardModifiers modifiers) const;

  IGraphSurface *Surface = nullptr;
  std::unique_ptr<IGraphEditor> FEditor;
  TGraphStyle Style;

  int FWidth = 0, FHeight = 0;
  int FAxeXFromTop = 20, FAxeXFromBottom = 45, FAxeYFromLeft = 75, FAxeYFromRight = 20;
  int FLEchelleEnPixels = 64;
  bool BoundsEnabled = true;

  TRectD World{0.0, 100.0, 0.0, 100.0};
  bool FKeepAspect = false;
  bool FMovedByHand = false;
  TAxe FAxeX{false}, FAxeY{true};

  std::vector<std::unique_ptr<TCourbe>> Curves;
  std::unique_ptr<TCourbe> FDefaultCurve;
  std::vector<std::unique_ptr<TGElem>> FElements;
  std::vector<std::unique_ptr<TParamCom>> FVectorParams;
  int FVectorParamIndex = -1;
  double FVectorScaleValue = -1.0;
  std::unique_ptr<TGPoint> FOrigine;
  std::unique_ptr<TSourceImg> FSourceImg;

  int FTool = gtNone;
  int FDragState = 0;  // 0 nothing, 3 panning
  TZoom FZoom;
  TPoint LastMouse;
  TPointD FMouseWorld;
  TGModele *AdjustedModel = nullptr;  // the model being dragged (tool 11)
  TGModele *PanelModel = nullptr;     // the panel taking the mouse
  // A Shift-drag of the model tools chooses the abscissas to fit.
  bool RangeDragging = false;
  TPoint RangeStart, RangeEnd;

  QImage BackBuffer;
  QImage Background;
  bool Stale = true;
};

}  // namespace kolibra::results
