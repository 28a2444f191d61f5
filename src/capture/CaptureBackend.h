#pragma once
// ICaptureBackend: what the capture controller needs of a camera framework. Back-end 0
// reads cameras through libavdevice (video4linux2), back-end 1 through GStreamer (device
// monitor, v4l2src); both offer the synthetic "Kolibra test pattern" camera last, and tests
// may add virtual cameras of their own (a test pattern that drops frames, or stops).
//
// A started back-end delivers frames to its sink from a thread of its own until Stop, or
// until the source stops by itself (SourceLost). Stop returns once that thread no longer
// calls the sink.

#include "capture/CaptureTypes.h"

#include <QString>
#include <vector>

namespace kolibra::capture {

class ICaptureBackend {
 public:
  virtual ~ICaptureBackend() = default;
  virtual TCaptureFramework Framework() const = 0;
  // The cameras present now, then the virtual ones, the test pattern last.
  virtual std::vector<TCaptureDevice> Devices() = 0;
  // The formats a camera offers. Back-end 0 lists sizes (its rate is chosen apart), back-end 1
  // size and rate pairs.
  virtual std::vector<TCaptureFormat> Formats(const TCaptureDevice &device) = 0;
  // Opens the camera in format (at rate when the format has none) and starts delivering.
  // False with the reason when the camera does not answer.
  virtual bool Start(const TCaptureDevice &device, const TCaptureFormat &format, video::TFrameRate rate,
                     ICaptureSink *sink, QString &reason) = 0;
  virtual void Stop() = 0;
  virtual bool Running() const = 0;
  // The rate the camera agreed to, while started.
  virtual video::TFrameRate NegotiatedRate() const = 0;
  // Whether the camera is plugged in (the synthetic ones always are).
  virtual bool Present(const TCaptureDevice &device) = 0;

  // Virtual cameras, listed before the test pattern (tests and kolibra-cli's own graphs).
  void AddVirtualDevice(const TCaptureDevice &device) { VirtualDevices.push_back(device); }

 protected:
  std::vector<TCaptureDevice> VirtualDevices;
};

}  // namespace kolibra::capture
