// Replays the fuzzer's seed corpus, crashes and slow inputs it found included, so that every
// build checks them without clang or libFuzzer.

#include "FuzzFormula.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(ParserCorpus, EveryInputKeepsTheInvariants) {
  const QDir corpus(QStringLiteral(KOLIBRA_FORMULAS_CORPUS));
  const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
  ASSERT_GE(files.size(), 20) << "corpus missing at " << corpus.path().toStdString();
  for (const QString &name : files) {
    SCOPED_TRACE(name.toStdString());
    QFile file(corpus.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(kolibra::formulas::fuzzing::CheckFormula(file.readAll()).toStdString(), "");
  }
}
