// The datasheet of two objects, the second without a mark on the third frame: its columns,
// texts and colours, the cells the options leave empty, the precision and visibility
// commands, and the text and matrix forms the export reads.

#include "kinematics/support/CalculFixture.h"
#include "kit/Locale.h"

#include <QDate>
#include <QTime>

namespace kolibra::kinematics::grid_test {

using testing::CalculFixture;

class GridTest : public CalculFixture {
 protected:
  // Object 1 moves 1 cm a frame along x; object 2, 5 cm higher, 2 cm a frame, and has no
  // mark on the third frame.
  void MarkTwoObjects() {
    Calibrate();
    PlaceMarks(
        2, 5, [](int o, int k) { return TPointD(0.01 * (o + 1) * k, 0.05 * o); },
        [](int o, int k) { return !(o == 1 && k == 2); });
    ASSERT_TRUE(ComputeAll(0));
  }
  TGrid &Grid() { return grids.Active(); }
  // The grid column showing a kind of an object (every column visible).
  int Col(int kind, int object) { return Grid().QuantityColumn(kind, object) + GridFixedCols; }
  QStringList Row(int row) {
    QStringList cells;
    for (int c = 1; c < Grid().ColCount(); ++c) cells << Grid().Cell(c, row);
    return cells;
  }
};

TEST_F(GridTest, ColumnsTextsAndColours) {
  MarkTwoObjects();
  EXPECT_EQ(Grid().QuantityColumnCount(), 23);
  EXPECT_EQ(Grid().ColCount(), 24);
  EXPECT_EQ(Grid().RowCount(), 9);
  EXPECT_EQ(Row(1), QString("t x1 y1 x2 y2 vx1 vy1 v1 vx2 vy2 v2 ax1 ay1 a1 ax2 ay2 a2 O1 R1 w1 O2 R2 w2").split(' '));
  EXPECT_EQ(Row(2), QString("s m m m m m/s m/s m/s m/s m/s m/s m/s² m/s² m/s² m/s² m/s² m/s² rad m rad/s rad m rad/s")
                        .split(' '));
  EXPECT_EQ(Row(0), QStringList(23, QString()));
  EXPECT_EQ(Grid().Cell(1, 3), QStringLiteral("time"));
  EXPECT_EQ(Grid().Cell(2, 3), QStringLiteral("Abscissa of point n°1"));
  EXPECT_EQ(Grid().Cell(Col(qkY, 1), 3), QStringLiteral("Ordinates of point n°2"));
  data.SetSystemName(1, QStringLiteral("ball"));
  EXPECT_EQ(Grid().Cell(Col(qkVx, 1), 3), QStringLiteral("x-component of velocity ball"));
  EXPECT_EQ(Grid().Cell(Col(qkA, 0), 3), QStringLiteral("Value of acceleration of point n°1"));
  EXPECT_EQ(Grid().Cell(Col(qkOmega, 1), 3), QStringLiteral("Angular velocity value ball"));

  struct Colour {
    int Kind;
    std::uint32_t Value;
  };
  for (const Colour &c : {Colour{qkTime, 0xFFFFFF}, Colour{qkX, 0xFFF8F8}, Colour{qkY, 0xFFF8F8},
                          Colour{qkV, 0xFAF8FF}, Colour{qkVy, 0xFAF8FF}, Colour{qkAx, 0xF0F8FF},
                          Colour{qkA, 0xF0F8FF}, Colour{qkAngle, 0xF5F5F5}, Colour{qkOmega, 0xF5F5F5}})
    EXPECT_EQ(Grid().CellColor(Col(c.Kind, 1)).Value, c.Value) << c.Kind;
  EXPECT_EQ(Grid().CellColor(0), colors::clWhite);

  // The fixed column: point numbers from 1, or from 0 with the option.
  EXPECT_EQ(Grid().Cell(0, 3), QString());
  EXPECT_EQ(Grid().Cell(0, 4), QStringLiteral("1"));
  EXPECT_EQ(Grid().Cell(0, 8), QStringLiteral("5"));
  options.CheckBox36StartByZero_Checked = true;
  EXPECT_EQ(Grid().Cell(0, 4), QStringLiteral("0"));
  EXPECT_EQ(Grid().Cell(0, 8), QStringLiteral("4"));
  EXPECT_EQ(Grid().Cell(0, 9), QString());
  EXPECT_EQ(Grid().Cell(24, 4), QString());
}

TEST_F(GridTest, DataCellsOfAnObjectMissingAMark) {
  MarkTwoObjects();
  EXPECT_EQ(Grid().Cell(1, 6), QStringLiteral("0.080"));
  EXPECT_EQ(Grid().Cell(Col(qkX, 0), 6), QStringLiteral("0.020"));
  EXPECT_EQ(Grid().Cell(Col(qkVx, 0), 6), QStringLiteral("0.250"));
  // Object 2's cells are empty on the third frame, all of them.
  for (int kind : {qkX, qkY, qkVx, qkVy, qkV, qkAx, qkAy, qkA, qkAngle, qkRadius, qkOmega})
    EXPECT_EQ(Grid().Cell(Col(kind, 1), 6), QString()) << kind;
  // Its velocity comes from its own four samples: 2 cm a frame, 0.5 m/s, at the ends too,
  // where the samples are unevenly spaced.
  for (int row : {4, 5, 7, 8}) EXPECT_EQ(Grid().Cell(Col(qkVx, 1), row), QStringLiteral("0.500")) << row;
  EXPECT_EQ(Grid().Cell(Col(qkY, 1), 7), QStringLiteral("0.050"));
}

TEST_F(GridTest, TheOptionsHideEdgeDerivatives) {
  MarkTwoObjects();
  const auto shown = [&](int kind, int object) {
    QString pattern;
    for (int m = 0; m < 5; ++m) pattern += Grid().Cell(Col(kind, object), 4 + m).isEmpty() ? '.' : '#';
    return pattern;
  };
  EXPECT_EQ(shown(qkVx, 0), QStringLiteral("#####"));
  EXPECT_EQ(shown(qkAx, 1), QStringLiteral("##.##"));

  options.CheckBox30HideEdgeV_Checked = true;
  EXPECT_EQ(shown(qkVx, 0), QStringLiteral(".###."));
  EXPECT_EQ(shown(qkV, 1), QStringLiteral(".#.#."));
  EXPECT_EQ(shown(qkAx, 0), QStringLiteral("#####"));
  EXPECT_EQ(shown(qkX, 0), QStringLiteral("#####"));
  EXPECT_EQ(shown(qkOmega, 0), QStringLiteral("#####"));

  options.CheckBox31HideEdgeA_Checked = true;
  EXPECT_EQ(shown(qkAx, 0), QStringLiteral("..#.."));
  EXPECT_EQ(shown(qkA, 1), QStringLiteral("....."));
  EXPECT_EQ(shown(qkVy, 1), QStringLiteral(".#.#."));
}

TEST_F(GridTest, PrecisionAndVisibilityCommands) {
  MarkTwoObjects();
  const int vx = Col(qkVx, 0);
  Grid().IncreasePrecision(vx);
  EXPECT_EQ(Grid().Cell(vx, 6), QStringLiteral("0.2500"));
  for (int i = 0; i < 10; ++i) Grid().IncreasePrecision(vx);
  EXPECT_EQ(Grid().Columns[size_t(Grid().QuantityColumnOf(vx))].Precision, 8);
  for (int i = 0; i < 10; ++i) Grid().DecreasePrecision(vx);
  EXPECT_EQ(Grid().Columns[size_t(Grid().QuantityColumnOf(vx))].Precision, 0);
  Grid().IncreasePrecision(vx);
  Grid().ResetPrecisions();
  EXPECT_EQ(Grid().Cell(vx, 6), QStringLiteral("0.250"));

  grids.SetKindsVisible(qsVelocity | qsAcceleration | qsPolar, false);
  EXPECT_EQ(Grid().ColCount(), 6);
  EXPECT_EQ(Row(1), QString("t x1 y1 x2 y2").split(' '));
  grids.SetColumnVisible(Grid().QuantityColumn(qkOmega, 1), true);
  grids.SetColumnVisible(0, false);  // the time stays
  EXPECT_EQ(Row(1), QString("t x1 y1 x2 y2 w2").split(' '));
  grids.SetKindsVisible(~TQuantitySet(0), false);
  EXPECT_EQ(Grid().ColCount(), 2);
  EXPECT_EQ(Row(1), QStringList{QStringLiteral("t")});

  // A third object takes the visibility of its kinds.
  grids.SetKindsVisible(qsCoordinates | qsAcceleration, true);
  data.SetObjectsCount(3);
  ASSERT_EQ(calc.Compute(rsActive), krOk);
  grids.Rebuild(rsActive);
  EXPECT_EQ(Grid().QuantityColumnCount(), 34);
  EXPECT_EQ(Row(1), QString("t x1 y1 x2 y2 x3 y3 ax1 ay1 a1 ax2 ay2 a2 ax3 ay3 a3").split(' '));
}

TEST_F(GridTest, TheTextForm) {
  MarkTwoObjects();
  grids.SetKindsVisible(qsVelocity | qsAcceleration | qsPolar, false);
  grids.SetColumnVisible(Grid().QuantityColumn(qkVx, 1), true);
  QStringList lines;
  const int columns = grids.FillText(lines, QStringLiteral("/opt/kolibra/bin/kolibra"),
                                     QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
  EXPECT_EQ(columns, 6);
  const QStringList expected = {
      "/opt/kolibra/bin/kolibra",
      "05032024 140709",
      "Grid rotation in the trigonometric direction : 0 rad",
      "t\tx1\ty1\tx2\ty2\tvx2",
      "s\tm\tm\tm\tm\tm/s",
      "time\tAbscissa of point n°1\tOrdinates of point n°1\tAbscissa of point n°2\tOrdinates of point n°2\t"
      "x-component of velocity of point n°2",
      "0\t0\t0\t0\t0.05\t0.5",
      "0.04\t0.01\t0\t0.02\t0.05\t0.5",
      "0.08\t0.02\t0\t\t\t",
      "0.12\t0.03\t0\t0.06\t0.05\t0.5",
      "0.16\t0.04\t0\t0.08\t0.05\t0.5",
  };
  EXPECT_EQ(lines, expected);

  // The user's decimal separator, and a turned grid's angle.
  ScopedDecimalSeparator comma(QLatin1Char(','));
  data.SetTypedXAxisAngle(0.5);
  ASSERT_TRUE(ComputeAll(0));
  grids.FillText(lines, QString(), QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
  EXPECT_EQ(lines[2], QStringLiteral("Grid rotation in the trigonometric direction : 0,5 rad"));
  EXPECT_TRUE(lines[8].startsWith(QStringLiteral("0,08\t")));
}

TEST_F(GridTest, TheMatrixForm) {
  MarkTwoObjects();
  data.SetTypedXAxisAngle(0.25);
  ASSERT_TRUE(ComputeAll(0));
  grids.SetKindsVisible(~TQuantitySet(0), false);
  grids.SetColumnVisible(Grid().QuantityColumn(qkY, 1), true);
  const TMatriceStr matrix = grids.Matrix();
  ASSERT_EQ(matrix.size(), 9u);
  EXPECT_EQ(matrix[0], (TStringDynArray{"Grid rotation in the trigonometric direction (rad) : ", "0.25"}));
  EXPECT_EQ(matrix[1], (TStringDynArray{"t", "y2"}));
  EXPECT_EQ(matrix[2], (TStringDynArray{"s", "m"}));
  EXPECT_EQ(matrix[3], (TStringDynArray{"time", "Ordinates of point n°2"}));
  EXPECT_EQ(matrix[5][0], QStringLiteral("0.04"));
  EXPECT_EQ(matrix[6], (TStringDynArray{"0.08", ""}));
  // With the time alone the sentence has no room.
  grids.SetColumnVisible(Grid().QuantityColumn(qkY, 1), false);
  EXPECT_EQ(grids.Matrix()[0], (TStringDynArray{""}));
  // Layer measurement exports no rotation.
  EXPECT_DOUBLE_EQ(grids.FixedGrid().ExportedAxisAngle(), 0.25);
  EXPECT_DOUBLE_EQ(grids.LayerGrid().ExportedAxisAngle(), 0.0);
}

// What the screen shows of a value against its column's scale; the values are the ones a
// thrown ball gives (ay about -9.8, ax zero up to rounding noise).
TEST(ColumnCellText, NoiseReadsZeroAndAColumnKeepsOneNotation) {
  struct Case {
    double Value, Scale;
    int Precision;
    const char *Shown;
  } const cases[] = {
      {3.34e-15, 9.81, 0, "0.000"},   // noise on a zero acceleration, in its column's notation
      {-6.25e-11, 9.81, 0, "0.000"},  // 6.25e-11 < 9.81e-9, and no "-0.000"
      {-1.2e-8, 9.81, 0, "0.000"},    // above the noise, rounded by the column's decimals
      {0.0, 9.81, 0, "0.000"},
      {0.0, 0.0, 0, "0"},             // a column of zeros
      {1e-20, 0.005, 0, "0"},         // a zero among scientific values
      {-2.93e-3, 2.0, 0, "-0.003"},  // fixed like its column, not "-2.93E-3"
      {1.5, 2.0, 0, "1.500"},
      {1.5, 45.0, 0, "1.50"},  // the column's largest has two decimals
      {45.678, 45.678, 0, "45.68"},
      {1.23456, 2.0, 1, "1.2346"},      // one digit more asked
      {0.001234, 0.005, 0, "1.23E-3"},  // a column below 0.01 is scientific throughout
      {0.005, 0.005, 0, "5.00E-3"},
      {50.0, 12345.0, 0, "5.00E+1"},  // and so is one above 10000
      {2e-12, 3e-12, 0, "2.00E-12"},  // tiny, but not next to its column
  };
  for (const Case &c : cases)
    EXPECT_EQ(ColumnCellText(c.Value, c.Scale, c.Precision), QString::fromLatin1(c.Shown))
        << c.Value << " " << c.Scale;
  const ScopedDecimalSeparator comma(QLatin1Char(','));
  EXPECT_EQ(ColumnCellText(1.5, 2.0, 0), QStringLiteral("1,500"));
}

// A component is read against its vector: object 1 moves along x only, so its vy and ay
// column is zeros next to a velocity of 0.25 m/s.
TEST_F(GridTest, ComponentsAreReadAgainstTheirVector) {
  MarkTwoObjects();
  const int vy = Grid().QuantityColumn(qkVy, 0);
  EXPECT_NEAR(Grid().ColumnScale(vy), 0.25, 1e-9);
  EXPECT_NEAR(Grid().ColumnScale(Grid().QuantityColumn(qkX, 1)), 0.08,
              1e-9);  // x2 up to 0.08, y2 0.05
  EXPECT_NEAR(Grid().ColumnScale(0), 0.16, 1e-9);
  for (int row = 4; row < 9; ++row)
    EXPECT_EQ(Grid().Cell(Col(qkVy, 0), row), QStringLiteral("0.000")) << row;
}

}  // namespace kolibra::kinematics::grid_test
