// The workbooks read back from their files, cell by cell, against the text form of the same
// datasheet: the same texts in rows 0 to 3, the same numbers below, an empty cell wherever the
// text form has an empty cell; the sheet "Info"; the OpenDocument package's first entry; the
// cell rule's refusals (texts that are no number, non-finite values); the failures.

#include "export/ExportFiles.h"
#include "export/WorkbookWriters.h"
#include "export/support/ExportFixture.h"
#include "export/support/SheetReader.h"
#include "kit/Locale.h"

#include <QFile>

#include <cmath>

namespace kolibra::exporting::testing {

namespace {

enum class TFormat { Xlsx, Ods };

std::vector<TReadSheet> ReadBack(TFormat format, const QString &fileName) {
  return format == TFormat::Xlsx ? ReadXlsx(fileName) : ReadOds(fileName);
}

// Compares the results sheet with the text form: line 3 + r - 1 holds the texts of row r
// (1 to 3), line 6 + m the values of row 4 + m.
void ExpectSheetMatchesText(const TReadSheet &sheet, const QStringList &lines, int columns) {
  for (int r = 1; r < WorkbookTextRows; ++r) {
    const QStringList cells = lines[2 + r].split(QLatin1Char('\t'));
    ASSERT_EQ(cells.size(), columns);
    for (int c = 0; c < columns; ++c) {
      EXPECT_EQ(sheet.At(r, c).Kind, TReadCell::rcText) << r << "," << c;
      EXPECT_EQ(sheet.At(r, c).Text, cells[c]) << r << "," << c;
    }
  }
  int empties = 0;
  for (int line = 6; line < lines.size(); ++line) {
    const int r = line - 6 + WorkbookTextRows;
    const QStringList cells = lines[line].split(QLatin1Char('\t'));
    ASSERT_EQ(cells.size(), columns);
    for (int c = 0; c < columns; ++c) {
      const TReadCell cell = sheet.At(r, c);
      if (cells[c].isEmpty()) {
        ++empties;
        EXPECT_EQ(cell.Kind, TReadCell::rcEmpty) << r << "," << c;
        continue;
      }
      double expected = 0.0;
      ASSERT_TRUE(TextToReal(cells[c], expected)) << cells[c].toStdString();
      EXPECT_EQ(cell.Kind, TReadCell::rcNumber) << r << "," << c;
      EXPECT_EQ(cell.Value, expected) << r << "," << c << " " << cells[c].toStdString();
    }
  }
  EXPECT_GT(empties, 0);  // the datasheet has cells without value
  EXPECT_EQ(sheet.RowCount(), WorkbookTextRows + int(lines.size()) - 6);
}

class WorkbookTest : public ExportFixture {
 protected:
  void SetUp() override { MarkTwoObjects(); }

  // A transfer through the server; the file it opened.
  QString Transfer(TFormat format) {
    const TMatriceStr matrix = grids.Matrix();
    const bool done = format == TFormat::Xlsx ? serveur.ExportToExcel(matrix, Info())
                                              : serveur.ExportToOpenOffice(matrix, Info());
    EXPECT_TRUE(done);
    if (!desktop.Started.empty()) return desktop.Started.back().Arguments.constLast();
    return desktop.Opened.value(desktop.Opened.size() - 1);
  }
};

TEST_F(WorkbookTest, BothWorkbooksHoldTheTextFormCellByCell) {
  data.SetTypedXAxisAngle(0.25);
  ASSERT_TRUE(ComputeAll(0));
  QStringList lines;
  const int columns = grids.FillText(lines, QString(), Now);
  ASSERT_EQ(columns, 23);
  for (TFormat format : {TFormat::Xlsx, TFormat::Ods}) {
    SCOPED_TRACE(format == TFormat::Xlsx ? "xlsx" : "ods");
    const QString fileName = Transfer(format);
    // A new file of the temporary folder under the proposed name, opened once written.
    EXPECT_EQ(QFileInfo(fileName).absolutePath(), QFileInfo(TempFolder()).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(fileName).fileName().startsWith(QLatin1String("Proposed_")));
    const std::vector<TReadSheet> sheets = ReadBack(format, fileName);
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].Name, QStringLiteral("Kolibra"));
    EXPECT_EQ(sheets[1].Name, QStringLiteral("Info"));
    // Row 0: the sentence and the angle, both texts.
    EXPECT_EQ(sheets[0].At(0, 0).Text, QStringLiteral("Grid rotation in the trigonometric direction (rad) : "));
    EXPECT_EQ(sheets[0].At(0, 1).Kind, TReadCell::rcText);
    EXPECT_EQ(sheets[0].At(0, 1).Text, QStringLiteral("0.25"));
    EXPECT_EQ(sheets[0].At(0, 2).Kind, TReadCell::rcEmpty);
    ExpectSheetMatchesText(sheets[0], lines, columns);
  }
  EXPECT_EQ(boxes.Count(), 0);
}

