// kolibra-cli print as scripts run it, on a work file of the sample video "Parabole": the
// PDF read back with poppler's tools (an A4 page in the template's orientation, the title
// once, twice in "Double"), and bad input refused with a reason and no file.

#include "editing/ParaboleCli.h"
#include "printing/PdfProbe.h"

#include <QFile>

namespace kolibra::work::print_cli_test {

namespace {

using kolibra::testing::TProgramRun;
using namespace printing::testing;

class PrintCliTest : public editing::testing::ParaboleCliTest {
 protected:
  void SetUp() override {
    if (!PopplerPresent()) GTEST_SKIP() << "poppler-utils are not installed";
    ParaboleCliTest::SetUp();
  }
};

// Each view on each template, once and in "Double", from a script without a display.
TEST_F(PrintCliTest, ThePageOfEachRequest) {
  struct TCase {
    const char *View;
    const char *Template;
    bool Double;
    QString Size;
    int Titles;
    const char *Label;  // a text of the view
  };
  const TCase cases[] = {
      {"time", "top", false, A4Portrait, 1, "time (s)"},
      {"trajectory", "full", false, A4Landscape, 1, "Abscissa (m)"},
      {"vectors", "top", true, A4Portrait, 2, "m/s"},
      // "Double" applies "Top centered" itself, as its check box does.
      {"time", "full", true, A4Portrait, 2, "time (s)"},
  };
  const QString title = QStringLiteral("Lancer — été 2024");
  for (const TCase &c : cases) {
    SCOPED_TRACE(std::string(c.View) + " " + c.Template + (c.Double ? " double" : ""));
    const QString pdf = File("page.pdf");
    QStringList arguments{QStringLiteral("print"), File("throw.klb"), pdf, QStringLiteral("--view"),
                          QLatin1String(c.View), QStringLiteral("--template"), QLatin1String(c.Template),
                          QStringLiteral("--title"), title};
    if (c.Double) arguments << QStringLiteral("--double");
    const TProgramRun run = Run(arguments);
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const TPdfProbe probe = ProbePdf(pdf);
    EXPECT_EQ(probe.Pages, 1);
    EXPECT_EQ(probe.PageSize, c.Size);
    EXPECT_EQ(probe.Text.count(title), c.Titles) << probe.Text.toStdString();
    // The view itself, once a copy, below the title and between the side margins (2 cm).
    EXPECT_EQ(probe.Text.count(QLatin1String(c.Label)), c.Titles) << probe.Text.toStdString();
    const QRectF label = WordBox(pdf, QString::fromLatin1(c.Label).section(QLatin1Char(' '), 0, 0));
    const QRectF heading = WordBox(pdf, QStringLiteral("Lancer"));
    const double pageWidth = c.Size == A4Portrait ? 595.0 : 842.0;
    EXPECT_GT(label.top(), heading.bottom());
    EXPECT_GT(label.left(), 56.0);
    EXPECT_LT(label.right(), pageWidth - 56.0);
  }
}

TEST_F(PrintCliTest, BadInputIsRefusedWithAReason) {
  const QString pdf = File("out.pdf");
  struct TCase {
    QStringList Arguments;
    const char *Err;
  };
  const TCase cases[] = {
      {{QStringLiteral("print"), File("throw.klb")}, "Usage: kolibra-cli print WORK.klb OUT.pdf"},
      {{QStringLiteral("print"), File("throw.klb"), pdf, QStringLiteral("--view"), QStringLiteral("speed")},
       "--view must be time, trajectory or vectors: speed"},
      {{QStringLiteral("print"), File("throw.klb"), pdf, QStringLiteral("--template"), QStringLiteral("half")},
       "--template must be top or full: half"},
      {{QStringLiteral("print"), File("throw.klb"), pdf, QStringLiteral("--landscape")}, "Unknown option 'landscape'."},
      {{QStringLiteral("print"), File("none.klb"), pdf}, "Unable to open this work file."},
  };
  for (const TCase &c : cases) {
    const TProgramRun run = Run(c.Arguments);
    EXPECT_EQ(run.Status, 1) << c.Arguments.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Err))) << run.Err.toStdString();
  }
  EXPECT_FALSE(QFile::exists(pdf));
}

}  // namespace

}  // namespace kolibra::work::print_cli_test
