#pragma once
// TGraphKeyRouter: a window that shows a graph hands it the keys typed anywhere in the
// window (arrows, Space, Insert, Delete, Ctrl+A), except while a text entry has the focus:
// a value typed in a box must reach the box, not move the pointer or undo a construct.

#include <QObject>
#include <QPointer>

class QWidget;

namespace kolibra::results {

class TGraphControl;

class TGraphKeyRouter : public QObject {
  Q_OBJECT

 public:
  // Watches the keys of window (and its children) for graph.
  TGraphKeyRouter(QWidget *window, TGraphControl *graph);

  // The graph the keys go to now (null: none, the keys go their usual way).
  void SetGraph(TGraphControl *graph) { Graph = graph; }

  // Whether a widget takes typed text: line and text edits, spin boxes, editable combos.
  static bool IsTextEntry(const QWidget *widget);

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  QPointer<QWidget> Window;
  QPointer<TGraphControl> Graph;
};

}  // namespace kolibra::results
