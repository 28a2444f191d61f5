#pragma once
// A work file of the sample "Parabole" marked where the ball truly is ("throw.klb" in a
// temporary folder), and kolibra-cli run on it as a script would: in a French locale, with
// options of its own and the program's FFmpeg wrapper. Tests of the commands that read work
// files start from here.

#include "editing/ParaboleWork.h"
#include "support/RunProgram.h"

namespace kolibra::editing::testing {

class ParaboleCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (ParaboleTruth().empty()) GTEST_SKIP() << "the sample videos are made at build time";
    THeadlessParabole work(dir.path());
    ASSERT_TRUE(work.MarkTrajectory(CopyParabole(dir.path())));
    ASSERT_EQ(work::SaveWork(work.Context(), File("throw.klb")), work::wsOk);
  }
  QString File(const char *name) const { return dir.filePath(QLatin1String(name)); }

  // Without a display either: the commands never show a window.
  kolibra::testing::TProgramRun Run(const QStringList &arguments) const {
    return kolibra::testing::RunProgram(QStringLiteral(KOLIBRA_TEST_CLI), arguments, [this](QProcessEnvironment &env) {
      env.insert(QStringLiteral("LC_ALL"), QStringLiteral("fr_FR.UTF-8"));
      env.insert(QStringLiteral("KOLIBRA_CONFIG_DIR"), dir.path());
      env.insert(QStringLiteral("KOLIBRA_KLBDLL_DIR"), QStringLiteral(KOLIBRA_TEST_KLBDLL_DIR));
      env.remove(QStringLiteral("QT_QPA_PLATFORM"));
      env.remove(QStringLiteral("DISPLAY"));
    });
  }

  QTemporaryDir dir;
};

}  // namespace kolibra::editing::testing
