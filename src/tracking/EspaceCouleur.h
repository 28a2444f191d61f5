#pragma once
// The tracker's colour space: sRGB bytes to CIE L*u*v* and back, and the quantisation of
// L*u*v* into Bins x Bins x Bins histogram bins.
//
// The bytes are taken as linear components (no gamma), with the reference white of the
// matrix below. Each axis is binned over the range it spans across all sRGB colours:
// L* over 0 ... 100, u* over -83.1376 ... 175.2055 (258.343 wide), v* over
// -134.1044 ... 107.4144 (241.519 wide). Binning u* and v* from 0 instead would put the
// negative half of each axis into bin 0 (most colours in one u bin), so that blue could not
// be told from a grey of the same lightness.
//
// TEspaceCouleur keeps the bin count and reads a lookup table from 24-bit colour to bin,
// filled as colours are met (a video holds few distinct colours, and a full table would
// cost 16 million conversions up front). The table of a bin count is one for the whole
// process, so a new run does not convert again the colours the last one met; entries are
// written atomically, so threads may share it.

#include <QtGlobal>

#include <atomic>
#include <cstdint>

namespace kolibra::tracking {

struct TLuv {
  double L = 0.0;
  double U = 0.0;
  double V = 0.0;
};

struct TRgb {
  uint8_t R = 0;
  uint8_t G = 0;
  uint8_t B = 0;
  friend constexpr bool operator==(const TRgb &, const TRgb &) = default;
};

// Chromaticity of the reference white.
inline constexpr double WhiteU = 0.19784977571475;
inline constexpr double WhiteV = 0.46834507665248;
// Where each axis starts and how wide it is, over every sRGB colour.
inline constexpr double LRange = 100.0;
inline constexpr double UMinimum = -83.1376;
inline constexpr double URange = 258.343113734;
inline constexpr double VMinimum = -134.1044;
inline constexpr double VRange = 241.51879024;

// Bytes 0 ... 255. A colour whose chromaticity denominator is near zero (black) takes the
// chromaticity u' = 4, v' = 0.6, and so L* = u* = v* = 0.
TLuv RgbToLuv(int r, int g, int b);
// The colour of an L*u*v* point, each byte rounded and limited to 0 ... 255; black for
// L* below 0.1. False (rgb untouched) when the point has no colour at all (v' <= 0).
bool LuvToRgb(const TLuv &luv, TRgb &rgb);

class TEspaceCouleur {
 public:
  static constexpr int MaxBins = 40;

  explicit TEspaceCouleur(int bins = 20);
  TEspaceCouleur(const TEspaceCouleur &) = delete;
  TEspaceCouleur &operator=(const TEspaceCouleur &) = delete;

  // Bins per axis, 1 ... MaxBins; a change empties the lookup table.
  void SetBins(int bins);
  int Bins() const { return FBins; }
  int BinCount() const { return FBins * FBins * FBins; }

  // (l, u, v) -> (l * Bins + u) * Bins + v, each index limited to 0 ... Bins - 1.
  int BinOf(const TLuv &luv) const;
  int BinOfRgb(uint8_t r, uint8_t g, uint8_t b) const {
    const uint32_t key = (uint32_t(r) << 16) | (uint32_t(g) << 8) | b;
    const uint16_t cached = FTable[key].load(std::memory_order_relaxed);
    return cached != 0 ? cached - 1 : Fill(key);
  }
  void AxisIndexes(int bin, int &l, int &u, int &v) const;
  // The L*u*v* point at the centre of a bin.
  TLuv BinCentre(int bin) const;

 private:
  int Fill(uint32_t key) const;

  int FBins = 20;
  double FScaleL = 0.2;
  double FScaleU = 0.0;
  double FScaleV = 0.0;
  // The table of FBins: 2^24 entries, 0 = not computed yet, else bin + 1.
  std::atomic<uint16_t> *FTable = nullptr;
};

}  // namespace kolibra::tracking
