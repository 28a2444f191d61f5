#include "video/convert/HdrPicture.h"

#include "video/convert/PictureConverter.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <system_error>
#include <thread>

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/mastering_display_metadata.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

namespace kolibra::video {

namespace hdr {

using TMatrix = std::array<std::array<double, 3>, 3>;

// R'G'B' values are looked up in steps of 1/LinearSteps, from 0 to LinearTop (limited-range
// pictures reach a little above 1). A step is finer than a 10-bit code by 16 times.
constexpr int LinearSteps = 16384;
constexpr double LinearTop = 1.25;
// Linear light to the screen's 8 bits is looked up by the top bits of the value's float: its
// exponent and ScreenMantissaBits of its mantissa, from 2^-24 (darker is black) to 1 (white).
constexpr int ScreenMantissaBits = 10;
constexpr int ScreenShift = 23 - ScreenMantissaBits;
constexpr uint32_t ScreenLowest = uint32_t(127 - 24) << 23;
constexpr uint32_t ScreenBase = ScreenLowest >> ScreenShift;
constexpr uint32_t ScreenCount = ((uint32_t(127) << 23) >> ScreenShift) - ScreenBase;
// The tone curve's gain is looked up the same way, for the brightest component from 2^-20
// (FFmpeg's floor of 1e-6) to 2^10 (ten times PQ's top).
constexpr uint32_t GainLowest = uint32_t(127 - 20) << 23;
constexpr uint32_t GainHighest = uint32_t(127 + 10) << 23;
constexpr uint32_t GainBase = GainLowest >> ScreenShift;
constexpr uint32_t GainCount = (GainHighest >> ScreenShift) - GainBase;
// Pictures are converted in bands of at least this many pixels, one a thread.
constexpr int64_t PixelsPerBand = 1 << 20;

// PQ (SMPTE ST 2084): the signal to absolute light, 1.0 being its top of 10000 cd/m2.
double PqToLight(double Signal) {
  constexpr double m1 = 2610.0 / 16384.0, m2 = 2523.0 / 4096.0 * 128.0;
  constexpr double c1 = 3424.0 / 4096.0, c2 = 2413.0 / 4096.0 * 32.0, c3 = 2392.0 / 4096.0 * 32.0;
  if (Signal <= 0.0) return 0.0;
  const double p = std::pow(Signal, 1.0 / m2);
  const double den = std::max(c2 - c3 * p, 1e-30);
  return std::pow(std::max(p - c1, 0.0) / den, 1.0 / m1);
}

// HLG (ARIB STD-B67): the signal to the scene's light, 1.0 at the signal's top.
double HlgToScene(double Signal) {
  constexpr double a = 0.17883277, b = 0.28466892, c = 0.55991073;
  if (Signal <= 0.0) return 0.0;
  if (Signal <= 0.5) return Signal * Signal / 3.0;
  return (std::exp((Signal - c) / a) + b) / 12.0;
}

// FFmpeg's Hable ("filmic") curve, in single precision as it computes it.
float Hable(float In) {
  const float a = 0.15f, b = 0.50f, c = 0.10f, d = 0.20f, e = 0.02f, f = 0.30f;
  return (In * (In * a + b * c) + d * e) / (In * (In * a + b) + d * f) - e / f;
}

TMatrix Multiply(const TMatrix &A, const TMatrix &B) {
  TMatrix m{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j)
      for (int k = 0; k < 3; ++k) m[i][j] += A[i][k] * B[k][j];
  return m;
}

TMatrix Inverse(const TMatrix &M) {
  const double det = M[0][0] * (M[1][1] * M[2][2] - M[1][2] * M[2][1]) -
                     M[0][1] * (M[1][0] * M[2][2] - M[1][2] * M[2][0]) +
                     M[0][2] * (M[1][0] * M[2][1] - M[1][1] * M[2][0]);
  TMatrix inv{};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      const int r0 = (j + 1) % 3, r1 = (j + 2) % 3, c0 = (i + 1) % 3, c1 = (i + 2) % 3;
      inv[i][j] = (M[r0][c0] * M[r1][c1] - M[r0][c1] * M[r1][c0]) / det;
    }
  }
  return inv;
}

