// The print window as a user drives it: its controls and texts, the preview's zoom, the
// mouse moving the picture on the preview, "Double" and the templates setting the buttons'
// states, the title, "Save as PDF" with its question before replacing a file, and "Print"
// through the dialog, which without a printer is preset to a PDF named from the graph.

#include "printing/PdfProbe.h"
#include "printing/StandInGraph.h"
#include "printing/windows/BoiteImprimer.h"
#include "printing/windows/GmPreview.h"

#include "kit/MessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace kolibra::printing::testing {

namespace {

void SendMouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

class BoiteImprimerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(1200, 800);
    ASSERT_TRUE(window.SetGraphic(TStandInGraph(QSize(800, 600)), QStringLiteral("Parabole - trajectory")));
  }

  QString Text(const char *name) const {
    const QString object = QLatin1String(name);
    if (auto *box = window.findChild<QGroupBox *>(object)) return box->title();
    if (auto *label = window.findChild<QLabel *>(object)) return label->text();
    if (auto *button = window.findChild<QAbstractButton *>(object)) return button->text();
    return QStringLiteral("<missing>");
  }

  QPoint PixelOf(TGmPoint point) const { return window.Preview()->PagePixel(point); }

  QTemporaryDir dir;
  TBoiteImprimer window;
};

TEST_F(BoiteImprimerTest, ControlsAndTexts) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Print"));
  const std::pair<const char *, const char *> texts[] = {
      {"GroupBoxTitre", "Title"},          {"LabelZoom", "Zoom:"},
      {"GroupBoxOrientation", "Orientation"}, {"LabelPortrait", "Portrait"},
      {"LabelPaysage", "Landscape"},       {"GroupBoxMiseEnPage", "Quick page setup"},
      {"LabelCentreHaut", "Top centered"}, {"LabelPleinePage", "Full page"},
      {"GroupBoxImpression", "Print"},     {"ButtonImprimer", "Print"},
      {"CheckBoxMiroir", "Double"},        {"ButtonPdf", "Save as PDF"},
  };
  for (const auto &[name, text] : texts) EXPECT_EQ(Text(name), QLatin1String(text)) << name;
  const std::pair<QWidget *, const char *> hints[] = {
      {window.Preview(), "Pan or adjust frame dimensions with left mouse button"},
      {window.EditTitre, "Add a title"},
      {window.FontComboBoxTitre, "Select a font for title"},
      {window.EditHauteur, "Title font height"},
      {window.UpDownTitre, "Change font height"},
      {window.GroupBoxOrientation, "Landscape mode rotates the graph 90 degrees from its default orientation"},
      {window.GroupBoxMiseEnPage, "Select a template"},
      {window.GroupBoxImpression, "Simple custom printing or automatic double"},
  };
  for (const auto &[widget, hint] : hints) {
    EXPECT_EQ(widget->statusTip(), QLatin1String(hint)) << widget->objectName().toStdString();
    EXPECT_TRUE(widget->toolTip().isEmpty());
  }
  // The long hint shows in the status bar while the pointer is over its control.
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(window.GroupBoxMiseEnPage, &enter);
  EXPECT_EQ(window.StatusBar->currentMessage(), QStringLiteral("Select a template"));

  EXPECT_EQ(window.TrackBar->minimum(), 10);
  EXPECT_EQ(window.TrackBar->maximum(), 100);
  EXPECT_EQ(window.TrackBar->tickInterval(), 10);
  EXPECT_EQ(window.UpDownTitre->Value(), 30);
  EXPECT_EQ(window.EditHauteur->text(), QStringLiteral("30"));
  EXPECT_TRUE(window.EditHauteur->isReadOnly());
  EXPECT_TRUE(window.ButtonPortrait->isChecked());
  EXPECT_FALSE(window.CheckBoxMiroir->isChecked());
  EXPECT_EQ(window.font().family(), QStringLiteral("Arial"));
  EXPECT_GE(window.minimumWidth(), 612);
  EXPECT_GE(window.minimumHeight(), 452);
  // Every group box sits 15 pixels right of the preview.
  EXPECT_EQ(window.GroupBoxTitre->x(), window.Preview()->geometry().right() + 1 + 15);
  EXPECT_EQ(window.GroupBoxImpression->x(), window.GroupBoxTitre->x());
}

