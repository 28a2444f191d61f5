// The classroom videos and the sample videos have no source to compare with: there, every
// reader's frame k is held against the FFmpeg reader's full decode (itself checked against
// ffmpeg in FrameExactTest). Kolibra's AVI reader runs the same decoder and must give the
// same pixels; the GStreamer reader converts colours its own way and must look more like the
// picture its rule names than like either neighbour:
// - the AVI reader: frame k is slot k, and an empty slot shows the picture before it;
// - the GStreamer reader: frame k is the picture presented nearest to k x FrameInterval.
// The generated clips, whose pictures are known, are checked in SourceMatchTest.

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
using testing::Grab;
using testing::MeanAbsDiff;
using testing::SharedVideo;

enum TWhere { wShared, wSample };

struct TMatch {
  const char *Name;
  TWhere Where;
  int Slots;     // the AVI reader's frames (0: it refuses the file)
  int DSFrames;  // the GStreamer reader's frames (0: it refuses the file)
  int Pictures;  // the full decode's
  QList<int> EmptySlots;
};

void PrintTo(const TMatch &Clip, std::ostream *Out) { *Out << Clip.Name; }

const TMatch Matches[] = {
    {"g1.avi", wShared, 16, 16, 16, {}},
    {"Principe_inertie.avi", wShared, 28, 0, 29, {}},
    {"Force_constante.avi", wShared, 26, 0, 26, {}},
    {"balle1-vp9.avi", wShared, 300, 0, 295, {1, 2, 3, 4, 5}},
    {"Cylindre.avi", wSample, 50, 50, 50, {}},
    {"Parabole.avi", wSample, 48, 48, 48, {}},
};

// The AVI reader's picture for slot k: the last picture whose chunk is at or before it.
int VfwPicture(const TMatch &Clip, int Slot) {
  const auto empty = std::count_if(Clip.EmptySlots.begin(), Clip.EmptySlots.end(), [Slot](int s) { return s <= Slot; });
  return std::max(0, Slot - int(empty));
}

// The GStreamer reader's picture for frame k: the one presented nearest to its time.
int DSPicture(const TMatch &Clip, int Frame, double Rate) {
  const double time = Frame / Rate;
  int nearest = 0;
  for (int n = 0; n < Clip.Pictures; ++n) {
    int slot = n;
    for (int empty : Clip.EmptySlots) slot += empty <= slot ? 1 : 0;
    if (std::fabs(slot / Rate - time) < std::fabs(nearest / Rate - time) - 1e-9) nearest = slot;
  }
  return VfwPicture(Clip, nearest);
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
    Path = clip.Where == wShared ? SharedVideo(name) : QDir(QStringLiteral(KOLIBRA_TEST_SAMPLES)).filePath(name);
    if (Path.isEmpty()) GTEST_SKIP() << "the shared videos are not beside the repository";
  }

  // Frame k of Reader, visited in Order, is Expected(k) of the reference: the same pixels
  // when Identical, else nearer to it than to either neighbour.
  void Check(TVideoPlay &Reader, const std::vector<int> &Order, const std::function<int(int)> &Expected,
             bool Identical) {
    const QList<QImage> &reference = Reference(Path);
    ASSERT_EQ(reference.size(), GetParam().Pictures);
    for (int k : Order) {
      Reader.SetPosition(k);
      ASSERT_EQ(Reader.Position(), k);
      const QImage frame = Grab(Reader);
      ASSERT_FALSE(frame.isNull()) << "frame " << k;
      const int expected = Expected(k);
      const double distance = MeanAbsDiff(frame, reference[expected]);
      if (Identical) {
        ASSERT_EQ(distance, 0.0) << "frame " << k << " is not picture " << expected;
      }
      for (int other : {expected - 1, expected + 1}) {
        if (other < 0 || other >= reference.size()) continue;
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
  ASSERT_GT(clip.Slots, 0);
  ASSERT_TRUE(reader.Opened()) << reader.ErrorText().toStdString();
  ASSERT_EQ(reader.FrameCount(), clip.Slots);
  // The same decoder and the same colour conversion as the FFmpeg reader: the same pixels.
  Check(
      reader, Orders(clip.Slots, true), [&clip](int k) { return VfwPicture(clip, k); }, true);
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
      reader, Orders(clip.DSFrames, clip.DSFrames <= 60), [&](int k) { return DSPicture(clip, k, rate); }, false);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReaderMatchTest, ::testing::ValuesIn(Matches), [](const ::testing::TestParamInfo<TMatch> &info) {
      QString name = QString::fromUtf8(info.param.Name);
      return name.replace(QLatin1Char('-'), QLatin1Char('_')).replace(QLatin1Char('.'), QLatin1Char('_')).toStdString();
    });

}  // namespace
}  // namespace kolibra::video
