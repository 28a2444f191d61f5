// The file-search dialog as a user drives it: "Search" lists the matches, "Open" takes the
// selected one; "Cancel" takes none. The export's host turns its filters into Qt's, and its
// save dialog gives a typed name the extension of the format chosen.

#include "export/windows/ExportWindowHost.h"
#include "export/windows/FileSearchDialog.h"
#include "support/ModalDialogs.h"
#include "support/WaitFor.h"

#include "export/ExportTexts.h"
#include "settings/Options.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
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

// The datasheet's save dialog: the format chosen in the list gives a name typed without an
// extension its own (the dialog's default suffix follows the choice); the text form is the
// one offered first. The dialog is answered by closing it: what a typed name then becomes is
// the file dialog's own work, and its directory listing runs on a thread of its own.
TEST(ExportWindowHost, TheChosenFormatGivesItsExtension) {
  struct TCase {
    int Filter;  // index in the list, -1 left as offered
    const char *Suffix;
  } cases[] = {{-1, "txt"}, {3, "csv"}, {1, "xlsx"}, {2, "ods"}, {0, "txt"}};
  QTemporaryDir dir;
  settings::TOptions options(dir.filePath(QStringLiteral("Kolibra.ini")));
  options.DefaultDirectory = dir.path();
  TExportWindowHost host(nullptr, options);
  TSaveDialogRequest request;
  request.Title = texts::DatasheetFileTitle();
  request.Filter = texts::DatasheetFileFilter();
  request.DefaultExtension = texts::TextFileExtension();
  for (const TCase &c : cases) {
    QStringList offered;
    QString suffix;
    WhenShown<QFileDialog>([&](QFileDialog *dialog) {
      offered = dialog->nameFilters();
      // As a user picks it from the list, the dialog says so.
      if (c.Filter >= 0) emit dialog->filterSelected(dialog->nameFilters().value(c.Filter));
      suffix = dialog->defaultSuffix();
      dialog->reject();
    });
    EXPECT_TRUE(host.AskSaveFileName(request).isEmpty());
    EXPECT_EQ(suffix, QLatin1String(c.Suffix)) << c.Filter;
    EXPECT_EQ(offered, (QStringList{QStringLiteral("Tab separated values (*.txt)"), QStringLiteral("Excel workbook (*.xlsx)"),
                                    QStringLiteral("OpenDocument spreadsheet (*.ods)"),
                                    QStringLiteral("Comma separated values (*.csv)"), QStringLiteral("JSON data (*.json)"),
                                    QStringLiteral("Jupyter notebook (*.ipynb)")}));
  }
  EXPECT_EQ(FilterSuffix(QStringLiteral("All (*)")), QString());
}

}  // namespace

}  // namespace kolibra::exporting::testing
