// Video capture in the window: the capture controller with the window's dialogs, the live
// preview in the middle of the video area, the status texts and the record button's picture.

#include "capture/Capture.h"
#include "capture/windows/BoiteCapture.h"
#include "capture/windows/CapturePreview.h"
#include "mainwindow/Icons.h"
#include "mainwindow/MainControllerCapture.h"
#include "mainwindow/MainForm.h"
#include "settings/Options.h"
#include "videoview/windows/Video.h"

#include <QAction>
#include <QPainter>
#include <QStatusBar>

namespace kolibra::mainwindow {

using namespace videoview;

namespace main_form_capture {

// The record button while recording: the camera with a stop square.
QIcon RecordingIcon() {
  QIcon icon;
  for (int side : {32, 64}) {
    QImage image = ControlPicture(ButtonCapDevice, QSize(side, side));
    QPainter painter(&image);
    painter.scale(side / 32.0, side / 32.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawRect(QRectF(21, 21, 9, 9));
    painter.end();
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

}  // namespace main_form_capture

void TMainForm::CreateCapture() {
  FCaptureWindows = std::make_unique<capture::TCaptureWindows>(this);
  FCaptureWindows->Setup.Font = font();
  FCaptureWindows->Controls.Font = font();
  FCaptureWindows->SaveFile = [this](const TSaveFileRequest &request, QString &fileName) {
    return AskSaveFile(request, fileName);
  };
  const QString temporary = FSettings.TemporaryFolder.isEmpty() ? settings::TemporaryFolder() : FSettings.TemporaryFolder;
  FCapture = std::make_unique<capture::TCapture>(FOptions->FileName(), temporary, *FCaptureWindows);
  FCapturePreview = new capture::TCapturePreview(FVideoArea);
  FCapturePreview->hide();
  FCapture->OnPreviewFrame = [this](capture::TCapture *, const QImage &picture) {
    if (FVideo->Model().Mode() != vmCapture) return;
    PlaceCapturePreview();
    FCapturePreview->ShowPicture(picture);
  };
  FCapture->OnStatusText = [this](capture::TCapture *, const QString &text) { statusBar()->showMessage(text); };
  FVideo->Model().SetCapture(FCapture.get());
  FController->SetCapture(FCapture.get());
}

void TMainForm::DestroyCapture() {
  if (FController) FController->SetCapture(nullptr);
  if (FVideo != nullptr) FVideo->Model().SetCapture(nullptr);
  FCapture.reset();
  FCaptureWindows.reset();
}

void TMainForm::PlaceCapturePreview() {
  // Centred in the space between the bars, where the view would be.
  const QRect area = FVideoArea->rect();
  FCapturePreview->move((area.width() - FCapturePreview->width()) / 2, (area.height() - FCapturePreview->height()) / 2);
  if (!FCapturePreview->isVisible()) {
    FCapturePreview->show();
    FCapturePreview->raise();
  }
}

void TMainForm::UpdateCaptureControls() {
  if (!FCapture) return;
  if (FVideo->Model().Mode() != vmCapture || !FCapture->IsPreviewing()) {
    FCapturePreview->hide();
    FCapturePreview->Clear();
  } else {
    PlaceCapturePreview();
  }
  TMainCapture *part = FController->Capture();
  const bool recording = part != nullptr && part->RecordingPicture();
  if (QAction *record = FActions[size_t(ButtonCapEnregistrer)]) {
    static const QIcon idle = ControlIcon(ButtonCapEnregistrer, QSize(32, 32));
    static const QIcon busy = main_form_capture::RecordingIcon();
    record->setIcon(recording ? busy : idle);
  }
}

}  // namespace kolibra::mainwindow
