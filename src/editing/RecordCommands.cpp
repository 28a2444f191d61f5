// The three writing commands as the user meets them: the writing dialog, the file dialogs,
// the questions and the failure box around the loops of RecordMontage.cpp.

#include "editing/ImageSeries.h"
#include "editing/Montage.h"
#include "editing/RecordMontage.h"
#include "kit/MessageBox.h"
#include "kit/Texts.h"
#include "videoview/VideoModel.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace kolibra::editing {

namespace record_commands {

// Shows the writing dialog with the view's waiting text on.
bool ShowDialog(IRecordHost &host, TRecordMontage &writer, videoview::TVideoModel &video) {
  video.SetWaiting(true);
  const bool accepted = host.ShowSettings(writer.Dialog, writer);
  video.SetWaiting(false);
  return accepted;
}

bool IsAvi(const QString &fileName) {
  return QFileInfo(fileName).suffix().compare(QLatin1String("avi"), Qt::CaseInsensitive) == 0;
}

}  // namespace record_commands

void TRecordMontage::ShowFailure(const QString &heading) const {
  if (FCancelled) {
    TMessageBox(icInformation)
        .AddLine(RecordMontageText::tr("Process cancelled"))
        .AddButton(RecordMontageText::tr("Ok"))
        .Execute();
    return;
  }
  TMessageBox box(icWarning);
  box.AddLine(heading).AddEmptyLine();
  for (const QString &line : ErrorText.split(QLatin1Char('\n'))) box.AddLine(line);
  box.AddButton(RecordMontageText::tr("Ok")).Execute();
}

bool TRecordMontage::AskVideoFile(IRecordHost &host, const QString &baseName, const QString &folder) {
  TSaveFileRequest request;
  request.Title = RecordMontageText::tr("Save a video file");
  request.Filter = RecordMontageText::tr("Video file (*.avi)");
  request.DefaultExtension = QStringLiteral("avi");
  request.BaseName = baseName;
  request.Folder = folder;
  // An existing name is refused below with the program's own words, never replaced.
  request.ConfirmOverwrite = false;
  for (;;) {
    QString chosen;
    if (!host.AskSaveFile(request, chosen)) return false;
    OutputFile = record_commands::IsAvi(chosen) ? chosen : chosen + QStringLiteral(".avi");
    const bool isVideo = Video.IsOpen() && QFileInfo(OutputFile).absoluteFilePath() ==
                                               QFileInfo(Video.VideoFileName()).absoluteFilePath();
    if (!QFileInfo::exists(OutputFile) && !isVideo) {
      host.SetRecentFolder(QFileInfo(OutputFile).absolutePath());
      return true;
    }
    TMessageBox(icWarning)
        .AddFileName(OutputFile)
        .AddEmptyLine()
        .AddLine(RecordMontageText::tr(
            "A file with this name already exists in the selected directory."))
        .AddEmptyLine()
        .AddLine(RecordMontageText::tr("Please choose a different file name or directory."))
        .AddButton(RecordMontageText::tr("Ok"))
        .Execute();
    request.Folder = QFileInfo(OutputFile).absolutePath();
  }
}

bool TRecordMontage::SaveEditedVideo(IRecordHost &host) {
  if (!Video.IsOpen() || FWriting) return false;
  ReadSettings();
  PrepareForVideo(rkEditedVideo);
  if (!record_commands::ShowDialog(host, *this, Video)) return false;
  if (!AskVideoFile(host, QStringLiteral("EditedVideo"), host.RecentFolder())) return false;
  if (WriteEditedVideo(OutputFile)) return true;
  ShowFailure(RecordMontageText::tr("Error detected while creating video file:"));
  return false;
}

