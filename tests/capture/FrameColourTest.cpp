// One picture, built by hand in Y'CbCr from known colours with the standard equations, taken
// the three ways Kolibra turns decoded pictures into RGB: as a camera frame (the capture's
// frame decoder), as an AVI file (Kolibra's own AVI reader) and as any other file (the FFmpeg
// wrapper). Every way must give the same RGB, and the colours that went in, whatever matrix
// (BT.601, BT.709) and range (limited, full) the stream names.

#include "capture/FrameDecoder.h"
#include "video/FFMpegPlay.h"
#include "video/VfwPlay.h"
#include "video/convert/PictureConverter.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

namespace kolibra::capture {
namespace {

struct TRgb {
  int R, G, B;
};

// Eight patches of 32 x 32 pixels, four across and two down, well inside the gamut: every
// patch keeps its colour after 4:2:0 or 4:1:1 subsampling, and its middle 8 x 8 is far enough
// from its neighbours for the chroma interpolation to leave it alone.
constexpr int PatchSide = 32;
constexpr int Columns = 4;
constexpr int Width = PatchSide * Columns;
constexpr int Height = PatchSide * 2;
constexpr TRgb Patches[8] = {{200, 30, 40},  {20, 180, 60}, {40, 60, 210},   {128, 128, 128},
                             {250, 230, 20}, {16, 16, 16},  {235, 235, 235}, {90, 40, 160}};

// How far a converted colour may stand from the one that went in: the rounding of Y'CbCr to
// whole values and of the conversion back.
constexpr int Tolerance = 2;

struct TColourCase {
  const char *Name;
  AVColorSpace Space;
  double Kr, Kb;  // the matrix's luma weights of red and blue
  bool FullRange;
};

void PrintTo(const TColourCase &Case, std::ostream *Out) { *Out << Case.Name; }

const TColourCase Cases[] = {
    {"BT601Limited", AVCOL_SPC_SMPTE170M, 0.299, 0.114, false},
    {"BT601Full", AVCOL_SPC_SMPTE170M, 0.299, 0.114, true},
    {"BT709Limited", AVCOL_SPC_BT709, 0.2126, 0.0722, false},
    {"BT709Full", AVCOL_SPC_BT709, 0.2126, 0.0722, true},
};

struct TYcc {
  int Y, Cb, Cr;
};

// Y'CbCr of Colour: Y' = Kr R' + (1 - Kr - Kb) G' + Kb B', Pb = (B' - Y') / (2 (1 - Kb)),
// Pr = (R' - Y') / (2 (1 - Kr)); limited range puts Y' on 16 ... 235 and Pb, Pr on 16 ... 240,
// full range both on 0 ... 255.
TYcc YccOf(const TRgb &Colour, const TColourCase &Case) {
  const double r = Colour.R / 255.0, g = Colour.G / 255.0, b = Colour.B / 255.0;
  const double y = Case.Kr * r + (1.0 - Case.Kr - Case.Kb) * g + Case.Kb * b;
  const double pb = (b - y) / (2.0 * (1.0 - Case.Kb));
  const double pr = (r - y) / (2.0 * (1.0 - Case.Kr));
  const double luma = Case.FullRange ? 255.0 * y : 16.0 + 219.0 * y;
  const double chroma = Case.FullRange ? 255.0 : 224.0;
  auto level = [](double v) { return std::clamp(int(std::lround(v)), 0, 255); };
  return {level(luma), level(128.0 + chroma * pb), level(128.0 + chroma * pr)};
}

const TRgb &PatchAt(int x, int y) { return Patches[(y / PatchSide) * Columns + x / PatchSide]; }

struct TFrameFree {
  void operator()(AVFrame *Frame) const { av_frame_free(&Frame); }
};
using TFramePtr = std::unique_ptr<AVFrame, TFrameFree>;

// The patches in Format, tagged with the case's matrix and range (a "J" format says full
// range by itself and is left untagged).
TFramePtr MakePicture(const TColourCase &Case, AVPixelFormat Format) {
  TFramePtr frame(av_frame_alloc());
  frame->format = Format;
  frame->width = Width;
  frame->height = Height;
  if (av_frame_get_buffer(frame.get(), 0) < 0) return nullptr;
  frame->colorspace = Case.Space;
  const bool jFormat = std::string(av_get_pix_fmt_name(Format)).rfind("yuvj", 0) == 0;
  frame->color_range = jFormat ? AVCOL_RANGE_UNSPECIFIED : Case.FullRange ? AVCOL_RANGE_JPEG : AVCOL_RANGE_MPEG;
  int shiftX = 0, shiftY = 0;
  av_pix_fmt_get_chroma_sub_sample(Format, &shiftX, &shiftY);
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) frame->data[0][y * frame->linesize[0] + x] = uint8_t(YccOf(PatchAt(x, y), Case).Y);
  for (int y = 0; y < Height >> shiftY; ++y) {
    for (int x = 0; x < Width >> shiftX; ++x) {
      const TYcc ycc = YccOf(PatchAt(x << shiftX, y << shiftY), Case);
      frame->data[1][y * frame->linesize[1] + x] = uint8_t(ycc.Cb);
      frame->data[2][y * frame->linesize[2] + x] = uint8_t(ycc.Cr);
    }
  }
  return frame;
}

// Every pixel of the middle 8 x 8 of each patch within Tolerance of the patch's colour.
void ExpectPatchColours(const QImage &Picture, const std::string &Label) {
  ASSERT_EQ(Picture.size(), QSize(Width, Height)) << Label;
  const QImage rgb = Picture.convertToFormat(QImage::Format_RGB888);
  int wrong = 0;
  for (int y = 0; y < Height; ++y) {
    for (int x = 0; x < Width; ++x) {
      const int inX = x % PatchSide, inY = y % PatchSide;
      if (std::abs(2 * inX + 1 - PatchSide) > 8 || std::abs(2 * inY + 1 - PatchSide) > 8) continue;
      const TRgb &want = PatchAt(x, y);
      const uchar *got = rgb.constScanLine(y) + 3 * x;
      if (std::abs(got[0] - want.R) > Tolerance || std::abs(got[1] - want.G) > Tolerance ||
          std::abs(got[2] - want.B) > Tolerance) {
        if (++wrong <= 3) {
          ADD_FAILURE() << Label << " at (" << x << ", " << y << "): " << int(got[0]) << ", " << int(got[1]) << ", "
                        << int(got[2]) << " for " << want.R << ", " << want.G << ", " << want.B;
        }
      }
    }
  }
  EXPECT_EQ(wrong, 0) << Label;
}

QImage ThroughConverter(const AVFrame &Picture) {
  QImage rgb(Width, Height, QImage::Format_RGB888);
  video::TPictureConverter converter;
  if (!converter.ToRgb(Picture, rgb.bits(), rgb.bytesPerLine(), Width, Height)) return QImage();
  return rgb;
}

// As a camera sends it: the planes, with the stream's matrix and range beside them.
QImage ThroughCamera(const AVFrame &Picture) {
  TFrameDecoder decoder;
  QImage rgb;
  if (!decoder.FromRaw(Picture.data, Picture.linesize, Picture.format, Width, Height, rgb, Picture.colorspace,
                       Picture.color_range)) {
    return QImage();
  }
  return rgb;
}

struct TCodecFree {
  void operator()(AVCodecContext *Codec) const { avcodec_free_context(&Codec); }
};

// A file of Frames copies of Picture in Muxer's container: uncompressed, or through the
// lossless Encoder, which may carry the matrix in the codec's own tag. The stream carries the
// picture's matrix and range where the container has room for them.
bool WriteClip(const QString &Path, const char *Muxer, const AVFrame &Picture, int Frames,
               const char *Encoder = nullptr) {
  AVFormatContext *out = nullptr;
  const QByteArray path = QFile::encodeName(Path);
  if (avformat_alloc_output_context2(&out, nullptr, Muxer, path.constData()) < 0) return false;
  std::unique_ptr<AVFormatContext, void (*)(AVFormatContext *)> owner(out, [](AVFormatContext *c) {
    if (c->pb) avio_closep(&c->pb);
    avformat_free_context(c);
  });
  AVStream *stream = avformat_new_stream(out, nullptr);
  if (!stream) return false;
  const AVPixelFormat format = AVPixelFormat(Picture.format);
  const AVRational tick{1, 25};
  stream->time_base = tick;
  AVCodecParameters *par = stream->codecpar;
  std::unique_ptr<AVCodecContext, TCodecFree> codec;
  if (Encoder) {
    const AVCodec *found = avcodec_find_encoder_by_name(Encoder);
    codec.reset(found ? avcodec_alloc_context3(found) : nullptr);
    if (!codec) return false;
    codec->width = Width;
    codec->height = Height;
    codec->pix_fmt = format;
    codec->time_base = tick;
    codec->colorspace = Picture.colorspace;
    codec->color_range = Picture.color_range;
    if (avcodec_open2(codec.get(), found, nullptr) < 0 || avcodec_parameters_from_context(par, codec.get()) < 0)
      return false;
  } else {
    par->codec_type = AVMEDIA_TYPE_VIDEO;
    par->codec_id = AV_CODEC_ID_RAWVIDEO;
    par->codec_tag = avcodec_pix_fmt_to_codec_tag(format);
    par->format = format;
    par->width = Width;
    par->height = Height;
    par->color_space = Picture.colorspace;
    par->color_range = Picture.color_range;
  }
  if (avio_open(&out->pb, path.constData(), AVIO_FLAG_WRITE) < 0) return false;
  if (avformat_write_header(out, nullptr) < 0) return false;
  std::unique_ptr<AVPacket, void (*)(AVPacket *)> packet(av_packet_alloc(), [](AVPacket *p) { av_packet_free(&p); });
  auto write = [&](int64_t Pts) {
    packet->pts = packet->dts = av_rescale_q(Pts, tick, stream->time_base);
    packet->duration = av_rescale_q(1, tick, stream->time_base);
    packet->flags |= AV_PKT_FLAG_KEY;
    return av_interleaved_write_frame(out, packet.get()) >= 0;
  };
  const int size = av_image_get_buffer_size(format, Width, Height, 1);
  for (int i = 0; i < Frames; ++i) {
    if (codec) {
      TFramePtr copy(av_frame_clone(&Picture));
      copy->pts = i;
      if (avcodec_send_frame(codec.get(), copy.get()) < 0) return false;
      while (avcodec_receive_packet(codec.get(), packet.get()) == 0)
        if (!write(packet->pts)) return false;
    } else {
      if (av_new_packet(packet.get(), size) < 0 ||
          av_image_copy_to_buffer(packet->data, size, Picture.data, Picture.linesize, format, Width, Height, 1) < 0)
        return false;
      if (!write(i)) return false;
    }
  }
  if (codec) {
    avcodec_send_frame(codec.get(), nullptr);
    while (avcodec_receive_packet(codec.get(), packet.get()) == 0)
      if (!write(packet->pts)) return false;
  }
  return av_write_trailer(out) >= 0;
}

QImage FirstFrame(video::TVideoPlay &Reader, const QString &Path) {
  Reader.SetFileName(Path);
  if (!Reader.Opened()) {
    ADD_FAILURE() << Path.toStdString() << ": " << Reader.ErrorText().toStdString();
    return QImage();
  }
  Reader.SetPosition(0);
  QImage rgb(Width, Height, QImage::Format_RGB888);
  if (Reader.FrameWidth() != Width || Reader.FrameHeight() != Height || !Reader.Draw(rgb, QRect(0, 0, Width, Height)))
    return QImage();
  return rgb;
}

// Kolibra's own AVI reader, which decodes through libavcodec.
QImage ThroughAviReader(const AVFrame &Picture, const QString &Folder, const char *Encoder = nullptr) {
  const QString path = Folder + QStringLiteral("/clip.avi");
  if (!WriteClip(path, "avi", Picture, 3, Encoder)) return QImage();
  video::TVfwPlay reader;
  return FirstFrame(reader, path);
}

// The FFmpeg wrapper, with the matrix and range stored in a Matroska file.
QImage ThroughFFmpegWrapper(const AVFrame &Picture, const QString &Folder) {
  const QString path = Folder + QStringLiteral("/clip.mkv");
  if (!WriteClip(path, "matroska", Picture, 3)) return QImage();
  video::TFFMpegPlay reader(QStringLiteral(KOLIBRA_TEST_KLBDLL_DIR));
  return FirstFrame(reader, path);
}

class FrameColourStreamTest : public ::testing::TestWithParam<TColourCase> {};

TEST_P(FrameColourStreamTest, CameraAndFilesGiveTheSameColoursAsWentIn) {
  const TColourCase &c = GetParam();
  const TFramePtr picture = MakePicture(c, AV_PIX_FMT_YUV420P);
  ASSERT_TRUE(picture);
  const QImage converted = ThroughConverter(*picture);
  ASSERT_FALSE(converted.isNull());
  ExpectPatchColours(converted, "the conversion");
  const QImage camera = ThroughCamera(*picture);
  ASSERT_FALSE(camera.isNull());
  EXPECT_TRUE(camera == converted) << "a camera frame differs from the conversion";
  ExpectPatchColours(camera, "a camera frame");
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QImage wrapper = ThroughFFmpegWrapper(*picture, folder.path());
  ASSERT_FALSE(wrapper.isNull());
  EXPECT_TRUE(wrapper == camera) << "the FFmpeg wrapper differs from a camera frame";
  ExpectPatchColours(wrapper, "the FFmpeg wrapper");
}

INSTANTIATE_TEST_SUITE_P(Streams, FrameColourStreamTest, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<TColourCase> &info) { return info.param.Name; });

