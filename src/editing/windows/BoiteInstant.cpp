#include "editing/windows/BoiteInstant.h"

#include "dialogs/DialogLook.h"

#include <QDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

namespace kolibra::editing {

namespace boite_instant_impl {

QLabel *WrappedLabel(const QString &text, const char *name, QWidget *parent) {
  auto *label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setWordWrap(true);
  return label;
}

// The up-down control: each arrow asks the montage for one slot and moves only when the
// shift was accepted.
class TShiftArrows : public QSpinBox {
 public:
  TShiftArrows(TBoiteInstantModel &model, std::function<void()> refresh, QWidget *parent)
      : QSpinBox(parent), Model(model), Refresh(std::move(refresh)) {
    setRange(TBoiteInstantModel::ArrowMinimum, TBoiteInstantModel::ArrowMaximum);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setFixedWidth(20);
    lineEdit()->setReadOnly(true);
  }

  void stepBy(int steps) override {
    for (int i = 0; i < std::abs(steps); ++i) {
      if (!(steps > 0 ? Model.Up() : Model.Down())) return;
      QSpinBox::stepBy(steps > 0 ? 1 : -1);
      Refresh();
    }
  }

 private:
  TBoiteInstantModel &Model;
  std::function<void()> Refresh;
};

}  // namespace boite_instant_impl

void TBoiteInstant::Execute(TBoiteInstantModel &model) {
  using namespace boite_instant_impl;
  QDialog form(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  dialogs::ApplyDialogLook(form, QStringLiteral("FormBoiteInstant"), model.Caption, Font, BackGroundColor);

  auto *missing = WrappedLabel(TBoiteInstantModel::MissingLine(), "Label1", &form);
  auto *interval = WrappedLabel(model.IntervalLine(), "Label2", &form);
  auto *initial = WrappedLabel(TBoiteInstantModel::InitialTimeLine(), "Label3", &form);
  auto *bevel = new QFrame(&form);
  bevel->setObjectName(QStringLiteral("Bevel"));
  bevel->setFrameShape(QFrame::Box);
  bevel->setFrameShadow(QFrame::Sunken);
  auto *previous = new QLabel(model.PreviousLine(), bevel);
  previous->setObjectName(QStringLiteral("LabelPrecedent"));
  auto *currentLabel = new QLabel(TBoiteInstantModel::CurrentLabel(), bevel);
  currentLabel->setObjectName(QStringLiteral("LabelCourant"));
  auto *current = new QLineEdit(model.CurrentValue(), bevel);
  current->setObjectName(QStringLiteral("EditTemps"));
  current->setReadOnly(true);
  current->setFixedSize(60, 21);
  auto *next = new QLabel(model.NextLine(), bevel);
  next->setObjectName(QStringLiteral("LabelSuivant"));
  const auto refresh = [&model, previous, current, next] {
    previous->setText(model.PreviousLine());
    current->setText(model.CurrentValue());
    next->setText(model.NextLine());
  };
  auto *arrows = new TShiftArrows(model, refresh, bevel);
  arrows->setObjectName(QStringLiteral("UpDown"));
  auto *box = new QGridLayout(bevel);
  box->addWidget(previous, 0, 0, 1, 3);
  box->addWidget(currentLabel, 1, 0);
  box->addWidget(current, 1, 1);
  box->addWidget(arrows, 1, 2);
  box->addWidget(next, 2, 0, 1, 3);

  auto *ok = new QPushButton(TBoiteInstantModel::OkCaption(), &form);
  ok->setObjectName(QStringLiteral("ButtonOk"));
  ok->setFixedSize(75, 25);
  QObject::connect(ok, &QPushButton::clicked, &form, &QDialog::accept);
  QStatusBar *status = dialogs::DialogStatusBar(form, TBoiteInstantModel::StatusText());

  auto *layout = new QVBoxLayout(&form);
  layout->setContentsMargins(12, 12, 12, 0);
  layout->setSpacing(4);
  layout->addWidget(missing);
  layout->addWidget(interval);
  layout->addWidget(initial);
  layout->addSpacing(14);
  layout->addWidget(bevel);
  layout->addSpacing(6);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  layout->addSpacing(10);
  layout->addWidget(status);

  // As wide as the first line, and 24 pixels of margins.
  form.setFixedWidth(QFontMetrics(form.font()).horizontalAdvance(missing->text()) + 24);
  dialogs::CentreOnScreen(form);
  form.exec();
}

}  // namespace kolibra::editing
