#include "measurement/DrawHelpers.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>
#include <set>

using kolibra::TColor;
using kolibra::TPoint;
using kolibra::TPointDynArray;
using namespace kolibra::measurement;

namespace draw_helpers_test {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr int kMax = INT_MAX;

QImage WhiteImage(int w, int h) {
  QImage image(w, h, QImage::Format_RGB888);
  image.fill(Qt::white);
  return image;
}

std::set<std::pair<int, int>> PaintedPixels(const QImage &image, QRgb background = kWhite) {
  std::set<std::pair<int, int>> pixels;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != background) pixels.insert({x, y});
  return pixels;
}

std::set<std::pair<int, int>> PixelSet(const TPointDynArray &points) {
  std::set<std::pair<int, int>> pixels;
  for (const TPoint &p : points) pixels.insert({p.X, p.Y});
  return pixels;
}

bool HasColour(const QImage &image, const QRect &area, const QColor &colour) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixelColor(x, y) == colour) return true;
  return false;
}

// ---------------------------------------------------------------------------------------------

struct ArrowCase {
  TPoint Tail, Tip;
  int Percent, Length;
  TPoint Left, Right;
};

TEST(ArrowHeadTest, WingsOfWorkedExamples) {
  const ArrowCase cases[] = {
      {{0, 0}, {100, 0}, 50, 10, {90, -5}, {90, 5}},
      {{0, 0}, {0, 100}, 50, 10, {5, 90}, {-5, 90}},
      {{0, 0}, {30, 40}, 50, 10, {28, 29}, {20, 35}},
      {{0, 0}, {100, 0}, -150, 10, {90, -10}, {90, 10}},  // |percent| clamped to 100
      {{0, 0}, {100, 0}, 0, 10, {90, 0}, {90, 0}},
  };
  for (const ArrowCase &c : cases) {
    const auto head = ArrowHead(c.Tail, c.Tip, c.Percent, c.Length);
    EXPECT_EQ(head[0], c.Left) << c.Tip.X << "," << c.Tip.Y << " " << c.Percent;
    EXPECT_EQ(head[1], c.Tip);
    EXPECT_EQ(head[2], c.Right);
  }
  const auto still = ArrowHead({7, 8}, {7, 8}, 50, 10);
  EXPECT_EQ(still[0], TPoint(7, 8));
  EXPECT_EQ(still[2], TPoint(7, 8));
}

TEST(ArrowHeadTest, ProportionalHeadsOfGraphVectors) {
  // 7.5 % of the vector, between 5 and 10 px, half as wide as long.
  const auto big = ProportionalArrowHead({0, 0}, {200, 0}, 50, 10, 5, 75);
  EXPECT_EQ(big[0], TPoint(190, -5));
  EXPECT_EQ(big[2], TPoint(190, 5));
  const auto small = ProportionalArrowHead({0, 0}, {40, 0}, 50, 10, 5, 75);
  EXPECT_EQ(small[0], TPoint(35, -2));  // half-width 2.5 rounds to even
  EXPECT_EQ(small[2], TPoint(35, 2));
  // 100 px: the base is at 92.5 -> 92 and the 8 px head is within the limits.
  const auto middle = ProportionalArrowHead({0, 0}, {100, 0}, 50, 10, 5, 75);
  EXPECT_EQ(middle[0], TPoint(92, 4));
  EXPECT_EQ(middle[1], TPoint(100, 0));
  EXPECT_EQ(middle[2], TPoint(92, -4));
}

TEST(ArrowHeadTest, HugeCoordinatesAreClampedNotWrapped) {
  const auto diagonal = ArrowHead({-kMax, -kMax}, {kMax, kMax}, 50, 10);
  EXPECT_EQ(diagonal[0], TPoint(kMax - 3, kMax - 11));
  EXPECT_EQ(diagonal[2], TPoint(kMax - 11, kMax - 3));
  // A wing beyond the int range stays at its edge.
  const auto beyond = ArrowHead({0, 0}, {-kMax, 0}, 100, -kMax);
  EXPECT_EQ(beyond[0].X, -kMax);
  const auto proportional = ProportionalArrowHead({kMax, -kMax}, {-kMax, kMax}, 50, 0, 0, 1000);
  EXPECT_EQ(proportional[0], TPoint(0, -kMax));
  EXPECT_EQ(proportional[1], TPoint(-kMax, kMax));
  EXPECT_EQ(proportional[2], TPoint(kMax, 0));
}

