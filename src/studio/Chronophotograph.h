#pragma once
// The pieces of a chronophotograph that the studio's window command and kolibra-cli share:
// the picture itself, pictures written to files, and circle outlines cut on a video read
// without a window.

#include "kit/Types.h"
#include "measurement/ViewPort.h"
#include "studio/Modele.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QTextStream>
#include <memory>
#include <vector>

namespace kolibra::video {
class TVideoPlay;
}

namespace kolibra::studio {

// The background (copied; a white page of frameSize when null), then every outline's picture
// in list order, later ones covering earlier ones. The result is 24-bit RGB.
QImage ComposeChronophotograph(const std::vector<const TModele *> &outlines, const QImage *background, QSize frameSize);

// "File extension is BMP." style: the picture format a file name asks for, "PNG" for ".png"
// (any case), "BMP" for anything else.
QString PictureFormatFor(const QString &fileName);
// Writes picture in the format its name asks for, completely or not at all (atomically, in
// a temporary file beside it). False with the system's reason when it cannot.
bool WritePicture(const QImage &picture, const QString &fileName, QString &reason);

// A video view without a window: the frame shown at 100 % in its own size, so view pixels
// are frame pixels. kolibra-cli cuts its outlines on it.
class TFrameViewPort : public measurement::IViewPort {
 public:
  explicit TFrameViewPort(video::TVideoPlay &reader);

  TPointD ScreenToFrame(TPoint pixel) const override { return Mapping.ScreenToFrame(pixel); }
  TPoint FrameToScreen(TPointD position) const override { return Mapping.FrameToScreen(position); }
  int NativeFrameWidth() const override;
  int NativeFrameHeight() const override;
  int ClientWidth() const override { return NativeFrameWidth(); }
  int ClientHeight() const override { return NativeFrameHeight(); }
  int CurrentFrameIndex() const override;
  int EditedFrameIndex() const override { return CurrentFrameIndex(); }
  void GoToFrame(int editedIndex) override;
  void GoToVideoFrame(int frameIndex) override { GoToFrame(frameIndex); }
  void Repaint() override {}
  void Invalidate() override {}
  void SetViewCursor(int) override {}

  // The whole current frame.
  bool GrabFrame(QImage &bitmap);

 private:
  video::TVideoPlay &Reader;
  measurement::TFrameMapping Mapping;
};

// A circle to cut: frame Frame, centre (X, Y) and radius R in frame pixels.
struct TChronoCircle {
  int Frame = 0;
  double X = 0;
  double Y = 0;
  double R = 0;
};

// Reads "F:X,Y,R" (numbers with a point); false when it is not that.
bool ParseChronoCircle(const QString &text, TChronoCircle &circle);

// kolibra-cli chrono: cuts each circle on its frame of Video, pastes them on white or, with
// background, on the frame of the first circle, and writes Out (".png" or ".bmp"; an
// existing file is not replaced). Prints "outlines: N", "background: FRAME|white",
// "size: WxH" and "file: OUT". Returns 0, or 1 with the reason on Err.
int MakeChronoCommand(const QString &wrapperFolder, const QString &video, const QString &out,
                      const std::vector<TChronoCircle> &circles, bool background, QTextStream &outText,
                      QTextStream &err);

}  // namespace kolibra::studio