// Linear RGB of the primaries (x, y of red, green, blue) to CIE XYZ, white at D65.
TMatrix RgbToXyz(const std::array<std::array<double, 2>, 3> &Primaries) {
  constexpr double wx = 0.3127, wy = 0.3290;
  TMatrix p{};
  for (int c = 0; c < 3; ++c) {
    const double x = Primaries[c][0], y = Primaries[c][1];
    p[0][c] = x / y;
    p[1][c] = 1.0;
    p[2][c] = (1.0 - x - y) / y;
  }
  const std::array<double, 3> white = {wx / wy, 1.0, (1.0 - wx - wy) / wy};
  const TMatrix inv = Inverse(p);
  for (int c = 0; c < 3; ++c) {
    const double s = inv[c][0] * white[0] + inv[c][1] * white[1] + inv[c][2] * white[2];
    for (int r = 0; r < 3; ++r) p[r][c] *= s;
  }
  return p;
}

// Linear BT.2020 RGB to linear BT.709 RGB (both white at D65, so no adaptation).
TMatrix Bt2020ToBt709() {
  const TMatrix bt2020 = RgbToXyz({{{0.708, 0.292}, {0.170, 0.797}, {0.131, 0.046}}});
  const TMatrix bt709 = RgbToXyz({{{0.640, 0.330}, {0.300, 0.600}, {0.150, 0.060}}});
  return Multiply(Inverse(bt709), bt2020);
}

// The luma weights (red, blue) of a picture's matrix; HDR pictures that name none are BT.2020.
std::array<double, 2> LumaWeights(int ColourSpace) {
  switch (ColourSpace) {
    case AVCOL_SPC_BT709:
      return {0.2126, 0.0722};
    case AVCOL_SPC_FCC:
      return {0.30, 0.11};
    case AVCOL_SPC_BT470BG:
    case AVCOL_SPC_SMPTE170M:
      return {0.299, 0.114};
    case AVCOL_SPC_SMPTE240M:
      return {0.212, 0.087};
    default:
      return {0.2627, 0.0593};
  }
}

// Where a chroma sample sits from the first luma sample of its block, in luma samples
// (horizontal, vertical), for pictures subsampled by 2.
std::array<double, 2> ChromaSite(int Location) {
  switch (Location) {
    case AVCHROMA_LOC_CENTER:
      return {0.5, 0.5};
    case AVCHROMA_LOC_TOPLEFT:
      return {0.0, 0.0};
    case AVCHROMA_LOC_TOP:
      return {0.5, 0.0};
    case AVCHROMA_LOC_BOTTOMLEFT:
      return {0.0, 1.0};
    case AVCHROMA_LOC_BOTTOM:
      return {0.5, 1.0};
    default:  // left, as MPEG-2 onwards and FFmpeg take an unsaid one
      return {0.0, 0.5};
  }
}

// The two chroma samples a luma sample lies between and the weight of the second.
struct TTap {
  int First = 0, Second = 0;
  float Weight = 0.0f;
};

std::vector<TTap> Taps(int LumaCount, int ChromaCount, int Log2Sub, double Site) {
  std::vector<TTap> taps(static_cast<size_t>(LumaCount));
  for (int i = 0; i < LumaCount; ++i) {
    if (Log2Sub == 0) {
      taps[size_t(i)] = {std::min(i, ChromaCount - 1), std::min(i, ChromaCount - 1), 0.0f};
      continue;
    }
    const double at = (i - Site) / double(1 << Log2Sub);
    const int first = int(std::floor(at));
    const float weight = float(at - first);
    taps[size_t(i)] = {std::clamp(first, 0, ChromaCount - 1),
                       std::clamp(first + 1, 0, ChromaCount - 1), weight};
  }
  return taps;
}

