// The capture controller on back-end doubles, its ticker stepped by hand: the delay and the
// duration, a delayed start that is cancelled, the status texts, the save flow and its
// refusals, the temporary file of another Kolibra, a camera unplugged, the settings.

#include "capture/support/CaptureFakes.h"

#include "kit/IniFile.h"
#include "kit/MessageBox.h"
#include "video/AviParser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kolibra::capture::testing {
namespace {


class CaptureControllerTest : public ::testing::Test {
 protected:
  CaptureControllerTest() {
    auto first = std::make_unique<TFakeBackend>(cfAvDevice);
    auto second = std::make_unique<TFakeBackend>(cfGStreamer);
    vfw = first.get();
    ds = second.get();
    capture.SetBackend(cfAvDevice, std::move(first));
    capture.SetBackend(cfGStreamer, std::move(second));
    capture.ManualTicks = true;
    capture.RecorderQueueFrames = 100000;
    capture.OnStatusText = [this](TCapture *, const QString &text) { statuses << text; };
    capture.OnConnectionQuery = [this](TCapture *) { ++connectionQueries; };
    capture.PrepareOnce();
    capture.SelectDevice(2);  // the fake camera of back-end 1
  }
  QString Out(const char *name) const { return QDir(out.path()).filePath(QLatin1String(name)); }
  bool Idle() { return WaitUntil([this] { return capture.State() == csIdle; }); }
  QStringList Temporaries() const { return QDir(temporary.path()).entryList(QDir::Files); }
  QStringList BoxTexts() const {
    QStringList texts;
    for (const TMessageRequest &r : boxes.Requests()) texts << r.Text();
    return texts;
  }
  // Records frames 0 .. count - 1 and stops with the button.
  void Record(int count, const std::vector<int> &skipped = {}) {
    capture.RecordButton();
    ASSERT_EQ(capture.State(), csRecording);
    ds->Deliver(0, count, skipped);
    capture.RecordButton();
  }

