#include "measurement/PlaneTool.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace kolibra::measurement {

namespace plane_tool_impl {

QPolygon Polyline(const TPointDDynArray &points, const std::function<TPoint(TPointD)> &screen) {
  QPolygon polygon;
  for (const TPointD &p : points) polygon << screen(p).ToQPoint();
  return polygon;
}

}  // namespace plane_tool_impl

TPlaneTool::TPlaneTool(IMeasurementHost &host, IViewPort &view) : THistObject(okPlane), Host(host), View(view) {}

void TPlaneTool::Assign(const THistObject &source) {
  THistObject::Assign(source);
  if (const auto *other = dynamic_cast<const TPlaneTool *>(&source)) {
    FCalibration = other->FCalibration;
    FLines = other->FLines;
  }
}

bool TPlaneTool::IsEqual(const THistObject &other) const {
  const auto *plane = dynamic_cast<const TPlaneTool *>(&other);
  if (plane == nullptr) return false;
  const TPlaneCalibration &a = FCalibration, &b = plane->FCalibration;
  if (a.HasPlane() != b.HasPlane() || a.HasLens() != b.HasLens() || FLines.size() != plane->FLines.size()) return false;
  if (a.HasPlane()) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (size_t i = 0; i < 4; ++i)
      if (a.Corners()[i].X != b.Corners()[i].X || a.Corners()[i].Y != b.Corners()[i].Y) return false;
  }
  const TLens &la = a.LensModel(), &lb = b.LensModel();
  return la.K1 == lb.K1 && la.K2 == lb.K2 && la.Focal == lb.Focal && la.HasCentre == lb.HasCentre &&
         la.Centre.X == lb.Centre.X && la.Centre.Y == lb.Centre.Y;
}

std::unique_ptr<THistObject> TPlaneTool::Clone() const {
  return FinishClone(std::make_unique<TPlaneTool>(Host, View), *this);
}

void TPlaneTool::Reset(const TPlaneCalibration &calibration) {
  CancelInput();
  FCalibration = calibration;
  FLines.clear();
}

TPointD TPlaneTool::Picture(TPoint pixel) const {
  const TPointD frame = View.ScreenToFrame(pixel);
  return {frame.X * View.NativeFrameWidth(), frame.Y * View.NativeFrameHeight()};
}

TPoint TPlaneTool::Screen(TPointD picture) const {
  const int w = std::max(1, View.NativeFrameWidth()), h = std::max(1, View.NativeFrameHeight());
  return View.FrameToScreen(TPointD(picture.X / w, picture.Y / h));
}

int TPlaneTool::CornerAt(TPoint pixel) const {
  if (!FCalibration.HasPlane()) return -1;
  int best = -1;
  double nearest = HitRadius + 0.5;
  for (int i = 0; i < 4; ++i) {
    const TPoint corner = Screen(FCalibration.Corners()[size_t(i)]);
    const double d = std::hypot(double(corner.X - pixel.X), double(corner.Y - pixel.Y));
    if (d < nearest) {
      nearest = d;
      best = i;
    }
  }
  return best;
}

void TPlaneTool::FitPicture() { FCalibration.SetPictureSize(View.NativeFrameWidth(), View.NativeFrameHeight()); }

void TPlaneTool::Changed() {
  Host.InvalidateResults(TResultsScope::BothModes);
  if (OnChanged) OnChanged();
  View.Invalidate();
}

bool TPlaneTool::PlaceRectangle(double width, double height, QString *why) {
  if (Pending.size() != 4 && !(Pending.empty() && FCalibration.HasPlane())) {
    if (why != nullptr) *why = QCoreApplication::translate("TPlaneTool", "Click the four corners of the rectangle first.");
    return false;
  }
  TPlaneCalibration placed = FCalibration;
  placed.SetPictureSize(View.NativeFrameWidth(), View.NativeFrameHeight());
  const TPlaneCalibration::TCorners corners =
      Pending.empty() ? FCalibration.Corners() : TPlaneCalibration::TCorners{Pending[0], Pending[1], Pending[2], Pending[3]};
  if (!placed.SetPlane(corners, width, height, why)) return false;
  Host.Record(this, akDefineScale);
  FCalibration = placed;
  Pending.clear();
  Changed();
  return true;
}

void TPlaneTool::SetLens(const TLens &lens) {
  CancelInput();
  Host.Record(this, akModify);
  FLines.clear();
  FitPicture();
  FCalibration.SetLens(lens);
  Changed();
}

void TPlaneTool::Erase() {
  CancelInput();
  if (!FCalibration.HasPlane() && !FCalibration.HasLens() && FLines.empty()) return;
  Host.Record(this, akErase);
  FCalibration = TPlaneCalibration();
  FLines.clear();
  Changed();
}

void TPlaneTool::CancelInput() {
  EndDrag();
  if (Pending.empty() && Line.empty()) return;
  Pending.clear();
  Line.clear();
  View.Invalidate();
}

void TPlaneTool::EndDrag() { Dragged = -1; }

