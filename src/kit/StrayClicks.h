#pragma once
// A box that closes by itself (the welcome box after 5 s) can vanish just as the user clicks
// its "Ok": the click then falls on whatever lay beneath, on the video a new mark. The box
// tells this guard when and where it closed itself; a view that turns clicks into
// measurements asks it about each press and drops the stray ones:
// - every press within StrayClickMs after the box closed itself;
// - the first press on the area the box covered within AimedClickMs after it closed.
// One guard serves the whole program (StrayClicks()); times are in milliseconds of one
// monotonic clock (MonotonicMs()), screen positions in global pixels.

#include <QPoint>
#include <QRect>

namespace kolibra {

inline constexpr qint64 StrayClickMs = 500;
inline constexpr qint64 AimedClickMs = 3000;

class TStrayClickGuard {
 public:
  void BoxClosedByItself(const QRect &area, qint64 nowMs);
  // True for a press aimed at the box that closed itself (the caller ignores it).
  bool Swallow(const QPoint &globalPosition, qint64 nowMs);

 private:
  QRect Area;
  qint64 ClosedAt = 0;
  bool Closed = false;
};

TStrayClickGuard &StrayClicks();
qint64 MonotonicMs();

}  // namespace kolibra
