// The units of the models' parameters from the units of the series they are laid over.
#include "modelling/ModelFunction.h"
#include "modelling/ParamUnits.h"

#include <gtest/gtest.h>

namespace kolibra::modelling::param_units_test {

TEST(ParamUnits, EachFamilyGivesItsParametersTheirUnits) {
  struct Case {
    int Type, Index;
    const char *X, *Y, *Unit;
  } const cases[] = {
      // y(t) of a throw: y = r + b t + c t², so g = -2 c in m/s².
      {mtParabola, 0, "s", "m", "m"},
      {mtParabola, 1, "s", "m", "m/s"},
      {mtParabola, 2, "s", "m", "m/s²"},
      // The slope of v(t) is an acceleration; of a(t), a jerk.
      {mtAffine, 0, "s", "m/s", "m/s"},
      {mtAffine, 1, "s", "m/s", "m/s²"},
      {mtAffine, 1, "s", "m/s²", "m/s³"},
      {mtProportional, 0, "s", "m", "m/s"},
      {mtConstant, 0, "s", "m/s²", "m/s²"},
      // r + b exp(c t): c is a rate.
      {mtExponential, 1, "s", "m", "m"},
      {mtExponential, 2, "s", "m", "s⁻¹"},
      // r + b sin(c t + d) exp(e t)
      {mtSine, 1, "s", "m", "m"},
      {mtSine, 2, "s", "m", "rad/s"},
      {mtSine, 3, "s", "m", "rad"},
      {mtSineExpDamped, 4, "s", "rad", "s⁻¹"},
      {mtSine, 2, "s", "rad", "rad/s"},
      // y" + r y + b Sign(y') = c, y(0), y'(0)
      {mtSineLinDamped, 0, "s", "m", "s⁻²"},
      {mtSineLinDamped, 1, "s", "m", "m/s²"},
      {mtSineLinDamped, 2, "s", "m", "m/s²"},
      {mtSineLinDamped, 3, "s", "m", "m"},
      {mtSineLinDamped, 4, "s", "m", "m/s"},
      // Against another quantity than time: y(x) in metres has a slope without dimension.
      {mtAffine, 1, "m", "m", ""},
      {mtParabola, 2, "m", "m", "m⁻¹"},
      {mtAffine, 1, "m", "m/s", "s⁻¹"},
      {mtAffine, 1, "m", "J", "J/m"},
      // A pure number, or units not known: nothing made up.
      {mtAffine, 0, "s", "1", ""},
      {mtAffine, 1, "s", "1", "s⁻¹"},
      {mtAffine, 1, "", "m", ""},
      {mtAffine, 1, "s", "", ""},
      {mtParabola, 3, "s", "m", ""},
  };
  for (const Case &c : cases)
    EXPECT_EQ(ParameterUnit(c.Type, c.Index, QString::fromUtf8(c.X), QString::fromUtf8(c.Y)),
              QString::fromUtf8(c.Unit))
        << c.Type << " " << c.Index << " " << c.X << " " << c.Y;
}

TEST(ParamUnits, QuotientsCombinePowers) {
  EXPECT_EQ(UnitQuotient(QStringLiteral("kg.m/s²"), QStringLiteral("s"), 1),
            QStringLiteral("kg·m/s³"));
  EXPECT_EQ(UnitQuotient(QStringLiteral("m^2"), QStringLiteral("m"), 1), QStringLiteral("m"));
  EXPECT_EQ(UnitQuotient(QStringLiteral("m"), QStringLiteral("m/s"), 1), QStringLiteral("s"));
  EXPECT_EQ(UnitQuotient(QStringLiteral("J"), QStringLiteral("m/s"), 2), QStringLiteral("J·s²/m²"));
}

}  // namespace kolibra::modelling::param_units_test
