#include "modelling/Modeleur.h"

#include "kit/Locale.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <cmath>

namespace kolibra::modelling {

namespace modeleur_impl {

constexpr int Grip = 10;       // width of the grip strip
constexpr int Margin = 6;
constexpr int ButtonSize = 15;
constexpr int ButtonGap = 2;
constexpr int ColumnGap = 10;

const QColor Background(255, 255, 225);
const QColor Frame(128, 128, 128);
const QColor EquationColor(0, 0, 160);
const QColor ErrorColor(96, 96, 96);

QString ErrorText(const TDoubleDynArray &errors, size_t i) {
  if (i >= errors.size() || !std::isfinite(errors[i])) return QString();
  return QStringLiteral("± ") + GeneralFormat(errors[i], 2);
}

// One or two small triangles pointing left (decrease) or right (increase).
void DrawGlyph(QPainter &canvas, const QRect &r, int button) {
  const bool right = button >= mbIncrease;
  const bool twice = button == mbDecreaseFast || button == mbIncreaseFast;
  const int cy = r.center().y();
  const int half = 3;
  const auto triangle = [&](int cx) {
    QPolygon t;
    if (right)
      t << QPoint(cx - 2, cy - half) << QPoint(cx + 2, cy) << QPoint(cx - 2, cy + half);
    else
      t << QPoint(cx + 2, cy - half) << QPoint(cx - 2, cy) << QPoint(cx + 2, cy + half);
    canvas.drawPolygon(t);
  };
  const int cx = r.center().x();
  if (twice) {
    triangle(cx - 2);
    triangle(cx + 3);
  } else {
    triangle(cx);
  }
}

}  // namespace modeleur_impl

TModeleur::TModeleur() : Font(QStringLiteral("Arial"), 9) {}

double TModeleur::NudgedValue(double v, int button, bool ctrl) {
  const double slow = ctrl ? 1.002 : 1.02;
  double factor = 1.0;
  switch (button) {
    case mbDecreaseFast:
      factor = 1.0 / 1.1;
      break;
    case mbDecrease:
      factor = 1.0 / slow;
      break;
    case mbIncrease:
      factor = slow;
      break;
    case mbIncreaseFast:
      factor = 1.1;
      break;
    default:
      return v;
  }
  // A value at or below zero moves the other way, so "increase" always moves it up.
  return v > 0.0 ? v * factor : v / factor;
}

QString TModeleur::ButtonHint(int button) {
  static const char *const hints[] = {
      QT_TRANSLATE_NOOP("TModeleur", "Decrease value rapidly"),
      QT_TRANSLATE_NOOP("TModeleur",
                        "Decrease value; press CTRL at the same time to slow down the progression"),
      QT_TRANSLATE_NOOP("TModeleur",
                        "Increase value; press CTRL at the same time to slow down the progression"),
      QT_TRANSLATE_NOOP("TModeleur", "Increase value rapidly"),
  };
  if (button < 0 || button > 3) return QString();
  return QCoreApplication::translate("TModeleur", hints[button]);
}

void TModeleur::SetContent(const QStringList &Texts, const TDoubleDynArray &Values,
                           const TDoubleDynArray &Errors, bool Editable, const QStringList &Stats,
                           bool ShowEquation, bool ShowStats, const QStringList &Extra) {
  FTexts = Texts;
  FValues = Values;
  FErrors = Errors;
  FEditable = Editable;
  FStats = Stats;
  FShowEquation = ShowEquation;
  FShowStats = ShowStats;
  FExtra = Extra;
  Layout();
}

void TModeleur::Layout() {
  using namespace modeleur_impl;
  const QFontMetrics metrics(Font);
  FLineHeight = std::max(metrics.height() + 2, ButtonSize + 2);
  int width = 0, height = Margin;
  if (FShowEquation) {
    if (!FTexts.isEmpty()) width = std::max(width, metrics.horizontalAdvance(FTexts[0]));
    height += FLineHeight * int(1 + FExtra.size());
    for (const QString &line : FExtra) width = std::max(width, metrics.horizontalAdvance(line));
    FValueTop = height;
    FValueWidth = 0;
    FErrorWidth = 0;
    for (size_t i = 0; i < FValues.size(); ++i) {
      FValueWidth = std::max(FValueWidth, metrics.horizontalAdvance(FTexts.value(int(i) + 1)));
      FErrorWidth = std::max(FErrorWidth, metrics.horizontalAdvance(ErrorText(FErrors, i)));
    }
    FButtonsLeft = Grip + Margin + FValueWidth + ColumnGap + (FErrorWidth > 0 ? FErrorWidth + ColumnGap : 0);
    const int buttons = FEditable ? 4 * ButtonSize + 3 * ButtonGap : 0;
    width = std::max(width, FButtonsLeft - Grip - Margin + buttons);
    height += FLineHeight * int(FValues.size());
  }
  if (FShowStats)
    for (const QString &line : FStats) {
      width = std::max(width, metrics.horizontalAdvance(line));
      height += FLineHeight;
    }
  FSize = QSize(Grip + 2 * Margin + width, height + Margin);
}

QRect TModeleur::Bounds() const { return QRect(Position, FSize); }

QRect TModeleur::ButtonRect(int row, int button) const {
  using namespace modeleur_impl;
  const int x = Position.x() + FButtonsLeft + button * (ButtonSize + ButtonGap);
  const int y = Position.y() + FValueTop + row * FLineHeight + (FLineHeight - ButtonSize) / 2;
  return QRect(x, y, ButtonSize, ButtonSize);
}

int TModeleur::ButtonAt(QPoint Point) const {
  if (!Visible || !FShowEquation || !FEditable) return -1;
  for (int row = 0; row < int(FValues.size()); ++row)
    for (int button = 0; button < 4; ++button)
      if (ButtonRect(row, button).contains(Point)) return row * 4 + button;
  return -1;
}

QString TModeleur::HintAt(QPoint Point) const {
  const int at = ButtonAt(Point);
  return at < 0 ? QString() : ButtonHint(at % 4);
}

void TModeleur::Paint(QPainter &Canvas) const {
  using namespace modeleur_impl;
  if (!Visible) return;
  Canvas.save();
  Canvas.setRenderHint(QPainter::Antialiasing, false);
  const QRect bounds = Bounds();
  Canvas.setPen(Frame);
  Canvas.setBrush(Background);
  Canvas.drawRect(bounds.adjusted(0, 0, -1, -1));
  // The grip: two columns of dots.
  Canvas.setPen(Frame);
  for (int y = bounds.top() + 5; y < bounds.bottom() - 4; y += 3) {
    Canvas.drawPoint(bounds.left() + 3, y);
    Canvas.drawPoint(bounds.left() + 6, y);
  }
  Canvas.setFont(Font);
  const QFontMetrics metrics(Font);
  const int left = bounds.left() + Grip + Margin;
  int top = bounds.top() + Margin;
  const auto text = [&](int x, int y, const QString &s, const QColor &colour) {
    Canvas.setPen(colour);
    Canvas.drawText(QRect(x, y, bounds.right() - x, FLineHeight), Qt::AlignLeft | Qt::AlignVCenter, s);
  };
  if (FShowEquation) {
    text(left, top, FTexts.value(0), EquationColor);
    top += FLineHeight;
    for (const QString &line : FExtra) {
      text(left, top, line, ErrorColor);
      top += FLineHeight;
    }
    for (size_t i = 0; i < FValues.size(); ++i) {
      text(left, top, FTexts.value(int(i) + 1), Qt::black);
      text(left + FValueWidth + ColumnGap, top, ErrorText(FErrors, i), ErrorColor);
      if (FEditable)
        for (int button = 0; button < 4; ++button) {
          const QRect r = ButtonRect(int(i), button);
          Canvas.setPen(QColor(160, 160, 160));
          Canvas.setBrush(QColor(245, 245, 235));
          Canvas.drawRect(r.adjusted(0, 0, -1, -1));
          Canvas.setPen(Qt::NoPen);
          Canvas.setBrush(QColor(40, 40, 40));
          DrawGlyph(Canvas, r, button);
        }
      top += FLineHeight;
    }
  }
  if (FShowStats)
    for (const QString &line : FStats) {
      text(left, top, line, Qt::black);
      top += FLineHeight;
    }
  Canvas.restore();
}

bool TModeleur::MouseDown(QPoint Point, bool Ctrl) {
  if (!Contains(Point)) return false;
  const int at = ButtonAt(Point);
  if (at >= 0) {
    const int index = at / 4;
    const double value = NudgedValue(FValues[size_t(index)], at % 4, Ctrl);
    FValues[size_t(index)] = value;
    if (OnValueChange) OnValueChange(index, value);
    return true;
  }
  // Anywhere else on the panel drags it.
  GripDragging = true;
  GripOffset = Point - Position;
  return true;
}

bool TModeleur::MouseMove(QPoint Point) {
  if (!GripDragging) return Contains(Point);
  Position = Point - GripOffset;
  return true;
}

bool TModeleur::MouseUp(QPoint Point) {
  if (!GripDragging) return Contains(Point);
  Position = Point - GripOffset;
  GripDragging = false;
  return true;
}

}  // namespace kolibra::modelling
