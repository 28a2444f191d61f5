#include "capture/GstCapture.h"

#include "capture/FrameDecoder.h"
#include "kit/Texts.h"
#include "video/GStreamerStart.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstring>
#include <functional>

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>

namespace kolibra::capture {

namespace gst_capture {

QString RateText(video::TFrameRate rate) { return QStringLiteral("%1/%2").arg(rate.Rate).arg(rate.Scale); }

uint32_t FourCCOf(const QString &text) {
  const QByteArray b = text.toLatin1().leftJustified(4, ' ');
  return MakeFourCC(b[0], b[1], b[2], b[3]);
}

// "YUY2 640x480, 30 fps": the format's code, its size and its rate in whole frames per
// second, as the format list shows it.
QString FormatName(uint32_t fourcc, int width, int height, video::TFrameRate rate) {
  return QStringLiteral("%1 %2x%3, %4 fps")
      .arg(FourCCText(fourcc).trimmed())
      .arg(width)
      .arg(height)
      .arg(rate.Scale > 0 ? rate.Rate / rate.Scale : 0);
}

void AddRates(const GValue *value, std::vector<video::TFrameRate> &rates) {
  if (value == nullptr) return;
  if (GST_VALUE_HOLDS_FRACTION(value)) {
    const int n = gst_value_get_fraction_numerator(value);
    const int d = gst_value_get_fraction_denominator(value);
    if (n > 0 && d > 0) rates.push_back(video::TFrameRate::Exact(uint64_t(n), uint64_t(d)));
  } else if (GST_VALUE_HOLDS_LIST(value)) {
    for (guint i = 0; i < gst_value_list_get_size(value); ++i) AddRates(gst_value_list_get_value(value, i), rates);
  }
}

GstFlowReturn NewSample(GstAppSink *sink, gpointer self) {
  GstSample *sample = gst_app_sink_pull_sample(sink);
  if (sample == nullptr) return GST_FLOW_EOS;
  static_cast<TGstCapture *>(self)->SampleArrived(sample);
  gst_sample_unref(sample);
  return GST_FLOW_OK;
}

// Every video source of the device monitor with its video4linux2 node; visit returns false
// to stop.
void ForEachCamera(const std::function<bool(GstDevice *, const QString &node)> &visit) {
  if (!video::StartGStreamer()) return;
  GstDeviceMonitor *monitor = gst_device_monitor_new();
  gst_device_monitor_add_filter(monitor, "Video/Source", nullptr);
  GList *list = gst_device_monitor_get_devices(monitor);
  for (GList *item = list; item != nullptr; item = item->next) {
    GstDevice *device = GST_DEVICE(item->data);
    GstStructure *properties = gst_device_get_properties(device);
    QString node;
    for (const char *key : {"api.v4l2.path", "device.path"}) {
      const gchar *value = properties != nullptr ? gst_structure_get_string(properties, key) : nullptr;
      if (value != nullptr && node.isEmpty()) node = QString::fromUtf8(value);
    }
    if (properties != nullptr) gst_structure_free(properties);
    // v4l2src reads nodes: a source without one (a screen, a network stream) is left out.
    if (node.startsWith(QLatin1String("/dev/")) && !visit(device, node)) break;
  }
  g_list_free_full(list, gst_object_unref);
  gst_object_unref(monitor);
}

QString MessageText(GstMessage *message) {
  if (GST_MESSAGE_TYPE(message) != GST_MESSAGE_ERROR) return QString();
  GError *error = nullptr;
  gchar *debug = nullptr;
  gst_message_parse_error(message, &error, &debug);
  const QString text = error != nullptr ? QString::fromUtf8(error->message) : QString();
  if (error != nullptr) g_error_free(error);
  g_free(debug);
  return text;
}

}  // namespace gst_capture

TGstCapture::TGstCapture() : FDecoder(std::make_unique<TFrameDecoder>()) { video::StartGStreamer(); }

TGstCapture::~TGstCapture() { Stop(); }

QString TGstCapture::TestPatternSource() {
  // A moving ball, so that every frame differs, in the program's colours.
  return QStringLiteral("videotestsrc is-live=true pattern=ball background-color=0xff1f3b73 foreground-color=0xfff0961e");
}

std::vector<TCaptureDevice> TGstCapture::Devices() {
  std::vector<TCaptureDevice> devices;
  gst_capture::ForEachCamera([&devices](GstDevice *device, const QString &node) {
    gchar *name = gst_device_get_display_name(device);
    devices.push_back({QString::fromUtf8(name), node, QString()});
    g_free(name);
    return true;
  });
  devices.insert(devices.end(), VirtualDevices.begin(), VirtualDevices.end());
  devices.push_back({QString::fromLatin1(TestPatternName), QString(), TestPatternSource()});
  return devices;
}

std::vector<TCaptureFormat> TGstCapture::Formats(const TCaptureDevice &device) {
  std::vector<TCaptureFormat> formats;
  const auto add = [&formats](uint32_t fourcc, int width, int height, video::TFrameRate rate) {
    TCaptureFormat format;
    format.Width = width;
    format.Height = height;
    format.Rate = rate;
    format.FourCC = fourcc;
    format.Name = gst_capture::FormatName(fourcc, width, height, rate);
    for (const TCaptureFormat &f : formats)
      if (f.Name == format.Name) return;
    formats.push_back(format);
  };
  if (device.Node.isEmpty()) {
    const uint32_t rgb = MakeFourCC('R', 'G', 'B', ' ');
    for (const QSize size : {QSize(320, 240), QSize(640, 480), QSize(1280, 720)})
      for (int fps : {30, 25, 15}) add(rgb, size.width(), size.height(), video::TFrameRate::Exact(uint64_t(fps), 1));
    return formats;
  }
  gst_capture::ForEachCamera([&](GstDevice *camera, const QString &node) {
    if (node != device.Node) return true;
    GstCaps *caps = gst_device_get_caps(camera);
    for (guint i = 0; caps != nullptr && i < gst_caps_get_size(caps); ++i) {
      const GstStructure *s = gst_caps_get_structure(caps, i);
      const QString kind = QString::fromUtf8(gst_structure_get_name(s));
      int width = 0, height = 0;
      if (!gst_structure_get_int(s, "width", &width) || !gst_structure_get_int(s, "height", &height)) continue;
      uint32_t fourcc = 0;
      if (kind == QLatin1String("image/jpeg")) {
        fourcc = MakeFourCC('M', 'J', 'P', 'G');
      } else if (kind == QLatin1String("video/x-raw")) {
        const gchar *pixels = gst_structure_get_string(s, "format");
        if (pixels == nullptr) continue;
        fourcc = gst_capture::FourCCOf(QString::fromUtf8(pixels));
      } else {
        continue;
      }
      std::vector<video::TFrameRate> rates;
      gst_capture::AddRates(gst_structure_get_value(s, "framerate"), rates);
      for (const video::TFrameRate &rate : rates) add(fourcc, width, height, rate);
    }
    if (caps != nullptr) gst_caps_unref(caps);
    return false;
  });
  return formats;
}

bool TGstCapture::Present(const TCaptureDevice &device) {
  return device.Node.isEmpty() || QFileInfo::exists(device.Node);
}

bool TGstCapture::Start(const TCaptureDevice &device, const TCaptureFormat &format, video::TFrameRate rate,
                        ICaptureSink *sink, QString &reason) {
  Stop();
  if (!video::StartGStreamer()) {
    reason = CaptureText::tr("GStreamer cannot start.");
    return false;
  }
  if (format.Rate.IsValid()) rate = format.Rate;
  if (!rate.IsValid()) rate = video::TFrameRate::Exact(30, 1);
  FJpeg = format.IsJpeg();
  const QString size = QStringLiteral("width=%1,height=%2,framerate=%3")
                           .arg(format.Width)
                           .arg(format.Height)
                           .arg(gst_capture::RateText(rate));
  QString description;
  if (device.Node.isEmpty()) {
    description = device.Source + QStringLiteral(" ! video/x-raw,format=RGB,") + size;
  } else {
    const QString caps = FJpeg ? QStringLiteral("image/jpeg,") + size
                               : QStringLiteral("video/x-raw,format=%1,").arg(FourCCText(format.FourCC).trimmed()) + size;
    description = QStringLiteral("v4l2src device=\"%1\" ! %2").arg(device.Node, caps);
    if (!FJpeg) description += QStringLiteral(" ! videoconvert ! video/x-raw,format=RGB");
  }
  description += QStringLiteral(" ! appsink name=kolibra_sink sync=false max-buffers=4 drop=true");
  GError *error = nullptr;
  FPipeline = gst_parse_launch(description.toUtf8().constData(), &error);
  if (error != nullptr || FPipeline == nullptr) {
    reason = error != nullptr ? QString::fromUtf8(error->message)
                              : CaptureText::tr("The capture pipeline cannot be built.");
    if (error != nullptr) g_error_free(error);
    if (FPipeline != nullptr) gst_object_unref(FPipeline);
    FPipeline = nullptr;
    return false;
  }
  GstElement *appsink = gst_bin_get_by_name(GST_BIN(FPipeline), "kolibra_sink");
  GstAppSinkCallbacks callbacks{};
  callbacks.new_sample = &gst_capture::NewSample;
  gst_app_sink_set_callbacks(GST_APP_SINK(appsink), &callbacks, this, nullptr);
  gst_object_unref(appsink);

  FSink = sink;
  FRate = rate;
  FStopping = false;
  FRunning = true;
  const GstStateChangeReturn change = gst_element_set_state(FPipeline, GST_STATE_PLAYING);
  GstState state = GST_STATE_NULL;
  const GstStateChangeReturn reached =
      change == GST_STATE_CHANGE_FAILURE ? change : gst_element_get_state(FPipeline, &state, nullptr, 5 * GST_SECOND);
  if (reached == GST_STATE_CHANGE_FAILURE || reached == GST_STATE_CHANGE_ASYNC) {
    GstBus *bus = gst_element_get_bus(FPipeline);
    GstMessage *message = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR);
    reason = message != nullptr ? gst_capture::MessageText(message)
                                : CaptureText::tr("The selected capture device does not respond.");
    if (message != nullptr) gst_message_unref(message);
    gst_object_unref(bus);
    Stop();
    return false;
  }
  FWatcher = std::thread([this] { Watch(); });
  return true;
}

