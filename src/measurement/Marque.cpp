#include "measurement/Marque.h"

#include "kit/IniFile.h"
#include "kit/MathUtils.h"
#include "measurement/PolyContainer.h"
#include "measurement/Repere.h"

namespace kolibra::measurement {

TMarque::TMarque(int objectKind, TRepere &system, TPolyContainer &collection, TContainer *container)
    : THistObject(objectKind), System(&system), Collection(&collection), Container(container) {}

TMarque::~TMarque() = default;

void TMarque::Assign(const THistObject &source) {
  THistObject::Assign(source);
  const auto *mark = dynamic_cast<const TMarque *>(&source);
  if (mark == nullptr || mark == this) return;
  MarkOrderNumber = mark->MarkOrderNumber;
  FrameIndex = mark->FrameIndex;
  ContainerIndex = mark->ContainerIndex;
  Position = mark->Position;
}

bool TMarque::IsEqual(const THistObject &other) const {
  const auto *mark = dynamic_cast<const TMarque *>(&other);
  return mark != nullptr && mark->ObjectKind == ObjectKind && mark->MarkOrderNumber == MarkOrderNumber &&
         SamePointD(mark->GetAbsolutePosition(), GetAbsolutePosition()) &&
         SamePointD(mark->GetRelativePosition(), GetRelativePosition());
}

void TMarque::LoadFromIni(const TIniFile &ini, const QString &section, const QString &suffix) {
  MarkOrderNumber = ini.ReadInteger(section, SuffixedKey(QStringLiteral("MarkOrderNumber"), suffix), 0);
  Position.X = ini.ReadFloat(section, SuffixedKey(QStringLiteral("MarkXCoordinate"), suffix), 0.0);
  Position.Y = ini.ReadFloat(section, SuffixedKey(QStringLiteral("MarkYCoordinate"), suffix), 0.0);
}

void TMarque::SaveToIni(TIniFile &ini, const QString &section, const QString &suffix) const {
  ini.WriteInteger(section, SuffixedKey(QStringLiteral("MarkOrderNumber"), suffix), MarkOrderNumber);
  ini.WriteFloat(section, SuffixedKey(QStringLiteral("MarkXCoordinate"), suffix), Position.X);
  ini.WriteFloat(section, SuffixedKey(QStringLiteral("MarkYCoordinate"), suffix), Position.Y);
}

void TMarque::ComputePixel() { Pix = Collection->View().FrameToScreen(GetAbsolutePosition()); }

void TMarque::StorePosition(TPointD position) {
  if (SamePointD(position, Position)) return;
  Position = position;
  Collection->Host().InvalidateResults(TResultsScope::ActiveMode);
}

TMarqueRep::TMarqueRep(TRepere &system, TPolyContainer &collection, TContainer *container)
    : TMarque(okMarqueRep, system, collection, container) {}

std::unique_ptr<THistObject> TMarqueRep::Clone() const {
  return FinishClone(std::make_unique<TMarqueRep>(*System, *Collection, Container), *this);
}

TPointD TMarqueRep::GetRelativePosition() const {
  return TPointD(Position.X - System->OrigineCurrent.X, Position.Y - System->OrigineCurrent.Y);
}

void TMarqueRep::SetRelativePosition(TPointD position) {
  StorePosition(TPointD(position.X + System->OrigineCurrent.X, position.Y + System->OrigineCurrent.Y));
}

TMarqueTsp::TMarqueTsp(TRepere &system, TPolyContainer &collection, TContainer *container)
    : TMarque(okMarqueTsp, system, collection, container) {}

std::unique_ptr<THistObject> TMarqueTsp::Clone() const {
  return FinishClone(std::make_unique<TMarqueTsp>(*System, *Collection, Container), *this);
}

TPointD TMarqueTsp::GetAbsolutePosition() const {
  return TPointD(Position.X + System->OrigineCurrent.X, Position.Y + System->OrigineCurrent.Y);
}

void TMarqueTsp::SetAbsolutePosition(TPointD position) {
  StorePosition(TPointD(position.X - System->OrigineCurrent.X, position.Y - System->OrigineCurrent.Y));
}

}  // namespace kolibra::measurement
