#pragma once
// TTransparent: the layer, a rectangle with horizontal and vertical axes that the user
// carries from frame to frame so that positions are read in a moving frame of reference.
// Its origin on each frame is recorded as a TOrigine in Origins; a layer mark stores its
// position relative to the origin of its own frame.
//
// Working cycle (LayerStage): 0 waiting for a grab, 1 following the pointer, 2 waiting for
// the mark. A press grabs the layer (0 -> 1), the release drops it and records the origin
// of the current frame (1 -> 2), the next press points the layer mark and moves the video on
// (2 -> 0). The right button steps back: in stage 0 the last layer mark goes (0 -> 2), in
// stage 2 the last recorded origin goes (2 -> 0). Every stage change repaints the view.
//
// While no origin is recorded the layer rests at RestOrigin, near the corner that keeps its
// arrows inside the frame.

#include "measurement/Repere.h"

#include <Qt>

class QPainter;

namespace kolibra::measurement {

class TTransparent : public TRepere {
 public:
  TTransparent(IMeasurementHost &host, IViewPort &view);

  // Copies the measured state: directions, origin, origins, size and rest position. The
  // stage, the grab and the pixel rectangle stay with the live object.
  void Assign(const THistObject &source) override;
  bool IsEqual(const THistObject &other) const override;
  std::unique_ptr<THistObject> Clone() const override;

  void InsertOrigin(std::unique_ptr<TOrigine> origin, int actionKind) override;
  // The TRepere keys with the suffix, then "LayerStage", "LayerWidth", "LayerHeight"
  // (without suffix), "OriginePositionsNumber" with the suffix and each origin i with the
  // suffix S + "_" + i.
  void LoadFromIni(const TIniFile &ini, const QString &section, const QString &suffix) override;
  void SaveToIni(TIniFile &ini, const QString &section, const QString &suffix) const override;
  void RemoveOrigin(TOrigine *origin, int actionKind) override;
  void SetDirectX(bool value) override;
  void SetDirectY(bool value) override;
  void SetCurrentOrigin(TPointD position) override;

  // Back to the state of a new measurement; nothing is recorded.
  void ResetToDefaults();

  // The stage codes of the work file: stage 0 is stored as 1, stage 1 as 0, stage 2 as 2.
  static int StageToStored(int stage);
  static int StoredToStage(int stored);

  void SetLayerWidth(double value);
  void SetLayerHeight(double value);
  // Sets the stage and repaints.
  void SetLayerStage(int stage);
  // One step forward (0 -> 1 -> 2 -> 0) or back (0 -> 2 -> 1 -> 0), repeated.
  void AdvanceStage(int steps);
  void StepBackStage(int steps);

  // The keys "-" and "+": 0.9 times smaller while LayerWidth > 0.1, 1.1 times larger while
  // LayerWidth < 1, each recorded (action 7). False when the limit stopped it.
  bool Shrink();
  bool Grow();

  // Recomputes RestOrigin from the size and the directions; with no recorded origin the
  // layer goes there. Called when a direction changes and when the layer tool is chosen.
  void ComputeRestOrigin();
  // Shows the layer where Origins[index] puts it, or at RestOrigin for an index out of range.
  void ShowLayer(int index);
  // Shows the layer of a video frame when an origin is recorded for it; false otherwise.
  bool ShowFrameLayer(int frameIndex);
  // Removes every recorded origin (action 15 each, one history group) and rests.
  void ClearAllPositions();

  // Recomputes the pixel rectangle from the centre, the size and the view.
  void ComputeRectangle();
  TPoint RectTopLeft() const { return TopLeft; }
  TPoint RectBottomRight() const { return BottomRight; }
  // The centre of the rectangle: the grab position while following, else OrigineCurrent.
  TPointD Centre() const;

  // The layer tool. Pixels are view pixels.
  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel);
  void MouseMove(Qt::KeyboardModifiers modifiers, TPoint pixel);
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel);
  // "-" (Qt::Key_Minus) shrinks, "+" (Qt::Key_Plus, or Qt::Key_Equal, the unshifted "=+"
  // key) grows, Enter presses at the pointer's last position or drops a following layer.
  // True when the key was used.
  bool KeyDown(int key, Qt::KeyboardModifiers modifiers);
  // The tool changed: a following layer stops where it is.
  void EndDrag();

  // The outline, both axes with their arrowheads and the labels.
  void Draw(QPainter *canvas) const;

  double LayerWidth = 0.5;   // half-width of the rectangle, frame-relative
  double LayerHeight = 0.5;  // half-height
  int LayerStage = 0;
  TPointD GrabPoint;         // last pointer position while following, frame-relative
  TPointD GrabOffset;        // GrabPoint - OrigineCurrent at the grab
  TOrigine RestOrigin;       // where the layer sits while no origin is recorded

 private:
  // Follows the pointer: the origin keeps its offset from the grab point.
  void FollowPointer(TPoint pixel);
  // The release: records the origin of the current frame and waits for the mark.
  void Drop(TPoint pixel);
  // The press in stage 2: the layer mark, then the next frame.
  void PointMark(TPoint pixel);
  // The origin that the last drop placed (it takes the frame of the mark pointed next).
  TOrigine *DroppedOrigin() const;

  TPoint TopLeft, BottomRight;
  TPoint LastPointer;
  int DroppedOriginId = 0;
};

}  // namespace kolibra::measurement
