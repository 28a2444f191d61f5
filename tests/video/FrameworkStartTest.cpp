// Starting the frameworks the readers, writers and capture share: the FFmpeg plug-ins of the
// "KlbDll" folder, loaded by path, and GStreamer with the elements a user needs.

#include "VideoTestSupport.h"
#include "video/GStreamerStart.h"
#include "video/KlbDll.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolibra::video {
namespace {

using testing::FakeKlbDll;

TEST(KlbDllTest, APlugInThatIsNotThereIsNamedByItsPath) {
  QTemporaryDir empty;
  TKlbDll library;
  EXPECT_FALSE(library.Load(empty.path(), QStringLiteral("KlbVff.so")));
  EXPECT_FALSE(library.IsLoaded());
  EXPECT_EQ(library.Error(), QDir::toNativeSeparators(empty.filePath(QStringLiteral("KlbVff.so"))) +
                                 QStringLiteral(" is missing."));
  void (*entry)() = reinterpret_cast<void (*)()>(1);
  library.Resolve("FFVersion", entry);
  EXPECT_EQ(entry, nullptr);
}

TEST(KlbDllTest, AFileTheSystemCannotLoadIsReportedInTheSystemsWords) {
  const QString path = testing::WriteTemp(QStringLiteral("KlbVff.so"), QByteArray("not a library"));
  TKlbDll library;
  EXPECT_FALSE(library.Load(QFileInfo(path).path(), QStringLiteral("KlbVff.so")));
  EXPECT_FALSE(library.Error().isEmpty());
  EXPECT_FALSE(library.Error().endsWith(QStringLiteral(" is missing."))) << library.Error().toStdString();
}

TEST(KlbDllTest, EntryPointsResolveAndAMissingOneIsNull) {
  TKlbDll library;
  ASSERT_TRUE(library.Load(FakeKlbDll(), QStringLiteral("KlbVff.so"))) << library.Error().toStdString();
  EXPECT_TRUE(library.Error().isEmpty());
  EXPECT_TRUE(library.Load(FakeKlbDll(), QStringLiteral("KlbVff.so")));  // loaded already
  int32_t (*version)() = nullptr;
  library.Resolve("FFVersion", version);
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(version(), 520);
  void (*missing)() = nullptr;
  library.Resolve("FFNoSuchEntry", missing);
  EXPECT_EQ(missing, nullptr);
  library.Unload();
  EXPECT_FALSE(library.IsLoaded());
}

TEST(KlbDllTest, TheFolderIsBesideTheProgramUnlessTheEnvironmentNamesOne) {
  {
    testing::TScopedEnv env("KOLIBRA_KLBDLL_DIR", QByteArray());
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("KlbDll"));
    EXPECT_EQ(TKlbDll::DefaultFolder(), beside);
  }
  testing::TScopedEnv env("KOLIBRA_KLBDLL_DIR", FakeKlbDll().toUtf8());
  TKlbDll library;
  EXPECT_TRUE(library.Load(QString(), QStringLiteral("KlbVff.so"))) << library.Error().toStdString();
}

TEST(GStreamerStartTest, AMissingElementIsReportedWhileGStreamerRuns) {
  if (!StartGStreamer()) GTEST_SKIP() << "GStreamer does not start on this machine";
  EXPECT_TRUE(StartGStreamer({"fakesink", "identity"}));
  EXPECT_FALSE(StartGStreamer({"fakesink", "kolibranosuchelement"}));
  EXPECT_TRUE(StartGStreamer());
}

}  // namespace
}  // namespace kolibra::video
