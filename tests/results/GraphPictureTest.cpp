// The graph's pictures (SVG and bitmaps) and its vector scales.
#include "FakeGraphSurface.h"

#include "results/GConstructs.h"
#include "kit/MathUtils.h"
#include "results/Graph.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cmath>
#include <numbers>

namespace graph_picture_test {

using namespace kolibra;
using namespace kolibra::results;
using namespace kolibra::modelling;

// The shapes of an SVG drawn in the given colours (fill or stroke), their points in
// document units: polylines, polygons, paths and ellipses.
struct TSvgShapes {
  std::vector<QPointF> Points;
  std::vector<std::pair<double, double>> EllipseRadii;
  int Ellipses = 0;
};

std::vector<QPointF> NumberPairs(const QString &text) {
  static const QRegularExpression number(QStringLiteral("-?[0-9]*\\.?[0-9]+(?:[eE][-+]?[0-9]+)?"));
  std::vector<double> values;
  for (auto it = number.globalMatch(text); it.hasNext();) values.push_back(it.next().captured(0).toDouble());
  std::vector<QPointF> points;
  for (size_t i = 0; i + 1 < values.size(); i += 2) points.push_back(QPointF(values[i], values[i + 1]));
  return points;
}

TSvgShapes ShapesInColours(const QByteArray &svg, const QStringList &colours) {
  TSvgShapes shapes;
  QXmlStreamReader xml(svg);
  std::vector<bool> inColour{false};
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isEndElement() && xml.name() == QLatin1String("g")) inColour.pop_back();
    if (!xml.isStartElement()) continue;
    const auto attributes = xml.attributes();
    if (xml.name() == QLatin1String("g")) {
      const QString stroke = attributes.value(QLatin1String("stroke")).toString().toLower();
      const QString fill = attributes.value(QLatin1String("fill")).toString().toLower();
      inColour.push_back(colours.contains(stroke) || colours.contains(fill));
      continue;
    }
    if (!inColour.back()) continue;
    if (xml.name() == QLatin1String("polyline") || xml.name() == QLatin1String("polygon")) {
      for (const QPointF &p : NumberPairs(attributes.value(QLatin1String("points")).toString())) shapes.Points.push_back(p);
    } else if (xml.name() == QLatin1String("path")) {
      for (const QPointF &p : NumberPairs(attributes.value(QLatin1String("d")).toString())) shapes.Points.push_back(p);
    } else if (xml.name() == QLatin1String("ellipse") || xml.name() == QLatin1String("circle")) {
      ++shapes.Ellipses;
      const double cx = attributes.value(QLatin1String("cx")).toDouble(), cy = attributes.value(QLatin1String("cy")).toDouble();
      const double rx = attributes.hasAttribute(QLatin1String("r")) ? attributes.value(QLatin1String("r")).toDouble()
                                                                     : attributes.value(QLatin1String("rx")).toDouble();
      const double ry = attributes.hasAttribute(QLatin1String("r")) ? rx : attributes.value(QLatin1String("ry")).toDouble();
      shapes.EllipseRadii.push_back({rx, ry});
      shapes.Points.push_back(QPointF(cx - rx, cy - ry));
      shapes.Points.push_back(QPointF(cx + rx, cy + ry));
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return shapes;
}

// A KeepAspect graph zoomed in on a circular trajectory drawn with disc symbols, its
// segments and a sine model: much of it lies beyond the plot's edges.
struct TPictureGraph : ::testing::Test {
  TGraph Graph;
  int Curve = -1;
  TPictureGraph() {
    Graph.SetSize(695, 465);  // plot 600 x 400
    TPointDDynArray samples;
    for (int i = 0; i < 60; ++i) {
      const double a = 2.0 * std::numbers::pi * i / 60.0;
      samples.push_back(TPointD(1.0 + 2.0 * std::cos(a), 0.5 + 2.0 * std::sin(a)));
    }
    Curve = Graph.AddCurve(samples, 0, {});
    Graph.SetCurveProperty(Curve, cePoints, 14, cfData, 6);
    Graph.SetCurveVisible(Curve, ceLabels, false, cfData);
    Graph.SetSymbolSize(2);
    Graph.SetWorld(TRectD{-1.0, 3.0, -1.5, 2.5}, true);
    Graph.SetCurveProperty(Curve, ceModel, mtSine, cfData, 6);
    Graph.SetTool(gtZoom);
    for (int i = 0; i < 2; ++i) {
      Graph.MouseDown(Qt::LeftButton, Qt::NoModifier, TPoint(120, 100));
      Graph.MouseUp(Qt::LeftButton, Qt::NoModifier, TPoint(120, 100));
    }
  }
};

// The SVG keeps no clip: every element's stroke is cut to the plot in the geometry, and the
// disc symbols stay true circles.
TEST_F(TPictureGraph, SvgPathsStayInsideThePlotAndCirclesStayCircles) {
  const QByteArray svg = Graph.SvgData();
  ASSERT_TRUE(svg.startsWith("<?xml"));
  EXPECT_FALSE(svg.contains("clipPath"));
  const QRectF plot = QRectF(Graph.PlotRect()).adjusted(-0.5, -0.5, 0.5, 0.5);
  const TSvgShapes shapes =
      ShapesInColours(svg, {QStringLiteral("#ff0000"), QStringLiteral("#006400"), QStringLiteral("#009696")});
  ASSERT_GT(shapes.Points.size(), 50u);
  for (const QPointF &p : shapes.Points)
    ASSERT_TRUE(plot.contains(p)) << p.x() << ", " << p.y();
  ASSERT_GT(shapes.Ellipses, 3);
  for (const auto &[rx, ry] : shapes.EllipseRadii) EXPECT_DOUBLE_EQ(rx, ry);
  // And there is something beyond the plot that was cut: the raster picture shows it clipped.
  EXPECT_GT(Graph.Zoom().ZoomX, 1.0);
}

TEST_F(TPictureGraph, SavesSvgAndBitmapsAndRefusesUnknownFormats) {
  QTemporaryDir dir;
  const QString svgFile = dir.filePath(QStringLiteral("graph.svg"));
  ASSERT_TRUE(Graph.SavePicture(svgFile));
  QFile file(svgFile);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains("<svg"));
  const QString pngFile = dir.filePath(QStringLiteral("graph.png"));
  ASSERT_TRUE(Graph.SavePicture(pngFile));
  const QImage png(pngFile);
  EXPECT_EQ(png.size(), QSize(695, 465));
  EXPECT_EQ(png.pixel(Graph.PlotRect().center()), Graph.Picture().pixel(Graph.PlotRect().center()));
  QString error;
  EXPECT_FALSE(Graph.SavePicture(dir.filePath(QStringLiteral("graph.xyz")), &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("graph.xyz"))));
}

