// Opening a video (the file dialog) and the video's properties. The menus themselves are
// built in MainFormCommands.cpp; the work files' and the names' commands are in
// MainFormWork.cpp.

#include "kit/Texts.h"
#include "mainwindow/MainForm.h"
#include "measurement/Data.h"
#include "settings/Options.h"
#include "video/VideoSources.h"
#include "videoview/windows/Video.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>

namespace kolibra::mainwindow {

using videoview::vmCapture;

QString TMainForm::VideoFileFilter() {
  QStringList patterns;
  for (const QString &extension : video::VideoExtensions()) patterns << QLatin1Char('*') + extension;
  return MainFormText::tr("Video file (%1)").arg(patterns.join(QLatin1Char(' '))) +
         QStringLiteral(";;") + MainFormText::tr("Kolibra file (*.klb)") + QStringLiteral(";;") +
         MainFormText::tr("All files (*)");
}

void TMainForm::CreateMenus() { CreateCommandMenus(); }

void TMainForm::OpenVideoCommand() {
  QString folder = FOptions->DefaultDirectory;
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = FController->RecentFolder();
  if (folder.isEmpty() || !QFileInfo(folder).isDir())
    folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  const QString file = QFileDialog::getOpenFileName(this, MainFormText::tr("Open video..."), folder,
                                                    VideoFileFilter());
  if (!file.isEmpty()) OpenVideo(file);
}

void TMainForm::ShowVideoProperties() {
  const videoview::TVideoModel &video = FVideo->Model();
  settings::TVideoProperties properties;
  properties.FileName = video.VideoFileName();
  properties.FrameRate = video.FrameRate();
  properties.FrameWidth = video.FrameWidth();
  properties.FrameHeight = video.FrameHeight();
  properties.FrameCount = video.ShownFrameCount();
  properties.FrameDuration = video.FrameInterval();
  properties.Rotation = video.StreamOrientation().Rotation;
  properties.Mirrored = video.StreamOrientation().Mirrored;
  properties.RotationIgnored = video.OrientationIgnored();
  properties.CaptureRate = video.CaptureRate();
  properties.VariableRate = video.VariableRate();
  if (FBoiteProprietes.Execute(properties)) FController->SetOrientationIgnored(properties.RotationIgnored);
}

}  // namespace kolibra::mainwindow
