// The result buttons' checks: each missing step of the measurement is told, the few-marks
// and object-names questions decide, and only a complete measurement opens the results at the
// button's view.
#include "support/ControllerFixture.h"

#include "measurement/Data.h"

namespace kolibra::mainwindow::testing {

class MainResults : public ControllerFixture {
 protected:
  MainResults() {
    Open();
    controller.ResultsComputable = [this] { return Computable; };
    controller.ShowResults = [this](int view) { Shown.push_back(view); };
  }

  void Calibrate() {
    data.SetActiveTool(measurement::dtScale);
    dialogs.Answer(0.5);
    ClickView(TPoint(100, 200));
    ClickView(TPoint(300, 200));
    ASSERT_TRUE(data.IsScaleReady());
  }
  void PlaceAxes() {
    data.SetActiveTool(measurement::dtAxes);
    ClickView(TPoint(100, 400));
    data.SetActiveTool(measurement::dtPointing);
  }
  // marks clicks on successive frames (the video advances after the last object).
  void Mark(int clicks) {
    data.SetActiveTool(measurement::dtPointing);
    for (int i = 0; i < clicks; ++i) ClickView(TPoint(120 + 10 * i, 300 - 5 * i));
  }
  QStringList Lines(int box) const {
    QStringList lines;
    for (const auto &line : boxes.Requests()[size_t(box)].Lines) lines << line.Text;
    return lines;
  }

  bool Computable = true;
  std::vector<int> Shown;
};

TEST_F(MainResults, WithoutAScaleTheUserIsSentToTheScaleButton) {
  EXPECT_FALSE(controller.ResultButtonClicked(ButtonMenuTemps));
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(Lines(0), (QStringList{QStringLiteral("First calibrate an object of know dimension on the screen."),
                                   QStringLiteral("Use the Scale button.")}));
  EXPECT_TRUE(Shown.empty());
}

TEST_F(MainResults, APlaneCalibrationStandsForTheScaleAndTheAxes) {
  measurement::TPlaneCalibration plane;
  plane.SetPictureSize(320, 240);
  ASSERT_TRUE(plane.SetPlane({TPointD(0, 240), TPointD(320, 240), TPointD(320, 0), TPointD(0, 0)}, 1.6, 1.2));
  data.SetPlane(plane);
  Mark(6);
  boxes.Answer(2);  // the default names: "Ignore"
  EXPECT_TRUE(controller.ResultButtonClicked(ButtonMenuTableau));
  EXPECT_EQ(Shown.size(), 1u) << Lines(0).join(QLatin1Char('|')).toStdString();
}

TEST_F(MainResults, TwoObjectsWithTwoMarksEachAreTold) {
  Calibrate();
  data.SetObjectsCount(2);
  Mark(4);
  const int before = boxes.Count();
  EXPECT_FALSE(controller.ResultButtonClicked(ButtonMenuTableau));
  EXPECT_EQ(Lines(before), (QStringList{QStringLiteral("You have chosen to point simultaneously the positions of 2 objects."),
                                        QStringLiteral("First set at least 3 marks."),
                                        QStringLiteral("Use the Marks button.")}));
}

TEST_F(MainResults, AxesMustBePlaced) {
  Calibrate();
  Mark(5);
  const int before = boxes.Count();
  EXPECT_FALSE(controller.ResultButtonClicked(ButtonMenuTableau));
  EXPECT_EQ(Lines(before), (QStringList{QStringLiteral("First set the origin of the axes."),
                                        QStringLiteral("Use the graph basis button.")}));
}

TEST_F(MainResults, FourMarksAskAndOnlyContinueOpens) {
  Calibrate();
  PlaceAxes();
  Mark(4);
  // Cancel at the few-marks question.
  int before = boxes.Count();
  boxes.Answer(0);
  EXPECT_FALSE(controller.ResultButtonClicked(ButtonMenuTemps));
  EXPECT_EQ(Lines(before).front(), QStringLiteral("Velocity or acceleration calculations need at least five marks to be reliable."));
  EXPECT_EQ(boxes.Requests()[size_t(before)].Buttons, (QStringList{QStringLiteral("Cancel"), QStringLiteral("Continue")}));
  EXPECT_TRUE(Shown.empty());
  // Continue, then "Ignore" the names with "Do not show this dialog again" ticked.
  before = boxes.Count();
  boxes.Answer(1);
  boxes.Answer(2, true);
  EXPECT_TRUE(controller.ResultButtonClicked(ButtonMenuTemps));
  EXPECT_EQ(Lines(before + 1).front(), QStringLiteral("An object name is assigned by default (« Point n°1 » for example)."));
  EXPECT_EQ(Shown, std::vector<int>{3});
  // The names are not asked again during this run.
  before = boxes.Count();
  boxes.Answer(1);
  EXPECT_TRUE(controller.ResultButtonClicked(ButtonMenuVecteur));
  EXPECT_EQ(boxes.Count(), before + 1);
  EXPECT_EQ(Shown, (std::vector<int>{3, 4}));
}

TEST_F(MainResults, EachButtonOpensItsViewAndNamesCanBeGiven) {
  Calibrate();
  PlaceAxes();
  Mark(6);
  int named = 0;
  controller.ShowObjectNames = [&named] { ++named; };
  const struct {
    TControl Button;
    int View;
  } cases[] = {{ButtonMenuTableau, 2}, {ButtonMenuTemps, 3}, {ButtonMenuReferentiel, 1}, {ButtonMenuVecteur, 4},
               {ButtonMenuFormule, 0}};
  for (const auto &c : cases) {
    Shown.clear();
    boxes.Answer(0);  // "Give a name", then go on
    EXPECT_TRUE(controller.ResultButtonClicked(c.Button));
    EXPECT_EQ(Shown, std::vector<int>{c.View});
  }
  EXPECT_EQ(named, 5);
  // "Cancel" at the names stops.
  Shown.clear();
  boxes.Answer(1);
  EXPECT_FALSE(controller.ResultButtonClicked(ButtonMenuTemps));
  EXPECT_TRUE(Shown.empty());
}

TEST_F(MainResults, ResultsThatCannotBeComputedAreReported) {
  Calibrate();
  PlaceAxes();
  Mark(6);
  controller.AskObjectNames = false;
  Computable = false;
  EXPECT_FALSE(controller.ResultButtonClicked(ButtonMenuTemps));
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("The calculation unit has detected an error. Process cancelled."));
  EXPECT_TRUE(Shown.empty());
}

}  // namespace kolibra::mainwindow::testing
