#pragma once
// TEchelle: the length calibration. Either one general segment of known length (one
// physical length per frame pixel in both directions) or, with the separate-scales option,
// a horizontal segment for x and a vertical one for y. ScaleKind says which segment the
// scale tools edit: 0 general, 1 horizontal, 2 vertical.
//
// Invariants: each points count is 0, 1 or 2 and the points beyond it mean nothing; a
// horizontal segment keeps both ends on one row, a vertical one on one column. The pixel
// caches follow the points and the view (ComputePixels after a zoom, a pan or a resize).

#include "kit/Types.h"
#include "measurement/HistObject.h"
#include "measurement/MeasurementHost.h"
#include "measurement/PressDrag.h"
#include "measurement/ViewPort.h"

#include <Qt>

class QPainter;

namespace kolibra {
class TIniFile;
}

namespace kolibra::measurement {

enum TScaleKind : int { skGeneral = 0, skHorizontal = 1, skVertical = 2 };

class TEchelle : public THistObject {
 public:
  TEchelle(IMeasurementHost &host, IViewPort &view);

  // Copies the three segments. ScaleKind (a setting of the document), a drag in progress
  // and the pixel caches stay with the live object.
  void Assign(const THistObject &source) override;
  bool IsEqual(const THistObject &other) const override;
  std::unique_ptr<THistObject> Clone() const override;

  // "ScalePointsNumber", "ScalePoint1XCoordinate" ... "ScaleLength", then the same with
  // "ScaleHoriz" and "ScaleVert"; the work file saves the scale without suffix.
  void LoadFromIni(const TIniFile &ini, const QString &section, const QString &suffix);
  void SaveToIni(TIniFile &ini, const QString &section, const QString &suffix) const;

  // Back to the state of a new measurement; ScaleKind follows the option silently.
  void ResetToDefaults();

  // Physical units per frame-relative unit in x and y; (-1, -1) when unavailable (and y
  // alone -1 when only the vertical scale is missing). width and height are the native
  // frame size in pixels.
  TPointD ScaleFactors(int nativeWidth, int nativeHeight, bool separateScales) const;
  // The same for the open video and the option in force.
  TPointD ScaleFactors() const;

  // Readiness: two points and a positive length.
  bool IsGeneralReady() const;
  bool IsHorizReady() const;
  bool IsVertReady() const;
  // What the document reports: the general scale for kind 0, both separate ones otherwise.
  bool IsReady() const;

  // Each changes the length only when the difference is not near zero, then makes every
  // result stale.
  void SetScaleLength(double value);
  void SetScaleHorizLength(double value);
  void SetScaleVertLength(double value);

  // Fires the scale-kind notification when the kind changes.
  void SetScaleKind(int kind);
  // The option changed: kind 2 when it is on and the kind is 0, kind 0 when it is off.
  void ApplySeparateScales(bool separateScales);

  // Removes both points of the selected segment (action 9 when it was complete).
  void EraseSelected();

  void ComputePixels();
  TPoint Pixel1(int kind) const;
  TPoint Pixel2(int kind) const;

  // The scale tools (the segment of ScaleKind). Pixels are view pixels.
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel);
  void MouseMove(Qt::KeyboardModifiers modifiers, TPoint pixel);
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel);
  // Enter (or Return) presses at the pointer's last position, or ends a drag.
  bool KeyDown(int key, Qt::KeyboardModifiers modifiers);
  void EndDrag() { DragState = -2; }

  // The general segment for kind 0, the horizontal and vertical ones otherwise, and the
  // rubber band of a segment being placed, each with a tick across both ends.
  void Draw(QPainter *canvas) const;

  int ScalePointsNumber = 0;
  int ScaleHorizPointsNumber = 0;
  int ScaleVertPointsNumber = 0;
  double ScaleLength = 0.0;
  double ScaleHorizLength = 0.0;
  double ScaleVertLength = 0.0;
  TPointD ScalePoint1, ScalePoint2;
  TPointD ScaleHorizPoint1, ScaleHorizPoint2;
  TPointD ScaleVertPoint1, ScaleVertPoint2;
  int DragState = -2;  // -2 none, -1 moving the segment, 0 moving end 1, 1 moving end 2
  int ScaleKind = skGeneral;

 private:
  // The fields of one segment, so that the tools work on any of the three alike.
  struct TSegment {
    int *Count;
    double *Length;
    TPointD *Point1;
    TPointD *Point2;
    TPoint *Pixel1;
    TPoint *Pixel2;
  };
  TSegment Segment(int kind);
  TSegment Segment(int kind) const { return const_cast<TEchelle *>(this)->Segment(kind); }
  void SetLength(double &length, double value);
  // A point of the selected segment moved to a pixel; false when the move is refused.
  bool MoveEnd(int end, TPoint pixel);
  // Places the second end of the selected segment at a pixel (a second click, or the release
  // of a drag); false when refused.
  bool PlaceSecondEnd(TPoint pixel);
  void DrawSegment(QPainter *canvas, TPoint a, TPoint b) const;

  IMeasurementHost &Host() const { return *HostLink; }
  IViewPort &View() const { return *ViewLink; }

  IMeasurementHost *HostLink;
  IViewPort *ViewLink;
  TPoint Pixels[3][2];
  TPoint Rubber;             // the pointer while the second point is awaited
  bool HasRubber = false;
  TPressDrag Placing;        // the press that placed the first end, until its release
  TPoint LastDragPoint;
  TPoint LastPointer;        // for the Enter key
};

}  // namespace kolibra::measurement
