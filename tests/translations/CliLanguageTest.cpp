// kolibra-cli in another language: the reasons on standard error are translated, standard
// output keeps its English format.

#include "support/RunProgram.h"
#include "translations/CatalogueFiles.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace kolibra::cli_language_test {

using TRun = testing::TProgramRun;

TRun RunCli(const QTemporaryDir &dir, const QStringList &arguments, const QString &language) {
  return testing::RunProgram(QStringLiteral(KOLIBRA_TEST_CLI), arguments,
                             [&](QProcessEnvironment &environment) {
                               for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"})
                                 environment.remove(QLatin1String(name));
                               environment.insert(QStringLiteral("LANGUAGE"), language);
                               environment.insert(QStringLiteral("KOLIBRA_CONFIG_DIR"), dir.path());
                             });
}

TEST(CliLanguageTest, AMissingVideoIsRefusedInTheDesktopsLanguage) {
  QTemporaryDir dir;
  const QString picture = dir.filePath(QStringLiteral("x.png"));
  const QString missing = dir.filePath(QStringLiteral("missing.avi"));
  for (const char *language : {"fr", "de", "es"}) {
    const TRun run = RunCli(dir, {QStringLiteral("frame"), missing, QStringLiteral("0"), picture},
                            QLatin1String(language));
    EXPECT_EQ(run.Status, 1) << language;
    EXPECT_TRUE(run.Out.isEmpty()) << language;
    const QString reason =
        translations_test::Translation(QLatin1String(language), "VideoCli", "Unable to open this video file.");
    ASSERT_FALSE(reason.isEmpty());
    EXPECT_TRUE(run.Err.contains(reason)) << language << ": " << run.Err.toStdString();
    EXPECT_FALSE(run.Err.contains(QStringLiteral("Unable to open this video file.")))
        << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(picture));
  }
  // English stays English.
  const TRun english = RunCli(dir, {QStringLiteral("frame"), missing, QStringLiteral("0"), picture},
                              QStringLiteral("en"));
  EXPECT_EQ(english.Status, 1);
  EXPECT_TRUE(english.Err.contains(QStringLiteral("Unable to open this video file.")))
      << english.Err.toStdString();
}

TEST(CliLanguageTest, TheOptionsLanguageComesBeforeTheDesktops) {
  QTemporaryDir dir;
  QFile options(QDir(dir.path()).filePath(QStringLiteral("Kolibra.ini")));
  ASSERT_TRUE(options.open(QIODevice::WriteOnly));
  options.write("[Options]\nLanguage=de\n");
  options.close();
  const TRun run = RunCli(dir, {QStringLiteral("no-such-command")}, QStringLiteral("fr"));
  EXPECT_EQ(run.Status, 1);
  const QString reason = translations_test::Translation(QStringLiteral("de"), "KolibraCliText", "Unknown command: %1");
  ASSERT_FALSE(reason.isEmpty());
  EXPECT_TRUE(run.Err.contains(reason.arg(QStringLiteral("no-such-command"))))
      << run.Err.toStdString();
}

// The formats scripts read are the same in every language.
TEST(CliLanguageTest, StandardOutputIsTheSameInEveryLanguage) {
  QTemporaryDir dir;
  const QStringList eval{QStringLiteral("eval"), QStringLiteral("2*sin(pi/6)+1.5")};
  const QStringList usage{QStringLiteral("--version")};
  for (const QStringList &arguments : {eval, usage}) {
    const TRun english = RunCli(dir, arguments, QStringLiteral("en"));
    ASSERT_EQ(english.Status, 0) << english.Err.toStdString();
    for (const char *language : {"fr", "de", "es"}) {
      const TRun other = RunCli(dir, arguments, QLatin1String(language));
      EXPECT_EQ(other.Status, 0);
      EXPECT_EQ(other.Out, english.Out) << language;
    }
  }
}

}  // namespace kolibra::cli_language_test
