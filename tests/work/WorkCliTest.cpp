// kolibra-cli results and resave as scripts run them: the real program in a French locale
// (numbers must still be written with "."), its exit status and its two streams.

#include "editing/ParaboleWork.h"
#include "support/RunProgram.h"

#include "kit/Locale.h"

#include <QFile>
#include <QRegularExpression>

namespace kolibra::work::work_cli_test {

using TRun = kolibra::testing::TProgramRun;

class WorkCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (editing::testing::ParaboleTruth().empty()) GTEST_SKIP() << "the sample videos are made at build time";
    editing::testing::THeadlessParabole work(dir.path());
    ASSERT_TRUE(work.MarkTrajectory(editing::testing::CopyParabole(dir.path())));
    work.Data.SetSystemName(0, QStringLiteral("of the ball"));
    ASSERT_EQ(SaveWork(work.Context(), File("throw.klb")), wsOk);
  }
  QString File(const char *name) const { return dir.filePath(QLatin1String(name)); }

  TRun Run(const QStringList &arguments, const QString &locale = QStringLiteral("fr_FR.UTF-8"),
           const QString &language = QStringLiteral("en")) const {
    return kolibra::testing::RunProgram(QStringLiteral(KOLIBRA_TEST_CLI), arguments,
                                        [&](QProcessEnvironment &environment) {
                                          environment.insert(QStringLiteral("LC_ALL"), locale);
                                          environment.insert(QStringLiteral("LANGUAGE"), language);
                                          environment.insert(QStringLiteral("KOLIBRA_CONFIG_DIR"), dir.path());
                                          environment.insert(QStringLiteral("KOLIBRA_KLBDLL_DIR"),
                                                             QStringLiteral(KOLIBRA_TEST_KLBDLL_DIR));
                                        });
  }

  QTemporaryDir dir;
};

// Scripts read the datasheet and the exported files: their texts are English in any language,
// only the reasons on standard error are translated.
TEST_F(WorkCliTest, ResultsAndExportsReadTheSameInEveryLanguage) {
  const auto withoutDate = [](QString text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1) lines.removeAt(1);  // the date and time of the run
    return lines.join(QLatin1Char('\n'));
  };
  const auto exported = [&](const QString &language) {
    const QString file = File("data.csv");
    QFile::remove(file);
    const TRun run = Run({QStringLiteral("export"), File("throw.klb"), file},
                         QStringLiteral("fr_FR.UTF-8"), language);
    QFile csv(file);
    return run.Status == 0 && csv.open(QIODevice::ReadOnly) ? csv.readAll() : QByteArray("failed");
  };
  const QByteArray englishCsv = exported(QStringLiteral("en"));
  for (const char *format : {"tsv", "csv", "json"}) {
    const QStringList arguments{QStringLiteral("results"), File("throw.klb"),
                                QStringLiteral("--format"), QLatin1String(format)};
    const TRun english = Run(arguments);
    ASSERT_EQ(english.Status, 0) << english.Err.toStdString();
    for (const char *language : {"fr", "de", "es"}) {
      const TRun other = Run(arguments, QStringLiteral("fr_FR.UTF-8"), QLatin1String(language));
      ASSERT_EQ(other.Status, 0) << other.Err.toStdString();
      if (QLatin1String(format) == QLatin1String("tsv"))
        EXPECT_EQ(withoutDate(other.Out), withoutDate(english.Out)) << format << ' ' << language;
      else
        EXPECT_EQ(other.Out, english.Out) << format << ' ' << language;
    }
  }
  for (const char *language : {"fr", "de", "es"})
    EXPECT_EQ(exported(QLatin1String(language)), englishCsv) << language;
  // While the reasons follow the language.
  const TRun missing = Run({QStringLiteral("results"), File("nowhere.klb")},
                           QStringLiteral("fr_FR.UTF-8"), QStringLiteral("fr"));
  EXPECT_EQ(missing.Status, 1);
  EXPECT_FALSE(missing.Err.isEmpty());
  const TRun missingEnglish = Run({QStringLiteral("results"), File("nowhere.klb")});
  EXPECT_NE(missing.Err, missingEnglish.Err);
}

