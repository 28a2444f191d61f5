#pragma once
// Pictures drawn for the tracking tests, whose true positions are known because the tests
// drew them: filled squares on a plain background, frame by frame, and a reader double
// that serves such frames as a video, and a frame source for the tracking run.

#include "kit/Types.h"
#include "tracking/TrackRun.h"
#include "video/VideoPlay.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <vector>

namespace kolibra::tracking::testing {

// The frame size of most scenes.
inline constexpr int W = 320;
inline constexpr int H = 240;

inline const QColor Grey(128, 128, 128);
inline const QColor Blue(0, 0, 255);
inline const QColor Red(220, 30, 30);

struct TSquare {
  TPointD Centre;  // frame pixels; the square covers centre +- (side - 1) / 2 in whole pixels
  int Side = 20;
  QColor Colour = Blue;
};

// A width x height picture of the background with the squares drawn in order.
inline QImage Scene(int width, int height, const std::vector<TSquare> &squares, QColor background = Grey) {
  QImage image(width, height, QImage::Format_RGB888);
  image.fill(background);
  QPainter painter(&image);
  for (const TSquare &s : squares) {
    const int left = int(std::lround(s.Centre.X - (s.Side - 1) / 2.0));
    const int top = int(std::lround(s.Centre.Y - (s.Side - 1) / 2.0));
    painter.fillRect(left, top, s.Side, s.Side, s.Colour);
  }
  return image;
}

// The true centre of a square as Scene draws it (the mean of its pixels).
inline TPointD DrawnCentre(const TSquare &s) {
  const int left = int(std::lround(s.Centre.X - (s.Side - 1) / 2.0));
  const int top = int(std::lround(s.Centre.Y - (s.Side - 1) / 2.0));
  return TPointD(left + (s.Side - 1) / 2.0, top + (s.Side - 1) / 2.0);
}

// The same measured from the frame's corner, as tracking runs give positions.
inline TPointD CornerCentre(const TSquare &s) {
  const TPointD index = DrawnCentre(s);
  return TPointD(index.X + 0.5, index.Y + 0.5);
}

// A rectangle's corners as fractions of a frame, for outlines and zones.
inline TPointDDynArray RectOutline(double left, double top, double right, double bottom, int width, int height) {
  return {{left / width, top / height},
          {right / width, top / height},
          {right / width, bottom / height},
          {left / width, bottom / height}};
}

// A circle of radius r round centre (frame pixels from the corner) as the mouse draws
// one, as fractions of a width x height frame, for outlines.
inline TPointDDynArray CircleOutlineFractions(TPointD centre, double r, int width, int height) {
  TPointDDynArray outline;
  for (int k = 0; k < 36; ++k) {
    const double a = k * M_PI / 18.0;
    outline.emplace_back((centre.X + r * std::cos(a)) / width, (centre.Y + r * std::sin(a)) / height);
  }
  return outline;
}

// Frames made on demand, some of which may be unreadable.
class TSceneFrames : public ITrackFrames {
 public:
  TSceneFrames(int count, std::function<QImage(int)> draw) : Count(count), Draw(std::move(draw)) {}
  int FrameCount() const override { return Count; }
  void GoTo(int frame) override {
    Current = frame;
    Visited.push_back(frame);
  }
  bool Grab(QImage &picture) override {
    if (Unreadable.count(Current) != 0) return false;
    picture = Draw(Current);
    return true;
  }
  int Count;
  std::function<QImage(int)> Draw;
  int Current = 0;
  std::vector<int> Visited;
  std::set<int> Unreadable;
};

// A reader double serving the frames of a drawing function as a video of Count frames at
// 25 frames per second; every file name opens.
class TSceneReader : public video::TVideoPlay {
 public:
  TSceneReader(int count, int width, int height, std::function<QImage(int)> draw)
      : Count(count), Width(width), Height(height), DrawScene(std::move(draw)) {}
  video::TFramework Framework() const override { return video::fwFFMpeg; }
  void SetFileName(const QString &name) override {
    FFileName = name;
    Close();
    SetError(QString(), video::ofNone);
    FFrameWidth = Width;
    FFrameHeight = Height;
    FFrameCount = Count;
    FPosition = 0;
    if (!SetRate(25.0)) return;
    FOpened = true;
    if (OnOpen) OnOpen(this);
  }
  void Close() override {
    ResetFields();
    if (OnClose) OnClose(this);
  }
  void SetPosition(int index) override { FPosition = std::clamp(index, 0, std::max(0, FFrameCount - 1)); }

  int Count, Width, Height;
  std::function<QImage(int)> DrawScene;
  std::set<int> Unreadable;

 protected:
  const QImage *FetchFrame() override {
    if (Unreadable.count(FPosition) != 0) return nullptr;
    if (PictureFrame != FPosition) {
      Picture = DrawScene(FPosition);
      PictureFrame = FPosition;
    }
    return &Picture;
  }

 private:
  QImage Picture;
  int PictureFrame = -1;
};

}  // namespace kolibra::tracking::testing
