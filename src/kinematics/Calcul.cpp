#include "kinematics/Calcul.h"

#include "kinematics/Deriv.h"
#include "measurement/Data.h"
#include "measurement/Repere.h"

#include <cmath>
#include <numbers>

namespace kolibra::kinematics {

namespace calcul_impl {

constexpr double FullTurn = 2.0 * std::numbers::pi;

TMatriceD ZeroMatrix(int objects, int samples) {
  return TMatriceD(size_t(objects), TDoubleDynArray(size_t(samples), 0.0));
}

}  // namespace calcul_impl

TCalcul::TCalcul(const measurement::TData &data, const settings::TOptions &options, bool layer)
    : Data(&data), Options(&options), Layer(layer) {}

const measurement::TRepere &TCalcul::System() const {
  if (Layer) return Data->Layer();
  return Data->Axes();
}

bool TCalcul::VideoOpen() const {
  if (VideoOpenQuery) return VideoOpenQuery();
  return Data->View().NativeFrameWidth() > 0 && Data->View().NativeFrameHeight() > 0;
}

int TCalcul::Finish(int result, int object) {
  Result = result;
  FailedObjectIndex = result == krOk ? -1 : object;
  return result;
}

void TCalcul::Clear() {
  Objects = 0;
  PseudoObjects = 0;
  Masses.clear();
  AxesPointUp = false;
  Sx = Sy = 0.0;
  TimesArray.clear();
  FrameIndexMatrix.clear();
  Ranks.clear();
  DefinedRank.clear();
  DefinedCount.clear();
  RawX.clear();
  RawY.clear();
  for (int f = 0; f < 2; ++f) {
    X[f].clear();
    Y[f].clear();
  }
  Series.clear();
  ClearDerivatives();
}

void TCalcul::ClearDerivatives() {
  const int samples = SamplesCount();
  const int rows = RowsCount();
  for (int f = 0; f < 2; ++f) {
    Vx[f] = Vy[f] = Ax[f] = Ay[f] = calcul_impl::ZeroMatrix(rows, samples);
    Px[f] = Py[f] = Ep[f] = Em[f] = calcul_impl::ZeroMatrix(rows, samples);
  }
  V = A = O = R = W = P = Ek = calcul_impl::ZeroMatrix(rows, samples);
}

namespace calcul_impl {

// The marks (relative to their sample's origin, y upward, fractions of the frame) through
// the calibration: with a plane, into plane metres, from the plane's own origin for the fixed
// axes and from the layer's origin (carried into the plane) for the layer; with a lens alone,
// straightened and back into fractions relative to the straightened origin.
void ThroughCalibration(const measurement::TPlaneCalibration &plane, bool layer, int width, int height,
                        measurement::TMarkSeries &series) {
  const double w = width, h = height;
  for (size_t k = 0; k < series.Origins.size(); ++k) {
    const TPointD origin = series.Origins[k];
    const TPointD originSeen(origin.X * w, origin.Y * h);
    const TPointD straightOrigin = plane.Undistort(originSeen);
    const TPointD originMetres = plane.HasPlane() && layer ? plane.ToPlane(originSeen) : TPointD();
    for (size_t o = 0; o < series.FrameIndex.size(); ++o) {
      if (series.FrameIndex[o][k] < 0) continue;
      const TPointD seen((series.X[o][k] + origin.X) * w, (origin.Y - series.Y[o][k]) * h);
      if (plane.HasPlane()) {
        const TPointD metres = plane.ToPlane(seen);
        series.X[o][k] = metres.X - originMetres.X;
        series.Y[o][k] = metres.Y - originMetres.Y;
      } else {
        const TPointD straight = plane.Undistort(seen);
        series.X[o][k] = (straight.X - straightOrigin.X) / w;
        series.Y[o][k] = -(straight.Y - straightOrigin.Y) / h;
      }
    }
  }
}

}  // namespace calcul_impl

TPointD TCalcul::ToAxes(double u, double v) const {
  double x = u * CosTheta + v * SinTheta;
  double y = v * CosTheta - u * SinTheta;
  if (!DirectX) x = -x;
  if (!DirectY) y = -y;
  return TPointD(x, y);
}

int TCalcul::Compute() {
  Clear();
  // Until the cause goes away (the document then invalidates), every read recomputes.
  Stale = true;
  if (!VideoOpen()) return ComputeResult = Finish(krNoVideo);

  measurement::TMarkSeries series = Data->ExtractSeries(Layer);
  // A plane calibration measures the marks in the plane itself: its metres and its axes, no
  // scale; the layer is carried in the plane. A lens alone straightens the marks before the
  // scale applies.
  const measurement::TPlaneCalibration plane = Data->PlaneForPicture();
  const bool inPlane = plane.HasPlane();
  const TPointD factors = inPlane ? TPointD(1.0, 1.0) : Data->ScaleFactors();
  if (!(factors.X > 0.0) || !(factors.Y > 0.0)) return ComputeResult = Finish(krNoScale);

  const measurement::TRepere &system = System();
  Sx = factors.X;
  Sy = factors.Y;
  Theta = inPlane ? 0.0 : system.AxisAngle();
  CosTheta = std::cos(Theta);
  SinTheta = std::sin(Theta);
  DirectX = inPlane || system.DirectXAxisDirection;
  DirectY = inPlane || system.DirectYAxisDirection;
  if (plane.HasPlane() || plane.HasLens())
    calcul_impl::ThroughCalibration(plane, Layer, Data->View().NativeFrameWidth(), Data->View().NativeFrameHeight(),
                                    series);
  Interval = Data->FrameInterval();
  Stamped = series.Stamped;
  DerivationUnit = Stamped ? 1.0 : Interval;

  Objects = int(series.FrameIndex.size());
  const int samples = int(series.Times.size());
  TimesArray = std::move(series.Times);
  FrameIndexMatrix = std::move(series.FrameIndex);
  RawX = std::move(series.X);
  RawY = std::move(series.Y);
  Ranks.resize(size_t(samples));
  for (int k = 0; k < samples; ++k) Ranks[size_t(k)] = k;

  for (int f = 0; f < 2; ++f) X[f] = Y[f] = calcul_impl::ZeroMatrix(Objects, samples);
  DefinedRank.assign(size_t(Objects), TIntegerDynArray(size_t(samples), -1));
  DefinedCount.assign(size_t(Objects), 0);
  Series.assign(size_t(Objects), TObjectSeries());

  for (int o = 0; o < Objects; ++o) {
    const size_t io = size_t(o);
    TObjectSeries &compact = Series[io];
    for (int k = 0; k < samples; ++k) {
      const size_t ik = size_t(k);
      const int frame = FrameIndexMatrix[io][ik];
      if (frame < 0) continue;
      const double u = RawX[io][ik] * Sx;
      const double v = RawY[io][ik] * Sy;
      const TPointD axes = ToAxes(u, v);
      X[rfCamera][io][ik] = u;
      Y[rfCamera][io][ik] = v;
      X[rfAxes][io][ik] = axes.X;
      Y[rfAxes][io][ik] = axes.Y;
      DefinedRank[io][ik] = int(compact.Samples.size());
      compact.Samples.push_back(k);
      // On the video's stamps the abscissas are the times themselves; otherwise frame numbers,
      // so that a change of interval only rescales the derivatives.
      compact.Frames.push_back(Stamped ? TimesArray[ik] : double(frame));
      compact.RawX.push_back(RawX[io][ik]);
      compact.RawY.push_back(RawY[io][ik]);
      compact.X.push_back(axes.X);
      compact.Y.push_back(axes.Y);
    }
    DefinedCount[io] = int(compact.Samples.size());
  }
  ComputeMassesAndCentre();
  ClearDerivatives();

  Stale = false;
  return ComputeResult = Finish(krOk);
}

int TCalcul::ComputeDerivatives(int flags) {
  if (Stale) Compute();
  if (ComputeResult != krOk) return Finish(ComputeResult);
  if (Objects == 0) return Finish(krNoObject);

  ClearDerivatives();
  int first = krOk;
  int failed = -1;
  for (int o = 0; o < Objects; ++o) {
    // A failed velocity or acceleration stops here: whatever follows would rest on it.
    if (const int motion = DeriveMotion(o, flags); motion != krOk) {
      if (first == krOk) {
        first = motion;
        failed = o;
      }
      break;
    }
    if (const int polar = DerivePolar(o, flags); polar != krOk && first == krOk) {
      first = polar;
      failed = o;
    }
  }
  ComputeDynamics();
  return Finish(first, failed);
}

TCalcul::TFrameComponents TCalcul::Components(const TDoubleDynArray &rawX, const TDoubleDynArray &rawY) const {
  TFrameComponents c;
  const size_t n = rawX.size();
  c.CameraX.resize(n);
  c.CameraY.resize(n);
  c.AxesX.resize(n);
  c.AxesY.resize(n);
  c.Value.resize(n);
  for (size_t j = 0; j < n; ++j) {
    const double u = rawX[j] * Sx;
    const double v = rawY[j] * Sy;
    const TPointD axes = ToAxes(u, v);
    c.CameraX[j] = u;
    c.CameraY[j] = v;
    c.AxesX[j] = axes.X;
    c.AxesY[j] = axes.Y;
    c.Value[j] = std::sqrt(u * u + v * v);
  }
  return c;
}

void TCalcul::Expand(const TObjectSeries &series, const TDoubleDynArray &values, TDoubleDynArray &row) const {
  for (size_t j = 0; j < series.Samples.size() && j < values.size(); ++j)
    row[size_t(series.Samples[j])] = values[j];
}

int TCalcul::DeriveMotion(int object, int flags) {
  const TObjectSeries &s = Series[size_t(object)];
  const bool smoothVelocity = (flags & sfVelocity) != 0;
  const bool smoothAcceleration = (flags & sfAcceleration) != 0;

  TDeriv dx(s.Frames, s.RawX, DerivationUnit);
  TDeriv dy(s.Frames, s.RawY, DerivationUnit);
  const int velocityX = dx.Derive(smoothVelocity);
  const int velocityY = dy.Derive(smoothVelocity);
  int result = FirstFailure(velocityX, velocityY);
  if (result != krOk) return result;

  // One derivation gives both derivatives when both are smoothed alike.
  const TDoubleDynArray *accelerationX = &dx.Acceleration;
  const TDoubleDynArray *accelerationY = &dy.Acceleration;
  TDeriv ax(s.Frames, s.RawX, DerivationUnit);
  TDeriv ay(s.Frames, s.RawY, DerivationUnit);
  if (smoothAcceleration != smoothVelocity) {
    const int accelX = ax.Derive(smoothAcceleration);
    const int accelY = ay.Derive(smoothAcceleration);
    result = FirstFailure(accelX, accelY);
    if (result != krOk) return result;
    accelerationX = &ax.Acceleration;
    accelerationY = &ay.Acceleration;
  }

  const size_t io = size_t(object);
  const TFrameComponents velocity = Components(dx.Velocity, dy.Velocity);
  Expand(s, velocity.CameraX, Vx[rfCamera][io]);
  Expand(s, velocity.CameraY, Vy[rfCamera][io]);
  Expand(s, velocity.AxesX, Vx[rfAxes][io]);
  Expand(s, velocity.AxesY, Vy[rfAxes][io]);
  Expand(s, velocity.Value, V[io]);
  const TFrameComponents acceleration = Components(*accelerationX, *accelerationY);
  Expand(s, acceleration.CameraX, Ax[rfCamera][io]);
  Expand(s, acceleration.CameraY, Ay[rfCamera][io]);
  Expand(s, acceleration.AxesX, Ax[rfAxes][io]);
  Expand(s, acceleration.AxesY, Ay[rfAxes][io]);
  Expand(s, acceleration.Value, A[io]);
  return krOk;
}

int TCalcul::DerivePolar(int object, int flags) {
  const TObjectSeries &s = Series[size_t(object)];
  const size_t n = s.Samples.size();
  TDoubleDynArray angle(n), radius(n);
  // The angle is unwrapped: a jump of half a turn or more between two samples is taken as
  // the object crossing the negative x axis, not as turning back by almost a full turn.
  double offset = 0.0;
  double previous = 0.0;
  for (size_t j = 0; j < n; ++j) {
    const double raw = std::atan2(s.Y[j], s.X[j]);
    if (j > 0) {
      const double jump = raw - previous;
      if (jump >= std::numbers::pi)
        offset -= calcul_impl::FullTurn;
      else if (jump <= -std::numbers::pi)
        offset += calcul_impl::FullTurn;
    }
    previous = raw;
    angle[j] = raw + offset;
    radius[j] = std::sqrt(s.X[j] * s.X[j] + s.Y[j] * s.Y[j]);
  }
  const size_t io = size_t(object);
  Expand(s, angle, O[io]);
  Expand(s, radius, R[io]);

  TDeriv dangle(s.Frames, angle, DerivationUnit);
  const int result = dangle.Derive((flags & sfVelocity) != 0);
  if (result == krOk) Expand(s, dangle.Velocity, W[io]);
  return result;
}

}  // namespace kolibra::kinematics
