#pragma once
// kolibra-cli print: a results view of a work file on a page. The work is loaded and the view
// built as kolibra-cli graph builds it (the results window's own rules), the graph handed over
// as the results window hands it to the print window, and the page laid out and written by
// the print job (PrintJob.h): the same layout and drawing as the print window's.

#include "printing/PrintJob.h"

#include <QString>

class QTextStream;

namespace kolibra::work {

// The views a page can show.
bool IsPrintableView(const QString &name);  // "time", "trajectory" or "vectors"

// The process exit status: 0 once the PDF is written, 1 with the reason on err.
int PrintWork(const QString &workFile, const QString &output, const QString &view, const printing::TPrintRequest &request,
              QTextStream &err);

}  // namespace kolibra::work
