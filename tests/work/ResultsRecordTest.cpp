// What a work file keeps of the results window, round trip: the sample "Parabole" (drawn with
// g = 9.81 m/s²) with a parabola fitted to y(t), a segment drawn on the trajectory, the
// trajectory view chosen and the velocity scale typed; saved, opened again headless, given
// back to a new results model, and carried over by kolibra-cli resave. Each must come back
// as it was set: the values typed, and the fit reading the g that drew the ball.

#include "editing/ParaboleWork.h"
#include "kit/IniFile.h"
#include "results/GConstructs.h"
#include "results/ResModel.h"
#include "results/ResRecord.h"
#include "work/GraphCli.h"
#include "work/WorkCli.h"

#include <QFile>
#include <QTextStream>

#include <cmath>

namespace kolibra::work::results_record_test {

using namespace kolibra::results;

// A results model over a headless work, with the fixed axes' graph of three views.
struct TResultsOver {
  explicit TResultsOver(THeadlessWork &work) : Memory(work.Data, work.Options), Model(Links(work, Memory)) {
    Time.SetSize(800, 600);
    Path.SetSize(800, 600);
    Vectors.SetSize(800, 600);
    Model.SetGraph(rmFixedAxes, gsTemps, &Time);
    Model.SetGraph(rmFixedAxes, gsReferentiel, &Path);
    Model.SetGraph(rmFixedAxes, gsVecteur, &Vectors);
  }
  static TResLinks Links(THeadlessWork &work, kinematics::TResMem &memory) {
    TResLinks links;
    links.Calc = &work.Calc;
    links.Grid = &work.Grid;
    links.Mem = &memory;
    links.Formules = &work.Formulas;
    links.FormulaResults = &work.FormulaResults;
    links.Data = &work.Data;
    links.Options = &work.Options;
    links.VideoOpen = [&work] { return work.Video.IsOpen(); };
    return links;
  }
  std::vector<const TGElem *> UserMade(const TGraph &graph) const {
    std::vector<const TGElem *> found;
    for (const auto &e : graph.Elements())
      if (e->UserMade) found.push_back(e.get());
    return found;
  }

  kinematics::TResMem Memory;
  TResModel Model;
  TGraph Time, Path, Vectors;
};

const TPointD SegmentA(0.5, 1.0), SegmentB(2.0, 1.5);
const TColor SegmentColour = TColor::FromRgb(200, 30, 40);

class ResultsRecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (editing::testing::ParaboleTruth().empty()) GTEST_SKIP() << "the sample videos are made at build time";
    editing::testing::THeadlessParabole work(dir.path());
    ASSERT_TRUE(work.MarkTrajectory(editing::testing::CopyParabole(dir.path())));
    TResultsOver r(work);
    ASSERT_TRUE(r.Model.Recalculate(true));
    // y(t) with a parabola.
    r.Model.Memory().TempsQuantity = 1;
    r.Model.SetView(rvTemps);
    QString message;
    ASSERT_TRUE(r.Model.PressModel(modelling::mtParabola, message)) << message.toStdString();
    ASSERT_EQ(r.Time.ModelCount(), 1);
    // The velocity vectors at a scale typed by the user: twice the automatic one.
    r.Model.Memory().VecteurKind = vkVelocity;
    r.Model.SetView(rvVecteur);
    Scale = 2.0 * r.Model.VectorScale();
    ASSERT_GT(Scale, 0.0);
    ASSERT_TRUE(r.Model.SetVectorScale(Scale));
    // A segment on the trajectory, which stays the chosen view.
    r.Model.SetView(rvReferentiel);
    auto segment = std::make_unique<TGSegment>(SegmentA, SegmentB, SegmentColour);
    segment->UserMade = true;
    r.Path.AddElement(std::move(segment), -1);

    work.Results = CaptureResRecord(r.Model);
    ASSERT_EQ(SaveWork(work.Context(), File("throw.klb")), wsOk);
  }
  QString File(const char *name) const { return dir.filePath(QLatin1String(name)); }

  // The record's ground truth: what SetUp set.
  void ExpectRecord(const TResRecord &record) const {
    EXPECT_TRUE(record.Present);
    EXPECT_EQ(record.View, rvReferentiel);
    EXPECT_EQ(record.ModelTemps, modelling::mtParabola);
    EXPECT_EQ(record.Choices[rmFixedAxes].TempsQuantity, 1);
    EXPECT_EQ(record.Choices[rmFixedAxes].VecteurKind, vkVelocity);
    EXPECT_EQ(record.Scales[rmFixedAxes][vkVelocity], Scale);
    ASSERT_EQ(record.Constructs.size(), 1u);
    const TResConstruct &c = record.Constructs[0];
    EXPECT_EQ(c.Measurement, rmFixedAxes);
    EXPECT_EQ(c.Slot, gsReferentiel);
    EXPECT_EQ(c.Type, obSegment);
    EXPECT_EQ(c.Colour, SegmentColour);
    ASSERT_EQ(c.Points.size(), 2u);
    EXPECT_EQ(c.Points[0].X, SegmentA.X);
    EXPECT_EQ(c.Points[0].Y, SegmentA.Y);
    EXPECT_EQ(c.Points[1].X, SegmentB.X);
    EXPECT_EQ(c.Points[1].Y, SegmentB.Y);
  }

  QTemporaryDir dir;
  double Scale = 0.0;
};

