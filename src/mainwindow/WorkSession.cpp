#include "mainwindow/WorkSession.h"

#include "editing/Montage.h"
#include "kit/IniFile.h"
#include "kit/MessageBox.h"
#include "kit/SaveDialogRule.h"
#include "kit/Texts.h"
#include "mainwindow/FileNames.h"
#include "mainwindow/MainController.h"
#include "measurement/Data.h"
#include "settings/Options.h"
#include "videoview/VideoModel.h"
#include "work/WorkFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kolibra::mainwindow {

namespace work_session_impl {

// The chosen name with its extension forced to ".klb".
QString WithWorkExtension(const QString &fileName) {
  const QFileInfo info(fileName);
  const QString name = info.fileName();
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  const QString base = dot > 0 ? name.left(dot) : name;
  return QDir(info.path()).filePath(base + QStringLiteral(".klb"));
}

// A box about a file: lines before the file's name (in blue), lines after it; an empty line
// stays empty. The index of the button pressed.
int FileBox(TDefaultIcons icon, const QStringList &before, const QString &file, const QStringList &after,
            const QStringList &buttons) {
  TMessageBox box(icon);
  for (const QString &line : before) box.AddLine(line);
  box.AddFileName(QDir::toNativeSeparators(file));
  for (const QString &line : after) box.AddLine(line);
  for (const QString &button : buttons) box.AddButton(button);
  return box.Execute();
}

}  // namespace work_session_impl

using work_session_impl::FileBox;

TWorkSession::TWorkSession(TMainController &controller, const TWorkObjects &objects, settings::TOptions &options,
                           IWorkDialogs &dialogs, const QString &wrapperFolder)
    : Controller(controller), Objects(objects), Options(options), Dialogs(dialogs), WrapperFolder(wrapperFolder) {
  Controller.SaveWork = [this] { return Save(); };
  Controller.HasUnsavedWork = [this] { return UpdateModified(); };
  Controller.WorkCaption = [this] { return Caption(); };
  Controller.OpenWorkFile = [this](const QString &fileName) { return OpenWork(fileName); };
  Controller.VideoProblem = [this](const QString &fileName) {
    const work::TVideoProbe probe = Probe ? Probe(fileName) : work::ProbeVideo(fileName, WrapperFolder);
    return probe.Opened             ? QString()
           : probe.Reason.isEmpty() ? MainFormText::tr("Unable to open this video file.")
                                    : probe.Reason;
  };
  Controller.VideoOpened = [this] {
    // A video opened on its own starts a new measurement, which no file holds yet; during a
    // load the loader settles the work itself.
    if (!Loading) {
      Results = results::TResRecord();
      Settle(QString(), true);
    }
  };
  Objects.Data.OnContentChange = [this](measurement::TData *) { ContentChanged(); };
}

TWorkSession::~TWorkSession() {
  // A clean end: the work was saved, or the user chose to leave it.
  if (RecoveryFile) {
    RecoveryFile->Snapshot = nullptr;
    RecoveryFile->QuietPrint = nullptr;
    RecoveryFile->Discard();
    RecoveryFile.reset();
  }
  Objects.Data.OnContentChange = nullptr;
  Controller.SaveWork = nullptr;
  Controller.HasUnsavedWork = nullptr;
  Controller.WorkCaption = nullptr;
  Controller.OpenWorkFile = nullptr;
  Controller.VideoProblem = nullptr;
  Controller.VideoOpened = nullptr;
}

work::TWorkContext TWorkSession::Context() const {
  if (CaptureResults) Results = CaptureResults();
  return {Objects.Video, Objects.Data, Objects.Montage, Objects.Formulas, &Results};
}

QByteArray TWorkSession::Fingerprint() const { return work::WorkFingerprint(Context()); }

void TWorkSession::Settle(const QString &workFile, bool matchesFile, bool keepRecovery) {
  WorkFile = workFile;
  // A file that does not hold the work as it is now (a moved video, dropped marks) still
  // needs saving.
  SavedPrint = matchesFile ? Fingerprint() : QByteArray();
  IsModified = !matchesFile;
  Controller.RefreshCaption();
  if (RecoveryFile && !keepRecovery) {
    if (matchesFile)
      RecoveryFile->Discard();
    else
      RecoveryFile->Changed();
  }
}

void TWorkSession::ContentChanged() {
  if (Loading) return;
  if (RecoveryFile) RecoveryFile->Changed();
  if (OnPendingCheck)
    OnPendingCheck();
  else
    UpdateModified();
}

bool TWorkSession::UpdateModified() {
  if (!Objects.Video.IsOpen()) return false;
  const bool modified = Fingerprint() != SavedPrint;
  if (modified != IsModified) {
    IsModified = modified;
    Controller.RefreshCaption();
  }
  return IsModified;
}

