#pragma once
// The contract every video reader keeps, whatever framework decodes for it: open a file by
// name, tell its frame count, size and timing, move to a frame by index, and stretch a
// rectangle of the current frame onto a picture.
//
// A reader is Closed or Open. Opening always passes through Closed (OnClose fires) and ends
// Open (OnOpen fires) or Closed with a reason in ErrorText. Every field but FileName is
// meaningful only while Open; a failed open leaves FrameCount 0. Readers run on the
// user-interface thread: the playback timer's seek and the repaint both arrive there, so a
// seek never overlaps a draw. Drawing is only a re-entrance guard.

#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>

namespace kolibra::video {

enum TFramework { fwVfw = 0, fwDS = 1, fwFFMpeg = 2 };

// "Video for Windows", "DirectShow", "FFMpeg": the names the user sees.
QString FrameworkName(TFramework Framework);

// Raster operations of Draw: a plain copy, or each colour component replaced by 255 minus it.
constexpr uint32_t SrcCopy = 0x00CC0020;
constexpr uint32_t NotSrcCopy = 0x00330008;

// How much a failed open's ErrorText tells, so the framework choice can show the best one.
enum TOpenFailure {
  ofNone,       // the last open succeeded
  ofUnknown,    // no reason known
  ofFramework,  // the framework itself is missing or unusable
  ofFile        // something about the file
};

// Stretches Source (frame pixels; parts outside the frame read as black) onto the whole of
// Destination, nearest pixel, with the raster operation Mode. False when Destination is
// null, Source is empty, or Frame is not a 24-bit picture.
bool StretchFrame(const QImage &Frame, const QRect &Source, QImage &Destination, uint32_t Mode);

class TVideoPlay {
 public:
  virtual ~TVideoPlay() = default;
  TVideoPlay(const TVideoPlay &) = delete;
  TVideoPlay &operator=(const TVideoPlay &) = delete;

  virtual TFramework Framework() const = 0;
  // Stores Name, closes, then opens; Opened() tells the outcome.
  virtual void SetFileName(const QString &Name) = 0;
  virtual void Close() = 0;
  // Makes Index, clamped to 0 ... FrameCount - 1, the current frame.
  virtual void SetPosition(int Index) = 0;
  // Seconds the file lasts.
  virtual double Duration() const { return FFrameCount * FFrameInterval; }
  // The frame count for certain. A reader that counts the frames of a long file in the
  // background starts with the count its container announces and corrects it as it goes
  // (FrameCount follows after each SetPosition); this waits until the count is known.
  virtual int ExactFrameCount() { return FFrameCount; }

  // Stretches Source of the current frame onto the whole Bitmap with DrawMode. False when no
  // file is open, a draw is already running, or the frame cannot be obtained; the bitmap is
  // then left as it was.
  bool Draw(QImage &Bitmap, const QRect &Source);

  const QString &FileName() const { return FFileName; }
  bool Opened() const { return FOpened; }
  int FrameCount() const { return FFrameCount; }
  int FrameWidth() const { return FFrameWidth; }
  int FrameHeight() const { return FFrameHeight; }
  int Position() const { return FPosition; }
  double FrameInterval() const { return FFrameInterval; }
  double FrameRate() const { return FFrameRate; }
  uint16_t TimerDelay() const { return FTimerDelay; }
  bool Drawing() const { return FDrawing; }
  // The frame durations of the file vary; FrameInterval is then their mean.
  bool VariableRate() const { return FVariableRate; }
  const QString &ErrorText() const { return FErrorText; }
  TOpenFailure ErrorKind() const { return FErrorKind; }

  uint32_t DrawMode = SrcCopy;
  std::function<void(TVideoPlay *Sender)> OnOpen;
  std::function<void(TVideoPlay *Sender)> OnClose;
  std::function<void(TVideoPlay *Sender, const QString &Message)> OnError;

 protected:
  TVideoPlay() = default;

  // The current frame at full size as a 24-bit picture, or null when it cannot be had.
  virtual const QImage *FetchFrame() = 0;
  // Draw once the busy guard is set: the frame stretched onto Bitmap. A reader that can
  // paint a whole frame straight into a picture of its size overrides this.
  virtual bool DrawFrame(QImage &Bitmap, const QRect &Source);
  // Sets FrameRate, FrameInterval and TimerDelay from a rate in frames per second. False,
  // with the reason in ErrorText, when the rate is zero or its interval does not fit the
  // timer's 16-bit milliseconds.
  bool SetRate(double Rate);
  void SetError(const QString &Text, TOpenFailure Kind);
  // Back to Closed: Opened false, FrameCount 0.
  void ResetFields();

  QString FFileName;
  bool FOpened = false;
  int FFrameCount = 0;
  int FFrameWidth = 0;
  int FFrameHeight = 0;
  int FPosition = 0;
  double FFrameInterval = 0.0;
  double FFrameRate = 0.0;
  uint16_t FTimerDelay = 0;
  bool FDrawing = false;
  bool FVariableRate = false;
  QString FErrorText;
  TOpenFailure FErrorKind = ofNone;
};

}  // namespace kolibra::video
