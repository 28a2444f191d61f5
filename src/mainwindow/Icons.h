#pragma once
// The pictures of the main window's buttons, drawn by the program at the size asked.

#include "mainwindow/MainControls.h"

#include <QIcon>
#include <QImage>
#include <QSize>

namespace kolibra::mainwindow {

// The picture of a button: mode buttons are drawn 48 x 32, the others square.
QImage ControlPicture(TControl control, QSize size);
QIcon ControlIcon(TControl control, QSize size);

}  // namespace kolibra::mainwindow
