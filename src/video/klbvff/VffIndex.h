#pragma once
// The frame table of one video stream, built at open by reading every packet once without
// decoding. It answers the questions random access needs: how many frames a full decode
// yields, which keyframe to start from for a given frame, which frame index that keyframe
// shows, how to recognise a packet after a seek, and how the frames are timed.
//
// Frame N is the Nth picture a full decode from the start yields. Packets before the first
// keyframe and pictures presented before it (open-GOP leading pictures) are left out, as a
// decoder starting cold leaves them out; packets the demuxer marks as discarded (edit lists)
// are fed but yield no frame.
//
// Where every picture has a presentation time, a keyframe's index is the rank of its time.
// Where some lack one (AVI with B-frames, MPEG program streams), only the first keyframe's
// index is certain: the others are known to be at least the number of pictures before them
// in decoding order (pictures decoded after a keyframe may be shown before it) and become
// certain when a decode passes them; a packet flagged key that does not decode as one is
// dropped from the keys.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

extern "C" {
#include <libavformat/avformat.h>
}

namespace kolibra::video::vff {

struct TVffPacket {
  int64_t Pos = -1;
  int64_t Dts = AV_NOPTS_VALUE;
  int64_t Pts = AV_NOPTS_VALUE;
  int64_t Duration = 0;
  bool Key = false;
  bool Counted = false;  // yields a frame of the table
};

struct TVffKey {
  int Ordinal = 0;       // decode-order index of the keyframe packet
  int FrameIndex = 0;    // the frame it shows (a lower bound until Certain)
  bool Certain = false;  // FrameIndex is exact
};

class TVffIndex {
 public:
  // Reads every packet of Stream from the current position to the end.
  bool Scan(AVFormatContext *Format, int Stream, std::string &Error);

  int FrameCount() const { return FFrameCount; }
  const std::vector<TVffPacket> &Packets() const { return FPackets; }
  const std::vector<TVffKey> &Keys() const { return FKeys; }
  // The last keyframe known to show a frame at or before Frame (the first for Frame <= 0).
  const TVffKey &KeyFor(int Frame) const;
  // The key at decode-order index Ordinal, or null.
  const TVffKey *KeyAt(int Ordinal) const;
  // A decode showed the picture of key Ordinal as frame Index.
  void Learn(int Ordinal, int Index);
  // The packet at Ordinal is not a keyframe after all.
  void Forget(int Ordinal);
  // The decode-order index of a packet read after a seek, or -1 when it is not recognised.
  int Identify(const AVPacket &Packet) const;
  // Whether Identify recognises Packet by itself (by its position or its decoding time).
  bool Identifiable(const TVffPacket &Packet) const {
    return (FPosUnique && Packet.Pos >= 0) || (FDtsUnique && Packet.Dts != AV_NOPTS_VALUE);
  }
  bool PtsUsable() const { return FPtsUsable; }
  // The presentation times of the frames in order (empty unless PtsUsable).
  const std::vector<int64_t> &FramePts() const { return FFramePts; }
  // Presentation timestamp below which a run started at Key drops its output.
  int64_t KeyPts(const TVffKey &Key) const;

  // The scan ended on a read error or met damaged packets: the table may promise frames that
  // do not decode.
  bool TailSuspect() const { return FTailSuspect; }
  // An MPEG-4 stream whose B-frames are packed (DivX, Xvid) ends with a chunk holding two
  // pictures: the decoder keeps the second until one more chunk comes. The reader sends a
  // stand-in at the end, and the table counts that picture.
  bool FlushStored() const { return FFlushStored; }

  // Timing from the timestamps; zero when the file gives none. The interval is the usual
  // one, or the mean over the whole file when the rate varies.
  double MeanInterval() const { return FMeanInterval; }
  bool VariableRate() const { return FVariableRate; }
  // Some frames last longer than the usual interval, by a fraction or by whole frames: the
  // times of the frames are not whole numbers of the interval.
  bool Uneven() const { return FUneven; }
  double Duration() const { return FDuration; }

  // Called when a decode meets the end of the stream before the table's end (a truncated
  // file): the frames past Frames do not exist.
  void Truncate(int Frames);

 private:
  void Classify();
  void Time(const AVRational &TimeBase);

  std::vector<TVffPacket> FPackets;
  std::vector<TVffKey> FKeys;
  std::unordered_map<int64_t, int> FByPos;
  std::unordered_map<int64_t, int> FByDts;
  bool FPosUnique = false;
  bool FDtsUnique = false;
  bool FPtsUsable = false;
  std::vector<int64_t> FFramePts;
  bool FTailSuspect = false;
  bool FFlushStored = false;
  int FFrameCount = 0;
  double FMeanInterval = 0.0;
  bool FVariableRate = false;
  bool FUneven = false;
  double FDuration = 0.0;
};

}  // namespace kolibra::video::vff
