// HDR phone clips (10-bit HEVC or VP9, BT.2020 colours, the HLG or PQ transfer) as the FFmpeg
// reader shows them, against ffmpeg's own tone mapping of the same frames: zimg's
// linearisation, the Hable curve of its tonemap filter, BT.709 primaries and transfer. Each
// clip is made by ffmpeg at test time, a few frames of a colourful test pattern.

#include "VideoTestSupport.h"
#include "support/RunProgram.h"
#include "video/FFMpegPlay.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

namespace kolibra::video {
namespace {

using testing::Grab;
using testing::RealKlbDll;

// What a user types to see an HDR clip on an ordinary screen with ffmpeg.
const QString ToneMap = QStringLiteral(
    "zscale=t=linear:npl=100,format=gbrpf32le,zscale=p=bt709,tonemap=tonemap=hable:desat=0,"
    "zscale=t=bt709:m=bt709:r=tv,format=rgb24");
constexpr int Width = 320, Height = 180, Frames = 3;
// Plain conversion (matrix and range only) of these clips scores 16 to 21 dB, and tone mapping
// blind to a clip's light levels 28 dB; tone mapping as ffmpeg does scores above 50 dB, the rest
// being rounding in the transfer curves.
constexpr double LeastPsnr = 40.0;

kolibra::testing::TProgramRun FFmpeg(const QStringList &Arguments) {
  return kolibra::testing::RunProgram(QStringLiteral("ffmpeg"),
                                      QStringList{QStringLiteral("-hide_banner")} + Arguments);
}

// Whether this ffmpeg has the encoder and the filters the clips need.
bool FFmpegCan(const QString &Encoder) {
  const auto encoders = FFmpeg({QStringLiteral("-encoders")});
  const auto filters = FFmpeg({QStringLiteral("-filters")});
  return encoders.Status == 0 && filters.Status == 0 &&
         encoders.Out.contains(QLatin1Char(' ') + Encoder + QLatin1Char(' ')) &&
         filters.Out.contains(QStringLiteral(" zscale ")) &&
         filters.Out.contains(QStringLiteral(" tonemap "));
}

double Psnr(const QImage &A, const QImage &B) {
  if (A.isNull() || A.size() != B.size()) return 0.0;
  double squares = 0.0;
  for (int y = 0; y < A.height(); ++y) {
    const uchar *a = A.constScanLine(y), *b = B.constScanLine(y);
    for (int x = 0; x < A.width() * 3; ++x)
      squares += double(int(a[x]) - int(b[x])) * double(int(a[x]) - int(b[x]));
  }
  const double mean = squares / (double(A.width()) * A.height() * 3.0);
  return mean > 0.0 ? 10.0 * std::log10(255.0 * 255.0 / mean) : 99.0;
}

struct TClip {
  QString Name;
  QString Encoder;
  QString Transfer;      // ffmpeg's name of the transfer tagged
  QStringList Encoding;  // the encoder's own options
  QString Levels;        // a filter bounding the pattern's light, or empty
};

class HdrToneMapTest : public ::testing::Test {
 protected:
  // The clip made in the test's folder; empty when ffmpeg failed.
  QString Make(const TClip &Clip) {
    const QString path = FFolder.filePath(Clip.Name);
    QStringList arguments = {QStringLiteral("-loglevel"),
                             QStringLiteral("error"),
                             QStringLiteral("-y"),
                             QStringLiteral("-f"),
                             QStringLiteral("lavfi"),
                             QStringLiteral("-i"),
                             QStringLiteral("testsrc2=s=%1x%2:r=25").arg(Width).arg(Height),
                             QStringLiteral("-frames:v"),
                             QString::number(Frames)};
    if (!Clip.Levels.isEmpty()) arguments << QStringLiteral("-vf") << Clip.Levels;
    arguments << QStringLiteral("-c:v") << Clip.Encoder << Clip.Encoding
              << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p10le")
              << QStringLiteral("-color_primaries") << QStringLiteral("bt2020")
              << QStringLiteral("-color_trc") << Clip.Transfer << QStringLiteral("-colorspace")
              << QStringLiteral("bt2020nc") << path;
    const auto run = FFmpeg(arguments);
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    return run.Status == 0 ? path : QString();
  }

  // Every frame of Path as ffmpeg tone-maps it.
  QList<QImage> Reference(const QString &Path) {
    const QString raw = Path + QStringLiteral(".rgb");
    const auto run = FFmpeg(
        {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y"),
         QStringLiteral("-i"), Path, QStringLiteral("-vf"), ToneMap, QStringLiteral("-f"),
         QStringLiteral("rawvideo"), QStringLiteral("-pix_fmt"), QStringLiteral("rgb24"), raw});
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    return testing::SourcePictures(raw, Width, Height);
  }

