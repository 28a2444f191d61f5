#include "formulas/windows/Clavier.h"

#include "dialogs/DialogLook.h"
#include "kit/Texts.h"
#include "settings/Options.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <vector>

namespace kolibra::formulas {

namespace clavier_window {

// The memo's keys: Enter validates, typed characters become what the model says.
class TMemoFilter : public QObject {
 public:
  TMemoFilter(QPlainTextEdit *memo, std::function<void()> validate)
      : QObject(memo), Memo(memo), Validate(std::move(validate)) {}

  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      Validate();
      return true;
    }
    const QString text = key->text();
    if (text.size() != 1 || !text.at(0).isPrint()) return false;
    const QChar typed = TClavierModel::TypedChar(text.at(0));
    if (typed == text.at(0)) return false;
    Memo->insertPlainText(QString(typed));
    return true;
  }

 private:
  QPlainTextEdit *Memo;
  std::function<void()> Validate;
};

QToolButton *NewButton(QWidget *parent, const QString &name, const QString &caption) {
  auto *button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(caption);
  button->setMinimumWidth(44);
  button->setFocusPolicy(Qt::NoFocus);  // the caret stays in the memo
  return button;
}

}  // namespace clavier_window

TClavier::TClavier(const QString &optionsFileName) : FileName(optionsFileName) {
  State.Favourites.LoadFromFile(FileName);
}

TClavier::~TClavier() {
  // The folder may be read-only: the favourites of this run are then lost, nothing else.
  State.Favourites.SaveToFile(FileName);
}

void TClavier::ApplyOptions(const settings::TOptions &options) {
  State.ChangeFavourites = options.CheckBox5ChangeFormulae_Checked;
}

