#pragma once
// TCaptureRecorder: writes a recording on a thread of its own, so that a slow disk never
// holds up the camera. The camera's thread queues frames (a bounded queue: a frame that
// finds it full is dropped, and its slot stays empty); the writer thread places each frame
// on the time grid of the negotiated rate from the driver's time stamp, writes an empty
// chunk for every slot no frame filled (our AVI reader shows the previous picture there),
// and checkpoints the file every second so that it stays playable whatever happens.
//
// Counting: Slots() slots have been written; Captured() of them hold a frame; Lost() =
// Slots() - Captured(). With a slot limit the file ends at exactly that many slots after
// the first frame, whatever the timer that asked for it says.
//
// Codecs are intra-only, so that stepping through the recording stays frame-exact: "without"
// (24-bit bitmaps), Motion JPEG (the camera's own JPEG copied when it sends Motion JPEG) and
// FFV1.

#include "capture/CaptureTypes.h"
#include "video/FrameRate.h"

#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace kolibra::capture {

// The codecs a recording can use, in the order the compression list shows them after
// "without" (which is index -1, no compression).
const std::vector<QString> &RecordingCodecs();

struct TRecordingPlan {
  QString FileName;
  int Width = 0;
  int Height = 0;
  video::TFrameRate Rate;
  int Codec = -1;            // index in RecordingCodecs(); -1 "without"
  bool CameraSendsJpeg = false;
  int64_t SlotLimit = 0;     // 0: until Finish
  int QueueFrames = 48;      // frames waiting for the disk before new ones are dropped
  int64_t ReserveBytes = int64_t(64) << 20;  // free space kept on the disk
  // For tests: the free space on the disk, in place of the system's.
  std::function<int64_t()> FreeBytes;
};

// Why a recording ended by itself.
enum TRecorderEnd { reNone, reSlotLimit, reDiskFull, reWriteError };

class TCaptureRecorder {
 public:
  TCaptureRecorder();
  ~TCaptureRecorder();
  TCaptureRecorder(const TCaptureRecorder &) = delete;
  TCaptureRecorder &operator=(const TCaptureRecorder &) = delete;

  // Creates the file and starts the writer thread. False with the reason when the file or
  // the encoder cannot be opened.
  bool Start(const TRecordingPlan &plan, QString &reason);
  // From the camera's thread (any thread): queues the frame, or drops it when the queue is
  // full or the recording has ended.
  void Push(const TCapturedFrame &frame);
  // Writes what is queued (up to the slot limit), finishes the file and joins the thread.
  // True when the file is complete and holds at least one frame.
  bool Finish();
  bool Running() const { return FThread.joinable(); }

  int64_t Slots() const { return FSlots.load(); }
  int64_t Captured() const { return FCaptured.load(); }
  int64_t Lost() const { return Slots() - Captured(); }
  // The slots written empty, in order: the missing frames the montage records.
  std::vector<int64_t> LostSlots() const;
  // Set once the recording ended by itself (from the writer thread).
  TRecorderEnd Ended() const { return FEnded.load(); }
  // The system's words for a failed write, when there was one.
  QString Error() const;

  // Called once from the writer thread when the recording ends by itself (slot limit, full
  // disk, write error); the owner goes back to its own thread and calls Finish.
  std::function<void(TRecorderEnd)> OnEnded;

 private:
  struct TWriter;
  void Run();
  void EndBy(TRecorderEnd end, const QString &reason = QString());

  TRecordingPlan FPlan;
  std::unique_ptr<TWriter> FWriter;
  std::thread FThread;
  mutable std::mutex FLock;
  std::condition_variable FWake;
  std::deque<TCapturedFrame> FQueue;
  bool FFinishing = false;
  std::vector<int64_t> FLostSlots;
  QString FError;
  std::atomic<int64_t> FSlots{0};
  std::atomic<int64_t> FCaptured{0};
  std::atomic<TRecorderEnd> FEnded{reNone};
  bool FComplete = false;
};

}  // namespace kolibra::capture