TEST_F(TPictureGraph, CopiesThePictureAsAnImageAndAsSvg) {
  Graph.CopyPicture();
  const QMimeData *data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->hasImage());
  EXPECT_TRUE(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));
  EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(695, 465));
}

// Velocity vectors at a scale of 63 px for 1 m/s: a vector of 1 m/s is 63 px long.
TEST(VectorScale, LengthsFollowTheScaleAndItsBounds) {
  TGraph graph;
  graph.SetSize(595, 365);  // plot 500 px wide
  graph.SetWorld(TRectD{0.0, 10.0, 0.0, 10.0}, false);
  graph.SetLEchelleEnPixels(63);
  TVectorSeries velocity;
  velocity.Unit = QStringLiteral("m/s");
  velocity.Key = 0;
  velocity.Components = {{1.0, 0.0}, {0.0, 0.5}, {0.6, 0.8}};
  const int c = graph.AddCurve({{1, 1}, {2, 2}, {3, 3}}, 0, {}, {velocity});
  graph.SelectVectorParam(0);
  graph.InitVectorScale();
  const TParamCom &param = *graph.VectorParams()[0];
  // The longest vector (1 m/s) an eighth of the 500 x 300 plot's diagonal: 72.887 px.
  const double factor = std::sqrt(500.0 * 500.0 + 300.0 * 300.0) / 8.0 / 500.0;
  EXPECT_NEAR(param.Facteur, factor, 1e-12);
  EXPECT_NEAR(graph.VectorScaleValue(), 63.0 / (500.0 * factor), 1e-12);
  EXPECT_FALSE(graph.SetVectorScale(6.0 * graph.VectorScaleValue()));  // factor below 0.2 x
  EXPECT_FALSE(graph.SetVectorScale(0.0));
  ASSERT_TRUE(graph.SetVectorScale(1.0));
  auto *vector = static_cast<TGVecteur *>(graph.Curve(c)->Vectors[0]);
  const TPoint tail = vector->PointPixel(0);
  EXPECT_EQ(vector->Tip, TPoint(tail.X + 63, tail.Y));
  vector->SetTip(TPoint(tail.X, tail.Y - 63));  // drawn by hand: 63 px up
  EXPECT_NEAR(vector->Norme, 1.0, 1e-12);
  QString text;
  vector->Description(text);
  EXPECT_EQ(text, QStringLiteral("Vector norm : 1 m/s\nAngle with the horizontal axis : 90.0 ° (1.571 rad)"));
}

