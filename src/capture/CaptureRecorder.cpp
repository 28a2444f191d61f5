#include "capture/CaptureRecorder.h"

#include "kit/Texts.h"
#include "video/AviCompressor.h"
#include "video/AviWriter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>
#include <cstring>

namespace kolibra::capture {

namespace capture_recorder {

constexpr uint32_t DibHandler = MakeFourCC('D', 'I', 'B', ' ');
constexpr uint32_t Mjpg = MakeFourCC('M', 'J', 'P', 'G');
constexpr int Quality = 8000;

// The slot of a frame dt nanoseconds after the first: dt × rate, rounded to the nearest.
int64_t SlotOf(int64_t dt, video::TFrameRate rate) {
#if defined(__SIZEOF_INT128__)
  __extension__ typedef __int128 TWide;
#else
  typedef long double TWide;
#endif
  const TWide unit = TWide(rate.Scale) * TWide(1000000000);
  return int64_t((TWide(dt) * rate.Rate * 2 + unit) / (2 * unit));
}

int64_t FreeBytesOf(const QString &fileName) {
  QStorageInfo storage(QFileInfo(fileName).absolutePath());
  storage.refresh();
  return storage.isValid() ? storage.bytesAvailable() : std::numeric_limits<int64_t>::max();
}

}  // namespace capture_recorder

const std::vector<QString> &RecordingCodecs() {
  // Intra-only codecs: every chunk is a picture of its own, so stepping stays frame-exact.
  static const std::vector<QString> codecs = [] {
    std::vector<QString> names;
    for (const char *name : {"Motion JPEG", "FFV1"})
      if (video::avi::FindAviCodec(QLatin1String(name)) != nullptr) names.push_back(QLatin1String(name));
    return names;
  }();
  return codecs;
}

// The file and its encoder, on the writer thread only. Chunks leave in slot order: an empty
// slot behind a picture the encoder still holds waits for it.
struct TCaptureRecorder::TWriter {
  video::avi::TAviWriter Avi;
  video::avi::TAviCompressor Compressor;
  bool Copy = false;  // the camera's JPEG goes in as it is
  bool Dib = false;
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Bits;
  std::deque<bool> Pending;  // true: a picture in the encoder; false: an empty slot

  bool Open(const TRecordingPlan &plan, QString &reason) {
    Width = plan.Width;
    Height = plan.Height;
    video::avi::TAviWriterFormat format;
    format.Width = plan.Width;
    format.Height = plan.Height;
    format.Rate = plan.Rate;
    const QString codec = plan.Codec >= 0 && plan.Codec < int(RecordingCodecs().size()) ? RecordingCodecs()[size_t(plan.Codec)]
                                                                                       : QString();
    const video::avi::TAviCodec *chosen = codec.isEmpty() ? nullptr : video::avi::FindAviCodec(codec);
    Dib = chosen == nullptr;
    Copy = chosen != nullptr && chosen->FourCC == capture_recorder::Mjpg && plan.CameraSendsJpeg;
    if (Dib) {
      format.Handler = capture_recorder::DibHandler;
      format.Compression = 0;
      format.BitCount = 24;
    } else if (Copy) {
      format.Handler = format.Compression = capture_recorder::Mjpg;
      format.BitCount = 24;
      format.SizeImage = uint32_t(plan.Width * plan.Height * 3);
    } else {
      if (!Compressor.Open(*chosen, plan.Width, plan.Height, plan.Rate, capture_recorder::Quality, 1)) {
        reason = Compressor.Error();
        return false;
      }
      Compressor.Describe(format);
    }
    if (!Avi.Open(plan.FileName, format)) {
      reason = Avi.Error();
      return false;
    }
    return true;
  }