// 4:1:1 in full range is what some DV and JPEG sources give: it used to come out washed out
// from a camera.
TEST(FrameColourTest, JFormatsAreTheirPlainFormatsAtFullRange) {
  const std::pair<AVPixelFormat, AVPixelFormat> pairs[] = {{AV_PIX_FMT_YUVJ420P, AV_PIX_FMT_YUV420P},
                                                           {AV_PIX_FMT_YUVJ422P, AV_PIX_FMT_YUV422P},
                                                           {AV_PIX_FMT_YUVJ444P, AV_PIX_FMT_YUV444P},
                                                           {AV_PIX_FMT_YUVJ411P, AV_PIX_FMT_YUV411P}};
  for (const TColourCase &c : Cases) {
    if (!c.FullRange) continue;
    for (const auto &[jFormat, plain] : pairs) {
      const std::string name = std::string(c.Name) + " " + av_get_pix_fmt_name(jFormat);
      const TFramePtr tagged = MakePicture(c, plain);
      const TFramePtr j = MakePicture(c, jFormat);
      ASSERT_TRUE(tagged && j) << name;
      const QImage fromJ = ThroughConverter(*j);
      ExpectPatchColours(fromJ, name);
      EXPECT_TRUE(fromJ == ThroughConverter(*tagged)) << name;
      EXPECT_TRUE(ThroughCamera(*j) == fromJ) << name << " from a camera";
    }
  }
}

