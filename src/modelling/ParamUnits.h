#pragma once
// The units of a model's parameters, from its family and the units of the series it is laid
// over ("m/s" for the slope of y(t) in metres against seconds). Units are read as products
// of powers of their symbols ("m/s²" is m·s⁻²), so that the slope of v(t) in m/s is m/s²
// and the rate of an exponential of t is s⁻¹.

#include <QString>

namespace kolibra::modelling {

// y / x^power ("m", "s", 2: "m/s²"); x^-power when y is empty or "1". Empty when x is empty
// (nothing is known of it) or the result has no dimension.
QString UnitQuotient(const QString &y, const QString &x, int power);

// The unit of a shown parameter (the index of TMdl::GetParams) of a model family
// (TModelType) laid over a series whose abscissa and ordinate are in unitX and unitY ("1"
// for a pure number).
// Empty when it cannot be told (a unit unknown) or the parameter has no dimension.
QString ParameterUnit(int type, int index, const QString &unitX, const QString &unitY);

}  // namespace kolibra::modelling
