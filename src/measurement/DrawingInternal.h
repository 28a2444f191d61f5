#pragma once
// Helpers shared by the drawing sources only (not part of the drawing interface): 64-bit
// clamping, the closed form of the pixel line, the visible part of a painter and a guard
// that switches antialiasing off so drawn pixels are exactly the computed ones.

#include "kit/Types.h"

#include <QPainter>
#include <QPolygon>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <limits>

namespace kolibra::measurement::drawing_detail {

// Longest point list a routine builds; longer curves and lines are cut there (they are far
// larger than any screen, and the list would not fit in memory).
constexpr std::int64_t kMaxPointListLength = std::int64_t(1) << 24;
// Largest radius or semi-axis of a curve built as a point list (about 12 million points).
constexpr std::int64_t kMaxCurveExtent = std::int64_t(1) << 21;

constexpr int ClampToInt(std::int64_t v) {
  if (v > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (v < -std::numeric_limits<int>::max()) return -std::numeric_limits<int>::max();
  return int(v);
}

constexpr TPoint OffsetPoint(TPoint p, std::int64_t dx, std::int64_t dy) {
  return TPoint(ClampToInt(std::int64_t(p.X) + dx), ClampToInt(std::int64_t(p.Y) + dy));
}

constexpr std::int64_t Abs64(std::int64_t v) { return v < 0 ? -v : v; }

// Rounds halves to even like RoundClamped, for intermediate values that may leave the int
// range (differences of two ints); NaN gives 0, the result is clamped to +-2^62.
inline std::int64_t RoundHalfEven64(double x) {
  if (std::isnan(x)) return 0;
  constexpr double limit = 4611686018427387904.0;  // 2^62
  if (x > limit) x = limit;
  if (x < -limit) x = -limit;
  return std::int64_t(std::nearbyint(x));
}

// The pixels of the line from A to B. Along the major axis every pixel is visited once;
// the minor coordinate of each pixel is the true one rounded, a half towards the smaller
// coordinate, so the line from B to A has the same pixels in reverse order and an outline
// looks the same whichever way it is walked. This is the pixel set of Bresenham's
// algorithm, computed in closed form so that a caller can take any step without walking
// from A (hit tests and clipping of very long lines).
class TLineWalk {
 public:
  TLineWalk(TPoint a, TPoint b) : A(a) {
    const std::int64_t dx = std::int64_t(b.X) - a.X;
    const std::int64_t dy = std::int64_t(b.Y) - a.Y;
    XMajor = Abs64(dx) >= Abs64(dy);
    Major = std::uint64_t(XMajor ? Abs64(dx) : Abs64(dy));
    Minor = std::uint64_t(XMajor ? Abs64(dy) : Abs64(dx));
    SignX = dx < 0 ? -1 : 1;
    SignY = dy < 0 ? -1 : 1;
  }

  // Number of pixels, both ends included.
  std::int64_t Count() const { return std::int64_t(Major) + 1; }

  // Distance along the minor axis from A at step k; never decreases with k.
  std::int64_t MinorOffset(std::int64_t k) const {
    if (Major == 0) return 0;
    // k * Minor < 2^64 since both are below 2^32; the halving test avoids 2k * Minor.
    const std::uint64_t product = std::uint64_t(k) * Minor;
    const std::uint64_t q = product / Major;
    const std::uint64_t r = product % Major;
    const bool up = XMajor ? SignY > 0 : SignX > 0;
    return std::int64_t(q + ((up ? 2 * r > Major : 2 * r >= Major) ? 1 : 0));
  }

  TPoint At(std::int64_t k) const {
    const std::int64_t minor = MinorOffset(k);
    const std::int64_t major = k;
    if (XMajor) return TPoint(int(A.X + SignX * major), int(A.Y + SignY * minor));
    return TPoint(int(A.X + SignX * minor), int(A.Y + SignY * major));
  }

  // The steps whose major coordinate lies in [lo, hi], clipped to the line; first > last
  // when there are none.
  void MajorRange(std::int64_t lo, std::int64_t hi, std::int64_t &first, std::int64_t &last) const {
    const std::int64_t start = XMajor ? A.X : A.Y;
    const int sign = XMajor ? SignX : SignY;
    std::int64_t k1 = sign > 0 ? lo - start : start - hi;
    std::int64_t k2 = sign > 0 ? hi - start : start - lo;
    if (k1 < 0) k1 = 0;
    if (k2 > std::int64_t(Major)) k2 = std::int64_t(Major);
    first = k1;
    last = k2;
  }

  // The steps whose pixel lies in the rectangle [left, right] x [top, bottom]; first > last
  // when there are none. Both coordinates move monotonically, so this is one run of steps.
  void WindowRange(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                   std::int64_t &first, std::int64_t &last) const {
    if (XMajor)
      MajorRange(left, right, first, last);
    else
      MajorRange(top, bottom, first, last);
    if (first > last) return;
    const std::int64_t start = XMajor ? A.Y : A.X;
    const int sign = XMajor ? SignY : SignX;
    const std::int64_t lo = XMajor ? top : left;
    const std::int64_t hi = XMajor ? bottom : right;
    const std::int64_t offsetLo = sign > 0 ? lo - start : start - hi;
    const std::int64_t offsetHi = sign > 0 ? hi - start : start - lo;
    // First step whose offset reaches offsetLo, last one whose offset stays within offsetHi.
    std::int64_t a = first;
    std::int64_t b = last + 1;
    while (a < b) {
      const std::int64_t m = a + (b - a) / 2;
      if (MinorOffset(m) < offsetLo) a = m + 1; else b = m;
    }
    std::int64_t c = a;
    std::int64_t d = last + 1;
    while (c < d) {
      const std::int64_t m = c + (d - c) / 2;
      if (MinorOffset(m) <= offsetHi) c = m + 1; else d = m;
    }
    first = a;
    last = c - 1;
  }

  bool IsXMajor() const { return XMajor; }

 private:
  TPoint A;
  bool XMajor = true;
  std::uint64_t Major = 0;
  std::uint64_t Minor = 0;
  int SignX = 1;
  int SignY = 1;
};

// The part of the painter's logical plane that reaches its device, widened by margin; false
// when the painter has no device or its transform cannot be inverted.
inline bool VisibleLogicalRect(const QPainter *canvas, int margin, QRectF &rect) {
  if (canvas == nullptr || canvas->device() == nullptr) return false;
  bool invertible = false;
  const QTransform inverse = canvas->combinedTransform().inverted(&invertible);
  if (!invertible) return false;
  const QRectF device(0, 0, canvas->device()->width(), canvas->device()->height());
  rect = inverse.mapRect(device).adjusted(-margin, -margin, margin, margin);
  return true;
}

// True when p lies within margin pixels of what the painter can show (or when that cannot
// be told), so drawings centred far away are skipped instead of overflowing.
inline bool NearDevice(const QPainter *canvas, TPoint p, int margin) {
  QRectF visible;
  if (!VisibleLogicalRect(canvas, margin, visible)) return true;
  return p.X >= visible.left() && p.X <= visible.right() && p.Y >= visible.top() &&
         p.Y <= visible.bottom();
}

// Appends the pixels of the line from a to b (without a itself when skipFirst), keeping only
// those inside visible when it is given, so a line far larger than the canvas costs no
// more than the canvas.
inline void AppendLinePixels(QPolygon &pixels, TPoint a, TPoint b, bool skipFirst, const QRectF *visible) {
  const TLineWalk walk(a, b);
  std::int64_t first = skipFirst ? 1 : 0;
  std::int64_t last = walk.Count() - 1;
  if (visible != nullptr) {
    auto bound = [](double v) { return std::int64_t(std::clamp(v, -4e18, 4e18)); };
    std::int64_t from = 0;
    std::int64_t to = 0;
    walk.WindowRange(bound(std::floor(visible->left())), bound(std::floor(visible->top())),
                     bound(std::ceil(visible->right())), bound(std::ceil(visible->bottom())), from, to);
    first = std::max(first, from);
    last = std::min(last, to);
  }
  last = std::min(last, first + kMaxPointListLength - 1);
  for (std::int64_t k = first; k <= last; ++k) pixels << walk.At(k).ToQPoint();
}

// Draws pixels listed in path order. With a solid pen every pixel is stamped with the pen
// (so a wide pen gives a wide line), which paints exactly the listed pixels rather than
// those of Qt's own line rasteriser; a patterned pen strokes each run of neighbouring
// pixels as a polyline so that its pattern runs along the path.
inline void DrawPixelPolyline(QPainter *canvas, const QPolygon &pixels) {
  if (canvas == nullptr || pixels.isEmpty()) return;
  const bool was = canvas->testRenderHint(QPainter::Antialiasing);
  canvas->setRenderHint(QPainter::Antialiasing, false);
  if (canvas->pen().style() == Qt::SolidLine || pixels.size() == 1) {
    canvas->drawPoints(pixels);
  } else {
    int start = 0;
    for (int i = 1; i <= pixels.size(); ++i) {
      const bool gap = i == pixels.size() || std::abs(pixels[i].x() - pixels[i - 1].x()) > 1 ||
                       std::abs(pixels[i].y() - pixels[i - 1].y()) > 1;
      if (!gap) continue;
      if (i - start == 1)
        canvas->drawPoint(pixels[start]);
      else
        canvas->drawPolyline(pixels.constData() + start, i - start);
      start = i;
    }
  }
  canvas->setRenderHint(QPainter::Antialiasing, was);
}

// The visible part of the canvas, widened by its pen, or nothing when it cannot be told.
inline const QRectF *VisibleForPen(const QPainter *canvas, QRectF &storage) {
  return VisibleLogicalRect(canvas, canvas->pen().width() + 2, storage) ? &storage : nullptr;
}

// Draws a point list as one polyline: consecutive points are joined by the pixels of the
// line between them; closed joins the last point back to the first.
inline void DrawPointList(QPainter *canvas, const TPointDynArray &points, bool closed) {
  if (canvas == nullptr || points.empty()) return;
  QRectF storage;
  const QRectF *visible = VisibleForPen(canvas, storage);
  QPolygon pixels;
  pixels.reserve(int(std::min<std::size_t>(points.size() + 1, std::size_t(kMaxPointListLength))));
  AppendLinePixels(pixels, points.front(), points.front(), false, visible);
  for (std::size_t i = 1; i < points.size() && pixels.size() < kMaxPointListLength; ++i)
    AppendLinePixels(pixels, points[i - 1], points[i], true, visible);
  if (closed && points.size() > 2) AppendLinePixels(pixels, points.back(), points.front(), true, visible);
  DrawPixelPolyline(canvas, pixels);
}

// Turns antialiasing off for the lifetime of the guard.
class TAliasedScope {
 public:
  explicit TAliasedScope(QPainter *canvas)
      : Canvas(canvas), Was(canvas->testRenderHint(QPainter::Antialiasing)) {
    Canvas->setRenderHint(QPainter::Antialiasing, false);
  }
  ~TAliasedScope() { Canvas->setRenderHint(QPainter::Antialiasing, Was); }
  TAliasedScope(const TAliasedScope &) = delete;
  TAliasedScope &operator=(const TAliasedScope &) = delete;

 private:
  QPainter *Canvas;
  bool Was;
};

}  // namespace kolibra::measurement::drawing_detail
