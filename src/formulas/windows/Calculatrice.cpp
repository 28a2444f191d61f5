#include "formulas/windows/Calculatrice.h"

#include "kit/Hint.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kolibra::formulas {

namespace calculatrice_window {

// The memo hands every edit to the calculator, which applies the model's rules (an error
// message goes before anything is inserted) and shows the result back.
class TCalcMemo : public QPlainTextEdit {
 public:
  TCalcMemo(TCalculatrice *owner, QWidget *parent) : QPlainTextEdit(parent), Owner(owner) {
    // The model is the memo's only history: Qt's undo would bring back texts it never saw.
    setUndoRedoEnabled(false);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { Owner->MemoEdited(); });
  }

 protected:
  void keyPressEvent(QKeyEvent *event) override {
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        Owner->MemoEnter();
        return;
      case Qt::Key_Backspace:
        Owner->MemoErase();
        return;
      case Qt::Key_Delete:
        if (Owner->Model().ShowingResult) {
          Owner->MemoErase();
          return;
        }
        break;
      default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).isPrint() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      Owner->MemoKey(text.at(0));
      return;
    }
    QPlainTextEdit::keyPressEvent(event);
  }

  void insertFromMimeData(const QMimeData *source) override {
    // A pasted text is one line of formula: its line breaks go.
    if (source->hasText()) Owner->MemoInsert(source->text().simplified());
  }

 private:
  TCalculatrice *Owner;
};

QToolButton *NewButton(QWidget *parent, const QString &name) {
  auto *button = new QToolButton(parent);
  button->setObjectName(name);
  button->setMinimumSize(52, 30);
  button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  button->setFocusPolicy(Qt::NoFocus);  // the caret stays in the memo
  return button;
}

}  // namespace calculatrice_window

TCalculatrice::TCalculatrice(QWidget *parent) : QWidget(parent, Qt::Tool) {
  using calculatrice_window::NewButton;
  setObjectName(QStringLiteral("Calculatrice"));
  setWindowTitle(TCalculatriceModel::Caption());
  setFont(QFont(QStringLiteral("Arial"), 10));

  FMemo = new calculatrice_window::TCalcMemo(this, this);
  FMemo->setObjectName(QStringLiteral("Memo"));
  FMemo->setFixedHeight(48);
  FMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);

  auto *angle = new QGroupBox(this);
  angle->setObjectName(QStringLiteral("RadioGroupAngle"));
  auto *angleLayout = new QHBoxLayout(angle);
  FAngle = new QButtonGroup(this);
  const QStringList items = TCalculatriceModel::AngleItems();
  for (int i = 0; i < items.size(); ++i) {
    auto *radio = new QRadioButton(items.at(i), angle);
    radio->setObjectName(i == 0 ? QStringLiteral("RadioRadians") : QStringLiteral("RadioDegres"));
    radio->setFocusPolicy(Qt::NoFocus);
    FAngle->addButton(radio, i);
    angleLayout->addWidget(radio);
  }
  FAngle->button(State.Radian() ? 0 : 1)->setChecked(true);
  connect(FAngle, &QButtonGroup::idClicked, this, [this](int id) {
    State.SetRadian(id == 0);
    FMemo->setFocus();
  });

  auto *arc = NewButton(this, QStringLiteral("SpeedButtonArc"));
  arc->setText(QStringLiteral("Arc"));
  arc->setCheckable(true);
  connect(arc, &QToolButton::toggled, this, [this](bool down) {
    State.Arc = down;
    ShowCaptions();
  });

  auto *keys = new QGridLayout;
  keys->setSpacing(3);
  int index = 0;
  for (const TCalculatriceButton &b : CalculatriceButtons()) {
    QToolButton *button = NewButton(this, QString::fromLatin1(b.Name));
    const QString hint = State.ButtonHint(b.Key);
    if (!hint.isEmpty()) button->setToolTip(ShortHint(hint));
    const TFormulaKey key = b.Key;
    connect(button, &QToolButton::clicked, this, [this, key] { ButtonClicked(key); });
    // "=" spreads over the rest of the last row.
    const int column = index % 5;
    keys->addWidget(button, index / 5, column, 1, key == TFormulaKey::Execute ? 5 - column : 1);
    FButtons.emplace_back(key, button);
    ++index;
  }
  ShowCaptions();

  auto *top = new QHBoxLayout;
  top->addWidget(angle, 1);
  top->addWidget(arc);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(FMemo);
  layout->addLayout(top);
  layout->addLayout(keys);
  setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

void TCalculatrice::SetBackGroundColor(TColor color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, color.ToQColor(p));
  setPalette(p);
  setAutoFillBackground(true);
}

void TCalculatrice::Execute() {
  show();
  raise();
  activateWindow();
  FMemo->setFocus();
}

void TCalculatrice::changeEvent(QEvent *event) {
  QWidget::changeEvent(event);
  // A small helper window: it goes away as soon as the user works elsewhere.
  if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) hide();
}

void TCalculatrice::ShowCaptions() {
  for (const auto &[key, button] : FButtons) button->setText(State.ButtonCaption(key));
}

void TCalculatrice::ReadMemo() {
  const QTextCursor cursor = FMemo->textCursor();
  State.SelStart = cursor.selectionStart();
  State.SelLength = cursor.selectionEnd() - cursor.selectionStart();
}

void TCalculatrice::ShowMemo() {
  FShowing = true;
  if (FMemo->toPlainText() != State.Text) FMemo->setPlainText(State.Text);
  QTextCursor cursor = FMemo->textCursor();
  cursor.setPosition(std::clamp(State.SelStart, 0, int(State.Text.size())));
  FMemo->setTextCursor(cursor);
  FShowing = false;
  FMemo->setFocus();
}

void TCalculatrice::ButtonClicked(TFormulaKey key) {
  ReadMemo();
  State.Press(key);
  ShowMemo();
}

void TCalculatrice::MemoKey(QChar typed) {
  ReadMemo();
  State.Type(typed);
  ShowMemo();
}

void TCalculatrice::MemoEnter() {
  ReadMemo();
  State.Evaluate();
  ShowMemo();
}

void TCalculatrice::MemoErase() { ButtonClicked(TFormulaKey::Erase); }

void TCalculatrice::MemoInsert(const QString &text) {
  ReadMemo();
  if (State.ShowingResult) State.Press(TFormulaKey::AllClear);
  State.Insert(text);
  State.Edited(State.Text, State.SelStart);
  ShowMemo();
}

void TCalculatrice::MemoEdited() {
  // Edits the memo made by itself (Delete, cut): the model takes the text as the user's.
  if (FShowing || FMemo->toPlainText() == State.Text) return;
  State.Edited(FMemo->toPlainText(), FMemo->textCursor().position());
}

}  // namespace kolibra::formulas
