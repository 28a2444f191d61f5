#include "editing/writers/VideoWriter.h"

#include "kit/Texts.h"

#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kolibra::editing {

namespace videowriter {

QString SystemError(int Error) { return QString::fromLocal8Bit(strerror(Error)); }

// A new, empty, hidden file beside Target: ".name.XXXXXX". Empty on failure, with the reason.
QString CreateTemporary(const QString &Target, QString &Reason) {
  const QFileInfo info(Target);
  const QDir folder = info.absoluteDir();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const QString suffix = QString::number(QRandomGenerator::global()->generate() % 0x1000000u, 36).rightJustified(5, '0');
    const QString name = folder.filePath(QLatin1Char('.') + info.fileName() + QLatin1Char('.') + suffix);
    const int file = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file >= 0) {
      ::close(file);
      return name;
    }
    if (errno != EEXIST) {
      Reason = SystemError(errno);
      return QString();
    }
  }
  Reason = SystemError(EEXIST);
  return QString();
}

// Flushes a closed file's data to the disk, so that a rename never puts in place a file
// whose contents are still only in memory.
bool SyncFile(const QString &Name, QString &Reason) {
  const int file = ::open(QFile::encodeName(Name).constData(), O_RDONLY | O_CLOEXEC);
  if (file < 0 || ::fsync(file) != 0) {
    Reason = SystemError(errno);
    if (file >= 0) ::close(file);
    return false;
  }
  ::close(file);
  return true;
}

}  // namespace videowriter

TVideoWriter::~TVideoWriter() {
  // A back-end cancels in its own destructor; the file is removed here in any case.
  Discard();
}

QString TVideoWriter::WithoutName() { return QCoreApplication::translate("TBoiteRecordMontage", "without"); }

bool TVideoWriter::IsWithout(const QString &Codec) {
  return Codec.trimmed().isEmpty() || Codec.trimmed().compare(QLatin1String("without"), Qt::CaseInsensitive) == 0 ||
         Codec.trimmed() == WithoutName();
}

QSize TVideoWriter::ClampSize(QSize Size, int MinSide, int MaxSide, bool Even) {
  int w = std::clamp(Size.width(), MinSide, MaxSide);
  int h = std::clamp(Size.height(), MinSide, MaxSide);
  // Kolibra's readers take frames of up to 2^27 pixels.
  constexpr int64_t MaxPixels = int64_t(1) << 27;
  if (int64_t(w) * h > MaxPixels) h = int(MaxPixels / w);
  if (Even) {
    w -= w & 1;
    h -= h & 1;
  }
  return QSize(w, h);
}

bool TVideoWriter::SetError(TWriteError Code, const QString &Detail) {
  if (FErrorCode == weNone) {
    FErrorCode = Code;
    FErrorDetail = Detail;
  }
  return false;
}

void TVideoWriter::Discard() {
  if (!FTempFile.isEmpty()) QFile::remove(FTempFile);
  FTempFile.clear();
  FOpen = false;
}

bool TVideoWriter::OpenOutput(const QString &FileName, const TWriterSettings &Settings) {
  if (FOpen) Cancel();
  FErrorCode = weNone;
  FErrorDetail.clear();
  FFramesWritten = 0;
  FFileName = FileName;
  FSettings = Settings;
  FSettings.Quality = std::clamp(Settings.Quality, 0, 10000);
  FSettings.KeyFrameEvery = std::clamp(Settings.KeyFrameEvery, 1, 250);
  if (IsWithout(FSettings.Codec)) FSettings.Codec.clear();
  if (!Available()) return SetError(weNotOpen);
  if (FileName.isEmpty())
    return SetError(weDiskWrite, VideoWriterText::tr("No file name was given."));
  if (!FSettings.Rate.IsValid())
    return SetError(weFormat, VideoWriterText::tr("The frame rate is not valid."));
  if (Settings.Width <= 0 || Settings.Height <= 0)
    return SetError(weFormat, VideoWriterText::tr("The frame size is not valid."));
  FSize = AcceptedSize(FSettings.Codec, QSize(Settings.Width, Settings.Height));
  if (FSize.isEmpty())
    return SetError(weFormat, VideoWriterText::tr("The frame size is not valid."));
  const QFileInfo target(FileName);
  if (target.isDir()) return SetError(weReplace, VideoWriterText::tr("A folder has this name."));
  if (target.exists() && !FSettings.Overwrite) return SetError(weReplace);
  if (!PrepareCodec(FSettings, FSize)) return SetError(weCodec);
  QString reason;
  FTempFile = videowriter::CreateTemporary(FileName, reason);
  if (FTempFile.isEmpty()) {
    AbortFile();
    return SetError(weDiskWrite, reason);
  }
  if (!StartFile(FTempFile)) {
    AbortFile();
    Discard();
    return SetError(weDiskWrite);
  }
  FOpen = true;
  return true;
}

