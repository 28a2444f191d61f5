#include "video/DSPlay.h"

#include "kit/MathUtils.h"
#include "kit/Texts.h"
#include "video/AviParser.h"
#include "video/AviPlan.h"
#include "video/GStreamerStart.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <mutex>

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>

extern "C" {
#include <libavformat/avformat.h>
}

namespace kolibra::video {

namespace dsplay {

// The orientation the stream's tags ask for ("image-orientation"), as they reached the sink.
TOrientation StreamOrientation(GstElement *Sink) {
  TOrientation orientation;
  GstPad *pad = gst_element_get_static_pad(Sink, "sink");
  if (!pad) return orientation;
  for (guint i = 0;; ++i) {
    GstEvent *event = gst_pad_get_sticky_event(pad, GST_EVENT_TAG, i);
    if (!event) break;
    GstTagList *tags = nullptr;
    gst_event_parse_tag(event, &tags);
    gchar *text = nullptr;
    if (tags && gst_tag_list_get_string(tags, GST_TAG_IMAGE_ORIENTATION, &text) && text) {
      orientation = OrientationOfTag(QString::fromUtf8(text));
      g_free(text);
    }
    gst_event_unref(event);
  }
  gst_object_unref(pad);
  return orientation;
}

}  // namespace dsplay

namespace dsplay {

// A file that neither plays nor fails within this time is given up.
constexpr std::chrono::seconds PrerollTimeout(20);
constexpr GstClockTime PullTimeout = 10 * GST_SECOND;
// Forward by up to this many frames, stepping beats seeking: a seek decodes from the key.
constexpr int MaxSteps = 16;
// A late seek is checked by stepping from earlier, at most this many frames.
constexpr int64_t MaxApproach = 2000;

// The MPEG multiplexes GStreamer is not trusted with.
enum TMultiplex { mxNone, mxProgramStream, mxTransportStream };

// Sound and subtitles are not decoded: their pads end in a sink that takes anything. On the
// way an MPEG program or transport stream is noted (Multiplex, an atomic TMultiplex).
gboolean AutoplugContinue(GstElement *, GstPad *, GstCaps *Caps, gpointer Multiplex) {
  if (!Caps || gst_caps_is_empty(Caps) || gst_caps_is_any(Caps)) return TRUE;
  const GstStructure *structure = gst_caps_get_structure(Caps, 0);
  const gchar *name = gst_structure_get_name(structure);
  gboolean system = FALSE;
  if (gst_structure_get_boolean(structure, "systemstream", &system) && system) {
    auto *found = static_cast<std::atomic<int> *>(Multiplex);
    if (g_str_equal(name, "video/mpeg")) found->store(mxProgramStream);
    if (g_str_equal(name, "video/mpegts")) found->store(mxTransportStream);
  }
  return g_str_has_prefix(name, "video/") || g_str_has_prefix(name, "image/") ? TRUE : FALSE;
}

// GStreamer's AVI reader stamps every chunk with its slot's time and leaves the decoder to
// put B-frames in order. Where B-frames follow a keyframe in the file but are shown before it
// (an open group of pictures, as MPEG-4 encoders write them), a picture is lost at every such
// keyframe and every later frame comes late; where B-frames are packed into the chunk before
// (DivX, Xvid), stepping from frame to frame loses every third picture or so. Such a file is
// refused rather than shown wrong; Kolibra's own AVI reader reads it.
bool LosesFramesAtKeys(const QString &FileName) {
  avi::TAviFileSource source;
  avi::TAviStream stream;
  QString error;
  if (!source.Open(FileName, error) || !avi::ParseAvi(source, stream, error)) return false;
  const AVCodecTag *const tags[] = {avformat_get_riff_video_tags(), nullptr};
  AVCodecID id = av_codec_get_id(tags, stream.Bitmap.Compression);
  if (id == AV_CODEC_ID_NONE && stream.Handler != 0) id = av_codec_get_id(tags, stream.Handler);
  if (id != AV_CODEC_ID_MPEG4) return false;
  const avi::TAviPlan plan = avi::PlanOfMpeg4(source, stream);
  return plan.OpenGop || plan.Packed;
}

}  // namespace dsplay

struct TDSPlay::TDetector {
  GstElement *Pipeline = nullptr;
  GstElement *Convert = nullptr;
  GstElement *Sink = nullptr;
  std::atomic<bool> VideoLinked{false};
  std::atomic<bool> NoMorePads{false};
  std::atomic<int> Multiplex{dsplay::mxNone};
  std::mutex Lock;
  QString Undecoded;  // the kind of a video stream no decoder took
  // A frame pulled from the sink: its stream time and end in nanoseconds, and its pixels.
  struct TSeen {
    bool Valid = false;
    int64_t Start = 0;
    int64_t End = 0;
    QImage Pixels;
  };
  TSeen Held;    // the frame the sink holds, the last one pulled
  TSeen Before;  // the frame pulled just before it, when the two follow each other