void TPlaneTool::MouseDown(TPlaneEditing editing, Qt::MouseButton button, TPoint pixel) {
  Pointer = pixel;
  if (button == Qt::RightButton) {
    if (editing == TPlaneEditing::Lines && Line.size() >= 3)
      EndLine();
    else
      CancelInput();
    return;
  }
  if (button != Qt::LeftButton) return;
  if (editing == TPlaneEditing::Lines) {
    Line.push_back(Picture(pixel));
    View.Invalidate();
    return;
  }
  if (Pending.empty()) {
    const int corner = CornerAt(pixel);
    if (corner >= 0) {
      // The copy is taken before the corner moves: the whole drag is one step back.
      Host.Record(this, akMove);
      Dragged = corner;
      return;
    }
  }
  if (Pending.size() == 4) Pending.clear();
  Pending.push_back(Picture(pixel));
  View.Invalidate();
  if (Pending.size() == 4 && OnCornersPlaced) OnCornersPlaced();
}

void TPlaneTool::MouseMove(TPlaneEditing editing, TPoint pixel) {
  Pointer = pixel;
  if (editing == TPlaneEditing::Rectangle && Dragged >= 0) {
    TPlaneCalibration::TCorners corners = FCalibration.Corners();
    corners[size_t(Dragged)] = Picture(pixel);
    // A corner dragged across the rectangle would fold it: it stops where the plane still
    // holds.
    FitPicture();
    if (FCalibration.SetPlane(corners, FCalibration.Width(), FCalibration.Height())) Changed();
    return;
  }
  if (!Pending.empty() || !Line.empty()) View.Invalidate();
}

void TPlaneTool::MouseUp(TPlaneEditing, Qt::MouseButton button, TPoint pixel) {
  Pointer = pixel;
  if (button == Qt::LeftButton) EndDrag();
}

bool TPlaneTool::KeyDown(TPlaneEditing editing, int key) {
  switch (key) {
    case Qt::Key_Escape:
      if (Pending.empty() && Line.empty()) return false;
      CancelInput();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (editing == TPlaneEditing::Lines && Line.size() >= 3) {
        EndLine();
        return true;
      }
      MouseDown(editing, Qt::LeftButton, Pointer);
      MouseUp(editing, Qt::LeftButton, Pointer);
      return true;
    default:
      return false;
  }
}

void TPlaneTool::EndLine() {
  // The line is kept even when the lines cannot tell the lens yet: the next one may.
  Host.Record(this, akModify);
  FLines.push_back(Line);
  Line.clear();
  TLens lens = FCalibration.LensModel();
  QString why;
  if (!FitLens(FLines, View.NativeFrameWidth(), View.NativeFrameHeight(), lens, &why)) {
    View.Invalidate();
    if (OnRefusal) OnRefusal(why);
    return;
  }
  FitPicture();
  FCalibration.SetLens(lens);
  Changed();
}

void TPlaneTool::Draw(QPainter *canvas, TPlaneEditing editing) const {
  if (canvas == nullptr) return;
  const auto screen = [this](TPointD p) { return Screen(p); };
  canvas->save();
  canvas->setRenderHint(QPainter::Antialiasing, true);
  canvas->setBrush(Qt::NoBrush);
  const QColor ink(255, 160, 0);
  const auto dots = [&](const TPointDDynArray &points, bool numbered) {
    canvas->setPen(QPen(Qt::black, 1));
    canvas->setBrush(ink);
    for (size_t i = 0; i < points.size(); ++i) {
      const QPoint p = Screen(points[i]).ToQPoint();
      canvas->drawEllipse(p, 4, 4);
      if (numbered) canvas->drawText(p + QPoint(6, -6), QString::number(i + 1));
    }
    canvas->setBrush(Qt::NoBrush);
  };
  if (editing == TPlaneEditing::Rectangle) {
    if (!Pending.empty()) {
      TPointDDynArray outline = Pending;
      if (Pending.size() < 4) outline.push_back(Picture(Pointer));
      if (outline.size() == 4) outline.push_back(outline.front());
      canvas->setPen(QPen(ink, 2, Qt::DashLine));
      canvas->drawPolyline(plane_tool_impl::Polyline(outline, screen));
      dots(Pending, true);
    } else if (FCalibration.HasPlane()) {
      // The handles of the corners, the first one (the origin) filled.
      canvas->setPen(QPen(Qt::black, 1));
      for (int i = 0; i < 4; ++i) {
        const QPoint p = Screen(FCalibration.Corners()[size_t(i)]).ToQPoint();
        canvas->setBrush(i == 0 ? QBrush(ink) : QBrush(Qt::white));
        canvas->drawRect(QRect(p - QPoint(4, 4), QSize(9, 9)));
      }
    }
  } else {
    canvas->setPen(QPen(QColor(0, 200, 255), 2));
    for (const TPointDDynArray &line : FLines) canvas->drawPolyline(plane_tool_impl::Polyline(line, screen));
    if (!Line.empty()) {
      TPointDDynArray traced = Line;
      traced.push_back(Picture(Pointer));
      canvas->setPen(QPen(ink, 2, Qt::DashLine));
      canvas->drawPolyline(plane_tool_impl::Polyline(traced, screen));
      dots(Line, false);
    }
  }
  canvas->restore();
}

int TPlaneTool::CursorCode(TPlaneEditing editing) const {
  if (editing == TPlaneEditing::Rectangle && Pending.empty() && CornerAt(Pointer) >= 0) return vcSelection;
  return vcEchelle;
}

}  // namespace kolibra::measurement
