// Nothing partial is ever left: a codec that cannot open fails before any file exists, a
// cancel or a full disk removes the temporary file, an existing file is replaced only with
// the user's yes, and the FFmpeg writer reports a failed finish instead of passing for success.

#include "WriterTestSupport.h"
#include "editing/writers/DSRecord.h"
#include "editing/writers/FFMpegRecord.h"
#include "editing/writers/VfwRecord.h"
#include "editing/writers/VideoWriters.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolibra::editing {
namespace {

using testing::FilesIn;
using testing::TestPicture;

QByteArray ReadAll(const QString &Name) {
  QFile f(Name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString &Name, const QByteArray &Bytes) {
  QFile f(Name);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(Bytes);
}

TWriterSettings Small(const char *Codec = "without") {
  TWriterSettings s;
  s.Width = 64;
  s.Height = 48;
  s.Codec = QString::fromLatin1(Codec);
  return s;
}

TEST(WriterFailures, ACodecThatCannotOpenFailsBeforeAnyFileExists) {
  TVideoWriters writers(testing::KlbDll());
  struct TCase {
    video::TFramework Framework;
    const char *Codec;
    QString Text;
  } cases[] = {
      {video::fwVfw, "No such codec", QStringLiteral("Coder does not exist or is not available")},
      {video::fwDS, "No such codec", QStringLiteral("Unknown error")},
      // A real encoder that takes DV sizes only.
      {video::fwDS, "avenc_dvvideo", QStringLiteral("Unknown error")},
      {video::fwFFMpeg, "No such codec", QStringLiteral("Unknown error")},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Codec);
    if (QLatin1String(c.Codec) == QLatin1String("avenc_dvvideo") && !TDSRecord::FindEncoder(QStringLiteral("avenc_dvvideo")))
      continue;
    QTemporaryDir folder;
    TVideoWriter &writer = *writers.Writer(c.Framework);
    EXPECT_FALSE(writer.OpenOutput(folder.filePath(QStringLiteral("x.avi")), Small(c.Codec)));
    EXPECT_EQ(writer.ErrorCode(), weCodec);
    EXPECT_EQ(writer.ErrorText(), c.Text);
    EXPECT_TRUE(FilesIn(folder.path()).isEmpty());
    EXPECT_FALSE(writer.CodecNames(QSize(64, 48)).contains(QString::fromLatin1(c.Codec)));
  }
}

TEST(WriterFailures, CancelAndRefusedFramesLeaveNothing) {
  TVideoWriters writers(testing::KlbDll());
  for (const video::TFramework f : writers.Frameworks()) {
    SCOPED_TRACE(video::FrameworkName(f).toStdString());
    QTemporaryDir folder;
    TVideoWriter &writer = *writers.Writer(f);
    ASSERT_TRUE(writer.OpenOutput(folder.filePath(QStringLiteral("x.avi")), Small()));
    // While writing, only the hidden temporary file exists.
    const QStringList during = FilesIn(folder.path());
    ASSERT_EQ(during.size(), 1);
    EXPECT_TRUE(during.front().startsWith(QStringLiteral(".x.avi.")));
    EXPECT_TRUE(writer.AddFrame(TestPicture(0, QSize(64, 48))));
    writer.Cancel();
    EXPECT_EQ(writer.ErrorText(), QStringLiteral("Process cancelled"));
    EXPECT_TRUE(FilesIn(folder.path()).isEmpty());

    // A picture that cannot be read ends the output the same way.
    ASSERT_TRUE(writer.OpenOutput(folder.filePath(QStringLiteral("x.avi")), Small()));
    EXPECT_FALSE(writer.AddFrame(QImage()));
    EXPECT_FALSE(writer.Finish());
    EXPECT_EQ(writer.ErrorCode(), weBadImage);
    EXPECT_TRUE(FilesIn(folder.path()).isEmpty());
  }
}

TEST(WriterFailures, AnExistingFileIsReplacedOnlyWithTheUsersYes) {
  TVideoWriters writers(testing::KlbDll());
  for (const video::TFramework f : writers.Frameworks()) {
    SCOPED_TRACE(video::FrameworkName(f).toStdString());
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("kept.avi"));
    WriteAll(target, "the user's own file");
    TVideoWriter &writer = *writers.Writer(f);
    EXPECT_FALSE(writer.OpenOutput(target, Small()));
    EXPECT_EQ(writer.ErrorCode(), weReplace);
    EXPECT_EQ(writer.ErrorText(),
              QStringLiteral("Unable to replace a file with the same name (it may be in use in another program)"));
    EXPECT_EQ(ReadAll(target), QByteArray("the user's own file"));

    // A file that appears at the target while writing is not replaced either.
    const QString late = folder.filePath(QStringLiteral("late.avi"));
    ASSERT_TRUE(writer.OpenOutput(late, Small()));
    ASSERT_TRUE(writer.AddFrame(TestPicture(0, QSize(64, 48))));
    WriteAll(late, "written meanwhile");
    EXPECT_FALSE(writer.Finish());
    EXPECT_EQ(writer.ErrorCode(), weReplace);
    EXPECT_EQ(ReadAll(late), QByteArray("written meanwhile"));

    TWriterSettings yes = Small();
    yes.Overwrite = true;
    QString reason;
    ASSERT_TRUE(testing::WriteClip(writer, target, yes, 2, reason)) << reason.toStdString();
    EXPECT_TRUE(ReadAll(target).startsWith("RIFF"));
    EXPECT_EQ(FilesIn(folder.path()), QStringList({QStringLiteral("kept.avi"), QStringLiteral("late.avi")}));
  }
}

