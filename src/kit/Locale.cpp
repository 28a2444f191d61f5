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
#include <cstdio>

namespace kolibra {

QString RealToText(double value) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
  if (value == 0.0) return QStringLiteral("0");

  // Fifteen significant digits as d.dddddddddddddde±x, then laid out by hand.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  QString text = QString::fromLatin1(buffer);
  const int e = text.indexOf(QLatin1Char('e'));
  const int exponent = text.mid(e + 1).toInt();
  QString mantissa = text.left(e);
  const bool negative = mantissa.startsWith(QLatin1Char('-'));
  if (negative) mantissa.remove(0, 1);
  QString digits = mantissa.left(1) + mantissa.mid(2);  // without the point
  while (digits.size() > 1 && digits.endsWith(QLatin1Char('0'))) digits.chop(1);

  const QChar sep = DecimalSeparator();
  QString out;
  if (exponent >= 15 || std::fabs(value) < 1e-5) {
    out = digits.left(1);
    if (digits.size() > 1) out += sep + digits.mid(1);
    out += QLatin1Char('E') + QString::number(exponent);
  } else if (exponent < 0) {
    out = QLatin1String("0") + sep + QString(-exponent - 1, QLatin1Char('0')) + digits;
  } else {
    const int intDigits = exponent + 1;
    if (digits.size() <= intDigits) {
      out = digits + QString(intDigits - digits.size(), QLatin1Char('0'));
    } else {
      out = digits.left(intDigits) + sep + digits.mid(intDigits);
    }
  }
  return negative ? QLatin1Char('-') + out : out;
}

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
