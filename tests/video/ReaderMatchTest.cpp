// Every reader's frame N shows the picture its rule names out of the FFmpeg reader's full
// decode (itself checked against ffmpeg in FrameExactTest), compared by mean absolute
// difference since GStreamer converts colours its own way:
// - the AVI reader: frame k is slot k, and an empty slot shows the picture before it;
// - the GStreamer reader: frame k is the picture not yet over at k x 1.0001 x FrameInterval,
//   so a time between two pictures (an empty slot) shows the next one.
// The table also says which files each reader opens and which it refuses.

#include "VideoTestSupport.h"
#include "video/DSPlay.h"
#include "video/VfwPlay.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <algorithm>
#include <functional>
#include <random>

namespace kolibra::video {
namespace {

using testing::FFmpegFrames;
using testing::Fixture;
using testing::Grab;
using testing::MeanAbsDiff;
using testing::SharedVideo;

enum TWhere { wFixture, wShared, wSample };

struct TMatch {
  const char *Name;
  TWhere Where;
  int Slots;     // the AVI reader's frames (0: it refuses the file)
  int DSFrames;  // the GStreamer reader's frames (0: it refuses the file)
  int Pictures;  // the full decode's
  QList<int> EmptySlots;
  // Seconds at which each picture starts, when they are not evenly spaced.
  std::function<double(int)> PictureTime;
};

void PrintTo(const TMatch &Clip, std::ostream *Out) { *Out << Clip.Name; }

// Frame n of variable.mkv starts at (n + max(n - 20, 0)) / 25 s.
double VariableTime(int Picture) { return (Picture + std::max(Picture - 20, 0)) / 25.0; }

const TMatch Matches[] = {
    {"mjpeg.avi", wFixture, 30, 30, 30, {}, nullptr},
    {"raw.avi", wFixture, 30, 30, 30, {}, nullptr},
    {"mjpeg_gaps.avi", wFixture, 34, 34, 30, {10, 11, 22, 23}, nullptr},
    {"xvid_packed.avi", wFixture, 40, 0, 38, {1, 2}, nullptr},
    {"mpeg4_bframes.avi", wFixture, 40, 0, 40, {}, nullptr},
    {"h264_bframes.avi", wFixture, 40, 0, 40, {}, nullptr},
    {"h264_bframes.mp4", wFixture, 0, 40, 40, {}, nullptr},
    {"h264_opengop.mkv", wFixture, 0, 40, 40, {}, nullptr},
    {"mpeg4_bframes.mp4", wFixture, 0, 40, 40, {}, nullptr},
    {"hevc.mp4", wFixture, 0, 40, 40, {}, nullptr},
    {"vp9.webm", wFixture, 0, 40, 40, {}, nullptr},
    {"variable.mkv", wFixture, 0, 58, 40, {}, VariableTime},
    {"mpeg2.mpg", wFixture, 0, 0, 40, {}, nullptr},
    {"wmv2.wmv", wFixture, 0, 0, 40, {}, nullptr},
    {"camcorder.mts", wFixture, 0, 0, 60, {}, nullptr},
    {"g1.avi", wShared, 16, 16, 16, {}, nullptr},
    {"Principe_inertie.avi", wShared, 28, 28, 28, {}, nullptr},
    {"Force_constante.avi", wShared, 26, 26, 26, {}, nullptr},
    {"balle1-vp9.avi", wShared, 300, 0, 295, {1, 2, 3, 4, 5}, nullptr},
    {"Cylindre.avi", wSample, 50, 50, 50, {}, nullptr},
    {"Parabole.avi", wSample, 48, 48, 48, {}, nullptr},
};

// The AVI reader's picture for slot k: the last picture whose chunk is at or before it.
int VfwPicture(const TMatch &Clip, int Slot) {
  const auto empty = std::count_if(Clip.EmptySlots.begin(), Clip.EmptySlots.end(), [Slot](int s) { return s <= Slot; });
  return std::max(0, Slot - int(empty));
}

// The GStreamer reader's picture for frame k: the first one that has not ended at its time.
int DSPicture(const TMatch &Clip, int Frame, double Rate) {
  const double time = Frame * 1.0001 / Rate;
  if (Clip.PictureTime) {
    for (int n = 0; n < Clip.Pictures; ++n) {
      if (Clip.PictureTime(n) + 1.0 / Rate > time) return n;
    }
    return Clip.Pictures - 1;
  }
  // Pictures of an AVI stand at their slots: the next one with a chunk.
  int slot = Frame;
  while (Clip.EmptySlots.contains(slot)) ++slot;
  return std::min(VfwPicture(Clip, slot), Clip.Pictures - 1);
}

const QList<QImage> &Reference(const QString &Path) {
  static QMap<QString, QList<QImage>> cache;
  if (!cache.contains(Path)) cache.insert(Path, FFmpegFrames(Path));
  return cache[Path];
}

class ReaderMatchTest : public ::testing::TestWithParam<TMatch> {
 protected:
  void SetUp() override {
    const TMatch &clip = GetParam();
    const QString name = QString::fromUtf8(clip.Name);
    Path = clip.Where == wShared   ? SharedVideo(name)
           : clip.Where == wSample ? QDir(QStringLiteral(KOLIBRA_TEST_SAMPLES)).filePath(name)
                                   : Fixture(name);
    if (Path.isEmpty()) GTEST_SKIP() << "the shared videos are not beside the repository";
  }

