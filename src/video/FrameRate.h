#pragma once
// An exact frame rate as AVI headers store it: Rate / Scale frames per second (the stream
// header's dwRate and dwScale). Videos from cameras and editors carry rates such as
// 30000/1001 that no number of milliseconds per frame expresses: every writer takes its rate
// from here, either the source's own pair or the nearest fraction of a rate in frames per
// second, so that a written file plays at the rate of its source.
//
// Plain C++ without Qt: the FFmpeg writer library "KlbRff" compiles this file too.

#include <cstdint>

namespace kolibra::video {

struct TFrameRate {
  uint32_t Rate = 0;
  uint32_t Scale = 0;

  bool IsValid() const { return Rate > 0 && Scale > 0; }
  // Frames per second; 0 when invalid.
  double Fps() const { return IsValid() ? double(Rate) / double(Scale) : 0.0; }
  // Microseconds per frame, rounded (the main AVI header's dwMicroSecPerFrame).
  uint32_t MicroSecondsPerFrame() const;

  // The pair as a file gives it, reduced only when a term does not fit 32 bits; invalid when
  // either is zero.
  static TFrameRate Exact(uint64_t Rate, uint64_t Scale);
  // The nearest fraction to Fps: a whole number when Fps is one, n/1001 for the rates of
  // television (29.97..., 59.94..., 23.976...), otherwise the simplest fraction within
  // 1e-12 of Fps (relative). Invalid for a rate that is not a positive finite number, or that is
  // above a million or below a millionth of a frame per second.
  static TFrameRate Nearest(double Fps);

  friend bool operator==(const TFrameRate &A, const TFrameRate &B) {
    return A.Rate == B.Rate && A.Scale == B.Scale;
  }
};

}  // namespace kolibra::video
