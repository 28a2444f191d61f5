// graphdemo [--tool modify|params|zoom|pan|measure] [--screenshot FILE.png] [--svg FILE.svg]
// A window with the graph control: the x of a damped pendulum measured at 25 frames per
// second (with a little deterministic noise), its velocity vectors, and a sine fitted to it
// with its panel. With --screenshot the window is grabbed to a PNG and the program exits.
#include "kit/Hint.h"
#include "modelling/ModelFunction.h"
#include "results/windows/GraphControl.h"
#include "results/windows/GraphKeyRouter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>
#include <QStatusBar>
#include <QMainWindow>
#include <QTimer>

#include <cmath>

using namespace kolibra;
using namespace kolibra::results;

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.addOption(QCommandLineOption(QStringLiteral("tool"), QStringLiteral("Starting tool."), QStringLiteral("name"),
                                      QStringLiteral("modify")));
  parser.addOption(QCommandLineOption(QStringLiteral("screenshot"), QStringLiteral("Grab to a PNG and exit."),
                                      QStringLiteral("file")));
  parser.addOption(QCommandLineOption(QStringLiteral("svg"), QStringLiteral("Save the graph as SVG."), QStringLiteral("file")));
  parser.addHelpOption();
  parser.process(app);

  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Kolibra graph"));
  auto *graph = new TGraphControl(&window);
  window.setCentralWidget(graph);
  new TGraphKeyRouter(&window, graph);
  window.resize(1000, 620);

  TGraph &g = graph->Graph();
  g.SetGradient(TColor::FromRgb(228, 229, 214), TColor::FromRgb(209, 255, 198));
  g.TitreAxeX = {QStringLiteral("t (s)")};
  g.TitreAxeY = {QStringLiteral("x (m)"), QStringLiteral("Abscissa")};
  TPointDDynArray samples;
  TIntegerDynArray numbers;
  TVectorSeries velocity;
  velocity.Unit = QStringLiteral("m/s");
  velocity.Key = 0;
  velocity.EdgeCount = 1;
  for (int i = 0; i < 100; ++i) {
    const double t = i * 0.04;
    const double noise = 0.004 * std::sin(12.9898 * i + 0.5 * i * i);
    samples.push_back(TPointD(t, 0.02 + 0.25 * std::sin(3.1 * t + 0.6) * std::exp(-0.12 * t) + noise));
    velocity.Components.push_back(TPointD(0.0, 0.25 * std::exp(-0.12 * t) * (3.1 * std::cos(3.1 * t + 0.6) - 0.12 * std::sin(3.1 * t + 0.6))));
    numbers.push_back(i + 1);
  }
  const int c = g.AddCurve(samples, 0, numbers, {velocity});
  g.SetCurveProperty(c, cePoints, qlonglong(TColor::FromRgb(200, 30, 30).Value), cfData, 0);
  g.SetCurveProperty(c, cePoints, 14, cfData, 6);
  g.SetCurveVisible(c, ceLabels, false, cfData);
  g.SetCurveProperty(c, ceModel, QStringLiteral("x"), cfData, 2);
  g.SetSymbolSize(1);

  QTimer::singleShot(0, &window, [&] {
    TRectD bounds{1e100, -1e100, 1e100, -1e100};
    for (const TPointD &p : samples) {
      bounds.XMin = std::min(bounds.XMin, p.X);
      bounds.XMax = std::max(bounds.XMax, p.X);
      bounds.YMin = std::min(bounds.YMin, p.Y);
      bounds.YMax = std::max(bounds.YMax, p.Y);
    }
    g.SetWorld(FitWorldRect(bounds, false, false, false, false, 0.05), false);
    g.SetCurveProperty(c, ceModel, modelling::mtSine, cfData, 6);
    g.SetShowModeleur(true, true);
    const QString tool = parser.value(QStringLiteral("tool"));
    const int code = tool == QLatin1String("params")    ? gtModelParams
                     : tool == QLatin1String("zoom")    ? gtZoom
                     : tool == QLatin1String("pan")     ? gtPan
                     : tool == QLatin1String("measure") ? gtMeasure
                                                        : gtModifyModel;
    g.SetTool(code);
    window.statusBar()->showMessage(LongHint(ToolHint(code)));
    if (parser.isSet(QStringLiteral("svg"))) g.SavePicture(parser.value(QStringLiteral("svg")));
    if (parser.isSet(QStringLiteral("screenshot"))) {
      QTimer::singleShot(300, &window, [&] {
        window.grab().save(parser.value(QStringLiteral("screenshot")));
        app.quit();
      });
    }
  });
  window.show();
  return app.exec();
}
