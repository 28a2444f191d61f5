#include "kit/IniFile.h"

#include "kit/AtomicFile.h"
#include "kit/Locale.h"
#include "kit/TextDecoding.h"

#include <QFile>
#include <algorithm>
#include <QStringConverter>
#include <QTextStream>

namespace kolibra {

namespace {
// Section and key names compare without regard to case, as INI readers always have.
bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
}  // namespace

TIniFile::TIniFile(const QString &fileName) : Name(fileName) {
  QFile file(fileName);
  if (file.open(QIODevice::ReadOnly)) {
    Parse(DecodeText(file.readAll()));
  }
}

TIniFile TIniFile::FromText(const QString &fileName, const QString &text) {
  TIniFile ini;
  ini.Name = fileName;
  ini.Parse(text);
  return ini;
}

void TIniFile::Parse(const QString &text) {
  Section *current = nullptr;
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (QString line : lines) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';'))) continue;
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
      current = &SectionFor(trimmed.mid(1, trimmed.size() - 2).trimmed());
      continue;
    }
    const int eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0 || current == nullptr) continue;
    const QString key = line.left(eq).trimmed();
    const QString value = line.mid(eq + 1);
    current->Set(key, value);
  }
}

// Small sections are searched in order; a section builds its table of keys only once it
// holds more than a few, so that a file of many small sections (a damaged or hostile one)
// does not spend a table on each.
namespace ini_file_impl {
constexpr size_t kIndexedFrom = 8;
}  // namespace ini_file_impl

const TIniFile::Entry *TIniFile::Section::Find(const QString &key) const {
  const QString lower = key.toLower();
  if (Index.isEmpty()) {
    for (const Entry &e : Entries)
      if (e.Key.toLower() == lower) return &e;
    return nullptr;
  }
  const auto it = Index.constFind(lower);
  return it == Index.constEnd() ? nullptr : &Entries[size_t(*it)];
}

TIniFile::Entry *TIniFile::Section::Find(const QString &key) {
  return const_cast<Entry *>(static_cast<const Section *>(this)->Find(key));
}

void TIniFile::Section::Set(const QString &key, const QString &value) {
  if (Entry *e = Find(key)) {
    e->Value = value;
    return;
  }
  Entries.push_back({key, value});
  if (!Index.isEmpty())
    Index.insert(key.toLower(), int(Entries.size()) - 1);
  else if (Entries.size() > ini_file_impl::kIndexedFrom)
    Reindex();
}

void TIniFile::Section::Reindex() {
  Index.clear();
  if (Entries.size() <= ini_file_impl::kIndexedFrom) return;
  for (size_t i = 0; i < Entries.size(); ++i) Index.insert(Entries[i].Key.toLower(), int(i));
}

const TIniFile::Section *TIniFile::FindSection(const QString &name) const {
  const auto it = SectionIndex.constFind(name.toLower());
  return it == SectionIndex.constEnd() ? nullptr : &Data[size_t(*it)];
}

TIniFile::Section &TIniFile::SectionFor(const QString &name) {
  const QString lower = name.toLower();
  const auto it = SectionIndex.constFind(lower);
  if (it != SectionIndex.constEnd()) return Data[size_t(*it)];
  SectionIndex.insert(lower, int(Data.size()));
  Data.push_back({name, {}, {}});
  return Data.back();
}

const QString *TIniFile::FindValue(const QString &section, const QString &key) const {
  const Section *s = FindSection(section);
  if (s == nullptr) return nullptr;
  const Entry *e = s->Find(key);
  return e ? &e->Value : nullptr;
}

QString TIniFile::ReadString(const QString &section, const QString &key,
                             const QString &defaultValue) const {
  const QString *v = FindValue(section, key);
  return v ? *v : defaultValue;
}

