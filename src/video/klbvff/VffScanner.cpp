#include "VffScanner.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace kolibra::video::vff {

void TVffScanner::Start(const std::string &FileName, int Stream, bool Held) {
  Stop();
  FStop = false;
  FDone = false;
  FOk = false;
  FHeld = Held;
  FIndex = TVffIndex();
  FThread = std::thread(&TVffScanner::Run, this, FileName, Stream);
}

void TVffScanner::Stop() {
  if (!FThread.joinable()) return;
  {
    std::lock_guard<std::mutex> guard(FLock);
    FStop = true;
    FHeld = false;
  }
  FRelease.notify_all();
  FThread.join();
  FOk = false;
}

void TVffScanner::Wait() {
  if (!FThread.joinable()) return;
  {
    std::lock_guard<std::mutex> guard(FLock);
    FHeld = false;
  }
  FRelease.notify_all();
  FThread.join();
}

bool TVffScanner::Take(TVffIndex &Index) {
  if (!Done()) return false;
  if (FThread.joinable()) FThread.join();
  if (!FOk) return false;
  Index = std::move(FIndex);
  FIndex = TVffIndex();
  FOk = false;
  return true;
}

int TVffScanner::Interrupt(void *Opaque) {
  return static_cast<TVffScanner *>(Opaque)->FStop.load(std::memory_order_relaxed) ? 1 : 0;
}

void TVffScanner::Run(std::string FileName, int Stream) {
  // The lowest priority for this thread alone: Linux gives each thread its own niceness.
  setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 19);
  {
    std::unique_lock<std::mutex> lock(FLock);
    FRelease.wait(lock, [this] { return !FHeld; });
  }
  bool ok = false;
  AVFormatContext *format = avformat_alloc_context();
  if (format) {
    format->interrupt_callback.callback = &TVffScanner::Interrupt;
    format->interrupt_callback.opaque = this;
    AVDictionary *options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const std::string url = "file:" + FileName;
    if (avformat_open_input(&format, url.c_str(), nullptr, &options) < 0) format = nullptr;  // freed by FFmpeg
    av_dict_free(&options);
  }
  if (format && !FStop && avformat_find_stream_info(format, nullptr) >= 0 &&
      Stream < static_cast<int>(format->nb_streams)) {
    for (unsigned i = 0; i < format->nb_streams; ++i) {
      if (static_cast<int>(i) != Stream) format->streams[i]->discard = AVDISCARD_ALL;
    }
    std::string error;
    ok = FIndex.Scan(format, Stream, error) && !FStop;
  }
  avformat_close_input(&format);
  FOk = ok;
  FDone.store(true, std::memory_order_release);
}

}  // namespace kolibra::video::vff
