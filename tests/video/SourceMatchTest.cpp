// What every reader shows, held against the pictures that went into the clip: the lavfi
// source of MakeFixtures.sh rendered again, uncompressed. Frame k of a reader must look more
// like the source picture its rule names than like either neighbour of that picture:
// - Kolibra's AVI reader: slot k shows the picture whose display time is slot k, or the last
//   one before it when no picture has that time (a dropped frame, an encoder's lost picture);
// - the GStreamer reader: frame k shows the picture presented nearest to k x FrameInterval
//   (the earlier one of two as near), counted from the first picture;
// - the FFmpeg reader: frame k shows the kth picture of the file, with its frame table built
//   at open, and on the containers it can read by time also before its table is built.
// Every clip a reader opens is read stepping forward, stepping back and jumping, from a warm
// reader and from a cold one; the clips it refuses are named.

#include "VideoTestSupport.h"
#include "video/DSPlay.h"
#include "video/FFMpegPlay.h"
#include "video/VfwPlay.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <vector>

namespace kolibra::video {
namespace {

using testing::Fixture;
using testing::Grab;
using testing::MeanAbsDiff;

struct TSource {
  const char *File;
  int Width;
  int Height;
  double Rate;
  int Frames;
};

const TSource Small = {"source_64x48_25.rgb", 64, 48, 25.0, 60};
const TSource Big25 = {"source_320x240_25.rgb", 320, 240, 25.0, 50};
const TSource Big30 = {"source_320x240_30.rgb", 320, 240, 30.0, 60};

// When picture n of a clip is shown, in frames of its source's rate.
double Even(int n) { return n; }
// mjpeg_gaps.avi: two frames dropped after every ten.
double Gaps(int n) { return n + 2 * (n / 10); }
// variable.mkv: from picture 21 on, pictures are twice as far apart (the last at 2.32 s).
double Slower(int n) { return n + std::max(n - 20, 0); }

struct TClip {
  const char *Name;
  const TSource *Source;
  int Pictures;         // source pictures 0 ... Pictures - 1 went into the clip,
  QList<int> Missing;   // but the encoder lost these
  double (*Shown)(int);
  int AviFrames;  // the frame count of each reader; 0: it refuses the clip
  int DSFrames;
  int FFmpegFrames;
  bool Timed;  // a container the FFmpeg reader can read by time (MP4, Matroska, MPEG-TS)
};

// Xvid with packed B-frames loses the last picture in the encoder (49 of 50). GStreamer
// refuses MPEG program streams and transport streams (the camcorder clip), and AVI
// files whose B-frames it would show at the wrong times.
const TClip Clips[] = {
    {"h264_bframes.mp4", &Small, 40, {}, Even, 0, 40, 40, true},
    {"h264_opengop.mkv", &Small, 40, {}, Even, 0, 40, 40, true},
    {"hevc.mp4", &Small, 40, {}, Even, 0, 40, 40, true},
    {"mpeg4_bframes.mp4", &Small, 40, {}, Even, 0, 40, 40, true},
    {"vp9.webm", &Small, 40, {}, Even, 0, 40, 40, true},
    {"camcorder.mts", &Small, 60, {}, Even, 0, 0, 60, true},
    {"variable.mkv", &Small, 40, {}, Slower, 0, 59, 40, true},
    {"mpeg2.mpg", &Small, 40, {}, Even, 0, 0, 40, false},
    {"wmv2.wmv", &Small, 40, {}, Even, 0, 40, 40, false},
    {"mjpeg.avi", &Small, 30, {}, Even, 30, 30, 30, false},
    {"raw.avi", &Small, 30, {}, Even, 30, 30, 30, false},
    {"mjpeg_gaps.avi", &Small, 30, {}, Gaps, 34, 34, 30, false},
    {"mpeg4_bframes.avi", &Small, 40, {}, Even, 40, 0, 40, false},
    {"h264_bframes.avi", &Small, 40, {}, Even, 40, 40, 40, false},
    {"xvid_q4.avi", &Big25, 50, {49}, Even, 50, 0, 49, false},
    {"vp9_ms.webm", &Big30, 60, {}, Even, 0, 60, 60, true},
    {"vp8_ms.webm", &Big30, 60, {}, Even, 0, 60, 60, true},
    {"h264_ms.mp4", &Big30, 60, {}, Even, 0, 60, 60, true},
    {"theora.ogv", &Big30, 60, {}, Even, 0, 60, 60, false},
};

enum TReader { rdAvi, rdGStreamer, rdFFmpeg, rdFFmpegByTime };

struct TCase {
  const TClip *Clip;
  TReader Reader;
};

void PrintTo(const TCase &Case, std::ostream *Out) { *Out << Case.Clip->Name << " / " << Case.Reader; }

std::vector<TCase> Cases() {
  std::vector<TCase> cases;
  for (const TClip &clip : Clips) {
    for (TReader reader : {rdAvi, rdGStreamer, rdFFmpeg, rdFFmpegByTime}) {
      if (reader != rdFFmpegByTime || clip.Timed) cases.push_back({&clip, reader});
    }
  }
  return cases;
}

class SourceMatchTest : public ::testing::TestWithParam<TCase> {
 protected:
  void SetUp() override {
    const TClip &clip = *GetParam().Clip;
    Path = Fixture(QString::fromUtf8(clip.Name));
    const TSource &source = *clip.Source;
    Source = &testing::SourcePictures(Fixture(QString::fromUtf8(source.File)), source.Width, source.Height);
    ASSERT_EQ(Source->size(), clip.Source->Frames) << "the source pictures were not rendered";
    for (int n = 0; n < clip.Pictures; ++n) {
      if (!clip.Missing.contains(n)) Present.push_back(n);
    }
    // Before its table is built, the FFmpeg reader reaches frames by their times alone.
    if (GetParam().Reader == rdFFmpegByTime) Lazy = std::make_unique<testing::TScopedEnv>("KOLIBRA_KLBVFF_LAZY", "held");
  }

