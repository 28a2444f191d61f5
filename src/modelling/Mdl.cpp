#include "modelling/Mdl.h"

#include "kit/Clipping.h"
#include "kit/Locale.h"
#include "kit/MathUtils.h"
#include "kit/Texts.h"
#include "measurement/DrawHelpers.h"
#include "modelling/ParamUnits.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPolygon>

#include <cmath>
#include <limits>

namespace kolibra::modelling {

namespace mdl_impl {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
// Beyond this many pixels off the plot a value only needs to stay outside it: keeps the
// clipping arithmetic finite for exponentials that overflow.
constexpr double FarOff = 1e6;
constexpr int MaxDepth = 10;
constexpr double Flatness = 0.1;  // px: a chord closer than this to the curve is kept

// " m/s" after a value; nothing for a parameter without a unit.
QString UnitSuffix(const QString &unit) { return unit.isEmpty() ? unit : QLatin1Char(' ') + unit; }

// Collects the pixels of one piece and strokes it when it ends.
class TStrokeSink : public TPixelSink {
 public:
  TStrokeSink(QPainter *canvas, TPoint origin, int plotHeight)
      : Canvas(canvas), Origin(origin), Height(plotHeight) {
    Points.resize(65536);
  }
  bool Visit(int x, int y, int) override {
    GrowCapacity(Points, Count);
    Points[size_t(Count++)] = TPoint(Origin.X + x, Origin.Y + Height - y);
    return false;
  }
  void EndPiece() override {
    if (Count > 1) {
      QPolygon polygon(Count);
      for (int i = 0; i < Count; ++i) polygon[i] = Points[size_t(i)].ToQPoint();
      Canvas->drawPolyline(polygon);
    }
    // Qt's thin lines leave out their last pixel: the walk's last pixel is stroked too.
    if (Count > 0) Canvas->drawPoint(Points[size_t(Count - 1)].ToQPoint());
    Count = 0;
  }

 private:
  QPainter *Canvas;
  TPoint Origin;
  int Height;
  TPointDynArray Points;
  int Count = 0;
};

// Stops at the first pixel within the 7 x 7 square round the point.
class THitSink : public TPixelSink {
 public:
  THitSink(TPoint target, TPoint origin, int plotHeight)
      : Target(target), Origin(origin), Height(plotHeight) {}
  bool Visit(int x, int y, int region) override {
    if (!measurement::PointHit(Target, TPoint(Origin.X + x, Origin.Y + Height - y), 0)) return false;
    Region = region;
    HitX = x;
    HitY = y;
    return true;
  }
  void EndPiece() override {}

