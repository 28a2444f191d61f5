#pragma once
// The reader in the place of DirectShow's media detector: a GStreamer pipeline (file source,
// decoding bin, colour conversion to 24-bit RGB, an application sink that does not wait for
// the clock), asked for the frame at a time rather than at an index.
//
// Frame k is the frame whose presentation time is nearest to StreamTime = k x FrameInterval
// (counted from the first frame's time), fetched by an accurate seek and checked where it
// lands; a step of a few frames forward is taken by stepping the sink instead, which gives
// the same frame without decoding the group of pictures again. FrameCount is the stream
// length times the rate, rounded. ECreateMediaDet and EGetMemBuffer are raised and caught
// inside the open.

#include "video/VideoPlay.h"

#include <QImage>
#include <QString>
#include <memory>
#include <stdexcept>

namespace kolibra::video {

// Both carry the reason the open failed, for the framework choice to show.
class EDSOpen : public std::runtime_error {
 public:
  EDSOpen(const QString &Reason, TOpenFailure Kind)
      : std::runtime_error(Reason.toStdString()), FReason(Reason), FKind(Kind) {}
  const QString &Reason() const { return FReason; }
  TOpenFailure Kind() const { return FKind; }

 private:
  QString FReason;
  TOpenFailure FKind;
};

class ECreateMediaDet : public EDSOpen {
 public:
  using EDSOpen::EDSOpen;
};

class EGetMemBuffer : public EDSOpen {
 public:
  using EDSOpen::EDSOpen;
};

class TDSPlay : public TVideoPlay {
 public:
  TDSPlay();
  ~TDSPlay() override;

  TFramework Framework() const override { return fwDS; }
  void SetFileName(const QString &Name) override;
  void Close() override;
  void SetPosition(int Index) override;
  double Duration() const override { return FStreamLength; }

  double StreamLength() const { return FStreamLength; }
  double StreamTime() const { return FStreamTime; }
  // True when GStreamer could be started in this process.
  static bool Available();

 protected:
  const QImage *FetchFrame() override;

 private:
  struct TDetector;
  void Open();
  // The frame shown at Time into FFrameBitmap; false when there is none.
  bool FetchAt(double Time);

  std::unique_ptr<TDetector> FDetector;
  double FStreamLength = 0.0;
  double FStreamTime = 0.0;
  int64_t FOrigin = 0;  // stream time of the first frame, in nanoseconds
  QImage FFrameBitmap;
  int FBitmapPosition = -1;  // the frame FFrameBitmap holds, -1 when none
};

}  // namespace kolibra::video
