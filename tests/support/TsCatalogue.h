#pragma once
// Reads a Qt Linguist catalogue (.ts) as the tests need it.

#include <QFile>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <vector>

namespace kolibra::testing {

struct TTsMessage {
  QString Context;
  QString Source;
  QString Disambiguation;
  QStringList Translations;  // one, or the plural forms
  bool Unfinished = false;   // type="unfinished", "vanished" or "obsolete"
};

inline bool ReadTsCatalogue(const QString &path, std::vector<TTsMessage> &messages,
                            QString *error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = path + QStringLiteral(": ") + file.errorString();
    return false;
  }
  QXmlStreamReader xml(&file);
  QString context;
  TTsMessage message;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    const auto name = xml.name();
    if (name == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (name == QLatin1String("message")) {
      message = TTsMessage{context, QString(), QString(), {}, false};
    } else if (name == QLatin1String("source")) {
      message.Source = xml.readElementText();
    } else if (name == QLatin1String("comment")) {
      message.Disambiguation = xml.readElementText();
    } else if (name == QLatin1String("translation")) {
      const QString type = xml.attributes().value(QLatin1String("type")).toString();
      message.Unfinished = !type.isEmpty();
      QString text;
      while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
          message.Translations << xml.readElementText();
        } else if (xml.isCharacters()) {
          text += xml.text();
        } else if (xml.isEndElement() && xml.name() == QLatin1String("translation")) {
          break;
        }
      }
      if (message.Translations.isEmpty()) message.Translations << text;
      messages.push_back(message);
    }
  }
  if (xml.hasError()) {
    if (error) *error = path + QStringLiteral(": ") + xml.errorString();
    return false;
  }
  return true;
}

}  // namespace kolibra::testing
