// The AVI writer's crash safety for recordings: checkpoints that leave a playable file on the
// disk, and a finish after a failed write that keeps every whole frame.

#include "video/AviWriter.h"

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace kolibra::video::avi {

namespace aviwriter_checkpoint {

// The offsets of the fields Finish patches, counted from the start of their chunk's data.
constexpr int64_t AvihBytesPerSecond = 4;
constexpr int64_t AvihTotalFrames = 16;
constexpr int64_t AvihBufferSize = 28;
constexpr int64_t StrhLength = 32;
constexpr int64_t StrhBufferSize = 36;
constexpr int64_t IndxEntriesInUse = 4;
constexpr int64_t IndxEntries = 24;

}  // namespace aviwriter_checkpoint

bool TAviWriter::PatchCounts(int64_t FirstPartFrames) {
  namespace c = aviwriter_checkpoint;
  const uint32_t frames = uint32_t(std::min<int64_t>(FFrames, UINT32_MAX));
  const double perSecond = double(FMaxChunk) * FFormat.Rate.Fps();
  const uint32_t maxBytes = perSecond >= double(UINT32_MAX) ? UINT32_MAX : uint32_t(perSecond);
  const uint32_t buffer = FMaxChunk + 8;
  if (!Patch32(FAvihData + c::AvihBytesPerSecond, maxBytes) ||
      !Patch32(FAvihData + c::AvihTotalFrames, uint32_t(FirstPartFrames)) ||
      !Patch32(FAvihData + c::AvihBufferSize, buffer) || !Patch32(FStrhData + c::StrhLength, frames) ||
      !Patch32(FStrhData + c::StrhBufferSize, buffer) || !Patch32(FDmlhData, frames)) {
    return false;
  }
  // Only parts whose own index is on the disk are listed.
  std::vector<uint8_t> super;
  for (const TSuperEntry &e : FSuper) {
    for (int i = 0; i < 8; ++i) super.push_back(uint8_t(uint64_t(e.Offset) >> (8 * i)));
    for (int i = 0; i < 4; ++i) super.push_back(uint8_t(e.Size >> (8 * i)));
    for (int i = 0; i < 4; ++i) super.push_back(uint8_t(e.Duration >> (8 * i)));
  }
  return Patch32(FIndxData + c::IndxEntriesInUse, uint32_t(FSuper.size())) &&
         (super.empty() || PatchAt(FIndxData + c::IndxEntries, super.data(), int64_t(super.size())));
}

bool TAviWriter::Checkpoint() {
  if (FFile < 0 || !FPartOpen) return false;
  if (!Flush()) return false;
  // The part's "movi" list and RIFF end after the last chunk: without an index, readers
  // walk the list.
  if (!Patch32(FMoviSizePos, uint32_t(FPos - FMoviSizePos - 4)) ||
      !Patch32(FRiffStart + 4, uint32_t(FPos - FRiffStart - 8)) ||
      !PatchCounts(FSuper.empty() ? int64_t(FEntries.size()) : FFirstPartFrames)) {
    return false;
  }
  if (::fdatasync(FFile) != 0) return FailErrno();
  FSafe = TSafePoint{true, FPos, FEntries.size(), FFrames, FMaxChunk, FSuper.size()};
  return true;
}

int64_t TAviWriter::FinishAfterFailure() {
  if (FFile < 0) return 0;
  const QString reason = FError;
  // What reached the disk: writes go in order, so every chunk that ends before the file's
  // end is whole.
  FBuffer.clear();
  const off_t written = ::lseek(FFile, 0, SEEK_END);
  if (FPartOpen && written >= 0) {
    size_t whole = 0;
    while (whole < FEntries.size()) {
      const TEntry &e = FEntries[whole];
      if (e.Header + 8 + int64_t(e.Size) + int64_t(e.Size & 1) > int64_t(written)) break;
      ++whole;
    }
    const int64_t end = whole < FEntries.size() ? FEntries[whole].Header : FPos;
    // The failed chunk's entry is listed though it was never counted: count again.
    int64_t earlier = 0;
    for (const TSuperEntry &part : FSuper) earlier += part.Duration;
    FFrames = earlier + int64_t(whole);
    FEntries.resize(whole);
    FMaxChunk = 0;
    for (const TEntry &e : FEntries) FMaxChunk = std::max(FMaxChunk, e.Size);
    if (FSafe.Valid) FMaxChunk = std::max(FMaxChunk, FSafe.MaxChunk);
    FPos = end;
    if (::ftruncate(FFile, off_t(end)) == 0 && ::lseek(FFile, off_t(end), SEEK_SET) >= 0) {
      FError.clear();
      if (FFrames > 0 && Finish()) {
        FError = reason;
        return FFrames;
      }
    }
  }
  // The indexes do not fit: back to the checkpoint, which the headers describe as long as
  // no part was closed since.
  bool kept = false;
  if (FFile >= 0 && FSafe.Valid && FSafe.Parts == FSuper.size() && FSafe.Frames > 0) {
    kept = ::ftruncate(FFile, off_t(FSafe.Pos)) == 0 && ::fdatasync(FFile) == 0;
  }
  Abort();
  FError = reason;
  return kept ? FSafe.Frames : 0;
}

}  // namespace kolibra::video::avi
