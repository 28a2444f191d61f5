// The results window over a real measurement (the export tests' fixture: two objects marked
// through the document, the export server on doubles), driven as a user drives it: views,
// lists, model buttons, the datasheet's control row and rows, pictures, exports and keys.
#include "export/support/ExportFixture.h"
#include "formulas/Formules.h"
#include "formulas/ResultsSource.h"
#include "results/ConstructEditor.h"
#include "results/GConstructs.h"
#include "results/windows/Datasheet.h"
#include "results/windows/GraphControl.h"
#include "results/windows/ResForm.h"
#include "support/MenuAccelerators.h"

#include "kit/Language.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QToolButton>

namespace kolibra::results::res_form_test {

class ResForm : public exporting::testing::ExportFixture {
 protected:
  ResForm() {
    MarkTwoObjects();
    window = std::make_unique<TResForm>(TResLinks{&calc, &grids, &memory, &formules, &source, &data, &options, {}, {}});
    window->Serveur = &serveur;
    window->resize(1100, 700);
    window->OnShowFrame = [this](int frame) { Frames.push_back(frame); };
  }

  void Show(int view) {
    window->ShowView(view);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  TGraph &Current() { return window->CurrentGraphControl()->Graph(); }
  int VisibleDataPoints() {
    int n = 0;
    for (const auto &e : Current().Elements()) n += e->ObjectType == obPoint && !e->UserMade && e->Visible ? 1 : 0;
    return n;
  }

  formulas::TResultsSource source{calc, options};
  formulas::TFormules formules{&source};
  std::unique_ptr<TResForm> window;
  std::vector<int> Frames;
};

TEST_F(ResForm, EveryViewShowsWithItsCaptionListsAndTools) {
  const struct {
    int View;
    const char *Caption;
    const char *Shown;   // a list of the choice panel shown in this view
    TResButton Tool;     // a tool of this view
    TResButton Absent;   // a tool of another view
  } cases[] = {
      {rvTemps, "Evolution as a function of time", "DropBoxTemps1", rbModeleParabole, rbSegment},
      {rvReferentiel, "Trajectory in reference frame", "DropBoxRef2", rbSegment, rbModeleParabole},
      {rvVecteur, "Vectors representation", "DropBoxVecteur1", rbVecteur, rbModeleSinus},
      {rvFormule, "Custom formulas", "DropBoxFormule2", rbClavier, rbAngle},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.Caption);
    Show(c.View);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(c.Caption));
    EXPECT_TRUE(window->findChild<QWidget *>(QString::fromLatin1(c.Shown))->isVisible());
    // A tool bar shows and hides its buttons through their actions.
    const auto shown = [this](TResButton b) {
      return window->Action(window->Button(b)->objectName() + QStringLiteral("Action"))->isVisible();
    };
    EXPECT_TRUE(shown(c.Tool));
    EXPECT_FALSE(shown(c.Absent));
    EXPECT_TRUE(window->CurrentGraphControl()->isVisible());
    if (c.View != rvFormule) {
      EXPECT_GT(VisibleDataPoints(), 0);
    }
  }
  Show(rvTableau);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Datasheet"));
  EXPECT_TRUE(window->Grid()->isVisible());
  EXPECT_FALSE(window->Action(QStringLiteral("MenuEditionCopierImage"))->isVisible());
  EXPECT_TRUE(window->Action(QStringLiteral("MenuEditionCopierTableau"))->isVisible());
  EXPECT_FALSE(window->findChild<QWidget *>(QStringLiteral("PanelEchelle"))->isVisible());
}

