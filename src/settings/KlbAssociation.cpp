#include "settings/KlbAssociation.h"

#include "kit/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace kolibra::settings {

namespace klb_association {

const QString DefaultSection = QStringLiteral("[Default Applications]");

QString FolderFromEnvironment(const char *variable, const char *fallback) {
  const QString folder = qEnvironmentVariable(variable);
  // The XDG base-directory rules say a relative path in these variables is to be ignored.
  if (!folder.isEmpty() && QDir::isAbsolutePath(folder)) return folder;
  return QDir::home().filePath(QLatin1String(fallback));
}

QByteArray ReadResource(const QString &name) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString &fileName, const QByteArray &bytes) {
  return QDir().mkpath(QFileInfo(fileName).absolutePath()) &&
         WriteFileAtomically(fileName, bytes);
}

bool IsSectionHeader(const QString &line) { return line.startsWith(QLatin1Char('[')); }

}  // namespace klb_association

QByteArray InstalledDesktopEntry() {
  return klb_association::ReadResource(QStringLiteral(":/desktop/kolibra.desktop"));
}

QByteArray MimePackage() {
  return klb_association::ReadResource(QStringLiteral(":/desktop/kolibra.xml"));
}

TKlbAssociation::TKlbAssociation()
    : TKlbAssociation(klb_association::FolderFromEnvironment("XDG_DATA_HOME", ".local/share"),
                      klb_association::FolderFromEnvironment("XDG_CONFIG_HOME", ".config")) {}

TKlbAssociation::TKlbAssociation(const QString &dataHome, const QString &configHome)
    : DataHome(dataHome), ConfigHome(configHome) {}

QString TKlbAssociation::DesktopFile() const {
  return QDir(DataHome).filePath(QStringLiteral("applications/") + QLatin1String(KlbDesktopId));
}

QString TKlbAssociation::MimeFile() const {
  return QDir(DataHome).filePath(QStringLiteral("mime/packages/") + QLatin1String(KlbMimePackage));
}

QString TKlbAssociation::MimeAppsFile() const {
  return QDir(ConfigHome).filePath(QStringLiteral("mimeapps.list"));
}

bool TKlbAssociation::IsRegistered() const { return QFileInfo(DesktopFile()).isFile(); }

QString TKlbAssociation::QuoteExecArgument(const QString &path) {
  // Inside double quotes the Exec rules escape " ` $ and \ with a backslash; a literal "%"
  // is "%%". The whole value is then a desktop-entry string, whose own escape is "\\".
  QString quoted;
  for (const QChar c : path) {
    if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
        c == QLatin1Char('\\'))
      quoted += QLatin1Char('\\');
    if (c == QLatin1Char('%')) quoted += QLatin1Char('%');
    quoted += c;
  }
  quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray TKlbAssociation::DesktopEntryFor(const QString &executable) {
  // A line break cannot be written in a desktop entry at all.
  if (executable.contains(QLatin1Char('\n')) || executable.contains(QLatin1Char('\r')))
    return QByteArray();
  QStringList lines = QString::fromUtf8(InstalledDesktopEntry()).split(QLatin1Char('\n'));
  for (QString &line : lines) {
    if (line.startsWith(QLatin1String("Exec=")))
      line = QStringLiteral("Exec=") + QuoteExecArgument(executable) + QStringLiteral(" %f");
  }
  // Only for opening files: the menus keep the installed entry, if there is one.
  while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  lines << QStringLiteral("NoDisplay=true") << QString();
  return lines.join(QLatin1Char('\n')).toUtf8();
}

