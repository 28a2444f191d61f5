#pragma once
// TFileSearch: the dialog kit's file search. It lists the files matching a filter's mask
// below a few folders; "Search" fills the list (the dialog stays responsive and "Cancel"
// stops a long search), "Open" (or a double click) takes the selected file. Each Execute
// starts with an empty list.

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

namespace kolibra::exporting {

class TFileSearchDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TFileSearchDialog(QWidget *parent = nullptr);

  // Shows the dialog modally; the full path of the file opened, empty when none was.
  QString Execute(const QString &filter, const QStringList &folders);

  QListWidget *Results() const { return List; }
  QPushButton *SearchButton() const { return Search; }
  QPushButton *OpenButton() const { return Open; }

  // Stops a search in progress first; the dialog closes once it has returned.
  void reject() override;

 private:
  void RunSearch();
  void OpenSelected();

  QString Mask;
  QStringList Folders;
  QString Chosen;
  bool Searching = false;
  bool StopRequested = false;
  QLabel *Status = nullptr;
  QListWidget *List = nullptr;
  QPushButton *Search = nullptr;
  QPushButton *Open = nullptr;
  QPushButton *Cancel = nullptr;
};

}  // namespace kolibra::exporting
