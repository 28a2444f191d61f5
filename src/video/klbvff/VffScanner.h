#pragma once
// The frame table of a long file, built on a thread of its own while the session already
// shows pictures: the scan reads every packet of a 600 MB camcorder file, which would keep
// the user waiting at open. The scanner opens the file a second time, so that it never
// shares a demuxer with the session, and runs at the lowest priority, so that decoding the
// picture the user asked for goes first.
//
// A held scanner (a test hook, see KOLIBRA_KLBVFF_LAZY in VffSession.cpp) starts reading only
// when Wait is called, so that the session's time-based access can be observed alone.

#include "VffIndex.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace kolibra::video::vff {

class TVffScanner {
 public:
  TVffScanner() = default;
  ~TVffScanner() { Stop(); }
  TVffScanner(const TVffScanner &) = delete;
  TVffScanner &operator=(const TVffScanner &) = delete;

  // Scans Stream of FileName in the background.
  void Start(const std::string &FileName, int Stream, bool Held);
  // Ends the scan at once (the table is dropped) and waits for the thread.
  void Stop();
  bool Running() const { return FThread.joinable(); }
  // The scan has ended, the table is ready (or the scan failed).
  bool Done() const { return FDone.load(std::memory_order_acquire); }
  // Blocks until the scan ends; a held scan starts now.
  void Wait();
  // Hands the table over once Done; false when the scan failed or was stopped.
  bool Take(TVffIndex &Index);

 private:
  void Run(std::string FileName, int Stream);
  static int Interrupt(void *Opaque);

  std::thread FThread;
  std::atomic<bool> FStop{false};
  std::atomic<bool> FDone{false};
  std::mutex FLock;
  std::condition_variable FRelease;
  bool FHeld = false;
  bool FOk = false;
  TVffIndex FIndex;
};

}  // namespace kolibra::video::vff
