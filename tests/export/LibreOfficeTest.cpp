// When LibreOffice is installed, it reads both workbooks: converted to CSV by soffice, each
// must give back the text form's cells (numbers compared as numbers, since Calc writes them
// its own way). Skipped where soffice is missing.

#include "export/support/ExportFixture.h"
#include "kit/Locale.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace kolibra::exporting::testing {

namespace {

class LibreOfficeTest : public ExportFixture {};

QStringList ConvertToCsv(const QString &soffice, const QString &fileName, const QString &outFolder) {
  QProcess process;
  // Separator 9 (tab), UTF-8 (76), no text quotes.
  process.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                          QStringLiteral("csv:Text - txt - csv (StarCalc):9,,76,1"), QStringLiteral("--outdir"),
                          outFolder, fileName});
  if (!process.waitForFinished(120000)) return {};
  QFile csv(QDir(outFolder).filePath(QFileInfo(fileName).completeBaseName() + QStringLiteral(".csv")));
  if (!csv.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(csv.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

TEST_F(LibreOfficeTest, CalcReadsBothWorkbooksAsTheTextForm) {
  const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (soffice.isEmpty()) GTEST_SKIP() << "soffice is not installed";
  MarkTwoObjects();
  QStringList lines;
  grids.FillText(lines, QString(), Now);
  const QString out = dir.filePath(QStringLiteral("csv"));
  ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("csv")));
  ASSERT_TRUE(serveur.ExportToExcel(grids.Matrix(), Info()));
  ASSERT_TRUE(serveur.ExportToOpenOffice(grids.Matrix(), Info()));
  for (const QString &workbook : desktop.Opened) {
    SCOPED_TRACE(workbook.toStdString());
    QStringList rows = ConvertToCsv(soffice, workbook, out);
    ASSERT_EQ(rows.size(), lines.size() - 2);
    for (int line = 3; line < lines.size(); ++line) {
      const QStringList expected = lines[line].split(QLatin1Char('\t'));
      const QStringList got = rows[line - 2].trimmed().split(QLatin1Char('\t'));
      for (int c = 0; c < expected.size(); ++c) {
        if (line < 6 || expected[c].isEmpty()) {
          EXPECT_EQ(got.value(c), expected[c]) << line << "," << c;
          continue;
        }
        double want = 0.0, have = 0.0;
        ASSERT_TRUE(TextToReal(expected[c], want));
        ASSERT_TRUE(TextToReal(got.value(c), have)) << got.value(c).toStdString();
        EXPECT_NEAR(have, want, 1e-6 * std::max(1.0, std::abs(want))) << line << "," << c;
      }
    }
  }
}

}  // namespace

}  // namespace kolibra::exporting::testing
