#pragma once
// TCapture: the capture controller of the video view's capture mode. It keeps the user's
// capture settings, offers one list of cameras from both back-ends (back-end 0 first, at
// most ten, then back-end 1), shows a live preview, records with an optional delay and
// duration driven by a one-second ticker, reports progress as a status text, and finally
// asks where to save the recording.
//
// What it owns: both back-ends (tests may replace them), the recorder of the recording under
// way, the temporary file ("Capture" + n in the temporary folder, created exclusively and
// locked while in use, so another Kolibra never takes or deletes it) and the ticker. What it
// borrows: the dialogs (ICaptureDialogs: the setup dialog, the camera's controls, the save
// dialog, the beep), answered by the windows, by tests or by kolibra-cli.
//
// States: idle, previewing, waiting for the delay, recording, saving. Waiting counts as
// recording for everything that stops a recording (the record button again, leaving the mode,
// closing, choosing another camera or format) and for the buttons' states: a delayed start is
// cancelled, never left to fire later. Threads: the back-ends deliver frames on their own
// threads; frames go straight to the recorder's queue, and everything else (the preview, a
// lost camera, the end of a recording) comes back to the thread that owns this object through
// queued calls.

#include "capture/CaptureBackend.h"
#include "capture/CaptureRecorder.h"
#include "kit/SaveFileRequest.h"
#include "videoview/VideoSubsystems.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <mutex>

namespace kolibra::capture {

class TCapture;

// The pages of the setup dialog.
enum TCapturePage { cpHardware, cpCompression, cpFormat, cpFrameRate, cpTimer };

enum TCaptureState { csIdle, csPreviewing, csWaiting, csRecording, csSaving };

class ICaptureDialogs {
 public:
  virtual ~ICaptureDialogs() = default;
  // The setup dialog "Capture setup" on a page.
  virtual void ShowSetup(TCapture &capture, TCapturePage page) = 0;
  // The camera's own settings (brightness, exposure...).
  virtual void ShowDeviceControls(TCapture &capture) = 0;
  virtual bool AskSaveFile(const TSaveFileRequest &request, QString &fileName) = 0;
  virtual void Beep() = 0;
};

// What a finished recording leaves for the montage: its lost slots are missing frames the
// video already holds as empty chunks (they show the picture before), at their true times.
struct TRecordingResult {
  QString FileName;
  video::TFrameRate Rate;
  int64_t Slots = 0;
  int64_t Captured = 0;
  std::vector<int64_t> LostSlots;
};

// The buttons of capture mode, in the order of the main window.
enum TCaptureButton { cbDevice, cbConfigurer, cbFormat, cbVitesse, cbCompression, cbTimer, cbEnregistrer };

class TCapture : public QObject, public videoview::IVideoCapture, private ICaptureSink {
  Q_OBJECT

 public:
  // optionsFile: where the section "Capture" is read and written (empty: nowhere).
  TCapture(const QString &optionsFile, const QString &temporaryFolder, ICaptureDialogs &dialogs,
           QObject *parent = nullptr);
  ~TCapture() override;

  ICaptureBackend &Backend(int framework) const { return *FBackends[size_t(framework == cfGStreamer)]; }
  void SetBackend(int framework, std::unique_ptr<ICaptureBackend> backend);

  // --- Settings (fields of the controller) ----------------------------------------------

  int CaptureFramework = cfGStreamer;
  bool SettingsPending = true;
  bool DelayEnabled = false;
  int Delay = 1;
  bool BeepAtStart = false;
  bool DurationEnabled = false;
  int Duration = 1;
  // Back-end 0's rate, in frames per second.
  int CaptureRate = 30;
  // The ticker is driven by hand (tests step it with Tick).
  bool ManualTicks = false;
  // Frames a recording queues for the disk before it drops new ones.
  int RecorderQueueFrames = 48;

  int Seconds() const { return FSeconds; }
  const QString &TempFile() const { return FTempFile; }
  const QString &SavedFile() const { return FSavedFile; }
  TCaptureState State() const { return FState; }
  const QString &TemporaryFolder() const { return FTemporaryFolder; }

  // --- Devices, formats, codecs -----------------------------------------------------------

  // Lists the cameras of both back-ends again.
  void RefreshDevices();
  // The combined list; with suffix: "Name (VFW)" or "Name (DirectShow)".
  QStringList DeviceNames(bool withSuffix = true) const;
  int DeviceIndex() const;
  // The framework of an entry of the combined list.
  int DeviceFramework(int index) const;
  const TCaptureDevice *Device() const;
  QStringList FormatNames() const;
  int FormatIndex() const { return FFormatIndex; }
  const TCaptureFormat *Format() const;
  // "without", then the codecs.
  QStringList CodecNames() const;
  // -1: without compression.
  int CodecIndex() const { return FCodecIndex; }
  QString CodecName() const;

