#include "measurement/Echelle.h"

#include "kit/IniFile.h"
#include "kit/MathUtils.h"
#include "measurement/ElementPainting.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace kolibra::measurement {

namespace echelle_impl {

// Key prefixes of the three segments in the work file, in ScaleKind order.
const char *const kKeyPrefixes[3] = {"Scale", "ScaleHoriz", "ScaleVert"};

}  // namespace echelle_impl

TEchelle::TEchelle(IMeasurementHost &host, IViewPort &view)
    : THistObject(okEchelle), HostLink(&host), ViewLink(&view) {
  ScaleKind = host.SeparateScales() ? skVertical : skGeneral;
}

TEchelle::TSegment TEchelle::Segment(int kind) {
  switch (kind) {
    case skHorizontal:
      return {&ScaleHorizPointsNumber, &ScaleHorizLength, &ScaleHorizPoint1, &ScaleHorizPoint2, &Pixels[1][0],
              &Pixels[1][1]};
    case skVertical:
      return {&ScaleVertPointsNumber, &ScaleVertLength, &ScaleVertPoint1, &ScaleVertPoint2, &Pixels[2][0],
              &Pixels[2][1]};
    default:
      return {&ScalePointsNumber, &ScaleLength, &ScalePoint1, &ScalePoint2, &Pixels[0][0], &Pixels[0][1]};
  }
}

void TEchelle::Assign(const THistObject &source) {
  THistObject::Assign(source);
  const auto *scale = dynamic_cast<const TEchelle *>(&source);
  if (scale == nullptr || scale == this) return;
  for (int kind = 0; kind < 3; ++kind) {
    const TSegment from = scale->Segment(kind);
    const TSegment to = Segment(kind);
    *to.Count = *from.Count;
    *to.Length = *from.Length;
    *to.Point1 = *from.Point1;
    *to.Point2 = *from.Point2;
  }
}

bool TEchelle::IsEqual(const THistObject &other) const {
  const auto *scale = dynamic_cast<const TEchelle *>(&other);
  if (scale == nullptr) return false;
  for (int kind = 0; kind < 3; ++kind) {
    const TSegment a = Segment(kind);
    const TSegment b = scale->Segment(kind);
    if (*a.Count != *b.Count || !IsNearZero(*a.Length - *b.Length) || !SamePointD(*a.Point1, *b.Point1) ||
        !SamePointD(*a.Point2, *b.Point2))
      return false;
  }
  return true;
}

std::unique_ptr<THistObject> TEchelle::Clone() const {
  return FinishClone(std::make_unique<TEchelle>(Host(), View()), *this);
}

void TEchelle::LoadFromIni(const TIniFile &ini, const QString &section, const QString &suffix) {
  for (int kind = 0; kind < 3; ++kind) {
    const QString prefix = QLatin1String(echelle_impl::kKeyPrefixes[kind]);
    const auto key = [&](const char *name) { return SuffixedKey(prefix + QLatin1String(name), suffix); };
    const TSegment s = Segment(kind);
    *s.Count = std::clamp(ini.ReadInteger(section, key("PointsNumber"), 0), 0, 2);
    s.Point1->X = ini.ReadFloat(section, key("Point1XCoordinate"), 0.0);
    s.Point1->Y = ini.ReadFloat(section, key("Point1YCoordinate"), 0.0);
    s.Point2->X = ini.ReadFloat(section, key("Point2XCoordinate"), 0.0);
    s.Point2->Y = ini.ReadFloat(section, key("Point2YCoordinate"), 0.0);
    *s.Length = ini.ReadFloat(section, key("Length"), 0.0);
    // A segment with an end or a length that is not a number is not a calibration: it is
    // read as not placed rather than turned into coordinates of "NAN".
    const bool finite = std::isfinite(s.Point1->X) && std::isfinite(s.Point1->Y) && std::isfinite(s.Point2->X) &&
                        std::isfinite(s.Point2->Y);
    if (!finite) {
      *s.Count = 0;
      *s.Point1 = TPointD();
      *s.Point2 = TPointD();
    }
    if (!std::isfinite(*s.Length) || *s.Length < 0.0) *s.Length = 0.0;
  }
  DragState = -2;
  HasRubber = false;
  ComputePixels();
}

void TEchelle::SaveToIni(TIniFile &ini, const QString &section, const QString &suffix) const {
  for (int kind = 0; kind < 3; ++kind) {
    const QString prefix = QLatin1String(echelle_impl::kKeyPrefixes[kind]);
    const auto key = [&](const char *name) { return SuffixedKey(prefix + QLatin1String(name), suffix); };
    const TSegment s = Segment(kind);
    ini.WriteInteger(section, key("PointsNumber"), *s.Count);
    ini.WriteFloat(section, key("Point1XCoordinate"), s.Point1->X);
    ini.WriteFloat(section, key("Point1YCoordinate"), s.Point1->Y);
    ini.WriteFloat(section, key("Point2XCoordinate"), s.Point2->X);
    ini.WriteFloat(section, key("Point2YCoordinate"), s.Point2->Y);
    ini.WriteFloat(section, key("Length"), *s.Length);
  }
}

void TEchelle::ResetToDefaults() {
  for (int kind = 0; kind < 3; ++kind) {
    const TSegment s = Segment(kind);
    *s.Count = 0;
    *s.Length = 0.0;
    *s.Point1 = TPointD();
    *s.Point2 = TPointD();
  }
  DragState = -2;
  HasRubber = false;
  ScaleKind = Host().SeparateScales() ? skVertical : skGeneral;
  ComputePixels();
}

