#include "mainwindow/WorkRecovery.h"

#include <QCryptographicHash>
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
  QObject::connect(&SlowCheck, &QTimer::timeout, &Context, [this] { Check(); });
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

void TWorkRecovery::Check() {
  if (!Snapshot) return;
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
    if (OnDisk) Discard();
    return;
  }
  const QByteArray print =
      QCryptographicHash::hash(snapshot.Work->ToText().toUtf8(), QCryptographicHash::Sha1);
  if (OnDisk && print == WrittenPrint) return;
  const work::TRecoveryInfo info{Process, snapshot.WorkFile, QDateTime::currentDateTimeUtc(),
                                 snapshot.Marks};
  Writer.Write(work::RecoveryText(*snapshot.Work, info));
  WrittenPrint = print;
  OnDisk = true;
}

void TWorkRecovery::Discard() {
  Schedule.Written();
  Reschedule();
  Writer.Remove();
  WrittenPrint.clear();
  OnDisk = false;
}

void TWorkRecovery::Adopted() {
  WrittenPrint.clear();
  OnDisk = true;
  Changed();
}

void TWorkRecovery::Done(bool ok, const QString &reason) {
  if (ok == !Failing) return;
  Failing = !ok;
  // A failed write leaves the file as it was, but the next change must try again.
  if (Failing) WrittenPrint.clear();
  if (OnProblem) OnProblem(ok ? QString() : reason);
}

}  // namespace kolibra::mainwindow