// What the conversion needs of a layout: planar Y'CbCr in 8 or 16-bit words, in the
// machine's order, chroma subsampled by at most 2.
bool ReadsDirectly(const AVPixFmtDescriptor *Desc) {
  if (!Desc || Desc->nb_components < 3) return false;
  if (Desc->flags & (AV_PIX_FMT_FLAG_RGB | AV_PIX_FMT_FLAG_FLOAT | AV_PIX_FMT_FLAG_BITSTREAM |
                     AV_PIX_FMT_FLAG_PAL | AV_PIX_FMT_FLAG_HWACCEL))
    return false;
  if (!(Desc->flags & AV_PIX_FMT_FLAG_PLANAR)) return false;
  if constexpr (std::endian::native == std::endian::little) {
    if (Desc->flags & AV_PIX_FMT_FLAG_BE) return false;
  } else if (!(Desc->flags & AV_PIX_FMT_FLAG_BE) && Desc->comp[0].depth > 8) {
    return false;
  }
  const int depth = Desc->comp[0].depth;
  if (depth < 8 || depth > 16 || Desc->log2_chroma_w > 1 || Desc->log2_chroma_h > 1) return false;
  for (int c = 0; c < 3; ++c) {
    const AVComponentDescriptor &comp = Desc->comp[c];
    if (comp.plane != c || comp.shift != 0 || comp.offset != 0 || comp.depth != depth ||
        comp.step != (depth > 8 ? 2 : 1))
      return false;
  }
  return true;
}

struct TLayout {
  int Width, Height, ChromaWidth, ChromaHeight, Log2SubW, Log2SubH, Depth;
  const uint8_t *Planes[3];
  int Strides[3];
};

struct TColourSteps {
  float YOffset, YScale, COffset, CScale;
  float CrToR, CbToG, CrToG, CbToB;  // Y'CbCr to R'G'B'
  float Gamut[3][3];
  bool ToBt709;
  const float *ToLinear;
  int LinearLast;
  const uint8_t *ToScreen;
  const float *Gain;
};

// Where a value is in the tables looked up by a float's top bits. The value is bounded first
// (a NaN to the lowest), without branches.
inline int32_t ScreenPlace(float Light) {
  const float bounded = std::min(std::max(std::bit_cast<float>(ScreenLowest), Light), 1.0f);
  return int32_t(std::bit_cast<uint32_t>(bounded) >> ScreenShift) - int32_t(ScreenBase);
}

inline int32_t GainPlace(float Signal) {
  const float bounded = std::min(std::max(std::bit_cast<float>(GainLowest), Signal),
                                 std::bit_cast<float>(GainHighest));
  return std::min(int32_t(std::bit_cast<uint32_t>(bounded) >> ScreenShift) - int32_t(GainBase),
                  int32_t(GainCount) - 1);
}

// The rows a conversion works in, one set per thread.
struct TRowWork {
  std::vector<float> U, V;           // chroma of the row at chroma width
  std::vector<float> Cb, Cr;         // at full width
  std::vector<float> R, G, B, Peak;  // R'G'B', then linear light, and its brightest component
  std::vector<int32_t> RIndex, GIndex, BIndex;  // R'G'B' as places in the linear light table
};

