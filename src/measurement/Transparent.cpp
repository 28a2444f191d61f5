#include "measurement/Transparent.h"

#include "kit/IniFile.h"
#include "kit/MathUtils.h"
#include "measurement/ElementPainting.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace kolibra::measurement {

TTransparent::TTransparent(IMeasurementHost &host, IViewPort &view) : TRepere(okTransparent, host, view) {
  ComputeRestOrigin();
}

void TTransparent::Assign(const THistObject &source) {
  TRepere::Assign(source);
  const auto *layer = dynamic_cast<const TTransparent *>(&source);
  if (layer == nullptr || layer == this) return;
  LayerWidth = layer->LayerWidth;
  LayerHeight = layer->LayerHeight;
  RestOrigin.Assign(layer->RestOrigin);
}

bool TTransparent::IsEqual(const THistObject &other) const {
  const auto *layer = dynamic_cast<const TTransparent *>(&other);
  // The rest position derives from the size and the directions: it is not compared.
  return layer != nullptr && TRepere::IsEqual(other) && IsNearZero(layer->LayerWidth - LayerWidth) &&
         IsNearZero(layer->LayerHeight - LayerHeight);
}

std::unique_ptr<THistObject> TTransparent::Clone() const {
  return FinishClone(std::make_unique<TTransparent>(Host(), View()), *this);
}

void TTransparent::ResetToDefaults() {
  DirectXAxisDirection = true;
  DirectYAxisDirection = true;
  DiscardOrigins();
  LayerWidth = 0.5;
  LayerHeight = 0.5;
  LayerStage = 0;
  GrabPoint = TPointD();
  GrabOffset = TPointD();
  DroppedOriginId = 0;
  ComputeRestOrigin();
}

int TTransparent::StageToStored(int stage) {
  switch (stage) {
    case 1:
      return 0;
    case 2:
      return 2;
    default:
      return 1;
  }
}

int TTransparent::StoredToStage(int stored) {
  switch (stored) {
    case 0:
      return 1;
    case 2:
      return 2;
    default:
      return 0;
  }
}

void TTransparent::LoadFromIni(const TIniFile &ini, const QString &section, const QString &suffix) {
  TRepere::LoadFromIni(ini, section, suffix);
  LayerStage = StoredToStage(ini.ReadInteger(section, QStringLiteral("LayerStage"), 1));
  // A following layer keeps its origin under the pointer until it moves.
  GrabPoint = OrigineCurrent;
  GrabOffset = TPointD();
  // The keys resize the layer by a tenth at a time between about 0.1 and 1: a size the
  // keys could never give (zero, negative, not a number) is a damaged file's.
  const auto halfSize = [&](const char *key) {
    const double value = ini.ReadFloat(section, QLatin1String(key), 0.5);
    return std::isfinite(value) && value > 0.001 && value <= 2.0 ? value : 0.5;
  };
  SetLayerWidth(halfSize("LayerWidth"));
  SetLayerHeight(halfSize("LayerHeight"));
  DiscardOrigins();
  const int count = ini.ReadCount(section, SuffixedKey(QStringLiteral("OriginePositionsNumber"), suffix));
  for (int i = 0; i < count; ++i) {
    auto origin = std::make_unique<TOrigine>();
    origin->LoadFromIni(ini, section, ElementSuffix(suffix, i));
    // A position without a frame or a finite place cannot be shown.
    if (origin->ImageNumber < 0 || !std::isfinite(origin->Position.X) || !std::isfinite(origin->Position.Y)) continue;
    Origins.push_back(std::move(origin));
  }
  RenumberOrigins();
  DroppedOriginId = Origins.empty() ? 0 : Origins.back()->ObjectId;
  // The stored origin wins over the rest position, so that a layer reads back as written.
  const TPointD stored = OrigineCurrent;
  ComputeRestOrigin();
  OrigineCurrent = stored;
  ComputeRectangle();
}

void TTransparent::SaveToIni(TIniFile &ini, const QString &section, const QString &suffix) const {
  TRepere::SaveToIni(ini, section, suffix);
  ini.WriteInteger(section, QStringLiteral("LayerStage"), StageToStored(LayerStage));
  ini.WriteFloat(section, QStringLiteral("LayerWidth"), LayerWidth);
  ini.WriteFloat(section, QStringLiteral("LayerHeight"), LayerHeight);
  ini.WriteInteger(section, SuffixedKey(QStringLiteral("OriginePositionsNumber"), suffix), int(Origins.size()));
  for (size_t i = 0; i < Origins.size(); ++i) Origins[i]->SaveToIni(ini, section, ElementSuffix(suffix, int(i)));
}

void TTransparent::InsertOrigin(std::unique_ptr<TOrigine> origin, int actionKind) {
  TRepere::InsertOrigin(std::move(origin), actionKind);
  ComputeRectangle();
}

void TTransparent::RemoveOrigin(TOrigine *origin, int actionKind) {
  TRepere::RemoveOrigin(origin, actionKind);
  ComputeRectangle();
}

void TTransparent::SetDirectX(bool value) {
  if (value == DirectXAxisDirection) return;
  TRepere::SetDirectX(value);
  ComputeRestOrigin();
  ComputeRectangle();
  View().Repaint();
}

void TTransparent::SetDirectY(bool value) {
  if (value == DirectYAxisDirection) return;
  TRepere::SetDirectY(value);
  ComputeRestOrigin();
  ComputeRectangle();
  View().Repaint();
}

