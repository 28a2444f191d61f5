// The real main window offscreen with work files of the sample "Parabole": a work file
// named on the command line opens with its marks drawn, the names and colours dialog, the
// video-editing mode, the recent files across a restart, and the recovery files (offered
// before a sample at start, a failure to write them shown in the status bar).

#include "editing/ParaboleWork.h"
#include "mainwindow/windows/support/MainFormFixture.h"
#include "support/ModalDialogs.h"
#include "support/WaitFor.h"

#include "editing/Montage.h"
#include "formulas/Formules.h"
#include "kit/AtomicFile.h"
#include "kit/IniFile.h"
#include "results/GElem.h"
#include "results/ResModel.h"
#include "results/windows/ResForm.h"
#include "printing/windows/BoiteImprimer.h"
#include "mainwindow/MainForm.h"
#include "measurement/Data.h"
#include "settings/Options.h"
#include "videoview/windows/Video.h"
#include "work/Recovery.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

namespace kolibra::mainwindow::testing {
namespace {

class TAnsweredWorkDialogs : public IWorkDialogs {
 public:
  QString AskSaveFileName(const QString &, const QString &) override { return SaveAs; }
  QString AskWorkFileName(const QString &) override { return QString(); }
  QString AskVideoFileName(const QString &) override { return QString(); }
  QString SaveAs;
};

class MainFormWorkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (editing::testing::ParaboleTruth().empty()) GTEST_SKIP() << "the sample videos are made at build time";
    video = editing::testing::CopyParabole(dir.path());
  }
  void TearDown() override {
    if (form) form->Options().CheckBox3ConfirmationQuit_Checked = false;
    form.reset();
  }
  TMainFormSettings Settings() {
    TMainFormSettings settings = TestFormSettings(dir, dialogs);
    settings.TemporaryFolder = temporary.path();
    settings.WorkDialogs = &workDialogs;
    return settings;
  }
  // The window started on a work file of the marked throw, once its 48 marks are in.
  bool ShowMarkedWork(const QString &file) {
    TMainFormSettings settings = Settings();
    settings.StartFile = file;
    settings.StartTimer = true;
    Show(settings);
    return kolibra::testing::WaitFor([&] { return Model().IsOpen() && form->Data().MarksCount() == 48; });
  }
  void Show(const TMainFormSettings &settings) {
    form = std::make_unique<TMainForm>(settings);
    form->resize(1024, 768);
    form->show();
    QCoreApplication::processEvents();
  }
  // The throw marked at its true positions, its marks in blue, saved by the program.
  QString MarkedThrow() {
    editing::testing::THeadlessParabole work(dir.path());
    EXPECT_TRUE(work.MarkTrajectory(video));
    work.Data.SetObjectColor(0, colors::clBlue);
    const QString file = dir.filePath(QStringLiteral("throw.klb"));
    EXPECT_EQ(work::SaveWork(work.Context(), file), work::wsOk);
    return file;
  }
  QToolButton *Button(TControl control) { return qobject_cast<QToolButton *>(form->Control(control)); }
  void Press(TControl control) {
    QTest::mouseClick(Button(control), Qt::LeftButton);
    QCoreApplication::processEvents();
  }
  videoview::TVideoModel &Model() { return form->Video().Model(); }

  ScopedDecimalSeparator separator{QLatin1Char('.')};
  QTemporaryDir dir;
  QTemporaryDir temporary;
  QString video;
  TScriptedMessageBox boxes;
  TScriptedDialogs dialogs;
  TAnsweredWorkDialogs workDialogs;
  std::unique_ptr<TMainForm> form;
};

