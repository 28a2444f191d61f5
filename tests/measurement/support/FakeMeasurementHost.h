#pragma once
// A measurement document for tests: it keeps a clone of every recorded object (its state
// before the change), counts notifications and invalidations, and answers the layer's mark
// hooks as told.

#include "kit/Color.h"
#include "measurement/HistObject.h"
#include "measurement/MeasurementHost.h"

#include <functional>
#include <memory>
#include <vector>

namespace kolibra::measurement::testing {

struct TRecordedCall {
  THistObject *Object = nullptr;            // the live object
  int ObjectId = 0;
  int ObjectKind = 0;
  int ActionKind = 0;
  int Group = 0;                            // 0 outside any group
  std::shared_ptr<THistObject> Copy;        // its state when recorded
};

class FakeMeasurementHost : public IMeasurementHost {
 public:
  void Record(THistObject *object, int actionKind) override {
    TRecordedCall call;
    call.Object = object;
    call.ObjectId = object->ObjectId;
    call.ObjectKind = object->ObjectKind;
    call.ActionKind = actionKind;
    call.Group = GroupDepth > 0 ? GroupNumber : 0;
    call.Copy = std::shared_ptr<THistObject>(object->Clone());
    Records.push_back(call);
  }
  void BeginGroup() override {
    if (GroupDepth++ == 0) ++GroupNumber;
    ++BeginGroupCount;
  }
  void EndGroup() override {
    if (GroupDepth > 0) --GroupDepth;
    ++EndGroupCount;
  }
  void InvalidateResults(TResultsScope scope) override {
    if (scope == TResultsScope::BothModes)
      ++InvalidateBothCount;
    else
      ++InvalidateActiveCount;
  }
  void AxesChanged() override { ++AxesChangedCount; }
  void ScaleChanged() override { ++ScaleChangedCount; }
  void ScaleKindChanged() override { ++ScaleKindChangedCount; }
  int ElementSize() const override { return Size; }
  TColor ElementColor() const override { return Color; }
  bool SeparateScales() const override { return Separate; }
  int FramesNumberBetweenTwoMarks() const override { return FramesStep; }

  bool PointLayerMark(TPointD position) override {
    PointedLayerMarks.push_back(position);
    return PointLayerMarkResult;
  }
  bool RemoveLastLayerMark() override {
    ++RemoveLastLayerMarkCount;
    if (OnRemoveLastLayerMark) OnRemoveLastLayerMark();
    return RemoveLastLayerMarkResult;
  }
  void RecomputeLayerMarkPixels() override { ++RecomputeLayerMarkPixelsCount; }

  // The action codes recorded so far, in order.
  std::vector<int> ActionKinds() const {
    std::vector<int> kinds;
    for (const TRecordedCall &call : Records) kinds.push_back(call.ActionKind);
    return kinds;
  }
  int InvalidateCount() const { return InvalidateActiveCount + InvalidateBothCount; }

  // Answers and settings.
  int Size = 0;
  TColor Color = colors::clYellow;
  bool Separate = false;
  int FramesStep = 1;
  bool PointLayerMarkResult = true;
  bool RemoveLastLayerMarkResult = true;
  std::function<void()> OnRemoveLastLayerMark;

  // What happened.
  std::vector<TRecordedCall> Records;
  std::vector<TPointD> PointedLayerMarks;
  int GroupDepth = 0;
  int GroupNumber = 0;
  int BeginGroupCount = 0;
  int EndGroupCount = 0;
  int InvalidateActiveCount = 0;
  int InvalidateBothCount = 0;
  int AxesChangedCount = 0;
  int ScaleChangedCount = 0;
  int ScaleKindChangedCount = 0;
  int RemoveLastLayerMarkCount = 0;
  int RecomputeLayerMarkPixelsCount = 0;
};

}  // namespace kolibra::measurement::testing
