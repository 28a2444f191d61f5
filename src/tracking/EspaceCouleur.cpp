#include "tracking/EspaceCouleur.h"

#include "kit/MathUtils.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <mutex>
#include <new>

namespace kolibra::tracking {

TLuv RgbToLuv(int r, int g, int b) {
  const double x = 0.4125 * r + 0.3576 * g + 0.1804 * b;
  const double y = 0.2125 * r + 0.7154 * g + 0.0721 * b;
  const double z = 0.0193 * r + 0.1192 * g + 0.9502 * b;
  const double yr = y / 255.0;
  TLuv luv;
  luv.L = yr <= 0.008856 ? 903.3 * yr : 116.0 * std::cbrt(yr) - 16.0;
  const double d = x + 15.0 * y + 3.0 * z;
  double up = 4.0;
  double vp = 0.6;
  if (!IsNearZero(d)) {
    up = 4.0 * x / d;
    vp = 9.0 * y / d;
  }
  luv.U = 13.0 * luv.L * (up - WhiteU);
  luv.V = 13.0 * luv.L * (vp - WhiteV);
  return luv;
}

bool LuvToRgb(const TLuv &luv, TRgb &rgb) {
  if (luv.L < 0.1) {
    rgb = TRgb();
    return true;
  }
  const double fy = (luv.L + 16.0) / 116.0;
  const double y = luv.L >= 8.0 ? fy * fy * fy : luv.L / 903.3;
  const double up = luv.U / (13.0 * luv.L) + WhiteU;
  const double vp = luv.V / (13.0 * luv.L) + WhiteV;
  // No real colour has v' <= 0: the formulas below would divide by it.
  if (vp <= 0.0) return false;
  const double x = 9.0 * up * y / (4.0 * vp);
  const double z = (12.0 - 3.0 * up - 20.0 * vp) * y / (4.0 * vp);
  const auto byte = [](double component) { return uint8_t(std::clamp(RoundClamped(component * 255.0), 0, 255)); };
  rgb.R = byte(3.2405 * x - 1.5371 * y - 0.4985 * z);
  rgb.G = byte(-0.9693 * x + 1.876 * y + 0.0416 * z);
  rgb.B = byte(0.0556 * x - 0.204 * y + 1.0573 * z);
  return true;
}

namespace espace_couleur {

// One table per bin count for the life of the process. calloc leaves untouched pages to the
// system, so only the colours met cost memory; zeroed memory is a valid array of atomics
// holding 0.
std::atomic<uint16_t> *SharedTable(int bins) {
  static std::mutex guard;
  static std::array<std::atomic<uint16_t> *, TEspaceCouleur::MaxBins + 1> tables{};
  const std::lock_guard<std::mutex> lock(guard);
  std::atomic<uint16_t> *&table = tables[size_t(bins)];
  if (table == nullptr) {
    static_assert(sizeof(std::atomic<uint16_t>) == sizeof(uint16_t));
    table = static_cast<std::atomic<uint16_t> *>(std::calloc(size_t(1) << 24, sizeof(uint16_t)));
    if (table == nullptr) throw std::bad_alloc();
  }
  return table;
}

}  // namespace espace_couleur

TEspaceCouleur::TEspaceCouleur(int bins) { SetBins(bins); }

void TEspaceCouleur::SetBins(int bins) {
  bins = std::clamp(bins, 1, MaxBins);
  if (FTable != nullptr && bins == FBins) return;
  FBins = bins;
  FScaleL = bins / LRange;
  FScaleU = bins / URange;
  FScaleV = bins / VRange;
  FTable = espace_couleur::SharedTable(bins);
}

int TEspaceCouleur::BinOf(const TLuv &luv) const {
  const auto index = [this](double value) {
    // Trunc, as the bins are half-open; NaN cannot occur from bytes.
    const double scaled = std::floor(value);
    return scaled < 0.0 ? 0 : scaled >= FBins ? FBins - 1 : int(scaled);
  };
  const int l = index(luv.L * FScaleL);
  const int u = index((luv.U - UMinimum) * FScaleU);
  const int v = index((luv.V - VMinimum) * FScaleV);
  return (l * FBins + u) * FBins + v;
}

void TEspaceCouleur::AxisIndexes(int bin, int &l, int &u, int &v) const {
  v = bin % FBins;
  u = (bin / FBins) % FBins;
  l = bin / (FBins * FBins);
}

TLuv TEspaceCouleur::BinCentre(int bin) const {
  int l = 0, u = 0, v = 0;
  AxisIndexes(bin, l, u, v);
  return TLuv{(l + 0.5) / FScaleL, (u + 0.5) / FScaleU + UMinimum, (v + 0.5) / FScaleV + VMinimum};
}

int TEspaceCouleur::Fill(uint32_t key) const {
  const int bin = BinOf(RgbToLuv(int(key >> 16), int((key >> 8) & 0xFF), int(key & 0xFF)));
  FTable[key].store(uint16_t(bin + 1), std::memory_order_relaxed);
  return bin;
}

}  // namespace kolibra::tracking
