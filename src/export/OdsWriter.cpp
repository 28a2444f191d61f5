// The OpenDocument spreadsheet: a zip whose first entry is "mimetype", stored uncompressed
// and without extra field (that is how programs recognise the format from its first bytes),
// then the manifest and the content, deflated. Cells carry their value in C notation
// (office:value, which every program reads alike) and the text the user reads beside it.

#include "export/WorkbookWriters.h"
#include "kit/Texts.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QXmlStreamWriter>

#include <algorithm>

#include <minizip/zip.h>

namespace kolibra::exporting {

namespace ods_impl {

const QString OfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString TableNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString TextNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString ManifestNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:manifest:1.0");
const QString OdsMimeType = QStringLiteral("application/vnd.oasis.opendocument.spreadsheet");
const QString OdfVersion = QStringLiteral("1.2");

// A paragraph's text. ODF collapses runs of blanks and drops them at the ends of a
// paragraph, so every blank beyond a single inner one is written as <text:s/>.
void WriteParagraphText(QXmlStreamWriter &xml, const QString &text) {
  const int length = int(text.size());
  int i = 0;
  while (i < length) {
    if (text[i] != QLatin1Char(' ')) {
      int end = i;
      while (end < length && text[end] != QLatin1Char(' ')) ++end;
      xml.writeCharacters(text.mid(i, end - i));
      i = end;
      continue;
    }
    int end = i;
    while (end < length && text[end] == QLatin1Char(' ')) ++end;
    int spaces = end - i;
    if (i > 0 && end < length) {
      xml.writeCharacters(QStringLiteral(" "));
      --spaces;
    }
    if (spaces > 0) {
      xml.writeEmptyElement(TextNs, QStringLiteral("s"));
      if (spaces > 1) xml.writeAttribute(TextNs, QStringLiteral("c"), QString::number(spaces));
    }
    i = end;
  }
}

void WriteCell(QXmlStreamWriter &xml, const TWorkbookCell &cell) {
  if (cell.Kind == TWorkbookCell::ckEmpty) {
    xml.writeEmptyElement(TableNs, QStringLiteral("table-cell"));
    return;
  }
  xml.writeStartElement(TableNs, QStringLiteral("table-cell"));
  if (cell.Kind == TWorkbookCell::ckNumber) {
    xml.writeAttribute(OfficeNs, QStringLiteral("value-type"), QStringLiteral("float"));
    xml.writeAttribute(OfficeNs, QStringLiteral("value"), QString::number(cell.Value, 'g', QLocale::FloatingPointShortest));
  } else {
    xml.writeAttribute(OfficeNs, QStringLiteral("value-type"), QStringLiteral("string"));
  }
  xml.writeStartElement(TextNs, QStringLiteral("p"));
  WriteParagraphText(xml, cell.Text);
  xml.writeEndElement();  // text:p
  xml.writeEndElement();  // table:table-cell
}

QByteArray ContentXml(const TWorkbook &workbook) {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.writeStartDocument();
  xml.writeNamespace(OfficeNs, QStringLiteral("office"));
  xml.writeNamespace(TableNs, QStringLiteral("table"));
  xml.writeNamespace(TextNs, QStringLiteral("text"));
  xml.writeStartElement(OfficeNs, QStringLiteral("document-content"));
  xml.writeAttribute(OfficeNs, QStringLiteral("version"), OdfVersion);
  xml.writeStartElement(OfficeNs, QStringLiteral("body"));
  xml.writeStartElement(OfficeNs, QStringLiteral("spreadsheet"));
  for (const TWorkbookSheet &sheet : workbook) {
    xml.writeStartElement(TableNs, QStringLiteral("table"));
    xml.writeAttribute(TableNs, QStringLiteral("name"), sheet.Name);
    xml.writeEmptyElement(TableNs, QStringLiteral("table-column"));
    xml.writeAttribute(TableNs, QStringLiteral("number-columns-repeated"),
                       QString::number(std::max(1, sheet.ColumnCount())));
    for (const TWorkbookRow &row : sheet.Rows) {
      xml.writeStartElement(TableNs, QStringLiteral("table-row"));
      // A row holds at least one cell.
      if (row.empty()) xml.writeEmptyElement(TableNs, QStringLiteral("table-cell"));
      for (const TWorkbookCell &cell : row) WriteCell(xml, cell);
      xml.writeEndElement();  // table:table-row
    }
    if (sheet.Rows.empty()) {
      xml.writeStartElement(TableNs, QStringLiteral("table-row"));
      xml.writeEmptyElement(TableNs, QStringLiteral("table-cell"));
      xml.writeEndElement();
    }
    xml.writeEndElement();  // table:table
  }
  xml.writeEndElement();  // office:spreadsheet
  xml.writeEndElement();  // office:body
  xml.writeEndElement();  // office:document-content
  xml.writeEndDocument();
  return bytes;
}

QByteArray ManifestXml() {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.writeStartDocument();
  xml.writeNamespace(ManifestNs, QStringLiteral("manifest"));
  xml.writeStartElement(ManifestNs, QStringLiteral("manifest"));
  xml.writeAttribute(ManifestNs, QStringLiteral("version"), OdfVersion);
  const auto entry = [&xml](const QString &path, const QString &type, bool version) {
    xml.writeEmptyElement(ManifestNs, QStringLiteral("file-entry"));
    xml.writeAttribute(ManifestNs, QStringLiteral("full-path"), path);
    if (version) xml.writeAttribute(ManifestNs, QStringLiteral("version"), OdfVersion);
    xml.writeAttribute(ManifestNs, QStringLiteral("media-type"), type);
  };
  entry(QStringLiteral("/"), OdsMimeType, true);
  entry(QStringLiteral("content.xml"), QStringLiteral("text/xml"), false);
  xml.writeEndElement();
  xml.writeEndDocument();
  return bytes;
}

// One entry of the zip; false when any step fails.
bool AddEntry(zipFile zip, const char *name, const QByteArray &data, bool compressed) {
  zip_fileinfo info{};
  const QDateTime now = QDateTime::currentDateTime();
  info.tmz_date.tm_sec = uInt(now.time().second());
  info.tmz_date.tm_min = uInt(now.time().minute());
  info.tmz_date.tm_hour = uInt(now.time().hour());
  info.tmz_date.tm_mday = uInt(now.date().day());
  info.tmz_date.tm_mon = uInt(now.date().month() - 1);
  info.tmz_date.tm_year = uInt(now.date().year());
  // zip64 stays off: it would add an extra field, which "mimetype" must not carry.
  if (zipOpenNewFileInZip64(zip, name, &info, nullptr, 0, nullptr, 0, nullptr, compressed ? Z_DEFLATED : 0,
                            compressed ? Z_DEFAULT_COMPRESSION : 0, 0) != ZIP_OK)
    return false;
  const bool written = data.isEmpty() || zipWriteInFileInZip(zip, data.constData(), unsigned(data.size())) == ZIP_OK;
  return zipCloseFileInZip(zip) == ZIP_OK && written;
}

}  // namespace ods_impl

bool WriteOds(const QString &fileName, const TWorkbook &workbook, QString &error) {
  using namespace ods_impl;
  // A failure removes the file, which must therefore be new.
  if (QFile::exists(fileName)) {
    error = WorkbookText::tr("The file already exists.");
    return false;
  }
  const QByteArray path = QFile::encodeName(fileName);
  zipFile zip = zipOpen64(path.constData(), APPEND_STATUS_CREATE);
  if (zip == nullptr) {
    error = WorkbookText::tr("The file cannot be created.");
    return false;
  }
  const bool entries = AddEntry(zip, "mimetype", OdsMimeType.toLatin1(), false) &&
                       AddEntry(zip, "META-INF/manifest.xml", ManifestXml(), true) &&
                       AddEntry(zip, "content.xml", ContentXml(workbook), true);
  const bool closed = zipClose(zip, nullptr) == ZIP_OK;
  if (entries && closed) return true;
  error = WorkbookText::tr("The file cannot be written completely.");
  QFile::remove(fileName);
  return false;
}

}  // namespace kolibra::exporting
