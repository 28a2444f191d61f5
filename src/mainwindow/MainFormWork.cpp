// The window's work files, video editing and object names: the montage and the formulas it
// owns for the work file, the work session, the File menu's "Recent files", the file dialogs
// of the work files, the recovery file and its start-up dialog, and the recent-files list kept
// in the options file across runs.

#include "editing/Montage.h"
#include "editing/windows/BoiteInstant.h"
#include "formulas/Formules.h"
#include "kit/IniFile.h"
#include "kit/Texts.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/RecoveryDialog.h"
#include "measurement/Data.h"
#include "settings/Options.h"
#include "videoview/windows/Video.h"

#include <QAction>
#include <QLabel>
#include <QDir>
#include <QFileDialog>
#include <QMenu>

namespace kolibra::mainwindow {

using namespace videoview;

void TMainForm::CreateWork() {
  TVideoModel &video = FVideo->Model();
  FMontage = std::make_unique<editing::TMontage>(video, *FData, *FOptions);
  video.SetMontage(FMontage.get());
  FData->SetTimeShifts(FMontage.get());
  FMontageWindows = std::make_unique<editing::TMontageDialogWindows>();
  FMontageWindows->SetFont(font());
  FController->SetMontage(FMontage.get(), FSettings.MontageDialogs != nullptr ? FSettings.MontageDialogs
                                                                              : FMontageWindows.get());
  // The formulas a work file records; the results window computes them once it exists.
  FFormules = std::make_unique<formulas::TFormules>();
  FWork = std::make_unique<TWorkSession>(*FController, TWorkObjects{video, *FData, *FMontage, FFormules.get()},
                                         *FOptions, FSettings.WorkDialogs != nullptr ? *FSettings.WorkDialogs : *this,
                                         FSettings.WrapperFolder);
  // The comparison with the saved file waits for a pause in the changes (a drag changes the
  // work at every move).
  FModifiedTimer.setSingleShot(true);
  FModifiedTimer.setInterval(150);
  connect(&FModifiedTimer, &QTimer::timeout, this, [this] { FWork->UpdateModified(); });
  FWork->OnPendingCheck = [this] { FModifiedTimer.start(); };
  FWork->EnableRecovery(FSettings.RecoveryFolder.isEmpty() ? work::RecoveryFolder() : FSettings.RecoveryFolder);
  FWork->Recovery()->OnProblem = [this](const QString &reason) {
    FRecoveryProblem->setText(
        reason.isEmpty()
            ? QString()
            : MainFormText::tr("The work cannot be kept for recovery after a crash: %1")
                  .arg(reason));
    FRecoveryProblem->setVisible(!reason.isEmpty());
  };
  FBoiteNomCouleur.Font = font();
  FController->ShowObjectNames = [this] { ShowObjectNames(); };
  FController->RecentList().OnChange = [this] { RebuildRecentMenu(); };
}

void TMainForm::DestroyWork() {
  FModifiedTimer.stop();
  if (FController) {
    FController->RecentList().OnChange = nullptr;
    FController->ShowObjectNames = nullptr;
    FController->SetMontage(nullptr, nullptr);
  }
  FWork.reset();
  if (FVideo != nullptr) FVideo->Model().SetMontage(nullptr);
  if (FData) FData->SetTimeShifts(nullptr);
}

void TMainForm::ShowObjectNames() {
  if (!FVideo->Model().IsOpen()) return;
  FBoiteNomCouleur.Execute(*FData, FVideo->Model().Mode() == vmTransparent);
  FVideo->Model().Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Menus
// ---------------------------------------------------------------------------------------------

void TMainForm::RebuildRecentMenu() {
  if (FMenuRecent == nullptr) return;
  FMenuRecent->clear();
  const measurement::TMRUFiles &recent = FController->RecentList();
  for (int i = 0; i < recent.Files().size(); ++i) {
    const QString file = recent.Files()[i];
    QAction *entry = FMenuRecent->addAction(recent.Caption(i), this, [this, file] { OpenVideo(file); });
    entry->setStatusTip(QDir::toNativeSeparators(file));
    entry->setToolTip(QDir::toNativeSeparators(file));
  }
  FMenuRecent->menuAction()->setEnabled(!recent.Files().isEmpty());
}

// ---------------------------------------------------------------------------------------------
// The recent files across runs
// ---------------------------------------------------------------------------------------------

void TMainForm::LoadRecentFiles() {
  measurement::TMRUFiles &recent = FController->RecentList();
  recent.SetMaxEntries(FOptions->EditMRU_Value);
  recent.LoadFromIni(TIniFile(FOptions->FileName()));
}

void TMainForm::SaveRecentFiles() {
  // Errors are ignored: the list is a convenience, and the program is closing.
  TIniFile ini(FOptions->FileName());
  FController->RecentList().SaveToIni(ini);
  ini.UpdateFile();
}

// ---------------------------------------------------------------------------------------------
// File dialogs of the work files
// ---------------------------------------------------------------------------------------------

QString TMainForm::AskSaveFileName(const QString &folder, const QString &proposed) {
  QFileDialog dialog(this, MainFormText::tr("Save work to KLB file"), folder,
                     MainFormText::tr("Kolibra file (*.klb)"));
  dialog.setObjectName(QStringLiteral("SaveDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("klb"));
  // The program asks itself before overwriting, with its own words.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.selectFile(proposed);
  return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                 : QString();
}

QString TMainForm::AskWorkFileName(const QString &folder) {
  return QFileDialog::getOpenFileName(this, MainFormText::tr("Open work..."), folder,
                                      MainFormText::tr("Kolibra file (*.klb)") +
                                          QStringLiteral(";;") + MainFormText::tr("All files (*)"));
}

QString TMainForm::AskVideoFileName(const QString &folder) {
  return QFileDialog::getOpenFileName(this, MainFormText::tr("Open video..."), folder,
                                      VideoFileFilter());
}

TRecoveryChoice TMainForm::AskRecovery(const std::vector<work::TRecoveryEntry> &entries) {
  return ShowRecoveryDialog(this, entries);
}

}  // namespace kolibra::mainwindow
