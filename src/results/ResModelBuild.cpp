// Building the four graph views of the results window from the results: the series, their
// colours and symbols, the titles, the world rectangle, the vectors, the video frame behind
// the vectors view and the models.
#include "formulas/Formules.h"
#include "kit/Texts.h"
#include "measurement/Data.h"
#include "measurement/GraphUtils.h"
#include "results/ConstructEditor.h"
#include "results/ResModel.h"
#include "settings/Options.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace kolibra::results {

using namespace kinematics;

namespace res_build_impl {

constexpr TRectD EmptyBox{1e100, -1e100, 1e100, -1e100};

void Include(TRectD &box, TPointD p) {
  box.XMin = std::min(box.XMin, p.X);
  box.XMax = std::max(box.XMax, p.X);
  box.YMin = std::min(box.YMin, p.Y);
  box.YMax = std::max(box.YMax, p.Y);
}

bool IsEmpty(const TRectD &box) { return box.XMin > box.XMax || box.YMin > box.YMax; }

// Widens a range symmetrically to at least a length.
void AtLeast(double &min, double &max, double length) {
  if (!(length > 0.0) || max - min >= length) return;
  const double centre = 0.5 * (min + max);
  min = centre - 0.5 * length;
  max = centre + 0.5 * length;
}

QString Signature(std::initializer_list<int> values, const TIntegerDynArray &list) {
  QString text;
  for (int v : values) text += QString::number(v) + QLatin1Char(';');
  text += QLatin1Char('|');
  for (int v : list) text += QString::number(v) + QLatin1Char(',');
  return text;
}

// The look of a series: its symbol and colour, the data segments and the numbers.
void Style(TGraph &graph, int curve, TColor colour, int motif, bool segments, int numbering) {
  graph.SetCurveProperty(curve, cePoints, QVariant(qlonglong(colour.Value)), cfData, 0);
  graph.SetCurveProperty(curve, cePoints, QVariant(motif), cfData, 6);
  graph.SetCurveProperty(curve, ceSegments, QVariant(qlonglong(colour.Value)), cfData, 0);
  graph.SetCurveVisible(curve, ceSegments, segments, cfData);
  graph.SetCurveProperty(curve, ceLabels, QVariant(qlonglong(colour.Value)), cfData, 0);
  graph.SetCurveVisible(curve, ceLabels, numbering < 2, cfData);
  if (numbering < 2) graph.SetCurveProperty(curve, ceLabels, QVariant(numbering), cfData, 4);
}

// A series and the constructs drawn over it shown or hidden together.
void ShowSeries(TGraph &graph, int curve, bool visible) {
  graph.SetCurveVisible(curve, cePoints, visible, cfData);
  for (int element : {ceAngles, ceArcs, ceCircles, ceEllipses}) graph.SetCurveVisible(curve, element, visible, cfData);
  if (!visible) {
    graph.SetCurveVisible(curve, ceSegments, false, cfData | cfUser);
    graph.SetCurveVisible(curve, ceSplines, false, cfData | cfUser);
    graph.SetCurveVisible(curve, ceVectors, false, cfData | cfUser);
    graph.SetCurveVisible(curve, ceModel, false, cfData);
  }
}

}  // namespace res_build_impl

void TResModel::ClearData(TGraph &graph) { graph.ClearData(); }

int TResModel::EdgeCount(int order) const {
  const settings::TOptions &o = *Links.Options;
  if (order == 1 && o.CheckBox30HideEdgeV_Checked) return 1;
  if (order == 2 && o.CheckBox31HideEdgeA_Checked) return 2;
  return 0;
}

void TResModel::ApplyModel(TGraph &graph, modelling::TModelType kind, const QString &nomX,
                           const QString &nomY, const QString &unitX, const QString &unitY) {
  if (kind == modelling::mtNone || graph.CurveCount() != 1) {
    for (int c = 0; c < graph.CurveCount(); ++c) {
      graph.SetCurveProperty(c, ceModel, QVariant(int(modelling::mtNone)), cfData, 6);
      graph.SetCurveVisible(c, ceModel, false, cfData);
    }
    return;
  }
  graph.SetCurveProperty(0, ceModel, QVariant(nomX), cfData, 1);
  graph.SetCurveProperty(0, ceModel, QVariant(nomY), cfData, 2);
  graph.SetCurveProperty(0, ceModel, QVariant(unitX), cfData, 7);
  graph.SetCurveProperty(0, ceModel, QVariant(unitY), cfData, 8);
  graph.SetCurveVisible(0, ceModel, true, cfData);
  graph.SetCurveProperty(0, ceModel, QVariant(int(kind)), cfData, 6);
}

