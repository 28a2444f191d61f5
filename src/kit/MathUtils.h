#pragma once
// Numeric and geometry helpers shared by every subsystem: the guards through which reals are
// compared, the one number-to-text rule of all results, plane geometry on pixel and real
// points, series statistics, axis graduation, a small dense solver and a bisection root
// finder. Everything here is a free function without state, so every call is re-entrant.

#include "kit/Types.h"

#include <QString>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <vector>

namespace kolibra {

// ---------------------------------------------------------------------------------------------
// Guards and rounding
// ---------------------------------------------------------------------------------------------

// True when abs(x) < 1e-100 (false for a NaN). The only way reals are tested for zero.
bool IsNearZero(double x);

// True unless abs(x) <= 1e100, so also for infinities and NaN.
bool IsHuge(double x);

// Clamps x to [-2147483647, 2147483647] and rounds halves to even; NaN gives 0.
int RoundClamped(double x);

// a + b brought into [-pi, pi] by whole turns; a bound itself is kept. NaN for a non-finite sum.
double NormalizeAngle(double a, double b);

// a brought into [0, 2pi] by whole turns; NaN for a non-finite angle.
double NormalizeAnglePositive(double a);

// Trunc(log10(n)): 0 for 1..9, 1 for 10..99, ...; 0 for n <= 0, which has no order.
int DecimalOrder(int n);

// ---------------------------------------------------------------------------------------------
// Number to text
// ---------------------------------------------------------------------------------------------

// The results' number-to-text rule with the regional decimal separator. Offset is a signed
// precision offset, 0 by default (above 8 taken as 8, below -3 as -3): fixed notation for
// 0.01 <= abs(x) <= 10000 (Offset + 4 significant digits at most), scientific notation
// ("1.23E-3") elsewhere, "0" for zero and "#Number!" for NaN and infinities.
QString FormatReal(int offset, double x);

// Replaces every "," and "." in s by the regional decimal separator.
QString LocalizeDecimal(const QString &s);

// The two notations FormatReal is made of, with "." as the separator: fixed notation rounded
// at the coarser of `significant` significant digits and `decimals` decimals, zeros padded
// up to `decimals` ("12.30"); scientific notation with `digits` significant digits and at
// least `exponentDigits` exponent digits ("1.23E+4").
QString FixedNotation(double x, int significant, int decimals);
QString ScientificNotation(double x, int digits, int exponentDigits);

// ---------------------------------------------------------------------------------------------
// Geometry
// ---------------------------------------------------------------------------------------------

double DistanceD(TPointD a, TPointD b);
double DistanceI(TPoint a, TPoint b);

// Same point within IsNearZero on both coordinates / exactly.
bool SamePointD(TPointD a, TPointD b);
bool SamePointI(TPoint a, TPoint b);

// Signed angle at vertex b from ray b->c to ray b->a, in (-pi, pi]; +-pi/2 when the two
// segments are perpendicular (+ when the turn is counter-clockwise or straight).
double TurnAngle(TPoint a, TPoint b, TPoint c);
double TurnAngle(TPointD a, TPointD b, TPointD c);

// Orthogonal projection of p on the line through q parallel to a->b; p when a = b.
TPointD ProjectOnLine(TPointD p, TPointD q, TPointD a, TPointD b);

// Foot of the perpendicular from p on the line a->b; a when a and b coincide.
TPointD PerpendicularFoot(TPointD p, TPointD a, TPointD b);

// Circle through three points. False (radius 0, centre untouched) when two of them coincide
// or the three are collinear.
bool CircleThrough3(TPointD a, TPointD b, TPointD c, TPointD &centre, double &radius);

// Ramanujan's approximation of the perimeter of an ellipse with semi-axes a and b.
double EllipsePerimeter(double a, double b);

// 0 when p and q share X or Y; otherwise +1 or -1 telling which diagonal p-q follows
// (+1 for "\" in screen coordinates, -1 for "/").
int QuadrantSign(TPoint p, TPoint q);

// Cohen-Sutherland clipping of p1-p2 to the rectangle spanned by the two corners. A segment
// wholly outside comes back only partly clipped; callers test it against the rectangle.
void ClipSegment(TPoint &p1, TPoint &p2, TPoint corner1, TPoint corner2);

// Bounds of the points; an empty array gives XMin = YMin = 1e100 and XMax = YMax = -1e100,
// which UnionRectD treats as nothing.
TRectD BoundsD(const TPointDDynArray &points);
TRectD UnionRectD(const TRectD &r1, const TRectD &r2);

// Centre of the smallest circle holding the points (Elzinga-Hearn). With fewer than three
// points centre keeps its value.
void EnclosingCircleCentre(const TPointDDynArray &points, TPointD &centre);
// The same, also giving the radius (0 with fewer than three points, centre untouched then).
void EnclosingCircle(const TPointDDynArray &points, TPointD &centre, double &radius);

// ---------------------------------------------------------------------------------------------
// Series and statistics
// ---------------------------------------------------------------------------------------------

// Arithmetic mean; 0 for an empty array.
double MeanOf(const TDoubleDynArray &a);

// Pearson correlation over the shorter of the two lengths; 0 when either series is flat
// or empty.
double Correlation(const TDoubleDynArray &x, const TDoubleDynArray &y);

// sqrt(sum (a - b)^2 / n) over the shorter length n; -1 when n = 0.
double RmsDeviation(const TDoubleDynArray &a, const TDoubleDynArray &b);

// sqrt(sum (a - b)^2 / sum a^2) over the shorter length; -1 when sum a^2 is near zero.
double RelativeRmsDeviation(const TDoubleDynArray &a, const TDoubleDynArray &b);

// Extremes; an empty array gives -1.7e308 / 1.7e308 and -2147483647 / 2147483647.
double MaxOfD(const TDoubleDynArray &a);
double MinOfD(const TDoubleDynArray &a);
int MaxOfI(const TIntegerDynArray &a);
int MinOfI(const TIntegerDynArray &a);

// out[i] = k * a[i], out resized to the length of a (out may be a itself).
void ScaleArray(const TDoubleDynArray &a, double k, TDoubleDynArray &out);

// idx = 0..n-1 ordered by ascending values; equal values keep their order (NaN last).
void SortIndices(const TDoubleDynArray &values, TIntegerDynArray &idx);
void SortIndices(const TIntegerDynArray &values, TIntegerDynArray &idx);

// ---------------------------------------------------------------------------------------------
// Axes, linear systems and roots
// ---------------------------------------------------------------------------------------------

// Graduation of a graph axis from min to max: a round Step (0.2, 0.4, 0.6, 0.8, 1 or 2 times
// a power of ten), the First and Last graduations inside [min, max] and Count, the number of
// steps in the range plus one. Reversed bounds are swapped; non-finite bounds give
// First = min, Last = max, Step = 0 and Count = 0.
void AxisGraduation(double min, double max, double &first, double &last, double &step,
                    int &count);

// Solves a * x = b by Gaussian elimination with complete pivoting. x must have the system's
// length on entry. Returns true when the system is singular (or malformed, or its solution
// not finite), and then x is not written.
bool SolveLinearSystem(const TMatriceD &a, TDoubleDynArray &x, const TDoubleDynArray &b);

// Bisection of f(params, x) on [lo, hi] with up to maxIter + 1 halvings. False, root
// untouched, when lo >= hi, when f(lo) and f(hi) have the same sign, or when f throws or
// returns a value that is not finite. True otherwise, even when tol was not reached.
bool FindRoot(const std::function<double(const TDoubleDynArray &, double)> &f,
              const TDoubleDynArray &params, int maxIter, double lo, double hi, double tol,
              double &root);

// ---------------------------------------------------------------------------------------------
// Arrays
// ---------------------------------------------------------------------------------------------

// The length a growing point array takes before element n is written: n + 4 for n < 5,
// n + 8 up to 8, n + 16 up to 64, then n + n / 4.
int GrownLength(int n);

// Called before writing element n of a growing array; callers keep their own count.
template <typename T>
void GrowCapacity(std::vector<T> &arr, int n) {
  if (n >= 0 && n >= int(arr.size())) arr.resize(size_t(GrownLength(n)));
}

// Fills every cell of a matrix with one value.
void FillMatrix(TMatriceI &m, int value);
void FillMatrix(TMatrice3Point &m, TPoint value);

// Same length and same elements.
bool SameIntegers(const TIntegerDynArray &a, const TIntegerDynArray &b);

// Control polygons of the splines: the points with the first repeated in front, the last
// repeated at the end, or both. An empty list stays empty.
template <typename T>
std::vector<T> WithFirstRepeated(const std::vector<T> &points) {
  std::vector<T> out = points;
  if (!points.empty()) out.insert(out.begin(), points.front());
  return out;
}

template <typename T>
std::vector<T> WithLastRepeated(const std::vector<T> &points) {
  std::vector<T> out = points;
  if (!points.empty()) out.push_back(points.back());
  return out;
}

template <typename T>
std::vector<T> WithBothRepeated(const std::vector<T> &points) {
  return WithLastRepeated(WithFirstRepeated(points));
}

// An array of the given length holding the points, padded with (0, 0) (cut when longer).
template <typename T>
std::vector<T> PaddedPoints(const std::vector<T> &points, int length) {
  std::vector<T> out(points.begin(),
                     points.begin() + std::min<std::ptrdiff_t>(std::max(length, 0),
                                                               std::ptrdiff_t(points.size())));
  out.resize(size_t(std::max(length, 0)), T());
  return out;
}

template <typename T>
std::vector<T> PaddedPoints(std::initializer_list<T> points, int length) {
  return PaddedPoints(std::vector<T>(points), length);
}

}  // namespace kolibra
