// The ".klb" association in the desktop's files: mimeapps.list edited as "xdg-mime default"
// edits it, every foreign line kept, the Exec line quoted, and unregistering taking out only
// what Kolibra wrote.

#include "settings/KlbAssociation.h"
#include "support/ScopedEnv.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace kolibra::settings;

namespace klb_association_test {

const QString Type = QStringLiteral("application/x-kolibra-work");
const QString Ours = QStringLiteral("kolibra-klb.desktop");

QString ReadFile(const QString &name) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void WriteFile(const QString &name, const QString &text) {
  QDir().mkpath(QFileInfo(name).absolutePath());
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text.toUtf8());
}


// A user's mimeapps.list with lines of other programs in every section.
const QString ForeignList = QStringLiteral(
    "[Added Associations]\n"
    "text/plain=org.gnome.gedit.desktop;\n"
    "application/x-kolibra-work=kolibra-klb.desktop;\n"
    "\n"
    "[Default Applications]\n"
    "image/png=org.gnome.eog.desktop\n"
    "video/mp4=vlc.desktop;\n"
    "\n"
    "[Removed Associations]\n"
    "text/html=firefox-esr.desktop;\n");

class KlbAssociationTest : public ::testing::Test {
 protected:
  QTemporaryDir Dir;
  QString DataHome = Dir.filePath(QStringLiteral("data"));
  QString ConfigHome = Dir.filePath(QStringLiteral("config"));
  TKlbAssociation Association{DataHome, ConfigHome};
  QString Program = Dir.filePath(QStringLiteral("my programs/kolibra"));

  KlbAssociationTest() { Association.RefreshCaches = false; }
};


