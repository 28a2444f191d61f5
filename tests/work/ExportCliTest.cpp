// kolibra-cli export as scripts run it, on a work file of the sample video "Parabole" marked
// where the ball truly is: the text file's bytes and its numbers against the positions that
// drew the video, and both workbooks read back cell by cell against that text, in a French
// locale (numbers still with ".").

#include "editing/ParaboleCli.h"
#include "export/support/SheetReader.h"

#include <QFile>
#include <QLocale>

namespace kolibra::work::export_cli_test {

namespace {

using editing::testing::ParaboleTruth;
using kolibra::testing::TProgramRun;
using namespace exporting::testing;

using ExportCliTest = editing::testing::ParaboleCliTest;

double Number(const QString &text) {
  bool ok = false;
  const double value = QLocale::c().toDouble(text, &ok);
  EXPECT_TRUE(ok) << text.toStdString();
  return value;
}

TEST_F(ExportCliTest, TheThreeFilesHoldTheMeasurement) {
  TProgramRun run = Run({QStringLiteral("export"), File("throw.klb"), File("out.txt")});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Err.isEmpty() && run.Out.isEmpty()) << run.Err.toStdString();
  QFile text(File("out.txt"));
  ASSERT_TRUE(text.open(QIODevice::ReadOnly));
  const QByteArray bytes = text.readAll();
  // UTF-8 ("²" as two bytes), CR LF after every line, no bare LF.
  EXPECT_TRUE(bytes.contains("m/s\xC2\xB2"));
  EXPECT_TRUE(bytes.endsWith("\r\n"));
  EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));
  QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
  lines.removeLast();
  const std::vector<editing::testing::TTruePosition> truth = ParaboleTruth();
  ASSERT_EQ(lines.size(), 6 + int(truth.size()));
  EXPECT_TRUE(lines[0].endsWith(QStringLiteral("kolibra-cli")));
  const QStringList symbols = lines[3].split(QLatin1Char('\t'));
  ASSERT_GE(symbols.size(), 3);
  EXPECT_EQ(symbols.mid(0, 3), (QStringList{QStringLiteral("t"), QStringLiteral("x"), QStringLiteral("y")}));
  const int columns = int(symbols.size());
  for (size_t k = 0; k < truth.size(); ++k) {
    const QString &line = lines[6 + int(k)];
    EXPECT_FALSE(line.endsWith(QLatin1Char('\t')));
    EXPECT_FALSE(line.contains(QLatin1Char(','))) << "a point, whatever the locale";
    const QStringList cells = line.split(QLatin1Char('\t'));
    ASSERT_EQ(cells.size(), columns);
    EXPECT_NEAR(Number(cells[0]), truth[k].T, 1e-12);
    EXPECT_NEAR(Number(cells[1]), truth[k].XMetres, 1e-9);
    EXPECT_NEAR(Number(cells[2]), truth[k].YMetres, 1e-9);
  }

  for (const char *name : {"out.xlsx", "out.ods"}) {
    SCOPED_TRACE(name);
    run = Run({QStringLiteral("export"), File("throw.klb"), File(name)});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const std::vector<TReadSheet> sheets =
        QString::fromLatin1(name).endsWith(QLatin1String("xlsx")) ? ReadXlsx(File(name)) : ReadOds(File(name));
    ASSERT_EQ(sheets.size(), 2u);
    const TReadSheet &sheet = sheets[0];
    EXPECT_EQ(sheet.Name, QStringLiteral("Kolibra"));
    // Rows 1 to 3: symbols, units and names as texts; then one row of numbers per sample,
    // empty where the text is.
    for (int r = 1; r < 4; ++r) {
      const QStringList cells = lines[2 + r].split(QLatin1Char('\t'));
      for (int c = 0; c < columns; ++c) {
        EXPECT_EQ(sheet.At(r, c).Kind, TReadCell::rcText) << r << "," << c;
        EXPECT_EQ(sheet.At(r, c).Text, cells[c]) << r << "," << c;
      }
    }
    for (int line = 6; line < lines.size(); ++line) {
      const QStringList cells = lines[line].split(QLatin1Char('\t'));
      const int r = line - 6 + 4;
      for (int c = 0; c < columns; ++c) {
        const TReadCell cell = sheet.At(r, c);
        if (cells[c].isEmpty()) {
          EXPECT_EQ(cell.Kind, TReadCell::rcEmpty) << r << "," << c;
        } else {
          EXPECT_EQ(cell.Kind, TReadCell::rcNumber) << r << "," << c;
          EXPECT_EQ(cell.Value, Number(cells[c])) << r << "," << c;
        }
      }
    }
    EXPECT_EQ(sheet.RowCount(), 4 + int(truth.size()));
    EXPECT_EQ(sheets[1].Name, QStringLiteral("Info"));
    EXPECT_TRUE(sheets[1].At(0, 1).Text.endsWith(QStringLiteral("Parabole.avi"))) << sheets[1].At(0, 1).Text.toStdString();
  }
}

TEST_F(ExportCliTest, BadInputIsRefusedWithAReason) {
  struct TCase {
    QStringList Arguments;
    const char *Err;
  };
  const TCase cases[] = {
      {{QStringLiteral("export"), File("throw.klb")}, "Usage: kolibra-cli export WORK.klb OUT.txt|OUT.csv|OUT.json|OUT.ipynb|OUT.xlsx|OUT.ods"},
      {{QStringLiteral("export"), File("throw.klb"), File("out.pdf")}, "must end with .txt, .csv, .json, .ipynb, .xlsx or .ods"},
      {{QStringLiteral("export"), File("none.klb"), File("out.txt")}, "Unable to open this work file."},
      {{QStringLiteral("export"), File("throw.klb"), File("no/such/folder/out.ods")}, "out.ods"},
  };
  for (const TCase &c : cases) {
    const TProgramRun run = Run(c.Arguments);
    EXPECT_EQ(run.Status, 1) << c.Arguments.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Err))) << run.Err.toStdString();
  }
  EXPECT_FALSE(QFile::exists(File("out.csv")));
  EXPECT_FALSE(QFile::exists(File("out.txt")));
}

}  // namespace

}  // namespace kolibra::work::export_cli_test
