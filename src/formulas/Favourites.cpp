#include "formulas/Favourites.h"

#include "kit/IniFile.h"

#include <algorithm>

namespace kolibra::formulas {

namespace favourites_storage {

struct TListKeys {
  const char *Section;
  const char *Key;
};

constexpr TListKeys FormulaKeys{"Formulae", "Formula"};
constexpr TListKeys UnitKeys{"Units", "Unit"};
constexpr TListKeys CommentKeys{"Comments", "Comment"};

// Keys run from 0 up to the first one missing; an absurd hand-edited file stops there too.
constexpr int MaxEntries = 10000;

QStringList ReadList(const TIniFile &ini, const TListKeys &keys) {
  const QString section = QString::fromLatin1(keys.Section);
  QStringList items;
  for (int i = 0; i < MaxEntries; ++i) {
    const QString key = QString::fromLatin1(keys.Key) + QString::number(i);
    if (!ini.ValueExists(section, key)) break;
    items << ini.ReadString(section, key, QString());
  }
  return items;
}

void WriteList(TIniFile &ini, const TListKeys &keys, const QStringList &items) {
  const QString section = QString::fromLatin1(keys.Section);
  ini.EraseSection(section);
  for (int i = 0; i < items.size(); ++i)
    ini.WriteString(section, QString::fromLatin1(keys.Key) + QString::number(i), items[i]);
}

}  // namespace favourites_storage

bool TFavouriteList::Add(const QString &text) {
  const QString entry = text.trimmed();
  if (entry.isEmpty()) return false;
  if (Select(entry) >= 0) return false;
  Items << entry;
  Current = int(Items.size()) - 1;
  return true;
}

bool TFavouriteList::RemoveCurrent() {
  if (Current < 0 || Current >= Items.size()) return false;
  Items.removeAt(Current);
  if (Current >= Items.size()) Current = int(Items.size()) - 1;
  return true;
}

QString TFavouriteList::Previous() {
  if (Items.isEmpty()) return QString();
  Current = std::max(0, std::min(Current, int(Items.size())) - 1);
  return Items[Current];
}

QString TFavouriteList::Next() {
  if (Items.isEmpty()) return QString();
  Current = std::min(int(Items.size()) - 1, Current + 1);
  return Items[Current];
}

QString TFavouriteList::CurrentText() const {
  return Current >= 0 && Current < Items.size() ? Items[Current] : QString();
}

int TFavouriteList::Select(const QString &text) {
  for (int i = 0; i < Items.size(); ++i)
    if (QString::compare(Items[i], text.trimmed(), Qt::CaseInsensitive) == 0) return Current = i;
  return -1;
}

void TFavourites::Load(const TIniFile &ini) {
  using namespace favourites_storage;
  Formulas.Items = ReadList(ini, FormulaKeys);
  Units.Items = ReadList(ini, UnitKeys);
  Comments.Items = ReadList(ini, CommentKeys);
  for (TFavouriteList *list : {&Formulas, &Units, &Comments})
    list->Current = list->Items.isEmpty() ? -1 : 0;
}

void TFavourites::Save(TIniFile &ini) const {
  using namespace favourites_storage;
  WriteList(ini, FormulaKeys, Formulas.Items);
  WriteList(ini, UnitKeys, Units.Items);
  WriteList(ini, CommentKeys, Comments.Items);
}

void TFavourites::LoadFromFile(const QString &fileName) { Load(TIniFile(fileName)); }

bool TFavourites::SaveToFile(const QString &fileName) const {
  TIniFile ini(fileName);
  Save(ini);
  return ini.UpdateFile();
}

}  // namespace kolibra::formulas