  // Each frame of the clip as the FFmpeg reader draws it, against ffmpeg's.
  void ExpectLikeFFmpeg(const TClip &Clip) {
    const QString path = Make(Clip);
    ASSERT_FALSE(path.isEmpty());
    const QList<QImage> reference = Reference(path);
    ASSERT_EQ(reference.size(), Frames);
    TFFMpegPlay reader(RealKlbDll());
    ASSERT_TRUE(reader.OpenFile(path)) << reader.ErrorText().toStdString();
    ASSERT_EQ(reader.FrameWidth(), Width);
    ASSERT_EQ(reader.FrameHeight(), Height);
    for (int i = 0; i < Frames; ++i) {
      reader.SetPosition(i);
      const double psnr = Psnr(Grab(reader), reference[i]);
      EXPECT_GE(psnr, LeastPsnr) << Clip.Name.toStdString() << " frame " << i;
      RecordProperty(QStringLiteral("%1_frame%2_psnr").arg(Clip.Name).arg(i).toStdString(),
                     QString::number(psnr, 'f', 2).toStdString());
    }
  }

  QTemporaryDir FTemp;
  QDir FFolder{FTemp.path()};
};

const QStringList X265 = {QStringLiteral("-x265-params"), QStringLiteral("log-level=error")};
// PQ is absolute light: the pattern kept to about 1000 cd/m2, as a phone's picture is.
const QString PhoneLevels = QStringLiteral("colorlevels=romax=0.75:gomax=0.75:bomax=0.75");

TEST_F(HdrToneMapTest, HevcHlgLooksAsFFmpegToneMapsIt) {
  if (!FFmpegCan(QStringLiteral("libx265"))) GTEST_SKIP() << "ffmpeg without libx265 or zscale";
  ExpectLikeFFmpeg({QStringLiteral("hlg.mp4"), QStringLiteral("libx265"),
                    QStringLiteral("arib-std-b67"), X265, QString()});
}

TEST_F(HdrToneMapTest, HevcPqLooksAsFFmpegToneMapsIt) {
  if (!FFmpegCan(QStringLiteral("libx265"))) GTEST_SKIP() << "ffmpeg without libx265 or zscale";
  // Without light levels the peak is taken at 1000 cd/m2, and the brighter rest clips.
  ExpectLikeFFmpeg({QStringLiteral("pq.mp4"), QStringLiteral("libx265"),
                    QStringLiteral("smpte2084"), X265, QString()});
  ExpectLikeFFmpeg({QStringLiteral("pq-phone.mp4"), QStringLiteral("libx265"),
                    QStringLiteral("smpte2084"), X265, PhoneLevels});
}

TEST_F(HdrToneMapTest, HevcPqWithLightLevelsTakesItsPeakFromThem) {
  if (!FFmpegCan(QStringLiteral("libx265"))) GTEST_SKIP() << "ffmpeg without libx265 or zscale";
  // A content light level of 4000 cd/m2 becomes white, so the picture is darker than without.
  const QStringList hdr10 = {
      QStringLiteral("-x265-params"),
      QStringLiteral(
          "log-level=error:hdr10=1:max-cll=4000,400:"
          "master-display=G(13250,34500)B(7500,3000)R(34000,16000)WP(15635,16450)L(40000000,50)")};
  ExpectLikeFFmpeg({QStringLiteral("pq-cll.mp4"), QStringLiteral("libx265"),
                    QStringLiteral("smpte2084"), hdr10, PhoneLevels});
}

TEST_F(HdrToneMapTest, Vp9HlgAndPqLookAsFFmpegToneMapsThem) {
  if (!FFmpegCan(QStringLiteral("libvpx-vp9")))
    GTEST_SKIP() << "ffmpeg without libvpx-vp9 or zscale";
  // VP9 says only its matrix; the WebM file says the transfer.
  const QStringList vp9 = {QStringLiteral("-deadline"), QStringLiteral("realtime"),
                           QStringLiteral("-cpu-used"), QStringLiteral("8"),
                           QStringLiteral("-crf"),      QStringLiteral("30"),
                           QStringLiteral("-b:v"),      QStringLiteral("0")};
  ExpectLikeFFmpeg({QStringLiteral("hlg.webm"), QStringLiteral("libvpx-vp9"),
                    QStringLiteral("arib-std-b67"), vp9, QString()});
  ExpectLikeFFmpeg({QStringLiteral("pq.webm"), QStringLiteral("libvpx-vp9"),
                    QStringLiteral("smpte2084"), vp9, PhoneLevels});
}

}  // namespace
}  // namespace kolibra::video
