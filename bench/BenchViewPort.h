#pragma once
// The video view's geometry only, for benchmarks that mark a measurement through the
// document: a 640 x 480 frame shown at 100 %, so a click lands on the same frame pixel.

#include "measurement/ViewPort.h"

namespace kolibra::bench {

class TBenchViewPort : public measurement::IViewPort {
 public:
  TPointD ScreenToFrame(TPoint pixel) const override { return Mapping.ScreenToFrame(pixel); }
  TPoint FrameToScreen(TPointD position) const override { return Mapping.FrameToScreen(position); }
  int NativeFrameWidth() const override { return 640; }
  int NativeFrameHeight() const override { return 480; }
  int ClientWidth() const override { return 640; }
  int ClientHeight() const override { return 480; }
  int CurrentFrameIndex() const override { return Frame; }
  int EditedFrameIndex() const override { return Frame; }
  void GoToFrame(int index) override { Frame = index; }
  void GoToVideoFrame(int index) override { Frame = index; }
  void Repaint() override {}
  void Invalidate() override {}
  void SetViewCursor(int) override {}

  measurement::TFrameMapping Mapping{640.0, 480.0, 0.0, 0.0};
  int Frame = 0;
};

}  // namespace kolibra::bench
