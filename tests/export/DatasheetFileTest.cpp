// The datasheet's export to a file in each format the results window's dialog offers, each
// file read back as a reader of that format would read it and compared with the positions
// the fixture marked (worked out by hand: object 1 at (0.01 k, 0), object 2 at (0.02 k, 0.05)
// but on the third and the last frames, 25 frames a second). Then the comma-separated form's
// own rules: the header row, "." whatever the region, RFC 4180 quoting.

#include "export/ExportFiles.h"
#include "export/support/ExportFixture.h"
#include "export/support/SheetReader.h"
#include "kinematics/Quantities.h"
#include "kit/Locale.h"

#include <QFile>

#include <cmath>
#include <optional>

namespace kolibra::exporting::testing {

// Named: the unity build puts the export's tests in one file.
namespace datasheet_file_test {

using kinematics::qsAcceleration;
using kinematics::qsPolar;
using kinematics::qsVelocity;

using TValues = std::vector<std::vector<std::optional<double>>>;

QByteArray ReadAll(const QString &fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Columns t, x1, y1, x2, y2 of the six samples.
TValues HandValues() {
  TValues rows;
  for (int k = 0; k < 6; ++k) {
    const bool second = k != 2 && k != 5;
    rows.push_back({0.04 * k, 0.01 * k, 0.0, second ? std::optional(0.02 * k) : std::nullopt,
                    second ? std::optional(0.05) : std::nullopt});
  }
  return rows;
}

// An RFC 4180 reader: fields split at commas outside quotes, "" inside quotes is one quote,
// records end with CR LF.
std::vector<QStringList> ReadCsv(const QString &text) {
  std::vector<QStringList> records;
  QStringList record;
  QString field;
  bool quoted = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted) {
      if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
        field += c;
        ++i;
      } else if (c == QLatin1Char('"')) {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == QLatin1Char('"')) {
      quoted = true;
    } else if (c == QLatin1Char(',')) {
      record << field;
      field.clear();
    } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
      record << field;
      records.push_back(record);
      record.clear();
      field.clear();
      ++i;
    } else {
      field += c;
    }
  }
  return records;
}

std::optional<double> Number(const QString &text) {
  if (text.isEmpty()) return std::nullopt;
  bool ok = false;
  const double value = text.toDouble(&ok);  // C locale: "." only
  return ok ? std::optional(value) : std::optional(std::nan(""));
}

// The values of each file, as its reader sees them.
TValues ValuesOfText(const QString &fileName) {
  TValues rows;
  const QStringList lines = QString::fromUtf8(ReadAll(fileName)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  for (qsizetype l = 6; l < lines.size(); ++l) {
    rows.emplace_back();
    for (const QString &cell : lines[l].split(QLatin1Char('\t'))) rows.back().push_back(Number(cell));
  }
  return rows;
}

TValues ValuesOfCsv(const QString &fileName) {
  TValues rows;
  const std::vector<QStringList> records = ReadCsv(QString::fromUtf8(ReadAll(fileName)));
  for (size_t r = 1; r < records.size(); ++r) {
    rows.emplace_back();
    for (const QString &cell : records[r]) rows.back().push_back(Number(cell));
  }
  return rows;
}

TValues ValuesOfSheet(const TReadSheet &sheet, int columns) {
  TValues rows;
  for (int r = 4; r < sheet.RowCount(); ++r) {
    rows.emplace_back();
    for (int c = 0; c < columns; ++c) {
      const TReadCell cell = sheet.At(r, c);
      rows.back().push_back(cell.Kind == TReadCell::rcNumber ? std::optional(cell.Value)
                            : cell.Kind == TReadCell::rcEmpty ? std::nullopt
                                                              : std::optional(std::nan("")));
    }
  }
  return rows;
}

void ExpectValues(const TValues &read, const TValues &expected) {
  ASSERT_EQ(read.size(), expected.size());
  for (size_t r = 0; r < read.size(); ++r) {
    ASSERT_EQ(read[r].size(), expected[r].size()) << "row " << r;
    for (size_t c = 0; c < read[r].size(); ++c) {
      ASSERT_EQ(read[r][c].has_value(), expected[r][c].has_value()) << r << "," << c;
      if (expected[r][c]) {
        EXPECT_NEAR(*read[r][c], *expected[r][c], 1e-12) << r << "," << c;
      }
    }
  }
}

class DatasheetFileTest : public ExportFixture {
 protected:
  void SetUp() override {
    MarkTwoObjects();
    grids.SetKindsVisible(qsVelocity | qsAcceleration | qsPolar, false);
  }

  bool Export(const QString &name) {
    FillServer();
    host.Answer = dir.filePath(name);
    return serveur.ExportDatasheet(grids.Matrix(), Info());
  }
};

TEST_F(DatasheetFileTest, EveryFormatOfTheDialogHoldsTheDatasheetsValues) {
  struct TCase {
    const char *Name;
    TValues (*Read)(const QString &);
  };
  const TCase cases[] = {
      {"sheet.txt", ValuesOfText},
      {"sheet.csv", ValuesOfCsv},
      {"sheet.xlsx", [](const QString &file) { return ValuesOfSheet(ReadXlsx(file).at(0), 5); }},
      {"sheet.ods", [](const QString &file) { return ValuesOfSheet(ReadOds(file).at(0), 5); }},
  };
  for (const TCase &c : cases) {
    SCOPED_TRACE(c.Name);
    ASSERT_TRUE(Export(QLatin1String(c.Name)));
    ExpectValues(c.Read(dir.filePath(QLatin1String(c.Name))), HandValues());
    EXPECT_EQ(host.RecentFolder, QFileInfo(dir.path()).absoluteFilePath());
  }
  // One dialog offers the formats, the text form first.
  ASSERT_EQ(host.Requests.size(), 4u);
  EXPECT_EQ(host.Requests[0].Filter, QStringLiteral("Tab separated values (*.txt)|*.txt|Excel workbook (*.xlsx)|*.xlsx|"
                                                    "OpenDocument spreadsheet (*.ods)|*.ods|"
                                                    "Comma separated values (*.csv)|*.csv|"
                                                    "JSON data (*.json)|*.json|Jupyter notebook (*.ipynb)|*.ipynb"));
  EXPECT_EQ(host.Requests[0].DefaultExtension, QStringLiteral("txt"));
  // A workbook's report names the file written.
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("The datasheet has been saved:\n\n") +
                                     QDir::toNativeSeparators(dir.filePath(QStringLiteral("sheet.ods"))));
}