  QTemporaryDir temporary;
  QTemporaryDir out;
  TScriptedMessageBox boxes;
  TScriptedCaptureDialogs dialogs;
  TCapture capture{temporary.filePath(QStringLiteral("Kolibra.ini")), temporary.path(), dialogs};
  TFakeBackend *vfw = nullptr;
  TFakeBackend *ds = nullptr;
  QStringList statuses;
  int connectionQueries = 0;
};

TEST_F(CaptureControllerTest, BothBackEndsListTheirCamerasWithTheirSuffix) {
  EXPECT_EQ(capture.DeviceNames(), (QStringList{QStringLiteral("Fake camera (VFW)"), QStringLiteral("Kolibra test pattern (VFW)"),
                                                QStringLiteral("Fake camera (DirectShow)"),
                                                QStringLiteral("Kolibra test pattern (DirectShow)")}));
  EXPECT_EQ(capture.CaptureFramework, cfGStreamer);
  EXPECT_EQ(capture.DeviceIndex(), 2);
  EXPECT_EQ(capture.CodecNames().front(), QStringLiteral("without"));
  // Choosing the camera already chosen changes nothing, not even the preview.
  ASSERT_TRUE(capture.Connect());
  capture.SelectDevice(2);
  EXPECT_EQ(ds->Stops, 0);
  EXPECT_TRUE(capture.IsPreviewing());
  capture.SelectDevice(0);
  EXPECT_EQ(ds->Stops, 1);
  EXPECT_EQ(capture.CaptureFramework, cfAvDevice);
}

TEST_F(CaptureControllerTest, DelayFiveDurationTenCountsDownThenRecordsExactlyTenSeconds) {
  capture.DelayEnabled = true;
  capture.Delay = 5;
  capture.DurationEnabled = true;
  capture.Duration = 10;
  capture.BeepAtStart = true;
  ASSERT_TRUE(capture.Connect());
  dialogs.Answers = {Out("ten.avi")};
  capture.RecordButton();
  EXPECT_EQ(capture.State(), csWaiting);
  EXPECT_TRUE(capture.Recording()) << "waiting counts as recording";
  for (int i = 0; i < 4; ++i) capture.Tick();
  EXPECT_EQ(capture.State(), csWaiting);
  EXPECT_EQ(dialogs.Beeps, 0);
  capture.Tick();  // Seconds reaches 5
  EXPECT_EQ(capture.State(), csRecording);
  EXPECT_EQ(dialogs.Beeps, 1);
  EXPECT_EQ(statuses.mid(0, 5), (QStringList{QStringLiteral("Recording will start after 5 second(s) "),
                                             QStringLiteral("Recording will start after 4 second(s) "),
                                             QStringLiteral("Recording will start after 3 second(s) "),
                                             QStringLiteral("Recording will start after 2 second(s) "),
                                             QStringLiteral("Recording will start after 1 second(s) ")}));
  EXPECT_EQ(statuses.last(), QStringLiteral("Number of captured images: 0   Number of lost images: 0"));
  // The camera sends more than ten seconds; the file ends at 300 entries by itself.
  ds->Deliver(0, 320, {17, 18});
  ASSERT_TRUE(Idle());
  EXPECT_EQ(capture.SavedFile(), Out("ten.avi"));
  video::avi::TAviStream stream;
  const auto entries = ChunkSlots(Out("ten.avi"), &stream);
  ASSERT_EQ(entries.size(), 300u);
  EXPECT_EQ(stream.Rate, 30u);
  EXPECT_EQ(stream.Scale, 1u);
  EXPECT_EQ(entries[17].Size, 0u);
  EXPECT_EQ(entries[18].Size, 0u);
  EXPECT_GT(entries[19].Size, 0u);
  EXPECT_EQ(capture.CapturedFrames(), 298);
  EXPECT_EQ(capture.LostFrames(), 2);
  EXPECT_EQ(capture.LastRecording().LostSlots, (std::vector<int64_t>{17, 18}));
  EXPECT_TRUE(Temporaries().filter(QStringLiteral("Capture")).isEmpty()) << "the temporary recording is gone";
}

TEST_F(CaptureControllerTest, ADurationAloneStartsAtOnce) {
  capture.DurationEnabled = true;
  capture.Duration = 3;
  ASSERT_TRUE(capture.Connect());
  dialogs.Answers = {Out("three.avi")};
  capture.RecordButton();
  EXPECT_EQ(capture.State(), csRecording);
  EXPECT_EQ(statuses.first(), QStringLiteral("Number of captured images: 0   Number of lost images: 0"));
  ds->Deliver(0, 100);
  ASSERT_TRUE(Idle());
  EXPECT_EQ(ChunkSlots(Out("three.avi")).size(), 90u);
}

TEST_F(CaptureControllerTest, TheCountdownNeverShowsZero) {
  capture.DelayEnabled = true;
  capture.Delay = 2;
  ASSERT_TRUE(capture.Connect());
  capture.RecordButton();
  capture.Tick();
  capture.Tick();
  EXPECT_EQ(capture.State(), csRecording);
  EXPECT_EQ(statuses, (QStringList{QStringLiteral("Recording will start after 2 second(s) "),
                                   QStringLiteral("Recording will start after 1 second(s) "),
                                   QStringLiteral("Number of captured images: 0   Number of lost images: 0")}));
  capture.StopRecording();
}

TEST_F(CaptureControllerTest, ADelayedStartIsCancelledWhateverStopsIt) {
  const struct {
    const char *Way;
    std::function<void(TCapture &)> Stop;
  } ways[] = {
      {"the record button again", [](TCapture &c) { c.RecordButton(); }},
      {"leaving capture mode", [](TCapture &c) { c.StopRecording(); }},
      {"another camera", [](TCapture &c) { c.SelectDevice(3); }},
      {"another format", [](TCapture &c) { c.SelectFormat(1); }},
  };
  for (const auto &way : ways) {
    capture.SelectDevice(2);
    capture.SelectFormat(0);
    capture.DelayEnabled = true;
    capture.Delay = 3;
    ASSERT_TRUE(capture.Connect());
    capture.RecordButton();
    ASSERT_EQ(capture.State(), csWaiting) << way.Way;
    ASSERT_FALSE(capture.TempFile().isEmpty());
    way.Stop(capture);
    EXPECT_FALSE(capture.Recording()) << way.Way;
    for (int i = 0; i < 5; ++i) capture.Tick();
    EXPECT_FALSE(capture.Recording()) << way.Way << ": the ticker must not start it later";
    EXPECT_TRUE(dialogs.Requests.empty()) << way.Way;
    EXPECT_TRUE(Temporaries().filter(QStringLiteral("Capture")).isEmpty()) << way.Way;
    EXPECT_TRUE(capture.StatusText().isEmpty()) << way.Way;
  }
  // The dialogs wait while the delay runs.
  capture.SelectDevice(2);
  ASSERT_TRUE(capture.Connect());
  capture.RecordButton();
  capture.ButtonClicked(cbFormat);
  capture.ButtonClicked(cbConfigurer);
  EXPECT_TRUE(dialogs.Pages.empty());
  EXPECT_EQ(dialogs.Controls, 0);
  capture.StopRecording();
}

TEST_F(CaptureControllerTest, SavingRefusesExistingNamesAndAddsTheExtension) {
  QFile taken(Out("taken.avi"));
  ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
  taken.close();
  ASSERT_TRUE(capture.Connect());
  dialogs.Answers = {Out("taken.avi"), Out("named")};
  Record(10);
  ASSERT_TRUE(Idle());
  EXPECT_EQ(capture.SavedFile(), Out("named.avi"));
  ASSERT_EQ(dialogs.Requests.size(), 2u);
  EXPECT_EQ(dialogs.Requests[0].Title, QStringLiteral("Save video"));
  EXPECT_EQ(dialogs.Requests[0].BaseName, QStringLiteral("Capture"));
  EXPECT_FALSE(dialogs.Requests[0].ConfirmOverwrite);
  EXPECT_EQ(dialogs.Requests[1].Folder, out.path()) << "the dialog comes back in that folder";
  EXPECT_TRUE(BoxTexts().contains(Out("taken.avi") +
                                  QStringLiteral("\nA file with this name already exists in the selected directory.\n"
                                                 "Please choose a different file name or directory.")));
  EXPECT_EQ(QFileInfo(Out("taken.avi")).size(), 0) << "never replaced";

  dialogs.Answers = {Out("UPPER.AVI")};
  ASSERT_TRUE(capture.Connect());
  Record(5);
  ASSERT_TRUE(Idle());
  EXPECT_EQ(capture.SavedFile(), Out("UPPER.AVI"));
}

TEST_F(CaptureControllerTest, AFailedCopyKeepsTheRecordingAndAsksAgain) {
  ASSERT_TRUE(capture.Connect());
  dialogs.Answers = {Out("missing-folder/x.avi"), Out("kept.avi")};
  Record(12);
  ASSERT_TRUE(Idle());
  EXPECT_TRUE(BoxTexts().filter(QStringLiteral("The file creation in the selected directory has failed.\n"
                                               "Check your access rights to this directory."))
                  .size() == 1);
  EXPECT_EQ(capture.SavedFile(), Out("kept.avi"));
  EXPECT_EQ(ChunkSlots(Out("kept.avi")).size(), 12u);
  EXPECT_TRUE(Temporaries().filter(QStringLiteral("Capture")).isEmpty());
}

TEST_F(CaptureControllerTest, CancellingDeletesTheRecordingAndReconnects) {
  ASSERT_TRUE(capture.Connect());
  dialogs.Answers = {QString()};
  Record(8);
  ASSERT_TRUE(Idle());
  EXPECT_TRUE(capture.SavedFile().isEmpty());
  EXPECT_EQ(connectionQueries, 1);
  EXPECT_TRUE(Temporaries().filter(QStringLiteral("Capture")).isEmpty());
}

TEST_F(CaptureControllerTest, ARecordingWithoutFramesIsAFailure) {
  ASSERT_TRUE(capture.Connect());
  dialogs.Answers = {Out("empty.avi")};
  Record(0);
  ASSERT_TRUE(Idle());
  EXPECT_TRUE(dialogs.Requests.empty()) << "nothing to save";
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Capture has failed. File has not been saved."));
  EXPECT_EQ(boxes.Last().Icon, icWarning);
  EXPECT_TRUE(capture.SavedFile().isEmpty());
  EXPECT_TRUE(Temporaries().filter(QStringLiteral("Capture")).isEmpty()) << "the empty file is removed";
}

TEST_F(CaptureControllerTest, AnotherKolibrasLockedRecordingIsLeftAlone) {
  // Capture0: another Kolibra records into it (locked); Capture1: a leftover (unlocked).
  const QByteArray live = QFile::encodeName(temporary.filePath(QStringLiteral("Capture0")));
  const int fd = ::open(live.constData(), O_RDWR | O_CREAT, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::write(fd, "live", 4), 4);
  ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
  QFile leftover(temporary.filePath(QStringLiteral("Capture1")));
  ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
  leftover.write("old");
  leftover.close();

  ASSERT_TRUE(capture.Connect());
  capture.RecordButton();
  EXPECT_EQ(capture.TempFile(), temporary.filePath(QStringLiteral("Capture1")));
  EXPECT_EQ(QFileInfo(temporary.filePath(QStringLiteral("Capture0"))).size(), 4) << "the live recording is untouched";
  capture.StopRecording();
  ::close(fd);
}

TEST_F(CaptureControllerTest, AnUnpluggedCameraClosesTheFileSaysWhyAndSavesIt) {
  ASSERT_TRUE(capture.Connect());
  dialogs.Answers = {Out("unplugged.avi")};
  capture.RecordButton();
  ds->Deliver(0, 20);
  ASSERT_TRUE(WaitUntil([this] { return capture.CapturedFrames() == 20; }));
  ds->Unplug(QStringLiteral("No such device"));
  ASSERT_TRUE(Idle());
  EXPECT_TRUE(BoxTexts().contains(QStringLiteral("A Plug and Play device was disconnected.\nNo such device")));
  EXPECT_EQ(capture.SavedFile(), Out("unplugged.avi"));
  video::avi::TAviStream stream;
  EXPECT_EQ(ChunkSlots(Out("unplugged.avi"), &stream).size(), 20u);
  EXPECT_NE(stream.IndexKind, video::avi::ikScan) << "closed properly, with its index";

  // Previewing only: the camera that comes back is shown again.
  capture.SetPreviewAllowed(true);
  ds->Plugged = true;
  ASSERT_TRUE(capture.Connect());
  ds->Unplug(QString());
  ASSERT_TRUE(WaitUntil([this] { return !capture.IsPreviewing(); }));
  ds->Plugged = true;
  ASSERT_TRUE(WaitUntil([this] { return capture.IsPreviewing(); }, 5000));
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("A Plug and Play device was reconnected."));
}

