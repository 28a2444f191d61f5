// The studio in the real window, offscreen: outlines drawn with the mouse on a video made by
// ffmpeg, the chronophotograph saved through the save dialog with its proposed name.

#include "mainwindow/windows/support/MainFormFixture.h"
#include "support/ModalDialogs.h"
#include "support/WaitFor.h"

#include "kit/SaveDialogRule.h"
#include "mainwindow/FileNames.h"
#include "mainwindow/MainForm.h"
#include "settings/Options.h"
#include "studio/Studio.h"
#include "videoview/windows/Video.h"

#include <QFileDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace kolibra::mainwindow::testing {
namespace {

class MainFormStudioTest : public MainFormFixture {
 protected:
  // 20 frames of testsrc2, 320 x 240 at 25 per second.
  QString MakeVideo() {
    if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) return QString();
    const QString path = dir.filePath(QStringLiteral("pattern.avi"));
    const int status = QProcess::execute(
        QStringLiteral("ffmpeg"),
        {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"),
         QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("testsrc2=size=320x240:rate=25"),
         QStringLiteral("-frames:v"), QStringLiteral("20"), QStringLiteral("-c:v"), QStringLiteral("mjpeg"), path});
    return status == 0 ? path : QString();
  }
  void ClickView(QPoint p) {
    QTest::mouseMove(&form->Video(), p);
    QTest::mouseClick(&form->Video(), Qt::LeftButton, Qt::NoModifier, p);
  }
};

TEST_F(MainFormStudioTest, OutlinesDrawnWithTheMouseMakeAChronophotograph) {
  const QString video = MakeVideo();
  if (video.isEmpty()) GTEST_SKIP() << "the ffmpeg program is needed to make the test video";
  ASSERT_TRUE(form->OpenVideo(video));
  QCoreApplication::processEvents();
  Press(ButtonModeStudio);
  ASSERT_TRUE(Button(ButtonModeStudio)->isChecked());
  EXPECT_TRUE(Button(ButtonStudioContour)->isVisible());
  EXPECT_FALSE(Button(ButtonStudioChronoPhoto)->isEnabled());
  Press(ButtonStudioContour);
  EXPECT_TRUE(Button(ButtonStudioContour)->isChecked());

  const int w = form->Video().width();
  const int h = form->Video().height();
  for (int k = 0; k < 3; ++k) {
    const QPoint centre(w / 4 + k * w / 4, h / 2);
    ClickView(centre);
    QTest::mouseMove(&form->Video(), centre + QPoint(w / 16, 0));
    ClickView(centre + QPoint(w / 16, 0));
  }
  ASSERT_EQ(form->Studio().ClosedCount(), 3);
  EXPECT_EQ(form->Video().Model().ShownFrame(), 3);
  QCoreApplication::processEvents();
  ASSERT_TRUE(kolibra::testing::WaitFor([this] { return Button(ButtonStudioChronoPhoto)->isEnabled(); }));

  const QString proposedStart = QStringLiteral("ChronoPhoto_pattern_1_") + DateDigits(QDate::currentDate());
  QString proposed;
  // A folder of the user's (the program's temporary folder is never remembered as the last one).
  QTemporaryDir pictures;
  const QString target = pictures.filePath(QStringLiteral("chrono.png"));
  boxes.Answer(0, true);  // with the background
  kolibra::testing::WhenShown<QFileDialog>([&](QFileDialog *dialog) {
    proposed = dialog->selectedFiles().value(0);
    dialog->selectFile(target);
    QMetaObject::invokeMethod(dialog, "accept");
  });
  Press(ButtonStudioChronoPhoto);
  EXPECT_TRUE(QFileInfo(proposed).fileName().startsWith(proposedStart)) << proposed.toStdString();
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("File successfully saved:\n\n") + target);
  const QImage written(target);
  ASSERT_EQ(written.size(), QSize(320, 240));
  EXPECT_EQ(form->Controller().RecentFolder(), pictures.path());
}

}  // namespace
}  // namespace kolibra::mainwindow::testing
