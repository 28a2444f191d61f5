#pragma once
// The main window's texts go through one translation context.

#include <QCoreApplication>
#include <QString>

namespace kolibra::mainwindow {


}  // namespace kolibra::mainwindow