void TTransparent::SetCurrentOrigin(TPointD position) {
  OrigineCurrent = position;
  ComputeRectangle();
}

void TTransparent::SetLayerWidth(double value) {
  LayerWidth = value;
  ComputeRectangle();
}

void TTransparent::SetLayerHeight(double value) {
  LayerHeight = value;
  ComputeRectangle();
}

void TTransparent::SetLayerStage(int stage) {
  LayerStage = std::clamp(stage, 0, 2);
  ComputeRectangle();
  View().Repaint();
}

void TTransparent::AdvanceStage(int steps) {
  for (int i = 0; i < steps; ++i) SetLayerStage((LayerStage + 1) % 3);
}

void TTransparent::StepBackStage(int steps) {
  for (int i = 0; i < steps; ++i) SetLayerStage((LayerStage + 2) % 3);
}

bool TTransparent::Shrink() {
  if (!(LayerWidth > 0.1)) return false;
  Host().Record(this, akResizeLayer);
  LayerWidth *= 0.9;
  LayerHeight *= 0.9;
  ComputeRectangle();
  View().Repaint();
  return true;
}

bool TTransparent::Grow() {
  if (!(LayerWidth < 1.0)) return false;
  Host().Record(this, akResizeLayer);
  LayerWidth *= 1.1;
  LayerHeight *= 1.1;
  ComputeRectangle();
  View().Repaint();
  return true;
}

void TTransparent::ComputeRestOrigin() {
  RestOrigin.ImageNumber = -1;
  RestOrigin.Position.X = DirectXAxisDirection ? 1.0 - 1.1 * LayerWidth : 1.1 * LayerWidth;
  RestOrigin.Position.Y = DirectYAxisDirection ? 1.1 * LayerHeight : 1.0 - 1.1 * LayerHeight;
  if (Origins.empty() && LayerStage != 1) OrigineCurrent = RestOrigin.Position;
  ComputeRectangle();
}

void TTransparent::ShowLayer(int index) {
  if (index >= 0 && size_t(index) < Origins.size())
    OrigineCurrent = Origins[size_t(index)]->Position;
  else
    OrigineCurrent = RestOrigin.Position;
  ComputeRectangle();
}

bool TTransparent::ShowFrameLayer(int frameIndex) {
  const TOrigine *origin = FindOriginByImage(frameIndex);
  if (origin == nullptr) return false;
  ShowLayer(origin->ListIndex);
  return true;
}

void TTransparent::ClearAllPositions() {
  if (!Origins.empty()) {
    Host().BeginGroup();
    while (!Origins.empty()) RemoveOrigin(Origins.back().get(), akDeleteOrigin);
    Host().EndGroup();
  }
  ShowLayer(-1);
  Host().RecomputeLayerMarkPixels();
  View().Repaint();
}

TPointD TTransparent::Centre() const {
  if (LayerStage == 1) return TPointD(GrabPoint.X - GrabOffset.X, GrabPoint.Y - GrabOffset.Y);
  return OrigineCurrent;
}

void TTransparent::ComputeRectangle() {
  const TPointD centre = Centre();
  TopLeft = View().FrameToScreen(TPointD(centre.X - LayerWidth, centre.Y - LayerHeight));
  BottomRight = View().FrameToScreen(TPointD(centre.X + LayerWidth, centre.Y + LayerHeight));
}

void TTransparent::Draw(QPainter *canvas) const {
  if (canvas == nullptr) return;
  const TColor color = Host().ElementColor();
  const int size = Host().ElementSize();
  const TPoint centre = View().FrameToScreen(Centre());
  const int left = TopLeft.X, top = TopLeft.Y, right = BottomRight.X, bottom = BottomRight.Y;

  const TPoint xTail(DirectXAxisDirection ? left : right, centre.Y);
  const TPoint xTip(DirectXAxisDirection ? right : left, centre.Y);
  const TPoint yTail(centre.X, DirectYAxisDirection ? bottom : top);
  const TPoint yTip(centre.X, DirectYAxisDirection ? top : bottom);
  const std::array<std::array<TPoint, 2>, 6> strokes = {{{TPoint(left, top), TPoint(right, top)},
                                                        {TPoint(right, top), TPoint(right, bottom)},
                                                        {TPoint(right, bottom), TPoint(left, bottom)},
                                                        {TPoint(left, bottom), TPoint(left, top)},
                                                        {xTail, xTip},
                                                        {yTail, yTip}}};
  for (const auto &stroke : strokes) DrawElementOutline(canvas, stroke[0], stroke[1], color, size);
  for (const auto &stroke : strokes) DrawElementLine(canvas, stroke[0], stroke[1], color, size);
  DrawElementArrow(canvas, xTail, xTip, color, size);
  DrawElementArrow(canvas, yTail, yTip, color, size);

  // Upright labels inside the rectangle, each on the positive side of the other axis.
  const TPointD towardsY(0.0, DirectYAxisDirection ? -1.0 : 1.0);
  const TPointD towardsX(DirectXAxisDirection ? 1.0 : -1.0, 0.0);
  DrawElementLabel(canvas, xTail, xTip, towardsY, QCoreApplication::translate("TRepere", "x"), color, size, 0.0);
  DrawElementLabel(canvas, yTail, yTip, towardsX, QCoreApplication::translate("TRepere", "y"), color, size, 0.0);
}

}  // namespace kolibra::measurement
