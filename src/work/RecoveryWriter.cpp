#include "work/RecoveryWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace kolibra::work {

TRecoveryWriter::TRecoveryWriter(const QString &fileName) : Name(fileName) {
  Thread = std::thread([this] { Run(); });
}

TRecoveryWriter::~TRecoveryWriter() {
  {
    const std::lock_guard<std::mutex> guard(Lock);
    Stopping = true;
  }
  Wake.notify_all();
  Thread.join();
}

void TRecoveryWriter::Submit(TJob job) {
  {
    const std::lock_guard<std::mutex> guard(Lock);
    Pending = std::move(job);
  }
  Wake.notify_all();
}

void TRecoveryWriter::Write(QByteArray bytes) {
  Submit([bytes = std::move(bytes)](TRecoveryWriter &writer, QString &reason) { return writer.WriteNow(bytes, reason); });
}

void TRecoveryWriter::Remove() {
  Submit([](TRecoveryWriter &writer, QString &reason) { return writer.RemoveNow(reason); });
}

void TRecoveryWriter::SetMidway(std::function<void()> midway) {
  const std::lock_guard<std::mutex> guard(Lock);
  Midway = std::move(midway);
}

void TRecoveryWriter::Wait() {
  std::unique_lock<std::mutex> guard(Lock);
  Idle.wait(guard, [this] { return !Pending && !Busy; });
}

void TRecoveryWriter::Run() {
  std::unique_lock<std::mutex> guard(Lock);
  for (;;) {
    Wake.wait(guard, [this] { return Pending || Stopping; });
    if (!Pending) break;  // stopping with nothing left to do
    const TJob job = std::move(Pending);
    Pending = nullptr;
    RunningMidway = Midway;
    Busy = true;
    guard.unlock();

    QString reason;
    const bool ok = job(*this, reason);
    if (OnDone) OnDone(ok, reason);

    guard.lock();
    Busy = false;
    Idle.notify_all();
  }
  Busy = false;
  Idle.notify_all();
}

bool TRecoveryWriter::RemoveNow(QString &reason) {
  QFile file(Name);
  if (!file.exists() || file.remove()) return true;
  reason = file.errorString();
  return false;
}

bool TRecoveryWriter::WriteNow(const QByteArray &bytes, QString &reason) {
  const QFileInfo info(Name);
  if (!QDir().mkpath(info.absolutePath())) {
    reason =
        QStringLiteral("%1: cannot be created").arg(QDir::toNativeSeparators(info.absolutePath()));
    return false;
  }
  QSaveFile file(Name);
  if (!file.open(QIODevice::WriteOnly)) {
    reason = file.errorString();
    return false;
  }
  // Two halves, so that tests can stop the program with a half-written copy on disk. Each
  // write is flushed and checked: Qt's commit() does not report a failed final flush.
  const qsizetype half = bytes.size() / 2;
  bool ok = file.write(bytes.constData(), half) == half && file.flush();
  if (ok && RunningMidway) RunningMidway();
  ok = ok && file.write(bytes.constData() + half, bytes.size() - half) == bytes.size() - half &&
       file.flush();
  if (!ok) {
    reason = file.errorString();
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    reason = file.errorString();
    return false;
  }
  return true;
}

}  // namespace kolibra::work
