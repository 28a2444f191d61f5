#include "mainwindow/WorkRecovery.h"

#include <QDateTime>
#include <algorithm>

namespace kolibra::mainwindow {

void TRecoverySchedule::Changed(qint64 now) {
  if (FirstChange < 0) FirstChange = now;
  LastChange = now;
}

void TRecoverySchedule::Written() { FirstChange = LastChange = -1; }

qint64 TRecoverySchedule::DueAt() const {
  return std::min(LastChange + IdleMs, FirstChange + LongestMs);
}

TWorkRecovery::TWorkRecovery(const QString &folder)
    : RecoveryFolder(folder),
      Process(work::CurrentProcess()),
      Writer(work::RecoveryFileName(folder, Process)) {
  Clock.start();
  Writer.OnDone = [this](bool ok, const QString &reason) {
    // From the writer's thread to the GUI thread.
    QMetaObject::invokeMethod(
        &Context, [this, ok, reason] { Done(ok, reason); }, Qt::QueuedConnection);
  };
  DueTimer.setSingleShot(true);
  QObject::connect(&DueTimer, &QTimer::timeout, &Context, [this] { Check(); });
  SlowCheck.setInterval(int(TRecoverySchedule::LongestMs));
  QObject::connect(&SlowCheck, &QTimer::timeout, &Context, [this] { CheckQuietChanges(); });
  SlowCheck.start();
}

TWorkRecovery::~TWorkRecovery() {
  DueTimer.stop();
  SlowCheck.stop();
  Writer.Wait();
}

void TWorkRecovery::Changed() {
  Schedule.Changed(Clock.elapsed());
  Reschedule();
}

void TWorkRecovery::Reschedule() {
  if (!Schedule.Pending()) {
    DueTimer.stop();
    return;
  }
  DueTimer.start(int(std::max<qint64>(0, Schedule.DueAt() - Clock.elapsed())));
}

void TWorkRecovery::CheckQuietChanges() {
  if (Schedule.Pending() || !QuietPrint) return;
  if (QuietPrint() != LastQuietPrint) Check();
}

void TWorkRecovery::Check() {
  if (!Snapshot) return;
  if (QuietPrint) LastQuietPrint = QuietPrint();
  TRecoverySnapshot snapshot = Snapshot();
  if (snapshot.Later) {
    // Tried again after a pause.
    Schedule.Changed(Clock.elapsed());
    Reschedule();
    return;
  }
  Schedule.Written();
  Reschedule();
  if (!snapshot.Work) {
    Discard();
    return;
  }
  // What costs in proportion to the marks (the text, its fingerprint) is done off the
  // window's thread.
  const work::TRecoveryInfo info{Process, snapshot.WorkFile, QDateTime::currentDateTimeUtc(), snapshot.Marks};
  Writer.Submit([written = WrittenPrint, ini = std::move(*snapshot.Work), saved = snapshot.SavedPrint,
                 info](work::TRecoveryWriter &writer, QString &reason) mutable {
    const QByteArray print = work::WorkFingerprint(ini);
    if (!saved.isEmpty() && print == saved) {
      written->clear();
      return writer.RemoveNow(reason);
    }
    if (print == *written) return true;
    // A failed write leaves the older file (if any), and the next check tries again.
    written->clear();
    if (!writer.WriteNow(work::RecoveryText(ini, info), reason)) return false;
    *written = print;
    return true;
  });
}

void TWorkRecovery::Discard() {
  Schedule.Written();
  Reschedule();
  Writer.Submit([written = WrittenPrint](work::TRecoveryWriter &writer, QString &reason) {
    written->clear();
    return writer.RemoveNow(reason);
  });
}

void TWorkRecovery::Done(bool ok, const QString &reason) {
  if (ok == !Failing) return;
  Failing = !ok;
  if (OnProblem) OnProblem(ok ? QString() : reason);
}

}  // namespace kolibra::mainwindow
