#pragma once
// The regional decimal separator. Every real written for the user or to a file uses it,
// and every real read from text is first passed through LocalizeDecimal, so files written
// under one regional setting read under another. Tests set it explicitly.

#include <QChar>

namespace kolibra {

// The separator in force: the one set by SetDecimalSeparator, else the system locale's.
QChar DecimalSeparator();

// Overrides the separator ('.' or ','); a null QChar returns to the system's.
void SetDecimalSeparator(QChar separator);

// Sets a separator for the lifetime of a scope (tests).
class ScopedDecimalSeparator {
 public:
  explicit ScopedDecimalSeparator(QChar separator);
  ~ScopedDecimalSeparator();
  ScopedDecimalSeparator(const ScopedDecimalSeparator &) = delete;
  ScopedDecimalSeparator &operator=(const ScopedDecimalSeparator &) = delete;

 private:
  QChar Previous;
};

}  // namespace kolibra

#include <QString>

namespace kolibra {

// The general format with at most `digits` significant digits: plain notation while the
// rounded value's exponent is below `digits` and the value is at least 1e-5, "1.5E-6" style
// beyond, no trailing zeros, the regional decimal separator. Not-a-number and infinities are
// written as RealToText writes them.
QString GeneralFormat(double value, int digits);

// The general real-to-text conversion of files and exports: up to 15 significant digits,
// no trailing zeros, plain notation from 1e-5 up to 1e15 and "1.5E-6" style beyond,
// with the regional decimal separator. Not-a-number and infinities are written
// "NAN", "INF" and "-INF".
QString RealToText(double value);

// Reads a real written by RealToText under either separator (through LocalizeDecimal).
// Returns false and leaves value untouched when the text is not a number.
bool TextToReal(const QString &text, double &value);

}  // namespace kolibra
