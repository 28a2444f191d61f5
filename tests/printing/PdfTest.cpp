// The page as a PDF, read back with poppler's tools: an A4 page in the layout's
// orientation, the title once (twice with "Double", as header and footer), the graph once
// (twice with "Double"); the same through the print job kolibra-cli runs, and from the copy
// the print window keeps of a graph.

#include "printing/DrawPage.h"
#include "printing/GraphSnapshot.h"
#include "printing/PdfProbe.h"
#include "printing/PrintJob.h"
#include "printing/StandInGraph.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolibra::printing::testing {

namespace {

class PdfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!PopplerPresent()) GTEST_SKIP() << "poppler-utils are not installed";
    ASSERT_TRUE(layout.SetGraphic(Graph(800, 600), QSize(1000, 700)));
    layout.SetTitle(QStringLiteral("Falling ball"), QStringLiteral("Arial"), 30);
  }

  TPdfProbe Save() {
    const QString file = dir.filePath(QStringLiteral("page.pdf"));
    EXPECT_TRUE(SavePagePdf(layout, file, QStringLiteral("Falling ball")));
    return ProbePdf(file);
  }

  QTemporaryDir dir;
  TPrintLayout layout;
};

TEST_F(PdfTest, OneA4PageWithTheTitleOnce) {
  const TPdfProbe pdf = Save();
  EXPECT_EQ(pdf.Pages, 1);
  EXPECT_EQ(pdf.PageSize, A4Portrait);
  EXPECT_EQ(pdf.Text.count(QStringLiteral("Falling ball")), 1);
  EXPECT_EQ(pdf.Text.count(QStringLiteral("GRAPH")), 1);
}

TEST_F(PdfTest, DoublePrintsTheTitleAndTheGraphTwice) {
  layout.SetDouble(true);
  const TPdfProbe pdf = Save();
  EXPECT_EQ(pdf.PageSize, A4Portrait);
  EXPECT_EQ(pdf.Text.count(QStringLiteral("Falling ball")), 2);
  EXPECT_EQ(pdf.Text.count(QStringLiteral("GRAPH")), 2);
}

TEST_F(PdfTest, FullPageIsLandscape) {
  layout.ApplyFullPage();
  const TPdfProbe pdf = Save();
  EXPECT_EQ(pdf.PageSize, A4Landscape);
  EXPECT_EQ(pdf.Text.count(QStringLiteral("Falling ball")), 1);
}

// The print job of kolibra-cli: each request's page size and how often title and graph show.
TEST_F(PdfTest, ThePrintJobLaysOutEachRequest) {
  struct TCase {
    TPrintTemplate Template;
    bool Double;
    QString Size;
    int Copies;
  };
  const TCase cases[] = {
      {TPrintTemplate::TopCentered, false, A4Portrait, 1},
      {TPrintTemplate::FullPage, false, A4Landscape, 1},
      {TPrintTemplate::TopCentered, true, A4Portrait, 2},
      // "Double" applies "Top centered" itself, as its check box does.
      {TPrintTemplate::FullPage, true, A4Portrait, 2},
  };
  for (const TCase &c : cases) {
    TPrintRequest request;
    request.Template = c.Template;
    request.Double = c.Double;
    request.Title = QStringLiteral("Été 2024 — chute");
    const QString file = dir.filePath(QStringLiteral("job.pdf"));
    QString error;
    ASSERT_TRUE(PrintGraphToPdf(Graph(640, 480), request, file, error)) << error.toStdString();
    const TPdfProbe pdf = ProbePdf(file);
    EXPECT_EQ(pdf.PageSize, c.Size);
    EXPECT_EQ(pdf.Text.count(request.Title), c.Copies) << pdf.Text.toStdString();
    EXPECT_EQ(pdf.Text.count(QStringLiteral("GRAPH")), c.Copies);
  }
}

TEST_F(PdfTest, ThePrintJobRefusesAnEmptyGraphAndAnUnwritableFile) {
  QString error;
  const QString file = dir.filePath(QStringLiteral("empty.pdf"));
  EXPECT_FALSE(PrintGraphToPdf(Graph(0, 480), {}, file, error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(QFile::exists(file));
  error.clear();
  EXPECT_FALSE(PrintGraphToPdf(Graph(640, 480), {}, dir.filePath(QStringLiteral("nowhere/job.pdf")), error));
  EXPECT_TRUE(error.contains(QStringLiteral("job.pdf")));
}

// The window keeps a copy: the graph it was given may be gone when the page is printed.
TEST_F(PdfTest, TheCopyOfAGraphOutlivesItAndDrawsTheSame) {
  const QString file = dir.filePath(QStringLiteral("page.pdf"));
  ASSERT_TRUE(SavePagePdf(layout, file, QString()));
  const QRectF direct = WordBox(file, QStringLiteral("GRAPH"));
  ASSERT_FALSE(direct.isEmpty());
  std::shared_ptr<const IGraphDrawing> copy;
  {
    TStandInGraph graph(QSize(800, 600));
    copy = SnapshotOf(graph);
  }
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->PixelSize(), QSize(800, 600));
  ASSERT_TRUE(layout.SetGraphic(copy, QSize(1000, 700)));
  const TPdfProbe pdf = Save();
  EXPECT_EQ(pdf.Text.count(QStringLiteral("GRAPH")), 1);
  // At the same place and size on the page (a picture replayed on a PDF of another
  // resolution used to come out many times too large).
  const QRectF copied = WordBox(file, QStringLiteral("GRAPH"));
  EXPECT_NEAR(copied.left(), direct.left(), 1.0);
  EXPECT_NEAR(copied.top(), direct.top(), 1.0);
  EXPECT_NEAR(copied.width(), direct.width(), 1.0);
  EXPECT_NEAR(copied.height(), direct.height(), 1.0);

  TStandInGraph empty(QSize(0, 600));
  EXPECT_EQ(SnapshotOf(empty), nullptr);
}

}  // namespace

}  // namespace kolibra::printing::testing
