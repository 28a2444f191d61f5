#include "video/VideoSources.h"

#include "video/DSPlay.h"
#include "video/VfwPlay.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace kolibra::video {

const QStringList &VideoExtensions() {
  static const QStringList extensions = {QStringLiteral(".avi"), QStringLiteral(".mpg"), QStringLiteral(".mpeg"),
                                         QStringLiteral(".wmv"), QStringLiteral(".mov"), QStringLiteral(".mp4")};
  return extensions;
}

TFramework FrameworkForExtension(const QString &FileName, TFramework Previous) {
  const QString suffix = QFileInfo(FileName).suffix();
  if (suffix.isEmpty()) return Previous;
  const int position = VideoExtensions().indexOf(QLatin1Char('.') + suffix.toLower());
  if (position < 0) return Previous;
  if (position == 0) return fwVfw;
  if (position <= 3) return fwDS;
  return fwFFMpeg;
}

QString FrameworkToken(TFramework Framework) {
  switch (Framework) {
    case fwVfw:
      return QStringLiteral("vfw");
    case fwDS:
      return QStringLiteral("ds");
    case fwFFMpeg:
      return QStringLiteral("ffmpeg");
  }
  return QString();
}

std::optional<TFramework> FrameworkFromToken(const QString &Token) {
  for (TFramework f : {fwVfw, fwDS, fwFFMpeg}) {
    if (Token.compare(FrameworkToken(f), Qt::CaseInsensitive) == 0) return f;
  }
  return std::nullopt;
}

TVideoSources::TVideoSources(const QString &WrapperFolder) {
  FReaders[fwVfw] = std::make_unique<TVfwPlay>();
  FReaders[fwDS] = std::make_unique<TDSPlay>();
  FReaders[fwFFMpeg] = std::make_unique<TFFMpegPlay>(WrapperFolder);
}

void TVideoSources::SetReader(TFramework Framework, std::unique_ptr<TVideoPlay> Reader) {
  FReaders[Framework] = std::move(Reader);
}

TFFMpegPlay *TVideoSources::FFMpeg() const { return dynamic_cast<TFFMpegPlay *>(FReaders[fwFFMpeg].get()); }

bool TVideoSources::TryReader(TFramework Framework, const QString &FileName) {
  TVideoPlay *reader = Reader(Framework);
  if (!reader) return false;
  if (TFFMpegPlay *ffmpeg = dynamic_cast<TFFMpegPlay *>(reader)) {
    ffmpeg->OpenFile(FileName);
  } else {
    reader->SetFileName(FileName);
  }
  FReasons[Framework] = reader->Opened() ? QString() : reader->ErrorText();
  FKinds[Framework] = reader->Opened() ? ofNone : reader->ErrorKind();
  return reader->Opened();
}

bool TVideoSources::OpenWith(const QString &FileName, TFramework Framework) {
  FOpenErrorText.clear();
  for (int f = 0; f < 3; ++f) {
    FReasons[f].clear();
    FKinds[f] = ofNone;
  }
  FFramework = Framework;
  if (TryReader(Framework, FileName)) return true;
  FOpenErrorText = FReasons[Framework];
  if (FOpenErrorText.isEmpty()) FOpenErrorText = QCoreApplication::translate("TFFMpegPlay", "Unknown error");
  return false;
}

bool TVideoSources::Open(const QString &FileName, std::optional<TFramework> Start) {
  FOpenErrorText.clear();
  for (int f = 0; f < 3; ++f) {
    FReasons[f].clear();
    FKinds[f] = ofNone;
  }

  TFramework framework = Start ? *Start : FrameworkForExtension(FileName, FFramework);
  if (!Start) {
    TFFMpegPlay *ffmpeg = FFMpeg();
    if (ffmpeg && ffmpeg->GetComment(FileName).compare(QLatin1String(FFMpegVideoComment), Qt::CaseInsensitive) == 0) {
      framework = fwFFMpeg;
    }
  }
  bool opened = false;
  if (framework == fwVfw) {
    opened = TryReader(fwVfw, FileName);
    if (!opened) framework = fwDS;
  }
  if (!opened && framework == fwDS) {
    opened = TryReader(fwDS, FileName);
    if (!opened) framework = fwFFMpeg;
  }
  if (!opened && framework == fwFFMpeg) opened = TryReader(fwFFMpeg, FileName);
  FFramework = framework;
  if (opened) return true;

  // A reason about the file beats a missing framework, which beats no reason at all; among
  // equals, FFmpeg (which knows the most formats) speaks first.
  const TFramework order[] = {fwFFMpeg, fwVfw, fwDS};
  for (TOpenFailure wanted : {ofFile, ofFramework, ofUnknown}) {
    for (TFramework f : order) {
      if (FKinds[f] == wanted && !FReasons[f].isEmpty()) {
        FOpenErrorText = FReasons[f];
        return false;
      }
    }
  }
  FOpenErrorText = QCoreApplication::translate("TFFMpegPlay", "Unknown error");
  return false;
}

}  // namespace kolibra::video
