#include "results/GraphTools.h"

#include <QCoreApplication>

namespace kolibra::results {

namespace graph_tools_impl {

struct TToolRow {
  int Cursor;
  const char *Hint;
};

constexpr const char *SelectionHint =
    QT_TRANSLATE_NOOP("GraphText",
                      "|Click on the object or draw round the objects to select them (only the "
                      "objects entirely contained in "
                      "your selection zone will be selected)");

// Indexed by tool code; row 0 is no tool.
constexpr TToolRow Rows[GraphToolCount + 1] = {
    {0, ""},
    {31, QT_TRANSLATE_NOOP("GraphText",
                           "|Draw an acute angle defined by 2 straight lines with the mouse")},
    {31, QT_TRANSLATE_NOOP("GraphText", "|Draw an arc with the mouse")},
    {31, QT_TRANSLATE_NOOP("GraphText", "Draw a circle with the mouse from its center")},
    {31, QT_TRANSLATE_NOOP("GraphText", "|Draw an ellipse from its center with the mouse")},
    {31, QT_TRANSLATE_NOOP("GraphText", "|Draw a segment with the mouse")},
    {31, QT_TRANSLATE_NOOP("GraphText",
                           "|Left-click = add a control point; double left-click = finish")},
    {31, QT_TRANSLATE_NOOP("GraphText", "|Draw a vector with the mouse")},
    {9, QT_TRANSLATE_NOOP(
            "GraphText",
            "|Curve an arc by grabbing its circumference or its radiuses with the mouse")},
    {12, SelectionHint},
    {15, SelectionHint},
    {0, QT_TRANSLATE_NOOP("GraphText",
                          "|The mouse pointer position over the curve determines the parameter "
                          "which will be modified; press CTRL "
                          "or ALT at the same time to slow down alteration")},
    {30, QT_TRANSLATE_NOOP("GraphText", "|Drag an drop the figure with the mouse")},
    {42, QT_TRANSLATE_NOOP("GraphText", "|Mouse pointer coordinates :")},
    {0,
     QT_TRANSLATE_NOOP("GraphText",
                       "|To select more than 1 objects, keep SHIFT pressed and click each object")},
    {0, QT_TRANSLATE_NOOP("GraphText", "|Hover the mouse over the curve to see parameters")},
    {0, QT_TRANSLATE_NOOP(
            "GraphText", "|Measure an angle or a value with mouse when cursor changes to a cross")},
    {14, SelectionHint},
    {48, QT_TRANSLATE_NOOP("GraphText",
                           "|Left-click = make bigger; right-click = make smaller; press CTRL "
                           "simultaneously to slow down")},
};

}  // namespace graph_tools_impl

bool IsConstructTool(int tool) {
  return (tool >= gtNewAngle && tool <= gtChangeDirection) || tool == gtSelect || tool == gtDelete;
}

bool DrawsRubberBand(int tool) {
  return (tool >= gtNewAngle && tool <= gtNewVector) || tool == gtDuplicate || tool == gtChangeDirection ||
         tool == gtSelect || tool == gtDelete;
}

int ToolCursor(int tool, bool zoomX, bool zoomY) {
  if (tool < 0 || tool > GraphToolCount) return 0;
  if (tool == gtZoom) return zoomX && zoomY ? 48 : zoomX ? 49 : zoomY ? 50 : 0;
  return graph_tools_impl::Rows[tool].Cursor;
}

QString ToolHint(int tool) {
  if (tool <= 0 || tool > GraphToolCount) return QString();
  return QCoreApplication::translate("GraphText", graph_tools_impl::Rows[tool].Hint);
}

}  // namespace kolibra::results