TEST_F(ResForm, AModelButtonWithTwoCurvesSaysSoAndPopsUp) {
  Show(rvTemps);
  window->Model().SetTempsObjects({0, 1});
  window->Button(rbModeleAffine)->click();
  ASSERT_GE(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Fit regression is available for only one curve at a time."));
  EXPECT_FALSE(window->Button(rbModeleAffine)->isChecked());
  // One curve: the model lays on it and the parameters tool takes over.
  window->Model().SetTempsObjects({0});
  window->Button(rbModeleAffine)->click();
  EXPECT_TRUE(window->Button(rbModeleAffine)->isChecked());
  EXPECT_EQ(Current().Tool(), gtModelParams);
  EXPECT_EQ(Current().ModelCount(), 1);
  window->Button(rbModeleAffine)->click();
  EXPECT_EQ(Current().ModelCount(), 0);
}

TEST_F(ResForm, TheCoordinatesToolShowsThreePanels) {
  Show(rvFormule);
  EXPECT_FALSE(window->StatusPanel(1)->isVisible());
  window->Button(rbReticule)->click();
  EXPECT_EQ(Current().Tool(), gtCoordinates);
  EXPECT_TRUE(window->StatusPanel(1)->isVisible());
  const QRect plot = Current().PlotRect();
  QTest::mouseMove(window->CurrentGraphControl(), plot.center());
  EXPECT_TRUE(window->StatusPanel(1)->text().startsWith(QStringLiteral("Abscissa = ")));
  EXPECT_FALSE(window->StatusPanel(2)->text().endsWith(QStringLiteral(" m")));
}

TEST_F(ResForm, CopyingTheVectorsViewDrawsBothScaleBarsOnTheCopyOnly) {
  Show(rvVecteur);
  window->CopyCommand();
  EXPECT_EQ(boxes.Last().Lines.front().Text, QStringLiteral("Copy to clipboard done."));
  const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(copied, nullptr);
  EXPECT_TRUE(copied->hasImage());
  EXPECT_TRUE(QString::fromUtf8(copied->data(QStringLiteral("image/svg+xml"))).contains(QStringLiteral("m/s")));
  EXPECT_FALSE(Current().IsDessinerEchelleVecteurs);
  EXPECT_FALSE(Current().IsDessinerEchelleDistances);
}

TEST_F(ResForm, SavingAPictureAsksBeforeReplacingTheForcedName) {
  Show(rvReferentiel);
  const QString typed = dir.filePath(QStringLiteral("graph.png")), forced = dir.filePath(QStringLiteral("graph.svg"));
  {
    QFile existing(forced);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
  }
  window->AskPictureFileName = [&typed](const QString &, int &filter) {
    filter = 1;  // SVG chosen, a ".png" name typed
    return typed;
  };
  boxes.Answer(0);  // "No"
  window->ExportCommand();
  EXPECT_EQ(boxes.Last().Lines.back().Text, QStringLiteral("A file with the same name already exists. Overwrite ?"));
  QFile kept(forced);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), QByteArray("keep me"));
  kept.close();
  boxes.Answer(1);  // "Yes"
  window->ExportCommand();
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Saving to a file complete.\nFile extension is SVG."));
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_TRUE(kept.readAll().contains("<svg"));
  // A bitmap is told as such; the dialog opens where the program's save rule says.
  QString offered;
  window->SaveFolder = [this](const QString &asked) { return asked.isEmpty() ? dir.path() : asked; };
  window->AskPictureFileName = [this, &offered](const QString &folder, int &filter) {
    offered = folder;
    filter = 2;
    return dir.filePath(QStringLiteral("trajectory"));
  };
  window->ExportCommand();
  EXPECT_EQ(offered, dir.path());
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Saving to an image file complete.\nFile extension is BMP."));
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("trajectory.bmp"))));
}

TEST_F(ResForm, TheDatasheetsControlRowChangesDigitsAndHidesColumns) {
  Show(rvTableau);
  TDatasheetView *grid = window->Grid();
  const int columns = grids.ColCount();
  const QString before = grids.Cell(2, 5);
  const QRect cell = grid->CellRect(2, 0);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(cell.right() - 3, cell.center().y()));
  EXPECT_GT(grids.Cell(2, 5).size(), before.size());
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(cell.left() + 3, cell.center().y()));
  EXPECT_EQ(grids.Cell(2, 5), before);
  // The middle of the cell hides the column, never the first data column's.
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
  EXPECT_EQ(grids.ColCount(), columns - 1);
  const QRect first = grid->CellRect(1, 0);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, first.center());
  EXPECT_EQ(grids.ColCount(), columns - 1);
  window->Action(QStringLiteral("MenuEditionRestaurerTableau"))->trigger();
  EXPECT_EQ(grids.ColCount(), columns);
}

TEST_F(ResForm, ClickingARowOrAPointShowsItsFrame) {
  Show(rvTableau);
  TDatasheetView *grid = window->Grid();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->CellRect(3, 4 + 2).center());
  EXPECT_EQ(Frames, std::vector<int>{12});
  Show(rvReferentiel);
  const TGPoint *point = nullptr;
  for (const auto &e : Current().Elements())
    if (e->ObjectType == obPoint && !e->UserMade && static_cast<const TGPoint *>(e.get())->Number == 4)
      point = static_cast<const TGPoint *>(e.get());
  ASSERT_NE(point, nullptr);
  QTest::mouseClick(window->CurrentGraphControl(), Qt::LeftButton, Qt::NoModifier, point->Pixel.ToQPoint());
  EXPECT_EQ(Frames.back(), 13);
  // The main window showing frame 11 rings its points.
  window->ShowVideoFrame(11);
  int ringed = 0;
  for (const auto &e : Current().Elements())
    if (e->ObjectType == obPoint && static_cast<const TGPoint *>(e.get())->Highlighted) ++ringed;
  EXPECT_EQ(ringed, 2);
  EXPECT_EQ(grid->CurrentSample(), 1);
}

