#pragma once
// Scenes drawn for the tracker the way real classroom clips defeat trackers: a small white
// ball thrown past a white ruler, a fast car smeared by motion blur, a translucent object on
// a similar wall with a hand-coloured distractor, a large object crossing a change of
// background, a tiny object that changes look as it leaves the hand, a ball under heavy
// compression noise, and a projectile moving 66 pixels a frame at 1280 x 720. Each scene
// knows the true centre of its object on every frame, because it drew it there.
//
// Shared by the tests and the benchmark that measures the tracker's accuracy.

#include "kit/Types.h"
#include "tracking/TrackRun.h"
#include "tracking/support/Scenes.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <vector>

namespace kolibra::tracking::scenes {

struct TRenderedScene {
  QString Name;
  int Width = 640;
  int Height = 480;
  int Frames = 0;
  // Index pixels (the centre of pixel (x, y) is (x, y)) of the object's true centre.
  std::function<TPointD(int)> Truth;
  std::function<QImage(int)> Draw;
  double Size = 10.0;       // the object's larger side, pixels
  double OutlineRadius = 0; // the circle drawn round it on the first frame
  int Radius = 40;          // the search radius a user would leave (the default)

  // How far off a frame may be: max(2 px, 5 % of the object's size).
  double Tolerance() const { return std::max(2.0, 0.05 * Size); }
};

namespace detail {

inline QImage Canvas(int width, int height, QColor fill) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

inline QImage To24(const QImage &image) { return image.convertToFormat(QImage::Format_RGB888); }

// Deterministic noise of the given spread, added to every channel.
inline void AddNoise(QImage &image, double sigma, unsigned seed) {
  std::mt19937 random(seed);
  std::normal_distribution<double> noise(0.0, sigma);
  for (int y = 0; y < image.height(); ++y) {
    QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      auto add = [&](int v) { return std::clamp(int(std::lround(v + noise(random))), 0, 255); };
      line[x] = qRgb(add(qRed(line[x])), add(qGreen(line[x])), add(qBlue(line[x])));
    }
  }
}

// Through a JPEG coder at a low quality, as a phone's or a webcam's compression leaves it.
inline QImage Compressed(const QImage &image, int quality) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPEG", quality);
  QImage decoded;
  decoded.loadFromData(bytes, "JPEG");
  return decoded;
}

// A brick wall: reddish bricks of slightly different tints, light mortar joints, grain.
inline QImage BrickWall(int width, int height) {
  QImage wall = Canvas(width, height, QColor(200, 190, 175));
  QPainter painter(&wall);
  std::mt19937 random(7);
  std::uniform_int_distribution<int> tint(-18, 18);
  const int bw = 48, bh = 20;
  for (int row = 0; row * bh < height; ++row)
    for (int col = -1; col * bw < width; ++col) {
      const int x = col * bw + (row % 2) * bw / 2;
      const int t = tint(random);
      painter.fillRect(x + 2, row * bh + 2, bw - 3, bh - 3, QColor(160 + t, 58 + t / 2, 48 + t / 2));
    }
  painter.end();
  AddNoise(wall, 6.0, 11);
  return wall;
}

inline void Disc(QPainter &painter, TPointD centre, double rx, double ry, QColor colour) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  // Index pixels to QPainter's coordinates, where pixel (x, y) covers x ... x + 1.
  painter.drawEllipse(QPointF(centre.X + 0.5, centre.Y + 0.5), rx, ry);
}

}  // namespace detail

// A 9-pixel white ball thrown at about 45 pixels a frame past the top of a white ruler, on
// a dark bench, 15 frames a second.
inline TRenderedScene BallPastRuler() {
  TRenderedScene s;
  s.Name = QStringLiteral("ball past a ruler");
  s.Frames = 14;
  s.Size = 9.0;
  s.OutlineRadius = 8.0;
  s.Truth = [](int n) { return TPointD(40.0 + 45.0 * n, 330.0 - 30.0 * n + 2.0 * n * n); };
  s.Draw = [truth = s.Truth](int n) {
    QImage image = detail::Canvas(640, 480, QColor(35, 32, 30));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The ruler stands up to just under the ball's path, its top end a white blob too.
    painter.fillRect(QRectF(300.0, 245.0, 10.0, 235.0), QColor(235, 235, 228));
    painter.fillRect(QRectF(520.0, 130.0, 8.0, 200.0), QColor(240, 240, 240));
    detail::Disc(painter, truth(n), 4.5, 4.5, QColor(245, 245, 240));
    painter.end();
    detail::AddNoise(image, 3.0, 100 + unsigned(n));
    return detail::To24(image);
  };
  return s;
}

