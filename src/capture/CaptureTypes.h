#pragma once
// The values the capture passes around: a camera of one back-end, one of its formats, and a
// frame as a camera delivered it, with the driver's time stamp.

#include "video/FrameRate.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace kolibra::capture {

// The two back-ends, numbered as the settings store them.
enum TCaptureFramework : int {
  cfAvDevice = 0,   // libavdevice (video4linux2), in the place of Video for Windows
  cfGStreamer = 1,  // GStreamer's device monitor and v4l2src, in the place of DirectShow
};

// The synthetic camera both back-ends offer, so capture works and is tested without one.
inline constexpr const char *TestPatternName = "Kolibra test pattern";

struct TCaptureDevice {
  QString Name;          // as the user sees it, without the framework's suffix
  QString Node;          // "/dev/video0"; empty for a synthetic camera
  // For a synthetic camera: a libavfilter graph (back-end 0) or a GStreamer source
  // description (back-end 1) with "%W", "%H" and "%R" standing for the size and the rate.
  QString Source;
  bool operator==(const TCaptureDevice &other) const { return Name == other.Name && Node == other.Node; }
};

// One way a device can send its pictures.
struct TCaptureFormat {
  int Width = 0;
  int Height = 0;
  video::TFrameRate Rate;  // invalid: the rate is chosen apart (back-end 0)
  uint32_t FourCC = 0;     // the camera's pixel format ("YUYV", "MJPG", "RGB3"...); 0 for raw RGB
  QString Name;            // what the format list shows
  bool IsJpeg() const;
};

// "YUYV" for the code.
QString FourCCText(uint32_t code);
constexpr uint32_t MakeFourCC(char a, char b, char c, char d) {
  return uint32_t(uint8_t(a)) | uint32_t(uint8_t(b)) << 8 | uint32_t(uint8_t(c)) << 16 | uint32_t(uint8_t(d)) << 24;
}

// A frame as delivered. Picture is always 24-bit RGB (for the preview and the encoders);
// Jpeg holds the camera's own compressed bytes when it sends Motion JPEG, so a recording in
// Motion JPEG copies them instead of compressing again.
struct TCapturedFrame {
  int64_t TimeNs = 0;  // the driver's time stamp, nanoseconds, from any origin
  QImage Picture;
  std::shared_ptr<const std::vector<uint8_t>> Jpeg;
};

// Who receives what a back-end's thread produces. Both calls come from that thread.
class ICaptureSink {
 public:
  virtual ~ICaptureSink() = default;
  virtual void FrameArrived(const TCapturedFrame &frame) = 0;
  // The source stopped on its own: the camera was unplugged (or the synthetic one ran out),
  // or a read failed. Reason is the system's words, when it gave any.
  virtual void SourceLost(const QString &reason) = 0;
};

}  // namespace kolibra::capture
