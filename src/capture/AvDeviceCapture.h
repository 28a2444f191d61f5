#pragma once
// TAvDeviceCapture: back-end 0, in the place of Video for Windows. Cameras are the
// video4linux2 nodes that capture video (at most ten, as drivers 0 to 9 were), read through
// libavdevice; the synthetic test pattern is libavfilter's testsrc2 paced in real time. The
// format is a size; the rate is chosen apart (the frame-rate page), as with Video for
// Windows drivers.
//
// One reading thread per started camera: it reads the driver's packets with their time
// stamps, turns them into RGB pictures (keeping Motion JPEG bytes as they came) and hands
// them to the sink. A read error or the end of the source (an unplugged camera) ends the
// thread with SourceLost.

#include "capture/CaptureBackend.h"

#include <atomic>
#include <mutex>
#include <thread>

struct AVFormatContext;

namespace kolibra::capture {

class TAvDeviceCapture : public ICaptureBackend {
 public:
  TAvDeviceCapture();
  ~TAvDeviceCapture() override;

  TCaptureFramework Framework() const override { return cfAvDevice; }
  std::vector<TCaptureDevice> Devices() override;
  std::vector<TCaptureFormat> Formats(const TCaptureDevice &device) override;
  bool Start(const TCaptureDevice &device, const TCaptureFormat &format, video::TFrameRate rate, ICaptureSink *sink,
             QString &reason) override;
  void Stop() override;
  bool Running() const override { return FRunning.load(); }
  video::TFrameRate NegotiatedRate() const override { return FRate; }
  bool Present(const TCaptureDevice &device) override;

  // The test pattern's libavfilter graph: "%W", "%H" and "%R" stand for the size and rate.
  static QString TestPatternGraph();

 private:
  void Run(ICaptureSink *sink);
  static int Interrupted(void *self);

  AVFormatContext *FContext = nullptr;
  int FStream = -1;
  video::TFrameRate FRate;
  std::thread FThread;
  std::atomic<bool> FStopping{false};
  std::atomic<bool> FRunning{false};
};

}  // namespace kolibra::capture
