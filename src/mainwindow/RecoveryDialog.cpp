#include "mainwindow/RecoveryDialog.h"

#include "kit/Texts.h"

#include <QDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kolibra::mainwindow {

QStringList RecoveryRowTexts(const work::TRecoveryEntry &entry) {
  const QString time = QLocale().toString(entry.SavedAt.toLocalTime(), QLocale::ShortFormat);
  if (entry.State == work::rsDamaged)
    return {MainFormText::tr("%1 (damaged)").arg(QFileInfo(entry.Path).fileName()), time,
            QString()};
  return {work::StoredFileName(entry.Video), time, QString::number(entry.Marks)};
}

TRecoveryChoice ShowRecoveryDialog(QWidget *parent,
                                   const std::vector<work::TRecoveryEntry> &entries) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("RecoveryDialog"));
  dialog.setWindowTitle(QStringLiteral("Kolibra"));
  auto *layout = new QVBoxLayout(&dialog);
  layout->addWidget(
      new QLabel(MainFormText::tr("Kolibra stopped before this work was saved:"), &dialog));
  auto *list = new QTreeWidget(&dialog);
  list->setObjectName(QStringLiteral("RecoveryList"));
  list->setRootIsDecorated(false);
  list->setHeaderLabels(
      {MainFormText::tr("Video"), MainFormText::tr("Last change"), MainFormText::tr("Marks")});
  for (const work::TRecoveryEntry &entry : entries) {
    auto *item = new QTreeWidgetItem(list, RecoveryRowTexts(entry));
    item->setToolTip(0, entry.WorkFile.isEmpty() ? entry.Video : entry.WorkFile);
  }
  list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  // The newest work that can be restored is chosen first.
  const auto restorable = std::find_if(entries.begin(), entries.end(),
                                       [](const work::TRecoveryEntry &entry) { return entry.State == work::rsOrphan; });
  list->setCurrentItem(list->topLevelItem(restorable == entries.end() ? 0 : int(restorable - entries.begin())));
  layout->addWidget(list);

  auto *buttons = new QHBoxLayout;
  auto *restore = new QPushButton(MainFormText::tr("Restore"), &dialog);
  auto *discard = new QPushButton(MainFormText::tr("Discard"), &dialog);
  auto *later = new QPushButton(MainFormText::tr("Later"), &dialog);
  restore->setDefault(true);
  buttons->addStretch();
  for (QPushButton *button : {restore, discard, later}) buttons->addWidget(button);
  layout->addLayout(buttons);

  TRecoveryChoice choice;
  const auto answer = [&dialog, &choice, list](TRecoveryAnswer answer) {
    choice = {answer, list->indexOfTopLevelItem(list->currentItem())};
    dialog.accept();
  };
  QObject::connect(restore, &QPushButton::clicked, &dialog, [answer] { answer(raRestore); });
  QObject::connect(discard, &QPushButton::clicked, &dialog, [answer] { answer(raDiscard); });
  QObject::connect(later, &QPushButton::clicked, &dialog, [answer] { answer(raLater); });
  // A damaged file can only be discarded.
  const auto follow = [&entries, list, restore] {
    const int row = list->indexOfTopLevelItem(list->currentItem());
    restore->setEnabled(row >= 0 && entries[size_t(row)].State == work::rsOrphan);
  };
  QObject::connect(list, &QTreeWidget::currentItemChanged, &dialog, follow);
  follow();
  dialog.resize(560, 260);
  dialog.exec();
  return choice;
}

}  // namespace kolibra::mainwindow