// A toy car going 65 pixels a frame, smeared over a third of its course by the exposure.
inline TRenderedScene BlurredCar() {
  TRenderedScene s;
  s.Name = QStringLiteral("fast car with blur");
  s.Width = 1280;
  s.Height = 360;
  s.Frames = 17;
  s.Size = 44.0;
  s.OutlineRadius = 26.0;
  // Where the car is at time t (in frames), also between frames, during the exposure.
  auto car = [](double t) { return TPointD(60.0 + 65.0 * t + 0.3 * t * t, 200.0); };
  s.Truth = [car](int n) { return car(n); };
  s.Draw = [car](int n) {
    const QImage floor = [] {
      QImage f = detail::Canvas(1280, 360, QColor(150, 140, 120));
      QPainter p(&f);
      for (int x = 0; x < 1280; x += 80) p.fillRect(x, 0, 3, 360, QColor(120, 110, 95));
      p.end();
      return f;
    }();
    // The exposure: the car drawn at 9 moments over a third of a frame, averaged.
    constexpr int moments = 9;
    std::vector<double> sum(size_t(1280 * 360 * 3), 0.0);
    for (int k = 0; k < moments; ++k) {
      const double t = n + (k - (moments - 1) / 2.0) / (moments - 1) / 3.0;
      const TPointD c = car(t);
      QImage shot = floor;
      QPainter painter(&shot);
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(30, 90, 200));
      painter.drawRoundedRect(QRectF(c.X + 0.5 - 22.0, c.Y + 0.5 - 10.0, 44.0, 20.0), 5.0, 5.0);
      painter.setBrush(QColor(230, 230, 60));
      painter.drawRect(QRectF(c.X + 0.5 - 8.0, c.Y + 0.5 - 6.0, 16.0, 12.0));
      detail::Disc(painter, TPointD(c.X - 12.0, c.Y + 10.0), 5.0, 5.0, QColor(20, 20, 20));
      detail::Disc(painter, TPointD(c.X + 12.0, c.Y + 10.0), 5.0, 5.0, QColor(20, 20, 20));
      painter.end();
      for (int y = 150; y < 240; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(shot.constScanLine(y));
        for (int x = 0; x < 1280; ++x) {
          double *px = &sum[size_t((y * 1280 + x) * 3)];
          px[0] += qRed(line[x]);
          px[1] += qGreen(line[x]);
          px[2] += qBlue(line[x]);
        }
      }
    }
    QImage image = floor;
    for (int y = 150; y < 240; ++y) {
      QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
      for (int x = 0; x < 1280; ++x) {
        const double *px = &sum[size_t((y * 1280 + x) * 3)];
        line[x] = qRgb(int(px[0] / moments + 0.5), int(px[1] / moments + 0.5), int(px[2] / moments + 0.5));
      }
    }
    detail::AddNoise(image, 2.0, 200 + unsigned(n));
    return detail::To24(image);
  };
  return s;
}

// A translucent pink ball juggled in front of a brick wall, a hand of skin colour moving
// close by.
inline TRenderedScene TranslucentBall() {
  TRenderedScene s;
  s.Name = QStringLiteral("translucent ball, hand nearby");
  s.Frames = 40;
  s.Size = 28.0;
  s.OutlineRadius = 17.0;
  s.Truth = [](int n) { return TPointD(200.0 + 6.0 * n, 400.0 - 18.0 * n + 0.45 * n * n); };
  s.Draw = [truth = s.Truth](int n) {
    static const QImage wall = detail::BrickWall(640, 480);
    QImage image = wall;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The hand: a skin-coloured blob the ball leaves from and passes again.
    const TPointD hand(200.0 + 7.0 * n, 452.0 - 4.0 * std::sin(n / 3.0));
    detail::Disc(painter, hand, 22.0, 15.0, QColor(224, 172, 140));
    detail::Disc(painter, truth(n), 14.0, 14.0, QColor(255, 105, 180, 150));
    painter.end();
    detail::AddNoise(image, 3.0, 300 + unsigned(n));
    return detail::To24(image);
  };
  return s;
}

