#include "printing/PrintJob.h"

#include "printing/DrawPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kolibra::printing {

void ApplyPrintRequest(TPrintLayout &layout, const TPrintRequest &request) {
  layout.SetTitle(request.Title, request.FontName, request.FontHeight);
  if (request.Template == TPrintTemplate::FullPage)
    layout.ApplyFullPage();
  else
    layout.ApplyTopCentered();
  layout.SetDouble(request.Double);
}

bool PrintGraphToPdf(std::shared_ptr<const IGraphDrawing> graph, const TPrintRequest &request,
                     const QString &fileName, QString &error) {
  TPrintLayout layout;
  // The preview's size only decides the zoom, which a file does not have.
  if (!layout.SetGraphic(std::move(graph), QSize(1000, 700))) {
    error = QCoreApplication::translate("PrintJob", "The graph is empty: there is nothing to print.");
    return false;
  }
  ApplyPrintRequest(layout, request);
  const QString title = request.Title.isEmpty() ? QFileInfo(fileName).completeBaseName() : request.Title;
  if (!SavePagePdf(layout, fileName, title)) {
    error = QCoreApplication::translate("PrintJob", "The file cannot be written: %1")
                .arg(QDir::toNativeSeparators(fileName));
    return false;
  }
  return true;
}

}  // namespace kolibra::printing
