// The page as a PDF, read back with poppler's tools: an A4 page in the layout's
// orientation, the title once (twice with "Double", as header and footer), the graph once
// (twice with "Double").

#include "printing/DrawPage.h"
#include "printing/StandInGraph.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolibra::printing::testing {

namespace {

QString RunTool(const QString &program, const QStringList &arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000)) return QString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

class PdfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      GTEST_SKIP() << "poppler-utils are not installed";
    ASSERT_TRUE(layout.SetGraphic(Graph(800, 600), QSize(1000, 700)));
    layout.SetTitle(QStringLiteral("Falling ball"), QStringLiteral("Arial"), 30);
  }

  // The PDF's page size line and its text.
  void Save(QString &pageSize, QString &text) {
    const QString file = dir.filePath(QStringLiteral("page.pdf"));
    ASSERT_TRUE(SavePagePdf(layout, file, QStringLiteral("Falling ball")));
    const QStringList info = RunTool(QStringLiteral("pdfinfo"), {file}).split(QLatin1Char('\n'));
    for (const QString &line : info)
      if (line.startsWith(QLatin1String("Page size:"))) pageSize = line.mid(10).trimmed();
    EXPECT_TRUE(info.contains(QStringLiteral("Pages:           1")));
    text = RunTool(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
  }

  QTemporaryDir dir;
  TPrintLayout layout;
};

TEST_F(PdfTest, OneA4PageWithTheTitleOnce) {
  QString size, text;
  Save(size, text);
  EXPECT_EQ(size, QStringLiteral("595 x 842 pts (A4)"));
  EXPECT_EQ(text.count(QStringLiteral("Falling ball")), 1);
  EXPECT_EQ(text.count(QStringLiteral("GRAPH")), 1);
}

TEST_F(PdfTest, DoublePrintsTheTitleAndTheGraphTwice) {
  layout.SetDouble(true);
  QString size, text;
  Save(size, text);
  EXPECT_EQ(size, QStringLiteral("595 x 842 pts (A4)"));
  EXPECT_EQ(text.count(QStringLiteral("Falling ball")), 2);
  EXPECT_EQ(text.count(QStringLiteral("GRAPH")), 2);
}

TEST_F(PdfTest, FullPageIsLandscape) {
  layout.ApplyFullPage();
  QString size, text;
  Save(size, text);
  EXPECT_EQ(size, QStringLiteral("842 x 595 pts (A4)"));
  EXPECT_EQ(text.count(QStringLiteral("Falling ball")), 1);
}

}  // namespace

}  // namespace kolibra::printing::testing
