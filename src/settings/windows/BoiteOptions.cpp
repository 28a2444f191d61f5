#include "settings/windows/BoiteOptions.h"

#include "dialogs/DialogLook.h"
#include "kit/Hint.h"
#include "kit/Language.h"
#include "kit/Texts.h"
#include "settings/OptionsPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFormLayout>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <vector>

namespace kolibra::settings {

namespace boite_options {

// The window: its status bar shows the long hint of the control under the mouse.
class TFormOptions : public QDialog {
 public:
  TFormOptions() : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {}
  QStatusBar *Status = nullptr;

 protected:
  bool event(QEvent *event) override {
    if (event->type() == QEvent::StatusTip && Status) {
      Status->showMessage(static_cast<QStatusTipEvent *>(event)->tip());
      return true;
    }
    return QDialog::event(event);
  }
};

// Builds the controls of the page table over the model; Refresh shows the model again
// (after "Restore defaults").
class TBuilder {
 public:
  TBuilder(TBoiteOptions &owner, TBoiteOptionsModel &model, QWidget *form)
      : Owner(owner), Model(model), Form(form) {}

  void AddItems(const std::vector<TOptionsItem> &items, QVBoxLayout *layout) {
    QVBoxLayout *target = layout;
    QGridLayout *tools = nullptr;
    QFormLayout *values = nullptr;
    int toolCount = 0;
    for (const TOptionsItem &item : items) {
      // Consecutive tools make one tool bar; consecutive values one column of labels.
      if (item.Kind != oiTool) tools = nullptr;
      if (item.Kind != oiValue) values = nullptr;
      switch (item.Kind) {
        case oiCheckBox: AddCheckBox(*FindOptionKey(QLatin1String(item.Key)), target); break;
        case oiValue:
          if (!values) {
            values = new QFormLayout;
            values->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
            target->addLayout(values);
          }
          AddValue(*FindOptionKey(QLatin1String(item.Key)), values);
          break;
        case oiTool:
          if (!tools) {
            tools = new QGridLayout;
            tools->setSpacing(2);
            target->addLayout(tools);
            toolCount = 0;
          }
          AddTool(*FindOptionKey(QLatin1String(item.Key)), tools, toolCount++);
          break;
        case oiLabel: AddLabel(item, target); break;
        case oiGroup: {
          auto *group = new QGroupBox(BoiteOptionsText::tr(item.Text), Form);
          target->addWidget(group);
          target = new QVBoxLayout(group);
          break;
        }
        case oiEndGroup: target = layout; break;
        case oiPassword: AddPassword(*FindOptionKey(QLatin1String(item.Key)), target); break;
        case oiAssociation: AddAssociation(target); break;
        case oiFolder: AddFolder(*FindOptionKey(QLatin1String(item.Key)), target); break;
        case oiLanguage:
          AddLanguage(*FindOptionKey(QLatin1String(item.Key)), target);
          break;
      }
    }
  }

  void Refresh() {
    for (const auto &refresh : Refreshers) refresh();
  }

 private:
  void Describe(QWidget *widget, const QString &hint) {
    const QString text = LongHint(hint);
    if (!hint.isEmpty() && !text.isEmpty()) widget->setStatusTip(text);
  }

  void AddCheckBox(const TOptionKey &key, QVBoxLayout *layout) {
    auto *box = new QCheckBox(key.CaptionText(), Form);
    box->setObjectName(ControlName(key.Key));
    Describe(box, key.HintText());
    layout->addWidget(box);
    const TOptionKey *k = &key;
    Refreshers.push_back([this, box, k] {
      const QSignalBlocker blocker(box);
      box->setChecked(Model.Checked(*k));
    });
    QObject::connect(box, &QCheckBox::toggled, Form,
                     [this, k](bool checked) { Model.SetChecked(*k, checked); });
  }

  void AddValue(const TOptionKey &key, QFormLayout *layout) {
    auto *label = new QLabel(key.CaptionText(), Form);
    const TOptionKey *k = &key;
    QWidget *control;
    if (!key.Items.empty()) {
      auto *combo = new QComboBox(Form);
      combo->addItems(key.ItemTexts());
      Refreshers.push_back([this, combo, k] {
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(Model.Value(*k));
      });
      QObject::connect(combo, &QComboBox::currentIndexChanged, Form,
                       [this, k](int index) { Model.SetValue(*k, index); });
      control = combo;
    } else {
      auto *spin = new QSpinBox(Form);
      spin->setRange(key.Min, key.Max);
      Refreshers.push_back([this, spin, k] {
        const QSignalBlocker blocker(spin);
        spin->setValue(Model.Value(*k));
      });
      QObject::connect(spin, &QSpinBox::valueChanged, Form,
                       [this, k](int value) { Model.SetValue(*k, value); });
      control = spin;
    }
    control->setObjectName(ControlName(key.Key));
    Describe(control, key.HintText());
    label->setBuddy(control);
    layout->addRow(label, control);
  }

