#include "results/windows/GraphKeyRouter.h"

#include "results/windows/GraphControl.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace kolibra::results {

TGraphKeyRouter::TGraphKeyRouter(QWidget *window, TGraphControl *graph)
    : QObject(window), Window(window), Graph(graph) {
  // An application filter sees a key before the focused widget does, wherever it is in the
  // window.
  qApp->installEventFilter(this);
}

bool TGraphKeyRouter::IsTextEntry(const QWidget *widget) {
  // The widget itself, or the editor whose viewport has the focus.
  const QWidget *candidates[] = {widget, widget != nullptr ? widget->parentWidget() : nullptr};
  for (const QWidget *w : candidates) {
    if (w == nullptr) continue;
    if (qobject_cast<const QLineEdit *>(w) != nullptr || qobject_cast<const QAbstractSpinBox *>(w) != nullptr)
      return true;
    if (const auto *text = qobject_cast<const QTextEdit *>(w)) return !text->isReadOnly();
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(w)) return !plain->isReadOnly();
    if (const auto *combo = qobject_cast<const QComboBox *>(w)) return combo->isEditable();
  }
  return false;
}

bool TGraphKeyRouter::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() != QEvent::KeyPress || Window.isNull() || Graph.isNull()) return false;
  auto *target = qobject_cast<QWidget *>(watched);
  if (target == nullptr || !target->isWidgetType() || target->window() != Window->window()) return false;
  // Each key is filtered once, on its way to the focused widget.
  if (target != QApplication::focusWidget()) return false;
  if (target == Graph || IsTextEntry(target) || !Graph->isVisible()) return false;
  auto *key = static_cast<QKeyEvent *>(event);
  return Graph->Graph().KeyDown(key->key(), key->modifiers());
}

}  // namespace kolibra::results
