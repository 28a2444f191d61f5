// The framework choice: extensions, the FFmpeg writer's comment, the fallback order that
// never goes back up through the three readers, and the reason shown after a failed open.

#include "VideoTestSupport.h"
#include "video/DSPlay.h"
#include "video/VfwPlay.h"
#include "video/VideoSources.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolibra::video {
namespace {

using testing::FakeKlbDll;
using testing::TScopedEnv;
using testing::TStubPlay;

TEST(VideoSourcesTest, TheExtensionsComeInTheirOrder) {
  EXPECT_EQ(VideoExtensions(), QStringList({QStringLiteral(".avi"), QStringLiteral(".mpg"), QStringLiteral(".mpeg"),
                                            QStringLiteral(".wmv"), QStringLiteral(".mov"), QStringLiteral(".mp4")}));
}

TEST(VideoSourcesTest, TheExtensionChoosesTheFramework) {
  const struct {
    const char *Name;
    TFramework Previous;
    TFramework Expected;
  } cases[] = {
      {"a.avi", fwFFMpeg, fwVfw},      {"A.AVI", fwDS, fwVfw},        {"b.mpg", fwVfw, fwDS},
      {"b.MPEG", fwVfw, fwDS},         {"c.wmv", fwFFMpeg, fwDS},     {"d.mov", fwVfw, fwFFMpeg},
      {"d.Mp4", fwDS, fwFFMpeg},       {"e.mkv", fwDS, fwDS},         {"e.mts", fwVfw, fwVfw},
      {"no_extension", fwFFMpeg, fwFFMpeg}, {"/x.avi/clip.webm", fwDS, fwDS},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(FrameworkForExtension(QString::fromUtf8(c.Name), c.Previous), c.Expected) << c.Name;
  }
}

TEST(VideoSourcesTest, TokensNameTheFrameworksOnACommandLine) {
  for (TFramework f : {fwVfw, fwDS, fwFFMpeg}) EXPECT_EQ(FrameworkFromToken(FrameworkToken(f)), f);
  EXPECT_EQ(FrameworkFromToken(QStringLiteral("FFmpeg")), fwFFMpeg);
  EXPECT_FALSE(FrameworkFromToken(QStringLiteral("gstreamer")).has_value());
}

// Sources whose Video for Windows and DirectShow readers open the named files, and whose
// FFmpeg reader runs on the wrapper double (opening anything unless told otherwise).
struct TRig {
  TVideoSources Sources{FakeKlbDll()};
  TStubPlay *Vfw;
  TStubPlay *DS;
  TRig(QStringList VfwOpens, QStringList DSOpens) {
    auto vfw = std::make_unique<TStubPlay>(fwVfw, std::move(VfwOpens));
    auto ds = std::make_unique<TStubPlay>(fwDS, std::move(DSOpens));
    Vfw = vfw.get();
    DS = ds.get();
    Sources.SetReader(fwVfw, std::move(vfw));
    Sources.SetReader(fwDS, std::move(ds));
  }
};

TEST(VideoSourcesTest, FilesGoDownTheFallbackOrderAndNeverBackUp) {
  const struct {
    const char *File;
    QStringList VfwOpens;
    QStringList DSOpens;
    bool FFMpegOpens;
    TFramework Expected;
    QStringList VfwTried;
    QStringList DSTried;
  } cases[] = {
      {"clip.avi", {"clip.avi"}, {}, true, fwVfw, {"clip.avi"}, {}},
      {"clip.avi", {}, {"clip.avi"}, true, fwDS, {"clip.avi"}, {"clip.avi"}},
      {"clip.avi", {}, {}, true, fwFFMpeg, {"clip.avi"}, {"clip.avi"}},
      {"clip.mpg", {"clip.mpg"}, {}, true, fwFFMpeg, {}, {"clip.mpg"}},
      {"clip.mpg", {}, {"clip.mpg"}, true, fwDS, {}, {"clip.mpg"}},
      {"clip.MP4", {"clip.MP4"}, {"clip.MP4"}, true, fwFFMpeg, {}, {}},
  };
  for (const auto &c : cases) {
    TScopedEnv opens("FAKE_KLBVFF_OPEN", c.FFMpegOpens ? "1" : "0");
    TRig rig(c.VfwOpens, c.DSOpens);
    EXPECT_TRUE(rig.Sources.Open(QString::fromUtf8(c.File))) << c.File;
    EXPECT_EQ(rig.Sources.Framework(), c.Expected) << c.File;
    EXPECT_TRUE(rig.Sources.IsOpen());
    EXPECT_EQ(rig.Vfw->Tried, c.VfwTried) << c.File;
    EXPECT_EQ(rig.DS->Tried, c.DSTried) << c.File;
  }
}

TEST(VideoSourcesTest, TheFFmpegWritersCommentSendsAnAviToFFmpeg) {
  TScopedEnv comment("FAKE_KLBVFF_COMMENT", "KOLIBRA video ffmpeg MPEG4 codec");
  TRig rig({QStringLiteral("made.avi")}, {});
  ASSERT_TRUE(rig.Sources.Open(QStringLiteral("made.avi")));
  EXPECT_EQ(rig.Sources.Framework(), fwFFMpeg);
  EXPECT_TRUE(rig.Vfw->Tried.isEmpty());
}

TEST(VideoSourcesTest, AnUnlistedExtensionStartsWhereThePreviousFileEnded) {
  TRig rig({QStringLiteral("next.mkv")}, {QStringLiteral("first.mpg"), QStringLiteral("next.mkv")});
  ASSERT_TRUE(rig.Sources.Open(QStringLiteral("first.mpg")));
  ASSERT_EQ(rig.Sources.Framework(), fwDS);
  ASSERT_TRUE(rig.Sources.Open(QStringLiteral("next.mkv")));
  EXPECT_EQ(rig.Sources.Framework(), fwDS);
  EXPECT_TRUE(rig.Vfw->Tried.isEmpty());
}

TEST(VideoSourcesTest, AStartingFrameworkReplacesTheChoiceButNotTheOrder) {
  TRig rig({QStringLiteral("clip.mp4")}, {});
  ASSERT_TRUE(rig.Sources.Open(QStringLiteral("clip.mp4"), fwVfw));
  EXPECT_EQ(rig.Sources.Framework(), fwVfw);
  ASSERT_TRUE(rig.Sources.Open(QStringLiteral("clip.avi"), fwDS));
  EXPECT_EQ(rig.Sources.Framework(), fwFFMpeg);
  EXPECT_EQ(rig.Vfw->Tried, QStringList({QStringLiteral("clip.mp4")}));
}

TEST(VideoSourcesTest, FilesTheOtherReadersRefuseFallThroughToFFmpeg) {
  TVideoSources sources(FakeKlbDll());
  for (const char *name : {"clip.avi", "clip.wmv", "clip.mov"}) {
    ASSERT_TRUE(sources.Open(QString::fromUtf8(name))) << name;
    EXPECT_EQ(sources.Framework(), fwFFMpeg) << name;
    EXPECT_EQ(sources.Active(), sources.FFMpeg());
  }
}

// Once only an FFmpeg text was shown, even for a damaged file that another framework had
// described; now the reason that says most about the file wins.
TEST(VideoSourcesTest, TheMostTellingReasonIsShown) {
  QTemporaryDir noWrapper;
  {
    TVideoSources sources(noWrapper.path());
    sources.SetReader(fwVfw, std::make_unique<TStubPlay>(fwVfw, QStringList(), QStringLiteral("Not an AVI file.")));
    EXPECT_FALSE(sources.Open(QStringLiteral("broken.avi")));
    EXPECT_EQ(sources.OpenErrorText(), QStringLiteral("Not an AVI file."));
    EXPECT_FALSE(sources.Reason(fwFFMpeg).isEmpty());
  }
  {
    TVideoSources sources(noWrapper.path());
    EXPECT_FALSE(sources.Open(QStringLiteral("clip.mov")));
    EXPECT_TRUE(sources.OpenErrorText().startsWith(QStringLiteral("The « FFmpeg » libraries are not installed")));
  }
  {
    TScopedEnv closed("FAKE_KLBVFF_OPEN", "0");
    TScopedEnv reason("FAKE_KLBVFF_OPENERROR", "The file is empty.");
    TVideoSources sources(FakeKlbDll());
    sources.SetReader(fwVfw, std::make_unique<TStubPlay>(fwVfw, QStringList(), QStringLiteral("Not an AVI file.")));
    EXPECT_FALSE(sources.Open(QStringLiteral("empty.avi")));
    EXPECT_EQ(sources.OpenErrorText(), QStringLiteral("The file is empty."));
    EXPECT_EQ(sources.Reason(fwVfw), QStringLiteral("Not an AVI file."));
  }
  {
    TScopedEnv closed("FAKE_KLBVFF_OPEN", "0");
    TRig rig({}, {});  // readers that fail without a reason
    EXPECT_FALSE(rig.Sources.Open(QStringLiteral("odd.avi")));
    EXPECT_EQ(rig.Sources.OpenErrorText(), QStringLiteral("Unknown error"));
  }
  {
    // The AVI reader knows best why a file that does not exist cannot be read.
    TScopedEnv closed("FAKE_KLBVFF_OPEN", "0");
    TVideoSources sources(FakeKlbDll());
    EXPECT_FALSE(sources.Open(QStringLiteral("/nowhere/odd.avi")));
    EXPECT_EQ(sources.OpenErrorText(), QStringLiteral("The file does not exist or cannot be reached."));
  }
}

// Scripts that compare the readers open a file with one reader alone.
TEST(VideoSourcesTest, OpenWithTriesOneReaderAlone) {
  TVideoSources sources(testing::RealKlbDll());
  ASSERT_TRUE(sources.OpenWith(testing::Fixture(QStringLiteral("mjpeg.avi")), fwDS));
  EXPECT_EQ(sources.Framework(), fwDS);
  EXPECT_EQ(sources.Active()->FrameCount(), 30);
  EXPECT_FALSE(sources.OpenWith(testing::Fixture(QStringLiteral("h264_bframes.mp4")), fwVfw));
  EXPECT_EQ(sources.Framework(), fwVfw);
  EXPECT_EQ(sources.OpenErrorText(), QStringLiteral("This is not an AVI file."));
  EXPECT_TRUE(sources.Reason(fwDS).isEmpty());
  EXPECT_TRUE(sources.Reason(fwFFMpeg).isEmpty());
}

// Each framework now has its reader: a file goes to the first that reads it.
TEST(VideoSourcesTest, EachFileGoesToTheFirstReaderThatReadsIt) {
  const struct {
    QString Path;
    std::optional<TFramework> Start;
    TFramework Expected;
    int Frames;
  } cases[] = {
      {testing::Fixture(QStringLiteral("mjpeg.avi")), std::nullopt, fwVfw, 30},
      {testing::Fixture(QStringLiteral("mjpeg_gaps.avi")), std::nullopt, fwVfw, 34},
      {testing::Fixture(QStringLiteral("mjpeg.avi")), fwDS, fwDS, 30},
      {testing::Fixture(QStringLiteral("mjpeg.avi")), fwFFMpeg, fwFFMpeg, 30},
      // No AVI: from the AVI reader on to GStreamer.
      {testing::Fixture(QStringLiteral("h264_bframes.mp4")), fwVfw, fwDS, 40},
      // GStreamer lacks the program-stream reader here; FFmpeg reads it.
      {testing::Fixture(QStringLiteral("mpeg2.mpg")), std::nullopt, fwFFMpeg, 40},
      {testing::Fixture(QStringLiteral("h264_bframes.mp4")), std::nullopt, fwFFMpeg, 40},
      // GStreamer would show its B-frames late, so it leaves it to FFmpeg.
      {testing::Fixture(QStringLiteral("xvid_packed.avi")), fwDS, fwFFMpeg, 39},
  };
  TVideoSources sources(testing::RealKlbDll());
  EXPECT_NE(dynamic_cast<TVfwPlay *>(sources.Reader(fwVfw)), nullptr);
  EXPECT_NE(dynamic_cast<TDSPlay *>(sources.Reader(fwDS)), nullptr);
  for (const auto &c : cases) {
    ASSERT_TRUE(sources.Open(c.Path, c.Start)) << c.Path.toStdString();
    EXPECT_EQ(sources.Framework(), c.Expected) << c.Path.toStdString();
    EXPECT_EQ(sources.Active()->FrameCount(), c.Frames) << c.Path.toStdString();
  }
}

}  // namespace
}  // namespace kolibra::video
