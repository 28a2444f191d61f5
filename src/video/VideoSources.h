#pragma once
// One reader of each framework and the rule that picks one for a file: by extension first
// (".avi" Video for Windows, ".mpg", ".mpeg", ".wmv" DirectShow, ".mov", ".mp4" and beyond
// FFmpeg, anything else as the previous file), then by the comment Kolibra's FFmpeg writer
// leaves in its files, then down the fallback order Video for Windows, DirectShow, FFmpeg —
// never back up it. A slot left without a reader counts as a framework that failed, so its
// files go on down the order.
//
// Every reader tried keeps its own reason for failing; OpenErrorText is the one that says
// most about the file, so a damaged file is not reported as a missing library.

#include "video/FFMpegPlay.h"
#include "video/VideoPlay.h"

#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>

namespace kolibra::video {

// ".avi", ".mpg", ".mpeg", ".wmv", ".mov", ".mp4", in this order.
const QStringList &VideoExtensions();

// The comment that marks a file for the FFmpeg reader, compared ignoring case.
inline constexpr const char *FFMpegVideoComment = "Kolibra video FFMpeg MPEG4 codec";

// The framework FileName's extension selects; Previous for an extension not in the list.
TFramework FrameworkForExtension(const QString &FileName, TFramework Previous);

// "vfw", "ds", "ffmpeg": the framework's short name on a command line; nullopt otherwise.
QString FrameworkToken(TFramework Framework);
std::optional<TFramework> FrameworkFromToken(const QString &Token);

class TVideoSources {
 public:
  // Creates the three readers: Kolibra's AVI reader, the GStreamer reader and the FFmpeg
  // reader (on WrapperFolder, see TFFMpegPlay).
  explicit TVideoSources(const QString &WrapperFolder = QString());

  TVideoPlay *Reader(TFramework Framework) const { return FReaders[Framework].get(); }
  void SetReader(TFramework Framework, std::unique_ptr<TVideoPlay> Reader);
  TFFMpegPlay *FFMpeg() const;

  // Chooses the framework and opens FileName. Start, when given, replaces the choice by
  // extension and comment; the fallback order still applies.
  bool Open(const QString &FileName, std::optional<TFramework> Start = std::nullopt);
  // Opens FileName with the reader of Framework alone, without the choice and the fallback,
  // for scripts that compare the readers.
  bool OpenWith(const QString &FileName, TFramework Framework);
  TFramework Framework() const { return FFramework; }
  TVideoPlay *Active() const { return Reader(FFramework); }
  bool IsOpen() const { return Active() && Active()->Opened(); }
  // Why the last open failed (empty after a success).
  const QString &OpenErrorText() const { return FOpenErrorText; }
  // What each framework tried said (empty when it was not tried or had no reader).
  const QString &Reason(TFramework Framework) const { return FReasons[Framework]; }

 private:
  bool TryReader(TFramework Framework, const QString &FileName);

  std::array<std::unique_ptr<TVideoPlay>, 3> FReaders;
  std::array<QString, 3> FReasons;
  std::array<TOpenFailure, 3> FKinds{ofNone, ofNone, ofNone};
  TFramework FFramework = fwVfw;
  QString FOpenErrorText;
};

}  // namespace kolibra::video
