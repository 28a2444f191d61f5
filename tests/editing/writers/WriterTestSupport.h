#pragma once
// What the writer tests share: pictures whose every pixel is known, the measures of how far a
// picture read back is from the one written, ffprobe's view of a file, and the readers.

#include "editing/writers/VideoWriter.h"
#include "video/VideoPlay.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <ostream>

inline void PrintTo(const QString &Text, std::ostream *Out) { *Out << '"' << Text.toStdString() << '"'; }

namespace kolibra::editing::testing {

// Frame Index of a test clip: smooth colour gradients, a disc that moves from frame to frame,
// and the frame's number in binary as 8 x 8 blocks along the top, so no two frames look alike.
QImage TestPicture(int Index, QSize Size);

// Peak signal-to-noise ratio over the three colour components, in decibels; infinity for
// identical pictures, -1 when the sizes differ.
double Psnr(const QImage &A, const QImage &B);

// Writes Count test pictures through Writer into File; false with the writer's reason.
bool WriteClip(TVideoWriter &Writer, const QString &File, const TWriterSettings &Settings, int Count,
               QString &Reason);

// What ffprobe finds in the first video stream, frames counted by decoding.
struct TProbe {
  bool Ok = false;
  int Frames = -1;
  int Width = 0;
  int Height = 0;
  QString Rate;  // r_frame_rate, "30000/1001"
  QString Output;
};
TProbe Probe(const QString &File);

// A reader of each of Kolibra's frameworks; the FFmpeg one loads the build's wrapper.
std::unique_ptr<video::TVideoPlay> MakeReader(video::TFramework Framework);
// The reader's current frame, whole, as a 24-bit picture; null when the draw fails.
QImage Grab(video::TVideoPlay &Reader);

// Every entry of Folder, hidden files included.
QStringList FilesIn(const QString &Folder);
QString KlbDll();
QString CliProgram();
QString ChildProgram();

}  // namespace kolibra::editing::testing
