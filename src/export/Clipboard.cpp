#include "export/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace kolibra::exporting {

bool TSystemClipboard::SetText(const QString &text) {
  if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) == nullptr) return false;
  QClipboard *clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return false;
  auto *data = new QMimeData;
  data->setText(text);
  data->setData(QString::fromLatin1(Utf8TextMimeType), text.toUtf8());
  clipboard->setMimeData(data);  // the clipboard owns it now
  // Qt does not report a refused clipboard: read it back.
  const QMimeData *held = clipboard->mimeData();
  return held != nullptr && held->text() == text;
}

}  // namespace kolibra::exporting
