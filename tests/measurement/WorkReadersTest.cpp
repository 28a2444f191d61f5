// The document's work-file readers on files nobody should have written: counts far beyond
// what the file holds, positions that are not numbers, intervals the time dialog would
// refuse, too many objects, frames a video does not have. Each must read in a moment, keep
// what is sound, and drop the rest.

#include "measurement/support/DocumentFixture.h"

#include <cmath>
#include <limits>

namespace kolibra::measurement::work_readers_test {

class WorkReadersTest : public testing::DocumentFixture {
 protected:
  // A document read from the lines of section "Data".
  void Read(const QString &lines) {
    data.SetFrameInterval(0.04);  // what the video said
    const TIniFile ini = TIniFile::FromText(QString(), QStringLiteral("[Data]\n") + lines);
    data.LoadFromIni(ini);
  }
};

TEST_F(WorkReadersTest, HugeCountsReadOnlyWhatTheFileHolds) {
  Read(QStringLiteral("MarksContainersNumber_Grid=2147483647\n"
                      "MarksContainerFrameNumber_Grid_0=3\nMarksContainerMarksNumber_Grid_0=2147483647\n"
                      "MarkOrderNumber_Grid_0_0=0\nMarkXCoordinate_Grid_0_0=0.25\nMarkYCoordinate_Grid_0_0=0.5\n"
                      "OriginePositionsNumber_Layer=2147483647\nSystemNamesNumber_Grid=2147483647\n"
                      "MarkColorsNumber=2147483647\nMarkVisibiltiesNumber=2147483647\n"
                      "MarksNumberPerFrame_Grid=2147483647\n"));
  EXPECT_EQ(data.FixedMarks().MarksCount(), 1);
  EXPECT_EQ(data.FixedMarks().MarksNumberPerFrame, MaxObjectsCount) << "objects stay within the allowed number";
  EXPECT_EQ(data.FixedMarks().SystemNames.size(), MaxObjectsCount);
  EXPECT_EQ(data.MarkColors().size(), size_t(MaxObjectsCount));
  EXPECT_TRUE(data.Layer().Origins.empty());
}

TEST_F(WorkReadersTest, PositionsThatAreNotNumbersAreDropped) {
  Read(QStringLiteral("MarksContainersNumber_Grid=3\n"
                      "MarksContainerFrameNumber_Grid_0=1\nMarksContainerMarksNumber_Grid_0=1\n"
                      "MarkXCoordinate_Grid_0_0=NAN\nMarkYCoordinate_Grid_0_0=0.5\n"
                      "MarksContainerFrameNumber_Grid_1=2\nMarksContainerMarksNumber_Grid_1=1\n"
                      "MarkXCoordinate_Grid_1_0=0.5\nMarkYCoordinate_Grid_1_0=-INF\n"
                      "MarksContainerFrameNumber_Grid_2=3\nMarksContainerMarksNumber_Grid_2=1\n"
                      "MarkXCoordinate_Grid_2_0=0.5\nMarkYCoordinate_Grid_2_0=0.75\n"
                      "OrigineCurrentXCoordinate_Grid=NAN\nXAxisAngle_Grid=INF\nOriginePointsNumber_Grid=1\n"
                      "ScalePointsNumber=2\nScalePoint1XCoordinate=NAN\nScaleLength=1\n"
                      "ScaleHorizLength=-3\nLayerWidth=NAN\nLayerHeight=0\n"
                      "OriginePositionsNumber_Layer=2\nOrigineImageNumber_Layer_0=4\nOrigineXCoordinate_Layer_0=NAN\n"
                      "OrigineImageNumber_Layer_1=5\nOrigineXCoordinate_Layer_1=0.3\nOrigineYCoordinate_Layer_1=0.4\n"));
  ASSERT_EQ(data.FixedMarks().MarksCount(), 1);
  EXPECT_EQ(data.FixedMarks().Mark(0)->FrameIndex, 3);
  EXPECT_EQ(data.Axes().OrigineCurrent.X, 0.5) << "a missing origin stands in the middle";
  EXPECT_EQ(data.Axes().XAxisAngle, 0.0);
  EXPECT_EQ(data.Scale().ScalePointsNumber, 0) << "a segment with an end that is no number is not placed";
  EXPECT_FALSE(data.IsScaleReady());
  EXPECT_EQ(data.Scale().ScaleHorizLength, 0.0);
  EXPECT_EQ(data.Layer().LayerWidth, 0.5);
  EXPECT_EQ(data.Layer().LayerHeight, 0.5);
  ASSERT_EQ(data.Layer().Origins.size(), 1u);
  EXPECT_EQ(data.Layer().Origins[0]->ImageNumber, 5);
  const TMarkSeries series = data.ExtractSeries(false);
  for (double x : series.X[0]) EXPECT_TRUE(std::isfinite(x));
}

TEST_F(WorkReadersTest, TheVideosIntervalStaysWhenTheStoredOneIsAbsurd) {
  struct Case {
    const char *Lines;
    double Interval;
  };
  const Case cases[] = {
      {"", 0.04},                                 // missing: the video's, not 0
      {"RequiredDuration=0\n", 0.04},             // no time at all
      {"RequiredDuration=-0.02\n", 0.04},         // backwards
      {"RequiredDuration=NAN\n", 0.04},           // not a number
      {"RequiredDuration=1E-7\n", 0.04},          // below what the dialog accepts
      {"RequiredDuration=2E9\n", 0.04},           // above it
      {"RequiredDuration=0,02\n", 0.02},          // a comma file is sound
      {"RequiredDuration=0.0333333333\n", 0.0333333333},
  };
  for (const Case &c : cases) {
    Read(QString::fromUtf8(c.Lines));
    EXPECT_DOUBLE_EQ(data.FrameInterval(), c.Interval) << c.Lines;
  }
}

TEST_F(WorkReadersTest, MarksOnFramesTheVideoLacksOrHidesGo) {
  Read(QStringLiteral("MarksContainersNumber_Grid=4\n"
                      "MarksContainerFrameNumber_Grid_0=-2\nMarksContainerMarksNumber_Grid_0=1\n"
                      "MarkXCoordinate_Grid_0_0=0.1\nMarkYCoordinate_Grid_0_0=0.1\n"
                      "MarksContainerFrameNumber_Grid_1=2\nMarksContainerMarksNumber_Grid_1=1\n"
                      "MarkXCoordinate_Grid_1_0=0.2\nMarkYCoordinate_Grid_1_0=0.2\n"
                      "MarksContainerFrameNumber_Grid_2=5\nMarksContainerMarksNumber_Grid_2=1\n"
                      "MarkXCoordinate_Grid_2_0=0.3\nMarkYCoordinate_Grid_2_0=0.3\n"
                      "MarksContainerFrameNumber_Grid_3=40\nMarksContainerMarksNumber_Grid_3=1\n"
                      "MarkXCoordinate_Grid_3_0=0.4\nMarkYCoordinate_Grid_3_0=0.4\n"
                      "MarksContainersNumber_Layer=1\nMarksContainerFrameNumber_Layer_0=30\n"
                      "MarksContainerMarksNumber_Layer_0=1\nMarkXCoordinate_Layer_0_0=0\nMarkYCoordinate_Layer_0_0=0\n"
                      "OriginePositionsNumber_Layer=1\nOrigineImageNumber_Layer_0=30\n"));
  EXPECT_EQ(data.FixedMarks().MarksCount(), 3) << "a negative frame is no frame";
  // A 20-frame video whose frame 5 is hidden.
  const int removed = data.KeepFramesOnly([](int frame) { return frame >= 0 && frame < 20 && frame != 5; });
  EXPECT_EQ(removed, 3);
  ASSERT_EQ(data.FixedMarks().MarksCount(), 1);
  EXPECT_EQ(data.FixedMarks().Mark(0)->FrameIndex, 2);
  EXPECT_EQ(data.FixedMarks().Mark(0)->ListIndex, 0);
  EXPECT_EQ(data.FixedMarks().ContainersList().size(), 1u);
  EXPECT_EQ(data.LayerMarks().MarksCount(), 0);
  EXPECT_TRUE(data.Layer().Origins.empty());
}

TEST_F(WorkReadersTest, TheAxesReadWithTheirDefaults) {
  // The layer's origin and the fixed origin default to the middle of the frame; the y axis
  // is always the x axis turned a quarter, whatever the file says.
  Read(QStringLiteral("OriginePointsNumber_Grid=1\nXAxisAngle_Grid=0.5\nYAxisAngle_Grid=3\nLayerStage=0\n"));
  EXPECT_EQ(data.Axes().OrigineCurrent.X, 0.5);
  EXPECT_EQ(data.Axes().OrigineCurrent.Y, 0.5);
  EXPECT_DOUBLE_EQ(data.Axes().YAxisAngle, 0.5 + M_PI / 2);
  EXPECT_EQ(data.Layer().LayerStage, 1) << "stored 0 is stage 1";
}

}  // namespace kolibra::measurement::work_readers_test
