#include "measurement/Origine.h"

#include "kit/IniFile.h"
#include "kit/MathUtils.h"

namespace kolibra::measurement {

TOrigine::TOrigine() : THistObject(okOrigine) {}

TOrigine::TOrigine(int imageNumber, TPointD position)
    : THistObject(okOrigine), ImageNumber(imageNumber), Position(position) {}

void TOrigine::Assign(const THistObject &source) {
  THistObject::Assign(source);
  if (const auto *origin = dynamic_cast<const TOrigine *>(&source)) {
    ImageNumber = origin->ImageNumber;
    Position = origin->Position;
  }
}

bool TOrigine::IsEqual(const THistObject &other) const {
  const auto *origin = dynamic_cast<const TOrigine *>(&other);
  return origin != nullptr && origin->ImageNumber == ImageNumber &&
         SamePointD(origin->Position, Position);
}

std::unique_ptr<THistObject> TOrigine::Clone() const {
  return FinishClone(std::make_unique<TOrigine>(), *this);
}

void TOrigine::LoadFromIni(const TIniFile &ini, const QString &section, const QString &suffix) {
  ImageNumber = ini.ReadInteger(section, SuffixedKey(QStringLiteral("OrigineImageNumber"), suffix), -1);
  Position.X = ini.ReadFloat(section, SuffixedKey(QStringLiteral("OrigineXCoordinate"), suffix), 0.0);
  Position.Y = ini.ReadFloat(section, SuffixedKey(QStringLiteral("OrigineYCoordinate"), suffix), 0.0);
}

void TOrigine::SaveToIni(TIniFile &ini, const QString &section, const QString &suffix) const {
  ini.WriteInteger(section, SuffixedKey(QStringLiteral("OrigineImageNumber"), suffix), ImageNumber);
  ini.WriteFloat(section, SuffixedKey(QStringLiteral("OrigineXCoordinate"), suffix), Position.X);
  ini.WriteFloat(section, SuffixedKey(QStringLiteral("OrigineYCoordinate"), suffix), Position.Y);
}

}  // namespace kolibra::measurement
