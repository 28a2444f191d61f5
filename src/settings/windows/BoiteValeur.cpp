#include "settings/windows/BoiteValeur.h"

#include "dialogs/DialogLook.h"
#include <QCoreApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

namespace kolibra::settings {

namespace boite_valeur_impl {

// Lets through only the keys the model accepts, typing the regional separator for "." and
// ",". Keys without a printable character (arrows, Delete, shortcuts) go on unchanged; a
// pasted text that is no number is refused when the dialog closes.
class TValueKeyFilter : public QObject {
 public:
  TValueKeyFilter(QLineEdit *edit, TTypeSaisie kind) : QObject(edit), Edit(edit), Kind(kind) {}

  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const QString text = static_cast<QKeyEvent *>(event)->text();
    if (text.size() != 1 || !text.at(0).isPrint()) return false;
    QChar key = text.at(0);
    if (!TValueEntryModel::FilterKey(Kind, key)) return true;
    if (key == text.at(0)) return false;
    Edit->insert(QString(key));
    return true;
  }

 private:
  QLineEdit *Edit;
  TTypeSaisie Kind;
};

// Ok and Enter ask the model; Escape and the window's close button cancel without asking,
// the way out when no value can pass.
class TFormValeur : public QDialog {
 public:
  TFormValeur(TValueEntryModel &model)
      : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowCloseButtonHint),
        Model(model) {}

  QLineEdit *Edit = nullptr;

  void done(int result) override {
    if (result == QDialog::Accepted && !Model.Validate(Edit->text())) {
      Edit->setFocus();
      Edit->selectAll();
      return;
    }
    if (result != QDialog::Accepted) Model.Cancel();
    QDialog::done(result);
  }

 private:
  TValueEntryModel &Model;
};

}  // namespace boite_valeur_impl

TValueResult TBoiteValeur::Execute(TTypeSaisie kind, const TValueContext &context,
                                   TTypeSaisieLongueur lengthKind) {
  Model.SetContext(context);
  Model.SetTypeSaisie(kind);
  Model.SetTypeSaisieLongueur(lengthKind);
  return Execute();
}

TValueResult TBoiteValeur::Execute() {
  using namespace boite_valeur_impl;
  Model.Start();
  if (!Model.CanExecute()) return Model.Result();

  TFormValeur form(Model);
  dialogs::ApplyDialogLook(form, QStringLiteral("FormBoiteValeur"), Model.Caption, Font, BackGroundColor);

  auto *bevel = new QFrame(&form);
  bevel->setObjectName(QStringLiteral("Bevel"));
  bevel->setFrameShape(QFrame::HLine);
  bevel->setFrameShadow(QFrame::Sunken);

  auto *ok = new QPushButton(QCoreApplication::translate("BoiteValeurText", "&Ok"), &form);
  ok->setObjectName(QStringLiteral("ButtonOk"));
  ok->setDefault(true);

  auto *edit = new QLineEdit(&form);
  edit->setObjectName(QStringLiteral("EditValeur"));
  edit->setMaxLength(TValueEntryModel::EditMaxLength);
  edit->installEventFilter(new TValueKeyFilter(edit, Model.TypeSaisie()));
  form.Edit = edit;

  QLabel *comment = nullptr;
  if (!Model.Comment().isEmpty()) {
    comment = new QLabel(Model.Comment(), &form);
    comment->setObjectName(QStringLiteral("LabelCommentaire"));
    comment->setWordWrap(true);
  }

  auto *prompt = new QLabel(Model.Prompt(), &form);
  prompt->setObjectName(QStringLiteral("LabelSaisie"));

  auto *status = new QStatusBar(&form);
  status->setObjectName(QStringLiteral("StatusBar"));
  status->setSizeGripEnabled(false);
  status->setAutoFillBackground(true);
  auto *panel = new QLabel(Model.IntervalText(), status);
  panel->setObjectName(QStringLiteral("PanelIntervalle"));
  status->addWidget(panel, 1);

  const QFontMetrics metrics(form.font());
  const QSize promptSize(metrics.horizontalAdvance(Model.Prompt()), metrics.height());
  const QScreen *screen = QGuiApplication::primaryScreen();
  const QRect workArea = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  const TValueLayout layout = ComputeValueLayout(
      promptSize, comment != nullptr,
      [comment](int width) { return comment->heightForWidth(width); }, workArea.width());

  if (comment) comment->setGeometry(layout.Comment);
  prompt->setGeometry(layout.Prompt);
  edit->setGeometry(layout.Edit);
  ok->setGeometry(layout.Button);
  bevel->setGeometry(layout.Bevel);
  status->setGeometry(layout.StatusBar);
  form.setFixedSize(layout.Client);
  form.move(workArea.center() - form.rect().center());

  edit->setText(Model.InitialText());
  edit->selectAll();
  edit->setFocus();

  QObject::connect(ok, &QPushButton::clicked, &form, &QDialog::accept);
  form.exec();
  return Model.Result();
}

}  // namespace kolibra::settings
