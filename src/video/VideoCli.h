#pragma once
// What kolibra-cli does, apart from reading its command line: describe a video, or write one
// of its frames as a PNG picture. Both return the process exit status: 0 on success, 1 with
// the reason on Err when the file cannot be opened or the picture cannot be written. The
// file is opened as the video view opens it, or by the Forced framework's reader alone.

#include "video/VideoSources.h"

#include <QString>
#include <QTextStream>
#include <optional>

namespace kolibra::video {

// Prints "key: value" lines: framework, frames, width, height, rate, interval, duration,
// variable_rate. Numbers are written with a point, whatever the locale.
int VideoInfo(TVideoSources &Sources, const QString &FileName, std::optional<TFramework> Forced, QTextStream &Out,
              QTextStream &Err);

// Writes frame Index (0-based) of FileName to Png, and prints "frame: N" with the index
// written. An index outside the video is refused (status 1) with the valid range.
int VideoFrame(TVideoSources &Sources, const QString &FileName, int Index, const QString &Png,
               std::optional<TFramework> Forced, QTextStream &Out, QTextStream &Err);

// Opens FileName as the commands above do (by the Forced framework's reader alone when
// given); false with the reason on Err. For the commands of other subsystems.
bool OpenVideoOrExplain(TVideoSources &Sources, const QString &FileName, std::optional<TFramework> Forced,
                        QTextStream &Err);

}  // namespace kolibra::video
