// The window's menus as a user meets them, offscreen: items recomputed when a menu opens,
// check marks that show the document rather than the click, the space-bar pop-up menu, the
// options command behind its password telling the results they are stale, the calculator
// and help.

#include "mainwindow/windows/support/MainFormFixture.h"
#include "support/ModalDialogs.h"

#include "formulas/windows/Calculatrice.h"
#include "measurement/Data.h"
#include "settings/PasswordHash.h"
#include "videoview/windows/Video.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>

namespace kolibra::mainwindow::testing {
namespace {

using kolibra::testing::Child;
using kolibra::testing::WhenShown;

class TResultsSpy : public measurement::IResultsInvalidation {
 public:
  void Invalidate(measurement::TCalculatorSet which) override { Told.push_back(which); }
  std::vector<measurement::TCalculatorSet> Told;
};

class MainFormCommandsTest : public MainFormFixture {
 protected:
  void OpenVideo() {
    const QString path = dir.filePath(QStringLiteral("clip.avi"));
    const int status = QProcess::execute(
        QStringLiteral("ffmpeg"), {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
                                   QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                                   QStringLiteral("testsrc2=size=320x240:rate=25"), QStringLiteral("-frames:v"),
                                   QStringLiteral("12"), QStringLiteral("-c:v"), QStringLiteral("mjpeg"), path});
    if (status != 0) GTEST_SKIP() << "the ffmpeg program is needed to make the test video";
    ASSERT_TRUE(form->OpenVideo(path));
    QCoreApplication::processEvents();
  }
  QAction *Item(TMenuItem item) { return form->MenuAction(item); }
  // What the user sees when the menu opens.
  void Open(TMenuItem menu) { Q_EMIT Item(menu)->menu()->aboutToShow(); }
  void ClickView(QPoint p) {
    QTest::mouseMove(&form->Video(), p);
    QTest::mouseClick(&form->Video(), Qt::LeftButton, Qt::NoModifier, p);
  }
};

TEST_F(MainFormCommandsTest, MenusShowTheStateOfTheModeWhenTheyOpen) {
  ASSERT_NO_FATAL_FAILURE(OpenVideo());
  for (TMenuItem menu : {MenuFichier, MenuAffichage, MenuMesures, MenuAide})
    EXPECT_EQ(Item(menu)->menu()->objectName(), MenuItemName(menu));
  ClickView(form->Video().rect().center());
  ASSERT_EQ(form->Data().MarksCount(), 1);
  Open(MenuAffichage);
  EXPECT_EQ(Item(MenuAffichageAnnuler)->text(), QStringLiteral("Cancel Set Mark  (Ctrl Z)"));
  EXPECT_TRUE(Item(MenuAffichageAnnuler)->isEnabled());
  Open(MenuMesures);
  EXPECT_TRUE(Item(MenuMesuresAngleRotation)->isVisible());
  EXPECT_FALSE(Item(MenuMesuresForme)->isVisible());

  Press(ButtonModeTransparent);
  Open(MenuMesures);
  EXPECT_FALSE(Item(MenuMesuresAngleRotation)->isVisible());
  EXPECT_TRUE(Item(MenuMesuresInverserAxeX)->isVisible());
  Open(MenuAffichage);
  EXPECT_TRUE(Item(MenuAffichageEffacerCalque)->isVisible());
  EXPECT_FALSE(Item(MenuAffichageEffacerGrille)->isVisible());

  // A choice shows the document's state: taken, it is checked; refused, the old one stays.
  Item(MenuAffichageTailleGrande)->trigger();
  EXPECT_EQ(form->Data().ElementSize(), 2);
  EXPECT_TRUE(Item(MenuAffichageTailleGrande)->isChecked());
  ASSERT_TRUE(Item(MenuAffichageDessinerToutes)->isChecked());
  dialogs.Refuse();
  Item(MenuAffichageDessinerAutres)->trigger();
  EXPECT_TRUE(Item(MenuAffichageDessinerToutes)->isChecked());
  EXPECT_FALSE(Item(MenuAffichageDessinerAutres)->isChecked());
  EXPECT_TRUE(form->Data().MarksIsAllDrawn());
}

TEST_F(MainFormCommandsTest, TheEditMenuNamesWhatItUndoesAndRedoes) {
  ASSERT_NO_FATAL_FAILURE(OpenVideo());
  QStringList titles;
  for (QAction *menu : form->menuBar()->actions()) titles << menu->text();
  EXPECT_EQ(titles, QStringList({"File", "Edit", "Display", "Measurements", "Help"}));
  ClickView(form->Video().rect().center());
  ASSERT_EQ(form->Data().MarksCount(), 1);
  Open(MenuEdition);
  EXPECT_EQ(Item(MenuEditionAnnuler)->text(), QStringLiteral("Undo Set Mark"));
  EXPECT_FALSE(Item(MenuEditionRetablir)->isEnabled());
  Item(MenuEditionAnnuler)->trigger();
  EXPECT_EQ(form->Data().MarksCount(), 0);
  Open(MenuEdition);
  EXPECT_EQ(Item(MenuEditionRetablir)->text(), QStringLiteral("Redo Set Mark"));
  EXPECT_EQ(Item(MenuEditionRetablir)->shortcuts(),
            QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))}));
  // The key redoes, whether the item or the window takes it.
  QTest::keyClick(form.get(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(form->Data().MarksCount(), 1);
  QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(form->Data().MarksCount(), 0);
  QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(form->Data().MarksCount(), 1);
}

TEST_F(MainFormCommandsTest, TheSpaceBarOverTheVideoShowsThePopUpMenu) {
  ASSERT_NO_FATAL_FAILURE(OpenVideo());
  Press(ButtonModeTransparent);
  QTest::mouseMove(&form->Video(), form->Video().rect().center());
  QTest::keyClick(form.get(), Qt::Key_Space);
  QMenu *popup = form->PopupMenu();
  ASSERT_TRUE(popup->isVisible());
  QStringList shown;
  for (QAction *action : popup->actions())
    if (action->isVisible()) shown << action->text();
  EXPECT_EQ(shown, (QStringList{"Zoom", "Pan image", "Move a video mark", "Erase marks", "Calibrate an object",
                                "Use a layer"}));
  popup->hide();
  // Choosing an item is clicking its tool button.
  popup->actions().at(PopupMenuDeplacer)->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(form->Data().ActiveTool(), measurement::dtMove);
  EXPECT_TRUE(Button(ButtonOutilDeplacer)->isChecked());
}

TEST_F(MainFormCommandsTest, TheOptionsAskThePasswordAndAChangedCalculationMakesResultsStale) {
  settings::TOptions &options = form->Options();
  options.Password = settings::HashPassword(QStringLiteral("Prof2024"), 1000);
  options.PasswordEnabled = true;
  TResultsSpy results;
  form->Data().SetResultsInvalidation(&results);
  // The password prompt, then (when given) the options dialog.
  const auto answer = [](const QString &password, std::function<void(QDialog *)> then = nullptr) {
    WhenShown([password, then](QDialog *prompt) {
      EXPECT_EQ(prompt->objectName(), QStringLiteral("PasswordDlg"));
      QTest::keyClicks(Child<QLineEdit>(prompt, "EditPassword"), password);
      Child<QPushButton>(prompt, "ButtonOk")->click();
      if (then) WhenShown(then);
    });
  };

  // A wrong password: no dialog.
  answer(QStringLiteral("guess"));
  form->ShowOptions();
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Wrong password."));

  // The right one, a calculation option changed: both calculators are told.
  const bool speed = options.CheckBox9Speed_Checked;
  answer(QStringLiteral("Prof2024"), [](QDialog *dialog) {
    Child<QCheckBox>(dialog, "CheckBox9Speed")->click();
    Child<QPushButton>(dialog, "ButtonOk")->click();
  });
  Item(MenuAffichageOptions)->trigger();
  EXPECT_NE(options.CheckBox9Speed_Checked, speed);
  ASSERT_EQ(results.Told.size(), 1u);
  EXPECT_EQ(results.Told[0], measurement::TCalculatorSet::Both);

  // Another option: the results stay.
  answer(QStringLiteral("Prof2024"), [](QDialog *dialog) {
    Child<QCheckBox>(dialog, "CheckBox3ConfirmationQuit")->click();
    Child<QPushButton>(dialog, "ButtonOk")->click();
  });
  form->ShowOptions();
  form->Data().SetResultsInvalidation(nullptr);
  EXPECT_EQ(results.Told.size(), 1u);
}

TEST_F(MainFormCommandsTest, TheCalculatorAndHelpOpenFromTheirMenus) {
  Open(MenuMesures);
  ASSERT_TRUE(Item(MenuMesuresCalculatrice)->isEnabled());
  Item(MenuMesuresCalculatrice)->trigger();
  EXPECT_TRUE(form->Calculator().isVisible());
  form->Calculator().hide();
  // The tests' folder has no "Help" beside the program: the warning says where it looks.
  Item(MenuAideKolibra)->trigger();
  ASSERT_GT(boxes.Count(), 0);
  EXPECT_TRUE(boxes.Last().Text().startsWith(QStringLiteral("Unable to launch help. \n")));
}

}  // namespace
}  // namespace kolibra::mainwindow::testing
