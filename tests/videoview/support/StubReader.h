#pragma once
// A reader double: it "opens" any file whose name does not end in ".bad" as a video of
// Frames frames of Width x Height at Rate frames per second. Frame f is a gradient whose
// pixel (x, y) is RGB(x mod 256, y mod 256, f mod 256), so a painted picture tells which
// frame pixel each screen pixel shows.

#include "video/VideoPlay.h"

#include <QImage>
#include <QString>
#include <algorithm>
#include <vector>

namespace kolibra::videoview::testing {

class TStubReader : public video::TVideoPlay {
 public:
  TStubReader(int frames = 20, int width = 320, int height = 240, double rate = 25.0,
              video::TFramework framework = video::fwFFMpeg)
      : Frames(frames), Width(width), Height(height), Rate(rate), Kind(framework) {}

  video::TFramework Framework() const override { return Kind; }

  void SetFileName(const QString &name) override {
    FFileName = name;
    Close();
    if (name.endsWith(QLatin1String(".bad"))) {
      SetError(QStringLiteral("The stub does not read this file."), video::ofFile);
      return;
    }
    SetError(QString(), video::ofNone);
    FFrameWidth = Width;
    FFrameHeight = Height;
    FFrameCount = Frames;
    FPosition = 0;
    FVariableRate = Variable;
    if (!SetRate(Rate)) return;
    FOpened = true;
    ++Opens;
    if (OnOpen) OnOpen(this);
  }

  void Close() override {
    ResetFields();
    if (OnClose) OnClose(this);
  }

  void SetPosition(int index) override {
    FPosition = std::clamp(index, 0, std::max(0, FFrameCount - 1));
    Seeks.push_back(FPosition);
  }

  // Ask the reader to report a seek error at the next SetPosition.
  void FailNextSeek(const QString &message) {
    if (OnError) OnError(this, message);
  }

  static QRgb PixelOf(int x, int y, int frame) { return qRgb(x % 256, y % 256, frame % 256); }

  int Frames;
  int Width;
  int Height;
  double Rate;
  bool Variable = false;
  int Opens = 0;
  int Fetches = 0;
  std::vector<int> Seeks;

 protected:
  const QImage *FetchFrame() override {
    ++Fetches;
    if (Picture.isNull() || PictureFrame != FPosition) {
      Picture = QImage(FFrameWidth, FFrameHeight, QImage::Format_RGB888);
      for (int y = 0; y < FFrameHeight; ++y) {
        uchar *line = Picture.scanLine(y);
        for (int x = 0; x < FFrameWidth; ++x) {
          line[3 * x] = uchar(x % 256);
          line[3 * x + 1] = uchar(y % 256);
          line[3 * x + 2] = uchar(FPosition % 256);
        }
      }
      PictureFrame = FPosition;
    }
    return &Picture;
  }

 private:
  video::TFramework Kind;
  QImage Picture;
  int PictureFrame = -1;
};

}  // namespace kolibra::videoview::testing