// A large white object (70 x 45) carried across a dark board onto a light wall, below it a
// chalk-coloured ledge.
inline TRenderedScene BackgroundChange() {
  TRenderedScene s;
  s.Name = QStringLiteral("large object over a change of background");
  s.Frames = 60;
  s.Size = 70.0;
  s.OutlineRadius = 40.0;
  s.Truth = [](int n) { return TPointD(70.0 + 8.5 * n, 200.0 + 20.0 * std::sin(n / 12.0)); };
  s.Draw = [truth = s.Truth](int n) {
    QImage image = detail::Canvas(640, 480, QColor(45, 60, 50));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(320.0, 0.0, 320.0, 480.0), QColor(190, 185, 170));
    painter.fillRect(QRectF(0.0, 265.0, 640.0, 18.0), QColor(238, 236, 225));
    const TPointD c = truth(n);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 250, 250));
    painter.drawRoundedRect(QRectF(c.X + 0.5 - 35.0, c.Y + 0.5 - 22.5, 70.0, 45.0), 8.0, 8.0);
    painter.setBrush(QColor(60, 60, 200));
    painter.drawRect(QRectF(c.X + 0.5 - 20.0, c.Y + 0.5 - 4.0, 40.0, 8.0));
    painter.end();
    detail::AddNoise(image, 3.0, 400 + unsigned(n));
    return detail::To24(image);
  };
  return s;
}

// A tiny object (8 x 5) held in a hand, then dropped: it tumbles and darkens as it falls,
// and a look-alike lies some way off.
inline TRenderedScene TinyChanging() {
  TRenderedScene s;
  s.Name = QStringLiteral("tiny object that changes look");
  s.Frames = 30;
  s.Size = 8.0;
  s.OutlineRadius = 7.0;
  s.Truth = [](int n) {
    if (n < 8) return TPointD(300.0 + 1.5 * n, 120.0 + 0.5 * n);
    const double t = n - 8;
    return TPointD(312.0 + 2.0 * t, 124.0 + 1.0 * t + 0.6 * t * t);
  };
  s.Draw = [truth = s.Truth](int n) {
    QImage image = detail::Canvas(640, 480, QColor(70, 80, 95));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const TPointD c = truth(n);
    if (n < 8) detail::Disc(painter, TPointD(c.X + 14.0, c.Y + 4.0), 12.0, 9.0, QColor(225, 175, 145));
    // The look-alike, 148 pixels away.
    painter.save();
    painter.translate(312.0 + 148.0, 200.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 200, 40));
    painter.drawEllipse(QPointF(0.5, 0.5), 4.0, 2.5);
    painter.restore();
    const double turn = n < 8 ? 0.0 : (n - 8) * 6.0;
    const int shade = n < 8 ? 0 : std::min(60, (n - 8) * 3);
    painter.translate(c.X + 0.5, c.Y + 0.5);
    painter.rotate(turn);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250 - shade, 200 - shade, 40));
    painter.drawEllipse(QPointF(0.0, 0.0), 4.0, 2.5);
    painter.end();
    detail::AddNoise(image, 2.0, 500 + unsigned(n));
    return detail::To24(image);
  };
  return s;
}

// A green ball rolling over a patterned floor, every frame through a low-quality JPEG coder
// after sensor noise.
inline TRenderedScene CompressionNoise() {
  TRenderedScene s;
  s.Name = QStringLiteral("ball under compression noise");
  s.Frames = 60;
  s.Size = 20.0;
  s.OutlineRadius = 13.0;
  s.Truth = [](int n) { return TPointD(320.0 + 200.0 * std::sin(n / 10.0), 240.0 + 120.0 * std::sin(n / 7.0)); };
  s.Draw = [truth = s.Truth](int n) {
    QImage image = detail::Canvas(640, 480, QColor(170, 160, 140));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int y = 0; y < 480; y += 40)
      for (int x = (y / 40) % 2 * 40; x < 640; x += 80) painter.fillRect(x, y, 40, 40, QColor(150, 140, 125));
    detail::Disc(painter, truth(n), 10.0, 10.0, QColor(40, 170, 60));
    painter.end();
    detail::AddNoise(image, 6.0, 600 + unsigned(n));
    return detail::To24(detail::Compressed(image, 25));
  };
  return s;
}

