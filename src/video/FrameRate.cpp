#include "video/FrameRate.h"

#include <cmath>
#include <numeric>

namespace kolibra::video {

namespace framerate {

// A double holds a rate to about 1e-16; a fraction within 1e-12 of it is the one it was
// computed from, as long as the denominators stay below a million or so.
constexpr double Tolerance = 1e-12;
constexpr double MaxFps = 1e6;
constexpr double MinFps = 1e-6;

bool Close(double A, double B) { return std::fabs(A - B) <= Tolerance * std::fabs(B); }

}  // namespace framerate

uint32_t TFrameRate::MicroSecondsPerFrame() const {
  if (!IsValid()) return 0;
  const double us = std::round(1e6 * double(Scale) / double(Rate));
  return us >= 4294967295.0 ? 4294967295u : uint32_t(us);
}

TFrameRate TFrameRate::Exact(uint64_t Rate, uint64_t Scale) {
  if (Rate == 0 || Scale == 0) return {};
  if (Rate > UINT32_MAX || Scale > UINT32_MAX) {
    const uint64_t g = std::gcd(Rate, Scale);
    Rate /= g;
    Scale /= g;
    if (Rate > UINT32_MAX || Scale > UINT32_MAX) return Nearest(double(Rate) / double(Scale));
  }
  return {uint32_t(Rate), uint32_t(Scale)};
}

TFrameRate TFrameRate::Nearest(double Fps) {
  using namespace framerate;
  if (!std::isfinite(Fps) || Fps < MinFps || Fps > MaxFps) return {};
  const double whole = std::round(Fps);
  if (whole >= 1.0 && Close(Fps, whole)) return {uint32_t(whole), 1};
  const double ntsc = std::round(Fps * 1001.0);
  if (ntsc >= 1.0 && Close(Fps * 1001.0, ntsc)) return {uint32_t(ntsc), 1001};
  // The convergents of the continued fraction are the simplest fractions nearest to Fps;
  // the first within the tolerance is the rate meant.
  uint64_t p0 = 0, q0 = 1, p1 = 1, q1 = 0;
  double x = Fps;
  TFrameRate best;
  for (int i = 0; i < 64; ++i) {
    const double a = std::floor(x);
    if (a > double(UINT32_MAX)) break;
    const uint64_t p2 = uint64_t(a) * p1 + p0, q2 = uint64_t(a) * q1 + q0;
    if (p2 > UINT32_MAX || q2 > UINT32_MAX) break;
    best = {uint32_t(p2), uint32_t(q2)};
    if (p2 > 0 && Close(double(p2) / double(q2), Fps)) break;
    p0 = p1;
    q0 = q1;
    p1 = p2;
    q1 = q2;
    const double frac = x - a;
    if (frac <= 0.0) break;
    x = 1.0 / frac;
  }
  return best.IsValid() ? best : TFrameRate{};
}

}  // namespace kolibra::video
