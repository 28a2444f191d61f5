// The rules of the names and colours dialog, on a real document: the rows for fixed-axes
// and layer marking, what can be edited, where the colours go, the hints, and the names
// written back trimmed when the dialog closes.

#include "measurement/NomCouleurModel.h"
#include "measurement/support/DocumentFixture.h"

namespace kolibra::measurement::nom_couleur_test {

class NomCouleurModelTest : public testing::DocumentFixture {
 protected:
  int ColourChanges = 0;
  void SetUp() override { data.OnColorsChange = [this](TData *) { ++ColourChanges; }; }
};

TEST_F(NomCouleurModelTest, ThreeObjectsWithFixedAxesGiveSixRows) {
  data.SetObjectsCount(3);
  data.SetSystemName(1, QStringLiteral("of the cart"));
  TNomCouleurModel model(data, false);
  ASSERT_EQ(model.RowCount(), 6);
  EXPECT_EQ(model.Cell(4, 0), QStringLiteral("the mark locates the positions ..."));
  EXPECT_EQ(model.Cell(0, 2), QStringLiteral("2"));
  EXPECT_EQ(model.Cell(4, 2), QStringLiteral("of the cart"));
  // Row 5 (N + 1) is an empty heading row; row 6 the axes colour, not editable.
  EXPECT_TRUE(model.IsHeadingCell(4, 4));
  EXPECT_EQ(model.Cell(4, 4), QString());
  EXPECT_EQ(model.Cell(4, 5), QStringLiteral("Axes and scale colour"));
  EXPECT_FALSE(model.CanEdit(4, 5));
  EXPECT_FALSE(model.CanEdit(4, 4));
  EXPECT_TRUE(model.CanEdit(4, 3));
  EXPECT_FALSE(model.CanEdit(3, 3)) << "only names are typed";
  const TNomCouleurCell row1[] = {ncText, ncSwatch, ncVisibility, ncSymbol, ncText};
  for (int col = 0; col < 5; ++col) EXPECT_EQ(model.Content(col, 1), row1[col]) << col;
  EXPECT_EQ(model.Content(2, 0), ncEye);
  EXPECT_EQ(model.Content(3, 0), ncArrow);
  EXPECT_EQ(model.Content(1, 4), ncEmpty);
  EXPECT_EQ(model.Content(1, 5), ncSwatch);
  EXPECT_EQ(model.Content(2, 5), ncEmpty);
}

TEST_F(NomCouleurModelTest, OnALayerTheLastRowNamesTheLayerOrigin) {
  data.SetMeasurementMode(TMeasurementMode::Layer);
  TNomCouleurModel model(data, true);
  ASSERT_EQ(model.RowCount(), 4);
  EXPECT_EQ(model.Cell(4, 2), QStringLiteral("The middle of the layer follows the positions"));
  EXPECT_EQ(model.Cell(4, 3), DefaultSystemName(1));
  EXPECT_TRUE(model.CanEdit(4, 3));
  model.SetCell(4, 1, QStringLiteral("  of the ball "));
  model.SetCell(4, 3, QStringLiteral("\tof the boat  "));
  model.SetCell(4, 2, QStringLiteral("ignored"));
  model.Close();
  EXPECT_EQ(data.LayerMarks().SystemName(0), QStringLiteral("of the ball"));
  EXPECT_EQ(data.LayerMarks().SystemName(1), QStringLiteral("of the boat"));
}

TEST_F(NomCouleurModelTest, ColoursGoToTheObjectsOrToTheAxes) {
  data.SetObjectsCount(2);
  TNomCouleurModel model(data, false);
  ASSERT_TRUE(model.ClickPicksColour(1, 2));
  EXPECT_FALSE(model.ClickPicksColour(1, 3)) << "the empty heading row";
  EXPECT_FALSE(model.ClickPicksColour(2, 2));
  ColourChanges = 0;
  model.ApplyColour(2, colors::clGreen);
  EXPECT_EQ(data.ObjectColor(1), colors::clGreen);
  EXPECT_EQ(ColourChanges, 1);
  model.ApplyColour(4, colors::clFuchsia);
  EXPECT_EQ(data.ElementColor(), colors::clFuchsia);
  EXPECT_EQ(ColourChanges, 1) << "the axes' colour raises no colours notification";
  EXPECT_EQ(model.SwatchColor(4), colors::clFuchsia);
  ASSERT_TRUE(model.ClickTogglesVisibility(2, 1));
  EXPECT_FALSE(model.ClickTogglesVisibility(2, 4));
  model.ToggleVisibility(1);
  EXPECT_FALSE(data.ObjectVisible(0));
  EXPECT_FALSE(model.ObjectVisible(1));
}

TEST_F(NomCouleurModelTest, NamesAreWrittenBackTrimmed) {
  data.SetObjectsCount(2);
  TNomCouleurModel model(data, false);
  model.SetCell(4, 1, QStringLiteral("   of the ball  "));
  model.SetCell(4, 2, QStringLiteral("   "));
  model.Close();
  EXPECT_EQ(data.SystemName(0), QStringLiteral("of the ball"));
  EXPECT_EQ(data.SystemName(1), QString());
}

TEST_F(NomCouleurModelTest, HintsAndCursorsByCell) {
  data.SetObjectsCount(2);  // rows: 0 heading, 1-2 objects, 3 empty heading, 4 axes
  TNomCouleurModel model(data, false);
  struct Case {
    int Col, Row;
    const char *Hint;
    bool Hand;
  };
  const Case cases[] = {
      {0, 1, "|Mark number", false},
      {1, 2, "|Use the numeric keypad from the main window", true},
      {1, 4, "|Use the numeric keypad from the main window", true},
      {2, 1, "|Uncheck to hide all object marks", true},
      {2, 4, "|The names will be used to clarify the results", false},
      {4, 2, "|Do not forget an article before the noun", false},
      {4, 4, "|The names will be used to clarify the results", false},
      {1, 3, "|The names will be used to clarify the results", false},
      {3, 0, "|The names will be used to clarify the results", false},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(model.Hint(c.Col, c.Row), QString::fromUtf8(c.Hint)) << c.Col << "," << c.Row;
    EXPECT_EQ(model.HandCursor(c.Col, c.Row), c.Hand) << c.Col << "," << c.Row;
  }
}

}  // namespace kolibra::measurement::nom_couleur_test