void TGstCapture::Watch() {
  GstBus *bus = gst_element_get_bus(FPipeline);
  while (!FStopping.load()) {
    GstMessage *message = gst_bus_timed_pop_filtered(bus, 100 * GST_MSECOND,
                                                     GstMessageType(GST_MESSAGE_ERROR | GST_MESSAGE_EOS));
    if (message == nullptr) continue;
    const QString reason = gst_capture::MessageText(message);
    gst_message_unref(message);
    if (FStopping.load()) break;
    FRunning = false;
    FSink->SourceLost(reason);
    break;
  }
  gst_object_unref(bus);
}

void TGstCapture::SampleArrived(void *data) {
  if (FStopping.load()) return;
  GstSample *sample = static_cast<GstSample *>(data);
  GstBuffer *buffer = gst_sample_get_buffer(sample);
  GstCaps *caps = gst_sample_get_caps(sample);
  if (buffer == nullptr || caps == nullptr) return;
  TCapturedFrame frame;
  const GstSegment *segment = gst_sample_get_segment(sample);
  const GstClockTime pts = GST_BUFFER_PTS(buffer);
  const guint64 running =
      segment != nullptr && GST_CLOCK_TIME_IS_VALID(pts) ? gst_segment_to_running_time(segment, GST_FORMAT_TIME, pts) : pts;
  frame.TimeNs = GST_CLOCK_TIME_IS_VALID(running) ? int64_t(running) : 0;
  GstMapInfo map;
  if (!gst_buffer_map(buffer, &map, GST_MAP_READ)) return;
  bool decoded = false;
  if (FJpeg) {
    decoded = FDecoder->FromJpeg(map.data, int(map.size), frame.Picture);
    if (decoded) frame.Jpeg = std::make_shared<const std::vector<uint8_t>>(map.data, map.data + map.size);
  } else {
    GstVideoInfo info;
    if (gst_video_info_from_caps(&info, caps) && GST_VIDEO_INFO_FORMAT(&info) == GST_VIDEO_FORMAT_RGB &&
        map.size >= gsize(GST_VIDEO_INFO_SIZE(&info))) {
      const int width = GST_VIDEO_INFO_WIDTH(&info);
      const int height = GST_VIDEO_INFO_HEIGHT(&info);
      const int stride = GST_VIDEO_INFO_PLANE_STRIDE(&info, 0);
      frame.Picture = QImage(width, height, QImage::Format_RGB888);
      for (int y = 0; y < height; ++y)
        std::memcpy(frame.Picture.scanLine(y), map.data + std::ptrdiff_t(y) * stride, size_t(3 * width));
      decoded = true;
    }
  }
  gst_buffer_unmap(buffer, &map);
  if (decoded) FSink->FrameArrived(frame);
}

void TGstCapture::Stop() {
  FStopping = true;
  if (FPipeline != nullptr) gst_element_set_state(FPipeline, GST_STATE_NULL);
  if (FWatcher.joinable()) FWatcher.join();
  if (FPipeline != nullptr) gst_object_unref(FPipeline);
  FPipeline = nullptr;
  FRunning = false;
}

}  // namespace kolibra::capture
