#include "mainwindow/HelpCommand.h"

#include "kit/MessageBox.h"
#include "mainwindow/MainTexts.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace kolibra::mainwindow {

QStringList HelpFileNames() {
  return {QStringLiteral("Help_fr.html"), QStringLiteral("Help_cz.html"),
          QStringLiteral("Help_es.html"), QStringLiteral("Help_en.html"),
          QStringLiteral("Help.html")};
}

QString FindHelpFile(const QString &programFolder) {
  const QDir folder(QDir(programFolder).filePath(QStringLiteral("Help")));
  for (const QString &name : HelpFileNames()) {
    const QString path = folder.filePath(name);
    if (QFileInfo(path).isFile()) return path;
  }
  return QString();
}

bool OpenHelp(const QString &programFolder, const THelpOpener &opener) {
  const QString page = FindHelpFile(programFolder);
  const QUrl url = QUrl::fromLocalFile(page);
  const bool opened =
      !page.isEmpty() && (opener ? opener(url) : QDesktopServices::openUrl(url));
  if (!opened) {
    TMessageBox(icWarning)
        .AddLine(MainTr("Unable to launch help. "))
        .AddEmptyLine()
        .AddLine(MainTr("Check that the « Help » directory exists with « Kolibra.exe »."))
        .AddButton(MainTr("Ok"))
        .Execute();
  }
  return opened;
}

}  // namespace kolibra::mainwindow