TClavier::TResult TClavier::Execute(const QString &definition, const QString &comment,
                                    const QString &unit, bool formulaTab, const QPoint &at) {
  using clavier_window::NewButton;
  TClavierModel &model = State;
  model.SetText(definition);
  model.Comment = comment;
  model.Unit = unit;
  model.Favourites.Comments.Select(comment);
  model.Favourites.Units.Select(unit);

  QDialog form(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint);
  dialogs::ApplyDialogLook(form, QStringLiteral("FormClavier"), TClavierModel::Caption(), Font,
                           BackGroundColor);
  form.move(at);

  auto *tabs = new QTabWidget(&form);
  tabs->setObjectName(QStringLiteral("PageControl"));

  // --- The formula tab --------------------------------------------------------------------
  auto *formulaPage = new QWidget(tabs);
  formulaPage->setObjectName(QStringLiteral("TabSheetFormule"));
  auto *memo = new QPlainTextEdit(formulaPage);
  memo->setObjectName(QStringLiteral("MemoF"));
  memo->setFixedHeight(56);

  const auto readMemo = [&model, memo] {
    model.Text = memo->toPlainText();
    const QTextCursor cursor = memo->textCursor();
    model.SelStart = cursor.selectionStart();
    model.SelLength = cursor.selectionEnd() - cursor.selectionStart();
  };
  const auto showMemo = [&model, memo] {
    memo->setPlainText(model.Text);
    QTextCursor cursor = memo->textCursor();
    cursor.setPosition(std::min(model.SelStart, int(model.Text.size())));
    memo->setTextCursor(cursor);
    memo->setFocus();
  };
  showMemo();

  auto *keys = new QGridLayout;
  std::vector<std::pair<TClavierKey, QToolButton *>> keyButtons;
  int index = 0;
  for (const TClavierButton &b : ClavierButtons()) {
    QToolButton *button =
        NewButton(formulaPage, QString::fromLatin1(b.Name), model.ButtonCaption(b.Key));
    keys->addWidget(button, index / 6, index % 6);
    ++index;
    keyButtons.emplace_back(b.Key, button);
  }
  auto *arc = NewButton(formulaPage, QStringLiteral("SpeedButtonArc"), QStringLiteral("Arc"));
  arc->setCheckable(true);
  keys->addWidget(arc, index / 6, index % 6);
  const auto showCaptions = [&model, &keyButtons] {
    for (const auto &[key, button] : keyButtons) button->setText(model.ButtonCaption(key));
  };
  QObject::connect(arc, &QToolButton::toggled, &form, [&model, showCaptions](bool down) {
    model.Arc = down;
    showCaptions();
  });

  TResult result;
  const auto validate = [&] {
    readMemo();
    result.Validated = true;
    result.Definition = model.Validate();
    form.accept();
  };
  memo->installEventFilter(new clavier_window::TMemoFilter(memo, validate));
  for (const auto &[key, button] : keyButtons) {
    const TClavierKey k = key;
    QObject::connect(button, &QToolButton::clicked, &form, [&, k] {
      if (k == TClavierKey::Execute) {
        validate();
        return;
      }
      readMemo();
      model.Press(k);
      showMemo();
    });
  }

  // Favourite formulas and the history of this run.
  auto *favourites = new QComboBox(formulaPage);
  favourites->setObjectName(QStringLiteral("ComboBoxFavoris"));
  favourites->addItems(model.Favourites.Formulas.Items);
  favourites->setCurrentIndex(-1);
  auto *history = new QComboBox(formulaPage);
  history->setObjectName(QStringLiteral("ComboBoxHistorique"));
  history->addItems(model.History);
  history->setCurrentIndex(-1);
  auto *addFormula = new QPushButton(ClavierText::tr("Add"), formulaPage);
  addFormula->setObjectName(QStringLiteral("ButtonAjouterFormule"));
  auto *removeFormula = new QPushButton(ClavierText::tr("Remove"), formulaPage);
  removeFormula->setObjectName(QStringLiteral("ButtonSupprimerFormule"));
  addFormula->setVisible(model.ChangeFavourites);
  removeFormula->setVisible(model.ChangeFavourites);
  const auto showFavourites = [&model, favourites] {
    favourites->clear();
    favourites->addItems(model.Favourites.Formulas.Items);
    favourites->setCurrentIndex(model.Favourites.Formulas.Current);
  };
  const auto pick = [&model, showMemo](const QString &text) {
    model.SetText(text);
    showMemo();
  };
  QObject::connect(favourites, &QComboBox::activated, &form, [&model, favourites, pick](int i) {
    model.Favourites.Formulas.Current = i;
    pick(favourites->itemText(i));
  });
  QObject::connect(history, &QComboBox::activated, &form,
                   [history, pick](int i) { pick(history->itemText(i)); });
  QObject::connect(addFormula, &QPushButton::clicked, &form, [&model, readMemo, showFavourites] {
    readMemo();
    if (model.AddFavouriteFormula()) showFavourites();
  });
  QObject::connect(removeFormula, &QPushButton::clicked, &form, [&model, showFavourites] {
    if (model.RemoveFavouriteFormula()) showFavourites();
  });

  auto *favouritesRow = new QHBoxLayout;
  favouritesRow->addWidget(new QLabel(ClavierText::tr("Favourites"), formulaPage));
  favouritesRow->addWidget(favourites, 1);
  favouritesRow->addWidget(addFormula);
  favouritesRow->addWidget(removeFormula);
  auto *historyRow = new QHBoxLayout;
  historyRow->addWidget(new QLabel(ClavierText::tr("History"), formulaPage));
  historyRow->addWidget(history, 1);
  auto *formulaLayout = new QVBoxLayout(formulaPage);
  formulaLayout->addWidget(memo);
  formulaLayout->addLayout(keys);
  formulaLayout->addLayout(favouritesRow);
  formulaLayout->addLayout(historyRow);
  tabs->addTab(formulaPage, ClavierText::tr("Formula"));

  // --- The comments and units tab ---------------------------------------------------------
  auto *listsPage = new QWidget(tabs);
  listsPage->setObjectName(QStringLiteral("TabSheetCommentaires"));
  auto *listsLayout = new QGridLayout(listsPage);
  struct TListRow {
    const char *Prefix;
    const char *Caption;
    QString *Text;
    TFavouriteList *List;
  };
  const TListRow rows[] = {
      {"Commentaire", QT_TRANSLATE_NOOP("ClavierText", "Comment"), &model.Comment,
       &model.Favourites.Comments},
      {"Unite", QT_TRANSLATE_NOOP("ClavierText", "Unit"), &model.Unit, &model.Favourites.Units},
  };
  int line = 0;
  for (const TListRow &row : rows) {
    const QString prefix = QString::fromLatin1(row.Prefix);
    auto *edit = new QLineEdit(*row.Text, listsPage);
    edit->setObjectName(QStringLiteral("Edit") + prefix);
    QString *text = row.Text;
    TFavouriteList *list = row.List;
    QObject::connect(edit, &QLineEdit::textEdited, &form,
                     [text](const QString &typed) { *text = typed; });
    const auto step = [edit, text](const QString &entry) {
      *text = entry;
      edit->setText(entry);
    };
    auto *previous = new QPushButton(QStringLiteral("<"), listsPage);
    previous->setObjectName(QStringLiteral("Button") + prefix + QStringLiteral("Precedent"));
    auto *next = new QPushButton(QStringLiteral(">"), listsPage);
    next->setObjectName(QStringLiteral("Button") + prefix + QStringLiteral("Suivant"));
    auto *add = new QPushButton(ClavierText::tr("Add"), listsPage);
    add->setObjectName(QStringLiteral("ButtonAjouter") + prefix);
    auto *remove = new QPushButton(ClavierText::tr("Remove"), listsPage);
    remove->setObjectName(QStringLiteral("ButtonSupprimer") + prefix);
    add->setVisible(model.ChangeFavourites);
    remove->setVisible(model.ChangeFavourites);
    QObject::connect(previous, &QPushButton::clicked, &form,
                     [list, step] { step(list->Previous()); });
    QObject::connect(next, &QPushButton::clicked, &form, [list, step] { step(list->Next()); });
    QObject::connect(add, &QPushButton::clicked, &form, [&model, list, text] {
      if (model.ChangeFavourites) list->Add(*text);
    });
    QObject::connect(remove, &QPushButton::clicked, &form, [&model, list, step] {
      if (model.ChangeFavourites && list->RemoveCurrent()) step(list->CurrentText());
    });
    listsLayout->addWidget(new QLabel(ClavierText::tr(row.Caption), listsPage), line, 0);
    listsLayout->addWidget(edit, line, 1, 1, 4);
    listsLayout->addWidget(previous, line + 1, 1);
    listsLayout->addWidget(next, line + 1, 2);
    listsLayout->addWidget(add, line + 1, 3);
    listsLayout->addWidget(remove, line + 1, 4);
    line += 2;
  }
  tabs->addTab(listsPage, ClavierText::tr("Comments and units"));
  tabs->setCurrentIndex(formulaTab ? 0 : 1);

  auto *layout = new QVBoxLayout(&form);
  layout->addWidget(tabs);

  form.exec();
  result.Comment = model.Comment;
  result.Unit = model.Unit;
  return result;
}

}  // namespace kolibra::formulas
