// The print window's outputs: the printer through the system print dialog, and the PDF.
#include "kit/Texts.h"
#include "printing/windows/BoiteImprimer.h"

#include "kit/MessageBox.h"
#include "kit/SaveDialogRule.h"
#include "printing/DrawPage.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStatusBar>

#include <algorithm>

namespace kolibra::printing {

namespace boite_imprimer_output {

// A file name from a graph's name: no folder separators or characters file systems refuse.
QString FileNameOf(const QString &name) {
  QString clean = name;
  clean.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
  return clean.trimmed();
}

bool ConfirmOverwrite(const QString &fileName) {
  TMessageBox box(icWarning);
  box.AddButton(BoiteImprimerText::tr("Cancel")).AddButton(BoiteImprimerText::tr("Ok"));
  box.AddFileName(QDir::toNativeSeparators(fileName))
      .AddEmptyLine()
      .AddLine(BoiteImprimerText::tr("A file with the same name already exists. Overwrite ?"));
  return box.Execute() == 1;
}

}  // namespace boite_imprimer_output

using namespace boite_imprimer_output;

QString TBoiteImprimer::ProposedPdfName() const {
  QString base = FileNameOf(GraphName);
  if (base.isEmpty()) base = FileNameOf(PageLayout.Setup().Title);
  if (base.isEmpty()) base = tr("Graph");
  const QString folder = SaveFolder ? SaveFolder(LastFolder) : SaveStartFolder(LastFolder, QString(), QString());
  return QDir(folder).filePath(base + QStringLiteral(".pdf"));
}

void TBoiteImprimer::PreparePrinter(QPrinter &printer) const {
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(PageLayout.Setup().Orientation == TOrientation::Portrait ? QPageLayout::Portrait
                                                                                       : QPageLayout::Landscape);
  // The page carries its own margins: the drawing starts at the sheet's corner.
  printer.setFullPage(true);
  printer.setDocName(QFileInfo(ProposedPdfName()).completeBaseName());
  if (QPrinterInfo::availablePrinterNames().isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(ProposedPdfName());
  }
}

bool TBoiteImprimer::PrintOn(QPrinter &printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  TPageDrawing drawing;
  drawing.PixelsPerGm = printer.resolution() / 2540.0;
  DrawPage(painter, PageLayout, drawing);
  return painter.end();
}

void TBoiteImprimer::ButtonImprimerClick() {
  if (PageLayout.Graphic().IsEmpty()) return;
  QPrinter printer(QPrinter::HighResolution);
  PreparePrinter(printer);
  bool accepted = false;
  if (ExecPrintDialog) {
    accepted = ExecPrintDialog(printer);
  } else {
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print"));
    accepted = dialog.exec() == QDialog::Accepted;
  }
  if (!accepted) return;
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
    LastFolder = QFileInfo(printer.outputFileName()).absolutePath();
  if (!PrintOn(printer)) ShowError({tr("The page could not be printed."), printer.printerName()});
}

void TBoiteImprimer::SavePdfClick() {
  if (PageLayout.Graphic().IsEmpty()) return;
  const QString proposed = ProposedPdfName();
  const QString chosen =
      AskPdfFileName ? AskPdfFileName(proposed)
                     : QFileDialog::getSaveFileName(this, tr("Save as PDF"), proposed, tr("PDF document (*.pdf)"),
                                                    nullptr, QFileDialog::DontConfirmOverwrite);
  if (!chosen.isEmpty()) SavePdfAs(chosen);
}

bool TBoiteImprimer::SavePdfAs(const QString &fileName) {
  QString name = fileName;
  if (!name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) name += QStringLiteral(".pdf");
  // The dialog saw the name as typed; the question is asked for the name written.
  if (QFileInfo::exists(name) && !ConfirmOverwrite(name)) return false;
  const QString title = PageLayout.Setup().Title.isEmpty() ? QFileInfo(name).completeBaseName()
                                                           : PageLayout.Setup().Title;
  if (!SavePagePdf(PageLayout, name, title)) {
    TMessageBox box(icError);
    box.AddLine(tr("The PDF document could not be saved.")).AddFileName(QDir::toNativeSeparators(name));
    box.Execute();
    return false;
  }
  LastFolder = QFileInfo(name).absolutePath();
  const QString shown = QDir::toNativeSeparators(QFileInfo(name).absoluteFilePath());
  SavedMessage = tr("The page was saved as %1").arg(shown);
  StatusBar->showMessage(SavedMessage);
  // The group is narrow: the path loses its middle there, the hint holds it whole.
  const int room = std::max(40, LabelPdfSaved->parentWidget()->contentsRect().width() - 20);
  LabelPdfSaved->setText(tr("PDF saved:") + QLatin1Char('\n') +
                         LabelPdfSaved->fontMetrics().elidedText(shown, Qt::ElideMiddle, room));
  LabelPdfSaved->setToolTip(shown);
  LabelPdfSaved->setVisible(true);
  PlaceControls();
  return true;
}

}  // namespace kolibra::printing
