// The objects' masses: what a typed mass may be, and their section of the work file, read
// back as written and ignored when damaged.

#include "kit/IniFile.h"
#include "measurement/Masses.h"
#include "measurement/Marque.h"
#include "measurement/support/DocumentFixture.h"

#include <QImage>
#include <QPainter>

#include <cmath>

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

namespace kolibra::measurement::masses_test {

// When asked, the video shows the centre of mass at the weighted mean of the marks of the
// objects with a mass, on the frames where each of them is marked.
TEST_F(DocumentMassesTest, TheVideoShowsTheCentreOfMassWhenAsked) {
  data.SetObjectsCount(3);
  data.PlaceTrackedMarks({{{0.25, 0.3}, {0.25, 0.6}}, {{0.75, 0.3}}, {{0.5, 0.9}}}, {{10, 11}, {10, -1}, {10}});
  data.SetObjectMass(0, 0.3);
  data.SetObjectMass(1, 0.1);
  const auto paint = [this] {
    QImage image(640, 480, QImage::Format_RGB32);
    image.fill(qRgb(128, 128, 128));
    QPainter painter(&image);
    data.Paint(&painter);
    return image;
  };
  TPoint first, second, lone;
  for (int i = 0; i < data.FixedMarks().MarksCount(); ++i) {
    const TMarque &mark = *data.FixedMarks().Mark(i);
    if (mark.FrameIndex == 10 && mark.MarkOrderNumber == 0) first = mark.Pixel();
    if (mark.FrameIndex == 10 && mark.MarkOrderNumber == 1) second = mark.Pixel();
    if (mark.FrameIndex == 11) lone = mark.Pixel();
  }
  const QPoint centre(int(std::lround(0.75 * first.X + 0.25 * second.X)), int(std::lround(0.75 * first.Y + 0.25 * second.Y)));
  const QPoint missing(lone.X + (second.X - first.X) / 4, lone.Y);  // where frame 11's centre would be
  EXPECT_EQ(paint().pixel(centre), qRgb(128, 128, 128)) << "not asked";
  data.SetCentreOfMassShown(true);
  const QImage shown = paint();
  EXPECT_EQ(shown.pixel(centre), qRgb(0, 0, 0));
  EXPECT_EQ(shown.pixel(centre + QPoint(6, 0)), qRgb(0, 0, 0)) << "on its ring";
  EXPECT_EQ(shown.pixel(missing), qRgb(128, 128, 128)) << "object 2 has no mark on frame 11";
  // The wish is kept with the masses.
  TIniFile ini = TIniFile::FromText(QStringLiteral("work.klb"), QString());
  data.SaveToIni(ini, QStringLiteral("Data"));
  data.SetCentreOfMassShown(false);
  data.LoadFromIni(ini, QStringLiteral("Data"));
  EXPECT_TRUE(data.CentreOfMassShown());
}

}  // namespace kolibra::measurement::masses_test
