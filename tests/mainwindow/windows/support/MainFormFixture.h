#pragma once
// The real main window offscreen, in a folder of its own (options, temporary files), without
// its start-up box and timer, with scripted message boxes and value dialogs.

#include "mainwindow/support/ControllerFixture.h"

#include "mainwindow/MainForm.h"
#include "settings/Options.h"

#include <QCoreApplication>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace kolibra::mainwindow::testing {

// The window's settings for a test: its own folder, no start-up box or timer, the scripted
// dialogs.
inline TMainFormSettings TestFormSettings(const QTemporaryDir &dir, TScriptedDialogs &dialogs) {
  TMainFormSettings settings;
  settings.OptionsFile = dir.filePath(QStringLiteral("Kolibra.ini"));
  settings.TemporaryFolder = dir.path();
  settings.WrapperFolder = QStringLiteral(KOLIBRA_TEST_KLBDLL_DIR);
  settings.Welcome = false;
  settings.StartTimer = false;
  settings.Dialogs = &dialogs;
  return settings;
}

class MainFormFixture : public ::testing::Test {
 protected:
  MainFormFixture() {
    form = std::make_unique<TMainForm>(TestFormSettings(dir, dialogs));
    form->resize(1024, 768);
    form->show();
    QCoreApplication::processEvents();
  }
  ~MainFormFixture() override {
    form->Options().CheckBox3ConfirmationQuit_Checked = false;
    form.reset();
  }
  QToolButton *Button(TControl control) { return qobject_cast<QToolButton *>(form->Control(control)); }
  // A click, then the tool bars lay out the buttons the click showed or hid.
  void Press(TControl control) {
    QTest::mouseClick(Button(control), Qt::LeftButton);
    QCoreApplication::processEvents();
  }

  ScopedDecimalSeparator separator{QLatin1Char('.')};
  QTemporaryDir dir;
  TScriptedMessageBox boxes;
  TScriptedDialogs dialogs;
  std::unique_ptr<TMainForm> form;
};

}  // namespace kolibra::mainwindow::testing
