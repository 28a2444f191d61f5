#pragma once
// TMRUFiles: the recent-files list of the File menu and the last folder the user worked in.
//
// The list holds full paths, most recent first, at most MaxEntries of them, each once (paths
// compared without regard to case). Every change calls OnChange, which the main window uses
// to rebuild the menu from Files() and Caption().
//
// Both are kept in the options file (sections "RecentFiles" and "MainForm") at program end
// and read back at start, so they survive a restart. The temporary folder, where the
// program writes its sample videos and which the system empties, is never remembered as the
// last folder.

#include <QString>
#include <QStringList>
#include <functional>

namespace kolibra {
class TIniFile;
}

namespace kolibra::measurement {

class TMRUFiles {
 public:
  const QStringList &Files() const { return Entries; }
  int MaxEntries() const { return Maximum; }
  // A different non-zero maximum trims the list to it.
  void SetMaxEntries(int maximum);
  // Captions "&1  :  name.klb" when numbered, else the full path.
  bool Numbered = true;

  // Puts name first (removing an equal entry and the last entries beyond the maximum);
  // ignored for an empty name.
  void Add(const QString &name);
  // Takes name out of the list (a file that no longer opens).
  void Remove(const QString &name);
  void Clear();
  // The menu caption of entry index.
  QString Caption(int index) const;

  // The last folder used; folders inside the temporary folder are not taken.
  const QString &Directory() const { return Folder; }
  void SetDirectory(const QString &folder);
  void SetTemporaryFolder(const QString &folder) { TemporaryFolder = folder; }

  // Sections "RecentFiles" (keys "File1", "File2", ...) and "MainForm" (key "Directory").
  void LoadFromIni(const TIniFile &ini);
  void SaveToIni(TIniFile &ini) const;

  std::function<void()> OnChange;

 private:
  void Changed() const {
    if (OnChange) OnChange();
  }

  QStringList Entries;
  int Maximum = 9;
  QString Folder;
  QString TemporaryFolder;
};

// Whether path is folder or lies inside it (both absolute).
bool IsInsideFolder(const QString &path, const QString &folder);

}  // namespace kolibra::measurement
