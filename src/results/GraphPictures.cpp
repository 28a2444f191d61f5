#include "results/GraphPictures.h"

#include "kit/MessageBox.h"
#include "results/Graph.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>

namespace kolibra::results {

namespace graph_pictures_impl {

QString Tr(const char *text) { return QCoreApplication::translate("TResForm", text); }

const char *const Extensions[] = {"svg", "bmp", "png"};

}  // namespace graph_pictures_impl

QString PictureFileFilter() {
  using graph_pictures_impl::Tr;
  return Tr("Scalable Vector Graphics (*.svg)") + QStringLiteral("|*.svg|") + Tr("Bitmap (*.bmp)") +
         QStringLiteral("|*.bmp|") + Tr("Portable Network Graphics (*.png)") + QStringLiteral("|*.png");
}

QString ForcedPictureName(const QString &chosen, int filterIndex) {
  const QString extension = QString::fromLatin1(graph_pictures_impl::Extensions[std::clamp(filterIndex, 1, 3) - 1]);
  const QFileInfo info(chosen);
  const QString base = info.suffix().isEmpty() ? chosen : chosen.left(chosen.size() - info.suffix().size() - 1);
  return base + QLatin1Char('.') + extension;
}

TScaleBarsScope::TScaleBarsScope(TGraph &graph, bool on)
    : Graph(graph), Distances(graph.IsDessinerEchelleDistances), Vectors(graph.IsDessinerEchelleVecteurs) {
  if (!on) return;
  Graph.IsDessinerEchelleDistances = true;
  Graph.IsDessinerEchelleVecteurs = true;
  Graph.Invalidate();
}

TScaleBarsScope::~TScaleBarsScope() {
  Graph.IsDessinerEchelleDistances = Distances;
  Graph.IsDessinerEchelleVecteurs = Vectors;
  Graph.Invalidate();
}

bool SaveGraphPictureAs(TGraph &graph, const QString &chosen, int filterIndex, bool bothScaleBars,
                        QString *savedName) {
  using graph_pictures_impl::Tr;
  const QString name = ForcedPictureName(chosen, filterIndex);
  // The dialog asked about the name as typed; another extension may name an existing file.
  if (QFileInfo::exists(name)) {
    const int answer = TMessageBox(icConfirmation)
                           .AddFileName(name)
                           .AddLine(Tr("A file with the same name already exists. Overwrite ?"))
                           .AddButton(Tr("No"))
                           .AddButton(Tr("Yes"))
                           .Execute();
    if (answer != 1) return false;
  }
  bool written = false;
  {
    TScaleBarsScope bars(graph, bothScaleBars);
    written = graph.SavePicture(name);
  }
  if (!written) {
    TMessageBox(icWarning)
        .AddLine(Tr("The file creation in the selected directory has failed."))
        .AddLine(Tr("Check your access rights to this directory."))
        .AddButton(Tr("Ok"))
        .Execute();
    return false;
  }
  const QString suffix = QFileInfo(name).suffix().toUpper();
  TMessageBox(icInformation)
      .AddLine(suffix == QLatin1String("SVG") ? Tr("Saving to a file complete.") : Tr("Saving to an image file complete."))
      .AddLine(Tr("File extension is %1.").arg(suffix))
      .AddButton(Tr("Ok"))
      .Execute();
  if (savedName != nullptr) *savedName = name;
  return true;
}

bool CopyGraphPicture(TGraph &graph, bool bothScaleBars) {
  using graph_pictures_impl::Tr;
  {
    TScaleBarsScope bars(graph, bothScaleBars);
    graph.CopyPicture();
  }
  const QMimeData *data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasImage()) {
    TMessageBox(icWarning).AddLine(Tr("The file copy to the clipboard has failed.")).AddButton(Tr("Ok")).Execute();
    return false;
  }
  TMessageBox(icInformation)
      .AddLine(Tr("Copy to clipboard done."))
      .AddLine(Tr("After closing this window, open another program and press Ctrl+V simultaneously (or click Edit > "
                  "Paste)."))
      .AddLine(Tr("The pasted image can be disassembled."))
      .AddButton(Tr("Ok"))
      .Execute();
  return true;
}

QSize TGraphPrintDrawing::PixelSize() const { return QSize(Graph.Width(), Graph.Height()); }

void TGraphPrintDrawing::Draw(QPainter &painter, const QRectF &target) const {
  // White backgrounds for the time of the drawing.
  const TColor axe = Graph.ColorAxe, begin = Graph.ColorBegin, end = Graph.ColorEnd;
  Graph.ColorAxe = colors::clWhite;
  Graph.SetGradient(colors::clWhite, colors::clWhite);
  QPicture picture;
  {
    TScaleBarsScope bars(Graph, BothBars);
    picture = Graph.VectorPicture();
  }
  Graph.ColorAxe = axe;
  Graph.SetGradient(begin, end);
  if (Graph.Width() <= 0 || Graph.Height() <= 0) return;
  painter.save();
  painter.translate(target.topLeft());
  painter.scale(target.width() / Graph.Width(), target.height() / Graph.Height());
  painter.drawPicture(0, 0, picture);
  painter.restore();
}

}  // namespace kolibra::results
