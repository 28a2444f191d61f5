// The data files made from a matrix form written by hand: JSON with its nulls, masses and
// objects, and the notebook whose first cell must give back the CSV text exactly, whatever
// quotes or backslashes a header holds.

#include "export/DataFiles.h"
#include "export/ExportFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace kolibra::exporting::data_files_test {

// Two columns, t and x of the cart, on three rows; x missing on the second, and a text that
// is no number on the third.
TMatriceStr HandMatrix(const QString &symbol = QStringLiteral("x")) {
  return {{QStringLiteral("sentence"), QStringLiteral("0")},
          {QStringLiteral("t"), symbol},
          {QStringLiteral("s"), QStringLiteral("m")},
          {QStringLiteral("time"), QStringLiteral("Abscissa of the cart")},
          {QStringLiteral("0"), QStringLiteral("0.5")},
          {QStringLiteral("0.04"), QString()},
          {QStringLiteral("0.08"), QStringLiteral("#Number!")}};
}

TEST(DataFiles, JsonHoldsColumnsRowsAndObjects) {
  TExportInfo info;
  info.VideoFileName = QStringLiteral("/home/prof/cart.avi");
  info.FrameInterval = 0.04;
  info.Objects = {{QStringLiteral("of the cart"), 0.5}, {QStringLiteral("of the ball"), 0.0}};
  info.ColumnObjects = {QString(), QStringLiteral("of the cart")};
  QJsonParseError error;
  const QJsonObject root = QJsonDocument::fromJson(JsonBytes(HandMatrix(), info), &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError);
  EXPECT_EQ(root.value(QStringLiteral("video")).toString(), QStringLiteral("cart.avi"));
  EXPECT_DOUBLE_EQ(root.value(QStringLiteral("interval")).toDouble(), 0.04);
  const QJsonArray objects = root.value(QStringLiteral("objects")).toArray();
  ASSERT_EQ(objects.size(), 2);
  EXPECT_DOUBLE_EQ(objects[0].toObject().value(QStringLiteral("mass")).toDouble(), 0.5);
  EXPECT_TRUE(objects[1].toObject().value(QStringLiteral("mass")).isNull()) << "no mass";
  const QJsonArray columns = root.value(QStringLiteral("columns")).toArray();
  ASSERT_EQ(columns.size(), 2);
  EXPECT_EQ(columns[1].toObject(), (QJsonObject{{QStringLiteral("symbol"), QStringLiteral("x")},
                                                {QStringLiteral("unit"), QStringLiteral("m")},
                                                {QStringLiteral("name"), QStringLiteral("Abscissa of the cart")},
                                                {QStringLiteral("object"), QStringLiteral("of the cart")}}));
  EXPECT_TRUE(columns[0].toObject().value(QStringLiteral("object")).isNull());
  const QJsonArray rows = root.value(QStringLiteral("rows")).toArray();
  EXPECT_EQ(rows, (QJsonArray{QJsonArray{0.0, 0.5}, QJsonArray{0.04, QJsonValue()}, QJsonArray{0.08, QJsonValue()}}));
}

// The first code cell's string, taken back as Python reads a triple-quoted literal: "\\" is
// one backslash and "\"" one quote.
QString DataOfNotebook(const QByteArray &notebook) {
  const QJsonArray cells = QJsonDocument::fromJson(notebook).object().value(QStringLiteral("cells")).toArray();
  QString source;
  for (const QJsonValue &line : cells[1].toObject().value(QStringLiteral("source")).toArray()) source += line.toString();
  const qsizetype from = source.indexOf(QStringLiteral("DATA = \"\"\"")) + 10;
  const qsizetype to = source.indexOf(QStringLiteral("\"\"\"\n"), from);
  const QString literal = source.mid(from, to - from);
  QString text;
  for (qsizetype i = 0; i < literal.size(); ++i) {
    if (literal[i] == QLatin1Char('\\') && i + 1 < literal.size()) ++i;
    text += literal[i];
  }
  return text;
}

TEST(DataFiles, TheNotebookHoldsTheCsvWhateverItsHeaders) {
  for (const QString &symbol : {QStringLiteral("x"), QStringLiteral("say \"\"\"hi\"\"\""), QStringLiteral("back\\slash,")}) {
    SCOPED_TRACE(symbol.toStdString());
    const TMatriceStr matrix = HandMatrix(symbol);
    QString csv = QString::fromUtf8(CsvBytes(matrix));
    csv.remove(QLatin1Char('\r'));
    EXPECT_EQ(DataOfNotebook(NotebookBytes(matrix, TExportInfo())), csv);
  }
}

}  // namespace kolibra::exporting::data_files_test
