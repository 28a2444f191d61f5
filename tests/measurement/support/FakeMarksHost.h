#pragma once
// A measurement document for the mark collections' tests: the history, notification and
// invalidation log of FakeMeasurementHost, plus the marks' own requests (object colours
// and visibilities, the numbering options, the marks and systems notifications).

#include "measurement/MarksHost.h"
#include "measurement/support/FakeMeasurementHost.h"

#include <vector>

namespace kolibra::measurement::testing {

class FakeMarksHost : public IMarksHost {
 public:
  // IMeasurementHost goes to the coordinate system's double.
  void Record(THistObject *object, int actionKind) override { Base.Record(object, actionKind); }
  void BeginGroup() override { Base.BeginGroup(); }
  void EndGroup() override { Base.EndGroup(); }
  void InvalidateResults(TResultsScope scope) override { Base.InvalidateResults(scope); }
  void AxesChanged() override { Base.AxesChanged(); }
  void ScaleChanged() override { Base.ScaleChanged(); }
  void ScaleKindChanged() override { Base.ScaleKindChanged(); }
  int ElementSize() const override { return Base.Size; }
  TColor ElementColor() const override { return Base.Color; }
  bool SeparateScales() const override { return Base.Separate; }
  int FramesNumberBetweenTwoMarks() const override { return Base.FramesStep; }
  bool PointLayerMark(TPointD position) override { return Base.PointLayerMark(position); }
  bool RemoveLastLayerMark() override { return Base.RemoveLastLayerMark(); }
  void RecomputeLayerMarkPixels() override { Base.RecomputeLayerMarkPixels(); }

  void MarksChanged() override { ++MarksChangedCount; }
  void ObjectsCountChanged(int count) override { ObjectsCounts.push_back(count); }
  TColor ObjectColor(int index) const override {
    return index >= 0 && size_t(index) < Colors.size() ? Colors[size_t(index)] : colors::clRed;
  }
  bool ObjectVisible(int index) const override {
    return index >= 0 && size_t(index) < Visible.size() ? Visible[size_t(index)] : true;
  }
  bool MarkNumbersStartAtZero() const override { return StartAtZero; }
  int DefaultMarksNumberPosition(bool layer) const override { return layer ? LayerNumberPosition : NumberPosition; }

  FakeMeasurementHost Base;
  std::vector<TColor> Colors{colors::clRed, colors::clLime, colors::clBlue};
  std::vector<bool> Visible{true, true, true};
  bool StartAtZero = false;
  int NumberPosition = 0;
  int LayerNumberPosition = 1;

  int MarksChangedCount = 0;
  std::vector<int> ObjectsCounts;
};

}  // namespace kolibra::measurement::testing
