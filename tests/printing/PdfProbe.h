#pragma once
// What poppler's tools read from a PDF: its page count, its page size line and its text.

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace kolibra::printing::testing {

inline bool PopplerPresent() {
  return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
         !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

inline QString RunTool(const QString &program, const QStringList &arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000)) return QString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

struct TPdfProbe {
  int Pages = 0;
  QString PageSize;  // "595 x 842 pts (A4)"
  QString Text;
};

inline TPdfProbe ProbePdf(const QString &file) {
  TPdfProbe probe;
  for (const QString &line : RunTool(QStringLiteral("pdfinfo"), {file}).split(QLatin1Char('\n'))) {
    if (line.startsWith(QLatin1String("Page size:"))) probe.PageSize = line.mid(10).trimmed();
    if (line.startsWith(QLatin1String("Pages:"))) probe.Pages = line.mid(6).trimmed().toInt();
  }
  probe.Text = RunTool(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
  return probe;
}

// Where pdftotext places the first word word on the page, in points; empty when absent.
inline QRectF WordBox(const QString &file, const QString &word) {
  const QString boxes = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
  const QRegularExpression pattern(QStringLiteral(
      "xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">%1<").arg(word));
  const QRegularExpressionMatch match = pattern.match(boxes);
  if (!match.hasMatch()) return QRectF();
  return QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()));
}

inline const QString A4Portrait = QStringLiteral("595 x 842 pts (A4)");
inline const QString A4Landscape = QStringLiteral("842 x 595 pts (A4)");

}  // namespace kolibra::printing::testing
