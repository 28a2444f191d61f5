#pragma once
// TKlb: the work file (".klb") being written, and the reading of one back.
//
// Writing is whole-file: Open checks that the file can be made and starts an empty file in
// memory; the writers fill it in the work file's order; Close puts it on disk at once
// (WriteFileAtomically). So a failed save leaves any older file exactly as it was, and a
// save over an older file keeps nothing of it (no stale keys of a measurement that had
// more containers).
//
// Reading takes the whole file into memory, decoded as its author wrote it (DecodeText),
// and refuses files over MaxWorkFileSize: no measurement comes near it, and a bigger one
// would only be a way to exhaust memory.

#include "kit/IniFile.h"

#include <QString>
#include <optional>

namespace kolibra::measurement {

// [Main] "Version" of the files Kolibra writes.
inline constexpr int WorkFileVersion = 351000;
// Files above 128 MiB are refused.
inline constexpr qint64 MaxWorkFileSize = qint64(128) << 20;

inline const QString WorkMainSection = QStringLiteral("Main");
inline const QString WorkVersionKey = QStringLiteral("Version");
inline const QString WorkVideoKey = QStringLiteral("VideoFileName");

// Why a work file could not be read.
enum TKlbReadStatus { krsOk, krsMissing, krsTooLarge, krsUnreadable };

class TKlb {
 public:
  const QString &FileName() const { return Name; }
  bool IsOpen() const { return File.has_value(); }

  // Starts writing name. False, and nothing changes, when a file is already open or name
  // cannot be created (a missing or write-protected folder, a folder of that name).
  bool Open(const QString &name);
  // The file being written (Open returned true).
  TIniFile &Ini() { return *File; }
  // Writes the file at once and closes it; false when it could not be written, the older
  // file (if any) then untouched. Closes in every case.
  bool Close();
  // Closes without writing anything.
  void Cancel();

  // Reads a work file into ini.
  static TKlbReadStatus Read(const QString &name, TIniFile &ini);

 private:
  QString Name;
  std::optional<TIniFile> File;
};

// Whether a file can be made or replaced at name: its folder exists and can be written, and
// name is not a folder or a write-protected file.
bool CanWriteFile(const QString &name);

}  // namespace kolibra::measurement
