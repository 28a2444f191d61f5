// Start, opening and closing: enabled states, captions, boxes and the exact messages.

#include "mainwindow/support/ControllerFixture.h"

#include "mainwindow/FileNames.h"

namespace kolibra::mainwindow::testing {
namespace {

using videoview::vmRepereFixe;
using videoview::vmTransparent;

class MainControllerTest : public ControllerFixture {};

QStringList Lines(const TMessageRequest &request) {
  QStringList lines;
  for (const TMessageLine &line : request.Lines) lines << line.Text;
  return lines;
}

TEST_F(MainControllerTest, WithoutAVideoOnlyCaptureAndStudioAndTheStillImageToolsWork) {
  EXPECT_EQ(controller.Caption(), QStringLiteral("Kolibra"));
  for (int i = 0; i < ControlCount; ++i) {
    const TControl c = TControl(i);
    const bool expected = c == ButtonModeCapture || c == ButtonModeStudio || WorksWithoutVideo(c);
    EXPECT_EQ(State(c).Enabled, expected) << ControlName(c).toStdString();
  }
  EXPECT_TRUE(State(ButtonModeRepereFixe).Down);
  for (TControl box : {EditImage, EditMarque, EditZoom, EditAngle}) EXPECT_TRUE(Box(box).isEmpty());
  EXPECT_EQ(boxes.Count(), 0);
}

TEST_F(MainControllerTest, TheWelcomeBoxClosesByItself) {
  controller.ShowWelcome();
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Icon, icInformation);
  EXPECT_EQ(boxes.Last().TimeoutMs, 5000);
  EXPECT_EQ(boxes.Last().Buttons, QStringList{QStringLiteral("Ok")});
  ASSERT_EQ(boxes.Last().Lines.size(), 4u);
  EXPECT_TRUE(boxes.Last().Lines[2].Text.isEmpty());
}

TEST_F(MainControllerTest, AnUnusableTemporaryFolderIsReported) {
  EXPECT_FALSE(controller.Start(dir.filePath(QStringLiteral("missing"))));
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Icon, icWarning);
  EXPECT_EQ(Lines(boxes.Last()),
            (QStringList{QStringLiteral("Backup file creation has failed."), QStringLiteral("Some functions will not be available.")}));
}

TEST_F(MainControllerTest, OpeningEnablesEverythingAndShowsTheBoxes) {
  Open();
  EXPECT_EQ(controller.Caption(), QDir::toNativeSeparators(dir.filePath(QStringLiteral("clip.mp4"))));
  for (TControl c : {ButtonModeRepereFixe, ButtonModeTransparent, ButtonOutilMarque, ButtonOutilZoom, ButtonMenuTableau,
                     ButtonVideoSucc, TrackBar, EditImage, EditAngle})
    EXPECT_TRUE(State(c).Enabled) << ControlName(c).toStdString();
  EXPECT_TRUE(State(ButtonOutilMarque).Down);
  EXPECT_EQ(controller.ViewHint(),
            QStringLiteral("|Left-click (or Enter) = put a mark; right-click (or Esc) = cancel; Ctrl + arrow key = move the mouse pointer"));
  EXPECT_EQ(Box(EditImage), QStringLiteral(" 1/20"));
  EXPECT_EQ(Box(EditMarque), QStringLiteral(" 0"));
  // The 320 x 240 frame fills the 640 x 480 view: twice its size on the screen.
  EXPECT_EQ(Box(EditZoom), QStringLiteral(" 200 %"));
  EXPECT_EQ(Box(EditAngle), QString()) << "no axes placed yet";
  EXPECT_EQ(view.Shows, 1);
  EXPECT_GE(view.Layouts, 1);
  EXPECT_EQ(controller.RecentFolder(), dir.path());
  EXPECT_DOUBLE_EQ(data.FrameInterval(), 0.04);
}

TEST_F(MainControllerTest, AMissingFileIsReportedAndTheCurrentVideoStays) {
  Open();
  boxes.Answer(1);  // "Ignore" the question about the current work
  EXPECT_FALSE(controller.OpenVideo(dir.filePath(QStringLiteral("gone.mp4"))));
  const TMessageRequest &box = boxes.Last();
  EXPECT_EQ(box.Icon, icWarning);
  EXPECT_EQ(Lines(box), (QStringList{dir.filePath(QStringLiteral("gone.mp4")), QString(),
                                     QStringLiteral("Unable to open this video file."),
                                     QStringLiteral("Check that it has not been moved.")}));
  EXPECT_EQ(box.Lines[0].Color, colors::clBlue);
  EXPECT_TRUE(video.IsOpen());
  EXPECT_TRUE(State(ButtonOutilMarque).Enabled);
}