// Converts rows First to Last - 1. Each step runs along a whole row, so that the arithmetic
// ones run four or eight pixels at a time; the table lookups stay one at a time.
template <typename TSample>
void Convert(const TLayout &L, const TColourSteps &S, const std::vector<TTap> &Columns,
             const std::vector<TTap> &Rows, TRowWork &W, uint8_t *Bits, int64_t BytesPerLine,
             int First, int Last) {
  const size_t width = size_t(L.Width), chromaWidth = size_t(L.ChromaWidth);
  for (std::vector<float> *row : {&W.U, &W.V}) row->resize(chromaWidth);
  for (std::vector<float> *row : {&W.Cb, &W.Cr, &W.R, &W.G, &W.B, &W.Peak}) row->resize(width);
  for (std::vector<int32_t> *row : {&W.RIndex, &W.GIndex, &W.BIndex}) row->resize(width);
  float *__restrict u = W.U.data(), *__restrict v = W.V.data();
  float *__restrict cb = W.Cb.data(), *__restrict cr = W.Cr.data();
  float *__restrict r = W.R.data(), *__restrict g = W.G.data(), *__restrict b = W.B.data();
  float *__restrict peak = W.Peak.data();
  int32_t *__restrict ri = W.RIndex.data(), *__restrict gi = W.GIndex.data(),
                      *__restrict bi = W.BIndex.data();
  const float *__restrict toLinear = S.ToLinear, *__restrict gain = S.Gain;
  const uint8_t *__restrict toScreen = S.ToScreen;
  const bool halfSited = L.Log2SubW == 1 && Columns.size() > 1 && Columns[0].Weight == 0.0f &&
                         Columns[0].First == 0 && Columns[1].Weight == 0.5f && L.ChromaWidth > 1;
  const float cOffset = S.COffset, cScale = S.CScale, yOffset = S.YOffset, yScale = S.YScale;
  const float crToR = S.CrToR, cbToG = S.CbToG, crToG = S.CrToG, cbToB = S.CbToB;
  const float m00 = S.Gamut[0][0], m01 = S.Gamut[0][1], m02 = S.Gamut[0][2];
  const float m10 = S.Gamut[1][0], m11 = S.Gamut[1][1], m12 = S.Gamut[1][2];
  const float m20 = S.Gamut[2][0], m21 = S.Gamut[2][1], m22 = S.Gamut[2][2];
  auto sampleRow = [&](int Plane, int Row) {
    return reinterpret_cast<const TSample *>(L.Planes[Plane] +
                                             std::ptrdiff_t(Row) * L.Strides[Plane]);
  };
  for (int y = First; y < Last; ++y) {
    // The chroma of this row, upsampled vertically, then across.
    const TTap &tap = Rows[size_t(y)];
    const TSample *u0 = sampleRow(1, tap.First), *u1 = sampleRow(1, tap.Second);
    const TSample *v0 = sampleRow(2, tap.First), *v1 = sampleRow(2, tap.Second);
    const float w1 = tap.Weight, w0 = 1.0f - tap.Weight;
    for (size_t x = 0; x < chromaWidth; ++x) {
      u[x] = (float(u0[x]) * w0 + float(u1[x]) * w1 - cOffset) * cScale;
      v[x] = (float(v0[x]) * w0 + float(v1[x]) * w1 - cOffset) * cScale;
    }
    if (halfSited) {
      // The usual 4:2:0 and 4:2:2: even columns on a chroma sample, odd ones halfway.
      for (size_t x = 0; x + 1 < chromaWidth; ++x) {
        cb[2 * x] = u[x];
        cb[2 * x + 1] = 0.5f * (u[x] + u[x + 1]);
        cr[2 * x] = v[x];
        cr[2 * x + 1] = 0.5f * (v[x] + v[x + 1]);
      }
      for (size_t x = 2 * (chromaWidth - 1); x < width; ++x) {
        cb[x] = u[chromaWidth - 1];
        cr[x] = v[chromaWidth - 1];
      }
    } else {
      for (size_t x = 0; x < width; ++x) {
        const TTap &col = Columns[x];
        cb[x] = u[col.First] + (u[col.Second] - u[col.First]) * col.Weight;
        cr[x] = v[col.First] + (v[col.Second] - v[col.First]) * col.Weight;
      }
    }
    const TSample *luma = sampleRow(0, y);
    for (size_t x = 0; x < width; ++x) {
      const float yn = (float(luma[x]) - yOffset) * yScale;
      r[x] = yn + crToR * cr[x];
      g[x] = yn + cbToG * cb[x] + crToG * cr[x];
      b[x] = yn + cbToB * cb[x];
    }
    // Table places first (along the row, several at a time), then the lookups.
    const float linearLast = float(S.LinearLast);
    for (size_t x = 0; x < width; ++x) {
      ri[x] = int32_t(std::min(std::max(r[x] * float(LinearSteps) + 0.5f, 0.0f), linearLast));
      gi[x] = int32_t(std::min(std::max(g[x] * float(LinearSteps) + 0.5f, 0.0f), linearLast));
      bi[x] = int32_t(std::min(std::max(b[x] * float(LinearSteps) + 0.5f, 0.0f), linearLast));
    }
    for (size_t x = 0; x < width; ++x) {
      r[x] = toLinear[ri[x]];
      g[x] = toLinear[gi[x]];
      b[x] = toLinear[bi[x]];
    }
    if (S.ToBt709) {
      for (size_t x = 0; x < width; ++x) {
        const float r2020 = r[x], g2020 = g[x], b2020 = b[x];
        r[x] = m00 * r2020 + m01 * g2020 + m02 * b2020;
        g[x] = m10 * r2020 + m11 * g2020 + m12 * b2020;
        b[x] = m20 * r2020 + m21 * g2020 + m22 * b2020;
      }
    }
    // The brightest component sets the gain of all three, so that the hue stays.
    for (size_t x = 0; x < width; ++x) ri[x] = GainPlace(std::max(std::max(r[x], g[x]), b[x]));
    for (size_t x = 0; x < width; ++x) peak[x] = gain[ri[x]];
    for (size_t x = 0; x < width; ++x) {
      ri[x] = ScreenPlace(r[x] * peak[x]);
      gi[x] = ScreenPlace(g[x] * peak[x]);
      bi[x] = ScreenPlace(b[x] * peak[x]);
    }
    uint8_t *__restrict out = Bits + std::ptrdiff_t(y) * BytesPerLine;
    for (size_t x = 0; x < width; ++x) {
      out[3 * x] = toScreen[ri[x]];
      out[3 * x + 1] = toScreen[gi[x]];
      out[3 * x + 2] = toScreen[bi[x]];
    }
  }
}

}  // namespace hdr

