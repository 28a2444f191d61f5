// The formulas in a work file and the keyboard's favourite lists in the options file:
// exact keys, round trips, and what else the files hold left alone.

#include "FormulesFixture.h"
#include "formulas/Favourites.h"
#include "kit/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

using namespace kolibra;
using namespace kolibra::formulas;
using kolibra::formulas::test_support::FormulesFixture;
using kolibra::formulas::test_support::TTableResults;

namespace formules_storage_test {

QString ReadAll(const QString &fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(file.readAll());
}

void WriteAll(const QString &fileName, const QString &text) {
  QFile file(fileName);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text.toUtf8());
}

}  // namespace formules_storage_test

TEST_F(FormulesFixture, WorkFileKeysRoundTrip) {
  QTemporaryDir dir;
  ASSERT_EQ(NewConstant(QStringLiteral("v_lam[1]"), QStringLiteral("0.5")), 0);
  ASSERT_EQ(NewConstant(QStringLiteral("Ray"), QStringLiteral("0.1")), 0);
  ASSERT_EQ(NewConstant(QStringLiteral("Vol"), QStringLiteral("=4*Ray^3/3")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("v_lam[i+1] = v_lam[i] + Vol")), 0);
  ASSERT_EQ(NewFormula(QStringLiteral("x2 ^ 2")), 0);
  formules.Formula(0)->Comment = QStringLiteral("iterated");
  formules.Formula(0)->Unit = QStringLiteral("m/s");
  formules.Constant(1)->Unit = QStringLiteral("m");

  TIniFile ini(dir.filePath(QStringLiteral("work.klb")));
  formules.SaveToWorkFile(ini);
  EXPECT_EQ(ini.ToText(), QStringLiteral("[Formules]\n"
                                         "FormulesNumber=2\n"
                                         "ConstantesNumber=3\n"
                                         "\n"
                                         "[Record]\n"
                                         "RecordFormuleIdentifier_0=v_lam[i+1]\n"
                                         "RecordFormulePhrase_0=v_lam[i]+Vol\n"
                                         "RecordFormuleComment_0=iterated\n"
                                         "RecordFormuleUnit_0=m/s\n"
                                         "RecordFormuleIdentifier_1=\n"
                                         "RecordFormulePhrase_1=x2^2\n"
                                         "RecordFormuleComment_1=no comment\n"
                                         "RecordFormuleUnit_1=no unit\n"
                                         "RecordConstIdentifier_0=v_lam[1]\n"
                                         "RecordConstIndex_0=1\n"
                                         "RecordConstValue_0=0.5\n"
                                         "RecordConstUnit_0=no unit\n"
                                         "RecordConstIdentifier_1=Ray\n"
                                         "RecordConstIndex_1=0\n"
                                         "RecordConstValue_1=0.1\n"
                                         "RecordConstUnit_1=m\n"
                                         "RecordConstIdentifier_2=Vol\n"
                                         "RecordConstIndex_2=0\n"
                                         "RecordConstValue_2==4*Ray^3/3\n"
                                         "RecordConstUnit_2=no unit\n"));
  ASSERT_TRUE(ini.UpdateFile());

  // Read back under the other separator: the values convert all the same.
  const ScopedDecimalSeparator comma(QLatin1Char(','));
  TFormules reread(&results);
  reread.LoadFromWorkFile(TIniFile(ini.FileName()));
  ASSERT_EQ(reread.FormulaCount(), 2);
  ASSERT_EQ(reread.Constants().size(), 3u);
  EXPECT_EQ(reread.FormulaDefinition(0), QStringLiteral("v_lam[i+1]=v_lam[i]+Vol"));
  EXPECT_EQ(reread.FormulaComment(0), QStringLiteral("iterated"));
  EXPECT_EQ(reread.FormulaUnit(1), QStringLiteral("no unit"));
  EXPECT_DOUBLE_EQ(reread.Constant(2)->Value, 4 * 0.001 / 3);
  EXPECT_EQ(reread.Constant(0)->Index, 1);
  for (int row = 0; row < 5; ++row)
    EXPECT_DOUBLE_EQ(reread.Formula(0)->Curve.Values[size_t(row)],
                     formules.Formula(0)->Curve.Values[size_t(row)]);
  EXPECT_FALSE(reread.Formula(1)->Curve.HasValue(2));

  TIniFile again(dir.filePath(QStringLiteral("again.klb")));
  reread.SaveToWorkFile(again);
  EXPECT_EQ(again.ToText(), QString(ini.ToText())
                                .replace(QStringLiteral("=0.5"), QStringLiteral("=0,5"))
                                .replace(QStringLiteral("=0.1"), QStringLiteral("=0,1")));
}