TEST_F(WorkbookTest, TheInfoSheetSaysWhereTheNumbersCameFrom) {
  for (TFormat format : {TFormat::Xlsx, TFormat::Ods}) {
    const std::vector<TReadSheet> sheets = ReadBack(format, Transfer(format));
    ASSERT_EQ(sheets.size(), 2u);
    const TReadSheet &info = sheets[1];
    const struct {
      int Row;
      const char *Label;
      double Value;
      const char *Unit;
    } numbers[] = {{1, "Frame interval", 0.04, "s"}, {2, "Scale", 0.001, "m/pixel"}, {3, "Axes angle", 0.0, "rad"}};
    EXPECT_EQ(info.At(0, 0).Text, QStringLiteral("Video file"));
    EXPECT_EQ(info.At(0, 1).Text, QStringLiteral("/home/pupil/videos/ball.avi"));
    for (const auto &n : numbers) {
      EXPECT_EQ(info.At(n.Row, 0).Text, QString::fromUtf8(n.Label));
      EXPECT_EQ(info.At(n.Row, 1).Kind, TReadCell::rcNumber) << n.Label;
      EXPECT_DOUBLE_EQ(info.At(n.Row, 1).Value, n.Value) << n.Label;
      EXPECT_EQ(info.At(n.Row, 2).Text, QString::fromUtf8(n.Unit));
    }
    EXPECT_EQ(info.At(4, 0).Text, QStringLiteral("Date"));
    EXPECT_EQ(info.At(4, 1).Text, QStringLiteral("2024-03-05 14:07:09"));
  }
}

TEST_F(WorkbookTest, TheScaleOfTheDocumentReachesTheInfo) {
  const TExportInfo info = ExportInfoOf(data, view, QStringLiteral("v.avi"), Now);
  EXPECT_EQ(info.VideoFileName, QStringLiteral("v.avi"));
  EXPECT_DOUBLE_EQ(info.FrameInterval, 0.04);
  EXPECT_DOUBLE_EQ(info.ScaleX, 0.001);
  EXPECT_DOUBLE_EQ(info.ScaleY, 0.001);
  EXPECT_EQ(info.Date, Now);
}

// The OpenDocument package: "mimetype" first, stored, without extra field, so that programs
// recognise the format by its first bytes; then the manifest and the content.
TEST_F(WorkbookTest, TheOpenDocumentPackage) {
  const std::vector<TZipEntry> entries = ReadZip(Transfer(TFormat::Ods));
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].Name, QStringLiteral("mimetype"));
  EXPECT_EQ(entries[0].Method, 0);
  EXPECT_EQ(entries[0].ExtraFieldSize, 0);
  EXPECT_EQ(entries[0].Data, QByteArray("application/vnd.oasis.opendocument.spreadsheet"));
  EXPECT_EQ(entries[1].Name, QStringLiteral("META-INF/manifest.xml"));
  EXPECT_TRUE(entries[1].Data.contains("manifest:full-path=\"content.xml\""));
  EXPECT_EQ(entries[2].Name, QStringLiteral("content.xml"));
}

// A number keeps the user's text beside its value in C notation.
TEST_F(WorkbookTest, OpenDocumentCellsKeepTheUsersText) {
  ScopedDecimalSeparator comma(QLatin1Char(','));
  const std::vector<TReadSheet> sheets = ReadBack(TFormat::Ods, Transfer(TFormat::Ods));
  ASSERT_FALSE(sheets.empty());
  const TReadCell time = sheets[0].At(5, 0);
  EXPECT_EQ(time.Kind, TReadCell::rcNumber);
  EXPECT_EQ(time.Value, 0.04);
  EXPECT_EQ(time.Text, QStringLiteral("0,04"));
  EXPECT_TRUE(ZipEntryData(desktop.Opened.constLast(), QStringLiteral("content.xml"))
                  .contains("office:value=\"0.04\""));
}

