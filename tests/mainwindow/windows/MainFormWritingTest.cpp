// Writing the edited video from the real window, offscreen: the montage mode's record
// button, the writing dialog, the save dialog, the busy state that refuses opening another
// video and changing mode meanwhile, and the success box with what Kolibra reads back.

#include "mainwindow/windows/support/MainFormFixture.h"
#include "support/ModalDialogs.h"

#include "mainwindow/MainForm.h"
#include "videoview/windows/Video.h"

#include <QDir>
#include <QFileDialog>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

namespace kolibra::mainwindow::testing {
namespace {

class MainFormWritingTest : public MainFormFixture {
 protected:
  QString MakeVideo(const QString &name) {
    if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) return QString();
    const QString path = dir.filePath(name);
    const int status = QProcess::execute(
        QStringLiteral("ffmpeg"), {"-nostdin", "-v", "error", "-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25",
                                   "-frames:v", "40", "-c:v", "rawvideo", "-pix_fmt", "bgr24", path});
    return status == 0 ? path : QString();
  }
};

TEST_F(MainFormWritingTest, RecordButtonWritesWhileTheWindowRefusesToChange) {
  const QString video = MakeVideo(QStringLiteral("pattern.avi"));
  const QString other = MakeVideo(QStringLiteral("other.avi"));
  if (video.isEmpty() || other.isEmpty()) GTEST_SKIP() << "the ffmpeg program is needed to make the test video";
  ASSERT_TRUE(form->OpenVideo(video));
  Press(ButtonModeMontage);
  ASSERT_TRUE(Button(ButtonMontageEnregistrer)->isVisible());

  QTemporaryDir target;
  const QString output = target.filePath(QStringLiteral("edited"));
  kolibra::testing::WhenShown([&](QDialog *settings) {
    EXPECT_EQ(settings->objectName(), QStringLiteral("BoiteRecordMontage"));
    kolibra::testing::WhenShown<QFileDialog>([&](QFileDialog *dialog) {
      dialog->selectFile(output);
      QMetaObject::invokeMethod(dialog, "accept");
    });
    kolibra::testing::Child<QPushButton>(settings, "BitBtnOk")->click();
  });
  // While the frames are written: another video, another mode and closing are all refused.
  bool tried = false;
  bool stopShown = false;
  QTimer meanwhile;
  meanwhile.setInterval(0);
  QObject::connect(&meanwhile, &QTimer::timeout, [&] {
    auto *progress = form->findChild<QProgressBar *>(QStringLiteral("ProgressBar"));
    if (tried || progress == nullptr || !progress->isVisible()) return;
    tried = true;
    stopShown = form->findChild<QPushButton *>(QStringLiteral("ButtonStopWriting"))->isVisible();
    EXPECT_TRUE(form->Controller().Busy().IsBusy());
    EXPECT_FALSE(form->OpenVideo(other));
    form->Controller().ControlClicked(ButtonModeRepereFixe);
    EXPECT_EQ(form->Video().Model().Mode(), videoview::vmMontage);
    EXPECT_FALSE(form->Controller().CloseRequested());
  });
  meanwhile.start();
  Press(ButtonMontageEnregistrer);
  meanwhile.stop();

  EXPECT_TRUE(tried);
  EXPECT_TRUE(stopShown);
  EXPECT_FALSE(form->Controller().Busy().IsBusy());
  EXPECT_EQ(form->Video().Model().VideoFileName(), video);
  ASSERT_TRUE(QFileInfo::exists(output + QStringLiteral(".avi")));
  ASSERT_GE(boxes.Count(), 1);
  const QString text = boxes.Last().Text();
  EXPECT_TRUE(text.startsWith(QStringLiteral("File successfully saved:"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Read back: 40 frames, 320 x 240 pixels, 25 frames per second")))
      << text.toStdString();
  EXPECT_FALSE(form->findChild<QProgressBar *>(QStringLiteral("ProgressBar"))->isVisible());
}

TEST_F(MainFormWritingTest, EscapeCancelsAndLeavesNothing) {
  const QString video = MakeVideo(QStringLiteral("pattern.avi"));
  if (video.isEmpty()) GTEST_SKIP() << "the ffmpeg program is needed to make the test video";
  ASSERT_TRUE(form->OpenVideo(video));
  Press(ButtonModeMontage);
  QTemporaryDir target;
  kolibra::testing::WhenShown([&](QDialog *settings) {
    kolibra::testing::WhenShown<QFileDialog>([&](QFileDialog *dialog) {
      dialog->selectFile(target.filePath(QStringLiteral("cancelled.avi")));
      QMetaObject::invokeMethod(dialog, "accept");
    });
    kolibra::testing::Child<QPushButton>(settings, "BitBtnOk")->click();
  });
  bool pressed = false;
  QTimer meanwhile;
  meanwhile.setInterval(0);
  QObject::connect(&meanwhile, &QTimer::timeout, [&] {
    auto *progress = form->findChild<QProgressBar *>(QStringLiteral("ProgressBar"));
    if (pressed || progress == nullptr || !progress->isVisible()) return;
    pressed = true;
    QTest::keyClick(form.get(), Qt::Key_Escape);
  });
  meanwhile.start();
  Press(ButtonMontageEnregistrer);
  meanwhile.stop();
  EXPECT_TRUE(pressed);
  ASSERT_GE(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Process cancelled"));
  EXPECT_TRUE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
  EXPECT_FALSE(form->Controller().Busy().IsBusy());
}

}  // namespace
}  // namespace kolibra::mainwindow::testing
