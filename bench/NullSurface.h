#pragma once
// A video view surface that shows nothing: the back buffer, or the document's conversions,
// are all a benchmark needs of the view.

#include "videoview/VideoSubsystems.h"

namespace kolibra::bench {

class TNullSurface : public videoview::IVideoSurface {
 public:
  void RepaintNow() override {}
  void InvalidateView() override {}
  void ApplyCursor(int) override {}
  void SetViewVisible(bool) override {}
  bool ViewVisible() const override { return true; }
  void GeometryChanged() override {}
  void StartPlaybackTimer(int) override {}
  void StopPlaybackTimer() override {}
  TPoint PointerPosition() const override { return TPoint(); }
  void MovePointer(TPoint) override {}
  void ProcessPendingEvents() override {}
};

}  // namespace kolibra::bench
