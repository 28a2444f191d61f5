// The real main window offscreen, on a video made by ffmpeg for the test: modes and tools,
// calibration, axes, pointing two objects over ten frames, moving, erasing and undoing
// marks, zoom and pan, playback, the boxes and the track bar, closing.

#include "mainwindow/windows/support/MainFormFixture.h"
#include "support/ModalDialogs.h"
#include "support/WaitFor.h"

#include "kit/IniFile.h"
#include "mainwindow/MainForm.h"
#include "measurement/Data.h"
#include "settings/Options.h"
#include "videoview/windows/Video.h"

#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QScrollBar>
#include <QSlider>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

#include <cmath>

namespace kolibra::mainwindow::testing {
namespace {

// 30 frames of 640 x 480 at 25 per second, made once for every test of the program.
QString GeneratedVideo() {
  static QTemporaryDir folder;
  static QString file;
  if (!file.isEmpty()) return file;
  if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) return QString();
  const QString path = folder.filePath(QStringLiteral("moving.mp4"));
  const int status = QProcess::execute(
      QStringLiteral("ffmpeg"),
      {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-f"),
       QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("testsrc2=size=640x480:rate=25"),
       QStringLiteral("-frames:v"), QStringLiteral("30"), QStringLiteral("-c:v"), QStringLiteral("mpeg4"),
       QStringLiteral("-q:v"), QStringLiteral("5"), path});
  if (status == 0 && QFileInfo(path).size() > 0) file = path;
  return file;
}

class MainFormTest : public MainFormFixture {
 protected:
  void OpenGenerated() {
    const QString video = GeneratedVideo();
    if (video.isEmpty()) GTEST_SKIP() << "the ffmpeg program is needed to make the test video";
    ASSERT_TRUE(form->OpenVideo(video));
    QCoreApplication::processEvents();
  }

