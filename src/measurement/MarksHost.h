#pragma once
// IMarksHost: what the mark collections need of the measurement document beyond what the
// coordinate system needs (IMeasurementHost): the marks notification, the per-object
// colours and visibilities, and the two options that shape how marks are drawn. The
// document implements it; tests use a double.

#include "kit/Color.h"
#include "measurement/MeasurementHost.h"

namespace kolibra::measurement {

class IMarksHost : public IMeasurementHost {
 public:
  // A mark entered or left a collection's list of marks.
  virtual void MarksChanged() = 0;
  // The number of objects of the fixed-axes collection was set (to count); the document
  // extends its colours and visibilities when it grew and fires its systems notification.
  virtual void ObjectsCountChanged(int count) = 0;

  // Colour and visibility of object index; out of range: red (255) and visible.
  virtual TColor ObjectColor(int index) const = 0;
  virtual bool ObjectVisible(int index) const = 0;

  // The option that numbers marks from 0 instead of 1.
  virtual bool MarkNumbersStartAtZero() const = 0;
  // Where a collection writes its mark numbers by default (0 below, 1 right, 2 none): the
  // options of the fixed-axes marks or of the layer marks.
  virtual int DefaultMarksNumberPosition(bool layer) const = 0;
};

}  // namespace kolibra::measurement
