#pragma once
// IFrameTimeShift: the video editing's word on a frame's time. A frame whose neighbours
// were dropped or are missing from the file lies a whole number of frame intervals later
// (or earlier) than its index says; the marks add that shift before they compute times.
// Without video editing every shift is 0, which is what the document assumes when it has
// no IFrameTimeShift.

namespace kolibra::measurement {

class IFrameTimeShift {
 public:
  virtual ~IFrameTimeShift() = default;
  // Frame intervals to add to the index of the video frame frameIndex.
  virtual int FrameTimeShift(int frameIndex) const = 0;
};

// The shift of a frame through an optional editing: 0 without one.
inline int TimeShiftOf(const IFrameTimeShift *shifts, int frameIndex) {
  return shifts == nullptr ? 0 : shifts->FrameTimeShift(frameIndex);
}

}  // namespace kolibra::measurement
