#pragma once
// TCalcul: every result quantity of one measurement mode (the fixed axes, or the layer),
// for every object, sample by sample.
//
// What it caches: the series of the mode's mark collection as they were at the last
// Compute (the times, the frame numbers and the positions relative to the origin), the
// scale factors, axis angle, direction flags and frame interval it used, the coordinates
// in both frames of reference (the axes and the camera), and, after ComputeDerivatives,
// the velocities, accelerations, polar angle, radius and angular velocity. Every matrix is
// [object][sample]; where an object has no mark its FrameIndex is -1 and every value 0.
// Each object also keeps a compact copy of its own defined samples: derivatives are taken
// over those alone, so an object missing on a frame never borrows another's samples.
//
// When it is stale: after any change of what it read. The measurement document tells the
// facade TResCalc (which implements IResultsInvalidation) and the facade calls Invalidate:
// the mode's calculator after a change of its marks, origins, axes, layer or objects; both
// after a change of the scale or the time base; the main window does the same for both
// after the calculation options change. A fresh calculator is empty and not stale.
//
// Who recomputes: readers (the results window, the formulas, the export) call Compute and
// ComputeDerivatives through the facade when IsStale says so. ComputeDerivatives computes
// the positions first when they are stale, so derivatives never mix two states of the
// document. A failed Compute leaves the calculator empty and stale; its code is what
// ComputeDerivatives then returns, so the user is told the first thing that went wrong.
//
// Results are codes of ResultCodes.h; the first failure wins and names its object
// (FailedObject).
//
// Dynamics: Compute reads each object's mass (the document's, for this mode) and g (the
// options'). For an object with a mass, ComputeDerivatives also gives the momentum
// (px, py, p) and the energies (Ek, Ep = m g y, Em = Ek + Ep) in both frames, from the
// velocities as they were smoothed. Ep (and so Em) is defined in the camera frame, whose
// vertical points up, and in the axes frame only when its y axis points straight up.
// When two objects or more have masses, two pseudo-objects follow the real ones in every
// matrix: the centre of mass (index CentreOfMass(): positions, velocities, accelerations,
// momentum and energies of a point of the total mass) and the totals (index Totals(): the
// sums of the objects' momentum and energies). Both are marked only on the samples where
// every object with a mass is; ObjectsCount stays the number of real objects.

#include "kinematics/Quantities.h"
#include "kinematics/ResultCodes.h"
#include "kit/Types.h"

#include <functional>
#include <vector>

namespace kolibra::measurement {
class TData;
class TRepere;
}  // namespace kolibra::measurement

namespace kolibra::settings {
class TOptions;
}

namespace kolibra::kinematics {

// Bits of the smoothing flags of ComputeDerivatives (the results window's two commands).
enum TSmoothingFlags : int { sfVelocity = 1, sfAcceleration = 2 };

class TCalcul {
 public:
  // layer: the calculator of layer measurement (the layer's marks and system); otherwise
  // that of the fixed axes.
  TCalcul(const measurement::TData &data, const settings::TOptions &options, bool layer);

  bool IsLayer() const { return Layer; }

  // Whether a video is open. Without a query the calculator asks the document's view for a
  // frame of positive size.
  void SetVideoOpenQuery(std::function<bool()> query) { VideoOpenQuery = std::move(query); }

  void Invalidate() { Stale = true; }
  bool IsStale() const { return Stale; }

  // Positions of every object in both frames. krNoVideo, krNoScale (the calculator is then
  // left empty and stale) or krOk.
  int Compute();
  // Velocities, accelerations and polar quantities, smoothed as flags say (TSmoothingFlags).
  // krOk, the failure of Compute, krNoObject, or the first failure of a derivation.
  int ComputeDerivatives(int flags);
  // The code of the last Compute or ComputeDerivatives, and the object it concerns (-1
  // when it concerns none).
  int LastResult() const { return Result; }
  int FailedObject() const { return FailedObjectIndex; }

  // --- What the last computation found --------------------------------------------------

  int ObjectsCount() const { return Objects; }
  // The real objects and the pseudo-objects: every object index Value and HasMark take.
  int RowsCount() const { return Objects + PseudoObjects; }
  // The pseudo-objects' indexes; -1 when fewer than two objects have masses.
  int CentreOfMass() const { return PseudoObjects > 0 ? Objects : -1; }
  int Totals() const { return PseudoObjects > 0 ? Objects + 1 : -1; }
  bool IsPseudoObject(int object) const { return PseudoObjects > 0 && object >= Objects && object < RowsCount(); }
  // The mass the last Compute read (the total mass for the pseudo-objects); 0 without one.
  double Mass(int object) const;
  bool HasMass(int object) const { return Mass(object) > 0.0; }
  int MassiveObjectsCount() const;
  double Gravity() const { return G; }
  // Whether Ep and Em are defined in frame: always in the camera's, in the axes' only when
  // their y axis points up.
  bool PotentialEnergyDefined(int frame) const { return frame == rfCamera || AxesPointUp; }
  // Whether a value exists: the object is marked there, has a mass for a dynamic kind, and
  // its potential energy is defined in frame for Ep and Em. The time always exists.
  bool IsDefined(int frame, int object, int kind, int sample) const;
  int SamplesCount() const { return int(TimesArray.size()); }
  TPointD ScaleFactors() const { return TPointD(Sx, Sy); }
  // The axis angle and the frame interval the last Compute used.
  double AxisAngle() const { return Theta; }
  double FrameInterval() const { return Interval; }

