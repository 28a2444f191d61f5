#include "results/windows/Datasheet.h"

#include "kinematics/ResultFacades.h"
#include "measurement/DrawHelpers.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>

namespace kolibra::results {

namespace datasheet_impl {

constexpr int MinWidth = 64;        // room for the two arrows and the cross of the control row
constexpr int MeasuredRows = 400;   // data rows measured for the widths (first and last ones)
constexpr int PointNumbersWidth = 48;

const TColor ControlBack = TColor::FromRgb(235, 235, 235);
const TColor SymbolBack = TColor::FromRgb(226, 219, 226);
const TColor NameBack = TColor::FromRgb(219, 223, 226);
const TColor FixedBack = TColor::FromRgb(212, 208, 200);

QString ControlHint() {
  return QCoreApplication::translate("ResFormText",
                                     "Hide column or change the number of significant digits");
}

}  // namespace datasheet_impl

TDatasheetView::TDatasheetView(QWidget *parent) : QAbstractScrollArea(parent) {
  setObjectName(QStringLiteral("Grid"));
  viewport()->setMouseTracking(true);
  QPalette palette = viewport()->palette();
  palette.setColor(QPalette::Base, QColor(255, 252, 255));
  viewport()->setPalette(palette);
  viewport()->setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);
}

void TDatasheetView::SetGrid(const kinematics::TResGrid *grid) {
  Grid = grid;
  Refill();
}

void TDatasheetView::Refill() {
  using namespace datasheet_impl;
  Widths.clear();
  const QFontMetrics metrics(font());
  QFont bold = font();
  bold.setBold(true);
  const QFontMetrics boldMetrics(bold);
  FRowHeight = metrics.height() + 6;
  if (Grid != nullptr) {
    const int cols = Grid->ColCount(), rows = Grid->RowCount();
    for (int c = 0; c < cols; ++c) {
      int width = c == 0 ? PointNumbersWidth : MinWidth;
      const auto measure = [&](int r) {
        const QString text = Grid->Cell(c, r);
        const int w = (r == 1 ? boldMetrics : metrics).horizontalAdvance(text) + 12;
        width = std::max(width, w);
      };
      for (int r = 1; r < std::min(rows, 4 + MeasuredRows); ++r) measure(r);
      for (int r = std::max(4 + MeasuredRows, rows - MeasuredRows); r < rows; ++r) measure(r);
      Widths.push_back(std::min(width, 400));
    }
  }
  UpdateScrollBars();
  viewport()->update();
}

int TDatasheetView::FixedWidth() const { return Widths.empty() ? 0 : Widths.front(); }

int TDatasheetView::FixedHeight() const { return kinematics::GridFixedRows * FRowHeight; }

void TDatasheetView::UpdateScrollBars() {
  int total = 0;
  for (size_t c = 1; c < Widths.size(); ++c) total += Widths[c];
  const int visibleWidth = std::max(0, viewport()->width() - FixedWidth());
  horizontalScrollBar()->setRange(0, std::max(0, total - visibleWidth));
  horizontalScrollBar()->setPageStep(visibleWidth);
  horizontalScrollBar()->setSingleStep(20);
  const int dataRows = Grid != nullptr ? std::max(0, Grid->RowCount() - kinematics::GridFixedRows) : 0;
  const int visibleRows = std::max(1, (viewport()->height() - FixedHeight()) / std::max(1, FRowHeight));
  verticalScrollBar()->setRange(0, std::max(0, dataRows - visibleRows));
  verticalScrollBar()->setPageStep(visibleRows);
  verticalScrollBar()->setSingleStep(1);
}

