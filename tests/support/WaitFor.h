#pragma once
// Runs the event loop until a condition holds. Qt's QTRY_ macros return silently from a
// GoogleTest body when they fail, so widget tests wait through this and EXPECT the result.

#include <QElapsedTimer>
#include <QTest>
#include <functional>

namespace kolibra::testing {

inline bool WaitFor(const std::function<bool()> &condition, int timeoutMs = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > timeoutMs) return false;
    QTest::qWait(5);
  }
  return true;
}

}  // namespace kolibra::testing
