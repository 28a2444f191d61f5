#include "editing/windows/BoiteBasculer.h"

#include "dialogs/DialogLook.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace kolibra::editing {

namespace boite_basculer_impl {

// Lets through only the keys the model takes; Enter presses Ok.
class TKeyFilter : public QObject {
 public:
  TKeyFilter(QComboBox *combo, QPushButton *ok) : QObject(combo), Combo(combo), Ok(ok) {}

  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto *key = static_cast<QKeyEvent *>(event);
    QChar typed;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
      typed = QLatin1Char('\r');
    else if (key->key() == Qt::Key_Backspace)
      typed = QLatin1Char('\b');
    else if (key->text().size() == 1 && key->text().at(0).isPrint())
      typed = key->text().at(0);
    else
      return false;  // arrows, Delete, shortcuts
    const bool listEntry = Combo->currentIndex() >= 0 && Combo->currentText() == Combo->itemText(Combo->currentIndex());
    switch (TBoiteBasculerModel::FilterKey(typed, listEntry)) {
      case TBoiteBasculerModel::kuOk:
        Ok->click();
        return true;
      case TBoiteBasculerModel::kuAccept:
        return false;
      default:
        return true;
    }
  }

 private:
  QComboBox *Combo;
  QPushButton *Ok;
};

QLabel *WrappedLabel(const QString &text, const char *name, QWidget *parent) {
  auto *label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setWordWrap(true);
  return label;
}

}  // namespace boite_basculer_impl

void TBoiteBasculer::Execute(TBoiteBasculerModel &model) {
  using namespace boite_basculer_impl;
  QDialog form(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  dialogs::ApplyDialogLook(form, QStringLiteral("FormBoiteBasculer"), model.Caption, Font, BackGroundColor);
  form.setMinimumWidth(420);

  auto *intro = WrappedLabel(TBoiteBasculerModel::Intro(), "LabelIntro", &form);
  auto *negative = WrappedLabel(TBoiteBasculerModel::NegativeNote(), "LabelNegatif", &form);
  auto *action = new QGroupBox(TBoiteBasculerModel::ActionTitle(), &form);
  action->setObjectName(QStringLiteral("RadioGroupAction"));
  auto *hide = new QRadioButton(TBoiteBasculerModel::HideItem(), action);
  hide->setObjectName(QStringLiteral("RadioHide"));
  auto *show = new QRadioButton(TBoiteBasculerModel::ShowItem(), action);
  show->setObjectName(QStringLiteral("RadioShow"));
  (model.Action ? show : hide)->setChecked(true);
  auto *actionLayout = new QVBoxLayout(action);
  actionLayout->addWidget(hide);
  actionLayout->addWidget(show);
  auto *prompt = WrappedLabel(TBoiteBasculerModel::GroupsPrompt(), "LabelGroupes", &form);
  auto *combo = new QComboBox(&form);
  combo->setObjectName(QStringLiteral("ComboBoxGroupes"));
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->addItems({TBoiteBasculerModel::EvenItem(), TBoiteBasculerModel::OddItem()});
  combo->setCurrentIndex(-1);
  combo->setEditText(QString());
  combo->lineEdit()->setMaxLength(TBoiteBasculerModel::MaxTextLength);
  auto *ok = new QPushButton(TBoiteBasculerModel::OkCaption(), &form);
  ok->setObjectName(QStringLiteral("ButtonOk"));
  ok->setFixedSize(75, 25);
  ok->setAutoDefault(false);
  QStatusBar *status = dialogs::DialogStatusBar(form, TBoiteBasculerModel::StatusText());

  auto *layout = new QVBoxLayout(&form);
  layout->setContentsMargins(12, 12, 12, 0);
  for (QWidget *widget : std::initializer_list<QWidget *>{intro, negative, action, prompt, combo}) layout->addWidget(widget);
  layout->addSpacing(6);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->addSpacing(10);
  layout->addWidget(status);

  combo->lineEdit()->installEventFilter(new TKeyFilter(combo, ok));
  QObject::connect(ok, &QPushButton::clicked, &form, [&] {
    const QString text = combo->currentText();
    TBoiteBasculerModel::TListChoice choice = TBoiteBasculerModel::lcText;
    if (text == TBoiteBasculerModel::EvenItem()) choice = TBoiteBasculerModel::lcEven;
    if (text == TBoiteBasculerModel::OddItem()) choice = TBoiteBasculerModel::lcOdd;
    switch (model.TryClose(text, choice, show->isChecked())) {
      case TBoiteBasculerModel::crClose:
        form.accept();
        break;
      case TBoiteBasculerModel::crKeepOpenEmptied:
        combo->setEditText(QString());
        break;
      case TBoiteBasculerModel::crKeepOpen:
        break;
    }
  });

  combo->setFocus();
  dialogs::CentreOnScreen(form);
  form.exec();
}

}  // namespace kolibra::editing