TEST_F(BoiteImprimerTest, ThePreviewShowsTheWholeGraphAndTheTrackBarZooms) {
  const QSize viewport = window.Preview()->maximumViewportSize();
  const int expected = std::clamp(
      int(std::lround(100.0 * std::min((viewport.height() - 120) / 600.0, (viewport.width() - 120) / 800.0))), 10, 100);
  EXPECT_EQ(window.TrackBar->value(), expected);
  EXPECT_EQ(window.Preview()->Zoom(), expected);
  window.TrackBar->setValue(50);
  EXPECT_EQ(window.Preview()->Zoom(), 50);
  EXPECT_EQ(window.Layout().Zoom(), 50);
  const double pageWidth = 21000 * 0.5 * window.Layout().Graphic().ScreenPixelsPerInch / 2540.0;
  EXPECT_NEAR(window.Preview()->Page()->width(), pageWidth + 2 * TGmPreview::Border, 1.0);
}

TEST_F(BoiteImprimerTest, TheMouseMovesThePictureAndAGraphOfTheSameSizeKeepsIt) {
  const TGmRect frame = window.Layout().Graphic().Frame();
  QWidget *page = window.Preview()->Page();
  const QPoint inside = PixelOf({(frame.Left + frame.Right) / 2, (frame.Top + frame.Bottom) / 2});
  const QPoint target = inside + QPoint(30, 40);
  SendMouse(page, QEvent::MouseMove, inside, Qt::NoButton);
  EXPECT_EQ(page->cursor().shape(), Qt::SizeAllCursor);
  SendMouse(page, QEvent::MouseButtonPress, inside, Qt::LeftButton);
  SendMouse(page, QEvent::MouseMove, target, Qt::LeftButton);
  SendMouse(page, QEvent::MouseButtonRelease, target, Qt::NoButton);
  const TGmPoint moved = window.Preview()->PagePoint(target) - window.Preview()->PagePoint(inside);
  const TGmPoint expected = TGmPoint{frame.Left, frame.Top} + moved;
  EXPECT_EQ(window.Layout().Graphic().PagePosition, expected);
  EXPECT_GT(moved.X, 0);
  EXPECT_EQ(page->cursor().shape(), Qt::ArrowCursor);

  // The bottom-right corner handle shows its arrow.
  const TGmRect after = window.Layout().Graphic().Frame();
  SendMouse(page, QEvent::MouseMove, PixelOf({after.Right, after.Bottom}), Qt::NoButton);
  EXPECT_EQ(page->cursor().shape(), Qt::SizeFDiagCursor);

  // A new picture of the same size keeps the place; another size gets "Top centered".
  ASSERT_TRUE(window.SetGraphic(TStandInGraph(QSize(800, 600))));
  EXPECT_EQ(window.Layout().Graphic().PagePosition, expected);
  ASSERT_TRUE(window.SetGraphic(TStandInGraph(QSize(600, 600))));
  EXPECT_EQ(window.Layout().Graphic().PagePosition.Y, window.Layout().TopOffset());
  EXPECT_FALSE(window.SetGraphic(TStandInGraph(QSize(0, 600))));
}

