#pragma once
// What kolibra-cli does with the video writer, apart from reading its command line: the
// same TRecordMontage loops as the windows, on a headless measurement. A source is a video
// or a work file ".klb", whose montage (hidden frames, time shifts) then applies. Each
// returns the exit status: 0 on success, 1 with the reason on err.
//
// On success one line on out describes the file as Kolibra's own reader reads it back:
//   "OUT.avi: 120 frames, 640x480, 29.97002997 fps" (up to 10 significant digits, ".").

#include "video/VideoPlay.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

class QTextStream;

namespace kolibra::editing {

struct TCliWriteOptions {
  video::TFramework Framework = video::fwVfw;
  QString Codec;               // empty: "without"
  std::optional<int> Quality;  // percent, 10 ... 100
  std::optional<QSize> Size;   // resize to
  std::optional<QRect> Crop;   // the part of the frame kept
  std::optional<double> Rate;  // frames per second written (the source's by default)
  bool InsertBlanks = false;   // grey frames for the montage's empty time slots
};

int WriteVideoCli(const QString &source, const QString &output, const TCliWriteOptions &options, QTextStream &out,
                  QTextStream &err);
// The kept frames as BASE_NNN.bmp; existing images are never replaced.
int WriteStillsCli(const QString &source, const QString &base, QTextStream &out, QTextStream &err);
// Images (all of the first one's size) into output at options.Rate (required).
int AssembleCli(const QString &output, const QStringList &images, const TCliWriteOptions &options, QTextStream &out,
                QTextStream &err);

}  // namespace kolibra::editing
