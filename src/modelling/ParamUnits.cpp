#include "modelling/ParamUnits.h"

#include "modelling/ModelFunction.h"

#include <QRegularExpression>
#include <QStringList>

#include <cstdlib>
#include <utility>
#include <vector>

namespace kolibra::modelling {

namespace param_units_impl {

// Symbol -> power; the order of first appearance is kept for the text.
struct TUnit {
  std::vector<std::pair<QString, int>> Powers;

  void Add(const QString &symbol, int power) {
    if (symbol.isEmpty() || power == 0) return;
    for (auto &[s, p] : Powers)
      if (s == symbol) {
        p += power;
        return;
      }
    Powers.emplace_back(symbol, power);
  }
};

const QString Superscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");

QString SuperscriptOf(int n) {
  QString text;
  if (n < 0) text += QChar(0x207B);
  for (QChar digit : QString::number(std::abs(n))) text += Superscripts[digit.digitValue()];
  return text;
}

// One factor: a symbol and its power, "s²", "s⁻¹", "s^2" or "s".
void AddFactor(TUnit &unit, QString factor, int sign) {
  factor = factor.trimmed();
  if (factor.isEmpty() || factor == QLatin1String("1")) return;
  int power = 1;
  if (const qsizetype caret = factor.indexOf(QLatin1Char('^')); caret > 0) {
    bool ok = false;
    const int p = factor.mid(caret + 1).toInt(&ok);
    if (ok) {
      power = p;
      factor.truncate(caret);
    }
  } else {
    qsizetype end = factor.size();
    while (end > 0 && (Superscripts.contains(factor[end - 1]) || factor[end - 1] == QChar(0x207B)))
      --end;
    if (end > 0 && end < factor.size()) {
      const QString sup = factor.mid(end);
      int p = 0;
      for (QChar c : sup)
        if (const qsizetype d = Superscripts.indexOf(c); d >= 0) p = 10 * p + int(d);
      power = sup.startsWith(QChar(0x207B)) ? -p : p;
      factor.truncate(end);
    }
  }
  unit.Add(factor, sign * power);
}

// "m/s²", "kg.m/s", "s⁻¹": factors before the first "/" count up, after it down.
void AddUnit(TUnit &unit, const QString &text, int sign) {
  const QStringList parts = text.split(QLatin1Char('/'));
  for (int i = 0; i < parts.size(); ++i) {
    QString part = parts[i];
    part.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
    for (const QString &factor :
         part.split(QRegularExpression(QStringLiteral("[.·*]")), Qt::SkipEmptyParts))
      AddFactor(unit, factor, i == 0 ? sign : -sign);
  }
}

QString Text(const TUnit &unit) {
  QStringList up, down;
  for (const auto &[symbol, power] : unit.Powers) {
    if (power > 0) up << symbol + (power == 1 ? QString() : SuperscriptOf(power));
    if (power < 0) down << symbol + (power == -1 ? QString() : SuperscriptOf(-power));
  }
  if (up.isEmpty()) {
    QStringList negative;
    for (const auto &[symbol, power] : unit.Powers)
      if (power < 0) negative << symbol + SuperscriptOf(power);
    return negative.join(QChar(0x00B7));
  }
  QString text = up.join(QChar(0x00B7));
  if (down.size() == 1) text += QLatin1Char('/') + down.front();
  if (down.size() > 1) text += QStringLiteral("/(") + down.join(QChar(0x00B7)) + QLatin1Char(')');
  return text;
}

}  // namespace param_units_impl

QString UnitQuotient(const QString &y, const QString &x, int power) {
  using namespace param_units_impl;
  if (x.trimmed().isEmpty()) return QString();
  TUnit unit;
  AddUnit(unit, y, 1);
  for (int i = 0; i < power; ++i) AddUnit(unit, x, -1);
  return Text(unit);
}

namespace {

QString UnitOfParameter(int type, int index, const QString &unitX, const QString &unitY) {
  const QString y = unitY.trimmed();
  const auto perX = [&](int power) {
    return y.isEmpty() ? QString() : UnitQuotient(y, unitX, power);
  };
  const QString rate = UnitQuotient(QString(), unitX, 1);                   // s⁻¹
  const QString pulsation = UnitQuotient(QStringLiteral("rad"), unitX, 1);  // rad/s
  switch (type) {
    case mtConstant:
      return index == 0 ? y : QString();
    case mtProportional:
      return index == 0 ? perX(1) : QString();
    case mtAffine:
      return index == 0 ? y : index == 1 ? perX(1) : QString();
    case mtParabola:
      return index == 0 ? y : index == 1 ? perX(1) : index == 2 ? perX(2) : QString();
    case mtExponential:
      return index <= 1 ? y : index == 2 ? rate : QString();
    case mtSine:
    case mtSineExpDamped:
      switch (index) {
        case 0:
        case 1:
          return y;
        case 2:
          return pulsation;
        case 3:
          return QStringLiteral("rad");
        case 4:
          return type == mtSineExpDamped ? rate : QString();
        default:
          return QString();
      }
    case mtSineLinDamped:
      // The equation of motion's values: y" + r.y + b.Sign(y') = c, then y(0) and y'(0).
      switch (index) {
        case 0:
          return UnitQuotient(QString(), unitX, 2);
        case 1:
        case 2:
          return perX(2);
        case 3:
          return y;
        case 4:
          return perX(1);
        default:
          return QString();
      }
    default:
      return QString();
  }
}

}  // namespace

QString ParameterUnit(int type, int index, const QString &unitX, const QString &unitY) {
  // "1" stands for a pure number.
  const QString unit = UnitOfParameter(type, index, unitX, unitY);
  return unit == QLatin1String("1") ? QString() : unit;
}

}  // namespace kolibra::modelling