TEST_F(MainFormWorkTest, AWorkFileOnTheCommandLineOpensWithItsMarksDrawn) {
  const QString file = MarkedThrow();
  ASSERT_TRUE(ShowMarkedWork(file));
  EXPECT_EQ(form->windowTitle(), QDir::toNativeSeparators(file));
  EXPECT_EQ(qobject_cast<QLineEdit *>(form->Control(EditMarque))->text(), QStringLiteral(" 48"));
  EXPECT_EQ(Model().CurrentFrame(), 0);
  // Every mark is drawn, in its blue, where the ball truly is.
  Model().Invalidate();
  ASSERT_TRUE(Model().PaintDisplay());
  const QImage &shown = Model().DisplayBitmap();
  int drawn = 0;
  for (const editing::testing::TTruePosition &row : editing::testing::ParaboleTruth()) {
    const TPoint centre = Model().FrameToScreen(row.Relative);
    bool blue = false;
    for (int dy = -3; dy <= 3 && !blue; ++dy)
      for (int dx = -3; dx <= 3 && !blue; ++dx) {
        const QPoint p(centre.X + dx, centre.Y + dy);
        if (!shown.rect().contains(p)) continue;
        const QColor c = shown.pixelColor(p);
        blue = c.blue() > 180 && c.red() < 90 && c.green() < 90;
      }
    drawn += blue ? 1 : 0;
  }
  EXPECT_EQ(drawn, 48);
}

TEST_F(MainFormWorkTest, TheNamesDialogNamesAndColoursTheObjects) {
  Show(Settings());
  ASSERT_TRUE(form->OpenVideo(video));
  form->Data().SetObjectsCount(2);
  form->NamesDialog().PickColour = [](const QColor &, QWidget *) { return QColor(Qt::green); };
  bool shown = false;
  form->NamesDialog().OnShown = [&shown](QWidget *window) {
    shown = true;
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Change name and colour of every mark"));
    auto *grid = kolibra::testing::Child<QTableWidget>(window, "StringGrid");
    EXPECT_EQ(grid->rowCount(), 5);
    EXPECT_EQ(grid->item(4, 4)->text(), QStringLiteral("Axes and scale colour"));
    EXPECT_FALSE(grid->item(4, 4)->flags().testFlag(Qt::ItemIsEditable));
    grid->item(1, 4)->setText(QStringLiteral("  of the ball "));
    // A click on the second object's swatch.
    const QRect swatch = grid->visualItemRect(grid->item(2, 1));
    QTest::mousePress(grid->viewport(), Qt::LeftButton, Qt::NoModifier, swatch.center());
    kolibra::testing::Child<QPushButton>(window, "BitBtnOk")->click();
  };
  Press(ButtonOutilNom);
  EXPECT_TRUE(shown);
  EXPECT_EQ(form->Data().SystemName(0), QStringLiteral("of the ball"));
  EXPECT_EQ(form->Data().ObjectColor(1), TColor::FromQColor(Qt::green));
  // The comparison with the saved work waits for a pause in the changes.
  EXPECT_TRUE(kolibra::testing::WaitFor([&] { return form->windowTitle().startsWith(QLatin1Char('*')); }))
      << "names are work to save";
}

TEST_F(MainFormWorkTest, VideoEditingHidesAFrameThroughItsButton) {
  Show(Settings());
  ASSERT_TRUE(form->OpenVideo(video));
  Press(ButtonModeMontage);
  ASSERT_TRUE(Button(ButtonModeMontage)->isChecked()) << "the video-editing mode is no longer refused";
  EXPECT_TRUE(Button(ButtonMontageBasculer)->isVisible());
  EXPECT_TRUE(Button(ButtonMontageInstant)->isEnabled());
  Press(ButtonMontageBasculer);  // the explanation box answers "Ok"
  EXPECT_FALSE(form->Montage().IsKept(0));
  EXPECT_FALSE(Button(ButtonMontageInstant)->isEnabled()) << "only on a kept frame";
  Press(ButtonModeRepereFixe);
  EXPECT_EQ(Model().ShownFrameCount(), 47);
  EXPECT_EQ(Model().CurrentFrame(), 1) << "leaving on a hidden frame lands on the next kept one";
}

