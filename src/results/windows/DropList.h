#pragma once
// TDropList: the drop-down lists of the results window's choice panel. One kind holds a
// single choice (a combo box); the other holds several (a button that opens a list of check
// boxes, which stays open while the user ticks). Items may carry a legend: an object's or a
// formula's symbol in its colour, drawn on the left as the legends of the graphs show it.

#include "kit/Color.h"

#include <QComboBox>
#include <QToolButton>

#include <functional>
#include <vector>

class QListWidget;
class QListWidgetItem;
class QMenu;

namespace kolibra::results {

// An item of a list: its text and, when Motif >= 0, a symbol of that kind in Colour.
struct TDropItem {
  QString Text;
  int Motif = -1;
  TColor Colour{};
  bool Header = false;  // a caption between groups, not checkable
};

// The legend picture of a symbol (16 x 16).
QIcon LegendIcon(int motif, TColor colour);

class TDropList : public QComboBox {
  Q_OBJECT

 public:
  explicit TDropList(QWidget *parent = nullptr);
  void SetItems(const std::vector<TDropItem> &items, int current);
  std::function<void(int)> OnChange;
};

class TDropCheckList : public QToolButton {
  Q_OBJECT

 public:
  explicit TDropCheckList(QWidget *parent = nullptr);
  // Items and which are checked (by item index; headers are never checked).
  void SetItems(const std::vector<TDropItem> &items, const std::vector<bool> &checked);
  std::vector<bool> Checked() const;
  void SetChecked(int index, bool checked);
  QListWidget *List() const { return FList; }
  // The items checked, by index, after each tick.
  std::function<void(const std::vector<bool> &)> OnChange;
  // What the button shows when nothing is checked (empty: the checked items' texts).
  QString Placeholder;
  QString Caption;  // fixed text instead of the checked items' texts

 private:
  void ItemChanged(QListWidgetItem *item);
  void UpdateText();

  QMenu *FMenu = nullptr;
  QListWidget *FList = nullptr;
  bool Filling = false;
};

}  // namespace kolibra::results
