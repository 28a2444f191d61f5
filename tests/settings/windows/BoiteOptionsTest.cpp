// The options dialog and the password prompt as the user meets them: each control writes
// exactly its own key (nothing else in the options file changes), Cancel and Escape change
// nothing, "Restore defaults" shows the defaults, the password box runs the prompt, the
// folder buttons, and the prompt's key filter (21 letters and digits, Backspace and Enter
// always working, pasted text checked too).

#include "support/ModalDialogs.h"
#include "kit/MessageBox.h"
#include "settings/OptionsPages.h"
#include "settings/windows/BoiteOptions.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace kolibra::settings::boite_options_test {

using kolibra::testing::Child;
using kolibra::testing::WhenShown;

QString ReadFile(const QString &name) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void WriteFile(const QString &name, const QString &text) {
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text.toUtf8());
}

// Runs action on the modal window named name once it is the active one.
void WhenNamedShown(const QString &name, std::function<void(QDialog *)> action) {
  auto *poll = new QTimer(qApp);
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, name, action] {
    auto *window = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (window == nullptr || !window->isVisible() || window->objectName() != name) return;
    poll->stop();
    poll->deleteLater();
    action(window);
  });
  poll->start();
}

// The lines of a file that are not in the other one.
QStringList LinesOnlyIn(const QString &a, const QString &b) {
  const QStringList other = b.split(QLatin1Char('\n'));
  QStringList out;
  for (const QString &line : a.split(QLatin1Char('\n')))
    if (!other.contains(line)) out << line;
  return out;
}

// Changes a control as a user would: a click, or the next item or number.
void ChangeControl(QWidget *control) {
  if (auto *button = qobject_cast<QAbstractButton *>(control)) {
    button->click();
  } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
    combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
  } else if (auto *spin = qobject_cast<QSpinBox *>(control)) {
    spin->setValue(spin->value() < spin->maximum() ? spin->value() + 1 : spin->value() - 1);
  } else {
    ADD_FAILURE() << "not a control: " << control->objectName().toStdString();
  }
}

class BoiteOptionsTest : public ::testing::Test {
 protected:
  BoiteOptionsTest() {
    Dialog.Association = TKlbAssociation(Dir.filePath(QStringLiteral("data")),
                                         Dir.filePath(QStringLiteral("config")));
    Dialog.Association.RefreshCaches = false;
    Options.PasswordIterations = 20;
    // Foreign sections and a key of a later version live in the same file.
    Options.Save();
    WriteFile(FileName(), QStringLiteral("[MainForm]\nLeft=10\n\n") + ReadFile(FileName()) +
                              QStringLiteral("FutureOption=7\n\n[Capture]\nDevice=2\n"));
    Options.Load();
    Baseline = ReadFile(FileName());
  }
  QString FileName() const { return Dir.filePath(QStringLiteral("Kolibra.ini")); }

  QTemporaryDir Dir;
  TScriptedMessageBox Boxes;
  TOptions Options{FileName()};
  TBoiteOptions Dialog;
  QString Baseline;
};

TEST_F(BoiteOptionsTest, EachControlWritesExactlyItsOwnKey) {
  for (const TOptionKey &key : OptionKeys()) {
    if (std::holds_alternative<QString TOptions::*>(key.Field)) continue;  // below
    SCOPED_TRACE(key.Key);
    WriteFile(FileName(), Baseline);
    Options.Load();
    WhenShown([&](QDialog *form) {
      ChangeControl(Child<QWidget>(form, ControlName(key.Key).toLatin1().constData()));
      Child<QPushButton>(form, "ButtonOk")->click();
    });
    EXPECT_TRUE(Dialog.Execute(Options).Accepted);
    const QString after = ReadFile(FileName());
    const QStringList changed = LinesOnlyIn(after, Baseline);
    ASSERT_EQ(changed.size(), 1) << changed.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(changed.first().startsWith(QLatin1String(key.Key) + QLatin1Char('=')));
    EXPECT_EQ(LinesOnlyIn(Baseline, after).size(), 1);
  }
  EXPECT_EQ(Boxes.Count(), 0);
}

TEST_F(BoiteOptionsTest, CancelAndEscapeChangeNothing) {
  for (const bool escape : {false, true}) {
    WhenShown([&](QDialog *form) {
      for (QCheckBox *box : form->findChildren<QCheckBox *>())
        if (box->objectName() != QLatin1String("CheckBox1Password")) box->click();
      for (QToolButton *tool : form->findChildren<QToolButton *>())
        if (tool->isCheckable()) tool->click();
      if (escape)
        QTest::keyClick(form, Qt::Key_Escape);
      else
        Child<QPushButton>(form, "ButtonCancel")->click();
    });
    const TOptionsDialogResult result = Dialog.Execute(Options);
    EXPECT_FALSE(result.Accepted);
    EXPECT_FALSE(result.CalculationsChanged);
    EXPECT_EQ(ReadFile(FileName()), Baseline);
    EXPECT_FALSE(Dialog.Association.IsRegistered());
  }
}

