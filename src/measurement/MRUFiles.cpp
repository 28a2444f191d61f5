#include "measurement/MRUFiles.h"

#include "kit/IniFile.h"

#include <QDir>
#include <QFileInfo>

namespace kolibra::measurement {

namespace mru_impl {

const QString RecentSection = QStringLiteral("RecentFiles");
const QString MainFormSection = QStringLiteral("MainForm");
const QString DirectoryKey = QStringLiteral("Directory");

QString FileKey(int number) { return QStringLiteral("File%1").arg(number); }

}  // namespace mru_impl

bool IsInsideFolder(const QString &path, const QString &folder) {
  if (path.isEmpty() || folder.isEmpty()) return false;
  const QString inner = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  QString outer = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
  if (inner == outer) return true;
  if (!outer.endsWith(QLatin1Char('/'))) outer += QLatin1Char('/');
  return inner.startsWith(outer);
}

void TMRUFiles::SetMaxEntries(int maximum) {
  if (maximum <= 0 || maximum == Maximum) return;
  Maximum = maximum;
  if (Entries.size() > Maximum) {
    Entries = Entries.mid(0, Maximum);
    Changed();
  }
}

void TMRUFiles::Add(const QString &name) {
  if (name.isEmpty()) return;
  Entries.removeIf([&](const QString &entry) { return entry.compare(name, Qt::CaseInsensitive) == 0; });
  while (Entries.size() >= Maximum && !Entries.isEmpty()) Entries.removeLast();
  Entries.prepend(name);
  Changed();
}

void TMRUFiles::Remove(const QString &name) {
  if (Entries.removeIf([&](const QString &entry) { return entry.compare(name, Qt::CaseInsensitive) == 0; }) > 0)
    Changed();
}

void TMRUFiles::Clear() {
  if (Entries.isEmpty()) return;
  Entries.clear();
  Changed();
}

QString TMRUFiles::Caption(int index) const {
  const QString path = Entries.value(index);
  if (!Numbered) return QDir::toNativeSeparators(path);
  return QLatin1Char('&') + QString::number(index + 1) + QLatin1Char(' ') + QStringLiteral(" :  ") +
         QFileInfo(path).fileName();
}

void TMRUFiles::SetDirectory(const QString &folder) {
  // The system empties the temporary folder; the next dialog would open on a folder that
  // is gone, or on the sample videos rather than the user's work.
  if (folder.isEmpty() || IsInsideFolder(folder, TemporaryFolder)) return;
  Folder = folder;
}

void TMRUFiles::LoadFromIni(const TIniFile &ini) {
  using namespace mru_impl;
  Entries.clear();
  // Never more than a list can show, whatever a hand-edited file holds.
  for (int number = 1; number <= Maximum; ++number) {
    const QString file = ini.ReadString(RecentSection, FileKey(number), QString());
    if (file.isEmpty()) break;
    if (!Entries.contains(file, Qt::CaseInsensitive)) Entries << file;
  }
  Folder.clear();
  SetDirectory(ini.ReadString(MainFormSection, DirectoryKey, QString()));
  Changed();
}

void TMRUFiles::SaveToIni(TIniFile &ini) const {
  using namespace mru_impl;
  ini.WriteString(MainFormSection, DirectoryKey, Folder);
  ini.EraseSection(RecentSection);
  for (int i = 0; i < Entries.size(); ++i) ini.WriteString(RecentSection, FileKey(i + 1), Entries[i]);
}

}  // namespace kolibra::measurement
