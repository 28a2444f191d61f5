#include "results/ResRecord.h"

#include "kinematics/Memory.h"
#include "kit/IniFile.h"
#include "modelling/ModelFunction.h"
#include "results/GConstructs.h"
#include "results/ParamCom.h"
#include "results/ResModel.h"

#include "results/GShapes.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace kolibra::results {

namespace res_record_impl {

// A record names graphs, objects and points by numbers a damaged file may make huge.
constexpr int MaxConstructs = 10000;
constexpr int MaxPoints = 64;
constexpr int MaxObjects = 1000;

const QString Section = QLatin1String(ResultsSection);
const QString ViewKey = QStringLiteral("View");
const QString ModelTempsKey = QStringLiteral("TimeModel");
const QString ModelFormuleKey = QStringLiteral("FormulaModel");
const QString CountKey = QStringLiteral("Constructs");

QString Prefix(int measurement) { return measurement == rmLayer ? QStringLiteral("Layer") : QStringLiteral("Fixed"); }
QString ScaleKey(int measurement, int kind) { return Prefix(measurement) + QStringLiteral("Scale%1").arg(kind); }
QString ConstructKey(int index) { return QStringLiteral("Construct%1").arg(index); }

// "." and every digit a double needs, whatever the region.
QString Number(double value) { return QString::number(value, 'g', 17); }

bool ParseNumber(const QString &text, double &value) {
  bool ok = false;
  value = text.trimmed().toDouble(&ok);
  return ok && std::isfinite(value);
}

QString Integers(const TIntegerDynArray &values) {
  QStringList parts;
  for (int v : values) parts << QString::number(v);
  return parts.join(QLatin1Char(','));
}

TIntegerDynArray ParseIntegers(const QString &text) {
  TIntegerDynArray values;
  for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    bool ok = false;
    const int v = part.trimmed().toInt(&ok);
    if (ok && v >= 0 && v < MaxObjects && int(values.size()) < MaxObjects) values.push_back(v);
  }
  return values;
}

// "measurement;slot;type;colour;kind;cx cy;x y;x y...".
QString ConstructText(const TResConstruct &c) {
  QStringList parts{QString::number(c.Measurement), QString::number(c.Slot), QString::number(c.Type),
                    QString::number(c.Colour.Value), QString::number(c.Kind),
                    Number(c.Components.X) + QLatin1Char(' ') + Number(c.Components.Y)};
  for (const TPointD &p : c.Points) parts << Number(p.X) + QLatin1Char(' ') + Number(p.Y);
  return parts.join(QLatin1Char(';'));
}

bool ParsePoint(const QString &text, TPointD &point) {
  const QStringList xy = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  return xy.size() == 2 && ParseNumber(xy[0], point.X) && ParseNumber(xy[1], point.Y);
}

bool IsConstructType(int type) {
  switch (type) {
    case obAngle: case obArc: case obCercle: case obEllipse: case obSegment: case obSpline: case obVecteur: return true;
    default: return false;
  }
}

bool ParseConstruct(const QString &text, TResConstruct &c) {
  const QStringList parts = text.split(QLatin1Char(';'));
  if (parts.size() < 7 || parts.size() > 6 + MaxPoints) return false;
  bool ok[5] = {};
  c.Measurement = parts[0].toInt(&ok[0]);
  c.Slot = parts[1].toInt(&ok[1]);
  c.Type = parts[2].toInt(&ok[2]);
  c.Colour = TColor(parts[3].toUInt(&ok[3]));
  c.Kind = parts[4].toInt(&ok[4]);
  for (bool b : ok)
    if (!b) return false;
  if (c.Measurement < 0 || c.Measurement >= ResMeasurementCount || c.Slot < 0 || c.Slot >= GraphSlotCount) return false;
  if (!IsConstructType(c.Type) || c.Kind < 0 || c.Kind > 1) return false;
  if (!ParsePoint(parts[5], c.Components)) return false;
  for (qsizetype i = 6; i < parts.size(); ++i) {
    TPointD p;
    if (!ParsePoint(parts[i], p)) return false;
    c.Points.push_back(p);
  }
  return true;
}

kinematics::TMemory *MemoryOf(const TResModel &model, int measurement) {
  kinematics::TResMem *mem = model.Sources().Mem;
  if (mem == nullptr) return nullptr;
  return measurement == rmLayer ? &mem->LayerMemory() : &mem->FixedMemory();
}

}  // namespace res_record_impl

using namespace res_record_impl;

