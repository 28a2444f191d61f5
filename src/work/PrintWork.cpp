#include "work/PrintWork.h"

#include "printing/GraphSnapshot.h"
#include "work/GraphCli.h"
#include "results/GraphPictures.h"

#include <QDir>
#include <QTextStream>

namespace kolibra::work {

bool IsPrintableView(const QString &name) {
  return name == QLatin1String("time") || name == QLatin1String("trajectory") || name == QLatin1String("vectors");
}

int PrintWork(const QString &workFile, const QString &output, const QString &view, const printing::TPrintRequest &request,
              QTextStream &err) {
  work::TGraphRequest graphRequest;
  graphRequest.WorkFile = workFile;
  graphRequest.View = view;
  work::TWorkGraph graph;
  if (graph.Build(graphRequest, err) != 0) return 1;
  const results::TGraphPrintDrawing drawing(graph.Graph(), graph.IsVectors());
  QString error;
  if (!PrintGraphToPdf(SnapshotOf(drawing), request, output, error)) {
    err << error << Qt::endl;
    return 1;
  }
  return 0;
}

}  // namespace kolibra::work
