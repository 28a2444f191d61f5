#pragma once
// TMarque: one pointed position of one object (MarkOrderNumber) on one video frame.
// TMarqueRep is read in the axes fixed to the camera and stores its absolute frame-relative
// position; TMarqueTsp is read on the layer and stores its position relative to the layer's
// origin on its own frame, so that it moves with the layer on screen.
//
// A live mark is owned by its frame container (TContainer) and listed, without ownership,
// in its collection's list of marks (TPolyContainer), whose order is the creation order and
// whose position it remembers in ListIndex. Copies kept by an undo history carry the same
// ObjectId and the same System, Collection and Container links; a copy that is put back
// becomes the live mark again.

#include "kit/Types.h"
#include "measurement/HistObject.h"

#include <memory>

namespace kolibra {
class TIniFile;
}

namespace kolibra::measurement {

class TRepere;
class TContainer;
class TPolyContainer;

class TMarque : public THistObject {
 public:
  TMarque(int objectKind, TRepere &system, TPolyContainer &collection, TContainer *container);
  ~TMarque() override;

  // Copies the object number, the stored position and the frame; the links and the pixel
  // stay with this mark.
  void Assign(const THistObject &source) override;
  // Same object, same absolute and relative positions.
  bool IsEqual(const THistObject &other) const override;

  // "MarkOrderNumber", "MarkXCoordinate" and "MarkYCoordinate", each followed by "_" and
  // the suffix. The coordinates are the stored position (absolute on the fixed axes,
  // relative on the layer).
  virtual void LoadFromIni(const TIniFile &ini, const QString &section, const QString &suffix);
  virtual TPointD GetRelativePosition() const = 0;
  virtual TPointD GetAbsolutePosition() const = 0;
  virtual void SaveToIni(TIniFile &ini, const QString &section, const QString &suffix) const;
  // Both setters make the results stale when the position changes.
  virtual void SetRelativePosition(TPointD position) = 0;
  virtual void SetAbsolutePosition(TPointD position) = 0;

  // The stored position as the work file holds it.
  TPointD StoredPosition() const { return Position; }

  // The cached view pixel of the absolute position.
  void ComputePixel();
  TPoint Pixel() const { return Pix; }

  TRepere *System;
  TPolyContainer *Collection;
  TContainer *Container;
  int MarkOrderNumber = 0;
  // The video frame of its container: a copy put back by an undo goes to the container of
  // that frame, recreated when the removal emptied it...
  int FrameIndex = -1;
  // ...at the position the container had in its collection when the mark was removed.
  int ContainerIndex = -1;

 protected:
  // Stores a new position; the results go stale when it differs.
  void StorePosition(TPointD position);

  TPointD Position;
  TPoint Pix;
};

// A mark read in the fixed axes.
class TMarqueRep : public TMarque {
 public:
  TMarqueRep(TRepere &system, TPolyContainer &collection, TContainer *container);

  std::unique_ptr<THistObject> Clone() const override;
  // Absolute position minus the current origin of the axes.
  TPointD GetRelativePosition() const override;
  TPointD GetAbsolutePosition() const override { return Position; }
  void SetRelativePosition(TPointD position) override;
  void SetAbsolutePosition(TPointD position) override { StorePosition(position); }
};

// A mark read on the layer.
class TMarqueTsp : public TMarque {
 public:
  TMarqueTsp(TRepere &system, TPolyContainer &collection, TContainer *container);

  std::unique_ptr<THistObject> Clone() const override;
  TPointD GetRelativePosition() const override { return Position; }
  // The relative position plus the origin the layer shows now.
  TPointD GetAbsolutePosition() const override;
  void SetRelativePosition(TPointD position) override { StorePosition(position); }
  void SetAbsolutePosition(TPointD position) override;
};

}  // namespace kolibra::measurement
