// kolibra-cli write, stills and assemble run as a script runs them, the files checked with
// ffprobe (frame count, size, the exact rate the stream header stores) and with the pictures
// that went in.

#include "work/HeadlessWork.h"
#include "work/WorkFile.h"
#include "support/RunProgram.h"
#include "video/VideoSources.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolibra::editing::testing {
namespace {

using kolibra::testing::RunProgram;
using kolibra::testing::TProgramRun;

struct TStream {
  int Frames = -1;
  QSize Size;
  QString Rate;
};

TStream Probe(const QString &file) {
  const TProgramRun run = RunProgram(
      QStringLiteral("ffprobe"), {"-v", "error", "-count_frames", "-select_streams", "v:0", "-show_entries",
                                  "stream=width,height,r_frame_rate,nb_read_frames", "-of", "default=nw=1", file});
  TStream stream;
  int w = 0;
  int h = 0;
  for (const QString &line : run.Out.split(QLatin1Char('\n'))) {
    const QString key = line.section(QLatin1Char('='), 0, 0);
    const QString value = line.section(QLatin1Char('='), 1);
    if (key == QLatin1String("width")) w = value.toInt();
    if (key == QLatin1String("height")) h = value.toInt();
    if (key == QLatin1String("r_frame_rate")) stream.Rate = value;
    if (key == QLatin1String("nb_read_frames")) stream.Frames = value.toInt();
  }
  stream.Size = QSize(w, h);
  return stream;
}

class RecordCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    clip = dir.filePath(QStringLiteral("clip.avi"));
    const TProgramRun made = RunProgram(
        QStringLiteral("ffmpeg"), {"-v", "error", "-f", "lavfi", "-i", "testsrc=size=320x240:rate=30000/1001", "-frames:v",
                                   "12", "-c:v", "rawvideo", "-pix_fmt", "bgr24", clip});
    ASSERT_EQ(made.Status, 0) << made.Err.toStdString();
  }
  TProgramRun Cli(const QStringList &arguments) { return RunProgram(QStringLiteral(KOLIBRA_TEST_CLI), arguments); }
  QString Path(const char *name) const { return dir.filePath(QLatin1String(name)); }

  QTemporaryDir dir;
  QString clip;
};

TEST_F(RecordCliTest, WriteKeepsRateCropsAndResizes) {
  struct TCase {
    QStringList Options;
    QSize Size;
    QString Rate;
  };
  const TCase cases[] = {
      {{}, QSize(320, 240), "30000/1001"},
      {{"--crop", "10,20,160,120", "--rate", "240"}, QSize(160, 120), "240/1"},
      {{"--framework", "ds", "--size", "100x60"}, QSize(100, 60), "30000/1001"},
      {{"--framework", "ds", "--codec", "avenc_mjpeg", "--rate", "1920"}, QSize(320, 240), "1920/1"},
  };
  int n = 0;
  for (const TCase &c : cases) {
    const QString out = dir.filePath(QStringLiteral("out%1.avi").arg(n++));
    const TProgramRun run = Cli(QStringList{"write", clip, out} + c.Options);
    ASSERT_EQ(run.Status, 0) << c.Options.join(' ').toStdString() << ": " << run.Err.toStdString();
    const TStream stream = Probe(out);
    EXPECT_EQ(stream.Frames, 12) << c.Options.join(' ').toStdString();
    EXPECT_EQ(stream.Size, c.Size) << c.Options.join(' ').toStdString();
    EXPECT_EQ(stream.Rate, c.Rate) << c.Options.join(' ').toStdString();
    EXPECT_TRUE(run.Out.contains(QStringLiteral(": 12 frames, %1x%2, ").arg(c.Size.width()).arg(c.Size.height())))
        << run.Out.toStdString();
  }
  // A crop read back is the part of the source it names.
  video::TVideoSources sources;
  ASSERT_TRUE(sources.Open(clip));
  sources.Active()->SetPosition(5);
  QImage whole(320, 240, QImage::Format_RGB888);
  ASSERT_TRUE(sources.Active()->Draw(whole, whole.rect()));
  ASSERT_TRUE(sources.Open(dir.filePath(QStringLiteral("out1.avi"))));
  sources.Active()->SetPosition(5);
  QImage cropped(160, 120, QImage::Format_RGB888);
  ASSERT_TRUE(sources.Active()->Draw(cropped, cropped.rect()));
  EXPECT_EQ(cropped, whole.copy(10, 20, 160, 120));
}