int TIniFile::ReadInteger(const QString &section, const QString &key, int defaultValue) const {
  const QString *v = FindValue(section, key);
  if (v == nullptr) return defaultValue;
  bool ok = false;
  const int n = v->trimmed().toInt(&ok, 10);
  return ok ? n : defaultValue;
}

int TIniFile::ReadCount(const QString &section, const QString &key, int limit) const {
  const int count = ReadInteger(section, key, 0);
  return std::clamp(count, 0, std::min(limit, KeyCount(section)));
}

bool TIniFile::ReadBool(const QString &section, const QString &key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

double TIniFile::ReadFloat(const QString &section, const QString &key, double defaultValue) const {
  const QString *v = FindValue(section, key);
  if (v == nullptr) return defaultValue;
  double value = defaultValue;
  return TextToReal(*v, value) ? value : defaultValue;
}

void TIniFile::WriteString(const QString &section, const QString &key, const QString &value) {
  Section &s = SectionFor(section);
  // A line break in a value would start a new line in the file: keep values on one line.
  QString clean = value;
  clean.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
  s.Set(key, clean);
}

void TIniFile::WriteInteger(const QString &section, const QString &key, int value) {
  WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString &section, const QString &key, bool value) {
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::WriteFloat(const QString &section, const QString &key, double value) {
  WriteString(section, key, RealToText(value));
}

QStringList TIniFile::ReadStringList(const QString &section, const QString &countKey,
                                     const QString &itemKey) const {
  QStringList out;
  const int n = ReadInteger(section, countKey, 0);
  for (int i = 0; i < n; ++i) out << ReadString(section, IndexedKey(itemKey, i), QString());
  return out;
}

void TIniFile::WriteStringList(const QString &section, const QString &countKey,
                               const QString &itemKey, const QStringList &values) {
  WriteInteger(section, countKey, int(values.size()));
  for (int i = 0; i < values.size(); ++i) WriteString(section, IndexedKey(itemKey, i), values[i]);
}

bool TIniFile::SectionExists(const QString &section) const { return FindSection(section) != nullptr; }

bool TIniFile::ValueExists(const QString &section, const QString &key) const {
  return FindValue(section, key) != nullptr;
}

QStringList TIniFile::Sections() const {
  QStringList out;
  for (const Section &s : Data) out << s.Name;
  return out;
}

QStringList TIniFile::Keys(const QString &section) const {
  QStringList out;
  if (const Section *s = FindSection(section))
    for (const Entry &e : s->Entries) out << e.Key;
  return out;
}

int TIniFile::KeyCount(const QString &section) const {
  const Section *s = FindSection(section);
  return s == nullptr ? 0 : int(s->Entries.size());
}

void TIniFile::EraseSection(const QString &section) {
  const auto it = SectionIndex.constFind(section.toLower());
  if (it == SectionIndex.constEnd()) return;
  Data.erase(Data.begin() + *it);
  SectionIndex.clear();
  for (size_t i = 0; i < Data.size(); ++i) SectionIndex.insert(Data[i].Name.toLower(), int(i));
}

void TIniFile::DeleteKey(const QString &section, const QString &key) {
  for (Section &s : Data) {
    if (!sameName(s.Name, section)) continue;
    for (auto it = s.Entries.begin(); it != s.Entries.end(); ++it) {
      if (sameName(it->Key, key)) {
        s.Entries.erase(it);
        s.Reindex();
        return;
      }
    }
  }
}

QString TIniFile::ToText() const {
  QString out;
  bool first = true;
  for (const Section &s : Data) {
    if (!first) out += QLatin1String("\n");
    first = false;
    out += QLatin1Char('[') + s.Name + QLatin1String("]\n");
    for (const Entry &e : s.Entries) out += e.Key + QLatin1Char('=') + e.Value + QLatin1Char('\n');
  }
  return out;
}

bool TIniFile::UpdateFile() const { return WriteFileAtomically(Name, ToText().toUtf8()); }

}  // namespace kolibra