void TResModel::ApplyHighlight(TGraph &graph) const {
  const int number = Highlighted >= 0 && Highlighted < Links.Calc->SamplesCount() ? Links.Calc->PointNumber(Highlighted) : INT_MIN;
  for (const auto &e : graph.Elements())
    if (e->ObjectType == obPoint && !e->UserMade) {
      auto *p = static_cast<TGPoint *>(e.get());
      p->Highlighted = p->Number == number;
    }
}

// ---------------------------------------------------------------------------------------------
// Quantities as a function of time
// ---------------------------------------------------------------------------------------------

void TResModel::BuildTemps(TGraph &graph) {
  using namespace res_build_impl;
  const TMemory &m = Memory();
  const TTimeQuantity &q = TimeQuantities()[size_t(std::clamp(m.TempsQuantity, 0, TimeQuantityCount - 1))];
  const TResCalc &calc = *Links.Calc;
  const int edges = EdgeCount(q.Order);
  const bool derived = q.Order > 0 || q.Kind == qkAngle || q.Kind == qkRadius || q.Kind == qkOmega;
  ClearData(graph);
  TRectD box = EmptyBox;
  for (int object : m.TempsObjects) {
    TPointDDynArray points;
    TIntegerDynArray numbers;
    // Where the derivation stopped there are no values, only zeros: nothing is drawn.
    // An object without a mass has no momentum nor energy; without axes pointing up, no Ep.
    const bool defined = !IsDynamicKind(q.Kind) || (calc.Active().HasMass(object) &&
                                                    ((q.Kind != qkEp && q.Kind != qkEm) || calc.Active().PotentialEnergyDefined(rfAxes)));
    if (defined && (!derived || DerivedExists(object))) calc.CurvePoints(rfAxes, object, qkTime, q.Kind, points, numbers);
    const int curve = graph.AddCurve(points, edges, numbers);
    Style(graph, curve, ObjectColour(object), measurement::CreateGraphUtils()->ObjectMotifKind(object), FPolylineTemps, 2);
    const int n = int(points.size());
    for (int i = edges; i < n - edges; ++i) Include(box, points[size_t(i)]);
  }
  // The axes fit the quantity shown alone (y(t) is not squeezed into the range of x(t)); a
  // view the user zoomed or panned keeps what the user made of it until "Restore graph".
  if (TakeRescale(gsTemps, Signature({q.Kind}, m.TempsObjects), &graph) && !IsEmpty(box))
    graph.SetWorld(FitWorldRect(box, false, q.IncludeZero, q.ForceMinZero, true, 0.05), false);
  const QString unit = QString::fromUtf8(q.Unit);
  graph.TitreAxeX = {QStringLiteral("t"), ResFormText::tr("time") + QStringLiteral(" (s)")};
  QString description = ResFormText::tr(q.Description);
  if (m.TempsObjects.size() == 1) description += QLatin1Char(' ') + ObjectName(m.TempsObjects.front());
  graph.TitreAxeY = {QString::fromUtf8(q.Symbol), description + QStringLiteral(" (") + unit + QLatin1Char(')')};
  graph.IsZoomX = FZoomXTemps;
  graph.IsZoomY = FZoomYTemps;
  graph.IsOrigineVisible = false;
  graph.SetShowModeleur(FEquaTemps, FStatTemps);
  ApplyModel(graph, m.TempsObjects.size() == 1 ? FModelTemps : modelling::mtNone,
             QStringLiteral("t"), QString::fromUtf8(q.Symbol), QStringLiteral("s"), unit);
}

// ---------------------------------------------------------------------------------------------
// Trajectory
// ---------------------------------------------------------------------------------------------