  QString Box(TControl control) { return qobject_cast<QLineEdit *>(form->Control(control))->text(); }
  QSlider *Track() { return qobject_cast<QSlider *>(form->Control(TrackBar)); }
  videoview::TVideo *View() { return &form->Video(); }
  measurement::TData &Data() { return form->Data(); }
  void ClickView(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseMove(View(), p);
    QTest::mouseClick(View(), button, Qt::NoModifier, p);
  }
  void DragView(QPoint from, QPoint to) {
    QTest::mouseMove(View(), from);
    QTest::mousePress(View(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(View(), (from + to) / 2);
    QTest::mouseMove(View(), to);
    QTest::mouseRelease(View(), Qt::LeftButton, Qt::NoModifier, to);
  }
};

TEST_F(MainFormTest, WithoutAVideoTheWindowWaitsWithItsTitle) {
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Kolibra"));
  EXPECT_FALSE(Button(ButtonOutilMarque)->isEnabled());
  EXPECT_TRUE(Button(ButtonModeStudio)->isEnabled());
  EXPECT_TRUE(Button(ButtonModeRepereFixe)->isChecked());
  EXPECT_EQ(View()->geometry(), form->VideoArea()->rect()) << "the title fills the space between the bars";
  EXPECT_EQ(View()->Model().TitleWidth(), form->VideoArea()->width());
}

TEST_F(MainFormTest, OpeningLaysTheVideoOutAndFillsThePanel) {
  OpenGenerated();
  EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral("moving.mp4")));
  const QRect view = View()->geometry();
  EXPECT_TRUE(View()->isVisible());
  EXPECT_NEAR(double(view.width()) / view.height(), 640.0 / 480.0, 0.01);
  EXPECT_TRUE(form->VideoArea()->rect().contains(view));
  EXPECT_TRUE(view.width() == form->VideoArea()->width() || view.height() >= form->VideoArea()->height() - 2);
  EXPECT_EQ(Box(EditImage), QStringLiteral(" 1/30"));
  EXPECT_EQ(Box(EditMarque), QStringLiteral(" 0"));
  // The box tells the frame's true size on the screen: 640 pixels fitted to the view's width.
  EXPECT_EQ(Box(EditZoom), QStringLiteral(" %1 %").arg(qRound(100.0 * view.width() / 640)));
  EXPECT_EQ(Track()->maximum(), 29);
  // The boxes stand at the panel's right edge, 8 pixels down, 14 less high than the panel.
  QWidget *angle = form->Control(EditAngle);
  EXPECT_EQ(angle->geometry(), QRect(form->Panel()->width() - 50, 8, 50, form->Panel()->height() - 14));
  EXPECT_EQ(form->Control(EditImage)->width(), 80);
  EXPECT_TRUE(Button(ButtonOutilMarque)->isChecked());
  EXPECT_TRUE(Button(ButtonMenuTableau)->isEnabled());
}

TEST_F(MainFormTest, RefusedModesLeaveTheButtonsAsTheyWere) {
  OpenGenerated();
  for (TControl mode : {ButtonModeCapture}) {
    // Capture asks for a camera first: none is chosen.
    if (mode == ButtonModeCapture) kolibra::testing::WhenShown<QDialog>([](QDialog *dialog) { dialog->reject(); });
    Press(mode);
    EXPECT_FALSE(Button(mode)->isChecked()) << ControlName(mode).toStdString();
    EXPECT_TRUE(Button(ButtonModeRepereFixe)->isChecked());
  }
  Press(ButtonModeTransparent);
  EXPECT_TRUE(Button(ButtonModeTransparent)->isChecked());
  EXPECT_FALSE(Button(ButtonModeRepereFixe)->isChecked());
  EXPECT_TRUE(Button(ButtonOutilTsp)->isVisible());
  EXPECT_FALSE(Button(ButtonOutilMarque)->isVisible());
  EXPECT_TRUE(Button(ButtonOutilTsp)->isChecked());
  Press(ButtonModeRepereFixe);
  EXPECT_TRUE(Button(ButtonOutilMarque)->isVisible());
  EXPECT_TRUE(Button(ButtonOutilMarque)->isChecked());
}

TEST_F(MainFormTest, ScaleAxesAndTwoObjectsOverTenFrames) {
  OpenGenerated();
  const int w = View()->width();
  const int h = View()->height();

  // The scale: two clicks, then its length is typed.
  Press(ButtonOutilEchelle);
  EXPECT_TRUE(Button(ButtonOutilEchelle)->isChecked());
  EXPECT_EQ(Box(EditMarque), QStringLiteral(" "));
  dialogs.Answer(0.8);
  ClickView(QPoint(w / 10, h - 20));
  EXPECT_FALSE(Button(ButtonVideoSucc)->isEnabled()) << "no moving on with half a scale";
  ClickView(QPoint(w / 10 + w / 2, h - 20));
  EXPECT_TRUE(Button(ButtonVideoSucc)->isEnabled());
  ASSERT_EQ(dialogs.Asked.size(), 1u);
  EXPECT_EQ(dialogs.Asked[0].Kind, settings::tsLongueur);
  EXPECT_TRUE(Data().IsScaleReady());
  EXPECT_DOUBLE_EQ(Data().Scale().ScaleLength, 0.8);

  // The axes: placed by a click, turned by dragging the x axis up by 45 degrees.
  Press(ButtonOutilOrigine);
  const QPoint origin(w / 5, h * 3 / 4);
  ClickView(origin);
  EXPECT_TRUE(Data().AxesPlaced());
  EXPECT_EQ(Box(EditAngle), QStringLiteral(" 0°"));
  DragView(origin + QPoint(80, 0), origin + QPoint(80, -80));
  EXPECT_NEAR(Data().XAxisAngle(), M_PI / 4, 0.02);
  EXPECT_TRUE(Box(EditAngle).startsWith(QStringLiteral(" 45"))) << Box(EditAngle).toStdString();

  // Two objects a frame: each second click moves the video on by one frame.
  Data().SetObjectsCount(2);
  Press(ButtonOutilMarque);
  for (int frame = 0; frame < 10; ++frame) {
    EXPECT_EQ(View()->Model().CurrentFrame(), frame);
    ClickView(QPoint(100 + 20 * frame, 100));
    ClickView(QPoint(100 + 20 * frame, 200));
  }
  EXPECT_EQ(Data().MarksCount(), 20);
  EXPECT_EQ(Data().SmallestObjectMarksCount(), 10);
  EXPECT_EQ(View()->Model().CurrentFrame(), 10);
  EXPECT_EQ(Box(EditMarque), QStringLiteral(" 20"));
  QCoreApplication::processEvents();  // the paint that moves the track bar
  EXPECT_EQ(Box(EditImage), QStringLiteral(" 11/30"));
  EXPECT_EQ(Track()->value(), 10);
  // The times come from the video's frame interval: ten frames at 25 per second.
  const measurement::TMarkSeries series = Data().ExtractSeries();
  ASSERT_EQ(series.Times.size(), 10u);
  EXPECT_NEAR(series.Times[9], 0.36, 1e-9);
}

TEST_F(MainFormTest, MarksAreMovedErasedAndTheUndoBringsThemBack) {
  OpenGenerated();
  Press(ButtonOutilMarque);
  for (int frame = 0; frame < 4; ++frame) ClickView(QPoint(100 + 30 * frame, 150));
  ASSERT_EQ(Data().MarksCount(), 4);

  Press(ButtonOutilDeplacer);
  EXPECT_EQ(Box(EditMarque), QStringLiteral(" 4"));
  Track()->setValue(2);
  EXPECT_EQ(View()->Model().CurrentFrame(), 2);
  DragView(QPoint(160, 150), QPoint(170, 190));
  measurement::TMarque *moved = Data().FixedMarks().HitMark(TPoint(170, 190));
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(moved->FrameIndex, 2);

  Press(ButtonOutilEffacer);
  ClickView(QPoint(130, 150));
  EXPECT_EQ(Data().MarksCount(), 3);
  EXPECT_EQ(Box(EditMarque), QStringLiteral(" 3"));

  QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Data().MarksCount(), 4);
  EXPECT_EQ(Box(EditMarque), QStringLiteral(" 4"));
  QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_NE(Data().FixedMarks().HitMark(TPoint(160, 150)), nullptr) << "the move is undone too";

