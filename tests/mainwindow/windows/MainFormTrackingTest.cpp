// Automatic marking in the real window, offscreen, on a clip drawn for the test: the user
// enters tracking mode, draws a circle round the square with the mouse, presses play, goes
// back to manual marking, keeps the positions as marks and undoes them.

#include "mainwindow/windows/support/MainFormFixture.h"
#include "support/WaitFor.h"
#include "tracking/support/Scenes.h"

#include "measurement/Data.h"
#include "tracking/Tracking.h"
#include "videoview/windows/Video.h"

#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

namespace kolibra::mainwindow::testing {
namespace {

using tracking::testing::CornerCentre;
using tracking::testing::TSquare;

constexpr int ClipFrames = 12;

// A blue square crossing a grey 320 x 240 picture, 6 pixels a frame.
TSquare ClipSquare(int frame) { return TSquare{TPointD(80 + 6.0 * frame, 100 + 2.0 * frame), 18, tracking::testing::Blue}; }

// The clip as MJPEG in AVI, made once for the program from the pictures above.
QString TrackingClip() {
  static QTemporaryDir folder;
  static QString file;
  if (!file.isEmpty()) return file;
  if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) return QString();
  const QString path = folder.filePath(QStringLiteral("square.avi"));
  QProcess ffmpeg;
  ffmpeg.start(QStringLiteral("ffmpeg"),
               {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                QStringLiteral("-f"), QStringLiteral("rawvideo"), QStringLiteral("-pix_fmt"), QStringLiteral("rgb24"),
                QStringLiteral("-s"), QStringLiteral("320x240"), QStringLiteral("-r"), QStringLiteral("25"),
                QStringLiteral("-i"), QStringLiteral("-"), QStringLiteral("-c:v"), QStringLiteral("mjpeg"),
                QStringLiteral("-q:v"), QStringLiteral("2"), path});
  if (!ffmpeg.waitForStarted()) return QString();
  for (int frame = 0; frame < ClipFrames; ++frame) {
    const QImage image = tracking::testing::Scene(320, 240, {ClipSquare(frame)});
    for (int y = 0; y < image.height(); ++y) ffmpeg.write(reinterpret_cast<const char *>(image.constScanLine(y)), 320 * 3);
    ffmpeg.waitForBytesWritten(-1);
  }
  ffmpeg.closeWriteChannel();
  if (ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0) file = path;
  return file;
}

class MainFormTrackingTest : public MainFormFixture {
 protected:
  // The view pixel over a frame pixel (measured from the corner).
  QPoint ViewPoint(TPointD framePixel) {
    const TPoint p = form->Video().Model().FrameToScreen(TPointD(framePixel.X / 320.0, framePixel.Y / 240.0));
    return QPoint(p.X, p.Y);
  }
  void ClickView(QPoint p) {
    QTest::mouseMove(&form->Video(), p);
    QTest::mouseClick(&form->Video(), Qt::LeftButton, Qt::NoModifier, p);
  }
};

TEST_F(MainFormTrackingTest, AnOutlineDrawnWithTheMouseIsTrackedKeptAndUndone) {
  const QString clip = TrackingClip();
  if (clip.isEmpty()) GTEST_SKIP() << "the ffmpeg program is needed to make the test video";
  ASSERT_TRUE(form->OpenVideo(clip));
  QCoreApplication::processEvents();

  Press(ButtonModeTracking);
  ASSERT_EQ(form->Video().Model().Mode(), videoview::vmTracking);
  EXPECT_TRUE(Button(ButtonModeTracking)->isChecked());
  EXPECT_TRUE(Button(ButtonTrackContour)->isVisible());
  EXPECT_TRUE(Button(ButtonTrackContour)->isChecked());
  EXPECT_FALSE(Button(ButtonTrackSuivi)->isVisible());

  // A circle round the square of frame 0: a click on its centre, another 16 pixels away.
  const TPointD start = CornerCentre(ClipSquare(0));
  ClickView(ViewPoint(start));
  ClickView(ViewPoint(TPointD(start.X + 16, start.Y)));
  const tracking::TTracking &tracker = form->Tracking();
  ASSERT_TRUE(tracker.Current().HasOutline);
  EXPECT_EQ(tracker.Current().StartFrame, 0);

  Press(ButtonVideoLecture);
  ASSERT_TRUE(kolibra::testing::WaitFor([&] { return !tracker.Tracking(); }, 20000));
  EXPECT_EQ(tracker.ResultCount(), ClipFrames);
  EXPECT_TRUE(Button(ButtonTrackEffacerTrack)->isEnabled());

  // Back to manual marking: "Save" keeps the positions as marks.
  boxes.Answer(1);
  Press(ButtonModeRepereFixe);
  EXPECT_EQ(boxes.Last().Buttons, (QStringList{QStringLiteral("Ignore"), QStringLiteral("Save")}));
  measurement::TData &data = form->Data();
  ASSERT_EQ(data.MarksCount(), ClipFrames);
  EXPECT_EQ(qobject_cast<QLineEdit *>(form->Control(EditMarque))->text(), QStringLiteral(" %1").arg(ClipFrames));
  for (int frame = 1; frame < ClipFrames; ++frame) {
    const TPointD p = data.FixedMarks().FindContainer(frame)->FindMark(0)->GetAbsolutePosition();
    // Within the blur that 4:2:0 chroma leaves on the edges of a 18-pixel square.
    EXPECT_NEAR(p.X * 320, CornerCentre(ClipSquare(frame)).X, 1.5) << frame;
    EXPECT_NEAR(p.Y * 240, CornerCentre(ClipSquare(frame)).Y, 1.5) << frame;
  }

  // One Ctrl+Z takes them all back.
  QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
  QCoreApplication::processEvents();
  EXPECT_EQ(data.MarksCount(), 0);
  EXPECT_EQ(qobject_cast<QLineEdit *>(form->Control(EditMarque))->text(), QStringLiteral(" 0"));
}

}  // namespace
}  // namespace kolibra::mainwindow::testing
