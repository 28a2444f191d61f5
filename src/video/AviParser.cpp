#include "video/AviParser.h"

#include "kit/Texts.h"
#include "video/AviChunks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>

namespace kolibra::video::avi {

namespace aviparser {

// LIST nesting in headers is shallow in every real file; deeper is damage.
constexpr int MaxStreams = 100;
constexpr int64_t StrhMinimum = 48;

struct THeaderState {
  int Streams = 0;
  bool HaveVideo = false;
  bool HaveFormat = false;
  bool HaveHeader = false;
  uint32_t DmlhFrames = 0;
};

// One "strl" list: the stream header, its format and its super index.
void ParseStreamList(TAviReader &Reader, const TChunk &List, THeaderState &State, TAviStream &Stream,
                     TAviLayout &Layout) {
  const int number = State.Streams++;
  if (State.HaveVideo) return;
  bool video = false;
  int64_t pos = List.Data + 4;
  TChunk c;
  while (ReadChunk(Reader, pos, List.End, c)) {
    if (c.Id == Tag("strh") && !State.HaveHeader) {
      uint8_t h[56] = {0};
      const int64_t n = std::min<int64_t>(56, c.End - c.Data);
      if (n >= StrhMinimum && Reader.Read(c.Data, h, n) && Le32(h) == Tag("vids")) {
        video = true;
        State.HaveHeader = true;
        Stream.Number = number;
        Stream.Handler = Le32(h + 4);
        Stream.Scale = Le32(h + 20);
        Stream.Rate = Le32(h + 24);
        Stream.Start = Le32(h + 28);
        Stream.Length = Le32(h + 32);
        if (n >= 56) {
          Stream.RectLeft = int16_t(Le16(h + 48));
          Stream.RectTop = int16_t(Le16(h + 50));
          Stream.RectRight = int16_t(Le16(h + 52));
          Stream.RectBottom = int16_t(Le16(h + 54));
        }
      }
    } else if (c.Id == Tag("strf") && video && !State.HaveFormat) {
      const int64_t n = std::min<int64_t>(c.End - c.Data, MaxFormatBytes);
      if (n >= 40) {
        Stream.Format.resize(size_t(n));
        if (Reader.Read(c.Data, Stream.Format.data(), n)) {
          const uint8_t *b = Stream.Format.data();
          TBitmapInfo &bi = Stream.Bitmap;
          bi.HeaderSize = Le32(b);
          bi.Width = int32_t(Le32(b + 4));
          bi.Height = int32_t(Le32(b + 8));
          bi.Planes = Le16(b + 12);
          bi.BitCount = Le16(b + 14);
          bi.Compression = Le32(b + 16);
          bi.SizeImage = Le32(b + 20);
          bi.ClrUsed = Le32(b + 32);
          State.HaveFormat = true;
        } else {
          Stream.Format.clear();
        }
      }
    } else if (c.Id == Tag("indx") && video && Layout.SuperIndexData < 0) {
      Layout.SuperIndexData = c.Data;
      Layout.SuperIndexEnd = c.End;
    }
    pos = c.Next;
  }
  if (video) State.HaveVideo = true;
}

void ParseHeaderList(TAviReader &Reader, const TChunk &Hdrl, THeaderState &State, TAviStream &Stream,
                     TAviLayout &Layout) {
  int64_t pos = Hdrl.Data + 4;
  TChunk c;
  while (ReadChunk(Reader, pos, Hdrl.End, c)) {
    if (c.ListType == Tag("strl") && State.Streams < MaxStreams) {
      ParseStreamList(Reader, c, State, Stream, Layout);
    } else if (c.ListType == Tag("odml")) {
      TChunk d;
      if (ReadChunk(Reader, c.Data + 4, c.End, d) && d.Id == Tag("dmlh") && d.End - d.Data >= 4) {
        Reader.Read32(d.Data, State.DmlhFrames);
      }
    }
    pos = c.Next;
  }
}

// The chunks of one RIFF part: the headers (first part only), its movi list and idx1.
void WalkRiff(TAviReader &Reader, const TChunk &Riff, bool First, THeaderState &State, bool &HaveHeaders,
              TAviStream &Stream, TAviLayout &Layout) {
  int64_t pos = Riff.Data + 4;
  TChunk c;
  bool movi = false;
  while (ReadChunk(Reader, pos, Riff.End, c)) {
    if (First && c.ListType == Tag("hdrl") && !HaveHeaders) {
      HaveHeaders = true;
      ParseHeaderList(Reader, c, State, Stream, Layout);
    } else if (c.ListType == Tag("movi") && !movi) {
      movi = true;
      Layout.Movis.push_back({c.Data, c.End});
    } else if (First && c.Id == Tag("idx1") && Layout.Idx1Data < 0) {
      Layout.Idx1Data = c.Data;
      Layout.Idx1End = c.End;
    }
    pos = c.Next;
  }
}

}  // namespace aviparser

// ---------------------------------------------------------------------------------------------
// Sources
// ---------------------------------------------------------------------------------------------

TAviFileSource::~TAviFileSource() { Close(); }

bool TAviFileSource::Open(const QString &FileName, QString &Error) {
  Close();
  if (FileName.isEmpty()) {
    Error = VfwPlayText::tr("No file name was given.");
    return false;
  }
  const QByteArray name = QFile::encodeName(FileName);
  struct stat info;
  if (stat(name.constData(), &info) != 0) {
    Error = VfwPlayText::tr("The file does not exist or cannot be reached.");
    return false;
  }
  if (S_ISDIR(info.st_mode)) {
    Error = VfwPlayText::tr("This is a folder, not a video file.");
    return false;
  }
  if (!S_ISREG(info.st_mode)) {  // a fifo or a device would block the first read
    Error = VfwPlayText::tr("This is not a video file but a device or a pipe.");
    return false;
  }
  if (info.st_size == 0) {
    Error = VfwPlayText::tr("The file is empty.");
    return false;
  }
  FFile = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
  if (FFile < 0) {
    Error = VfwPlayText::tr("The file does not exist or cannot be reached.");
    return false;
  }
  FSize = info.st_size;
  return true;
}

void TAviFileSource::Close() {
  if (FFile >= 0) ::close(FFile);
  FFile = -1;
  FSize = 0;
}

bool TAviFileSource::Read(int64_t Offset, void *Buffer, int64_t Count) {
  if (FFile < 0 || Offset < 0 || Count < 0 || Offset > FSize || Count > FSize - Offset) return false;
  auto *out = static_cast<uint8_t *>(Buffer);
  while (Count > 0) {
    const ssize_t n = ::pread(FFile, out, size_t(Count), off_t(Offset));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;  // the file shrank under us
    out += n;
    Offset += n;
    Count -= n;
  }
  return true;
}

bool TAviMemorySource::Read(int64_t Offset, void *Buffer, int64_t Count) {
  if (Offset < 0 || Count < 0 || Offset > FSize || Count > FSize - Offset) return false;
  if (Count > 0) memcpy(Buffer, FData + Offset, size_t(Count));
  return true;
}

// ---------------------------------------------------------------------------------------------
// The walk
// ---------------------------------------------------------------------------------------------

bool TAviReader::Read(int64_t Offset, void *Buffer, int64_t Count) {
  if (Offset < 0 || Count < 0 || Offset > FSize || Count > FSize - Offset) return false;
  if (Count > Window / 4) return FSource.Read(Offset, Buffer, Count);
  if (FWindowStart < 0 || Offset < FWindowStart || Offset + Count > FWindowStart + int64_t(FWindow.size())) {
    const int64_t n = std::min(Window, FSize - Offset);
    FWindow.resize(size_t(n));
    if (!FSource.Read(Offset, FWindow.data(), n)) {
      FWindowStart = -1;
      return false;
    }
    FWindowStart = Offset;
  }
  if (Count > 0) memcpy(Buffer, FWindow.data() + (Offset - FWindowStart), size_t(Count));
  return true;
}

bool ReadChunk(TAviReader &Reader, int64_t Pos, int64_t ParentEnd, TChunk &Chunk) {
  if (Pos < 0 || Pos + 8 > ParentEnd) return false;
  uint8_t h[12];
  const bool list = Pos + 12 <= ParentEnd && Reader.Read(Pos, h, 12);
  if (!list && !Reader.Read(Pos, h, 8)) return false;
  Chunk.Id = Le32(h);
  Chunk.Size = Le32(h + 4);
  Chunk.Data = Pos + 8;
  const int64_t declaredEnd = Chunk.Data + int64_t(Chunk.Size);
  Chunk.Cut = declaredEnd > ParentEnd;
  Chunk.End = std::min(declaredEnd, ParentEnd);
  // Odd sizes are padded to even; the walk always moves forward by at least the header.
  Chunk.Next = std::min(declaredEnd + (Chunk.Size & 1), ParentEnd);
  Chunk.ListType = 0;
  if ((Chunk.Id == Tag("LIST") || Chunk.Id == Tag("RIFF")) && list && Chunk.Size >= 4) Chunk.ListType = Le32(h + 8);
  return true;
}

bool PlausibleId(uint32_t Id) {
  for (int i = 0; i < 4; ++i) {
    const uint8_t c = uint8_t(Id >> (8 * i));
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}

bool IsVideoChunk(uint32_t Id, int Number) {
  if (Number < 0 || Number > 99) return false;
  const uint8_t tens = uint8_t(Id), units = uint8_t(Id >> 8);
  if (tens != uint8_t('0' + Number / 10) || units != uint8_t('0' + Number % 10)) return false;
  const uint32_t kind = Id >> 16;
  return kind == (Tag("00dc") >> 16) || kind == (Tag("00db") >> 16);
}

QString FourCCText(uint32_t FourCC) {
  if (!PlausibleId(FourCC)) return QStringLiteral("0x%1").arg(FourCC, 8, 16, QLatin1Char('0'));
  QString text;
  for (int i = 0; i < 4; ++i) text += QLatin1Char(char(FourCC >> (8 * i)));
  return text;
}

int TAviStream::Width() const {
  const int rect = RectRight - RectLeft;
  return rect > 0 && rect == Bitmap.Width ? rect : Bitmap.Width;
}

int TAviStream::Height() const {
  // INT32_MIN has no positive counterpart; the size check refuses it anyway.
  const int64_t h = Bitmap.Height < 0 ? -int64_t(Bitmap.Height) : int64_t(Bitmap.Height);
  return int(std::min<int64_t>(h, INT32_MAX));
}

bool ParseAvi(TAviSource &Source, TAviStream &Stream, QString &Error) {
  Stream = TAviStream();
  TAviReader reader(Source);
  const int64_t size = reader.Size();
  if (size <= 0) {
    Error = VfwPlayText::tr("The file is empty.");
    return false;
  }
  uint8_t head[12];
  TChunk riff;
  if (!reader.Read(0, head, 12) || Le32(head) != Tag("RIFF") || Le32(head + 8) != Tag("AVI ") ||
      !ReadChunk(reader, 0, size, riff)) {
    Error = VfwPlayText::tr("This is not an AVI file.");
    return false;
  }
  // Writers that stream (cameras, capture) leave the size 0 until they close the file.
  if (riff.Size == 0) riff.End = riff.Next = size;

  aviparser::THeaderState state;
  TAviLayout layout;
  bool haveHeaders = false;
  aviparser::WalkRiff(reader, riff, true, state, haveHeaders, Stream, layout);
  // The parts past 1 GB follow the first, each a "RIFF AVIX".
  int64_t pos = riff.Next;
  TChunk part;
  while (ReadChunk(reader, pos, size, part) && part.Id == Tag("RIFF") && part.ListType == Tag("AVIX")) {
    ++Stream.RiffParts;
    aviparser::WalkRiff(reader, part, false, state, haveHeaders, Stream, layout);
    pos = part.Next;
  }

  if (!haveHeaders) {
    Error = VfwPlayText::tr("The headers of this AVI file are missing.");
    return false;
  }
  if (!state.HaveVideo) {
    Error = VfwPlayText::tr("The AVI file holds no video stream.");
    return false;
  }
  if (!state.HaveFormat) {
    Error = VfwPlayText::tr("The format of the video stream is missing or damaged.");
    return false;
  }
  const int64_t height = Stream.Bitmap.Height < 0 ? -int64_t(Stream.Bitmap.Height) : int64_t(Stream.Bitmap.Height);
  const int64_t width = Stream.Bitmap.Width;
  if (width <= 0 || height <= 0 || width > MaxFrameSide || height > MaxFrameSide || width * height > MaxFramePixels) {
    Error =
        VfwPlayText::tr(
            "The frame size %1 x %2 announced by the file is not plausible: the file is damaged.")
            .arg(width)
            .arg(height);
    return false;
  }
  // Every frame takes at least a chunk header of 8 bytes.
  const int64_t canHold = size / 8 + 1;
  for (const uint32_t announced : {Stream.Length, state.DmlhFrames}) {
    if (announced > uint32_t(INT32_MAX) || int64_t(announced) > canHold) {
      Error = VfwPlayText::tr(
                  "The file announces %1 frames, more than it can hold: the file is damaged.")
                  .arg(announced);
      return false;
    }
    if (int64_t(announced) > MaxSlots) {
      Error = VfwPlayText::tr("The video has %1 frames: Kolibra reads videos of %2 frames at most.")
                  .arg(announced)
                  .arg(MaxSlots);
      return false;
    }
  }
  if (layout.Movis.empty()) {
    Error = VfwPlayText::tr("The AVI file holds no frame.");
    return false;
  }

  ReadIndex(reader, layout, Stream);
  if (int64_t(Stream.Slots.size()) > MaxSlots) {
    Error = VfwPlayText::tr("The video has %1 frames: Kolibra reads videos of %2 frames at most.")
                .arg(Stream.Slots.size())
                .arg(MaxSlots);
    Stream.Slots.clear();
    return false;
  }
  if (Stream.Slots.empty()) {
    Error = VfwPlayText::tr("The AVI file holds no frame.");
    return false;
  }
  bool pictures = false;
  for (const TAviSlot &s : Stream.Slots) pictures = pictures || s.Size > 0;
  if (!pictures) {
    Error = VfwPlayText::tr("The AVI file holds no frame.");
    return false;
  }
  return true;
}

}  // namespace kolibra::video::avi
