// Guards, the number-to-text rule, statistics and the array helpers. Geometry lives in
// Geometry.cpp; the solver, the root finder and the axis graduation in LinearAlgebra.cpp.

#include "kit/MathUtils.h"

#include "kit/Locale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace kolibra {

// ---------------------------------------------------------------------------------------------
// Guards and rounding
// ---------------------------------------------------------------------------------------------

bool IsNearZero(double x) { return std::fabs(x) < 1e-100; }

bool IsHuge(double x) { return !(std::fabs(x) <= 1e100); }

int RoundClamped(double x) {
  if (std::isnan(x)) return 0;
  if (x > 2147483647.0) x = 2147483647.0;
  if (x < -2147483647.0) x = -2147483647.0;
  return int(std::nearbyint(x));
}

namespace angle_impl {

// Brings x into [low, low + 2pi] by whole turns, keeping a bound as it is. Far-off angles are
// first reduced by remainder(), otherwise adding turns one by one would take forever (or,
// beyond 2^53, never change x at all).
double BringIntoTurn(double x, double low) {
  constexpr double turn = 2.0 * std::numbers::pi;
  if (!std::isfinite(x)) return std::nan("");
  if (std::fabs(x) > 1000.0 * turn) x = std::remainder(x, turn);
  const double high = low + turn;
  while (x > high) x -= turn;
  while (x < low) x += turn;
  return x;
}

}  // namespace angle_impl

double NormalizeAngle(double a, double b) {
  return angle_impl::BringIntoTurn(a + b, -std::numbers::pi);
}

double NormalizeAnglePositive(double a) { return angle_impl::BringIntoTurn(a, 0.0); }

int DecimalOrder(int n) {
  // Counted on integers: log10 of 1000 may fall a hair short of 3.
  int order = 0;
  while (n >= 10) {
    n /= 10;
    ++order;
  }
  return order;
}

// ---------------------------------------------------------------------------------------------
// Number to text
// ---------------------------------------------------------------------------------------------

namespace format_real_impl {

// x with `digits` significant digits in C notation ("-1.23e+05"), split into the mantissa
// (C point) and the decimal exponent. The C library rounds the exact binary value, ties to
// even, which is the project's rounding rule.
void Scientific(double x, int digits, QString &mantissa, int &exponent) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", std::max(digits, 1) - 1, x);
  const QString text = QString::fromLatin1(buffer);
  const qsizetype e = text.indexOf(QLatin1Char('e'));
  mantissa = text.left(e);
  exponent = text.mid(e + 1).toInt();
}

// Fixed notation: rounded at the coarser of `significant` significant digits and `decimals`
// decimals, then zeros padded up to `decimals` decimals.
QString Fixed(double x, int significant, int decimals) {
  QString mantissa;
  int exponent = 0;
  Scientific(x, significant, mantissa, exponent);
  const int rounding = std::min(decimals, significant - 1 - exponent);

  QString text;
  if (rounding >= 0) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", rounding, x);
    text = QString::fromLatin1(buffer);
  } else {
    // Rounded to tens or coarser: exactly the significant digits, then zeros.
    text = mantissa;
    text.remove(QLatin1Char('.'));
    text += QString(exponent - (significant - 1), QLatin1Char('0'));
  }

  const int written = std::max(rounding, 0);
  const int shown = std::max(decimals, 0);
  if (shown > written) {
    if (written == 0) text += QLatin1Char('.');
    text += QString(shown - written, QLatin1Char('0'));
  }
  // A value rounded away entirely must not read "-0".
  if (text.startsWith(QLatin1Char('-')) &&
      !std::any_of(text.cbegin(), text.cend(),
                   [](QChar c) { return c >= QLatin1Char('1') && c <= QLatin1Char('9'); }))
    text.remove(0, 1);
  return text;
}

QString Exponent(double x, int digits, int exponentDigits) {
  QString mantissa;
  int exponent = 0;
  Scientific(x, digits, mantissa, exponent);
  QString power = QString::number(std::abs(exponent));
  if (power.size() < exponentDigits) power.prepend(QString(exponentDigits - power.size(), QLatin1Char('0')));
  return mantissa + QLatin1Char('E') + QLatin1Char(exponent < 0 ? '-' : '+') + power;
}

}  // namespace format_real_impl

QString FormatReal(int offset, double x) {
  if (!std::isfinite(x)) return QStringLiteral("#Number!");
  // Below -3 not a single significant digit would be left.
  offset = std::clamp(offset, -3, 8);

  const double size = std::fabs(x);
  QString text;
  if (size >= 0.01 && size <= 10000.0) {
    int decimals = offset;
    if (size <= 10.0)
      decimals = offset + 3;
    else if (size <= 100.0)
      decimals = offset + 2;
    else if (size <= 1000.0)
      decimals = offset + 1;
    text = format_real_impl::Fixed(x, offset + 4, decimals);
  } else if (std::fpclassify(x) == FP_ZERO) {
    return QStringLiteral("0");
  } else {
    text = format_real_impl::Exponent(x, offset + 3, offset + 1 <= 4 ? offset + 1 : 0);
  }
  text.replace(QLatin1Char('.'), DecimalSeparator());
  return text;
}

