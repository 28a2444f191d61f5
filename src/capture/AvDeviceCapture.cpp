#include "capture/AvDeviceCapture.h"

#include "capture/FrameDecoder.h"
#include "capture/V4l2Device.h"
#include "kit/Texts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <mutex>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavdevice/avdevice.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
}

namespace kolibra::capture {

namespace avdevice_capture {

void RegisterDevices() {
  static std::once_flag once;
  std::call_once(once, [] { avdevice_register_all(); });
}

QString ErrorText(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof(text));
  return QString::fromLocal8Bit(text);
}

QString RateText(video::TFrameRate rate) {
  return rate.Scale == 1 ? QString::number(rate.Rate) : QStringLiteral("%1/%2").arg(rate.Rate).arg(rate.Scale);
}

// libavdevice's name of a camera's pixel format.
QString InputFormat(uint32_t fourcc) {
  static const QHash<uint32_t, QString> names = {
      {MakeFourCC('M', 'J', 'P', 'G'), QStringLiteral("mjpeg")}, {MakeFourCC('J', 'P', 'E', 'G'), QStringLiteral("mjpeg")},
      {MakeFourCC('Y', 'U', 'Y', 'V'), QStringLiteral("yuyv422")}, {MakeFourCC('U', 'Y', 'V', 'Y'), QStringLiteral("uyvy422")},
      {MakeFourCC('N', 'V', '1', '2'), QStringLiteral("nv12")},   {MakeFourCC('Y', 'U', '1', '2'), QStringLiteral("yuv420p")},
      {MakeFourCC('R', 'G', 'B', '3'), QStringLiteral("rgb24")},  {MakeFourCC('B', 'G', 'R', '3'), QStringLiteral("bgr24")},
      {MakeFourCC('G', 'R', 'E', 'Y'), QStringLiteral("gray")},
  };
  return names.value(fourcc);
}

}  // namespace avdevice_capture

TAvDeviceCapture::TAvDeviceCapture() { avdevice_capture::RegisterDevices(); }

TAvDeviceCapture::~TAvDeviceCapture() { Stop(); }

QString TAvDeviceCapture::TestPatternGraph() {
  // rgb24 straight from the filter: nothing to convert; realtime paces it like a camera.
  return QStringLiteral("testsrc2=size=%Wx%H:rate=%R,format=rgb24,realtime");
}

std::vector<TCaptureDevice> TAvDeviceCapture::Devices() {
  std::vector<TCaptureDevice> devices = v4l2::VideoNodes(10);
  devices.insert(devices.end(), VirtualDevices.begin(), VirtualDevices.end());
  devices.push_back({QString::fromLatin1(TestPatternName), QString(), TestPatternGraph()});
  return devices;
}

std::vector<TCaptureFormat> TAvDeviceCapture::Formats(const TCaptureDevice &device) {
  std::vector<TCaptureFormat> formats;
  const auto add = [&formats](int width, int height, uint32_t fourcc) {
    for (const TCaptureFormat &f : formats)
      if (f.Width == width && f.Height == height) return;
    TCaptureFormat format;
    format.Width = width;
    format.Height = height;
    format.FourCC = fourcc;
    format.Name = QStringLiteral("%1x%2").arg(width).arg(height);
    formats.push_back(format);
  };
  if (device.Node.isEmpty()) {
    for (const QSize size : {QSize(320, 240), QSize(640, 480), QSize(800, 600), QSize(1280, 720)})
      add(size.width(), size.height(), 0);
    return formats;
  }
  for (const v4l2::TNodeFormat &f : v4l2::NodeFormats(device.Node)) add(f.Width, f.Height, f.FourCC);
  return formats;
}

bool TAvDeviceCapture::Present(const TCaptureDevice &device) {
  return device.Node.isEmpty() || !v4l2::CardName(device.Node).isEmpty();
}

int TAvDeviceCapture::Interrupted(void *self) { return static_cast<TAvDeviceCapture *>(self)->FStopping.load() ? 1 : 0; }