// A ball thrown across a 1280 x 720 picture at 66 pixels a frame.
inline TRenderedScene FastProjectile() {
  TRenderedScene s;
  s.Name = QStringLiteral("projectile at 66 px a frame");
  s.Width = 1280;
  s.Height = 720;
  s.Frames = 18;
  s.Size = 24.0;
  s.OutlineRadius = 15.0;
  s.Truth = [](int n) { return TPointD(60.0 + 66.0 * n, 600.0 - 50.0 * n + 2.8 * n * n); };
  s.Draw = [truth = s.Truth](int n) {
    QImage image = detail::Canvas(1280, 720, QColor(210, 215, 225));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0.0, 660.0, 1280.0, 60.0), QColor(120, 100, 80));
    detail::Disc(painter, truth(n), 12.0, 12.0, QColor(220, 60, 30));
    painter.end();
    detail::AddNoise(image, 2.0, 700 + unsigned(n));
    return detail::To24(image);
  };
  return s;
}

inline std::vector<TRenderedScene> AllScenes() {
  return {BallPastRuler(),  BlurredCar(),       TranslucentBall(), BackgroundChange(),
          TinyChanging(),   CompressionNoise(), FastProjectile()};
}

// How a run over a scene compares with the truth.
struct TSceneScore {
  int Frames = 0;
  int Within = 0;       // within the tolerance (found or uncertain)
  int FoundFarOff = 0;  // reported "found" more than three tolerances off
  int Found = 0, Uncertain = 0, Lost = 0;
  double Rms = 0.0;     // over the frames located
  double Share() const { return Frames == 0 ? 0.0 : double(Within) / Frames; }
};

// The circle a user draws round the object on the first frame, as fractions of the frame.
inline TPointDDynArray StartOutline(const TRenderedScene &scene) {
  const TPointD c = scene.Truth(0);
  return testing::CircleOutlineFractions(TPointD(c.X + 0.5, c.Y + 0.5), scene.OutlineRadius, scene.Width, scene.Height);
}

// A scene's frames, drawn as the run asks for them.
class TRenderedFrames : public ITrackFrames {
 public:
  explicit TRenderedFrames(const TRenderedScene &scene) : Scene(scene) {}
  int FrameCount() const override { return Scene.Frames; }
  void GoTo(int frame) override { Current = frame; }
  bool Grab(QImage &picture) override {
    picture = Scene.Draw(Current);
    return true;
  }

 private:
  const TRenderedScene &Scene;
  int Current = 0;
};

// Tracks the scene from its first frame to its last, as a user who drew the start circle
// and left the radius, and scores every frame after the first against the truth.
inline TSceneScore ScoreScene(const TRenderedScene &scene, std::vector<TTrackSample> *samples = nullptr) {
  TRenderedFrames frames(scene);
  TTrackRun run(frames);
  TTrackSetup setup;
  setup.Outline = StartOutline(scene);
  setup.EndFrame = scene.Frames - 1;
  setup.Radius = scene.Radius;
  TSceneScore score;
  if (run.Start(setup) != teNone) return score;
  double squares = 0.0;
  int located = 0;
  const double tolerance = scene.Tolerance();
  while (run.Next()) {
    const TTrackSample &s = run.Last();
    if (samples != nullptr) samples->push_back(s);
    ++score.Frames;
    const TPointD truth = scene.Truth(s.Frame);
    const double error = std::hypot(s.Pixel.X - 0.5 - truth.X, s.Pixel.Y - 0.5 - truth.Y);
    if (s.Status == fsFound) ++score.Found;
    if (s.Status == fsUncertain) ++score.Uncertain;
    if (!s.Located()) {
      ++score.Lost;
      continue;
    }
    squares += error * error;
    ++located;
    if (error <= tolerance) ++score.Within;
    if (s.Status == fsFound && error > 3.0 * tolerance) ++score.FoundFarOff;
  }
  score.Rms = located == 0 ? 0.0 : std::sqrt(squares / located);
  return score;
}

}  // namespace kolibra::tracking::scenes
