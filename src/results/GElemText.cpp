#include "results/GElemText.h"

#include "kit/Locale.h"
#include "kit/Texts.h"
#include "measurement/DrawHelpers.h"
#include "results/GraphCanvas.h"

#include <QCoreApplication>

#include <numbers>

namespace kolibra::results::gelem_text {

QString Line(const char *label, double value, const QString &unit) {
  return GElemText::tr(label) + QStringLiteral(" : ") + GeneralFormat(value, 3) + QLatin1Char(' ') +
         unit;
}

QString AngleLine(const char *label, double radians) {
  const double degrees = radians * 180.0 / std::numbers::pi;
  const QChar separator = DecimalSeparator();
  return GElemText::tr(label) + QStringLiteral(" : ") +
         QString::number(degrees, 'f', 1).replace(QLatin1Char('.'), separator) +
         QStringLiteral(" ° (") +
         QString::number(radians, 'f', 3).replace(QLatin1Char('.'), separator) +
         QStringLiteral(" rad)");
}

void SetElementPen(TGraphCanvas &canvas, const TGElem &element) {
  if (element.Selected)
    canvas.SetPen(measurement::DarkenColor(element.Color, 75), 1, true);
  else
    canvas.SetPen(element.Color, element.LineWidth());
}

}  // namespace kolibra::results::gelem_text
