#pragma once
// A print without the window, as kolibra-cli asks for it: the graph laid out by one of the
// two templates as the print window lays out a new picture, optionally in "Double", with a
// title, and the page saved as a one-page A4 PDF through the same page drawing as the
// preview and the printer.

#include "printing/PrintLayout.h"

#include <QString>

#include <memory>

namespace kolibra::printing {

enum class TPrintTemplate { TopCentered, FullPage };

struct TPrintRequest {
  TPrintTemplate Template = TPrintTemplate::TopCentered;
  bool Double = false;  // "Double" applies "Top centered" itself
  QString Title;
  QString FontName = QStringLiteral("Arial");
  int FontHeight = 30;  // points
};

// The layout of a request, as the window would show it after the same clicks.
void ApplyPrintRequest(TPrintLayout &layout, const TPrintRequest &request);

// Lays graph out and writes the page to fileName (replaced only once complete). False with
// the reason in error when the graph is empty or the file cannot be written.
bool PrintGraphToPdf(std::shared_ptr<const IGraphDrawing> graph, const TPrintRequest &request,
                     const QString &fileName, QString &error);

}  // namespace kolibra::printing
