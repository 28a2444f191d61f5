#pragma once
// TDatasheetView: the results window's datasheet (Grid). It shows the active datasheet of the
// results (TResGrid) cell by cell, painting each cell with the drawing helpers' grid-cell
// painter: the point numbers in the fixed column; the control row (row 0), the symbols, the
// units and the names in the four fixed rows; the values below in each quantity's colour.
// Only the visible cells are painted, so a datasheet of ten thousand samples scrolls as fast
// as a short one.
//
// A click in the control row asks to hide the column or to change its number of significant
// digits (OnControlClick, with the point's distance from the cell's left edge and the cell's
// width); a click on a data row tells which sample it holds (OnRowClick). The row of
// CurrentSample (the frame shown in the main window) is framed.

#include <QAbstractScrollArea>

#include <functional>
#include <vector>

namespace kolibra::kinematics {
class TResGrid;
}

namespace kolibra::results {

class TDatasheetView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit TDatasheetView(QWidget *parent = nullptr);

  void SetGrid(const kinematics::TResGrid *grid);
  // The grid's size or texts changed: widths, scroll ranges and the picture again.
  void Refill();
  void SetCurrentSample(int sample);
  int CurrentSample() const { return FCurrentSample; }
  // Scrolls so that a sample's row is visible.
  void ShowSample(int sample);

  int ColumnWidth(int col) const { return col >= 0 && col < int(Widths.size()) ? Widths[size_t(col)] : 0; }
  int RowHeight() const { return FRowHeight; }
  // The cell's rectangle in the viewport (scrolling applied); empty when off the grid.
  QRect CellRect(int col, int row) const;

  std::function<void(int col, int x, int width)> OnControlClick;
  std::function<void(int sample)> OnRowClick;

 protected:
  void paintEvent(QPaintEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseMoveEvent(QMouseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void UpdateScrollBars();
  // The column and row under a viewport point (-1 when none).
  bool CellAt(const QPoint &at, int &col, int &row) const;
  void PaintCell(QPainter &painter, int col, int row, const QRect &rect) const;
  int FixedWidth() const;
  int FixedHeight() const;

  const kinematics::TResGrid *Grid = nullptr;
  std::vector<int> Widths;
  int FRowHeight = 20;
  int FCurrentSample = -1;
};

}  // namespace kolibra::results
