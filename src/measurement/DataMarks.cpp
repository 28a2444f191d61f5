// The document's mark commands and queries, on the collection of the measurement mode.

#include "measurement/Data.h"

#include <algorithm>

namespace kolibra::measurement {

namespace data_marks_impl {

// Suspends recording for a scope: what the video editing deletes is not undoable.
class TNoRecordScope {
 public:
  explicit TNoRecordScope(int &depth) : Depth(depth) { ++Depth; }
  ~TNoRecordScope() { --Depth; }
  TNoRecordScope(const TNoRecordScope &) = delete;
  TNoRecordScope &operator=(const TNoRecordScope &) = delete;

 private:
  int &Depth;
};

}  // namespace data_marks_impl

TPolyContainer &TData::ActiveCollection() const {
  if (IsLayerMeasurement()) return *LayerCollection;
  return *FixedCollection;
}

TMarkSeries TData::ExtractSeries() const { return ExtractSeries(IsLayerMeasurement()); }

TMarkSeries TData::ExtractSeries(bool layer) const {
  const TPolyContainer &collection = layer ? static_cast<const TPolyContainer &>(*LayerCollection)
                                           : static_cast<const TPolyContainer &>(*FixedCollection);
  return collection.ExtractSeries(Interval, TimeShifts, UsesVideoTimes() ? &Stamps : nullptr);
}

TDoubleDynArray TData::MarkedFrameTimes() const { return ExtractSeries().Times; }

void TData::SetObjectsCount(int count) {
  count = std::max(1, count);
  if (count == FixedCollection->MarksNumberPerFrame) {
    FixedCollection->SetMarksNumberPerFrame(count);
    return;
  }
  // The count and the marks of the objects it drops come back in one undo.
  BeginGroup();
  Record(FixedCollection.get(), akModify);
  FixedCollection->SetMarksNumberPerFrame(count);
  EndGroup();
  View().Invalidate();
}

void TData::SetCurrentMarkOrderNumber(int order) { ActiveCollection().SetCurrentMarkOrderNumber(order); }

void TData::SetMarksNumberToDraw(int count) {
  ActiveCollection().MarksNumberToDraw = std::max(1, count);
  Fire(OnContentChange);
  View().Invalidate();
}

void TData::SetMarksIsAllDrawn(bool value) {
  ActiveCollection().MarksIsAllDrawn = value;
  Fire(OnContentChange);
  View().Invalidate();
}

void TData::SetMarksNumberPosition(int position) {
  ActiveCollection().MarksNumberPosition = std::clamp(position, 0, 2);
  Fire(OnContentChange);
  View().Invalidate();
}

int TData::FrameMarksCount(int frameIndex) const {
  if (Mode != TMeasurementMode::Editing) return -1;
  return ActiveCollection().FrameMarksCount(frameIndex);
}

void TData::SetSystemName(int index, const QString &name) {
  ActiveCollection().SetSystemName(index, name);
  Fire(OnContentChange);
}

void TData::SetObjectMass(bool layer, int index, double kilograms) {
  if (!ObjectMasses.Set(layer, index, kilograms)) return;
  InvalidateCalculators(layer ? TCalculatorSet::Layer : TCalculatorSet::FixedAxes);
  Fire(OnContentChange);
}

void TData::SetCentreOfMassShown(bool shown) {
  if (ObjectMasses.ShowCentre == shown) return;
  ObjectMasses.ShowCentre = shown;
  Fire(OnContentChange);
  View().Invalidate();
}

void TData::PlaceTrackedMarks(const TPointDMatrix &positions, const TMatriceI &frames) {
  FixedCollection->PlaceTrackedMarks(positions, frames);
}

void TData::EraseMark(TMarque *mark) {
  if (FixedCollection->HoldsMark(mark))
    FixedCollection->EraseMark(mark);
  else if (LayerCollection->HoldsMark(mark))
    LayerCollection->EraseMark(mark);
  View().Invalidate();
}

void TData::EraseFrameMarks(int frameIndex) {
  ActiveCollection().EraseFrame(frameIndex);
  View().Invalidate();
}

void TData::DeleteAllMarks() {
  ActiveCollection().DeleteAllMarks();
  View().Invalidate();
}

void TData::DeleteFrame(int frameIndex) {
  {
    data_marks_impl::TNoRecordScope noRecord(UndoDepth);
    FixedCollection->ClearFrame(frameIndex);
    LayerCollection->ClearFrame(frameIndex);
    LayerSystem->DeleteOriginOfFrame(frameIndex);
  }
  FixedHistory->Clear();
  LayerHist->Clear();
  RecomputeLayerMarkPixels();
  InvalidateCalculators(TCalculatorSet::Both);
  View().Invalidate();
}

int TData::KeepFramesOnly(const std::function<bool(int frame)> &keep) {
  const auto drop = [&keep](int frame) { return !keep(frame); };
  const int removed = FixedCollection->DiscardFrames(drop) + LayerCollection->DiscardFrames(drop);
  LayerSystem->DiscardOriginsOf(drop);
  // A history copy could still name what went.
  ClearHistories();
  FrameChanged();
  RecomputeLayerMarkPixels();
  View().Invalidate();
  return removed;
}

}  // namespace kolibra::measurement