TEST_F(BoiteOptionsTest, RestoreDefaultsShowsTheDefaults) {
  Options.CheckBox9Speed_Checked = false;
  Options.EditMRU_Value = 3;
  Options.PenSize_Value = 2;
  bool speedBefore = true, speedAfter = false;
  int mruAfter = 0, penAfter = -1;
  WhenShown([&](QDialog *form) {
    speedBefore = Child<QCheckBox>(form, "CheckBox9Speed")->isChecked();
    Child<QPushButton>(form, "ButtonDefaults")->click();
    speedAfter = Child<QCheckBox>(form, "CheckBox9Speed")->isChecked();
    mruAfter = Child<QSpinBox>(form, "EditMRU")->value();
    penAfter = Child<QComboBox>(form, "PenSize")->currentIndex();
    Child<QPushButton>(form, "ButtonOk")->click();
  });
  EXPECT_TRUE(Dialog.Execute(Options).CalculationsChanged);
  EXPECT_FALSE(speedBefore);
  EXPECT_TRUE(speedAfter);
  EXPECT_EQ(mruAfter, 8);
  EXPECT_EQ(penAfter, 0);
  EXPECT_TRUE(Options.CheckBox9Speed_Checked);
}

TEST_F(BoiteOptionsTest, ThePasswordBoxAsksForAPassword) {
  bool boxAfterCancel = true, boxAfterPassword = false;
  WhenShown([&](QDialog *form) {
    auto *box = Child<QCheckBox>(form, "CheckBox1Password");
    WhenNamedShown(QStringLiteral("PasswordDlg"), [](QDialog *prompt) {
      Child<QPushButton>(prompt, "ButtonAnnuler")->click();
    });
    box->click();
    boxAfterCancel = box->isChecked();
    WhenNamedShown(QStringLiteral("PasswordDlg"), [](QDialog *prompt) {
      auto *edit = Child<QLineEdit>(prompt, "EditPassword");
      QTest::keyClicks(edit, QStringLiteral("Prof2024"));
      QTest::keyClick(edit, Qt::Key_Return);
    });
    box->click();
    boxAfterPassword = box->isChecked();
    Child<QPushButton>(form, "ButtonOk")->click();
  });
  Dialog.Execute(Options);
  EXPECT_FALSE(boxAfterCancel);
  EXPECT_TRUE(boxAfterPassword);
  EXPECT_TRUE(Options.PasswordEnabled);
  EXPECT_TRUE(VerifyPassword(QStringLiteral("Prof2024"), Options.Password));
  EXPECT_TRUE(TOptions(FileName()).PasswordEnabled);

  // The options command now asks for it.
  WhenNamedShown(QStringLiteral("PasswordDlg"), [](QDialog *prompt) {
    QTest::keyClicks(Child<QLineEdit>(prompt, "EditPassword"), QStringLiteral("Prof2024"));
    Child<QPushButton>(prompt, "ButtonOk")->click();
  });
  EXPECT_TRUE(Dialog.CheckAccess(Options));
}

TEST_F(BoiteOptionsTest, TheFolderButtonsSetAndClearTheDefaultFolder) {
  QString asked = QStringLiteral("not asked");
  Dialog.ChooseFolder = [&](const QString &start) {
    asked = start;
    return Dir.path();
  };
  QString shown, cleared;
  WhenShown([&](QDialog *form) {
    Child<QPushButton>(form, "ButtonDefaultDirectoryChange")->click();
    shown = Child<QLineEdit>(form, "EditDefaultDirectory")->text();
    Child<QPushButton>(form, "ButtonDefaultDirectorySuppr")->click();
    cleared = Child<QLineEdit>(form, "EditDefaultDirectory")->text();
    Child<QPushButton>(form, "ButtonDefaultDirectoryChange")->click();
    Child<QPushButton>(form, "ButtonOk")->click();
  });
  Dialog.Execute(Options);
  EXPECT_EQ(asked, QString());
  EXPECT_EQ(shown, Dir.path());
  EXPECT_EQ(cleared, QString());
  EXPECT_EQ(Options.DefaultDirectory, Dir.path());
}