TEST(DarkenColorTest, ChannelsScaledByTheClampedPercent) {
  EXPECT_EQ(DarkenColor(TColor::FromRgb(200, 100, 50), 50), TColor::FromRgb(100, 50, 25));
  EXPECT_EQ(DarkenColor(TColor::FromRgb(200, 100, 50), -150), TColor::FromRgb(200, 100, 50));
  EXPECT_EQ(DarkenColor(TColor::FromRgb(200, 100, 50), 0), TColor::FromRgb(0, 0, 0));
}

// ---------------------------------------------------------------------------------------------

TEST(LinePointsTest, BresenhamPixelsFromAToB) {
  const TPointDynArray expected = {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}};
  EXPECT_EQ(LinePoints({0, 0}, {5, 2}), expected);
  const TPointDynArray steep = LinePoints({3, 10}, {1, 0});
  ASSERT_EQ(steep.size(), 11u);
  EXPECT_EQ(steep.front(), TPoint(3, 10));
  EXPECT_EQ(steep.back(), TPoint(1, 0));
  for (std::size_t i = 1; i < steep.size(); ++i) {
    EXPECT_EQ(steep[i].Y, steep[i - 1].Y - 1);
    EXPECT_LE(std::abs(steep[i].X - steep[i - 1].X), 1);
  }
  EXPECT_EQ(LinePoints({4, 4}, {4, 4}), TPointDynArray{TPoint(4, 4)});
  // Halves go to the smaller coordinate, so both directions give the same pixels.
  EXPECT_EQ(LinePoints({0, 0}, {3, 6}), (TPointDynArray{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}, {2, 5}, {3, 6}}));
  for (const auto &[a, b] : {std::pair{TPoint(0, 0), TPoint(3, 6)}, std::pair{TPoint(-7, 2), TPoint(9, -5)},
                             std::pair{TPoint(0, 0), TPoint(10, 4)}}) {
    TPointDynArray back = LinePoints(b, a);
    std::reverse(back.begin(), back.end());
    EXPECT_EQ(LinePoints(a, b), back);
  }
}

TEST(LinePointsTest, DrawnPixelsAreTheListedOnes) {
  for (const auto &[a, b] : {std::pair{TPoint(2, 3), TPoint(37, 17)}, std::pair{TPoint(30, 2), TPoint(5, 38)},
                             std::pair{TPoint(1, 1), TPoint(1, 1)}, std::pair{TPoint(0, 20), TPoint(39, 20)}}) {
    QImage image = WhiteImage(40, 40);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    DrawLinePixels(&painter, a, b);
    painter.end();
    EXPECT_EQ(PaintedPixels(image), PixelSet(LinePoints(a, b)));
  }
}

TEST(LinePointsTest, AHugeLineDrawsOnlyItsVisiblePart) {
  QImage image = WhiteImage(50, 50);
  QPainter painter(&image);
  painter.setPen(Qt::black);
  DrawLinePixels(&painter, {-kMax, -kMax}, {kMax, kMax});
  painter.end();
  std::set<std::pair<int, int>> diagonal;
  for (int i = 0; i < 50; ++i) diagonal.insert({i, i});
  EXPECT_EQ(PaintedPixels(image), diagonal);
}

// ---------------------------------------------------------------------------------------------

TEST(HitTest, PointHitUsesAHalfSideOfAtLeastThree) {
  struct Case {
    TPoint P;
    int Tolerance;
    bool Hit;
  } cases[] = {
      {{3, 3}, 2, true},   {{-3, 3}, 0, true},  {{4, 0}, 2, false}, {{0, -4}, 6, false},
      {{5, 5}, 10, true},  {{6, 0}, 10, false}, {{3, 0}, 7, true},  {{4, 0}, 7, false},
  };
  for (const Case &c : cases) EXPECT_EQ(PointHit(c.P, {0, 0}, c.Tolerance), c.Hit) << c.P.X << "," << c.P.Y;
  // The distance between the two ends of the int range does not wrap round to 2.
  EXPECT_FALSE(PointHit({kMax, 0}, {-kMax, 0}, kMax));
  EXPECT_TRUE(PointHit({kMax, kMax}, {kMax - 3, kMax}, 0));
}

