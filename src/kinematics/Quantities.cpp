#include "kinematics/Quantities.h"

#include "kit/Texts.h"

#include <QCoreApplication>

namespace kolibra::kinematics {

namespace quantities_impl {

struct TQuantityTexts {
  const char *Symbol;
  const char *Unit;
  const char *Name;
};

// Indexed by kind; the unused kinds 9 and 10 have no texts.
constexpr TQuantityTexts Texts[QuantityKindCount] = {
    {QT_TRANSLATE_NOOP("QuantitiesText", "t"), QT_TRANSLATE_NOOP("QuantitiesText", "s"),
     QT_TRANSLATE_NOOP("QuantitiesText", "time")},
    {QT_TRANSLATE_NOOP("QuantitiesText", "x"), QT_TRANSLATE_NOOP("QuantitiesText", "m"),
     QT_TRANSLATE_NOOP("QuantitiesText", "Abscissa")},
    {QT_TRANSLATE_NOOP("QuantitiesText", "y"), QT_TRANSLATE_NOOP("QuantitiesText", "m"),
     QT_TRANSLATE_NOOP("QuantitiesText", "Ordinates")},
    {QT_TRANSLATE_NOOP("QuantitiesText", "vx"), QT_TRANSLATE_NOOP("QuantitiesText", "m/s"),
     QT_TRANSLATE_NOOP("QuantitiesText", "x-component of velocity")},
    {QT_TRANSLATE_NOOP("QuantitiesText", "vy"), QT_TRANSLATE_NOOP("QuantitiesText", "m/s"),
     QT_TRANSLATE_NOOP("QuantitiesText", "y-component of velocity")},
    {QT_TRANSLATE_NOOP("QuantitiesText", "v"), QT_TRANSLATE_NOOP("QuantitiesText", "m/s"),
     QT_TRANSLATE_NOOP("QuantitiesText", "Value of velocity")},
    {QT_TRANSLATE_NOOP("QuantitiesText", "ax"), QT_TRANSLATE_NOOP("QuantitiesText", "m/s²"),
     QT_TRANSLATE_NOOP("QuantitiesText", "x-component of acceleration")},
    {QT_TRANSLATE_NOOP("QuantitiesText", "ay"), QT_TRANSLATE_NOOP("QuantitiesText", "m/s²"),
     QT_TRANSLATE_NOOP("QuantitiesText", "y-component of acceleration")},
    {QT_TRANSLATE_NOOP("QuantitiesText", "a"), QT_TRANSLATE_NOOP("QuantitiesText", "m/s²"),
     QT_TRANSLATE_NOOP("QuantitiesText", "Value of acceleration")},
    {nullptr, nullptr, nullptr},
    {nullptr, nullptr, nullptr},
    {QT_TRANSLATE_NOOP("QuantitiesText", "O"), QT_TRANSLATE_NOOP("QuantitiesText", "rad"),
     QT_TRANSLATE_NOOP("QuantitiesText", "Angular coordinate")},
    {QT_TRANSLATE_NOOP("QuantitiesText", "R"), QT_TRANSLATE_NOOP("QuantitiesText", "m"),
     QT_TRANSLATE_NOOP("QuantitiesText", "Radial coordinate")},
    {QT_TRANSLATE_NOOP("QuantitiesText", "w"), QT_TRANSLATE_NOOP("QuantitiesText", "rad/s"),
     QT_TRANSLATE_NOOP("QuantitiesText", "Angular velocity value")},
    {QT_TRANSLATE_NOOP("QuantitiesText", "px"), QT_TRANSLATE_NOOP("QuantitiesText", "kg·m/s"),
     QT_TRANSLATE_NOOP("QuantitiesText", "x-component of momentum")},
    {QT_TRANSLATE_NOOP("QuantitiesText", "py"), QT_TRANSLATE_NOOP("QuantitiesText", "kg·m/s"),
     QT_TRANSLATE_NOOP("QuantitiesText", "y-component of momentum")},
    {QT_TRANSLATE_NOOP("QuantitiesText", "p"), QT_TRANSLATE_NOOP("QuantitiesText", "kg·m/s"),
     QT_TRANSLATE_NOOP("QuantitiesText", "Value of momentum")},
    {QT_TRANSLATE_NOOP("QuantitiesText", "Ek"), QT_TRANSLATE_NOOP("QuantitiesText", "J"),
     QT_TRANSLATE_NOOP("QuantitiesText", "Kinetic energy")},
    {QT_TRANSLATE_NOOP("QuantitiesText", "Ep"), QT_TRANSLATE_NOOP("QuantitiesText", "J"),
     QT_TRANSLATE_NOOP("QuantitiesText", "Potential energy of weight")},
    {QT_TRANSLATE_NOOP("QuantitiesText", "Em"), QT_TRANSLATE_NOOP("QuantitiesText", "J"),
     QT_TRANSLATE_NOOP("QuantitiesText", "Mechanical energy")},
};

QString Translated(const char *text) {
  return text == nullptr ? QString() : QuantitiesText::tr(text);
}

}  // namespace quantities_impl

bool IsQuantityKind(int kind) { return kind >= 0 && kind < QuantityKindCount && kind != 9 && kind != 10; }

bool HasTwoFrames(int kind) {
  switch (kind) {
    case qkX:
    case qkY:
    case qkVx:
    case qkVy:
    case qkAx:
    case qkAy:
    case qkPx:
    case qkPy:
    case qkEp:
    case qkEm:
      return true;
    default:
      return false;
  }
}

int DerivativeOrder(int kind) {
  if (kind >= qkVx && kind <= qkV) return 1;
  if (kind == qkPx || kind == qkPy || kind == qkP || kind == qkEk || kind == qkEm) return 1;
  if (kind >= qkAx && kind <= qkA) return 2;
  return 0;
}

bool IsDynamicKind(int kind) { return kind >= qkPx && kind <= qkEm; }

QString QuantitySymbol(int kind) {
  return IsQuantityKind(kind) ? quantities_impl::Translated(quantities_impl::Texts[kind].Symbol) : QString();
}

QString QuantityUnit(int kind) {
  return IsQuantityKind(kind) ? quantities_impl::Translated(quantities_impl::Texts[kind].Unit) : QString();
}

QString QuantityName(int kind) {
  return IsQuantityKind(kind) ? quantities_impl::Translated(quantities_impl::Texts[kind].Name) : QString();
}

QString ObjectSymbolSuffix(int object, int objects, int centre, int totals) {
  if (object >= 0 && object == centre) return QStringLiteral("G");
  if (object >= 0 && object == totals) return QStringLiteral("tot");
  return objects > 1 ? QString::number(object + 1) : QString();
}

QString CentreOfMassName() {
  return quantities_impl::Translated(QT_TRANSLATE_NOOP("QuantitiesText", "centre of mass"));
}

QString TotalsName() {
  return quantities_impl::Translated(QT_TRANSLATE_NOOP("QuantitiesText", "total"));
}

TColor QuantityColor(int kind) {
  const TQuantitySet bit = QuantityBit(kind);
  if (bit & qsCoordinates) return TColor(0xFFF8F8);
  if (bit & qsVelocity) return TColor(0xFAF8FF);
  if (bit & qsAcceleration) return TColor(0xF0F8FF);
  if (bit & qsPolar) return TColor(0xF5F5F5);
  if (bit & qsMomentum) return TColor(0xF8FFF0);
  if (bit & qsEnergy) return TColor(0xFFFCE8);
  return colors::clWhite;
}

}  // namespace kolibra::kinematics
