#pragma once
// IMeasurementHost: what the axes, the layer and the scale need of the measurement document
// that owns them. The document implements it; tests use a double. The objects never reach
// the history, the calculators, the options or the marks in any other way.

#include "kit/Color.h"
#include "kit/Types.h"

#include <algorithm>

namespace kolibra::measurement {

class THistObject;

// Which calculators a change makes stale: the one of the measurement mode in force (marks,
// origins, axes, layer), or both (the scale serves both modes).
enum class TResultsScope { ActiveMode, BothModes };

class IMeasurementHost {
 public:
  virtual ~IMeasurementHost() = default;

  // Undo history. Record copies object as it is now, so callers record before they change
  // it (and, for an object just added, right after adding it). Groups nest.
  virtual void Record(THistObject *object, int actionKind) = 0;
  virtual void BeginGroup() = 0;
  virtual void EndGroup() = 0;

  // Marks the kinematics results out of date.
  virtual void InvalidateResults(TResultsScope scope) = 0;

  // Notifications to the main window.
  virtual void AxesChanged() = 0;       // the fixed origin was placed, moved, rotated or erased
  virtual void ScaleChanged() = 0;      // a scale point was placed
  virtual void ScaleKindChanged() = 0;  // the scale the tools edit changed

  // Drawing style: 0 small, 1 medium, 2 large; the colour of axes, layer and scale.
  virtual int ElementSize() const = 0;
  virtual TColor ElementColor() const = 0;

  // The option that calibrates x and y with a horizontal and a vertical scale.
  virtual bool SeparateScales() const = 0;

  // Frames skipped forward once a frame is fully pointed.
  virtual int FramesNumberBetweenTwoMarks() const = 0;

  // The layer's hooks into its marks. PointLayerMark points the layer mark of the current
  // frame at a frame-relative position and returns false when it was refused (the frame
  // already holds it; the user has been told). RemoveLastLayerMark removes the last created
  // layer mark and shows its frame, and returns false when there was none (the layer then
  // steps its own stage back).
  // RecomputeLayerMarkPixels makes the layer marks follow a moved layer on screen.
  virtual bool PointLayerMark(TPointD position) = 0;
  virtual bool RemoveLastLayerMark() = 0;
  virtual void RecomputeLayerMarkPixels() = 0;
};

// Pen width and hit size of an element size: 1, 3 or 5 pixels.
inline int ElementPenWidth(int elementSize) { return 2 * std::clamp(elementSize, 0, 2) + 1; }

// Length of the arrowheads of the axes: 10, 15 or 20 pixels.
inline int ElementArrowLength(int elementSize) { return 10 + 5 * std::clamp(elementSize, 0, 2); }

}  // namespace kolibra::measurement