  void AddTool(const TOptionKey &key, QGridLayout *grid, int index) {
    auto *button = new QToolButton(Form);
    button->setObjectName(ControlName(key.Key));
    button->setCheckable(true);
    button->setText(key.CaptionText());
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // The status bar names the tool.
    button->setStatusTip(key.CaptionText());
    grid->addWidget(button, index / 2, index % 2);
    const TOptionKey *k = &key;
    Refreshers.push_back([this, button, k] {
      const QSignalBlocker blocker(button);
      button->setChecked(Model.Checked(*k));
    });
    QObject::connect(button, &QToolButton::toggled, Form,
                     [this, k](bool down) { Model.SetChecked(*k, down); });
  }

  void AddLabel(const TOptionsItem &item, QVBoxLayout *layout) {
    auto *label = new QLabel(BoiteOptionsText::tr(item.Text), Form);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, item.Color.ToQColor(palette));
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    layout->addWidget(label);
  }

  void AddPassword(const TOptionKey &key, QVBoxLayout *layout) {
    auto *box = new QCheckBox(key.CaptionText(), Form);
    box->setObjectName(QStringLiteral("CheckBox1Password"));
    Describe(box, key.HintText());
    layout->addWidget(box);
    Refreshers.push_back([this, box] {
      const QSignalBlocker blocker(box);
      box->setChecked(Model.PasswordChecked());
    });
    QObject::connect(box, &QCheckBox::clicked, Form, [this, box](bool checked) {
      const bool state = Model.PasswordClicked(checked, Owner.PasswordDlg);
      const QSignalBlocker blocker(box);
      box->setChecked(state);
    });
  }

  void AddAssociation(QVBoxLayout *layout) {
    auto *box = new QCheckBox(AssociationCaption(), Form);
    box->setObjectName(QStringLiteral("CheckBox2Association"));
    Describe(box, AssociationHint());
    layout->addWidget(box);
    Refreshers.push_back([this, box] {
      const QSignalBlocker blocker(box);
      box->setChecked(Model.AssociationChecked);
    });
    QObject::connect(box, &QCheckBox::toggled, Form,
                     [this](bool checked) { Model.AssociationChecked = checked; });
  }

  void AddFolder(const TOptionKey &key, QVBoxLayout *layout) {
    layout->addWidget(new QLabel(key.CaptionText(), Form));
    auto *row = new QHBoxLayout;
    auto *edit = new QLineEdit(Form);
    edit->setObjectName(QStringLiteral("EditDefaultDirectory"));
    edit->setReadOnly(true);
    auto *change = new QPushButton(BoiteOptionsText::tr("Change ..."), Form);
    change->setObjectName(QStringLiteral("ButtonDefaultDirectoryChange"));
    auto *remove = new QPushButton(BoiteOptionsText::tr("Delete"), Form);
    remove->setObjectName(QStringLiteral("ButtonDefaultDirectorySuppr"));
    row->addWidget(edit, 1);
    row->addWidget(change);
    row->addWidget(remove);
    layout->addLayout(row);
    const auto show = [this, edit] {
      edit->setText(QDir::toNativeSeparators(Model.DefaultDirectory()));
    };
    Refreshers.push_back(show);
    QObject::connect(change, &QPushButton::clicked, Form, [this, show] {
      const QString folder = Owner.ChooseFolder(Model.FolderDialogStart());
      // A cancelled folder dialog changes nothing.
      if (folder.isEmpty()) return;
      Model.ChangeDefaultDirectory(folder);
      show();
    });
    QObject::connect(remove, &QPushButton::clicked, Form, [this, show] {
      Model.DeleteDefaultDirectory();
      show();
    });
  }

  // The desktop's language, then each language in its own name; the choice is read at start.
  void AddLanguage(const TOptionKey &key, QVBoxLayout *layout) {
    auto *row = new QHBoxLayout;
    auto *label = new QLabel(key.CaptionText(), Form);
    auto *combo = new QComboBox(Form);
    combo->setObjectName(QStringLiteral("ComboBoxLanguage"));
    label->setBuddy(combo);
    combo->addItem(
        BoiteOptionsText::tr("The desktop's language (%1)").arg(LanguageEndonym(DesktopLanguage())),
        QString());
    for (const QString &code : InterfaceLanguages()) combo->addItem(LanguageEndonym(code), code);
    Describe(combo, key.HintText());
    auto *note = new QLabel(BoiteOptionsText::tr("Applied at the next start of Kolibra."), Form);
    note->setObjectName(QStringLiteral("LabelLanguageNextStart"));
    row->addWidget(label);
    row->addWidget(combo);
    row->addWidget(note);
    row->addStretch(1);
    layout->addLayout(row);
    Refreshers.push_back([this, combo] {
      const QSignalBlocker blocker(combo);
      const int index = combo->findData(Model.Controls().Language);
      combo->setCurrentIndex(index < 0 ? 0 : index);
    });
    QObject::connect(combo, &QComboBox::currentIndexChanged, Form, [this, combo](int) {
      Model.Controls().Language = combo->currentData().toString();
    });
  }

