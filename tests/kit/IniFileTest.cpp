#include "kit/IniFile.h"
#include "kit/Locale.h"
#include "support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <unistd.h>
#include <gtest/gtest.h>

using namespace kolibra;

namespace {

QString readAll(const QString &name) {
  QFile f(name);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  return QString::fromUtf8(f.readAll());
}

void writeAll(const QString &name, const QByteArray &bytes) {
  QFile f(name);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

}  // namespace

TEST(IniFile, KeepsSectionAndKeyOrderAndWritesPlainLines) {
  QTemporaryDir dir;
  const QString name = dir.filePath("order.ini");
  TIniFile ini(name);
  ini.WriteString("Zeta", "b", "two");
  ini.WriteString("Alpha", "z", "last?");
  ini.WriteString("Zeta", "a", "one");
  ini.WriteInteger("Zeta", "b", 2);  // rewriting keeps the key's place
  ini.WriteBool("Alpha", "flag", true);
  ASSERT_TRUE(ini.UpdateFile());
  EXPECT_EQ(readAll(name), QString("[Zeta]\nb=2\na=one\n\n[Alpha]\nz=last?\nflag=1\n"));
}

TEST(IniFile, ReadsBackWhatItWroteAndDefaultsWhatIsMissingOrUnreadable) {
  QTemporaryDir dir;
  const QString name = dir.filePath("round.ini");
  {
    TIniFile ini(name);
    ini.WriteString("S", "Text", "a = b ; c");
    ini.WriteInteger("S", "Count", -42);
    ini.WriteBool("S", "On", true);
    ini.WriteBool("S", "Off", false);
    ini.WriteString("S", "Garbage", "12abc");
    ASSERT_TRUE(ini.UpdateFile());
  }
  TIniFile ini(name);
  EXPECT_EQ(ini.ReadString("S", "Text", ""), QString("a = b ; c"));
  EXPECT_EQ(ini.ReadInteger("S", "Count", 0), -42);
  EXPECT_TRUE(ini.ReadBool("S", "On", false));
  EXPECT_FALSE(ini.ReadBool("S", "Off", true));
  EXPECT_EQ(ini.ReadInteger("S", "Garbage", 7), 7);
  EXPECT_EQ(ini.ReadInteger("S", "Missing", 9), 9);
  EXPECT_EQ(ini.ReadInteger("Nowhere", "Count", 3), 3);
  EXPECT_TRUE(ini.ReadBool("S", "Missing", true));
  // Names compare without regard to case.
  EXPECT_EQ(ini.ReadInteger("s", "count", 0), -42);
}

TEST(IniFile, BooleansAreTrueForAnyNonZeroInteger) {
  QTemporaryDir dir;
  const QString name = dir.filePath("bool.ini");
  writeAll(name, "[Options]\r\nA=1\r\nB=0\r\nC=-3\r\nD=27\r\nE=yes\r\n");
  TIniFile ini(name);
  EXPECT_TRUE(ini.ReadBool("Options", "A", false));
  EXPECT_FALSE(ini.ReadBool("Options", "B", true));
  EXPECT_TRUE(ini.ReadBool("Options", "C", false));
  EXPECT_TRUE(ini.ReadBool("Options", "D", false));
  EXPECT_FALSE(ini.ReadBool("Options", "E", false));  // unreadable: the default
  EXPECT_TRUE(ini.ReadBool("Options", "E", true));
}

class IniReals : public ::testing::TestWithParam<char> {};

TEST_P(IniReals, RoundTripUnderEitherSeparatorAndReadTheOther) {
  ScopedDecimalSeparator separator{QChar(GetParam())};
  QTemporaryDir dir;
  const QString name = dir.filePath("reals.ini");
  const double values[] = {0.5, -1.25, 1.0 / 3.0, 6.02214076e23, 1.5e-7, 123456789.125, 0.0, 2.0};
  {
    TIniFile ini(name);
    for (int i = 0; i < 8; ++i) ini.WriteFloat("R", IndexedKey("v", i), values[i]);
    ASSERT_TRUE(ini.UpdateFile());
  }
  const QString text = readAll(name);
  const QString sep = QString(QChar(GetParam()));
  EXPECT_TRUE(text.contains(QString("v_0=0") + sep + "5\n")) << text.toStdString();
  EXPECT_TRUE(text.contains(QString("v_1=-1") + sep + "25\n"));
  EXPECT_TRUE(text.contains(QString("v_3=6") + sep + "02214076E23\n"));
  EXPECT_TRUE(text.contains(QString("v_4=1") + sep + "5E-7\n"));
  EXPECT_TRUE(text.contains("v_6=0\n"));
  EXPECT_TRUE(text.contains("v_7=2\n"));
  TIniFile ini(name);
  for (int i = 0; i < 8; ++i)
    // Fifteen significant digits are kept, as the general conversion promises.
    EXPECT_NEAR(ini.ReadFloat("R", IndexedKey("v", i), -99), values[i], std::fabs(values[i]) * 1e-14) << i;

  // A file written under the other separator reads the same.
  const QByteArray other = GetParam() == '.' ? "[R]\nx=3,75\n" : "[R]\nx=3.75\n";
  writeAll(name, other);
  EXPECT_DOUBLE_EQ(TIniFile(name).ReadFloat("R", "x", 0), 3.75);
}

INSTANTIATE_TEST_SUITE_P(Separators, IniReals, ::testing::Values('.', ','));

TEST(IniFile, RealToTextFollowsTheGeneralConversion) {
  ScopedDecimalSeparator separator('.');
  struct Case {
    double value;
    const char *text;
  } cases[] = {
      {1.5, "1.5"},       {-0.25, "-0.25"},      {100, "100"},
      {1e14, "100000000000000"},                 {1e15, "1E15"},
      {0.0001, "0.0001"}, {0.00001, "0.00001"},  {0.000001, "1E-6"},
      {0.1, "0.1"},       {1.0 / 3.0, "0.333333333333333"},
      {-2.5e-10, "-2.5E-10"},
  };
  for (const Case &c : cases) EXPECT_EQ(RealToText(c.value), QString(c.text)) << c.text;
  EXPECT_EQ(RealToText(std::nan("")), QString("NAN"));
  double v = 0;
  EXPECT_TRUE(TextToReal("NAN", v));
  EXPECT_TRUE(std::isnan(v));
  v = 4;
  EXPECT_FALSE(TextToReal("", v));
  EXPECT_FALSE(TextToReal("1.2.3", v));
  EXPECT_FALSE(TextToReal("0x10", v));
  EXPECT_EQ(v, 4);
}

TEST(IniFile, ListsAreACountKeyAndIndexedEntries) {
  QTemporaryDir dir;
  const QString name = dir.filePath("list.ini");
  TIniFile ini(name);
  ini.WriteStringList("Formules", "SystemNamesNumber", "SystemName", {"ball", "", "cart"});
  EXPECT_EQ(ini.ToText(), QString("[Formules]\nSystemNamesNumber=3\nSystemName_0=ball\n"
                                  "SystemName_1=\nSystemName_2=cart\n"));
  EXPECT_EQ(ini.ReadStringList("Formules", "SystemNamesNumber", "SystemName"),
            QStringList({"ball", "", "cart"}));
  ini.DeleteKey("Formules", "SystemName_1");
  EXPECT_EQ(ini.ReadStringList("Formules", "SystemNamesNumber", "SystemName"),
            QStringList({"ball", "", "cart"}));
  EXPECT_EQ(ini.ReadString("Formules", "SystemName_2", ""), QString("cart"));
}

TEST(IniFile, KeepsKeysItDoesNotRewriteAndValuesStayOnOneLine) {
  QTemporaryDir dir;
  const QString name = dir.filePath("keep.ini");
  writeAll(name, "; a comment\n[Main]\nVideo=/tmp/a.avi\nOld=1\n[Other]\nk=v\n");
  TIniFile ini(name);
  ini.WriteString("Main", "Video", "/tmp/b.avi");
  ini.WriteString("Main", "Comment", "two\nlines");
  ASSERT_TRUE(ini.UpdateFile());
  EXPECT_EQ(readAll(name), QString("[Main]\nVideo=/tmp/b.avi\nOld=1\nComment=two lines\n\n[Other]\nk=v\n"));
  ini.EraseSection("Main");
  EXPECT_EQ(ini.Sections(), QStringList({"Other"}));
}

TEST(IniFile, AFailedWriteLeavesTheOldFileWhole) {
  QTemporaryDir dir;
  const QString name = dir.filePath("kept.ini");
  writeAll(name, "[A]\nk=old\n");
  TIniFile ini(name);
  for (int i = 0; i < 200; ++i) ini.WriteString("A", IndexedKey("k", i), "a value long enough to fill the disk");

  // A full disk, as every user (root included) meets it: writes past the size limit fail.
  EXPECT_FALSE(kolibra::testing::WithFileSizeLimit(64, [&ini] { return ini.UpdateFile(); }));
  EXPECT_EQ(readAll(name), QString("[A]\nk=old\n"));
  // No temporary file is left beside the target.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"kept.ini"}));
}

TEST(IniFile, AReadOnlyFolderIsReportedAndTheOldFileKept) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  QTemporaryDir dir;
  const QString name = dir.filePath("kept.ini");
  writeAll(name, "[A]\nk=old\n");
  TIniFile ini(name);
  ini.WriteString("A", "k", "new");
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  const bool written = ini.UpdateFile();
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_FALSE(written);
  EXPECT_EQ(readAll(name), QString("[A]\nk=old\n"));
}

TEST(IniFile, AMissingOrUnwritableTargetIsReported) {
  TIniFile ini("/nonexistent-folder/kolibra/x.ini");
  EXPECT_EQ(ini.ReadInteger("A", "b", 5), 5);
  ini.WriteInteger("A", "b", 6);
  EXPECT_FALSE(ini.UpdateFile());
}
