// TCalcul's dynamics: the objects' masses, the centre of mass and the totals (the two
// pseudo-objects that follow the real objects), momentum and energies.
//
// The centre of mass is the mass-weighted mean of the objects with a mass, sample by sample,
// where every one of them is marked; its velocity and acceleration are the weighted means of
// theirs (the derivative of a weighted mean, taken the way each object's own was), so its
// momentum equals the total momentum.

#include "kinematics/Calcul.h"

#include "measurement/Data.h"
#include "settings/Options.h"

#include <cmath>

namespace kolibra::kinematics {

namespace calcul_dynamics_impl {

// Below this, sin(theta) is rounding: the y axis points straight up or down.
constexpr double UprightTolerance = 1e-9;

}  // namespace calcul_dynamics_impl

double TCalcul::Mass(int object) const {
  return object >= 0 && object < int(Masses.size()) ? Masses[size_t(object)] : 0.0;
}

int TCalcul::MassiveObjectsCount() const {
  int count = 0;
  for (int o = 0; o < Objects; ++o)
    if (HasMass(o)) ++count;
  return count;
}

bool TCalcul::IsDefined(int frame, int object, int kind, int sample) const {
  if (kind == qkTime) return ValidSample(sample);
  if (!IsQuantityKind(kind) || !HasMark(object, sample)) return false;
  if (IsPseudoObject(object)) {
    // The totals are sums of momentum and energies; they have no position.
    if (object == Totals() && !IsDynamicKind(kind)) return false;
    if (kind == qkAngle || kind == qkRadius || kind == qkOmega) return false;
  }
  if (!IsDynamicKind(kind)) return true;
  if (!HasMass(object)) return false;
  return (kind != qkEp && kind != qkEm) || PotentialEnergyDefined(frame);
}

void TCalcul::ComputeMassesAndCentre() {
  const std::vector<double> masses = Data->Masses().List(Layer, Objects);
  Masses.assign(masses.begin(), masses.end());
  G = Options->Gravity_Value > 0.0 ? Options->Gravity_Value : settings::DefaultGravity;
  AxesPointUp = DirectY && std::fabs(SinTheta) <= calcul_dynamics_impl::UprightTolerance && CosTheta > 0.0;
  if (MassiveObjectsCount() < 2) return;

  PseudoObjects = 2;
  double total = 0.0;
  for (int o = 0; o < Objects; ++o) total += Mass(o);
  Masses.push_back(total);  // the centre of mass
  Masses.push_back(total);  // the totals

  const int samples = SamplesCount();
  TIntegerDynArray frames(size_t(samples), -1);
  TIntegerDynArray ranks(size_t(samples), -1);
  int defined = 0;
  TDoubleDynArray x[2], y[2];
  for (int f = 0; f < 2; ++f) x[f] = y[f] = TDoubleDynArray(size_t(samples), 0.0);
  for (int k = 0; k < samples; ++k) {
    const size_t ik = size_t(k);
    int frame = -1;
    bool everyOne = true;
    double sx[2] = {0.0, 0.0}, sy[2] = {0.0, 0.0};
    for (int o = 0; o < Objects && everyOne; ++o) {
      if (!HasMass(o)) continue;
      const size_t io = size_t(o);
      if (FrameIndexMatrix[io][ik] < 0) {
        everyOne = false;
        break;
      }
      if (frame < 0) frame = FrameIndexMatrix[io][ik];
      for (int f = 0; f < 2; ++f) {
        sx[f] += Mass(o) * X[f][io][ik];
        sy[f] += Mass(o) * Y[f][io][ik];
      }
    }
    if (!everyOne || frame < 0) continue;
    frames[ik] = frame;
    ranks[ik] = defined++;
    for (int f = 0; f < 2; ++f) {
      x[f][ik] = sx[f] / total;
      y[f][ik] = sy[f] / total;
    }
  }
  for (int pseudo = 0; pseudo < PseudoObjects; ++pseudo) {
    FrameIndexMatrix.push_back(frames);
    DefinedRank.push_back(ranks);
    DefinedCount.push_back(defined);
    const bool centre = pseudo == 0;
    for (int f = 0; f < 2; ++f) {
      X[f].push_back(centre ? x[f] : TDoubleDynArray(size_t(samples), 0.0));
      Y[f].push_back(centre ? y[f] : TDoubleDynArray(size_t(samples), 0.0));
    }
  }
}

void TCalcul::ComputeDynamics() {
  const int samples = SamplesCount();
  const auto energies = [this](size_t o, size_t k, double m, double v) {
    Ek[o][k] = 0.5 * m * v * v;
    for (int f = 0; f < 2; ++f) {
      Ep[f][o][k] = m * G * Y[f][o][k];
      Em[f][o][k] = Ek[o][k] + Ep[f][o][k];
    }
  };
  for (int o = 0; o < Objects; ++o) {
    if (!HasMass(o)) continue;
    const size_t io = size_t(o);
    const double m = Mass(o);
    for (int k = 0; k < samples; ++k) {
      const size_t ik = size_t(k);
      if (FrameIndexMatrix[io][ik] < 0) continue;
      for (int f = 0; f < 2; ++f) {
        Px[f][io][ik] = m * Vx[f][io][ik];
        Py[f][io][ik] = m * Vy[f][io][ik];
      }
      P[io][ik] = m * V[io][ik];
      energies(io, ik, m, V[io][ik]);
    }
  }
  if (PseudoObjects == 0) return;

  const size_t centre = size_t(CentreOfMass());
  const size_t totals = size_t(Totals());
  const double total = Mass(CentreOfMass());
  for (int k = 0; k < samples; ++k) {
    const size_t ik = size_t(k);
    if (FrameIndexMatrix[centre][ik] < 0) continue;
    for (int o = 0; o < Objects; ++o) {
      if (!HasMass(o)) continue;
      const size_t io = size_t(o);
      const double share = Mass(o) / total;
      for (int f = 0; f < 2; ++f) {
        Vx[f][centre][ik] += share * Vx[f][io][ik];
        Vy[f][centre][ik] += share * Vy[f][io][ik];
        Ax[f][centre][ik] += share * Ax[f][io][ik];
        Ay[f][centre][ik] += share * Ay[f][io][ik];
        Px[f][totals][ik] += Px[f][io][ik];
        Py[f][totals][ik] += Py[f][io][ik];
        Ep[f][totals][ik] += Ep[f][io][ik];
        Em[f][totals][ik] += Em[f][io][ik];
      }
      Ek[totals][ik] += Ek[io][ik];
    }
    // The speed and the acceleration's value are those of the camera's components, as for
    // every object (the axes only turn and flip them).
    V[centre][ik] = std::hypot(Vx[rfCamera][centre][ik], Vy[rfCamera][centre][ik]);
    A[centre][ik] = std::hypot(Ax[rfCamera][centre][ik], Ay[rfCamera][centre][ik]);
    P[totals][ik] = std::hypot(Px[rfCamera][totals][ik], Py[rfCamera][totals][ik]);
    for (int f = 0; f < 2; ++f) {
      Px[f][centre][ik] = total * Vx[f][centre][ik];
      Py[f][centre][ik] = total * Vy[f][centre][ik];
    }
    P[centre][ik] = total * V[centre][ik];
    energies(centre, ik, total, V[centre][ik]);
  }
}

}  // namespace kolibra::kinematics
