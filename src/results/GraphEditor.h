#pragma once
// The construct tools of a graph (new angle ... new vector, bend, duplicate, change vector
// direction, select, delete), the rubber band they draw and the graph's undo history. The
// graph hands them the mouse and keys while one of those tools is active; until an editor is
// installed (TGraph::SetEditor) those tools do nothing, and Delete removes the selected
// constructs without an undo step.

#include "kit/Types.h"

#include <Qt>

class QPainter;

namespace kolibra::results {

class TGraph;

class IGraphEditor {
 public:
  virtual ~IGraphEditor() = default;
  // Mouse actions of a construct tool; true when the graph must repaint.
  virtual bool MouseDown(TGraph &graph, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint at) = 0;
  virtual bool MouseMove(TGraph &graph, Qt::KeyboardModifiers modifiers, TPoint at) = 0;
  virtual bool MouseUp(TGraph &graph, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint at) = 0;
  virtual bool DoubleClick(TGraph &graph, TPoint at) = 0;
  // The construct being made, clipped to the plot by the graph.
  virtual void PaintRubberBand(TGraph &graph, QPainter &canvas) = 0;
  // The tool changed from oldTool (points clicked for a construct are dropped).
  virtual void ToolChanged(TGraph &graph, int oldTool, int newTool) = 0;
  // Insert and Delete: removes the selected elements as one undo step.
  virtual void DeleteSelection(TGraph &graph) = 0;
  // Ctrl+A: undoes the last graph change.
  virtual void Undo(TGraph &graph) = 0;
  virtual void ClearHistory() = 0;
};

}  // namespace kolibra::results