TEST_F(ResultsRecordTest, AReopenedWorkBringsBackModelsConstructsViewAndScales) {
  editing::testing::THeadlessParabole work(dir.path());
  ASSERT_TRUE(work.Load(File("throw.klb")).Loaded);
  ExpectRecord(work.Results);

  TResultsOver r(work);
  ASSERT_TRUE(r.Model.Recalculate(true));
  RestoreResRecord(r.Model, work.Results);
  EXPECT_EQ(r.Model.View(), rvReferentiel);
  // The trajectory view built: the segment, where it was drawn, in its colour.
  r.Model.BuildView();
  const std::vector<const TGElem *> drawn = r.UserMade(r.Path);
  ASSERT_EQ(drawn.size(), 1u);
  const auto *segment = dynamic_cast<const TGSegment *>(drawn[0]);
  ASSERT_NE(segment, nullptr);
  EXPECT_EQ(segment->Color, SegmentColour);
  EXPECT_EQ(segment->Points[0]->Position.X, SegmentA.X);
  EXPECT_EQ(segment->Points[1]->Position.Y, SegmentB.Y);
  EXPECT_NEAR(segment->Length(), std::hypot(1.5, 0.5), 1e-12);
  // The time view: y(t) with the parabola fitted again, reading c = -g/2 and b the 5 m/s
  // throw at 65 degrees.
  r.Model.SetView(rvTemps);
  ASSERT_EQ(r.Time.ModelCount(), 1);
  const TGModele *model = r.Time.Modele(0);
  ASSERT_NE(model, nullptr);
  EXPECT_EQ(model->Kind, modelling::mtParabola);
  EXPECT_EQ(model->NomY, QStringLiteral("Y"));
  const TDoubleDynArray params = model->Model()->GetParams();
  ASSERT_EQ(params.size(), 3u);
  EXPECT_NEAR(params[1], 5.0 * std::sin(65.0 * M_PI / 180.0), 0.0006);
  EXPECT_NEAR(params[2], -9.81 / 2, 0.0006);
  // The vectors view: the velocity scale typed, not the automatic one.
  r.Model.SetView(rvVecteur);
  EXPECT_EQ(r.Model.VectorScale(), Scale);
  // Nothing left waiting, and a capture gives back what the file held.
  EXPECT_TRUE(r.Model.PendingConstructs().empty());
  TResRecord again = CaptureResRecord(r.Model);
  again.View = rvReferentiel;
  ExpectRecord(again);
}

// kolibra-cli graph draws the view as the window would: y(t) with the file's parabola, the
// trajectory with its segment, the vectors at the scale typed; its own options come on top.
TEST_F(ResultsRecordTest, TheGraphCommandDrawsWhatTheFileKept) {
  const auto request = [this](const char *output, const char *view) {
    TGraphRequest r;
    r.WorkFile = File("throw.klb");
    r.Output = File(output);
    r.View = QLatin1String(view);
    return r;
  };
  QString errors;
  QTextStream err(&errors);
  {
    TWorkGraph time;
    ASSERT_EQ(time.Build(request("y.svg", "time"), err), 0) << errors.toStdString();
    ASSERT_EQ(time.Graph().ModelCount(), 1);
    EXPECT_EQ(time.Graph().Modele(0)->Kind, modelling::mtParabola);
  }
  {
    TGraphRequest vy = request("vy.svg", "time");
    vy.Quantity = QStringLiteral("vy");
    vy.Model = QStringLiteral("affine");
    TWorkGraph velocity;
    ASSERT_EQ(velocity.Build(vy, err), 0) << errors.toStdString();
    ASSERT_EQ(velocity.Graph().ModelCount(), 1);
    EXPECT_EQ(velocity.Graph().Modele(0)->Kind, modelling::mtAffine);
  }
  {
    TWorkGraph path;
    ASSERT_EQ(path.Build(request("path.svg", "trajectory"), err), 0)
        << errors.toStdString();
    int segments = 0;
    for (const auto &e : path.Graph().Elements()) segments += e->UserMade && e->ObjectType == obSegment ? 1 : 0;
    EXPECT_EQ(segments, 1);
  }
  {
    TWorkGraph vectors;
    ASSERT_EQ(vectors.Build(request("v.svg", "vectors"), err), 0)
        << errors.toStdString();
    EXPECT_EQ(vectors.Graph().VectorScaleValue(), Scale);
  }
}

