#include "editing/writers/DSPipeline.h"

#include "kit/Texts.h"
#include "video/AviCompressor.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>

#include <gst/app/gstappsrc.h>

namespace kolibra::editing {

namespace dspipeline {

// Frames queued before the feeding waits for the encoder.
constexpr int64_t QueuedFrames = 4;
// A pipeline whose queue does not move for this long is stuck.
constexpr std::chrono::seconds StallTimeout(60);

bool HasProperty(GstElement *Element, const char *Name) {
  return g_object_class_find_property(G_OBJECT_GET_CLASS(Element), Name) != nullptr;
}

// Sets a property from its text, whatever its type (integer, float, enumeration, Boolean),
// when the element has it.
void SetIfPresent(GstElement *Element, const char *Name, const QByteArray &Value) {
  if (HasProperty(Element, Name)) gst_util_set_object_arg(G_OBJECT(Element), Name, Value.constData());
}

QByteArray Number(double Value) { return QByteArray::number(Value, 'f', 2); }
QByteArray Number(int Value) { return QByteArray::number(Value); }

bool TakesI420(GstElement *Encoder) {
  GstPad *pad = gst_element_get_static_pad(Encoder, "sink");
  if (!pad) return false;
  GstCaps *accepted = gst_pad_get_pad_template_caps(pad);
  GstCaps *i420 = gst_caps_from_string("video/x-raw, format=(string)I420");
  const bool takes = gst_caps_can_intersect(accepted, i420);
  gst_caps_unref(i420);
  gst_caps_unref(accepted);
  gst_object_unref(pad);
  return takes;
}

// True when every kind of output of the encoder's source pad starts with Prefix.
bool GivesOnly(GstElement *Encoder, const char *Prefix) {
  GstPad *pad = gst_element_get_static_pad(Encoder, "src");
  if (!pad) return false;
  GstCaps *caps = gst_pad_get_pad_template_caps(pad);
  bool only = gst_caps_get_size(caps) > 0;
  for (guint i = 0; i < gst_caps_get_size(caps); ++i)
    only = only && g_str_has_prefix(gst_structure_get_name(gst_caps_get_structure(caps, i)), Prefix);
  gst_caps_unref(caps);
  gst_object_unref(pad);
  return only;
}

// Encoders of still pictures (PNG, JPEG, JPEG 2000): every frame stands alone.
bool GivesStills(GstElement *Encoder) { return GivesOnly(Encoder, "image/"); }
bool GivesJpeg(GstElement *Encoder) { return GivesOnly(Encoder, "image/jpeg"); }

GstPadProbeReturn CountBuffer(GstPad *, GstPadProbeInfo *Info, gpointer Self) {
  auto *pipe = static_cast<TDSRecord::TPipeline *>(Self);
  if (GST_PAD_PROBE_INFO_TYPE(Info) & GST_PAD_PROBE_TYPE_BUFFER) {
    pipe->Out.fetch_add(1);
    // Some still encoders leave their pictures marked as depending on the one before;
    // avimux would index them so, and readers would add each to the previous (as PNG
    // "P-frames"). Each is a key frame.
    GstBuffer *buffer = GST_PAD_PROBE_INFO_BUFFER(Info);
    if (pipe->Stills && GST_BUFFER_FLAG_IS_SET(buffer, GST_BUFFER_FLAG_DELTA_UNIT)) {
      buffer = gst_buffer_make_writable(buffer);
      GST_BUFFER_FLAG_UNSET(buffer, GST_BUFFER_FLAG_DELTA_UNIT);
      GST_PAD_PROBE_INFO_DATA(Info) = buffer;
    }
  }
  if (GST_PAD_PROBE_INFO_TYPE(Info) & GST_PAD_PROBE_TYPE_BUFFER_LIST) {
    pipe->Out.fetch_add(gst_buffer_list_length(GST_PAD_PROBE_INFO_BUFFER_LIST(Info)));
  }
  return GST_PAD_PROBE_OK;
}

}  // namespace dspipeline

void ConfigureEncoder(GstElement *Encoder, int Quality, int KeyFrameEvery) {
  using dspipeline::Number;
  using dspipeline::SetIfPresent;
  const double percent = std::clamp(Quality, 0, 10000) / 100.0;
  const int qscale = video::avi::QScaleForQuality(Quality);
  const int key = std::clamp(KeyFrameEvery, 1, 250);
  // No B-frames, no frames dropped or hidden: one frame in, one chunk out.
  for (const char *name : {"bframes", "max-bframes", "b-per-refframe"}) SetIfPresent(Encoder, name, "0");
  SetIfPresent(Encoder, "byte-stream", "true");
  SetIfPresent(Encoder, "auto-alt-ref", "false");
  SetIfPresent(Encoder, "enable-frame-skip", "false");
  SetIfPresent(Encoder, "dropframe-threshold", "0");
  for (const char *name : {"gop-size", "key-int-max", "keyframe-max-dist", "max-gop-size"})
    SetIfPresent(Encoder, name, Number(key));
  const QByteArray factory = GST_OBJECT_NAME(gst_element_get_factory(Encoder));
  if (factory == "x264enc") {
    SetIfPresent(Encoder, "speed-preset", "veryfast");
    SetIfPresent(Encoder, "pass", "qual");
    SetIfPresent(Encoder, "quantizer", Number(int(std::lround(video::avi::CrfForQuality(Quality)))));
  } else if (factory.startsWith("avenc_")) {
    SetIfPresent(Encoder, "pass", "quant");
    SetIfPresent(Encoder, "quantizer", Number(double(qscale)));
  } else if (factory == "vp8enc" || factory == "vp9enc") {
    const int q = std::clamp(int(std::lround(63.0 * std::pow(1.0 - percent / 100.0, 1.5))), 0, 63);
    SetIfPresent(Encoder, "end-usage", "cq");
    SetIfPresent(Encoder, "cq-level", Number(q));
    SetIfPresent(Encoder, "min-quantizer", Number(q));
    SetIfPresent(Encoder, "max-quantizer", Number(q));
    SetIfPresent(Encoder, "deadline", "1");
    SetIfPresent(Encoder, "lag-in-frames", "0");
  } else if (factory == "openh264enc") {
    const int qp = std::clamp(int(std::lround(51.0 * (1.0 - percent / 100.0))), 0, 51);
    SetIfPresent(Encoder, "rate-control", "off");
    SetIfPresent(Encoder, "qp-min", Number(qp));
    SetIfPresent(Encoder, "qp-max", Number(qp));
  } else if (factory == "jpegenc") {
    // The JPEG library's own scale, where 75 is the usual "good".
    SetIfPresent(Encoder, "quality", Number(int(std::lround(50.0 + percent / 2.0))));
  } else if (factory == "mpeg2enc") {
    SetIfPresent(Encoder, "quantisation", Number(qscale));
    SetIfPresent(Encoder, "min-gop-size", "1");
  } else {
    SetIfPresent(Encoder, "quality", Number(int(std::lround(percent))));
  }
}

TDSRecord::TPipeline::~TPipeline() { Stop(); }

void TDSRecord::TPipeline::Stop() {
  if (Pipeline) {
    gst_element_set_state(Pipeline, GST_STATE_NULL);
    gst_object_unref(Pipeline);
  }
  if (Bus) gst_object_unref(Bus);
  Pipeline = Source = nullptr;
  Bus = nullptr;
}

bool TDSRecord::TPipeline::Fail(const QString &Reason) {
  if (Error.isEmpty()) Error = Reason;
  return false;
}

bool TDSRecord::TPipeline::Build(const QString &Factory, QSize FrameSize,
                                 video::TFrameRate FrameRate, int Quality, int KeyFrameEvery,
                                 const QString &Location) {
  Size = FrameSize;
  Rate = FrameRate;
  Pipeline = gst_pipeline_new(nullptr);
  if (!Pipeline) return Fail(DSRecordText::tr("Out of memory."));
  Source = gst_element_factory_make("appsrc", nullptr);
  GstElement *convert = gst_element_factory_make("videoconvert", nullptr);
  GstElement *encoder = Factory.isEmpty() ? gst_element_factory_make("capsfilter", nullptr)
                                          : gst_element_factory_make(Factory.toUtf8().constData(), nullptr);
  GstElement *mux = gst_element_factory_make("avimux", nullptr);
  GstElement *sink = gst_element_factory_make(Location.isEmpty() ? "fakesink" : "filesink", nullptr);
  // The pipeline owns whatever was made, so that a missing element leaks nothing.
  for (GstElement *e : {Source, convert, encoder, mux, sink})
    if (e) gst_bin_add(GST_BIN(Pipeline), e);
  if (!Source || !convert || !encoder || !mux || !sink) {
    Source = nullptr;
    return Fail(DSRecordText::tr("A GStreamer element is missing: %1.")
                    .arg(Factory.isEmpty() ? QStringLiteral("avimux") : Factory));
  }
  GstCaps *caps = gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "RGB", "width", G_TYPE_INT,
                                      Size.width(), "height", G_TYPE_INT, Size.height(), "framerate",
                                      GST_TYPE_FRACTION, int(Rate.Rate), int(Rate.Scale), "pixel-aspect-ratio",
                                      GST_TYPE_FRACTION, 1, 1, nullptr);
  g_object_set(Source, "caps", caps, "format", GST_FORMAT_TIME, "is-live", FALSE, "block", FALSE, nullptr);
  gst_caps_unref(caps);
  Stride = (Size.width() * 3 + 3) & ~3;  // GStreamer's RGB rows: four-byte aligned
  if (Factory.isEmpty()) {
    GstCaps *bgr = gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "BGR", nullptr);
    g_object_set(encoder, "caps", bgr, nullptr);
    gst_caps_unref(bgr);
  } else {
    ConfigureEncoder(encoder, Quality, KeyFrameEvery);
  }
  if (Location.isEmpty()) {
    g_object_set(sink, "sync", FALSE, "async", FALSE, nullptr);
  } else {
    g_object_set(sink, "location", QFile::encodeName(Location).constData(), "sync", FALSE, nullptr);
  }
  // An encoder that takes 4:2:0 gets it, with the colour matrix AVI readers assume (BT.601):
  // what players expect of these codecs. The others (the lossless ones) get RGB itself.
  GstElement *chroma = nullptr;
  if (!Factory.isEmpty() && dspipeline::TakesI420(encoder)) {
    chroma = gst_element_factory_make("capsfilter", nullptr);
    if (!chroma)
      return Fail(DSRecordText::tr("A GStreamer element is missing: %1.")
                      .arg(QStringLiteral("capsfilter")));
    // JPEG stores the full range 0 ... 255 (its decoders assume it); the others 16 ... 235.
    GstCaps *i420 = gst_caps_from_string(dspipeline::GivesJpeg(encoder)
                                             ? "video/x-raw, format=(string)I420, colorimetry=(string)1:4:0:0"
                                             : "video/x-raw, format=(string)I420, colorimetry=(string)bt601");
    g_object_set(chroma, "caps", i420, nullptr);
    gst_caps_unref(i420);
    gst_bin_add(GST_BIN(Pipeline), chroma);
  }
  const bool linked = chroma ? gst_element_link_many(Source, convert, chroma, encoder, nullptr)
                             : gst_element_link_many(Source, convert, encoder, nullptr);
  if (!linked || !gst_element_link_many(encoder, mux, sink, nullptr))
    return Fail(DSRecordText::tr("The encoder cannot be linked to the AVI writer."));
  Stills = !Factory.isEmpty() && dspipeline::GivesStills(encoder);
  GstPad *out = gst_element_get_static_pad(encoder, "src");
  if (out) {
    gst_pad_add_probe(out, GstPadProbeType(GST_PAD_PROBE_TYPE_BUFFER | GST_PAD_PROBE_TYPE_BUFFER_LIST),
                      dspipeline::CountBuffer, this, nullptr);
    gst_object_unref(out);
  }
  Bus = gst_pipeline_get_bus(GST_PIPELINE(Pipeline));
  return true;
}

