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

// Prints "key: value" lines: framework, frames, width, height (as shown, upright), rate,
// interval, duration, variable_rate, rotation (degrees counter-clockwise the stored pictures
// are turned by, as the stream's "rotate" tag and ffprobe say; 0 when none), capture_rate when the file says at what rate it was filmed, and
// "mirrored: yes" when the pictures are also flipped. Numbers are written with a point, whatever the
// locale.
int VideoInfo(TVideoSources &Sources, const QString &FileName, std::optional<TFramework> Forced, QTextStream &Out,
              QTextStream &Err);

// Prints one line per frame, "INDEX<TAB>T", T in seconds from frame 0 with 6 decimals: the
// video's time stamps where its frame durations vary, else index x interval (the times a new
// measurement of the video takes).
int VideoTimes(TVideoSources &Sources, const QString &FileName, std::optional<TFramework> Forced, QTextStream &Out,
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
