// The recorder against known frames: the time grid and its empty entries, the exact slot
// limit, the codecs (the camera's JPEG copied byte for byte), a file that stays playable at
// every checkpoint, a full disk seen coming, and a write that fails.

#include "capture/support/CaptureFakes.h"

#include "capture/CaptureRecorder.h"
#include "video/AviParser.h"
#include "video/VfwPlay.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace kolibra::capture::testing {
namespace {


TCapturedFrame Frame(int index, int64_t jitterNs = 0) {
  TCapturedFrame frame;
  frame.TimeNs = 5000000000LL + int64_t(index) * 1000000000LL / 30 + jitterNs;
  frame.Picture = NumberedPicture(index);
  return frame;
}

class CaptureRecorderTest : public ::testing::Test {
 protected:
  TRecordingPlan Plan(const char *name, int codec = -1) {
    TRecordingPlan plan;
    plan.FileName = dir.filePath(QLatin1String(name));
    plan.Width = 64;
    plan.Height = 48;
    plan.Rate = video::TFrameRate::Exact(30, 1);
    plan.Codec = codec;
    plan.QueueFrames = 100000;
    return plan;
  }
  QTemporaryDir dir;
};

TEST_F(CaptureRecorderTest, FramesLandOnTheirSlotsAndMissingOnesAreEmpty) {
  TCaptureRecorder recorder;
  QString reason;
  ASSERT_TRUE(recorder.Start(Plan("grid.avi"), reason)) << reason.toStdString();
  // Driver time stamps jitter by up to 12 ms; frames 5, 6 and 20 never came; frame 9 twice.
  const int64_t jitter[] = {0, 12000000, -9000000, 4000000, -12000000};
  for (int i = 0; i < 40; ++i) {
    if (i == 5 || i == 6 || i == 20) continue;
    recorder.Push(Frame(i, jitter[i % 5]));
    if (i == 9) recorder.Push(Frame(i, 3000000));
  }
  ASSERT_TRUE(recorder.Finish());
  EXPECT_EQ(recorder.Slots(), 40);
  EXPECT_EQ(recorder.Captured(), 37);
  EXPECT_EQ(recorder.Lost(), 3);
  EXPECT_EQ(recorder.LostSlots(), (std::vector<int64_t>{5, 6, 20}));
  const auto entries = ChunkSlots(dir.filePath(QStringLiteral("grid.avi")));
  ASSERT_EQ(entries.size(), 40u);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(entries[size_t(i)].Size == 0, i == 5 || i == 6 || i == 20) << i;

  // Read back: slot k shows frame k, an empty slot the picture before it.
  video::TVfwPlay reader;
  reader.SetFileName(dir.filePath(QStringLiteral("grid.avi")));
  ASSERT_TRUE(reader.Opened()) << reader.ErrorText().toStdString();
  EXPECT_EQ(reader.FrameCount(), 40);
  EXPECT_DOUBLE_EQ(reader.FrameRate(), 30.0);
  QImage shown(64, 48, QImage::Format_RGB888);
  for (const auto &[slot, frame] : {std::pair{4, 4}, std::pair{5, 4}, std::pair{6, 4}, std::pair{7, 7}, std::pair{21, 21}}) {
    reader.SetPosition(slot);
    ASSERT_TRUE(reader.Draw(shown, QRect(0, 0, 64, 48)));
    EXPECT_EQ(shown.pixel(10, 10), NumberedPicture(frame).pixel(10, 10)) << "slot " << slot;
  }
}

TEST_F(CaptureRecorderTest, TheSlotLimitEndsTheFileExactly) {
  TCaptureRecorder recorder;
  std::atomic<int> ended{0};
  recorder.OnEnded = [&ended](TRecorderEnd end) { ended = end == reSlotLimit ? 1 : 2; };
  TRecordingPlan plan = Plan("limit.avi");
  plan.SlotLimit = 45;
  QString reason;
  ASSERT_TRUE(recorder.Start(plan, reason));
  // The last frames before the limit never came: the file still reaches it.
  for (int i = 0; i < 60; ++i)
    if (i < 41 || i > 50) recorder.Push(Frame(i));
  ASSERT_TRUE(WaitUntil([&ended] { return ended.load() != 0; }));
  EXPECT_EQ(ended.load(), 1);
  ASSERT_TRUE(recorder.Finish());
  EXPECT_EQ(recorder.Slots(), 45);
  EXPECT_EQ(recorder.Lost(), 4);
  EXPECT_EQ(ChunkSlots(dir.filePath(QStringLiteral("limit.avi"))).size(), 45u);
}

TEST_F(CaptureRecorderTest, EveryCodecGivesPicturesBackAndJpegIsCopied) {
  for (int codec = -1; codec < int(RecordingCodecs().size()); ++codec) {
    const QString name = QStringLiteral("codec%1.avi").arg(codec + 1);
    TCaptureRecorder recorder;
    TRecordingPlan plan = Plan(qPrintable(name), codec);
    const bool jpeg = codec >= 0 && RecordingCodecs()[size_t(codec)] == QLatin1String("Motion JPEG");
    plan.CameraSendsJpeg = jpeg;
    QString reason;
    ASSERT_TRUE(recorder.Start(plan, reason)) << reason.toStdString();
    std::vector<QByteArray> sent;
    for (int i = 0; i < 10; ++i) {
      TCapturedFrame frame = Frame(i);
      if (jpeg) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        frame.Picture.save(&buffer, "JPG", 95);
        sent.push_back(bytes);
        frame.Jpeg = std::make_shared<const std::vector<uint8_t>>(bytes.begin(), bytes.end());
      }
      recorder.Push(frame);
    }
    ASSERT_TRUE(recorder.Finish()) << name.toStdString();
    const auto entries = ChunkSlots(dir.filePath(name));
    ASSERT_EQ(entries.size(), 10u) << name.toStdString();
    if (jpeg) {
      QFile file(dir.filePath(name));
      ASSERT_TRUE(file.open(QIODevice::ReadOnly));
      for (size_t i = 0; i < entries.size(); ++i) {
        file.seek(entries[i].Offset);
        EXPECT_EQ(file.read(entries[i].Size), sent[i]) << "the camera's own JPEG, byte for byte";
      }
    }
    video::TVfwPlay reader;
    reader.SetFileName(dir.filePath(name));
    ASSERT_TRUE(reader.Opened()) << reader.ErrorText().toStdString();
    QImage shown(64, 48, QImage::Format_RGB888);
    reader.SetPosition(7);
    ASSERT_TRUE(reader.Draw(shown, QRect(0, 0, 64, 48)));
    const QRgb expected = NumberedPicture(7).pixel(20, 20);
    const QRgb seen = shown.pixel(20, 20);
    EXPECT_NEAR(qRed(seen), qRed(expected), jpeg ? 6 : 0) << name.toStdString();
    EXPECT_NEAR(qGreen(seen), qGreen(expected), jpeg ? 6 : 0) << name.toStdString();
  }
}

