#pragma once
// The language Kolibra speaks: the one chosen in the options, else the desktop's. Kolibra's
// own catalogues are built into the program (":/i18n/kolibra_xx.qm"); Qt's catalogues of its
// standard dialogs come from Qt's translations folder. Numbers keep the decimal separator
// rules of kit/Locale.h whatever the language.

#include <QString>
#include <QStringList>
#include <functional>

namespace kolibra {

// The languages of the interface by code, English (the texts of the code) first.
QStringList InterfaceLanguages();
// The name of a language in that language ("Français"), as the options list it.
QString LanguageEndonym(const QString &code);

// Reads an environment variable (tests pass their own).
using TEnvironment = std::function<QString(const char *name)>;
TEnvironment ProcessEnvironment();

// The desktop's language: the first entry of LANGUAGE (a colon-separated list) that Kolibra
// speaks, else the language of the first set of LC_ALL, LC_MESSAGES and LANG, when Kolibra
// speaks it; else English. "fr_CA.UTF-8@euro" is French.
QString DesktopLanguage(const TEnvironment &environment = ProcessEnvironment());
// The language for the option's choice: a language Kolibra speaks, or the desktop's for an
// empty or unknown choice.
QString InterfaceLanguage(const QString &choice,
                          const TEnvironment &environment = ProcessEnvironment());

// Tells whether the texts of a translation context are translated (the command line keeps
// the texts that make up its data in English).
using TContextFilter = std::function<bool(const char *context)>;

// Installs on the running application the translators of a language (Kolibra's catalogue
// and Qt's, when found), replacing those of an earlier call; with a filter, Kolibra's texts
// are translated only in the contexts it accepts. English installs none. Returns false when
// Kolibra's catalogue of the language cannot be loaded.
bool InstallTranslators(const QString &language, const TContextFilter &filter = {});
// The language installed last ("en" before any call).
QString CurrentLanguage();

}  // namespace kolibra
