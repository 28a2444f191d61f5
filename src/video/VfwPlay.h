#pragma once
// The reader in the place of Video for Windows: Kolibra's own AVI reader. The file, its
// video stream (headers and slot table) and the frame decompressor (a libavcodec decoder, or
// nothing for uncompressed bitmaps, which are drawn straight from their chunks) live from a
// successful open to Close.
//
// Frame k is the kth slot of the stream, so that frame k is always at time k x FrameInterval,
// and it shows the picture whose display time is slot k (MPEG-4 says when each picture is
// shown; other codecs show one picture per chunk, at its slot); a slot without a picture of
// its own (an empty chunk, a frame the encoder dropped) shows the picture before it. The
// frame count is the number of slots the file really holds (a cut file's header promises
// more). The first frame is drawn once at open: a file whose first frame cannot be drawn
// counts as not opened.

#include "video/AviDecoder.h"
#include "video/AviDib.h"
#include "video/AviParser.h"
#include "video/VideoPlay.h"

#include <QImage>
#include <memory>

extern "C" {
#include <libswscale/swscale.h>
}
#include <vector>

namespace kolibra::video {

class TVfwPlay : public TVideoPlay {
 public:
  TVfwPlay();
  ~TVfwPlay() override;

  TFramework Framework() const override { return fwVfw; }
  void SetFileName(const QString &Name) override;
  void Close() override;
  void SetPosition(int Index) override;

  // What the open file holds, for diagnostics and tests.
  const avi::TAviStream &Stream() const { return FStream; }
  bool Uncompressed() const { return FUncompressed; }
  // The picture (in decoding order) that frame Index shows; -1 when closed.
  int PictureOf(int Index) const;

 protected:
  const QImage *FetchFrame() override;
  bool DrawFrame(QImage &Bitmap, const QRect &Source) override;

 private:
  void Open();
  void Release();
  // The current frame at its full size into Bits.
  bool PaintWhole(uchar *Bits, int64_t BytesPerLine);

  std::unique_ptr<avi::TAviFileSource> FFile;
  avi::TAviStream FStream;
  std::unique_ptr<avi::TAviDecoder> FDecoder;
  bool FUncompressed = false;
  avi::TDibFormat FDib;
  avi::TAviPlan FDibPlan;         // uncompressed: every chunk with data is a picture
  std::vector<int32_t> FDibSlot;  // the slot of each such picture
  std::vector<uint8_t> FChunk;
  int FChunkSlot = -1;
  SwsContext *FDibScaler = nullptr;
  QImage FFrameBitmap;
  int FBitmapPosition = -1;
  QImage FTestBitmap;
};

}  // namespace kolibra::video
