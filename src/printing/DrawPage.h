#pragma once
// One drawing of the page for the preview, the printer and the PDF: the title as header
// (and footer in "Double"), the picture or its two copies, and, for the preview only, the
// margins and the dotted frames. The painter's device may be anything; the page is mapped
// onto it at a given number of device pixels per 0.01 mm.

#include "printing/PrintLayout.h"

#include <QString>

class QPainter;

namespace kolibra::printing {

struct TPageDrawing {
  double PixelsPerGm = 1.0;  // device pixels per 0.01 mm
  bool Margins = false;      // dotted silver margin lines (preview)
  bool Frames = false;       // dotted frame of the picture (preview)
};

void DrawPage(QPainter &painter, TPrintLayout &layout, const TPageDrawing &drawing);

// The page as a one-page A4 PDF (in the layout's orientation, without frame or margins),
// written atomically; false when the file could not be written.
bool SavePagePdf(TPrintLayout &layout, const QString &fileName, const QString &documentTitle);

}  // namespace kolibra::printing