TEST_F(MainFormWorkTest, SavedFilesAreRecentAcrossARestart) {
  Show(Settings());
  ASSERT_TRUE(form->OpenVideo(video));
  QAction *save = form->findChild<QAction *>(QStringLiteral("MenuFichierEnregistrer"));
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(save->shortcut(), QKeySequence(QKeySequence::Save));
  workDialogs.SaveAs = dir.filePath(QStringLiteral("lesson.klb"));
  save->trigger();
  ASSERT_EQ(form->RecentMenu()->actions().size(), 1);
  EXPECT_EQ(form->RecentMenu()->actions().first()->text(), QStringLiteral("&1  :  lesson.klb"));
  form->Options().CheckBox3ConfirmationQuit_Checked = false;
  ASSERT_TRUE(form->close());
  form.reset();

  Show(Settings());
  ASSERT_EQ(form->RecentMenu()->actions().size(), 1);
  form->RecentMenu()->actions().first()->trigger();
  EXPECT_TRUE(Model().IsOpen());
  EXPECT_EQ(form->windowTitle(), QDir::toNativeSeparators(dir.filePath(QStringLiteral("lesson.klb"))));
  const QAction *openWork = form->findChild<QAction *>(QStringLiteral("MenuFichierOuvrirTravail"));
  ASSERT_NE(openWork, nullptr);
  EXPECT_EQ(openWork->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
}

// The results window computes the formulas a work file brought: the file, the formulas window
// and the results share one list, so what a teacher typed and saved is what the graphs show.
// Its datasheet shows every quantity, though the formulas computed the results first.
TEST_F(MainFormWorkTest, TheResultsComputeTheWorkFilesFormulas) {
  editing::testing::THeadlessParabole work(dir.path());
  ASSERT_TRUE(work.MarkTrajectory(video));
  ASSERT_NE(work.Formulas.AddFormula(QStringLiteral("h=2*y1"), QStringLiteral("twice the height"), QStringLiteral("m")),
            nullptr);
  const QString file = dir.filePath(QStringLiteral("formulas.klb"));
  ASSERT_EQ(work::SaveWork(work.Context(), file), work::wsOk);
  ASSERT_TRUE(ShowMarkedWork(file));
  results::TResModel &model = form->ResultsWindow().Model();
  formulas::TFormules *formules = model.Formules();
  ASSERT_EQ(formules->FormulaCount(), 1);
  ASSERT_TRUE(model.Recalculate());
  const TPointDDynArray points = formules->FormulaPoints(0);
  const auto truth = editing::testing::ParaboleTruth();
  ASSERT_EQ(points.size(), truth.size());
  for (size_t i = 0; i < truth.size(); ++i) {
    EXPECT_NEAR(points[i].X, truth[i].T, 1e-9) << i;
    EXPECT_NEAR(points[i].Y, 2 * truth[i].YMetres, 1e-6) << i;
  }
  model.SetFormulesDrawn({0});
  form->ResultsWindow().ShowView(results::rvFormule);
  ASSERT_NE(model.CurrentGraph(), nullptr);
  EXPECT_EQ(model.CurrentGraph()->TitreAxeY, (QStringList{QStringLiteral("h"), QStringLiteral("twice the height (m)")}));
  form->ResultsWindow().ShowView(results::rvTableau);
  // The datasheet has every column of the ball, though the formulas computed the results first.
  EXPECT_EQ(model.Sources().Grid->ColCount(), 13);
  EXPECT_EQ(model.Sources().Grid->Cell(2, 1), QStringLiteral("x"));
  form->ResultsWindow().hide();
}

// A work file brings back what it kept of the results window: the parabola on y(t), the
// segment drawn on the trajectory, the view chosen; saving again keeps them.
TEST_F(MainFormWorkTest, TheResultsWindowGetsBackWhatTheFileKept) {
  editing::testing::THeadlessParabole work(dir.path());
  ASSERT_TRUE(work.MarkTrajectory(video));
  results::TResRecord &kept = work.Results;
  kept.Present = true;
  kept.View = results::rvReferentiel;
  kept.ModelTemps = modelling::mtParabola;
  kept.Choices[0].TempsQuantity = 1;
  kept.Choices[0].TempsObjects = {0};
  kept.Constructs.push_back({results::rmFixedAxes, results::gsReferentiel, results::obSegment,
                             TColor::FromRgb(200, 30, 40), {TPointD(0.5, 1.0), TPointD(2.0, 1.5)}, 0, TPointD()});
  const QString file = dir.filePath(QStringLiteral("kept.klb"));
  ASSERT_EQ(work::SaveWork(work.Context(), file), work::wsOk);
  ASSERT_TRUE(ShowMarkedWork(file));
  results::TResForm &window = form->ResultsWindow();
  results::TResModel &model = window.Model();
  EXPECT_EQ(model.View(), results::rvReferentiel);
  window.ShowView(results::rvReferentiel);
  ASSERT_NE(model.CurrentGraph(), nullptr);
  std::vector<const results::TGElem *> drawn;
  for (const auto &e : model.CurrentGraph()->Elements())
    if (e->UserMade) drawn.push_back(e.get());
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0]->ObjectType, results::obSegment);
  EXPECT_EQ(drawn[0]->Color, TColor::FromRgb(200, 30, 40));
  window.ShowView(results::rvTemps);
  ASSERT_EQ(model.CurrentGraph()->ModelCount(), 1);
  EXPECT_EQ(model.CurrentGraph()->Modele(0)->Kind, modelling::mtParabola);
  EXPECT_EQ(model.CurrentGraph()->Modele(0)->NomY, QStringLiteral("Y"));
  window.hide();
  // Saved again by the window: the section holds them still.
  workDialogs.SaveAs = dir.filePath(QStringLiteral("again.klb"));
  form->findChild<QAction *>(QStringLiteral("MenuFichierEnregistrer"))->trigger();
  const results::TResRecord again = results::ReadResRecord(TIniFile(workDialogs.SaveAs));
  EXPECT_EQ(again.ModelTemps, modelling::mtParabola);
  EXPECT_EQ(again.View, results::rvTemps);
  ASSERT_EQ(again.Constructs.size(), 1u);
  EXPECT_EQ(again.Constructs[0].Points[1].X, 2.0);
}

