// Frame N is the Nth picture of a full decode from the start, whatever way the reader gets
// there: stepping forward, jumping, stepping back. Every clip's frames are compared with
// ffmpeg's own full decode (MD5 of each 24-bit frame), never with the reader itself. Where
// the reader recovers a picture ffmpeg's decode loses (the B-frame a packing Xvid encoder
// leaves in the last chunk), that one is checked against the source in SourceMatchTest.

#include "VideoTestSupport.h"
#include "video/FFMpegPlay.h"
#include "video/VideoSources.h"

#include <QFileInfo>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace kolibra::video {
namespace {

using testing::Fixture;
using testing::FrameMd5;
using testing::RealKlbDll;
using testing::ReferenceMd5;
using testing::SharedVideo;

struct TClip {
  const char *Name;
  int Width;
  int Height;
  double Rate;
  bool Variable;
  bool Shared = false;  // one of the classroom videos beside the repository
  int Recovered = -1;   // the frame the reader recovers and ffmpeg's decode lacks
};

void PrintTo(const TClip &Clip, std::ostream *Out) { *Out << Clip.Name; }

// The clips made by MakeFixtures.sh: each codec and container a classroom meets.
const TClip GeneratedClips[] = {
    {"h264_bframes.mp4", 64, 48, 25.0, false}, {"h264_opengop.mkv", 64, 48, 25.0, false},
    {"xvid_packed.avi", 64, 48, 25.0, false, false, 37}, {"mpeg4_bframes.mp4", 64, 48, 25.0, false},
    {"mjpeg.avi", 64, 48, 25.0, false},        {"mpeg2.mpg", 64, 48, 25.0, false},
    {"wmv2.wmv", 64, 48, 25.0, false},         {"hevc.mp4", 64, 48, 25.0, false},
    {"vp9.webm", 64, 48, 25.0, false},         {"raw.avi", 64, 48, 25.0, false},
    {"camcorder.mts", 64, 48, 25.0, false},    {"variable.mkv", 64, 48, 39.0 / 2.32, true},
    {"mpeg4_bframes.avi", 64, 48, 25.0, false}, {"h264_bframes.avi", 64, 48, 25.0, false},
    // FFmpeg counts the pictures only: 30 over the 33 intervals of the slots, a varying rate.
    {"mjpeg_gaps.avi", 64, 48, 29.0 / 1.32, true},
    {"h264_width300.mp4", 300, 64, 25.0, false},
};

// The classroom videos: the header of balle1-vp9.avi announces 300 frames, 295 decode. The
// five missing ones leave gaps of a whole frame in the times: the rate stays the usual one,
// the frames after each gap come later than their index says.
const TClip SharedClips[] = {
    {"g1.avi", 400, 300, 25.0, false, true},
    {"Principe_inertie.avi", 400, 300, 25.0, false, true, 27},
    {"Force_constante.avi", 400, 300, 25.0, false, true},
    {"balle1-vp9.avi", 320, 240, 78125.0 / 417.0, true, true},
};

class FrameExactTest : public ::testing::TestWithParam<TClip> {
 protected:
  void SetUp() override {
    const TClip &clip = GetParam();
    const bool shared = clip.Shared;
    Path = shared ? SharedVideo(QString::fromUtf8(clip.Name)) : Fixture(QString::fromUtf8(clip.Name));
    if (Path.isEmpty()) GTEST_SKIP() << "the shared videos are not beside the repository";
    Reference = ReferenceMd5(shared ? Fixture(QStringLiteral("shared_%1.framemd5").arg(clip.Name)) : Path + ".framemd5");
    ASSERT_FALSE(Reference.isEmpty()) << "no reference decode for " << clip.Name;
    if (clip.Recovered >= 0) Reference.insert(clip.Recovered, QString());
  }

  // The reader's frame i is ffmpeg's (a recovered frame is not in ffmpeg's decode).
  void ExpectFrame(TFFMpegPlay &Reader, int i, const char *How) {
    if (Reference[i].isEmpty()) return;
    ASSERT_EQ(FrameMd5(Reader), Reference[i]) << How << " frame " << i;
  }

  // A reader on a freshly opened file: nothing decoded yet, nothing cached.
  void Reopen(TFFMpegPlay &Reader) { ASSERT_TRUE(Reader.OpenFile(Path)) << Reader.ErrorText().toStdString(); }

