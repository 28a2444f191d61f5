// The tracker on classroom videos against positions marked for them: a puck pushed across
// an air table (a hand on it at the start), and a red ball thrown past a yellow ruler that
// falls fast and blurred to the bench. The figures held today, so that they cannot fall back.

#include "tracking/support/ClassroomClips.h"

#include <gtest/gtest.h>

namespace kolibra::tracking::classroom {
namespace {

TClipScore Score(const TClassroomClip &clip) {
  return ScoreClip(clip, QStringLiteral(KOLIBRA_TEST_SHARED_VIDEOS), QStringLiteral(KOLIBRA_TEST_MARKS_DIR),
                   QStringLiteral(KOLIBRA_TEST_KLBDLL_DIR));
}

TEST(TrackClassroomTest, ThePuckIsFollowedAcrossTheAirTable) {
  if (!QFile::exists(QStringLiteral(KOLIBRA_TEST_SHARED_VIDEOS "/Principe_inertie.avi"))) GTEST_SKIP() << "no classroom videos";
  const TClipScore score = Score(PuckOnAirTable());
  ASSERT_TRUE(score.Ran);
  EXPECT_EQ(score.Frames, 25);
  EXPECT_GE(score.Share(), 0.9) << "worst " << score.Worst;
  EXPECT_EQ(score.FoundFarOff, 0);
}

TEST(TrackClassroomTest, TheThrownBallIsFollowedPastTheRulerToTheBench) {
  if (!QFile::exists(QStringLiteral(KOLIBRA_TEST_SHARED_VIDEOS "/balle1-vp9.avi"))) GTEST_SKIP() << "no classroom videos";
  const TClipScore score = Score(ThrownRedBall());
  ASSERT_TRUE(score.Ran);
  EXPECT_EQ(score.Frames, 94);
  // Two thirds within 2 px so far: in front of the ruler and blurred in its fall the
  // position drifts by up to 4 px.
  EXPECT_GE(score.Share(), 0.6) << "worst " << score.Worst;
  EXPECT_EQ(score.FoundFarOff, 0);
}

}  // namespace
}  // namespace kolibra::tracking::classroom