TEST_F(MainControllerTest, AFileNoReaderOpensDisablesTheVideoControls) {
  Open();
  boxes.Answer(1);
  EXPECT_FALSE(controller.OpenVideo(File(QStringLiteral("broken.bad"))));
  EXPECT_EQ(Lines(boxes.Last()), (QStringList{dir.filePath(QStringLiteral("broken.bad")), QString(),
                                              QStringLiteral("Can not open this video file. Possible Problems and suggestions:"),
                                              QStringLiteral("The stub does not read this file.")}));
  EXPECT_FALSE(video.IsOpen());
  EXPECT_FALSE(State(ButtonOutilMarque).Enabled);
  EXPECT_FALSE(State(ButtonModeTransparent).Enabled);
  EXPECT_TRUE(State(ButtonModeStudio).Enabled);
  EXPECT_EQ(controller.Caption(), QStringLiteral("Kolibra"));
  EXPECT_TRUE(Box(EditImage).isEmpty());
}

TEST_F(MainControllerTest, ChangingFileAsksFirstAndCancelKeepsTheWork) {
  Open();
  ClickView(TPoint(100, 100));
  ASSERT_EQ(data.MarksCount(), 1);
  boxes.Answer(0);
  EXPECT_FALSE(controller.OpenVideo(File(QStringLiteral("other.mp4"))));
  EXPECT_EQ(boxes.Last().Icon, icConfirmation);
  EXPECT_EQ(boxes.Last().Buttons, (QStringList{QStringLiteral("Cancel"), QStringLiteral("Ignore")}));
  EXPECT_EQ(Lines(boxes.Last()), (QStringList{QStringLiteral("Cancel opening"), QStringLiteral("Ignore saving and continue")}));
  EXPECT_EQ(data.MarksCount(), 1);
  EXPECT_EQ(video.VideoFileName(), dir.filePath(QStringLiteral("clip.mp4")));

  boxes.Answer(1);
  EXPECT_TRUE(controller.OpenVideo(File(QStringLiteral("other.mp4"))));
  EXPECT_EQ(data.MarksCount(), 0) << "a new video starts a new measurement";
}

TEST_F(MainControllerTest, WithASaveCommandTheQuestionsOfferIt) {
  Open();
  int saves = 0;
  controller.SaveWork = [&] {
    ++saves;
    return true;
  };
  boxes.Answer(0);
  EXPECT_TRUE(controller.ConfirmChange(1));
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(boxes.Last().Buttons, (QStringList{QStringLiteral("Save"), QStringLiteral("Cancel"), QStringLiteral("Ignore")}));
  EXPECT_EQ(Lines(boxes.Last()), (QStringList{QStringLiteral("Save project to file"), QStringLiteral("Cancel closing"),
                                              QStringLiteral("Ignore saving and continue")}));
  boxes.Answer(1);
  EXPECT_FALSE(controller.CloseRequested());
  EXPECT_EQ(boxes.Last().Buttons, (QStringList{QStringLiteral("Save"), QStringLiteral("Cancel"), QStringLiteral("Quit")}));
}

TEST_F(MainControllerTest, ClosingAsksOnlyWhenTheOptionSaysSo) {
  Open();
  video.Play(0, 19);
  options.CheckBox3ConfirmationQuit_Checked = false;
  EXPECT_TRUE(controller.CloseRequested());
  EXPECT_EQ(boxes.Count(), 0);
  EXPECT_FALSE(video.Playing());

  options.CheckBox3ConfirmationQuit_Checked = true;
  boxes.Answer(0);
  EXPECT_FALSE(controller.CloseRequested());
  EXPECT_EQ(boxes.Last().Buttons, (QStringList{QStringLiteral("Cancel"), QStringLiteral("Quit")}));
  EXPECT_EQ(Lines(boxes.Last()), (QStringList{QStringLiteral("Cancel closing"), QStringLiteral("Exit program now")}));
  boxes.Answer(-1);
  EXPECT_FALSE(controller.CloseRequested()) << "a box closed without an answer cancels";
  boxes.Answer(1);
  EXPECT_TRUE(controller.CloseRequested());
}