// A full disk, as a file-size limit in a child process: the write fails, and neither the
// target nor the temporary file is left.
TEST(WriterFailures, AFullDiskLeavesNoOutputAndNoTemporaryFile) {
  struct TCase {
    const char *Framework;
    const char *Codec;
    const char *Limit;  // bytes: past the headers, short of the clip
  } cases[] = {{"vfw", "without", "102400"},   {"vfw", "H.264", "16384"},
               {"ds", "without", "102400"},    {"ds", "jpegenc", "16384"},
               {"ffmpeg", "without", "102400"}, {"ffmpeg", "FFMpeg internal MPEG4 codec", "16384"}};
  for (const TCase &c : cases) {
    SCOPED_TRACE(std::string(c.Framework) + " " + c.Codec);
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("full.avi"));
    QProcess child;
    // 160 x 120 frames: 56 KiB uncompressed, a kilobyte or two compressed.
    child.start(testing::ChildProgram(), {QLatin1String(c.Framework), QLatin1String(c.Codec), QStringLiteral("160"),
                                          QStringLiteral("120"), QStringLiteral("60"), target,
                                          QLatin1String(c.Limit), testing::KlbDll()});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 1) << child.readAllStandardError().toStdString();
    EXPECT_TRUE(FilesIn(folder.path()).isEmpty()) << FilesIn(folder.path()).join(' ').toStdString();

    // Under a limit the clip fits, the same child succeeds: the failure was the disk.
    QProcess roomy;
    roomy.start(testing::ChildProgram(), {QLatin1String(c.Framework), QLatin1String(c.Codec), QStringLiteral("160"),
                                          QStringLiteral("120"), QStringLiteral("60"), target,
                                          QStringLiteral("104857600"), testing::KlbDll()});
    ASSERT_TRUE(roomy.waitForFinished(60000));
    EXPECT_EQ(roomy.exitCode(), 0) << roomy.readAllStandardError().toStdString();
    EXPECT_EQ(FilesIn(folder.path()), QStringList{QStringLiteral("full.avi")});
  }
}

TEST(WriterFailures, TheFFmpegWriterNeedsItsLibraryAtVersion510) {
  QTemporaryDir empty;
  TVideoWriters without(empty.path());
  EXPECT_FALSE(without.Writer(video::fwFFMpeg)->Available());
  EXPECT_EQ(without.FrameworkNames(), QStringList({QStringLiteral("Video for Windows"), QStringLiteral("DirectShow")}));
  EXPECT_TRUE(without.Writer(video::fwFFMpeg)->CodecNames(QSize(64, 48)).isEmpty());

  TFFMpegRecord old(QStringLiteral(KOLIBRA_TEST_FAKE_KLBRFF_DIR));
  ASSERT_TRUE(old.Available()) << old.LoadError().toStdString();
  QTemporaryDir folder;
  EXPECT_FALSE(old.OpenOutput(folder.filePath(QStringLiteral("x.avi")), Small()));
  EXPECT_EQ(old.ErrorCode(), weTooOld);
  EXPECT_EQ(old.ErrorText(), QStringLiteral("The « FFmpeg » libraries installed on the hard disk are too old.\r\n"
                                            "Please download and install a newer version of the « KlbDll » folder."));
  EXPECT_TRUE(FilesIn(folder.path()).isEmpty());

  TVideoWriters all(testing::KlbDll());
  EXPECT_EQ(all.FrameworkNames(), QStringList({QStringLiteral("Video for Windows"), QStringLiteral("DirectShow"),
                                               QStringLiteral("FFMpeg")}));
}

}  // namespace
}  // namespace kolibra::editing
