#include "results/Axe.h"

#include "kit/Locale.h"
#include "kit/MathUtils.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace kolibra::results {

namespace axe_impl {

const QColor LabelColor(20, 20, 100);
const QColor GridColor(128, 128, 128);
const QColor TitleColor(0, 0, 255);
constexpr int MaxExtraDecimals = 12;

QString Label(double value, bool scientific, int decimals, int extra) {
  QString text = scientific ? ScientificNotation(value, 3 + extra, 1) : FixedNotation(value, 4 + extra, decimals + extra);
  text.replace(QLatin1Char('.'), DecimalSeparator());
  return text;
}

}  // namespace axe_impl

QFont GraphFont(int pointSize, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(std::max(1, RoundClamped(pointSize * 96.0 / 72.0)));
  font.setBold(bold);
  return font;
}

TAxisTicks AxisTicks(double min, double max) {
  using namespace axe_impl;
  TAxisTicks ticks;
  double first = 0.0, last = 0.0, step = 0.0;
  int count = 0;
  AxisGraduation(min, max, first, last, step, count);
  if (!(step > 0.0) || !std::isfinite(step)) return ticks;
  ticks.Step = step;
  ticks.First = first;
  const int n = std::max(0, RoundClamped((last - first) / step) + 1);
  for (int i = 0; i < n && i < 1000; ++i) {
    double v = first + i * step;
    if (i > 0 && std::fabs(v) * 1048576.0 < step) v = 0.0;  // 2^20
    ticks.Values.push_back(v);
  }
  const double m = std::max(std::fabs(max), std::fabs(min));
  const bool scientific = m >= 10000.0 || m <= 0.1;
  const int decimals = m >= 1000.0 ? 0 : m >= 100.0 ? 1 : m >= 10.0 ? 2 : 3;
  // A narrow range round a large value would repeat its labels: add decimals until
  // neighbours differ.
  for (int extra = 0; extra <= MaxExtraDecimals; ++extra) {
    ticks.Labels.clear();
    bool repeated = false;
    for (double v : ticks.Values) {
      ticks.Labels << Label(v, scientific, decimals, extra);
      if (ticks.Labels.size() > 1 && ticks.Labels.last() == ticks.Labels[ticks.Labels.size() - 2]) repeated = true;
    }
    if (!repeated) break;
  }
  return ticks;
}

TAxe::TAxe(bool vertical) : Vertical(vertical) {}

void TAxe::Draw(QPainter &canvas, int plotWidth, int plotHeight) {
  using namespace axe_impl;
  const double range = Max - Min;
  if (!Visible || NbSubTicks == 0 || IsNearZero(range) || !std::isfinite(range)) return;
  canvas.save();
  canvas.setRenderHint(QPainter::Antialiasing, false);
  canvas.fillRect(Band, Color.ToQColor());
  const TAxisTicks ticks = AxisTicks(Min, Max);
  NbTicks = int(ticks.Values.size());
  if (NbTicks == 0) {
    canvas.restore();
    return;
  }
  // Position of a value along the axis, in control pixels.
  const auto at = [&](double v) {
    return Vertical ? RoundClamped((1.0 - (v - Min) / range) * plotHeight + FromTop)
                    : RoundClamped(plotWidth * (v - Min) / range + FromLeft);
  };
  const int plotRight = FromLeft + plotWidth, plotBottom = FromTop + plotHeight;
  const auto inRange = [&](double v) { return v >= Min - 1e-9 * std::fabs(range) && v <= Max + 1e-9 * std::fabs(range); };

  // Grid lines and the zero line across the plot.
  QPen grid(GridColor, 1, Qt::DotLine);
  canvas.setPen(grid);
  for (double v : ticks.Values) {
    if (!inRange(v)) continue;
    const int p = at(v);
    if (Vertical)
      canvas.drawLine(FromLeft, p, plotRight, p);
    else
      canvas.drawLine(p, FromTop, p, plotBottom);
  }
  if (Min < 0.0 && Max > 0.0) {
    canvas.setPen(QPen(GridColor, 3, Qt::SolidLine, Qt::FlatCap));
    const int p = at(0.0);
    if (Vertical)
      canvas.drawLine(FromLeft, p, plotRight, p);
    else
      canvas.drawLine(p, FromTop, p, plotBottom);
  }

  // Ticks: major ones 4 px, minor ones 3 px, into the margin; minor ones only inside the
  // range (starting one interval before the first label).
  const auto tick = [&](double v, int size, const QColor &colour) {
    canvas.setPen(QPen(colour, 1));
    const int p = at(v);
    if (Vertical)
      canvas.drawLine(FromLeft - size, p, FromLeft - 1, p);
    else
      canvas.drawLine(p, Band.top(), p, Band.top() + size - 1);
  };
  for (int i = -1; i < NbTicks; ++i)
    for (int k = 1; k < NbSubTicks; ++k) {
      const double v = ticks.First + (i + double(k) / NbSubTicks) * ticks.Step;
      if (inRange(v)) tick(v, 3, GridColor);
    }
  for (double v : ticks.Values)
    if (inRange(v)) tick(v, 4, Qt::black);

  // Labels.
  canvas.setFont(GraphFont(10));
  canvas.setPen(LabelColor);
  const QFontMetrics metrics(canvas.font());
  for (int i = 0; i < NbTicks; ++i) {
    const double v = ticks.Values[size_t(i)];
    if (!inRange(v)) continue;
    const QString &text = ticks.Labels[i];
    const int p = at(v);
    const int w = metrics.horizontalAdvance(text), h = metrics.height();
    if (Vertical) {
      const QRect box(FromLeft - 6 - w, p - h / 2, w, h);
      if (box.top() < Band.top() || box.bottom() > Band.bottom()) continue;
      canvas.drawText(box, Qt::AlignRight | Qt::AlignVCenter, text);
    } else {
      const QRect box(p - w / 2, Band.top() + 6, w, h);
      if (box.right() >= plotRight) break;
      canvas.drawText(box, Qt::AlignCenter, text);
    }
  }
  DrawTitle(canvas, plotWidth, plotHeight);
  canvas.restore();
}