TEST_F(FormulesFixture, AWorkFileWithMoreCountedThanWrittenStopsAtTheLast) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("hand.klb"));
  formules_storage_test::WriteAll(
      name, QStringLiteral("[Formules]\nFormulesNumber=2000000000\nConstantesNumber=1\n"
                           "[Record]\nRecordFormuleIdentifier_0=d\n"
                           "RecordFormulePhrase_0=x*2\nRecordConstIdentifier_0=2k\n"
                           "RecordConstValue_0=1\n"));
  formules.LoadFromWorkFile(TIniFile(name));
  EXPECT_EQ(formules.FormulaCount(), 1);
  EXPECT_TRUE(formules.Constants().empty());  // "2k" is no name
  EXPECT_DOUBLE_EQ(At(0, 4), 0.08);
}

TEST(Favourites, ListsKeepTheirEntriesOnceWhateverTheCase) {
  TFavouriteList list;
  EXPECT_TRUE(list.Add(QStringLiteral(" Ec=0.5*m*v^2 ")));
  EXPECT_TRUE(list.Add(QStringLiteral("p=m*v")));
  EXPECT_FALSE(list.Add(QStringLiteral("EC=0.5*M*V^2")));
  EXPECT_EQ(list.Current, 0);
  EXPECT_FALSE(list.Add(QStringLiteral("  ")));
  EXPECT_EQ(list.Items, (QStringList{QStringLiteral("Ec=0.5*m*v^2"), QStringLiteral("p=m*v")}));
  EXPECT_EQ(list.Next(), QStringLiteral("p=m*v"));
  EXPECT_EQ(list.Next(), QStringLiteral("p=m*v"));
  EXPECT_EQ(list.Previous(), QStringLiteral("Ec=0.5*m*v^2"));
  EXPECT_EQ(list.Previous(), QStringLiteral("Ec=0.5*m*v^2"));
  EXPECT_TRUE(list.RemoveCurrent());
  EXPECT_EQ(list.CurrentText(), QStringLiteral("p=m*v"));
  EXPECT_TRUE(list.RemoveCurrent());
  EXPECT_FALSE(list.RemoveCurrent());
  EXPECT_EQ(list.Next(), QString());
}

TEST(Favourites, OptionsFileRoundTripKeepsTheOtherSections) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("Kolibra.ini"));
  // A gap ends a list: Formula3 is not read, and not written back.
  formules_storage_test::WriteAll(
      name, QStringLiteral("[Options]\nCheckBox5ChangeFormulae_Checked=1\n\n"
                           "[Formulae]\nFormula0=Ec=0.5*m*v^2\nFormula1=p=m*v\n"
                           "Formula3=lost\n\n[Units]\nUnit0=J\n\n"
                           "[Comments]\nComment0=kinetic energy\n"));
  TFavourites favourites;
  favourites.LoadFromFile(name);
  EXPECT_EQ(favourites.Formulas.Items.size(), 2);
  EXPECT_EQ(favourites.Units.CurrentText(), QStringLiteral("J"));
  favourites.Units.Add(QStringLiteral("kg.m/s"));
  favourites.Formulas.Select(QStringLiteral("P=M*V"));
  favourites.Formulas.RemoveCurrent();
  ASSERT_TRUE(favourites.SaveToFile(name));
  EXPECT_EQ(formules_storage_test::ReadAll(name),
            QStringLiteral("[Options]\nCheckBox5ChangeFormulae_Checked=1\n\n"
                           "[Formulae]\nFormula0=Ec=0.5*m*v^2\n\n[Units]\nUnit0=J\nUnit1=kg.m/s\n\n"
                           "[Comments]\nComment0=kinetic energy\n"));
  TFavourites reread;
  reread.LoadFromFile(name);
  EXPECT_EQ(reread.Units.Items, favourites.Units.Items);
  EXPECT_EQ(reread.Comments.Items, favourites.Comments.Items);
}
