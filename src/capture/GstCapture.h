#pragma once
// TGstCapture: back-end 1, in the place of DirectShow. Cameras come from GStreamer's device
// monitor (video sources with a video4linux2 node) and are read by v4l2src; the synthetic
// test pattern is videotestsrc with is-live=true (a moving ball, so that frames differ). A
// format is a size and a rate, as the camera's capabilities list them.
//
// Pictures leave the pipeline by an appsink, already RGB (videoconvert) or as the camera's
// JPEG; the appsink's streaming thread hands them to the sink with their running time. A
// watcher thread reads the pipeline's bus: an error (the camera went away) or the end of
// the stream (a synthetic camera that stops) ends the capture with SourceLost.

#include "capture/CaptureBackend.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

typedef struct _GstElement GstElement;

namespace kolibra::capture {

class TFrameDecoder;

class TGstCapture : public ICaptureBackend {
 public:
  TGstCapture();
  ~TGstCapture() override;

  TCaptureFramework Framework() const override { return cfGStreamer; }
  std::vector<TCaptureDevice> Devices() override;
  std::vector<TCaptureFormat> Formats(const TCaptureDevice &device) override;
  bool Start(const TCaptureDevice &device, const TCaptureFormat &format, video::TFrameRate rate, ICaptureSink *sink,
             QString &reason) override;
  void Stop() override;
  bool Running() const override { return FRunning.load(); }
  video::TFrameRate NegotiatedRate() const override { return FRate; }
  bool Present(const TCaptureDevice &device) override;

  // The test pattern's source, ahead of the caps the format sets.
  static QString TestPatternSource();

  // Called by the appsink's streaming thread.
  void SampleArrived(void *sample);

 private:
  void Watch();

  GstElement *FPipeline = nullptr;
  ICaptureSink *FSink = nullptr;
  bool FJpeg = false;
  video::TFrameRate FRate;
  std::unique_ptr<TFrameDecoder> FDecoder;
  std::thread FWatcher;
  std::atomic<bool> FStopping{false};
  std::atomic<bool> FRunning{false};
};

}  // namespace kolibra::capture
