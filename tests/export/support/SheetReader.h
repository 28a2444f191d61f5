#pragma once
// Reads the workbooks Kolibra writes back, straight from their zip and XML, so the tests
// see what a spreadsheet program would: each sheet's cells as empty, text or number.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <utility>

namespace kolibra::exporting::testing {

struct TReadCell {
  enum TKind { rcEmpty, rcText, rcNumber };
  TKind Kind = rcEmpty;
  QString Text;  // a text cell's text, a number cell's displayed text (ODF only)
  double Value = 0.0;
};

// Cells by (row, column) from 0; absent cells are empty.
struct TReadSheet {
  QString Name;
  std::map<std::pair<int, int>, TReadCell> Cells;
  TReadCell At(int row, int col) const;
  int RowCount() const;
};

struct TZipEntry {
  QString Name;
  int Method = -1;  // 0 stored, 8 deflated
  int ExtraFieldSize = 0;
  QByteArray Data;
};

// Every entry of a zip in the order of its directory; empty when it is no zip.
std::vector<TZipEntry> ReadZip(const QString &fileName);
QByteArray ZipEntryData(const QString &fileName, const QString &entry);

// The sheets of an ".xlsx" / ".ods", in order.
std::vector<TReadSheet> ReadXlsx(const QString &fileName);
std::vector<TReadSheet> ReadOds(const QString &fileName);

}  // namespace kolibra::exporting::testing
