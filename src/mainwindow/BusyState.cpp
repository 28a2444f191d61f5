#include "mainwindow/BusyState.h"

#include <utility>

namespace kolibra::mainwindow {

bool TBusyState::Begin(const QString &activity, TAction stop) {
  if (Busy) return false;
  Busy = true;
  Name = activity;
  Stop = std::move(stop);
  if (OnChange) OnChange();
  return true;
}

void TBusyState::End() {
  if (!Busy) return;
  Busy = false;
  Name.clear();
  Stop = nullptr;
  if (OnChange) OnChange();
  // An action may start another activity: the rest then wait for that one to end.
  while (!Busy && !Deferred.empty()) {
    TAction action = std::move(Deferred.front());
    Deferred.pop_front();
    if (action) action();
  }
}

bool TBusyState::Request(TAction action) {
  if (!Busy) {
    if (action) action();
    return true;
  }
  if (!Stop) return false;
  Deferred.push_back(std::move(action));
  // Stopping twice is harmless; the action runs from End.
  TAction stop = Stop;
  stop();
  return true;
}

}  // namespace kolibra::mainwindow
