#pragma once
// The "DirectShow" writer: a GStreamer encoding pipeline fed frame by frame,
//   appsrc (RGB, the exact rate) ! videoconvert ! ENCODER ! avimux ! filesink
// with "without" as 24-bit BGR bitmaps straight into avimux.
//
// The codecs are the installed encoders whose output avimux takes, by their long names
// ("friendly names"); each is kept for a size only when a trial run at that size (two frames
// through the whole pipeline into a sink that discards them) ends cleanly with two frames out:
// an encoder that needs a hardware it does not find, drops or holds back frames, or refuses
// the size is not offered. Every encoder is set to its quality from the 0 ... 10000 scale (the
// libav ones would otherwise encode at 200 kbit/s), to the key-frame interval, and to no
// B-frames. Trials are remembered for the run, per encoder and size.
//
// The file is complete only when the pipeline reached end-of-stream after every frame, with
// no error on the way (a full disk is an error of the file sink), and every frame came out of
// the encoder. An empty slot repeats the picture before (avimux writes no empty chunks).

#include "editing/writers/VideoWriter.h"

#include <QString>
#include <memory>
#include <vector>

namespace kolibra::editing {

class TDSRecord : public TVideoWriter {
 public:
  TDSRecord();
  ~TDSRecord() override;

  struct TEncoder {
    QString Factory;  // "x264enc"
    QString Name;     // "x264 H.264 Encoder"
  };
  // The installed encoders avimux takes, best ranked first, one per name.
  static const std::vector<TEncoder> &Encoders();
  // The encoder of that name or factory name (case ignored); null when none.
  static const TEncoder *FindEncoder(const QString &NameOrFactory);
  // True when GStreamer starts and has avimux.
  static bool StartFramework();

  video::TFramework Framework() const override { return video::fwDS; }
  bool Available() const override { return StartFramework(); }
  QStringList CodecNames(QSize Size) override;
  // 16 ... 4096 pixels a side (avimux's bounds); the even size below for an encoder that
  // refuses the size asked.
  QSize AcceptedSize(const QString &Codec, QSize Size) override;
  QString ErrorText() const override;

 protected:
  bool PrepareCodec(const TWriterSettings &Settings, QSize Size) override;
  bool StartFile(const QString &TempFile) override;
  bool WriteFrame(const QImage &Rgb) override;
  bool WriteEmpty() override;
  bool EndFile() override;
  void AbortFile() override;

 public:
  // One run of the pipeline (the trial's and the file's), in DSPipeline.cpp.
  struct TPipeline;

 private:
  bool Push(const QImage &Rgb);

  std::unique_ptr<TPipeline> FPipe;
  QString FFactory;  // empty: without
  TWriterSettings FOpenSettings;
  QImage FLast;
};

}  // namespace kolibra::editing
