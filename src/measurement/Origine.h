#pragma once
// TOrigine: one recorded position of the layer, the origin it had on one video frame.
// Owned by the Origins list of its system; the history keeps clones.

#include "kit/Types.h"
#include "measurement/HistObject.h"

namespace kolibra {
class TIniFile;
}

namespace kolibra::measurement {

class TOrigine : public THistObject {
 public:
  TOrigine();
  TOrigine(int imageNumber, TPointD position);

  void Assign(const THistObject &source) override;
  bool IsEqual(const THistObject &other) const override;
  std::unique_ptr<THistObject> Clone() const override;

  // Keys "OrigineImageNumber", "OrigineXCoordinate", "OrigineYCoordinate", each with the
  // suffix (the list writes element i with S + "_" + i).
  void LoadFromIni(const TIniFile &ini, const QString &section, const QString &suffix);
  void SaveToIni(TIniFile &ini, const QString &section, const QString &suffix) const;

  int ImageNumber = -1;  // video frame index, -1 when none
  TPointD Position;      // frame-relative
};

}  // namespace kolibra::measurement