TEST_F(ResultsRecordTest, ResaveCarriesTheSectionOver) {
  QString errors;
  QTextStream err(&errors);
  ASSERT_EQ(WorkResave(File("throw.klb"), File("copy.klb"), err), 0) << errors.toStdString();
  const TIniFile a(File("throw.klb")), b(File("copy.klb"));
  const QString section = QLatin1String(ResultsSection);
  ASSERT_FALSE(a.Keys(section).isEmpty());
  EXPECT_EQ(b.Keys(section), a.Keys(section));
  for (const QString &key : a.Keys(section))
    EXPECT_EQ(b.ReadString(section, key, QString()), a.ReadString(section, key, QString())) << key.toStdString();
  ExpectRecord(ReadResRecord(b));
}

// A file written before the section existed opens as it always did: the results as a new
// measurement has them, and a resave adds no section.
TEST_F(ResultsRecordTest, AFileWithoutTheSectionOpensAsBefore) {
  TIniFile ini(File("throw.klb"));
  ini.EraseSection(QLatin1String(ResultsSection));
  ASSERT_TRUE(ini.UpdateFile());
  editing::testing::THeadlessParabole work(dir.path());
  ASSERT_TRUE(work.Load(File("throw.klb")).Loaded);
  EXPECT_FALSE(work.Results.Present);
  EXPECT_EQ(work.Data.FixedMarks().MarksCount(), 48);
  TResultsOver r(work);
  ASSERT_TRUE(r.Model.Recalculate(true));
  RestoreResRecord(r.Model, work.Results);
  EXPECT_EQ(r.Model.View(), rvTableau);
  EXPECT_EQ(r.Model.ModelOf(rvTemps), modelling::mtNone);
  r.Model.SetView(rvReferentiel);
  EXPECT_TRUE(r.UserMade(r.Path).empty());
  QString errors;
  QTextStream err(&errors);
  ASSERT_EQ(WorkResave(File("throw.klb"), File("copy.klb"), err), 0) << errors.toStdString();
  EXPECT_FALSE(TIniFile(File("copy.klb")).SectionExists(QLatin1String(ResultsSection)));
}

// A damaged section: what cannot be read is left out, the rest kept.
TEST(ResRecordRead, DamagedValuesAreLeftOut) {
  TIniFile ini = TIniFile::FromText(QString(), QStringLiteral("[Results]\n"
                                                              "View=17\n"
                                                              "TimeModel=-3\n"
                                                              "FixedQuantity=2\n"
                                                              "FixedTimeObjects=0,x,3,-1,5000\n"
                                                              "FixedScale0=-2\n"
                                                              "FixedScale1=0.25\n"
                                                              "Constructs=5\n"
                                                              "Construct1=0;1;7;255;0;0 0;1 2;3 4\n"
                                                              "Construct2=0;9;7;255;0;0 0;1 2;3 4\n"
                                                              "Construct3=0;1;5;255;0;0 0;1 2\n"
                                                              "Construct4=0;2;9;255;1;0.5 -1;nan 2\n"
                                                              "Construct5=1;2;9;255;1;0.5 -1;2 2\n"));
  const TResRecord record = ReadResRecord(ini);
  EXPECT_TRUE(record.Present);
  EXPECT_EQ(record.View, -1);
  EXPECT_EQ(record.ModelTemps, modelling::mtNone);
  EXPECT_EQ(record.Choices[0].TempsQuantity, 2);
  EXPECT_EQ(record.Choices[0].TempsObjects, (TIntegerDynArray{0, 3}));
  EXPECT_EQ(record.Scales[0][0], 0.0);
  EXPECT_EQ(record.Scales[0][1], 0.25);
  // Only the first (a segment) and the last (a vector on the layer's vectors view) hold.
  ASSERT_EQ(record.Constructs.size(), 2u);
  EXPECT_EQ(record.Constructs[0].Type, obSegment);
  EXPECT_EQ(record.Constructs[1].Measurement, rmLayer);
  EXPECT_EQ(record.Constructs[1].Kind, 1);
  EXPECT_EQ(record.Constructs[1].Components.Y, -1.0);
}

}  // namespace kolibra::work::results_record_test