  void SelectDevice(int index);
  void SelectFormat(int index);
  void SelectCodec(int index);
  void SetCaptureRate(int fps);

  // --- The view's capture mode (IVideoCapture) -----------------------------------------------

  void PrepareOnce();
  bool HasDevice() const;
  // The setup dialog on its "Hardware" page.
  void ChooseDevice();
  // Connects the device and starts the preview; true when previewing. Says why when not.
  bool Connect();
  bool IsPreviewing() const { return FState == csPreviewing || FState == csWaiting || FState == csRecording; }
  bool PrepareDevices() override;
  // Waiting counts as recording.
  bool Recording() const override { return FState == csWaiting || FState == csRecording; }
  bool IsRecordingFrames() const { return FState == csRecording; }
  void StopRecording() override;
  void StopPreview() override;
  void SetPreviewAllowed(bool allowed) override;
  bool PreviewAllowed() const { return FPreviewAllowed; }

  // --- Buttons, ticker, status -----------------------------------------------------------------

  void ButtonClicked(TCaptureButton button);
  void RecordButton();
  // One second of the ticker.
  void Tick();
  QString StatusText() const;
  int64_t CapturedFrames() const;
  int64_t LostFrames() const;
  // The last recording saved (its file and its lost slots).
  const TRecordingResult &LastRecording() const { return FLast; }

  // Writes the four keys of section "Capture" (also done at destruction when loaded).
  void SaveSettings() const;

  // --- Events -------------------------------------------------------------------------------

  // The preview reconnects (a save was cancelled or failed).
  std::function<void(TCapture *)> OnConnectionQuery;
  // Recording (or waiting, or saving) began or ended.
  std::function<void(TCapture *)> OnRecordingChange;
  // The recording was saved as SavedFile.
  std::function<void(TCapture *)> OnRecordingSaved;
  std::function<void(TCapture *, const QString &)> OnStatusText;
  // A new preview picture, on the owner's thread.
  std::function<void(TCapture *, const QImage &)> OnPreviewFrame;
  // A recording's save flow ended, whatever the outcome (kolibra-cli waits for it).
  std::function<void(TCapture *)> OnFinished;

 private:
  // ICaptureSink, from a back-end's thread.
  void FrameArrived(const TCapturedFrame &frame) override;
  void SourceLost(const QString &reason) override;

  // Capture.cpp
  void LoadSettings();
  void StopBackends();
  ICaptureBackend &Current() const { return Backend(CaptureFramework); }
  // CaptureRecording.cpp
  void StartRecordingNow();
  void FinishRecording();
  void SaveRecording(int64_t captured);
  void DeviceLost(const QString &reason);
  void RecorderEnded(TRecorderEnd end);
  void ShowPreview();
  void CheckReconnection();
  void RaiseStatus();
  void SetState(TCaptureState state);
  // CaptureFiles.cpp
  bool CreateTempFile();
  void ReleaseTempFile(bool remove);

  ICaptureDialogs &Dialogs;
  QString FOptionsFile;
  QString FTemporaryFolder;
  std::array<std::unique_ptr<ICaptureBackend>, 2> FBackends;
  std::array<std::vector<TCaptureDevice>, 2> FDevices;
  bool FDevicesListed = false;
  int FDeviceIndex = -1;  // within the framework's list
  std::vector<TCaptureFormat> FFormats;
  int FFormatIndex = -1;
  int FCodecIndex = -1;
  TCaptureState FState = csIdle;
  bool FPreviewAllowed = false;
  bool FConnectedSettingsStale = true;

  QTimer FTicker;
  int FSeconds = 0;
  QString FTempFile;
  int FTempLock = -1;
  QString FSavedFile;
  TRecordingResult FLast;

  std::mutex FFrameLock;
  std::unique_ptr<TCaptureRecorder> FRecorder;
  TCaptureRecorder *FRecording = nullptr;  // the recorder frames go to (under FFrameLock)
  QImage FPreview;
  bool FPreviewPending = false;
  int64_t FFinalCaptured = 0;
  int64_t FFinalLost = 0;
  QTimer FReconnect;
  TCaptureDevice FLostDevice;
};

// Copies a recording to where the user saves it: written beside the target and renamed into
// place once whole, never over a file that exists. False with the reason otherwise.
bool CopyFileAtomically(const QString &source, const QString &target, QString &reason);

}  // namespace kolibra::capture
