// Which picture each slot of an MPEG-4 AVI shows, worked out from the VOP headers of
// hand-made chunks: B-frames stored after the frame they precede, the DivX "packed" way with
// its "not coded" stand-ins, dropped frames, and keyframes followed by earlier B-frames.

#include "AviBuilder.h"
#include "video/AviPlan.h"

#include <gtest/gtest.h>
#include <vector>

namespace kolibra::video {
namespace {

using avi::TMpeg4Headers;
using testing::BitmapInfo;
using testing::BuildAvi;
using testing::FourCC;
using testing::TAviChunkData;
using testing::TAviShape;

class TBitWriter {
 public:
  void Put(uint32_t Value, int Count) {
    for (int i = Count - 1; i >= 0; --i) FBits.push_back((Value >> i) & 1);
  }
  QByteArray Bytes() const {
    QByteArray b((int(FBits.size()) + 7) / 8, '\0');
    for (size_t i = 0; i < FBits.size(); ++i) {
      if (FBits[i]) b[int(i / 8)] = char(b[int(i / 8)] | (0x80 >> (i % 8)));
    }
    return b;
  }

 private:
  std::vector<int> FBits;
};

QByteArray StartCode(uint8_t Code) { return QByteArray("\0\0\1", 3) + char(Code); }

// A VOL header announcing Resolution ticks per second.
QByteArray Vol(int Resolution) {
  TBitWriter w;
  w.Put(0, 1);  // random accessible
  w.Put(1, 8);  // simple object
  w.Put(0, 1);  // no layer identifier
  w.Put(1, 4);  // square pixels
  w.Put(0, 1);  // no control parameters
  w.Put(0, 2);  // rectangular
  w.Put(1, 1);  // marker
  w.Put(uint32_t(Resolution), 16);
  w.Put(1, 1);  // marker
  w.Put(0, 1);  // no fixed rate
  return StartCode(0x20) + w.Bytes();
}

QByteArray UserData(const char *Text) { return StartCode(0xB2) + QByteArray(Text); }

// A VOP of Type ('I', 'P', 'B'), coded or not, with a time increment of 5 bits (resolution
// 25). Every VOP at the same time leaves the pictures without usable times.
QByteArray Vop(char Type, bool Coded = true, int Ticks = 7) {
  TBitWriter w;
  w.Put(Type == 'I' ? 0 : Type == 'P' ? 1 : Type == 'B' ? 2 : 3, 2);
  w.Put(0, 1);  // no whole seconds
  w.Put(1, 1);  // marker
  w.Put(uint32_t(Ticks), 5);  // time increment
  w.Put(1, 1);  // marker
  w.Put(Coded ? 1 : 0, 1);
  w.Put(0x2A5, 12);  // some picture data
  return StartCode(0xB6) + w.Bytes() + (Coded ? QByteArray(16, '\x5a') : QByteArray());
}

TEST(Mpeg4HeadersTest, TheHeadersOfAChunkAreRead) {
  TMpeg4Headers h;
  const QByteArray chunk = Vol(25) + UserData("DivX503b1393p") + Vop('I') + Vop('B') + Vop('P', false);
  h.Read(reinterpret_cast<const uint8_t *>(chunk.constData()), chunk.size());
  EXPECT_EQ(h.TimeBits(), 5);
  EXPECT_TRUE(h.Packed());
  EXPECT_EQ(h.FirstStartCode(), 0x20);
  ASSERT_EQ(h.Vops().size(), 3u);
  EXPECT_EQ(h.Vops()[0].Type, 0);
  EXPECT_EQ(h.Vops()[1].Type, 2);
  EXPECT_EQ(h.Vops()[2].Type, 1);
  EXPECT_TRUE(h.Vops()[0].Coded);
  EXPECT_FALSE(h.Vops()[2].Coded);
}

TEST(Mpeg4HeadersTest, TimeBitsAndTheWritersNoteFollowTheDecodersReading) {
  const struct {
    int Resolution;
    int Bits;
  } resolutions[] = {{1, 1}, {2, 1}, {25, 5}, {30, 5}, {32, 5}, {33, 6}, {30000, 15}, {65535, 16}};
  for (const auto &r : resolutions) {
    TMpeg4Headers h;
    const QByteArray vol = Vol(r.Resolution);
    h.Read(reinterpret_cast<const uint8_t *>(vol.constData()), vol.size());
    EXPECT_EQ(h.TimeBits(), r.Bits) << r.Resolution;
  }
  const struct {
    const char *Text;
    bool Packed;
  } notes[] = {{"DivX503b1393p", true}, {"DivX999b000p", true},     {"DivX503b830", false},
               {"DivX5b", false},       {"DivX501Build413p", true}, {"XviD0069", true}};
  TMpeg4Headers h;  // the last note stands until another says otherwise
  for (const auto &n : notes) {
    const QByteArray data = UserData(n.Text);
    h.Read(reinterpret_cast<const uint8_t *>(data.constData()), data.size());
    EXPECT_EQ(h.Packed(), n.Packed) << n.Text;
  }
}

avi::TAviPlan Plan(const QList<QByteArray> &Chunks, const QList<int> &Keys) {
  QList<TAviChunkData> chunks;
  for (int i = 0; i < Chunks.size(); ++i) chunks << TAviChunkData{Chunks[i], Keys.contains(i)};
  TAviShape shape;
  shape.Format = BitmapInfo(16, 16, 24, FourCC("XVID"));
  const QByteArray file = BuildAvi(shape, chunks).Whole();
  avi::TAviMemorySource source(reinterpret_cast<const uint8_t *>(file.constData()), file.size());
  avi::TAviStream stream;
  QString error;
  EXPECT_TRUE(avi::ParseAvi(source, stream, error)) << error.toStdString();
  return avi::PlanOfMpeg4(source, stream);
}

std::vector<int32_t> Pictures(const avi::TAviPlan &Plan) { return Plan.Picture; }
std::vector<std::pair<int, int>> Keys(const avi::TAviPlan &Plan) {
  std::vector<std::pair<int, int>> keys;
  for (const auto &k : Plan.Keys) keys.emplace_back(k.Slot, k.Picture);
  return keys;
}

TEST(Mpeg4PlanTest, EverySlotShowsThePictureOfTheFullDecode) {
  const QByteArray head = Vol(25);
  const QByteArray packed = Vol(25) + UserData("DivX503b1393p");
  const struct {
    const char *Name;
    QList<QByteArray> Chunks;
    QList<int> Keys;
    std::vector<int32_t> Pictures;
    std::vector<std::pair<int, int>> PlanKeys;
    int Count;
    bool OpenGop;
  } cases[] = {
      {"no B-frames",
       {head + Vop('I'), Vop('P'), Vop('P'), head + Vop('I'), Vop('P')},
       {0, 3},
       {0, 1, 2, 3, 4},
       {{0, 0}, {3, 3}},
       5,
       false},
      // Stored I0 P3 B1 B2 P6 B4 B5: shown in order, one per slot.
      {"B-frames after their reference",
       {head + Vop('I'), Vop('P'), Vop('B'), Vop('B'), Vop('P'), Vop('B'), Vop('B')},
       {0},
       {0, 1, 2, 3, 4, 5, 6},
       {{0, 0}},
       7,
       false},
      // I9 is stored before B7 and B8, which are shown before it: its run starts at picture 9.
      {"open group of pictures",
       {head + Vop('I'), Vop('P'), Vop('B'), Vop('B'), Vop('P'), Vop('B'), Vop('B'), head + Vop('I'), Vop('B'),
        Vop('B'), Vop('P')},
       {0, 7},
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
       {{0, 0}, {7, 9}},
       11,
       true},
      // Packed: P3 with B1 in one chunk, B2 alone, a stand-in in P3's slot.
      {"packed",
       {packed + Vop('I'), Vop('P') + Vop('B'), Vop('B'), Vop('P', false), Vop('P') + Vop('B'), Vop('B'),
        Vop('P', false)},
       {0},
       {0, 1, 2, 3, 4, 5, 6},
       {{0, 0}},
       7,
       false},
      // Packed, a keyframe chunk holding the B-frame shown before it.
      {"packed keyframe with its B-frame",
       {packed + Vop('I'), Vop('P') + Vop('B'), Vop('B'), Vop('P', false), head + Vop('I') + Vop('B'), Vop('B'),
        Vop('P', false), Vop('P')},
       {0, 4},
       {0, 1, 2, 3, 4, 5, 6, 7},
       {{0, 0}, {4, 6}},
       8,
       true},
      // A frame dropped by the encoder, not after a packed B-frame: no picture of its own.
      {"not coded", {head + Vop('I'), Vop('P'), Vop('P', false), Vop('P')}, {0}, {0, 1, 1, 2}, {{0, 0}}, 3, false},
      {"empty chunks",
       {head + Vop('I'), QByteArray(), Vop('P'), QByteArray(), QByteArray()},
       {0},
       {0, 0, 1, 1, 1},
       {{0, 0}},
       2,
       false},
      // A B-frame before the second reference has nothing to be drawn from and is passed over.
      {"B-frame without references",
       {head + Vop('I'), Vop('B'), Vop('P'), Vop('B')},
       {0},
       {0, 0, 1, 2},
       {{0, 0}},
       3,
       false},
  };
  for (const auto &c : cases) {
    const avi::TAviPlan plan = Plan(c.Chunks, c.Keys);
    EXPECT_EQ(Pictures(plan), c.Pictures) << c.Name;
    EXPECT_EQ(Keys(plan), c.PlanKeys) << c.Name;
    EXPECT_EQ(plan.Pictures, c.Count) << c.Name;
    EXPECT_EQ(plan.OpenGop, c.OpenGop) << c.Name;
  }
}

// With their times, pictures stand at the slot their time names, however the chunks carry
// them: Xvid leaves empty chunks for its delay at the start and packs each B-frame into the
// chunk of the frame after it. A slot without a picture of its time shows the one before.
TEST(Mpeg4PlanTest, EveryPictureStandsAtTheSlotOfItsTime) {
  const QByteArray packed = Vol(25) + UserData("DivX503b1393p");
  const auto vop = [](char Type, int Ticks, bool Coded = true) { return Vop(Type, Coded, Ticks); };
  const struct {
    const char *Name;
    QList<QByteArray> Chunks;
    std::vector<int32_t> Pictures;
    int Count;
    bool Flush;
  } cases[] = {
      // I0, two chunks of delay, then P3 with B1, B2, a stand-in, ... P9 with B7: B8 never came.
      {"packed with the encoder's delay",
       {packed + vop('I', 0), QByteArray(), QByteArray(), vop('P', 3) + vop('B', 1), vop('B', 2), vop('P', 3, false),
        vop('P', 6) + vop('B', 4), vop('B', 5), vop('P', 6, false), vop('P', 9) + vop('B', 7)},
       {0, 1, 2, 3, 4, 5, 6, 7, 7, 8},
       9,
       true},
      // The last picture is timed past the last chunk's slot: it has none.
      {"a picture past the end",
       {packed + vop('I', 0), vop('P', 2) + vop('B', 1), vop('P', 2, false), vop('P', 4) + vop('B', 3)},
       {0, 1, 2, 3},
       5,
       true},
      // A frame the encoder dropped: its slot shows the picture before.
      {"not coded", {Vol(25) + vop('I', 0), vop('P', 1), vop('P', 2, false), vop('P', 3)}, {0, 1, 1, 2}, 3, false},
  };
  for (const auto &c : cases) {
    const avi::TAviPlan plan = Plan(c.Chunks, {0});
    EXPECT_EQ(Pictures(plan), c.Pictures) << c.Name;
    EXPECT_EQ(plan.Pictures, c.Count) << c.Name;
    EXPECT_EQ(plan.FlushStored, c.Flush) << c.Name;
  }
}

TEST(AviPlanTest, TheKeyForAPictureIsTheLastAtOrBeforeIt) {
  avi::TAviPlan plan;
  plan.Keys = {{0, 0}, {7, 9}, {12, 14}};
  const int expected[][2] = {{-3, 0}, {0, 0}, {8, 0}, {9, 7}, {13, 7}, {14, 12}, {99, 12}};
  for (const auto &e : expected) EXPECT_EQ(plan.KeyFor(e[0])->Slot, e[1]) << e[0];
  plan.DropKey(7);
  EXPECT_EQ(plan.KeyFor(10)->Slot, 0);
  plan.DropKey(0);  // the start of the stream is never dropped
  EXPECT_EQ(plan.KeyFor(3)->Slot, 0);
}

}  // namespace
}  // namespace kolibra::video
