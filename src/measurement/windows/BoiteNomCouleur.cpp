#include "measurement/windows/BoiteNomCouleur.h"

#include "dialogs/DialogLook.h"
#include "kit/Hint.h"
#include "measurement/Data.h"
#include "measurement/DrawHelpers.h"
#include "measurement/GraphUtils.h"
#include "measurement/NomCouleurModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace kolibra::measurement {

namespace boite_nom_couleur_impl {

constexpr int kPictureHeight = 105;
const TColor kEvenRowColour = TColor::FromRgb(232, 239, 241);
const TColor kArrowBrush = TColor::FromRgb(205, 91, 92);

QColor ToColour(TColor colour, const QPalette &palette) { return colour.ToQColor(palette); }

// A 3-D frame: light top-left, shadow bottom-right.
void Frame3D(QPainter *p, const QRect &r, const QColor &topLeft, const QColor &bottomRight) {
  p->setPen(topLeft);
  p->drawLine(r.topLeft(), r.topRight());
  p->drawLine(r.topLeft(), r.bottomLeft());
  p->setPen(bottomRight);
  p->drawLine(r.bottomLeft(), r.bottomRight());
  p->drawLine(r.topRight(), r.bottomRight());
}

// The eye of the visibility column's heading.
void DrawEye(QPainter *p, const QRect &cell) {
  const QRectF eye(cell.left() + 3, cell.top() + cell.height() / 2.0 - 5, 22, 10);
  p->save();
  p->setRenderHint(QPainter::Antialiasing);
  QPainterPath outline;
  outline.moveTo(eye.left(), eye.center().y());
  outline.quadTo(eye.center().x(), eye.top() - 5, eye.right(), eye.center().y());
  outline.quadTo(eye.center().x(), eye.bottom() + 5, eye.left(), eye.center().y());
  p->setPen(QPen(Qt::black, 1));
  p->setBrush(Qt::white);
  p->drawPath(outline);
  p->setBrush(QColor(40, 90, 160));
  p->drawEllipse(eye.center(), 3.5, 3.5);
  p->setBrush(Qt::black);
  p->drawEllipse(eye.center(), 1.5, 1.5);
  p->restore();
}

// The red arrow of the symbol column's heading: from the right edge, 2 pixels above
// mid-height, to the middle, then down to the bottom with a filled head.
void DrawDownArrow(QPainter *p, const QRect &cell) {
  const int y = cell.center().y() - 2;
  const int x = cell.center().x();
  p->setPen(QPen(Qt::red, 1));
  p->drawLine(cell.right(), y, x, y);
  p->drawLine(x, y, x, cell.bottom() - 4);
  const QPoint head[] = {QPoint(x - 4, cell.bottom() - 4), QPoint(x + 4, cell.bottom() - 4), QPoint(x, cell.bottom())};
  p->setBrush(kArrowBrush.ToQColor());
  p->drawPolygon(head, 3);
}

class TCellPainter : public QStyledItemDelegate {
 public:
  TCellPainter(TNomCouleurModel &model, QObject *parent) : QStyledItemDelegate(parent), Model(model) {}

  void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override {
    const int col = index.column();
    const int row = index.row();
    const QRect r = option.rect;
    const QPalette &palette = option.palette;
    p->save();
    if (Model.IsHeadingCell(col, row)) {
      p->fillRect(r, palette.color(QPalette::Button));
      Frame3D(p, r.adjusted(0, 0, -1, -1), palette.color(QPalette::Light), palette.color(QPalette::Dark));
      PaintHeading(p, r, col, row, palette);
      p->restore();
      return;
    }
    p->fillRect(r, row % 2 == 1 ? palette.color(QPalette::Base) : kEvenRowColour.ToQColor());
    switch (Model.Content(col, row)) {
      case ncSwatch: {
        const QRect swatch = r.adjusted(10, 2, -10, -2);
        Frame3D(p, swatch, palette.color(QPalette::Dark), palette.color(QPalette::Light));
        p->fillRect(swatch.adjusted(1, 1, -1, -1), ToColour(Model.SwatchColor(row), palette));
        break;
      }
      case ncVisibility: {
        const QRect box(r.center().x() - 6, r.center().y() - 6, 12, 12);
        p->setPen(Qt::black);
        if (Model.ObjectVisible(row))
          DrawCrossedRect(p, box);
        else
          DrawRectOutline(p, box);
        Frame3D(p, box.adjusted(-1, -1, 1, 1), palette.color(QPalette::Dark), palette.color(QPalette::Light));
        break;
      }
      case ncSymbol:
        CreateGraphUtils()->DrawObjectMotif(p, TPoint(r.center().x(), r.center().y()),
                                            Model.ColourOf(row), 0, row - 1);
        break;
      case ncText:
        p->setPen(palette.color(QPalette::Text));
        p->drawText(r.adjusted(2, 4, 0, 0), Qt::AlignLeft | Qt::AlignTop, Model.Cell(col, row));
        break;
      default:
        break;
    }
    p->restore();
  }

