#include "results/GModele.h"

#include "kit/Locale.h"
#include "modelling/MdlExponentiel.h"
#include "modelling/MdlLineaire.h"
#include "modelling/MdlParabole.h"
#include "modelling/MdlSinus.h"
#include "modelling/ParamUnits.h"
#include "results/Axe.h"
#include "results/GraphCanvas.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kolibra::results {

using namespace modelling;

TColor ModelColourFor(TColor points) {
  const auto distance = [&](TColor c) {
    return std::hypot(points.Red() - c.Red(), points.Green() - c.Green(), points.Blue() - c.Blue());
  };
  // Far enough apart to tell a line from points at a glance.
  constexpr double Apart = 150.0;
  for (const TColor candidate :
       {TColor::FromRgb(0, 150, 150), TColor::FromRgb(200, 0, 200), TColor::FromRgb(240, 120, 0)})
    if (distance(candidate) >= Apart) return candidate;
  return TColor::FromRgb(0, 0, 0);
}

TGModele::TGModele() {
  ObjectType = obModele;
  Color = TColor::FromRgb(0, 150, 150);
  Models[mtAffine] = std::make_unique<TMdlAffine>();
  Models[mtConstant] = std::make_unique<TMdlConstant>();
  Models[mtExponential] = std::make_unique<TMdlExponentiel>();
  Models[mtParabola] = std::make_unique<TMdlParaboleAv>();
  Models[mtProportional] = std::make_unique<TMdlProportionnel>();
  Models[mtSine] = std::make_unique<TMdlSinus>();
  Models[mtSineExpDamped] = std::make_unique<TMdlSinusAe>();
  Models[mtSineLinDamped] = std::make_unique<TMdlSinusAl>();
  for (auto &model : Models)
    if (model) {
      model->Color = Color;
      model->OnChange = [this](TMdl &) { ModelChanged(); };
    }
  Panel.Font = GraphFont(9);
  Panel.OnValueChange = [this](int index, double value) {
    if (TMdl *model = Model()) model->SetParamAt(index, value);
    ModelChanged();
  };
}

TGModele::~TGModele() = default;

TMdl *TGModele::ModelOf(int kind) const {
  return kind >= 0 && kind < int(Models.size()) ? Models[size_t(kind)].get() : nullptr;
}

TMdl *TGModele::Model() const { return ModelOf(Kind); }

void TGModele::SetData(const TDoubleDynArray &x, const TDoubleDynArray &y) {
  X = x;
  Y = y;
  Refit();
}

void TGModele::SetKind(int kind) {
  EndAdjust();
  Kind = ModelOf(kind) != nullptr ? kind : int(mtNone);
  Refit();
}

void TGModele::SetFitRange(double from, double to) {
  FFitRange = std::make_pair(std::min(from, to), std::max(from, to));
  Refit();
}

void TGModele::ClearFitRange() {
  FFitRange.reset();
  Refit();
}

void TGModele::Refit() {
  TMdl *model = Model();
  if (model == nullptr) return;
  model->SetLive(false);
  model->SetPlotRect(Left, Top, Width, Height);
  model->SetBounds(World);
  if (FFitRange) {
    TDoubleDynArray x, y;
    SelectRange(X, Y, FFitRange->first, FFitRange->second, x, y);
    model->SetData(x, y);
  } else {
    model->SetData(X, Y);
  }
  model->SetLive(true);
  ModelChanged();
}

void TGModele::ModelChanged() {
  RefreshPanel(PanelEditable);
  if (OnChanged) OnChanged();
}

void TGModele::SetPlotRect(int left, int top, int width, int height) {
  TGElem::SetPlotRect(left, top, width, height);
  if (TMdl *model = Model()) model->SetPlotRect(left, top, width, height);
}

void TGModele::SetWorld(const TRectD &rect) {
  TGElem::SetWorld(rect);
  if (TMdl *model = Model()) model->SetBounds(rect);
}

void TGModele::SetColor(TColor colour) {
  TGElem::SetColor(colour);
  for (auto &model : Models)
    if (model) model->Color = colour;
}

bool TGModele::HitTest(TPoint) { return false; }

void TGModele::Draw(TGraphCanvas &canvas) {
  TMdl *model = Model();
  if (!Visible || model == nullptr) return;
  model->Draw(&canvas.Painter(), std::max(ModelPenWidth, LineWidth()), canvas.Vector());
}

std::unique_ptr<TGElem> TGModele::Clone() const {
  // The undo history never copies models; a copy carries the element's state and kind.
  auto copy = std::make_unique<TGModele>();
  copy->Assign(*this);
  copy->NomX = NomX;
  copy->NomY = NomY;
  copy->UnitX = UnitX;
  copy->UnitY = UnitY;
  copy->X = X;
  copy->Y = Y;
  copy->Kind = Kind;
  copy->Id = Id;
  return copy;
}

int TGModele::ModelHit(TPoint point) const {
  TMdl *model = Model();
  if (!Visible || Masked || model == nullptr || !model->HasCurve()) return -1;
  return model->HitTest(point);
}