QString TWorkSession::Caption() const {
  const QString shown = WorkFile.isEmpty() ? Objects.Video.VideoFileName() : WorkFile;
  return (IsModified ? QStringLiteral("*") : QString()) + QDir::toNativeSeparators(shown);
}

QString TWorkSession::InitialFolder() const {
  return SaveStartFolder(QString(), Options.DefaultDirectory, Controller.RecentFolder());
}

// ---------------------------------------------------------------------------------------------
// Saving
// ---------------------------------------------------------------------------------------------

bool TWorkSession::Save() {
  if (!Objects.Video.IsOpen()) {
    TMessageBox(icInformation)
        .AddLine(MainFormText::tr("First open a video file."))
        .AddButton(MainFormText::tr("Ok"))
        .Execute();
    return false;
  }
  // The file that was opened is proposed again; a new measurement gets a name from its video.
  QString folder = InitialFolder();
  QString proposed;
  if (!WorkFile.isEmpty()) {
    folder = QFileInfo(WorkFile).absolutePath();
    proposed = QFileInfo(WorkFile).fileName();
  } else {
    const QFileInfo video(Objects.Video.VideoFileName());
    proposed = QFileInfo(ProposeFileName(folder, video.fileName(), QStringLiteral("klb"), true)).fileName();
  }
  const QString chosen = Dialogs.AskSaveFileName(folder, proposed);
  if (chosen.isEmpty()) return false;
  const QString fileName = work_session_impl::WithWorkExtension(chosen);
  if (QFileInfo::exists(fileName)) {
    const int answer = FileBox(
        icWarning, {}, fileName,
        {QString(), MainFormText::tr("A file with the same name already exists. Overwrite ?")},
        {MainFormText::tr("Cancel"), MainFormText::tr("Ok")});
    if (answer != 1) return false;
  }
  Controller.SetRecentFolder(QFileInfo(fileName).absolutePath());
  switch (work::SaveWork(Context(), fileName)) {
    case work::wsOpenFailed:
      FileBox(icWarning, {MainFormText::tr("Saving has failed.")}, fileName,
              {MainFormText::tr("Check that the drive is not write-protected.")},
              {MainFormText::tr("Ok")});
      return false;
    case work::wsWriteFailed:
      FileBox(icWarning, {MainFormText::tr("File saving has failed.")}, fileName, {},
              {MainFormText::tr("Ok")});
      return false;
    case work::wsOk:
      break;
  }
  Settle(fileName, true);
  FileBox(icInformation, {MainFormText::tr("File successfully saved:"), QString()}, fileName, {},
          {MainFormText::tr("Ok")});
  if (!Options.CheckBox6FreezeMRU_Checked && QFileInfo::exists(fileName)) Controller.RecentList().Add(fileName);
  return true;
}

// ---------------------------------------------------------------------------------------------
// Opening
// ---------------------------------------------------------------------------------------------

bool TWorkSession::OpenWorkCommand() {
  const QString fileName = Dialogs.AskWorkFileName(InitialFolder());
  return !fileName.isEmpty() && OpenWork(fileName);
}

QString TWorkSession::LocateVideo(const QString &storedPath, const QString &workFile) {
  const int answer = FileBox(icWarning, {}, storedPath,
                             {QString(), MainFormText::tr("Unable to open this video file."),
                              MainFormText::tr("Check that it has not been moved.")},
                             {MainFormText::tr("Look for it..."), MainFormText::tr("Cancel")});
  if (answer != 0) return QString();
  return Dialogs.AskVideoFileName(QFileInfo(workFile).absolutePath());
}

work::TWorkLoadResult TWorkSession::Load(const QString &fileName, const QString &shownName,
                                         const QString &besideFile) {
  work::TWorkLoadRequest request;
  request.FileName = fileName;
  request.BesideFile = besideFile;
  request.WrapperFolder = WrapperFolder;
  request.Probe = Probe;
  request.OpenVideo = [this](const QString &video) { return Controller.LoadVideo(video, false); };
  request.LocateVideo = [this, besideFile](const QString &stored) { return LocateVideo(stored, besideFile); };
  // The save question comes once the file and its video are known to open: a damaged work
  // file never costs the work in hand.
  request.BeforeChange = [this] { return Controller.ConfirmChange(0); };
  Loading = true;
  results::TResRecord read;
  const work::TWorkLoadResult result =
      work::LoadWork({Objects.Video, Objects.Data, Objects.Montage, Objects.Formulas, &read}, request);
  Loading = false;
  if (!result.Loaded) {
    if (!result.Cancelled && !result.ViewOpenFailed)
      FileBox(icWarning, {}, shownName, QStringList{QString()} + result.Error,
              {MainFormText::tr("Ok")});
    // A view that failed to open has dropped the old work: the window shows no video now.
    if (result.ViewOpenFailed) Settle(QString(), true, true);
    return result;
  }
  // The results were reset with the new video: they take what the file kept of them.
  Results = read;
  if (RestoreResults) RestoreResults(read);
  return result;
}

