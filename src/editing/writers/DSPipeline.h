#pragma once
// One run of the GStreamer writing pipeline of TDSRecord: built, started, fed frame by frame
// from the calling thread, and ended by end-of-stream. The encoding runs on GStreamer's
// streaming thread; the feeding waits while more than a few frames are queued, and every
// wait watches the bus, so an error (a full disk, an encoder that gives up) ends the run at
// the next frame instead of blocking it.

#include "editing/writers/DSRecord.h"
#include "video/FrameRate.h"

#include <QSize>
#include <QString>
#include <atomic>

#include <gst/gst.h>

namespace kolibra::editing {

struct TDSRecord::TPipeline {
  GstElement *Pipeline = nullptr;
  GstElement *Source = nullptr;
  GstBus *Bus = nullptr;
  // Buffers that reached the muxer: one per frame when the encoder keeps none back.
  std::atomic<int64_t> Out{0};
  int64_t Pushed = 0;
  bool Stills = false;  // the encoder makes still pictures: every frame a key
  QSize Size;
  video::TFrameRate Rate;
  int Stride = 0;
  QString Error;

  TPipeline() = default;
  ~TPipeline();
  TPipeline(const TPipeline &) = delete;
  TPipeline &operator=(const TPipeline &) = delete;

  // Factory empty: uncompressed. Location empty: a trial, into a sink that discards.
  bool Build(const QString &Factory, QSize FrameSize, video::TFrameRate FrameRate, int Quality, int KeyFrameEvery,
             const QString &Location);
  bool Start();
  // One frame of Size, 24-bit RGB rows BytesPerLine apart.
  bool Push(const uchar *Bits, int64_t BytesPerLine);
  // End-of-stream, then waits for the pipeline to reach it: true when it did with no error
  // and every frame pushed came out of the encoder.
  bool Finish(int TimeoutSeconds);
  void Stop();

 private:
  bool Fail(const QString &Reason);
  // False when an error was posted (its text kept); waits up to Wait for one.
  bool WatchBus(GstClockTime Wait);
};

// Sets the encoder's quality (0 ... 10000), key-frame interval and no B-frames, by the
// properties it has.
void ConfigureEncoder(GstElement *Encoder, int Quality, int KeyFrameEvery);

// A trial run of Factory at Size: two frames through the pipeline into a discarding sink.
bool TrialEncoder(const QString &Factory, QSize Size, QString &Error);

}  // namespace kolibra::editing
