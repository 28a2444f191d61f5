// Presses aimed at a box that closed by itself are told from the presses that follow.
#include "kit/StrayClicks.h"

#include <gtest/gtest.h>

namespace kolibra {
namespace {

TEST(StrayClicks, PressesJustAfterOrOnTheVanishedBoxAreSwallowed) {
  const QRect box(500, 300, 300, 150);
  const QPoint onBox(650, 420), elsewhere(100, 100);
  struct TCase {
    qint64 After;
    QPoint At;
    bool Swallowed;
    const char *Why;
  };
  const TCase cases[] = {
      {0, elsewhere, true, "at once, anywhere"},
      {499, elsewhere, true, "within half a second"},
      {500, elsewhere, false, "half a second later, away from the box"},
      {1500, onBox, true, "on the box, aimed at its Ok"},
      {3000, onBox, true, "on the box, still within three seconds"},
      {3001, onBox, false, "on the box, too late to be aimed at it"},
  };
  for (const TCase &c : cases) {
    TStrayClickGuard guard;
    EXPECT_FALSE(guard.Swallow(onBox, 10)) << "no box closed yet";
    guard.BoxClosedByItself(box, 1000);
    EXPECT_EQ(guard.Swallow(c.At, 1000 + c.After), c.Swallowed) << c.Why;
  }
}

TEST(StrayClicks, OnlyTheFirstPressOnTheBoxIsTakenForIt) {
  TStrayClickGuard guard;
  guard.BoxClosedByItself(QRect(0, 0, 100, 100), 0);
  EXPECT_TRUE(guard.Swallow(QPoint(50, 50), 800));
  EXPECT_FALSE(guard.Swallow(QPoint(50, 50), 900)) << "the user clicks again: it is meant";
  // A box closed later guards again.
  guard.BoxClosedByItself(QRect(0, 0, 100, 100), 10000);
  EXPECT_TRUE(guard.Swallow(QPoint(300, 300), 10100));
}

}  // namespace
}  // namespace kolibra
