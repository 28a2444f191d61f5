#pragma once
// Runs one of Kolibra's programs as a script would and keeps what it said: exit status,
// standard output and standard error.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>

namespace kolibra::testing {

struct TProgramRun {
  int Status = -1;  // -1 when it crashed or did not finish within the time allowed
  QString Out;
  QString Err;
};

inline TProgramRun RunProgram(const QString &program, const QStringList &arguments,
                              const std::function<void(QProcessEnvironment &)> &adjust = {},
                              int timeoutMs = 60000) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  if (adjust) adjust(environment);
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  TProgramRun run;
  if (!process.waitForFinished(timeoutMs)) return run;
  run.Status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.Out = QString::fromUtf8(process.readAllStandardOutput());
  run.Err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

}  // namespace kolibra::testing