  // Escape with the pointing tool takes the last mark back.
  Press(ButtonOutilMarque);
  QTest::mouseMove(View(), QPoint(300, 300));
  QTest::keyClick(form.get(), Qt::Key_Escape);
  EXPECT_EQ(Data().MarksCount(), 3);
}

TEST_F(MainFormTest, ZoomPanAndBackToFullSize) {
  OpenGenerated();
  Press(ButtonOutilZoom);
  EXPECT_TRUE(Button(ButtonOutilZoom)->isChecked());
  EXPECT_FALSE(Button(ButtonOutilMarque)->isChecked());
  const QPoint centre(View()->width() / 2, View()->height() / 2);
  const QString fitted = QStringLiteral(" %1 %").arg(qRound(100.0 * View()->width() / 640));
  ClickView(centre);
  EXPECT_EQ(View()->Model().Zoom().Factor, 200);
  EXPECT_TRUE(View()->HorzScrollBar()->isVisible());
  // Twice the fitted size, on the view less its vertical scroll bar.
  const int shown = View()->width() - View()->VertScrollBar()->width();
  EXPECT_EQ(Box(EditZoom), QStringLiteral(" %1 %").arg(qRound(200.0 * shown / 640)));

  Press(ButtonOutilPan);
  EXPECT_EQ(boxes.Count(), 0) << "above 100 % the pan needs no warning";
  const QPoint before = View()->Model().Geometry().Source().topLeft();
  DragView(centre, centre + QPoint(-100, -60));
  const QPoint after = View()->Model().Geometry().Source().topLeft();
  EXPECT_GT(after.x(), before.x());
  EXPECT_GT(after.y(), before.y());
  EXPECT_EQ(View()->HorzScrollBar()->value(), View()->Model().Geometry().Horizontal().Position);

  QWheelEvent wheel(QPointF(10, 10), form->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  const int top = View()->Model().Geometry().Source().top();
  QCoreApplication::sendEvent(form.get(), &wheel);
  EXPECT_GT(View()->Model().Geometry().Source().top(), top);

  QTest::mouseClick(form->Control(EditZoom), Qt::LeftButton);
  EXPECT_EQ(View()->Model().Zoom().Factor, 100);
  EXPECT_EQ(Box(EditZoom), fitted);
  EXPECT_FALSE(View()->HorzScrollBar()->isVisible());
}

TEST_F(MainFormTest, PlayARangeAndStop) {
  OpenGenerated();
  Track()->setValue(20);
  Press(ButtonVideoLecture);
  EXPECT_TRUE(View()->Model().Playing());
  ASSERT_TRUE(kolibra::testing::WaitFor([&] { return !View()->Model().Playing(); }));
  EXPECT_EQ(View()->Model().CurrentFrame(), 29);
  EXPECT_TRUE(kolibra::testing::WaitFor([&] { return Track()->value() == 29; }));
  EXPECT_EQ(Box(EditImage), QStringLiteral(" 30/30"));

  Press(ButtonVideoRetour);
  EXPECT_EQ(View()->Model().CurrentFrame(), 0);
  Press(ButtonVideoLecture);
  ASSERT_TRUE(kolibra::testing::WaitFor([&] { return View()->Model().CurrentFrame() >= 2; }));
  Press(ButtonVideoPause);
  EXPECT_FALSE(View()->Model().Playing());
  const int stopped = View()->Model().CurrentFrame();
  EXPECT_GT(stopped, 0);
  EXPECT_LT(stopped, 29);
  QTest::qWait(100);
  EXPECT_EQ(View()->Model().CurrentFrame(), stopped);

  Press(ButtonVideoAvance);
  Press(ButtonVideoSucc);
  EXPECT_EQ(View()->Model().CurrentFrame(), 29);
  Press(ButtonVideoPred);
  EXPECT_EQ(View()->Model().CurrentFrame(), 28);
}

TEST_F(MainFormTest, TheFrameBoxAsksANumber) {
  OpenGenerated();
  dialogs.Answer(14);
  QTest::mouseClick(form->Control(EditImage), Qt::LeftButton);
  EXPECT_EQ(View()->Model().CurrentFrame(), 14);
}

TEST_F(MainFormTest, ClosingAsksAndCancelKeepsTheWindow) {
  OpenGenerated();
  ClickView(QPoint(100, 100));  // a mark: there is work to lose now
  form->Work().UpdateModified();
  boxes.Answer(1);
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(boxes.Last().Buttons, (QStringList{QStringLiteral("Save"), QStringLiteral("Cancel"), QStringLiteral("Quit")}));
  boxes.Answer(2);
  EXPECT_TRUE(form->close());
  const TIniFile ini(dir.filePath(QStringLiteral("Kolibra.ini")));
  EXPECT_EQ(ini.ReadString(QStringLiteral("MainForm"), QStringLiteral("Directory"), QString()),
            QFileInfo(GeneratedVideo()).absolutePath());
}

TEST_F(MainFormTest, AVideoDroppedOnTheWindowIsOpened) {
  const QString video = GeneratedVideo();
  if (video.isEmpty()) GTEST_SKIP() << "the ffmpeg program is needed to make the test video";
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(video)});
  QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(form.get(), &enter);
  EXPECT_TRUE(enter.isAccepted()) << "a local file is welcome";
  QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(form.get(), &drop);
  ASSERT_TRUE(kolibra::testing::WaitFor([&] { return View()->Model().IsOpen(); }));
  EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral("moving.mp4")));
}

