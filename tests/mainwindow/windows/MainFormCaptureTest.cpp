// Capture mode in the real window, offscreen, with the test pattern of back-end 0: the
// camera chosen in the setup dialog, the live preview, a one-second recording with the
// setup buttons disabled meanwhile, saved through the save dialog.

#include "mainwindow/windows/support/MainFormFixture.h"
#include "support/ModalDialogs.h"
#include "support/WaitFor.h"

#include "capture/Capture.h"
#include "capture/windows/CapturePreview.h"
#include "mainwindow/MainForm.h"
#include "settings/Options.h"
#include "video/AviParser.h"
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

}  // namespace
}  // namespace kolibra::mainwindow::testing
