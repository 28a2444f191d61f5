// TCalcul's read side: single values, whole arrays, extremes and the point lists of the
// graphs. Every query answers 0 (or nothing) out of range rather than fail: the results
// window and the formulas ask with indexes of their own lists, which may be a step behind.

#include "kinematics/Calcul.h"

#include "settings/Options.h"

#include <algorithm>

namespace kolibra::kinematics {

namespace calcul_queries_impl {

constexpr double LowestStart = -1e100;
constexpr double HighestStart = 1e100;

}  // namespace calcul_queries_impl

const TMatriceD *TCalcul::Stored(int frame, int kind) const {
  if (HasTwoFrames(kind) && frame != rfAxes && frame != rfCamera) return nullptr;
  const int f = frame == rfCamera ? rfCamera : rfAxes;
  switch (kind) {
    case qkX:
      return &X[f];
    case qkY:
      return &Y[f];
    case qkVx:
      return &Vx[f];
    case qkVy:
      return &Vy[f];
    case qkV:
      return &V;
    case qkAx:
      return &Ax[f];
    case qkAy:
      return &Ay[f];
    case qkA:
      return &A;
    case qkAngle:
      return &O;
    case qkRadius:
      return &R;
    case qkOmega:
      return &W;
    case qkPx:
      return &Px[f];
    case qkPy:
      return &Py[f];
    case qkP:
      return &P;
    case qkEk:
      return &Ek;
    case qkEp:
      return &Ep[f];
    case qkEm:
      return &Em[f];
    default:
      return nullptr;
  }
}

double TCalcul::Time(int sample) const { return ValidSample(sample) ? TimesArray[size_t(sample)] : 0.0; }

double TCalcul::Value(int frame, int object, int kind, int sample) const {
  if (!ValidSample(sample) || !ValidObject(object)) return 0.0;
  if (kind == qkTime) return TimesArray[size_t(sample)];
  const TMatriceD *matrix = Stored(frame, kind);
  if (matrix == nullptr || size_t(object) >= matrix->size()) return 0.0;
  const TDoubleDynArray &row = (*matrix)[size_t(object)];
  return size_t(sample) < row.size() ? row[size_t(sample)] : 0.0;
}

int TCalcul::FrameIndex(int object, int sample) const {
  if (!ValidSample(sample) || !ValidObject(object)) return 0;
  return FrameIndexMatrix[size_t(object)][size_t(sample)];
}

bool TCalcul::HasMark(int object, int sample) const {
  return ValidSample(sample) && ValidObject(object) && FrameIndexMatrix[size_t(object)][size_t(sample)] >= 0;
}

bool TCalcul::IsEdge(int object, int sample, int edgeCount) const {
  if (!HasMark(object, sample)) return true;
  // A pseudo-object's value rests on every object with a mass: an edge of one is its edge.
  if (IsPseudoObject(object)) {
    for (int o = 0; o < Objects; ++o)
      if (HasMass(o) && IsEdge(o, sample, edgeCount)) return true;
    return false;
  }
  const int rank = DefinedRank[size_t(object)][size_t(sample)];
  const int count = DefinedCount[size_t(object)];
  return rank < edgeCount || rank >= count - edgeCount;
}

int TCalcul::PointNumber(int sample) const {
  const int rank = ValidSample(sample) ? Ranks[size_t(sample)] : sample;
  return Options->CheckBox36StartByZero_Checked ? rank : rank + 1;
}

TIntegerDynArray TCalcul::FrameIndexRow(int object) const {
  if (!ValidObject(object)) return TIntegerDynArray();
  return FrameIndexMatrix[size_t(object)];
}

TMatriceD TCalcul::Matrix(int frame, int kind) const {
  if (kind == qkTime) return TMatriceD(size_t(RowsCount()), TimesArray);
  if (const TMatriceD *matrix = Stored(frame, kind)) return *matrix;
  return TMatriceD(size_t(RowsCount()), TDoubleDynArray(TimesArray.size(), 0.0));
}

double TCalcul::MaxValue(int frame, int kind, int object) const {
  double best = calcul_queries_impl::LowestStart;
  for (int k = 0; k < SamplesCount(); ++k)
    if (HasMark(object, k)) best = std::max(best, Value(frame, object, kind, k));
  return best;
}

double TCalcul::MinValue(int frame, int kind, int object) const {
  double best = calcul_queries_impl::HighestStart;
  for (int k = 0; k < SamplesCount(); ++k)
    if (HasMark(object, k)) best = std::min(best, Value(frame, object, kind, k));
  return best;
}

double TCalcul::MaxValue(int frame, int kind) const {
  double best = calcul_queries_impl::LowestStart;
  for (int o = 0; o < Objects; ++o) best = std::max(best, MaxValue(frame, kind, o));
  return best;
}

double TCalcul::MinValue(int frame, int kind) const {
  double best = calcul_queries_impl::HighestStart;
  for (int o = 0; o < Objects; ++o) best = std::min(best, MinValue(frame, kind, o));
  return best;
}

void TCalcul::CurvePoints(int frame, int object, int xKind, int yKind, TPointDDynArray &points,
                          TIntegerDynArray &numbers) const {
  points.clear();
  numbers.clear();
  for (int k = 0; k < SamplesCount(); ++k) {
    if (!HasMark(object, k)) continue;
    points.emplace_back(Value(frame, object, xKind, k), Value(frame, object, yKind, k));
    numbers.push_back(PointNumber(k));
  }
}

void TCalcul::RelativeTrajectory(int reference, int object, TPointDDynArray &points,
                                 TIntegerDynArray &numbers) const {
  points.clear();
  numbers.clear();
  if (!ValidObject(reference) || !ValidObject(object)) return;
  if (reference == object) {
    points.emplace_back(0.0, 0.0);
    numbers.push_back(PointNumber(0));
    return;
  }
  for (int k = 0; k < SamplesCount(); ++k) {
    if (!HasMark(object, k) || !HasMark(reference, k)) continue;
    points.emplace_back(Value(rfAxes, object, qkX, k) - Value(rfAxes, reference, qkX, k),
                        Value(rfAxes, object, qkY, k) - Value(rfAxes, reference, qkY, k));
    numbers.push_back(PointNumber(k));
  }
}

}  // namespace kolibra::kinematics
