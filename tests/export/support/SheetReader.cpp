#include "export/support/SheetReader.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <minizip/unzip.h>

namespace kolibra::exporting::testing {

TReadCell TReadSheet::At(int row, int col) const {
  const auto it = Cells.find({row, col});
  return it == Cells.end() ? TReadCell() : it->second;
}

int TReadSheet::RowCount() const { return Cells.empty() ? 0 : Cells.rbegin()->first.first + 1; }

std::vector<TZipEntry> ReadZip(const QString &fileName) {
  std::vector<TZipEntry> entries;
  unzFile zip = unzOpen64(QFile::encodeName(fileName).constData());
  if (zip == nullptr) return entries;
  for (int status = unzGoToFirstFile(zip); status == UNZ_OK; status = unzGoToNextFile(zip)) {
    unz_file_info64 info{};
    char name[512] = {};
    if (unzGetCurrentFileInfo64(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK) break;
    TZipEntry entry;
    entry.Name = QString::fromUtf8(name);
    entry.Method = int(info.compression_method);
    entry.ExtraFieldSize = int(info.size_file_extra);
    if (unzOpenCurrentFile(zip) == UNZ_OK) {
      entry.Data.resize(qsizetype(info.uncompressed_size));
      const int read = unzReadCurrentFile(zip, entry.Data.data(), unsigned(entry.Data.size()));
      if (read != int(entry.Data.size())) entry.Data.clear();
      unzCloseCurrentFile(zip);
    }
    entries.push_back(entry);
  }
  unzClose(zip);
  return entries;
}

QByteArray ZipEntryData(const QString &fileName, const QString &entry) {
  for (const TZipEntry &e : ReadZip(fileName))
    if (e.Name == entry) return e.Data;
  return {};
}

namespace {

// "B12" -> (11, 1).
std::pair<int, int> CellReference(const QString &ref) {
  static const QRegularExpression pattern(QStringLiteral("^([A-Z]+)([0-9]+)$"));
  const QRegularExpressionMatch match = pattern.match(ref);
  int col = 0;
  for (QChar c : match.captured(1)) col = col * 26 + (c.unicode() - 'A' + 1);
  return {match.captured(2).toInt() - 1, col - 1};
}

QStringList SharedStrings(const QString &fileName) {
  QStringList strings;
  QXmlStreamReader xml(ZipEntryData(fileName, QStringLiteral("xl/sharedStrings.xml")));
  QString current;
  bool inItem = false;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == QLatin1String("si")) {
      inItem = true;
      current.clear();
    } else if (xml.isStartElement() && xml.name() == QLatin1String("t") && inItem) {
      current += xml.readElementText();
    } else if (xml.isEndElement() && xml.name() == QLatin1String("si")) {
      strings << current;
      inItem = false;
    }
  }
  return strings;
}

TReadSheet XlsxSheet(const QByteArray &data, const QStringList &strings) {
  TReadSheet sheet;
  QXmlStreamReader xml(data);
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement() || xml.name() != QLatin1String("c")) continue;
    const auto ref = CellReference(xml.attributes().value(QLatin1String("r")).toString());
    const QString type = xml.attributes().value(QLatin1String("t")).toString();
    TReadCell cell;
    QString value;
    QString inlineText;
    while (!(xml.isEndElement() && xml.name() == QLatin1String("c")) && !xml.atEnd()) {
      xml.readNext();
      if (xml.isStartElement() && xml.name() == QLatin1String("v")) value = xml.readElementText();
      if (xml.isStartElement() && xml.name() == QLatin1String("t")) inlineText += xml.readElementText();
    }
    if (type == QLatin1String("s")) {
      cell.Kind = TReadCell::rcText;
      cell.Text = strings.value(value.toInt());
    } else if (type == QLatin1String("inlineStr") || type == QLatin1String("str")) {
      cell.Kind = TReadCell::rcText;
      cell.Text = type == QLatin1String("str") ? value : inlineText;
    } else if (!value.isEmpty()) {
      cell.Kind = TReadCell::rcNumber;
      cell.Value = value.toDouble();
    }
    if (cell.Kind != TReadCell::rcEmpty) sheet.Cells[ref] = cell;
  }
  return sheet;
}

// The text of a <text:p>, blanks written as <text:s text:c="n"/> counted back.
QString ParagraphText(QXmlStreamReader &xml) {
  QString text;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isCharacters()) text += xml.text();
    if (xml.isStartElement() && xml.name() == QLatin1String("s")) {
      const QString count = xml.attributes().value(QLatin1String("text:c")).toString();
      text += QString(count.isEmpty() ? 1 : count.toInt(), QLatin1Char(' '));
    }
    if (xml.isEndElement() && xml.name() == QLatin1String("p")) break;
  }
  return text;
}

}  // namespace

std::vector<TReadSheet> ReadXlsx(const QString &fileName) {
  std::vector<TReadSheet> sheets;
  const QStringList strings = SharedStrings(fileName);
  // Sheet names in workbook order; libxlsxwriter numbers the sheet files in the same order.
  QXmlStreamReader book(ZipEntryData(fileName, QStringLiteral("xl/workbook.xml")));
  while (!book.atEnd()) {
    book.readNext();
    if (book.isStartElement() && book.name() == QLatin1String("sheet")) {
      const int index = int(sheets.size()) + 1;
      TReadSheet sheet =
          XlsxSheet(ZipEntryData(fileName, QStringLiteral("xl/worksheets/sheet%1.xml").arg(index)), strings);
      sheet.Name = book.attributes().value(QLatin1String("name")).toString();
      sheets.push_back(sheet);
    }
  }
  return sheets;
}

std::vector<TReadSheet> ReadOds(const QString &fileName) {
  std::vector<TReadSheet> sheets;
  QXmlStreamReader xml(ZipEntryData(fileName, QStringLiteral("content.xml")));
  int row = -1;
  int col = 0;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == QLatin1String("table")) {
      sheets.push_back({});
      sheets.back().Name = xml.attributes().value(QLatin1String("table:name")).toString();
      row = -1;
    } else if (xml.isStartElement() && xml.name() == QLatin1String("table-row")) {
      ++row;
      col = 0;
    } else if (xml.isStartElement() && xml.name() == QLatin1String("table-cell")) {
      const QXmlStreamAttributes attributes = xml.attributes();
      const QString type = attributes.value(QLatin1String("office:value-type")).toString();
      const QString repeated = attributes.value(QLatin1String("table:number-columns-repeated")).toString();
      TReadCell cell;
      if (type == QLatin1String("float")) {
        cell.Kind = TReadCell::rcNumber;
        cell.Value = attributes.value(QLatin1String("office:value")).toDouble();
      } else if (type == QLatin1String("string")) {
        cell.Kind = TReadCell::rcText;
      }
      while (!(xml.isEndElement() && xml.name() == QLatin1String("table-cell")) && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("p")) cell.Text += ParagraphText(xml);
      }
      const int count = repeated.isEmpty() ? 1 : repeated.toInt();
      for (int i = 0; i < count; ++i, ++col)
        if (cell.Kind != TReadCell::rcEmpty) sheets.back().Cells[{row, col}] = cell;
    }
  }
  return sheets;
}

}  // namespace kolibra::exporting::testing