  bool WriteDib(const QImage &picture) {
    // Blue, green, red, rows padded to four bytes, bottom row first.
    const int stride = (Width * 3 + 3) & ~3;
    Bits.assign(size_t(stride) * size_t(Height), 0);
    for (int y = 0; y < Height; ++y) {
      const uchar *in = picture.constScanLine(y);
      uint8_t *out = Bits.data() + size_t(Height - 1 - y) * size_t(stride);
      for (int x = 0; x < Width; ++x) {
        out[3 * x] = in[3 * x + 2];
        out[3 * x + 1] = in[3 * x + 1];
        out[3 * x + 2] = in[3 * x];
      }
    }
    return Avi.WriteChunk(Bits.data(), int64_t(Bits.size()), true);
  }

  // Writes what can leave now, in slot order.
  bool Drain() {
    while (!Pending.empty()) {
      if (!Pending.front()) {
        if (!Avi.WriteChunk(nullptr, 0, false)) return false;
      } else {
        std::vector<uint8_t> chunk;
        bool key = false;
        if (!Compressor.Take(chunk, key)) return true;
        if (!Avi.WriteChunk(chunk.data(), int64_t(chunk.size()), key)) return false;
      }
      Pending.pop_front();
    }
    return true;
  }

  bool WriteEmpty() {
    Pending.push_back(false);
    return Drain();
  }

  bool WriteFrame(const TCapturedFrame &frame) {
    if (Copy && frame.Jpeg) {
      if (!Drain()) return false;
      if (!Pending.empty()) return false;
      return Avi.WriteChunk(frame.Jpeg->data(), int64_t(frame.Jpeg->size()), true);
    }
    const QImage picture = frame.Picture.width() == Width && frame.Picture.height() == Height
                               ? frame.Picture.convertToFormat(QImage::Format_RGB888)
                               : frame.Picture.scaled(Width, Height).convertToFormat(QImage::Format_RGB888);
    if (Dib) return Drain() && Pending.empty() && WriteDib(picture);
    if (!Compressor.Compress(picture.constBits(), picture.bytesPerLine())) return false;
    Pending.push_back(true);
    return Drain();
  }