  ~TDetector() {
    if (Pipeline) {
      gst_element_set_state(Pipeline, GST_STATE_NULL);
      gst_object_unref(Pipeline);
    }
  }

  static void PadAdded(GstElement *, GstPad *Pad, gpointer Self) {
    auto *detector = static_cast<TDetector *>(Self);
    GstCaps *caps = gst_pad_get_current_caps(Pad);
    if (!caps) caps = gst_pad_query_caps(Pad, nullptr);
    const gchar *name = caps && !gst_caps_is_empty(caps) ? gst_structure_get_name(gst_caps_get_structure(caps, 0)) : "";
    const bool video = g_str_has_prefix(name, "video/x-raw");
    // A video stream left coded: no decoder for it.
    if (!video && g_str_has_prefix(name, "video/")) {
      std::lock_guard<std::mutex> lock(detector->Lock);
      if (detector->Undecoded.isEmpty()) detector->Undecoded = QString::fromUtf8(name);
    }
    if (caps) gst_caps_unref(caps);
    bool expected = false;
    if (video && detector->VideoLinked.compare_exchange_strong(expected, true)) {
      GstPad *sinkPad = gst_element_get_static_pad(detector->Convert, "sink");
      if (gst_pad_link(Pad, sinkPad) != GST_PAD_LINK_OK) detector->VideoLinked = false;
      gst_object_unref(sinkPad);
      return;
    }
    // Anything else flows into a sink that neither waits nor keeps the pipeline waiting.
    GstElement *sink = gst_element_factory_make("fakesink", nullptr);
    if (!sink) return;
    g_object_set(sink, "sync", FALSE, "async", FALSE, nullptr);
    gst_bin_add(GST_BIN(detector->Pipeline), sink);
    gst_element_sync_state_with_parent(sink);
    GstPad *sinkPad = gst_element_get_static_pad(sink, "sink");
    gst_pad_link(Pad, sinkPad);
    gst_object_unref(sinkPad);
  }

  // A stream the bin found no element for: a video one is worth telling about.
  static void UnknownType(GstElement *, GstPad *, GstCaps *Caps, gpointer Self) {
    auto *detector = static_cast<TDetector *>(Self);
    gchar *text = Caps ? gst_caps_to_string(Caps) : nullptr;
    std::lock_guard<std::mutex> lock(detector->Lock);
    if (text && g_str_has_prefix(text, "video/") && detector->Undecoded.isEmpty())
      detector->Undecoded = QString::fromUtf8(text);
    g_free(text);
  }

  static void NoMore(GstElement *, gpointer Self) { static_cast<TDetector *>(Self)->NoMorePads = true; }

