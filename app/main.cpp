// Kolibra: teaching mechanics from video.

#include "dialogs/MessageBoxWindow.h"
#include "measurement/GraphUtils.h"
#include "settings/Options.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kolibra"));

  // Every message of the program goes through the one message-box window.
  kolibra::dialogs::TMessageBoxWindow messageBoxes;
  kolibra::SetMessagePresenter(&messageBoxes);

  kolibra::measurement::CreateGraphUtils();
  kolibra::settings::TOptions options;

  // The main window grows with the measurement subsystems; for now it is an empty frame.
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Kolibra"));
  window.resize(1024, 720);
  window.show();
  const int status = app.exec();

  kolibra::SetMessagePresenter(nullptr);
  kolibra::measurement::FreeGraphUtils();
  return status;
}
