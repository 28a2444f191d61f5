// Files that are not what they claim: each is refused with a reason that says what is
// wrong, or opened and read correctly; none crashes or hangs the reader.

#include "VideoTestSupport.h"
#include "video/FFMpegPlay.h"
#include "video/VideoSources.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace kolibra::video {
namespace {

using testing::Fixture;
using testing::FrameMd5;
using testing::RealKlbDll;
using testing::ReferenceMd5;

class BadInputTest : public ::testing::Test {
 protected:
  QString Write(const QString &Name, const QByteArray &Bytes) {
    const QString path = Folder.filePath(Name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Bytes);
    return path;
  }
  static QByteArray Read(const QString &Path) {
    QFile file(Path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << Path.toStdString();
    return file.readAll();
  }
  static QByteArray Noise(int Size, unsigned Seed) {
    std::mt19937 random(Seed);
    QByteArray bytes(Size, Qt::Uninitialized);
    for (char &b : bytes) b = static_cast<char>(random() & 0xFF);
    return bytes;
  }

  QTemporaryDir Folder;
  TFFMpegPlay Reader{RealKlbDll()};
};

TEST_F(BadInputTest, FilesThatAreNoVideoAreRefusedWithTheirReason) {
  const QString missing = Folder.filePath(QStringLiteral("gone.avi"));
  const QString empty = Write(QStringLiteral("empty.avi"), QByteArray());
  const QString folder = Folder.filePath(QStringLiteral("folder.avi"));
  ASSERT_TRUE(QDir().mkpath(folder));
  const struct {
    QString Path;
    const char *Reason;
  } cases[] = {
      {missing, "The file does not exist or cannot be reached."},
      {empty, "The file is empty."},
      {folder, "This is a folder, not a video file."},
      {QString(), "No file name was given."},
  };
  for (const auto &c : cases) {
    EXPECT_FALSE(Reader.OpenFile(c.Path)) << c.Reason;
    EXPECT_EQ(Reader.ErrorText(), QString::fromUtf8(c.Reason));
    EXPECT_EQ(Reader.ErrorKind(), ofFile);
    EXPECT_EQ(Reader.FrameCount(), 0);
  }
}

TEST_F(BadInputTest, RandomBytesUnderAVideoNameAreRefused) {
  for (const char *name : {"noise.avi", "noise.mp4", "noise.mts"}) {
    const QString path = Write(QString::fromUtf8(name), Noise(65536, 7));
    EXPECT_FALSE(Reader.OpenFile(path)) << name;
    EXPECT_EQ(Reader.ErrorKind(), ofFile) << name;
    EXPECT_FALSE(Reader.ErrorText().isEmpty()) << name;
    QImage picture(8, 8, QImage::Format_RGB888);
    EXPECT_FALSE(Reader.Draw(picture, QRect(0, 0, 8, 8)));
  }
}

TEST_F(BadInputTest, AnAbsurdFrameSizeIsRefused) {
  QByteArray avi = Read(Fixture(QStringLiteral("raw.avi")));
  const int header = avi.indexOf("avih");
  const int format = avi.indexOf("strf");
  ASSERT_GT(header, 0);
  ASSERT_GT(format, 0);
  const auto put = [&avi](int At, quint32 Value) {
    for (int i = 0; i < 4; ++i) avi[At + i] = static_cast<char>((Value >> (8 * i)) & 0xFF);
  };
  // 20000 x 1000: within what FFmpeg lets through, beyond any camera.
  put(header + 8 + 32, 20000);  // width and height in the main header
  put(header + 8 + 36, 1000);
  put(format + 8 + 4, 20000);  // and in the stream's bitmap header
  put(format + 8 + 8, 1000);
  EXPECT_FALSE(Reader.OpenFile(Write(QStringLiteral("huge.avi"), avi)));
  EXPECT_TRUE(Reader.ErrorText().contains(QStringLiteral("not plausible"))) << Reader.ErrorText().toStdString();
}

// An MP4 keeps its index at the end: half a file has none.
TEST_F(BadInputTest, AHalfMp4IsRefused) {
  const QByteArray whole = Read(Fixture(QStringLiteral("h264_bframes.mp4")));
  EXPECT_FALSE(Reader.OpenFile(Write(QStringLiteral("half.mp4"), whole.left(whole.size() / 2))));
  EXPECT_FALSE(Reader.ErrorText().isEmpty());
}

// An AVI cut short still holds its first frames: those open and read as the full file's,
// but for the last, cut in the middle of its picture.
TEST_F(BadInputTest, ATruncatedAviOpensWithTheFramesItHolds) {
  const QStringList reference = ReferenceMd5(Fixture(QStringLiteral("mjpeg.avi.framemd5")));
  const QByteArray whole = Read(Fixture(QStringLiteral("mjpeg.avi")));
  const QString path = Write(QStringLiteral("cut.avi"), whole.left(whole.size() * 6 / 10));
  if (!Reader.OpenFile(path)) {
    EXPECT_FALSE(Reader.ErrorText().isEmpty());
    return;
  }
  ASSERT_GT(Reader.FrameCount(), 0);
  ASSERT_LT(Reader.FrameCount(), reference.size());
  QStringList errors;
  Reader.OnError = [&](TVideoPlay *, const QString &Message) { errors << Message; };
  for (int i = Reader.FrameCount() - 1; i >= 0; --i) {
    Reader.SetPosition(i);
    ASSERT_EQ(Reader.Position(), i);
    if (i < Reader.FrameCount() - 1) {
      EXPECT_EQ(FrameMd5(Reader), reference[i]) << "frame " << i;
    } else {
      EXPECT_FALSE(FrameMd5(Reader).isEmpty());
    }
  }
  EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('|')).toStdString();
}

// Damage in the middle of the pictures: every frame can still be asked for.
TEST_F(BadInputTest, DamagedPicturesNeitherCrashNorHang) {
  for (const char *name : {"h264_bframes.mp4", "xvid_packed.avi", "camcorder.mts"}) {
    QByteArray bytes = Read(Fixture(QString::fromUtf8(name)));
    const QByteArray noise = Noise(bytes.size() / 5, 11);
    bytes.replace(bytes.size() / 2, noise.size(), noise);
    const QString path = Write(QStringLiteral("damaged_%1").arg(QString::fromUtf8(name)), bytes);
    if (!Reader.OpenFile(path)) {
      EXPECT_FALSE(Reader.ErrorText().isEmpty()) << name;
      continue;
    }
    for (int i : {Reader.FrameCount() - 1, 0, Reader.FrameCount() / 2, 1, Reader.FrameCount() + 5, -3}) {
      Reader.SetPosition(i);
      EXPECT_GE(Reader.Position(), 0) << name;
      EXPECT_LT(Reader.Position(), Reader.FrameCount()) << name;
      EXPECT_FALSE(FrameMd5(Reader).isEmpty()) << name;
    }
  }
}

// Names are UTF-8: spaces, accents and apostrophes reach FFmpeg intact.
TEST_F(BadInputTest, NamesWithSpacesAndAccentsOpen) {
  const QStringList reference = ReferenceMd5(Fixture(QStringLiteral("mjpeg.avi.framemd5")));
  const QString path = Write(QStringLiteral("Vidéo d'élève ü 1.avi"), Read(Fixture(QStringLiteral("mjpeg.avi"))));
  ASSERT_TRUE(Reader.OpenFile(path)) << Reader.ErrorText().toStdString();
  Reader.SetPosition(5);
  EXPECT_EQ(FrameMd5(Reader), reference[5]);

  TVideoSources sources(RealKlbDll());
  ASSERT_TRUE(sources.Open(path)) << sources.OpenErrorText().toStdString();
  EXPECT_EQ(sources.Framework(), fwVfw);
  EXPECT_EQ(sources.Active()->FrameCount(), reference.size());
  sources.Active()->SetPosition(5);
  EXPECT_EQ(FrameMd5(*sources.Active()), reference[5]);
}

// A name FFmpeg could take for a protocol ("clip:1") is still a file.
TEST_F(BadInputTest, ANameWithAColonIsAFile) {
  const QString path = Write(QStringLiteral("clip:1.avi"), Read(Fixture(QStringLiteral("mjpeg.avi"))));
  ASSERT_TRUE(QDir::setCurrent(Folder.path()));
  EXPECT_TRUE(Reader.OpenFile(QStringLiteral("clip:1.avi"))) << Reader.ErrorText().toStdString();
  EXPECT_TRUE(Reader.OpenFile(path)) << Reader.ErrorText().toStdString();
}

TEST_F(BadInputTest, ThroughTheFrameworkChoiceTheFileReasonIsShown) {
  TVideoSources sources(RealKlbDll());
  EXPECT_FALSE(sources.Open(Write(QStringLiteral("noise.avi"), Noise(4096, 3))));
  EXPECT_FALSE(sources.OpenErrorText().isEmpty());
  EXPECT_FALSE(sources.OpenErrorText().contains(QStringLiteral("not installed")));
  EXPECT_FALSE(sources.OpenErrorText().contains(QStringLiteral("Unknown error")));
}

}  // namespace
}  // namespace kolibra::video
