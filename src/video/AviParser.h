#pragma once
// Kolibra's own reading of AVI files (RIFF): the headers of the first video stream and its
// table of frame slots, from the AVI 1.0 index ("idx1"), from the OpenDML indexes (a super
// index "indx" in the stream's header pointing to standard indexes "ix##", which reach the
// "RIFF AVIX" parts of files past 1 GB), or, without either, from a walk through the "movi"
// lists.
//
// Slot k is the kth chunk of the stream, whatever it holds: an empty chunk is a slot too,
// since the file's timing counts it. Nothing here trusts a size the file gives: every read is
// checked against the end of the source, every table is bounded by what the file can hold,
// and every walk moves forward, so damaged or hostile files end in a reason, never in a
// crash, a hang or an allocation without bound.

#include <QString>
#include <cstdint>
#include <vector>

namespace kolibra::video::avi {

// Frames larger than this are a damaged header, not a camera (8K is 33 Mpixels).
constexpr int MaxFrameSide = 16384;
constexpr int64_t MaxFramePixels = int64_t(1) << 27;
// The stream format ("strf") is a bitmap header with a palette or a codec's set-up data.
constexpr int64_t MaxFormatBytes = int64_t(1) << 20;
// Nearly four days at 25 frames per second; the tables of a longer video would take more
// memory than a classroom computer should give them.
constexpr int64_t MaxSlots = int64_t(1) << 23;
// No compressed frame is this large; a chunk that says so is damaged.
constexpr int64_t MaxChunkBytes = int64_t(1) << 28;

// Where the parser reads: a file, or bytes in memory for tests and the fuzzer.
class TAviSource {
 public:
  virtual ~TAviSource() = default;
  virtual int64_t Size() const = 0;
  // Reads Count bytes at Offset; false, reading nothing useful, when they are not all there.
  virtual bool Read(int64_t Offset, void *Buffer, int64_t Count) = 0;
};

class TAviFileSource final : public TAviSource {
 public:
  TAviFileSource() = default;
  ~TAviFileSource() override;
  TAviFileSource(const TAviFileSource &) = delete;
  TAviFileSource &operator=(const TAviFileSource &) = delete;

  // Opens a regular, non-empty file; false with the reason otherwise.
  bool Open(const QString &FileName, QString &Error);
  void Close();
  int64_t Size() const override { return FSize; }
  bool Read(int64_t Offset, void *Buffer, int64_t Count) override;

 private:
  int FFile = -1;
  int64_t FSize = 0;
};

class TAviMemorySource final : public TAviSource {
 public:
  TAviMemorySource(const uint8_t *Data, int64_t Size) : FData(Data), FSize(Size) {}
  int64_t Size() const override { return FSize; }
  bool Read(int64_t Offset, void *Buffer, int64_t Count) override;

 private:
  const uint8_t *FData;
  int64_t FSize;
};

// The bitmap header of the stream format, as stored.
struct TBitmapInfo {
  uint32_t HeaderSize = 0;
  int32_t Width = 0;
  int32_t Height = 0;  // negative: the top row comes first
  uint16_t Planes = 0;
  uint16_t BitCount = 0;
  uint32_t Compression = 0;
  uint32_t SizeImage = 0;
  uint32_t ClrUsed = 0;
};

struct TAviSlot {
  int64_t Offset = 0;  // the chunk's first data byte
  uint32_t Size = 0;   // 0 for an empty chunk
  bool Key = false;
};

enum TAviIndexKind { ikOpenDml, ikIdx1, ikScan };

struct TAviStream {
  int Number = -1;  // the stream's place among the file's streams, as its chunk names say
  uint32_t Handler = 0;
  uint32_t Scale = 0;
  uint32_t Rate = 0;
  uint32_t Start = 0;
  uint32_t Length = 0;
  // The frame rectangle of the stream header (left, top, right, bottom).
  int RectLeft = 0, RectTop = 0, RectRight = 0, RectBottom = 0;
  TBitmapInfo Bitmap;
  std::vector<uint8_t> Format;  // the whole "strf": header, masks, palette, codec data
  std::vector<TAviSlot> Slots;
  TAviIndexKind IndexKind = ikScan;
  bool KeysKnown = true;  // false when no index flagged the keyframes
  int RiffParts = 1;      // 1 + the "RIFF AVIX" parts

  // The picture's size; the rectangle of the stream header when it is set and agrees.
  int Width() const;
  int Height() const;
  bool TopDown() const { return Bitmap.Height < 0; }
};

// Reads the headers and the slot table of the first video stream. False, with the reason in
// Error, when the file is no AVI, holds no usable video stream, or announces what no real
// file holds (a frame of 100,000 x 100,000 pixels, 2^31 frames).
bool ParseAvi(TAviSource &Source, TAviStream &Stream, QString &Error);

// "MJPG", or "0x00000003" when the code is not four printable characters.
QString FourCCText(uint32_t FourCC);

}  // namespace kolibra::video::avi
