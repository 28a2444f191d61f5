// Not a test: Kolibra's main window in a process of its own, driven from its command line,
// for the tests that kill it (RecoveryKillTest.cpp). It builds the window as the program
// does (offscreen, every message box answered with its first button and printed on standard
// error), and reports each step on standard output, one flushed line at a time.
//
//   recovery_child FOLDER mark VIDEO D0,D1,... [midway]
//     opens VIDEO ("opened MS") and marks the ball at its true position on frames 0, 1, ...,
//     mark I Di ms after the one before: "mark I FRAME MS" after each, "done" after the last;
//     then waits to be killed. MS: the system's monotonic clock in milliseconds, which the
//     test reads too. With midway, every write of the recovery file after the first stops halfway
//     for 30 s after printing "midway".
//   recovery_child FOLDER restore
//     starts as the program does, restoring the first file offered, and prints
//     "restored MARKS CAPTION", then closes as a user who does not save.
//   recovery_child FOLDER settings
//     rewrites the options and the recent files, alternating between two states, until killed;
//     "writing" once the first round is done.
//
// FOLDER holds the options file and the temporary folder; the recovery folder is the
// environment's ($XDG_STATE_HOME).

#include "editing/ParaboleWork.h"
#include "kit/MessageBox.h"
#include "mainwindow/MainForm.h"
#include "measurement/Data.h"
#include "measurement/GraphUtils.h"
#include "measurement/MRUFiles.h"
#include "settings/Options.h"
#include "videoview/windows/Video.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <memory>
#include <thread>

namespace {

using namespace kolibra;

// The system's monotonic clock in milliseconds (the test's too).
qint64 Now() {
  QElapsedTimer clock;
  clock.start();
  return clock.msecsSinceReference();
}

void Say(const QString &line) {
  std::fprintf(stdout, "%s\n", line.toUtf8().constData());
  std::fflush(stdout);
}

// Every box answered with its first button.
class TAnsweringBoxes : public IMessagePresenter {
 public:
  TMessageAnswer Present(const TMessageRequest &request) override {
    std::fprintf(stderr, "box: %s\n", request.Text().toUtf8().constData());
    return {};
  }
};

class TRestoreFirst : public mainwindow::IRecoveryDialog {
 public:
  mainwindow::TRecoveryChoice AskRecovery(const std::vector<work::TRecoveryEntry> &) override {
    return {mainwindow::raRestore, 0};
  }
};

mainwindow::TMainFormSettings Settings(const QString &folder) {
  mainwindow::TMainFormSettings settings;
  settings.OptionsFile = QDir(folder).filePath(QStringLiteral("Kolibra.ini"));
  settings.TemporaryFolder = folder;
  settings.WrapperFolder = QStringLiteral(KOLIBRA_TEST_KLBDLL_DIR);
  settings.Welcome = false;
  settings.StartTimer = false;
  return settings;
}

int Mark(const QString &folder, const QString &video, const QStringList &delays, bool midway) {
  mainwindow::TMainForm window(Settings(folder));
  window.show();
  if (!window.OpenVideo(video)) return 2;
  Say(QStringLiteral("opened %1").arg(Now()));
  if (midway) {
    auto writes = std::make_shared<std::atomic<int>>(0);
    window.Work().Recovery()->SetMidway([writes] {
      if (++*writes == 1) return;
      Say(QStringLiteral("midway"));
      std::this_thread::sleep_for(std::chrono::seconds(30));
    });
  }
  const std::vector<editing::testing::TTruePosition> truth = editing::testing::ParaboleTruth();
  if (truth.size() < size_t(delays.size())) return 3;
  int placed = 0;
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, &window, [&] {
    const editing::testing::TTruePosition &row = truth[size_t(placed)];
    window.Video().Model().SetFrame(row.Frame);
    if (!window.Data().FixedMarks().PointMark(row.Relative)) QCoreApplication::exit(4);
    Say(QStringLiteral("mark %1 %2 %3").arg(placed).arg(row.Frame).arg(Now()));
    if (++placed == delays.size())
      Say(QStringLiteral("done"));
    else
      timer.start(delays[placed].toInt());
  });
  timer.start(delays.value(0).toInt());
  return QApplication::exec();
}

int Restore(const QString &folder) {
  TRestoreFirst dialog;
  mainwindow::TMainFormSettings settings = Settings(folder);
  settings.StartTimer = true;
  settings.RecoveryDialog = &dialog;
  mainwindow::TMainForm window(settings);
  window.show();
  // The start-up timer offers the recovery files, then the window reports and closes.
  QTimer::singleShot(3000, &window, [&window] {
    Say(QStringLiteral("restored %1 %2")
            .arg(window.Data().FixedMarks().MarksCount())
            .arg(window.windowTitle()));
    window.Options().CheckBox3ConfirmationQuit_Checked = false;
    window.close();
  });
  return QApplication::exec();
}

int RewriteSettings(const QString &folder) {
  const QString name = QDir(folder).filePath(QStringLiteral("Kolibra.ini"));
  settings::TOptions options(name);
  for (int round = 0;; ++round) {
    const bool odd = round % 2 == 1;
    options.EditMRU_Value = odd ? 7 : 9;
    options.Save();
    TIniFile ini(name);
    measurement::TMRUFiles recent;
    recent.SetMaxEntries(20);
    for (int i = 0; i < 20; ++i)
      recent.Add(QDir(folder).filePath(QStringLiteral("%1-%2.klb").arg(odd ? "b" : "a").arg(i)));
    recent.SaveToIni(ini);
    ini.UpdateFile();
    if (round == 1) Say(QStringLiteral("writing"));
  }
}

}  // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 3) return 1;
  TAnsweringBoxes boxes;
  SetMessagePresenter(&boxes);
  measurement::CreateGraphUtils();
  int status = 1;
  const QString mode = args[2];
  if (mode == QLatin1String("mark") && args.size() >= 5)
    status = Mark(args[1], args[3], args[4].split(QLatin1Char(',')),
                  args.value(5) == QLatin1String("midway"));
  else if (mode == QLatin1String("restore"))
    status = Restore(args[1]);
  else if (mode == QLatin1String("settings"))
    status = RewriteSettings(args[1]);
  SetMessagePresenter(nullptr);
  measurement::FreeGraphUtils();
  return status;
}
