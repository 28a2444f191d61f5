#include "measurement/Container.h"

#include "kit/IniFile.h"
#include "measurement/PolyContainer.h"

#include <algorithm>
#include <cmath>

namespace kolibra::measurement {

TContainer::TContainer(TRepere &system, TPolyContainer &collection, int frameNumber)
    : THistObject(okNone), MarksContainerFrameNumber(frameNumber), System(&system), Collection(&collection) {
  Marks.reserve(32);
}

TContainer::~TContainer() = default;

void TContainer::Assign(const THistObject &source) {
  THistObject::Assign(source);
  const auto *container = dynamic_cast<const TContainer *>(&source);
  if (container == nullptr || container == this) return;
  MarksContainerFrameNumber = container->MarksContainerFrameNumber;
  MarksContainerMarkNumber = container->MarksContainerMarkNumber;
  for (size_t i = 0; i < container->Marks.size(); ++i) {
    if (i == Marks.size()) Marks.push_back(CreateMark());
    Marks[i]->Assign(*container->Marks[i]);
    Marks[i]->FrameIndex = MarksContainerFrameNumber;
  }
  Marks.resize(container->Marks.size());
}

bool TContainer::IsEqual(const THistObject &other) const {
  const auto *container = dynamic_cast<const TContainer *>(&other);
  if (container == nullptr || container->MarksContainerFrameNumber != MarksContainerFrameNumber ||
      container->MarksContainerMarkNumber != MarksContainerMarkNumber || container->Marks.size() != Marks.size())
    return false;
  for (size_t i = 0; i < Marks.size(); ++i)
    if (!Marks[i]->IsEqual(*container->Marks[i])) return false;
  return true;
}

void TContainer::LoadFromIni(const TIniFile &ini, const QString &section, const QString &suffix) {
  MarksContainerFrameNumber = ini.ReadInteger(section, SuffixedKey(QStringLiteral("MarksContainerFrameNumber"), suffix), 0);
  MarksContainerMarkNumber = ini.ReadInteger(section, SuffixedKey(QStringLiteral("MarksContainerMarkNumber"), suffix), 0);
  // A frame holds at most one mark per object, so no sound file lists more marks than there
  // can be objects.
  const int count =
      ini.ReadCount(section, SuffixedKey(QStringLiteral("MarksContainerMarksNumber"), suffix), MaxObjectsCount);
  Marks.clear();
  for (int j = 0; j < count; ++j) {
    std::unique_ptr<TMarque> mark = CreateMark();
    mark->LoadFromIni(ini, section, ElementSuffix(suffix, j));
    // "NAN" or "INF" read as a position would put the mark nowhere and every result with it.
    const TPointD stored = mark->StoredPosition();
    if (!std::isfinite(stored.X) || !std::isfinite(stored.Y)) continue;
    TakeMark(std::move(mark));
  }
}

void TContainer::SaveToIni(TIniFile &ini, const QString &section, const QString &suffix) const {
  ini.WriteInteger(section, SuffixedKey(QStringLiteral("MarksContainerFrameNumber"), suffix), MarksContainerFrameNumber);
  ini.WriteInteger(section, SuffixedKey(QStringLiteral("MarksContainerMarkNumber"), suffix), MarksContainerMarkNumber);
  ini.WriteInteger(section, SuffixedKey(QStringLiteral("MarksContainerMarksNumber"), suffix), MarksCount());
  for (size_t j = 0; j < Marks.size(); ++j) Marks[j]->SaveToIni(ini, section, ElementSuffix(suffix, int(j)));
}

TMarque *TContainer::FindMark(int order) const {
  for (const auto &mark : Marks)
    if (mark->MarkOrderNumber == order) return mark.get();
  return nullptr;
}

TMarque *TContainer::TakeMark(std::unique_ptr<TMarque> mark) {
  if (!mark || FindMark(mark->MarkOrderNumber) != nullptr) return nullptr;
  mark->Container = this;
  mark->FrameIndex = MarksContainerFrameNumber;
  const int order = mark->MarkOrderNumber;
  const auto at = std::find_if(Marks.begin(), Marks.end(),
                               [order](const auto &held) { return held->MarkOrderNumber > order; });
  return Marks.insert(at, std::move(mark))->get();
}

std::unique_ptr<TMarque> TContainer::ReleaseMark(const TMarque *mark) {
  const auto it = std::find_if(Marks.begin(), Marks.end(), [mark](const auto &held) { return held.get() == mark; });
  if (it == Marks.end()) return nullptr;
  std::unique_ptr<TMarque> released = std::move(*it);
  Marks.erase(it);
  return released;
}

std::unique_ptr<THistObject> TMarqueImgRep::Clone() const {
  return FinishClone(std::make_unique<TMarqueImgRep>(*System, *Collection, MarksContainerFrameNumber), *this);
}

std::unique_ptr<TMarque> TMarqueImgRep::CreateMark() {
  auto mark = std::make_unique<TMarqueRep>(*System, *Collection, this);
  mark->FrameIndex = MarksContainerFrameNumber;
  return mark;
}

std::unique_ptr<THistObject> TMarqueImgTsp::Clone() const {
  return FinishClone(std::make_unique<TMarqueImgTsp>(*System, *Collection, MarksContainerFrameNumber), *this);
}

std::unique_ptr<TMarque> TMarqueImgTsp::CreateMark() {
  auto mark = std::make_unique<TMarqueTsp>(*System, *Collection, this);
  mark->FrameIndex = MarksContainerFrameNumber;
  return mark;
}

}  // namespace kolibra::measurement
