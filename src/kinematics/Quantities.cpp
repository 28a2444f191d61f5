#include "kinematics/Quantities.h"

#include <QCoreApplication>

namespace kolibra::kinematics {

namespace quantities_impl {

constexpr const char *TranslationContext = "Quantities";

struct TQuantityTexts {
  const char *Symbol;
  const char *Unit;
  const char *Name;
};

// Indexed by kind; the unused kinds 9 and 10 have no texts.
constexpr TQuantityTexts Texts[QuantityKindCount] = {
    {"t", "s", "time"},
    {"x", "m", "Abscissa"},
    {"y", "m", "Ordinates"},
    {"vx", "m/s", "x-component of velocity"},
    {"vy", "m/s", "y-component of velocity"},
    {"v", "m/s", "Value of velocity"},
    {"ax", "m/s²", "x-component of acceleration"},
    {"ay", "m/s²", "y-component of acceleration"},
    {"a", "m/s²", "Value of acceleration"},
    {nullptr, nullptr, nullptr},
    {nullptr, nullptr, nullptr},
    {"O", "rad", "Angular coordinate"},
    {"R", "m", "Radial coordinate"},
    {"w", "rad/s", "Angular velocity value"},
    {"px", "kg·m/s", "x-component of momentum"},
    {"py", "kg·m/s", "y-component of momentum"},
    {"p", "kg·m/s", "Value of momentum"},
    {"Ek", "J", "Kinetic energy"},
    {"Ep", "J", "Potential energy of weight"},
    {"Em", "J", "Mechanical energy"},
};

QString Translated(const char *text) {
  return text == nullptr ? QString() : QCoreApplication::translate(TranslationContext, text);
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

QString CentreOfMassName() { return quantities_impl::Translated("centre of mass"); }

QString TotalsName() { return quantities_impl::Translated("total"); }

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