 private:
  void PaintHeading(QPainter *p, const QRect &r, int col, int row, const QPalette &palette) const {
    const QString text = Model.Cell(col, row);
    if (row == 0 && col == 2) DrawEye(p, r);
    if (row == 0 && col == 3) DrawDownArrow(p, r);
    if (row == 0 && col == 4) {
      p->setPen(Qt::red);
      const int y = r.center().y() - 2;
      p->drawLine(r.left() - 2, y, r.left() + 3, y);
      p->drawText(r.adjusted(7, 1, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
      return;
    }
    p->setPen(palette.color(QPalette::ButtonText));
    p->drawText(r.adjusted(2, 1, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
  }

  TNomCouleurModel &Model;
};

// The example picture: how names read once chosen.
class TExamplePicture : public QWidget {
 public:
  explicit TExamplePicture(QWidget *parent) : QWidget(parent) {
    setFixedHeight(kPictureHeight);
    setStatusTip(LongHint(QCoreApplication::translate(
        "BoiteNomCouleurText", "|The names will be used to clarify the results")));
  }

 protected:
  void paintEvent(QPaintEvent *) override {
    QPainter p(this);
    const QPalette &palette = this->palette();
    p.fillRect(rect(), palette.color(QPalette::ToolTipBase));
    Frame3D(&p, rect().adjusted(0, 0, -1, -1), palette.color(QPalette::Light), palette.color(QPalette::Dark));
    Frame3D(&p, rect().adjusted(1, 1, -2, -2), palette.color(QPalette::Light), palette.color(QPalette::Dark));
    int x = 8;
    int y = 4;
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(Qt::black);
    const QFontMetrics boldMetrics(bold);
    p.drawText(x, y + boldMetrics.ascent(), TNomCouleurModel::ExamplesTitle());
    p.setFont(font());
    const QFontMetrics metrics(font());
    y += metrics.height() + 8;
    const TColor colours[] = {colors::clRed, colors::clBlue, colors::clGreen};
    const QStringList endings = TNomCouleurModel::ExampleEndings();
    for (int k = 0; k < 3; ++k) {
      p.setPen(Qt::black);
      p.drawText(x, y + metrics.ascent(), TNomCouleurModel::ExampleMark());
      x += metrics.horizontalAdvance(TNomCouleurModel::ExampleMark()) + 10;
      CreateGraphUtils()->DrawObjectMotif(&p, TPoint(x, y + metrics.height() / 2), colours[k], 0, k);
      x += 12;
      p.setPen(Qt::black);
      p.drawText(x, y + metrics.ascent(), TNomCouleurModel::ExampleLocates());
      x += metrics.horizontalAdvance(TNomCouleurModel::ExampleLocates() + QStringLiteral("  "));
      p.setPen(colours[k].ToQColor());
      p.drawText(x, y + metrics.ascent(), endings.value(k));
      y += int(std::lround(1.2 * metrics.height()));
      x = 8;
    }
  }
};

}  // namespace boite_nom_couleur_impl

void TBoiteNomCouleur::Execute(TData &data, bool layerMarking) {
  using namespace boite_nom_couleur_impl;
  TNomCouleurModel model(data, layerMarking);

  QDialog form(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint);
  dialogs::ApplyDialogLook(
      form, QStringLiteral("BoiteNomCouleur"),
      QCoreApplication::translate("BoiteNomCouleurText", "Change name and colour of every mark"),
      Font, BackGroundColor);
  form.setMinimumWidth(520);

  auto *grid = new QTableWidget(model.RowCount(), TNomCouleurModel::ColCount, &form);
  grid->setObjectName(QStringLiteral("StringGrid"));
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
  grid->setMouseTracking(true);
  grid->setItemDelegate(new TCellPainter(model, grid));
  const int widths[] = {25, 40, 28, 25};
  for (int c = 0; c < 4; ++c) grid->setColumnWidth(c, widths[c]);
  grid->setColumnWidth(TNomCouleurModel::MassCol, 80);
  grid->horizontalHeader()->setSectionResizeMode(4, QHeaderView::Stretch);
  for (int row = 0; row < model.RowCount(); ++row) {
    for (int col = 0; col < TNomCouleurModel::ColCount; ++col) {
      auto *item = new QTableWidgetItem(model.Cell(col, row));
      Qt::ItemFlags flags = Qt::ItemIsEnabled;
      if (model.CanEdit(col, row)) flags |= Qt::ItemIsSelectable | Qt::ItemIsEditable;
      item->setFlags(flags);
      grid->setItem(row, col, item);
    }
  }
  // At most a third of the screen's height; the grid scrolls beyond.
  const int rowsHeight = (grid->verticalHeader()->defaultSectionSize() + 1) * model.RowCount() + 2;
  int third = rowsHeight;
  if (const QScreen *screen = QGuiApplication::primaryScreen()) third = screen->availableGeometry().height() / 3;
  grid->setFixedHeight(std::min(third, rowsHeight));

  auto *centre = new QCheckBox(TNomCouleurModel::CentreCaption(), &form);
  centre->setObjectName(QStringLiteral("CheckBoxCentre"));
  centre->setChecked(model.CentreShown());
  QObject::connect(centre, &QCheckBox::toggled, &form, [&model](bool on) { model.SetCentreShown(on); });

  auto *picture = new TExamplePicture(&form);
  picture->setObjectName(QStringLiteral("Image"));
  auto *ok = new QPushButton(QCoreApplication::translate("BoiteNomCouleurText", "Ok"), &form);
  ok->setObjectName(QStringLiteral("BitBtnOk"));
  ok->setDefault(true);
  auto *status = new QStatusBar(&form);
  status->setObjectName(QStringLiteral("StatusBar"));
  status->setSizeGripEnabled(false);

  auto *layout = new QVBoxLayout(&form);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(grid);
  layout->addWidget(centre);
  layout->addWidget(picture);
  layout->addSpacing(7);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->addSpacing(7);
  layout->addWidget(status);

  QObject::connect(grid, &QTableWidget::itemChanged, &form, [&model, status](QTableWidgetItem *item) {
    model.SetCell(item->column(), item->row(), item->text());
    status->showMessage(LongHint(item->column() == TNomCouleurModel::MassCol ? model.Hint(item->column(), item->row())
                                                                             : TNomCouleurModel::EditingHint()));
  });
  QObject::connect(grid, &QTableWidget::cellEntered, &form, [&model, grid, status](int row, int col) {
    status->showMessage(LongHint(model.Hint(col, row)));
    grid->viewport()->setCursor(model.HandCursor(col, row) ? Qt::PointingHandCursor : Qt::ArrowCursor);
  });
  QObject::connect(grid, &QTableWidget::cellPressed, &form, [this, &model, &form, grid](int row, int col) {
    if (model.ClickPicksColour(col, row)) {
      const QColor initial = model.ColourOf(row).ToQColor();
      QColor chosen = PickColour ? PickColour(initial, &form)
                                 : QColorDialog::getColor(initial, &form, QString(), QColorDialog::DontUseNativeDialog);
      // A cancelled dialog leaves its starting colour, which is set again.
      if (!chosen.isValid()) chosen = initial;
      model.ApplyColour(row, TColor::FromQColor(chosen));
    } else if (model.ClickTogglesVisibility(col, row)) {
      model.ToggleVisibility(row);
    }
    grid->viewport()->update();
  });
  QObject::connect(ok, &QPushButton::clicked, &form, &QDialog::accept);

  dialogs::CentreOnScreen(form);
  if (OnShown) QTimer::singleShot(0, &form, [this, &form] { OnShown(&form); });
  form.exec();
  // A name still being typed counts as typed: leaving its cell commits it.
  grid->setCurrentIndex(QModelIndex());
  model.Close();
}

}  // namespace kolibra::measurement