bool TWorkSession::OpenWork(const QString &fileName) {
  const QString workFile = QFileInfo(fileName).absoluteFilePath();
  const work::TWorkLoadResult result = Load(workFile, workFile, workFile);
  if (!result.Loaded) {
    if (!QFileInfo::exists(workFile)) Controller.RecentList().Remove(workFile);
    return false;
  }
  Controller.SetRecentFolder(QFileInfo(workFile).absolutePath());
  if (!Options.CheckBox6FreezeMRU_Checked) Controller.RecentList().Add(workFile);
  Settle(workFile, !result.VideoMoved && result.Warnings.isEmpty());
  Controller.EnableControls(true);
  if (!result.Warnings.isEmpty())
    FileBox(icWarning, {}, workFile, QStringList{QString()} + result.Warnings,
            {MainFormText::tr("Ok")});
  return true;
}

// ---------------------------------------------------------------------------------------------
// Recovery
// ---------------------------------------------------------------------------------------------

void TWorkSession::EnableRecovery(const QString &folder) {
  RecoveryFile = std::make_unique<TWorkRecovery>(folder);
  RecoveryFile->Snapshot = [this] { return RecoverySnapshot(); };
  RecoveryFile->QuietPrint = [this] { return ResultsPrint(); };
}

QByteArray TWorkSession::ResultsPrint() const {
  if (!CaptureResults) return QByteArray();
  TIniFile ini = TIniFile::FromText(QString(), QString());
  results::WriteResRecord(CaptureResults(), ini);
  return QCryptographicHash::hash(ini.ToText().toUtf8(), QCryptographicHash::Sha1);
}

TRecoverySnapshot TWorkSession::RecoverySnapshot() const {
  TRecoverySnapshot snapshot;
  if (Loading) {
    snapshot.Later = true;
    return snapshot;
  }
  if (!Objects.Video.IsOpen()) return snapshot;
  snapshot.Work = TIniFile::FromText(QString(), QString());
  work::WriteWork(Context(), *snapshot.Work);
  snapshot.SavedPrint = SavedPrint;
  snapshot.WorkFile = WorkFile;
  snapshot.Marks = Objects.Data.FixedMarks().MarksCount() + Objects.Data.LayerMarks().MarksCount();
  return snapshot;
}

bool TWorkSession::OfferRecovery(IRecoveryDialog &dialog) {
  if (!RecoveryFile) return false;
  work::RemoveStaleRecoveryCopies(RecoveryFile->Folder());
  for (;;) {
    std::vector<work::TRecoveryEntry> entries = work::ListRecoveryFiles(RecoveryFile->Folder());
    std::erase_if(entries, [](const work::TRecoveryEntry &entry) { return entry.State == work::rsRunning; });
    if (entries.empty()) return false;
    const TRecoveryChoice choice = dialog.AskRecovery(entries);
    if (choice.Answer == raLater || choice.Index < 0 || size_t(choice.Index) >= entries.size()) return false;
    const work::TRecoveryEntry &entry = entries[size_t(choice.Index)];
    if (choice.Answer == raDiscard)
      work::DiscardRecoveryFile(entry.Path);
    else if (entry.State == work::rsOrphan && RestoreRecovery(entry))
      return true;
  }
}

bool TWorkSession::RestoreRecovery(const work::TRecoveryEntry &entry) {
  if (!RecoveryFile) return false;
  const QString own = RecoveryFile->FileName();
  // The file becomes this process's before anything is read: another Kolibra starting now
  // finds it running, and nobody else restores it twice.
  if (!work::ClaimRecoveryFile(entry.Path, own)) {
    FileBox(
        icWarning, {}, entry.Path,
        {QString(), MainFormText::tr("Another Kolibra has taken or removed this recovery file.")},
        {MainFormText::tr("Ok")});
    return false;
  }
  const QString besideFile = entry.WorkFile.isEmpty() ? entry.Path : entry.WorkFile;
  const work::TWorkLoadResult result = Load(own, entry.Path, besideFile);
  if (!result.Loaded) {
    // Given back under its own name, for a later start.
    QFile::rename(own, entry.Path);
    return false;
  }
  // Unsaved work from its original file: the caption shows it modified, Save proposes it;
  // the next pause writes the file anew, as this process's.
  Settle(entry.WorkFile, false);
  Controller.EnableControls(true);
  if (!result.Warnings.isEmpty())
    FileBox(icWarning, {}, entry.Path, QStringList{QString()} + result.Warnings,
            {MainFormText::tr("Ok")});
  return true;
}

}  // namespace kolibra::mainwindow
