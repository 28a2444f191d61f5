#include "kit/Locale.h"

#include <QLocale>

namespace kolibra {

namespace {
QChar overriddenSeparator;
}

QChar DecimalSeparator() {
  if (!overriddenSeparator.isNull()) return overriddenSeparator;
  const QString point = QLocale::system().decimalPoint();
  return point.isEmpty() ? QChar('.') : point.at(0);
}

void SetDecimalSeparator(QChar separator) { overriddenSeparator = separator; }

ScopedDecimalSeparator::ScopedDecimalSeparator(QChar separator) : Previous(overriddenSeparator) {
  overriddenSeparator = separator;
}

ScopedDecimalSeparator::~ScopedDecimalSeparator() { overriddenSeparator = Previous; }

}  // namespace kolibra

#include "kit/MathUtils.h"

#include <cmath>
#include <algorithm>

namespace kolibra {

namespace locale_impl {

QString DropTrailingZeros(QString text) {
  if (!text.contains(QLatin1Char('.'))) return text;
  while (text.endsWith(QLatin1Char('0'))) text.chop(1);
  if (text.endsWith(QLatin1Char('.'))) text.chop(1);
  return text;
}

}  // namespace locale_impl

QString GeneralFormat(double value, int digits) {
  using locale_impl::DropTrailingZeros;
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
  if (value == 0.0) return QStringLiteral("0");
  digits = std::clamp(digits, 1, 17);
  // QString::number works in the C locale whatever the process locale says. The exponent
  // after rounding to the digits decides the notation: 999.96 at 4 digits is "1000", at 3
  // digits "1E3".
  const QString scientific = QString::number(value, 'e', digits - 1);
  const int e = scientific.indexOf(QLatin1Char('e'));
  const int exponent = scientific.mid(e + 1).toInt();
  QString text;
  if (exponent < digits && std::fabs(value) >= 1e-5) {
    text = DropTrailingZeros(QString::number(value, 'f', std::max(0, digits - 1 - exponent)));
  } else {
    text = DropTrailingZeros(scientific.left(e)) + QLatin1Char('E') + QString::number(exponent);
  }
  if (text == QLatin1String("-0")) text = QStringLiteral("0");
  text.replace(QLatin1Char('.'), DecimalSeparator());
  return text;
}

QString RealToText(double value) { return GeneralFormat(value, 15); }

bool TextToReal(const QString &text, double &value) {
  QString t = LocalizeDecimal(text.trimmed());
  const QChar sep = DecimalSeparator();
  if (sep != QLatin1Char('.')) t.replace(sep, QLatin1Char('.'));
  const QString upper = t.toUpper();
  if (upper == QLatin1String("NAN")) { value = std::nan(""); return true; }
  if (upper == QLatin1String("INF") || upper == QLatin1String("+INF")) { value = HUGE_VAL; return true; }
  if (upper == QLatin1String("-INF")) { value = -HUGE_VAL; return true; }
  if (t.isEmpty()) return false;
  // The C locale, not strtod: the application object sets the process locale.
  bool ok = false;
  const double v = QLocale::c().toDouble(t, &ok);
  if (!ok) return false;
  value = v;
  return true;
}

}  // namespace kolibra
