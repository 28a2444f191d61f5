#include "settings/windows/PasswordDlg.h"

#include "dialogs/DialogLook.h"
#include "kit/Texts.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>

namespace kolibra::settings {

TPasswordDlg::TPasswordDlg() : Caption(PasswordDlgText::tr("Password")) {}

QImage TPasswordDlg::KeyPicture() {
  QImage image(48, 48, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor gold(0xd6, 0x9e, 0x2e), dark(0x74, 0x4a, 0x10);
  p.setPen(QPen(dark, 2));
  p.setBrush(gold);
  // The bow, with its hole, then the shaft and two teeth.
  QPainterPath key;
  key.addEllipse(QRectF(4, 14, 20, 20));
  key.addRect(QRectF(22, 21, 22, 6));
  key.addRect(QRectF(34, 27, 4, 7));
  key.addRect(QRectF(40, 27, 4, 9));
  key = key.simplified();
  QPainterPath hole;
  hole.addEllipse(QRectF(9, 19, 8, 10));
  p.drawPath(key.subtracted(hole));
  return image;
}

bool TPasswordDlg::Execute() {
  QDialog form(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  dialogs::ApplyDialogLook(form, QStringLiteral("PasswordDlg"), Caption, Font, BackGroundColor);
  form.setFixedSize(275, 135);

  auto *picture = new QLabel(&form);
  picture->setObjectName(QStringLiteral("ImageCle"));
  picture->setPixmap(QPixmap::fromImage(KeyPicture()));
  picture->setGeometry(10, 18, 48, 48);

  const int left = picture->geometry().right() + 1 + 20;
  auto *label = new QLabel(PasswordDlgText::tr("Password"), &form);
  label->setObjectName(QStringLiteral("LabelPassword"));
  label->setGeometry(left, 35 - label->sizeHint().height() - 2, 180, label->sizeHint().height());

  auto *edit = new QLineEdit(&form);
  edit->setObjectName(QStringLiteral("EditPassword"));
  edit->setEchoMode(QLineEdit::Password);
  edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*"
  // The validator alone bounds the length: a maximum length would cut a pasted text down to
  // what fits instead of refusing it.
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(PasswordPattern()), edit));
  edit->setGeometry(left, 35, 180, edit->sizeHint().height());
  label->setBuddy(edit);

  const int buttonsTop = edit->geometry().bottom() + 1 + 12;
  auto *ok = new QPushButton(PasswordDlgText::tr("&Ok"), &form);
  ok->setObjectName(QStringLiteral("ButtonOk"));
  ok->setGeometry(left, buttonsTop, 75, ok->sizeHint().height());
  ok->setEnabled(false);
  ok->setDefault(true);
  auto *cancel = new QPushButton(PasswordDlgText::tr("&Annuler"), &form);
  cancel->setObjectName(QStringLiteral("ButtonAnnuler"));
  cancel->setGeometry(left + 87, buttonsTop, 75, cancel->sizeHint().height());
  cancel->setAutoDefault(false);

  QObject::connect(edit, &QLineEdit::textChanged, ok,
                   [ok](const QString &text) { ok->setEnabled(!text.isEmpty()); });
  QObject::connect(ok, &QPushButton::clicked, &form, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &form, &QDialog::reject);

  if (const QScreen *screen = QGuiApplication::primaryScreen())
    form.move(screen->availableGeometry().center() - form.rect().center());
  edit->setFocus();

  const bool confirmed = form.exec() == QDialog::Accepted && !edit->text().isEmpty();
  PasswordText = confirmed ? edit->text() : QString();
  return confirmed;
}

}  // namespace kolibra::settings