TEST_F(BoiteImprimerTest, DoubleAndTheTemplatesSetTheButtons) {
  QWidget *const guarded[] = {window.ButtonPortrait,     window.ButtonPaysage,   window.ButtonPortraitHaut,
                              window.ButtonPleinePage,   window.EditTitre,       window.FontComboBoxTitre,
                              window.EditHauteur,        window.UpDownTitre};
  window.ButtonPleinePage->click();
  EXPECT_TRUE(window.ButtonPaysage->isChecked());
  EXPECT_EQ(window.Layout().Setup().Orientation, TOrientation::Landscape);

  window.CheckBoxMiroir->click();
  EXPECT_TRUE(window.Layout().IsDouble());
  EXPECT_TRUE(window.Layout().Setup().FooterVisible);
  EXPECT_TRUE(window.ButtonPortrait->isChecked()) << "Double applies Top centered";
  for (QWidget *widget : guarded) EXPECT_FALSE(widget->isEnabled()) << widget->objectName().toStdString();
  // The mouse no longer moves the picture.
  const TGmPoint before = window.Layout().Graphic().PagePosition;
  const TGmRect frame = window.Layout().Graphic().Frame();
  const QPoint inside = PixelOf({(frame.Left + frame.Right) / 2, (frame.Top + frame.Bottom) / 2});
  SendMouse(window.Preview()->Page(), QEvent::MouseButtonPress, inside, Qt::LeftButton);
  SendMouse(window.Preview()->Page(), QEvent::MouseMove, inside + QPoint(40, 40), Qt::LeftButton);
  SendMouse(window.Preview()->Page(), QEvent::MouseButtonRelease, inside + QPoint(40, 40), Qt::NoButton);
  EXPECT_EQ(window.Layout().Graphic().PagePosition, before);

  window.CheckBoxMiroir->click();
  EXPECT_FALSE(window.Layout().IsDouble());
  EXPECT_FALSE(window.Layout().Setup().FooterVisible);
  for (QWidget *widget : guarded) EXPECT_TRUE(widget->isEnabled()) << widget->objectName().toStdString();

  // Landscape turns the sheet: the picture keeps its scale and stays centred under the title,
  // (29700 - 21000) / 2 = 4350 further right.
  const TGmRect kept = window.Layout().Graphic().Frame();
  window.ButtonPaysage->click();
  EXPECT_EQ(window.Layout().Setup().Orientation, TOrientation::Landscape);
  EXPECT_EQ(window.Layout().Graphic().Frame(), (TGmRect{kept.Left + 4350, kept.Top, kept.Right + 4350, kept.Bottom}));
}