  int Expected() const {
    switch (GetParam().Reader) {
      case rdAvi: return GetParam().Clip->AviFrames;
      case rdGStreamer: return GetParam().Clip->DSFrames;
      default: return GetParam().Clip->FFmpegFrames;
    }
  }

  std::unique_ptr<TVideoPlay> Open() const {
    std::unique_ptr<TVideoPlay> reader;
    switch (GetParam().Reader) {
      case rdAvi: reader = std::make_unique<TVfwPlay>(); break;
      case rdGStreamer: reader = std::make_unique<TDSPlay>(); break;
      default: reader = std::make_unique<TFFMpegPlay>(testing::RealKlbDll()); break;
    }
    reader->SetFileName(Path);
    return reader;
  }

  // The source picture the reader's rule names for frame k.
  int PictureFor(const TVideoPlay &Reader, int k) const {
    const TClip &clip = *GetParam().Clip;
    switch (GetParam().Reader) {
      case rdAvi: {
        int shown = Present.front();
        for (int n : Present) {
          if (clip.Shown(n) <= k + 1e-9) shown = n;
        }
        return shown;
      }
      case rdGStreamer: {
        const double want = k * Reader.FrameInterval();
        const double origin = clip.Shown(Present.front()) / clip.Source->Rate;
        int nearest = Present.front();
        for (int n : Present) {
          const double at = clip.Shown(n) / clip.Source->Rate - origin;
          if (std::fabs(at - want) < std::fabs(clip.Shown(nearest) / clip.Source->Rate - origin - want) - 1e-9) nearest = n;
        }
        return nearest;
      }
      default: return Present[size_t(k)];
    }
  }

  // Frame k, reached however the reader was moved last, shows its picture.
  void Check(TVideoPlay &Reader, int k, const char *How) {
    Reader.SetPosition(k);
    ASSERT_EQ(Reader.Position(), k) << How;
    const QImage frame = Grab(Reader);
    ASSERT_FALSE(frame.isNull()) << How << " frame " << k;
    const int expected = PictureFor(Reader, k);
    ASSERT_LT(MeanAbsDiff(frame, (*Source)[expected]), 40.0) << How << " frame " << k << " is not a picture of the clip";
    const int shown = testing::MostLike(frame, *Source, expected - 1, expected + 1);
    ASSERT_EQ(shown, expected) << How << " frame " << k << " shows picture " << shown;
  }

  QString Path;
  const QList<QImage> *Source = nullptr;
  std::vector<int> Present;
  std::unique_ptr<testing::TScopedEnv> Lazy;
};

TEST_P(SourceMatchTest, EveryFrameShowsItsSourcePicture) {
  const int frames = Expected();
  std::unique_ptr<TVideoPlay> reader = Open();
  if (frames == 0) {
    EXPECT_FALSE(reader->Opened());
    EXPECT_FALSE(reader->ErrorText().isEmpty());
    return;
  }
  ASSERT_TRUE(reader->Opened()) << reader->ErrorText().toStdString();
  const bool estimated = GetParam().Reader == rdFFmpegByTime && GetParam().Clip->Shown != Even;
  if (!estimated) {
    ASSERT_EQ(reader->FrameCount(), frames);
  }

  for (int k = 0; k < frames; ++k) Check(*reader, k, "stepping forward:");
  for (int k = frames - 1; k >= 0; --k) Check(*reader, k, "stepping back:");
  std::vector<int> order(static_cast<size_t>(frames));
  for (int k = 0; k < frames; ++k) order[size_t(k)] = k;
  std::shuffle(order.begin(), order.end(), std::mt19937(11));
  order.resize(std::min<size_t>(order.size(), 20));
  reader = Open();
  for (int k : order) Check(*reader, k, "jumping:");
  for (int k : {frames - 1, frames / 2, frames / 3}) {
    reader = Open();
    Check(*reader, k, "jumping from the open:");
  }
  // The frame table takes over from the times and names the same pictures.
  if (GetParam().Reader == rdFFmpegByTime) {
    EXPECT_EQ(reader->ExactFrameCount(), frames);
    for (int k : {frames - 1, 0, frames / 2 + 1}) Check(*reader, k, "with the table:");
  }
}

std::string CaseName(const ::testing::TestParamInfo<TCase> &Info) {
  static const char *const readers[] = {"Avi", "GStreamer", "FFmpeg", "FFmpegByTime"};
  QString name = QString::fromUtf8(Info.param.Clip->Name);
  name.replace(QLatin1Char('.'), QLatin1Char('_'));
  return name.toStdString() + "_" + readers[Info.param.Reader];
}

INSTANTIATE_TEST_SUITE_P(Clips, SourceMatchTest, ::testing::ValuesIn(Cases()), CaseName);

}  // namespace
}  // namespace kolibra::video