void TResModel::BuildReferentiel(TGraph &graph) {
  using namespace res_build_impl;
  const TMemory &m = Memory();
  const TResCalc &calc = *Links.Calc;
  ClearData(graph);
  TRectD box = EmptyBox;
  for (int object = 0; object < ObjectsCount(); ++object) {
    TPointDDynArray points;
    TIntegerDynArray numbers;
    if (m.ReferentielReference < 0)
      calc.CurvePoints(rfAxes, object, qkX, qkY, points, numbers);
    else
      calc.RelativeTrajectory(m.ReferentielReference, object, points, numbers);
    const int curve = graph.AddCurve(points, 0, numbers);
    Style(graph, curve, ObjectColour(object), measurement::CreateGraphUtils()->ObjectMotifKind(object),
          FPolylineReferentiel, m.ReferentielNumbering);
    const bool selected = std::find(m.ReferentielObjects.begin(), m.ReferentielObjects.end(), object) !=
                          m.ReferentielObjects.end();
    if (selected)
      for (const TPointD &p : points) Include(box, p);
  }
  graph.RefileUserElements();
  for (int object = 0; object < ObjectsCount(); ++object)
    ShowSeries(graph, object,
               std::find(m.ReferentielObjects.begin(), m.ReferentielObjects.end(), object) != m.ReferentielObjects.end());
  if (TakeRescale(gsReferentiel, Signature({m.ReferentielReference}, m.ReferentielObjects)) && !IsEmpty(box)) {
    // A trajectory that barely moves still spans a quarter of the video field.
    const TPointD field = calc.ScaleFactors();
    AtLeast(box.XMin, box.XMax, 0.25 * std::fabs(field.X));
    AtLeast(box.YMin, box.YMax, 0.25 * std::fabs(field.Y));
    graph.SetWorld(FitWorldRect(box, false, false, false, false, 0.1), true);
  }
  graph.TitreAxeX = {QStringLiteral("X"), ResFormText::tr("Abscissa") + QStringLiteral(" (m)")};
  graph.TitreAxeY = {QStringLiteral("Y"), ResFormText::tr("Ordinates") + QStringLiteral(" (m)")};
  graph.IsOrigineVisible = false;
}

// ---------------------------------------------------------------------------------------------
// Vectors
// ---------------------------------------------------------------------------------------------