TEST_F(DatasheetFileTest, AnotherExtensionGetsTheTextForm) {
  ASSERT_TRUE(Export(QStringLiteral("results.pdf")));
  EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("results.pdf"))));
  ExpectValues(ValuesOfText(dir.filePath(QStringLiteral("results.txt"))), HandValues());
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Save to text file complete.\n\nFile has TXT extension."));
}

TEST_F(DatasheetFileTest, AnExistingFileIsReplacedOnlyAtTheUsersWord) {
  const QString old = dir.filePath(QStringLiteral("old.csv"));
  {
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("kept");
  }
  boxes.Answer(0);  // Cancel
  EXPECT_FALSE(Export(QStringLiteral("old.csv")));
  EXPECT_EQ(ReadAll(old), QByteArray("kept"));
  boxes.Answer(1);  // Ok
  EXPECT_TRUE(Export(QStringLiteral("old.csv")));
  ExpectValues(ValuesOfCsv(old), HandValues());
}

// The header row and the points, byte by byte, in a region that writes decimal commas.
TEST_F(DatasheetFileTest, CommaSeparatedValuesUsePointsWhateverTheRegion) {
  const ScopedDecimalSeparator comma(QLatin1Char(','));
  ASSERT_TRUE(ComputeAll(0));
  grids.SetKindsVisible(qsVelocity | qsAcceleration | qsPolar, false);
  ASSERT_TRUE(Export(QStringLiteral("region.csv")));
  const QByteArray bytes = ReadAll(dir.filePath(QStringLiteral("region.csv")));
  EXPECT_TRUE(bytes.startsWith("t [s],x1 [m],y1 [m],x2 [m],y2 [m]\r\n0,0,0,0,0.05\r\n0.04,0.01,0,0.02,0.05\r\n"
                               "0.08,0.02,0,,\r\n"))
      << bytes.toStdString();
  EXPECT_TRUE(bytes.endsWith("0.2,0.05,0,,\r\n")) << bytes.toStdString();
}

TEST(CsvField, QuotesWhatWouldBreakTheRecord) {
  const std::pair<const char *, const char *> cases[] = {
      {"x1 (m)", "x1 (m)"},
      {"a,b", "\"a,b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"two\nlines", "\"two\nlines\""},
      {"m/s\xC2\xB2", "m/s\xC2\xB2"},
      {"", ""},
  };
  for (const auto &[text, field] : cases)
    EXPECT_EQ(CsvField(QString::fromUtf8(text)), QString::fromUtf8(field)) << text;
  // The header row of a matrix whose symbol needs quoting, and a unit with a non-ASCII sign.
  const TMatriceStr matrix{{QString()}, {QStringLiteral("a,b"), QStringLiteral("ax")},
                           {QString(), QString::fromUtf8("m/s\xC2\xB2")}, {QString(), QString()},
                           {QStringLiteral("1.5"), QStringLiteral("#Number!")}};
  EXPECT_EQ(CsvBytes(matrix), QByteArray("\"a,b\",ax [m/s\xC2\xB2]\r\n1.5,\r\n"));
}

}  // namespace datasheet_file_test

}  // namespace kolibra::exporting::testing
