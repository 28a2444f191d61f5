#pragma once
// A hint holds a short text and a long text separated by "|": the tool tip shows the
// short part, the status bar the long part. A hint without "|" is both.

#include <QString>

namespace kolibra {

inline QString ShortHint(const QString &hint) {
  const int bar = hint.indexOf(QLatin1Char('|'));
  return bar < 0 ? hint : hint.left(bar);
}

inline QString LongHint(const QString &hint) {
  const int bar = hint.indexOf(QLatin1Char('|'));
  return bar < 0 ? hint : hint.mid(bar + 1);
}

}  // namespace kolibra
