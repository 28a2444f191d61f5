#include "dialogs/DialogLook.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QStatusBar>
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

void CentreOnScreen(QWidget &form) {
  form.adjustSize();
  if (const QScreen *screen = QGuiApplication::primaryScreen())
    form.move(screen->availableGeometry().center() - form.rect().center());
}

QStatusBar *DialogStatusBar(QWidget &form, const QString &text) {
  auto *status = new QStatusBar(&form);
  status->setObjectName(QStringLiteral("StatusBar"));
  status->setSizeGripEnabled(false);
  status->setFixedHeight(23);
  status->showMessage(text);
  return status;
}

}  // namespace kolibra::dialogs
