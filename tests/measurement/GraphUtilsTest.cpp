#include "measurement/GraphUtils.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <climits>

using kolibra::TColor;
using kolibra::TPoint;
using namespace kolibra::measurement;

namespace graph_utils_test {

constexpr QRgb kBackground = 0xFF000000;  // opaque black

QImage BlankImage(int size = 40) {
  QImage image(size, size, QImage::Format_RGB888);
  image.fill(QColor::fromRgb(kBackground));
  return image;
}

// Bounding box of the pixels that differ from the background, as offsets from centre.
QRect DrawnBox(const QImage &image, TPoint centre) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != kBackground) box |= QRect(x - centre.X, y - centre.Y, 1, 1);
  return box;
}

class GraphUtilsTest : public ::testing::Test {
 protected:
  TGraphUtils Utils;
};

TEST_F(GraphUtilsTest, PaletteEntriesWrapAndMinusOneIsTheLast) {
  EXPECT_EQ(Utils.ObjectColors.size(), 65u);
  EXPECT_EQ(Utils.FormulaColors.size(), 5u);
  EXPECT_EQ(Utils.ObjectColor(0), TColor::FromRgbHex(0xFF0000));
  EXPECT_EQ(Utils.ObjectColor(1), TColor::FromRgbHex(0x05D1E9));
  EXPECT_EQ(Utils.ObjectColor(-1), TColor::FromRgbHex(0xFFFF00));
  EXPECT_EQ(Utils.ObjectColor(64), TColor::FromRgbHex(0xFFFF00));
  EXPECT_EQ(Utils.ObjectColor(65), Utils.ObjectColor(0));
  EXPECT_EQ(Utils.ObjectColor(-3), Utils.ObjectColor(3));
  // abs(INT_MIN) does not fit in an int: 2147483648 mod 65 = 63.
  EXPECT_EQ(Utils.ObjectColor(INT_MIN), Utils.ObjectColor(63));
  EXPECT_EQ(Utils.FormulaColor(0), TColor::FromRgbHex(0xFF0000));
  EXPECT_EQ(Utils.FormulaColor(-1), TColor::FromRgbHex(0x00C9D6));
  EXPECT_EQ(Utils.FormulaColor(5), Utils.FormulaColor(0));
  EXPECT_EQ(Utils.FormulaColor(-2), TColor::FromRgbHex(0x008000));
}

TEST_F(GraphUtilsTest, ColorIndexFindsTheFirstEntryAndFallsBackToZero) {
  EXPECT_EQ(Utils.ColorIndex(TColor::FromRgbHex(0xFF0000)), 0);
  EXPECT_EQ(Utils.ColorIndex(TColor::FromRgbHex(0x123456)), 0);
  EXPECT_EQ(Utils.ColorIndex(TColor::FromRgbHex(0x32CD32)), 2);  // also entry 35
  EXPECT_EQ(Utils.ColorIndex(TColor::FromRgbHex(0xFFFF00)), 64);
}

TEST_F(GraphUtilsTest, MotifKindsOfObjectsAndFormulas) {
  ASSERT_EQ(Utils.Motifs.size(), 18u);
  for (std::size_t i = 0; i < Utils.Motifs.size(); ++i) EXPECT_EQ(Utils.Motifs[i]->Kind, i);
  EXPECT_EQ(Utils.ObjectMotifKind(0), 0);
  EXPECT_EQ(Utils.ObjectMotifKind(11), 11);
  EXPECT_EQ(Utils.ObjectMotifKind(12), 0);
  EXPECT_EQ(Utils.ObjectMotifKind(13), 1);
  EXPECT_EQ(Utils.FormulaMotifKind(0), 12);
  EXPECT_EQ(Utils.FormulaMotifKind(3), 15);
  EXPECT_EQ(Utils.FormulaMotifKind(5), 13);
}

TEST(GraphUtilsGlobalTest, CreatedOnceAndFreed) {
  TGraphUtils *first = CreateGraphUtils();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GraphUtils, first);
  EXPECT_EQ(CreateGraphUtils(), first);
  FreeGraphUtils();
  EXPECT_EQ(GraphUtils, nullptr);
}

