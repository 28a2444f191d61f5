#pragma once
// The video writers: one back-end per framework, behind one contract that the edited-video
// writer and the conversions drive without knowing which back-end they talk to.
//
//   TVfwRecord    "Video for Windows": Kolibra's own AVI writer, libavcodec compressors by FourCC
//   TDSRecord     "DirectShow": a GStreamer encoding pipeline (appsrc ... avimux ! filesink)
//   TFFMpegRecord "FFMpeg": Kolibra's writer library KlbRff over libavformat's AVI muxer
//
// The caller (the edited-video writer, the conversions) owns the frame loop: which frames,
// resizing or cropping, the grey blanks of empty time slots (pictures like any other),
// progress and cancelling; TVideoWriters holds the three back-ends for the run. Settings
// (TWriterSettings): size, exact rate, codec by the name CodecNames gives (a FourCC or a
// GStreamer factory name also does), quality 0 ... 10000, key-frame interval, Overwrite.
//
// One output, start to end:
//   CodecNames(size)      the codecs offered at that size (each one opens there), without
//                         "without", which every back-end takes (uncompressed 24-bit RGB)
//   AcceptedSize(codec,s) the size the back-end writes when asked for s: each clamps to what
//                         its encoders and Kolibra's readers take (4:2:0 codecs that refuse
//                         odd sizes get the even size below); the caller draws its frames
//                         at that size
//   OpenOutput(file, settings)
//                         the codec is opened first, at the accepted size: a codec that
//                         cannot open fails here, before any file exists. Then a hidden
//                         temporary file is created beside the target (".name.XXXXXX")
//   AddFrame(picture)     one frame, any size and format: stretched over the whole output frame
//   AddEmpty()            one slot that keeps its time but brings no new picture (the
//                         readers show the one before): an empty chunk where the container
//                         has them, the previous picture again otherwise
//   Finish()              completes the file, flushes it to the disk, and only then renames it
//                         to the target; Cancel() ("Process cancelled") stops instead
//   IsOpen, Failed, FramesWritten, ErrorCode, ErrorText, ErrorDetail  the status
//
// Invariants: the target appears only complete, after a successful Finish; every failure and
// every cancel removes the temporary file, so no partial file is ever left, and an existing
// target is replaced only when the settings say the user agreed (Overwrite). The first error
// is kept: later calls fail without replacing its reason. The frame rate is exact (the
// source's Rate/Scale, or the nearest fraction); no back-end writes B-frames, since AVI has
// no time stamps to put them back in order.
//
// Everything runs on the calling (user-interface) thread; a back-end may encode on threads
// of its own but returns only when the frame was taken. Errors are codes with the texts of
// each framework's table (ErrorText), plus the system's or library's words (ErrorDetail).

#include "video/FrameRate.h"
#include "video/VideoPlay.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace kolibra::editing {

// The error codes, shared by the back-ends; each words them in its own table.
enum TWriteError {
  weNone = 0,
  weCancelled = 1,      // "Process cancelled"
  weNotOpen = 2,        // "Video not initialized"
  weBadImage = 3,       // a picture that cannot be read
  weFrameRejected = 4,  // the frame could not be put in the stream
  weCompress = 5,       // the codec failed on a frame
  weFormat = 6,         // the stream format could not be set
  weReplace = 7,        // the target exists (or appeared) and may not be replaced
  weDiskWrite = 8,      // the file could not be created or written (full disk, size limit)
  weStream = 9,         // the stream or pipeline could not be created
  weCodec = 10,         // the codec does not exist or does not open at this size
  weTooOld = 11,        // the FFmpeg writer library is older than 510
  weUnknown = 12
};

struct TWriterSettings {
  int Width = 320;
  int Height = 240;
  video::TFrameRate Rate = video::TFrameRate::Exact(25, 1);
  QString Codec;             // a name of CodecNames(); empty or "without": uncompressed
  int Quality = 5000;        // 0 ... 10000 (the dialog's percentage x 100)
  int KeyFrameEvery = 25;    // 1 ... 250
  bool Overwrite = false;    // the user agreed to replace an existing target
};

class TVideoWriter {
 public:
  virtual ~TVideoWriter();
  TVideoWriter(const TVideoWriter &) = delete;
  TVideoWriter &operator=(const TVideoWriter &) = delete;

  // The name of the uncompressed choice, first in every codec list.
  static QString WithoutName();
  static bool IsWithout(const QString &Codec);

  virtual video::TFramework Framework() const = 0;
  // False when the framework cannot write at all (the FFmpeg writer library is missing).
  virtual bool Available() const { return true; }
  virtual QStringList CodecNames(QSize Size) = 0;
  virtual QSize AcceptedSize(const QString &Codec, QSize Size) = 0;
  // Whether the codec has a settings dialog of its own: none of the encoders here has one
  // (quality and key-frame interval are the writer's settings), so the dialog's
  // "Configure" stays disabled.
  virtual bool CanConfigure() const { return false; }

  bool OpenOutput(const QString &FileName, const TWriterSettings &Settings);
  bool AddFrame(const QImage &Frame);
  bool AddEmpty();
  bool Finish();
  void Cancel();

  bool IsOpen() const { return FOpen; }
  bool Failed() const { return FErrorCode != weNone; }
  int FramesWritten() const { return FFramesWritten; }
  QSize Size() const { return FSize; }
  const QString &FileName() const { return FFileName; }
  const TWriterSettings &Settings() const { return FSettings; }
  TWriteError ErrorCode() const { return FErrorCode; }
  // The framework's text for the error code.
  virtual QString ErrorText() const = 0;
  // What the system or the library said, when it said something.
  const QString &ErrorDetail() const { return FErrorDetail; }

 protected:
  TVideoWriter() = default;

  // Opens the codec of Settings at Size (already accepted); no file may be touched yet.
  virtual bool PrepareCodec(const TWriterSettings &Settings, QSize Size) = 0;
  // Starts writing into TempFile, which exists and is empty.
  virtual bool StartFile(const QString &TempFile) = 0;
  // One frame, 24-bit RGB (QImage::Format_RGB888) of Size().
  virtual bool WriteFrame(const QImage &Rgb) = 0;
  virtual bool WriteEmpty() = 0;
  // Completes the file: true only when every frame is in it and it is closed.
  virtual bool EndFile() = 0;
  // Stops and closes without completing (after a failure, or on Cancel).
  virtual void AbortFile() = 0;

  // Records the first error (with the system's words, when given); returns false.
  bool SetError(TWriteError Code, const QString &Detail = QString());
  // The size clamped to a back-end's bounds, even when Even.
  static QSize ClampSize(QSize Size, int MinSide, int MaxSide, bool Even);

 private:
  void Discard();
  bool CommitTemporary();

  bool FOpen = false;
  QString FFileName;
  QString FTempFile;
  TWriterSettings FSettings;
  QSize FSize;
  int FFramesWritten = 0;
  TWriteError FErrorCode = weNone;
  QString FErrorDetail;
  QImage FScaled;
};

}  // namespace kolibra::editing