// Texts that are no number and values no spreadsheet holds leave their cell empty in both
// workbooks (the OpenOffice transfer used to stop at the first such text, and "NAN" or "INF"
// used to come back as numbers); rows 0 to 3 are never converted.
TEST_F(WorkbookTest, CellsThatHoldNoUsableNumberAreEmpty) {
  const struct {
    const char *Text;
    int Row;
    TWorkbookCell::TKind Kind;
    double Value;
  } cases[] = {
      {"1.5", 4, TWorkbookCell::ckNumber, 1.5},    {"1,5", 4, TWorkbookCell::ckNumber, 1.5},
      {"-2E-7", 4, TWorkbookCell::ckNumber, -2e-7}, {"", 4, TWorkbookCell::ckEmpty, 0},
      {"#Number!", 4, TWorkbookCell::ckEmpty, 0},   {"abc", 4, TWorkbookCell::ckEmpty, 0},
      {"NAN", 4, TWorkbookCell::ckEmpty, 0},        {"INF", 4, TWorkbookCell::ckEmpty, 0},
      {"-INF", 4, TWorkbookCell::ckEmpty, 0},       {"1E999", 4, TWorkbookCell::ckEmpty, 0},
      {"1.5", 3, TWorkbookCell::ckText, 0},         {"#Number!", 2, TWorkbookCell::ckText, 0},
      {"", 1, TWorkbookCell::ckEmpty, 0},
  };
  for (const auto &c : cases) {
    const TWorkbookCell cell = MatrixCell(QString::fromUtf8(c.Text), c.Row);
    EXPECT_EQ(cell.Kind, c.Kind) << c.Text << " row " << c.Row;
    if (c.Kind == TWorkbookCell::ckNumber) {
      EXPECT_EQ(cell.Value, c.Value) << c.Text;
    }
  }

  const TMatriceStr matrix = {{"", ""}, {"t", "k"}, {"s", "no unit"}, {"time", "a formula"},
                              {"0", "abc"}, {"0.04", "NAN"}, {"0.08", "INF"}, {"0.12", "#Number!"}, {"0.16", "2"}};
  for (TFormat format : {TFormat::Xlsx, TFormat::Ods}) {
    SCOPED_TRACE(format == TFormat::Xlsx ? "xlsx" : "ods");
    const bool done = format == TFormat::Xlsx ? serveur.ExportToExcel(matrix, Info())
                                              : serveur.ExportToOpenOffice(matrix, Info());
    ASSERT_TRUE(done);
    const std::vector<TReadSheet> sheets = ReadBack(format, desktop.Opened.constLast());
    ASSERT_FALSE(sheets.empty());
    for (int r = 4; r <= 7; ++r) EXPECT_EQ(sheets[0].At(r, 1).Kind, TReadCell::rcEmpty) << r;
    EXPECT_EQ(sheets[0].At(8, 1).Value, 2.0);
    EXPECT_EQ(sheets[0].At(7, 0).Value, 0.12);
  }
  EXPECT_EQ(boxes.Count(), 0);
}

TEST_F(WorkbookTest, OpenOfficeGoesToCalcWhenInstalled) {
  const struct {
    QStringList Installed;
    QString Program;
    QStringList Switches;
  } cases[] = {
      {{"localc", "soffice"}, "/usr/bin/localc", {}},
      {{"libreoffice", "soffice"}, "/usr/bin/libreoffice", {"--calc"}},
      {{"soffice"}, "/usr/bin/soffice", {"--calc"}},
  };
  for (const auto &c : cases) {
    desktop.Installed = c.Installed;
    desktop.Started.clear();
    ASSERT_TRUE(serveur.ExportToOpenOffice(grids.Matrix(), Info()));
    ASSERT_EQ(desktop.Started.size(), 1u);
    EXPECT_EQ(desktop.Started[0].Program, c.Program);
    EXPECT_EQ(desktop.Started[0].Arguments.mid(0, c.Switches.size()), c.Switches);
    EXPECT_TRUE(desktop.Started[0].Arguments.constLast().endsWith(QLatin1String(".ods")));
  }
  // Without Calc, the default program.
  desktop.Installed.clear();
  desktop.Started.clear();
  ASSERT_TRUE(serveur.ExportToOpenOffice(grids.Matrix(), Info()));
  EXPECT_TRUE(desktop.Started.empty());
  EXPECT_TRUE(desktop.Opened.constLast().endsWith(QLatin1String(".ods")));
}

