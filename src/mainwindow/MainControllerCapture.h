#pragma once
// TMainCapture: the main window's side of video capture, a part of TMainController kept
// apart because the capture is optional (tests run the controller without it). It forwards
// the seven capture buttons, keeps the six setup buttons disabled while a recording (or its
// delay) runs, tells the user where a recording was saved, and connects the camera again
// after a recording.

#include "mainwindow/MainControls.h"

namespace kolibra::capture {
class TCapture;
}

namespace kolibra::mainwindow {

class TMainController;

class TMainCapture {
 public:
  TMainCapture(TMainController &controller, capture::TCapture &capture);
  ~TMainCapture();
  TMainCapture(const TMainCapture &) = delete;
  TMainCapture &operator=(const TMainCapture &) = delete;

  capture::TCapture &Capture() const { return Part; }

  // --- Hooks of the controller ------------------------------------------------------------

  // True when the click was one of the capture buttons.
  bool ToolClicked(TControl control);
  void AdjustEnabled();
  // Closing: a recording is stopped (and saved), then the preview.
  void Stop();
  // The record button shows that a recording runs (its "recording" picture).
  bool RecordingPicture() const;

 private:
  void RecordingChanged();
  void RecordingSaved();
  void ConnectionQuery();

  TMainController &Main;
  capture::TCapture &Part;
};

}  // namespace kolibra::mainwindow