TEST(HitTest, LineHitAgreesWithThePixelsOfTheLine) {
  const std::pair<TPoint, TPoint> lines[] = {
      {{0, 0}, {40, 17}}, {{35, 2}, {6, 38}}, {{20, 20}, {20, 20}}, {{3, 30}, {38, 30}}, {{10, 0}, {12, 39}}};
  for (const auto &[a, b] : lines)
    for (int tolerance : {0, 8, 13})
      for (int y = -8; y < 48; ++y)
        for (int x = -8; x < 48; ++x) {
          bool expected = false;
          for (const TPoint &q : LinePoints(a, b)) expected = expected || PointHit({x, y}, q, tolerance);
          ASSERT_EQ(LineHit({x, y}, a, b, tolerance), expected)
              << x << "," << y << " tolerance " << tolerance << " line " << a.X << "," << a.Y << "-" << b.X << "," << b.Y;
        }
}

TEST(HitTest, LineHitOnAHugeLineIsImmediate) {
  EXPECT_TRUE(LineHit({0, 0}, {-kMax, -kMax}, {kMax, kMax}, 6));
  EXPECT_TRUE(LineHit({1000, 1003}, {-kMax, -kMax}, {kMax, kMax}, 6));
  EXPECT_FALSE(LineHit({0, 10}, {-kMax, -kMax}, {kMax, kMax}, 6));
}

TEST(HitTest, SegmentHitEndsBodyAndShortSegments) {
  // A 4 px segment with tolerance 8: its body is tried first, tightly.
  EXPECT_EQ(SegmentHit({12, 10}, {10, 10}, {14, 10}, 8), -1);
  EXPECT_EQ(SegmentHit({10, 14}, {10, 10}, {14, 10}, 8), 0);
  EXPECT_EQ(SegmentHit({15, 14}, {10, 10}, {14, 10}, 8), 1);
  EXPECT_EQ(SegmentHit({30, 30}, {10, 10}, {14, 10}, 8), -2);
  // A long one: ends first, then the body at the full tolerance.
  EXPECT_EQ(SegmentHit({2, 2}, {0, 0}, {100, 0}, 8), 0);
  EXPECT_EQ(SegmentHit({99, 1}, {0, 0}, {100, 0}, 8), 1);
  EXPECT_EQ(SegmentHit({50, 4}, {0, 0}, {100, 0}, 8), -1);
  EXPECT_EQ(SegmentHit({50, 5}, {0, 0}, {100, 0}, 8), -2);
  EXPECT_EQ(SegmentHit({0, 0}, {-kMax, 0}, {kMax, 0}, 8), -1);
}

