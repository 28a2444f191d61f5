// The one save dialog the studio and the capture ask for, prepared as the main window
// prepares every save: start folder and proposed name from SaveDialogRule.

#include "mainwindow/MainForm.h"
#include "kit/SaveDialogRule.h"
#include "settings/Options.h"
#include "videoview/windows/Video.h"

#include <QFileDialog>

namespace kolibra::mainwindow {

bool TMainForm::AskSaveFile(const TSaveFileRequest &request, QString &fileName) {
  const TSaveDialogStart start = PrepareSaveDialog(request, FOptions->DefaultDirectory, FController->RecentFolder(),
                                                   FVideo->Model().VideoFileName());
  QFileDialog dialog(this, request.Title, start.Folder, request.Filter);
  dialog.setObjectName(QStringLiteral("SaveDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(request.DefaultExtension);
  if (!request.ConfirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.selectFile(start.Proposed);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  fileName = dialog.selectedFiles().constFirst();
  return !fileName.isEmpty();
}

}  // namespace kolibra::mainwindow