bool IsHdrPicture(const AVFrame &Picture) {
  return Picture.color_trc == AVCOL_TRC_SMPTE2084 || Picture.color_trc == AVCOL_TRC_ARIB_STD_B67;
}

double HdrPeakOf(const AVFrame &Picture) {
  // Units of FFmpeg's reference white, 100 cd/m2.
  constexpr double referenceWhite = 100.0;
  double peak = 0.0;
  if (const AVFrameSideData *sd =
          av_frame_get_side_data(&Picture, AV_FRAME_DATA_CONTENT_LIGHT_LEVEL)) {
    peak = reinterpret_cast<const AVContentLightMetadata *>(sd->data)->MaxCLL / referenceWhite;
  }
  if (peak <= 0.0) {
    if (const AVFrameSideData *sd =
            av_frame_get_side_data(&Picture, AV_FRAME_DATA_MASTERING_DISPLAY_METADATA)) {
      const auto *mastering = reinterpret_cast<const AVMasteringDisplayMetadata *>(sd->data);
      if (mastering->has_luminance) peak = av_q2d(mastering->max_luminance) / referenceWhite;
    }
  }
  // Tone mapping works on linear light that no longer says which transfer it came by, so a
  // PQ picture without light levels is taken, as an HLG one, to peak at 1000 cd/m2.
  return peak > 0.0 ? peak : 10.0;
}

THdrConverter::THdrConverter() = default;
THdrConverter::~THdrConverter() { Reset(); }

void THdrConverter::Reset() {
  sws_freeContext(FPlanar);
  FPlanar = nullptr;
  av_frame_free(&FPlanarPicture);
}