  // The sample's frame (the sample is released): its times, and its pixels copied into Into
  // (whose buffer is reused when nothing else shares it). False when it brought no pixels.
  static bool Take(GstSample *Sample, TSeen &Into, int64_t Interval) {
    Into.Valid = false;
    if (!Sample) return false;
    GstBuffer *buffer = gst_sample_get_buffer(Sample);
    const GstSegment *segment = gst_sample_get_segment(Sample);
    GstVideoInfo video;
    GstVideoFrame frame;
    if (buffer && segment && GST_BUFFER_PTS_IS_VALID(buffer) &&
        gst_video_info_from_caps(&video, gst_sample_get_caps(Sample)) &&
        gst_video_frame_map(&frame, &video, buffer, GST_MAP_READ)) {
      // The frame on screen at the time a seek asked for starts before the segment does.
      guint64 start = GST_CLOCK_TIME_NONE;
      if (gst_segment_to_stream_time_full(segment, GST_FORMAT_TIME, GST_BUFFER_PTS(buffer), &start) < 0) {
        start = GST_CLOCK_TIME_NONE;  // before the stream's own start: no place on its time line
      }
      const int width = GST_VIDEO_INFO_WIDTH(&video);
      const int height = GST_VIDEO_INFO_HEIGHT(&video);
      // A buffer the shown picture still shares would be copied before being written over.
      if (Into.Pixels.width() != width || Into.Pixels.height() != height || !Into.Pixels.isDetached())
        Into.Pixels = QImage(width, height, QImage::Format_RGB888);
      if (start != GST_CLOCK_TIME_NONE && !Into.Pixels.isNull()) {
        const auto *bits = static_cast<const uint8_t *>(GST_VIDEO_FRAME_PLANE_DATA(&frame, 0));
        const int64_t stride = GST_VIDEO_FRAME_PLANE_STRIDE(&frame, 0);
        for (int y = 0; y < height; ++y) memcpy(Into.Pixels.scanLine(y), bits + y * stride, size_t(width) * 3);
        Into.Start = int64_t(start);
        Into.End = Into.Start + (GST_BUFFER_DURATION_IS_VALID(buffer) ? int64_t(GST_BUFFER_DURATION(buffer)) : Interval);
        Into.Valid = true;
      }
      gst_video_frame_unmap(&frame);
    }
    gst_sample_unref(Sample);
    return Into.Valid;
  }

  // The frame the sink prerolled (after the open or a seek) becomes the one held.
  bool Pull(int64_t Interval) {
    Before.Valid = false;
    return Take(gst_app_sink_try_pull_preroll(GST_APP_SINK(Sink), dsplay::PullTimeout), Held, Interval);
  }

  // One frame on: the held frame becomes the one before. False at the end of the stream, where
  // the held frame stays the last one.
  bool Step(int64_t Interval) {
    if (!Held.Valid ||
        !gst_element_send_event(Sink, gst_event_new_step(GST_FORMAT_BUFFERS, 1, 1.0, TRUE, FALSE))) {
      return false;
    }
    TSeen next;
    std::swap(next.Pixels, Before.Pixels);  // reuse the buffer of the frame dropped now
    if (!Take(gst_app_sink_try_pull_preroll(GST_APP_SINK(Sink), dsplay::PullTimeout), next, Interval)) {
      std::swap(next.Pixels, Before.Pixels);  // at the end, both frames stay as they were
      return false;
    }
    Before = std::move(Held);
    Held = std::move(next);
    return true;
  }

  bool Seek(int64_t At) {
    Held.Valid = Before.Valid = false;
    return gst_element_seek_simple(Pipeline, GST_FORMAT_TIME,
                                   GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE), std::max<int64_t>(0, At));
  }

  // Steps until the held frame starts at or after Want (or the stream ends), at most Steps.
  bool WalkTo(int64_t Want, int64_t Steps, int64_t Interval) {
    for (int64_t i = 0; Held.Valid && Held.Start < Want; ++i) {
      if (i >= Steps || !Step(Interval)) return Held.Valid && i < Steps;
    }
    return Held.Valid;
  }

  // Of the frames known around Want, the one starting nearest to it (the earlier on a tie: it is
  // the one on screen at that time).
  const TSeen *Nearest(int64_t Want) const {
    if (!Held.Valid) return nullptr;
    if (Before.Valid && Before.Start <= Want && std::llabs(Want - Before.Start) <= std::llabs(Held.Start - Want))
      return &Before;
    return &Held;
  }

