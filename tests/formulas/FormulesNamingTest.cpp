// The left side of formulas and constants, and every refusal of Validate with the exact
// message the user reads.

#include "FormulesFixture.h"

using namespace kolibra;
using namespace kolibra::formulas;
using kolibra::formulas::test_support::FormulesFixture;

namespace formules_naming_test {

struct TLeftSideCase {
  TRecKind Kind;
  const char *Left;
  const char *Name;
  bool NameValid;
  bool HasBracket;
  bool IndexValid;
  int Index;
};

}  // namespace formules_naming_test

TEST(RecLeftSide, SplitsNameAndIndexByKind) {
  using formules_naming_test::TLeftSideCase;
  const TLeftSideCase cases[] = {
      {rkFormula, "Ec", "Ec", true, false, true, 0},
      {rkFormula, "v_lam[i+1]", "v_lam", true, true, true, 1},
      {rkFormula, "v_tur[i-1]", "v_tur", true, true, true, -1},
      {rkFormula, "u[I+-2]", "u", true, true, true, -2},  // signs collapse as in expressions
      {rkFormula, "u[i]", "u", true, false, true, 0},     // [i] is the row itself
      {rkFormula, "y2[5]", "y2", true, true, false, 5},   // a formula's index is relative
      {rkFormula, "u[i1]", "u", true, true, false, 1},    // the sign is required on the left
      {rkFormula, "u[i+1", "u", true, true, false, 1},    // unclosed
      {rkFormula, "2x", "", false, false, false, 0},
      {rkFormula, "x[1]y", "", false, false, false, 0},  // "]" must end the left side
      {rkFormula, "a+b", "", false, false, false, 0},
      {rkFormula, "m[]", "", false, false, false, 0},
      {rkConstant, "g", "g", true, false, true, 0},
      {rkConstant, "v_[1]", "v_", true, true, true, 1},
      {rkConstant, "k[i+1]", "k", true, true, false, 1},  // a constant's index is a row number
      {rkConstant, "k[i]", "k", true, true, false, 0},
      {rkConstant, "k[-1]", "k", true, true, false, -1},  // and unsigned
      {rkConstant, "m\xc2\xb2", "m\xc2\xb2", true, false, true, 0},
  };
  for (const TLeftSideCase &c : cases) {
    SCOPED_TRACE(c.Left);
    TRec rec(c.Kind);
    rec.SetLeftSide(QString::fromUtf8(c.Left));
    EXPECT_EQ(rec.Ident, QString::fromUtf8(c.Left));
    EXPECT_EQ(rec.NameValid, c.NameValid);
    if (!c.NameValid) continue;
    EXPECT_EQ(rec.Name, QString::fromUtf8(c.Name));
    EXPECT_EQ(rec.HasBracket, c.HasBracket);
    EXPECT_EQ(rec.IndexValid, c.IndexValid);
    EXPECT_EQ(rec.Index, c.Index);
  }
}

TEST(RecDefinition, BlanksGoAndTheFirstEqualSignSplits) {
  TRec named(rkFormula);
  named.SetDefinition(QStringLiteral(" Ec = 0.5 * m * v ^ 2 "));
  EXPECT_EQ(named.Ident, QStringLiteral("Ec"));
  EXPECT_EQ(named.Phrase, QStringLiteral("0.5*m*v^2"));
  EXPECT_EQ(named.Definition(), QStringLiteral("Ec=0.5*m*v^2"));
  TRec unnamed(rkFormula);
  unnamed.SetDefinition(QStringLiteral("v ^ 2"));
  EXPECT_FALSE(unnamed.IsNamed());
  EXPECT_EQ(unnamed.Definition(), QStringLiteral("v^2"));
}

TEST_F(FormulesFixture, RefusesBadNamesWithTheirMessages) {
  struct TCase {
    const char *Definition;
    int Code;
    const char *Message;
  };
  const TCase cases[] = {
      {"2x=x*2", 2,
       "A name cannot start with a number and can contain only letters of numbers. Incorrect "
       "variable or "
       "constant: 2x"},
      {"y2[5]=x", 6,
       "The index of a variable or a constant is usually placed into brackets. Unknown index into "
       "brackets. "
       "Faulty variable or constant: y2[5]"},
      {"x=y*2", 9,
       "Name identical to that of a preset variable (comparison is not case-sensitive). Variable: "
       "x"},
      {"X2=y*2", 9,
       "Name identical to that of a preset variable (comparison is not case-sensitive). Variable: "
       "X2"},
      {"T=x*3", 9,
       "Name identical to that of a preset variable (comparison is not case-sensitive). Variable: "
       "T"},
      {"v=x*4", 9,
       "Name identical to that of a preset variable (comparison is not case-sensitive). Variable: "
       "v"},
      {"w1=x*5", 9,
       "Name identical to that of a preset variable (comparison is not case-sensitive). Variable: "
       "w1"},
      // B is read before any formula: a formula named B could never be reached.
      {"b=x*6", 9,
       "Name identical to that of a preset variable (comparison is not case-sensitive). Variable: "
       "b"},
      {"u[i+9]=x*7", 11,
       "No value can be computed (index may be too big). This variable cannot be calculated: u"},
      {"E=x+", 5, "Operator without operand: +"},
      {"E=x+q", 5, "Formula with unknown variable or constant: q"},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Definition);
    const int before = boxes.Count();
    EXPECT_EQ(NewFormula(QString::fromUtf8(c.Definition)), c.Code);
    ASSERT_EQ(boxes.Count(), before + 1);
    EXPECT_EQ(boxes.Last().Text(), QString::fromUtf8(c.Message));
    EXPECT_EQ(boxes.Last().Icon, icWarning);
    EXPECT_EQ(boxes.Last().Buttons, QStringList{QStringLiteral("Ok")});
  }
  EXPECT_EQ(formules.FormulaCount(), 0);
}

