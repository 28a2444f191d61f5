// The work-file keys of a collection: its settings, the object names, then every frame
// container with its marks, each key followed by "_" and the collection's suffix.

#include "kit/IniFile.h"
#include "measurement/PolyContainer.h"

#include <algorithm>
#include <unordered_map>

namespace kolibra::measurement {

namespace poly_container_storage_impl {

QString Key(const char *name, const QString &suffix) { return SuffixedKey(QLatin1String(name), suffix); }

}  // namespace poly_container_storage_impl

void TPolyContainer::SaveToIni(TIniFile &ini, const QString &section, const QString &suffix) const {
  using poly_container_storage_impl::Key;
  ini.WriteInteger(section, Key("MarksNumberPosition", suffix), MarksNumberPosition);
  ini.WriteBool(section, Key("MarksIsAllDrawn", suffix), MarksIsAllDrawn);
  ini.WriteInteger(section, Key("MarksNumberToDraw", suffix), MarksNumberToDraw);
  ini.WriteInteger(section, Key("CurrentMarkOrderNumber", suffix), CurrentMarkOrderNumber);
  ini.WriteInteger(section, Key("MarksNumberPerFrame", suffix), MarksNumberPerFrame);
  ini.WriteInteger(section, Key("SystemNamesNumber", suffix), int(SystemNames.size()));
  for (int i = 0; i < SystemNames.size(); ++i)
    ini.WriteString(section, Key("SystemName", ElementSuffix(suffix, i)), SystemNames.at(i));
  ini.WriteInteger(section, Key("MarksContainersNumber", suffix), int(Containers.size()));
  for (size_t i = 0; i < Containers.size(); ++i) Containers[i]->SaveToIni(ini, section, ElementSuffix(suffix, int(i)));
}

void TPolyContainer::LoadFromIni(const TIniFile &ini, const QString &section, const QString &suffix) {
  using poly_container_storage_impl::Key;
  Clear();
  MarksNumberPosition = std::clamp(ini.ReadInteger(section, Key("MarksNumberPosition", suffix), 0), 0, 2);
  MarksIsAllDrawn = ini.ReadBool(section, Key("MarksIsAllDrawn", suffix), true);
  MarksNumberToDraw = std::max(1, ini.ReadInteger(section, Key("MarksNumberToDraw", suffix), 1));
  const int current = ini.ReadInteger(section, Key("CurrentMarkOrderNumber", suffix), 0);
  // More objects than the program lets a user choose would only size colour lists and
  // name lists for nothing.
  SetMarksNumberPerFrame(
      std::clamp(ini.ReadInteger(section, Key("MarksNumberPerFrame", suffix), 1), 1, MaxObjectsCount));

  SystemNames.clear();
  const int names = ini.ReadCount(section, Key("SystemNamesNumber", suffix), MaxObjectsCount + 1);
  for (int i = 0; i < names; ++i)
    SystemNames << ini.ReadString(section, Key("SystemName", ElementSuffix(suffix, i)), QString());
  FitNames(MarksNumberPerFrame);

  // Every count is bounded by what the file holds, and frames are found through a table, so
  // a damaged or hostile file reads in time proportional to its size.
  const int count = ini.ReadCount(section, Key("MarksContainersNumber", suffix));
  std::unordered_map<int, TContainer *> byFrame;
  for (int i = 0; i < count; ++i) {
    std::unique_ptr<TContainer> loaded = CreateContainer(0);
    loaded->LoadFromIni(ini, section, ElementSuffix(suffix, i));
    if (loaded->MarksContainerFrameNumber < 0 || loaded->Marks.empty()) continue;
    // A hand-edited file may repeat a frame or name an object that does not exist: such
    // marks are dropped so that a frame still holds at most one mark per object.
    TContainer *&container = byFrame[loaded->MarksContainerFrameNumber];
    if (container == nullptr) {
      Containers.push_back(CreateContainer(loaded->MarksContainerFrameNumber));
      container = Containers.back().get();
    }
    while (!loaded->Marks.empty()) {
      std::unique_ptr<TMarque> mark = std::move(loaded->Marks.front());
      loaded->Marks.erase(loaded->Marks.begin());
      if (mark->MarkOrderNumber < 0 || mark->MarkOrderNumber >= MarksNumberPerFrame) continue;
      if (TMarque *held = container->TakeMark(std::move(mark))) AllMarks.push_back(held);
    }
  }
  // Containers whose every mark was dropped.
  std::erase_if(Containers, [](const auto &container) { return container->Marks.empty(); });
  ReindexMarks();
  Renumber();
  SetCurrentMarkOrderNumber(current);
  ComputePixels();
  Host().InvalidateResults(TResultsScope::ActiveMode);
  Host().MarksChanged();
}

int TPolyContainer::DiscardFrames(const std::function<bool(int frame)> &drop) {
  const size_t before = AllMarks.size();
  // The list of marks does not own them: it lets go first, then their containers go.
  std::erase_if(AllMarks, [&](const TMarque *mark) { return drop(mark->FrameIndex); });
  std::erase_if(Containers, [&](const auto &container) { return drop(container->MarksContainerFrameNumber); });
  const int removed = int(before - AllMarks.size());
  if (removed == 0) return 0;
  ReindexMarks();
  Renumber();
  Host().InvalidateResults(TResultsScope::ActiveMode);
  Host().MarksChanged();
  return removed;
}

}  // namespace kolibra::measurement
