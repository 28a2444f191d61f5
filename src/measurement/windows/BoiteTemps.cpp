#include "measurement/windows/BoiteTemps.h"

#include "dialogs/DialogLook.h"
#include "kit/Texts.h"
#include "measurement/TimeBase.h"

#include <QCoreApplication>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace kolibra::measurement {

namespace boite_temps_impl {

// Lets through only the keys the model accepts, typing the regional separator for "." and
// ",". Keys without a printable character (arrows, Delete, shortcuts) go on unchanged.
class TKeyFilter : public QObject {
 public:
  TKeyFilter(QLineEdit *edit, std::function<void()> typed) : QObject(edit), Edit(edit), Typed(std::move(typed)) {}

  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const QString text = static_cast<QKeyEvent *>(event)->text();
    if (text.size() != 1 || !text.at(0).isPrint()) return false;
    QChar key = text.at(0);
    if (!TTimeBaseDialogModel::FilterKey(key)) return true;
    if (key == text.at(0)) return false;
    Edit->insert(QString(key));
    Typed();
    return true;
  }

 private:
  QLineEdit *Edit;
  std::function<void()> Typed;
};

}  // namespace boite_temps_impl

TBoiteTemps::TBoiteTemps() : Caption(TTimeBaseDialogModel::DefaultCaption()) {}

bool TBoiteTemps::Execute(double defaultDuration, double frameInterval, double &result) {
  TTimeBaseChoice choice;
  choice.DefaultDuration = defaultDuration;
  choice.FrameInterval = frameInterval;
  if (!Execute(choice)) return false;
  result = choice.FrameInterval;
  return true;
}

bool TBoiteTemps::Execute(TTimeBaseChoice &choice) {
  TTimeBaseDialogModel model(choice);
  model.OnApplyDefault = OnApplyDefault;

  QDialog form(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  dialogs::ApplyDialogLook(form, QStringLiteral("FormBoiteTemps"), Caption, Font, BackGroundColor);

  auto *info = new QLabel(model.InfoLines().join(QLatin1Char('\n')), &form);
  info->setObjectName(QStringLiteral("LabelInformation"));
  info->setAlignment(Qt::AlignCenter);

  auto *group = new QGroupBox(model.GroupCaption(), &form);
  group->setObjectName(QStringLiteral("GroupBoxDuree"));
  auto *useStamps = new QRadioButton(model.StampsRadioCaption(), group);
  useStamps->setObjectName(QStringLiteral("RadioButtonHorodatage"));
  useStamps->setVisible(model.HasStamps());
  auto *useDefault = new QRadioButton(model.DefaultRadioCaption(), group);
  useDefault->setObjectName(QStringLiteral("RadioButtonDefaut"));
  auto *useOther = new QRadioButton(model.OtherRadioCaption(), group);
  useOther->setObjectName(QStringLiteral("RadioButtonAutre"));
  auto *edit = new QLineEdit(model.EditText(), group);
  edit->setObjectName(QStringLiteral("EditValeur"));
  edit->setMaxLength(TTimeBaseDialogModel::EditMaxLength);
  auto *unit = new QLabel(model.UnitCaption(), group);
  unit->setObjectName(QStringLiteral("LabelUnite"));
  auto *calculator = new QToolButton(group);
  calculator->setObjectName(QStringLiteral("ButtonCalculatrice"));
  calculator->setText(QStringLiteral("..."));
  calculator->setEnabled(static_cast<bool>(OnCalculator));
  (model.IsStampsChecked() ? useStamps : model.IsDefaultChecked() ? useDefault : useOther)->setChecked(true);

  auto *groupLayout = new QGridLayout(group);
  if (model.HasStamps()) groupLayout->addWidget(useStamps, 0, 0, 1, 4);
  groupLayout->addWidget(useDefault, 1, 0, 1, 4);
  groupLayout->addWidget(useOther, 2, 0);
  groupLayout->addWidget(edit, 2, 1);
  groupLayout->addWidget(unit, 2, 2);
  groupLayout->addWidget(calculator, 2, 3);

  auto *ok = new QPushButton(BoiteTempsText::tr("Ok"), &form);
  ok->setObjectName(QStringLiteral("ButtonOk"));
  ok->setDefault(true);
  auto *cancel = new QPushButton(BoiteTempsText::tr("Cancel"), &form);
  cancel->setObjectName(QStringLiteral("ButtonCancel"));
  auto *buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto *layout = new QVBoxLayout(&form);
  layout->addWidget(info);
  layout->addWidget(group);
  layout->addLayout(buttons);

  // Writing the edit from the radio buttons is not typing: the edit's handler stays quiet.
  const auto showText = [&model, edit] {
    const QSignalBlocker blocker(edit);
    edit->setText(model.EditText());
  };
  const auto typed = [&model, edit, useOther] {
    model.TextEdited(edit->text());
    useOther->setChecked(true);
  };
  QObject::connect(useStamps, &QRadioButton::clicked, &form, [&model] { model.ChooseStamps(); });
  QObject::connect(useDefault, &QRadioButton::clicked, &form, [&model, showText] {
    model.ChooseDefault();
    showText();
  });
  QObject::connect(useOther, &QRadioButton::clicked, &form, [&model, showText, edit] {
    model.ChooseOther();
    showText();
    edit->setFocus();
    edit->selectAll();
  });
  QObject::connect(edit, &QLineEdit::textEdited, &form, typed);
  edit->installEventFilter(new boite_temps_impl::TKeyFilter(edit, typed));
  QObject::connect(calculator, &QToolButton::clicked, &form, [this] {
    if (OnCalculator) OnCalculator();
  });
  double accepted = 0.0;
  QObject::connect(ok, &QPushButton::clicked, &form, [&form, &accepted, &model, edit] {
    // On the stamps the interval stays the document's: it is only their mean.
    if (model.IsStampsChecked()) {
      accepted = model.FrameInterval();
      form.accept();
      return;
    }
    if (TTimeBaseDialogModel::ValidateText(edit->text(), accepted)) {
      form.accept();
      return;
    }
    edit->setFocus();
    edit->selectAll();
  });
  QObject::connect(cancel, &QPushButton::clicked, &form, &QDialog::reject);

  dialogs::CentreOnScreen(form);
  if (form.exec() != QDialog::Accepted) return false;
  choice.FrameInterval = accepted;
  choice.UseStamps = model.IsStampsChecked();
  return true;
}

}  // namespace kolibra::measurement