QString TGModele::ModelText() const {
  TMdl *model = Model();
  if (model == nullptr) return QString();
  QStringList lines = model->GetTexts(NomY, NomX, UnitY, UnitX);
  lines += model->GetStats();
  return lines.join(QLatin1Char('\n'));
}

bool TGModele::BeginAdjust(TPoint point) {
  Drag = mdNone;
  TMdl *model = Model();
  if (!Visible || model == nullptr || !model->HasCurve()) return false;
  const TModelDrag drag = model->DragFor(model->HitTest(point));
  if (!model->BeginDrag(point, drag)) return false;
  Drag = drag;
  LastPoint = point;
  return true;
}

void TGModele::Adjust(TPoint point, unsigned shift) {
  TMdl *model = Model();
  if (model == nullptr || Drag == mdNone) return;
  const int dx = point.X - LastPoint.X, dy = point.Y - LastPoint.Y;
  switch (Drag) {
    case mdReshape:
      model->Reshape(point);
      break;
    case mdTranslate:
      model->Translate(dx, dy);
      break;
    case mdAmplitude:
      model->ChangeAmplitude(dy);
      break;
    case mdFrequency:
      model->ChangeFrequency(shift, dx);
      break;
    case mdDamping:
      model->ChangeDamping(shift, dy);
      break;
    default:
      break;
  }
  LastPoint = point;
}

void TGModele::EndAdjust() { Drag = mdNone; }

int TGModele::HoverCursor(TPoint point) const {
  TMdl *model = Model();
  if (model == nullptr || !model->HasCurve()) return 0;
  return model->CursorFor(model->HitTest(point));
}

QStringList TGModele::PanelExtra() const {
  QStringList extra;
  TMdl *model = Model();
  if (model == nullptr) return extra;
  if (FFitRange)
    extra << QCoreApplication::translate("TGModele", "Fitted from %1 = %2 to %3")
                 .arg(NomX, GeneralFormat(FFitRange->first, 4), GeneralFormat(FFitRange->second, 4));
  if (model->FitResult() != frOk) extra << FitMessage(model->FitResult());
  return extra;
}

void TGModele::RefreshPanel(bool editable) {
  PanelEditable = editable;
  TMdl *model = Model();
  if (model == nullptr) {
    Panel.SetContent({}, {}, {}, false, {}, false, false);
    return;
  }
  if (!model->HasCurve()) {
    Panel.SetContent(QStringList{FitMessage(model->FitResult())}, {}, {}, false, {}, true, false, PanelExtra());
    return;
  }
  const QStringList texts = model->GetTexts(NomY, NomX, UnitY, UnitX);
  const TDoubleDynArray values = model->GetParams();
  // The standard errors belong to the fitted values; the motion values of the linearly
  // damped sine are derived from them and show none.
  const TDoubleDynArray errors = model->ParamsEditable() ? model->StdErrors() : TDoubleDynArray();
  Panel.SetContent(texts, values, errors, editable && model->ParamsEditable(), model->GetStats(), ShowEqua,
                   ShowStat, PanelExtra());
}

void TGModele::DrawLegend(TGraphCanvas &canvas) const {
  TMdl *model = Model();
  if (model == nullptr || !model->HasCurve() || !Visible || (!ShowEqua && !ShowStat)) return;
  QStringList lines;
  if (ShowEqua) {
    lines += model->GetTexts(NomY, NomX, UnitY, UnitX);
    // The fitted values with their standard errors, before the unit they share:
    // "b = 4.542  ± 0.0017 m/s".
    const TDoubleDynArray &errors = model->StdErrors();
    if (model->ParamsEditable())
      for (size_t i = 0; i < errors.size() && int(i) + 1 < lines.size(); ++i) {
        if (!std::isfinite(errors[i])) continue;
        QString &line = lines[int(i) + 1];
        const QString unit = ParameterUnit(model->Type(), int(i), UnitX, UnitY);
        const QString error = QStringLiteral("  ± ") + GeneralFormat(errors[i], 2);
        if (!unit.isEmpty() && line.endsWith(QLatin1Char(' ') + unit))
          line.insert(line.size() - unit.size() - 1, error);
        else
          line += error;
      }
  }
  if (ShowStat) lines += model->GetStats();
  QPainter &painter = canvas.Painter();
  painter.save();
  painter.setFont(Panel.Font);
  const QFontMetrics metrics(painter.font());
  int width = 0;
  for (const QString &line : lines) width = std::max(width, metrics.horizontalAdvance(line));
  const QRect box(Panel.Position, QSize(width + 12, int(lines.size()) * metrics.height() + 8));
  if (canvas.Plot().contains(box)) {
    painter.setPen(QColor(160, 160, 160));
    painter.setBrush(QColor(255, 255, 225, 230));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < lines.size(); ++i)
      canvas.Text(TPoint(box.left() + 6, box.top() + 4 + i * metrics.height()), lines[i],
                  i == 0 && ShowEqua ? TColor::FromRgb(0, 0, 160) : colors::clBlack);
  }
  painter.restore();
}

}  // namespace kolibra::results
