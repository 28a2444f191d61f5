#pragma once
// The help command: the first existing of the help pages in the folder "Help" beside the
// program. The desktop's program for web pages shows it when there is one; on a machine
// without (no handler for text/html, or the desktop refuses the page) Kolibra's own help
// window shows it, so help works everywhere. Only a page that is really missing is warned
// about, naming the file that was looked for.

#include "kit/Language.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace kolibra::mainwindow {

// The pages tried, in order: the page of the interface language, the English one, then the
// others.
QStringList HelpFileNames(const QString &language = CurrentLanguage());
// The first existing page in programFolder's "Help" folder; empty when there is none.
QString FindHelpFile(const QString &programFolder, const QString &language = CurrentLanguage());
// The page Kolibra installs for the language, named when none is found.
QString ExpectedHelpFile(const QString &programFolder, const QString &language = CurrentLanguage());

// Which way the help is shown.
enum class THelpWay {
  Desktop,    // the desktop's program for web pages
  OwnWindow,  // Kolibra's help window
  Missing,    // no page: the warning names the file
};
THelpWay ChooseHelpWay(bool pageFound, bool desktopHasHtmlHandler);

// True when a link clicked in the help window is shown there (a web page of the local
// help, or a place in the current one); false when it goes to the desktop (the web, mail,
// any other kind of file).
bool HelpLinkStaysInside(const QUrl &resolvedLink);

using THelpOpener = std::function<bool(const QUrl &)>;
using THandlerProbe = std::function<bool()>;

// True when the desktop names a program for text/html (xdg-mime on Linux; elsewhere the
// system always has one).
bool DesktopHasHtmlHandler();

// Shows the help. desktop (by default QDesktopServices) is tried when the probe (by default
// DesktopHasHtmlHandler) finds a program; ownWindow shows the page otherwise or when the
// desktop fails. False after the warning.
bool OpenHelp(const QString &programFolder, const THelpOpener &desktop = THelpOpener(),
              const THelpOpener &ownWindow = THelpOpener(), const THandlerProbe &probe = THandlerProbe());

}  // namespace kolibra::mainwindow
