#pragma once
// The keyboard accelerators ("&File") of a window's menus: within the menu bar and within
// each menu, no two visible items may share a letter, in any language.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QWidget>

#include <map>

namespace kolibra::testing {

// The letter after the first single "&", lower case; a null QChar when there is none.
inline QChar AcceleratorOf(const QString &text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    return text[i + 1].toLower();
  }
  return QChar();
}

inline void CollectAcceleratorClashes(const QString &where, const QList<QAction *> &actions,
                                      QStringList &clashes) {
  std::map<QChar, QString> seen;
  for (QAction *action : actions) {
    if (action->isSeparator() || !action->isVisible()) continue;
    const QChar letter = AcceleratorOf(action->text());
    if (!letter.isNull()) {
      const auto [it, inserted] = seen.emplace(letter, action->text());
      if (!inserted)
        clashes << where + QStringLiteral(": \"") + it->second + QStringLiteral("\" and \"") +
                       action->text() + QLatin1Char('"');
    }
    if (QMenu *menu = action->menu())
      CollectAcceleratorClashes(where + QStringLiteral(" > ") + action->text(), menu->actions(),
                                clashes);
  }
}

// Every clash in the menu bars of the window, described "menu > submenu: "A" and "B"".
inline QStringList AcceleratorClashes(const QWidget &window) {
  QStringList clashes;
  for (const QMenuBar *bar : window.findChildren<QMenuBar *>())
    CollectAcceleratorClashes(window.objectName(), bar->actions(), clashes);
  return clashes;
}

}  // namespace kolibra::testing
