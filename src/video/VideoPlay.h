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
#include <vector>

namespace kolibra::video {

class TVideoPlay;

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

// How a stream's pictures are turned to stand upright: rotated counter-clockwise by Rotation
// degrees (0, 90, 180 or 270; the sense of the stream's display matrix, of its "rotate" tag
// and of ffprobe), then, when Mirrored, flipped left to right. Phones store portrait video as
// landscape pictures with such a display instruction.
struct TOrientation {
  int Rotation = 0;
  bool Mirrored = false;

  bool IsIdentity() const { return Rotation == 0 && !Mirrored; }
  // Width and height trade places.
  bool SwapsSides() const { return Rotation == 90 || Rotation == 270; }
  bool operator==(const TOrientation &) const = default;
};

// Picture turned upright as Orientation says (a copy; Picture itself when nothing is to do).
QImage Upright(const QImage &Picture, TOrientation Orientation);
// The orientation of a GStreamer "image-orientation" tag ("rotate-90", "flip-rotate-0", ...);
// none for an empty or unknown text.
TOrientation OrientationOfTag(const QString &Tag);

// The times Kolibra gives the frames of an open video. Where the frame durations vary, the
// video's own time stamps (seconds from frame 0, one per frame), else empty: a regular
// interval tells every time.
std::vector<double> VideoTimeStamps(TVideoPlay &Reader);
// The time of every frame from frame 0: its stamp when Stamps covers it, else Index x Interval.
double FrameTime(const std::vector<double> &Stamps, int Index, double Interval);

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
  // The presentation time of every frame, in seconds from the first frame's, as the file
  // stamps them; empty when the reader knows only a regular rate. Waits for the frame table
  // of a long file.
  virtual std::vector<double> FrameTimes() { return {}; }
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
  // The frame durations of the file differ; FrameInterval is then the usual one or, where
  // they vary widely, their mean, and FrameTimes tells when each frame comes.
  bool VariableRate() const { return FVariableRate; }
  // The rate the video was filmed at, when the file says it (slow motion stored at a
  // playback rate); 0 when it does not.
  double CaptureRate() const { return FCaptureRate; }

  // What the stream says of its pictures' orientation, and whether the user chose to show
  // them as stored instead. FrameWidth, FrameHeight and every picture drawn follow
  // Orientation(); a new file is shown upright until told otherwise.
  const TOrientation &StreamOrientation() const { return FStreamOrientation; }
  bool OrientationIgnored() const { return FOrientationIgnored; }
  TOrientation Orientation() const { return FOrientationIgnored ? TOrientation() : FStreamOrientation; }
  void SetOrientationIgnored(bool Ignored);
  const QString &ErrorText() const { return FErrorText; }
  TOpenFailure ErrorKind() const { return FErrorKind; }

  uint32_t DrawMode = SrcCopy;
  std::function<void(TVideoPlay *Sender)> OnOpen;
  std::function<void(TVideoPlay *Sender)> OnClose;
  std::function<void(TVideoPlay *Sender, const QString &Message)> OnError;

 protected:
  TVideoPlay() = default;

  // The current frame at full size as a 24-bit picture, as stored (not yet upright), or null
  // when it cannot be had.
  virtual const QImage *FetchFrame() = 0;
  // The current frame upright: FetchFrame's picture, turned when the orientation says so.
  const QImage *UprightFrame();
  // Called by a reader at open, once FrameWidth and FrameHeight hold the stored size.
  void SetStreamOrientation(TOrientation Orientation);
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
  double FCaptureRate = 0.0;
  QString FErrorText;
  TOpenFailure FErrorKind = ofNone;

 private:
  TOrientation FStreamOrientation;
  bool FOrientationIgnored = false;
  QImage FUpright;
  int FUprightPosition = -1;  // the frame FUpright holds, -1 when none
};

}  // namespace kolibra::video
