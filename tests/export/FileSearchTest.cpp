// The search behind the file-search dialog: matching names ignoring case, skipping hidden
// folders and links to folders, each file once, and a caller that stops it.

#include "export/FileSearch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolibra::exporting::testing {

namespace {

void Touch(const QDir &root, const QString &path) {
  ASSERT_TRUE(root.mkpath(QFileInfo(path).path()));
  QFile file(root.filePath(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(FileSearch, FindsEveryMatchOnce) {
  QTemporaryDir dir;
  const QDir root(dir.path());
  for (const char *path : {"a/Regressi.exe", "b/c/REGRESSI.EXE", ".hidden/Regressi.exe", "d/Regressi.exe.bak",
                           "d/Regressi.txt"})
    Touch(root, QString::fromUtf8(path));
  // A link back to the root would loop forever if it were followed.
  ASSERT_TRUE(QFile::link(dir.path(), root.filePath(QStringLiteral("b/loop"))));

  const QStringList found =
      FindFiles(FilterMask(QStringLiteral("Regressi.exe|Regressi.exe")), {dir.path(), root.filePath("a")});
  EXPECT_EQ(found, (QStringList{root.filePath(QStringLiteral("a/Regressi.exe")),
                                root.filePath(QStringLiteral("b/c/REGRESSI.EXE"))}));

  // The caller stops the search after the first folder.
  int visits = 0;
  const QStringList stopped = FindFiles(QStringLiteral("*.exe"), {dir.path()}, [&visits](const QString &) {
    return ++visits <= 1;
  });
  EXPECT_TRUE(stopped.isEmpty());
  EXPECT_EQ(visits, 2);
}

TEST(FileSearch, TheWinePrefixComesFirst) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("prefix/drive_c")));
  const QByteArray previous = qgetenv("WINEPREFIX");
  qputenv("WINEPREFIX", dir.filePath(QStringLiteral("prefix")).toUtf8());
  const QStringList folders = RegressiSearchFolders();
  qputenv("WINEPREFIX", previous);
  EXPECT_EQ(folders, (QStringList{dir.filePath(QStringLiteral("prefix/drive_c")), QDir::homePath()}));
  EXPECT_EQ(FilterMask(QStringLiteral("*.exe")), QStringLiteral("*.exe"));
}

}  // namespace

}  // namespace kolibra::exporting::testing
