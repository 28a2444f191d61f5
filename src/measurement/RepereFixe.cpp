#include "measurement/RepereFixe.h"

#include "kit/IniFile.h"
#include "kit/MathUtils.h"
#include "measurement/ElementPainting.h"

#include <QCoreApplication>
#include <QPainter>
#include <cmath>
#include <numbers>

namespace kolibra::measurement {

namespace repere_fixe_impl {

constexpr double kHalfPi = std::numbers::pi / 2.0;
// Angles this close to a multiple of a quarter turn give exact horizontal or vertical lines.
constexpr double kRightAngleTolerance = 0.001;

bool Near(double a, double b) { return std::fabs(a - b) < kRightAngleTolerance; }

}  // namespace repere_fixe_impl

TRepereFixe::TRepereFixe(IMeasurementHost &host, IViewPort &view)
    : TRepere(okRepereFixe, host, view), YAxisAngle(repere_fixe_impl::kHalfPi) {}

void TRepereFixe::Assign(const THistObject &source) {
  TRepere::Assign(source);
  const auto *axes = dynamic_cast<const TRepereFixe *>(&source);
  if (axes == nullptr || axes == this) return;
  OriginePointsNumber = axes->OriginePointsNumber;
  XAxisAngle = axes->XAxisAngle;
  YAxisAngle = axes->YAxisAngle;
}

bool TRepereFixe::IsEqual(const THistObject &other) const {
  const auto *axes = dynamic_cast<const TRepereFixe *>(&other);
  return axes != nullptr && TRepere::IsEqual(other) && axes->OriginePointsNumber == OriginePointsNumber &&
         IsNearZero(axes->XAxisAngle - XAxisAngle) && IsNearZero(axes->YAxisAngle - YAxisAngle);
}

std::unique_ptr<THistObject> TRepereFixe::Clone() const {
  return FinishClone(std::make_unique<TRepereFixe>(Host(), View()), *this);
}

void TRepereFixe::ResetToDefaults() {
  DirectXAxisDirection = true;
  DirectYAxisDirection = true;
  OrigineCurrent = TPointD();
  DiscardOrigins();
  OriginePointsNumber = 0;
  XAxisAngle = 0.0;
  YAxisAngle = repere_fixe_impl::kHalfPi;
  DragState = 0;
  ComputeAxisLines();
}

void TRepereFixe::LoadFromIni(const TIniFile &ini, const QString &section, const QString &suffix) {
  TRepere::LoadFromIni(ini, section, suffix);
  OriginePointsNumber = ini.ReadInteger(section, SuffixedKey(QStringLiteral("OriginePointsNumber"), suffix), 0) > 0 ? 1 : 0;
  const double angle = ini.ReadFloat(section, SuffixedKey(QStringLiteral("XAxisAngle"), suffix), 0.0);
  XAxisAngle = NormalizeAngle(0.0, std::isfinite(angle) ? angle : 0.0);
  // The y axis is derived rather than trusted, so that a hand-edited or truncated file
  // cannot leave the axes skewed.
  YAxisAngle = NormalizeAngle(repere_fixe_impl::kHalfPi, XAxisAngle);
  DragState = 0;
  ComputeAxisLines();
}

void TRepereFixe::SaveToIni(TIniFile &ini, const QString &section, const QString &suffix) const {
  TRepere::SaveToIni(ini, section, suffix);
  ini.WriteInteger(section, SuffixedKey(QStringLiteral("OriginePointsNumber"), suffix), OriginePointsNumber);
  ini.WriteFloat(section, SuffixedKey(QStringLiteral("XAxisAngle"), suffix), XAxisAngle);
  ini.WriteFloat(section, SuffixedKey(QStringLiteral("YAxisAngle"), suffix), YAxisAngle);
}

void TRepereFixe::SetXAxisAngle(double angle) {
  if (IsNearZero(XAxisAngle - angle)) return;
  XAxisAngle = NormalizeAngle(0.0, angle);
  YAxisAngle = NormalizeAngle(repere_fixe_impl::kHalfPi, XAxisAngle);
  Host().InvalidateResults(TResultsScope::ActiveMode);
  ComputeAxisLines();
  Host().AxesChanged();
}

void TRepereFixe::SetYAxisAngle(double angle) {
  YAxisAngle = NormalizeAngle(0.0, angle);
  XAxisAngle = NormalizeAngle(-repere_fixe_impl::kHalfPi, YAxisAngle);
  Host().InvalidateResults(TResultsScope::ActiveMode);
  ComputeAxisLines();
  Host().AxesChanged();
}

void TRepereFixe::SetTypedXAxisAngle(double angle) {
  Host().Record(this, akRotate);
  SetXAxisAngle(angle);
  View().Invalidate();
}

void TRepereFixe::EraseAxes() {
  if (!IsPlaced()) return;
  Host().Record(this, akErase);
  OriginePointsNumber = 0;
  XAxisAngle = 0.0;
  YAxisAngle = repere_fixe_impl::kHalfPi;
  DragState = 0;
  ComputeAxisLines();
  Host().AxesChanged();
  Host().InvalidateResults(TResultsScope::ActiveMode);
  View().Repaint();
}

void TRepereFixe::AxisLine(double angle, TPoint &start, TPoint &end) const {
  using namespace repere_fixe_impl;
  const int w = View().ClientWidth();
  const int h = View().ClientHeight();
  const int ox = OriginPix.X;
  const int oy = OriginPix.Y;
  if (Near(angle, 0.0)) {
    start = TPoint(0, oy);
    end = TPoint(w, oy);
  } else if (Near(angle, std::numbers::pi) || Near(angle, -std::numbers::pi)) {
    start = TPoint(w, oy);
    end = TPoint(0, oy);
  } else if (Near(angle, kHalfPi)) {
    start = TPoint(ox, h);
    end = TPoint(ox, 0);
  } else if (Near(angle, -kHalfPi)) {
    start = TPoint(ox, 0);
    end = TPoint(ox, h);
  } else {
    // A segment long enough to cross the whole view from any origin, clipped to the view.
    const double reach = 2.0 * (std::fabs(double(ox)) + std::fabs(double(oy)) + w + h) + 10.0;
    const double dx = std::cos(angle);
    const double dy = -std::sin(angle);
    start = TPoint(RoundClamped(ox - dx * reach), RoundClamped(oy - dy * reach));
    end = TPoint(RoundClamped(ox + dx * reach), RoundClamped(oy + dy * reach));
    ClipSegment(start, end, TPoint(0, 0), TPoint(w, h));
  }
}

void TRepereFixe::ComputeAxisLines() {
  OriginPix = View().FrameToScreen(OrigineCurrent);
  AxisLine(XAxisAngle, XStart, XEnd);
  AxisLine(YAxisAngle, YStart, YEnd);
}

void TRepereFixe::Draw(QPainter *canvas) const {
  if (canvas == nullptr || !IsPlaced()) return;
  const TColor color = Host().ElementColor();
  const int size = Host().ElementSize();
  DrawElementOutline(canvas, XStart, XEnd, color, size);
  DrawElementOutline(canvas, YStart, YEnd, color, size);
  DrawElementLine(canvas, XStart, XEnd, color, size);
  DrawElementLine(canvas, YStart, YEnd, color, size);

  const TPoint xTip = PositiveXEnd();
  const TPoint xTail = DirectXAxisDirection ? XStart : XEnd;
  const TPoint yTip = PositiveYEnd();
  const TPoint yTail = DirectYAxisDirection ? YStart : YEnd;
  DrawElementArrow(canvas, xTail, xTip, color, size);
  DrawElementArrow(canvas, yTail, yTip, color, size);

  // Labels read along the x axis: "x" on the side of the positive y axis, "y" on the side
  // of the positive x axis, so that neither sits on the other axis' line.
  const double c = std::cos(XAxisAngle);
  const double s = std::sin(XAxisAngle);
  const TPointD towardsY = DirectYAxisDirection ? TPointD(-s, -c) : TPointD(s, c);
  const TPointD towardsX = DirectXAxisDirection ? TPointD(c, -s) : TPointD(-c, s);
  DrawElementLabel(canvas, xTail, xTip, towardsY, QCoreApplication::translate("TRepere", "x"), color, size,
                   XAxisAngle);
  DrawElementLabel(canvas, yTail, yTip, towardsX, QCoreApplication::translate("TRepere", "y"), color, size,
                   XAxisAngle);
}

}  // namespace kolibra::measurement
