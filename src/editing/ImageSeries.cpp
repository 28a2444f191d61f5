#include "editing/ImageSeries.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>

namespace kolibra::editing {

QString StillBaseName(const QString &chosen) {
  const QFileInfo info(chosen);
  const QString suffix = info.suffix();
  if (suffix.isEmpty()) return chosen;
  return chosen.left(chosen.size() - suffix.size() - 1);
}

int StillDigits(int count) { return int(QString::number(std::max(1, count)).size()); }

QString StillFileName(const QString &base, int index, int digits) {
  return base + QLatin1Char('_') + QStringLiteral("%1").arg(index, digits, 10, QLatin1Char('0')) +
         QStringLiteral(".bmp");
}

QStringList ExistingStills(const QString &base, int count) {
  QStringList existing;
  const int digits = StillDigits(count);
  for (int i = 0; i < count; ++i) {
    const QString name = StillFileName(base, i, digits);
    if (QFileInfo::exists(name)) existing << name;
  }
  return existing;
}

QStringList CompleteSeries(const QString &file) {
  QStringList series{file};
  const QFileInfo info(file);
  static const QRegularExpression trailing(QStringLiteral("^(.*?)(\\d+)$"));
  const QRegularExpressionMatch m = trailing.match(info.completeBaseName());
  if (!m.hasMatch()) return series;
  const QString stem = m.captured(1);
  const int digits = int(m.captured(2).size());
  bool ok = false;
  qlonglong k = m.captured(2).toLongLong(&ok);
  if (!ok) return series;
  const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
  for (;;) {
    ++k;
    const QString number = QStringLiteral("%1").arg(k, digits, 10, QLatin1Char('0'));
    // A number that grew a digit no longer belongs to the series (shot99 is not followed by shot100).
    if (number.size() != digits) break;
    const QString next = info.dir().filePath(stem + number + suffix);
    if (!QFileInfo(next).isFile()) break;
    series << next;
  }
  return series;
}

void SortNumerically(QStringList &files) {
  // The C locale's collation ignores the numeric mode: an explicit locale keeps "img2"
  // before "img10" whatever the user's settings.
  QLocale locale;
  if (locale.language() == QLocale::C) locale = QLocale(QLocale::English, QLocale::UnitedStates);
  QCollator collator(locale);
  collator.setNumericMode(true);
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::stable_sort(files.begin(), files.end(),
                   [&collator](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
}

QStringList ImageList(const QStringList &chosen) {
  QStringList files = chosen.size() == 1 ? CompleteSeries(chosen.constFirst()) : chosen;
  SortNumerically(files);
  return files;
}

}  // namespace kolibra::editing