void WriteResRecord(const TResRecord &record, TIniFile &ini) {
  ini.EraseSection(Section);
  if (!record.Present) return;
  ini.WriteInteger(Section, ViewKey, record.View);
  ini.WriteInteger(Section, ModelTempsKey, record.ModelTemps);
  ini.WriteInteger(Section, ModelFormuleKey, record.ModelFormule);
  for (int m = 0; m < ResMeasurementCount; ++m) {
    const TResChoices &c = record.Choices[size_t(m)];
    const QString p = Prefix(m);
    ini.WriteInteger(Section, p + QStringLiteral("Quantity"), c.TempsQuantity);
    ini.WriteString(Section, p + QStringLiteral("TimeObjects"), Integers(c.TempsObjects));
    ini.WriteString(Section, p + QStringLiteral("TrajectoryObjects"), Integers(c.ReferentielObjects));
    ini.WriteInteger(Section, p + QStringLiteral("Reference"), c.ReferentielReference);
    ini.WriteInteger(Section, p + QStringLiteral("VectorKind"), c.VecteurKind);
    ini.WriteString(Section, p + QStringLiteral("VectorObjects"), Integers(c.VecteurObjects));
    for (int k = 0; k < 2; ++k)
      if (record.Scales[size_t(m)][size_t(k)] > 0.0)
        ini.WriteString(Section, ScaleKey(m, k), Number(record.Scales[size_t(m)][size_t(k)]));
  }
  ini.WriteInteger(Section, CountKey, int(record.Constructs.size()));
  for (size_t i = 0; i < record.Constructs.size(); ++i)
    ini.WriteString(Section, ConstructKey(int(i) + 1), ConstructText(record.Constructs[i]));
}

TResRecord ReadResRecord(const TIniFile &ini) {
  TResRecord record;
  if (!ini.SectionExists(Section)) return record;
  record.Present = true;
  const int view = ini.ReadInteger(Section, ViewKey, -1);
  record.View = view >= rvFormule && view <= rvVecteur ? view : -1;
  const auto model = [&ini](const QString &key) {
    const int kind = ini.ReadInteger(Section, key, modelling::mtNone);
    return kind >= 0 && kind <= modelling::mtNone ? kind : int(modelling::mtNone);
  };
  record.ModelTemps = model(ModelTempsKey);
  record.ModelFormule = model(ModelFormuleKey);
  for (int m = 0; m < ResMeasurementCount; ++m) {
    TResChoices &c = record.Choices[size_t(m)];
    const QString p = Prefix(m);
    // Out-of-range choices are put right by the model against the results it has.
    c.TempsQuantity = std::max(0, ini.ReadInteger(Section, p + QStringLiteral("Quantity"), 0));
    c.TempsObjects = ParseIntegers(ini.ReadString(Section, p + QStringLiteral("TimeObjects"), QString()));
    c.ReferentielObjects = ParseIntegers(ini.ReadString(Section, p + QStringLiteral("TrajectoryObjects"), QString()));
    c.ReferentielReference = std::max(-1, ini.ReadInteger(Section, p + QStringLiteral("Reference"), -1));
    c.VecteurKind = std::clamp(ini.ReadInteger(Section, p + QStringLiteral("VectorKind"), 0), 0, 1);
    c.VecteurObjects = ParseIntegers(ini.ReadString(Section, p + QStringLiteral("VectorObjects"), QString()));
    for (int k = 0; k < 2; ++k) {
      double scale = 0.0;
      if (ParseNumber(ini.ReadString(Section, ScaleKey(m, k), QString()), scale) && scale > 0.0)
        record.Scales[size_t(m)][size_t(k)] = scale;
    }
  }
  const int count = std::clamp(ini.ReadInteger(Section, CountKey, 0), 0, MaxConstructs);
  for (int i = 1; i <= count; ++i) {
    TResConstruct c;
    if (ParseConstruct(ini.ReadString(Section, ConstructKey(i), QString()), c)) record.Constructs.push_back(c);
  }
  return record;
}

QStringList ResRecordViewKeys() {
  QStringList keys{ViewKey};
  for (int m = 0; m < ResMeasurementCount; ++m) {
    for (const char *key : {"Quantity", "TimeObjects", "TrajectoryObjects", "Reference", "VectorKind", "VectorObjects"})
      keys << Prefix(m) + QLatin1String(key);
    for (int k = 0; k < 2; ++k) keys << ScaleKey(m, k);
  }
  return keys;
}

