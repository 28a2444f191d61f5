// The GStreamer reader's contract: the frame count from the stream length, frames fetched
// by their time, positions clamped, the reasons for what GStreamer cannot read, and the
// failures kept inside the open.

#include "VideoTestSupport.h"
#include "video/DSPlay.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <random>

namespace kolibra::video {
namespace {

using testing::Fixture;
using testing::SharedVideo;

QString Sample(const char *Name) {
  return QDir(QStringLiteral(KOLIBRA_TEST_SAMPLES)).filePath(QString::fromUtf8(Name));
}

// The sample "Cylindre" lasts 2.0 s at 25 frames per second.
TEST(DSPlayTest, FramesComeFromTheLengthAndAreFetchedAtTheirTime) {
  ASSERT_TRUE(TDSPlay::Available());
  TDSPlay reader;
  int opened = 0;
  reader.OnOpen = [&opened](TVideoPlay *) { ++opened; };
  reader.SetFileName(Sample("Cylindre.avi"));
  ASSERT_TRUE(reader.Opened()) << reader.ErrorText().toStdString();
  EXPECT_EQ(opened, 1);
  EXPECT_NEAR(reader.StreamLength(), 2.0, 1e-9);
  EXPECT_DOUBLE_EQ(reader.FrameRate(), 25.0);
  EXPECT_EQ(reader.FrameCount(), 50);
  EXPECT_EQ(reader.TimerDelay(), 40);
  EXPECT_EQ(reader.Position(), 0);
  EXPECT_DOUBLE_EQ(reader.StreamTime(), 0.0);
  const struct {
    int Index;
    int Position;
    double Time;
  } cases[] = {{10, 10, 0.4}, {-5, 0, 0.0}, {49, 49, 1.96}, {60, 49, 1.96}, {1, 1, 0.04}};
  for (const auto &c : cases) {
    reader.SetPosition(c.Index);
    EXPECT_EQ(reader.Position(), c.Position) << c.Index;
    EXPECT_NEAR(reader.StreamTime(), c.Time, 1e-12) << c.Index;
    EXPECT_FALSE(testing::Grab(reader).isNull()) << c.Index;
  }
}

TEST(DSPlayTest, CloseAlwaysTellsItsListeners) {
  TDSPlay reader;
  int closed = 0;
  reader.OnClose = [&closed](TVideoPlay *) { ++closed; };
  reader.Close();
  reader.SetFileName(Sample("Parabole.avi"));
  ASSERT_TRUE(reader.Opened());
  EXPECT_EQ(reader.FrameCount(), 48);
  reader.Close();
  EXPECT_EQ(closed, 3);
  EXPECT_FALSE(reader.Opened());
  EXPECT_EQ(reader.FrameCount(), 0);
  QImage picture(4, 4, QImage::Format_RGB888);
  EXPECT_FALSE(reader.Draw(picture, QRect(0, 0, 4, 4)));
}

TEST(DSPlayTest, WhatGStreamerCannotReadIsRefusedWithAReason) {
  std::mt19937 random(3);
  QByteArray noise(8192, '\0');
  for (char &b : noise) b = char(random() & 0xFF);
  const QString empty = testing::WriteTemp(QStringLiteral("empty.mpg"), QByteArray());
  const struct {
    const char *Name;
    QString Path;
    const char *Reason;  // the start of it: GStreamer's own words follow
  } cases[] = {
      {"no name", QString(), "No file name was given."},
      {"missing", QStringLiteral("/nowhere/gone.mpg"), "The file does not exist or cannot be reached."},
      {"empty", empty, "The file is empty."},
      {"a folder", QDir::tempPath(), "This is a folder, not a video file."},
      {"noise", testing::WriteTemp(QStringLiteral("noise.mpg"), noise), "GStreamer cannot read this file: "},
      {"program stream", Fixture(QStringLiteral("mpeg2.mpg")), "GStreamer shows wrong frames of MPEG program streams."},
      {"transport stream", Fixture(QStringLiteral("camcorder.mts")),
       "GStreamer reads MPEG transport streams too slowly; the FFmpeg reader reads them."},
      {"VP9 in AVI", SharedVideo(QStringLiteral("balle1-vp9.avi")),
       "GStreamer has no decoder for the video of this file"},
      {"B-frames across keyframes in AVI", Fixture(QStringLiteral("mpeg4_bframes.avi")),
       "GStreamer shows the B-frames of this AVI file at the wrong times."},
  };
  for (const auto &c : cases) {
    if (c.Path.isEmpty() && qstrcmp(c.Name, "no name") != 0) continue;  // the shared videos are elsewhere
    TDSPlay reader;
    int opened = 0;
    reader.OnOpen = [&opened](TVideoPlay *) { ++opened; };
    reader.SetFileName(c.Path);
    EXPECT_FALSE(reader.Opened()) << c.Name;
    EXPECT_EQ(opened, 0) << c.Name;
    EXPECT_TRUE(reader.ErrorText().startsWith(QString::fromUtf8(c.Reason)))
        << c.Name << ": " << reader.ErrorText().toStdString();
    EXPECT_EQ(reader.ErrorKind(), ofFile) << c.Name;
    EXPECT_EQ(reader.FrameCount(), 0) << c.Name;
  }
}

}  // namespace
}  // namespace kolibra::video
