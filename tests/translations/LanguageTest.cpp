// Which language Kolibra speaks, from the option and the desktop's variables, and the
// catalogue it then installs: a text comes out as the catalogue translates it, and English
// again once English is installed.

#include "kit/Language.h"
#include "kit/Texts.h"
#include "translations/CatalogueFiles.h"

#include <gtest/gtest.h>

#include <map>

namespace kolibra::language_test {

TEnvironment Environment(std::map<QString, QString> variables) {
  return [variables](const char *name) {
    const auto it = variables.find(QLatin1String(name));
    return it == variables.end() ? QString() : it->second;
  };
}

TEST(LanguageTest, TheDesktopsLanguageFollowsLanguageThenTheLocaleVariables) {
  struct TCase {
    std::map<QString, QString> Variables;
    const char *Expected;
  };
  const TCase cases[] = {
      {{}, "en"},
      {{{"LANG", "fr_FR.UTF-8"}}, "fr"},
      {{{"LANG", "de_AT.UTF-8@euro"}}, "de"},
      {{{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "es_MX.UTF-8"}}, "es"},
      {{{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "es_ES"}, {"LC_ALL", "de_DE"}}, "de"},
      // LANGUAGE comes first, its first language Kolibra speaks...
      {{{"LANGUAGE", "fr"}, {"LC_ALL", "de_DE.UTF-8"}}, "fr"},
      {{{"LANGUAGE", "pt_BR:it:es:fr"}, {"LANG", "de_DE.UTF-8"}}, "es"},
      // ...even under the C locale, and without one.
      {{{"LANGUAGE", "de"}, {"LANG", "C"}}, "de"},
      // A list of languages Kolibra does not speak falls back on the locale.
      {{{"LANGUAGE", "pt:it"}, {"LANG", "fr_BE.UTF-8"}}, "fr"},
      // The first locale variable set decides: another language or C means English.
      {{{"LC_ALL", "ja_JP.UTF-8"}, {"LANG", "fr_FR.UTF-8"}}, "en"},
      {{{"LC_ALL", "C"}, {"LANG", "es_ES.UTF-8"}}, "en"},
      {{{"LC_ALL", "POSIX"}}, "en"},
      {{{"LANG", "en_GB.UTF-8"}}, "en"},
  };
  for (const TCase &c : cases) {
    QString described;
    for (const auto &[name, value] : c.Variables)
      described += name + QLatin1Char('=') + value + QLatin1Char(' ');
    EXPECT_EQ(DesktopLanguage(Environment(c.Variables)), QLatin1String(c.Expected))
        << described.toStdString();
  }
}

TEST(LanguageTest, TheOptionsChoiceComesBeforeTheDesktopsAndAnUnknownOneFallsBack) {
  const TEnvironment french =
      Environment({{QStringLiteral("LANG"), QStringLiteral("fr_FR.UTF-8")}});
  EXPECT_EQ(InterfaceLanguage(QString(), french), QStringLiteral("fr"));
  EXPECT_EQ(InterfaceLanguage(QStringLiteral("de"), french), QStringLiteral("de"));
  EXPECT_EQ(InterfaceLanguage(QStringLiteral("en"), french), QStringLiteral("en"));
  EXPECT_EQ(InterfaceLanguage(QStringLiteral(" ES "), french), QStringLiteral("es"));
  EXPECT_EQ(InterfaceLanguage(QStringLiteral("tlh"), french), QStringLiteral("fr"));
  EXPECT_EQ(InterfaceLanguages(), (QStringList{"en", "fr", "de", "es"}));
  EXPECT_EQ(LanguageEndonym(QStringLiteral("es")), QStringLiteral("Español"));
  EXPECT_EQ(LanguageEndonym(QStringLiteral("fr")), QStringLiteral("Français"));
}

TEST(LanguageTest, AnInstalledCatalogueTranslatesUntilEnglishIsInstalled) {
  const char *source = "Unknown command: %1";
  for (const char *language : {"fr", "de", "es"}) {
    const QString expected = translations_test::Translation(QLatin1String(language), "KolibraCliText", source);
    ASSERT_FALSE(expected.isEmpty()) << language;
    ASSERT_NE(expected, QLatin1String(source)) << language;
    ASSERT_TRUE(InstallTranslators(QLatin1String(language)));
    EXPECT_EQ(CurrentLanguage(), QLatin1String(language));
    EXPECT_EQ(KolibraCliText::tr(source), expected) << language;
  }
  // A filter keeps the contexts it refuses in English.
  ASSERT_TRUE(InstallTranslators(QStringLiteral("fr"), [](const char *context) {
    return qstrcmp(context, "KolibraCliText") != 0;
  }));
  EXPECT_EQ(KolibraCliText::tr(source), QLatin1String(source));

  EXPECT_TRUE(InstallTranslators(QStringLiteral("en")));
  EXPECT_EQ(CurrentLanguage(), QStringLiteral("en"));
  EXPECT_EQ(KolibraCliText::tr(source), QLatin1String(source));
  EXPECT_FALSE(InstallTranslators(QStringLiteral("tlh")));
  EXPECT_EQ(KolibraCliText::tr(source), QLatin1String(source));
}

}  // namespace kolibra::language_test
