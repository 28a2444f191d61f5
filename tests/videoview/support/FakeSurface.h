#pragma once
// The video view's surface without a widget: it keeps what was asked of it, paints the back
// buffer when told to repaint (as the widget does), and lets a test run the playback timer
// by hand.

#include "videoview/VideoModel.h"
#include "videoview/VideoSubsystems.h"

#include <vector>

namespace kolibra::videoview::testing {

class TFakeSurface : public IVideoSurface {
 public:
  void RepaintNow() override {
    ++Repaints;
    if (Model != nullptr && Model->PaintDisplay()) {
      Painted.push_back(Model->IsOpen() ? Model->CurrentFrame() : -1);
      Model->FinishPaint();
    }
  }
  void InvalidateView() override { ++Invalidates; }
  void ApplyCursor(int code) override { Cursors.push_back(code); }
  void SetViewVisible(bool visible) override { Visible = visible; }
  bool ViewVisible() const override { return Visible; }
  void GeometryChanged() override { ++GeometryChanges; }
  void StartPlaybackTimer(int periodMs) override {
    TimerRunning = true;
    TimerPeriods.push_back(periodMs);
  }
  void StopPlaybackTimer() override { TimerRunning = false; }
  TPoint PointerPosition() const override { return Pointer; }
  void MovePointer(TPoint viewPixel) override { Pointer = viewPixel; }
  void ProcessPendingEvents() override { ++EventRuns; }

  int LastCursor() const { return Cursors.empty() ? -1 : Cursors.back(); }

  TVideoModel *Model = nullptr;
  bool Visible = true;
  bool TimerRunning = false;
  TPoint Pointer;
  int Repaints = 0;
  int Invalidates = 0;
  int GeometryChanges = 0;
  int EventRuns = 0;
  std::vector<int> Cursors;
  std::vector<int> TimerPeriods;
  std::vector<int> Painted;  // the frame shown by each paint, -1 for the title
};

}  // namespace kolibra::videoview::testing