TEST_F(FormulesFixture, PresetNamesFollowTheObjectsAndTheShownQuantities) {
  EXPECT_EQ(NewFormula(QStringLiteral("x3=x*2")), 0);  // two objects: x3 is free
  results.Objects = 3;
  EXPECT_EQ(NewFormula(QStringLiteral("y3=x*2")), 9);
  formules.SetShowVelocity(false);
  EXPECT_EQ(NewFormula(QStringLiteral("v=x*3")), 0);
  formules.SetShowPolar(false);
  EXPECT_EQ(NewFormula(QStringLiteral("O=x*4")), 0);
  EXPECT_EQ(formules.FormulaCount(), 3);
}

TEST_F(FormulesFixture, RefusesRepeatedNamesAndPhrases) {
  ASSERT_EQ(NewFormula(QStringLiteral("e=x*2")), 0);
  EXPECT_EQ(NewFormula(QStringLiteral("E=y*2")), 3);
  EXPECT_EQ(boxes.Last().Text(),
            QStringLiteral("Name already in use (comparison is not case-sensitive). Repeated "
                           "variable or constant: E"));
  formules.Formula(0)->Curve.ColumnOpen = false;
  EXPECT_EQ(NewFormula(QStringLiteral("E=y*2")), 1);
  EXPECT_EQ(boxes.Last().Text(),
            QStringLiteral("Variable name already in use in a hidden column: E"));
  EXPECT_EQ(NewFormula(QStringLiteral("X*2")), 4);
  EXPECT_EQ(boxes.Last().Text(),
            QStringLiteral("Identical formulas detected (comparison is not case sensitive): X*2."));

  ASSERT_EQ(NewConstant(QStringLiteral("g"), QStringLiteral("9.81")), 0);
  EXPECT_EQ(NewFormula(QStringLiteral("G=x*9")), 3);
  EXPECT_EQ(NewConstant(QStringLiteral("E"), QStringLiteral("1")), 3);
  EXPECT_EQ(NewConstant(QStringLiteral("G"), QStringLiteral("2")), 3);
  EXPECT_EQ(formules.FormulaCount(), 1);
  EXPECT_EQ(formules.Constants().size(), 1u);
}

TEST_F(FormulesFixture, RefusesBadConstants) {
  struct TCase {
    const char *Ident;
    const char *Value;
    int Code;
    const char *Message;
  };
  const TCase cases[] = {
      {"k[i+1]", "1", 6,
       "The index of a variable or a constant is usually placed into brackets. Unknown index into "
       "brackets. "
       "Faulty variable or constant: k[i+1]"},
      {"2g", "1", 2,
       "A name cannot start with a number and can contain only letters of numbers. Incorrect "
       "variable or "
       "constant: 2g"},
      {"y", "1", 9,
       "Name identical to that of a preset variable (comparison is not case-sensitive). Variable: "
       "y"},
      {"k", "abc", 8,
       "String must contain a sign (optional), numerals, a decimal separator (optional), then a "
       "mantissa "
       "(optional).\nMantissa contains \xc2\xab E \xc2\xbb or \xc2\xab e \xc2\xbb followed by a "
       "sign (facultative) "
       "and an integer."},
      {"k", "1E999", 10, "Number is too big or too small"},
      {"k", "=sqrt(-1)", 5, "Calculation of the square root of a negative number."},
      {"k", "=x*2", 5,
       "Formula with unknown variable or constant: x"},  // constants see constants only
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Ident);
    EXPECT_EQ(NewConstant(QString::fromUtf8(c.Ident), QString::fromUtf8(c.Value)), c.Code);
    EXPECT_EQ(boxes.Last().Text(), QString::fromUtf8(c.Message));
  }
  EXPECT_TRUE(formules.Constants().empty());
  EXPECT_EQ(formules.Validate(nullptr), 7);
  EXPECT_EQ(boxes.Last().Text(),
            QStringLiteral("The calculation unit has detected an error. Process cancelled."));
}

TEST_F(FormulesFixture, ConstantValueTextsReadEitherSeparator) {
  TRec *comma = formules.AddConstant(QStringLiteral("g"), QString(), QStringLiteral("m/s\xc2\xb2"),
                                     QStringLiteral("9,81"));
  EXPECT_EQ(comma->ValueText, QStringLiteral("9.81"));
  EXPECT_DOUBLE_EQ(comma->Value, 9.81);
  TRec *bad =
      formules.AddConstant(QStringLiteral("h"), QString(), QString(), QStringLiteral("9.8.1"));
  EXPECT_EQ(bad->ValueText, QStringLiteral("#Number!"));
  EXPECT_TRUE(std::isnan(bad->Value));
  EXPECT_EQ(formules.Calculate(bad), 8);
  EXPECT_EQ(bad->Unit, QStringLiteral("no unit"));
}