TEST_F(CaptureRecorderTest, TheFileOnTheDiskIsPlayableAfterEachCheckpoint) {
  TCaptureRecorder recorder;
  QString reason;
  TRecordingPlan plan = Plan("live.avi");
  plan.Width = 320;
  plan.Height = 240;
  ASSERT_TRUE(recorder.Start(plan, reason));
  // 31 frames: the checkpoints after the first frame and after one second; then ten more
  // that no checkpoint covers yet, as if the program were killed now.
  for (int i = 0; i < 41; ++i) {
    TCapturedFrame frame = Frame(i);
    frame.Picture = NumberedPicture(i, 320, 240);
    recorder.Push(frame);
  }
  ASSERT_TRUE(WaitUntil([&recorder] { return recorder.Slots() == 41; }));
  const QString copy = dir.filePath(QStringLiteral("as-killed.avi"));
  ASSERT_TRUE(QFile::copy(dir.filePath(QStringLiteral("live.avi")), copy));
  recorder.Finish();
  QString error;
  const auto entries = ChunkSlots(copy, nullptr, &error);
  EXPECT_EQ(entries.size(), 31u) << error.toStdString();
  video::TVfwPlay reader;
  reader.SetFileName(copy);
  ASSERT_TRUE(reader.Opened()) << reader.ErrorText().toStdString();
  QImage shown(320, 240, QImage::Format_RGB888);
  reader.SetPosition(30);
  ASSERT_TRUE(reader.Draw(shown, QRect(0, 0, 320, 240)));
  EXPECT_EQ(shown.pixel(100, 100), NumberedPicture(30, 320, 240).pixel(100, 100));
}

