#include "dialogs/DialogLook.h"

#include <QPalette>
#include <QWidget>

namespace kolibra::dialogs {

void ApplyDialogLook(QWidget &form, const QString &objectName, const QString &caption,
                     const QFont &font, TColor background) {
  form.setObjectName(objectName);
  form.setWindowTitle(caption);
  form.setFont(font);
  QPalette palette = form.palette();
  palette.setColor(QPalette::Window, background.ToQColor(palette));
  form.setPalette(palette);
  form.setAutoFillBackground(true);
}

}  // namespace kolibra::dialogs