bool TRecordMontage::VideoToImages(IRecordHost &host) {
  if (!Video.IsOpen() || FWriting) return false;
  PrepareForVideo(rkVideoToImages);
  if (!record_commands::ShowDialog(host, *this, Video)) return false;
  TSaveFileRequest request;
  request.Title = RecordMontageText::tr("Convert video to images");
  request.Filter = RecordMontageText::tr("Bitmap file (*.bmp)");
  request.DefaultExtension = QStringLiteral("bmp");
  request.ConfirmOverwrite = false;
  QString chosen;
  if (!host.AskSaveFile(request, chosen)) return false;
  const QString base = StillBaseName(chosen);
  const QStringList existing = ExistingStills(base, Montage.Count());
  if (!existing.isEmpty()) {
    TMessageBox box(icConfirmation);
    box.AddLine(RecordMontageText::tr("%1 image files of this name already exist, such as:")
                    .arg(existing.size()));
    box.AddFileName(existing.first())
        .AddEmptyLine()
        .AddLine(RecordMontageText::tr("Replace them?"));
    box.AddButton(RecordMontageText::tr("No")).AddButton(RecordMontageText::tr("Yes"));
    if (box.Execute() != 1) return false;
  }
  if (!WriteStills(base, true)) {
    ShowFailure(RecordMontageText::tr("Error detected while creating image files:"));
    return false;
  }
  host.SetRecentFolder(QFileInfo(chosen).absolutePath());
  return true;
}

bool TRecordMontage::ImagesToVideo(IRecordHost &host) {
  if (FWriting) return false;
  ReadSettings();
  if (ShowImagesTip) {
    TMessageBox box(icInformation);
    box.SetCheckBox(RecordMontageText::tr("Do not show this dialog again"), false);
    box.AddLine(RecordMontageText::tr("You'll select several image files."))
        .AddLine(RecordMontageText::tr("Some useful keyboard shortcuts:"))
        .AddEmptyLine()
        .AddLine(QStringLiteral("    ") + RecordMontageText::tr("Ctrl + A: select all"))
        .AddLine(QStringLiteral("    ") +
                 RecordMontageText::tr("Shift + arrow key: select several contiguous items"))
        .AddLine(QStringLiteral("    ") +
                 RecordMontageText::tr("Ctrl + left-click: select an element independent of other"))
        .AddButton(RecordMontageText::tr("Ok"))
        .AddButton(RecordMontageText::tr("Cancel"));
    const int answer = box.Execute();
    ShowImagesTip = !box.Checked();
    if (answer != 0) return false;
  }
  TSaveFileRequest request;
  request.Title = RecordMontageText::tr("Select image files");
  request.Filter = RecordMontageText::tr("Bitmap file (*.bmp)");
  request.DefaultExtension = QStringLiteral("bmp");
  request.Folder = host.RecentFolder();
  QStringList chosen;
  if (!host.AskImageFiles(request, chosen) || chosen.isEmpty()) return false;
  for (const QString &file : chosen)
    if (!QFileInfo(file).isFile()) return false;
  ImageFiles = ImageList(chosen);
  const QSize size = QImageReader(ImageFiles.first()).size();
  if (!size.isValid()) {
    ErrorText = RecordMontageText::tr("Unable to read the image file %1").arg(ImageFiles.first());
    ShowFailure(RecordMontageText::tr("Error detected while creating video file:"));
    return false;
  }
  Dialog.Kind = rkImagesToVideo;
  Dialog.SetSourceWidth(size.width());
  Dialog.SetSourceHeight(size.height());
  Dialog.ResetSize();
  Dialog.ImageCount = int(ImageFiles.size());
  Dialog.TotalImages = int(ImageFiles.size());
  if (!record_commands::ShowDialog(host, *this, Video)) return false;
  if (!AskVideoFile(host, QStringLiteral("Assembly"), QFileInfo(ImageFiles.first()).absolutePath())) return false;
  if (WriteImages(ImageFiles, OutputFile)) return true;
  ShowFailure(RecordMontageText::tr("Error detected while creating video file:"));
  return false;
}

}  // namespace kolibra::editing
