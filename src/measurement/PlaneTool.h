#pragma once
// TPlaneTool: the plane and lens calibration as the user edits it over the video.
//
// Two tools share it. The plane tool places a rectangle of known size lying in the plane of
// the motion: four clicks on its corners (plane (0, 0), (W, 0), (W, H), (0, H)), then the
// window asks for its width and height (PlaceRectangle). Once placed, a corner pressed with
// the same tool is dragged, and the plane follows the pointer; the whole drag is one
// undoable step. The lens tool traces lines that are straight in reality: each left click
// adds a point to the line being traced, the right button (or Enter) ends it, and the lens
// is fitted again from every line traced so far, as one undoable step.
//
// State (what the undo history copies): the calibration and the traced lines. The corners
// being clicked, the line being traced and a drag in progress stay with the live object.
// Points are picture pixels as seen (see TPlaneCalibration); the view turns them into its
// own pixels.

#include "kit/Types.h"
#include "measurement/HistObject.h"
#include "measurement/MeasurementHost.h"
#include "measurement/PlaneCalibration.h"
#include "measurement/ViewPort.h"

#include <QString>
#include <Qt>

#include <functional>
#include <vector>

class QPainter;

namespace kolibra::measurement {

enum class TPlaneEditing { Rectangle, Lines };

class TPlaneTool : public THistObject {
 public:
  TPlaneTool(IMeasurementHost &host, IViewPort &view);

  void Assign(const THistObject &source) override;
  bool IsEqual(const THistObject &other) const override;
  std::unique_ptr<THistObject> Clone() const override;

  const TPlaneCalibration &Calibration() const { return FCalibration; }
  const std::vector<TPointDDynArray> &Lines() const { return FLines; }
  // A loaded work or the command line: no undo, no traced lines, no input in progress.
  void Reset(const TPlaneCalibration &calibration);

  // The corners clicked so far (0 to 4).
  const TPointDDynArray &PendingCorners() const { return Pending; }
  // The size of the rectangle whose four corners were clicked (or, with none clicked, of the
  // rectangle in place), as one undoable step; false with the reason (clicked corners then
  // wait for another size or a cancel).
  bool PlaceRectangle(double width, double height, QString *why = nullptr);
  // A lens found otherwise (a checkerboard), as one undoable step; the traced lines go.
  void SetLens(const TLens &lens);
  // The plane, the lens and the traced lines go, as one undoable step.
  void Erase();
  // The corners being clicked and the line being traced go; a drag ends.
  void CancelInput();
  void EndDrag();

  // Pixels are view pixels.
  void MouseDown(TPlaneEditing editing, Qt::MouseButton button, TPoint pixel);
  void MouseMove(TPlaneEditing editing, TPoint pixel);
  void MouseUp(TPlaneEditing editing, Qt::MouseButton button, TPoint pixel);
  // Enter: a left click where the pointer is (or the end of a line); Escape: cancel.
  bool KeyDown(TPlaneEditing editing, int key);
  // What the active tool is editing: clicked corners or the traced line, the corners'
  // handles, the lines already traced.
  void Draw(QPainter *canvas, TPlaneEditing editing) const;
  int CursorCode(TPlaneEditing editing) const;

  // Screen distance within which a press takes a corner.
  static constexpr int HitRadius = 8;

  // The fourth corner is placed: the window asks for the rectangle's size.
  std::function<void()> OnCornersPlaced;
  // A traced line could not give a lens, or a drag was refused: the reason, for the user.
  std::function<void(const QString &)> OnRefusal;
  // The calibration changed (results stale, the view repainted).
  std::function<void()> OnChanged;

 private:
  TPointD Picture(TPoint pixel) const;
  TPoint Screen(TPointD picture) const;
  int CornerAt(TPoint pixel) const;
  void EndLine();
  // The calibration takes the open video's size (the lens's default centre and focal length).
  void FitPicture();
  void Changed();

  IMeasurementHost &Host;
  IViewPort &View;
  TPlaneCalibration FCalibration;
  std::vector<TPointDDynArray> FLines;
  TPointDDynArray Pending;
  TPointDDynArray Line;
  int Dragged = -1;
  TPoint Pointer;
};

}  // namespace kolibra::measurement