// A 500 x 300 plot over 0 ... 10 on both axes: 50 px a unit across, 30 px up.
class VectorDefaultScale : public testing::Test {
 protected:
  VectorDefaultScale() {
    graph.SetSize(595, 365);
    graph.SetWorld(TRectD{0.0, 10.0, 0.0, 10.0}, false);
  }
  // One series of velocities; the scale sized as a rebuild does.
  void Lay(const TPointDDynArray &tails, const TPointDDynArray &components) {
    TVectorSeries velocity;
    velocity.Unit = QStringLiteral("m/s");
    velocity.Components = components;
    curve = graph.AddCurve(tails, 0, {}, {velocity});
    graph.SelectVectorParam(0);
    graph.InitVectorScale();
  }
  TGVecteur &Vector(int i) {
    return *static_cast<TGVecteur *>(graph.Curve(curve)->Vectors[size_t(i)]);
  }
  static double PixelLength(const TGVecteur &v) {
    const TPoint tail = v.PointPixel(0);
    return std::hypot(v.Tip.X - tail.X, v.Tip.Y - tail.Y);
  }
  TGraph graph;
  int curve = -1;
};

// Room everywhere: the longest (2 m/s, at the centre) is an eighth of the diagonal,
// sqrt(500² + 300²) / 8 = 72.887 px, the others in proportion.
TEST_F(VectorDefaultScale, TheLongestIsAnEighthOfTheDiagonal) {
  Lay({{5, 5}, {3, 4}}, {{2.0, 0.0}, {0.0, 1.0}});
  EXPECT_NEAR(PixelLength(Vector(0)), 72.887, 1.0);
  EXPECT_NEAR(PixelLength(Vector(1)), 36.443, 1.0);
}

// A vector pointing down from y = 1 (30 px above the plot's bottom edge at 320) would run
// 6 px out at that scale: the scale gives way so its tip stays 6 px inside (the arrow's
// head clear of the edge), 24 px for 1 m/s (factor 24 / 500); the longest then measures 48 px.
TEST_F(VectorDefaultScale, NoVectorLeavesThePlot) {
  Lay({{5, 5}, {5, 1}}, {{2.0, 0.0}, {0.0, -1.0}});
  ASSERT_EQ(Vector(1).PointPixel(0).Y, 290);
  EXPECT_NEAR(graph.VectorParams()[0]->Facteur, 24.0 / 500.0, 1e-12);
  EXPECT_NEAR(PixelLength(Vector(0)), 48.0, 1.0);
  const QRect plot = graph.PlotRect();
  for (int i = 0; i < 2; ++i) EXPECT_TRUE(plot.contains(Vector(i).Tip.ToQPoint())) << i;
  // A point on the very edge has no room; the scale then stops at a quarter of the default.
  Lay({{5, 0}}, {{0.0, -2.0}});
  EXPECT_NEAR(graph.VectorParams()[0]->Facteur, 0.25 * 72.887 / 1000.0, 1e-4);
}

// A graph built before it has a size (a window not shown yet) sizes its scale when it gets one.
TEST(VectorScale, AScaleMadeWithoutAPlotIsSizedWithThePlot) {
  TGraph graph;
  graph.SetSize(0, 0);
  TVectorSeries velocity;
  velocity.Components = {{1.0, 0.0}};
  const int c = graph.AddCurve({{5, 5}}, 0, {}, {velocity});
  graph.SelectVectorParam(0);
  graph.SetWorld(TRectD{0.0, 10.0, 0.0, 10.0}, false);
  graph.SetSize(595, 365);
  const auto &v = *static_cast<TGVecteur *>(graph.Curve(c)->Vectors[0]);
  EXPECT_NEAR(v.Tip.X - v.PointPixel(0).X, 72.887, 1.0);
  EXPECT_NEAR(graph.VectorScaleValue(), graph.VectorParams()[0]->Valeur, 1e-12);
}

// Every vector of the kind zero: the longest magnitude is 0 and the factor would be
// infinite; the previous scale stays.
TEST(VectorScale, AllVectorsZeroKeepThePreviousFactor) {
  TGraph graph;
  graph.SetSize(595, 365);
  TVectorSeries still;
  still.Key = 1;
  still.Unit = QStringLiteral("m/s²");
  still.Components = {{0.0, 0.0}, {0.0, 0.0}};
  graph.AddCurve({{1, 1}, {2, 2}}, 0, {}, {still});
  graph.SelectVectorParam(0);
  const double factor = graph.VectorParams()[0]->Facteur;
  graph.InitVectorScale();
  EXPECT_EQ(graph.VectorParams()[0]->Facteur, factor);
  EXPECT_TRUE(std::isfinite(graph.VectorParams()[0]->Valeur));
  // No plot yet (zero width): the same.
  TParamCom param(QStringLiteral("m/s"), 0, 64, 0);
  EXPECT_FALSE(param.InitFromLongest(2.0));
  EXPECT_EQ(param.Facteur, 1.0);
}

}  // namespace graph_picture_test