  // Frame k of Reader, visited in Order, is Expected(k) of the reference and no neighbour.
  void Check(TVideoPlay &Reader, const std::vector<int> &Order, const std::function<int(int)> &Expected,
             double Tolerance) {
    const QList<QImage> &reference = Reference(Path);
    ASSERT_EQ(reference.size(), GetParam().Pictures);
    for (int k : Order) {
      Reader.SetPosition(k);
      ASSERT_EQ(Reader.Position(), k);
      const QImage frame = Grab(Reader);
      ASSERT_FALSE(frame.isNull()) << "frame " << k;
      const int expected = Expected(k);
      const double distance = MeanAbsDiff(frame, reference[expected]);
      ASSERT_LE(distance, Tolerance) << "frame " << k << " is not picture " << expected;
      for (int other = std::max(0, expected - 3); other <= std::min(int(reference.size()) - 1, expected + 3); ++other) {
        if (other == expected) continue;
        ASSERT_LT(distance, MeanAbsDiff(frame, reference[other])) << "frame " << k << " looks like picture " << other;
      }
    }
  }

  static std::vector<int> Orders(int Count, bool Backward) {
    std::vector<int> order;
    for (int k = 0; k < Count; ++k) order.push_back(k);  // forward, a step at a time
    std::vector<int> shuffled = order;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
    shuffled.resize(std::min<size_t>(shuffled.size(), 40));
    if (Backward) {
      for (int k = Count - 1; k >= 0; --k) order.push_back(k);
    }
    order.insert(order.end(), shuffled.begin(), shuffled.end());
    return order;
  }

  QString Path;
};

TEST_P(ReaderMatchTest, TheAviReaderShowsEachSlotsPicture) {
  const TMatch &clip = GetParam();
  TVfwPlay reader;
  reader.SetFileName(Path);
  if (clip.Slots == 0) {
    EXPECT_FALSE(reader.Opened());
    EXPECT_EQ(reader.ErrorText(), QStringLiteral("This is not an AVI file."));
    return;
  }
  ASSERT_TRUE(reader.Opened()) << reader.ErrorText().toStdString();
  ASSERT_EQ(reader.FrameCount(), clip.Slots);
  // The same decoder and the same colour conversion as the FFmpeg reader: the same pixels.
  Check(
      reader, Orders(clip.Slots, true), [&clip](int k) { return VfwPicture(clip, k); }, 0.01);
}

TEST_P(ReaderMatchTest, TheGStreamerReaderShowsThePictureAtEachTime) {
  const TMatch &clip = GetParam();
  TDSPlay reader;
  reader.SetFileName(Path);
  if (clip.DSFrames == 0) {
    EXPECT_FALSE(reader.Opened());
    EXPECT_FALSE(reader.ErrorText().isEmpty());
    return;
  }
  ASSERT_TRUE(reader.Opened()) << reader.ErrorText().toStdString();
  ASSERT_EQ(reader.FrameCount(), clip.DSFrames);
  const double rate = reader.FrameRate();
  // Stepping back is a seek each time; long files are stepped forward and jumped only.
  Check(
      reader, Orders(clip.DSFrames, clip.DSFrames <= 60), [&](int k) { return DSPicture(clip, k, rate); }, 3.0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReaderMatchTest, ::testing::ValuesIn(Matches), [](const ::testing::TestParamInfo<TMatch> &info) {
      QString name = QString::fromUtf8(info.param.Name);
      return name.replace(QLatin1Char('-'), QLatin1Char('_')).replace(QLatin1Char('.'), QLatin1Char('_')).toStdString();
    });

}  // namespace
}  // namespace kolibra::video