TEST(HitTest, RectanglesCirclesAndEllipses) {
  EXPECT_TRUE(PointInRect({5, 5}, QRect(QPoint(5, 5), QPoint(10, 10))));
  EXPECT_TRUE(PointInRect({10, 10}, QRect(QPoint(5, 5), QPoint(10, 10))));
  EXPECT_FALSE(PointInRect({11, 10}, QRect(QPoint(5, 5), QPoint(10, 10))));
  EXPECT_TRUE(PointInBox({7, 7}, {10, 10}, {5, 5}));
  EXPECT_FALSE(PointInBox({4, 7}, {10, 10}, {5, 5}));

  EXPECT_TRUE(RectHit({50, 50}, {0, 0}, {100, 100}, 6, true));
  EXPECT_FALSE(RectHit({50, 50}, {0, 0}, {100, 100}, 6, false));
  EXPECT_TRUE(RectHit({50, 102}, {0, 0}, {100, 100}, 6, false));
  EXPECT_TRUE(RectHit({-3, 50}, {100, 100}, {0, 0}, 6, false));
  EXPECT_FALSE(RectHit({-4, 50}, {100, 100}, {0, 0}, 6, true));

  EXPECT_TRUE(CircleHit({70, 50}, {50, 50}, 20, 6));
  EXPECT_TRUE(CircleHit({73, 50}, {50, 50}, 20, 6));
  EXPECT_FALSE(CircleHit({74, 50}, {50, 50}, 20, 6));
  EXPECT_FALSE(CircleHit({50, 50}, {50, 50}, 20, 6));
  EXPECT_FALSE(CircleHit({50, 50}, {50, 50}, -1, 6));

  const double angle = std::numbers::pi / 6;
  const TPoint rim(50 + int(std::lround(30 * std::cos(angle))), 50 - int(std::lround(30 * std::sin(angle))));
  EXPECT_TRUE(EllipseHit({50, 50}, {50, 50}, true, 6, angle, 10, 30));
  EXPECT_FALSE(EllipseHit({50, 50}, {50, 50}, false, 6, angle, 10, 30));
  EXPECT_TRUE(EllipseHit(rim, {50, 50}, false, 6, angle, 10, 30));
  EXPECT_FALSE(EllipseHit({50, 90}, {50, 50}, true, 6, angle, 10, 30));
  // Along the short axis (turned with the ellipse) it ends at 10 px.
  const TPoint minor(50 + int(std::lround(12 * std::sin(angle))), 50 + int(std::lround(12 * std::cos(angle))));
  EXPECT_TRUE(EllipseHit(minor, {50, 50}, false, 6, angle, 10, 30));
  const TPoint beyond(50 + int(std::lround(16 * std::sin(angle))), 50 + int(std::lround(16 * std::cos(angle))));
  EXPECT_FALSE(EllipseHit(beyond, {50, 50}, true, 6, angle, 10, 30));
}

// ---------------------------------------------------------------------------------------------

TEST(ShapesTest, RectOutlineCrossAndDottedFrame) {
  QImage image = WhiteImage(20, 20);
  QPainter painter(&image);
  painter.setPen(Qt::black);
  DrawRectOutline(&painter, QRect(QPoint(2, 2), QPoint(6, 5)));
  std::set<std::pair<int, int>> outline;
  for (int x = 2; x <= 6; ++x) outline.insert({{x, 2}, {x, 5}});
  for (int y = 2; y <= 5; ++y) outline.insert({{2, y}, {6, y}});
  EXPECT_EQ(PaintedPixels(image), outline);

  DrawCrossedRect(&painter, QRect(QPoint(10, 10), QPoint(16, 16)));
  EXPECT_EQ(image.pixel(13, 13), 0xFF000000u);
  EXPECT_EQ(image.pixel(12, 14), 0xFF000000u);
  EXPECT_EQ(image.pixel(13, 12), kWhite);

  painter.setPen(QPen(Qt::red, 1, Qt::DashLine));
  painter.setBrush(Qt::blue);
  DrawDottedFrame(&painter, QRect(QPoint(1, 8), QPoint(8, 18)));
  EXPECT_EQ(image.pixelColor(4, 12), QColor(Qt::white));
  EXPECT_TRUE(HasColour(image, QRect(QPoint(1, 8), QPoint(8, 8)), QColor(128, 128, 128)));
  EXPECT_EQ(painter.pen().color(), QColor(Qt::red));
  EXPECT_EQ(painter.pen().style(), Qt::SolidLine);
  EXPECT_EQ(painter.brush().color(), QColor(Qt::blue));
}

TEST(ShapesTest, AngleMarkFillsThePieOnlyBetweenLongLegs) {
  const QColor silver(192, 192, 192);
  QImage image = WhiteImage(100, 100);
  QPainter painter(&image);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::red);
  DrawAngleMark(&painter, {90, 50}, {50, 50}, {50, 10});
  EXPECT_EQ(image.pixelColor(57, 43), silver);
  EXPECT_EQ(image.pixelColor(43, 57), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(43, 43), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(80, 50), QColor(Qt::black));
  EXPECT_EQ(painter.brush().color(), QColor(Qt::red));
  // The short way round, whichever leg comes first.
  DrawAngleMark(&painter, {50, 90}, {50, 50}, {10, 50});
  EXPECT_EQ(image.pixelColor(43, 57), silver);
  EXPECT_EQ(image.pixelColor(57, 57), QColor(Qt::white));
  QImage other = WhiteImage(100, 100);
  QPainter second(&other);
  DrawAngleMark(&second, {60, 50}, {50, 50}, {50, 10});
  EXPECT_FALSE(HasColour(other, other.rect(), silver));
}

