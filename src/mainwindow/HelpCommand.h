#pragma once
// The help command: the first existing of the help pages in the folder "Help" beside the
// program, opened with the desktop's default program for it. When there is none, or it
// cannot be opened, a warning says so.

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace kolibra::mainwindow {

// The pages tried, in order.
QStringList HelpFileNames();
// The first existing page in programFolder's "Help" folder; empty when there is none.
QString FindHelpFile(const QString &programFolder);

using THelpOpener = std::function<bool(const QUrl &)>;

// Opens the help (by default through QDesktopServices); false after the warning.
bool OpenHelp(const QString &programFolder, const THelpOpener &opener = THelpOpener());

}  // namespace kolibra::mainwindow
