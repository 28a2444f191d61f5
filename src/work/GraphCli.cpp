#include "work/GraphCli.h"

#include "formulas/Formules.h"
#include "kinematics/ResultMessages.h"
#include "kit/Texts.h"
#include "modelling/ModelFit.h"
#include "results/GraphPictures.h"
#include "results/ResModel.h"
#include "work/HeadlessWork.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

namespace kolibra::work {

namespace graph_cli_impl {

int Fail(QTextStream &err, const QString &subject, const QString &reason) {
  err << (subject.isEmpty() ? QString() : QDir::toNativeSeparators(subject) + QStringLiteral(": ")) << reason << Qt::endl;
  return 1;
}

int ViewOfName(const QString &name) {
  if (name == QLatin1String("time")) return results::rvTemps;
  if (name == QLatin1String("trajectory")) return results::rvReferentiel;
  if (name == QLatin1String("vectors")) return results::rvVecteur;
  if (name == QLatin1String("formulas")) return results::rvFormule;
  return -1;
}

// The time view's quantity of a symbol; x and y stand for X and Y.
int QuantityOfSymbol(const QString &symbol) {
  const auto &table = results::TimeQuantities();
  for (int i = 0; i < int(table.size()); ++i)
    if (symbol == QString::fromUtf8(table[size_t(i)].Symbol)) return i;
  if (symbol == QLatin1String("x")) return 0;
  if (symbol == QLatin1String("y")) return 1;
  return -1;
}

}  // namespace graph_cli_impl

bool ParsePictureSize(const QString &text, QSize &size) {
  static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
  const QRegularExpressionMatch match = pattern.match(text.trimmed());
  if (!match.hasMatch()) return false;
  const int w = match.captured(1).toInt(), h = match.captured(2).toInt();
  if (w < 200 || h < 200 || w > 8000 || h > 8000) return false;
  size = QSize(w, h);
  return true;
}

struct TWorkGraph::TState {
  work::THeadlessWork Work;
  std::unique_ptr<kinematics::TResMem> Memory;
  std::unique_ptr<results::TResModel> Results;
  TGraph Graph;
  int View = results::rvTemps;
};

TWorkGraph::TWorkGraph() : State(std::make_unique<TState>()) {}
TWorkGraph::~TWorkGraph() = default;
TGraph &TWorkGraph::Graph() { return State->Graph; }
bool TWorkGraph::IsVectors() const { return State->View == results::rvVecteur; }

int TWorkGraph::Build(const TGraphRequest &request, QTextStream &err) {
  using namespace graph_cli_impl;
  const int view = ViewOfName(request.View);
  if (view < 0)
    return Fail(err, QString(),
                GraphCliText::tr("Unknown view \"%1\": time, trajectory, vectors or formulas.")
                    .arg(request.View));
  State->View = view;
  modelling::TModelType model = modelling::mtNone;
  if (!request.Model.isEmpty()) {
    model = modelling::TModelType(modelling::ModelTypeFromName(request.Model));
    if (model == modelling::mtNone)
      return Fail(
          err, QString(),
          GraphCliText::tr(
              "Unknown model \"%1\": constant, proportional, affine, exponential, parabola, sine, "
              "damped-sine-exp or damped-sine-lin.")
              .arg(request.Model));
    if (view != results::rvTemps && view != results::rvFormule)
      return Fail(err, QString(),
                  GraphCliText::tr("Models are laid over the time and formulas views only."));
  }
  if (!request.Quantity.isEmpty() && view == results::rvReferentiel)
    return Fail(err, QString(), GraphCliText::tr("The trajectory view takes no --quantity."));

  // The numbers in the picture are written as the user's region writes them, as the window
  // writes them.
  work::THeadlessWork &work = State->Work;
  const work::TWorkLoadResult loaded = work.Load(request.WorkFile);
  if (!loaded.Loaded) return Fail(err, request.WorkFile, loaded.Error.join(QLatin1Char(' ')).simplified());
  // A loaded file's warnings are told, the picture is made all the same.
  if (!loaded.Warnings.isEmpty()) Fail(err, request.WorkFile, loaded.Warnings.join(QLatin1Char(' ')).simplified());

  State->Memory = std::make_unique<kinematics::TResMem>(work.Data, work.Options);
  results::TResLinks links;
  links.Calc = &work.Calc;
  links.Grid = &work.Grid;
  links.Mem = State->Memory.get();
  links.Formules = &work.Formulas;
  links.FormulaResults = &work.FormulaResults;
  links.Data = &work.Data;
  links.Options = &work.Options;
  links.VideoOpen = [&work] { return work.Video.IsOpen(); };
  links.GrabFrame = [&work](QImage &picture) { return work.Video.IsOpen() && work.Video.GrabFrame(picture); };
  State->Results = std::make_unique<results::TResModel>(links);
  results::TResModel &results = *State->Results;
  TGraph &graph = State->Graph;
  graph.SetSize(request.Size.width(), request.Size.height());
  results.SetGraph(results.Measurement(), results::SlotOfView(view), &graph);
  if (!results.Recalculate(true))
    return Fail(err, request.WorkFile,
                GraphCliText::tr("The calculation unit has detected an error.") + QLatin1Char(' ') +
                    kinematics::ResultMessage(work.Calc.LastResult()));
  // What the file keeps of the results (the models, the choices, the constructs, the vector
  // scales) is the window's as the user left it; the command line's options come on top.
  results::RestoreResRecord(results, work.Results);
  if (model == modelling::mtNone && request.Model.isEmpty()) model = results.ModelOf(view);
  kinematics::TMemory &m = results.Memory();
  switch (view) {
    case results::rvTemps:
      if (!request.Quantity.isEmpty()) {
        const int quantity = QuantityOfSymbol(request.Quantity);
        const TIntegerDynArray offered = results.OfferedQuantities();
        if (quantity < 0 || std::find(offered.begin(), offered.end(), quantity) == offered.end())
          return Fail(
              err, QString(),
              GraphCliText::tr(
                  "No quantity \"%1\" in the results: X, Y, vx, vy, v, ax, ay, a, O, R or w.")
                  .arg(request.Quantity));
        m.TempsQuantity = quantity;
      } else if (!work.Results.Present) {
        m.TempsQuantity = 1;  // y(t): what a throw, a fall or a spring shows first
      }
      results.SetViewModel(results::rvTemps, model);
      break;
    case results::rvVecteur:
      if (!request.Quantity.isEmpty()) {
        const bool velocity = request.Quantity == QLatin1String("v") || request.Quantity == QLatin1String("velocity");
        const bool acceleration =
            request.Quantity == QLatin1String("a") || request.Quantity == QLatin1String("acceleration");
        if (!velocity && !acceleration)
          return Fail(
              err, QString(),
              GraphCliText::tr("The vectors view shows \"v\" (velocity) or \"a\" (acceleration)."));
        m.VecteurKind = velocity ? results::vkVelocity : results::vkAcceleration;
      }
      break;
    case results::rvFormule: {
      TIntegerDynArray drawn;
      for (int index : work.Formulas.ShownFormulas())
        if (request.Quantity.isEmpty() || work.Formulas.Formula(index)->DisplayName() == request.Quantity)
          drawn.push_back(index);
      if (drawn.empty())
        return Fail(err, request.WorkFile,
                    request.Quantity.isEmpty()
                        ? GraphCliText::tr("The work file holds no formula to draw.")
                        : GraphCliText::tr("No formula named \"%1\".").arg(request.Quantity));
      results.SetFormulesDrawn(drawn);
      results.SetViewModel(results::rvFormule, model);
      break;
    }
    default:
      break;
  }
  results.SetView(view);
  if (!request.Model.isEmpty() && graph.ModelCount() == 0)
    return Fail(err, QString(), GraphCliText::tr("A model is laid over one curve at a time."));
  return 0;
}

int RunGraphCommand(const TGraphRequest &request, QTextStream &err) {
  using namespace graph_cli_impl;
  const QString suffix = QFileInfo(request.Output).suffix().toLower();
  if (suffix != QLatin1String("svg") && suffix != QLatin1String("png"))
    return Fail(err, request.Output,
                GraphCliText::tr("The picture is written as a .svg or a .png file."));
  TWorkGraph built;
  if (built.Build(request, err) != 0) return 1;
  TGraph &graph = built.Graph();
  results::TScaleBarsScope bars(graph, built.IsVectors());
  QString error;
  if (!graph.SavePicture(request.Output, &error)) return Fail(err, request.Output, error);
  return 0;
}

}  // namespace kolibra::work
