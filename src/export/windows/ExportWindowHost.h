#pragma once
// The export's host in the program: the save dialog prepared by the program's one save rule
// (kit/SaveDialogRule.h), as the main window prepares its own, and the file-search dialog.
// The main window tells it the video and the recent-files folder through the functions below.

#include "export/ExportHost.h"
#include "kit/SaveDialogRule.h"

#include <QString>
#include <functional>

class QWidget;

namespace kolibra::settings {
class TOptions;
}

namespace kolibra::exporting {

class TExportWindowHost : public IExportHost {
 public:
  TExportWindowHost(QWidget *parent, const settings::TOptions &options);

  QString AskSaveFileName(const TSaveDialogRequest &request) override;
  void SetRecentFolder(const QString &folder) override;
  QString ProposeFileName(const QString &folder, const QString &extension) override;
  QString SearchFile(const QString &filter) override;

  // Where the save dialog for request opens and the name it proposes.
  TSaveDialogStart PrepareDialog(const TSaveDialogRequest &request) const;

  // The open video's file name (empty: none) and the recent-files folder.
  std::function<QString()> VideoFileName;
  std::function<QString()> RecentFolder;
  std::function<void(const QString &)> OnRecentFolder;

 private:
  QWidget *Parent;
  const settings::TOptions &Options;
};

// A filter "description|mask|description|mask..." as the file dialogs of Qt write it:
// "description (mask);;description (mask)"; a description that shows its mask keeps it.
QString QtFileFilter(const QString &filter, QString *selected = nullptr, int filterIndex = 1);
// The extension of a Qt filter's first mask ("xlsx" for "Excel workbook (*.xlsx)"), empty
// when it has none (a "*" mask).
QString FilterSuffix(const QString &qtFilter);

}  // namespace kolibra::exporting