TEST_F(CaptureControllerTest, TheSettingsComeBackNextTime) {
  capture.SelectDevice(0);
  capture.SelectFormat(1);
  capture.SelectCodec(int(RecordingCodecs().size()) - 1);
  capture.SaveSettings();
  const TIniFile ini(temporary.filePath(QStringLiteral("Kolibra.ini")));
  EXPECT_EQ(ini.ReadInteger(QStringLiteral("Capture"), QStringLiteral("Framework"), -1), 0);
  EXPECT_EQ(ini.ReadString(QStringLiteral("Capture"), QStringLiteral("Device"), QString()), QStringLiteral("Fake camera"));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Capture"), QStringLiteral("Format"), QString()),
            QStringLiteral("RGB 128x96, 30 fps"));

  TCapture again(temporary.filePath(QStringLiteral("Kolibra.ini")), temporary.path(), dialogs);
  again.SetBackend(cfAvDevice, std::make_unique<TFakeBackend>(cfAvDevice));
  again.SetBackend(cfGStreamer, std::make_unique<TFakeBackend>(cfGStreamer));
  again.PrepareOnce();
  EXPECT_EQ(again.DeviceIndex(), 0);
  EXPECT_EQ(again.FormatIndex(), 1);
  EXPECT_EQ(again.CodecIndex(), capture.CodecIndex());
  // Without a camera of that name nothing is selected, and entering capture mode asks.
  TIniFile changed(temporary.filePath(QStringLiteral("Kolibra.ini")));
  changed.WriteString(QStringLiteral("Capture"), QStringLiteral("Device"), QStringLiteral("Gone camera"));
  changed.UpdateFile();
  TCapture third(temporary.filePath(QStringLiteral("Kolibra.ini")), temporary.path(), dialogs);
  third.SetBackend(cfAvDevice, std::make_unique<TFakeBackend>(cfAvDevice));
  third.SetBackend(cfGStreamer, std::make_unique<TFakeBackend>(cfGStreamer));
  dialogs.ChooseOnHardware = 3;
  EXPECT_TRUE(third.PrepareDevices());
  EXPECT_EQ(dialogs.Pages.back(), cpHardware);
  EXPECT_EQ(third.DeviceIndex(), 3);
}

}  // namespace
}  // namespace kolibra::capture::testing
