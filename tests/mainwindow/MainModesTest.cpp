// Mode and tool buttons, the tool reactions with their hints and boxes, navigation, the
// boxes that ask a value, and the keyboard.

#include "mainwindow/support/ControllerFixture.h"

#include <cmath>

namespace kolibra::mainwindow::testing {
namespace {

using namespace videoview;

class MainModesTest : public ControllerFixture {
 protected:
  MainModesTest() { Open(); }
};

TEST_F(MainModesTest, RefusedModesLeaveTheButtonsAsTheyWere) {
  for (TControl button : {ButtonModeMontage, ButtonModeCapture, ButtonModeStudio}) {
    Click(button);
    EXPECT_EQ(video.Mode(), vmRepereFixe);
    for (int i = ButtonModeRepereFixe; i <= ButtonModeCapture; ++i)
      EXPECT_EQ(State(TControl(i)).Down, i == ButtonModeRepereFixe) << ControlName(TControl(i)).toStdString();
  }
  EXPECT_TRUE(State(ButtonOutilMarque).Down);
}

TEST_F(MainModesTest, ModeButtonsAreShownByTheirOptions) {
  options.CheckBox49AllowCapture_Checked = false;
  options.CheckBox47AllowTracking_Checked = false;
  Click(ButtonModeTransparent);
  EXPECT_FALSE(State(ButtonModeCapture).Visible);
  EXPECT_FALSE(State(ButtonModeTracking).Visible);
  EXPECT_TRUE(State(ButtonModeStudio).Visible);
  EXPECT_TRUE(State(ButtonModeMontage).Visible);
}

TEST_F(MainModesTest, TheLayerModeShowsItsOwnTools) {
  Click(ButtonModeTransparent);
  ASSERT_EQ(video.Mode(), vmTransparent);
  EXPECT_TRUE(State(ButtonModeTransparent).Down);
  EXPECT_FALSE(State(ButtonModeRepereFixe).Down);
  struct Case {
    TControl control;
    bool fixed;
    bool layer;
  };
  const Case cases[] = {{ButtonOutilZoom, true, true},     {ButtonOutilPan, true, true},
                        {ButtonOutilMarque, true, false},  {ButtonOutilOrigine, true, false},
                        {ButtonOutilTsp, false, true},     {ButtonOutilDeplacer, true, true},
                        {ButtonOutilEffacer, true, true},  {ButtonOutilEchelle, true, true},
                        {ButtonOutilEchelleHoriz, false, false}, {ButtonMenuTableau, true, true},
                        {ButtonStudioContour, false, false}, {ButtonTrackContour, false, false}};
  for (const Case &c : cases) EXPECT_EQ(State(c.control).Visible, c.layer) << ControlName(c.control).toStdString();
  EXPECT_TRUE(State(ButtonOutilTsp).Down);
  EXPECT_FALSE(State(EditAngle).Enabled);
  EXPECT_EQ(controller.ViewHint(), QStringLiteral("|Left-click = drag and drop; right-click or ESC = cancel; + or - = layer size"));
  Click(ButtonModeRepereFixe);
  for (const Case &c : cases) EXPECT_EQ(State(c.control).Visible, c.fixed) << ControlName(c.control).toStdString();
  EXPECT_TRUE(State(EditAngle).Enabled);
}

TEST_F(MainModesTest, SeparateScalesShowTheHorizontalAndVerticalTools) {
  options.CheckBox41HorizAndVertScale_Checked = true;
  Click(ButtonModeTransparent);
  EXPECT_FALSE(State(ButtonOutilEchelle).Visible);
  EXPECT_TRUE(State(ButtonOutilEchelleHoriz).Visible);
  EXPECT_TRUE(State(ButtonOutilEchelleVert).Visible);
}

TEST_F(MainModesTest, ChangedOptionsReachTheButtonsAndTheDocument) {
  Click(ButtonOutilEchelle);
  options.CheckBox41HorizAndVertScale_Checked = true;
  options.CheckBox37GridShowItem_Checked = false;
  options.Changed();
  EXPECT_FALSE(State(ButtonOutilEchelle).Visible);
  EXPECT_TRUE(State(ButtonOutilEchelleVert).Visible);
  EXPECT_FALSE(State(ButtonMenuTableau).Visible);
  EXPECT_EQ(data.ScaleKind(), measurement::skVertical);
  EXPECT_TRUE(State(ButtonOutilEchelleVert).Down) << "the scale tool now edits the vertical scale";
}

TEST_F(MainModesTest, EachToolPutsItsInstructionsAndBoxes) {
  ClickView(TPoint(100, 100));
  struct Case {
    TControl button;
    int tool;
    const char *hint;
    const char *marks;
  };
  const Case cases[] = {
      {ButtonOutilEchelle, measurement::dtScale,
       "|Left-click (or Enter) = define one end; right-click (or Esc) = cancel; Ctrl + arrow key = move the mouse pointer", " "},
      {ButtonOutilDeplacer, measurement::dtMove, "|Left-click = drag and drop", " 1"},
      {ButtonOutilOrigine, measurement::dtAxes,
       "|Left-click (or Enter) = set the origine; right-click (or Esc) = cancel; Ctrl + arrow key = move the mouse pointer", " 1"},
      {ButtonOutilEffacer, measurement::dtErase,
       "|Left-click = remove the mark under the mouse pointer; right-click = remove the marks of the current image", " 1"},
      {ButtonOutilMarque, measurement::dtPointing,
       "|Left-click (or Enter) = put a mark; right-click (or Esc) = cancel; Ctrl + arrow key = move the mouse pointer", " 1"},
  };
  for (const Case &c : cases) {
    Click(c.button);
    EXPECT_EQ(data.ActiveTool(), c.tool);
    EXPECT_EQ(controller.ViewHint(), QString::fromUtf8(c.hint));
    EXPECT_EQ(Box(EditMarque), QString::fromUtf8(c.marks)) << ControlName(c.button).toStdString();
    for (int i = ButtonOutilZoom; i <= ButtonOutilNom; ++i)
      EXPECT_EQ(State(TControl(i)).Down, i == c.button) << ControlName(TControl(i)).toStdString();
  }
}

TEST_F(MainModesTest, TheViewToolsTakeTheButtonsAndTheDocumentTakesThemBack) {
  Click(ButtonOutilZoom);
  EXPECT_EQ(video.Tool(), vtZoom);
  EXPECT_TRUE(State(ButtonOutilZoom).Down);
  EXPECT_FALSE(State(ButtonOutilMarque).Down);
  EXPECT_EQ(controller.ViewHint(),
            QStringLiteral("|Left-click = make bigger; right-click = make smaller; press CTRL simultaneously to slow down"));
  Click(ButtonOutilZoom);
  EXPECT_TRUE(State(ButtonOutilZoom).Down) << "a second click leaves the tool down";
  Click(ButtonOutilPan);
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Zoom factor must be greater than 100%."));
  EXPECT_EQ(video.Tool(), vtPan) << "the tool is set all the same";
  EXPECT_EQ(controller.ViewHint(), QStringLiteral("|Pan frame"));
  Click(ButtonOutilMarque);
  EXPECT_EQ(video.Tool(), vtNone);
  EXPECT_TRUE(State(ButtonOutilMarque).Down);
}

TEST_F(MainModesTest, ACompletedScaleAsksItsLengthAndNavigationWaitsForTheSecondEnd) {
  Click(ButtonOutilEchelle);
  dialogs.Answer(0.5);
  ClickView(TPoint(100, 100));
  EXPECT_FALSE(State(ButtonVideoSucc).Enabled);
  EXPECT_FALSE(State(TrackBar).Enabled);
  EXPECT_TRUE(dialogs.Asked.empty());
  ClickView(TPoint(300, 100));
  EXPECT_TRUE(State(ButtonVideoSucc).Enabled);
  ASSERT_EQ(dialogs.Asked.size(), 1u);
  EXPECT_EQ(dialogs.Asked[0].Kind, settings::tsLongueur);
  EXPECT_EQ(dialogs.Asked[0].LengthKind, settings::slLongueurN);
  EXPECT_DOUBLE_EQ(data.Scale().ScaleLength, 0.5);
  EXPECT_TRUE(data.IsScaleReady());
}

TEST_F(MainModesTest, ThePlaneToolAsksTheRectanglesSizeAfterItsFourthCorner) {
  EXPECT_TRUE(State(ButtonOutilPlan).Visible);
  Click(ButtonOutilPlan);
  EXPECT_TRUE(State(ButtonOutilPlan).Down);
  EXPECT_TRUE(controller.ViewHint().contains(QStringLiteral("(0, 0), (W, 0), (W, H), (0, H)")));
  dialogs.PlaneSizes.push_back({1.6, 0.9});
  const TPoint corners[] = {TPoint(100, 400), TPoint(520, 360), TPoint(540, 120), TPoint(90, 60)};
  for (int i = 0; i < 3; ++i) ClickView(corners[i]);
  EXPECT_EQ(dialogs.PlaneSizeAsked, 0);
  ClickView(corners[3]);
  EXPECT_EQ(dialogs.PlaneSizeAsked, 1);
  ASSERT_TRUE(data.Plane().HasPlane());
  EXPECT_DOUBLE_EQ(data.Plane().Width(), 1.6);
  EXPECT_TRUE(controller.MenuStates()[MenuAffichageEffacerPlan].Enabled);
  // The size typed again from the menu keeps the corners.
  dialogs.PlaneSizes.push_back({3.2, 1.8});
  controller.MenuCommand(MenuMesuresDimensionsPlan);
  EXPECT_DOUBLE_EQ(data.Plane().Height(), 1.8);
  controller.MenuCommand(MenuAffichageEffacerPlan);
  EXPECT_FALSE(data.Plane().HasPlane());

  // A size refused in the dialog leaves no plane and no corners waiting.
  for (const TPoint &corner : corners) ClickView(corner);
  EXPECT_FALSE(data.Plane().HasPlane());
  EXPECT_TRUE(data.PlaneEditor().PendingCorners().empty());
  // Corners clicked crossed are refused at once, without asking a size.
  const int asked = dialogs.PlaneSizeAsked;
  for (int i : {0, 2, 1, 3}) ClickView(corners[i]);
  EXPECT_EQ(dialogs.PlaneSizeAsked, asked);
  EXPECT_EQ(boxes.Count(), 1);
  EXPECT_FALSE(data.Plane().HasPlane());
  // The lens from a checkerboard: nothing changes when the user cancels.
  controller.MenuCommand(MenuMesuresLentilleDamier);
  EXPECT_EQ(dialogs.CheckerboardAsked, 1);
  EXPECT_FALSE(data.Plane().HasLens());
  // The layer is carried in the plane: its mode offers the tools too.
  Click(ButtonModeTransparent);
  EXPECT_TRUE(State(ButtonOutilPlan).Visible);
  EXPECT_TRUE(State(ButtonOutilLentille).Visible);
}

TEST_F(MainModesTest, AnUnansweredLengthChangesNothing) {
  Click(ButtonOutilEchelle);
  dialogs.Refuse();
  ClickView(TPoint(100, 100));
  ClickView(TPoint(300, 100));
  EXPECT_FALSE(data.IsScaleReady());
  EXPECT_DOUBLE_EQ(data.Scale().ScaleLength, 0.0);
}

TEST_F(MainModesTest, TheAngleBoxAsksOnlyOnceTheAxesArePlaced) {
  controller.ControlClicked(EditAngle);
  EXPECT_TRUE(dialogs.Asked.empty());
  Click(ButtonOutilOrigine);
  ClickView(TPoint(320, 240));
  EXPECT_EQ(Box(EditAngle), QStringLiteral(" 0°"));
  dialogs.Answer(M_PI / 6);
  controller.ControlClicked(EditAngle);
  ASSERT_EQ(dialogs.Asked.size(), 1u);
  EXPECT_EQ(dialogs.Asked[0].Kind, settings::tsAngle);
  EXPECT_NEAR(data.XAxisAngle(), M_PI / 6, 1e-12);
  EXPECT_EQ(Box(EditAngle), QStringLiteral(" 30.00°")) << "the results' number rule";
}

TEST_F(MainModesTest, TheFrameBoxAsksANumberAndGoesThere) {
  dialogs.Answer(11);
  controller.ControlClicked(EditImage);
  ASSERT_EQ(dialogs.Asked.size(), 1u);
  EXPECT_EQ(dialogs.Asked[0].Kind, settings::tsNumImg);
  EXPECT_EQ(dialogs.Asked[0].Context.FrameCount, 20);
  EXPECT_EQ(video.CurrentFrame(), 11);
}

TEST_F(MainModesTest, NavigationButtonsMoveAndStopAtTheEnds) {
  Click(ButtonVideoAvance);
  EXPECT_EQ(video.CurrentFrame(), 19);
  const size_t seeks = reader->Seeks.size();
  const int invalidates = surface.Invalidates;
  Click(ButtonVideoSucc);
  EXPECT_EQ(video.CurrentFrame(), 19);
  EXPECT_EQ(reader->Seeks.size(), seeks) << "the last frame stays, no seek";
  EXPECT_EQ(surface.Invalidates, invalidates) << "and the view is not repainted";
  Click(ButtonVideoPred);
  EXPECT_EQ(video.CurrentFrame(), 18);
  Click(ButtonVideoRetour);
  EXPECT_EQ(video.CurrentFrame(), 0);
  Click(ButtonVideoLecture);
  EXPECT_TRUE(video.Playing());
  EXPECT_EQ(video.PlayTo(), 19);
  Click(ButtonVideoPause);
  EXPECT_FALSE(video.Playing());
  controller.TrackBarChanged(7);
  EXPECT_EQ(video.CurrentFrame(), 7);
}

TEST_F(MainModesTest, EachPaintMovesTheTrackBarAndTheFrameBox) {
  video.GoTo(4);
  surface.RepaintNow();
  EXPECT_EQ(controller.TrackBarPosition(), 4);
  EXPECT_EQ(controller.TrackBarMaximum(), 19);
  EXPECT_EQ(Box(EditImage), QStringLiteral(" 5/20"));
}

TEST_F(MainModesTest, TheZoomBoxFollowsAndResetsTheZoom) {
  Click(ButtonOutilZoom);
  ClickView(TPoint(320, 240));
  // The box tells the true size: the 320 x 240 frame fills the 640-pixel view at 200 %;
  // zoomed twice, 624 pixels (the scroll bar takes 16) show 160 frame pixels, 390 %.
  EXPECT_EQ(video.Zoom().Factor, 200);
  EXPECT_EQ(Box(EditZoom), QStringLiteral(" 390 %"));
  controller.ControlClicked(EditZoom);
  EXPECT_EQ(video.Zoom().Factor, 100);
  EXPECT_EQ(Box(EditZoom), QStringLiteral(" 200 %"));
}

TEST_F(MainModesTest, KeysGoToTheViewThenTheDocumentAndCtrlZUndoes) {
  surface.Pointer = TPoint(50, 60);
  video.MouseMove(Qt::NoModifier, surface.Pointer);
  EXPECT_TRUE(controller.KeyDown(Qt::Key_Return, Qt::NoModifier));
  EXPECT_EQ(data.MarksCount(), 1);
  EXPECT_EQ(Box(EditMarque), QStringLiteral(" 1"));
  EXPECT_EQ(video.CurrentFrame(), 1);
  EXPECT_TRUE(controller.KeyDown(Qt::Key_Z, Qt::ControlModifier));
  EXPECT_EQ(data.MarksCount(), 0);
  EXPECT_EQ(Box(EditMarque), QStringLiteral(" 0"));
  EXPECT_TRUE(controller.KeyDown(Qt::Key_Return, Qt::NoModifier));
  EXPECT_TRUE(controller.KeyDown(Qt::Key_A, Qt::ControlModifier));
  EXPECT_EQ(data.MarksCount(), 0) << "Ctrl+A undoes as well";
  EXPECT_FALSE(controller.KeyDown(Qt::Key_F5, Qt::NoModifier));
}

TEST_F(MainModesTest, TheTimeCommandSetsTheIntervalTyped) {
  dialogs.Interval = 0.02;
  controller.AskFrameInterval();
  EXPECT_DOUBLE_EQ(dialogs.IntervalAsked.first, 0.04);
  EXPECT_DOUBLE_EQ(data.FrameInterval(), 0.02);
}

TEST(MainControls, NamesAndHintsFollowTheTable) {
  EXPECT_EQ(ControlName(ButtonOutilMarque), QStringLiteral("ButtonOutilMarque"));
  EXPECT_EQ(ControlName(EditAngle), QStringLiteral("EditAngle"));
  EXPECT_EQ(ControlHint(ButtonOutilPan), QStringLiteral("Pan image|Image zoom factor must be greater than 100%"));
  EXPECT_EQ(ControlHint(TrackBar), QStringLiteral("Search"));
  int withoutVideo = 0;
  for (int i = 0; i < ControlCount; ++i) withoutVideo += WorksWithoutVideo(TControl(i)) ? 1 : 0;
  EXPECT_EQ(withoutVideo, 8);
  EXPECT_EQ(ControlMode(ButtonModeTransparent), vmTransparent);
}

}  // namespace
}  // namespace kolibra::mainwindow::testing
