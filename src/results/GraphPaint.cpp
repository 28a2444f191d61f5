// Painting the graph into its back buffer or a vector picture, and the pictures it hands
// out: SVG files, bitmaps and the clipboard.
#include "results/Graph.h"

#include "kit/AtomicFile.h"
#include "kit/Locale.h"
#include "kit/MathUtils.h"
#include "results/GraphCanvas.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QLinearGradient>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>

namespace kolibra::results {

namespace graph_paint_impl {

constexpr int DotsPerMeter = 3780;  // 96 dots per inch, the screen's: fonts keep their size

QLinearGradient PlotGradient(const QRect &plot, TColor begin, TColor end) {
  QLinearGradient gradient(plot.topLeft(), plot.bottomLeft());
  gradient.setColorAt(0.0, begin.ToQColor());
  gradient.setColorAt(1.0, end.ToQColor());
  return gradient;
}

}  // namespace graph_paint_impl

void TGraph::RenderBackground() {
  const int w = PlotWidth() + 1, h = PlotHeight() + 1;
  if (FWidth <= 0 || FHeight <= 0) {
    Background = QImage();
    return;
  }
  Background = QImage(w, h, QImage::Format_RGB32);
  QPainter painter(&Background);
  painter.fillRect(Background.rect(), graph_paint_impl::PlotGradient(QRect(0, 0, w, h), ColorBegin, ColorEnd));
}

const QImage &TGraph::Picture() {
  if (FWidth <= 0 || FHeight <= 0) {
    BackBuffer = QImage();
    return BackBuffer;
  }
  if (BackBuffer.size() != QSize(FWidth, FHeight)) {
    BackBuffer = QImage(FWidth, FHeight, QImage::Format_RGB32);
    BackBuffer.setDotsPerMeterX(graph_paint_impl::DotsPerMeter);
    BackBuffer.setDotsPerMeterY(graph_paint_impl::DotsPerMeter);
    Stale = true;
  }
  if (Background.isNull()) RenderBackground();
  if (Stale) {
    QPainter painter(&BackBuffer);
    Paint(painter, false);
    Stale = false;
  }
  return BackBuffer;
}

void TGraph::Paint(QPainter &painter, bool vector) {
  const QRect plot = PlotRect();
  painter.save();
  painter.setFont(GraphFont(10));
  painter.setPen(QPen(Qt::black, 1));
  // Margins in the axis colour, then the plot background.
  painter.fillRect(QRect(0, 0, FWidth, FHeight), ColorAxe.ToQColor());
  if (vector)
    painter.fillRect(plot, graph_paint_impl::PlotGradient(plot, ColorBegin, ColorEnd));
  else
    painter.drawImage(plot.topLeft(), Background);

  if (IsSourceImgVisible) {
    TGraphCanvas canvas(painter, plot, vector);
    FSourceImg->Draw(canvas);
  }

  FAxeX.Visible = IsAxeXVisible;
  FAxeY.Visible = IsAxeYVisible;
  FAxeX.Titre = TitreAxeX;
  FAxeY.Titre = TitreAxeY;
  FAxeX.TitreFromEdge = TitreAxeXFromEdge;
  FAxeY.TitreFromEdge = TitreAxeYFromEdge;
  FAxeX.Color = ColorAxe;
  FAxeY.Color = ColorAxe;
  FAxeX.Draw(painter, PlotWidth(), PlotHeight());
  FAxeY.Draw(painter, PlotWidth(), PlotHeight());

  {
    TGraphCanvas canvas(painter, plot, vector);
    if (IsOrigineVisible) FOrigine->Draw(canvas);
    for (auto &e : FElements) e->Draw(canvas);
    for (auto &e : FElements)
      if (e->ObjectType == obModele) {
        auto *m = static_cast<TGModele *>(e.get());
        if (vector || !m->Panel.Visible) m->DrawLegend(canvas);
      }
  }

  if (!vector && FZoom.Dragging) {
    painter.setPen(QPen(QColor(128, 128, 128), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(FZoom.Rect());
  }
  if (!vector && RangeDragging) {
    // The abscissas a Shift-drag of the model tools will fit.
    const int left = std::min(RangeStart.X, RangeEnd.X), right = std::max(RangeStart.X, RangeEnd.X);
    painter.fillRect(QRect(left, plot.top(), right - left + 1, plot.height()), QColor(0, 150, 150, 40));
  }
  if (!vector && FEditor && DrawsRubberBand(FTool)) {
    painter.save();
    painter.setClipRect(plot);
    FEditor->PaintRubberBand(*this, painter);
    painter.restore();
  }
  PaintScaleBars(painter);

  if (!vector) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::black);
    painter.drawRect(QRect(plot.left() - 1, plot.top() - 1, plot.width() + 1, plot.height() + 1));
    // A raised frame round the whole control.
    painter.setPen(Qt::white);
    painter.drawLine(0, FHeight - 1, 0, 0);
    painter.drawLine(0, 0, FWidth - 1, 0);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(FWidth - 1, 0, FWidth - 1, FHeight - 1);
    painter.drawLine(FWidth - 1, FHeight - 1, 0, FHeight - 1);
  }
  // Step 12: the bubble, then the modeller panels (on screen only).
  Bulle.Paint(painter);
  if (!vector) {
    for (auto &e : FElements)
      if (e->ObjectType == obModele) static_cast<TGModele *>(e.get())->Panel.Paint(painter);
  }
  painter.restore();
}

void TGraph::PaintScaleBars(QPainter &painter) {
  painter.save();
  painter.setFont(GraphFont(8));
  const QFontMetrics metrics(painter.font());
  const int length = FLEchelleEnPixels;
  const auto caption = [&](int left, int right, const QString &text) {
    const int w = metrics.horizontalAdvance(text);
    painter.drawText(QRect((left + right - w) / 2, 5, w + 2, metrics.height()), Qt::AlignLeft | Qt::AlignTop, text);
  };
  if (IsDessinerEchelleDistances && PlotWidth() > 0) {
    const int right = FWidth - 20, left = right - length;
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(left, 20, right, 20);
    const double world = std::fabs(ScreenToWorld(right, 20).X - ScreenToWorld(left, 20).X);
    caption(left, right, GeneralFormat(world, 3) + QStringLiteral(" m"));
  }
  if (IsDessinerEchelleVecteurs && FVectorParamIndex >= 0 && FVectorParamIndex < int(FVectorParams.size())) {
    const int left = 20, right = 20 + length;
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(left, 20, right, 20);
    painter.drawLine(right, 20, right - 5, 15);
    painter.drawLine(right, 20, right - 5, 25);
    caption(left, right,
            GeneralFormat(FVectorScaleValue, 4) + QLatin1Char(' ') + FVectorParams[size_t(FVectorParamIndex)]->Unite);
  }
  painter.restore();
}

// ---------------------------------------------------------------------------------------------
// Pictures
// ---------------------------------------------------------------------------------------------

QPicture TGraph::VectorPicture() {
  QPicture picture;
  picture.setBoundingRect(QRect(0, 0, FWidth, FHeight));
  QPainter painter(&picture);
  Paint(painter, true);
  painter.end();
  return picture;
}

QByteArray TGraph::SvgData() {
  const QPicture picture = VectorPicture();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(FWidth, FHeight));
  generator.setViewBox(QRect(0, 0, FWidth, FHeight));
  generator.setResolution(96);
  generator.setTitle(QStringLiteral("Kolibra"));
  QPainter painter(&generator);
  painter.drawPicture(0, 0, picture);
  painter.end();
  return bytes;
}

bool TGraph::SavePicture(const QString &fileName, QString *error) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  QByteArray bytes;
  if (suffix == QLatin1String("svg")) {
    bytes = SvgData();
  } else {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QByteArray format = suffix.isEmpty() ? QByteArray("png") : suffix.toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format) || !Picture().save(&buffer, format.constData())) {
      if (error != nullptr)
        *error = QCoreApplication::translate(
            "GraphText", "Pictures are saved as .svg, .png, .bmp or .jpg files.");
      return false;
    }
  }
  if (!WriteFileAtomically(fileName, bytes)) {
    if (error != nullptr)
      *error = QCoreApplication::translate("GraphText", "Unable to write %1.").arg(fileName);
    return false;
  }
  return true;
}

void TGraph::CopyPicture() {
  auto *data = new QMimeData;
  data->setImageData(Picture());
  data->setData(QStringLiteral("image/svg+xml"), SvgData());
  QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace kolibra::results
