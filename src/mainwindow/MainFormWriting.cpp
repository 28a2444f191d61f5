// Video writing in the window: the montage mode's record button, the studio's conversions
// between videos and still images, the writing dialog, the progress bar with its Stop button
// (Esc stops too), and the busy state that refuses opening, mode changes and closing while a
// file is being written.

#include "editing/Montage.h"
#include "editing/RecordMontage.h"
#include "editing/windows/BoiteRecordMontage.h"
#include "kit/MessageBox.h"
#include "kit/Texts.h"
#include "mainwindow/MainForm.h"
#include "videoview/windows/Video.h"

#include <QApplication>
#include <QKeyEvent>
#include <QFileDialog>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

namespace kolibra::mainwindow {

namespace main_form_writing {

// Esc anywhere in the program while a file is written: installed on the application for the
// run only, so it sees the key whichever widget has the focus.
class TEscapeFilter : public QObject {
 public:
  explicit TEscapeFilter(std::function<void()> cancel) : Cancel(std::move(cancel)) {}

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
      Cancel();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> Cancel;
};

}  // namespace main_form_writing

// What the writer asks of the window: its dialogs and the recent-files folder.
class TMainForm::TWritingHost : public editing::IRecordHost {
 public:
  explicit TWritingHost(TMainForm &form) : Form(form) { Dialog.Font = form.font(); }

  bool ShowSettings(editing::TBoiteRecordMontageModel &model, editing::TRecordMontage &writer) override {
    return Dialog.Execute(model, writer);
  }
  bool AskSaveFile(const TSaveFileRequest &request, QString &fileName) override {
    return Form.AskSaveFile(request, fileName);
  }
  bool AskImageFiles(const TSaveFileRequest &request, QStringList &files) override {
    QFileDialog dialog(&Form, request.Title, request.Folder, request.Filter);
    dialog.setObjectName(QStringLiteral("OpenImagesDialog"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setDefaultSuffix(request.DefaultExtension);
    if (dialog.exec() != QDialog::Accepted) return false;
    files = dialog.selectedFiles();
    return !files.isEmpty();
  }
  QString RecentFolder() const override { return Form.FController->RecentFolder(); }
  void SetRecentFolder(const QString &folder) override { Form.FController->SetRecentFolder(folder); }

  TMainForm &Form;
  editing::TBoiteRecordMontage Dialog;
  QPushButton *Stop = nullptr;
  std::unique_ptr<main_form_writing::TEscapeFilter> Escape;
};

void TMainForm::CreateWriting() {
  FRecord = std::make_shared<editing::TRecordMontage>(FVideo->Model(), *FMontage, FOptions->FileName(),
                                                      FSettings.WrapperFolder);
  FWritingHost = std::make_shared<TWritingHost>(*this);
  auto *stop = new QPushButton(MainFormText::tr("Stop"), this);
  stop->setObjectName(QStringLiteral("ButtonStopWriting"));
  stop->hide();
  statusBar()->addPermanentWidget(stop);
  connect(stop, &QPushButton::clicked, this, [this] { FRecord->Cancel(); });
  FWritingHost->Stop = stop;
  FWritingHost->Escape = std::make_unique<main_form_writing::TEscapeFilter>([this] { FRecord->Cancel(); });

  FRecord->OnProgress = [this](int percent) {
    if (percent <= 100) {
      FProgressBar->setValue(percent);
      FProgressBar->show();
    } else {
      FProgressBar->hide();
    }
  };
  FRecord->ProcessEvents = [] { QCoreApplication::processEvents(); };
  FRecord->OnWritingChange = [this](bool writing) {
    // No way to stop from outside: opening, mode changes and closing are refused meanwhile;
    // the user stops with Esc or the Stop button.
    if (writing) {
      FController->Busy().Begin(MainFormText::tr("Video writing"));
    } else {
      FController->Busy().End();
    }
    FWritingHost->Stop->setVisible(writing);
    if (writing) {
      qApp->installEventFilter(FWritingHost->Escape.get());
    } else {
      qApp->removeEventFilter(FWritingHost->Escape.get());
    }
  };
  FVideo->Model().SetWriter(FRecord.get());
  FController->OnWritingCommand = [this](TControl control) { WritingCommand(control); };
  // File > Write video... writes the edited video, as the video-editing mode's button does.
  FController->MenuHooks[MenuFichierEnregistrerVideo] = [this] { WritingCommand(ButtonMontageEnregistrer); };
}

void TMainForm::DestroyWriting() {
  if (!FRecord) return;
  if (FController) {
    FController->OnWritingCommand = nullptr;
    FController->MenuHooks.erase(MenuFichierEnregistrerVideo);
  }
  FRecord->WriteSettings();
  if (FVideo != nullptr) FVideo->Model().SetWriter(nullptr);
  FRecord->OnWritingChange = nullptr;
  FRecord->OnProgress = nullptr;
  FRecord.reset();
  FWritingHost.reset();
}

void TMainForm::WritingCommand(TControl control) {
  if (!FRecord || FRecord->Writing()) return;
  TWritingHost &host = *FWritingHost;
  switch (control) {
    case ButtonMontageEnregistrer:
    case ButtonStudioP2v: {
      const bool written = control == ButtonMontageEnregistrer ? FRecord->SaveEditedVideo(host)
                                                                 : FRecord->ImagesToVideo(host);
      if (!written) break;
      // Kolibra's own reader opens the new file: what it finds is what the user will get.
      const editing::TWrittenVideo back = editing::ReadBackVideo(FRecord->OutputFile, FSettings.WrapperFolder);
      TMessageBox(icInformation)
          .AddLine(MainFormText::tr("File successfully saved:"))
          .AddEmptyLine()
          .AddFileName(FRecord->OutputFile)
          .AddEmptyLine()
          .AddLine(back.Text())
          .AddButton(MainFormText::tr("Ok"))
          .Execute();
      break;
    }
    case ButtonStudioV2p:
      if (FRecord->VideoToImages(host))
        TMessageBox(icInformation)
            .AddLine(MainFormText::tr("Files were successfully registered."))
            .AddButton(MainFormText::tr("Ok"))
            .Execute();
      break;
    default:
      break;
  }
  Refresh(rfControls);
}

}  // namespace kolibra::mainwindow
