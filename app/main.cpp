// Kolibra: teaching mechanics from video.
//
// kolibra [VIDEO | WORK.klb]: opens a video, or a work file with its video and measurement,
// at start-up instead of one of the sample videos.

#include "dialogs/MessageBoxWindow.h"
#include "kit/Language.h"
#include "mainwindow/MainForm.h"
#include "measurement/GraphUtils.h"
#include "settings/Options.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kolibra"));
  // The about box shows it.
  QApplication::setApplicationVersion(QStringLiteral(KOLIBRA_VERSION));
  // The language chosen in the options, else the desktop's; a change applies at the next start.
  kolibra::InstallTranslators(kolibra::InterfaceLanguage(kolibra::settings::TOptions().Language));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QCoreApplication::translate("KolibraText", "Teaching mechanics from video."));
  parser.addHelpOption();
  parser.addPositionalArgument(
      QStringLiteral("file"),
      QCoreApplication::translate(
          "KolibraText", "A video, or a work file (.klb), to open instead of a sample video."),
      QStringLiteral("[video | work.klb]"));
  parser.process(app);

  // Every message of the program goes through the one message-box window.
  kolibra::dialogs::TMessageBoxWindow messageBoxes;
  kolibra::SetMessagePresenter(&messageBoxes);
  kolibra::measurement::CreateGraphUtils();

  kolibra::mainwindow::TMainFormSettings settings;
  if (!parser.positionalArguments().isEmpty())
    settings.StartFile = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
  int status = 0;
  {
    kolibra::mainwindow::TMainForm window(settings);
    window.showMaximized();
    status = app.exec();
  }

  kolibra::SetMessagePresenter(nullptr);
  kolibra::measurement::FreeGraphUtils();
  return status;
}
