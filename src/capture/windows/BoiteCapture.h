#pragma once
// TBoiteCapture: the capture setup dialog, "Capture setup", with its pages "Hardware",
// "Compression", "Format", "Frame rate" and "Timer". It is thin: every choice goes at once
// to the capture controller, which stops a recording or the preview when it must; the timer
// page's values are given back when the dialog closes. It closes at once when there is no
// camera at all or a recording (or its delay) runs.
//
// TBoiteControles: the camera's own settings, built from its video4linux2 controls
// (brightness, contrast, exposure...), in the place of a driver's property pages.
//
// TCaptureWindows: the windows' answers to the controller's dialogs.

#include "capture/Capture.h"

#include <QFont>
#include <functional>

class QWidget;

namespace kolibra::capture {

class TBoiteCapture {
 public:
  QFont Font{QStringLiteral("Arial"), 10};
  // Shows the dialog on page; returns when it closes.
  void Execute(QWidget *parent, TCapture &capture, TCapturePage page);
  // For tests: runs with the dialog on screen, before it waits for the user.
  std::function<void(QWidget *dialog)> OnShown;
};

class TBoiteControles {
 public:
  QFont Font{QStringLiteral("Arial"), 10};
  void Execute(QWidget *parent, TCapture &capture);
};

class TCaptureWindows : public ICaptureDialogs {
 public:
  explicit TCaptureWindows(QWidget *parent) : Parent(parent) {}
  void ShowSetup(TCapture &capture, TCapturePage page) override { Setup.Execute(Parent, capture, page); }
  void ShowDeviceControls(TCapture &capture) override { Controls.Execute(Parent, capture); }
  bool AskSaveFile(const TSaveFileRequest &request, QString &fileName) override {
    return SaveFile && SaveFile(request, fileName);
  }
  void Beep() override;

  TBoiteCapture Setup;
  TBoiteControles Controls;
  std::function<bool(const TSaveFileRequest &, QString &)> SaveFile;

 private:
  QWidget *Parent;
};

}  // namespace kolibra::capture