TEST_F(GraphUtilsTest, Kind17IsWhiteInsideWithAColouredBorderWhateverTheColour) {
  for (const TColor colour : {TColor::FromRgb(255, 0, 0), TColor::FromRgb(0, 0, 255)}) {
    QImage image = BlankImage();
    QPainter painter(&image);
    Utils.DrawMotifKind(&painter, TPoint(20, 20), colour, 0, 17);
    painter.end();
    EXPECT_EQ(image.pixelColor(20, 20), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(21, 19), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(22, 20), colour.ToQColor());
    EXPECT_EQ(image.pixelColor(18, 18), colour.ToQColor());
    EXPECT_EQ(image.pixel(23, 20), kBackground);
  }
}

TEST_F(GraphUtilsTest, Object12IsDrawnLikeObject0And13LikeObject1) {
  for (const auto &[later, earlier] : {std::pair{12, 0}, std::pair{13, 1}, std::pair{25, 1}}) {
    QImage a = BlankImage();
    QImage b = BlankImage();
    QPainter pa(&a);
    QPainter pb(&b);
    Utils.DrawObjectMotif(&pa, TPoint(20, 20), TColor::FromRgb(0, 255, 0), 1, later);
    Utils.DrawObjectMotif(&pb, TPoint(20, 20), TColor::FromRgb(0, 255, 0), 1, earlier);
    pa.end();
    pb.end();
    EXPECT_EQ(a, b) << later;
    EXPECT_NE(a, BlankImage()) << later;
  }
}

TEST_F(GraphUtilsTest, BadIndexSizeOrKindLeavesTheCanvasUnchanged) {
  QImage image = BlankImage();
  QPainter painter(&image);
  const TColor red = TColor::FromRgb(255, 0, 0);
  Utils.DrawObjectMotif(&painter, TPoint(20, 20), red, 0, -1);
  Utils.DrawObjectMotif(&painter, TPoint(20, 20), red, 3, 0);
  Utils.DrawObjectMotif(&painter, TPoint(20, 20), red, -1, 0);
  Utils.DrawMotifKind(&painter, TPoint(20, 20), red, 0, 18);
  Utils.DrawMotifKind(&painter, TPoint(20, 20), red, 0, -1);
  Utils.DrawObjectMotif(nullptr, TPoint(20, 20), red, 0, 0);
  Utils.Motifs[0]->Size = 7;
  Utils.Motifs[0]->Draw(&painter, TPoint(20, 20), red);
  painter.end();
  EXPECT_EQ(image, BlankImage());
}

