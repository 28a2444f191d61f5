#pragma once
// A surface for the graph tests: records what the graph asks of its widget.

#include "results/GraphSurface.h"

#include <QString>

namespace results_test {

class TFakeGraphSurface : public kolibra::results::IGraphSurface {
 public:
  void InvalidateGraph() override { ++Invalidations; }
  void ApplyCursor(int code) override { Cursor = code; }
  void ShowHint(kolibra::TPoint at, const QString &text) override {
    HintVisible = true;
    HintAt = at;
    Hint = text;
  }
  void HideHint() override { HintVisible = false; }
  kolibra::TPoint PointerPosition() const override { return Pointer; }
  void MovePointer(kolibra::TPoint at) override { Pointer = at; }

  int Invalidations = 0;
  int Cursor = 0;
  bool HintVisible = false;
  kolibra::TPoint HintAt;
  QString Hint;
  kolibra::TPoint Pointer;
};

}  // namespace results_test
