// The document's keys in section "Data" of the work file, in the order the file lists them:
// the time base, the objects' colours and visibilities, the drawing style, then the fixed
// axes ("Grid"), the layer ("Layer"), the scale (no suffix) and the two collections.

#include "kit/IniFile.h"
#include "measurement/Data.h"
#include "measurement/GraphUtils.h"
#include "measurement/TimeBase.h"

#include <algorithm>
#include <cmath>

namespace kolibra::measurement {

namespace data_storage_impl {

const QString kGrid = QStringLiteral("Grid");
const QString kLayer = QStringLiteral("Layer");
// The plane and lens calibration: a section of its own, which readers of the scale ignore.
const QString kPlane = QStringLiteral("Plane");

}  // namespace data_storage_impl

void TData::SaveToIni(TIniFile &ini, const QString &section) const {
  using namespace data_storage_impl;
  ini.WriteFloat(section, QStringLiteral("RequiredDuration"), Interval);
  // Readers that do not know this key keep to the interval above.
  if (HasVideoTimes()) ini.WriteBool(section, QStringLiteral("VideoTimeStamps"), UseStamps);
  ini.WriteInteger(section, QStringLiteral("FramesNumberBetweenTwoMarks"), FramesStep);
  ini.WriteInteger(section, QStringLiteral("MarkColorsNumber"), int(Colors.size()));
  for (size_t i = 0; i < Colors.size(); ++i)
    ini.WriteInteger(section, IndexedKey(QStringLiteral("MarkColor"), int(i)), int(Colors[i].Value));
  // The key's spelling is the work file's.
  ini.WriteInteger(section, QStringLiteral("MarkVisibiltiesNumber"), int(Visibilities.size()));
  for (size_t i = 0; i < Visibilities.size(); ++i)
    ini.WriteBool(section, IndexedKey(QStringLiteral("MarkVisibility"), int(i)), Visibilities[i]);
  ini.WriteInteger(section, QStringLiteral("ElementColor"), int(ElemColor.Value));
  ini.WriteInteger(section, QStringLiteral("ElementSize"), ElemSize);
  FixedAxes->SaveToIni(ini, section, kGrid);
  LayerSystem->SaveToIni(ini, section, kLayer);
  ScaleObject->SaveToIni(ini, section, QString());
  PlaneObject->Calibration().SaveToIni(ini, kPlane);
  FixedCollection->SaveToIni(ini, section, kGrid);
  LayerCollection->SaveToIni(ini, section, kLayer);
  ObjectMasses.SaveToIni(ini);
}

void TData::LoadFromIni(const TIniFile &ini, const QString &section) {
  using namespace data_storage_impl;
  EndDrags();
  // No copy may outlive the containers the readers replace.
  ClearHistories();
  // The time base the video gave stays when the file's is missing or one the time-interval
  // dialog would refuse: a zero or absurd interval would make every time and speed wrong.
  const double interval = ini.ReadFloat(section, QStringLiteral("RequiredDuration"), Interval);
  if (std::isfinite(interval) && interval > MinFrameInterval && interval < MaxFrameInterval) Interval = interval;
  // A file written before times could follow the stamps measured with the interval.
  UseStamps = ini.ReadBool(section, QStringLiteral("VideoTimeStamps"), false);
  FramesStep = std::max(1, ini.ReadInteger(section, QStringLiteral("FramesNumberBetweenTwoMarks"), 1));
  const int colourCount = std::max(1, ini.ReadCount(section, QStringLiteral("MarkColorsNumber"), MaxObjectsCount));
  Colors.clear();
  for (int i = 0; i < colourCount; ++i) {
    const int fallback = int(CreateGraphUtils()->ObjectColor(i).Value);
    Colors.push_back(TColor(std::uint32_t(ini.ReadInteger(section, IndexedKey(QStringLiteral("MarkColor"), i), fallback))));
  }
  const int visibilityCount =
      std::max(1, ini.ReadCount(section, QStringLiteral("MarkVisibiltiesNumber"), MaxObjectsCount));
  Visibilities.clear();
  for (int i = 0; i < visibilityCount; ++i)
    Visibilities.push_back(ini.ReadBool(section, IndexedKey(QStringLiteral("MarkVisibility"), i), true));
  ElemColor = TColor(std::uint32_t(ini.ReadInteger(section, QStringLiteral("ElementColor"), int(colors::clYellow.Value))));
  ElemSize = std::clamp(ini.ReadInteger(section, QStringLiteral("ElementSize"), ElemSize), 0, 2);
  FixedAxes->LoadFromIni(ini, section, kGrid);
  LayerSystem->LoadFromIni(ini, section, kLayer);
  ScaleObject->LoadFromIni(ini, section, QString());
  TPlaneCalibration plane;
  plane.LoadFromIni(ini, kPlane);
  PlaneObject->Reset(plane);
  FixedCollection->LoadFromIni(ini, section, kGrid);
  LayerCollection->LoadFromIni(ini, section, kLayer);
  ObjectMasses.LoadFromIni(ini);
  ClearHistories();
  ViewChanged();
  InvalidateCalculators(TCalculatorSet::Both);
  Fire(OnAxesChange);
  View().Invalidate();
}

}  // namespace kolibra::measurement
