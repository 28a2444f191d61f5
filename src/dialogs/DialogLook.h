#pragma once
// The small dialogs of Kolibra are components that publish Caption, Font and
// BackGroundColor and build their modal window at each Execute; this gives that window
// its name, title, font and background in one place.

#include "kit/Color.h"

#include <QFont>
#include <QString>

class QWidget;

namespace kolibra::dialogs {

void ApplyDialogLook(QWidget &form, const QString &objectName, const QString &caption,
                     const QFont &font, TColor background);

}  // namespace kolibra::dialogs
