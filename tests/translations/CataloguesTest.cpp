// The catalogues in translations/: every message of every language translated, with the
// placeholders of its English text; the same messages in each language; and every text
// lupdate finds in the code in them (run on the code into a copy, as the developers'
// update_translations target runs it).

#include "translations/CatalogueFiles.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <map>

namespace kolibra::translations_test {

using testing::ReadTsCatalogue;
using testing::TTsMessage;

const char *const Languages[] = {"fr", "de", "es"};

// %1 ... %99, %L1, %n and the C-style %d and %s, sorted: their order may change in a sentence.
QStringList Placeholders(const QString &text) {
  static const QRegularExpression placeholder(QStringLiteral("%(?:L?[0-9]{1,2}|Ln|n|d|s)"));
  QStringList found;
  for (auto it = placeholder.globalMatch(text); it.hasNext();) found << it.next().captured();
  found.sort();
  return found;
}

QString Describe(const TTsMessage &message) {
  return message.Context + QStringLiteral(" | ") + message.Source;
}

TEST(CataloguesTest, EveryMessageIsTranslatedWithTheSamePlaceholders) {
  for (const char *language : Languages) {
    std::vector<TTsMessage> messages;
    QString error;
    ASSERT_TRUE(ReadTsCatalogue(CataloguePath(QLatin1String(language)), messages, &error))
        << error.toStdString();
    EXPECT_GT(messages.size(), 1000u) << language;
    QStringList unfinished, lost;
    for (const TTsMessage &message : messages) {
      const bool empty = message.Translations.isEmpty() ||
                         std::any_of(message.Translations.begin(), message.Translations.end(),
                                     [](const QString &form) { return form.isEmpty(); });
      if (message.Unfinished || empty) {
        unfinished << Describe(message);
        continue;
      }
      for (const QString &form : message.Translations)
        if (Placeholders(form) != Placeholders(message.Source))
          lost << Describe(message) + QStringLiteral(" -> ") + form;
    }
    EXPECT_TRUE(unfinished.isEmpty())
        << language << ": " << unfinished.size() << " unfinished, such as\n  "
        << unfinished.mid(0, 20).join(QStringLiteral("\n  ")).toStdString();
    EXPECT_TRUE(lost.isEmpty()) << language << ": placeholders lost or added in\n  "
                                << lost.join(QStringLiteral("\n  ")).toStdString();
  }
}

// A "&" marks an accelerator: a translation keeps one where the English has one.
TEST(CataloguesTest, TranslationsKeepTheirAccelerator) {
  static const QRegularExpression accelerator(QStringLiteral("&(?!&)[^\\s&]"));
  for (const char *language : Languages) {
    std::vector<TTsMessage> messages;
    ASSERT_TRUE(ReadTsCatalogue(CataloguePath(QLatin1String(language)), messages, nullptr));
    QStringList missing;
    for (const TTsMessage &message : messages) {
      if (message.Unfinished || message.Translations.isEmpty()) continue;
      const bool english = accelerator.match(message.Source).hasMatch();
      if (english && !accelerator.match(message.Translations.first()).hasMatch())
        missing << Describe(message) + QStringLiteral(" -> ") + message.Translations.first();
    }
    EXPECT_TRUE(missing.isEmpty()) << language << ": accelerator lost in\n  "
                                   << missing.join(QStringLiteral("\n  ")).toStdString();
  }
}

TEST(CataloguesTest, EveryLanguageHasTheSameMessages) {
  std::map<QString, QStringList> keys;
  for (const char *language : Languages) {
    std::vector<TTsMessage> messages;
    ASSERT_TRUE(ReadTsCatalogue(CataloguePath(QLatin1String(language)), messages, nullptr));
    QStringList &list = keys[QLatin1String(language)];
    for (const TTsMessage &message : messages)
      list << Describe(message) + QLatin1Char('|') + message.Disambiguation;
    list.sort();
  }
  EXPECT_EQ(keys[QStringLiteral("de")], keys[QStringLiteral("fr")]);
  EXPECT_EQ(keys[QStringLiteral("es")], keys[QStringLiteral("fr")]);
}

// lupdate, run on the code as update_translations runs it, into a copy of the French catalogue:
// a text it adds is one the catalogues lack, a text it drops one the code no longer has.
TEST(CataloguesTest, CataloguesHoldEveryTextOfTheCode) {
  QTemporaryDir dir;
  const QString copy = dir.filePath(QStringLiteral("kolibra_fr.ts"));
  ASSERT_TRUE(QFile::copy(CataloguePath(QStringLiteral("fr")), copy));
  QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
  QProcess lupdate;
  lupdate.setProcessChannelMode(QProcess::MergedChannels);
  lupdate.start(QStringLiteral(KOLIBRA_TEST_LUPDATE),
                {QStringLiteral("-locations"), QStringLiteral("none"),
                 QStringLiteral("-no-obsolete"), QStringLiteral("-no-ui-lines"),
                 QLatin1Char('@') + QStringLiteral(KOLIBRA_TEST_TRANSLATED_SOURCES),
                 QStringLiteral("-ts"), copy});
  ASSERT_TRUE(lupdate.waitForFinished(120000));
  ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAll().toStdString();

  std::vector<TTsMessage> before, after;
  ASSERT_TRUE(ReadTsCatalogue(CataloguePath(QStringLiteral("fr")), before, nullptr));
  ASSERT_TRUE(ReadTsCatalogue(copy, after, nullptr));
  QStringList had, has;
  for (const TTsMessage &message : before) had << Describe(message);
  for (const TTsMessage &message : after) has << Describe(message);
  QStringList added, dropped;
  for (const QString &key : has)
    if (!had.contains(key)) added << key;
  for (const QString &key : had)
    if (!has.contains(key)) dropped << key;
  EXPECT_TRUE(added.isEmpty())
      << "texts of the code missing from the catalogues (build update_translations and "
         "translate them):\n  "
      << added.join(QStringLiteral("\n  ")).toStdString();
  EXPECT_TRUE(dropped.isEmpty()) << "texts the code no longer has (build update_translations):\n  "
                                 << dropped.join(QStringLiteral("\n  ")).toStdString();
}

}  // namespace kolibra::translations_test