  QString Path;
  QStringList Reference;
};

TEST_P(FrameExactTest, CountsSizeAndTimingComeFromTheStream) {
  const TClip &clip = GetParam();
  TFFMpegPlay reader(RealKlbDll());
  Reopen(reader);
  EXPECT_EQ(reader.FrameCount(), Reference.size());
  EXPECT_EQ(reader.FrameWidth(), clip.Width);
  EXPECT_EQ(reader.FrameHeight(), clip.Height);
  EXPECT_NEAR(reader.FrameRate(), clip.Rate, 1e-6 * clip.Rate);
  EXPECT_NEAR(reader.FrameInterval(), 1.0 / clip.Rate, 1e-9);
  EXPECT_EQ(reader.VariableRate(), clip.Variable);
  EXPECT_EQ(reader.Position(), 0);
}

TEST_P(FrameExactTest, SteppingForwardYieldsTheFullDecode) {
  TFFMpegPlay reader(RealKlbDll());
  Reopen(reader);
  for (int i = 0; i < Reference.size(); ++i) {
    reader.SetPosition(i);
    ASSERT_EQ(reader.Position(), i);
    ExpectFrame(reader, i, "");
  }
}

TEST_P(FrameExactTest, JumpsLandOnTheRightFrame) {
  TFFMpegPlay reader(RealKlbDll());
  Reopen(reader);
  const int n = static_cast<int>(Reference.size());
  // Every frame from a cold start: each jump decodes from the keyframe before it.
  const int step = n > 60 ? 7 : 1;
  for (int i = n - 1; i >= 0; i -= step) {
    Reopen(reader);
    reader.SetPosition(i);
    ASSERT_EQ(reader.Position(), i);
    ExpectFrame(reader, i, "cold jump to");
  }
  // Then random jumps in one session, where the cache and the running decode join in.
  std::vector<int> order(n);
  for (int i = 0; i < n; ++i) order[i] = i;
  std::shuffle(order.begin(), order.end(), std::mt19937(5));
  Reopen(reader);
  for (int i : order) {
    reader.SetPosition(i);
    ExpectFrame(reader, i, "jump to");
  }
}

TEST_P(FrameExactTest, SteppingBackwardYieldsTheFullDecode) {
  TFFMpegPlay reader(RealKlbDll());
  Reopen(reader);
  for (int i = static_cast<int>(Reference.size()) - 1; i >= 0; --i) {
    reader.SetPosition(i);
    ASSERT_EQ(reader.Position(), i);
    ExpectFrame(reader, i, "");
  }
}

INSTANTIATE_TEST_SUITE_P(Generated, FrameExactTest, ::testing::ValuesIn(GeneratedClips),
                         [](const ::testing::TestParamInfo<TClip> &info) {
                           return QFileInfo(QString::fromUtf8(info.param.Name)).completeBaseName().toStdString() +
                                  "_" + QFileInfo(QString::fromUtf8(info.param.Name)).suffix().toStdString();
                         });
INSTANTIATE_TEST_SUITE_P(Classroom, FrameExactTest, ::testing::ValuesIn(SharedClips),
                         [](const ::testing::TestParamInfo<TClip> &info) {
                           QString name = QFileInfo(QString::fromUtf8(info.param.Name)).completeBaseName();
                           return name.replace(QLatin1Char('-'), QLatin1Char('_')).toStdString();
                         });

// The variable clip's frames are stamped 0, 40, ... 800 ms, then 80 ms apart up to 2320 ms.
// The reader warns and uses the mean interval, 2.32 s over 39 intervals.
TEST(FrameTimingTest, AVariableRateIsReportedWithTheMeanInterval) {
  TFFMpegPlay reader(RealKlbDll());
  ASSERT_TRUE(reader.OpenFile(Fixture(QStringLiteral("variable.mkv"))));
  EXPECT_TRUE(reader.VariableRate());
  EXPECT_NEAR(reader.FrameInterval(), 2.32 / 39.0, 1e-9);
  EXPECT_EQ(reader.TimerDelay(), 59);
  EXPECT_NEAR(reader.Duration(), 2.36, 1e-9);
}

// The camcorder clip's timestamps start at 600 s: nothing of that shows in the frames.
TEST(FrameTimingTest, ATransportStreamStartsAtFrameZero) {
  TFFMpegPlay reader(RealKlbDll());
  ASSERT_TRUE(reader.OpenFile(Fixture(QStringLiteral("camcorder.mts"))));
  EXPECT_EQ(reader.FrameCount(), 60);
  EXPECT_NEAR(reader.Duration(), 2.4, 1e-9);
}

}  // namespace
}  // namespace kolibra::video

namespace kolibra::video {
namespace {

TEST(ClassroomVideosTest, FrameCountsAreThoseThatDecodeNotThoseTheHeadersAnnounce) {
  const struct {
    const char *Name;
    int Frames;
  } cases[] = {{"g1.avi", 16}, {"Principe_inertie.avi", 29}, {"Force_constante.avi", 26}, {"balle1-vp9.avi", 295}};
  for (const auto &c : cases) {
    const QString path = testing::SharedVideo(QString::fromUtf8(c.Name));
    if (path.isEmpty()) GTEST_SKIP() << "the shared videos are not beside the repository";
    TFFMpegPlay reader(testing::RealKlbDll());
    ASSERT_TRUE(reader.OpenFile(path)) << c.Name;
    EXPECT_EQ(reader.FrameCount(), c.Frames) << c.Name;
  }
}

}  // namespace
}  // namespace kolibra::video