TEST_F(RecordCliTest, WorkFileMontageApplies) {
  const QString work = Path("clip.klb");
  {
    work::THeadlessWork headless;
    ASSERT_TRUE(headless.Video.Open(clip));
    TMontageState state = headless.Montage.State();
    ASSERT_EQ(state.Kept.size(), 12u);
    state.Kept[3] = state.Kept[4] = false;
    // Frames 5 ... 11 close only one of the two slots the hidden frames leave: one stays empty.
    for (int f = 5; f < 12; ++f) state.TimeShift[f] = -1;
    ASSERT_TRUE(headless.Montage.SetState(state));
    ASSERT_EQ(work::SaveWork(headless.Context(), work), work::wsOk);
  }
  const TProgramRun plain = Cli({"write", work, Path("plain.avi")});
  ASSERT_EQ(plain.Status, 0) << plain.Err.toStdString();
  EXPECT_EQ(Probe(Path("plain.avi")).Frames, 10);
  const TProgramRun blanks = Cli({"write", work, Path("blanks.avi"), "--blanks"});
  ASSERT_EQ(blanks.Status, 0) << blanks.Err.toStdString();
  EXPECT_EQ(Probe(Path("blanks.avi")).Frames, 11);
  const TProgramRun stills = Cli({"stills", work, Path("still")});
  ASSERT_EQ(stills.Status, 0) << stills.Err.toStdString();
  EXPECT_TRUE(stills.Out.startsWith(QStringLiteral("10 images: "))) << stills.Out.toStdString();
  EXPECT_TRUE(QFileInfo::exists(Path("still_09.bmp")));
  EXPECT_FALSE(QFileInfo::exists(Path("still_10.bmp")));
  // Existing pictures are never replaced by a script.
  EXPECT_EQ(Cli({"stills", work, Path("still")}).Status, 1);
}

TEST_F(RecordCliTest, AssembleSortsNumbersByValue) {
  QStringList images;
  for (int i : {1, 10, 2}) {
    QImage picture(48, 32, QImage::Format_RGB888);
    picture.fill(QColor(20 * i, 50, 90));
    images << dir.filePath(QStringLiteral("img%1.bmp").arg(i));
    ASSERT_TRUE(picture.save(images.back()));
  }
  const QString out = Path("assembled.avi");
  const TProgramRun run = Cli(QStringList{"assemble", out, "--rate", "7.5"} + images);
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  const TStream stream = Probe(out);
  EXPECT_EQ(stream.Frames, 3);
  EXPECT_EQ(stream.Size, QSize(48, 32));
  EXPECT_EQ(stream.Rate, QStringLiteral("15/2"));
  video::TVideoSources sources;
  ASSERT_TRUE(sources.Open(out));
  std::vector<int> reds;
  for (int i = 0; i < 3; ++i) {
    sources.Active()->SetPosition(i);
    QImage picture(48, 32, QImage::Format_RGB888);
    ASSERT_TRUE(sources.Active()->Draw(picture, picture.rect()));
    reds.push_back(picture.pixelColor(4, 4).red());
  }
  EXPECT_EQ(reds, (std::vector<int>{20, 40, 200}));
}

TEST_F(RecordCliTest, BadInputExitsWithAReason) {
  const QString out = Path("bad.avi");
  QFile existing(Path("exists.avi"));
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.close();
  const QList<QStringList> cases{
      {"write", clip},
      {"write", clip, Path("exists.avi")},
      {"write", clip, clip},
      {"write", clip, out, "--size", "1x1"},
      {"write", clip, out, "--crop", "300,0,100,100"},
      {"write", clip, out, "--size", "160x120", "--crop", "0,0,100,100"},
      {"write", clip, out, "--framework", "qt"},
      {"write", clip, out, "--codec", "no-such-codec"},
      {"write", clip, out, "--quality", "5"},
      {"write", Path("missing.avi"), out},
      {"assemble", out, clip},
      {"assemble", out, "--rate", "0", clip},
      {"assemble", out, "--rate", "25", Path("missing.bmp")},
  };
  for (const QStringList &arguments : cases) {
    const TProgramRun run = Cli(arguments);
    EXPECT_EQ(run.Status, 1) << arguments.join(' ').toStdString();
    EXPECT_FALSE(run.Err.trimmed().isEmpty()) << arguments.join(' ').toStdString();
  }
  EXPECT_FALSE(QFileInfo::exists(out));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);  // clip and exists.avi
}

}  // namespace
}  // namespace kolibra::editing::testing
