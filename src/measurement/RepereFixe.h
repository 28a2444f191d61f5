#pragma once
// TRepereFixe: the axes fixed to the camera. The user places the origin with a click, drags
// it, and turns the pair of axes by dragging the positive half of either axis; the right
// button erases them. The y axis is always a quarter turn counter-clockwise from the x axis.
//
// Invariants: OriginePointsNumber is 0 (not placed) or 1; XAxisAngle lies in [-pi, pi] and
// YAxisAngle = NormalizeAngle(pi/2, XAxisAngle). The pixel caches follow OrigineCurrent, the
// angles and the view, and are recomputed by ComputeAxisLines after any of them changes
// (the document calls it after a zoom, a pan or a resize).

#include "measurement/Repere.h"

#include <Qt>

class QPainter;

namespace kolibra::measurement {

class TRepereFixe : public TRepere {
 public:
  TRepereFixe(IMeasurementHost &host, IViewPort &view);

  // Copies the measured state: placement, angles, origin, directions, origins. A drag in
  // progress and the pixel caches stay with the live object.
  void Assign(const THistObject &source) override;
  bool IsEqual(const THistObject &other) const override;
  std::unique_ptr<THistObject> Clone() const override;

  // The TRepere keys, then "OriginePointsNumber", "XAxisAngle" and "YAxisAngle", each with
  // the suffix ("Grid" in the work file).
  void LoadFromIni(const TIniFile &ini, const QString &section, const QString &suffix) override;
  void SaveToIni(TIniFile &ini, const QString &section, const QString &suffix) const override;

  double AxisAngle() const override { return XAxisAngle; }

  // Back to the state of a new measurement; nothing is recorded.
  void ResetToDefaults();

  bool IsPlaced() const { return OriginePointsNumber > 0; }

  // The angle rules. SetXAxisAngle does nothing when the angle does not change; both make
  // the results stale, recompute the lines and fire the axes notification.
  void SetXAxisAngle(double angle);
  void SetYAxisAngle(double angle);
  // An angle typed by the user: recorded (action 12), then SetXAxisAngle.
  void SetTypedXAxisAngle(double angle);

  // The right button: erases placed axes (action 9); the origin stays where it was.
  void EraseAxes();

  // Recomputes the origin pixel and both axis lines from the state and the view.
  void ComputeAxisLines();

  // The axes tool. Pixels are view pixels.
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel);
  void MouseMove(Qt::KeyboardModifiers modifiers, TPoint pixel);
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel);
  // Enter (or Return) presses at the pointer's last position, or ends a drag. True when
  // the key was used.
  bool KeyDown(int key, Qt::KeyboardModifiers modifiers);
  // Ends any drag (the tool changed).
  void EndDrag() { DragState = 0; }

  // Both axes with arrowheads at their positive ends and their labels; nothing when the
  // axes are not placed.
  void Draw(QPainter *canvas) const;

  // The cached view pixels.
  TPoint OriginPixel() const { return OriginPix; }
  TPoint XAxisStart() const { return XStart; }
  TPoint XAxisEnd() const { return XEnd; }
  TPoint YAxisStart() const { return YStart; }
  TPoint YAxisEnd() const { return YEnd; }
  // The end of each axis that the arrow marks (the start when the axis is reversed).
  TPoint PositiveXEnd() const { return DirectXAxisDirection ? XEnd : XStart; }
  TPoint PositiveYEnd() const { return DirectYAxisDirection ? YEnd : YStart; }

  int OriginePointsNumber = 0;  // 0: axes not placed; 1: placed
  double XAxisAngle = 0.0;      // radians, counter-clockwise on screen
  double YAxisAngle;            // XAxisAngle + pi/2, normalised
  int DragState = 0;            // 0 none, 1 moving the origin, 2 rotating by x, 3 rotating by y

 private:
  // Where the pointer is, in relation to the axes (for presses and the cursor).
  enum class THitPart { None, Origin, XAxis, YAxis };
  THitPart HitPart(TPoint pixel) const;
  // The segment of the line through the origin pixel in the direction of angle, from the
  // view border behind the origin to the border ahead of it.
  void AxisLine(double angle, TPoint &start, TPoint &end) const;

  TPoint XStart, XEnd, YStart, YEnd, OriginPix, LastDragPoint;
  TPoint LastPointer;  // where the pointer was last seen, for the Enter key
};

}  // namespace kolibra::measurement
