#pragma once
// The small dialogs of Kolibra are components that publish Caption, Font and
// BackGroundColor and build their modal window at each Execute; this gives that window
// its name, title, font and background in one place.

#include "kit/Color.h"

#include <QFont>
#include <QString>

class QStatusBar;
class QWidget;

namespace kolibra::dialogs {

void ApplyDialogLook(QWidget &form, const QString &objectName, const QString &caption,
                     const QFont &font, TColor background);

// Sizes the form to its contents and centres it on the screen, as the small dialogs open.
void CentreOnScreen(QWidget &form);

// The single-panel status bar, 23 pixels high, at the bottom of a small dialog.
QStatusBar *DialogStatusBar(QWidget &form, const QString &text);

}  // namespace kolibra::dialogs