TPointD TEchelle::ScaleFactors(int nativeWidth, int nativeHeight, bool separateScales) const {
  if (!separateScales) {
    const double w = nativeWidth;
    const double h = nativeHeight;
    const double dx = w * (ScalePoint1.X - ScalePoint2.X);
    const double dy = h * (ScalePoint1.Y - ScalePoint2.Y);
    const double d = std::sqrt(dx * dx + dy * dy);
    if (IsNearZero(d)) return TPointD(-1.0, -1.0);
    return TPointD(w * ScaleLength / d, h * ScaleLength / d);
  }
  const double dx = std::fabs(ScaleHorizPoint1.X - ScaleHorizPoint2.X);
  if (IsNearZero(dx)) return TPointD(-1.0, -1.0);
  const double dy = std::fabs(ScaleVertPoint1.Y - ScaleVertPoint2.Y);
  return TPointD(ScaleHorizLength / dx, IsNearZero(dy) ? -1.0 : ScaleVertLength / dy);
}

TPointD TEchelle::ScaleFactors() const {
  return ScaleFactors(View().NativeFrameWidth(), View().NativeFrameHeight(), Host().SeparateScales());
}

bool TEchelle::IsGeneralReady() const { return ScalePointsNumber == 2 && ScaleLength > 0.0; }
bool TEchelle::IsHorizReady() const { return ScaleHorizPointsNumber == 2 && ScaleHorizLength > 0.0; }
bool TEchelle::IsVertReady() const { return ScaleVertPointsNumber == 2 && ScaleVertLength > 0.0; }

bool TEchelle::IsReady() const {
  return ScaleKind == skGeneral ? IsGeneralReady() : IsHorizReady() && IsVertReady();
}

void TEchelle::SetLength(double &length, double value) {
  if (IsNearZero(length - value)) return;
  length = value;
  Host().InvalidateResults(TResultsScope::BothModes);
}

void TEchelle::SetScaleLength(double value) { SetLength(ScaleLength, value); }
void TEchelle::SetScaleHorizLength(double value) { SetLength(ScaleHorizLength, value); }
void TEchelle::SetScaleVertLength(double value) { SetLength(ScaleVertLength, value); }

void TEchelle::SetScaleKind(int kind) {
  kind = std::clamp(kind, 0, 2);
  if (kind == ScaleKind) return;
  ScaleKind = kind;
  DragState = -2;
  HasRubber = false;
  Host().ScaleKindChanged();
}

void TEchelle::ApplySeparateScales(bool separateScales) {
  if (separateScales && ScaleKind == skGeneral)
    SetScaleKind(skVertical);
  else if (!separateScales && ScaleKind != skGeneral)
    SetScaleKind(skGeneral);
}

void TEchelle::EraseSelected() {
  const TSegment s = Segment(ScaleKind);
  if (*s.Count == 0) return;
  if (*s.Count == 2) Host().Record(this, akErase);
  *s.Count = 0;
  DragState = -2;
  HasRubber = false;
  Host().InvalidateResults(TResultsScope::BothModes);
  View().Repaint();
}

void TEchelle::ComputePixels() {
  for (int kind = 0; kind < 3; ++kind) {
    const TSegment s = Segment(kind);
    *s.Pixel1 = View().FrameToScreen(*s.Point1);
    *s.Pixel2 = View().FrameToScreen(*s.Point2);
  }
}

TPoint TEchelle::Pixel1(int kind) const { return *Segment(kind).Pixel1; }
TPoint TEchelle::Pixel2(int kind) const { return *Segment(kind).Pixel2; }

void TEchelle::DrawSegment(QPainter *canvas, TPoint a, TPoint b) const {
  const TColor color = Host().ElementColor();
  const int size = Host().ElementSize();
  // The ticks run across the segment (vertical for a point not yet stretched).
  double ux = b.X - a.X;
  double uy = b.Y - a.Y;
  const double length = std::hypot(ux, uy);
  if (IsNearZero(length)) {
    ux = 1.0;
    uy = 0.0;
  } else {
    ux /= length;
    uy /= length;
  }
  const double half = ElementArrowLength(size) / 2.0;
  const int tx = RoundClamped(-uy * half);
  const int ty = RoundClamped(ux * half);
  const std::array<std::array<TPoint, 2>, 3> strokes = {{{a, b},
                                                        {TPoint(a.X - tx, a.Y - ty), TPoint(a.X + tx, a.Y + ty)},
                                                        {TPoint(b.X - tx, b.Y - ty), TPoint(b.X + tx, b.Y + ty)}}};
  for (const auto &stroke : strokes) DrawElementOutline(canvas, stroke[0], stroke[1], color, size);
  for (const auto &stroke : strokes) DrawElementLine(canvas, stroke[0], stroke[1], color, size);
}

void TEchelle::Draw(QPainter *canvas) const {
  if (canvas == nullptr) return;
  const int kinds[2] = {skHorizontal, skVertical};
  const int general[1] = {skGeneral};
  const int *first = ScaleKind == skGeneral ? general : kinds;
  const int *last = ScaleKind == skGeneral ? general + 1 : kinds + 2;
  for (const int *kind = first; kind != last; ++kind) {
    const TSegment s = Segment(*kind);
    if (*s.Count == 2)
      DrawSegment(canvas, *s.Pixel1, *s.Pixel2);
    else if (*s.Count == 1 && *kind == ScaleKind)
      DrawSegment(canvas, *s.Pixel1, HasRubber ? Rubber : *s.Pixel1);
  }
}

}  // namespace kolibra::measurement
