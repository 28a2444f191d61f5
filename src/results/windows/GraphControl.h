#pragma once
// TGraphControl: the widget that shows a TGraph. It is thin on purpose: the graph decides
// everything; the widget copies the graph's back buffer to the screen, turns Qt's mouse,
// wheel, keyboard and resize events into the graph's calls, shows the graph's cursors and
// its hint window, and moves the pointer when the arrow keys ask for it.

#include "results/Graph.h"

#include <QWidget>

class QLabel;

namespace kolibra::results {

class TGraphControl : public QWidget, public IGraphSurface {
  Q_OBJECT

 public:
  explicit TGraphControl(QWidget *parent = nullptr);
  ~TGraphControl() override;

  TGraph &Graph() { return FGraph; }
  const TGraph &Graph() const { return FGraph; }
  // The hint window (hidden when no hint is shown).
  QLabel *HintWindow() const { return FHint; }

  // --- IGraphSurface -----------------------------------------------------------------------
  void InvalidateGraph() override;
  void ApplyCursor(int code) override;
  void ShowHint(TPoint at, const QString &text) override;
  void HideHint() override;
  TPoint PointerPosition() const override;
  void MovePointer(TPoint at) override;

 protected:
  void paintEvent(QPaintEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void wheelEvent(QWheelEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void leaveEvent(QEvent *event) override;

 private:
  TGraph FGraph;
  QLabel *FHint = nullptr;
  TPoint FPointer;
};

}  // namespace kolibra::results