// ---------------------------------------------------------------------------------------------

TEST(GridCellTest, BackgroundFramesAndText) {
  const QRect cell(QPoint(10, 10), QPoint(109, 29));
  const QColor yellow(255, 255, 0);
  const QColor blue(0, 0, 255);
  QImage image = WhiteImage(130, 50);
  QPainter painter(&image);
  const QPen pen(Qt::green, 2);
  painter.setPen(pen);
  DrawGridCell(&painter, cell, TColor::FromRgb(255, 255, 0), "", 2, 0, TColor::FromRgb(0, 0, 255));
  EXPECT_EQ(image.pixelColor(9, 9), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(110, 30), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(10, 10), yellow);
  EXPECT_EQ(image.pixelColor(109, 29), yellow);
  EXPECT_EQ(image.pixelColor(111, 31), QColor(Qt::white));
  EXPECT_EQ(painter.pen(), pen);

  DrawGridCell(&painter, cell, TColor::FromRgb(255, 255, 0), "", 4, 0, TColor::FromRgb(0, 0, 255));
  const QRgb shadow = kolibra::colors::clBtnShadow.ToQColor().rgb();
  const QRgb highlight = kolibra::colors::clBtnHighlight.ToQColor().rgb();
  EXPECT_EQ(image.pixel(10, 10), shadow);
  EXPECT_EQ(image.pixel(11, 20), shadow);
  EXPECT_EQ(image.pixel(109, 29), highlight);
  EXPECT_EQ(image.pixel(50, 28), highlight);
  EXPECT_EQ(image.pixelColor(50, 20), yellow);
}

TEST(GridCellTest, TextIsLeftAlignedOrCentredAndNeverOverButtons) {
  const QRect cell(QPoint(0, 0), QPoint(199, 24));
  const QColor blue(0, 0, 255);
  auto leftmostBlue = [&](int flags) {
    QImage image = WhiteImage(200, 25);
    QPainter painter(&image);
    DrawGridCell(&painter, cell, TColor::FromRgb(255, 255, 255), "Wg", flags, fsBold, TColor::FromRgb(0, 0, 255));
    painter.end();
    int left = 1000;
    int top = 1000;
    for (int y = 0; y < 25; ++y)
      for (int x = 0; x < 200; ++x)
        if (image.pixelColor(x, y) == blue) {
          left = std::min(left, x);
          top = std::min(top, y);
        }
    EXPECT_GE(top, 1);
    return left;
  };
  const int plain = leftmostBlue(0);
  const int centred = leftmostBlue(1);
  EXPECT_GE(plain, 2);
  EXPECT_LE(plain, 5);
  EXPECT_GT(centred, 80);
  EXPECT_LT(centred, 100);
  EXPECT_EQ(leftmostBlue(8), 1000);
  EXPECT_EQ(leftmostBlue(16), 1000);
}

TEST(GridCellTest, SpinTrianglesAndDeleteCross) {
  const QColor face(219, 223, 226);
  const QColor lightRed(255, 187, 187);
  QImage image = WhiteImage(200, 60);
  QPainter painter(&image);
  DrawGridCell(&painter, QRect(QPoint(0, 0), QPoint(99, 19)), TColor::FromRgb(255, 255, 255), "x", 8, 0,
               TColor::FromRgb(0, 0, 0));
  EXPECT_EQ(image.pixelColor(8, 10), face);
  EXPECT_EQ(image.pixelColor(91, 10), face);
  EXPECT_EQ(image.pixelColor(50, 10), QColor(Qt::white));
  // Too narrow for the triangles.
  DrawGridCell(&painter, QRect(QPoint(120, 0), QPoint(143, 19)), TColor::FromRgb(255, 255, 255), "", 8, 0,
               TColor::FromRgb(0, 0, 0));
  EXPECT_FALSE(HasColour(image, QRect(QPoint(120, 0), QPoint(143, 19)), face));

  DrawGridCell(&painter, QRect(QPoint(0, 30), QPoint(99, 49)), TColor::FromRgb(255, 255, 255), "", 16, 0,
               TColor::FromRgb(0, 0, 0));
  EXPECT_EQ(image.pixelColor(50, 40), lightRed);
  EXPECT_EQ(image.pixelColor(49, 38), lightRed);
  EXPECT_TRUE(HasColour(image, QRect(QPoint(41, 31), QPoint(59, 49)), face));
  EXPECT_EQ(image.pixelColor(10, 40), QColor(Qt::white));
}

