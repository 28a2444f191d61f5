// The file-search dialog as a user drives it: "Search" lists the matches, "Open" takes the
// selected one; "Cancel" takes none. The export's host turns its filters into Qt's.

#include "export/windows/ExportWindowHost.h"
#include "export/windows/FileSearchDialog.h"
#include "support/ModalDialogs.h"
#include "support/WaitFor.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

namespace kolibra::exporting::testing {

namespace {

using kolibra::testing::WaitFor;
using kolibra::testing::WhenShown;

TEST(FileSearchDialog, SearchThenOpen) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Programs/Regressi")));
  const QString regressi = dir.filePath(QStringLiteral("Programs/Regressi/regressi.exe"));
  QFile file(regressi);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();

  TFileSearchDialog dialog;
  int listed = -1;
  WhenShown<TFileSearchDialog>([&listed](TFileSearchDialog *shown) {
    EXPECT_FALSE(shown->OpenButton()->isEnabled());
    shown->SearchButton()->click();
    listed = shown->Results()->count();
    shown->OpenButton()->click();
  });
  EXPECT_EQ(dialog.Execute(QStringLiteral("Regressi.exe|Regressi.exe"), {dir.path()}), regressi);
  EXPECT_EQ(listed, 1);

  // A new search starts empty; Cancel opens nothing.
  WhenShown<TFileSearchDialog>([&listed](TFileSearchDialog *shown) {
    listed = shown->Results()->count();
    shown->reject();
  });
  EXPECT_EQ(dialog.Execute(QStringLiteral("Regressi.exe|Regressi.exe"), {dir.path()}), QString());
  EXPECT_EQ(listed, 0);
}

TEST(ExportWindowHost, FiltersInQtsForm) {
  QString selected;
  EXPECT_EQ(QtFileFilter(QStringLiteral("Tab separated values (*.txt)|*.txt"), &selected),
            QStringLiteral("Tab separated values (*.txt)"));
  EXPECT_EQ(selected, QStringLiteral("Tab separated values (*.txt)"));
  EXPECT_EQ(QtFileFilter(QStringLiteral("Text|*.txt|All|*.*"), &selected, 2), QStringLiteral("Text (*.txt);;All (*.*)"));
  EXPECT_EQ(selected, QStringLiteral("All (*.*)"));
}

}  // namespace

}  // namespace kolibra::exporting::testing
