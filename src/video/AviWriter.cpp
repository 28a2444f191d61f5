#include "video/AviWriter.h"

#include "kit/Texts.h"

#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>

namespace kolibra::video::avi {

namespace aviwriter {

constexpr uint32_t AvifHasIndex = 0x10;
constexpr uint32_t AvifIsInterleaved = 0x100;
constexpr uint32_t AvifTrustCkType = 0x800;
constexpr uint32_t Idx1KeyFrame = 0x10;
constexpr uint32_t NotKeyBit = 0x80000000u;
constexpr int64_t BufferBytes = int64_t(1) << 20;
constexpr int64_t DmlhBytes = 248;
constexpr int64_t SuperHeaderBytes = 24;
constexpr int64_t SuperEntryBytes = 16;
constexpr int64_t IxHeaderBytes = 24;
constexpr int64_t IxEntryBytes = 8;
constexpr int64_t Idx1EntryBytes = 16;
const char Software[] = "Kolibra";

std::atomic<int64_t> &PartLimitOverride() {
  static std::atomic<int64_t> limit{0};
  return limit;
}

constexpr uint32_t Tag(const char (&Text)[5]) {
  return uint32_t(uint8_t(Text[0])) | uint32_t(uint8_t(Text[1])) << 8 | uint32_t(uint8_t(Text[2])) << 16 |
         uint32_t(uint8_t(Text[3])) << 24;
}

// Little-endian bytes, appended.
class TBytes {
 public:
  void U8(uint8_t V) { FData.push_back(V); }
  void U16(uint16_t V) {
    U8(uint8_t(V));
    U8(uint8_t(V >> 8));
  }
  void U32(uint32_t V) {
    U16(uint16_t(V));
    U16(uint16_t(V >> 16));
  }
  void U64(uint64_t V) {
    U32(uint32_t(V));
    U32(uint32_t(V >> 32));
  }
  void TagOf(const char (&Text)[5]) { U32(Tag(Text)); }
  void Zeros(int64_t N) { FData.insert(FData.end(), size_t(N), 0); }
  void Bytes(const void *P, size_t N) {
    const auto *b = static_cast<const uint8_t *>(P);
    FData.insert(FData.end(), b, b + N);
  }
  int64_t Size() const { return int64_t(FData.size()); }
  const uint8_t *Data() const { return FData.data(); }
  // Sets the 32-bit size at Pos to the bytes from Pos + 4 to the end.
  void CloseSize(int64_t Pos) {
    const uint32_t n = uint32_t(Size() - Pos - 4);
    for (int i = 0; i < 4; ++i) FData[size_t(Pos + i)] = uint8_t(n >> (8 * i));
  }

 private:
  std::vector<uint8_t> FData;
};

}  // namespace aviwriter

void TAviWriter::SetPartLimitForTesting(int64_t Bytes) { aviwriter::PartLimitOverride() = std::max<int64_t>(Bytes, 0); }

TAviWriter::~TAviWriter() { Abort(); }

bool TAviWriter::Fail(const QString &Reason) {
  if (FError.isEmpty()) FError = Reason;
  return false;
}

bool TAviWriter::FailErrno() { return Fail(QString::fromLocal8Bit(strerror(errno))); }

bool TAviWriter::Flush() {
  const uint8_t *p = FBuffer.data();
  size_t left = FBuffer.size();
  while (left > 0) {
    const ssize_t n = ::write(FFile, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return FailErrno();
    }
    p += n;
    left -= size_t(n);
  }
  FBuffer.clear();
  return true;
}

bool TAviWriter::Put(const void *Data, int64_t Size) {
  if (FFile < 0) return false;
  if (int64_t(FBuffer.size()) + Size > aviwriter::BufferBytes && !Flush()) return false;
  if (Size > aviwriter::BufferBytes) {
    // A large frame goes straight to the file, without a copy.
    const auto *p = static_cast<const uint8_t *>(Data);
    int64_t left = Size;
    while (left > 0) {
      const ssize_t n = ::write(FFile, p, size_t(left));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        if (n == 0) errno = ENOSPC;
        return FailErrno();
      }
      p += n;
      left -= n;
    }
  } else if (Size > 0) {
    const auto *b = static_cast<const uint8_t *>(Data);
    FBuffer.insert(FBuffer.end(), b, b + Size);
  }
  FPos += Size;
  return true;
}