TResRecord CaptureResRecord(const TResModel &model) {
  TResRecord record;
  record.Present = true;
  record.View = model.View();
  record.ModelTemps = model.ModelOf(rvTemps);
  record.ModelFormule = model.ModelOf(rvFormule);
  record.Scales = model.PendingScales();
  for (TResMeasurement m : ResMeasurements) {
    if (const kinematics::TMemory *mem = MemoryOf(model, m)) {
      TResChoices &c = record.Choices[size_t(m)];
      c.TempsQuantity = mem->TempsQuantity;
      c.TempsObjects = mem->TempsObjects;
      c.ReferentielObjects = mem->ReferentielObjects;
      c.ReferentielReference = mem->ReferentielReference;
      c.VecteurKind = mem->VecteurKind;
      c.VecteurObjects = mem->VecteurObjects;
    }
    for (int slot = 0; slot < GraphSlotCount; ++slot) {
      const TGraph *graph = model.GraphOf(m, slot);
      if (graph == nullptr) continue;
      if (slot == gsVecteur)
        for (const auto &param : graph->VectorParams())
          if (param->Id >= 0 && param->Id < 2) record.Scales[size_t(m)][size_t(param->Id)] = param->Valeur;
      for (const auto &element : graph->Elements()) {
        if (!element->UserMade || !IsConstructType(element->ObjectType)) continue;
        const auto *poly = dynamic_cast<const TGPolyPoint *>(element.get());
        if (poly == nullptr) continue;
        TResConstruct c;
        c.Measurement = m;
        c.Slot = slot;
        c.Type = element->ObjectType;
        c.Colour = element->Color;
        for (const auto &point : poly->Points) c.Points.push_back(point->Position);
        if (const auto *v = dynamic_cast<const TGVecteur *>(element.get())) {
          c.Kind = v->Kind;
          c.Components = v->Composantes;
          c.Points.resize(std::min<size_t>(c.Points.size(), 1));
        }
        record.Constructs.push_back(c);
      }
    }
  }
  // Constructs of graphs not built since the file was read are still waiting in the model.
  for (const TResConstruct &c : model.PendingConstructs()) record.Constructs.push_back(c);
  return record;
}

void RestoreResRecord(TResModel &model, const TResRecord &record) {
  if (!record.Present) return;
  for (TResMeasurement m : ResMeasurements) {
    kinematics::TMemory *mem = MemoryOf(model, m);
    if (mem == nullptr) continue;
    const TResChoices &c = record.Choices[size_t(m)];
    mem->TempsQuantity = c.TempsQuantity;
    mem->TempsObjects = c.TempsObjects;
    mem->ReferentielObjects = c.ReferentielObjects;
    mem->ReferentielReference = c.ReferentielReference;
    mem->VecteurKind = c.VecteurKind;
    mem->VecteurObjects = c.VecteurObjects;
  }
  model.SetViewModel(rvTemps, modelling::TModelType(record.ModelTemps));
  model.SetViewModel(rvFormule, modelling::TModelType(record.ModelFormule));
  model.SetPending(record.Constructs, record.Scales);
  if (record.View >= 0) model.SelectView(record.View);
}

}  // namespace kolibra::results

namespace kolibra::results {

namespace res_record_impl {

std::unique_ptr<TGPolyPoint> MakeConstruct(const TResConstruct &c, TParamCom *param) {
  std::unique_ptr<TGPolyPoint> element;
  switch (c.Type) {
    case obAngle: element = std::make_unique<TGAngle>(); break;
    case obArc: element = std::make_unique<TGArc>(); break;
    case obCercle: element = std::make_unique<TGCercle>(); break;
    case obEllipse: element = std::make_unique<TGEllipse>(); break;
    case obSegment: element = std::make_unique<TGSegment>(); break;
    case obSpline: element = std::make_unique<TGSpline>(); break;
    case obVecteur:
      if (c.Points.empty()) return nullptr;
      return std::make_unique<TGVecteur>(c.Points.front(), c.Components, c.Kind, param);
    default: return nullptr;
  }
  for (const TPointD &p : c.Points) element->AddPoint(p);
  return element;
}

}  // namespace res_record_impl

void TResModel::SetPending(const std::vector<TResConstruct> &constructs, const TResScales &scales) {
  FPendingConstructs = constructs;
  FPendingScales = scales;
}

void TResModel::LayPending(TGraph &graph) {
  using namespace res_record_impl;
  const int m = Measurement();
  const int slot = SlotOfView(FView);
  std::vector<TResConstruct> waiting;
  for (const TResConstruct &c : FPendingConstructs) {
    if (c.Measurement != m || c.Slot != slot) {
      waiting.push_back(c);
      continue;
    }
    TParamCom *param = nullptr;
    for (const auto &p : graph.VectorParams())
      if (p->Id == c.Kind) param = p.get();
    // A vector waits for a build that has its kind.
    if (c.Type == obVecteur && param == nullptr) {
      waiting.push_back(c);
      continue;
    }
    std::unique_ptr<TGPolyPoint> element = MakeConstruct(c, param);
    if (element == nullptr) continue;
    element->UserMade = true;
    TGElem *added = graph.AddElement(std::move(element), -1);
    added->SetColor(c.Colour);
  }
  FPendingConstructs = std::move(waiting);
  if (slot != gsVecteur) return;
  std::array<double, 2> &scales = FPendingScales[size_t(m)];
  const auto &params = graph.VectorParams();
  bool changed = false;
  for (int i = 0; i < int(params.size()); ++i) {
    const int key = params[size_t(i)]->Id;
    if (key < 0 || key > 1 || scales[size_t(key)] <= 0.0) continue;
    graph.SelectVectorParam(i);
    graph.SetVectorScale(scales[size_t(key)]);
    scales[size_t(key)] = 0.0;
    changed = true;
  }
  if (changed)
    for (int i = 0; i < int(params.size()); ++i)
      if (params[size_t(i)]->Id == Memory().VecteurKind) graph.SelectVectorParam(i);
}

}  // namespace kolibra::results