// AVI has no room for a matrix or a range: its uncompressed 4:2:0 ("I420") is BT.601 in
// limited range, which the AVI reader, the wrapper and a camera must agree on.
TEST(FrameColourTest, AnUncompressedAviFileLooksAsTheCameraFrame) {
  const TColourCase &c = Cases[0];
  TFramePtr picture = MakePicture(c, AV_PIX_FMT_YUV420P);
  ASSERT_TRUE(picture);
  picture->colorspace = AVCOL_SPC_UNSPECIFIED;
  picture->color_range = AVCOL_RANGE_UNSPECIFIED;
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QImage avi = ThroughAviReader(*picture, folder.path());
  ASSERT_FALSE(avi.isNull());
  ExpectPatchColours(avi, "the AVI reader");
  EXPECT_TRUE(avi == ThroughCamera(*picture)) << "the AVI reader differs from a camera frame";
  EXPECT_TRUE(avi == ThroughFFmpegWrapper(*picture, folder.path())) << "the AVI reader differs from the wrapper";
}

// Ut Video names BT.709 in its FourCC ("ULH0"), which the AVI reader must follow as the
// wrapper follows Matroska's tag.
TEST(FrameColourTest, AnAviFileNamingBT709InItsCodecLooksAsTheCameraFrame) {
  const TColourCase &c = Cases[2];
  ASSERT_FALSE(c.FullRange);
  const TFramePtr picture = MakePicture(c, AV_PIX_FMT_YUV420P);
  ASSERT_TRUE(picture);
  if (!avcodec_find_encoder_by_name("utvideo")) GTEST_SKIP() << "this FFmpeg has no Ut Video encoder";
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QImage avi = ThroughAviReader(*picture, folder.path(), "utvideo");
  ASSERT_FALSE(avi.isNull());
  ExpectPatchColours(avi, "the AVI reader");
  EXPECT_TRUE(avi == ThroughCamera(*picture)) << "the AVI reader differs from a camera frame";
}

