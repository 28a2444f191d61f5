// The work file's holder (whole-file atomic writes, reading with its size limit and the
// encodings people leave) and the recent-files list.

#include "support/FileBytes.h"
#include "kit/IniFile.h"
#include "measurement/Klb.h"
#include "measurement/MRUFiles.h"
#include "support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolibra::measurement::work_file_holders_test {

namespace {

using ::kolibra::testing::ReadBytes;
using ::kolibra::testing::WriteBytes;



}  // namespace

TEST(Klb, ASaveRewritesTheWholeFileAndKeepsNoStaleKeys) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("work.klb"));
  // An older save with three containers.
  WriteBytes(name, "[Data]\nMarksContainersNumber_Grid=3\nMarksContainerFrameNumber_Grid_2=9\n");
  TKlb klb;
  ASSERT_TRUE(klb.Open(name));
  EXPECT_FALSE(klb.Open(name)) << "a second open while one is open changes nothing";
  klb.Ini().WriteInteger(QStringLiteral("Data"), QStringLiteral("MarksContainersNumber_Grid"), 1);
  ASSERT_TRUE(klb.Close());
  EXPECT_EQ(ReadBytes(name), QByteArray("[Data]\nMarksContainersNumber_Grid=1\n"));
}

TEST(Klb, AFailedWriteLeavesTheOlderFileWhole) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("work.klb"));
  WriteBytes(name, "[Main]\nVersion=351000\n");
  TKlb klb;
  ASSERT_TRUE(klb.Open(name));
  for (int i = 0; i < 500; ++i)
    klb.Ini().WriteString(QStringLiteral("Data"), IndexedKey(QStringLiteral("MarkXCoordinate_Grid"), i),
                          QStringLiteral("0.123456789012345"));
  // A full disk: writes beyond 100 bytes fail.
  EXPECT_FALSE(kolibra::testing::WithFileSizeLimit(100, [&klb] { return klb.Close(); }));
  EXPECT_FALSE(klb.IsOpen());
  EXPECT_EQ(ReadBytes(name), QByteArray("[Main]\nVersion=351000\n"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("work.klb")});
}

TEST(Klb, AFileThatCannotBeMadeIsRefusedAtOpen) {
  QTemporaryDir dir;
  TKlb klb;
  EXPECT_FALSE(klb.Open(dir.filePath(QStringLiteral("missing/work.klb"))));
  EXPECT_FALSE(klb.Open(dir.path())) << "a folder of that name";
  EXPECT_FALSE(klb.Open(QString()));
  EXPECT_FALSE(klb.IsOpen());
}

TEST(Klb, ReadingTakesEveryEncodingAndRefusesHugeFiles) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("work.klb"));
  TIniFile ini = TIniFile::FromText(name, QString());
  struct Case {
    QByteArray Bytes;
    QString Name;
  };
  const Case cases[] = {
      {"\xEF\xBB\xBF[Data]\nSystemName_Grid_0=balle\n", QStringLiteral("balle")},  // UTF-8 with a mark
      {"[Data]\r\nSystemName_Grid_0=caf\xC3\xA9\r\n", QStringLiteral("café")},  // UTF-8, Windows lines
      {"[Data]\nSystemName_Grid_0=caf\xE9 \x80\n", QStringLiteral("café €")},   // Windows-1252
  };
  for (const Case &c : cases) {
    WriteBytes(name, c.Bytes);
    ASSERT_EQ(TKlb::Read(name, ini), krsOk);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Data"), QStringLiteral("SystemName_Grid_0"), QString()), c.Name);
  }
  // UTF-16 as Notepad saves it.
  const QString text = QStringLiteral("[Data]\nSystemName_Grid_0=été\n");
  QByteArray utf16("\xFF\xFE", 2);
  utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
  WriteBytes(name, utf16);
  ASSERT_EQ(TKlb::Read(name, ini), krsOk);
  EXPECT_EQ(ini.ReadString(QStringLiteral("Data"), QStringLiteral("SystemName_Grid_0"), QString()), QStringLiteral("été"));

  EXPECT_EQ(TKlb::Read(dir.filePath(QStringLiteral("none.klb")), ini), krsMissing);
  // A sparse file just over the limit costs no disk and is refused without being read.
  QFile huge(dir.filePath(QStringLiteral("huge.klb")));
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
  ASSERT_TRUE(huge.resize(MaxWorkFileSize + 1));
  huge.close();
  EXPECT_EQ(TKlb::Read(huge.fileName(), ini), krsTooLarge);
}