  // Empties the bus; the first error's text, if any.
  QString DrainBus() {
    QString error;
    GstBus *bus = gst_element_get_bus(Pipeline);
    while (GstMessage *m = gst_bus_pop(bus)) {
      if (GST_MESSAGE_TYPE(m) == GST_MESSAGE_ERROR && error.isEmpty()) {
        GError *e = nullptr;
        gst_message_parse_error(m, &e, nullptr);
        error = e ? QString::fromUtf8(e->message) : QStringLiteral("?");
        if (e) g_error_free(e);
      }
      gst_message_unref(m);
    }
    gst_object_unref(bus);
    return error;
  }
};

// GStreamer starts with the first file given to a reader: loading its registry costs a
// process that reads only MP4 files (or only writes a frame of one) for nothing.
TDSPlay::TDSPlay() { FFrameBitmap = QImage(1, 1, QImage::Format_RGB888); }

TDSPlay::~TDSPlay() {
  // No OnClose from a reader being destroyed: its listeners may be gone already.
  OnClose = nullptr;
  Close();
}

bool TDSPlay::Available() { return StartGStreamer(); }

void TDSPlay::SetFileName(const QString &Name) {
  FFileName = Name;
  SetError(QString(), ofNone);
  Close();
  if (FFileName.isEmpty()) {
    SetError(DSPlayText::tr("No file name was given."), ofFile);
    return;
  }
  try {
    Open();
  } catch (const EGetMemBuffer &e) {
    FFrameBitmap = QImage(1, 1, QImage::Format_RGB888);
    FDetector.reset();
    ResetFields();
    SetError(e.Reason(), e.Kind());
  } catch (const ECreateMediaDet &e) {
    FDetector.reset();
    ResetFields();
    SetError(e.Reason(), e.Kind());
  }
}