TEST(FrameColourTest, StreamColoursAreReadAsFFmpegNamesThem) {
  using video::ColoursOf;
  using video::TPictureColours;
  const struct {
    AVPixelFormat Format;
    AVColorSpace Space;
    AVColorRange Range;
    TPictureColours Expected;
  } rows[] = {
      // Nothing said: BT.601, limited.
      {AV_PIX_FMT_YUV420P, AVCOL_SPC_UNSPECIFIED, AVCOL_RANGE_UNSPECIFIED, {AV_PIX_FMT_YUV420P, SWS_CS_ITU601, false}},
      {AV_PIX_FMT_YUV420P, AVCOL_SPC_BT709, AVCOL_RANGE_MPEG, {AV_PIX_FMT_YUV420P, SWS_CS_ITU709, false}},
      {AV_PIX_FMT_YUV422P, AVCOL_SPC_BT709, AVCOL_RANGE_JPEG, {AV_PIX_FMT_YUV422P, SWS_CS_ITU709, true}},
      {AV_PIX_FMT_YUVJ411P, AVCOL_SPC_UNSPECIFIED, AVCOL_RANGE_UNSPECIFIED, {AV_PIX_FMT_YUV411P, SWS_CS_ITU601, true}},
      {AV_PIX_FMT_YUVJ440P, AVCOL_SPC_BT470BG, AVCOL_RANGE_MPEG, {AV_PIX_FMT_YUV440P, SWS_CS_ITU601, true}},
      {AV_PIX_FMT_YUV420P, AVCOL_SPC_BT2020_NCL, AVCOL_RANGE_MPEG, {AV_PIX_FMT_YUV420P, SWS_CS_BT2020, false}},
      // RGB has no range to choose.
      {AV_PIX_FMT_BGR24, AVCOL_SPC_UNSPECIFIED, AVCOL_RANGE_MPEG, {AV_PIX_FMT_BGR24, SWS_CS_ITU601, true}},
  };
  for (const auto &row : rows) {
    EXPECT_EQ(ColoursOf(row.Format, row.Space, row.Range), row.Expected) << av_get_pix_fmt_name(row.Format);
  }
}

}  // namespace
}  // namespace kolibra::capture
