#pragma once
// Kolibra's own writing of AVI files (RIFF), the counterpart of the parser: one video stream,
// chunk after chunk, as AVI 1.0 readers and OpenDML readers both expect it.
//
// Layout. The first part "RIFF AVI " holds the headers (main header, the stream's header,
// format and super index "indx", the OpenDML header "dmlh"), its "movi" list ending with the
// standard index "ix00" of its chunks, then the AVI 1.0 index "idx1" of those same chunks.
// Once a part would pass PartLimit (1 GiB), the next chunks go to a "RIFF AVIX" part, each
// with its own movi list and ix00; the super index, reserved in the headers at open, points
// to every ix00. Offsets are 64-bit throughout; the counts, sizes and the super index are
// patched in at Finish, so a file is complete only after a successful Finish.
//
// A chunk of size 0 is an empty slot: the frame keeps its time and shows the picture before.
// Every write is checked: a full disk or a file-size limit ends in a reason, never in a file
// that claims to be whole. The writer does not delete what it wrote; its caller does.

#include "video/FrameRate.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace kolibra::video::avi {

struct TAviWriterFormat {
  int Width = 0;
  int Height = 0;
  TFrameRate Rate;
  uint32_t Handler = 0;      // the stream header's codec code ("DIB " for bitmaps)
  uint32_t Compression = 0;  // the bitmap header's; 0 for uncompressed bitmaps
  uint16_t BitCount = 24;
  uint32_t SizeImage = 0;      // 0: computed
  std::vector<uint8_t> Extra;  // the codec's set-up data, after the bitmap header
  int32_t Quality = -1;        // the stream header's quality; -1 = the codec's default
};

class TAviWriter {
 public:
  // An OpenDML part never grows past this, so that its 32-bit offsets always reach.
  static constexpr int64_t DefaultPartLimit = int64_t(1) << 30;
  // Parts the super index has room for: 256 GiB at the default limit.
  static constexpr int MaxParts = 256;

  // For tests only: the part limit of writers opened afterwards (0 restores the default),
  // so that splitting is tried on a few kilobytes.
  static void SetPartLimitForTesting(int64_t Bytes);

  TAviWriter() = default;
  ~TAviWriter();
  TAviWriter(const TAviWriter &) = delete;
  TAviWriter &operator=(const TAviWriter &) = delete;

  // Creates (or truncates) FileName and writes the headers.
  bool Open(const QString &FileName, const TAviWriterFormat &Format);
  // Appends one frame's chunk (Size 0: an empty slot).
  bool WriteChunk(const uint8_t *Data, int64_t Size, bool Key);
  // Closes the last part, writes the indexes, patches the headers and flushes to the disk.
  bool Finish();
  // Closes without completing the file.
  void Abort();

  // --- Writing as recording goes (AviWriterCheckpoint.cpp) ------------------------------------
  // A camera records for minutes and may be unplugged, killed or cut off by a power failure:
  // Checkpoint makes the file on the disk, as it is, a playable AVI of the frames written so
  // far (sizes and counts patched, no index: readers walk the "movi" list; completed parts
  // keep their indexes), and waits until the disk has it. Chunks written afterwards lie beyond
  // what the headers claim until the next checkpoint or Finish.
  bool Checkpoint();
  // After a failed write (a full disk): drops the chunk that did not reach the disk whole
  // and finishes the file with its indexes. When even the indexes do not fit, the file is
  // cut back to what the last checkpoint made playable. Returns the frames the file keeps
  // (0: nothing playable), and closes it either way; Error() keeps the first failure.
  int64_t FinishAfterFailure();
  // Frames the last checkpoint made safe.
  int64_t CheckpointFrames() const { return FSafe.Frames; }

  bool IsOpen() const { return FFile >= 0; }
  int64_t Frames() const { return FFrames; }
  int Parts() const { return int(FSuper.size()) + (FPartOpen ? 1 : 0); }
  // Why the last operation failed: the system's words for a disk or file error.
  const QString &Error() const { return FError; }

 private:
  struct TEntry {
    int64_t Header = 0;  // where the chunk's header starts
    uint32_t Size = 0;
    bool Key = false;
  };
  struct TSuperEntry {
    int64_t Offset = 0;
    uint32_t Size = 0;
    uint32_t Duration = 0;
  };

  bool Put(const void *Data, int64_t Size);
  bool Put32(uint32_t Value);
  bool PutTag(const char (&Text)[5]);
  bool Flush();
  bool PatchAt(int64_t Offset, const void *Data, int64_t Size);
  bool Patch32(int64_t Offset, uint32_t Value);
  bool Fail(const QString &Reason);
  bool FailErrno();

  bool WriteHeaders();
  bool StartPart();
  bool EndPart();
  int64_t IndexReserve(int64_t ExtraEntries) const;

  int FFile = -1;
  QString FError;
  TAviWriterFormat FFormat;
  int64_t FPartLimit = DefaultPartLimit;
  uint32_t FChunkId = 0;

  std::vector<uint8_t> FBuffer;
  int64_t FPos = 0;  // the file's logical end, buffer included

  // Where the headers keep what is known only at the end.
  int64_t FAvihData = 0;
  int64_t FStrhData = 0;
  int64_t FIndxData = 0;
  int64_t FDmlhData = 0;

  // The part being written.
  bool FPartOpen = false;
  int64_t FRiffStart = 0;
  int64_t FMoviSizePos = 0;
  int64_t FMoviTypePos = 0;
  std::vector<TEntry> FEntries;

  std::vector<TSuperEntry> FSuper;
  int64_t FFrames = 0;
  int64_t FFirstPartFrames = 0;
  uint32_t FMaxChunk = 0;

  // What the last checkpoint put on the disk (AviWriterCheckpoint.cpp).
  struct TSafePoint {
    bool Valid = false;
    int64_t Pos = 0;
    size_t Entries = 0;
    int64_t Frames = 0;
    uint32_t MaxChunk = 0;
    size_t Parts = 0;
  };
  TSafePoint FSafe;
  bool PatchCounts(int64_t FirstPartFrames);
};

}  // namespace kolibra::video::avi
