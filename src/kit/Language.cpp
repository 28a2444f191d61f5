#include "kit/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

namespace kolibra {

namespace language_impl {

struct TLanguage {
  const char *Code;
  const char *Endonym;
};

constexpr TLanguage Languages[] = {
    {"en", "English"},
    {"fr", "Français"},
    {"de", "Deutsch"},
    {"es", "Español"},
};

// "fr_CA.UTF-8@euro" -> "fr"; "C" and "POSIX" name no language.
QString LanguageOf(const QString &locale) {
  QString code = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
  code = code.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
  if (code == QLatin1String("c") || code == QLatin1String("posix")) return QString();
  return code;
}

bool Spoken(const QString &code) { return !code.isEmpty() && InterfaceLanguages().contains(code); }

// Kolibra's catalogue, asked only for the contexts the filter accepts.
class TFilteredTranslator : public QTranslator {
 public:
  explicit TFilteredTranslator(TContextFilter filter) : Filter(std::move(filter)) {}
  QString translate(const char *context, const char *sourceText, const char *disambiguation,
                    int n) const override {
    if (Filter && context != nullptr && !Filter(context)) return QString();
    return QTranslator::translate(context, sourceText, disambiguation, n);
  }

 private:
  TContextFilter Filter;
};

std::vector<std::unique_ptr<QTranslator>> &Installed() {
  static std::vector<std::unique_ptr<QTranslator>> translators;
  return translators;
}

QString &Current() {
  static QString language = QStringLiteral("en");
  return language;
}

}  // namespace language_impl

QStringList InterfaceLanguages() {
  QStringList codes;
  for (const auto &language : language_impl::Languages) codes << QLatin1String(language.Code);
  return codes;
}

QString LanguageEndonym(const QString &code) {
  for (const auto &language : language_impl::Languages)
    if (code == QLatin1String(language.Code)) return QString::fromUtf8(language.Endonym);
  return QString();
}

TEnvironment ProcessEnvironment() {
  return [](const char *name) { return qEnvironmentVariable(name); };
}

QString DesktopLanguage(const TEnvironment &environment) {
  using namespace language_impl;
  // LANGUAGE is a list of preferences and comes first. GNU gettext ignores it under the "C"
  // locale; a user who sets it expects it to count, so Kolibra does not.
  for (const QString &entry : environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
    const QString code = LanguageOf(entry);
    if (Spoken(code)) return code;
  }
  for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString value = environment(name);
    if (value.isEmpty()) continue;
    const QString code = LanguageOf(value);
    return Spoken(code) ? code : QStringLiteral("en");
  }
  return QStringLiteral("en");
}

QString InterfaceLanguage(const QString &choice, const TEnvironment &environment) {
  const QString code = choice.trimmed().toLower();
  return language_impl::Spoken(code) ? code : DesktopLanguage(environment);
}

bool InstallTranslators(const QString &language, const TContextFilter &filter) {
  using namespace language_impl;
  for (auto &translator : Installed()) QCoreApplication::removeTranslator(translator.get());
  Installed().clear();
  Current() = QStringLiteral("en");
  if (language == QLatin1String("en") || !Spoken(language)) return language == QLatin1String("en");

  auto own = std::make_unique<TFilteredTranslator>(filter);
  if (!own->load(QStringLiteral(":/i18n/kolibra_") + language + QStringLiteral(".qm")))
    return false;
  // Qt's standard dialogs and buttons; a system without Qt's catalogues keeps them English.
  const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const QString &catalogue : {QStringLiteral("qtbase_"), QStringLiteral("qt_")}) {
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(catalogue + language, qtFolder)) {
      QCoreApplication::installTranslator(qt.get());
      Installed().push_back(std::move(qt));
      break;
    }
  }
  // Installed last, so it is asked first.
  QCoreApplication::installTranslator(own.get());
  Installed().push_back(std::move(own));
  Current() = language;
  return true;
}

QString CurrentLanguage() { return language_impl::Current(); }

}  // namespace kolibra