TEST_F(ResForm, DatasheetExportsThroughTheServer) {
  Show(rvTableau);
  window->CopyCommand();
  ASSERT_EQ(clipboard.Texts.size(), 1);
  EXPECT_TRUE(clipboard.Texts.front().contains(QStringLiteral("Grid rotation in the trigonometric direction")));
  // File > Export offers every format in one dialog; the name's extension picks it.
  host.Answer = dir.filePath(QStringLiteral("sheet.csv"));
  window->ExportCommand();
  ASSERT_FALSE(host.Requests.empty());
  EXPECT_TRUE(host.Requests.back().Filter.contains(QStringLiteral("(*.xlsx)|*.xlsx|")));
  QFile csv(dir.filePath(QStringLiteral("sheet.csv")));
  ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
  EXPECT_TRUE(csv.readLine().startsWith("t [s],")) << "the header row names the time first";
  host.Answer = dir.filePath(QStringLiteral("sheet.ods"));
  window->ExportCommand();
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("sheet.ods"))));
  host.Answer = dir.filePath(QStringLiteral("sheet.pdf"));
  window->ExportCommand();
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("sheet.txt"))));
  window->CopyAndLaunch(ltExcel);
  ASSERT_EQ(desktop.Opened.size(), 1);
  EXPECT_TRUE(desktop.Opened.front().endsWith(QStringLiteral(".xlsx")));
}

TEST_F(ResForm, UndoByKeysAndByTheEditMenuButNotWhileTyping) {
  Show(rvVecteur);
  TGraph &graph = Current();
  TConstructEditor *editor = window->Model().EditorOf(&graph);
  ASSERT_NE(editor, nullptr);
  auto segment = std::make_unique<TGSegment>(TPointD(0.01, 0.01), TPointD(0.02, 0.02), TColor::FromRgb(0, 100, 0));
  segment->UserMade = true;
  editor->AddElement(graph, std::move(segment), gaCreate);
  const auto users = [&graph] {
    int n = 0;
    for (const auto &e : graph.Elements()) n += e->UserMade ? 1 : 0;
    return n;
  };
  ASSERT_EQ(users(), 1);
  // Typed in the scale box, Ctrl+Z is the box's.
  auto *scale = window->findChild<QLineEdit *>(QStringLiteral("EditEchelle"));
  scale->setFocus();
  QTest::keyClick(scale, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(users(), 1);
  window->CurrentGraphControl()->setFocus();
  QTest::keyClick(window->CurrentGraphControl(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(users(), 0);
  editor->AddElement(graph, std::make_unique<TGCercle>(TPointD(0.01, 0.01), TPointD(0.02, 0.01)), gaCreate);
  window->findChild<QMenu *>(QStringLiteral("MenuEdition"))->aboutToShow();
  QAction *undo = window->Action(QStringLiteral("MenuEditionAnnuler"));
  EXPECT_EQ(undo->text(), QStringLiteral("Cancel Create Circle     (Ctrl A)"));
  undo->trigger();
  EXPECT_EQ(users(), 0);
}

// The results window built in each language: its menus translated, no two items of a menu
// (or of the menu bar) sharing an accelerator letter.
TEST_F(ResForm, EveryLanguagesMenusHaveDistinctAccelerators) {
  for (const QString &language : InterfaceLanguages()) {
    ASSERT_TRUE(InstallTranslators(language)) << language.toStdString();
    TResForm other(TResLinks{&calc, &grids, &memory, &formules, &source, &data, &options, {}, {}});
    other.Serveur = &serveur;
    other.resize(1100, 700);
    other.ShowView(rvTemps);
    QCoreApplication::processEvents();
    const auto *print = other.findChild<QAction *>(QStringLiteral("MenuFichierImprimer"));
    ASSERT_NE(print, nullptr);
    if (language == QLatin1String("en"))
      EXPECT_EQ(print->text(), QStringLiteral("Print"));
    else
      EXPECT_NE(print->text(), QStringLiteral("Print")) << language.toStdString();
    const QStringList clashes = kolibra::testing::AcceleratorClashes(other);
    EXPECT_TRUE(clashes.isEmpty())
        << language.toStdString() << ":\n  " << clashes.join(QStringLiteral("\n  ")).toStdString();
  }
  InstallTranslators(QStringLiteral("en"));
}

}  // namespace kolibra::results::res_form_test