TEST_F(WorkbookTest, ExcelGoesToTheDesktopsProgramThenToCalc) {
  desktop.Installed = QStringList{QStringLiteral("libreoffice")};
  ASSERT_TRUE(serveur.ExportToExcel(grids.Matrix(), Info()));
  EXPECT_TRUE(desktop.Opened.constLast().endsWith(QLatin1String(".xlsx")));
  EXPECT_TRUE(desktop.Started.empty());
  EXPECT_EQ(boxes.Count(), 0);
  // No program for workbooks on the desktop: LibreOffice on the PATH.
  desktop.CanOpen = false;
  ASSERT_TRUE(serveur.ExportToExcel(grids.Matrix(), Info()));
  ASSERT_EQ(desktop.Started.size(), 1u);
  EXPECT_EQ(desktop.Started[0].Program, QStringLiteral("/usr/bin/libreoffice"));
  EXPECT_TRUE(desktop.Started[0].Arguments.constLast().endsWith(QLatin1String(".xlsx")));
  EXPECT_EQ(boxes.Count(), 0);
}

// The workbook is written but no program can show it: a success, with one information box
// naming the file and what to install, worded alike for both commands.
TEST_F(WorkbookTest, AWrittenWorkbookNoProgramShowsIsReportedAsWritten) {
  desktop.CanOpen = false;
  ASSERT_TRUE(serveur.ExportToExcel(grids.Matrix(), Info()));
  const QString xlsx = desktop.Opened.constLast();
  EXPECT_TRUE(QFileInfo::exists(xlsx));
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Icon, icInformation);
  EXPECT_EQ(boxes.Last().Lines[0].Text, QStringLiteral("The workbook is written in this file:"));
  EXPECT_EQ(boxes.Last().Lines[1].Text, QDir::toNativeSeparators(xlsx));
  EXPECT_EQ(boxes.Last().Lines[1].Color, colors::clBlue);
  EXPECT_TRUE(boxes.Last().Lines.back().Text.contains(QStringLiteral("LibreOffice")));
  const QString excelAdvice = boxes.Last().Lines.back().Text;

  ASSERT_TRUE(serveur.ExportToOpenOffice(grids.Matrix(), Info()));
  const QString ods = desktop.Opened.constLast();
  EXPECT_TRUE(ods.endsWith(QLatin1String(".ods")) && QFileInfo::exists(ods));
  ASSERT_EQ(boxes.Count(), 2);
  EXPECT_EQ(boxes.Last().Icon, icInformation);
  EXPECT_EQ(boxes.Last().Lines[1].Text, QDir::toNativeSeparators(ods));
  EXPECT_EQ(boxes.Last().Lines.back().Text, excelAdvice);
}

TEST_F(WorkbookTest, FailuresNameTheFile) {
  // The temporary folder is gone: nothing written, nothing opened.
  desktop.Opened.clear();
  ASSERT_TRUE(QDir(TempFolder()).removeRecursively());
  EXPECT_FALSE(serveur.ExportToExcel(grids.Matrix(), Info()));
  EXPECT_EQ(boxes.Last().Lines[0].Text, QStringLiteral("An error occurred while processing the connection with Excel."));
  EXPECT_EQ(boxes.Last().Lines.back().Color, colors::clBlue);
  EXPECT_FALSE(serveur.ExportToOpenOffice(grids.Matrix(), Info()));
  EXPECT_EQ(boxes.Last().Lines[0].Text,
            QStringLiteral("An error occurred while processing the connection with OpenOffice."));
  EXPECT_TRUE(desktop.Opened.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(TempFolder()));
}

TEST_F(WorkbookTest, TheWritersNeverTouchAnExistingFile) {
  const QString existing = dir.filePath(QStringLiteral("mine.xlsx"));
  {
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("mine");
  }
  QString error;
  const TWorkbook workbook = ResultsWorkbook(grids.Matrix(), Info());
  EXPECT_FALSE(WriteXlsx(existing, workbook, error));
  EXPECT_FALSE(WriteOds(existing, workbook, error));
  QFile file(existing);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("mine"));
}

}  // namespace

}  // namespace kolibra::exporting::testing
