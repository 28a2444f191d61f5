#pragma once
// One open video file inside the wrapper: demuxer, frame table, decoder, cache and colour
// converter.
//
// A "run" is the decoder fed packet after packet from one keyframe on. Frame indexes are
// handed out by counting the pictures a run yields, starting at the index the table gives
// its keyframe, so they agree with a full decode from the start whatever the container's
// timestamps say. Moving forward continues the run as long as no later keyframe would be a
// shorter way to the target; anything else starts a new run at the last keyframe at or
// before the target. The pictures a run yields just before its target go into the cache.
//
// The frame table costs a read of the whole file. A long file in a container that times
// every picture (MP4, Matroska, MPEG-TS) is opened without it: until a scanner thread has
// built it, frame N is the picture presented at the first picture's time plus N frame
// intervals, reached by a seek in time and checked by decoding, and the frame count comes
// from the container's duration. When the table is ready it takes over; on a file whose
// pictures keep their rate (which a run checks around every frame it reaches) both ways
// name the same pictures. A run that meets a gap, a picture without time or one off the
// grid waits for the table instead of guessing.

#include "VffFrameCache.h"
#include "VffIndex.h"
#include "VffMemory.h"
#include "VffScanner.h"
#include "video/convert/PictureConverter.h"
#include "video/klbvff/KlbVff.h"

#include <chrono>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace kolibra::video::vff {

class TVffSession {
 public:
  TVffSession();
  ~TVffSession();
  TVffSession(const TVffSession &) = delete;
  TVffSession &operator=(const TVffSession &) = delete;

  bool Open(const std::string &FileName);
  void Close();
  bool IsOpen() const { return FDecoder != nullptr; }

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  double Rate() const { return FRate; }
  double Duration() const { return FDuration; }
  int FrameCount() const { return FTimed ? FEstimatedCount : FIndex.FrameCount(); }
  // The frame count once the table is built, waiting for it when it is not.
  int ExactFrameCount();
  // Takes the scanner's table over when it is ready; every entry point calls this first.
  void Poll();
  int Position() const { return FPosition; }
  // The frame durations differ: the rate is the usual one or, where they vary widely, their
  // mean; each frame's time is then its stamp (FrameTimes).
  bool VariableRate() const { return FIndex.Uneven(); }
  // How the pictures are turned to stand upright, from the stream's display matrix: degrees
  // counter-clockwise (0, 90, 180, 270), then a flip left to right when Mirrored.
  int Rotation() const { return FRotation; }
  bool Mirrored() const { return FMirrored; }
  // The rate the video was filmed at, from the container's metadata; 0 when not said.
  double CaptureRate() const { return FCaptureRate; }
  // The presentation time of every frame in seconds from the first frame's (waiting for the
  // table of a long file); empty when the pictures carry no usable times.
  std::vector<double> FrameTimes();
  const std::string &OpenError() const { return FOpenError; }
  const std::string &SeekError() const { return FSeekError; }

  void Seek(int Index);
  void Draw(const KlbVffBitmap &Bitmap);

  // Of the pictures decoded on the way to a frame, only a few before it are kept: the others
  // go back to the decoder's pool at once. Keeping every one would make a jump deep into a
  // long group of pictures take fresh memory for each (at 1080p, 3 MB a picture, zeroed and
  // faulted in page by page), which costs more than decoding them. Stepping back, the user is
  // likely to go on stepping back: more are kept then.
  static constexpr int KeptJumping = 4;
  static constexpr int KeptSteppingBack = 64;
  // A jump further than this leaves the pictures kept around the frame before: their buffers
  // go back to the decoder, which would otherwise take fresh memory for every new picture.
  static constexpr int FarJump = 64;
  // Chooses what a run to Index keeps.
  void KeepFor(int Index);

  // The "comment" tag of a file, read without disturbing the open file.
  static std::string Comment(const std::string &FileName);

  // The turn a display matrix (nine 32-bit values, 16.16 fixed point but for the third
  // column) asks for, as Rotation and Mirrored; false, leaving them, for a matrix that is
  // not a quarter turn or a flip (a free angle or a scale).
  static bool OrientationOfMatrix(const int32_t Matrix[9], int &Rotation, bool &Mirrored);
  // The capture rate a metadata dictionary states (Android's "com.android.capture.fps",
  // QuickTime's capture frame rate), 0 when none.
  static double CaptureRateOf(const AVDictionary *Metadata);

