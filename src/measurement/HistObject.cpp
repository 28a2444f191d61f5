#include "measurement/HistObject.h"

#include <QCoreApplication>

namespace kolibra::measurement {

namespace hist_object_impl {

// The only mutable state of the unit: the identity counter. Everything runs on the
// user-interface thread.
int &LastObjectId() {
  static int last = 0;
  return last;
}

}  // namespace hist_object_impl

QString ActionKindWord(int actionKind) {
  switch (actionKind) {
    case akChooseOrigin:
      return QCoreApplication::translate("THistorique", "Choose");
    case akTrackerSet:
    case akSetMark:
      return QCoreApplication::translate("THistorique", "Set");
    case akPutBackOrigin:
    case akDropLayer:
    case akMove:
    case akDeleteOrigin:
    case akDeleteLastOrigin:
      return QCoreApplication::translate("THistorique", "Move");
    case akDefineScale:
      return QCoreApplication::translate("THistorique", "Define");
    case akResizeLayer:
      return QCoreApplication::translate("THistorique", "Transform");
    case akErase:
      return QCoreApplication::translate("THistorique", "Erase");
    case akChangeDirection:
      return QCoreApplication::translate("THistorique", "Change direction");
    case akModify:
      return QCoreApplication::translate("THistorique", "Modify");
    case akRotate:
      return QCoreApplication::translate("THistorique", "Rotate");
    case akDeleteMark:
    case akDeleteLastMark:
      return QCoreApplication::translate("THistorique", "Delete");
    default:
      return QString();
  }
}

QString ObjectKindWord(int objectKind) {
  switch (objectKind) {
    case okEchelle:
      return QCoreApplication::translate("THistorique", "Scale");
    case okMarqueRep:
    case okMarqueTsp:
      return QCoreApplication::translate("THistorique", "Mark");
    case okOrigine:
    case okTransparent:
      return QCoreApplication::translate("THistorique", "Layer");
    case okRepereFixe:
      return QCoreApplication::translate("THistorique", "Grid");
    case okPlane:
      return QCoreApplication::translate("THistorique", "Plane");
    default:
      return QString();
  }
}

THistObject::THistObject(int objectKind)
    : ObjectId(++hist_object_impl::LastObjectId()), ObjectKind(objectKind) {}

THistObject::~THistObject() = default;

void THistObject::Assign(const THistObject &source) { ListIndex = source.ListIndex; }

bool THistObject::IsEqual(const THistObject &) const { return true; }

std::unique_ptr<THistObject> THistObject::Clone() const {
  return FinishClone(std::make_unique<THistObject>(ObjectKind), *this);
}

int THistObject::PeekNextObjectId() { return hist_object_impl::LastObjectId() + 1; }

}  // namespace kolibra::measurement