  bool Finish() {
    if (!Dib && !Copy && Compressor.IsOpen()) {
      Compressor.Drain();
      Drain();
    }
    return Avi.Finish();
  }
};

TCaptureRecorder::TCaptureRecorder() = default;

TCaptureRecorder::~TCaptureRecorder() {
  if (Running()) Finish();
}

bool TCaptureRecorder::Start(const TRecordingPlan &plan, QString &reason) {
  if (Running()) Finish();
  FPlan = plan;
  if (!FPlan.FreeBytes) FPlan.FreeBytes = [file = plan.FileName] { return capture_recorder::FreeBytesOf(file); };
  if (plan.Width <= 0 || plan.Height <= 0 || !plan.Rate.IsValid()) {
    reason = CaptureText::tr("The size or the frame rate of the video is not valid.");
    return false;
  }
  if (FPlan.FreeBytes() < FPlan.ReserveBytes) {
    reason = CaptureText::tr("The disk is full.");
    return false;
  }
  FWriter = std::make_unique<TWriter>();
  if (!FWriter->Open(plan, reason)) {
    FWriter.reset();
    return false;
  }
  FQueue.clear();
  FLostSlots.clear();
  FError.clear();
  FFinishing = false;
  FComplete = false;
  FSlots = 0;
  FCaptured = 0;
  FEnded = reNone;
  FThread = std::thread([this] { Run(); });
  return true;
}

void TCaptureRecorder::Push(const TCapturedFrame &frame) {
  {
    std::lock_guard<std::mutex> lock(FLock);
    // A full queue means the disk cannot keep up: this frame's slot will stay empty.
    if (FFinishing || FEnded.load() != reNone || int(FQueue.size()) >= FPlan.QueueFrames) return;
    FQueue.push_back(frame);
  }
  FWake.notify_one();
}

void TCaptureRecorder::EndBy(TRecorderEnd end, const QString &reason) {
  TRecorderEnd none = reNone;
  if (!FEnded.compare_exchange_strong(none, end)) return;
  {
    std::lock_guard<std::mutex> lock(FLock);
    if (!reason.isEmpty()) FError = reason;
    FQueue.clear();
  }
  if (OnEnded) OnEnded(end);
}

void TCaptureRecorder::Run() {
  const video::TFrameRate rate = FPlan.Rate;
  // A checkpoint a second, and one after the first frame.
  const int64_t every = std::max<int64_t>(1, int64_t(rate.Fps() + 0.5));
  int64_t checkpointed = -1;
  bool first = true;
  int64_t origin = 0;
  bool failed = false;
  const auto writeFailed = [&] {
    failed = true;
    const QString reason = FWriter->Avi.Error().isEmpty() ? FWriter->Compressor.Error() : FWriter->Avi.Error();
    // The counts follow what the file keeps: the frames after its last whole chunk are gone.
    const int64_t kept = FWriter->Avi.FinishAfterFailure();
    {
      std::lock_guard<std::mutex> lock(FLock);
      std::erase_if(FLostSlots, [kept](int64_t s) { return s >= kept; });
      FSlots = kept;
      FCaptured = kept - int64_t(FLostSlots.size());
    }
    EndBy(reWriteError, reason);
  };
  for (;;) {
    TCapturedFrame frame;
    {
      std::unique_lock<std::mutex> lock(FLock);
      FWake.wait(lock, [this] { return FFinishing || !FQueue.empty(); });
      if (FQueue.empty()) break;
      frame = std::move(FQueue.front());
      FQueue.pop_front();
    }
    if (failed || FEnded.load() != reNone) continue;
    if (first) {
      origin = frame.TimeNs;
      first = false;
    }
    const int64_t dt = frame.TimeNs - origin;
    if (dt < 0) continue;
    int64_t slot = capture_recorder::SlotOf(dt, rate);
    // A second frame in a slot already filled: the camera ran ahead of its rate.
    if (slot < FSlots.load()) continue;
    const int64_t limit = FPlan.SlotLimit;
    const bool beyond = limit > 0 && slot >= limit;
    if (beyond) slot = limit;
    bool ok = true;
    while (ok && FSlots.load() < slot) {
      ok = FWriter->WriteEmpty();
      if (ok) {
        std::lock_guard<std::mutex> lock(FLock);
        FLostSlots.push_back(FSlots.load());
        ++FSlots;
      }
    }
    if (ok && !beyond) {
      ok = FWriter->WriteFrame(frame);
      if (ok) {
        ++FCaptured;
        ++FSlots;
      }
    }
    if (!ok) {
      writeFailed();
      continue;
    }
    if (checkpointed < 0 || FSlots.load() - checkpointed >= every) {
      if (!FWriter->Avi.Checkpoint()) {
        writeFailed();
        continue;
      }
      checkpointed = FSlots.load();
      // A full disk is seen coming: the recording stops while its end can still be written.
      if (FPlan.FreeBytes() < FPlan.ReserveBytes) {
        EndBy(reDiskFull, CaptureText::tr("The disk is full."));
        continue;
      }
    }
    if (limit > 0 && FSlots.load() >= limit) EndBy(reSlotLimit);
  }
  if (!failed) {
    FComplete = FCaptured.load() > 0 && FWriter->Finish();
    if (!FComplete && FCaptured.load() > 0) {
      std::lock_guard<std::mutex> lock(FLock);
      FError = FWriter->Avi.Error();
    }
  } else {
    FComplete = FCaptured.load() > 0;
  }
  if (FWriter->Avi.IsOpen()) FWriter->Avi.Abort();
}

bool TCaptureRecorder::Finish() {
  if (!FThread.joinable()) return FComplete;
  {
    std::lock_guard<std::mutex> lock(FLock);
    FFinishing = true;
  }
  FWake.notify_one();
  FThread.join();
  FWriter.reset();
  return FComplete;
}

std::vector<int64_t> TCaptureRecorder::LostSlots() const {
  std::lock_guard<std::mutex> lock(FLock);
  return FLostSlots;
}

QString TCaptureRecorder::Error() const {
  std::lock_guard<std::mutex> lock(FLock);
  return FError;
}

}  // namespace kolibra::capture
