#pragma once
// What the graph asks of the widget that shows it. The graph's logic decides; the widget
// repaints, shows the cursor and the hint window and moves the pointer. Tests use a double.

#include "kit/Types.h"

#include <QString>

namespace kolibra::results {

class IGraphSurface {
 public:
  virtual ~IGraphSurface() = default;
  // Repaint soon (the back buffer is up to date when Picture() is called).
  virtual void InvalidateGraph() = 0;
  // A cursor of the program's cursor table (0 the arrow, negative the system's shapes).
  virtual void ApplyCursor(int code) = 0;
  // The hint window: text word-wrapped in a window 10 px below the point (control pixels).
  virtual void ShowHint(TPoint at, const QString &text) = 0;
  virtual void HideHint() = 0;
  // The pointer (arrow keys move it).
  virtual TPoint PointerPosition() const = 0;
  virtual void MovePointer(TPoint at) = 0;
};

}  // namespace kolibra::results
