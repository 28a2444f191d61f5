#include "mainwindow/HelpCommand.h"

#include "kit/MessageBox.h"
#include "kit/Texts.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace kolibra::mainwindow {

QString LanguagePage(const QString &language) {
  return QStringLiteral("Help_%1.html").arg(language.isEmpty() ? QStringLiteral("en") : language);
}

QStringList HelpFileNames(const QString &language) {
  QStringList names{LanguagePage(language), QStringLiteral("Help_en.html")};
  for (const char *name :
       {"Help_fr.html", "Help_cz.html", "Help_es.html", "Help_en.html", "Help.html"})
    names << QLatin1String(name);
  names.removeDuplicates();
  return names;
}

QString FindHelpFile(const QString &programFolder, const QString &language) {
  const QDir folder(QDir(programFolder).filePath(QStringLiteral("Help")));
  for (const QString &name : HelpFileNames(language)) {
    const QString path = folder.filePath(name);
    if (QFileInfo(path).isFile()) return path;
  }
  return QString();
}

QString ExpectedHelpFile(const QString &programFolder, const QString &language) {
  return QDir::toNativeSeparators(
      QDir(QDir(programFolder).filePath(QStringLiteral("Help"))).filePath(LanguagePage(language)));
}

THelpWay ChooseHelpWay(bool pageFound, bool desktopHasHtmlHandler) {
  if (!pageFound) return THelpWay::Missing;
  return desktopHasHtmlHandler ? THelpWay::Desktop : THelpWay::OwnWindow;
}

bool HelpLinkStaysInside(const QUrl &resolvedLink) {
  if (!resolvedLink.isLocalFile()) return false;
  const QString suffix = QFileInfo(resolvedLink.toLocalFile()).suffix().toLower();
  return suffix == QLatin1String("html") || suffix == QLatin1String("htm");
}

bool DesktopHasHtmlHandler() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
  return true;
#else
  // QDesktopServices hands the page to xdg-open and reports success even when xdg-open
  // then finds no program: ask the same database first.
  QProcess query;
  query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                           QStringLiteral("text/html")});
  if (!query.waitForFinished(3000)) {
    query.kill();
    query.waitForFinished(1000);
    return false;
  }
  return query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
         !QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed().isEmpty();
#endif
}

bool OpenHelp(const QString &programFolder, const THelpOpener &desktop, const THelpOpener &ownWindow,
              const THandlerProbe &probe) {
  const QString page = FindHelpFile(programFolder);
  const QUrl url = QUrl::fromLocalFile(page);
  const auto warn = [](const QString &reason) {
    TMessageBox(icWarning)
        .AddLine(MainFormText::tr("Unable to launch help. "))
        .AddEmptyLine()
        .AddLine(reason)
        .AddButton(MainFormText::tr("Ok"))
        .Execute();
    return false;
  };
  // The desktop is asked only when there is a page to show.
  const bool handler = !page.isEmpty() && (probe ? probe() : DesktopHasHtmlHandler());
  const THelpWay way = ChooseHelpWay(!page.isEmpty(), handler);
  if (way == THelpWay::Missing)
    return warn(
        MainFormText::tr("The help page « %1 » is missing.").arg(ExpectedHelpFile(programFolder)));
  if (way == THelpWay::Desktop && (desktop ? desktop(url) : QDesktopServices::openUrl(url))) return true;
  if (ownWindow && ownWindow(url)) return true;
  return warn(MainFormText::tr("No program could show the page « %1 ».")
                  .arg(QDir::toNativeSeparators(page)));
}

}  // namespace kolibra::mainwindow
