// Kolibra: teaching mechanics from video.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kolibra"));

  // The main window grows with the measurement subsystems; for now it is an empty frame.
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Kolibra"));
  window.resize(1024, 720);
  window.show();
  return app.exec();
}