// The box each symbol covers, from the published vertex lists: at size small for every kind,
// at medium and large for the kinds whose outlines are given there. Every symbol stays
// within the size's extent (4, 7 or 10 px).
TEST_F(GraphUtilsTest, EverySymbolCoversTheBoxOfItsPublishedVertices) {
  struct TBox {
    int Kind, Size, Left, Top, Right, Bottom;
  };
  const TBox boxes[] = {
      {0, 0, -4, -3, 4, 3},   {1, 0, -4, -4, 4, 4},  {2, 0, -4, -4, 4, 4},  {3, 0, -4, -4, 4, 4},
      {4, 0, -4, -4, 4, 4},   {5, 0, -4, -4, 4, 4},  {6, 0, -4, -4, 4, 4},  {7, 0, -4, -4, 4, 4},
      {8, 0, -4, -4, 4, 4},   {9, 0, -4, -4, 4, 4},  {10, 0, -4, -4, 4, 4}, {11, 0, -4, -4, 4, 4},
      {12, 0, -3, -4, 3, 3},  {13, 0, -3, -3, 3, 3}, {14, 0, -4, -4, 4, 4}, {15, 0, -4, -4, 4, 4},
      {16, 0, -4, -4, 4, 4},  {17, 0, -2, -2, 2, 2},
      {0, 1, -6, -5, 6, 5},   {0, 2, -9, -7, 9, 7},  {2, 1, -7, -7, 7, 7},  {2, 2, -10, -10, 10, 10},
      {8, 1, -7, -7, 7, 7},   {8, 2, -10, -10, 10, 10},
      {11, 1, -7, -7, 7, 7},  {11, 2, -10, -10, 10, 10},
      {12, 1, -5, -7, 5, 5},  {12, 2, -7, -10, 7, 7},
      {13, 1, -5, -5, 5, 5},  {13, 2, -7, -7, 7, 7},
      {14, 1, -7, -7, 7, 7},  {14, 2, -10, -10, 10, 10},
      {15, 1, -7, -7, 7, 7},  {15, 2, -10, -10, 10, 10},
      {16, 1, -7, -7, 7, 7},  {16, 2, -10, -10, 10, 10},
  };
  for (const TBox &box : boxes) {
    QImage image = BlankImage();
    QPainter painter(&image);
    Utils.DrawMotifKind(&painter, TPoint(20, 20), TColor::FromRgb(255, 255, 0), box.Size, box.Kind);
    painter.end();
    EXPECT_EQ(DrawnBox(image, TPoint(20, 20)), QRect(QPoint(box.Left, box.Top), QPoint(box.Right, box.Bottom)))
        << "kind " << box.Kind << " size " << box.Size;
  }
  const int extents[3] = {4, 7, 10};
  for (int kind = 0; kind < 18; ++kind)
    for (int size = 0; size < 3; ++size) {
      QImage image = BlankImage();
      QPainter painter(&image);
      Utils.DrawMotifKind(&painter, TPoint(20, 20), TColor::FromRgb(255, 255, 0), size, kind);
      painter.end();
      const QRect drawn = DrawnBox(image, TPoint(20, 20));
      const QRect extent(QPoint(-extents[size], -extents[size]), QPoint(extents[size], extents[size]));
      EXPECT_FALSE(drawn.isEmpty()) << "kind " << kind << " size " << size;
      EXPECT_TRUE(extent.contains(drawn)) << "kind " << kind << " size " << size;
    }
}

TEST_F(GraphUtilsTest, SmallShapesKeepTheirOpenParts) {
  QImage image = BlankImage();
  QPainter painter(&image);
  const TColor yellow = TColor::FromRgb(255, 255, 0);
  Utils.DrawMotifKind(&painter, TPoint(10, 10), yellow, 0, 2);   // eight spokes
  Utils.DrawMotifKind(&painter, TPoint(30, 10), yellow, 0, 14);  // disc of radius 4
  Utils.DrawMotifKind(&painter, TPoint(10, 30), yellow, 0, 6);   // four wedges
  painter.end();
  EXPECT_NE(image.pixel(10, 6), kBackground);
  EXPECT_NE(image.pixel(13, 13), kBackground);
  EXPECT_EQ(image.pixel(11, 7), kBackground);  // between two spokes
  EXPECT_NE(image.pixel(30, 10), kBackground);
  EXPECT_NE(image.pixel(34, 10), kBackground);
  EXPECT_EQ(image.pixel(35, 10), kBackground);
  EXPECT_NE(image.pixel(8, 28), kBackground);   // inside the upper-left wedge
  EXPECT_EQ(image.pixel(10, 27), kBackground);  // the gap between wedges
}

TEST_F(GraphUtilsTest, DrawingRestoresThePainterAndSurvivesHugeCentres) {
  QImage image = BlankImage();
  QPainter painter(&image);
  painter.setPen(QPen(Qt::blue, 3, Qt::DashLine));
  painter.setBrush(QBrush(Qt::green, Qt::Dense4Pattern));
  for (int kind = 0; kind < 18; ++kind) {
    Utils.DrawMotifKind(&painter, TPoint(20, 20), TColor::FromRgb(255, 0, 0), 2, kind);
    Utils.DrawMotifKind(&painter, TPoint(INT_MAX, INT_MIN), TColor::FromRgb(255, 0, 0), 2, kind);
    Utils.DrawMotifKind(&painter, TPoint(-INT_MAX, INT_MAX), TColor::FromRgb(255, 0, 0), 2, kind);
  }
  EXPECT_EQ(painter.pen(), QPen(Qt::blue, 3, Qt::DashLine));
  EXPECT_EQ(painter.brush(), QBrush(Qt::green, Qt::Dense4Pattern));
}

}  // namespace graph_utils_test
