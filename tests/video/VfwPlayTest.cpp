// The AVI reader's contract: opening through Closed, timing from rate and scale, positions
// clamped, reasons for what it cannot read, files past 4 GB, and damaged files that neither
// crash nor hang it.

#include "AviBuilder.h"
#include "VideoTestSupport.h"
#include "video/VfwPlay.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <random>

namespace kolibra::video {
namespace {

using testing::BitmapInfo;
using testing::BuildAvi;
using testing::Fixture;
using testing::FourCC;
using testing::FrameMd5;
using testing::ReferenceMd5;
using testing::TAviChunkData;
using testing::TAviShape;

// One-pixel 24-bit frames whose red is the frame's number.
QList<TAviChunkData> Numbered(int Count) {
  QList<TAviChunkData> chunks;
  for (int i = 0; i < Count; ++i) chunks << TAviChunkData{QByteArray("\0\0", 2) + char(i) + '\0', true};
  return chunks;
}

QString WriteAvi(const QString &Name, const TAviShape &Shape, const QList<TAviChunkData> &Chunks) {
  return testing::WriteTemp(Name, BuildAvi(Shape, Chunks).Whole());
}

TAviShape OnePixel() {
  TAviShape shape;
  shape.Format = BitmapInfo(1, 1, 24, 0);
  return shape;
}

int Red(TVideoPlay &Reader) { return qRed(testing::Grab(Reader).pixel(0, 0)); }

TEST(VfwPlayTest, OpeningPassesThroughClosedAndTellsItsListeners) {
  TVfwPlay reader;
  QStringList events;
  reader.OnOpen = [&](TVideoPlay *) { events << QStringLiteral("open"); };
  reader.OnClose = [&](TVideoPlay *) { events << QStringLiteral("close"); };
  const QString path = WriteAvi(QStringLiteral("ten.avi"), OnePixel(), Numbered(10));
  reader.SetFileName(path);
  reader.SetFileName(path);
  reader.SetFileName(QStringLiteral("/nowhere/gone.avi"));
  reader.Close();  // closing a closed reader says nothing
  EXPECT_EQ(events, QStringList({"open", "close", "open", "close"}));
  EXPECT_EQ(reader.FileName(), QStringLiteral("/nowhere/gone.avi"));
  EXPECT_EQ(reader.ErrorText(), QStringLiteral("The file does not exist or cannot be reached."));
  EXPECT_EQ(reader.ErrorKind(), ofFile);
}

TEST(VfwPlayTest, PositionsAreClampedAndTheStartComesFromTheHeader) {
  TAviShape shape = OnePixel();
  shape.Start = 3;
  TVfwPlay reader;
  reader.SetFileName(WriteAvi(QStringLiteral("start.avi"), shape, Numbered(10)));
  ASSERT_TRUE(reader.Opened()) << reader.ErrorText().toStdString();
  EXPECT_EQ(reader.Position(), 3);
  EXPECT_EQ(Red(reader), 3);
  const int cases[][2] = {{-5, 0}, {7, 7}, {20, 9}, {9, 9}, {0, 0}};
  for (const auto &c : cases) {
    reader.SetPosition(c[0]);
    EXPECT_EQ(reader.Position(), c[1]) << c[0];
    EXPECT_EQ(Red(reader), c[1]) << c[0];
  }
}

TEST(VfwPlayTest, TheRateIsRateOverScale) {
  const struct {
    uint32_t Rate;
    uint32_t Scale;
    double FrameRate;
    double Interval;
    int Delay;
  } cases[] = {
      {25, 1, 25.0, 0.04, 40}, {30000, 1001, 30000.0 / 1001.0, 1001.0 / 30000.0, 33}, {1, 60, 1.0 / 60, 60.0, 60000}};
  for (const auto &c : cases) {
    TAviShape shape = OnePixel();
    shape.Rate = c.Rate;
    shape.Scale = c.Scale;
    TVfwPlay reader;
    reader.SetFileName(WriteAvi(QStringLiteral("rate.avi"), shape, Numbered(2)));
    ASSERT_TRUE(reader.Opened()) << reader.ErrorText().toStdString();
    EXPECT_DOUBLE_EQ(reader.FrameRate(), c.FrameRate);
    EXPECT_DOUBLE_EQ(reader.FrameInterval(), c.Interval);
    EXPECT_EQ(reader.TimerDelay(), c.Delay);
  }
}

TEST(VfwPlayTest, WhatItCannotReadIsRefusedWithAReason) {
  TAviShape noRate = OnePixel();
  noRate.Rate = 0;
  TAviShape slow = OnePixel();
  slow.Rate = 1;
  slow.Scale = 70;  // a frame every 70 s: beyond the timer
  TAviShape unknown;
  unknown.Format = BitmapInfo(8, 8, 24, FourCC("ZZZZ"));
  TAviShape badJpeg;
  badJpeg.Format = BitmapInfo(8, 8, 24, FourCC("MJPG"));
  const struct {
    const char *Name;
    QString Path;
    const char *Reason;
  } cases[] = {
      {"no rate", WriteAvi(QStringLiteral("norate.avi"), noRate, Numbered(2)), "The file gives no frame rate."},
      {"too slow", WriteAvi(QStringLiteral("slow.avi"), slow, Numbered(2)),
       "The frame rate of this video (0.0142857 frames per second) is too low: Kolibra cannot play frames more "
       "than 65.535 seconds apart."},
      {"unknown codec", WriteAvi(QStringLiteral("unknown.avi"), unknown, Numbered(2)),
       "No decoder is available for the video codec \"ZZZZ\" of this file."},
      {"undecodable first frame", WriteAvi(QStringLiteral("badjpeg.avi"), badJpeg, {{QByteArray(500, 'x'), true}}),
       "The first frame of the file cannot be decoded."},
      {"an MP4", Fixture(QStringLiteral("h264_bframes.mp4")), "This is not an AVI file."},
      {"no name", QString(), "No file name was given."},
      {"a folder", QDir::tempPath(), "This is a folder, not a video file."},
  };
  for (const auto &c : cases) {
    TVfwPlay reader;
    reader.SetFileName(c.Path);
    EXPECT_FALSE(reader.Opened()) << c.Name;
    EXPECT_EQ(reader.ErrorText(), QString::fromUtf8(c.Reason)) << c.Name;
    EXPECT_EQ(reader.FrameCount(), 0) << c.Name;
    QImage picture(2, 2, QImage::Format_RGB888);
    EXPECT_FALSE(reader.Draw(picture, QRect(0, 0, 2, 2))) << c.Name;
  }
}

// An OpenDML file of three RIFF parts whose later parts lie past 4 GB, left as holes on disk.
TEST(VfwPlayTest, FramesPastFourGigabytesAreRead) {
  QTemporaryDir folder;
  if (QStorageInfo(folder.path()).fileSystemType() == "vfat") GTEST_SKIP() << "no sparse files here";
  TAviShape shape = OnePixel();
  shape.Index = TAviShape::OpenDml;
  shape.ChunksPerPart = 4;
  shape.HoleAfterPart = int64_t(3) << 30;
  const testing::TAviBytes bytes = BuildAvi(shape, Numbered(12));
  ASSERT_GT(bytes.Size, int64_t(6) << 30);
  const QString path = folder.filePath(QStringLiteral("huge.avi"));
  ASSERT_TRUE(bytes.Write(path));
  TVfwPlay reader;
  reader.SetFileName(path);
  ASSERT_TRUE(reader.Opened()) << reader.ErrorText().toStdString();
  EXPECT_EQ(reader.Stream().IndexKind, avi::ikOpenDml);
  EXPECT_EQ(reader.Stream().RiffParts, 3);
  EXPECT_EQ(reader.FrameCount(), 12);
  EXPECT_GT(reader.Stream().Slots.back().Offset, int64_t(6) << 30);
  for (int i : {11, 0, 5, 8, 4}) {
    reader.SetPosition(i);
    EXPECT_EQ(Red(reader), i);
  }
}

// An AVI cut short opens with the frames it holds whole, each the full file's.
TEST(VfwPlayTest, ATruncatedAviOpensWithItsWholeFrames) {
  const QStringList reference = ReferenceMd5(Fixture(QStringLiteral("mjpeg.avi.framemd5")));
  QFile whole(Fixture(QStringLiteral("mjpeg.avi")));
  ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
  const QByteArray bytes = whole.readAll();
  TVfwPlay reader;
  reader.SetFileName(testing::WriteTemp(QStringLiteral("cut.avi"), bytes.left(bytes.size() * 6 / 10)));
  ASSERT_TRUE(reader.Opened()) << reader.ErrorText().toStdString();
  EXPECT_EQ(reader.Stream().IndexKind, avi::ikScan);
  ASSERT_GT(reader.FrameCount(), 10);
  ASSERT_LT(reader.FrameCount(), reference.size());
  for (int i = reader.FrameCount() - 1; i >= 0; --i) {
    reader.SetPosition(i);
    EXPECT_EQ(FrameMd5(reader), reference[i]) << "frame " << i;
  }
}

// Noise over the middle of the pictures: every frame can still be asked for, in any order.
TEST(VfwPlayTest, DamagedPicturesNeitherCrashNorHang) {
  for (const char *name : {"xvid_packed.avi", "mpeg4_bframes.avi", "h264_bframes.avi", "mjpeg.avi", "raw.avi"}) {
    QFile file(Fixture(QString::fromUtf8(name)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    std::mt19937 random(11);
    for (int i = bytes.size() / 3; i < bytes.size() / 2; ++i) bytes[i] = char(random() & 0xFF);
    TVfwPlay reader;
    reader.SetFileName(testing::WriteTemp(QStringLiteral("damaged_%1").arg(QString::fromUtf8(name)), bytes));
    if (!reader.Opened()) {
      EXPECT_FALSE(reader.ErrorText().isEmpty()) << name;
      continue;
    }
    for (int i : {reader.FrameCount() - 1, 0, reader.FrameCount() / 2, 1, reader.FrameCount() + 5, -3, 7, 6, 5}) {
      reader.SetPosition(i);
      EXPECT_GE(reader.Position(), 0) << name;
      EXPECT_LT(reader.Position(), reader.FrameCount()) << name;
      QImage picture(reader.FrameWidth(), reader.FrameHeight(), QImage::Format_RGB888);
      reader.Draw(picture, QRect(0, 0, reader.FrameWidth(), reader.FrameHeight()));
    }
  }
}

}  // namespace
}  // namespace kolibra::video
