#pragma once
// kolibra-cli capture: one recording through the capture controller the window uses, with
// kolibra-cli's answers in place of the dialogs (the save dialog answers OUT once) and its
// messages on the error stream.

#include <QString>
#include <QTextStream>

namespace kolibra::capture {

struct TCaptureCommand {
  QString Device;       // the camera's name as listed (case ignored)
  int Framework = -1;   // 0 or 1; -1: the first camera of that name
  QString Format;       // "WxH"; empty: the camera's first
  int Rate = 0;         // frames per second; 0: the format's, or 30 on back-end 0
  QString Codec;        // "without" (default), "Motion JPEG" ("MJPG"), "FFV1"
  int Delay = 0;        // seconds
  int Duration = 0;     // seconds, at least 1
  QString Out;          // ".avi" is added when missing; an existing file is not replaced
  QString TemporaryFolder;
};

// Records, saves and prints the final status line ("Number of captured images: N   Number
// of lost images: M") and "file: OUT". Returns 0 when saved, 1 with the reason on Err.
int RunCaptureCommand(const TCaptureCommand &command, QTextStream &Out, QTextStream &Err);

}  // namespace kolibra::capture
