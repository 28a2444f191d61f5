#pragma once
// TMeanShift: finds the target again in each new frame. The target is the colour histogram
// of the pixels inside the outline drawn on the first frame (L*u*v*, Bins per axis, plain
// counts); in each frame a square search window, starting where the target is expected,
// moves by mean-shift steps towards the place whose colours best match that histogram.
//
// One run: SetRadius, SetZones, InitTarget on the first frame, SetBins, BuildTarget, then
// one Search per following frame from the previous result. The target histogram does not
// change during a run; the background weights are rebuilt at the first step of each search,
// from the window's pixels beyond 1.2 times the target's half sizes (a colour frequent
// there weighs little, one absent from it fully), and again when the window has moved by
// more than a quarter of the target since, since the target may then have lain there.
//
// Pixels of the zones to ignore and pixels beyond the frame's edges take no part at all:
// they count in no histogram and get no weight, so nothing there can attract the window,
// whatever colours the target holds. A search that finds no pixel of the target's colours
// reports the target lost and leaves the position where it started.
//
// Positions are frame pixels as reals (the centre of pixel (x, y) is (x, y)); the window is
// cut around the rounded position and its result is the weighted mean of the pixel centres,
// so positions are not limited to whole pixels.

#include "kit/Types.h"
#include "tracking/EspaceCouleur.h"

#include <QImage>
#include <QRect>

#include <map>
#include <vector>

namespace kolibra::tracking {

// Why a target could not be set up.
enum TTargetError {
  teNone,
  teTooFewPoints,   // fewer than three distinct points
  teOutsideFrame,   // no pixel of the outline's inside lies in the frame
  teNoArea,         // the outline encloses nothing (its points are in a line)
  teUnreadable,     // the frame could not be read
};

// How many different points a polygon has (an outline needs three).
int DistinctPointCount(const TPointDynArray &points);

struct TSearchResult {
  TPointD Position;          // frame pixels
  bool Found = false;        // some window pixel had the target's colours
  double Similarity = 0.0;   // see Similarity below, 0 ... 1
  int Iterations = 0;
};

class TMeanShift {
 public:
  static constexpr int MinRadius = 10;
  static constexpr int MaxRadius = 100;
  static constexpr int DefaultBins = 20;
  // The choices the tracker always makes: weights are the square root of the histogram
  // ratio, the candidate's histogram is kernel-weighted and the target's is not, and the
  // histograms are built on L*u*v* rather than RGB.
  static constexpr bool UseSqrt = true;
  static constexpr bool KernelTarget = false;
  static constexpr bool KernelCandidate = true;
  static constexpr bool UseRgb = false;

  TMeanShift();

  // The search radius in frame pixels, limited to MinRadius ... MaxRadius.
  void SetRadius(int radius);
  int Radius() const { return FRadius; }

  // The zones to ignore, given as fractions of the frame's size, for frames of width x
  // height pixels: x rounded from fx * width, y from fy * height.
  void SetZones(const std::vector<TPointDDynArray> &zones, int width, int height);
  // Whether a frame pixel lies in a zone to ignore (or beyond the frame).
  bool Ignored(int x, int y) const;

  // The outline (fractions of the frame's size, rounded to pixels halves to even) on frame:
  // its inside, clipped to the frame, is the target; centre is the mean of its pixels.
  TTargetError InitTarget(const QImage &frame, const TPointDDynArray &outline, TPointD &centre);
  void SetBins(int bins) { FColours.SetBins(bins); }
  int Bins() const { return FColours.Bins(); }
  // The target histogram over the inside of the outline, and the empty colour.
  void BuildTarget();

  // Moves from position (frame pixels) to the best match in frame, in at most maxIterations
  // steps. frame must have the size given to SetZones.
  TSearchResult Search(TPointD position, const QImage &frame, int maxIterations);
  // How alike the target and the patch of frame under the target's mask at position are:
  // the Bhattacharyya coefficient of their histograms on bins twice as wide, each colour
  // weighted down as it is frequent round the target on its first frame and round the last
  // search's result, both divided by the target's total, so that target colours missing
  // from the patch lower it. 1 for the target itself, near 0 for a patch of background.
  double Similarity(TPointD position, const QImage &frame) const;

  // The side of the search window: the greater of Trunc(1.2 x the target's larger side)
  // and 2 x Radius + 1, made odd.
  int SearchSize() const { return SearchSizeFor(FTargetRect.width(), FTargetRect.height(), FRadius); }
  static int SearchSizeFor(int targetWidth, int targetHeight, int radius);

  // A colour none of the target's pixels has: the centre of the first empty bin whose
  // colour falls back into an empty bin; white when there is none.
  TRgb EmptyColour() const { return FEmptyColour; }

  const QRect &TargetRect() const { return FTargetRect; }
  const TMatriceI &TargetMask() const { return FTargetMask; }
  const QImage &TargetImage() const { return FTargetImage; }
  const std::vector<double> &TargetHist() const { return FTargetHist; }
  const TEspaceCouleur &Colours() const { return FColours; }

 private:
  // One window of side s centred on pixel c: the bin of every pixel, -1 where ignored.
  void CutWindow(const QImage &frame, TPoint c, int s);
  const std::vector<float> &Kernel(int side);
  void BuildBackground(int side);
  // The bins of the similarity: pairs of the search's bins along each axis.
  int CoarseCount() const;
  int CoarseBin(int bin) const;
  void ComputeEmptyColour();

  TEspaceCouleur FColours;
  int FRadius = 40;
  int FWidth = 0;
  int FHeight = 0;
  std::vector<uint8_t> FZoneMask;  // FWidth x FHeight, 1 inside a zone

  QRect FTargetRect;
  TMatriceI FTargetMask;
  QImage FTargetImage;
  TPointD FTargetCentre;
  int FTargetPixels = 0;
  std::vector<double> FTargetHist;
  TRgb FEmptyColour{255, 255, 255};

  std::vector<int> FWindowBins;
  std::vector<double> FWindowHist;
  std::vector<double> FBackgroundWeight;
  std::vector<double> FCoarseBackground;  // round the last search's result
  std::vector<double> FStartBackground;   // round the target on its first frame
  QImage FFirstFrame;                     // from InitTarget to BuildTarget
  std::vector<double> FBinWeight;
  std::map<int, std::vector<float>> FKernels;
};

}  // namespace kolibra::tracking
