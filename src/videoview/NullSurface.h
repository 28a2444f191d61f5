#pragma once
// TNullSurface: a video view surface that shows nothing. The view model on it still reads,
// maps and paints into its back buffer when asked: what kolibra-cli and the benchmarks need
// of a view without a window.

#include "videoview/VideoSubsystems.h"

namespace kolibra::videoview {

class TNullSurface : public IVideoSurface {
 public:
  void RepaintNow() override {}
  void InvalidateView() override {}
  void ApplyCursor(int) override {}
  void SetViewVisible(bool visible) override { Visible = visible; }
  bool ViewVisible() const override { return Visible; }
  void GeometryChanged() override {}
  void StartPlaybackTimer(int) override {}
  void StopPlaybackTimer() override {}
  TPoint PointerPosition() const override { return TPoint(); }
  void MovePointer(TPoint) override {}
  void ProcessPendingEvents() override {}

 private:
  bool Visible = true;
};

}  // namespace kolibra::videoview