void TDatasheetView::resizeEvent(QResizeEvent *event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void TDatasheetView::scrollContentsBy(int, int) { viewport()->update(); }

QRect TDatasheetView::CellRect(int col, int row) const {
  if (Grid == nullptr || col < 0 || col >= int(Widths.size()) || row < 0 || row >= Grid->RowCount()) return QRect();
  int x = 0;
  if (col > 0) {
    x = FixedWidth() - horizontalScrollBar()->value();
    for (int c = 1; c < col; ++c) x += Widths[size_t(c)];
  }
  int y = row * FRowHeight;
  if (row >= kinematics::GridFixedRows) y -= verticalScrollBar()->value() * FRowHeight;
  return QRect(x, y, Widths[size_t(col)], FRowHeight);
}

bool TDatasheetView::CellAt(const QPoint &at, int &col, int &row) const {
  col = row = -1;
  if (Grid == nullptr || Widths.empty()) return false;
  if (at.y() < FixedHeight()) {
    row = at.y() / FRowHeight;
  } else {
    row = (at.y() - FixedHeight()) / FRowHeight + kinematics::GridFixedRows + verticalScrollBar()->value();
  }
  if (at.x() < FixedWidth()) {
    col = 0;
  } else {
    int x = FixedWidth() - horizontalScrollBar()->value();
    for (int c = 1; c < int(Widths.size()); ++c) {
      if (at.x() >= x && at.x() < x + Widths[size_t(c)]) {
        col = c;
        break;
      }
      x += Widths[size_t(c)];
    }
  }
  return col >= 0 && row >= 0 && row < Grid->RowCount();
}

void TDatasheetView::PaintCell(QPainter &painter, int col, int row, const QRect &rect) const {
  using namespace datasheet_impl;
  using namespace measurement;
  const TColor text = TColor::FromQColor(palette().color(QPalette::ButtonText));
  const QString cell = Grid->Cell(col, row);
  if (col == 0) {
    DrawGridCell(&painter, rect, FixedBack, cell, row < kinematics::GridFixedRows ? gcFrame : gcFrame | gcCentered, 0, text);
    return;
  }
  switch (row) {
    case 0:
      DrawGridCell(&painter, rect, ControlBack, QString(),
                   col == 1 ? gcCentered | gcFrame | gcSpinArrows : gcCentered | gcFrame | gcSpinArrows | gcDeleteCross, 0,
                   text);
      return;
    case 1: DrawGridCell(&painter, rect, SymbolBack, cell, gcCentered | gcFrame, fsBold, text); return;
    case 2:
    case 3: DrawGridCell(&painter, rect, NameBack, cell, gcCentered | gcFrame, 0, text); return;
    default: DrawGridCell(&painter, rect, Grid->CellColor(col), cell, 0, 0, text); return;
  }
}

void TDatasheetView::paintEvent(QPaintEvent *) {
  if (Grid == nullptr || Widths.empty()) return;
  QPainter painter(viewport());
  painter.setFont(font());
  const int cols = int(Widths.size()), rows = Grid->RowCount();
  const int first = kinematics::GridFixedRows + verticalScrollBar()->value();
  const int last = std::min(rows - 1, first + (viewport()->height() - FixedHeight()) / std::max(1, FRowHeight) + 1);
  const QRect scrolling(FixedWidth(), 0, viewport()->width() - FixedWidth(), viewport()->height());
  // Data cells, then the fixed rows over them, then the fixed column over everything.
  painter.save();
  painter.setClipRect(scrolling.adjusted(0, FixedHeight(), 0, 0));
  for (int r = first; r <= last; ++r)
    for (int c = 1; c < cols; ++c) {
      const QRect rect = CellRect(c, r);
      if (rect.right() < FixedWidth() || rect.left() > viewport()->width()) continue;
      PaintCell(painter, c, r, rect);
    }
  painter.restore();
  painter.save();
  painter.setClipRect(scrolling);
  for (int r = 0; r < kinematics::GridFixedRows; ++r)
    for (int c = 1; c < cols; ++c) {
      const QRect rect = CellRect(c, r);
      if (rect.right() < FixedWidth() || rect.left() > viewport()->width()) continue;
      PaintCell(painter, c, r, rect);
    }
  painter.restore();
  for (int r = 0; r < kinematics::GridFixedRows; ++r) PaintCell(painter, 0, r, CellRect(0, r));
  painter.save();
  painter.setClipRect(QRect(0, FixedHeight(), FixedWidth(), viewport()->height()));
  for (int r = first; r <= last; ++r) PaintCell(painter, 0, r, CellRect(0, r));
  painter.restore();
  // The sample shown in the main window.
  if (FCurrentSample >= 0) {
    const int row = FCurrentSample + kinematics::GridFixedRows;
    if (row >= first && row <= last) {
      QRect band(0, CellRect(0, row).top(), viewport()->width(), FRowHeight);
      painter.setPen(QPen(QColor(31, 59, 115), 2));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(band.adjusted(1, 1, -1, -1));
    }
  }
}

void TDatasheetView::mousePressEvent(QMouseEvent *event) {
  int col = -1, row = -1;
  if (event->button() != Qt::LeftButton || !CellAt(event->position().toPoint(), col, row)) return;
  if (row == 0 && col >= 1) {
    const QRect rect = CellRect(col, row);
    if (OnControlClick) OnControlClick(col, event->position().toPoint().x() - rect.left(), rect.width());
    return;
  }
  if (row >= kinematics::GridFixedRows) {
    SetCurrentSample(row - kinematics::GridFixedRows);
    if (OnRowClick) OnRowClick(FCurrentSample);
  }
}

void TDatasheetView::mouseMoveEvent(QMouseEvent *event) {
  int col = -1, row = -1;
  const bool over = CellAt(event->position().toPoint(), col, row) && row == 0 && col >= 1;
  viewport()->setToolTip(over ? datasheet_impl::ControlHint() : QString());
}

void TDatasheetView::keyPressEvent(QKeyEvent *event) {
  if (Grid == nullptr) return;
  const int samples = Grid->RowCount() - kinematics::GridFixedRows;
  int sample = FCurrentSample;
  switch (event->key()) {
    case Qt::Key_Up: sample = std::max(0, sample - 1); break;
    case Qt::Key_Down: sample = std::min(samples - 1, sample + 1); break;
    case Qt::Key_PageUp: sample = std::max(0, sample - verticalScrollBar()->pageStep()); break;
    case Qt::Key_PageDown: sample = std::min(samples - 1, sample + verticalScrollBar()->pageStep()); break;
    case Qt::Key_Home: sample = 0; break;
    case Qt::Key_End: sample = samples - 1; break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
  }
  if (sample < 0 || sample == FCurrentSample) return;
  SetCurrentSample(sample);
  ShowSample(sample);
  if (OnRowClick) OnRowClick(sample);
}

void TDatasheetView::SetCurrentSample(int sample) {
  if (sample == FCurrentSample) return;
  FCurrentSample = sample;
  viewport()->update();
}

void TDatasheetView::ShowSample(int sample) {
  if (sample < 0) return;
  QScrollBar *bar = verticalScrollBar();
  if (sample < bar->value())
    bar->setValue(sample);
  else if (sample >= bar->value() + bar->pageStep())
    bar->setValue(sample - bar->pageStep() + 1);
}

}  // namespace kolibra::results