  // 0 out of range.
  double Time(int sample) const;
  // Value of kind in frame (ReferenceFrame) for one object at one sample; the time for kind
  // 0; 0 when the object, the sample, the frame or the kind is out of range.
  double Value(int frame, int object, int kind, int sample) const;
  // Frames from the first marked one, -1 where the object has no mark; 0 out of range.
  int FrameIndex(int object, int sample) const;
  bool HasMark(int object, int sample) const;
  // True at the edgeCount first and edgeCount last defined samples of the object (those
  // whose derivatives the options may hide), and where it has no mark.
  bool IsEdge(int object, int sample, int edgeCount) const;
  // The number a user reads for a sample: its rank + 1, or its rank when mark numbering
  // starts at zero.
  int PointNumber(int sample) const;

  // Whole arrays, as the formulas read them.
  const TDoubleDynArray &Times() const { return TimesArray; }
  const TIntegerDynArray &PointNumbers() const { return Ranks; }
  TIntegerDynArray FrameIndexRow(int object) const;
  // [object][sample] of a kind in a frame: the times for kind 0, zeros for an unused kind.
  TMatriceD Matrix(int frame, int kind) const;

  // Extremes over the samples where the object has a mark, from -1e100 (greatest) and
  // 1e100 (smallest); the second form over every object.
  double MaxValue(int frame, int kind, int object) const;
  double MinValue(int frame, int kind, int object) const;
  double MaxValue(int frame, int kind) const;
  double MinValue(int frame, int kind) const;

  // (value of xKind, value of yKind) at every sample where the object has a mark, with the
  // point numbers of those samples.
  void CurvePoints(int frame, int object, int xKind, int yKind, TPointDDynArray &points,
                   TIntegerDynArray &numbers) const;
  // (X - Xref, Y - Yref) in the axes frame where both objects have a mark, with the point
  // numbers; the single point (0, 0) (numbered as the first sample) when they are the same.
  void RelativeTrajectory(int reference, int object, TPointDDynArray &points,
                          TIntegerDynArray &numbers) const;

 private:
  // One object's defined samples, in sample order.
  struct TObjectSeries {
    TIntegerDynArray Samples;  // where they sit among all samples
    TDoubleDynArray Frames;    // the abscissas of every derivative: frame numbers, or times on stamps
    TDoubleDynArray RawX;      // frame-relative displacement from the origin
    TDoubleDynArray RawY;      // the same, upward
    TDoubleDynArray X;         // axes frame
    TDoubleDynArray Y;
  };
  // What a derivative in frame-relative units per second becomes in both frames.
  struct TFrameComponents {
    TDoubleDynArray CameraX, CameraY, AxesX, AxesY, Value;
  };

  void Clear();
  void ClearDerivatives();
  int Finish(int result, int object = -1);
  bool VideoOpen() const;
  const measurement::TRepere &System() const;
  // The axes-frame components of a camera-frame vector (rotation, then the direction flags).
  TPointD ToAxes(double u, double v) const;
  // Velocity and acceleration of one object; a failure stops the computation.
  int DeriveMotion(int object, int flags);
  // Angle, radius and angular velocity of one object; a failure is reported but the other
  // objects are still computed.
  int DerivePolar(int object, int flags);
  // Scales raw derivatives into both frames.
  TFrameComponents Components(const TDoubleDynArray &rawX, const TDoubleDynArray &rawY) const;
  // Writes a compact series of one object back into its row of a matrix.
  void Expand(const TObjectSeries &series, const TDoubleDynArray &values, TDoubleDynArray &row) const;
  // Masses, the pseudo-objects' rows and positions, after the real objects' positions.
  void ComputeMassesAndCentre();
  // Momentum and energies of every object with a mass, then the pseudo-objects'.
  void ComputeDynamics();
  const TMatriceD *Stored(int frame, int kind) const;
  TMatriceD *Stored(int frame, int kind) {
    return const_cast<TMatriceD *>(static_cast<const TCalcul *>(this)->Stored(frame, kind));
  }
  bool ValidObject(int object) const { return object >= 0 && object < RowsCount(); }
  bool ValidSample(int sample) const { return sample >= 0 && sample < SamplesCount(); }

  const measurement::TData *Data;
  const settings::TOptions *Options;
  bool Layer;
  std::function<bool()> VideoOpenQuery;

  bool Stale = false;
  int Result = krOk;
  int ComputeResult = krOk;
  int FailedObjectIndex = -1;

  int Objects = 0;
  int PseudoObjects = 0;         // 2 with a centre of mass, else 0
  TDoubleDynArray Masses;        // [object] kg, 0 without a mass; totals for the pseudo-objects
  double G = 0.0;
  bool AxesPointUp = false;
  double Sx = 0.0;
  double Sy = 0.0;
  double Theta = 0.0;
  double CosTheta = 1.0;
  double SinTheta = 0.0;
  bool DirectX = true;
  bool DirectY = true;
  double Interval = 0.0;
  bool Stamped = false;          // times are the video's stamps
  double DerivationUnit = 0.0;   // seconds per unit of the derivatives' abscissas

  TDoubleDynArray TimesArray;
  TMatriceI FrameIndexMatrix;
  TIntegerDynArray Ranks;
  TMatriceI DefinedRank;         // rank of a sample among the object's defined ones, -1
  TIntegerDynArray DefinedCount;
  TMatriceD RawX, RawY;
  TMatriceD X[2], Y[2];          // indexed by ReferenceFrame
  TMatriceD Vx[2], Vy[2], Ax[2], Ay[2];
  TMatriceD V, A, O, R, W;
  TMatriceD Px[2], Py[2], Ep[2], Em[2];
  TMatriceD P, Ek;
  std::vector<TObjectSeries> Series;
};

}  // namespace kolibra::kinematics
