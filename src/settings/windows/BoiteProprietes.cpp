#include "settings/windows/BoiteProprietes.h"

#include "dialogs/DialogLook.h"
#include <QCheckBox>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace kolibra::settings {

TBoiteProprietes::TBoiteProprietes() : Caption(TPropertiesModel::DefaultCaption()) {}

bool TBoiteProprietes::Execute(TVideoProperties &video) {
  if (!TPropertiesModel::CanShow(video)) return false;

  QDialog form(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  dialogs::ApplyDialogLook(form, QStringLiteral("FormBoiteProprietes"), Caption, Font, BackGroundColor);
  const bool turned = TPropertiesModel::HasOrientation(video);
  constexpr int CheckBoxHeight = 28;
  form.setFixedSize(TPropertiesModel::FormSize + QSize(0, turned ? CheckBoxHeight : 0));

  auto *text = new QTextEdit(&form);
  text->setObjectName(QStringLiteral("RichEditInformation"));
  text->setReadOnly(true);
  QPalette textPalette = text->palette();
  textPalette.setColor(QPalette::Base, colors::clInfoBk.ToQColor(textPalette));
  text->setPalette(textPalette);
  text->setGeometry(TPropertiesModel::TextRect(TPropertiesModel::FormSize));
  QCheckBox *ignore = nullptr;
  if (turned) {
    ignore = new QCheckBox(TPropertiesModel::IgnoreRotationCaption(), &form);
    ignore->setObjectName(QStringLiteral("CheckBoxIgnoreRotation"));
    ignore->setChecked(video.RotationIgnored);
    const QRect below = TPropertiesModel::TextRect(TPropertiesModel::FormSize);
    ignore->setGeometry(below.left(), below.bottom() + 6, below.width(), CheckBoxHeight - 6);
  }

  QTextCursor cursor(text->document());
  bool first = true;
  for (const TPropertiesLine &line : TPropertiesModel::Lines(video)) {
    QTextBlockFormat block;
    block.setAlignment(line.Centred ? Qt::AlignHCenter : Qt::AlignLeft);
    QTextCharFormat chars;
    chars.setFontWeight(line.Bold ? QFont::Bold : QFont::Normal);
    chars.setForeground(line.Color.ToQColor(textPalette));
    if (first)
      cursor.setBlockFormat(block);
    else
      cursor.insertBlock(block);
    first = false;
    cursor.setBlockCharFormat(chars);
    cursor.insertText(line.Text, chars);
  }
  text->moveCursor(QTextCursor::Start);

  if (const QScreen *screen = QGuiApplication::primaryScreen())
    form.move(screen->availableGeometry().center() - form.rect().center());
  form.exec();
  if (ignore) video.RotationIgnored = ignore->isChecked();
  return true;
}

}  // namespace kolibra::settings