void THdrConverter::MakeTables(const TKind &Kind) {
  if (Kind == FKind && !FToLinear.empty()) return;
  FKind = Kind;
  const int count = int(hdr::LinearTop * hdr::LinearSteps) + 1;
  FToLinear.resize(size_t(count));
  for (int i = 0; i < count; ++i) {
    const double signal = double(i) / hdr::LinearSteps;
    double light = 0.0;
    if (Kind.Transfer == AVCOL_TRC_SMPTE2084) {
      // 10000 cd/m2 at the top, 100 cd/m2 a unit.
      light = 100.0 * hdr::PqToLight(signal);
    } else {
      // A 1000 cd/m2 display, its system gamma 1.2 on each component.
      light = 10.0 * std::pow(hdr::HlgToScene(signal), 1.2);
    }
    FToLinear[size_t(i)] = float(light);
  }
  // The gain FFmpeg gives the components for the brightest of them, Signal: the curve brings
  // the peak to 1 and is itself flat near black.
  const float hablePeak = hdr::Hable(float(Kind.Peak));
  FGain.resize(hdr::GainCount);
  for (uint32_t i = 0; i < hdr::GainCount; ++i) {
    const uint32_t bits =
        ((i + hdr::GainBase) << hdr::ScreenShift) | (uint32_t(1) << (hdr::ScreenShift - 1));
    const float signal = std::max(std::bit_cast<float>(bits), 1e-6f);
    FGain[i] = hdr::Hable(signal) / hablePeak / signal;
  }
  if (FToScreen.empty()) {
    // One more entry for 1.0 itself.
    FToScreen.resize(hdr::ScreenCount + 1);
    FToScreen[hdr::ScreenCount] = 255;
    for (uint32_t i = 0; i < hdr::ScreenCount; ++i) {
      // The middle of the floats sharing this entry.
      const uint32_t bits =
          ((i + hdr::ScreenBase) << hdr::ScreenShift) | (uint32_t(1) << (hdr::ScreenShift - 1));
      const double light = std::bit_cast<float>(bits);
      FToScreen[i] = uint8_t(std::clamp(std::lround(255.0 * std::pow(light, 1.0 / 2.4)), 0L, 255L));
    }
  }
}

bool THdrConverter::ToPlanar16(const AVFrame &Picture) {
  const TPictureColours colours =
      ColoursOf(Picture.format, Picture.colorspace, Picture.color_range);
  const AVPixFmtDescriptor *desc = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(colours.Format));
  if (!desc ||
      (desc->flags & (AV_PIX_FMT_FLAG_RGB | AV_PIX_FMT_FLAG_HWACCEL | AV_PIX_FMT_FLAG_PAL)) ||
      desc->nb_components < 3)
    return false;
  FPlanar = sws_getCachedContext(
      FPlanar, Picture.width, Picture.height, static_cast<AVPixelFormat>(colours.Format),
      Picture.width, Picture.height, AV_PIX_FMT_YUV444P16, SWS_POINT, nullptr, nullptr, nullptr);
  if (!FPlanar) return false;
  // Only the layout changes: the same matrix and range on both sides.
  const int range = colours.FullRange ? 1 : 0;
  sws_setColorspaceDetails(FPlanar, sws_getCoefficients(colours.Matrix), range,
                           sws_getCoefficients(colours.Matrix), range, 0, 1 << 16, 1 << 16);
  if (!FPlanarPicture || FPlanarPicture->width != Picture.width ||
      FPlanarPicture->height != Picture.height) {
    av_frame_free(&FPlanarPicture);
    FPlanarPicture = av_frame_alloc();
    if (!FPlanarPicture) return false;
    FPlanarPicture->format = AV_PIX_FMT_YUV444P16;
    FPlanarPicture->width = Picture.width;
    FPlanarPicture->height = Picture.height;
    if (av_frame_get_buffer(FPlanarPicture, 0) < 0) {
      av_frame_free(&FPlanarPicture);
      return false;
    }
  }
  if (sws_scale(FPlanar, Picture.data, Picture.linesize, 0, Picture.height, FPlanarPicture->data,
                FPlanarPicture->linesize) <= 0)
    return false;
  FPlanarPicture->color_range = colours.FullRange ? AVCOL_RANGE_JPEG : AVCOL_RANGE_MPEG;
  return true;
}

