#pragma once
// The catalogues in translations/ as the translations tests read them.

#include "support/TsCatalogue.h"

#include <QDir>
#include <QString>

namespace kolibra::translations_test {

inline QString CataloguePath(const QString &language) {
  return QDir(QStringLiteral(KOLIBRA_TEST_TRANSLATIONS_DIR)).filePath(QStringLiteral("kolibra_%1.ts").arg(language));
}

// The catalogue's translation of a text (its first form); empty when the catalogue lacks it.
inline QString Translation(const QString &language, const char *context, const char *source) {
  std::vector<testing::TTsMessage> messages;
  if (!testing::ReadTsCatalogue(CataloguePath(language), messages, nullptr)) return QString();
  for (const auto &message : messages)
    if (message.Context == QLatin1String(context) && message.Source == QLatin1String(source))
      return message.Translations.value(0);
  return QString();
}

}  // namespace kolibra::translations_test