// The results window's "Print" opens the print window with the graph shown, its PDF named
// after the video.
TEST_F(MainFormWorkTest, PrintHandsTheGraphToThePrintWindow) {
  editing::testing::THeadlessParabole work(dir.path());
  ASSERT_TRUE(work.MarkTrajectory(video));
  const QString file = dir.filePath(QStringLiteral("print.klb"));
  ASSERT_EQ(work::SaveWork(work.Context(), file), work::wsOk);
  ASSERT_TRUE(ShowMarkedWork(file));
  results::TResForm &window = form->ResultsWindow();
  window.ShowView(results::rvTemps);
  QAction *print = window.Action(QStringLiteral("MenuFichierImprimer"));
  ASSERT_NE(print, nullptr);
  EXPECT_TRUE(print->isEnabled());
  QSize printed, shown;
  QString proposed;
  kolibra::testing::WhenShown<printing::TBoiteImprimer>([&](printing::TBoiteImprimer *box) {
    printed = box->Layout().Graphic().PixelSize();
    proposed = box->ProposedPdfName();
    box->reject();
  });
  ASSERT_NE(window.Model().CurrentGraph(), nullptr);
  shown = QSize(window.Model().CurrentGraph()->Width(), window.Model().CurrentGraph()->Height());
  print->trigger();
  EXPECT_FALSE(printed.isEmpty());
  EXPECT_EQ(printed, shown);
  EXPECT_TRUE(proposed.endsWith(QStringLiteral("/Parabole.pdf"))) << proposed.toStdString();
  window.hide();
}

// Restores the first file that can be.
class TRestoreFirst : public IRecoveryDialog {
 public:
  TRecoveryChoice AskRecovery(const std::vector<work::TRecoveryEntry> &entries) override {
    Offered = entries;
    for (size_t i = 0; i < entries.size(); ++i)
      if (entries[i].State == work::rsOrphan) return {raRestore, int(i)};
    return {};
  }
  std::vector<work::TRecoveryEntry> Offered;
};