bool THdrConverter::ToRgb(const AVFrame &Picture, uint8_t *Bits, int64_t BytesPerLine) {
  if (!Bits || Picture.width <= 0 || Picture.height <= 0 ||
      BytesPerLine < int64_t(Picture.width) * 3)
    return false;
  const TPictureColours colours =
      ColoursOf(Picture.format, Picture.colorspace, Picture.color_range);
  const AVPixFmtDescriptor *desc = av_pix_fmt_desc_get(static_cast<AVPixelFormat>(Picture.format));
  const AVFrame *source = &Picture;
  bool fullRange = colours.FullRange;
  if (!hdr::ReadsDirectly(desc)) {
    if (!ToPlanar16(Picture)) return false;
    source = FPlanarPicture;
    desc = av_pix_fmt_desc_get(AV_PIX_FMT_YUV444P16);
  }

  MakeTables({Picture.color_trc, HdrPeakOf(Picture)});

  hdr::TLayout layout{};
  layout.Width = Picture.width;
  layout.Height = Picture.height;
  layout.Log2SubW = desc->log2_chroma_w;
  layout.Log2SubH = desc->log2_chroma_h;
  layout.ChromaWidth = -((-Picture.width) >> layout.Log2SubW);
  layout.ChromaHeight = -((-Picture.height) >> layout.Log2SubH);
  layout.Depth = desc->comp[0].depth;
  for (int p = 0; p < 3; ++p) {
    layout.Planes[p] = source->data[p];
    layout.Strides[p] = source->linesize[p];
  }

  hdr::TColourSteps steps{};
  const double unit = double(1 << (layout.Depth - 8));
  if (fullRange) {
    const double top = double((1 << layout.Depth) - 1);
    steps.YOffset = 0.0f;
    steps.YScale = float(1.0 / top);
    steps.CScale = float(1.0 / top);
  } else {
    steps.YOffset = float(16.0 * unit);
    steps.YScale = float(1.0 / (219.0 * unit));
    steps.CScale = float(1.0 / (224.0 * unit));
  }
  steps.COffset = float(1 << (layout.Depth - 1));
  const auto [kr, kb] = hdr::LumaWeights(Picture.colorspace);
  const double kg = 1.0 - kr - kb;
  steps.CrToR = float(2.0 * (1.0 - kr));
  steps.CbToB = float(2.0 * (1.0 - kb));
  steps.CbToG = float(-2.0 * kb * (1.0 - kb) / kg);
  steps.CrToG = float(-2.0 * kr * (1.0 - kr) / kg);
  // Pictures that name BT.709 primaries keep them; the others are BT.2020, as HDR is.
  steps.ToBt709 = Picture.color_primaries != AVCOL_PRI_BT709;
  const hdr::TMatrix gamut = hdr::Bt2020ToBt709();
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) steps.Gamut[i][j] = float(gamut[size_t(i)][size_t(j)]);
  steps.ToLinear = FToLinear.data();
  steps.LinearLast = int(FToLinear.size()) - 1;
  steps.ToScreen = FToScreen.data();
  steps.Gain = FGain.data();

  const auto [siteX, siteY] = hdr::ChromaSite(Picture.chroma_location);
  const std::vector<hdr::TTap> columns =
      hdr::Taps(layout.Width, layout.ChromaWidth, layout.Log2SubW, siteX);
  const std::vector<hdr::TTap> rows =
      hdr::Taps(layout.Height, layout.ChromaHeight, layout.Log2SubH, siteY);
  // Large pictures (a phone's 4K) are cut into bands converted side by side.
  const int64_t pixels = int64_t(layout.Width) * layout.Height;
  const int bands =
      int(std::clamp<int64_t>(std::min<int64_t>(pixels / hdr::PixelsPerBand, layout.Height), 1,
                              std::max(1u, std::min(std::thread::hardware_concurrency(), 4u))));
  FWork.resize(size_t(bands));
  auto convertBand = [&](int Band) {
    const int first = int(int64_t(layout.Height) * Band / bands),
              last = int(int64_t(layout.Height) * (Band + 1) / bands);
    if (layout.Depth > 8) {
      hdr::Convert<uint16_t>(layout, steps, columns, rows, FWork[size_t(Band)], Bits, BytesPerLine,
                             first, last);
    } else {
      hdr::Convert<uint8_t>(layout, steps, columns, rows, FWork[size_t(Band)], Bits, BytesPerLine,
                            first, last);
    }
  };
  std::vector<std::thread> helpers;
  int band = 1;
  try {
    for (; band < bands; ++band) helpers.emplace_back(convertBand, band);
  } catch (const std::system_error &) {
    // No thread to be had: this one converts the bands left.
  }
  for (; band < bands; ++band) convertBand(band);
  convertBand(0);
  for (std::thread &helper : helpers) helper.join();
  return true;
}

}  // namespace kolibra::video