bool TAvDeviceCapture::Start(const TCaptureDevice &device, const TCaptureFormat &format, video::TFrameRate rate,
                             ICaptureSink *sink, QString &reason) {
  Stop();
  if (!rate.IsValid()) rate = format.Rate.IsValid() ? format.Rate : video::TFrameRate::Exact(30, 1);
  const bool synthetic = device.Node.isEmpty();
  const AVInputFormat *input = av_find_input_format(synthetic ? "lavfi" : "video4linux2");
  if (input == nullptr) {
    reason = CaptureText::tr("This FFmpeg has no camera input.");
    return false;
  }
  QString url = device.Node;
  AVDictionary *options = nullptr;
  if (synthetic) {
    url = device.Source;
    url.replace(QLatin1String("%W"), QString::number(format.Width))
        .replace(QLatin1String("%H"), QString::number(format.Height))
        .replace(QLatin1String("%R"), avdevice_capture::RateText(rate));
  } else {
    av_dict_set(&options, "video_size", qPrintable(QStringLiteral("%1x%2").arg(format.Width).arg(format.Height)), 0);
    av_dict_set(&options, "framerate", qPrintable(avdevice_capture::RateText(rate)), 0);
    const QString pixels = avdevice_capture::InputFormat(format.FourCC);
    if (!pixels.isEmpty()) av_dict_set(&options, "input_format", qPrintable(pixels), 0);
  }
  FStopping = false;
  FContext = avformat_alloc_context();
  FContext->interrupt_callback.callback = &TAvDeviceCapture::Interrupted;
  FContext->interrupt_callback.opaque = this;
  int status = avformat_open_input(&FContext, url.toUtf8().constData(), input, &options);
  av_dict_free(&options);
  if (status >= 0) status = avformat_find_stream_info(FContext, nullptr);
  if (status >= 0) status = av_find_best_stream(FContext, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  if (status < 0) {
    reason = avdevice_capture::ErrorText(status);
    avformat_close_input(&FContext);
    return false;
  }
  FStream = status;
  const AVStream *stream = FContext->streams[FStream];
  const AVRational agreed = stream->avg_frame_rate.num > 0 ? stream->avg_frame_rate : stream->r_frame_rate;
  FRate = agreed.num > 0 && agreed.den > 0 ? video::TFrameRate::Exact(uint64_t(agreed.num), uint64_t(agreed.den)) : rate;
  FRunning = true;
  FThread = std::thread([this, sink] { Run(sink); });
  return true;
}

void TAvDeviceCapture::Run(ICaptureSink *sink) {
  TFrameDecoder decoder;
  AVPacket *packet = av_packet_alloc();
  const AVStream *stream = FContext->streams[FStream];
  const AVCodecParameters *codec = stream->codecpar;
  const bool jpeg = codec->codec_id == AV_CODEC_ID_MJPEG;
  QString lost;
  bool ended = false;
  while (!FStopping.load()) {
    const int status = av_read_frame(FContext, packet);
    if (status == AVERROR(EAGAIN)) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
      continue;
    }
    if (status < 0) {
      // The end of a synthetic source or a failed read: the camera is gone.
      if (!FStopping.load()) {
        ended = true;
        lost = status == AVERROR_EOF ? QString() : avdevice_capture::ErrorText(status);
      }
      break;
    }
    if (packet->stream_index == FStream) {
      TCapturedFrame frame;
      const int64_t pts = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
      frame.TimeNs = av_rescale_q(pts, stream->time_base, AVRational{1, 1000000000});
      bool decoded = false;
      if (jpeg) {
        decoded = decoder.FromJpeg(packet->data, packet->size, frame.Picture);
        if (decoded) frame.Jpeg = std::make_shared<const std::vector<uint8_t>>(packet->data, packet->data + packet->size);
      } else {
        decoded = decoder.FromPacked(packet->data, packet->size, codec->format, codec->width, codec->height,
                                     frame.Picture, codec->color_space, codec->color_range);
      }
      // A damaged picture is skipped: its slot stays empty and counts as lost.
      if (decoded) sink->FrameArrived(frame);
    }
    av_packet_unref(packet);
  }
  av_packet_free(&packet);
  FRunning = false;
  if (ended) sink->SourceLost(lost);
}

void TAvDeviceCapture::Stop() {
  FStopping = true;
  if (FThread.joinable()) FThread.join();
  avformat_close_input(&FContext);
  FRunning = false;
  FStream = -1;
}

}  // namespace kolibra::capture
