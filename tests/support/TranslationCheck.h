#pragma once
// Every text the code shows goes through a translator. The test mains install this one
// first, so that it sees each lookup the others do not answer: a text of Kolibra's own
// (any context but Qt's "Q...") that the French catalogue built into the program cannot
// translate is one lupdate missed or a translator left unfinished, and fails the test run
// that showed it. KOLIBRA_TEXT_MISSES=FILE also appends them to FILE, to list them over a
// whole suite; KOLIBRA_TEXT_CATALOGUE=FILE.qm checks against another compiled catalogue.

#include <QSet>
#include <QString>
#include <QTranslator>
#include <mutex>

namespace kolibra::testing {

class TTranslationCheck : public QTranslator {
 public:
  TTranslationCheck();
  // False when the program's catalogue is not linked into this test program.
  bool Active() const { return Loaded; }
  bool isEmpty() const override { return false; }
  QString translate(const char *context, const char *sourceText, const char *disambiguation,
                    int n) const override;
  // "context | text" of each text looked up and not found, once each.
  QStringList Missing() const;

 private:
  QTranslator Catalogue;
  bool Loaded = false;
  mutable std::mutex Guard;
  mutable QSet<QString> Misses;
};

// Installs the check on the application and registers a test environment that fails the run
// when a text was missing.
void InstallTranslationCheck();

}  // namespace kolibra::testing
