// The paint pipeline: everything reaches the back buffer first and the screen in one copy.

#include "measurement/Data.h"
#include "measurement/DrawHelpers.h"
#include "videoview/TitlePicture.h"
#include "videoview/VideoModel.h"

#include <QCoreApplication>
#include <QPainter>

namespace kolibra::videoview {

namespace video_paint {

void EnsureSize(QImage &image, int width, int height) {
  if (image.width() == width && image.height() == height && image.format() == QImage::Format_RGB888) return;
  image = QImage(width, height, QImage::Format_RGB888);
  image.fill(Qt::black);
}

QString WaitText() { return QCoreApplication::translate("TVideo", "Wait please ..."); }

}  // namespace video_paint

bool TVideoModel::PaintDisplay() {
  FShowedVideo = false;
  const int w = FGeometry.ControlWidth();
  const int h = FGeometry.ControlHeight();
  if (w <= 0 || h <= 0 || ReaderBusy()) return false;

  if (!IsOpen()) {
    video_paint::EnsureSize(FDisplay, w, h);
    QPainter painter(&FDisplay);
    const int tw = FTitleWidth > 0 ? FTitleWidth : w;
    const int th = FTitleHeight > 0 ? FTitleHeight : h;
    // Drawn when first shown: the headless view of kolibra-cli has no fonts to draw it with.
    if (FTitle.isNull()) FTitle = TitlePicture();
    painter.drawImage(QRect(0, 0, tw, th), FTitle);
    if (FWaiting) {
      painter.setFont(QFont(QStringLiteral("Arial"), 10));
      measurement::TextOutCentered(&painter, tw, th, 32, colors::clWhite, colors::clBlack, video_paint::WaitText());
    }
    return true;
  }

  const int bw = FGeometry.BitmapWidth();
  const int bh = FGeometry.BitmapHeight();
  if (bw <= 0 || bh <= 0) return false;
  video_paint::EnsureSize(FDisplay, bw, bh);
  if (FHideImage) {
    FDisplay.fill(Qt::white);
  } else {
    const bool negative = FMode == vmMontage && FMontage != nullptr && !FMontage->IsKept(CurrentFrame());
    FReader->DrawMode = negative ? video::NotSrcCopy : video::SrcCopy;
    FReader->Draw(FDisplay, FGeometry.Source());
    FReader->DrawMode = video::SrcCopy;
  }

  QPainter painter(&FDisplay);
  painter.setFont(QFont(QStringLiteral("Arial"), 10));
  if (FZoom.Dragging) measurement::DrawDottedFrame(&painter, FZoom.Band());
  if (FMode == vmStudio) {
    if (FStudio != nullptr) FStudio->Paint(&painter);
  } else if (FMode == vmTracking) {
    if (FTracker != nullptr) FTracker->Paint(&painter);
  } else if (FDocument != nullptr) {
    FDocument->Paint(&painter);
  }
  if (FWaiting) measurement::TextOutCentered(&painter, bw, bh, 32, colors::clWhite, colors::clBlack, video_paint::WaitText());
  FShowedVideo = true;
  return true;
}

void TVideoModel::FinishPaint() {
  if (!FShowedVideo) return;
  FShowedVideo = false;
  Fire(OnAfterPaint);
}

TPointD TVideoModel::ScreenToFrame(TPoint pixel) const { return FGeometry.Mapping().ScreenToFrame(pixel); }

TPoint TVideoModel::FrameToScreen(TPointD position) const { return FGeometry.Mapping().FrameToScreen(position); }

}  // namespace kolibra::videoview
