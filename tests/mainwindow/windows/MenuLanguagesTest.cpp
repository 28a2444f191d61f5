// The main window built in each language: its menus translated, and no two items of a menu
// (or of the menu bar) sharing an accelerator letter.

#include "mainwindow/windows/support/MainFormFixture.h"
#include "support/MenuAccelerators.h"

#include "kit/Language.h"
#include "mainwindow/MainForm.h"
#include "settings/Options.h"

#include <QAction>
#include <QCoreApplication>
#include <QTemporaryDir>

namespace kolibra::mainwindow::testing {
namespace {

TEST(MainFormLanguages, EveryLanguagesMenusHaveDistinctAccelerators) {
  for (const QString &language : InterfaceLanguages()) {
    ASSERT_EQ(InstallTranslators(language), true) << language.toStdString();
    QTemporaryDir dir;
    TScriptedMessageBox boxes;
    TScriptedDialogs dialogs;
    TMainForm form(TestFormSettings(dir, dialogs));
    form.show();
    QCoreApplication::processEvents();
    const QAction *open = form.findChild<QAction *>(QStringLiteral("MenuFichierOuvrir"));
    ASSERT_NE(open, nullptr);
    if (language == QLatin1String("en"))
      EXPECT_EQ(open->text(), QStringLiteral("Open video..."));
    else
      EXPECT_NE(open->text(), QStringLiteral("Open video...")) << language.toStdString();
    const QStringList clashes = kolibra::testing::AcceleratorClashes(form);
    EXPECT_TRUE(clashes.isEmpty())
        << language.toStdString() << ":\n  " << clashes.join(QStringLiteral("\n  ")).toStdString();
    form.Options().CheckBox3ConfirmationQuit_Checked = false;
  }
  InstallTranslators(QStringLiteral("en"));
}

}  // namespace
}  // namespace kolibra::mainwindow::testing