 private:
  enum TSeekMethod { smTimestamp, smByte, smReopen, smCount };

  bool OpenInput(const std::string &FileName, std::string &Error);
  bool StartRun(const TVffKey &Key);
  bool SeekBy(TSeekMethod Method, const TVffPacket &Target);
  int ReadVideoPacket(AVPacket *Packet);
  bool DecodeTo(int Target);
  bool Feed();
  void Output(AVFrame *Frame, int Target);
  void CheckTail();
  bool Scanned(std::string &Error);
  bool OpenDecoder(std::string &Error);
  static bool Remembered(const std::string &FileName, TVffIndex &Index);
  static void Remember(const std::string &FileName, const TVffIndex &Index);
  void Cache(int Index, const AVFrame *Frame, int Target);

  // Access by time while the table is being built (VffTimeline.cpp).
  bool TimeEligible() const;
  bool OpenTimed();
  void SeekByTime(int Index);
  bool StartRunAtTime(int64_t Pts);
  int FrameOfPts(int64_t Pts) const;
  void OutputByTime(AVFrame *Frame, int Target);
  void Adopt(TVffIndex &&Index);
  void WaitForTable();
  static int Interrupt(void *Opaque);

  std::string FFileName;
  AVFormatContext *FFormat = nullptr;
  AVCodecContext *FDecoder = nullptr;
  const AVCodec *FCodec = nullptr;
  int FStream = -1;
  TVffIndex FIndex;
  TVffFrameCache FCache;
  TVffMemoryPlan FMemory;  // cache budget and decoder threads for this file's picture size
  TPictureConverter FConverter;
  AVFrame *FFrame = nullptr;       // receives the decoder's pictures
  AVFrame *FCurrent = nullptr;     // the picture at FPosition
  AVFrame *FLastOutput = nullptr;  // the last picture the run yielded
  AVPacket *FPending = nullptr;    // read but not yet sent to the decoder
  bool FHasPending = false;
  int FLastRead = -1;  // decode-order index of the last packet read, -1 when unknown
  bool FFromStart = false;  // packets have been read one after the other from the file's start

  int FWidth = 0;
  int FHeight = 0;
  double FRate = 0.0;
  double FDuration = 0.0;
  int FRotation = 0;
  bool FMirrored = false;
  double FCaptureRate = 0.0;
  int FPosition = 0;
  int FKeptOnTheWay = 0;  // how many pictures before the target a run keeps in the cache
  bool FTailSuspect = false;

  // State of the run.
  bool FRunActive = false;
  int FNextOrdinal = 0;  // decode-order index of the next packet read
  int FLastIndex = -1;   // index of the last picture yielded
  int64_t FRunKeyPts = AV_NOPTS_VALUE;
  // Without presentation times the decoder is fed each packet's decode-order index as its
  // time, so every picture it yields names the packet it came from.
  bool FSynthetic = false;
  int FRunKeyOrdinal = 0;
  bool FRunSeenKey = false;
  int FRunDropped = 0;
  bool FBadKey = false;
  bool FDrainSent = false;
  bool FStandInSent = false;
  bool FDrained = false;
  int FPreferred = smTimestamp;

  // Access by time (FTimed until the table takes over).
  TVffScanner FScanner;
  bool FTimed = false;
  int FEstimatedCount = 0;
  int64_t FOrigin = AV_NOPTS_VALUE;  // presentation time of frame 0
  double FTicksPerFrame = 0.0;       // the frame interval in the stream's time base
  bool FOffGrid = false;             // the run met a picture off the frame grid
  bool FLate = false;                // the run's first picture is past its target
  bool FScanFailed = false;          // no table will come: the file cannot be read through
  int64_t FKeyDelay = 0;             // how much later than decoded keyframes are shown
  int64_t FKeySpan = 0;              // the distance between keyframes last seen in a run

  std::chrono::steady_clock::time_point FDeadline;
  std::string FOpenError;
  std::string FSeekError;
};

}  // namespace kolibra::video::vff