bool TVideoWriter::AddFrame(const QImage &Frame) {
  if (!FOpen) return SetError(weNotOpen);
  if (Frame.isNull()) {
    AbortFile();
    Discard();
    return SetError(weBadImage);
  }
  const QImage *rgb = &Frame;
  if (Frame.size() != FSize || Frame.format() != QImage::Format_RGB888) {
    // The whole picture, stretched: resizing never crops.
    // (Smooth scaling may hand back another format: the conversion comes last.)
    FScaled = Frame.size() == FSize
                  ? Frame.convertToFormat(QImage::Format_RGB888)
                  : Frame.scaled(FSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_RGB888);
    rgb = &FScaled;
  }
  if (!WriteFrame(*rgb)) {
    AbortFile();
    Discard();
    return SetError(weFrameRejected);
  }
  ++FFramesWritten;
  return true;
}

bool TVideoWriter::AddEmpty() {
  if (!FOpen) return SetError(weNotOpen);
  if (!WriteEmpty()) {
    AbortFile();
    Discard();
    return SetError(weFrameRejected);
  }
  ++FFramesWritten;
  return true;
}

bool TVideoWriter::Finish() {
  if (!FOpen) return SetError(weNotOpen);
  if (FFramesWritten == 0) {
    AbortFile();
    Discard();
    return SetError(weNotOpen, VideoWriterText::tr("No frame was written."));
  }
  QString reason;
  if (!EndFile()) {
    AbortFile();
    Discard();
    return SetError(weDiskWrite);
  }
  if (!videowriter::SyncFile(FTempFile, reason) || !CommitTemporary()) {
    Discard();
    return SetError(weDiskWrite, reason);
  }
  FTempFile.clear();
  FOpen = false;
  return true;
}

bool TVideoWriter::CommitTemporary() {
  const QByteArray from = QFile::encodeName(FTempFile), to = QFile::encodeName(FFileName);
  if (FSettings.Overwrite) {
    if (::rename(from.constData(), to.constData()) == 0) return true;
    return SetError(errno == EISDIR ? weReplace : weDiskWrite, videowriter::SystemError(errno));
  }
  // A file that appeared at the target meanwhile is not replaced.
  if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) return true;
  if (errno == EEXIST) return SetError(weReplace);
  if (errno != EINVAL && errno != ENOSYS) return SetError(weDiskWrite, videowriter::SystemError(errno));
  // A file system without that rename: a hard link refuses an existing target too.
  if (::link(from.constData(), to.constData()) == 0) {
    ::unlink(from.constData());
    return true;
  }
  if (errno == EEXIST) return SetError(weReplace);
  if (QFileInfo::exists(FFileName)) return SetError(weReplace);
  if (::rename(from.constData(), to.constData()) == 0) return true;
  return SetError(weDiskWrite, videowriter::SystemError(errno));
}

void TVideoWriter::Cancel() {
  if (!FOpen) return;
  AbortFile();
  Discard();
  SetError(weCancelled);
}

}  // namespace kolibra::editing
