#include "export/Desktop.h"

#include <QDesktopServices>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace kolibra::exporting {

bool TSystemDesktop::OpenDocument(const QString &fileName) {
  // xdg-open starts whether or not a program handles the file, and fails later on its own:
  // the desktop is asked first whether it has a program for the file's type.
  if (const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime")); !xdgMime.isEmpty()) {
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"),
                          QMimeDatabase().mimeTypeForFile(fileName).name()});
    if (query.waitForFinished(5000) && query.exitStatus() == QProcess::NormalExit &&
        query.readAllStandardOutput().trimmed().isEmpty())
      return false;
  }
  return QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}

bool TSystemDesktop::StartProgram(const QString &program, const QStringList &arguments) {
  return QProcess::startDetached(program, arguments);
}

QString TSystemDesktop::FindProgram(const QString &name) const { return QStandardPaths::findExecutable(name); }

TProgramCall CalcCall(const IDesktop &desktop, const QString &fileName) {
  // Distributions install Calc's own launcher, or only the suite's with its --calc switch.
  if (const QString calc = desktop.FindProgram(QStringLiteral("localc")); !calc.isEmpty())
    return {calc, {fileName}};
  for (const char *suite : {"libreoffice", "soffice"})
    if (const QString program = desktop.FindProgram(QLatin1String(suite)); !program.isEmpty())
      return {program, {QStringLiteral("--calc"), fileName}};
  return {};
}

TProgramCall RegressiCall(const IDesktop &desktop, const QString &executable) {
  if (!executable.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) return {executable, {}};
  const QString wine = desktop.FindProgram(QStringLiteral("wine"));
  if (wine.isEmpty()) return {};
  return {wine, {executable}};
}

}  // namespace kolibra::exporting
