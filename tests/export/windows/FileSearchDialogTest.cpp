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
// extension its own; the text form stays the one offered first.
TEST(ExportWindowHost, TheChosenFormatGivesItsExtension) {
  struct TCase {
    int Filter;  // index in the list, -1 left as offered
    const char *Typed, *Written;
  } cases[] = {{-1, "plain", "plain.txt"}, {3, "data", "data.csv"}, {1, "book", "book.xlsx"},
               {2, "calc", "calc.ods"}, {3, "kept.ods", "kept.ods"}};
  QTemporaryDir dir;
  settings::TOptions options(dir.filePath(QStringLiteral("Kolibra.ini")));
  TExportWindowHost host(nullptr, options);
  TSaveDialogRequest request;
  request.Title = texts::DatasheetFileTitle();
  request.Filter = texts::DatasheetFileFilter();
  request.DefaultExtension = texts::TextFileExtension();
  for (const TCase &c : cases) {
    QStringList offered;
    WhenShown<QFileDialog>([&](QFileDialog *dialog) {
      offered = dialog->nameFilters();
      if (c.Filter >= 0) {
        // As a user picks it from the list.
        auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        if (types != nullptr) {
          types->setCurrentIndex(c.Filter);
          emit types->activated(c.Filter);
          emit types->textActivated(types->currentText());
        }
      }
      dialog->selectFile(dir.filePath(QLatin1String(c.Typed)));
      QMetaObject::invokeMethod(dialog, "accept");
    });
    const QString chosen = host.AskSaveFileName(request);
    EXPECT_EQ(QFileInfo(chosen).fileName(), QLatin1String(c.Written)) << c.Typed;
    EXPECT_EQ(offered, (QStringList{QStringLiteral("Tab separated values (*.txt)"), QStringLiteral("Excel workbook (*.xlsx)"),
                                    QStringLiteral("OpenDocument spreadsheet (*.ods)"),
                                    QStringLiteral("Comma separated values (*.csv)")}));
  }
  EXPECT_EQ(FilterSuffix(QStringLiteral("All (*)")), QString());
}

}  // namespace

}  // namespace kolibra::exporting::testing
