#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/TranslationCheck.h"

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  // The windows keep recovery files: never among the user's own.
  QTemporaryDir state;
  qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
  // Kolibra's programs speak the desktop's language: the programs a test starts speak English
  // unless the test chooses another.
  qputenv("LANGUAGE", "en");
  ::testing::InitGoogleTest(&argc, argv);
  kolibra::testing::InstallTranslationCheck();
  return RUN_ALL_TESTS();
}
