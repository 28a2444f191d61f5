#pragma once
// THistObject is the root of every undoable measurement object: the scale, the axes, the
// layer, its recorded origins, the marks and their collections. An undo history keeps
// copies of these objects (Clone) taken just before a change, tagged with the group and the
// action that caused it; undoing finds the live object again by its ObjectId and Assigns the
// copy back to it, or puts a removed object back at its ListIndex.
//
// Identity: every construction takes the next number of one process-wide counter (the first
// object gets 1). A clone is constructed too, so it consumes a number, but then takes the
// ObjectId of its original: that is how the history and the live object find each other.

#include <QString>
#include <memory>

namespace kolibra::measurement {

// What an object is, as the history and the undo command name it.
enum TObjectKind : int {
  okNone = 0,
  okEchelle = 1,           // the scale
  okMarqueRep = 2,         // a mark read in the fixed axes
  okMarqueTsp = 3,         // a mark read on the layer
  okOrigine = 4,           // a recorded layer position
  okPolyMarqueImgRep = 5,  // the fixed-axes mark collection
  okPolyMarqueImgTsp = 6,  // the layer mark collection
  okRepereFixe = 7,        // the fixed axes
  okTransparent = 8,       // the layer
  okPlane = 9,             // the plane and lens calibration
};

// Why a copy was recorded. 2 to 5 add an object, 13 to 16 remove one; the others change
// the state of a live object.
enum TActionKind : int {
  akNone = 0,
  akChooseOrigin = 1,      // the origin of the fixed axes is placed
  akTrackerSet = 2,        // the tracker creates a mark
  akSetMark = 3,           // a mark is pointed
  akPutBackOrigin = 4,     // an origin is put back into a list
  akDropLayer = 5,         // the layer is dropped on a frame with no recorded position
  akDefineScale = 6,       // the first point of a scale is placed
  akResizeLayer = 7,       // the layer is resized
  akMove = 8,              // a mark, the origin or a scale segment starts being dragged
  akErase = 9,             // the axes are erased; a complete scale loses a point
  akChangeDirection = 10,  // an axis direction flag changes
  akModify = 11,           // a scale end is dragged; the number of objects changes
  akRotate = 12,           // the axes start rotating, or an angle is typed
  akDeleteMark = 13,       // a mark is deleted
  akDeleteLastMark = 14,   // the last pointed mark is removed with the right button
  akDeleteOrigin = 15,     // a recorded layer position is deleted
  akDeleteLastOrigin = 16, // the last layer position is removed with the right button
};

// The verb of the undo command for an action ("Choose", "Set", "Move", ...); empty when
// the code is unknown.
QString ActionKindWord(int actionKind);

// The noun of the undo command for an object kind ("Scale", "Mark", "Layer", "Grid");
// empty for the collections and unknown kinds.
QString ObjectKindWord(int objectKind);

// "key_suffix", or the key alone when the suffix is empty (the scale is saved without one).
inline QString SuffixedKey(const QString &key, const QString &suffix) {
  return suffix.isEmpty() ? key : key + QLatin1Char('_') + suffix;
}

// The suffix of element index of a list saved with suffix: suffix + "_" + index.
inline QString ElementSuffix(const QString &suffix, int index) {
  return suffix.isEmpty() ? QString::number(index) : suffix + QLatin1Char('_') + QString::number(index);
}

class THistObject {
 public:
  explicit THistObject(int objectKind = okNone);
  virtual ~THistObject();

  THistObject(const THistObject &) = delete;
  THistObject &operator=(const THistObject &) = delete;

  // Copies the state of source (ListIndex included). ObjectId, GroupNumber and ActionKind
  // are the history's bookkeeping and stay as they are. Derived classes deep-copy what they
  // own.
  virtual void Assign(const THistObject &source);

  // True when both hold the same state; reals are compared through IsNearZero on their
  // difference. The base has no state of its own.
  virtual bool IsEqual(const THistObject &other) const;

  // A new object of the same class and the same links, Assigned from this one, carrying
  // this one's ObjectId.
  virtual std::unique_ptr<THistObject> Clone() const;

  // The number the next constructed object will get (tests use it to see identities).
  static int PeekNextObjectId();

  int GroupNumber = 0;
  int ObjectId = 0;
  int ListIndex = -1;
  int ActionKind = akNone;
  int ObjectKind = okNone;
};

// Helper for Clone overrides: gives the copy the identity of the original.
template <typename T>
std::unique_ptr<THistObject> FinishClone(std::unique_ptr<T> copy, const THistObject &original) {
  copy->Assign(original);
  copy->ObjectId = original.ObjectId;
  copy->GroupNumber = original.GroupNumber;
  copy->ActionKind = original.ActionKind;
  return copy;
}

}  // namespace kolibra::measurement
