#include "formulas/RecUtils.h"

#include "kit/Locale.h"
#include "kit/MathUtils.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace kolibra::formulas {

namespace rec_utils {

constexpr char16_t SquaredSign = 0x00B2;
constexpr char16_t CubedSign = 0x00B3;

bool IsAsciiLetter(QChar c) {
  return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
         (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}
bool IsDigitChar(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool IsNameChar(QChar c) {
  return IsAsciiLetter(c) || IsDigitChar(c) || c == QLatin1Char('_') ||
         c.unicode() == SquaredSign || c.unicode() == CubedSign;
}
bool IsIndexChar(QChar c) {
  return IsDigitChar(c) || c == QLatin1Char('+') || c == QLatin1Char('-');
}

// Runs of signs in a left side collapse as they do in expressions: v[i+-1] is v[i-1].
QString CollapseSigns(QString text) {
  for (;;) {
    const qsizetype before = text.size();
    text.replace(QStringLiteral("+-"), QStringLiteral("-"));
    text.replace(QStringLiteral("-+"), QStringLiteral("-"));
    text.replace(QStringLiteral("--"), QStringLiteral("+"));
    text.replace(QStringLiteral("++"), QStringLiteral("+"));
    if (text.size() >= before) return text;
  }
}

}  // namespace rec_utils

QString NoCommentText() { return QCoreApplication::translate("Formules", "no comment"); }
QString NoUnitText() { return QCoreApplication::translate("Formules", "no unit"); }

QString RemoveBlanks(const QString &text) {
  QString out;
  out.reserve(text.size());
  for (QChar c : text)
    if (!c.isSpace()) out += c;
  return out;
}

TValueConversion ConvertValueText(const QString &text, double &value) {
  QString t = LocalizeDecimal(text.trimmed());
  const QChar sep = DecimalSeparator();
  if (sep != QLatin1Char('.')) t.replace(sep, QLatin1Char('.'));
  static const QRegularExpression shape(
      QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
  if (!shape.match(t).hasMatch()) return TValueConversion::NotANumber;
  bool ok = false;
  const double read = QLocale::c().toDouble(t, &ok);
  if (!ok || !std::isfinite(read)) {
    value = read;
    return TValueConversion::OutOfRange;
  }
  // A non-zero mantissa that reads as 0 went below the smallest double.
  if (read == 0.0) {
    const QString mantissa = t.section(QRegularExpression(QStringLiteral("[eE]")), 0, 0);
    for (QChar c : mantissa)
      if (c >= QLatin1Char('1') && c <= QLatin1Char('9')) {
        value = 0.0;
        return TValueConversion::OutOfRange;
      }
  }
  value = read;
  return TValueConversion::Number;
}

// ---------------------------------------------------------------------------------------------
// TCurve
// ---------------------------------------------------------------------------------------------

void TCurve::Reset(int rows) {
  const size_t n = size_t(std::max(rows, 0));
  Values.assign(n, std::numeric_limits<double>::quiet_NaN());
  Valid.assign(n, -1);
  FirstRow = -1;
  LastRow = -1;
}

void TCurve::SetValue(int row, double value) {
  if (row < 0 || row >= RowsCount()) return;
  Values[size_t(row)] = value;
  Valid[size_t(row)] = 0;
  if (FirstRow < 0 || row < FirstRow) FirstRow = row;
  if (row > LastRow) LastRow = row;
}

// ---------------------------------------------------------------------------------------------
// TRec
// ---------------------------------------------------------------------------------------------

void TRec::SetDefinition(const QString &definition) {
  const QString text = RemoveBlanks(definition);
  const qsizetype equal = text.indexOf(QLatin1Char('='));
  if (equal < 0) {
    HasLeftSide = false;
    Ident.clear();
    Name.clear();
    IndexText = QStringLiteral("0");
    Index = 0;
    HasBracket = false;
    NameValid = false;
    IndexValid = true;
    Phrase = text;
    return;
  }
  SetLeftSide(text.left(equal));
  Phrase = text.mid(equal + 1);
}

void TRec::SetLeftSide(const QString &left) {
  using namespace rec_utils;
  HasLeftSide = true;
  Ident = RemoveBlanks(left);
  Name.clear();
  IndexText = QStringLiteral("0");
  Index = 0;
  HasBracket = false;
  NameValid = false;
  IndexValid = false;

  const qsizetype close = Ident.indexOf(QLatin1Char(']'));
  if (Ident.isEmpty() || !IsAsciiLetter(Ident[0]) || (close >= 0 && close != Ident.size() - 1) ||
      Ident.contains(QStringLiteral("[]")))
    return;

  const QString text = CollapseSigns(Ident);
  const qsizetype size = text.size();
  qsizetype pos = 0;
  while (pos < size && IsNameChar(text[pos])) ++pos;
  HasBracket = pos < size && text[pos] == QLatin1Char('[');
  NameValid = pos == size || HasBracket;
  if (!NameValid) {
    HasBracket = false;
    return;
  }
  Name = text.left(pos);
  if (!HasBracket) {
    IndexValid = true;
    return;
  }

  IndexText.clear();
  qsizetype p = pos + 1;
  bool relative = false;
  bool signGiven = false;
  bool malformed = false;
  int sign = 1;
  if (p < size && (text[p] == QLatin1Char('i') || text[p] == QLatin1Char('I'))) {
    relative = true;
    ++p;
    if (p < size && text[p] == QLatin1Char('+')) {
      signGiven = true;
      ++p;
    } else if (p < size && text[p] == QLatin1Char('-')) {
      signGiven = true;
      sign = -1;
      ++p;
    } else if (p == size - 1 && text[p] == QLatin1Char(']') && Kind == rkFormula) {
      // "[i]" is the row itself: the same as no index.
      HasBracket = false;
      IndexText = QStringLiteral("0");
      IndexValid = true;
      return;
    } else {
      malformed = true;
    }
  }
  const qsizetype start = p;
  while (p < size && IsIndexChar(text[p])) ++p;
  IndexText = text.mid(start, p - start);
  bool converted = false;
  const int number = IndexText.toInt(&converted);
  if (converted) {
    Index = sign * number;
  } else {
    IndexText = QStringLiteral("0");
    Index = 0;
  }
  const bool closed = p == size - 1 && text[p] == QLatin1Char(']');
  const bool unsignedDigits =
      converted && !IndexText.contains(QLatin1Char('+')) && !IndexText.contains(QLatin1Char('-'));
  if (malformed || !closed || !unsignedDigits) return;
  IndexValid = Kind == rkConstant ? !relative : relative && signGiven;
}

QString TRec::Definition() const {
  return HasLeftSide ? Ident + QLatin1Char('=') + Phrase : Phrase;
}

QString TRec::DisplayName() const {
  if (!Name.isEmpty()) return Name;
  if (!Ident.isEmpty()) return Ident;
  return Phrase;
}

QString TRec::ValueCell() const { return Phrase.isEmpty() ? ValueText : QLatin1Char('=') + Phrase; }

}  // namespace kolibra::formulas
