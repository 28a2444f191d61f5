// Uncompressed frames through the AVI reader, pixel by pixel, in every layout a bitmap
// takes: palettes of 1, 4 and 8 bits, 16 bits as 5-5-5 and 5-6-5, 24 bits, 32 bits plain and
// by masks, bottom row first or top row first.

#include "AviBuilder.h"
#include "VideoTestSupport.h"
#include "video/VfwPlay.h"

#include <gtest/gtest.h>

namespace kolibra::video {
namespace {

using testing::BitmapInfo;
using testing::BuildAvi;
using testing::FourCC;
using testing::TAviChunkData;
using testing::TAviShape;

QByteArray Le32(quint32 v) { return QByteArray(reinterpret_cast<const char *>(&v), 4); }
QByteArray Le16(quint16 v) { return QByteArray(reinterpret_cast<const char *>(&v), 2); }

// Palette entries are blue, green, red, reserved.
QByteArray Palette(std::initializer_list<QRgb> Colours) {
  QByteArray p;
  for (QRgb c : Colours) {
    const char entry[4] = {char(qBlue(c)), char(qGreen(c)), char(qRed(c)), '\0'};
    p += QByteArray(entry, 4);
  }
  return p;
}

QString WriteAvi(const QString &Name, const QByteArray &Format, const QList<TAviChunkData> &Chunks) {
  TAviShape shape;
  shape.Format = Format;
  return testing::WriteTemp(Name, BuildAvi(shape, Chunks).Whole());
}

struct TDibCase {
  const char *Name;
  QByteArray Format;
  QByteArray Pixels;  // rows as stored, each padded to 4 bytes
  // The 4 x 2 picture as shown, top row first.
  QRgb Top[4];
  QRgb Bottom[4];
};

constexpr QRgb DibR = 0xFFFF0000u, DibG = 0xFF00FF00u, DibB = 0xFF0000FFu, DibW = 0xFFFFFFFFu, DibK = 0xFF000000u,
               DibY = 0xFFFFFF00u;

TEST(AviDibTest, EveryBitmapLayoutShowsItsPixels) {
  const TDibCase cases[] = {
      // 24 bits, bottom row first: the stored first row is the picture's last.
      {"24 bits bottom-up",
       BitmapInfo(4, 2, 24, 0),
       QByteArray("\xff\0\0\0\xff\0\0\0\xff\xff\xff\xff", 12) + QByteArray("\0\0\xff\0\0\xff\0\0\xff\0\0\xff", 12),
       {DibR, DibR, DibR, DibR},
       {DibB, DibG, DibR, DibW}},
      {"24 bits top-down",
       BitmapInfo(4, -2, 24, 0),
       QByteArray("\xff\0\0\0\xff\0\0\0\xff\xff\xff\xff", 12) + QByteArray("\0\0\xff\0\0\xff\0\0\xff\0\0\xff", 12),
       {DibB, DibG, DibR, DibW},
       {DibR, DibR, DibR, DibR}},
      {"32 bits",
       BitmapInfo(4, 2, 32, 0),
       QByteArray("\0\0\xff\0\0\xff\0\0\xff\0\0\0\0\0\0\0", 16) +
           QByteArray("\xff\xff\xff\0\xff\xff\xff\0\0\xff\xff\0\0\0\0\0", 16),
       {DibW, DibW, DibY, DibK},
       {DibR, DibG, DibB, DibK}},
      // Masks: red in the low byte, blue in the third.
      {"32 bits by masks",
       BitmapInfo(4, -1, 32, 3, Le32(0x000000FF) + Le32(0x0000FF00) + Le32(0x00FF0000)),
       QByteArray("\xff\0\0\0\0\xff\0\0\0\0\xff\0\0\0\0\0", 16),
       {DibR, DibG, DibB, DibK},
       {DibR, DibG, DibB, DibK}},
      {"16 bits 5-5-5",
       BitmapInfo(4, -1, 16, 0),
       Le16(0x7C00) + Le16(0x03E0) + Le16(0x001F) + Le16(0x7FFF),
       {DibR, DibG, DibB, DibW},
       {DibR, DibG, DibB, DibW}},
      {"16 bits 5-6-5 by masks",
       BitmapInfo(4, -1, 16, 3, Le32(0xF800) + Le32(0x07E0) + Le32(0x001F)),
       Le16(0xF800) + Le16(0x07E0) + Le16(0x001F) + Le16(0xFFE0),
       {DibR, DibG, DibB, DibY},
       {DibR, DibG, DibB, DibY}},
      // Three colours used of 256: the pixel values index the palette.
      {"8 bits",
       BitmapInfo(4, -2, 8, 0, Palette({DibG, DibB, DibY}), 3),
       QByteArray("\0\1\2\1", 4) + QByteArray("\2\2\0\0", 4),
       {DibG, DibB, DibY, DibB},
       {DibY, DibY, DibG, DibG}},
      {"4 bits",
       BitmapInfo(4, -1, 4, 0, Palette({DibK, DibR, DibG, DibB, DibW}), 5),
       QByteArray("\x14\x23\0\0", 4),
       {DibR, DibW, DibG, DibB},
       {DibR, DibW, DibG, DibB}},
      {"1 bit",
       BitmapInfo(4, -1, 1, 0, Palette({DibK, DibY})),
       QByteArray("\xa0\0\0\0", 4),
       {DibY, DibK, DibY, DibK},
       {DibY, DibK, DibY, DibK}},
  };
  for (const TDibCase &c : cases) {
    const QString path = WriteAvi(QStringLiteral("dib.avi"), c.Format, {{c.Pixels, true}});
    TVfwPlay reader;
    reader.SetFileName(path);
    ASSERT_TRUE(reader.Opened()) << c.Name << ": " << reader.ErrorText().toStdString();
    EXPECT_TRUE(reader.Uncompressed()) << c.Name;
    const QImage frame = testing::Grab(reader);
    ASSERT_FALSE(frame.isNull()) << c.Name;
    const int last = frame.height() - 1;
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(frame.pixel(x, 0), c.Top[x]) << c.Name << " top " << x;
      EXPECT_EQ(frame.pixel(x, last), c.Bottom[x]) << c.Name << " bottom " << x;
    }
  }
}

// A dropped frame shows the picture before it; a chunk too short for its picture is
// refused, at open for the first frame and at the draw for a later one.
TEST(AviDibTest, DroppedFramesRepeatAndShortChunksAreRefused) {
  const QByteArray format = BitmapInfo(1, 1, 24, 0);
  const QByteArray red("\0\0\xff\0", 4), blue("\xff\0\0\0", 4);
  TVfwPlay reader;
  reader.SetFileName(WriteAvi(QStringLiteral("dropped.avi"), format,
                              {{red, true}, {QByteArray(), false}, {blue, true}, {QByteArray("\1", 1), true}}));
  ASSERT_TRUE(reader.Opened()) << reader.ErrorText().toStdString();
  EXPECT_EQ(reader.FrameCount(), 4);
  const QRgb expected[] = {DibR, DibR, DibB};
  for (int k = 0; k < 3; ++k) {
    reader.SetPosition(k);
    EXPECT_EQ(testing::Grab(reader).pixel(0, 0), expected[k]) << k;
    EXPECT_EQ(reader.PictureOf(k), k == 0 ? 0 : k - 1);
  }
  reader.SetPosition(3);
  QImage picture(1, 1, QImage::Format_RGB888);
  picture.fill(Qt::green);
  EXPECT_FALSE(reader.Draw(picture, QRect(0, 0, 1, 1)));
  EXPECT_EQ(picture.pixel(0, 0), DibG);

  TVfwPlay first;
  int opened = 0;
  first.OnOpen = [&opened](TVideoPlay *) { ++opened; };
  first.SetFileName(WriteAvi(QStringLiteral("short.avi"), format, {{QByteArray("\1", 1), true}, {red, true}}));
  EXPECT_FALSE(first.Opened());
  EXPECT_EQ(first.ErrorText(), QStringLiteral("The first frame of the file cannot be decoded."));
  EXPECT_EQ(first.FrameCount(), 0);
  EXPECT_EQ(opened, 0);
}

}  // namespace
}  // namespace kolibra::video
