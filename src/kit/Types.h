#pragma once
// Plain value types shared by every subsystem: integer pixel points, real points,
// real rectangles and the zero-based dynamic arrays and matrices built on them.

#include <QPoint>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <vector>

namespace kolibra {

// An integer point in pixels (on a frame or on screen).
struct TPoint {
  int X = 0;
  int Y = 0;

  constexpr TPoint() = default;
  constexpr TPoint(int x, int y) : X(x), Y(y) {}
  explicit TPoint(const QPoint &p) : X(p.x()), Y(p.y()) {}
  QPoint ToQPoint() const { return QPoint(X, Y); }
  friend constexpr bool operator==(const TPoint &, const TPoint &) = default;
};

// A point with real coordinates; positions stored by the document are frame-relative.
struct TPointD {
  double X = 0.0;
  double Y = 0.0;

  constexpr TPointD() = default;
  constexpr TPointD(double x, double y) : X(x), Y(y) {}
  constexpr TPointD(const TPoint &p) : X(p.X), Y(p.Y) {}  // exact
  QPointF ToQPointF() const { return QPointF(X, Y); }
};

constexpr TPointD PointD(double x, double y) { return TPointD(x, y); }

// Four reals in this order: XMin, XMax, YMin, YMax.
struct TRectD {
  double XMin = 0.0;
  double XMax = 0.0;
  double YMin = 0.0;
  double YMax = 0.0;
};

// A symbol vertex with a sign flag (used by the symbol outlines).
struct TPointSigne {
  int X = 0;
  int Y = 0;
  int Signe = 0;
};

using TDoubleDynArray = std::vector<double>;
using TIntegerDynArray = std::vector<int>;
using TStringDynArray = std::vector<QString>;
using TPointDynArray = std::vector<TPoint>;
using TPointDDynArray = std::vector<TPointD>;
using TPointSigneDynArray = std::vector<TPointSigne>;

// Matrices are arrays of rows.
using TMatriceD = std::vector<TDoubleDynArray>;
using TMatriceI = std::vector<TIntegerDynArray>;
using TMatriceStr = std::vector<TStringDynArray>;
using TMatricePoint = std::vector<TPointDynArray>;
using TMatrice3Point = std::vector<TMatricePoint>;

}  // namespace kolibra