bool TAviWriter::Put32(uint32_t Value) {
  const uint8_t b[4] = {uint8_t(Value), uint8_t(Value >> 8), uint8_t(Value >> 16), uint8_t(Value >> 24)};
  return Put(b, 4);
}

bool TAviWriter::PutTag(const char (&Text)[5]) { return Put32(aviwriter::Tag(Text)); }

bool TAviWriter::PatchAt(int64_t Offset, const void *Data, int64_t Size) {
  if (!Flush()) return false;
  const auto *p = static_cast<const uint8_t *>(Data);
  while (Size > 0) {
    const ssize_t n = ::pwrite(FFile, p, size_t(Size), off_t(Offset));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return FailErrno();
    }
    p += n;
    Offset += n;
    Size -= n;
  }
  return true;
}

bool TAviWriter::Patch32(int64_t Offset, uint32_t Value) {
  const uint8_t b[4] = {uint8_t(Value), uint8_t(Value >> 8), uint8_t(Value >> 16), uint8_t(Value >> 24)};
  return PatchAt(Offset, b, 4);
}

bool TAviWriter::Open(const QString &FileName, const TAviWriterFormat &Format) {
  Abort();
  FError.clear();
  if (Format.Width <= 0 || Format.Height <= 0 || Format.Width > 32767 || Format.Height > 32767 ||
      !Format.Rate.IsValid()) {
    return Fail(AviWriterText::tr("The size or the frame rate of the video is not valid."));
  }
  FFormat = Format;
  const int64_t limit = aviwriter::PartLimitOverride().load();
  FPartLimit = limit > 0 ? limit : DefaultPartLimit;
  FChunkId = Format.Compression == 0 ? aviwriter::Tag("00db") : aviwriter::Tag("00dc");
  if (FFormat.SizeImage == 0) {
    const int64_t stride = ((int64_t(Format.Width) * Format.BitCount + 31) / 32) * 4;
    FFormat.SizeImage = uint32_t(std::min<int64_t>(stride * Format.Height, UINT32_MAX));
  }
  FFile = ::open(QFile::encodeName(FileName).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (FFile < 0) return FailErrno();
  FBuffer.reserve(size_t(aviwriter::BufferBytes));
  FPos = 0;
  FSuper.clear();
  FEntries.clear();
  FFrames = FFirstPartFrames = 0;
  FMaxChunk = 0;
  FPartOpen = false;
  FSafe = TSafePoint();
  if (!WriteHeaders()) {
    Abort();
    return false;
  }
  return true;
}

bool TAviWriter::WriteHeaders() {
  using aviwriter::TBytes;
  const TAviWriterFormat &f = FFormat;
  TBytes h;
  h.TagOf("RIFF");
  h.U32(0);  // patched when the part ends
  h.TagOf("AVI ");
  h.TagOf("LIST");
  const int64_t hdrlSize = h.Size();
  h.U32(0);
  h.TagOf("hdrl");

  h.TagOf("avih");
  h.U32(56);
  FAvihData = h.Size();
  h.U32(f.Rate.MicroSecondsPerFrame());
  h.U32(0);  // bytes per second, patched
  h.U32(0);
  h.U32(aviwriter::AvifHasIndex | aviwriter::AvifIsInterleaved | aviwriter::AvifTrustCkType);
  h.U32(0);  // frames of the first part, patched
  h.U32(0);
  h.U32(1);  // streams
  h.U32(0);  // suggested buffer size, patched
  h.U32(uint32_t(f.Width));
  h.U32(uint32_t(f.Height));
  h.Zeros(16);

  h.TagOf("LIST");
  const int64_t strlSize = h.Size();
  h.U32(0);
  h.TagOf("strl");
  h.TagOf("strh");
  h.U32(56);
  FStrhData = h.Size();
  h.TagOf("vids");
  h.U32(f.Handler);
  h.U32(0);  // flags
  h.U32(0);  // priority and language
  h.U32(0);  // initial frames
  h.U32(f.Rate.Scale);
  h.U32(f.Rate.Rate);
  h.U32(0);  // start
  h.U32(0);  // length, patched
  h.U32(0);  // suggested buffer size, patched
  h.U32(uint32_t(f.Quality));
  h.U32(0);  // sample size: frames vary
  h.U16(0);
  h.U16(0);
  h.U16(uint16_t(f.Width));
  h.U16(uint16_t(f.Height));

  h.TagOf("strf");
  const uint32_t strf = uint32_t(40 + f.Extra.size());
  h.U32(strf);
  h.U32(strf);
  h.U32(uint32_t(f.Width));
  h.U32(uint32_t(f.Height));  // positive: uncompressed rows are stored bottom row first
  h.U16(1);
  h.U16(f.BitCount);
  h.U32(f.Compression);
  h.U32(f.SizeImage);
  h.Zeros(16);
  if (!f.Extra.empty()) h.Bytes(f.Extra.data(), f.Extra.size());
  if (strf & 1) h.U8(0);

  // The super index: room for every part, filled in at the end.
  h.TagOf("indx");
  h.U32(uint32_t(aviwriter::SuperHeaderBytes + MaxParts * aviwriter::SuperEntryBytes));
  FIndxData = h.Size();
  h.U16(4);  // longs per entry
  h.U8(0);   // sub type
  h.U8(0);   // an index of indexes
  h.U32(0);  // entries in use, patched
  h.U32(FChunkId);
  h.Zeros(12);
  h.Zeros(MaxParts * aviwriter::SuperEntryBytes);
  h.CloseSize(strlSize);

  h.TagOf("LIST");
  const int64_t odmlSize = h.Size();
  h.U32(0);
  h.TagOf("odml");
  h.TagOf("dmlh");
  h.U32(uint32_t(aviwriter::DmlhBytes));
  FDmlhData = h.Size();
  h.Zeros(aviwriter::DmlhBytes);  // total frames, patched
  h.CloseSize(odmlSize);
  h.CloseSize(hdrlSize);

  h.TagOf("LIST");
  const int64_t infoSize = h.Size();
  h.U32(0);
  h.TagOf("INFO");
  h.TagOf("ISFT");
  h.U32(uint32_t(sizeof(aviwriter::Software)));
  h.Bytes(aviwriter::Software, sizeof(aviwriter::Software));
  if (sizeof(aviwriter::Software) & 1) h.U8(0);
  h.CloseSize(infoSize);

  h.TagOf("LIST");
  FMoviSizePos = h.Size();
  h.U32(0);
  FMoviTypePos = h.Size();
  h.TagOf("movi");
  FRiffStart = 0;
  FPartOpen = true;
  return Put(h.Data(), h.Size());
}

int64_t TAviWriter::IndexReserve(int64_t ExtraEntries) const {
  const int64_t entries = int64_t(FEntries.size()) + ExtraEntries;
  int64_t bytes = 8 + aviwriter::IxHeaderBytes + entries * aviwriter::IxEntryBytes;
  if (FSuper.empty()) bytes += 8 + entries * aviwriter::Idx1EntryBytes;
  return bytes;
}

bool TAviWriter::StartPart() {
  if (int(FSuper.size()) >= MaxParts)
    return Fail(AviWriterText::tr("The video is too large for an AVI file."));
  FRiffStart = FPos;
  if (!PutTag("RIFF") || !Put32(0) || !PutTag("AVIX") || !PutTag("LIST")) return false;
  FMoviSizePos = FPos;
  if (!Put32(0)) return false;
  FMoviTypePos = FPos;
  if (!PutTag("movi")) return false;
  FEntries.clear();
  FPartOpen = true;
  return true;
}

bool TAviWriter::EndPart() {
  using aviwriter::TBytes;
  // The standard index of the part's chunks, closing its movi list. Its offsets count from
  // the movi list, so they stay 32-bit in every part.
  TBytes ix;
  ix.TagOf("ix00");
  ix.U32(uint32_t(aviwriter::IxHeaderBytes + int64_t(FEntries.size()) * aviwriter::IxEntryBytes));
  ix.U16(2);
  ix.U8(0);
  ix.U8(1);  // an index of chunks
  ix.U32(uint32_t(FEntries.size()));
  ix.U32(FChunkId);
  ix.U64(uint64_t(FMoviTypePos));
  ix.U32(0);
  for (const TEntry &e : FEntries) {
    ix.U32(uint32_t(e.Header + 8 - FMoviTypePos));
    ix.U32(e.Size | (e.Key ? 0 : aviwriter::NotKeyBit));
  }
  FSuper.push_back({FPos, uint32_t(ix.Size()), uint32_t(FEntries.size())});
  if (!Put(ix.Data(), ix.Size())) return false;
  if (!Patch32(FMoviSizePos, uint32_t(FPos - FMoviSizePos - 4))) return false;
  if (FSuper.size() == 1) {
    // The AVI 1.0 index of the first part, for the readers that know no other.
    TBytes idx1;
    idx1.TagOf("idx1");
    idx1.U32(uint32_t(int64_t(FEntries.size()) * aviwriter::Idx1EntryBytes));
    for (const TEntry &e : FEntries) {
      idx1.U32(FChunkId);
      idx1.U32(e.Key ? aviwriter::Idx1KeyFrame : 0);
      idx1.U32(uint32_t(e.Header - FMoviTypePos));
      idx1.U32(e.Size);
    }
    if (!Put(idx1.Data(), idx1.Size())) return false;
    FFirstPartFrames = int64_t(FEntries.size());
  }
  if (!Patch32(FRiffStart + 4, uint32_t(FPos - FRiffStart - 8))) return false;
  FPartOpen = false;
  FEntries.clear();
  return true;
}

bool TAviWriter::WriteChunk(const uint8_t *Data, int64_t Size, bool Key) {
  if (FFile < 0) return Fail(AviWriterText::tr("The video file is not open."));
  if (Size < 0 || Size > UINT32_MAX / 2)
    return Fail(AviWriterText::tr("A frame is too large for an AVI file."));
  const int64_t chunk = 8 + Size + (Size & 1);
  // A part is closed before it would pass the limit with this chunk and its indexes; a part
  // always takes at least one chunk.
  if (!FEntries.empty() && FPos + chunk + IndexReserve(1) - FRiffStart > FPartLimit) {
    if (!EndPart() || !StartPart()) return false;
  }
  FEntries.push_back({FPos, uint32_t(Size), Key && Size > 0});
  const uint8_t header[8] = {uint8_t(FChunkId),      uint8_t(FChunkId >> 8), uint8_t(FChunkId >> 16),
                             uint8_t(FChunkId >> 24), uint8_t(Size),          uint8_t(Size >> 8),
                             uint8_t(Size >> 16),     uint8_t(Size >> 24)};
  const uint8_t pad = 0;
  if (!Put(header, 8) || !Put(Data, Size) || ((Size & 1) && !Put(&pad, 1))) return false;
  FMaxChunk = std::max(FMaxChunk, uint32_t(Size));
  ++FFrames;
  return true;
}

bool TAviWriter::Finish() {
  if (FFile < 0) return Fail(AviWriterText::tr("The video file is not open."));
  if (FFrames == 0) return Fail(AviWriterText::tr("The video holds no frame."));
  if (FPartOpen && !EndPart()) return false;
  const uint32_t frames = uint32_t(std::min<int64_t>(FFrames, UINT32_MAX));
  const double perSecond = double(FMaxChunk) * FFormat.Rate.Fps();
  const uint32_t maxBytes = perSecond >= double(UINT32_MAX) ? UINT32_MAX : uint32_t(perSecond);
  const uint32_t buffer = FMaxChunk + 8;
  // avih: bytes per second, frames of the first part (as OpenDML wants), buffer size.
  if (!Patch32(FAvihData + 4, maxBytes) || !Patch32(FAvihData + 16, uint32_t(FFirstPartFrames)) ||
      !Patch32(FAvihData + 28, buffer)) {
    return false;
  }
  // strh: the whole length; dmlh: the same.
  if (!Patch32(FStrhData + 32, frames) || !Patch32(FStrhData + 36, buffer) || !Patch32(FDmlhData, frames)) return false;
  aviwriter::TBytes super;
  for (const TSuperEntry &e : FSuper) {
    super.U64(uint64_t(e.Offset));
    super.U32(e.Size);
    super.U32(e.Duration);
  }
  if (!Patch32(FIndxData + 4, uint32_t(FSuper.size())) ||
      !PatchAt(FIndxData + aviwriter::SuperHeaderBytes, super.Data(), super.Size())) {
    return false;
  }
  if (::fdatasync(FFile) != 0) return FailErrno();
  const int file = FFile;
  FFile = -1;
  if (::close(file) != 0) return FailErrno();
  return true;
}

void TAviWriter::Abort() {
  if (FFile >= 0) ::close(FFile);
  FFile = -1;
  FBuffer.clear();
  FEntries.clear();
  FPartOpen = false;
}

}  // namespace kolibra::video::avi