QString TKlbAssociation::WithDefault(const QString &text, const QString &type, const QString &app) {
  // The same walk as xdg-mime's: within [Default Applications] the type's line gets app in
  // front of the applications it named; without such a line one is added at the end of the
  // section (before its blank lines); without the section, both go at the end of the file.
  using klb_association::DefaultSection;
  using klb_association::IsSectionHeader;
  const QString prefix = type + QLatin1Char('=');
  QStringList lines = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
  const bool finalBreak = !lines.isEmpty() && lines.last().isEmpty();
  if (finalBreak) lines.removeLast();

  QStringList out;
  bool inSection = false;
  bool seenSection = false;
  bool found = false;
  int blanks = 0;
  const auto flushBlanks = [&] {
    for (; blanks > 0; --blanks) out << QString();
  };
  for (QString line : lines) {
    if (line.startsWith(DefaultSection)) {
      inSection = seenSection = true;
    } else if (IsSectionHeader(line)) {
      if (inSection && !found) {
        out << prefix + app;
        found = true;
      }
      inSection = false;
    } else if (line.isEmpty()) {
      ++blanks;
      continue;
    } else if (inSection && line.startsWith(prefix)) {
      QString value = app + QLatin1Char(';');
      for (const QString &other : line.mid(prefix.size()).split(QLatin1Char(';')))
        if (!other.isEmpty() && other != app) value += other + QLatin1Char(';');
      line = prefix + value;
      found = true;
    }
    flushBlanks();
    out << line;
  }
  if (!found) {
    if (!seenSection || !inSection) out << DefaultSection;
    out << prefix + app;
  }
  flushBlanks();
  return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString TKlbAssociation::WithoutDefault(const QString &text, const QString &type,
                                        const QString &app) {
  using klb_association::DefaultSection;
  using klb_association::IsSectionHeader;
  const QString prefix = type + QLatin1Char('=');
  QStringList lines = text.split(QLatin1Char('\n'));
  bool inSection = false;
  for (int i = 0; i < lines.size(); ++i) {
    const QString &line = lines.at(i);
    if (IsSectionHeader(line)) {
      inSection = line.startsWith(DefaultSection);
      continue;
    }
    if (!inSection || !line.startsWith(prefix)) continue;
    const QStringList apps = line.mid(prefix.size()).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (!apps.contains(app)) continue;
    QStringList others = apps;
    others.removeAll(app);
    if (others.isEmpty()) {
      lines.removeAt(i--);
    } else {
      lines[i] = prefix + others.join(QLatin1Char(';')) + QLatin1Char(';');
    }
  }
  return lines.join(QLatin1Char('\n'));
}

bool TKlbAssociation::Register(const QString &executable) {
  using klb_association::WriteFile;
  Failed.clear();
  const QByteArray entry = DesktopEntryFor(executable);
  if (entry.isEmpty() || !WriteFile(DesktopFile(), entry)) {
    Failed = DesktopFile();
    return false;
  }
  if (!WriteFile(MimeFile(), MimePackage())) {
    Failed = MimeFile();
    return false;
  }
  QFile list(MimeAppsFile());
  const QString before =
      list.open(QIODevice::ReadOnly) ? QString::fromUtf8(list.readAll()) : QString();
  list.close();
  const QString after = WithDefault(before, QLatin1String(KlbMimeType), QLatin1String(KlbDesktopId));
  if (after != before && !WriteFile(MimeAppsFile(), after.toUtf8())) {
    Failed = MimeAppsFile();
    return false;
  }
  RunCachePrograms();
  return true;
}

bool TKlbAssociation::Unregister() {
  Failed.clear();
  for (const QString &file : {DesktopFile(), MimeFile()}) {
    if (QFileInfo::exists(file) && !QFile::remove(file)) {
      Failed = file;
      return false;
    }
  }
  QFile list(MimeAppsFile());
  if (list.open(QIODevice::ReadOnly)) {
    const QString before = QString::fromUtf8(list.readAll());
    list.close();
    const QString after =
        WithoutDefault(before, QLatin1String(KlbMimeType), QLatin1String(KlbDesktopId));
    if (after != before && !klb_association::WriteFile(MimeAppsFile(), after.toUtf8())) {
      Failed = MimeAppsFile();
      return false;
    }
  }
  RunCachePrograms();
  return true;
}

void TKlbAssociation::RunCachePrograms() const {
  if (!RefreshCaches) return;
  // What xdg-mime install and xdg-desktop-menu install run; a desktop without them reads the
  // files directly.
  const struct {
    const char *Program;
    QString Folder;
  } programs[] = {
      {"update-mime-database", QDir(DataHome).filePath(QStringLiteral("mime"))},
      {"update-desktop-database", QDir(DataHome).filePath(QStringLiteral("applications"))},
  };
  for (const auto &p : programs) {
    const QString path = QStandardPaths::findExecutable(QLatin1String(p.Program));
    if (path.isEmpty() || !QFileInfo(p.Folder).isDir()) continue;
    QProcess process;
    // Their notes (a folder outside the search path in tests) are not the user's business.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(path, {p.Folder});
    process.waitForFinished(30000);
  }
}

}  // namespace kolibra::settings
