// The commands that send the results out: copy, export, print, copy and launch. A graph view
// sends its picture; the datasheet sends its lines through the export server.
#include "export/DataFiles.h"
#include "export/Workbook.h"
#include "export/windows/ExportWindowHost.h"
#include "kinematics/ResultFacades.h"
#include "kit/SaveDialogRule.h"
#include "kit/Texts.h"
#include "results/GraphPictures.h"
#include "results/windows/GraphControl.h"
#include "results/windows/ResForm.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace kolibra::results {

int TResForm::LoadDatasheetLines() {
  QStringList lines;
  const int columns = FModel.Sources().Grid->FillText(lines, QCoreApplication::applicationFilePath());
  Serveur->ClearLines();
  for (const QString &line : lines) Serveur->AddLine(line);
  return columns;
}

void TResForm::CopyCommand() {
  if (FModel.View() == rvTableau) {
    if (Serveur == nullptr) return;
    LoadDatasheetLines();
    Serveur->CopyToClipboard(true);
    return;
  }
  if (TGraphControl *control = CurrentGraphControl()) CopyGraphPicture(control->Graph(), FModel.View() == rvVecteur);
}

void TResForm::ExportCommand() {
  if (FModel.View() == rvTableau) {
    if (Serveur == nullptr) return;
    LoadDatasheetLines();
    exporting::TExportInfo info = ExportInfo ? ExportInfo() : exporting::TExportInfo();
    exporting::DescribeColumns(FModel.Sources().Grid->Active(), info);
    Serveur->ExportDatasheet(FModel.Sources().Grid->Matrix(), info);
    return;
  }
  TGraphControl *control = CurrentGraphControl();
  if (control == nullptr) return;
  // The program's one save rule picks the folder (the options' default folder, else the
  // last folder used, else the desktop); the window proposes "Graph" there.
  const QString folder = SaveFolder ? SaveFolder(QString()) : SaveStartFolder(QString(), QString(), QString());
  int filterIndex = 1;
  QString chosen;
  if (AskPictureFileName) {
    chosen = AskPictureFileName(folder, filterIndex);
  } else {
    QString selected;
    const QString filter = exporting::QtFileFilter(PictureFileFilter(), &selected, 1);
    // The overwrite question comes once the extension is final.
    chosen = QFileDialog::getSaveFileName(this, ResFormText::tr("Export to an image file"),
                                          QDir(folder).filePath(QStringLiteral("Graph")), filter,
                                          &selected, QFileDialog::DontConfirmOverwrite);
    const QStringList filters = filter.split(QStringLiteral(";;"));
    filterIndex = std::max(1, int(filters.indexOf(selected)) + 1);
  }
  if (chosen.isEmpty()) return;
  QString saved;
  if (SaveGraphPictureAs(control->Graph(), chosen, filterIndex, FModel.View() == rvVecteur, &saved) && SetRecentFolder)
    SetRecentFolder(QFileInfo(saved).absolutePath());
}

void TResForm::PrintCommand() {
  TGraphControl *control = CurrentGraphControl();
  // The print window is another window's work: it gets the graph to print.
  if (control == nullptr || !OnPrint) return;
  const TGraphPrintDrawing drawing(control->Graph(), FModel.View() == rvVecteur);
  OnPrint(drawing);
  control->Graph().Invalidate();
}

void TResForm::CopyAndLaunch(TLaunchTarget target) {
  if (Serveur == nullptr || FModel.View() != rvTableau) return;
  const kinematics::TResGrid &grid = *FModel.Sources().Grid;
  switch (target) {
    case ltExcel: Serveur->ExportToExcel(grid.Matrix(), ExportInfo ? ExportInfo() : exporting::TExportInfo()); break;
    case ltOpenOffice: Serveur->ExportToOpenOffice(grid.Matrix(), ExportInfo ? ExportInfo() : exporting::TExportInfo()); break;
    case ltRegressi: Serveur->LaunchRegressi(LoadDatasheetLines()); break;
  }
}

}  // namespace kolibra::results
