#pragma once
// TBoiteImprimer: the print window. The results window hands it the graph to print (any
// IGraphDrawing) and shows it modally; the window keeps a copy of the graph, lays it out on
// an A4 page in its preview (TGmPreview) by the rules of TPrintLayout, and prints the page
// through the system print dialog or saves it as a PDF. The preview, the printer and the PDF
// all draw the page with the one DrawPage.
//
// The window lives as long as the program: the title, its font and height, the orientation,
// "Double" and, for a graph of the same pixel size, the layout and the zoom survive from one
// print to the next.

#include "printing/PrintLayout.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QFontComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSlider;
class QStatusBar;
class QToolButton;

namespace kolibra::printing {

class TGmPreview;

// The title height's up-down buttons: 10 to 80 in steps of 2.
class TUpDown : public QWidget {
  Q_OBJECT

 public:
  explicit TUpDown(QWidget *parent = nullptr);
  int Value() const { return Position; }
  void SetValue(int value);
  void Step(int steps);

  static constexpr int Min = 10;
  static constexpr int Max = 80;
  static constexpr int Increment = 2;

 signals:
  // The value after a step.
  void Changed(int value);

 private:
  int Position = 30;
};

class TBoiteImprimer : public QDialog {
  Q_OBJECT

 public:
  explicit TBoiteImprimer(QWidget *parent = nullptr);

  // The graph to print and a name for it (the PDF's proposed name). An empty graph is
  // ignored: false.
  bool SetGraphic(const IGraphDrawing &graph, const QString &graphName = QString());
  // SetGraphic, then the window shown modally.
  void PrintGraph(const IGraphDrawing &graph, const QString &graphName = QString());

  // The commands, as the buttons run them.
  void ButtonImprimerClick();
  void SavePdfClick();
  // The page on a printer the caller prepared (the print command after the dialog).
  bool PrintOn(QPrinter &printer);
  // The printer before the dialog: A4 in the layout's orientation, the whole sheet; without
  // any printer installed, PDF output to the proposed file.
  void PreparePrinter(QPrinter &printer) const;
  // The page as a PDF under fileName (".pdf" added when missing), asking before replacing a
  // file; false when cancelled or failed (the user was told why). The written file's path is
  // then shown under the buttons and in the status bar.
  bool SavePdfAs(const QString &fileName);
  // The proposed PDF: the graph's name (else the title, else "Graph") in the folder of the
  // program's save rule, asked for the last folder used here.
  QString ProposedPdfName() const;

  TPrintLayout &Layout() { return PageLayout; }
  TGmPreview *Preview() const { return GmPreview; }

  // The file dialog of "Save as PDF" (tests answer it): the chosen name, empty when cancelled.
  std::function<QString(const QString &proposed)> AskPdfFileName;
  // The system print dialog (tests answer it): true when the user accepted.
  std::function<bool(QPrinter &printer)> ExecPrintDialog;
  // The program's save folder for a folder asked (kit/SaveDialogRule.h, with the options'
  // default folder and the recent-files folder); without it, the rule with neither.
  std::function<QString(const QString &asked)> SaveFolder;

 protected:
  void resizeEvent(QResizeEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

 private:
  void CreateControls();
  void SetHint(QWidget *widget, const QString &hint);
  void PlaceControls();
  void EditTitreChange();
  void CheckBoxMiroirClick(bool checked);
  void ApplyTemplate(bool fullPage);
  void SetOrientation(TOrientation orientation);
  // The buttons and the enabled states from the layout, then the page redrawn.
  void SyncControls();

  TPrintLayout PageLayout;
  QString GraphName;
  QString LastFolder;
  // The status bar's message between hints: where the last PDF was written.
  QString SavedMessage;

 public:
  // Components, named as their objects.
  TGmPreview *GmPreview = nullptr;
  QGroupBox *GroupBoxTitre = nullptr;
  QLineEdit *EditTitre = nullptr;
  QFontComboBox *FontComboBoxTitre = nullptr;
  QLineEdit *EditHauteur = nullptr;
  TUpDown *UpDownTitre = nullptr;
  QLabel *LabelZoom = nullptr;
  QSlider *TrackBar = nullptr;
  QGroupBox *GroupBoxOrientation = nullptr;
  QToolButton *ButtonPortrait = nullptr;
  QLabel *LabelPortrait = nullptr;
  QToolButton *ButtonPaysage = nullptr;
  QLabel *LabelPaysage = nullptr;
  QGroupBox *GroupBoxMiseEnPage = nullptr;
  QToolButton *ButtonPortraitHaut = nullptr;
  QLabel *LabelCentreHaut = nullptr;
  QToolButton *ButtonPleinePage = nullptr;
  QLabel *LabelPleinePage = nullptr;
  QGroupBox *GroupBoxImpression = nullptr;
  QPushButton *ButtonImprimer = nullptr;
  QPushButton *ButtonPdf = nullptr;
  QCheckBox *CheckBoxMiroir = nullptr;
  QPushButton *ButtonFermer = nullptr;
  QLabel *LabelPdfSaved = nullptr;
  QStatusBar *StatusBar = nullptr;
};

}  // namespace kolibra::printing
