#pragma once
// The association of work files (".klb") with Kolibra in the user's desktop: the
// freedesktop way, as xdg-mime and xdg-desktop-menu would set it up.
//
//   $XDG_DATA_HOME/mime/packages/kolibra.xml        the MIME type application/x-kolibra-work,
//                                                   glob *.klb (the file the package installs)
//   $XDG_DATA_HOME/applications/kolibra-klb.desktop an entry that opens a file with this
//                                                   executable, kept out of the menus
//   $XDG_CONFIG_HOME/mimeapps.list                  [Default Applications]
//                                                   application/x-kolibra-work=kolibra-klb.desktop
//
// XDG_DATA_HOME and XDG_CONFIG_HOME default to ~/.local/share and ~/.config. mimeapps.list
// is shared with every other program: Register edits it the way "xdg-mime default" does
// (our entry first on the type's line, every other line kept byte for byte), Unregister
// takes out only our own entry, so a program that has taken the type over keeps it.
// Afterwards the desktop's caches are refreshed (update-mime-database,
// update-desktop-database) when those programs exist.
//
// The association is on (IsRegistered) while our desktop entry exists, as the command key
// told on the platform this comes from.

#include <QString>

namespace kolibra::settings {

inline constexpr const char *KlbMimeType = "application/x-kolibra-work";
inline constexpr const char *KlbDesktopId = "kolibra-klb.desktop";
inline constexpr const char *KlbMimePackage = "kolibra.xml";

// The files Kolibra's package installs: the application entry (Exec=kolibra %f) and the
// MIME package. The association writes variants of the same texts.
QByteArray InstalledDesktopEntry();
QByteArray MimePackage();

class TKlbAssociation {
 public:
  // The folders from the environment (see above).
  TKlbAssociation();
  TKlbAssociation(const QString &dataHome, const QString &configHome);

  QString DesktopFile() const;
  QString MimeFile() const;
  QString MimeAppsFile() const;

  bool IsRegistered() const;
  // Writes the three files for the program at executable. False, with FailedFile, when one
  // of them cannot be written (the ones before it stay).
  bool Register(const QString &executable);
  // Removes what Register wrote. False, with FailedFile, when a file cannot be changed.
  bool Unregister();
  const QString &FailedFile() const { return Failed; }

  // The cache programs run after a change (tests that only read the files turn them off).
  bool RefreshCaches = true;

  // The desktop entry for executable: the installed one with Exec naming the executable,
  // kept out of the menus. Empty when the path cannot be written in an Exec line.
  static QByteArray DesktopEntryFor(const QString &executable);
  // The Exec line's program argument: quoted, escaped for the Exec rules and then for a
  // desktop-entry string.
  static QString QuoteExecArgument(const QString &path);
  // mimeapps.list text with app made the default of type, as "xdg-mime default" edits it.
  static QString WithDefault(const QString &text, const QString &type, const QString &app);
  // mimeapps.list text with app taken out of type's default line (the line goes when it was
  // the only one); other lines untouched.
  static QString WithoutDefault(const QString &text, const QString &type, const QString &app);

 private:
  void RunCachePrograms() const;

  QString DataHome;
  QString ConfigHome;
  QString Failed;
};

}  // namespace kolibra::settings