TEST_F(MainFormWorkTest, TheStartRestoresWorkACrashLeftBeforeOpeningASample) {
  // The throw marked by a process that has ended, from a work file that was never saved.
  editing::testing::THeadlessParabole work(dir.path());
  ASSERT_TRUE(work.MarkTrajectory(video));
  const QString folder = dir.filePath(QStringLiteral("recovery"));
  QDir().mkpath(folder);
  const work::TProcessIdentity ended{9000001, 1};
  const QString orphan = work::RecoveryFileName(folder, ended);
  const QString original = dir.filePath(QStringLiteral("throw.klb"));
  const QByteArray text = work::RecoveryText(work.Context(), {ended, original, QDateTime::currentDateTimeUtc(), 0});
  ASSERT_TRUE(WriteFileAtomically(orphan, text));
  // Beside it, a truncated, an empty and a huge file: listed as damaged, never in the way.
  ASSERT_TRUE(WriteFileAtomically(QDir(folder).filePath(QStringLiteral("9000002-1.klb")), text.left(text.size() / 3)));
  ASSERT_TRUE(WriteFileAtomically(QDir(folder).filePath(QStringLiteral("9000003-1.klb")), QByteArray()));
  {
    QFile huge(QDir(folder).filePath(QStringLiteral("9000004-1.klb")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(qint64(1) << 30));
  }

  TRestoreFirst dialog;
  TMainFormSettings settings = Settings();
  settings.StartTimer = true;
  settings.RecoveryFolder = folder;
  settings.RecoveryDialog = &dialog;
  Show(settings);
  ASSERT_TRUE(kolibra::testing::WaitFor([&] { return Model().IsOpen() && form->Data().MarksCount() == 48; }));
  ASSERT_EQ(dialog.Offered.size(), 4u);
  int damaged = 0;
  for (const work::TRecoveryEntry &entry : dialog.Offered) {
    if (entry.Path == orphan)
      EXPECT_EQ(entry.Marks, 48);
    else
      damaged += entry.State == work::rsDamaged ? 1 : 0;
  }
  EXPECT_EQ(damaged, 3);
  EXPECT_EQ(Model().VideoFileName(), video) << "no sample was opened";
  EXPECT_EQ(form->windowTitle(), QLatin1Char('*') + QDir::toNativeSeparators(original));
  EXPECT_FALSE(QFileInfo::exists(orphan));
  EXPECT_TRUE(QFileInfo::exists(form->Work().Recovery()->FileName()));
}

TEST_F(MainFormWorkTest, ARecoveryFileThatCannotBeWrittenIsShownInTheStatusBar) {
  // A file stands where the recovery folder would be.
  ASSERT_TRUE(WriteFileAtomically(dir.filePath(QStringLiteral("state")), "a file"));
  TMainFormSettings settings = Settings();
  settings.RecoveryFolder = dir.filePath(QStringLiteral("state/recovery"));
  Show(settings);
  ASSERT_TRUE(form->OpenVideo(video));
  QLabel *problem = form->RecoveryProblem();
  EXPECT_FALSE(problem->isVisible());
  form->Data().FixedMarks().PointMark(TPointD(0.5, 0.5));
  TWorkRecovery &recovery = *form->Work().Recovery();
  recovery.Check();
  recovery.Wait();
  ASSERT_TRUE(kolibra::testing::WaitFor([&] { return problem->isVisible(); }));
  EXPECT_TRUE(problem->text().startsWith(QStringLiteral("The work cannot be kept for recovery after a crash: ")))
      << problem->text().toStdString();
  // Once the folder can be made, the next write clears it.
  QFile::remove(dir.filePath(QStringLiteral("state")));
  Model().SetFrame(1);
  form->Data().FixedMarks().PointMark(TPointD(0.4, 0.5));
  recovery.Check();
  recovery.Wait();
  ASSERT_TRUE(kolibra::testing::WaitFor([&] { return !problem->isVisible(); }));
}

}  // namespace
}  // namespace kolibra::mainwindow::testing
