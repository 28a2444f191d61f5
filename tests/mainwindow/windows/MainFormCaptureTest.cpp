// Capture mode in the real window, offscreen, with the test pattern of back-end 0: the
// camera chosen in the setup dialog, the live preview, a one-second recording with the
// setup buttons disabled meanwhile, saved through the save dialog; a camera that drops
// frames, whose recording opens with those slots as missing frames at their true times.

#include "mainwindow/windows/support/MainFormFixture.h"
#include "support/ModalDialogs.h"
#include "support/WaitFor.h"

#include "capture/Capture.h"
#include "editing/Montage.h"
#include "measurement/Data.h"
#include "capture/windows/CapturePreview.h"
#include "mainwindow/MainForm.h"
#include "settings/Options.h"
#include "video/AviParser.h"
#include "videoview/VideoModel.h"
#include "videoview/windows/Video.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QListWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace kolibra::mainwindow::testing {
namespace {

using kolibra::testing::Child;
using kolibra::testing::WaitFor;
using kolibra::testing::WhenShown;

using MainFormCaptureTest = MainFormFixture;

TEST_F(MainFormCaptureTest, TheTestPatternIsPreviewedRecordedAndSaved) {
  // Entering capture mode asks for a camera: the test pattern of back-end 0, 320 x 240.
  WhenShown<QDialog>([](QDialog *setup) {
    auto *devices = Child<QListWidget>(setup, "ListDevices");
    const auto found = devices->findItems(QStringLiteral("Kolibra test pattern (VFW)"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    devices->setCurrentItem(found.first());
    auto *tabs = Child<QTabWidget>(setup, "Pages");
    EXPECT_TRUE(tabs->isTabVisible(3)) << "the frame-rate page of back-end 0";
    Child<QListWidget>(setup, "ListFormats")->setCurrentRow(0);
    setup->reject();
  });
  Press(ButtonModeCapture);
  ASSERT_TRUE(Button(ButtonModeCapture)->isChecked());
  capture::TCapture &capture = form->Capture();
  EXPECT_EQ(capture.Format()->Name, QStringLiteral("320x240"));
  ASSERT_TRUE(WaitFor([this] { return form->CapturePreview()->PicturesShown() > 3; }));
  EXPECT_TRUE(form->CapturePreview()->isVisible());
  EXPECT_FALSE(form->Video().isVisible()) << "the preview takes the view's place";
  EXPECT_TRUE(Button(ButtonCapEnregistrer)->isVisible());
  EXPECT_FALSE(form->Control(TrackBar)->isVisible());
  // No Display or Measurements while capturing; the File and Help menus stay.
  EXPECT_FALSE(form->MenuAction(MenuAffichage)->isEnabled());
  EXPECT_FALSE(form->MenuAction(MenuMesures)->isEnabled());
  EXPECT_TRUE(form->MenuAction(MenuFichier)->isEnabled());
  EXPECT_TRUE(form->MenuAction(MenuAide)->isEnabled());

  // One second, set on the timer page.
  WhenShown<QDialog>([](QDialog *setup) {
    EXPECT_EQ(Child<QTabWidget>(setup, "Pages")->currentIndex(), 4);
    Child<QCheckBox>(setup, "CheckDuration")->setChecked(true);
    Child<QComboBox>(setup, "EditDuration")->setEditText(QStringLiteral("1"));
    setup->reject();
  });
  Press(ButtonCapTimer);
  EXPECT_TRUE(capture.DurationEnabled);
  EXPECT_EQ(capture.Duration, 1);

  const QString target = dir.filePath(QStringLiteral("recorded.avi"));
  QString proposed;
  WhenShown<QFileDialog>([&](QFileDialog *save) {
    proposed = save->selectedFiles().value(0);
    save->selectFile(target);
    QMetaObject::invokeMethod(save, "accept");
  });
  Press(ButtonCapEnregistrer);
  EXPECT_TRUE(capture.Recording());
  EXPECT_FALSE(Button(ButtonCapTimer)->isEnabled()) << "no setup while recording";
  EXPECT_TRUE(Button(ButtonCapEnregistrer)->isEnabled());
  ASSERT_TRUE(WaitFor([this] { return form->statusBar()->currentMessage().startsWith(QStringLiteral("Number of captured images:")); }));
  ASSERT_TRUE(WaitFor([&capture] { return capture.State() != capture::csRecording; }, 10000));
  ASSERT_TRUE(WaitFor([&capture] { return !capture.SavedFile().isEmpty(); }, 10000));
  EXPECT_TRUE(QFileInfo(proposed).fileName().startsWith(QStringLiteral("Capture_1_"))) << proposed.toStdString();
  EXPECT_EQ(capture.SavedFile(), target);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("File successfully saved:\n\n") + target);
  video::avi::TAviFileSource source;
  video::avi::TAviStream stream;
  QString error;
  ASSERT_TRUE(source.Open(target, error) && video::avi::ParseAvi(source, stream, error)) << error.toStdString();
  EXPECT_EQ(stream.Slots.size(), 30u);
  ASSERT_TRUE(WaitFor([this] { return Button(ButtonCapTimer)->isEnabled(); }));
  ASSERT_TRUE(WaitFor([&capture] { return capture.IsPreviewing(); })) << "the camera is connected again";

  // Back to marking: no preview.
  Press(ButtonModeCapture);
  EXPECT_EQ(form->Video().Model().Mode(), videoview::vmRepereFixe);
  EXPECT_FALSE(form->CapturePreview()->isVisible());
  EXPECT_FALSE(capture.IsPreviewing());
}

TEST_F(MainFormCaptureTest, ARecordingOpensWithItsLostSlotsAsMissingFramesAtTheirTrueTimes) {
  WhenShown<QDialog>([](QDialog *setup) {
    auto *devices = Child<QListWidget>(setup, "ListDevices");
    const auto found = devices->findItems(QStringLiteral("Kolibra test pattern (VFW)"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    devices->setCurrentItem(found.first());
    setup->reject();
  });
  Press(ButtonModeCapture);
  ASSERT_TRUE(Button(ButtonModeCapture)->isChecked());
  // The test pattern of back-end 0 without its source frames 30 to 32 (their neighbours keep
  // their time stamps): two seconds at 30 frames/s.
  capture::TCapture &capture = form->Capture();
  capture.Backend(capture::cfAvDevice)
      .AddVirtualDevice({QStringLiteral("Dropping"), QString(),
                         QStringLiteral("testsrc2=size=%Wx%H:rate=%R,format=rgb24,select=not(between(n\\,30\\,32)),realtime")});
  capture.RefreshDevices();
  const QStringList names = capture.DeviceNames(false);
  for (int i = 0; i < names.size(); ++i)
    if (names[i] == QLatin1String("Dropping")) capture.SelectDevice(i);
  ASSERT_EQ(capture.CaptureFramework, capture::cfAvDevice);
  capture.SelectFormat(0);
  capture.DurationEnabled = true;
  capture.Duration = 2;
  const QString target = dir.filePath(QStringLiteral("dropped.avi"));
  WhenShown<QFileDialog>([&](QFileDialog *save) {
    save->selectFile(target);
    QMetaObject::invokeMethod(save, "accept");
  });
  ASSERT_TRUE(capture.Connect());
  Press(ButtonCapEnregistrer);
  ASSERT_TRUE(capture.Recording());
  ASSERT_TRUE(WaitFor([&capture] { return !capture.Recording() && !capture.SavedFile().isEmpty(); }, 20000));
  EXPECT_EQ(capture.SavedFile(), target);
  Press(ButtonModeCapture);

  // The slots the file holds empty are the truth the montage must give back.
  video::avi::TAviFileSource source;
  video::avi::TAviStream stream;
  QString error;
  ASSERT_TRUE(source.Open(target, error) && video::avi::ParseAvi(source, stream, error)) << error.toStdString();
  ASSERT_EQ(stream.Slots.size(), 60u);
  std::vector<bool> recorded;
  for (const auto &slot : stream.Slots) recorded.push_back(slot.Size > 0);
  ASSERT_EQ(std::count(recorded.begin(), recorded.end(), false), 3);

  ASSERT_TRUE(form->Controller().OpenVideo(target));
  const editing::TMontage &montage = form->Montage();
  EXPECT_EQ(montage.KeptFrames(), recorded);
  EXPECT_EQ(montage.MissingFramesCount(), 3);
  ASSERT_TRUE(form->Controller().HasUnsavedWork);
  EXPECT_FALSE(form->Controller().HasUnsavedWork()) << "the missing frames are no edit to save";
  // A mark on every frame kept: each stands at its slot / 30 s, after the gap as before it.
  videoview::TVideoModel &video = form->Video().Model();
  measurement::TData &data = form->Data();
  std::vector<double> expected;
  for (int frame = 0; frame < 60; ++frame) {
    if (!recorded[size_t(frame)]) continue;
    video.SetFrame(frame);
    data.FixedMarks().SetCurrentMarkOrderNumber(0);
    data.FixedMarks().PointMark(TPointD(0.5, 0.5));
    expected.push_back(frame / 30.0);
  }
  // Times count from the first mark, on frame 0 (a recording starts with a picture).
  ASSERT_TRUE(recorded[0]);
  const std::vector<double> times = data.MarkedFrameTimes();
  ASSERT_EQ(times.size(), expected.size());
  for (size_t k = 0; k < times.size(); ++k) EXPECT_NEAR(times[k], expected[k], 1e-9) << k;
}

}  // namespace
}  // namespace kolibra::mainwindow::testing