  TBoiteOptions &Owner;
  TBoiteOptionsModel &Model;
  QWidget *Form;
  std::vector<std::function<void()>> Refreshers;
};

QTabWidget *NewTabs(QWidget *parent, const QString &name) {
  auto *tabs = new QTabWidget(parent);
  tabs->setObjectName(name);
  tabs->setUsesScrollButtons(true);
  return tabs;
}

}  // namespace boite_options

TBoiteOptions::TBoiteOptions()
    : Executable(QCoreApplication::applicationFilePath()), Font(QStringLiteral("Arial"), 10) {
  ChooseFolder = [](const QString &start) {
    return QFileDialog::getExistingDirectory(
        nullptr, QCoreApplication::translate("BoiteOptionsText", "Default directory"), start);
  };
}

TOptionsDialogResult TBoiteOptions::Execute(TOptions &options) {
  using namespace boite_options;
  TBoiteOptionsModel model(options, Association, Executable);
  model.Show();

  TFormOptions form;
  dialogs::ApplyDialogLook(form, QStringLiteral("BoiteOptions"), TBoiteOptionsModel::Caption(),
                           Font, BackGroundColor);
  TBuilder builder(*this, model, &form);

  auto *pages = NewTabs(&form, QStringLiteral("PageControl"));
  pages->setIconSize(QSize(18, 18));
  for (const TOptionsPage &page : OptionsPages()) {
    auto *sheet = new QWidget(pages);
    sheet->setObjectName(QLatin1String(page.Name));
    auto *layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(6, 6, 6, 6);
    builder.AddItems(page.Header, layout);
    if (!page.SubPages.empty()) {
      auto *subPages = NewTabs(sheet, QLatin1String(page.Name) + QStringLiteral("Pages"));
      for (const TOptionsSubPage &subPage : page.SubPages) {
        auto *subSheet = new QWidget(subPages);
        subSheet->setObjectName(QLatin1String(subPage.Name));
        auto *subLayout = new QVBoxLayout(subSheet);
        subLayout->setContentsMargins(8, 6, 8, 6);
        builder.AddItems(subPage.Items, subLayout);
        subLayout->addStretch(1);
        subPages->addTab(subSheet, BoiteOptionsText::tr(subPage.Caption));
      }
      layout->addWidget(subPages, 1);
    } else {
      layout->addStretch(1);
    }
    const QIcon icon = page.IconOnly && PageIcon ? PageIcon(QLatin1String(page.Name)) : QIcon();
    if (icon.isNull()) {
      pages->addTab(sheet, BoiteOptionsText::tr(page.Caption));
    } else {
      const int index = pages->addTab(sheet, icon, QString());
      pages->setTabToolTip(index, BoiteOptionsText::tr(page.Caption));
    }
  }

  auto *defaults = new QPushButton(BoiteOptionsText::tr("Restore defaults"), &form);
  defaults->setObjectName(QStringLiteral("ButtonDefaults"));
  defaults->setAutoDefault(false);
  auto *ok = new QPushButton(BoiteOptionsText::tr("OK"), &form);
  ok->setObjectName(QStringLiteral("ButtonOk"));
  ok->setDefault(true);
  auto *cancel = new QPushButton(BoiteOptionsText::tr("Cancel"), &form);
  cancel->setObjectName(QStringLiteral("ButtonCancel"));
  cancel->setAutoDefault(false);
  QObject::connect(defaults, &QPushButton::clicked, &form, [&model, &builder] {
    model.RestoreDefaults();
    builder.Refresh();
  });
  QObject::connect(ok, &QPushButton::clicked, &form, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &form, &QDialog::reject);

  auto *status = new QStatusBar(&form);
  status->setObjectName(QStringLiteral("StatusBar"));
  status->setSizeGripEnabled(false);
  form.Status = status;

  auto *buttons = new QHBoxLayout;
  buttons->addWidget(defaults);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto *layout = new QVBoxLayout(&form);
  layout->setContentsMargins(6, 6, 6, 0);
  layout->addWidget(pages, 1);
  layout->addLayout(buttons);
  layout->addWidget(status);

  builder.Refresh();
  form.setFixedSize(QSize(614, 422).expandedTo(form.sizeHint()));
  if (const QScreen *screen = QGuiApplication::primaryScreen())
    form.move(screen->availableGeometry().center() - form.rect().center());

  if (form.exec() != QDialog::Accepted) {
    model.Cancel();
    return {};
  }
  return model.Close();
}

}  // namespace kolibra::settings
