// The AVI parser on files laid out every way writers lay them out: the same slots whatever
// the index, the headers as written, and the reasons for what no real file holds.

#include "AviBuilder.h"
#include "video/AviParser.h"

#include <gtest/gtest.h>
#include <QString>

namespace kolibra::video {
namespace {

using avi::TAviMemorySource;
using avi::TAviStream;
using testing::BitmapInfo;
using testing::BuildAvi;
using testing::FourCC;
using testing::TAviChunkData;
using testing::TAviShape;

// Six chunks: one dropped, odd sizes that need padding, keys on the first and the fourth.
QList<TAviChunkData> SixChunks() {
  return {{QByteArray("0123456789"), true}, {QByteArray(), false},        {QByteArray("abcdefghijklm"), false},
          {QByteArray("ABCDEFG"), true},    {QByteArray(20, 'z'), false}, {QByteArray("!"), false}};
}

bool Parse(const QByteArray &Bytes, TAviStream &Stream, QString &Error) {
  TAviMemorySource source(reinterpret_cast<const uint8_t *>(Bytes.constData()), Bytes.size());
  return avi::ParseAvi(source, Stream, Error);
}

QByteArray SlotData(const QByteArray &File, const avi::TAviSlot &Slot) { return File.mid(Slot.Offset, Slot.Size); }

TEST(AviParserTest, EveryIndexGivesTheSameSlots) {
  const struct {
    const char *Name;
    TAviShape::TIndex Index;
    int ChunksPerPart;
    bool Sound;
    bool Rec;
    avi::TAviIndexKind Kind;
    bool KeysKnown;
    int Parts;
  } cases[] = {
      {"idx1 from movi", TAviShape::Idx1, 0, false, false, avi::ikIdx1, true, 1},
      {"idx1 from the file's start", TAviShape::Idx1Absolute, 0, false, false, avi::ikIdx1, true, 1},
      {"idx1 beside sound", TAviShape::Idx1, 0, true, false, avi::ikIdx1, true, 1},
      {"OpenDML, one part", TAviShape::OpenDml, 0, false, false, avi::ikOpenDml, true, 1},
      {"OpenDML, three parts", TAviShape::OpenDml, 2, false, false, avi::ikOpenDml, true, 3},
      {"OpenDML, sound and rec lists", TAviShape::OpenDml, 4, true, true, avi::ikOpenDml, true, 2},
      {"no index", TAviShape::NoIndex, 0, false, false, avi::ikScan, false, 1},
      {"no index, rec lists and sound", TAviShape::NoIndex, 0, true, true, avi::ikScan, false, 1},
  };
  for (const auto &c : cases) {
    TAviShape shape;
    shape.Index = c.Index;
    shape.ChunksPerPart = c.ChunksPerPart;
    shape.SoundFirst = c.Sound;
    shape.Rec = c.Rec;
    shape.Format = BitmapInfo(4, 2, 24, FourCC("MJPG"));
    const QByteArray file = BuildAvi(shape, SixChunks()).Whole();
    TAviStream stream;
    QString error;
    ASSERT_TRUE(Parse(file, stream, error)) << c.Name << ": " << error.toStdString();
    EXPECT_EQ(stream.IndexKind, c.Kind) << c.Name;
    EXPECT_EQ(stream.KeysKnown, c.KeysKnown) << c.Name;
    EXPECT_EQ(stream.RiffParts, c.Parts) << c.Name;
    EXPECT_EQ(stream.Number, c.Sound ? 1 : 0) << c.Name;
    const QList<TAviChunkData> chunks = SixChunks();
    ASSERT_EQ(stream.Slots.size(), size_t(chunks.size())) << c.Name;
    for (int i = 0; i < chunks.size(); ++i) {
      EXPECT_EQ(SlotData(file, stream.Slots[size_t(i)]), chunks[i].Data) << c.Name << " slot " << i;
      if (c.KeysKnown) {
        EXPECT_EQ(stream.Slots[size_t(i)].Key, chunks[i].Key && !chunks[i].Data.isEmpty()) << c.Name;
      }
    }
  }
}

TEST(AviParserTest, TheHeadersAreReadAsWritten) {
  TAviShape shape;
  shape.Format = BitmapInfo(320, -240, 32, 0);
  shape.Handler = FourCC("DIB ");
  shape.Scale = 1001;
  shape.Rate = 30000;
  shape.Start = 3;
  shape.Length = 5;
  shape.RectWidth = 320;
  shape.RectHeight = 240;
  TAviStream stream;
  QString error;
  ASSERT_TRUE(Parse(BuildAvi(shape, SixChunks()).Whole(), stream, error)) << error.toStdString();
  EXPECT_EQ(stream.Scale, 1001u);
  EXPECT_EQ(stream.Rate, 30000u);
  EXPECT_EQ(stream.Start, 3u);
  EXPECT_EQ(stream.Length, 5u);
  EXPECT_EQ(stream.Handler, FourCC("DIB "));
  EXPECT_EQ(stream.Bitmap.BitCount, 32);
  EXPECT_EQ(stream.Bitmap.Height, -240);
  EXPECT_TRUE(stream.TopDown());
  EXPECT_EQ(stream.Width(), 320);
  EXPECT_EQ(stream.Height(), 240);
  EXPECT_EQ(avi::FourCCText(FourCC("MJPG")), QStringLiteral("MJPG"));
  EXPECT_EQ(avi::FourCCText(3), QStringLiteral("0x00000003"));
}

// What no real file holds is refused with a reason, before anything is allocated for it.
TEST(AviParserTest, FilesThatCannotBeTrueAreRefusedWithTheirReason) {
  const QByteArray good = BuildAvi(
                              [] {
                                TAviShape s;
                                s.Format = BitmapInfo(4, 2, 24, 0);
                                return s;
                              }(),
                              SixChunks())
                              .Whole();
  const auto patched = [&good](const char *Find, int Shift, quint32 Value) {
    QByteArray b = good;
    const int at = b.indexOf(Find) + Shift;
    for (int i = 0; i < 4; ++i) b[at + i] = char((Value >> (8 * i)) & 0xFF);
    return b;
  };
  const auto sized = [&](int Width, int Height) {
    return BuildAvi(
               [&] {
                 TAviShape s;
                 s.Format = BitmapInfo(Width, Height, 24, FourCC("MJPG"));
                 return s;
               }(),
               SixChunks())
        .Whole();
  };
  const struct {
    const char *Name;
    QByteArray File;
    const char *Reason;
  } cases[] = {
      {"empty", QByteArray(), "The file is empty."},
      {"a WAVE file", QByteArray("RIFF\x04\0\0\0WAVE", 12), "This is not an AVI file."},
      {"text", QByteArray("Not a video at all."), "This is not an AVI file."},
      {"headers renamed", patched("hdrl", 0, FourCC("junk")), "The headers of this AVI file are missing."},
      {"sound only", patched("vids", 0, FourCC("auds")), "The AVI file holds no video stream."},
      {"no format", patched("strf", 0, FourCC("strx")), "The format of the video stream is missing or damaged."},
      {"100000 x 100000", sized(100000, 100000),
       "The frame size 100000 x 100000 announced by the file is not plausible: the file is damaged."},
      {"no width", sized(0, 10), "The frame size 0 x 10 announced by the file is not plausible: the file is damaged."},
      {"height -2^31", sized(4, INT32_MIN),
       "The frame size 4 x 2147483648 announced by the file is not plausible: the file is damaged."},
      {"2^31 frames", patched("vids", 32, 0x80000000u),
       "The file announces 2147483648 frames, more than it can hold: the file is damaged."},
      {"a million frames in a few bytes", patched("vids", 32, 1000000),
       "The file announces 1000000 frames, more than it can hold: the file is damaged."},
      {"no movi", patched("movi", 0, FourCC("ivom")), "The AVI file holds no frame."},
      {"only dropped frames",
       BuildAvi(
           [] {
             TAviShape s;
             s.Format = BitmapInfo(4, 2, 24, 0);
             return s;
           }(),
           {{QByteArray(), true}, {QByteArray(), true}})
           .Whole(),
       "The AVI file holds no frame."},
  };
  for (const auto &c : cases) {
    TAviStream stream;
    QString error;
    EXPECT_FALSE(Parse(c.File, stream, error)) << c.Name;
    EXPECT_EQ(error, QString::fromUtf8(c.Reason)) << c.Name;
  }
}

TEST(AviParserTest, ACutFileHoldsItsWholeChunks) {
  TAviShape shape;
  shape.Format = BitmapInfo(4, 2, 24, FourCC("MJPG"));
  shape.Index = TAviShape::NoIndex;
  const QByteArray file = BuildAvi(shape, SixChunks()).Whole();
  // Cut in the middle of the fifth chunk (20 bytes of 'z').
  const QByteArray cut = file.left(file.indexOf(QByteArray(20, 'z')) + 5);
  TAviStream stream;
  QString error;
  ASSERT_TRUE(Parse(cut, stream, error)) << error.toStdString();
  ASSERT_EQ(stream.Slots.size(), 4u);
  EXPECT_EQ(SlotData(cut, stream.Slots[3]), QByteArray("ABCDEFG"));
}

// An idx1 entry pointing past the end in the middle is a dropped frame, so that the frames
// after it keep their times; entries past the end at the tail are a cut file.
TEST(AviParserTest, EntriesPastTheEndAreDroppedFramesOrTheCutTail) {
  TAviShape shape;
  shape.Format = BitmapInfo(4, 2, 24, FourCC("MJPG"));
  QByteArray file = BuildAvi(shape, SixChunks()).Whole();
  const int idx1 = file.indexOf("idx1") + 8;
  const auto setOffset = [&file, idx1](int Entry, quint32 Value) {
    for (int i = 0; i < 4; ++i) file[idx1 + 16 * Entry + 8 + i] = char((Value >> (8 * i)) & 0xFF);
  };
  setOffset(2, 0x7FFFFF00u);
  setOffset(5, 0x7FFFFF00u);
  TAviStream stream;
  QString error;
  ASSERT_TRUE(Parse(file, stream, error)) << error.toStdString();
  ASSERT_EQ(stream.Slots.size(), 5u);
  EXPECT_EQ(stream.Slots[2].Size, 0u);
  EXPECT_EQ(SlotData(file, stream.Slots[3]), QByteArray("ABCDEFG"));
}

// Capture programs that stream leave the RIFF size 0 until they close the file.
TEST(AviParserTest, ARiffSizeOfZeroMeansTheWholeFile) {
  TAviShape shape;
  shape.Format = BitmapInfo(4, 2, 24, FourCC("MJPG"));
  QByteArray file = BuildAvi(shape, SixChunks()).Whole();
  file.replace(4, 4, QByteArray(4, '\0'));
  TAviStream stream;
  QString error;
  ASSERT_TRUE(Parse(file, stream, error)) << error.toStdString();
  EXPECT_EQ(stream.Slots.size(), 6u);
}

}  // namespace
}  // namespace kolibra::video
