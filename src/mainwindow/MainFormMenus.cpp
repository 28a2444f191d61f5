// The few menu commands the window offers so far: opening a video (the file dialog, with
// Ctrl+O), the video's properties, quitting, the magnifier and the time between two frames;
// the work files' and the names' commands are in MainFormWork.cpp. The other menus come with
// their commands.

#include "mainwindow/MainForm.h"
#include "mainwindow/MainTexts.h"
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
  return MainTr("Video file (%1)").arg(patterns.join(QLatin1Char(' '))) + QStringLiteral(";;") +
         MainTr("Kolibra file (*.klb)") + QStringLiteral(";;") + MainTr("All files (*)");
}

void TMainForm::CreateMenus() {
  FMenuFichier = menuBar()->addMenu(MainTr("File"));
  FMenuFichier->setObjectName(QStringLiteral("MenuFichier"));
  FMenuFichierOuvrir = FMenuFichier->addAction(MainTr("Open video..."), this, [this] { OpenVideoCommand(); });
  FMenuFichierOuvrir->setObjectName(QStringLiteral("MenuFichierOuvrir"));
  FMenuFichierOuvrir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  FMenuFichierProprietes = FMenuFichier->addAction(MainTr("Video properties"), this, [this] { ShowVideoProperties(); });
  FMenuFichierProprietes->setObjectName(QStringLiteral("MenuFichierProprietes"));
  FMenuFichier->addSeparator();
  QAction *quit = FMenuFichier->addAction(MainTr("Quit"), this, [this] { close(); });
  quit->setObjectName(QStringLiteral("MenuFichierQuitter"));

  FMenuAffichage = menuBar()->addMenu(MainTr("Display"));
  FMenuAffichage->setObjectName(QStringLiteral("MenuAffichage"));
  FMenuAffichageLoupe = FMenuAffichage->addAction(MainTr("Magnifying glass"));
  FMenuAffichageLoupe->setObjectName(QStringLiteral("MenuAffichageLoupe"));
  FMenuAffichageLoupe->setCheckable(true);
  connect(FMenuAffichageLoupe, &QAction::triggered, this,
          [this](bool checked) { FController->SetLoupeVisible(checked); });

  FMenuMesures = menuBar()->addMenu(MainTr("Measurements"));
  FMenuMesures->setObjectName(QStringLiteral("MenuMesures"));
  FMenuMesuresTemps = FMenuMesures->addAction(MainTr("Time between two frames"), this,
                                              [this] { FController->AskFrameInterval(); });
  FMenuMesuresTemps->setObjectName(QStringLiteral("MenuMesuresTemps"));
  CreateTrackingMenus();
  CreateStudioMenus();

  CreateWorkMenus();

  // Their items are recomputed each time a menu opens.
  for (QMenu *menu : {FMenuFichier, FMenuAffichage, FMenuMesures})
    connect(menu, &QMenu::aboutToShow, this, [this] { UpdateMenus(); });
}

void TMainForm::UpdateMenus() {
  const videoview::TVideoModel &video = FVideo->Model();
  const bool open = video.IsOpen();
  const int mode = video.Mode();
  const bool marking = videoview::IsMarkingMode(mode);
  FMenuFichierProprietes->setVisible(mode != vmCapture);
  FMenuFichierProprietes->setEnabled(open);
  FMenuAffichage->menuAction()->setEnabled(FController->MeasurementMenusEnabled());
  FMenuMesures->menuAction()->setEnabled(FController->MeasurementMenusEnabled());
  FMenuAffichageLoupe->setVisible(marking);
  FMenuAffichageLoupe->setEnabled(open);
  FMenuAffichageLoupe->setChecked(video.Loupe().Visible);
  FMenuMesuresTemps->setVisible(marking);
  FMenuMesuresTemps->setEnabled(open);
  UpdateTrackingMenus();
  UpdateStudioMenus();
  UpdateWorkMenus();
}

void TMainForm::OpenVideoCommand() {
  QString folder = FOptions->DefaultDirectory;
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = FController->RecentFolder();
  if (folder.isEmpty() || !QFileInfo(folder).isDir())
    folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  const QString file = QFileDialog::getOpenFileName(this, MainTr("Open video..."), folder, VideoFileFilter());
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
  FBoiteProprietes.Execute(properties);
}

}  // namespace kolibra::mainwindow
