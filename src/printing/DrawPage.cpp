#include "printing/DrawPage.h"

#include "kit/AtomicFile.h"

#include <QBuffer>
#include <QPen>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace kolibra::printing {

namespace draw_page {

// The resolution of the PDFs: fine enough for any printer.
constexpr int PdfResolution = 1200;

QRectF DeviceRect(const TGmRect &rect, double scale) {
  return QRectF(rect.Left * scale, rect.Top * scale, rect.Width() * scale, rect.Height() * scale);
}

void DrawTitle(QPainter &painter, const TPageSetup &setup, const QString &text, const TGmRect &band, double scale) {
  if (text.isEmpty() || band.Height() <= 0) return;
  QFont font(setup.FontName);
  font.setPixelSize(std::max(1, RoundClamped(setup.HeaderHeight() * scale)));
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(DeviceRect(band, scale), Qt::AlignCenter | Qt::TextDontClip, text);
}

void DrawDotted(QPainter &painter, const TGmRect &rect, double scale, const QColor &color) {
  QPen pen(color);
  pen.setStyle(Qt::DotLine);
  pen.setCosmetic(true);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(DeviceRect(rect, scale));
}

}  // namespace draw_page

void DrawPage(QPainter &painter, TPrintLayout &layout, const TPageDrawing &drawing) {
  using namespace draw_page;
  const TPageContent page = layout.Page(drawing.Frames);
  const TPageSetup &setup = layout.Setup();
  const double scale = drawing.PixelsPerGm;
  const TGmValue width = setup.PageWidth();
  const TGmValue height = setup.PageHeight();
  painter.save();
  if (drawing.Margins) {
    DrawDotted(painter, {setup.MarginLeft, setup.MarginTop, width - setup.MarginRight, height - setup.MarginBottom},
               scale, QColor(192, 192, 192));
  }
  const TGmRect header{setup.MarginLeft, setup.MarginTop, width - setup.MarginRight,
                       setup.MarginTop + setup.HeaderHeight()};
  DrawTitle(painter, setup, page.Header, header, scale);
  if (!page.Footer.isEmpty()) {
    const TGmRect footer{setup.MarginLeft, height - setup.MarginBottom - setup.FooterHeight(),
                         width - setup.MarginRight, height - setup.MarginBottom};
    DrawTitle(painter, setup, page.Footer, footer, scale);
  }
  if (const IGraphDrawing *graph = layout.Graphic().Drawing()) {
    for (const TGmRect &picture : page.Pictures) {
      painter.save();
      graph->Draw(painter, DeviceRect(picture, scale));
      painter.restore();
    }
  }
  if (drawing.Frames) {
    if (page.Frame) DrawDotted(painter, *page.Frame, scale, Qt::black);
    if (page.Rubber) DrawDotted(painter, *page.Rubber, scale, Qt::black);
  }
  painter.restore();
}

bool SavePagePdf(TPrintLayout &layout, const QString &fileName, const QString &documentTitle) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return false;
    QPdfWriter writer(&buffer);
    writer.setResolution(draw_page::PdfResolution);
    writer.setTitle(documentTitle);
    writer.setCreator(QStringLiteral("Kolibra"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     layout.Setup().Orientation == TOrientation::Portrait ? QPageLayout::Portrait
                                                                                           : QPageLayout::Landscape,
                                     QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    TPageDrawing drawing;
    drawing.PixelsPerGm = draw_page::PdfResolution / 2540.0;
    DrawPage(painter, layout, drawing);
    painter.end();
  }
  return !bytes.isEmpty() && WriteFileAtomically(fileName, bytes);
}

}  // namespace kolibra::printing
