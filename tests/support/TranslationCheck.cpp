#include "support/TranslationCheck.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace kolibra::testing {

TTranslationCheck::TTranslationCheck() {
  const QString other = qEnvironmentVariable("KOLIBRA_TEXT_CATALOGUE");
  Loaded = Catalogue.load(other.isEmpty() ? QStringLiteral(":/i18n/kolibra_fr.qm") : other);
}

QString TTranslationCheck::translate(const char *context, const char *sourceText,
                                     const char *disambiguation, int n) const {
  if (!Loaded || context == nullptr || sourceText == nullptr || *sourceText == '\0')
    return QString();
  // Qt's own contexts ("QFileDialog", "QPlatformTheme" ...) are Qt's translators' business.
  if (context[0] == 'Q' && context[1] >= 'A' && context[1] <= 'Z') return QString();
  if (Catalogue.translate(context, sourceText, disambiguation, n).isEmpty()) {
    const QString entry =
        QString::fromUtf8(context) + QStringLiteral(" | ") + QString::fromUtf8(sourceText);
    const std::lock_guard<std::mutex> lock(Guard);
    if (!Misses.contains(entry)) {
      Misses.insert(entry);
      const QString log = qEnvironmentVariable("KOLIBRA_TEXT_MISSES");
      QFile file(log);
      if (!log.isEmpty() && file.open(QIODevice::Append | QIODevice::Text))
        QTextStream(&file) << entry.toHtmlEscaped().replace(QLatin1Char('\n'),
                                                            QStringLiteral("\\n"))
                           << '\n';
    }
  }
  // Never answers: the texts stay English, as the tests expect.
  return QString();
}

QStringList TTranslationCheck::Missing() const {
  const std::lock_guard<std::mutex> lock(Guard);
  QStringList list(Misses.begin(), Misses.end());
  list.sort();
  return list;
}

namespace {

class TTranslationEnvironment : public ::testing::Environment {
 public:
  explicit TTranslationEnvironment(const TTranslationCheck &check) : Check(check) {}
  void TearDown() override {
    const QStringList missing = Check.Missing();
    if (!missing.isEmpty())
      ADD_FAILURE()
          << "Texts shown without a translation (update the catalogues in translations/):\n  "
          << missing.join(QStringLiteral("\n  ")).toStdString();
  }

 private:
  const TTranslationCheck &Check;
};

}  // namespace

void InstallTranslationCheck() {
  static TTranslationCheck check;
  if (!check.Active()) return;
  QCoreApplication::installTranslator(&check);
  ::testing::AddGlobalTestEnvironment(new TTranslationEnvironment(check));
}

}  // namespace kolibra::testing
