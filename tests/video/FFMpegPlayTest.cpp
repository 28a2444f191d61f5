// The FFmpeg reader against a wrapper double: loading, the version threshold, the texts of a
// failed open, clamping, seek errors, drawing, and two readers sharing the one wrapper.

#include "VideoTestSupport.h"
#include "video/FFMpegPlay.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace kolibra::video {
namespace {

using testing::FakeKlbDll;
using testing::TScopedEnv;

// What the wrapper double was asked, since the last clear.
QString FakeLog() {
  const QByteArray path = QFile::encodeName(QDir(FakeKlbDll()).filePath(TFFMpegPlay::WrapperFileName()));
  void *handle = dlopen(path.constData(), RTLD_NOW | RTLD_NOLOAD);
  if (!handle) return QStringLiteral("<not loaded>");
  auto log = reinterpret_cast<const char *(*)()>(dlsym(handle, "FakeKlbVffLog"));
  const QString text = QString::fromUtf8(log ? log() : "");
  dlclose(handle);
  return text;
}

void ClearFakeLog() {
  const QByteArray path = QFile::encodeName(QDir(FakeKlbDll()).filePath(TFFMpegPlay::WrapperFileName()));
  if (void *handle = dlopen(path.constData(), RTLD_NOW | RTLD_NOLOAD)) {
    if (auto clear = reinterpret_cast<void (*)()>(dlsym(handle, "FakeKlbVffClearLog"))) clear();
    dlclose(handle);
  }
}

const QString NotInstalled = QStringLiteral(
    "The « FFmpeg » libraries are not installed on the hard disk.\r\n"
    "Please download and install the « KlbDll » folder.");
const QString TooOld = QStringLiteral(
    "The « FFmpeg » libraries installed on the hard disk are too old.\r\n"
    "Please download and install a newer version of the « KlbDll » folder.");

TEST(FFMpegPlayTest, WithoutTheWrapperEveryOpenSaysItIsNotInstalled) {
  QTemporaryDir empty;
  TFFMpegPlay reader(empty.path());
  EXPECT_FALSE(reader.LoadWrapper());
  EXPECT_FALSE(reader.OpenFile(QStringLiteral("clip.mov")));
  EXPECT_EQ(reader.ErrorText(), NotInstalled);
  EXPECT_EQ(reader.ErrorKind(), ofFramework);
  EXPECT_FALSE(reader.Opened());
  EXPECT_EQ(reader.FrameCount(), 0);
  EXPECT_TRUE(reader.GetComment(QStringLiteral("clip.mov")).isEmpty());
  QImage picture(4, 4, QImage::Format_RGB888);
  EXPECT_FALSE(reader.Draw(picture, QRect(0, 0, 4, 4)));
  reader.SetPosition(3);  // nothing to move, nothing to crash
}

TEST(FFMpegPlayTest, TheEnvironmentVariableNamesTheWrapperFolder) {
  TScopedEnv env("KOLIBRA_KLBDLL_DIR", FakeKlbDll().toUtf8());
  EXPECT_EQ(TFFMpegPlay::KlbDllFolder(), FakeKlbDll());
  TFFMpegPlay reader;
  EXPECT_TRUE(reader.LoadWrapper());
}

TEST(FFMpegPlayTest, VersionsBelow510AreTooOld) {
  const struct {
    const char *Version;
    bool Opens;
  } cases[] = {{"0", false}, {"509", false}, {"510", true}, {"520", true}};
  for (const auto &c : cases) {
    TScopedEnv version("FAKE_KLBVFF_VERSION", c.Version);
    TFFMpegPlay reader(FakeKlbDll());
    EXPECT_EQ(reader.OpenFile(QStringLiteral("clip.mov")), c.Opens) << c.Version;
    EXPECT_EQ(reader.ErrorText(), c.Opens ? QString() : TooOld) << c.Version;
  }
}

TEST(FFMpegPlayTest, OpeningReadsTheWrapperAndPassesThroughClosed) {
  TScopedEnv rate("FAKE_KLBVFF_RATE", "30");
  TScopedEnv count("FAKE_KLBVFF_COUNT", "90");
  TScopedEnv duration("FAKE_KLBVFF_DURATION", "3");
  TFFMpegPlay reader(FakeKlbDll());
  QStringList events;
  reader.OnOpen = [&](TVideoPlay *sender) { events << QStringLiteral("open:%1").arg(sender->FrameCount()); };
  reader.OnClose = [&](TVideoPlay *sender) { events << QStringLiteral("close:%1").arg(sender->FrameCount()); };
  ASSERT_TRUE(reader.OpenFile(QStringLiteral("clip.mov")));
  EXPECT_EQ(events, QStringList({QStringLiteral("close:0"), QStringLiteral("open:90")}));
  EXPECT_EQ(reader.FileName(), QStringLiteral("clip.mov"));
  EXPECT_EQ(reader.FrameWidth(), 8);
  EXPECT_EQ(reader.FrameHeight(), 6);
  EXPECT_DOUBLE_EQ(reader.FrameRate(), 30.0);
  EXPECT_DOUBLE_EQ(reader.FrameInterval(), 1.0 / 30.0);
  EXPECT_EQ(reader.TimerDelay(), 33);
  EXPECT_DOUBLE_EQ(reader.Duration(), 3.0);
  EXPECT_EQ(reader.Position(), 0);
  EXPECT_EQ(reader.ErrorKind(), ofNone);

  events.clear();
  reader.Close();
  EXPECT_EQ(events, QStringList({QStringLiteral("close:0")}));
  EXPECT_FALSE(reader.Opened());
}

TEST(FFMpegPlayTest, AFailedOpenGivesTheWrappersReasonElseUnknownError) {
  TScopedEnv closed("FAKE_KLBVFF_OPEN", "0");
  {
    TScopedEnv reason("FAKE_KLBVFF_OPENERROR", "The file is empty.");
    TFFMpegPlay reader(FakeKlbDll());
    EXPECT_FALSE(reader.OpenFile(QStringLiteral("empty.avi")));
    EXPECT_EQ(reader.ErrorText(), QStringLiteral("The file is empty."));
    EXPECT_EQ(reader.ErrorKind(), ofFile);
  }
  TFFMpegPlay reader(FakeKlbDll());
  EXPECT_FALSE(reader.OpenFile(QStringLiteral("empty.avi")));
  EXPECT_EQ(reader.ErrorText(), QStringLiteral("Unknown error"));
  EXPECT_EQ(reader.ErrorKind(), ofUnknown);
  EXPECT_EQ(reader.FrameCount(), 0);
}

TEST(FFMpegPlayTest, AZeroOrTooLowRateIsRefusedWithAReason) {
  const struct {
    const char *Rate;
    const char *Says;
  } cases[] = {{"0", "no frame rate"}, {"0.01", "too low"}, {"0.015", "too low"}};
  for (const auto &c : cases) {
    TScopedEnv rate("FAKE_KLBVFF_RATE", c.Rate);
    TFFMpegPlay reader(FakeKlbDll());
    EXPECT_FALSE(reader.OpenFile(QStringLiteral("slow.mov"))) << c.Rate;
    EXPECT_TRUE(reader.ErrorText().contains(QLatin1String(c.Says))) << reader.ErrorText().toStdString();
    EXPECT_FALSE(reader.Opened());
  }
}

TEST(FFMpegPlayTest, PositionsAreClampedAndEverySeekReachesTheWrapper) {
  TScopedEnv count("FAKE_KLBVFF_COUNT", "50");
  TFFMpegPlay reader(FakeKlbDll());
  ASSERT_TRUE(reader.OpenFile(QStringLiteral("clip.mov")));
  const struct {
    int Asked;
    int Position;
  } cases[] = {{-5, 0}, {7, 7}, {60, 49}, {49, 49}, {0, 0}};
  for (const auto &c : cases) {
    reader.SetPosition(c.Asked);
    EXPECT_EQ(reader.Position(), c.Position) << c.Asked;
  }
  ClearFakeLog();
  reader.SetPosition(0);
  EXPECT_EQ(FakeLog(), QStringLiteral("seek:0;"));
}

TEST(FFMpegPlayTest, ASeekErrorReachesOnErrorAndIsNotFatal) {
  TFFMpegPlay reader(FakeKlbDll());
  ASSERT_TRUE(reader.OpenFile(QStringLiteral("clip.mov")));
  QStringList messages;
  reader.OnError = [&](TVideoPlay *, const QString &Message) { messages << Message; };
  reader.SetPosition(3);
  EXPECT_TRUE(messages.isEmpty());
  TScopedEnv error("FAKE_KLBVFF_SEEKERROR", "Frame 4 cannot be decoded.");
  reader.SetPosition(4);
  EXPECT_EQ(messages, QStringList({QStringLiteral("Frame 4 cannot be decoded.")}));
  EXPECT_TRUE(reader.Opened());
  EXPECT_EQ(reader.Position(), 4);
}

TEST(FFMpegPlayTest, DrawPaintsTheWrappersFrameThroughTheStretch) {
  TFFMpegPlay reader(FakeKlbDll());
  ASSERT_TRUE(reader.OpenFile(QStringLiteral("clip.mov")));
  reader.SetPosition(7);
  QImage whole(8, 6, QImage::Format_RGB888);
  ASSERT_TRUE(reader.Draw(whole, QRect(0, 0, 8, 6)));
  EXPECT_EQ(whole.pixel(3, 2), qRgb(30, 20, 7));
  QImage zoomed(4, 4, QImage::Format_RGB888);
  ASSERT_TRUE(reader.Draw(zoomed, QRect(6, 4, 2, 2)));
  EXPECT_EQ(zoomed.pixel(3, 3), qRgb(70, 50, 7));
  reader.SetPosition(9);
  ASSERT_TRUE(reader.Draw(whole, QRect(0, 0, 8, 6)));
  EXPECT_EQ(qBlue(whole.pixel(0, 0)), 9);
}

TEST(FFMpegPlayTest, NamesAndCommentsCrossTheWrapperAsUtf8) {
  TScopedEnv comment("FAKE_KLBVFF_COMMENT", "Kolibra vidéo ü");
  TFFMpegPlay reader(FakeKlbDll());
  EXPECT_EQ(reader.GetComment(QStringLiteral("a.avi")), QStringLiteral("Kolibra vidéo ü"));
  ClearFakeLog();
  ASSERT_TRUE(reader.OpenFile(QStringLiteral("/tmp/Élève à l'école.avi")));
  EXPECT_TRUE(FakeLog().startsWith(QStringLiteral("name:/tmp/Élève à l'école.avi;"))) << FakeLog().toStdString();
}

// The wrapper holds one file: a reader whose file was replaced by another reader's takes it
// back before moving, and never closes the other's.
TEST(FFMpegPlayTest, TwoReadersTakeTheWrapperInTurn) {
  TFFMpegPlay first(FakeKlbDll());
  TFFMpegPlay second(FakeKlbDll());
  ASSERT_TRUE(first.OpenFile(QStringLiteral("first.avi")));
  first.SetPosition(5);
  ASSERT_TRUE(second.OpenFile(QStringLiteral("second.avi")));
  second.SetPosition(2);

  ClearFakeLog();
  first.SetPosition(6);
  EXPECT_EQ(FakeLog(), QStringLiteral("name:first.avi;seek:5;seek:6;"));
  QImage picture(8, 6, QImage::Format_RGB888);
  ASSERT_TRUE(first.Draw(picture, QRect(0, 0, 8, 6)));
  EXPECT_EQ(qBlue(picture.pixel(0, 0)), 6);

  ClearFakeLog();
  ASSERT_TRUE(second.Draw(picture, QRect(0, 0, 8, 6)));
  EXPECT_EQ(qBlue(picture.pixel(0, 0)), 2);
  EXPECT_EQ(FakeLog(), QStringLiteral("name:second.avi;seek:2;draw;"));

  ClearFakeLog();
  first.Close();
  EXPECT_EQ(FakeLog(), QString());
  second.Close();
  EXPECT_EQ(FakeLog(), QStringLiteral("close;"));
}

}  // namespace
}  // namespace kolibra::video