TEST_F(CaptureRecorderTest, AFullDiskIsSeenComingAndTheFileEndsCleanly) {
  TCaptureRecorder recorder;
  std::atomic<int> ended{0};
  recorder.OnEnded = [&ended](TRecorderEnd end) { ended = int(end); };
  TRecordingPlan plan = Plan("full.avi");
  std::atomic<int64_t> free{int64_t(1) << 30};
  plan.FreeBytes = [&free] { return free.load(); };
  QString reason;
  ASSERT_TRUE(recorder.Start(plan, reason));
  // Past the checkpoint of slot 31, so that its look at the disk is behind us.
  for (int i = 0; i < 35; ++i) recorder.Push(Frame(i));
  ASSERT_TRUE(WaitUntil([&recorder] { return recorder.Slots() == 35; }));
  free = int64_t(10) << 20;  // below the 64 MB kept free
  for (int i = 35; i < 80; ++i) recorder.Push(Frame(i));
  ASSERT_TRUE(WaitUntil([&ended] { return ended.load() != 0; }));
  EXPECT_EQ(ended.load(), int(reDiskFull));
  ASSERT_TRUE(recorder.Finish());
  EXPECT_EQ(recorder.Error(), QStringLiteral("The disk is full."));
  EXPECT_EQ(ChunkSlots(dir.filePath(QStringLiteral("full.avi"))).size(), size_t(recorder.Slots()));
  EXPECT_EQ(recorder.Slots(), 61) << "the check comes with the checkpoint of each second";

  // Already full: nothing starts.
  TCaptureRecorder refused;
  free = 0;
  EXPECT_FALSE(refused.Start(plan, reason));
  EXPECT_EQ(reason, QStringLiteral("The disk is full."));
}

TEST_F(CaptureRecorderTest, AFailedWriteKeepsEveryWholeFrame) {
  // A file-size limit stands for a disk that fills up between two checks.
  TCaptureRecorder recorder;
  TRecordingPlan plan = Plan("cut.avi");
  plan.Width = 320;
  plan.Height = 240;
  QString reason;
  ASSERT_TRUE(recorder.Start(plan, reason));
  rlimit previous{};
  getrlimit(RLIMIT_FSIZE, &previous);
  rlimit small = previous;
  small.rlim_cur = 3u << 20;
  std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  for (int i = 0; i < 30; ++i) {
    TCapturedFrame frame = Frame(i);
    frame.Picture = NumberedPicture(i, 320, 240);
    recorder.Push(frame);
  }
  ASSERT_TRUE(WaitUntil([&recorder] { return recorder.Ended() != reNone; }));
  const bool finished = recorder.Finish();
  setrlimit(RLIMIT_FSIZE, &previous);
  EXPECT_TRUE(finished);
  EXPECT_EQ(recorder.Ended(), reWriteError);
  EXPECT_FALSE(recorder.Error().isEmpty());
  // 230,400 bytes a frame: 13 whole frames and their indexes fit in 3 MB.
  EXPECT_EQ(recorder.Captured(), 13);
  const auto entries = ChunkSlots(dir.filePath(QStringLiteral("cut.avi")));
  EXPECT_EQ(int64_t(entries.size()), recorder.Slots());
  video::TVfwPlay reader;
  reader.SetFileName(dir.filePath(QStringLiteral("cut.avi")));
  ASSERT_TRUE(reader.Opened());
  EXPECT_EQ(reader.FrameCount(), 13);
}

}  // namespace
}  // namespace kolibra::capture::testing
