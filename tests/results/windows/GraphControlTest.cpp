// The graph's widget: events reach the graph, the hint window shows, and keys typed into a
// text box stay there while the others go to the graph.
#include "results/windows/GraphControl.h"
#include "results/windows/GraphKeyRouter.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace graph_control_test {

using namespace kolibra;
using namespace kolibra::results;

struct TWindow {
  QWidget Window;
  TGraphControl *Graph = nullptr;
  QLineEdit *Edit = nullptr;
  QPushButton *Button = nullptr;
  TWindow() {
    auto *layout = new QVBoxLayout(&Window);
    Edit = new QLineEdit(&Window);
    Button = new QPushButton(QStringLiteral("OK"), &Window);
    Graph = new TGraphControl(&Window);
    Graph->setMinimumSize(595, 365);
    layout->addWidget(Edit);
    layout->addWidget(Button);
    layout->addWidget(Graph);
    new TGraphKeyRouter(&Window, Graph);
    Window.show();
    QApplication::setActiveWindow(&Window);
    (void)QTest::qWaitForWindowExposed(&Window);
    Graph->Graph().SetWorld(TRectD{0.0, 10.0, 0.0, 30.0}, false);
  }
};

// Keys typed into a text box stay there; elsewhere in the window they go to the graph.
TEST(GraphKeyRouter, TextEntriesKeepTheirKeys) {
  TWindow w;
  int contextMenus = 0;
  w.Graph->Graph().OnObjectClick = [&](Qt::MouseButton button, int) { contextMenus += button == Qt::RightButton; };
  w.Edit->setFocus();
  QTest::keyClicks(w.Edit, QStringLiteral("1 5"));
  QTest::keyClick(w.Edit, Qt::Key_Left);
  QTest::keyClick(w.Edit, Qt::Key_Delete);
  EXPECT_EQ(w.Edit->text(), QStringLiteral("1 "));
  EXPECT_EQ(contextMenus, 0);

  w.Button->setFocus();
  QTest::keyClick(w.Button, Qt::Key_Space);
  EXPECT_EQ(contextMenus, 1);
  w.Graph->setFocus();
  QTest::keyClick(w.Graph, Qt::Key_Space);
  EXPECT_EQ(contextMenus, 2);
  EXPECT_TRUE(TGraphKeyRouter::IsTextEntry(w.Edit));
  EXPECT_FALSE(TGraphKeyRouter::IsTextEntry(w.Button));
}

TEST(GraphControl, MouseWheelAndHintsReachTheGraph) {
  TWindow w;
  TGraph &graph = w.Graph->Graph();
  EXPECT_EQ(graph.Width(), w.Graph->width());
  graph.AddCurve({{1, 2}, {2, 5}, {3, 9}}, 0, {});
  graph.SetTool(gtMeasure);
  TPoint a, b;
  graph.WorldToScreen(TPointD(1, 2), a);
  graph.WorldToScreen(TPointD(2, 5), b);
  QTest::mouseMove(w.Graph, QPoint((a.X + b.X) / 2, (a.Y + b.Y) / 2));
  EXPECT_TRUE(w.Graph->HintWindow()->isVisible());
  EXPECT_EQ(w.Graph->HintWindow()->text(), QStringLiteral("Segment length : 3.16 m"));
  EXPECT_GE(w.Graph->HintWindow()->y(), (a.Y + b.Y) / 2 + 10);

  const QPointF at(300, 150);
  const TPointD under = graph.ScreenToWorld(300, 150);
  QWheelEvent wheel(at, w.Graph->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(w.Graph, &wheel);
  EXPECT_EQ(graph.Zoom().ZoomX, 1.5);
  EXPECT_NEAR(graph.ScreenToWorld(300, 150).X, under.X, 1e-9);

  graph.SetTool(gtZoom);
  QTest::mouseClick(w.Graph, Qt::RightButton, Qt::NoModifier, QPoint(300, 150));
  EXPECT_EQ(graph.Zoom().ZoomX, 1.0);
  // The widget shows the graph's picture.
  const QImage shown = w.Graph->grab().toImage();
  EXPECT_EQ(shown.pixel(graph.PlotRect().center()), graph.Picture().pixel(graph.PlotRect().center()));
}

}  // namespace graph_control_test