void TResModel::BuildVecteur(TGraph &graph) {
  using namespace res_build_impl;
  const TMemory &m = Memory();
  const TResCalc &calc = *Links.Calc;
  // The camera's orientation, or the graph's basis (O, x, y).
  const int basis = FTrajectoryAsVideo ? rfCamera : rfAxes;
  const bool objectsChanged = BuiltObjects[size_t(Measurement())][gsVecteur] != m.VecteurObjects;
  ClearData(graph);
  TRectD box = EmptyBox;
  for (int object = 0; object < ObjectsCount(); ++object) {
    TPointDDynArray points;
    TIntegerDynArray numbers;
    TVectorSeries velocity{EdgeCount(1) > 0 ? 1 : -1, QStringLiteral("m/s"), vkVelocity, {}};
    TVectorSeries acceleration{EdgeCount(2) > 0 ? 2 : -1, QStringLiteral("m/s²"), vkAcceleration, {}};
    for (int k = 0; k < calc.SamplesCount(); ++k) {
      if (!calc.HasMark(object, k)) continue;
      points.emplace_back(calc.Value(basis, object, qkX, k), calc.Value(basis, object, qkY, k));
      numbers.push_back(calc.PointNumber(k));
      velocity.Components.emplace_back(calc.Value(basis, object, qkVx, k), calc.Value(basis, object, qkVy, k));
      acceleration.Components.emplace_back(calc.Value(basis, object, qkAx, k), calc.Value(basis, object, qkAy, k));
    }
    std::vector<TVectorSeries> vectors;
    if (DerivedExists(object)) {
      if (FShowVelocity) vectors.push_back(velocity);
      if (FShowAcceleration) vectors.push_back(acceleration);
    }
    const int curve = graph.AddCurve(points, 0, numbers, vectors);
    Style(graph, curve, ObjectColour(object), measurement::CreateGraphUtils()->ObjectMotifKind(object), false,
          m.VecteurNumbering);
    graph.SetCurveVisible(curve, ceSegments, FVectorDraw[vdDataSegments], cfData);
    graph.SetCurveVisible(curve, ceSegments, FVectorDraw[vdUserSegments], cfUser);
    graph.SetCurveVisible(curve, ceSplines, FVectorDraw[vdDataSplines], cfData);
    graph.SetCurveVisible(curve, ceSplines, FVectorDraw[vdUserSplines], cfUser);
    graph.SetCurveVisible(curve, ceVectors, FVectorDraw[vdDataVectors], cfData);
    graph.SetCurveVisible(curve, ceVectors, FVectorDraw[vdUserVectors], cfUser);
    if (std::find(m.VecteurObjects.begin(), m.VecteurObjects.end(), object) != m.VecteurObjects.end())
      for (const TPointD &p : points) Include(box, p);
  }
  // Constructs of no series belong to the objects shown when they were drawn.
  if (objectsChanged && !BuiltObjects[size_t(Measurement())][gsVecteur].empty()) {
    std::vector<TGElem *> orphans;
    for (const auto &e : graph.Elements())
      if (e->UserMade && e->CurveIndex < 0) orphans.push_back(e.get());
    for (TGElem *e : orphans) graph.RemoveElement(e);
  }
  BuiltObjects[size_t(Measurement())][gsVecteur] = m.VecteurObjects;
  graph.RefileUserElements();
  for (int object = 0; object < ObjectsCount(); ++object) {
    const bool selected =
        std::find(m.VecteurObjects.begin(), m.VecteurObjects.end(), object) != m.VecteurObjects.end();
    ShowSeries(graph, object, selected);
    if (selected) {
      graph.SetCurveVisible(object, ceVectors, FVectorDraw[vdDataVectors], cfData);
      graph.SetCurveVisible(object, ceVectors, FVectorDraw[vdUserVectors], cfUser);
    }
  }
  const bool rescale = TakeRescale(gsVecteur, Signature({basis}, m.VecteurObjects));
  if (rescale && !IsEmpty(box)) {
    const TPointD field = calc.ScaleFactors();
    AtLeast(box.XMin, box.XMax, 0.25 * std::fabs(field.X));
    AtLeast(box.YMin, box.YMax, 0.25 * std::fabs(field.Y));
    graph.SetWorld(FitWorldRect(box, false, false, false, false, 0.15), true);
  }
  // Each kind's scale: the longest vector an eighth of the plot's diagonal, none leaving the plot.
  const int params = int(graph.VectorParams().size());
  if (rescale || (RebuildFlags[size_t(Measurement())][gsVecteur] & 2) != 0)
    for (int i = 0; i < params; ++i) {
      graph.SelectVectorParam(i);
      graph.InitVectorScale();
    }
  RebuildFlags[size_t(Measurement())][gsVecteur] &= ~2;
  for (int i = 0; i < params; ++i)
    if (graph.VectorParams()[size_t(i)]->Id == m.VecteurKind) graph.SelectVectorParam(i);
  graph.IsOrigineVisible = m.DrawOrigin != 0;
  graph.SetDrawVectorValues(m.DrawVectorValues != 0);
  UpdateVideoPicture(graph);
}

void TResModel::UpdateVideoPicture(TGraph &graph) {
  graph.IsSourceImgVisible = FDrawVideo;
  if (!FDrawVideo || !Links.GrabFrame) {
    graph.SourceImg().ClearPicture();
    return;
  }
  QImage picture;
  if (!Links.GrabFrame(picture) || picture.isNull()) {
    graph.SourceImg().ClearPicture();
    return;
  }
  const measurement::TData &data = *Links.Data;
  const TPointD scale = Links.Calc->ScaleFactors();
  // The origin of the current measurement, in picture pixels.
  const TPointD origin = data.ActiveSystem().OrigineCurrent;
  const TPointD originPixel(origin.X * picture.width(), origin.Y * picture.height());
  const double sx = scale.X / picture.width(), sy = scale.Y / picture.height();
  if (FTrajectoryAsVideo)
    graph.SourceImg().SetPicture(picture, sx, sy, originPixel, false, false, 0.0);
  else
    graph.SourceImg().SetPicture(picture, sx, sy, originPixel, !data.DirectXAxisDirection(),
                                 !data.DirectYAxisDirection(), data.IsLayerMeasurement() ? 0.0 : data.XAxisAngle());
}

// ---------------------------------------------------------------------------------------------
// Custom formulas
// ---------------------------------------------------------------------------------------------

