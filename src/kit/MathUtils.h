#pragma once
// Numeric and geometry utilities shared by every subsystem (being written).

#include "kit/Types.h"

#include <QString>

namespace kolibra {

// Clamps x to [-2147483647, 2147483647] and rounds halves to even.
int RoundClamped(double x);

// Replaces every "," and "." in s by the regional decimal separator.
QString LocalizeDecimal(const QString &s);

}  // namespace kolibra
