#pragma once
// TContainer: the marks of one video frame, at most one per object. It owns its marks and
// keeps them in object order. MarksContainerMarkNumber is the frame's rank among the marked
// frames of its collection (the number written beside its marks), kept up to date by the
// collection's renumbering. TMarqueImgRep holds marks read in the fixed axes, TMarqueImgTsp
// marks read on the layer.

#include "measurement/HistObject.h"
#include "measurement/Marque.h"

#include <memory>
#include <vector>

namespace kolibra {
class TIniFile;
}

namespace kolibra::measurement {

// The most objects a measurement follows at once (the bound of the value dialog that sets
// the number of marks per frame).
inline constexpr int MaxObjectsCount = 32;

class TRepere;
class TPolyContainer;

class TContainer : public THistObject {
 public:
  TContainer(TRepere &system, TPolyContainer &collection, int frameNumber);
  ~TContainer() override;

  // Copies the frame, its rank and the marks one by one, reusing the marks already here
  // and creating the missing ones.
  void Assign(const THistObject &source) override;
  // Same frame, same rank and equal marks in the same order.
  bool IsEqual(const THistObject &other) const override;
  // "MarksContainerFrameNumber", "MarksContainerMarkNumber" and "MarksContainerMarksNumber"
  // with the suffix S_i, then each mark j with the suffix S_i_j. The reader replaces the
  // marks; a second mark of one object is skipped.
  virtual void LoadFromIni(const TIniFile &ini, const QString &section, const QString &suffix);
  virtual void SaveToIni(TIniFile &ini, const QString &section, const QString &suffix) const;

  // A new mark of the container's kind, linked to this container and its frame, not yet
  // held.
  virtual std::unique_ptr<TMarque> CreateMark() = 0;

  TMarque *FindMark(int order) const;
  int MarksCount() const { return int(Marks.size()); }

  // Takes the mark in, in object order, and links it to this frame. Refused when a mark of
  // the same object is already here: the mark is then freed and nullptr returned.
  TMarque *TakeMark(std::unique_ptr<TMarque> mark);
  // Hands a held mark over to the caller (nullptr when it is not here).
  std::unique_ptr<TMarque> ReleaseMark(const TMarque *mark);

  int MarksContainerFrameNumber;
  int MarksContainerMarkNumber = 0;
  std::vector<std::unique_ptr<TMarque>> Marks;
  TRepere *System;
  TPolyContainer *Collection;
};

class TMarqueImgRep : public TContainer {
 public:
  using TContainer::TContainer;
  std::unique_ptr<THistObject> Clone() const override;
  std::unique_ptr<TMarque> CreateMark() override;
};

class TMarqueImgTsp : public TContainer {
 public:
  using TContainer::TContainer;
  std::unique_ptr<THistObject> Clone() const override;
  std::unique_ptr<TMarque> CreateMark() override;
};

}  // namespace kolibra::measurement