TEST_F(MainControllerTest, AVideoWithVaryingFrameDurationsIsExplained) {
  reader->Variable = true;
  Open();
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Icon, icInformation);
  EXPECT_TRUE(boxes.Last().Text().contains(QStringLiteral("« Time between two frames »")));
}

TEST_F(MainControllerTest, TheStartWritesTheSamplesAndOpensOneBySeconds) {
  EXPECT_TRUE(controller.OpenStartVideo(QString(), 7));
  EXPECT_TRUE(video.VideoFileName().endsWith(QStringLiteral("Cylindre.avi")));
  QFile written(video.VideoFileName());
  QFile resource(QStringLiteral(":/samples/Cylindre"));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly) && resource.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll(), resource.readAll());
  boxes.Answer(1);
  EXPECT_TRUE(controller.OpenStartVideo(QString(), 8));
  EXPECT_TRUE(video.VideoFileName().endsWith(QStringLiteral("Parabole.avi")));
  // The system empties the temporary folder: the next dialog must not start there.
  EXPECT_TRUE(controller.RecentFolder().isEmpty());
}

TEST_F(MainControllerTest, AFileNamedAtStartIsOpenedInsteadOfASample) {
  EXPECT_TRUE(controller.OpenStartVideo(File(QStringLiteral("lesson.mp4")), 7));
  EXPECT_EQ(video.VideoFileName(), dir.filePath(QStringLiteral("lesson.mp4")));
}

TEST(FileNames, TheSampleFollowsTheParityOfTheSeconds) {
  const TSampleVideos samples{QStringLiteral("c"), QStringLiteral("p")};
  EXPECT_EQ(ChooseSample(samples, 1), QStringLiteral("c"));
  EXPECT_EQ(ChooseSample(samples, 0), QStringLiteral("p"));
  EXPECT_EQ(ChooseSample(samples, 58), QStringLiteral("p"));
}

TEST(MainLayout, TheViewKeepsTheFrameProportionsBetweenTheBars) {
  TLayoutInput in;
  in.Width = 1000;
  in.Height = 700;
  in.ModeBarHeight = 60;
  in.ToolBarWidth = 40;
  in.ResultBarWidth = 40;
  in.PanelHeight = 38;
  in.StatusBarHeight = 22;
  in.VideoOpen = true;
  in.FrameWidth = 640;
  in.FrameHeight = 480;
  const TMainLayout layout = ComputeMainLayout(in);
  // AW = 920, AH = 579: s = min(1.4375, 1.20625) -> 772 x 579, centred on the window.
  EXPECT_EQ(layout.View, QRect(114, 60, 772, 579));
  EXPECT_EQ(layout.Title, QSize(920, 580));
  EXPECT_EQ(layout.EditAngle, QRect(950, 8, 50, 24));
  EXPECT_EQ(layout.EditZoom, QRect(900, 8, 50, 24));
  EXPECT_EQ(layout.EditMarque, QRect(865, 8, 35, 24));
  EXPECT_EQ(layout.EditImage, QRect(785, 8, 80, 24));
  EXPECT_EQ(layout.TrackBar.width(), 200);
  // Start (785 - 200 - 192 - 12) div 2 = 190.
  EXPECT_EQ(layout.Buttons[nsLecture], QRect(190, 4, 32, 32));
  EXPECT_EQ(layout.Buttons[nsPred], QRect(286, 4, 32, 32));
  EXPECT_EQ(layout.TrackBar.left(), 320);
  EXPECT_EQ(layout.Buttons[nsSucc].left(), 522);
  EXPECT_EQ(layout.Buttons[nsAvance].left(), 554);

  in.VideoOpen = false;
  EXPECT_EQ(ComputeMainLayout(in).View, QRect(40, 60, 920, 580));
}

TEST(MainLayout, ANarrowWindowShrinksTheTrackBar) {
  TLayoutInput in;
  in.Width = 632;
  in.Height = 452;
  const TMainLayout layout = ComputeMainLayout(in);
  // EditImage at 632 - 215 = 417: 417 - 192 - 12 = 213, more than 200.
  EXPECT_EQ(layout.TrackBar.width(), 200);
  in.Width = 500;
  EXPECT_EQ(ComputeMainLayout(in).TrackBar.width(), 500 - 215 - 192 - 12);
}

}  // namespace
}  // namespace kolibra::mainwindow::testing
