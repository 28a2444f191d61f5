#include "measurement/Repere.h"

#include "kit/IniFile.h"
#include "kit/MathUtils.h"

#include <algorithm>
#include <cmath>

namespace kolibra::measurement {

TRepere::TRepere(int objectKind, IMeasurementHost &host, IViewPort &view)
    : THistObject(objectKind), HostLink(&host), ViewLink(&view) {
  Origins.reserve(128);
}

TRepere::~TRepere() = default;

void TRepere::Assign(const THistObject &source) {
  THistObject::Assign(source);
  const auto *system = dynamic_cast<const TRepere *>(&source);
  if (system == nullptr || system == this) return;
  DirectXAxisDirection = system->DirectXAxisDirection;
  DirectYAxisDirection = system->DirectYAxisDirection;
  OrigineCurrent = system->OrigineCurrent;
  Origins.clear();
  for (const auto &origin : system->Origins) {
    std::unique_ptr<THistObject> copy = origin->Clone();
    Origins.emplace_back(static_cast<TOrigine *>(copy.release()));
  }
}

bool TRepere::IsEqual(const THistObject &other) const {
  const auto *system = dynamic_cast<const TRepere *>(&other);
  if (system == nullptr || system->ObjectKind != ObjectKind) return false;
  if (system->DirectXAxisDirection != DirectXAxisDirection ||
      system->DirectYAxisDirection != DirectYAxisDirection ||
      !SamePointD(system->OrigineCurrent, OrigineCurrent) || system->Origins.size() != Origins.size())
    return false;
  for (size_t i = 0; i < Origins.size(); ++i)
    if (!Origins[i]->IsEqual(*system->Origins[i])) return false;
  return true;
}

void TRepere::InsertOrigin(std::unique_ptr<TOrigine> origin, int actionKind) {
  if (!origin) return;
  TOrigine *inserted = origin.get();
  const int at = origin->ListIndex;
  if (at >= 0 && size_t(at) <= Origins.size())
    Origins.insert(Origins.begin() + at, std::move(origin));
  else
    Origins.push_back(std::move(origin));
  RenumberOrigins();
  Host().Record(inserted, actionKind);
  Host().InvalidateResults(TResultsScope::ActiveMode);
}

void TRepere::RemoveOrigin(TOrigine *origin, int actionKind) {
  const auto it = std::find_if(Origins.begin(), Origins.end(),
                               [origin](const auto &o) { return o.get() == origin; });
  if (it == Origins.end()) return;
  Host().Record(origin, actionKind);
  Origins.erase(it);
  RenumberOrigins();
  Host().InvalidateResults(TResultsScope::ActiveMode);
}

void TRepere::SetDirectX(bool value) {
  if (value == DirectXAxisDirection) return;
  Host().Record(this, akChangeDirection);
  DirectXAxisDirection = value;
  Host().InvalidateResults(TResultsScope::ActiveMode);
  View().Invalidate();  // the arrow changes ends
}

void TRepere::SetDirectY(bool value) {
  if (value == DirectYAxisDirection) return;
  Host().Record(this, akChangeDirection);
  DirectYAxisDirection = value;
  Host().InvalidateResults(TResultsScope::ActiveMode);
  View().Invalidate();  // the arrow changes ends
}

void TRepere::SetCurrentOrigin(TPointD position) { OrigineCurrent = position; }

double TRepere::AxisAngle() const { return 0.0; }

TOrigine *TRepere::FindOriginById(int objectId) const {
  for (const auto &origin : Origins)
    if (origin->ObjectId == objectId) return origin.get();
  return nullptr;
}

TOrigine *TRepere::FindOriginByImage(int imageNumber) const {
  for (const auto &origin : Origins)
    if (origin->ImageNumber == imageNumber) return origin.get();
  return nullptr;
}

TOrigine *TRepere::LastOrigin() const { return Origins.empty() ? nullptr : Origins.back().get(); }

bool TRepere::DeleteOriginOfFrame(int imageNumber) {
  TOrigine *origin = FindOriginByImage(imageNumber);
  if (origin == nullptr) return false;
  RemoveOrigin(origin, akDeleteOrigin);
  return true;
}

void TRepere::DiscardOrigins() { Origins.clear(); }

void TRepere::DiscardOriginsOf(const std::function<bool(int frame)> &drop) {
  std::erase_if(Origins, [&](const auto &origin) { return drop(origin->ImageNumber); });
  RenumberOrigins();
}

void TRepere::RenumberOrigins() {
  for (size_t i = 0; i < Origins.size(); ++i) Origins[i]->ListIndex = int(i);
}

void TRepere::LoadFromIni(const TIniFile &ini, const QString &section, const QString &suffix) {
  DirectYAxisDirection = ini.ReadBool(section, SuffixedKey(QStringLiteral("DirectYAxisDirection"), suffix), true);
  DirectXAxisDirection = ini.ReadBool(section, SuffixedKey(QStringLiteral("DirectXAxisDirection"), suffix), true);
  // A missing origin sits in the middle of the frame; "NAN" or "INF" would poison every
  // coordinate computed from it, so such a value counts as missing.
  const auto coordinate = [&](const char *name) {
    const double value = ini.ReadFloat(section, SuffixedKey(QLatin1String(name), suffix), 0.5);
    return std::isfinite(value) ? value : 0.5;
  };
  OrigineCurrent.X = coordinate("OrigineCurrentXCoordinate");
  OrigineCurrent.Y = coordinate("OrigineCurrentYCoordinate");
}

void TRepere::SaveToIni(TIniFile &ini, const QString &section, const QString &suffix) const {
  ini.WriteBool(section, SuffixedKey(QStringLiteral("DirectYAxisDirection"), suffix), DirectYAxisDirection);
  ini.WriteBool(section, SuffixedKey(QStringLiteral("DirectXAxisDirection"), suffix), DirectXAxisDirection);
  ini.WriteFloat(section, SuffixedKey(QStringLiteral("OrigineCurrentXCoordinate"), suffix), OrigineCurrent.X);
  ini.WriteFloat(section, SuffixedKey(QStringLiteral("OrigineCurrentYCoordinate"), suffix), OrigineCurrent.Y);
}

// ---------------------------------------------------------------------------------------------
// Physical coordinates
// ---------------------------------------------------------------------------------------------

bool RelativeToPhysical(const TRepere &system, TPointD factors, TPointD relative, TPointD &physical) {
  if (!(factors.X > 0.0) || !(factors.Y > 0.0)) return false;
  // The frame's y runs downward, physical y upward.
  const double u = relative.X * factors.X;
  const double v = -relative.Y * factors.Y;
  const double theta = system.AxisAngle();
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  double x = u * c + v * s;
  double y = -u * s + v * c;
  if (!system.DirectXAxisDirection) x = -x;
  if (!system.DirectYAxisDirection) y = -y;
  physical = TPointD(x, y);
  return true;
}

bool ToPhysical(const TRepere &system, TPointD factors, TPointD position, TPointD &physical) {
  const TPointD relative(position.X - system.OrigineCurrent.X, position.Y - system.OrigineCurrent.Y);
  return RelativeToPhysical(system, factors, relative, physical);
}

bool FromPhysical(const TRepere &system, TPointD factors, TPointD physical, TPointD &position) {
  if (!(factors.X > 0.0) || !(factors.Y > 0.0)) return false;
  const double x = system.DirectXAxisDirection ? physical.X : -physical.X;
  const double y = system.DirectYAxisDirection ? physical.Y : -physical.Y;
  const double theta = system.AxisAngle();
  const double c = std::cos(theta);
  const double s = std::sin(theta);
  const double u = x * c - y * s;
  const double v = x * s + y * c;
  position = TPointD(system.OrigineCurrent.X + u / factors.X, system.OrigineCurrent.Y - v / factors.Y);
  return true;
}

}  // namespace kolibra::measurement
