#pragma once
// A video view for tests: a 640 x 480 frame shown at 100 % in a 640 x 480 client area by
// default, a frame counter without video editing, and a log of what was asked of it.

#include "measurement/ViewPort.h"

#include <vector>

namespace kolibra::measurement::testing {

class FakeViewPort : public IViewPort {
 public:
  FakeViewPort() { Mapping = TFrameMapping{640.0, 480.0, 0.0, 0.0}; }

  TPointD ScreenToFrame(TPoint pixel) const override { return Mapping.ScreenToFrame(pixel); }
  TPoint FrameToScreen(TPointD position) const override { return Mapping.FrameToScreen(position); }
  int NativeFrameWidth() const override { return NativeWidth; }
  int NativeFrameHeight() const override { return NativeHeight; }
  int ClientWidth() const override { return Width; }
  int ClientHeight() const override { return Height; }
  int CurrentFrameIndex() const override { return CurrentFrame; }
  int EditedFrameIndex() const override { return EditedFrame; }

  // Without editing both numberings agree: each move sets both.
  void GoToFrame(int editedIndex) override {
    GoToFrameCalls.push_back(editedIndex);
    EditedFrame = CurrentFrame = editedIndex;
  }
  void GoToVideoFrame(int frameIndex) override {
    GoToVideoFrameCalls.push_back(frameIndex);
    EditedFrame = CurrentFrame = frameIndex;
  }
  void Repaint() override { ++RepaintCount; }
  void Invalidate() override { ++InvalidateCount; }
  void SetViewCursor(int code) override { Cursors.push_back(code); }

  int LastCursor() const { return Cursors.empty() ? -1 : Cursors.back(); }
  int PaintRequests() const { return RepaintCount + InvalidateCount; }

  TFrameMapping Mapping;
  int NativeWidth = 640;
  int NativeHeight = 480;
  int Width = 640;
  int Height = 480;
  int CurrentFrame = 0;
  int EditedFrame = 0;

  std::vector<int> GoToFrameCalls;
  std::vector<int> GoToVideoFrameCalls;
  std::vector<int> Cursors;
  int RepaintCount = 0;
  int InvalidateCount = 0;
};

}  // namespace kolibra::measurement::testing