void TDSPlay::Open() {
  if (!StartGStreamer())
    throw ECreateMediaDet(DSPlayText::tr("GStreamer cannot be started."), ofFramework);
  // A fifo or a device would keep the source waiting.
  const QFileInfo info(FFileName);
  if (!info.exists())
    throw ECreateMediaDet(DSPlayText::tr("The file does not exist or cannot be reached."), ofFile);
  if (info.isDir())
    throw ECreateMediaDet(DSPlayText::tr("This is a folder, not a video file."), ofFile);
  if (!info.isFile())
    throw ECreateMediaDet(DSPlayText::tr("This is not a video file but a device or a pipe."),
                          ofFile);
  if (info.size() == 0) throw ECreateMediaDet(DSPlayText::tr("The file is empty."), ofFile);
  if (dsplay::LosesFramesAtKeys(FFileName)) {
    throw ECreateMediaDet(
        DSPlayText::tr("GStreamer shows the B-frames of this AVI file at the wrong times."),
        ofFile);
  }

  // 1. The detector: source, decoding bin, conversion to RGB, a sink that does not wait.
  FDetector = std::make_unique<TDetector>();
  TDetector &d = *FDetector;
  d.Pipeline = gst_pipeline_new(nullptr);
  GstElement *source = gst_element_factory_make("filesrc", nullptr);
  GstElement *decode = gst_element_factory_make("decodebin", nullptr);
  d.Convert = gst_element_factory_make("videoconvert", nullptr);
  d.Sink = gst_element_factory_make("appsink", nullptr);
  if (!d.Pipeline || !source || !decode || !d.Convert || !d.Sink) {
    for (GstElement *e : {source, decode, d.Convert, d.Sink}) {
      if (e) gst_object_unref(gst_object_ref_sink(e));
    }
    d.Convert = d.Sink = nullptr;
    throw ECreateMediaDet(DSPlayText::tr("The GStreamer elements Kolibra needs are not installed."),
                          ofFramework);
  }
  g_object_set(source, "location", QFile::encodeName(FFileName).constData(), nullptr);
  GstCaps *rgb = gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "RGB", nullptr);
  g_object_set(d.Sink, "caps", rgb, "sync", FALSE, "max-buffers", 1u, "enable-last-sample", FALSE, nullptr);
  gst_caps_unref(rgb);
  gst_bin_add_many(GST_BIN(d.Pipeline), source, decode, d.Convert, d.Sink, nullptr);
  if (!gst_element_link(source, decode) || !gst_element_link(d.Convert, d.Sink)) {
    throw ECreateMediaDet(DSPlayText::tr("The GStreamer elements Kolibra needs are not installed."),
                          ofFramework);
  }
  g_signal_connect(decode, "autoplug-continue", G_CALLBACK(dsplay::AutoplugContinue), &d.Multiplex);
  g_signal_connect(decode, "pad-added", G_CALLBACK(TDetector::PadAdded), &d);
  g_signal_connect(decode, "no-more-pads", G_CALLBACK(TDetector::NoMore), &d);
  g_signal_connect(decode, "unknown-type", G_CALLBACK(TDetector::UnknownType), &d);

  // 2, 3. The file's streams, up to the first video stream prerolled in the sink.
  if (gst_element_set_state(d.Pipeline, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE) {
    const QString error = d.DrainBus();
    throw ECreateMediaDet(error.isEmpty()
                              ? DSPlayText::tr("GStreamer cannot read this file.")
                              : DSPlayText::tr("GStreamer cannot read this file: %1").arg(error),
                          ofFile);
  }
  GstBus *bus = gst_element_get_bus(d.Pipeline);
  const auto deadline = std::chrono::steady_clock::now() + dsplay::PrerollTimeout;
  QString failure;
  bool ready = false;
  // A multiplex refused below is known as soon as it is found: no need to wait for a picture.
  while (!ready && failure.isEmpty() && d.Multiplex == dsplay::mxNone) {
    GstMessage *m = gst_bus_timed_pop_filtered(
        bus, 50 * GST_MSECOND, GstMessageType(GST_MESSAGE_ERROR | GST_MESSAGE_ASYNC_DONE | GST_MESSAGE_EOS));
    if (m) {
      if (GST_MESSAGE_TYPE(m) == GST_MESSAGE_ERROR) {
        GError *e = nullptr;
        gst_message_parse_error(m, &e, nullptr);
        failure = DSPlayText::tr("GStreamer cannot read this file: %1")
                      .arg(e ? QString::fromUtf8(e->message) : QString());
        if (e) g_error_free(e);
      } else if (GST_MESSAGE_TYPE(m) == GST_MESSAGE_EOS) {
        failure = DSPlayText::tr("The file holds no video stream.");
      } else {
        ready = true;
      }
      gst_message_unref(m);
    } else if (d.NoMorePads && !d.VideoLinked) {
      std::lock_guard<std::mutex> lock(d.Lock);
      failure = d.Undecoded.isEmpty()
                    ? DSPlayText::tr("The file holds no video stream.")
                    : DSPlayText::tr("GStreamer has no decoder for the video of this file (%1).")
                          .arg(d.Undecoded);
    } else if (std::chrono::steady_clock::now() > deadline) {
      failure = DSPlayText::tr("GStreamer took too long to read this file.");
    }
  }
  gst_object_unref(bus);
  if (!failure.isEmpty()) throw ECreateMediaDet(failure, ofFile);
  // GStreamer 1.22 loses its way in MPEG program streams: after a jump into the first group
  // of pictures it shows pictures of later groups under the times asked for, and it misjudges
  // their length. Such a file is refused rather than shown wrong; the FFmpeg reader reads it.
  if (d.Multiplex == dsplay::mxProgramStream)
    throw ECreateMediaDet(DSPlayText::tr("GStreamer shows wrong frames of MPEG program streams."),
                          ofFile);
  // Its transport-stream reader finds a time in a long camcorder file by estimating from the
  // bit rate and reading on, so a jump into a 5-minute file costs twice what the FFmpeg
  // reader, which indexes such files in the background, takes to open it and show the frame.
  if (d.Multiplex == dsplay::mxTransportStream)
    throw ECreateMediaDet(
        DSPlayText::tr(
            "GStreamer reads MPEG transport streams too slowly; the FFmpeg reader reads them."),
        ofFile);
  if (!d.VideoLinked)
    throw ECreateMediaDet(DSPlayText::tr("The file holds no video stream."), ofFile);

  // 4, 5. Size and rate, from the first frame's description.
  GstSample *sample = gst_app_sink_try_pull_preroll(GST_APP_SINK(d.Sink), dsplay::PullTimeout);
  if (!sample)
    throw ECreateMediaDet(DSPlayText::tr("The first frame of the file cannot be decoded."), ofFile);
  GstVideoInfo video;
  const bool described = gst_video_info_from_caps(&video, gst_sample_get_caps(sample));
  if (!described || GST_VIDEO_INFO_WIDTH(&video) <= 0 || GST_VIDEO_INFO_HEIGHT(&video) <= 0) {
    gst_sample_unref(sample);
    throw ECreateMediaDet(DSPlayText::tr("The frame size of this file cannot be read."), ofFile);
  }
  FFrameWidth = GST_VIDEO_INFO_WIDTH(&video);
  FFrameHeight = GST_VIDEO_INFO_HEIGHT(&video);
  if (FFrameWidth > avi::MaxFrameSide || FFrameHeight > avi::MaxFrameSide ||
      int64_t(FFrameWidth) * FFrameHeight > avi::MaxFramePixels) {
    gst_sample_unref(sample);
    throw ECreateMediaDet(
        DSPlayText::tr(
            "The frame size %1 x %2 announced by the file is not plausible: the file is damaged.")
            .arg(FFrameWidth)
            .arg(FFrameHeight),
        ofFile);
  }
  FFrameBitmap = QImage(FFrameWidth, FFrameHeight, QImage::Format_RGB888);
  const double rate = GST_VIDEO_INFO_FPS_D(&video) > 0
                          ? double(GST_VIDEO_INFO_FPS_N(&video)) / double(GST_VIDEO_INFO_FPS_D(&video))
                          : 0.0;
  if (FFrameBitmap.isNull() || !SetRate(rate)) {
    const QString reason =
        FErrorText.isEmpty() ? DSPlayText::tr("The file gives no frame rate.") : FErrorText;
    gst_sample_unref(sample);
    throw ECreateMediaDet(reason, ofFile);
  }

  // 6. The length, and from it the frame count.
  gint64 length = 0;
  if (!gst_element_query_duration(d.Pipeline, GST_FORMAT_TIME, &length) || length <= 0) {
    gst_sample_unref(sample);
    throw ECreateMediaDet(DSPlayText::tr("The length of this file cannot be read."), ofFile);
  }
  FStreamLength = double(length) / double(GST_SECOND);
  FFrameCount = RoundClamped(FStreamLength * rate);
  if (FFrameCount <= 0) {
    gst_sample_unref(sample);
    throw ECreateMediaDet(DSPlayText::tr("The file holds no frame."), ofFile);
  }

  // 7, 8. The first frame: the one the sink prerolled with. Its time is the origin of the
  // others (a camcorder's stream time need not start at 0).
  const int64_t interval = std::llround(FFrameInterval * double(GST_SECOND));
  if (!TDetector::Take(sample, d.Held, interval) || d.Held.Pixels.size() != FFrameBitmap.size()) {
    throw EGetMemBuffer(DSPlayText::tr("The first frame of the file cannot be decoded."), ofFile);
  }
  FOrigin = d.Held.Start;
  FFrameBitmap = d.Held.Pixels;
  FBitmapPosition = 0;
  FPosition = 0;
  FStreamTime = 0.0;
  SetStreamOrientation(dsplay::StreamOrientation(d.Sink));
  FOpened = true;
  d.DrainBus();
  if (OnOpen) OnOpen(this);
}

