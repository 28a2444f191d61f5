#pragma once
// TBusyState: the one application-wide "a long loop is running" state. Tracking, video
// writing and capture run step by step on the user-interface thread, so the window stays
// alive meanwhile; what must not happen under them (opening another video, changing mode,
// closing) asks this state first.
//
// An activity registers with Begin and leaves with End. While it runs, Request either
// stops it (when it gave a way to stop) and runs the asked action once it has ended, or
// refuses. An activity that ends at once when stopped therefore sees the action run within
// Request; one that ends later (a worker finishing a file) runs it from End.
//
// Invariants: at most one activity at a time; actions asked while busy run exactly once,
// in the order they were asked, after the activity ended; OnChange fires on every Begin
// and End.

#include <QString>

#include <deque>
#include <functional>

namespace kolibra::mainwindow {

class TBusyState {
 public:
  using TAction = std::function<void()>;

  // A long activity starts; stop, when given, ends it early. False (nothing changes) when
  // another activity runs.
  bool Begin(const QString &activity, TAction stop = nullptr);
  // The activity ended: the actions deferred meanwhile run, in order.
  void End();
  bool IsBusy() const { return Busy; }
  const QString &Activity() const { return Name; }
  // Runs action at once when idle. While busy: an activity that can stop is stopped and the
  // action runs once it has ended (true); one that cannot refuses (false, the action is
  // dropped).
  bool Request(TAction action);

  std::function<void()> OnChange;

 private:
  bool Busy = false;
  QString Name;
  TAction Stop;
  std::deque<TAction> Deferred;
};

}  // namespace kolibra::mainwindow