// ---------------------------------------------------------------------------------------------

TEST(TextTest, CentredTextSitsInTheMiddleOfItsBox) {
  QImage image = WhiteImage(120, 40);
  QPainter painter(&image);
  const QFont font = painter.font();
  painter.setBrush(Qt::green);
  TextOutCentered(&painter, 120, 40, -16, TColor::FromRgb(255, 255, 0), TColor::FromRgb(0, 0, 0), "Mmm");
  EXPECT_EQ(painter.font(), font);
  EXPECT_EQ(painter.brush().color(), QColor(Qt::green));
  painter.end();
  QRect ink;
  bool background = false;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x) {
      if (image.pixelColor(x, y) == QColor(Qt::black)) ink |= QRect(x, y, 1, 1);
      background = background || image.pixelColor(x, y) == QColor(255, 255, 0);
    }
  EXPECT_TRUE(background);
  ASSERT_FALSE(ink.isNull());
  EXPECT_NEAR(ink.center().x(), 60, 3);
  EXPECT_NEAR(ink.center().y(), 20, 4);

  QImage bitmap = WhiteImage(80, 30);
  BitmapTextCentered(bitmap, "Mmm", TColor::FromRgb(0, 0, 255), 14, TColor::FromRgb(255, 255, 0));
  EXPECT_TRUE(HasColour(bitmap, QRect(30, 5, 20, 20), QColor(0, 0, 255)));
  EXPECT_TRUE(HasColour(bitmap, bitmap.rect(), QColor(255, 255, 0)));
}

TEST(TextTest, RotatedTextTurnsAboutItsTopLeftCorner) {
  auto inkBox = [](int escapement, const QRect &clip) {
    QImage image = WhiteImage(200, 200);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    if (clip.isNull())
      TextOutRotated(&painter, 100, 100, "Kolibra", escapement);
    else
      TextRectRotated(&painter, clip, 100, 100, "Kolibra", escapement);
    painter.end();
    QRect box;
    for (const auto &[x, y] : PaintedPixels(image)) box |= QRect(x, y, 1, 1);
    return box;
  };
  const QRect flat = inkBox(0, QRect());
  EXPECT_GE(flat.top(), 100);
  EXPECT_GE(flat.left(), 99);
  EXPECT_GT(flat.width(), flat.height());
  const QRect up = inkBox(900, QRect());
  EXPECT_LE(up.bottom(), 101);
  EXPECT_GE(up.left(), 99);
  EXPECT_GT(up.height(), up.width());
  const QRect clipped = inkBox(900, QRect(QPoint(90, 80), QPoint(130, 101)));
  EXPECT_GE(clipped.top(), 80);
  EXPECT_LT(clipped.height(), up.height());
}

TEST(CanvasStateTest, SavedSlotRestoresPenBrushAndFont) {
  QImage image = WhiteImage(10, 10);
  QPainter painter(&image);
  const QPen pen(Qt::red, 3, Qt::DotLine);
  const QBrush brush(Qt::blue, Qt::Dense3Pattern);
  QFont font("Arial");
  font.setPixelSize(17);
  painter.setPen(pen);
  painter.setBrush(brush);
  painter.setFont(font);
  SavePen(&painter);
  SaveBrush(&painter);
  SaveFont(&painter);
  painter.setPen(Qt::green);
  painter.setBrush(Qt::NoBrush);
  painter.setFont(QFont("Courier"));
  RestorePen(&painter);
  RestoreBrush(&painter);
  RestoreFont(&painter);
  EXPECT_EQ(painter.pen(), pen);
  EXPECT_EQ(painter.brush(), brush);
  EXPECT_EQ(painter.font(), font);
}

