// The modeller panel: the values its buttons make, its layout and hints, its grip, and a
// read-only panel without buttons.
#include "modelling/Modeleur.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <map>
#include <set>

namespace modeleur_test {

using namespace kolibra;
using namespace kolibra::modelling;

TModeleur Panel(bool editable) {
  TModeleur panel;
  panel.Visible = true;
  panel.Position = QPoint(20, 30);
  panel.SetContent({QStringLiteral("Model: x = r + b.t"), QStringLiteral("r = 1.500"), QStringLiteral("b = -2.000")},
                   {1.5, -2.0}, {0.01, std::nan("")}, editable,
                   {QStringLiteral("Margin of error on y-axis: ")}, true, true);
  return panel;
}

// Every button under the panel: code (index * 4 + button) and a point on it.
std::map<int, QPoint> Buttons(const TModeleur &panel) {
  std::map<int, QPoint> buttons;
  const QRect r = panel.Bounds();
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (const int code = panel.ButtonAt(QPoint(x, y)); code >= 0 && !buttons.count(code)) buttons[code] = QPoint(x + 2, y + 2);
  return buttons;
}


TEST(Modeleur, ButtonsMultiplyTheValue) {
  struct TCase {
    double Value;
    int Button;
    bool Ctrl;
    double Expected;
  };
  const TCase cases[] = {
      {2.0, mbDecreaseFast, false, 2.0 / 1.1},  {2.0, mbDecrease, false, 2.0 / 1.02},
      {2.0, mbDecrease, true, 2.0 / 1.002},     {2.0, mbIncrease, false, 2.0 * 1.02},
      {2.0, mbIncrease, true, 2.0 * 1.002},     {2.0, mbIncreaseFast, false, 2.2},
      {-2.0, mbIncreaseFast, false, -2.0 / 1.1}, {-2.0, mbDecreaseFast, false, -2.2},
      {-2.0, mbIncrease, false, -2.0 / 1.02},   {0.0, mbIncreaseFast, false, 0.0},
      {0.0, mbDecrease, true, 0.0},
  };
  for (const TCase &c : cases)
    EXPECT_DOUBLE_EQ(TModeleur::NudgedValue(c.Value, c.Button, c.Ctrl), c.Expected) << c.Value << " " << c.Button;
  EXPECT_NEAR(TModeleur::NudgedValue(-2.0, mbIncreaseFast, false), -1.818, 1e-3);
}

TEST(Modeleur, PressingAButtonReportsTheNewValue) {
  TModeleur panel = Panel(true);
  const auto buttons = Buttons(panel);
  ASSERT_EQ(buttons.size(), 8u);  // four per value
  std::vector<std::pair<int, double>> reported;
  panel.OnValueChange = [&](int index, double value) { reported.push_back({index, value}); };
  EXPECT_TRUE(panel.MouseDown(buttons.at(1 * 4 + mbIncrease), false));
  EXPECT_TRUE(panel.MouseDown(buttons.at(0 * 4 + mbDecrease), true));
  ASSERT_EQ(reported.size(), 2u);
  EXPECT_EQ(reported[0].first, 1);
  EXPECT_DOUBLE_EQ(reported[0].second, -2.0 / 1.02);
  EXPECT_EQ(reported[1].first, 0);
  EXPECT_DOUBLE_EQ(reported[1].second, 1.5 / 1.002);
  EXPECT_EQ(panel.HintAt(buttons.at(mbDecreaseFast)), QStringLiteral("Decrease value rapidly"));
  EXPECT_EQ(panel.HintAt(buttons.at(mbIncrease)),
            QStringLiteral("Increase value; press CTRL at the same time to slow down the progression"));
  EXPECT_FALSE(panel.MouseDown(QPoint(5, 5), false));  // outside
}

TEST(Modeleur, ReadOnlyPanelsHaveNoButtons) {
  TModeleur panel = Panel(false);
  EXPECT_TRUE(Buttons(panel).empty());
  bool called = false;
  panel.OnValueChange = [&](int, double) { called = true; };
  const QRect r = panel.Bounds();
  for (int x = r.left(); x <= r.right(); x += 3) {
    panel.MouseDown(QPoint(x, r.center().y()), false);
    panel.MouseUp(QPoint(x, r.center().y()));
  }
  EXPECT_FALSE(called);
  EXPECT_LT(panel.Bounds().width(), Panel(true).Bounds().width());
}

TEST(Modeleur, TheGripDragsThePanelAndItPaintsInsideItsBounds) {
  TModeleur panel = Panel(true);
  const QRect before = panel.Bounds();
  const QPoint grip(before.left() + 4, before.center().y());
  ASSERT_TRUE(panel.MouseDown(grip, false));
  EXPECT_TRUE(panel.Dragging());
  panel.MouseMove(grip + QPoint(30, 12));
  panel.MouseUp(grip + QPoint(40, 10));
  EXPECT_FALSE(panel.Dragging());
  EXPECT_EQ(panel.Bounds(), before.translated(40, 10));

  QImage image(400, 300, QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    QPainter painter(&image);
    panel.Paint(painter);
  }
  const QRect bounds = panel.Bounds();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(0, 0, 0)) {
        ASSERT_TRUE(bounds.contains(x, y)) << x << ", " << y;
      }
  EXPECT_EQ(image.pixel(bounds.center()), qRgb(255, 255, 225));
}

}  // namespace modeleur_test
