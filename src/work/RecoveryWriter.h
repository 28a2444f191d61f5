#pragma once
// TRecoveryWriter: puts one process's recovery file on disk from a thread of its own, so the
// window never waits for the disk. The window serialises the work (it is small) and hands
// over the bytes; the thread writes them atomically (a temporary copy beside the file, then
// a rename), so a kill at any moment leaves either the previous file or the new one whole.
//
// Jobs are the latest wish only: a job handed over while another waits replaces it, and jobs
// run in the order they were handed over, so a removal after a write is never undone by it.
// The destructor finishes the job in hand and the one waiting. A job may do more than write
// (TWorkRecovery's turns the work into text there, off the window's thread).

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace kolibra::work {

class TRecoveryWriter {
 public:
  explicit TRecoveryWriter(const QString &fileName);
  ~TRecoveryWriter();
  TRecoveryWriter(const TRecoveryWriter &) = delete;
  TRecoveryWriter &operator=(const TRecoveryWriter &) = delete;

  const QString &FileName() const { return Name; }
  // A job, run on the writer's thread: false with the reason when it failed.
  using TJob = std::function<bool(TRecoveryWriter &writer, QString &reason)>;
  void Submit(TJob job);
  // Writes bytes as the whole file.
  void Write(QByteArray bytes);
  // Removes the file.
  void Remove();
  // What jobs do, on the writer's thread: the whole file written atomically (its folder made
  // when missing), or removed (true when it is not there).
  bool WriteNow(const QByteArray &bytes, QString &reason);
  bool RemoveNow(QString &reason);
  // Blocks until every job handed over has run.
  void Wait();

  // Called on the writer's thread after each job: whether it succeeded, and the system's
  // words when it did not. Set before the first job.
  std::function<void(bool ok, const QString &reason)> OnDone;
  // Called on the writer's thread halfway through writing the temporary copy (tests stop
  // the program there).
  void SetMidway(std::function<void()> midway);

 private:
  void Run();

  const QString Name;
  std::mutex Lock;
  std::condition_variable Wake;
  std::condition_variable Idle;
  TJob Pending;
  std::function<void()> Midway;
  std::function<void()> RunningMidway;  // the writer's thread's copy
  bool Busy = false;
  bool Stopping = false;
  std::thread Thread;
};

}  // namespace kolibra::work