TEST(NullCanvasTest, EveryDrawingRoutineReturnsAtOnce) {
  const QRect r(0, 0, 10, 10);
  DrawAngleMark(nullptr, {0, 0}, {50, 50}, {100, 0});
  DrawArc(nullptr, {10, 0}, {0, 10}, 10, {0, 0});
  DrawCircle(nullptr, {0, 0}, 5);
  DrawEllipse(nullptr, {0, 0}, 5, 3);
  DrawRotatedEllipse(nullptr, {0, 0}, 1, 5, 8);
  DrawSpline(nullptr, {{0, 0}, {5, 5}}, 10);
  DrawLinePixels(nullptr, {0, 0}, {5, 5});
  DrawRectOutline(nullptr, r);
  DrawCrossedRect(nullptr, r);
  DrawDottedFrame(nullptr, r);
  DrawBevelTriangle(nullptr, {0, 0}, {5, 0}, {0, 5}, TColor(), TColor());
  DrawShadedCircle(nullptr, {5, 5}, 3, TColor(), TColor());
  DrawGridCell(nullptr, r, TColor(), "x", 31, fsBold, TColor());
  TextOutCentered(nullptr, 10, 10, 8, TColor(), TColor(), "x");
  TextOutRotated(nullptr, 0, 0, "x", 900);
  TextRectRotated(nullptr, r, 0, 0, "x", 900);
  SavePen(nullptr);
  RestorePen(nullptr);
  QImage empty;
  BitmapTextCentered(empty, "x", TColor(), 8, TColor());
  SUCCEED();
}

TEST(HugeCoordinatesTest, EveryRoutineCopesWithTheEndsOfTheIntRange) {
  QImage image = WhiteImage(50, 50);
  QPainter painter(&image);
  painter.setPen(Qt::black);
  const TPoint lo(INT_MIN, INT_MIN);
  const TPoint hi(INT_MAX, INT_MAX);
  const TPoint mixed(INT_MAX, INT_MIN);
  const QRect huge(QPoint(-kMax, -kMax), QPoint(kMax, kMax));
  DrawAngleMark(&painter, lo, hi, mixed);
  DrawAngleMark(&painter, {25, 25}, lo, mixed);
  DrawArc(&painter, lo, hi, 30, {25, 25});
  DrawArc(&painter, {0, 0}, {10, 10}, 30, lo);
  DrawCircle(&painter, lo, 40);
  DrawCircle(&painter, {25, 25}, INT_MAX);
  DrawEllipse(&painter, hi, INT_MAX, INT_MIN);
  DrawRotatedEllipse(&painter, mixed, 1e300, 1e300, -1e300);
  DrawSpline(&painter, {lo, hi, mixed, lo}, 10);
  DrawLinePixels(&painter, lo, hi);
  DrawRectOutline(&painter, huge);
  DrawCrossedRect(&painter, huge);
  DrawDottedFrame(&painter, huge);
  DrawBevelTriangle(&painter, lo, hi, mixed, TColor(), TColor());
  DrawShadedCircle(&painter, lo, INT_MAX, TColor(), TColor());
  DrawGridCell(&painter, QRect(QPoint(kMax - 10, kMax - 10), QPoint(kMax, kMax)), TColor(), "x", 31, 0, TColor());
  TextOutRotated(&painter, INT_MIN, INT_MAX, "x", INT_MIN);
  painter.end();
  EXPECT_EQ(image.pixel(25, 25), 0xFF000000u);  // on the diagonal line
  EXPECT_EQ(SegmentHit(lo, lo, hi, INT_MAX), 0);
  EXPECT_EQ(SegmentHit(hi, lo, hi, INT_MIN), 1);
  EXPECT_FALSE(CircleHit(lo, hi, INT_MAX, INT_MAX));
  EXPECT_FALSE(EllipseHit(lo, hi, true, INT_MAX, 0.5, INT_MAX, INT_MAX));
  EXPECT_TRUE(RectHit({0, 0}, lo, hi, 6, true));
  QRect bounds;
  kolibra::TMatriceI mask;
  TPointDynArray border;
  EXPECT_FALSE(PolygonMask({lo, mixed, hi}, huge, bounds, mask, border));  // far too many cells
}

