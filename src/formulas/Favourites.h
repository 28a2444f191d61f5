#pragma once
// The formula keyboard's three favourite lists (formulas, units, comments), kept in the
// options file between runs: section "Formulae" with keys "Formula0", "Formula1" ..., section
// "Units" with "Unit0" ..., section "Comments" with "Comment0" ..., read up to the first
// missing key and written back whole (each section erased first).

#include <QString>
#include <QStringList>

namespace kolibra {
class TIniFile;
}

namespace kolibra::formulas {

// One list with a current entry, walked by the previous and next buttons.
class TFavouriteList {
 public:
  // Appends text (trimmed) unless it is empty or already listed (whatever the case); the
  // entry becomes the current one either way. False when nothing was added.
  bool Add(const QString &text);
  // Removes the current entry; the next one (else the one before) becomes current.
  bool RemoveCurrent();
  // Moves to the entry before or after the current one (staying at either end) and returns
  // it; an empty list gives an empty text.
  QString Previous();
  QString Next();
  QString CurrentText() const;
  // Makes the entry equal to text (whatever the case) current; -1 when absent.
  int Select(const QString &text);

  QStringList Items;
  int Current = -1;
};

struct TFavourites {
  TFavouriteList Formulas;
  TFavouriteList Units;
  TFavouriteList Comments;

  void Load(const TIniFile &ini);
  void Save(TIniFile &ini) const;
  // Reads the options file; Save writes it back, keeping its other sections. False when the
  // file cannot be written.
  void LoadFromFile(const QString &fileName);
  bool SaveToFile(const QString &fileName) const;
};

}  // namespace kolibra::formulas
