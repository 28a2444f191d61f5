#pragma once
// Kolibra's INI files (options, work files). Sections and keys keep the order in which
// they were first read or written, each value is one "key=value" line, and nothing is
// escaped, so files stay readable and editable by hand. Values follow the house rules:
// Booleans "1"/"0" read back as true for any non-zero integer, integers in decimal, reals
// by RealToText with the regional separator and read back through LocalizeDecimal, lists
// as a count key followed by one "key_i" entry per element.
//
// Reading never fails: a missing file, section or key, or an unreadable value, gives the
// caller's default. Writing changes the in-memory copy; UpdateFile writes it to a
// temporary file beside the target, which replaces the target only once complete.

#include <QHash>
#include <QString>
#include <QStringList>
#include <climits>
#include <vector>

namespace kolibra {

class TIniFile {
 public:
  // Reads FileName when it exists (see DecodeText); an unreadable file starts empty.
  explicit TIniFile(const QString &fileName);
  // A file for FileName whose content is text, read from elsewhere or empty: nothing is
  // read from disk, and UpdateFile writes exactly what was set.
  static TIniFile FromText(const QString &fileName, const QString &text);

  const QString &FileName() const { return Name; }

  QString ReadString(const QString &section, const QString &key, const QString &defaultValue) const;
  int ReadInteger(const QString &section, const QString &key, int defaultValue) const;
  bool ReadBool(const QString &section, const QString &key, bool defaultValue) const;
  double ReadFloat(const QString &section, const QString &key, double defaultValue) const;
  // The count key of a list, 0 when missing: never negative, never more than limit, and
  // never more than the section's keys, since a damaged file cannot hold more elements than
  // lines. Readers loop on it without fear of a count of 2,147,483,647.
  int ReadCount(const QString &section, const QString &key, int limit = INT_MAX) const;

  void WriteString(const QString &section, const QString &key, const QString &value);
  void WriteInteger(const QString &section, const QString &key, int value);
  void WriteBool(const QString &section, const QString &key, bool value);
  void WriteFloat(const QString &section, const QString &key, double value);

  // A list: countKey=n, then itemKey_0 ... itemKey_(n-1). Missing items read as "".
  QStringList ReadStringList(const QString &section, const QString &countKey,
                             const QString &itemKey) const;
  void WriteStringList(const QString &section, const QString &countKey, const QString &itemKey,
                       const QStringList &values);

  bool SectionExists(const QString &section) const;
  bool ValueExists(const QString &section, const QString &key) const;
  QStringList Sections() const;
  QStringList Keys(const QString &section) const;
  // How many keys the section holds (0 without it): a bound for list counts read from a
  // file, which cannot hold more elements than it has lines.
  int KeyCount(const QString &section) const;
  void EraseSection(const QString &section);
  void DeleteKey(const QString &section, const QString &key);

  // Writes every section to disk atomically. Returns false (and leaves the file as it
  // was) when the folder cannot be written or the disk is full.
  bool UpdateFile() const;

  // The text UpdateFile writes.
  QString ToText() const;

 private:
  struct Entry {
    QString Key;
    QString Value;
  };
  struct Section {
    QString Name;
    std::vector<Entry> Entries;
    QHash<QString, int> Index;  // lower-case key -> position in Entries, past a few keys

    Entry *Find(const QString &key);
    const Entry *Find(const QString &key) const;
    void Set(const QString &key, const QString &value);
    void Reindex();
  };

  TIniFile() = default;
  const Section *FindSection(const QString &name) const;
  Section &SectionFor(const QString &name);
  const QString *FindValue(const QString &section, const QString &key) const;
  void Parse(const QString &text);

  QString Name;
  std::vector<Section> Data;
  QHash<QString, int> SectionIndex;  // lower-case name -> position in Data
};

// "key" + "_" + index: the key of element index of a list.
inline QString IndexedKey(const QString &key, int index) {
  return key + QLatin1Char('_') + QString::number(index);
}

}  // namespace kolibra
