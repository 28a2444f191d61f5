// The objects' masses: what a typed mass may be, and their section of the work file, read
// back as written and ignored when damaged.

#include "kit/IniFile.h"
#include "measurement/Masses.h"
#include "measurement/support/DocumentFixture.h"

namespace kolibra::measurement::masses_test {

TEST(ParseMassText, AcceptsNumbersAboveZeroAndEmptyText) {
  struct TCase {
    const char *Text;
    bool Accepted;
    double Kilograms;
  };
  const TCase cases[] = {
      {"0.2", true, 0.2},   {" 1,5 ", true, 1.5}, {"", true, 0.0},     {"  ", true, 0.0},   {"2e-3", true, 0.002},
      {"0", false, 0.0},    {"-1", false, 0.0},   {"abc", false, 0.0}, {"nan", false, 0.0}, {"inf", false, 0.0},
      {"1e12", false, 0.0},
  };
  for (const TCase &c : cases) {
    double kilograms = -1.0;
    EXPECT_EQ(ParseMassText(QString::fromLatin1(c.Text), kilograms), c.Accepted) << c.Text;
    EXPECT_DOUBLE_EQ(kilograms, c.Kilograms) << c.Text;
  }
  EXPECT_EQ(MassText(0.2), QStringLiteral("0.2"));
  EXPECT_EQ(MassText(0.0), QString());
}

TEST(Masses, TheirSectionReadsBackAsWritten) {
  TMasses masses;
  EXPECT_TRUE(masses.Set(false, 0, 0.2));
  EXPECT_TRUE(masses.Set(false, 2, 1.5));
  EXPECT_TRUE(masses.Set(true, 1, 0.05));
  EXPECT_FALSE(masses.Set(false, 0, 0.2)) << "nothing changed";
  TIniFile ini = TIniFile::FromText(QStringLiteral("work.klb"), QString());
  masses.SaveToIni(ini);
  EXPECT_EQ(ini.Keys(TMasses::SectionName()),
            (QStringList{QStringLiteral("Grid_0"), QStringLiteral("Grid_2"), QStringLiteral("Layer_1")}));
  TMasses read;
  read.LoadFromIni(ini);
  EXPECT_EQ(read, masses);
  EXPECT_DOUBLE_EQ(read.Mass(false, 2), 1.5);
  EXPECT_FALSE(read.HasMass(false, 1));
  EXPECT_DOUBLE_EQ(read.Mass(true, 1), 0.05);
  // Taking the masses away leaves an empty section.
  masses.Set(false, 0, 0.0);
  masses.Set(false, 2, 0.0);
  masses.Set(true, 1, -3.0);
  EXPECT_TRUE(masses.IsEmpty());
}

TEST(Masses, ADamagedSectionGivesNoWrongMass) {
  const TIniFile ini = TIniFile::FromText(QStringLiteral("work.klb"),
                                          QStringLiteral("[Masses]\nGrid_0=0.3\nGrid_1=-2\nGrid_x=1\nGrid_2=heavy\n"
                                                         "Grid_99999999999=1\nOther=4\n"));
  TMasses masses;
  masses.LoadFromIni(ini);
  EXPECT_DOUBLE_EQ(masses.Mass(false, 0), 0.3);
  EXPECT_EQ(masses.List(false, 4), (std::vector<double>{0.3, 0.0, 0.0, 0.0}));
}

// The document keeps them with its own keys, and a change tells the work's listeners.
class DocumentMassesTest : public testing::DocumentFixture {};

TEST_F(DocumentMassesTest, TheDocumentSavesAndLoadsItsMasses) {
  data.SetObjectsCount(2);
  int changes = 0;
  data.OnContentChange = [&changes](TData *) { ++changes; };
  data.SetObjectMass(1, 0.75);
  EXPECT_GT(changes, 0);
  const int told = changes;
  data.SetObjectMass(1, 0.75);
  EXPECT_EQ(changes, told) << "the same mass again changes nothing";
  TIniFile ini = TIniFile::FromText(QStringLiteral("work.klb"), QString());
  data.SaveToIni(ini, QStringLiteral("Data"));
  EXPECT_EQ(ini.ReadString(QStringLiteral("Masses"), QStringLiteral("Grid_1"), QString()), QStringLiteral("0.75"));
  EXPECT_FALSE(ini.ValueExists(QStringLiteral("Data"), QStringLiteral("Grid_1")));
  data.SetObjectMass(1, 0.0);
  data.LoadFromIni(ini, QStringLiteral("Data"));
  EXPECT_DOUBLE_EQ(data.ObjectMass(1), 0.75);
}

}  // namespace kolibra::measurement::masses_test
