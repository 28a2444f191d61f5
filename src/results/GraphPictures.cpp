#include "results/GraphPictures.h"

#include "kit/MessageBox.h"
#include "kit/Texts.h"
#include "results/Graph.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>

namespace kolibra::results {

namespace graph_pictures_impl {

const char *const Extensions[] = {"svg", "bmp", "png"};

}  // namespace graph_pictures_impl

QString PictureFileFilter() {
  return ResFormText::tr("Scalable Vector Graphics (*.svg)") + QStringLiteral("|*.svg|") +
         ResFormText::tr("Bitmap (*.bmp)") + QStringLiteral("|*.bmp|") +
         ResFormText::tr("Portable Network Graphics (*.png)") + QStringLiteral("|*.png");
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
  const QString name = ForcedPictureName(chosen, filterIndex);
  // The dialog asked about the name as typed; another extension may name an existing file.
  if (QFileInfo::exists(name)) {
    const int answer =
        TMessageBox(icConfirmation)
            .AddFileName(name)
            .AddLine(ResFormText::tr("A file with the same name already exists. Overwrite ?"))
            .AddButton(ResFormText::tr("No"))
            .AddButton(ResFormText::tr("Yes"))
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
        .AddLine(ResFormText::tr("The file creation in the selected directory has failed."))
        .AddLine(ResFormText::tr("Check your access rights to this directory."))
        .AddButton(ResFormText::tr("Ok"))
        .Execute();
    return false;
  }
  const QString suffix = QFileInfo(name).suffix().toUpper();
  TMessageBox(icInformation)
      .AddLine(suffix == QLatin1String("SVG")
                   ? ResFormText::tr("Saving to a file complete.")
                   : ResFormText::tr("Saving to an image file complete."))
      .AddLine(ResFormText::tr("File extension is %1.").arg(suffix))
      .AddButton(ResFormText::tr("Ok"))
      .Execute();
  if (savedName != nullptr) *savedName = name;
  return true;
}

bool CopyGraphPicture(TGraph &graph, bool bothScaleBars) {
  {
    TScaleBarsScope bars(graph, bothScaleBars);
    graph.CopyPicture();
  }
  const QMimeData *data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasImage()) {
    TMessageBox(icWarning)
        .AddLine(ResFormText::tr("The file copy to the clipboard has failed."))
        .AddButton(ResFormText::tr("Ok"))
        .Execute();
    return false;
  }
  TMessageBox(icInformation)
      .AddLine(ResFormText::tr("Copy to clipboard done."))
      .AddLine(ResFormText::tr("After closing this window, open another program and press Ctrl+V "
                               "simultaneously (or click Edit > "
                               "Paste)."))
      .AddLine(ResFormText::tr("The pasted image can be disassembled."))
      .AddButton(ResFormText::tr("Ok"))
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
