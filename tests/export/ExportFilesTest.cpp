// The export to a named file, as kolibra-cli calls it once a work is loaded: the format by the
// extension, the text form's bytes, a replaced file written in one step, unknown extensions
// refused with a reason.

#include "export/ExportFiles.h"
#include "export/support/ExportFixture.h"
#include "export/support/SheetReader.h"

#include <QCoreApplication>
#include <QFile>

namespace kolibra::exporting::testing {

namespace {

class ExportFilesTest : public ExportFixture {
 protected:
  void SetUp() override { MarkTwoObjects(); }
};

TEST_F(ExportFilesTest, TheFormatFollowsTheExtension) {
  QString error;
  const QString text = dir.filePath(QStringLiteral("out.txt"));
  ASSERT_TRUE(ExportDatasheetToFile(grids.Active(), Info(), text, error)) << error.toStdString();
  QStringList lines;
  grids.FillText(lines, QDir::toNativeSeparators(QCoreApplication::applicationFilePath()), Now);
  QFile file(text);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), TextFormBytes(lines));

  const QString xlsx = dir.filePath(QStringLiteral("out.XLSX"));
  ASSERT_TRUE(ExportDatasheetToFile(grids.Active(), Info(), xlsx, error)) << error.toStdString();
  EXPECT_EQ(ReadXlsx(xlsx).size(), 2u);
  const QString ods = dir.filePath(QStringLiteral("out.ods"));
  ASSERT_TRUE(ExportDatasheetToFile(grids.Active(), Info(), ods, error)) << error.toStdString();
  EXPECT_EQ(ReadOds(ods).size(), 2u);

  const QString csv = dir.filePath(QStringLiteral("out.csv"));
  ASSERT_TRUE(ExportDatasheetToFile(grids.Active(), Info(), csv, error)) << error.toStdString();
  QFile values(csv);
  ASSERT_TRUE(values.open(QIODevice::ReadOnly));
  EXPECT_EQ(values.readAll(), CsvBytes(grids.Active().Matrix()));

  EXPECT_FALSE(ExportDatasheetToFile(grids.Active(), Info(), dir.filePath(QStringLiteral("out.pdf")), error));
  EXPECT_TRUE(error.contains(QLatin1String("out.pdf")));
  EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("out.pdf"))));
}

TEST_F(ExportFilesTest, AnExistingWorkbookIsReplacedWhole) {
  QString error;
  const QString ods = dir.filePath(QStringLiteral("out.ods"));
  ASSERT_TRUE(ExportDatasheetToFile(grids.Active(), Info(), ods, error));
  grids.SetKindsVisible(~kinematics::TQuantitySet(0), false);
  ASSERT_TRUE(ExportDatasheetToFile(grids.Active(), Info(), ods, error));
  const std::vector<TReadSheet> sheets = ReadOds(ods);
  ASSERT_EQ(sheets.size(), 2u);
  EXPECT_EQ(sheets[0].At(1, 0).Text, QStringLiteral("t"));
  EXPECT_EQ(sheets[0].At(1, 1).Kind, TReadCell::rcEmpty);
  EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("out*")}, QDir::Files), QStringList{QStringLiteral("out.ods")});

  // A folder that does not exist: a reason, and no file.
  const QString missing = dir.filePath(QStringLiteral("nowhere/out.xlsx"));
  EXPECT_FALSE(ExportDatasheetToFile(grids.Active(), Info(), missing, error));
  EXPECT_FALSE(error.isEmpty());
}

}  // namespace

}  // namespace kolibra::exporting::testing