bool TDSRecord::TPipeline::WatchBus(GstClockTime Wait) {
  if (!Bus) return Fail(DSRecordText::tr("The pipeline is not running."));
  GstMessage *message = gst_bus_timed_pop_filtered(Bus, Wait, GST_MESSAGE_ERROR);
  if (!message) return Error.isEmpty();
  GError *error = nullptr;
  gchar *debug = nullptr;
  gst_message_parse_error(message, &error, &debug);
  Fail(error ? QString::fromUtf8(error->message) : DSRecordText::tr("Unknown error"));
  if (error) g_error_free(error);
  g_free(debug);
  gst_message_unref(message);
  return false;
}

bool TDSRecord::TPipeline::Start() {
  if (!Pipeline) return false;
  if (gst_element_set_state(Pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
    WatchBus(0);
    return Fail(DSRecordText::tr("The pipeline cannot start."));
  }
  return WatchBus(0);
}

bool TDSRecord::TPipeline::Push(const uchar *Bits, int64_t BytesPerLine) {
  if (!Source || !WatchBus(0)) return false;
  const int64_t bytes = int64_t(Stride) * Size.height();
  GstBuffer *buffer = gst_buffer_new_allocate(nullptr, gsize(bytes), nullptr);
  if (!buffer) return Fail(DSRecordText::tr("Out of memory."));
  GstMapInfo map;
  if (!gst_buffer_map(buffer, &map, GST_MAP_WRITE)) {
    gst_buffer_unref(buffer);
    return Fail(DSRecordText::tr("Out of memory."));
  }
  for (int y = 0; y < Size.height(); ++y) memcpy(map.data + int64_t(y) * Stride, Bits + y * BytesPerLine, size_t(Size.width()) * 3);
  gst_buffer_unmap(buffer, &map);
  // The exact time of slot k: k x Scale / Rate seconds.
  const guint64 start = gst_util_uint64_scale(guint64(Pushed) * Rate.Scale, GST_SECOND, Rate.Rate);
  const guint64 end = gst_util_uint64_scale(guint64(Pushed + 1) * Rate.Scale, GST_SECOND, Rate.Rate);
  GST_BUFFER_PTS(buffer) = start;
  GST_BUFFER_DTS(buffer) = start;
  GST_BUFFER_DURATION(buffer) = end - start;
  if (gst_app_src_push_buffer(GST_APP_SRC(Source), buffer) != GST_FLOW_OK) {
    WatchBus(0);
    return Fail(DSRecordText::tr("The pipeline refused a frame."));
  }
  ++Pushed;
  // Keep only a few frames queued: wait for the encoder, watching for errors.
  auto moved = std::chrono::steady_clock::now();
  guint64 level = gst_app_src_get_current_level_bytes(GST_APP_SRC(Source));
  while (level > guint64(dspipeline::QueuedFrames * bytes)) {
    if (!WatchBus(2 * GST_MSECOND)) return false;
    const guint64 now = gst_app_src_get_current_level_bytes(GST_APP_SRC(Source));
    if (now != level) moved = std::chrono::steady_clock::now();
    if (std::chrono::steady_clock::now() - moved > dspipeline::StallTimeout)
      return Fail(DSRecordText::tr("The encoder stopped taking frames."));
    level = now;
  }
  return true;
}

bool TDSRecord::TPipeline::Finish(int TimeoutSeconds) {
  if (!Source || !WatchBus(0)) return false;
  if (gst_app_src_end_of_stream(GST_APP_SRC(Source)) != GST_FLOW_OK)
    return Fail(DSRecordText::tr("The pipeline refused the end of the video."));
  GstMessage *message = gst_bus_timed_pop_filtered(Bus, GstClockTime(TimeoutSeconds) * GST_SECOND,
                                                   GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
  if (!message) return Fail(DSRecordText::tr("The video was not completed in time."));
  const bool eos = GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
  if (!eos) {
    GError *error = nullptr;
    gst_message_parse_error(message, &error, nullptr);
    Fail(error ? QString::fromUtf8(error->message) : DSRecordText::tr("Unknown error"));
    if (error) g_error_free(error);
  }
  gst_message_unref(message);
  if (!eos) return false;
  // The file sink closes its file when it stops; a failure there is an error too.
  gst_element_set_state(Pipeline, GST_STATE_NULL);
  if (!WatchBus(0)) return false;
  if (Out.load() != Pushed)
    return Fail(
        DSRecordText::tr("The encoder gave out %1 frames of %2.").arg(Out.load()).arg(Pushed));
  return true;
}

bool TrialEncoder(const QString &Factory, QSize Size, QString &Error) {
  TDSRecord::TPipeline pipe;
  constexpr int frames = 2;
  bool ok = pipe.Build(Factory, Size, video::TFrameRate::Exact(25, 1), 5000, 25, QString()) && pipe.Start();
  // A picture with something in it: some encoders fail only on the first real content.
  std::vector<uchar> picture(size_t(Size.width()) * Size.height() * 3);
  for (size_t i = 0; i < picture.size(); ++i) picture[i] = uchar((i * 7) ^ (i >> 5));
  for (int f = 0; ok && f < frames; ++f) ok = pipe.Push(picture.data(), int64_t(Size.width()) * 3);
  ok = ok && pipe.Finish(10);
  Error = pipe.Error;
  return ok;
}

}  // namespace kolibra::editing