QString FixedNotation(double x, int significant, int decimals) {
  return format_real_impl::Fixed(x, significant, decimals);
}

QString ScientificNotation(double x, int digits, int exponentDigits) {
  return format_real_impl::Exponent(x, digits, exponentDigits);
}

QString LocalizeDecimal(const QString &s) {
  QString out = s;
  const QChar sep = DecimalSeparator();
  for (QChar &c : out)
    if (c == QLatin1Char(',') || c == QLatin1Char('.')) c = sep;
  return out;
}

// ---------------------------------------------------------------------------------------------
// Series and statistics
// ---------------------------------------------------------------------------------------------

double MeanOf(const TDoubleDynArray &a) {
  if (a.empty()) return 0.0;
  double sum = 0.0;
  for (double v : a) sum += v;
  return sum / double(a.size());
}

double Correlation(const TDoubleDynArray &x, const TDoubleDynArray &y) {
  const size_t n = std::min(x.size(), y.size());
  if (n == 0) return 0.0;
  double meanX = 0.0, meanY = 0.0;
  for (size_t i = 0; i < n; ++i) {
    meanX += x[i];
    meanY += y[i];
  }
  meanX /= double(n);
  meanY /= double(n);
  double sxy = 0.0, sxx = 0.0, syy = 0.0;
  for (size_t i = 0; i < n; ++i) {
    const double dx = x[i] - meanX;
    const double dy = y[i] - meanY;
    sxy += dx * dy;
    sxx += dx * dx;
    syy += dy * dy;
  }
  if (IsNearZero(sxx) || IsNearZero(syy)) return 0.0;
  return sxy / std::sqrt(sxx * syy);
}

double RmsDeviation(const TDoubleDynArray &a, const TDoubleDynArray &b) {
  const size_t n = std::min(a.size(), b.size());
  if (n == 0) return -1.0;
  double sum = 0.0;
  for (size_t i = 0; i < n; ++i) sum += (a[i] - b[i]) * (a[i] - b[i]);
  return std::sqrt(sum / double(n));
}

double RelativeRmsDeviation(const TDoubleDynArray &a, const TDoubleDynArray &b) {
  const size_t n = std::min(a.size(), b.size());
  double sum = 0.0, squares = 0.0;
  for (size_t i = 0; i < n; ++i) {
    sum += (a[i] - b[i]) * (a[i] - b[i]);
    squares += a[i] * a[i];
  }
  if (IsNearZero(squares)) return -1.0;
  return std::sqrt(sum / squares);
}

double MaxOfD(const TDoubleDynArray &a) {
  double best = -1.7e308;
  for (double v : a)
    if (v > best) best = v;
  return best;
}

double MinOfD(const TDoubleDynArray &a) {
  double best = 1.7e308;
  for (double v : a)
    if (v < best) best = v;
  return best;
}

int MaxOfI(const TIntegerDynArray &a) {
  int best = -2147483647;
  for (int v : a) best = std::max(best, v);
  return best;
}

int MinOfI(const TIntegerDynArray &a) {
  int best = 2147483647;
  for (int v : a) best = std::min(best, v);
  return best;
}

void ScaleArray(const TDoubleDynArray &a, double k, TDoubleDynArray &out) {
  out.resize(a.size());
  for (size_t i = 0; i < a.size(); ++i) out[i] = k * a[i];
}

namespace sort_indices_impl {

template <typename T>
void Sort(const std::vector<T> &values, TIntegerDynArray &idx) {
  idx.resize(values.size());
  for (size_t i = 0; i < idx.size(); ++i) idx[i] = int(i);
  // NaN sorts last so that the order stays a strict weak one.
  std::stable_sort(idx.begin(), idx.end(), [&values](int a, int b) {
    const T va = values[size_t(a)];
    const T vb = values[size_t(b)];
    if (std::isnan(double(va))) return false;
    if (std::isnan(double(vb))) return true;
    return va < vb;
  });
}

}  // namespace sort_indices_impl

void SortIndices(const TDoubleDynArray &values, TIntegerDynArray &idx) {
  sort_indices_impl::Sort(values, idx);
}

void SortIndices(const TIntegerDynArray &values, TIntegerDynArray &idx) {
  sort_indices_impl::Sort(values, idx);
}

// ---------------------------------------------------------------------------------------------
// Arrays
// ---------------------------------------------------------------------------------------------

int GrownLength(int n) {
  if (n < 5) return n + 4;
  if (n <= 8) return n + 8;
  if (n <= 64) return n + 16;
  return n + n / 4;
}

void FillMatrix(TMatriceI &m, int value) {
  for (TIntegerDynArray &row : m) std::fill(row.begin(), row.end(), value);
}

void FillMatrix(TMatrice3Point &m, TPoint value) {
  for (TMatricePoint &plane : m)
    for (TPointDynArray &row : plane) std::fill(row.begin(), row.end(), value);
}

bool SameIntegers(const TIntegerDynArray &a, const TIntegerDynArray &b) { return a == b; }

}  // namespace kolibra
