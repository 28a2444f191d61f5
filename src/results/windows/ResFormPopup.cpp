// The context menu of the graphs: the construct under the mouse, the selection by type, the
// bend and direction commands, then one item per tool the view shows. What it offers is
// ResPopupStates' and ResToolStates'; this file builds the items and asks for the colour.
#include "kit/Texts.h"
#include "results/ConstructEditor.h"
#include "results/windows/GraphControl.h"
#include "results/windows/ResForm.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QCursor>
#include <QMenu>
#include <QToolButton>

namespace kolibra::results {

void TResForm::PopupContextMenu(int elementType) {
  TGraphControl *control = CurrentGraphControl();
  if (control == nullptr) return;
  TGraph &graph = control->Graph();
  TConstructEditor *editor = FModel.EditorOf(&graph);
  PopupMenu->clear();
  // The construct under the mouse is the one the first items act on.
  TGElem *clicked = nullptr;
  if (editor != nullptr) {
    const QPoint at = control->mapFromGlobal(QCursor::pos());
    clicked = ClickedConstruct(graph, elementType, TPoint(at.x(), at.y()));
    if (clicked != nullptr) editor->SelectElement(graph, clicked, false);
  }
  const TResPopupStates states = ResPopupStates(graph, editor != nullptr, clicked);
  const auto colour = [this, editor, &graph](int type) {
    const QColor chosen = QColorDialog::getColor(Qt::black, this);
    if (chosen.isValid()) editor->ColorSelection(graph, TColor::FromQColor(chosen), type);
  };
  if (states.ClickedType >= 0) {
    const int type = states.ClickedType;
    PopupMenu->addAction(ResFormText::tr("Colour"), this, [colour, type] { colour(type); });
    PopupMenu->addAction(ResFormText::tr("Duplicate"), this,
                         [editor, &graph, type] { editor->DuplicateSelection(graph, type); });
    PopupMenu->addAction(ResFormText::tr("Delete"), this,
                         [editor, &graph, type] { editor->DeleteSelection(graph, type); });
  }
  if (states.Several) {
    const auto sub = [&](const QString &caption, const std::function<void(int)> &act) {
      QMenu *menu = PopupMenu->addMenu(caption);
      menu->addAction(ResFormText::tr("All"), this, [act] { act(0); });
      for (const int type : states.SelectionTypes)
        menu->addAction(ResFormText::tr(ConstructWord(type)), this, [act, type] { act(type); });
    };
    sub(ResFormText::tr("Colour"), colour);
    sub(ResFormText::tr("Duplicate"),
        [editor, &graph](int type) { editor->DuplicateSelection(graph, type); });
    sub(ResFormText::tr("Delete"),
        [editor, &graph](int type) { editor->DeleteSelection(graph, type); });
  }
  if (states.Bend)
    PopupMenu->addAction(ResFormText::tr("Bend the arc, the circle or the ellipse"), this,
                         [this] { FButtons[rbCurveArc]->setChecked(true); });
  if (states.ChangeDirection)
    PopupMenu->addAction(ResFormText::tr("Change direction"), this,
                         [editor, &graph] { editor->ReverseSelection(graph); });
  if (!PopupMenu->isEmpty()) PopupMenu->addSeparator();
  const TResToolStates tools = ResToolStates(FModel);
  for (const TResPopupTool &tool : ResPopupTools()) {
    if (!tools[tool.Button].Visible) continue;
    QToolButton *button = FButtons[size_t(tool.Button)];
    QAction *item =
        PopupMenu->addAction(ResFormText::tr(tool.Caption), this, [button] { button->toggle(); });
    item->setCheckable(true);
    item->setChecked(button->isChecked());
  }
  PopupMenu->popup(QCursor::pos());
}

}  // namespace kolibra::results
