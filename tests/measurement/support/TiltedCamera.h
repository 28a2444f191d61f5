#pragma once
// A camera that does not face the plane of the motion squarely: a pinhole turned about the
// vertical (yaw) and about the horizontal (pitch), looking at the centre of a 1.60 x 0.90 m
// board in a vertical plane, through a lens that bends lines radially. It gives where a point
// of the board's plane is seen in a 1280 x 720 picture, in frame pixels from the corner,
// exactly, and the ball thrown in that plane the tests measure.

#include "kit/Types.h"
#include "measurement/PlaneCalibration.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace kolibra::measurement::testing {

struct TTiltedCamera {
  int Width = 1280;
  int Height = 720;
  double YawDegrees = 0.0;
  double PitchDegrees = 0.0;
  double FocalPixels = 1100.0;  // the pinhole's
  double Distance = 2.2;        // metres from the camera to the board's centre
  // The lens, on picture coordinates from the centre divided by the picture's width.
  double K1 = 0.0;
  double K2 = 0.0;

  static constexpr double BoardWidth = 1.60;
  static constexpr double BoardHeight = 0.90;

  // The perfect pinhole's picture of the plane point (x, y) in metres (origin at the board's
  // bottom-left corner, x to the right, y up).
  TPointD Pinhole(double x, double y) const {
    const double px = x - BoardWidth / 2.0, py = y - BoardHeight / 2.0;
    const double yaw = YawDegrees * std::numbers::pi / 180.0, pitch = PitchDegrees * std::numbers::pi / 180.0;
    // Turned about the vertical, then about the camera's horizontal.
    const double x1 = px * std::cos(yaw), y1 = py, z1 = -px * std::sin(yaw);
    const double x2 = x1, y2 = y1 * std::cos(pitch) - z1 * std::sin(pitch);
    const double z2 = y1 * std::sin(pitch) + z1 * std::cos(pitch) + Distance;
    return TPointD(Width / 2.0 + FocalPixels * x2 / z2, Height / 2.0 - FocalPixels * y2 / z2);
  }

  // Where the lens shows a perfect picture point.
  TPointD Lens(TPointD p) const {
    const double cx = Width / 2.0, cy = Height / 2.0;
    const double x = (p.X - cx) / Width, y = (p.Y - cy) / Width;
    const double r2 = x * x + y * y;
    const double g = 1.0 + K1 * r2 + K2 * r2 * r2;
    return TPointD(cx + Width * x * g, cy + Width * y * g);
  }

  // What the picture shows of the plane point (x, y).
  TPointD Seen(double x, double y) const { return Lens(Pinhole(x, y)); }

  // The board's corners as seen, in the calibration's order: (0, 0), (W, 0), (W, H), (0, H).
  TPlaneCalibration::TCorners BoardCorners() const {
    return {Seen(0, 0), Seen(BoardWidth, 0), Seen(BoardWidth, BoardHeight), Seen(0, BoardHeight)};
  }
  // The picture of a printed checkerboard of columns x rows inner corners with squares of
  // side square (metres), centred on the board, white around it; its edges bend with the
  // lens as the camera shows them.
  QImage Checkerboard(int columns, int rows, double square) const {
    QImage picture(Width, Height, QImage::Format_RGB888);
    picture.fill(QColor(235, 235, 235));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 20, 20));
    const double x0 = BoardWidth / 2.0 - (columns + 1) * square / 2.0;
    const double y0 = BoardHeight / 2.0 - (rows + 1) * square / 2.0;
    constexpr int steps = 8;
    for (int i = 0; i <= columns; ++i)
      for (int j = 0; j <= rows; ++j) {
        if ((i + j) % 2 != 0) continue;
        const double left = x0 + i * square, bottom = y0 + j * square;
        const double xs[4] = {left, left + square, left + square, left};
        const double ys[4] = {bottom, bottom, bottom + square, bottom + square};
        QPolygonF outline;
        for (int side = 0; side < 4; ++side)
          for (int k = 0; k < steps; ++k) {
            const double t = double(k) / steps;
            const int next = (side + 1) % 4;
            const TPointD p = Seen(xs[side] + (xs[next] - xs[side]) * t, ys[side] + (ys[next] - ys[side]) * t);
            outline << QPointF(p.X, p.Y);
          }
        painter.drawPolygon(outline);
      }
    return picture;
  }

  // The lens as Kolibra describes it (centre and focal length left at their defaults).
  TLens LensModel() const {
    TLens lens;
    lens.K1 = K1;
    lens.K2 = K2;
    return lens;
  }
};

// The ball thrown in the board's plane, at time t (seconds): metres.
inline constexpr double Gravity = 9.81;
inline TPointD ThrownBall(double t) { return TPointD(0.20 + 1.2 * t, 0.10 + 3.5 * t - Gravity * t * t / 2.0); }

}  // namespace kolibra::measurement::testing