TEST(MRUFiles, TheListKeepsTheMostRecentOnceEach) {
  TMRUFiles list;
  int changes = 0;
  list.OnChange = [&changes] { ++changes; };
  list.SetMaxEntries(3);
  list.Add(QString());
  EXPECT_EQ(changes, 0) << "an empty name is ignored";
  for (const char *name : {"/w/a.klb", "/w/b.klb", "/w/c.klb", "/w/A.KLB", "/w/d.klb"}) list.Add(QLatin1String(name));
  EXPECT_EQ(list.Files(), (QStringList{"/w/d.klb", "/w/A.KLB", "/w/c.klb"}));
  EXPECT_EQ(list.Caption(0), QStringLiteral("&1  :  d.klb"));
  list.Numbered = false;
  EXPECT_EQ(list.Caption(2), QStringLiteral("/w/c.klb"));
  list.SetMaxEntries(2);
  EXPECT_EQ(list.Files().size(), 2);
  list.SetMaxEntries(0);
  EXPECT_EQ(list.MaxEntries(), 2) << "a zero maximum changes nothing";
  list.Remove(QStringLiteral("/W/D.klb"));
  EXPECT_EQ(list.Files(), QStringList{"/w/A.KLB"});
  EXPECT_EQ(changes, 7);
}

TEST(MRUFiles, SurvivesARestartButNeverRemembersTheTemporaryFolder) {
  QTemporaryDir dir;
  TIniFile ini = TIniFile::FromText(dir.filePath(QStringLiteral("Kolibra.ini")),
                                    QStringLiteral("[RecentFiles]\nFile1=/old/x.klb\nFile7=/old/y.klb\n"));
  TMRUFiles list;
  list.SetTemporaryFolder(QStringLiteral("/tmp/kolibra"));
  list.SetDirectory(QStringLiteral("/tmp/kolibra"));
  list.SetDirectory(QStringLiteral("/tmp/kolibra/samples"));
  EXPECT_TRUE(list.Directory().isEmpty()) << "the start-up sample's folder is not the user's";
  list.SetDirectory(QStringLiteral("/tmp/kolibra-work"));
  EXPECT_EQ(list.Directory(), QStringLiteral("/tmp/kolibra-work")) << "a sibling folder is not inside";
  list.Add(QStringLiteral("/home/u/b.klb"));
  list.Add(QStringLiteral("/home/u/a.klb"));
  list.SaveToIni(ini);
  EXPECT_EQ(ini.Keys(QStringLiteral("RecentFiles")), (QStringList{"File1", "File2"})) << "older entries erased";
  EXPECT_EQ(ini.ReadString(QStringLiteral("RecentFiles"), QStringLiteral("File1"), QString()),
            QStringLiteral("/home/u/a.klb"));

  TMRUFiles next;
  next.SetTemporaryFolder(QStringLiteral("/tmp/kolibra"));
  next.LoadFromIni(ini);
  EXPECT_EQ(next.Files(), list.Files());
  EXPECT_EQ(next.Directory(), QStringLiteral("/tmp/kolibra-work"));
  // An options file of an older run that remembered the temporary folder.
  ini.WriteString(QStringLiteral("MainForm"), QStringLiteral("Directory"), QStringLiteral("/tmp/kolibra"));
  next.LoadFromIni(ini);
  EXPECT_TRUE(next.Directory().isEmpty());
}

}  // namespace kolibra::measurement::work_file_holders_test
