#pragma once
// HDR pictures, as phones record them (HEVC or VP9, 10 bits, BT.2020 colours with the PQ or the
// HLG transfer), tone-mapped to the 8-bit BT.709 RGB that Kolibra shows and tracks. Converted
// like plain pictures, with the matrix and range only, they look grey and washed out.
//
// The picture goes the way FFmpeg's own tone mapping takes it
//   zscale=t=linear:npl=100, zscale=p=bt709, tonemap=hable:desat=0, zscale=t=bt709
// so that Kolibra's frames look like those a user makes of the same clip with ffmpeg:
//  - Y'CbCr to R'G'B' (chroma upsampled bilinearly from where the stream sites it);
//  - R'G'B' to linear light, 1.0 being 100 cd/m2: PQ is absolute (its top is 10000 cd/m2,
//    so 100.0); HLG is relative, its top taken as a 1000 cd/m2 display (10.0) through the
//    display's system gamma of 1.2 applied to each component;
//  - BT.2020 primaries to BT.709 ones;
//  - the Hable curve on the largest of the three components, the others scaled alike so the
//    hue stays, with the picture's peak (its content light level or its mastering display's
//    top when the stream tells them, else 1000 cd/m2) brought to white;
//  - the BT.709 display transfer (a 2.4 power, as a BT.1886 screen), to 8 bits.
// The transfer curves are tables, so that a 4K frame converts in tens of milliseconds.

#include <cstdint>
#include <vector>

struct AVFrame;
struct SwsContext;

namespace kolibra::video {

namespace hdr {
struct TRowWork;
}

// True when Picture's transfer is PQ (SMPTE 2084) or HLG (ARIB STD-B67).
bool IsHdrPicture(const AVFrame &Picture);

// The peak of Picture's light in units of 100 cd/m2, as FFmpeg's tone mapping reads it: the
// content light level, else the mastering display's top, else 1000 cd/m2.
double HdrPeakOf(const AVFrame &Picture);

class THdrConverter {
 public:
  THdrConverter();
  ~THdrConverter();
  THdrConverter(const THdrConverter &) = delete;
  THdrConverter &operator=(const THdrConverter &) = delete;

  // Paints the HDR Picture, at its own size, into rows of 24-bit RGB BytesPerLine apart.
  // False when the picture is no Y'CbCr one.
  bool ToRgb(const AVFrame &Picture, uint8_t *Bits, int64_t BytesPerLine);
  void Reset();

 private:
  struct TKind {
    int Transfer = -1;
    double Peak = 0.0;
    bool operator==(const TKind &) const = default;
  };
  void MakeTables(const TKind &Kind);
  bool ToPlanar16(const AVFrame &Picture);

  TKind FKind;
  std::vector<float> FToLinear;    // R'G'B' in steps of 1/LinearSteps to linear light
  std::vector<uint8_t> FToScreen;  // linear light (by its float's top bits) to 8-bit BT.709
  std::vector<float> FGain;        // the brightest component (by its float's top bits) to the
                                   // tone curve's gain for all three
  // Pictures whose layout the conversion does not read directly are first made 16-bit planar.
  SwsContext *FPlanar = nullptr;
  AVFrame *FPlanarPicture = nullptr;
  std::vector<hdr::TRowWork> FWork;  // one a band of the picture
};

}  // namespace kolibra::video
