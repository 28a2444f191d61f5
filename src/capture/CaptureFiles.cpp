// The capture's files: the temporary recording, taken exclusively and locked so that two
// Kolibras never share or delete each other's, and the copy to where the user saves it,
// which either completes or leaves nothing.

#include "capture/Capture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kolibra::capture {

namespace capture_files {

// Opens name and takes its lock without waiting; -1 when another process holds it.
int LockExisting(const QByteArray &name) {
  const int fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace capture_files

bool TCapture::CreateTempFile() {
  ReleaseTempFile(true);
  if (FTemporaryFolder.isEmpty() || !QFileInfo(FTemporaryFolder).isDir()) return false;
  const QDir folder(FTemporaryFolder);
  for (int n = 0; n < 10000; ++n) {
    const QString name = folder.filePath(QStringLiteral("Capture%1").arg(n));
    const QByteArray path = QFile::encodeName(name);
    if (QFileInfo::exists(name)) {
      // A leftover of a Kolibra that ended without saving can go; a file another Kolibra
      // is recording into is locked, and left alone.
      const int fd = capture_files::LockExisting(path);
      if (fd < 0) continue;
      ::unlink(path.constData());
      ::close(fd);
    }
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      ::close(fd);
      continue;
    }
    FTempFile = name;
    FTempLock = fd;
    return true;
  }
  return false;
}

void TCapture::ReleaseTempFile(bool remove) {
  if (remove && !FTempFile.isEmpty()) QFile::remove(FTempFile);
  if (FTempLock >= 0) ::close(FTempLock);
  FTempLock = -1;
  if (remove) FTempFile.clear();
}

bool CopyFileAtomically(const QString &source, const QString &target, QString &reason) {
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) {
    reason = in.errorString();
    return false;
  }
  // Written beside the target and renamed into place once whole and on the disk.
  QSaveFile out(target);
  if (!out.open(QIODevice::WriteOnly)) {
    reason = out.errorString();
    return false;
  }
  QByteArray block;
  for (;;) {
    block = in.read(4 << 20);
    if (block.isEmpty()) break;
    if (out.write(block) != block.size()) {
      reason = out.errorString();
      out.cancelWriting();
      return false;
    }
  }
  if (in.error() != QFile::NoError || !out.flush()) {
    reason = in.error() != QFile::NoError ? in.errorString() : out.errorString();
    out.cancelWriting();
    return false;
  }
  // A file that appeared meanwhile is not replaced.
  if (QFileInfo::exists(target)) {
    reason = QStringLiteral("%1: %2").arg(target, QString::fromLocal8Bit(strerror(EEXIST)));
    out.cancelWriting();
    return false;
  }
  if (!out.commit()) {
    reason = out.errorString();
    return false;
  }
  return true;
}

}  // namespace kolibra::capture
