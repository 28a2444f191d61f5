#include "kit/StrayClicks.h"

#include <QElapsedTimer>

namespace kolibra {

void TStrayClickGuard::BoxClosedByItself(const QRect &area, qint64 nowMs) {
  Area = area;
  ClosedAt = nowMs;
  Closed = true;
}

bool TStrayClickGuard::Swallow(const QPoint &globalPosition, qint64 nowMs) {
  if (!Closed) return false;
  const qint64 since = nowMs - ClosedAt;
  if (since < 0 || since > AimedClickMs) {
    Closed = false;
    return false;
  }
  if (since < StrayClickMs) return true;
  if (Area.contains(globalPosition)) {
    // The user meant the box once; the next press on the same place is meant for the view.
    Area = QRect();
    return true;
  }
  return false;
}

TStrayClickGuard &StrayClicks() {
  static TStrayClickGuard guard;
  return guard;
}

qint64 MonotonicMs() {
  static QElapsedTimer clock = [] {
    QElapsedTimer started;
    started.start();
    return started;
  }();
  return clock.elapsed();
}

}  // namespace kolibra