TEST_F(MainFormTest, OpenVideoIsInTheFileMenuWithItsFilter) {
  EXPECT_EQ(TMainForm::VideoFileFilter(),
            QStringLiteral("Video file (*.avi *.mpg *.mpeg *.wmv *.mov *.mp4);;Kolibra file (*.klb);;All files (*)"));
  const QAction *open = form->findChild<QAction *>(QStringLiteral("MenuFichierOuvrir"));
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_EQ(open->text(), QStringLiteral("Open video..."));
}

TEST(MainFormStart, ASampleOpensAfterTheWindowShows) {
  QTemporaryDir dir;
  TScriptedMessageBox boxes;
  TMainFormSettings settings;
  settings.OptionsFile = dir.filePath(QStringLiteral("Kolibra.ini"));
  settings.TemporaryFolder = dir.path();
  settings.WrapperFolder = QStringLiteral(KOLIBRA_TEST_KLBDLL_DIR);
  settings.Welcome = false;
  TMainForm form(settings);
  form.show();
  EXPECT_TRUE(form.StartTimer().isActive());
  EXPECT_EQ(form.StartTimer().interval(), 1200);
  ASSERT_TRUE(kolibra::testing::WaitFor([&] { return form.Video().Model().IsOpen(); }));
  EXPECT_TRUE(form.windowTitle().contains(QStringLiteral("Kolibra_")));
  EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("Kolibra_Cylindre.avi"))));
  EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("Kolibra_Parabole.avi"))));
  EXPECT_EQ(boxes.Count(), 0);
  form.Options().CheckBox3ConfirmationQuit_Checked = false;
}

}  // namespace
}  // namespace kolibra::mainwindow::testing