void TAxe::DrawTitle(QPainter &canvas, int plotWidth, int plotHeight) const {
  using namespace axe_impl;
  if (Titre.isEmpty()) return;
  const auto fontOf = [](int line) { return line == 0 ? GraphFont(14, true) : GraphFont(12); };
  if (Vertical) {
    // Turned a quarter counter-clockwise, reading upwards, the first line nearest the edge.
    const int spanStart = Band.bottom() - 14, spanEnd = FromTop + 14;  // bottom, top
    const int span = std::max(0, spanStart - spanEnd);
    int x = TitreFromEdge;
    for (int line = 0; line < Titre.size(); ++line) {
      const QFont font = fontOf(line);
      const QFontMetrics metrics(font);
      QString text = Titre[line];
      int w = metrics.horizontalAdvance(text);
      int y = (spanStart + spanEnd) / 2 + w / 2;
      if (w > span) {
        text = metrics.elidedText(text, Qt::ElideRight, span);
        w = metrics.horizontalAdvance(text);
        y = spanStart;
      }
      canvas.save();
      canvas.setFont(font);
      canvas.setPen(line == 0 ? TitleColor : QColor(Qt::black));
      canvas.translate(x, y);
      canvas.rotate(-90.0);
      canvas.drawText(QRect(0, 0, w + 2, metrics.height()), Qt::AlignLeft | Qt::AlignTop, text);
      canvas.restore();
      x += metrics.height() + 2;
    }
    return;
  }
  // Stacked upwards from the band's bottom, the last line first.
  const int left = FromLeft + 12, span = std::max(0, plotWidth - 24);
  int bottom = Band.bottom() + 1 - TitreFromEdge;
  for (int line = int(Titre.size()) - 1; line >= 0; --line) {
    const QFont font = fontOf(line);
    const QFontMetrics metrics(font);
    QString text = Titre[line];
    int w = metrics.horizontalAdvance(text);
    int x = left + (span - w) / 2;
    if (w > span) {
      text = metrics.elidedText(text, Qt::ElideRight, span);
      w = metrics.horizontalAdvance(text);
      x = left;
    }
    canvas.setFont(font);
    canvas.setPen(line == 0 ? TitleColor : QColor(Qt::black));
    canvas.drawText(QRect(x, bottom - metrics.height(), w + 2, metrics.height()), Qt::AlignLeft | Qt::AlignTop, text);
    bottom -= metrics.height() + 2;
  }
}

}  // namespace kolibra::results