void TDSPlay::Close() {
  FDetector.reset();
  ResetFields();
  FBitmapPosition = -1;
  FStreamLength = FStreamTime = 0.0;
  if (OnClose) OnClose(this);
}

// The time is that of the clamped index: an index past the end would otherwise ask for the
// time at which the stream ends, where there is no frame to show.
void TDSPlay::SetPosition(int Index) {
  if (!FOpened || Index == FPosition) return;
  FPosition = qBound(0, Index, FFrameCount - 1);
  double time = FPosition * FFrameInterval;
  if (time > FStreamLength) time = FStreamLength;
  if (time < 0.0) time = 0.0;
  FStreamTime = time;
}

const QImage *TDSPlay::FetchFrame() {
  if (!FOpened || !FDetector) return nullptr;
  if (FBitmapPosition != FPosition) {
    FBitmapPosition = -1;
    if (!FetchAt(FStreamTime)) return nullptr;
    FBitmapPosition = FPosition;
  }
  return &FFrameBitmap;
}

// Frame k is the frame whose presentation time is nearest to k frame intervals after the
// first frame's. Containers that keep time in milliseconds (Matroska, WebM) put frames a
// fraction of a millisecond off the multiples of the interval, and a frame's stated duration
// may run past the next frame's start: asking for the frame shown at k intervals would then
// give frame k - 1. So the time asked for is half an interval later, in the middle of frame
// k's place, and the landing is checked: a frame more than half an interval away (a dropped
// frame, a varying rate, or GStreamer landing on a keyframe after B-frames it could not
// decode) is settled by stepping up to the time from an earlier frame and taking the nearer
// of the two frames around it.
bool TDSPlay::FetchAt(double Time) {
  TDetector &d = *FDetector;
  const int64_t interval = std::max<int64_t>(1, std::llround(FFrameInterval * double(GST_SECOND)));
  const int64_t want = FOrigin + std::llround(Time * double(GST_SECOND));
  const int64_t half = interval / 2;
  const auto close = [&] { return d.Held.Valid && std::llabs(d.Held.Start - want) <= half; };
  bool found = false;
  // Known already, or a little way forward: step, as a seek would decode those frames anyway.
  if (d.Held.Valid && d.Before.Valid && d.Before.Start <= want && want <= d.Held.Start) {
    found = true;
  } else if (d.Held.Valid && d.Held.Start < want && want < d.Held.Start + dsplay::MaxSteps * interval) {
    found = d.WalkTo(want, dsplay::MaxSteps + 1, interval);
  }
  bool landed = false;
  if (!found && d.Seek(want + half) && d.Pull(interval)) {
    landed = true;
    found = close();
    if (!found && d.Held.Start < want) {
      // The frame shown half an interval on began long before: the next one may be nearer.
      found = d.WalkTo(want, 1, interval);
    }
  }
  // Landed late, or past the end (the last frame asked for half an interval on): approach
  // from further back, up to the start for a short enough file.
  if (!found) {
    const int64_t backs[] = {GST_SECOND, 8 * GST_SECOND, want - FOrigin};
    for (int64_t back : backs) {
      const int64_t from = std::max<int64_t>(FOrigin, want - back);
      const int64_t steps = (want - from) / interval + dsplay::MaxSteps;
      if (steps > dsplay::MaxApproach || !d.Seek(from) || !d.Pull(interval) || d.Held.Start > want) continue;
      found = d.WalkTo(want, steps, interval);
      if (found) break;
    }
  }
  if (!found && landed) found = d.Seek(want + half) && d.Pull(interval);  // give the plain answer back
  const TDetector::TSeen *nearest = found ? d.Nearest(want) : nullptr;
  if (nearest) FFrameBitmap = nearest->Pixels;
  d.DrainBus();
  return nearest != nullptr;
}

}  // namespace kolibra::video