  TPoint Target, Origin;
  int Height;
  int Region = -1;
  int HitX = 0, HitY = 0;
};

double Bounded(double y) {
  if (std::isnan(y)) return y;
  return std::clamp(y, -FarOff, FarOff);
}

}  // namespace mdl_impl

bool ClampInto(double &v, double lo, double hi) {
  if (std::isnan(v)) {
    v = lo;
    return true;
  }
  if (v < lo) {
    v = lo;
    return true;
  }
  if (v > hi) {
    v = hi;
    return true;
  }
  return false;
}

TMdl::TMdl(int type) : FType(type) {
  Params.assign(size_t(std::max(ParameterCount(type), type == mtConstant || type == mtProportional ? 2 : 0)), 0.0);
}

// ---------------------------------------------------------------------------------------------
// Parameters and conversions
// ---------------------------------------------------------------------------------------------

bool TMdl::Scales(double &kx, double &ky) const {
  const double rx = Bounds.XMax - Bounds.XMin, ry = Bounds.YMax - Bounds.YMin;
  if (IsNearZero(rx) || IsNearZero(ry) || IsHuge(rx) || IsHuge(ry)) return false;
  if (PlotHeight <= 0 || PlotWidth <= 0) return false;
  kx = PlotWidth / rx;
  ky = PlotHeight / ry;
  return true;
}

void TMdl::SyncParams() {
  if (!PixelChanged) return;
  double kx = 0.0, ky = 0.0;
  if (Scales(kx, ky)) PixelToParams();
  PixelChanged = false;
  StatsStale = true;
}

double TMdl::GetParam(int Index) {
  SyncParams();
  return Index >= 0 && Index < int(Params.size()) ? Params[size_t(Index)] : mdl_impl::NaN;
}

void TMdl::Recompute(bool writeBack) {
  if (!Fitted) return;
  double kx = 0.0, ky = 0.0;
  if (!Scales(kx, ky)) return;
  if (ParamsToPixel(writeBack) && writeBack) {
    StatsStale = true;
    Changed();
  }
}

void TMdl::SetData(const TDoubleDynArray &XValues, const TDoubleDynArray &YValues) {
  const size_t n = std::min(XValues.size(), YValues.size());
  X.assign(XValues.begin(), XValues.begin() + n);
  Y.assign(YValues.begin(), YValues.begin() + n);
  Fit = FitModelCurve(FType, X, Y);
  PixelChanged = false;
  StatsStale = true;
  if (Fit.Params.empty()) {
    // The proportional line keeps its slope when the abscissas average to zero.
    Fitted = Fitted && FType == mtProportional && Fit.Result != frTooFewSamples;
    if (!Fitted) return;
  } else {
    Fitted = true;
    if (FType == mtConstant)
      Params = {Fit.Params[0], 0.0};
    else if (FType == mtProportional)
      Params = {0.0, Fit.Params[0]};
    else
      Params = Fit.Params;
  }
  double kx = 0.0, ky = 0.0;
  if (Scales(kx, ky)) ClampParams();
  Recompute(true);
}

void TMdl::SetPlotRect(int Left, int Top, int Width, int Height) {
  // What the user sees is kept: a mouse edit not yet read back is converted first.
  SyncParams();
  PlotLeft = Left;
  PlotTop = Top;
  PlotWidth = Width;
  PlotHeight = Height;
  if (Live) Recompute(false);
}

void TMdl::SetBounds(const TRectD &NewBounds) {
  SyncParams();
  Bounds = NewBounds;
  if (Live) Recompute(false);
}

void TMdl::SetLive(bool live) {
  Live = live;
  if (Live) Recompute(false);
}

void TMdl::SetParam(int Index, double Value) {
  SyncParams();
  if (Index < 0 || Index >= int(Params.size())) return;
  if (Params[size_t(Index)] == Value || std::isnan(Value)) return;
  Params[size_t(Index)] = Value;
  StatsStale = true;
  Fit.StdErrors.clear();  // the curve has left the fit
  Recompute(true);
}

TDoubleDynArray TMdl::GetParams() { return CurveParams(); }

void TMdl::SetParamAt(int Index, double Value) {
  // The constant and the proportional line show one parameter: the intercept or the slope.
  if (FType == mtConstant || FType == mtProportional) {
    if (Index == 0) SetParam(FType == mtConstant ? 0 : 1, Value);
    return;
  }
  SetParam(Index, Value);
}

void TMdl::Changed() {
  if (OnChange) OnChange(*this);
}

void TMdl::EndEdit() {
  if (Pixel == Snapshot) return;
  PixelChanged = true;
  StatsStale = true;
  Fit.StdErrors.clear();
  Changed();
}

TDoubleDynArray TMdl::CurveParams() {
  SyncParams();
  if (FType == mtConstant) return {Params[0]};
  if (FType == mtProportional) return {Params[1]};
  return Params;
}

// ---------------------------------------------------------------------------------------------
// Texts and statistics
// ---------------------------------------------------------------------------------------------

QStringList TMdl::GetTexts(const QString &YName, const QString &TName, const QString &YUnit,
                           const QString &TUnit) {
  const TDoubleDynArray values = GetParams();
  QString equation = EquationFormat();
  for (size_t i = 0; i < values.size(); ++i) equation = equation.arg(ParameterLetter(int(i)));
  equation.replace(QLatin1Char('t'), TName);
  ParamTexts.clear();
  ParamTexts << MdlText::tr("Model") + QStringLiteral(": ") + YName + QStringLiteral(" = ") +
                    equation;
  for (size_t i = 0; i < values.size(); ++i)
    ParamTexts << ParameterLetter(int(i)) + QStringLiteral(" = ") + FormatReal(0, values[i]) +
                      mdl_impl::UnitSuffix(ParameterUnit(FType, int(i), TUnit, YUnit));
  return ParamTexts;
}

void TMdl::UpdateStats() {
  SyncParams();
  if (!StatsStale) return;
  FStats = ModelStatistics(FType, CurveParams(), X, Y);
  StatsStale = false;
}

const TModelStats &TMdl::Stats() {
  UpdateStats();
  return FStats;
}

QStringList TMdl::GetStats() {
  UpdateStats();
  // A statistic that cannot be computed reads "#Number!", never a made-up "-100 %".
  const auto general = [](double v) {
    return std::isfinite(v) ? GeneralFormat(v, 3) : QStringLiteral("#Number!");
  };
  StatTexts.clear();
  StatTexts << MdlText::tr("Margin of error on y-axis") + QStringLiteral(": ");
  StatTexts << QStringLiteral("- ") + MdlText::tr("relative precision") + QStringLiteral(" = ") +
                   (std::isfinite(FStats.RelPrecision)
                        ? general(FStats.RelPrecision * 100.0) + QStringLiteral("%")
                        : QStringLiteral("#Number!"));
  StatTexts << QStringLiteral("- ") + MdlText::tr("average quadratic variation") +
                   QStringLiteral(" = ") + general(FStats.RmsDev);
  if (ShowsCorrelation(FType))
    StatTexts << QStringLiteral("- ") + MdlText::tr("correlation coefficient") +
                     QStringLiteral(" = ") + FormatReal(2, FStats.Correlation);
  return StatTexts;
}

// ---------------------------------------------------------------------------------------------
// Drawing, hit test and drags
// ---------------------------------------------------------------------------------------------

void TMdl::Draw(QPainter *Canvas, int PenWidth, bool Vector) {
  using namespace mdl_impl;
  if (Canvas == nullptr || !Fitted || PlotWidth <= 0 || PlotHeight <= 0) return;
  double kx = 0.0, ky = 0.0;
  if (!Scales(kx, ky) || !Drawable()) return;
  PrepareWalk();
  Canvas->save();
  QPen pen(Color.ToQColor(), std::max(1, PenWidth));
  pen.setCapStyle(Vector ? Qt::RoundCap : Qt::SquareCap);
  pen.setJoinStyle(Qt::RoundJoin);
  Canvas->setPen(pen);
  Canvas->setBrush(Qt::NoBrush);
  if (!Vector) {
    Canvas->setRenderHint(QPainter::Antialiasing, false);
    TStrokeSink sink(Canvas, TPoint(PlotLeft, PlotTop), PlotHeight);
    Walk(sink);
    sink.EndPiece();
  } else {
    Canvas->setRenderHint(QPainter::Antialiasing, true);
    QPolygonF curve;
    const auto at = [&](double x) {
      return QPointF(PlotLeft + x, PlotTop + PlotHeight - Bounded(PixelValue(x)));
    };
    const auto outside = [&](double y) { return y < PlotTop - 1.0 || y > PlotTop + PlotHeight + 1.0; };
    std::function<void(double, QPointF, double, QPointF, int)> refine =
        [&](double xa, QPointF a, double xb, QPointF b, int depth) {
          const double xm = 0.5 * (xa + xb);
          const QPointF m = at(xm);
          const bool sameSideOut = outside(a.y()) && outside(b.y()) && outside(m.y()) &&
                                   (a.y() < PlotTop) == (b.y() < PlotTop) && (m.y() < PlotTop) == (a.y() < PlotTop);
          if (depth < MaxDepth && !sameSideOut && std::fabs(m.y() - 0.5 * (a.y() + b.y())) > Flatness) {
            refine(xa, a, xm, m, depth + 1);
            refine(xm, m, xb, b, depth + 1);
            return;
          }
          curve << b;
        };
    QPointF previous = at(0.0);
    curve << previous;
    for (int x = 1; x <= PlotWidth; ++x) {
      const QPointF next = at(double(x));
      refine(double(x - 1), previous, double(x), next, 0);
      previous = next;
    }
    const QRectF plot(PlotLeft, PlotTop, PlotWidth, PlotHeight);
    for (const QPolygonF &piece : ClipPolyline(curve, plot)) Canvas->drawPolyline(piece);
  }
  Canvas->restore();
}

int TMdl::HitTest(TPoint Point) {
  if (!Fitted || PlotWidth <= 0 || PlotHeight <= 0) return -1;
  double kx = 0.0, ky = 0.0;
  if (!Scales(kx, ky) || !Drawable()) return -1;
  PrepareWalk();
  mdl_impl::THitSink sink(Point, TPoint(PlotLeft, PlotTop), PlotHeight);
  Walk(sink);
  if (sink.Region < 0) return -1;
  return HitRegion(ToPlot(Point), sink.Region);
}

bool TMdl::BeginDrag(TPoint, TModelDrag Drag) { return Drag != mdNone; }

void TMdl::Reshape(TPoint Point) {
  BeginEdit();
  DoReshape(ToPlot(Point));
  EndEdit();
}

void TMdl::Translate(int DX, int DY) {
  BeginEdit();
  DoTranslate(DX, DY);
  EndEdit();
}

void TMdl::ChangeAmplitude(int DY) {
  BeginEdit();
  DoChangeAmplitude(DY);
  EndEdit();
}

void TMdl::ChangeFrequency(unsigned Shift, int DX) {
  BeginEdit();
  DoChangeFrequency(Shift, DX);
  EndEdit();
}

void TMdl::ChangeDamping(unsigned Shift, int DY) {
  BeginEdit();
  DoChangeDamping(Shift, DY);
  EndEdit();
}

}  // namespace kolibra::modelling
