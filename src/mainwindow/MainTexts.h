#pragma once
// The main window's texts go through one translation context.

#include <QCoreApplication>
#include <QString>

namespace kolibra::mainwindow {

inline QString MainTr(const char *text) { return QCoreApplication::translate("TMainForm", text); }

}  // namespace kolibra::mainwindow
