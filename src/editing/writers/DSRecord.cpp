#include "editing/writers/DSRecord.h"

#include "editing/writers/DSPipeline.h"
#include "editing/writers/VfwRecord.h"
#include "kit/Texts.h"
#include "video/GStreamerStart.h"

#include <QCoreApplication>
#include <QHash>
#include <mutex>

namespace kolibra::editing {

namespace dsrecord {

constexpr int MinSide = 16;
constexpr int MaxSide = 4096;  // avimux's bounds
// The pipeline has this long to write its last frames and index once the video ends.
constexpr int FinishTimeoutSeconds = 300;

// The video caps avimux takes, without raw pictures: what an encoder must give out.
GstCaps *MuxerCodedCaps() {
  GstElementFactory *mux = gst_element_factory_find("avimux");
  if (!mux) return nullptr;
  GstCaps *coded = gst_caps_new_empty();
  for (const GList *l = gst_element_factory_get_static_pad_templates(mux); l; l = l->next) {
    auto *t = static_cast<GstStaticPadTemplate *>(l->data);
    if (t->direction != GST_PAD_SINK || !g_str_has_prefix(t->name_template, "video")) continue;
    GstCaps *caps = gst_static_caps_get(&t->static_caps);
    for (guint i = 0; i < gst_caps_get_size(caps); ++i) {
      const GstStructure *s = gst_caps_get_structure(caps, i);
      if (!gst_structure_has_name(s, "video/x-raw")) gst_caps_append_structure(coded, gst_structure_copy(s));
    }
    gst_caps_unref(caps);
  }
  gst_object_unref(mux);
  return coded;
}

bool FeedsMuxer(GstElementFactory *Factory, GstCaps *Coded) {
  for (const GList *l = gst_element_factory_get_static_pad_templates(Factory); l; l = l->next) {
    auto *t = static_cast<GstStaticPadTemplate *>(l->data);
    if (t->direction != GST_PAD_SRC) continue;
    GstCaps *caps = gst_static_caps_get(&t->static_caps);
    const bool fits = gst_caps_can_intersect(caps, Coded);
    gst_caps_unref(caps);
    if (fits) return true;
  }
  return false;
}

// Trials run once per encoder and size in a run.
struct TTrials {
  std::mutex Lock;
  QHash<QString, bool> Known;
};

TTrials &Trials() {
  static TTrials trials;
  return trials;
}

bool Works(const QString &Factory, QSize Size) {
  const QString key = QStringLiteral("%1 %2x%3").arg(Factory).arg(Size.width()).arg(Size.height());
  {
    std::lock_guard<std::mutex> lock(Trials().Lock);
    const auto found = Trials().Known.constFind(key);
    if (found != Trials().Known.constEnd()) return *found;
  }
  QString error;
  const bool works = TrialEncoder(Factory, Size, error);
  std::lock_guard<std::mutex> lock(Trials().Lock);
  Trials().Known.insert(key, works);
  return works;
}

}  // namespace dsrecord

TDSRecord::TDSRecord() = default;

TDSRecord::~TDSRecord() { Cancel(); }

bool TDSRecord::StartFramework() {
  static const bool started = video::StartGStreamer({"avimux"});
  return started;
}

const std::vector<TDSRecord::TEncoder> &TDSRecord::Encoders() {
  static const std::vector<TEncoder> encoders = [] {
    std::vector<TEncoder> list;
    if (!StartFramework()) return list;
    GstCaps *coded = dsrecord::MuxerCodedCaps();
    if (!coded) return list;
    GList *factories = gst_element_factory_list_get_elements(GST_ELEMENT_FACTORY_TYPE_VIDEO_ENCODER, GST_RANK_NONE);
    factories = g_list_sort(factories, gst_plugin_feature_rank_compare_func);
    QStringList names;
    for (GList *l = factories; l; l = l->next) {
      auto *factory = static_cast<GstElementFactory *>(l->data);
      if (!dsrecord::FeedsMuxer(factory, coded)) continue;
      const QString name = QString::fromUtf8(gst_element_factory_get_metadata(factory, GST_ELEMENT_METADATA_LONGNAME));
      if (name.isEmpty() || names.contains(name, Qt::CaseInsensitive)) continue;
      names << name;
      list.push_back({QString::fromUtf8(GST_OBJECT_NAME(factory)), name});
    }
    gst_plugin_feature_list_free(factories);
    gst_caps_unref(coded);
    return list;
  }();
  return encoders;
}

const TDSRecord::TEncoder *TDSRecord::FindEncoder(const QString &NameOrFactory) {
  const QString wanted = NameOrFactory.trimmed();
  for (const TEncoder &e : Encoders())
    if (wanted.compare(e.Name, Qt::CaseInsensitive) == 0 || wanted.compare(e.Factory, Qt::CaseInsensitive) == 0)
      return &e;
  return nullptr;
}

QString TDSRecord::ErrorText() const {
  switch (ErrorCode()) {
    case weCancelled:
    case weReplace:
      return TVfwRecord::ErrorTextOf(ErrorCode());
    default:
      return TVfwRecord::ErrorTextOf(0);
  }
}

QSize TDSRecord::AcceptedSize(const QString &Codec, QSize Size) {
  const QSize clamped = ClampSize(Size, dsrecord::MinSide, dsrecord::MaxSide, false);
  const TEncoder *encoder = IsWithout(Codec) ? nullptr : FindEncoder(Codec);
  if (!encoder || !StartFramework() || dsrecord::Works(encoder->Factory, clamped)) return clamped;
  const QSize even = ClampSize(Size, dsrecord::MinSide, dsrecord::MaxSide, true);
  return even != clamped && dsrecord::Works(encoder->Factory, even) ? even : clamped;
}

QStringList TDSRecord::CodecNames(QSize Size) {
  QStringList names;
  if (!StartFramework()) return names;
  for (const TEncoder &e : Encoders()) {
    if (dsrecord::Works(e.Factory, AcceptedSize(e.Name, Size))) names << e.Name;
  }
  return names;
}

bool TDSRecord::PrepareCodec(const TWriterSettings &Settings, QSize Size) {
  FFactory.clear();
  FOpenSettings = Settings;
  if (!StartFramework())
    return SetError(weStream, DSRecordText::tr("GStreamer or its AVI writer is not installed."));
  if (Settings.Codec.isEmpty()) return true;
  const TEncoder *encoder = FindEncoder(Settings.Codec);
  if (!encoder)
    return SetError(weCodec, DSRecordText::tr("No codec is called \"%1\".").arg(Settings.Codec));
  // The real settings, once, before the file exists.
  TPipeline trial;
  bool ok = trial.Build(encoder->Factory, Size, Settings.Rate, Settings.Quality, Settings.KeyFrameEvery, QString()) &&
            trial.Start();
  std::vector<uchar> grey(size_t(Size.width()) * Size.height() * 3, 128);
  for (int f = 0; ok && f < 2; ++f) ok = trial.Push(grey.data(), int64_t(Size.width()) * 3);
  if (!ok || !trial.Finish(10)) return SetError(weCodec, trial.Error);
  FFactory = encoder->Factory;
  return true;
}

bool TDSRecord::StartFile(const QString &TempFile) {
  FLast = QImage();
  FPipe = std::make_unique<TPipeline>();
  if (!FPipe->Build(FFactory, Size(), FOpenSettings.Rate, FOpenSettings.Quality, FOpenSettings.KeyFrameEvery,
                    TempFile) ||
      !FPipe->Start()) {
    return SetError(weStream, FPipe->Error);
  }
  return true;
}

bool TDSRecord::Push(const QImage &Rgb) {
  if (!FPipe || !FPipe->Push(Rgb.constBits(), Rgb.bytesPerLine()))
    return SetError(weFrameRejected, FPipe ? FPipe->Error : QString());
  return true;
}

bool TDSRecord::WriteFrame(const QImage &Rgb) {
  if (!Push(Rgb)) return false;
  FLast = Rgb;
  return true;
}

bool TDSRecord::WriteEmpty() {
  if (FLast.isNull()) {
    FLast = QImage(Size(), QImage::Format_RGB888);
    FLast.fill(Qt::black);
  }
  return Push(FLast);
}

bool TDSRecord::EndFile() {
  FLast = QImage();
  if (!FPipe) return SetError(weNotOpen);
  const bool ok = FPipe->Finish(dsrecord::FinishTimeoutSeconds);
  const QString error = FPipe->Error;
  FPipe.reset();
  return ok || SetError(weDiskWrite, error);
}

void TDSRecord::AbortFile() {
  FPipe.reset();
  FLast = QImage();
}

}  // namespace kolibra::editing
