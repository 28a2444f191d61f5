// The program's one save rule: where every save dialog opens and what it proposes.
#include "kit/SaveDialogRule.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolibra {
namespace {

void Touch(const QString &file) { QFile(file).open(QIODevice::WriteOnly); }

TEST(SaveDialogRule, ProposalDropsTodaysDateAndCountsUp) {
  QTemporaryDir folder;
  const QDate today(2024, 3, 5);
  EXPECT_EQ(DateDigits(today), QStringLiteral("05032024"));
  EXPECT_EQ(ProposeFileName(folder.path(), QStringLiteral("chute_05032024_.avi"), QStringLiteral(".KLB"), true, today),
            folder.filePath(QStringLiteral("chute_1_05032024.klb")));
  Touch(folder.filePath(QStringLiteral("chute_1_05032024.klb")));
  EXPECT_EQ(ProposeFileName(folder.path(), QStringLiteral("chute_05032024_.avi"), QStringLiteral("klb"), true, today),
            folder.filePath(QStringLiteral("chute_2_05032024.klb")));
  EXPECT_EQ(ProposeFileName(folder.path() + QLatin1Char('/'), QStringLiteral("a.b.mp4"), QStringLiteral("..TXT"), false, today),
            folder.filePath(QStringLiteral("a.b_1.txt")));
}

// The folder: the one asked for, the options' default folder, the last folder used, the
// desktop; a name that is not a folder (missing, or a file) is passed over.
TEST(SaveDialogRule, TheFolderFallsBackInOneOrder) {
  QTemporaryDir asked, defaults, recent;
  const QString missing = asked.filePath(QStringLiteral("gone"));
  const QString file = asked.filePath(QStringLiteral("file.txt"));
  Touch(file);
  const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  struct TCase {
    QString Asked, Default, Recent, Expected;
  };
  const TCase cases[] = {
      {asked.path(), defaults.path(), recent.path(), asked.path()},
      {QString(), defaults.path(), recent.path(), defaults.path()},
      {missing, defaults.path(), recent.path(), defaults.path()},
      {file, QString(), recent.path(), recent.path()},
      {QString(), missing, recent.path(), recent.path()},
      {QString(), QString(), QString(), desktop},
      {missing, file, missing, desktop},
  };
  for (const TCase &c : cases)
    EXPECT_EQ(SaveStartFolder(c.Asked, c.Default, c.Recent), c.Expected)
        << c.Asked.toStdString() << " | " << c.Default.toStdString() << " | " << c.Recent.toStdString();
}

TEST(SaveDialogRule, TheNameComesFromTheRequestTheVideoOrKolibra) {
  QTemporaryDir videos, recent, asked;
  const QDate today(2026, 12, 10);
  const QString video = videos.filePath(QStringLiteral("chute.mp4"));
  TSaveFileRequest request;
  request.DefaultExtension = QStringLiteral("txt");

  // From the video, free beside it: the second counter once the first is taken there.
  TSaveDialogStart start = PrepareSaveDialog(request, QString(), recent.path(), video, today);
  EXPECT_EQ(start.Folder, recent.path());
  EXPECT_EQ(start.Proposed, QStringLiteral("chute_1_10122026.txt"));
  Touch(videos.filePath(QStringLiteral("chute_1_10122026.txt")));
  EXPECT_EQ(PrepareSaveDialog(request, QString(), recent.path(), video, today).Proposed,
            QStringLiteral("chute_2_10122026.txt"));

  // A folder asked for: the dialog opens there and the counter is free there.
  request.Folder = asked.path();
  request.Prefix = QStringLiteral("Datasheet");
  start = PrepareSaveDialog(request, QString(), recent.path(), video, today);
  EXPECT_EQ(start.Folder, asked.path());
  EXPECT_EQ(start.Proposed, QStringLiteral("Datasheet_chute_1_10122026.txt"));

  // A bare base name, checked in the last folder used; no video and no base: "Kolibra".
  request = TSaveFileRequest();
  request.DefaultExtension = QStringLiteral("png");
  request.BaseName = QStringLiteral("Capture");
  Touch(recent.filePath(QStringLiteral("Capture_1_10122026.png")));
  EXPECT_EQ(PrepareSaveDialog(request, QString(), recent.path(), video, today).Proposed,
            QStringLiteral("Capture_2_10122026.png"));
  request.BaseName.clear();
  EXPECT_EQ(PrepareSaveDialog(request, QString(), recent.path(), QString(), today).Proposed,
            QStringLiteral("Kolibra_1_10122026.png"));
}

}  // namespace
}  // namespace kolibra