TEST_F(WorkCliTest, ResultsPrintTheDatasheetWithGOnEverySample) {
  const TRun run = Run({QStringLiteral("results"), File("throw.klb")});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Err.isEmpty()) << run.Err.toStdString();
  const QStringList lines = run.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 6 + 48);
  EXPECT_TRUE(lines[0].endsWith(QStringLiteral("kolibra-cli")));
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{8} \\d{6}$")).match(lines[1]).hasMatch()) << lines[1].toStdString();
  EXPECT_EQ(lines[2], QStringLiteral("Grid rotation in the trigonometric direction : 0 rad"));
  EXPECT_EQ(lines[3], QStringLiteral("t\tx\ty\tvx\tvy\tv\tax\tay\ta\tO\tR\tw"));
  EXPECT_EQ(lines[4], QStringLiteral("s\tm\tm\tm/s\tm/s\tm/s\tm/s²\tm/s²\tm/s²\trad\tm\trad/s"));
  EXPECT_TRUE(lines[5].startsWith(QStringLiteral("time\tAbscissa of the ball\tOrdinates of the ball\t")));
  const std::vector<editing::testing::TTruePosition> truth = editing::testing::ParaboleTruth();
  for (int k = 0; k < 48; ++k) {
    const QStringList cells = lines[6 + k].split(QLatin1Char('\t'));
    ASSERT_EQ(cells.size(), 12) << k;
    EXPECT_FALSE(lines[6 + k].contains(QLatin1Char(','))) << "a point, whatever the locale";
    EXPECT_NEAR(cells[0].toDouble(), truth[size_t(k)].T, 1e-12);
    EXPECT_NEAR(cells[2].toDouble(), truth[size_t(k)].YMetres, 1e-9);
    EXPECT_NEAR(cells[8].toDouble(), 9.81, 9.81 * 0.005) << "acceleration at sample " << k;
  }
}

TEST_F(WorkCliTest, TheLayerHasItsOwnResults) {
  const TRun run = Run({QStringLiteral("results"), File("throw.klb"), QStringLiteral("--layer")});
  EXPECT_EQ(run.Status, 1);
  EXPECT_TRUE(run.Err.contains(QStringLiteral("The calculation unit has detected an error."))) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.isEmpty());
}

TEST_F(WorkCliTest, ResaveWritesTheSameWorkThroughTheWriters) {
  TRun run = Run({QStringLiteral("resave"), File("throw.klb"), File("copy.klb")}, QStringLiteral("C"));
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  QFile a(File("throw.klb")), b(File("copy.klb"));
  ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
  EXPECT_EQ(a.readAll(), b.readAll());
  // Under a comma locale the reals are written with commas, and read back the same.
  run = Run({QStringLiteral("resave"), File("throw.klb"), File("comma.klb")});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  const ScopedDecimalSeparator point(QLatin1Char('.'));
  editing::testing::THeadlessParabole original(dir.path()), comma(dir.path());
  ASSERT_TRUE(original.Load(File("throw.klb")).Loaded);
  ASSERT_TRUE(comma.Load(File("comma.klb")).Loaded);
  TIniFile x = TIniFile::FromText(QString(), QString()), y = TIniFile::FromText(QString(), QString());
  WriteWork(original.Context(), x);
  WriteWork(comma.Context(), y);
  EXPECT_EQ(x.ToText(), y.ToText());
  run = Run({QStringLiteral("resave"), File("throw.klb"), File("no/such/folder/copy.klb")});
  EXPECT_EQ(run.Status, 1);
  EXPECT_TRUE(run.Err.contains(QStringLiteral("Saving has failed."))) << run.Err.toStdString();
}

TEST_F(WorkCliTest, BadInputIsRefusedWithAReason) {
  QFile::remove(File("Parabole.avi"));
  struct Case {
    QStringList Arguments;
    const char *Err;
  };
  const Case cases[] = {
      {{QStringLiteral("results")}, "Usage: kolibra-cli results WORK.klb [--layer] [--format tsv|csv|json] [--mass NAME=KG]..."},
      {{QStringLiteral("results"), File("none.klb")}, "Unable to open this work file."},
      {{QStringLiteral("results"), File("throw.klb")}, "Unable to open this video file. Check that it has not been moved."},
      {{QStringLiteral("results"), File("throw.klb"), QStringLiteral("--frame")}, "Unknown option 'frame'."},
      {{QStringLiteral("resave"), File("throw.klb")}, "Usage: kolibra-cli resave IN.klb OUT.klb"},
  };
  for (const Case &c : cases) {
    const TRun run = Run(c.Arguments);
    EXPECT_EQ(run.Status, 1) << c.Arguments.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Err))) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.isEmpty());
  }
}

}  // namespace kolibra::work::work_cli_test
