// Normalisation and scanning: from the formula text to the flat element list.

#include "formulas/Parser.h"
#include "kit/Locale.h"

#include <numbers>

namespace kolibra::formulas {

namespace parser_scan {

constexpr char16_t DivisionSign = 0x00F7;  // "÷", typed by the formula keyboard
constexpr char16_t SquaredSign = 0x00B2;   // "²" and "³" may end a name, as in "m²"
constexpr char16_t CubedSign = 0x00B3;

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool IsFunctionLetter(QChar c) {
  return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
         (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

bool IsNameLetter(QChar c) {
  return IsFunctionLetter(c) || c == QLatin1Char('_') || c.unicode() == SquaredSign ||
         c.unicode() == CubedSign;
}

struct TFunctionName {
  const char *Name;
  TElemKind Kind;
};

// Tried in this order; a name is a function only when "(" follows it directly.
constexpr TFunctionName FunctionNames[] = {
    {"SIN", ekSin},       {"COS", ekCos},       {"TAN", ekTan}, {"ARCSIN", ekArcSin},
    {"ARCCOS", ekArcCos}, {"ARCTAN", ekArcTan}, {"LN", ekLn},   {"LOG", ekLog},
    {"EXP", ekExp},       {"ABS", ekAbs},       {"SQRT", ekSqrt},
};

}  // namespace parser_scan

QString NormaliseFormula(const QString &formula) {
  const QString divide{QChar(parser_scan::DivisionSign)};
  const QString rewrites[][2] = {
      {QStringLiteral(";+"), QStringLiteral(";")}, {QStringLiteral("+-"), QStringLiteral("-")},
      {QStringLiteral("-+"), QStringLiteral("-")}, {QStringLiteral("--"), QStringLiteral("+")},
      {QStringLiteral("++"), QStringLiteral("+")}, {QStringLiteral("*+"), QStringLiteral("*")},
      {QStringLiteral("/+"), QStringLiteral("/")}, {divide + QLatin1Char('+'), divide},
      {QStringLiteral("^+"), QStringLiteral("^")},
  };
  QString text = formula;
  for (;;) {
    const qsizetype before = text.size();
    for (const auto &rewrite : rewrites) text.replace(rewrite[0], rewrite[1]);
    if (text.size() >= before) break;
  }

  // A sign opening the text or a bracket: "+" is dropped, "-" becomes a subtraction from 0.
  QString out;
  out.reserve(text.size() + 8);
  for (const QChar c : text) {
    const bool opening = out.isEmpty() || out.back() == QLatin1Char('(');
    if (opening && c == QLatin1Char('+')) continue;
    if (opening && c == QLatin1Char('-')) out += QLatin1Char('0');
    out += c;
  }
  return out;
}

void TParser::Parse() {
  ParseFailure = true;
  Code = peNone;
  Arg.clear();
  Elems.clear();
  Names.clear();
  // Checked before normalising, whose passes cost more the longer the text.
  if (Source.size() > MaxFormulaLength) {
    Fail(peTooLong, QString::number(MaxFormulaLength));
    return;
  }
  Normalised = NormaliseFormula(Source);

  const QChar separator = DecimalSeparator();
  const int length = int(Normalised.size());
  int pos = 0;
  int depth = 0;
  while (pos < length) {
    TElemPile elem;
    elem.Level = depth;
    const QChar c = Normalised.at(pos);
    bool scanned;
    if (parser_scan::IsDigit(c) || c == separator)
      scanned = ScanNumber(pos, elem);
    else if (!parser_scan::IsNameLetter(c))
      scanned = ScanSymbol(pos, depth, elem);
    else
      scanned = ScanName(pos, elem);
    if (!scanned) return;
    Elems.push_back(std::move(elem));
  }

  if (depth > 0) {
    Fail(peUnclosedBracket);
  } else if (depth < 0) {
    Fail(peUnopenedBracket);
  } else if (Elems.empty()) {
    Fail(peEmptyFormula);
  } else {
    ParseFailure = false;
  }
}

bool TParser::ScanNumber(int &pos, TElemPile &elem) {
  const QString &text = Normalised;
  const int length = int(text.size());
  const QChar separator = DecimalSeparator();
  QString number;
  bool afterSeparator = false;
  while (pos < length && (parser_scan::IsDigit(text.at(pos)) || text.at(pos) == separator)) {
    const bool isSeparator = text.at(pos) == separator;
    if (isSeparator && afterSeparator) {
      Fail(peBadNumber, number + separator);
      return false;
    }
    afterSeparator = isSeparator;
    number += text.at(pos++);
  }
  if (pos < length && (text.at(pos) == QLatin1Char('E') || text.at(pos) == QLatin1Char('e'))) {
    number += QLatin1Char('E');
    ++pos;
    if (pos < length && (text.at(pos) == QLatin1Char('+') || text.at(pos) == QLatin1Char('-')))
      number += text.at(pos++);
    if (pos >= length || !parser_scan::IsDigit(text.at(pos))) {
      Fail(peBadNumber, number);
      return false;
    }
    while (pos < length && parser_scan::IsDigit(text.at(pos))) number += text.at(pos++);
  }
  double value = 0.0;
  if (!TextToReal(number, value)) {
    Fail(peBadNumber, number);
    return false;
  }
  elem.Kind = ekNumber;
  elem.Value = value;
  elem.Text = number;
  return true;
}

bool TParser::ScanSymbol(int &pos, int &depth, TElemPile &elem) {
  const QString &text = Normalised;
  const int length = int(text.size());
  const QChar c = text.at(pos);
  switch (c.unicode()) {
    case u'(': elem.Kind = ekOpen; break;
    case u')': elem.Kind = ekClose; break;
    case u'*': elem.Kind = ekMultiply; break;
    case u'+': elem.Kind = ekPlus; break;
    case u'-': elem.Kind = ekMinus; break;
    case u'/': elem.Kind = ekDivide; break;
    case parser_scan::DivisionSign: elem.Kind = ekDivide; break;
    case u';': elem.Kind = ekSemicolon; break;
    case u'^': elem.Kind = ekPower; break;
    default: {
      // A character outside the language; a surrogate pair is one character to the user.
      const bool pair = c.isHighSurrogate() && pos + 1 < length && text.at(pos + 1).isLowSurrogate();
      Fail(peBadCharacter, text.mid(pos, pair ? 2 : 1));
      return false;
    }
  }
  elem.Text = c;
  ++pos;
  switch (elem.Kind) {
    case ekOpen:
      if (++depth > MaxBracketDepth) {
        Fail(peTooDeep, QString::number(MaxBracketDepth));
        return false;
      }
      elem.Level = depth;
      break;
    case ekClose:
      --depth;  // the bracket keeps the depth it closes
      break;
    case ekMultiply:
    case ekDivide:
    case ekSemicolon:
    case ekPower:
      if (pos < length - 1 && text.at(pos) == QLatin1Char('-')) {
        elem.Negate = true;
        ++pos;
      }
      break;
    default:
      break;
  }
  return true;
}

bool TParser::ScanName(int &pos, TElemPile &elem) {
  const QString &text = Normalised;
  const int length = int(text.size());

  int end = pos;
  while (end < length && parser_scan::IsFunctionLetter(text.at(end))) ++end;
  const QString letters = text.mid(pos, end - pos);
  if (letters.compare(QLatin1String("pi"), Qt::CaseInsensitive) == 0) {
    elem.Kind = ekNumber;
    elem.Value = std::numbers::pi;
    elem.Text = letters;
    pos = end;
    return true;
  }
  if (end < length && text.at(end) == QLatin1Char('(')) {
    for (const parser_scan::TFunctionName &function : parser_scan::FunctionNames) {
      if (letters.compare(QLatin1String(function.Name), Qt::CaseInsensitive) == 0) {
        elem.Kind = function.Kind;
        elem.Text = letters;
        pos = end;
        return true;
      }
    }
  }

  end = pos;
  while (end < length &&
         (parser_scan::IsNameLetter(text.at(end)) || parser_scan::IsDigit(text.at(end))))
    ++end;
  elem.Text = text.mid(pos, end - pos);
  pos = end;
  if (pos < length && text.at(pos) == QLatin1Char('[')) {
    elem.HasIndex = true;
    elem.IsAbsolute = true;
    ++pos;
    if (pos < length && (text.at(pos) == QLatin1Char('i') || text.at(pos) == QLatin1Char('I'))) {
      elem.IsAbsolute = false;
      ++pos;
    }
    bool negative = false;
    if (pos < length && (text.at(pos) == QLatin1Char('+') || text.at(pos) == QLatin1Char('-'))) {
      negative = text.at(pos) == QLatin1Char('-');
      ++pos;
    }
    const int digitsStart = pos;
    while (pos < length && parser_scan::IsDigit(text.at(pos))) ++pos;
    const bool hasDigits = pos > digitsStart;
    if (hasDigits) {
      bool converted = false;
      const int index = text.mid(digitsStart, pos - digitsStart).toInt(&converted);
      if (!converted) {
        Fail(peBadIndex, elem.Text);
        return false;
      }
      elem.Index = negative ? -index : index;
    }
    if (pos >= length || text.at(pos) != QLatin1Char(']')) {
      Fail(peUnclosedIndex, elem.Text);
      return false;
    }
    ++pos;
    if (elem.IsAbsolute && !hasDigits) {
      Fail(peBadIndex, elem.Text);
      return false;
    }
  }
  return LookUpName(elem);
}

bool TParser::LookUpName(TElemPile &elem) {
  double value = elem.Value;
  bool found = false;
  bool known = false;
  if (OnVariable)
    OnVariable(elem.Text, elem.Index, elem.IsAbsolute, elem.HasIndex, value, found, known);
  if (!found) {
    Fail(peUnknownVariable, elem.Text);
    return false;
  }
  elem.Kind = ekVariable;
  elem.Value = value;
  Names.append(elem.Text);
  return true;
}

}  // namespace kolibra::formulas
