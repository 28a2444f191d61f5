// What the tracker draws over the video, and the screen copies of its geometry.

#include "tracking/Tracking.h"

#include "measurement/Data.h"
#include "measurement/DrawHelpers.h"
#include "videoview/VideoModel.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace kolibra::tracking {

namespace tracking_paint {

QPolygon ToPolygon(const TPointDynArray &points) {
  QPolygon polygon;
  polygon.reserve(int(points.size()));
  for (const TPoint &p : points) polygon << p.ToQPoint();
  return polygon;
}

// The bounding box of an outline, in frame pixels.
QSize OutlineSize(const TPointDDynArray &outline, int width, int height) {
  QPolygonF points;
  for (const TPointD &p : outline) points << QPointF(p.X * width, p.Y * height);
  const QRectF box = points.boundingRect();
  return QSize(int(box.width()) + 1, int(box.height()) + 1);
}

TPointD OutlineCentre(const TPointDDynArray &outline) {
  TPointD sum;
  for (const TPointD &p : outline) {
    sum.X += p.X;
    sum.Y += p.Y;
  }
  const double n = outline.empty() ? 1.0 : double(outline.size());
  return TPointD(sum.X / n, sum.Y / n);
}

}  // namespace tracking_paint

void TTracking::UpdateScreen() {
  for (TTrackObject &object : FObjects) {
    object.OutlineScreen.clear();
    for (const TPointD &p : object.Outline) object.OutlineScreen.push_back(Screen(p));
    object.ZonesScreen.clear();
    for (const TPointDDynArray &zone : object.Zones) {
      TPointDynArray screen;
      for (const TPointD &p : zone) screen.push_back(Screen(p));
      object.ZonesScreen.push_back(std::move(screen));
    }
    object.PositionScreen = Screen(object.Position);
    for (size_t f = 0; f < object.TrackFrame.size(); ++f)
      if (object.TrackFrame[f] >= 0) object.TrackPosScreen[f] = Screen(object.TrackPos[f]);
  }
  for (size_t i = 0; i < FWorkVideo.size(); ++i) FWorkScreen[i] = Screen(FWorkVideo[i]);
  if (FDrawState == dsOutline && FShape == osCircle) {
    FCircleCentreScreen = Screen(FCircleCentre);
    const TPoint edge = Screen(FCircleEdge);
    FCircleRadius = int(std::lround(std::hypot(edge.X - FCircleCentreScreen.X, edge.Y - FCircleCentreScreen.Y)));
  }
}

int TTracking::SearchCircleRadius(int searchSize, int viewWidth, int zoom, int frameWidth) {
  if (frameWidth <= 0) return 0;
  // side x view width x zoom overflows 32 bits for a large view zoomed in.
  const int64_t radius = int64_t(searchSize) * viewWidth * zoom / frameWidth / 200;
  return int(std::clamp<int64_t>(radius, 0, INT_MAX));
}

int TTracking::SearchCircleRadius() const {
  const QSize target = tracking_paint::OutlineSize(Current().Outline, Video.FrameWidth(), Video.FrameHeight());
  return SearchCircleRadius(TMeanShift::SearchSizeFor(target.width(), target.height(), FRadius), Video.ClientWidth(),
                            Video.Zoom().Factor, Video.FrameWidth());
}

int TTracking::CursorCode() const {
  if (FTracking) return tcDetection;
  if (FTool == ttOutline) return tcPen;
  if (FTool == ttZone) return tcReticule;
  return 0;
}

void TTracking::Paint(QPainter *canvas) {
  if (canvas == nullptr || FObjects.empty()) return;
  const TTrackObject &object = Current();
  const QColor colour = Data.ObjectColor(FCurrentObject).ToQColor();
  canvas->save();
  canvas->setRenderHint(QPainter::Antialiasing, false);
  canvas->setPen(QPen(colour, 2));
  canvas->setBrush(Qt::NoBrush);

  for (const TPointDynArray &zone : object.ZonesScreen) {
    canvas->drawPolyline(tracking_paint::ToPolygon(zone));
    // Hatched, so a zone reads as "left out".
    canvas->setBrush(QBrush(colour, Qt::BDiagPattern));
    canvas->drawPolygon(tracking_paint::ToPolygon(zone));
    canvas->setBrush(Qt::NoBrush);
  }
  if (object.HasOutline) canvas->drawPolygon(tracking_paint::ToPolygon(object.OutlineScreen));

  if (FDrawState == dsOutline && FShape == osCircle) {
    measurement::DrawCircle(canvas, FCircleCentreScreen, FCircleRadius);
  } else if (FDrawState != dsIdle && !FWorkScreen.empty()) {
    canvas->drawPolyline(tracking_paint::ToPolygon(FWorkScreen));
    if (FDrawState == dsZone || FShape == osPolygon)
      canvas->drawLine(FWorkScreen.back().ToQPoint(), FRubberPoint.ToQPoint());
  }

  if (FShowSearchZone && object.HasOutline) {
    const bool found = object.ResultCount() > 0;
    const TPoint centre =
        found ? object.PositionScreen : Screen(tracking_paint::OutlineCentre(object.Outline));
    canvas->setPen(QPen(colour, 1, Qt::DashLine));
    measurement::DrawCircle(canvas, centre, SearchCircleRadius());
  }

  // Each frame with a result as a small square, for every object in its colour; an
  // uncertain one hollow, to be checked.
  for (int i = 0; i < ObjectCount(); ++i) {
    const TTrackObject &each = FObjects[size_t(i)];
    const QColor its = Data.ObjectColor(i).ToQColor();
    canvas->setPen(QPen(its, 1));
    for (size_t f = 0; f < each.TrackFrame.size(); ++f) {
      if (each.TrackFrame[f] < 0) continue;
      const TPoint p = each.TrackPosScreen[f];
      const QRect square(p.X - 4, p.Y - 4, 9, 9);
      if (each.Uncertain(int(f))) {
        canvas->setBrush(Qt::NoBrush);
        canvas->drawRect(square.adjusted(0, 0, -1, -1));
      } else {
        canvas->fillRect(square, its);
      }
    }
  }
  canvas->restore();
}

}  // namespace kolibra::tracking
