// The studio in the main window's rules: its mode, buttons and hints, the chronophotograph
// button following the outlines, outlines cut around the marks, a new video clearing them.

#include "mainwindow/support/ControllerFixture.h"
#include "mainwindow/support/ControllerStudioHost.h"

#include "mainwindow/MainControllerStudio.h"
#include "studio/Studio.h"

namespace kolibra::mainwindow::testing {
namespace {

using namespace videoview;

class MainStudioTest : public ControllerFixture {
 protected:
  MainStudioTest() {
    video.SetStudio(&studio);
    controller.SetStudio(&studio);
    surface.Model = &video;
    Open();
  }
  ~MainStudioTest() override {
    controller.SetStudio(nullptr);
    video.SetStudio(nullptr);
  }
  // A circle of the given view radius, then a paint (the window refreshes its buttons after
  // each).
  void Circle(TPoint centre, int radius) {
    ClickView(centre);
    video.MouseMove(Qt::NoModifier, TPoint(centre.X + radius, centre.Y));
    ClickView(TPoint(centre.X + radius, centre.Y));
    surface.RepaintNow();
  }

  TControllerStudioHost host{video};
  studio::TStudio studio{video, host, &options};
};

TEST_F(MainStudioTest, StudioModeShowsItsButtonsAndItsHints) {
  Click(ButtonModeStudio);
  ASSERT_EQ(video.Mode(), vmStudio);
  EXPECT_TRUE(controller.ViewHint().isEmpty());
  for (TControl c : {ButtonStudioContour, ButtonStudioEffacerContour, ButtonStudioChronoPhoto, ButtonStudioCapture})
    EXPECT_TRUE(State(c).Visible) << ControlName(c).toStdString();
  EXPECT_FALSE(State(ButtonOutilMarque).Visible);
  EXPECT_FALSE(State(ButtonStudioChronoPhoto).Enabled) << "nothing outlined yet";

  const struct {
    TControl Button;
    int Shape;
    const char *Hint;
  } cases[] = {
      {ButtonStudioContour, studio::osCircle, "|1st left-click = center of the circle; 2nd left-click = end; right-click = erase"},
      {ButtonStudioContour, studio::osFree, "|1st left-click = begin the course; 2nd left-click = end; right-click = erase"},
      {ButtonStudioContour, studio::osBrokenLine,
       "|Left-click = add a vertex to the polygon; double left-click = end; right-click = erase"},
      {ButtonStudioEffacerContour, studio::osCircle,
       "|Left-click = erase the outline under mouse pointer; right-click = erase the outline on the curret video frame"},
  };
  for (const auto &c : cases) {
    controller.Studio()->SetShape(c.Shape);
    Click(c.Button);
    EXPECT_EQ(controller.ViewHint(), QString::fromUtf8(c.Hint));
    EXPECT_TRUE(State(c.Button).Down);
    EXPECT_EQ(video.CursorCode(), c.Button == ButtonStudioContour ? studio::scPen : studio::scGomme);
  }
}

TEST_F(MainStudioTest, TheChronophotographButtonFollowsTheOutlines) {
  Click(ButtonModeStudio);
  Click(ButtonStudioContour);
  Circle(TPoint(200, 200), 40);
  ASSERT_EQ(studio.ClosedCount(), 1);
  EXPECT_EQ(studio.Outlines().front()->Radius, 40);
  EXPECT_EQ(studio.Outlines().front()->Bounds.width(), 43) << "20 frame pixels each way, plus the border";
  EXPECT_EQ(video.ShownFrame(), 1) << "completing moves on by the frame step";
  EXPECT_TRUE(State(ButtonStudioChronoPhoto).Enabled);

  // The zoom tool takes over: a circle being drawn goes.
  ClickView(TPoint(300, 300));
  EXPECT_TRUE(studio.Drawing());
  Click(ButtonOutilZoom);
  EXPECT_EQ(studio.ClosedCount(), 1);
  EXPECT_EQ(studio.Outlines().size(), 1u);
  EXPECT_TRUE(State(ButtonOutilZoom).Down);
  Click(ButtonStudioContour);
  EXPECT_EQ(video.Tool(), vtNone) << "the studio's tool releases the view's";

  // Another video: no outline, the button disabled again.
  boxes.Answer(1);  // "Ignore" saving
  Open(QStringLiteral("other.mp4"));
  EXPECT_TRUE(studio.Outlines().empty());
  EXPECT_EQ(studio.Tool(), studio::stNone);
  surface.RepaintNow();
  EXPECT_FALSE(State(ButtonStudioChronoPhoto).Enabled);
}

TEST_F(MainStudioTest, OutlinesAroundTheMarksOfTheFirstObject) {
  // Marks on frames 0 to 9, one per frame.
  for (int i = 0; i < 10; ++i) ClickView(TPoint(40 + 50 * i, 300 - 20 * i));
  ASSERT_EQ(data.MarksCount(), 10);
  Click(ButtonModeStudio);
  EXPECT_EQ(controller.Studio()->OutlinesAroundMarks(3, 12.0), 4);
  ASSERT_EQ(studio.Outlines().size(), 4u);
  for (int k = 0; k < 4; ++k) {
    const studio::TModele &outline = *studio.Outlines()[size_t(k)];
    EXPECT_EQ(outline.Frame, 3 * k);
    // Centred on the mark: view pixel (40 + 150 k, 300 - 60 k) is frame pixel half that.
    EXPECT_NEAR(outline.Bounds.center().x(), (40 + 150 * k) / 2, 1);
    EXPECT_NEAR(outline.Bounds.center().y(), (300 - 60 * k) / 2, 1);
    EXPECT_TRUE(outline.HasPicture());
  }
  // Without marks there is nothing to cut round, and the user is told.
  boxes.Answer(1);  // "Ignore" saving
  Open(QStringLiteral("other.mp4"));
  Click(ButtonModeStudio);
  EXPECT_EQ(controller.Studio()->OutlinesAroundMarks(3, 12.0), 0);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("The first object has no mark to cut an outline around.\n"
                                                "Mark its positions, by hand or by automatic marking, first."));
}

}  // namespace
}  // namespace kolibra::mainwindow::testing