namespace kolibra::measurement::nom_couleur_test {

// The mass column: typed beside the name, given to the document when the dialog closes; a
// mass that is no number above zero leaves the object's mass as it was, an empty cell
// takes it away.
TEST_F(NomCouleurModelTest, MassesAreTypedBesideTheNames) {
  data.SetObjectsCount(3);
  data.SetObjectMass(2, 0.5);
  TNomCouleurModel model(data, false);
  EXPECT_EQ(model.Cell(TNomCouleurModel::MassCol, 0), QStringLiteral("mass (kg)"));
  EXPECT_EQ(model.Cell(TNomCouleurModel::MassCol, 1), QString()) << "empty by default";
  EXPECT_EQ(model.Cell(TNomCouleurModel::MassCol, 3), QStringLiteral("0.5"));
  EXPECT_TRUE(model.CanEdit(TNomCouleurModel::MassCol, 1));
  EXPECT_FALSE(model.CanEdit(TNomCouleurModel::MassCol, 5)) << "the axes' row has no mass";
  EXPECT_EQ(model.Content(TNomCouleurModel::MassCol, 1), ncText);
  EXPECT_EQ(model.Content(TNomCouleurModel::MassCol, 5), ncEmpty);
  int changes = 0;
  data.OnContentChange = [&changes](TData *) { ++changes; };
  model.SetCell(TNomCouleurModel::MassCol, 1, QStringLiteral(" 0,25 "));
  model.SetCell(TNomCouleurModel::MassCol, 2, QStringLiteral("heavy"));
  model.SetCell(TNomCouleurModel::MassCol, 3, QString());
  EXPECT_FALSE(model.CentreShown());
  model.SetCentreShown(true);
  model.Close();
  EXPECT_TRUE(data.CentreOfMassShown());
  EXPECT_DOUBLE_EQ(data.ObjectMass(0), 0.25);
  EXPECT_DOUBLE_EQ(data.ObjectMass(1), 0.0);
  EXPECT_DOUBLE_EQ(data.ObjectMass(2), 0.0);
  EXPECT_GE(changes, 2);
}

}  // namespace kolibra::measurement::nom_couleur_test