// The language list: the desktop's first, then each language in its own name; the choice
// is kept as a code, the desktop's as an empty value, and the file changes by that key only.
TEST_F(BoiteOptionsTest, TheLanguageChoiceIsKeptForTheNextStart) {
  QStringList items;
  QString note;
  WhenShown([&](QDialog *form) {
    auto *combo = Child<QComboBox>(form, "ComboBoxLanguage");
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    note = Child<QLabel>(form, "LabelLanguageNextStart")->text();
    combo->setCurrentIndex(combo->findText(QStringLiteral("Deutsch")));
    Child<QPushButton>(form, "ButtonOk")->click();
  });
  EXPECT_TRUE(Dialog.Execute(Options).Accepted);
  ASSERT_EQ(items.size(), 5);
  EXPECT_TRUE(items[0].startsWith(QStringLiteral("The desktop's language (")));
  EXPECT_EQ(items.mid(1), (QStringList{"English", "Français", "Deutsch", "Español"}));
  EXPECT_EQ(note, QStringLiteral("Applied at the next start of Kolibra."));
  EXPECT_EQ(Options.Language, QStringLiteral("de"));
  const QString after = ReadFile(FileName());
  EXPECT_EQ(LinesOnlyIn(after, Baseline), QStringList{QStringLiteral("Language=de")});
  EXPECT_EQ(TOptions(FileName()).Language, QStringLiteral("de"));

  int shownIndex = -1;
  WhenShown([&](QDialog *form) {
    auto *combo = Child<QComboBox>(form, "ComboBoxLanguage");
    shownIndex = combo->currentIndex();
    combo->setCurrentIndex(0);
    Child<QPushButton>(form, "ButtonOk")->click();
  });
  Dialog.Execute(Options);
  EXPECT_EQ(shownIndex, 3);
  EXPECT_EQ(Options.Language, QString());
  EXPECT_TRUE(LinesOnlyIn(ReadFile(FileName()), Baseline).isEmpty());
  EXPECT_TRUE(LinesOnlyIn(Baseline, ReadFile(FileName())).isEmpty());
}

TEST_F(BoiteOptionsTest, ViewPagesShowTheirIconWhenOneIsGiven) {
  Dialog.PageIcon = [](const QString &) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    return QIcon(pixmap);
  };
  QStringList texts, tips;
  WhenShown([&](QDialog *form) {
    auto *pages = Child<QTabWidget>(form, "PageControl");
    for (int i = 0; i < pages->count(); ++i) {
      texts << pages->tabText(i);
      tips << pages->tabToolTip(i);
    }
    Child<QPushButton>(form, "ButtonCancel")->click();
  });
  Dialog.Execute(Options);
  EXPECT_EQ(texts, (QStringList{"Preferences", "Calculations", "Features", "", "", "", "", "", "", ""}));
  EXPECT_EQ(tips.mid(3), (QStringList{"Datasheet", "Evolution as a function of time",
                                      "Trajectory in reference frame", "Vectors representation",
                                      "Custom formulas", "Formulas and constants",
                                      "Common options of graphs"}));
}

TEST(PasswordDlg, TakesUpTo21LettersAndDigitsWithBackspaceAndEnterAlwaysWorking) {
  TPasswordDlg prompt;
  QString filtered, full, afterBackspace, afterPaste;
  bool okAtStart = true, okWithText = false, okWhenEmptied = true;
  WhenShown([&](QDialog *form) {
    auto *edit = Child<QLineEdit>(form, "EditPassword");
    auto *ok = Child<QPushButton>(form, "ButtonOk");
    okAtStart = ok->isEnabled();
    QTest::keyClicks(edit, QStringLiteral("Ab c-"));
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Eacute, QString::fromUtf8("\xc3\xa9"),
                        Qt::NoModifier);
    QTest::keyClicks(edit, QStringLiteral("!1"));
    filtered = edit->text();
    okWithText = ok->isEnabled();
    for (int i = 0; i < 4; ++i) QTest::keyClick(edit, Qt::Key_Backspace);
    okWhenEmptied = ok->isEnabled();
    QTest::keyClicks(edit, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    full = edit->text();
    QTest::keyClick(edit, Qt::Key_Backspace);
    afterBackspace = edit->text();
    // A pasted text goes through the same rule: refused as a whole here.
    QApplication::clipboard()->setText(QStringLiteral("x y"));
    edit->paste();
    afterPaste = edit->text();
    QTest::keyClick(edit, Qt::Key_Return);
  });
  EXPECT_TRUE(prompt.Execute());
  EXPECT_FALSE(okAtStart);
  EXPECT_EQ(filtered, QStringLiteral("Abc1"));
  EXPECT_TRUE(okWithText);
  EXPECT_FALSE(okWhenEmptied);
  EXPECT_EQ(full, QStringLiteral("abcdefghijklmnopqrstu"));
  EXPECT_EQ(afterBackspace, QStringLiteral("abcdefghijklmnopqrst"));
  EXPECT_EQ(afterPaste, afterBackspace);
  EXPECT_EQ(prompt.PasswordText, afterBackspace);
}

TEST(PasswordDlg, EnterOnAnEmptyBoxAndEscapeConfirmNothing) {
  TPasswordDlg prompt;
  prompt.PasswordText = QStringLiteral("left over");
  bool stillOpen = false;
  WhenShown([&](QDialog *form) {
    QTest::keyClick(Child<QLineEdit>(form, "EditPassword"), Qt::Key_Return);
    stillOpen = form->isVisible();
    QTest::keyClick(form, Qt::Key_Escape);
  });
  EXPECT_FALSE(prompt.Execute());
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(prompt.PasswordText.isEmpty());
}

}  // namespace kolibra::settings::boite_options_test
