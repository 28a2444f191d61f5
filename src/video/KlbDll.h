#pragma once
// Kolibra's FFmpeg plug-ins, the reader's wrapper KlbVff and the writer's KlbRff: loaded by
// path at run time from the folder "KlbDll" beside the executable (or the folder named by the
// environment variable KOLIBRA_KLBDLL_DIR), never linked, so that a machine without FFmpeg
// still runs Kolibra and is told what is missing. The reader and the writer load theirs
// through one TKlbDll each and report a missing or old plug-in in the same words.

#include <QString>

namespace kolibra::video {

class TKlbDll {
 public:
  TKlbDll() = default;
  ~TKlbDll() { Unload(); }
  TKlbDll(const TKlbDll &) = delete;
  TKlbDll &operator=(const TKlbDll &) = delete;

  // The folder "KlbDll" beside the executable, unless KOLIBRA_KLBDLL_DIR names another.
  static QString DefaultFolder();

  // Loads FileName from Folder (empty: DefaultFolder()); true when it is loaded, now or
  // before. On failure Error() says why in the loader's own words.
  bool Load(const QString &Folder, const QString &FileName);
  void Unload();
  bool IsLoaded() const { return FHandle != nullptr; }
  // Tells the plug-ins apart (a handle per loaded file).
  void *Handle() const { return FHandle; }
  // Why the plug-in could not be loaded: its path when it is missing, else what the system
  // loader said (typically an FFmpeg library the plug-in needs is missing).
  const QString &Error() const { return FError; }

  // The plug-in's entry point Name, null when it has none (an older plug-in).
  template <typename T>
  void Resolve(const char *Name, T &Entry) const {
    Entry = reinterpret_cast<T>(Symbol(Name));
  }
  // Texts from the plug-in: at most 1,024 bytes, up to the first null, UTF-8.
  static QString Text(const char *Text);

  // What the user is told when the plug-in cannot be loaded, or is older than Kolibra needs.
  static QString NotInstalledText();
  static QString TooOldText();

 private:
  void *Symbol(const char *Name) const;

  void *FHandle = nullptr;
  QString FError;
};

}  // namespace kolibra::video