TEST(KlbAssociationText, MakesKolibraTheDefaultTheWayXdgMimeDoes) {
  const struct {
    const char *Name;
    const char *Before;
    const char *After;
  } cases[] = {
      {"no file", "",
       "[Default Applications]\napplication/x-kolibra-work=kolibra-klb.desktop\n"},
      {"section without the type, another section after it",
       "[Default Applications]\nimage/png=eog.desktop\n\n[Added Associations]\nx/y=a.desktop;\n",
       "[Default Applications]\nimage/png=eog.desktop\n"
       "application/x-kolibra-work=kolibra-klb.desktop\n\n"
       "[Added Associations]\nx/y=a.desktop;\n"},
      {"another program was the default",
       "[Default Applications]\napplication/x-kolibra-work=other.desktop;\n",
       "[Default Applications]\napplication/x-kolibra-work=kolibra-klb.desktop;other.desktop;\n"},
      {"already the default",
       "[Default Applications]\napplication/x-kolibra-work=kolibra-klb.desktop;a.desktop;\n",
       "[Default Applications]\napplication/x-kolibra-work=kolibra-klb.desktop;a.desktop;\n"},
      {"the type's line elsewhere only, no default section",
       "[Added Associations]\napplication/x-kolibra-work=a.desktop;",
       "[Added Associations]\napplication/x-kolibra-work=a.desktop;\n"
       "[Default Applications]\napplication/x-kolibra-work=kolibra-klb.desktop\n"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(TKlbAssociation::WithDefault(QLatin1String(c.Before), Type, Ours),
              QLatin1String(c.After));
  }
}

TEST(KlbAssociationText, TakesOutOnlyKolibrasOwnEntry) {
  const struct {
    const char *Name;
    const char *Before;
    const char *After;
  } cases[] = {
      {"ours alone", "[Default Applications]\na/b=x.desktop\napplication/x-kolibra-work=kolibra-klb.desktop\n",
       "[Default Applications]\na/b=x.desktop\n"},
      {"ours before another", "[Default Applications]\napplication/x-kolibra-work=kolibra-klb.desktop;other.desktop;\n",
       "[Default Applications]\napplication/x-kolibra-work=other.desktop;\n"},
      {"another program owns the type now",
       "[Default Applications]\napplication/x-kolibra-work=other.desktop;\n",
       "[Default Applications]\napplication/x-kolibra-work=other.desktop;\n"},
      {"a line we did not write",
       "[Added Associations]\napplication/x-kolibra-work=kolibra-klb.desktop;\n",
       "[Added Associations]\napplication/x-kolibra-work=kolibra-klb.desktop;\n"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(TKlbAssociation::WithoutDefault(QLatin1String(c.Before), Type, Ours),
              QLatin1String(c.After));
  }
}

TEST(KlbAssociationText, QuotesTheProgramForTheExecLine) {
  const struct {
    const char *Path;
    const char *Quoted;
  } cases[] = {
      {"/usr/bin/kolibra", R"("/usr/bin/kolibra")"},
      {"/home/ann/my programs/kolibra", R"("/home/ann/my programs/kolibra")"},
      {"/opt/$HOME/k", R"("/opt/\\$HOME/k")"},
      {"/opt/100%/k", R"("/opt/100%%/k")"},
      {"/opt/a\"b/k", R"("/opt/a\\"b/k")"},
      {"/opt/a\\b/k", R"("/opt/a\\\\b/k")"},
      {"/opt/`x`/k", R"("/opt/\\`x\\`/k")"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(TKlbAssociation::QuoteExecArgument(QString::fromUtf8(c.Path)),
              QString::fromUtf8(c.Quoted))
        << c.Path;
  EXPECT_TRUE(TKlbAssociation::DesktopEntryFor(QStringLiteral("/a\nb")).isEmpty());
}

TEST_F(KlbAssociationTest, RegisteringAndUnregisteringKeepEveryForeignLine) {
  WriteFile(Association.MimeAppsFile(), ForeignList);
  ASSERT_FALSE(Association.IsRegistered());
  ASSERT_TRUE(Association.Register(Program));
  EXPECT_TRUE(Association.IsRegistered());
  EXPECT_EQ(Association.DesktopFile(), DataHome + QStringLiteral("/applications/kolibra-klb.desktop"));
  EXPECT_EQ(Association.MimeFile(), DataHome + QStringLiteral("/mime/packages/kolibra.xml"));
  EXPECT_EQ(ReadFile(Association.MimeFile()).toUtf8(), MimePackage());

  const QString entry = ReadFile(Association.DesktopFile());
  EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=\"") + Program + QStringLiteral("\" %f\n")));
  EXPECT_TRUE(entry.contains(QStringLiteral("\nMimeType=application/x-kolibra-work;\n")));
  EXPECT_TRUE(entry.contains(QStringLiteral("\nNoDisplay=true\n")));

  QString expected = ForeignList;
  expected.replace(QStringLiteral("video/mp4=vlc.desktop;\n"),
                   QStringLiteral("video/mp4=vlc.desktop;\napplication/x-kolibra-work=kolibra-klb.desktop\n"));
  EXPECT_EQ(ReadFile(Association.MimeAppsFile()), expected);

  ASSERT_TRUE(Association.Unregister());
  EXPECT_FALSE(Association.IsRegistered());
  EXPECT_FALSE(QFileInfo::exists(Association.DesktopFile()));
  EXPECT_FALSE(QFileInfo::exists(Association.MimeFile()));
  EXPECT_EQ(ReadFile(Association.MimeAppsFile()), ForeignList);
}

TEST_F(KlbAssociationTest, AProgramThatTookTheTypeOverKeepsIt) {
  ASSERT_TRUE(Association.Register(Program));
  // The user chose another program since ("xdg-mime default other.desktop ...").
  const QString takenOver = QStringLiteral(
      "[Default Applications]\napplication/x-kolibra-work=other.desktop;\n");
  WriteFile(Association.MimeAppsFile(), takenOver);
  ASSERT_TRUE(Association.Unregister());
  EXPECT_EQ(ReadFile(Association.MimeAppsFile()), takenOver);
  EXPECT_FALSE(Association.IsRegistered());
}

TEST_F(KlbAssociationTest, AFolderThatCannotBeWrittenIsReported) {
  // A file where the applications folder should be.
  WriteFile(DataHome + QStringLiteral("/applications"), QStringLiteral("not a folder"));
  EXPECT_FALSE(Association.Register(Program));
  EXPECT_EQ(Association.FailedFile(), Association.DesktopFile());
  EXPECT_FALSE(Association.IsRegistered());
}

TEST_F(KlbAssociationTest, TheFoldersComeFromTheXdgVariables) {
  const kolibra::testing::ScopedEnv data("XDG_DATA_HOME", DataHome);
  const kolibra::testing::ScopedEnv config("XDG_CONFIG_HOME", ConfigHome);
  const TKlbAssociation fromEnvironment;
  EXPECT_EQ(fromEnvironment.DesktopFile(), Association.DesktopFile());
  EXPECT_EQ(fromEnvironment.MimeAppsFile(), ConfigHome + QStringLiteral("/mimeapps.list"));
}

TEST_F(KlbAssociationTest, TheDesktopToolsAcceptWhatIsWritten) {
  const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
  const QString mimeDatabase = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
  if (validator.isEmpty() || mimeDatabase.isEmpty()) GTEST_SKIP() << "desktop tools missing";
  Association.RefreshCaches = true;
  // A path that needs every kind of escape.
  ASSERT_TRUE(Association.Register(Dir.filePath(QStringLiteral("a $b \"c\" 100%/kolibra"))));
  QProcess validate;
  validate.start(validator, {Association.DesktopFile()});
  ASSERT_TRUE(validate.waitForFinished(30000));
  EXPECT_EQ(validate.exitCode(), 0) << validate.readAllStandardOutput().toStdString();
  // update-mime-database ran over the user's MIME folder and knows the glob.
  EXPECT_TRUE(ReadFile(DataHome + QStringLiteral("/mime/globs2"))
                  .contains(QStringLiteral("application/x-kolibra-work:*.klb")));
  ASSERT_TRUE(Association.Unregister());
  EXPECT_FALSE(ReadFile(DataHome + QStringLiteral("/mime/globs2"))
                   .contains(QStringLiteral("application/x-kolibra-work")));
}

}  // namespace klb_association_test
