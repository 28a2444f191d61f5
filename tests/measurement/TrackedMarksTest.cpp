// Marks placed by the tracker through the document: moved marks make the results stale and
// tell the window, objects beyond the measurement's count are left out, nothing to place
// records nothing, and tens of thousands of positions land in one undoable step.

#include "measurement/support/DocumentFixture.h"

namespace kolibra::measurement::testing {
namespace {

class TrackedMarksTest : public DocumentFixture {
 protected:
  TrackedMarksTest() {
    data.SetMeasurementMode(TMeasurementMode::None);  // tracking mode
    data.OnMarksChange = [this](TData *) { ++notified; };
  }
  int notified = 0;
};

TEST_F(TrackedMarksTest, MovedMarksMakeTheResultsStaleAndTellTheWindow) {
  data.PlaceTrackedMarks({{{0.1, 0.1}, {0.2, 0.2}}}, {{3, 4}});
  ASSERT_EQ(data.MarksCount(), 2);
  results.Calls.clear();
  notified = 0;
  // Only moves this time: both marks exist.
  data.PlaceTrackedMarks({{{0.5, 0.5}, {0.6, 0.6}}}, {{3, 4}});
  EXPECT_EQ(data.MarksCount(), 2);
  EXPECT_DOUBLE_EQ(data.FixedMarks().FindContainer(4)->FindMark(0)->GetAbsolutePosition().X, 0.6);
  EXPECT_GE(results.Count(TCalculatorSet::FixedAxes), 1);
  EXPECT_EQ(notified, 1) << "told once, not once a mark";
  EXPECT_EQ(data.UndoCaption(), QStringLiteral("Cancel Move Mark"));
  data.Undo();
  EXPECT_DOUBLE_EQ(data.FixedMarks().FindContainer(4)->FindMark(0)->GetAbsolutePosition().X, 0.2);
}

TEST_F(TrackedMarksTest, ObjectsBeyondTheCountAreLeftOut) {
  // Two objects measured, three tracked.
  data.SetMeasurementMode(TMeasurementMode::FixedAxes);
  data.SetObjectsCount(2);
  data.SetMeasurementMode(TMeasurementMode::None);
  data.PlaceTrackedMarks({{{0.1, 0.1}}, {{0.2, 0.2}}, {{0.3, 0.3}}}, {{5}, {5}, {5}});
  EXPECT_EQ(data.MarksCount(), 2);
  EXPECT_EQ(data.FixedMarks().FindContainer(5)->MarksCount(), 2);
  EXPECT_EQ(data.FixedMarks().FindContainer(5)->FindMark(2), nullptr);
}

TEST_F(TrackedMarksTest, NothingToPlaceRecordsNothing) {
  const int groups = data.FixedMarksHistory().GroupCounter();
  for (const auto &[positions, frames] : std::vector<std::pair<TPointDMatrix, TMatriceI>>{
           {{}, {}},
           {{{{0.1, 0.1}, {0.2, 0.2}}}, {{-1, -1}}},
           {{{}}, {{}}},
       }) {
    data.PlaceTrackedMarks(positions, frames);
    EXPECT_EQ(data.FixedMarksHistory().GroupCounter(), groups);
    EXPECT_EQ(data.FixedMarksHistory().Count(), 0);
  }
  EXPECT_EQ(notified, 0);
  EXPECT_TRUE(data.UndoCaption().isEmpty());
}

TEST_F(TrackedMarksTest, ThirtyThousandPositionsLandInOneStep) {
  constexpr int frames = 30000;
  TPointDMatrix positions(1);
  TMatriceI indexes(1);
  // Every other frame from the end backwards, so ranks differ from the order of arrival.
  for (int k = 0; k < frames; ++k) {
    positions[0].emplace_back(double(k % 1000) / 1000.0, 0.5);
    indexes[0].push_back(2 * (frames - 1 - k));
  }
  data.PlaceTrackedMarks(positions, indexes);
  ASSERT_EQ(data.MarksCount(), frames);
  EXPECT_EQ(notified, 1);
  EXPECT_EQ(data.FixedMarksHistory().Count(), frames);
  const TPolyContainer &marks = data.FixedMarks();
  EXPECT_EQ(marks.FindContainer(0)->MarksContainerMarkNumber, 0);
  EXPECT_EQ(marks.FindContainer(2 * (frames - 1))->MarksContainerMarkNumber, frames - 1);
  EXPECT_EQ(marks.Mark(0)->ListIndex, 0);
  EXPECT_EQ(marks.Mark(frames - 1)->ListIndex, frames - 1);
  EXPECT_EQ(marks.LastMarkedFrame(), 0) << "the containers keep the order the frames came in";
  const TMarkSeries series = data.ExtractSeries(false);
  ASSERT_EQ(series.Times.size(), size_t(frames));
  EXPECT_EQ(series.FrameIndex[0][1], 2);
}

}  // namespace
}  // namespace kolibra::measurement::testing