TEST_F(BoiteImprimerTest, CloseAndTheSavedPdfsPath) {
  EXPECT_EQ(Text("ButtonFermer"), QStringLiteral("Close"));
  EXPECT_FALSE(window.LabelPdfSaved->isVisibleTo(&window)) << "nothing saved yet";

  window.AskPdfFileName = [&](const QString &) { return dir.filePath(QStringLiteral("trajectory")); };
  window.ButtonPdf->click();
  const QString written = QDir::toNativeSeparators(dir.filePath(QStringLiteral("trajectory.pdf")));
  ASSERT_TRUE(QFile::exists(written));
  EXPECT_EQ(window.StatusBar->currentMessage(), QStringLiteral("The page was saved as ") + written);
  EXPECT_TRUE(window.LabelPdfSaved->isVisibleTo(&window));
  EXPECT_TRUE(window.LabelPdfSaved->text().startsWith(QStringLiteral("PDF saved:\n")));
  EXPECT_EQ(window.LabelPdfSaved->toolTip(), written);
  // The label fits its group: the path may lose its middle, never its end.
  EXPECT_LE(window.LabelPdfSaved->geometry().right(), window.GroupBoxImpression->contentsRect().right());
  EXPECT_TRUE(window.LabelPdfSaved->text().endsWith(QStringLiteral("trajectory.pdf")));
  // A hint passes over the status bar; the path comes back when the pointer leaves.
  QEvent enter(QEvent::Enter), leave(QEvent::Leave);
  QApplication::sendEvent(window.GroupBoxMiseEnPage, &enter);
  EXPECT_EQ(window.StatusBar->currentMessage(), QStringLiteral("Select a template"));
  QApplication::sendEvent(window.GroupBoxMiseEnPage, &leave);
  EXPECT_EQ(window.StatusBar->currentMessage(), QStringLiteral("The page was saved as ") + written);

  window.show();
  ASSERT_TRUE(window.isVisible());
  window.ButtonFermer->click();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST_F(BoiteImprimerTest, TheTitleAndItsHeight) {
  window.EditTitre->setText(QStringLiteral("Chute libre"));
  EXPECT_EQ(window.Layout().Setup().Title, QStringLiteral("Chute libre"));
  window.UpDownTitre->findChild<QToolButton *>(QStringLiteral("UpDownTitreUp"))->click();
  EXPECT_EQ(window.EditHauteur->text(), QStringLiteral("32"));
  EXPECT_EQ(window.Layout().Setup().FontHeight, 32);
  window.UpDownTitre->SetValue(80);
  window.UpDownTitre->Step(1);
  EXPECT_EQ(window.UpDownTitre->Value(), 80);
  window.UpDownTitre->SetValue(10);
  window.UpDownTitre->Step(-1);
  EXPECT_EQ(window.UpDownTitre->Value(), 10);
}

TEST_F(BoiteImprimerTest, SaveAsPdfAddsTheExtensionAndAsksBeforeReplacing) {
  if (!PopplerPresent()) GTEST_SKIP() << "poppler-utils are not installed";
  window.EditTitre->setText(QStringLiteral("Chute libre"));
  QString proposed;
  window.AskPdfFileName = [&](const QString &name) {
    proposed = name;
    return dir.filePath(QStringLiteral("page"));
  };
  TScriptedMessageBox boxes;
  window.ButtonPdf->click();
  EXPECT_TRUE(proposed.endsWith(QStringLiteral("/Parabole - trajectory.pdf"))) << proposed.toStdString();
  const QString file = dir.filePath(QStringLiteral("page.pdf"));
  TPdfProbe pdf = ProbePdf(file);
  EXPECT_EQ(pdf.PageSize, A4Portrait);
  EXPECT_EQ(pdf.Text.count(QStringLiteral("Chute libre")), 1);
  EXPECT_EQ(boxes.Count(), 0);

  // Again, in "Double": the question; "Cancel" keeps the old page, "Ok" replaces it.
  window.CheckBoxMiroir->click();
  boxes.Answer(0);
  window.ButtonPdf->click();
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_TRUE(boxes.Last().Text().contains(QStringLiteral("Overwrite ?")));
  EXPECT_EQ(ProbePdf(file).Text.count(QStringLiteral("Chute libre")), 1);
  boxes.Answer(1);
  window.ButtonPdf->click();
  EXPECT_EQ(boxes.Count(), 2);
  pdf = ProbePdf(file);
  EXPECT_EQ(pdf.Text.count(QStringLiteral("Chute libre")), 2);
  EXPECT_EQ(pdf.Text.count(QStringLiteral("GRAPH")), 2);
  // The next proposal is in the folder used.
  EXPECT_TRUE(window.ProposedPdfName().startsWith(dir.path()));

  // A folder that does not exist: the error, no file.
  EXPECT_FALSE(window.SavePdfAs(dir.filePath(QStringLiteral("nowhere/page.pdf"))));
  EXPECT_EQ(boxes.Count(), 3);
  EXPECT_EQ(boxes.Last().Icon, icError);
}

TEST_F(BoiteImprimerTest, PrintGoesThroughTheDialogToTheSamePage) {
  if (!PopplerPresent()) GTEST_SKIP() << "poppler-utils are not installed";
  window.EditTitre->setText(QStringLiteral("Chute libre"));
  window.ButtonPleinePage->click();
  const QString file = dir.filePath(QStringLiteral("printed.pdf"));
  bool shown = false;
  window.ExecPrintDialog = [&](QPrinter &printer) {
    shown = true;
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_TRUE(printer.fullPage());
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
      // No printer: the dialog opens on a PDF named from the graph.
      EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
      EXPECT_TRUE(printer.outputFileName().endsWith(QStringLiteral("Parabole - trajectory.pdf")));
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return true;
  };
  window.ButtonImprimer->click();
  EXPECT_TRUE(shown);
  const TPdfProbe pdf = ProbePdf(file);
  EXPECT_EQ(pdf.PageSize, A4Landscape);
  EXPECT_EQ(pdf.Text.count(QStringLiteral("Chute libre")), 1);
  EXPECT_EQ(pdf.Text.count(QStringLiteral("GRAPH")), 1);

  // Cancelled: nothing printed.
  QFile::remove(file);
  window.ExecPrintDialog = [&](QPrinter &printer) {
    printer.setOutputFileName(file);
    return false;
  };
  window.ButtonImprimer->click();
  EXPECT_FALSE(QFile::exists(file));
}

}  // namespace

}  // namespace kolibra::printing::testing