// ---------------------------------------------------------------------------------------------

QImage Pattern(int w, int h) {
  QImage image(w, h, QImage::Format_RGB888);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixelColor(x, y, QColor((x * 7) % 256, (y * 11) % 256, (x * y) % 256));
  return image;
}

TEST(RotateBitmapTest, SizesOfTheTurnedPicture) {
  const QImage source = Pattern(100, 50);
  struct Case {
    double Angle;
    int Width, Height;
  } cases[] = {{std::numbers::pi / 2, 50, 100}, {0.3, 111, 78}, {-0.3, 111, 78}, {std::numbers::pi, 100, 50}};
  for (const Case &c : cases) {
    QImage destination;
    TPoint pivot;
    ASSERT_TRUE(RotateBitmap(source, destination, {0, 0}, c.Angle, pivot)) << c.Angle;
    EXPECT_EQ(destination.width(), c.Width) << c.Angle;
    EXPECT_EQ(destination.height(), c.Height) << c.Angle;
    EXPECT_EQ(destination.format(), QImage::Format_RGB888);
  }
  QImage turned;
  TPoint pivot;
  ASSERT_TRUE(RotateBitmap(source, turned, {0, 0}, 0.3, pivot));
  EXPECT_EQ(turned.pixelColor(0, 0), QColor(235, 241, 243));
  EXPECT_EQ(turned.pixelColor(110, 77), QColor(235, 241, 243));
}

TEST(RotateBitmapTest, ASmallTurnLeavesTheDestinationAlone) {
  const QImage source = Pattern(100, 50);
  QImage destination = Pattern(3, 3);
  const QImage before = destination;
  TPoint pivot(-7, -7);
  EXPECT_FALSE(RotateBitmap(source, destination, {10, 10}, 0.009, pivot));  // moves 0.9 px
  EXPECT_EQ(destination, before);
  EXPECT_EQ(pivot, TPoint(-7, -7));
  EXPECT_FALSE(RotateBitmap(source, destination, {10, 10}, -0.009, pivot));
  EXPECT_TRUE(RotateBitmap(source, destination, {10, 10}, 0.011, pivot));
}

TEST(RotateBitmapTest, HalfTurnMirrorsThePixels) {
  const QImage source = Pattern(40, 30).convertToFormat(QImage::Format_RGB32);
  QImage destination;
  TPoint pivot;
  ASSERT_TRUE(RotateBitmap(source, destination, {0, 0}, std::numbers::pi, pivot));
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      const QColor expected = source.pixelColor(39 - x, 29 - y);
      const QColor got = destination.pixelColor(x, y);
      ASSERT_NEAR(got.red(), expected.red(), 1) << x << "," << y;
      ASSERT_NEAR(got.green(), expected.green(), 1) << x << "," << y;
      ASSERT_NEAR(got.blue(), expected.blue(), 1) << x << "," << y;
    }
  EXPECT_EQ(pivot, TPoint(40, 30));
}

TEST(RotateBitmapTest, ThePivotLandsWhereItsPixelGoes) {
  for (double angle : {std::numbers::pi / 2, 0.4, -1.1, 2.5}) {
    QImage source(60, 40, QImage::Format_RGB888);
    source.fill(Qt::white);
    const TPoint pivot(15, 12);
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) source.setPixelColor(pivot.X + dx, pivot.Y + dy, Qt::red);
    QImage destination;
    TPoint landed;
    ASSERT_TRUE(RotateBitmap(source, destination, pivot, angle, landed));
    bool red = false;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        const QColor c = destination.pixelColor(landed.X + dx, landed.Y + dy);
        red = red || (c.red() > 200 && c.green() < 60);
      }
    EXPECT_TRUE(red) << angle << " landed at " << landed.X << "," << landed.Y;
  }
}

}  // namespace draw_helpers_test