void TResModel::BuildFormule(TGraph &graph) {
  using namespace res_build_impl;
  formulas::TFormules &f = *Links.Formules;
  const settings::TOptions &o = *Links.Options;
  const int abscissa = f.AbscissaIndex();
  const TResCalc &calc = *Links.Calc;
  ClearData(graph);
  TRectD box = EmptyBox;
  QStringList units;
  for (int index : FFormulesDrawn) {
    const formulas::TRec *rec = f.Formula(index);
    if (rec == nullptr) continue;
    TPointDDynArray points;
    TIntegerDynArray numbers;
    for (int row = 0; row < rec->Curve.RowsCount(); ++row) {
      double x = 0.0;
      if (!rec->Curve.HasValue(row) || !f.AbscissaValue(row, x)) continue;
      points.emplace_back(x, rec->Curve.Values[size_t(row)]);
      numbers.push_back(calc.PointNumber(row));
    }
    const bool acceleration = f.UsesAcceleration(index) || f.AbscissaUsesAcceleration();
    const bool velocity = f.UsesVelocity(index) || f.AbscissaUsesVelocity();
    const int edges = o.CheckBox31HideEdgeA_Checked && acceleration ? 2 : o.CheckBox30HideEdgeV_Checked && velocity ? 1 : 0;
    const int curve = graph.AddCurve(points, edges, numbers);
    Style(graph, curve, measurement::CreateGraphUtils()->FormulaColor(index),
          measurement::CreateGraphUtils()->FormulaMotifKind(index), FPolylineFormule, 2);
    for (int i = edges; i < int(points.size()) - edges; ++i) Include(box, points[size_t(i)]);
    units << f.FormulaUnit(index);
  }
  const auto titleOf = [&f](int index) {
    const QString unit = f.FormulaUnit(index);
    QString line = f.FormulaComment(index);
    if (!unit.isEmpty() && unit != QLatin1String("no unit")) line += QStringLiteral(" (") + unit + QLatin1Char(')');
    return QStringList{f.Formula(index)->DisplayName(), line};
  };
  if (abscissa < 0)
    graph.TitreAxeX = {QStringLiteral("t"), ResFormText::tr("time") + QStringLiteral(" (s)")};
  else
    graph.TitreAxeX = titleOf(abscissa);
  if (FFormulesDrawn.empty()) {
    graph.TitreAxeY = QStringList();
  } else if (FFormulesDrawn.size() == 1) {
    graph.TitreAxeY = titleOf(FFormulesDrawn.front());
  } else {
    units.removeDuplicates();
    const QString unit = units.size() == 1 ? QStringLiteral("(") + units.front() + QLatin1Char(')')
                                           : ResFormText::tr("Unit problem!");
    graph.TitreAxeY = {ResFormText::tr("Representation of several curves"), unit};
  }
  // Nothing drawn yet: the time axis of the measurement, ready for the first formula.
  if (IsEmpty(box) && abscissa < 0 && calc.SamplesCount() > 0) {
    box = TRectD{0.0, calc.Time(calc.SamplesCount() - 1), 0.0, 1.0};
    RebuildFlags[size_t(Measurement())][gsFormule] |= 1;
  }
  QString signature = QString::number(abscissa) + QLatin1Char('|');
  for (int index : FFormulesDrawn) signature += QString::number(index) + QLatin1Char(',');
  if (TakeRescale(gsFormule, signature) && !IsEmpty(box))
    graph.SetWorld(FitWorldRect(box, abscissa >= 0 && FOrigineX, FOrigineY, false, abscissa < 0, 0.05), false);
  graph.IsZoomX = FZoomXFormule;
  graph.IsZoomY = FZoomYFormule;
  graph.IsOrigineVisible = false;
  graph.SetShowModeleur(FEquaFormule, FStatFormule);
  const QString nomX = abscissa < 0 ? QStringLiteral("t") : f.Formula(abscissa)->DisplayName();
  const QString nomY = FFormulesDrawn.size() == 1 ? f.Formula(FFormulesDrawn.front())->DisplayName() : QString();
  // A formula "no unit" is a pure number: its model's parameters have the units of t alone.
  const auto unitOf = [&f](int index) {
    const QString unit = f.FormulaUnit(index);
    return unit == QLatin1String("no unit") ? QStringLiteral("1") : unit;
  };
  const QString unitX = abscissa < 0 ? QStringLiteral("s") : unitOf(abscissa);
  const QString unitY = FFormulesDrawn.size() == 1 ? unitOf(FFormulesDrawn.front()) : QString();
  ApplyModel(graph, FFormulesDrawn.size() == 1 ? FModelFormule : modelling::mtNone, nomX, nomY,
             unitX, unitY);
}

}  // namespace kolibra::results
