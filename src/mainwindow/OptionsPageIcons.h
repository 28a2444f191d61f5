#pragma once
// The pictures on the tabs of the options dialog's view pages: the result buttons' own
// pictures, so a page looks like the button of the view it sets up. Given to the dialog as
// its PageIcon.

#include <QIcon>
#include <QString>

namespace kolibra::mainwindow {

// The picture of the options page named page (its object name); null for other pages.
QIcon OptionsPageIcon(const QString &page);

}  // namespace kolibra::mainwindow
