#include "tracking/MeanShift.h"

#include "kit/MathUtils.h"
#include "measurement/DrawHelpers.h"

#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

namespace kolibra::tracking {

namespace mean_shift {

TPointDynArray ToPixels(const TPointDDynArray &points, int width, int height) {
  TPointDynArray pixels;
  pixels.reserve(points.size());
  for (const TPointD &p : points) pixels.emplace_back(RoundClamped(p.X * width), RoundClamped(p.Y * height));
  return pixels;
}

// The 24-bit picture the search reads; other formats are converted once.
QImage AsRgb888(const QImage &frame) {
  return frame.format() == QImage::Format_RGB888 ? frame : frame.convertToFormat(QImage::Format_RGB888);
}

}  // namespace mean_shift

int DistinctPointCount(const TPointDynArray &points) {
  std::set<std::pair<int, int>> distinct;
  for (const TPoint &p : points) distinct.emplace(p.X, p.Y);
  return int(distinct.size());
}

TMeanShift::TMeanShift() : FColours(DefaultBins) {}

void TMeanShift::SetRadius(int radius) { FRadius = std::clamp(radius, MinRadius, MaxRadius); }

int TMeanShift::SearchSizeFor(int targetWidth, int targetHeight, int radius) {
  const int side = std::max(int(1.2 * std::max(targetWidth, targetHeight)), 2 * radius + 1);
  return side % 2 == 0 ? side + 1 : side;
}

// ---------------------------------------------------------------------------------------------
// Zones and target
// ---------------------------------------------------------------------------------------------

void TMeanShift::SetZones(const std::vector<TPointDDynArray> &zones, int width, int height) {
  FWidth = std::max(0, width);
  FHeight = std::max(0, height);
  FZoneMask.clear();
  const QRect frame(0, 0, FWidth, FHeight);
  for (const TPointDDynArray &zone : zones) {
    QRect bounds;
    TMatriceI mask;
    TPointDynArray border;
    if (!measurement::PolygonMask(mean_shift::ToPixels(zone, FWidth, FHeight), frame, bounds, mask, border)) continue;
    if (FZoneMask.empty()) FZoneMask.assign(size_t(FWidth) * size_t(FHeight), 0);
    for (size_t row = 0; row < mask.size(); ++row) {
      const int y = bounds.top() + int(row);
      if (y < 0 || y >= FHeight) continue;
      for (size_t column = 0; column < mask[row].size(); ++column) {
        const int x = bounds.left() + int(column);
        if (mask[row][column] != 0 && x >= 0 && x < FWidth) FZoneMask[size_t(y) * size_t(FWidth) + size_t(x)] = 1;
      }
    }
  }
}

bool TMeanShift::Ignored(int x, int y) const {
  if (x < 0 || y < 0 || x >= FWidth || y >= FHeight) return true;
  return !FZoneMask.empty() && FZoneMask[size_t(y) * size_t(FWidth) + size_t(x)] != 0;
}

TTargetError TMeanShift::InitTarget(const QImage &frame, const TPointDDynArray &outline, TPointD &centre) {
  FTargetRect = QRect();
  FTargetMask.clear();
  FTargetImage = QImage();
  FTargetPixels = 0;
  if (frame.isNull() || frame.width() <= 0 || frame.height() <= 0) return teUnreadable;
  const int width = frame.width();
  const int height = frame.height();
  if (FWidth != width || FHeight != height) SetZones({}, width, height);

  const TPointDynArray polygon = mean_shift::ToPixels(outline, width, height);
  if (DistinctPointCount(polygon) < 3) return teTooFewPoints;

  // The outline may reach beyond the frame: only its inside within the frame is the target.
  const QRect frameRect(0, 0, width, height);
  QRect bounds;
  TMatriceI mask;
  TPointDynArray border;
  if (!measurement::PolygonMask(polygon, frameRect, bounds, mask, border)) {
    QPolygon corners;
    for (const TPoint &p : polygon) corners << p.ToQPoint();
    return corners.boundingRect().intersects(frameRect) ? teNoArea : teOutsideFrame;
  }
  // The mask is one pixel wider than the outline on each side: crop it to the frame.
  const QRect inside = bounds & frameRect;
  TMatriceI cropped(size_t(std::max(0, inside.height())), TIntegerDynArray(size_t(std::max(0, inside.width())), 0));
  double sumX = 0.0, sumY = 0.0;
  int count = 0;
  for (int row = 0; row < inside.height(); ++row) {
    const TIntegerDynArray &source = mask[size_t(inside.top() - bounds.top() + row)];
    for (int column = 0; column < inside.width(); ++column) {
      if (source[size_t(inside.left() - bounds.left() + column)] == 0) continue;
      cropped[size_t(row)][size_t(column)] = 1;
      sumX += inside.left() + column;
      sumY += inside.top() + row;
      ++count;
    }
  }
  if (count == 0) return teOutsideFrame;
  FTargetRect = inside;
  FTargetMask = std::move(cropped);
  FTargetImage = mean_shift::AsRgb888(frame.copy(inside));
  FFirstFrame = mean_shift::AsRgb888(frame);
  FTargetCentre = TPointD(sumX / count, sumY / count);
  centre = FTargetCentre;
  return teNone;
}

void TMeanShift::BuildTarget() {
  FTargetHist.assign(size_t(FColours.BinCount()), 0.0);
  FTargetPixels = 0;
  for (int row = 0; row < FTargetImage.height() && size_t(row) < FTargetMask.size(); ++row) {
    const uchar *line = FTargetImage.constScanLine(row);
    for (int column = 0; column < FTargetImage.width(); ++column) {
      if (FTargetMask[size_t(row)][size_t(column)] == 0) continue;
      const uchar *p = line + 3 * column;
      FTargetHist[size_t(FColours.BinOfRgb(p[0], p[1], p[2]))] += 1.0;
      ++FTargetPixels;
    }
  }
  if (FTargetPixels > 0)
    for (double &h : FTargetHist) h /= FTargetPixels;
  ComputeEmptyColour();
  // What surrounded the target on its first frame is background for good: the similarity
  // leaves those colours out of the target, whatever surrounds it later.
  FCoarseBackground.clear();
  FStartBackground.clear();
  if (!FFirstFrame.isNull() && FTargetPixels > 0) {
    const int side = SearchSize();
    CutWindow(FFirstFrame, TPoint(RoundClamped(FTargetCentre.X), RoundClamped(FTargetCentre.Y)), side);
    BuildBackground(side);
    FStartBackground = FCoarseBackground;
    FCoarseBackground.clear();
    FBackgroundWeight.clear();
  }
  FFirstFrame = QImage();
}

void TMeanShift::ComputeEmptyColour() {
  FEmptyColour = TRgb{255, 255, 255};
  for (int bin = 0; bin < FColours.BinCount(); ++bin) {
    if (FTargetHist[size_t(bin)] > 0.0) continue;
    // A bin centre may lie outside the colours a screen shows: its colour, once limited to
    // bytes, can fall into another bin, perhaps one the target holds.
    TRgb colour;
    if (!LuvToRgb(FColours.BinCentre(bin), colour)) continue;
    if (FTargetHist[size_t(FColours.BinOfRgb(colour.R, colour.G, colour.B))] > 0.0) continue;
    FEmptyColour = colour;
    return;
  }
}

// ---------------------------------------------------------------------------------------------
// Search
// ---------------------------------------------------------------------------------------------

const std::vector<float> &TMeanShift::Kernel(int side) {
  auto found = FKernels.find(side);
  if (found != FKernels.end()) return found->second;
  // Epanechnikov profile: 1 - (di^2 + dj^2) / (ci^2 + cj^2) with ci = cj = side div 2.
  std::vector<float> kernel(size_t(side) * size_t(side), 1.0f);
  const int c = side / 2;
  const double denominator = 2.0 * c * c;
  if (denominator > 0.0) {
    for (int row = 0; row < side; ++row)
      for (int column = 0; column < side; ++column) {
        const double di = row - c;
        const double dj = column - c;
        kernel[size_t(row) * size_t(side) + size_t(column)] = float(1.0 - (di * di + dj * dj) / denominator);
      }
  }
  return FKernels.emplace(side, std::move(kernel)).first->second;
}

void TMeanShift::CutWindow(const QImage &frame, TPoint c, int s) {
  FWindowBins.assign(size_t(s) * size_t(s), -1);
  const int half = s / 2;
  const int x0 = std::max(0, c.X - half);
  const int x1 = std::min(FWidth - 1, c.X - half + s - 1);
  for (int row = 0; row < s; ++row) {
    const int y = c.Y - half + row;
    if (y < 0 || y >= FHeight || x0 > x1) continue;
    const uchar *line = frame.constScanLine(y);
    const uint8_t *zones = FZoneMask.empty() ? nullptr : FZoneMask.data() + size_t(y) * size_t(FWidth);
    int *out = FWindowBins.data() + size_t(row) * size_t(s) + size_t(x0 - (c.X - half));
    for (int x = x0; x <= x1; ++x, ++out) {
      if (zones != nullptr && zones[x] != 0) continue;
      const uchar *p = line + 3 * x;
      *out = FColours.BinOfRgb(p[0], p[1], p[2]);
    }
  }
}

void TMeanShift::BuildBackground(int side) {
  // Everything of the window beyond 1.2 times the target's half sizes, across or along.
  // The four corners alone would leave out the colours beside the target (a line it runs
  // along, an edge), which then weigh as much as the target's own and pull the window
  // towards them: on the sample "Parabole" at a radius of 20 the error was 1.2 pixels RMS
  // with the corners and 0.3 with the whole ring.
  const int halfWidth = int(1.2 * (FTargetRect.width() / 2));
  const int halfHeight = int(1.2 * (FTargetRect.height() / 2));
  const int c = side / 2;
  std::vector<double> counts(size_t(FColours.BinCount()), 0.0);
  for (int row = 0; row < side; ++row) {
    const bool outsideRows = std::abs(row - c) > halfHeight;
    const int *bins = FWindowBins.data() + size_t(row) * size_t(side);
    for (int column = 0; column < side; ++column)
      if ((outsideRows || std::abs(column - c) > halfWidth) && bins[column] >= 0) counts[size_t(bins[column])] += 1.0;
  }
  FBackgroundWeight.resize(counts.size());
  for (size_t u = 0; u < counts.size(); ++u) FBackgroundWeight[u] = counts[u] > 0.0 ? 1.0 / counts[u] : 1.0;
  std::vector<double> coarse(size_t(CoarseCount()), 0.0);
  for (size_t u = 0; u < counts.size(); ++u) coarse[size_t(CoarseBin(int(u)))] += counts[u];
  FCoarseBackground.resize(coarse.size());
  for (size_t u = 0; u < coarse.size(); ++u) FCoarseBackground[u] = coarse[u] > 0.0 ? 1.0 / coarse[u] : 1.0;
}

int TMeanShift::CoarseCount() const {
  const int side = (FColours.Bins() + 1) / 2;
  return side * side * side;
}

int TMeanShift::CoarseBin(int bin) const {
  int l = 0, u = 0, v = 0;
  FColours.AxisIndexes(bin, l, u, v);
  const int side = (FColours.Bins() + 1) / 2;
  return (l / 2 * side + u / 2) * side + v / 2;
}

TSearchResult TMeanShift::Search(TPointD position, const QImage &source, int maxIterations) {
  TSearchResult result;
  result.Position = position;
  if (FTargetPixels == 0 || source.isNull()) return result;
  const QImage frame = mean_shift::AsRgb888(source);
  if (frame.width() != FWidth || frame.height() != FHeight) SetZones({}, frame.width(), frame.height());

  const int targetSide = std::max(FTargetRect.width(), FTargetRect.height());
  int side = SearchSize();
  const double k = std::max(double(side) / FTargetRect.width(), double(side) / FTargetRect.height());
  const size_t bins = size_t(FColours.BinCount());
  FWindowHist.resize(bins);
  FBinWeight.resize(bins);
  TPointD centre = position;
  TPoint backgroundAt;

  for (int n = 1; n <= maxIterations; ++n) {
    const TPoint c(RoundClamped(centre.X), RoundClamped(centre.Y));
    CutWindow(frame, c, side);
    // The background is taken at the first step; when the window has since moved by more
    // than a quarter of the target, the target itself may have lain in it: it is taken
    // again round where the window is now. A window closing in on a small target is so
    // much larger than the target that its first background stays good.
    const bool moved = std::abs(c.X - backgroundAt.X) * 4 > FTargetRect.width() ||
                       std::abs(c.Y - backgroundAt.Y) * 4 > FTargetRect.height();
    if (n == 1 || (k <= 4.0 && moved)) {
      BuildBackground(side);
      backgroundAt = c;
    }

    // The candidate's histogram, kernel-weighted.
    const std::vector<float> &kernel = Kernel(side);
    std::fill(FWindowHist.begin(), FWindowHist.end(), 0.0);
    double total = 0.0;
    for (size_t i = 0; i < FWindowBins.size(); ++i) {
      if (FWindowBins[i] < 0) continue;
      FWindowHist[size_t(FWindowBins[i])] += kernel[i];
      total += kernel[i];
    }
    // Each colour's weight: sqrt(q * b / p) where target, background and candidate all have it.
    for (size_t u = 0; u < bins; ++u) {
      const double p = total > 0.0 ? FWindowHist[u] / total : 0.0;
      const double q = FTargetHist[u];
      FBinWeight[u] = q > 0.0 && p > 0.0 ? std::sqrt(q * FBackgroundWeight[u] / p) : 0.0;
    }
    double sumW = 0.0, sumX = 0.0, sumY = 0.0;
    const int half = side / 2;
    for (int row = 0; row < side; ++row) {
      const int *line = FWindowBins.data() + size_t(row) * size_t(side);
      double rowW = 0.0, rowX = 0.0;
      for (int column = 0; column < side; ++column) {
        if (line[column] < 0) continue;
        const double w = FBinWeight[size_t(line[column])];
        rowW += w;
        rowX += w * (column - half);
      }
      sumW += rowW;
      sumX += rowX;
      sumY += rowW * (row - half);
    }
    result.Iterations = n;
    if (sumW <= 0.0) break;
    result.Found = true;
    const TPointD shift(sumX / sumW, sumY / sumW);
    centre = TPointD(c.X + shift.X, c.Y + shift.Y);

    if (k > 4.0) {
      // Much larger than the target: the window closes in on it step by step.
      side = std::max(targetSide, int(double(side) * (maxIterations - n) / maxIterations));
      if (side % 2 == 0) ++side;
    } else if (std::abs(shift.X) < 1.0 && std::abs(shift.Y) < 1.0) {
      break;
    }
  }
  if (result.Found) {
    result.Position = centre;
    // The background the similarity weighs colours by is the one round the target where it
    // was found: round where the search started it may hold the target itself.
    const int finalSide = SearchSize();
    CutWindow(frame, TPoint(RoundClamped(centre.X), RoundClamped(centre.Y)), finalSide);
    BuildBackground(finalSide);
  }
  result.Similarity = Similarity(result.Position, frame);
  return result;
}

double TMeanShift::Similarity(TPointD position, const QImage &source) const {
  if (FTargetPixels == 0 || source.isNull()) return 0.0;
  const QImage frame = mean_shift::AsRgb888(source);
  // The colours are compared on bins twice as wide as the search's: a small target's few
  // hundred pixels, scattered by compression noise over neighbouring fine bins, would
  // otherwise look unlike themselves from one frame to the next.
  const size_t bins = size_t(CoarseCount());
  std::vector<double> target(bins, 0.0), candidate(bins, 0.0);
  for (size_t u = 0; u < FTargetHist.size(); ++u) target[size_t(CoarseBin(int(u)))] += FTargetHist[u];
  // The target's mask laid with its centre on position; pixels of zones and beyond the
  // frame count as missing.
  const int left = RoundClamped(position.X + (FTargetRect.left() - FTargetCentre.X));
  const int top = RoundClamped(position.Y + (FTargetRect.top() - FTargetCentre.Y));
  for (size_t row = 0; row < FTargetMask.size(); ++row) {
    const int y = top + int(row);
    if (y < 0 || y >= frame.height()) continue;
    const uchar *line = frame.constScanLine(y);
    for (size_t column = 0; column < FTargetMask[row].size(); ++column) {
      const int x = left + int(column);
      if (FTargetMask[row][column] == 0 || x < 0 || x >= frame.width()) continue;
      if (frame.width() == FWidth && frame.height() == FHeight && Ignored(x, y)) continue;
      const uchar *p = line + 3 * x;
      candidate[size_t(CoarseBin(FColours.BinOfRgb(p[0], p[1], p[2])))] += 1.0 / FTargetPixels;
    }
  }
  // An outline holds some background too, and a patch of background alone would look half
  // like the target: colours frequent round the target count for little. Both histograms
  // are then divided by the target's weighted total, so target colours missing from the
  // patch (hidden, out of the frame, in a zone) lower the coefficient.
  // Each colour's weight: how rare it was round the target on its first frame times how
  // rare it is round the search window now, the rarest target colour counting 1.
  std::vector<double> weight(bins, 1.0);
  for (size_t u = 0; u < bins; ++u) {
    if (FStartBackground.size() == bins) weight[u] *= FStartBackground[u];
    if (FCoarseBackground.size() == bins) weight[u] *= FCoarseBackground[u];
  }
  double strongest = 0.0;
  for (size_t u = 0; u < bins; ++u)
    if (target[u] > 0.0) strongest = std::max(strongest, weight[u]);
  double targetTotal = 0.0;
  for (size_t u = 0; u < bins; ++u) {
    if (strongest > 0.0) weight[u] /= strongest;
    targetTotal += target[u] * weight[u];
  }
  if (targetTotal <= 0.0) return 0.0;
  double rho = 0.0;
  for (size_t u = 0; u < bins; ++u)
    if (candidate[u] > 0.0 && target[u] > 0.0)
      rho += std::sqrt(target[u] * weight[u] / targetTotal * candidate[u] * weight[u] / targetTotal);
  return std::min(1.0, rho);
}

}  // namespace kolibra::tracking
