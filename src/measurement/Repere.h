#pragma once
// TRepere: the common part of the two coordinate systems, the axes fixed to the camera
// (TRepereFixe) and the moving layer (TTransparent): where the origin is now, which way the
// axes point, and the list of origins recorded frame by frame (only the layer fills it).
//
// A system belongs to the measurement document, which it reaches through IMeasurementHost
// (history, results, notifications, style) and draws through IViewPort. Every change a user
// can undo is recorded on the host before it is made.

#include "kit/Types.h"
#include "measurement/HistObject.h"
#include "measurement/MeasurementHost.h"
#include "measurement/Origine.h"
#include "measurement/ViewPort.h"

#include <functional>
#include <memory>
#include <vector>

namespace kolibra {
class TIniFile;
}

namespace kolibra::measurement {

class TRepere : public THistObject {
 public:
  TRepere(int objectKind, IMeasurementHost &host, IViewPort &view);
  ~TRepere() override;

  // Deep-copies the origins (each copy keeps the ObjectId of its original).
  void Assign(const THistObject &source) override;
  bool IsEqual(const THistObject &other) const override;

  // Takes the origin into Origins at its ListIndex when that is a valid position, else at
  // the end, records it with actionKind and makes the results stale.
  virtual void InsertOrigin(std::unique_ptr<TOrigine> origin, int actionKind);
  // Keys "DirectYAxisDirection", "DirectXAxisDirection", "OrigineCurrentXCoordinate" and
  // "OrigineCurrentYCoordinate", each followed by "_" and the suffix.
  virtual void LoadFromIni(const TIniFile &ini, const QString &section, const QString &suffix);
  virtual void SaveToIni(TIniFile &ini, const QString &section, const QString &suffix) const;
  // Records the origin with actionKind, takes it out of Origins and frees it. An origin
  // that is not in the list is left alone.
  virtual void RemoveOrigin(TOrigine *origin, int actionKind);
  // Setting a flag to its current value does nothing; otherwise the change is recorded
  // (action 10) and the results made stale.
  virtual void SetDirectX(bool value);
  virtual void SetDirectY(bool value);
  virtual void SetCurrentOrigin(TPointD position);

  // Angle of the x axis on screen, counter-clockwise, in radians (0 for the layer).
  virtual double AxisAngle() const;

  TOrigine *FindOriginById(int objectId) const;
  TOrigine *FindOriginByImage(int imageNumber) const;
  TOrigine *LastOrigin() const;
  // Deletes the origin recorded for a frame (action 15); false when there is none.
  bool DeleteOriginOfFrame(int imageNumber);

  IMeasurementHost &Host() const { return *HostLink; }
  IViewPort &View() const { return *ViewLink; }

  bool DirectXAxisDirection = true;  // x grows along the drawn x arrow
  bool DirectYAxisDirection = true;
  TPointD OrigineCurrent;            // frame-relative
  std::vector<std::unique_ptr<TOrigine>> Origins;

  // Forgets, without recording, the origins recorded on the frames drop() selects (a
  // reloaded measurement whose video lacks or hides them).
  void DiscardOriginsOf(const std::function<bool(int frame)> &drop);

 protected:
  // Drops every origin without recording (a new measurement).
  void DiscardOrigins();
  // Keeps each origin's ListIndex equal to its position.
  void RenumberOrigins();

 private:
  IMeasurementHost *HostLink;
  IViewPort *ViewLink;
};

// Physical coordinates in a system. factors are the scale factors (physical units per
// frame-relative unit, TEchelle::ScaleFactors); when either is not greater than 0 nothing
// can be computed and the functions return false without writing their result.

// From a displacement relative to the system's origin, frame-relative units, y downward
// (what a mark calls its relative position).
bool RelativeToPhysical(const TRepere &system, TPointD factors, TPointD relative, TPointD &physical);

// From a frame-relative position, measured from the system's current origin.
bool ToPhysical(const TRepere &system, TPointD factors, TPointD position, TPointD &physical);

// The inverse of ToPhysical: the frame-relative position of physical coordinates.
bool FromPhysical(const TRepere &system, TPointD factors, TPointD physical, TPointD &position);

}  // namespace kolibra::measurement
