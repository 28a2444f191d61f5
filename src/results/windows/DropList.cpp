#include "results/windows/DropList.h"

#include "measurement/GraphUtils.h"

#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QWidgetAction>

namespace kolibra::results {

namespace drop_list_impl {

// The legends of the lists: each item on white (a light blue-grey when selected), the text
// 17 px from the left and, for a checked item, its symbol centred 7 px from the left.
class TLegendDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override {
    painter->save();
    const bool selected = (option.state & (QStyle::State_Selected | QStyle::State_MouseOver)) != 0;
    painter->fillRect(option.rect, selected ? QColor(232, 239, 241) : QColor(Qt::white));
    const bool header = index.data(Qt::UserRole + 2).toBool();
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    const int motif = index.data(Qt::UserRole).toInt();
    const QRect box(option.rect.left() + 1, option.rect.center().y() - 5, 11, 11);
    if (!header) {
      painter->setPen(QColor(150, 150, 150));
      painter->drawRect(box);
    }
    if (checked) {
      if (motif >= 0) {
        measurement::CreateGraphUtils()->DrawMotifKind(painter, TPoint(option.rect.left() + 7, option.rect.center().y()),
                                                      TColor(index.data(Qt::UserRole + 1).toUInt()), 0, motif);
      } else {
        painter->setPen(QPen(QColor(31, 59, 115), 2));
        painter->drawLine(box.left() + 2, box.center().y(), box.center().x(), box.bottom() - 2);
        painter->drawLine(box.center().x(), box.bottom() - 2, box.right() - 2, box.top() + 2);
      }
    }
    QFont font = option.font;
    font.setBold(header);
    painter->setFont(font);
    painter->setPen(Qt::black);
    painter->drawText(option.rect.adjusted(header ? 2 : 17, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override {
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    return QSize(size.width() + 24, std::max(size.height(), 20));
  }
};

}  // namespace drop_list_impl

QIcon LegendIcon(int motif, TColor colour) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  if (motif >= 0) {
    QPainter painter(&pixmap);
    measurement::CreateGraphUtils()->DrawMotifKind(&painter, TPoint(8, 8), colour, 0, motif);
  }
  return QIcon(pixmap);
}

TDropList::TDropList(QWidget *parent) : QComboBox(parent) {
  setSizeAdjustPolicy(QComboBox::AdjustToContents);
  connect(this, &QComboBox::activated, this, [this](int index) {
    if (OnChange) OnChange(index);
  });
}

void TDropList::SetItems(const std::vector<TDropItem> &items, int current) {
  const QSignalBlocker blocker(this);
  clear();
  for (const TDropItem &item : items) {
    if (item.Motif >= 0)
      addItem(LegendIcon(item.Motif, item.Colour), item.Text);
    else
      addItem(item.Text);
  }
  setCurrentIndex(current >= 0 && current < count() ? current : (count() > 0 ? 0 : -1));
}

TDropCheckList::TDropCheckList(QWidget *parent) : QToolButton(parent) {
  setPopupMode(QToolButton::InstantPopup);
  setToolButtonStyle(Qt::ToolButtonTextOnly);
  FMenu = new QMenu(this);
  FList = new QListWidget(FMenu);
  FList->setItemDelegate(new drop_list_impl::TLegendDelegate(FList));
  FList->setFrameShape(QFrame::NoFrame);
  FList->setMouseTracking(true);
  auto *action = new QWidgetAction(FMenu);
  action->setDefaultWidget(FList);
  FMenu->addAction(action);
  setMenu(FMenu);
  connect(FList, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) { ItemChanged(item); });
  // A click anywhere on a line ticks it, not only on its box.
  connect(FList, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
    if (!(item->flags() & Qt::ItemIsUserCheckable)) return;
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
  });
}

void TDropCheckList::SetItems(const std::vector<TDropItem> &items, const std::vector<bool> &checked) {
  Filling = true;
  FList->clear();
  for (size_t i = 0; i < items.size(); ++i) {
    auto *item = new QListWidgetItem(items[i].Text, FList);
    item->setData(Qt::UserRole, items[i].Motif);
    item->setData(Qt::UserRole + 1, uint(items[i].Colour.Value));
    item->setData(Qt::UserRole + 2, items[i].Header);
    if (items[i].Header) {
      item->setFlags(Qt::ItemIsEnabled);
    } else {
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
      item->setCheckState(i < checked.size() && checked[i] ? Qt::Checked : Qt::Unchecked);
    }
  }
  int width = 120;
  for (int i = 0; i < FList->count(); ++i) width = std::max(width, FList->sizeHintForColumn(0) + 8);
  FList->setFixedSize(width, std::min(400, FList->count() * 22 + 4));
  Filling = false;
  UpdateText();
}

std::vector<bool> TDropCheckList::Checked() const {
  std::vector<bool> checked;
  for (int i = 0; i < FList->count(); ++i) checked.push_back(FList->item(i)->checkState() == Qt::Checked);
  return checked;
}

void TDropCheckList::SetChecked(int index, bool checked) {
  if (QListWidgetItem *item = FList->item(index)) item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void TDropCheckList::ItemChanged(QListWidgetItem *) {
  if (Filling) return;
  UpdateText();
  if (OnChange) OnChange(Checked());
}

void TDropCheckList::UpdateText() {
  if (!Caption.isEmpty()) {
    setText(Caption + QStringLiteral(" ▾"));
    return;
  }
  QStringList names;
  for (int i = 0; i < FList->count(); ++i)
    if (FList->item(i)->checkState() == Qt::Checked) names << FList->item(i)->text();
  QString text = names.isEmpty() ? Placeholder : names.join(QStringLiteral(", "));
  const QFontMetrics metrics(font());
  text = metrics.elidedText(text, Qt::ElideRight, 260);
  setText(text + QStringLiteral(" ▾"));
}

}  // namespace kolibra::results
