#include "kit/MathUtils.h"

#include "kit/Locale.h"

#include <cmath>

namespace kolibra {

int RoundClamped(double x) {
  if (std::isnan(x)) return 0;
  if (x > 2147483647.0) x = 2147483647.0;
  if (x < -2147483647.0) x = -2147483647.0;
  return int(std::nearbyint(x));
}

QString LocalizeDecimal(const QString &s) {
  QString out = s;
  const QChar sep = DecimalSeparator();
  for (QChar &c : out)
    if (c == QLatin1Char(',') || c == QLatin1Char('.')) c = sep;
  return out;
}

}  // namespace kolibra
