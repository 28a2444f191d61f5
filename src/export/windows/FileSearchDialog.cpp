#include "export/windows/FileSearchDialog.h"

#include "export/FileSearch.h"
#include "kit/Texts.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kolibra::exporting {

namespace file_search_dialog {

// Folders entered between two looks at the event queue.
constexpr int FoldersPerTurn = 16;

}  // namespace file_search_dialog

TFileSearchDialog::TFileSearchDialog(QWidget *parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FileSearch"));
  setWindowTitle(FileSearchText::tr("Search a file"));
  setModal(true);
  Status = new QLabel(this);
  Status->setObjectName(QStringLiteral("LabelStatus"));
  Status->setTextFormat(Qt::PlainText);
  List = new QListWidget(this);
  List->setObjectName(QStringLiteral("ListResults"));
  Search = new QPushButton(FileSearchText::tr("Search"), this);
  Search->setObjectName(QStringLiteral("ButtonSearch"));
  Open = new QPushButton(FileSearchText::tr("Open"), this);
  Open->setObjectName(QStringLiteral("ButtonOpen"));
  Open->setEnabled(false);
  Cancel = new QPushButton(FileSearchText::tr("Cancel"), this);
  Cancel->setObjectName(QStringLiteral("ButtonCancel"));

  auto *buttons = new QHBoxLayout;
  buttons->addWidget(Search);
  buttons->addStretch();
  buttons->addWidget(Open);
  buttons->addWidget(Cancel);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(Status);
  layout->addWidget(List, 1);
  layout->addLayout(buttons);
  resize(560, 360);

  connect(Search, &QPushButton::clicked, this, [this] { RunSearch(); });
  connect(Open, &QPushButton::clicked, this, [this] { OpenSelected(); });
  connect(Cancel, &QPushButton::clicked, this, [this] { reject(); });
  connect(List, &QListWidget::itemSelectionChanged, this,
          [this] { Open->setEnabled(!Searching && List->currentItem() != nullptr); });
  connect(List, &QListWidget::itemDoubleClicked, this, [this] { OpenSelected(); });
}

QString TFileSearchDialog::Execute(const QString &filter, const QStringList &folders) {
  Mask = FilterMask(filter);
  Folders = folders;
  Chosen.clear();
  List->clear();
  Open->setEnabled(false);
  QStringList shown;
  for (const QString &folder : folders) shown << QDir::toNativeSeparators(folder);
  Status->setText(FileSearchText::tr("%1 in %2").arg(Mask, shown.join(QStringLiteral(", "))));
  exec();
  return Chosen;
}

void TFileSearchDialog::RunSearch() {
  if (Searching) return;
  Searching = true;
  StopRequested = false;
  Search->setEnabled(false);
  Open->setEnabled(false);
  List->clear();
  int entered = 0;
  const QStringList found = FindFiles(Mask, Folders, [this, &entered](const QString &folder) {
    if (++entered % file_search_dialog::FoldersPerTurn == 0) {
      Status->setText(QDir::toNativeSeparators(folder));
      QApplication::processEvents();
    }
    return !StopRequested;
  });
  for (const QString &file : found) List->addItem(QDir::toNativeSeparators(file));
  if (!found.isEmpty()) List->setCurrentRow(0);
  Status->setText(found.isEmpty()
                      ? FileSearchText::tr("No file found.")
                      : QCoreApplication::translate("FileSearchText", "%n file(s) found.", nullptr,
                                                    int(found.size())));
  Searching = false;
  Search->setEnabled(true);
  Open->setEnabled(List->currentItem() != nullptr);
  if (StopRequested) QDialog::reject();
}

void TFileSearchDialog::OpenSelected() {
  if (Searching || List->currentItem() == nullptr) return;
  Chosen = QDir::fromNativeSeparators(List->currentItem()->text());
  accept();
}

void TFileSearchDialog::reject() {
  if (Searching) {
    StopRequested = true;
    return;
  }
  QDialog::reject();
}

}  // namespace kolibra::exporting
