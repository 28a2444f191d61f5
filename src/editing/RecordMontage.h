#pragma once
// TRecordMontage: writes what the user made of a video. Three commands, each started by a
// button of the main window:
//   SaveEditedVideo  the frames the montage keeps, at their time slots (grey frames for empty
//                    slots when asked), resized or cropped, into a new AVI file;
//   VideoToImages    every kept frame as a numbered BMP file;
//   ImagesToVideo    a list of BMP files into a new AVI file at a chosen rate.
// It keeps the writing settings (the dialog's model, the framework and the codec, saved in
// the options file's section "Montage"), asks the files through its host, runs the frame
// loops on the user-interface thread and reports progress (0 ... 100, 101 at the end).
//
// The loops (WriteEditedVideo, WriteStills, WriteImages) are what kolibra-cli runs too: the
// windows only add the dialogs around them.
//
// Invariants:
// - nothing is ever overwritten silently: an existing target (or the open video itself) is
//   refused before any work, existing images are replaced only when the host agreed;
// - a video appears only complete: the back-ends write a hidden temporary file and rename
//   it after a successful finish; a failure, a failed frame draw or a cancel removes it;
// - a codec that does not open fails before any file exists;
// - after a run on the open video, its position is back where it was, whatever the outcome.

#include "editing/RecordDialogModel.h"
#include "editing/writers/VideoWriters.h"
#include "kit/SaveFileRequest.h"
#include "videoview/VideoSubsystems.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace kolibra::videoview {
class TVideoModel;
}

namespace kolibra::editing {

class TMontage;
class TRecordMontage;

// What the writer asks of the windows (tests and kolibra-cli answer here).
class IRecordHost {
 public:
  virtual ~IRecordHost() = default;
  // The writing dialog for the model's kind; false when cancelled.
  virtual bool ShowSettings(TBoiteRecordMontageModel &model, TRecordMontage &writer) = 0;
  // The save dialog, prepared as every save of the program; false when cancelled.
  virtual bool AskSaveFile(const TSaveFileRequest &request, QString &fileName) = 0;
  // The open dialog allowing several files; false when cancelled.
  virtual bool AskImageFiles(const TSaveFileRequest &request, QStringList &files) = 0;
  virtual QString RecentFolder() const = 0;
  virtual void SetRecentFolder(const QString &folder) = 0;
};

// A written video as Kolibra's own reader finds it.
struct TWrittenVideo {
  bool Readable = false;
  int Frames = 0;
  int Width = 0;
  int Height = 0;
  double Rate = 0.0;
  QString Reason;  // why it could not be read
  // "Read back: 120 frames, 640 x 480 pixels, 30 frames per second" ("." as separator).
  QString Text() const;
};
TWrittenVideo ReadBackVideo(const QString &fileName, const QString &wrapperFolder = QString());

class TRecordMontage : public videoview::IVideoWriterState {
 public:
  // optionsFile: the options file whose section "Montage" keeps the settings (empty: none);
  // klbDllFolder: where the FFmpeg writer and reader libraries are (empty: beside the program).
  TRecordMontage(videoview::TVideoModel &video, TMontage &montage, const QString &optionsFile,
                 const QString &klbDllFolder = QString());
  ~TRecordMontage() override;
  TRecordMontage(const TRecordMontage &) = delete;
  TRecordMontage &operator=(const TRecordMontage &) = delete;

  // --- The commands of the windows ----------------------------------------------------------

  bool SaveEditedVideo(IRecordHost &host);
  bool VideoToImages(IRecordHost &host);
  bool ImagesToVideo(IRecordHost &host);

  // --- The work (windows and kolibra-cli) ---------------------------------------------------

  // The open video's kept frames into OutputFile with Dialog's size and blanks, Framework and
  // Codec. False with ErrorText (the target exists or is the open video, the codec does not
  // open, a frame cannot be drawn or written, cancelled).
  bool WriteEditedVideo(const QString &outputFile);
  // The kept frames as Base_NNN.bmp; existing images are replaced only when overwrite.
  bool WriteStills(const QString &base, bool overwrite);
  // Files (all of the first one's size) into OutputFile at Dialog.FrameRate.
  bool WriteImages(const QStringList &files, const QString &outputFile);
  // Esc or Stop: the current run ends ("Process cancelled"), its temporary file removed.
  void Cancel();
  bool Cancelled() const { return FCancelled; }
  // The dialog's model for the open video (kind 0 or 1).
  void PrepareForVideo(TRecordKind kind);

  // --- Settings -----------------------------------------------------------------------------

  TBoiteRecordMontageModel Dialog;
  video::TFramework Framework = video::fwVfw;
  // The codec by the name the back-end lists; empty: "without" (uncompressed).
  QString Codec;
  bool ShowImagesTip = true;
  bool SettingsPending() const { return FSettingsPending; }
  QString SavedFramework() const { return FSavedFramework; }
  QString SavedCodec() const { return FSavedCodec; }
  // Reads "Framework" and "Codec" once in a run; writes them back at the end of the run when
  // they were read.
  void ReadSettings();
  bool WriteSettings() const;
  // The saved framework when it can write here (else "Video for Windows") and the saved
  // codec when that framework offers it at the dialog's size (else "without").
  void ApplySavedSettings();

  TVideoWriters &Writers() { return *FWriters; }
  QStringList FrameworkNames() const { return FWriters->FrameworkNames(); }
  static QString FrameworkName(video::TFramework framework);
  // The codecs of the current framework at the dialog's output size (without "without").
  QStringList CodecNames() const;
  TWriterSettings WriterSettings() const;

  // --- State --------------------------------------------------------------------------------

  QString OutputFile;
  QString ErrorText;
  QStringList WrittenStills;
  QStringList ImageFiles;
  std::function<void(int percent)> OnProgress;
  // Writing turns on or off (the main window holds its busy state meanwhile).
  std::function<void(bool writing)> OnWritingChange;
  // Lets the window's events run between two frames (Esc, Stop, repaints).
  std::function<void()> ProcessEvents;

  // --- IVideoWriterState --------------------------------------------------------------------

  bool Writing() const override { return FWriting; }
  // After each video opened: the dialog takes its size, "Edit images" unticked.
  void Reset() override;
  void PlaybackInterrupted() override;

 private:
  // The failure box "Error detected while creating video file:" (or "Process cancelled").
  void ShowFailure(const QString &heading) const;
  bool AskVideoFile(IRecordHost &host, const QString &baseName, const QString &folder);
  void SetWriting(bool writing);
  void Progress(int percent);
  void Pump();
  // The current frame as written: drawn, marked when asked, resized or cropped.
  bool RenderFrame(int videoFrame, QImage &out);
  // Finishes a run that went well, cancels one that did not (its temporary file goes);
  // ErrorText gets the back-end's reason when nothing else was said.
  bool EndVideo(TVideoWriter &writer, bool ok);
  // The refusals common to every output video.
  bool CheckTarget(const QString &outputFile);

  videoview::TVideoModel &Video;
  TMontage &Montage;
  QString FOptionsFile;
  QString FKlbDllFolder;
  std::unique_ptr<TVideoWriters> FWriters;
  bool FSettingsPending = true;
  QString FSavedFramework;
  QString FSavedCodec;
  bool FWriting = false;
  bool FStopRequested = false;
  bool FCancelled = false;
  TVideoWriter *FActive = nullptr;
  QImage FFull;
};

}  // namespace kolibra::editing
