#include "VffIndex.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace kolibra::video::vff {

namespace vffindex {

// A demuxer that keeps answering "try again" without moving on is broken; give up on it.
constexpr int MaxRetries = 1000;

// The writer's note of a DivX or Xvid stream that packs its B-frames: "DivX" and a version,
// "b" or "Build" and a number, then "p".
bool PackedNote(const uint8_t *Data, int Size) {
  const char *text = reinterpret_cast<const char *>(Data);
  for (int i = 0; i + 4 < Size; ++i) {
    if (std::memcmp(text + i, "DivX", 4) != 0) continue;
    int j = i + 4;
    const auto digits = [&] {
      const int from = j;
      while (j < Size && text[j] >= '0' && text[j] <= '9') ++j;
      return j > from;
    };
    if (!digits()) continue;
    if (j + 5 <= Size && std::memcmp(text + j, "Build", 5) == 0) {
      j += 5;
    } else if (j < Size && text[j] == 'b') {
      ++j;
    } else {
      continue;
    }
    if (digits() && j < Size && text[j] == 'p') return true;
  }
  return false;
}

// What an MPEG-4 decoder keeps after a chunk of a packed stream, as it handles them: when it
// kept a VOP from the chunk before, it decodes that one and keeps this whole chunk (unless it
// is a "not coded" stand-in); otherwise it decodes the chunk's first VOP and keeps the
// second. Only I- and B-frames are kept; a new sequence drops what was kept.
bool KeepsAVop(bool Kept, const uint8_t *Data, int Size) {
  int types[2] = {-1, -1};
  int found = 0;
  bool sequence = false;
  for (int i = 0; i + 4 < Size && found < 2; ++i) {
    if (Data[i] != 0 || Data[i + 1] != 0 || Data[i + 2] != 1) continue;
    if (found == 0 && Data[i + 3] == 0xB0) sequence = true;
    if (Data[i + 3] == 0xB6) types[found++] = Data[i + 4] >> 6;
  }
  if (sequence) Kept = false;
  const int next = Kept ? (Size > 7 ? types[0] : -1) : types[1];
  return next == 0 || next == 2;
}

}  // namespace vffindex

bool TVffIndex::Scan(AVFormatContext *Format, int Stream, std::string &Error) {
  FPackets.clear();
  AVPacket *packet = av_packet_alloc();
  if (!packet) {
    Error = "Out of memory.";
    return false;
  }
  int retries = 0;
  FTailSuspect = false;
  FFlushStored = false;
  const bool mpeg4 = Format->streams[Stream]->codecpar->codec_id == AV_CODEC_ID_MPEG4;
  bool packed = false;
  bool kept = false;  // the decoder keeps a VOP of the last chunk
  for (;;) {
    const int r = av_read_frame(Format, packet);
    if (r == AVERROR(EAGAIN)) {
      if (++retries > vffindex::MaxRetries) break;
      continue;
    }
    if (r < 0) {
      // End of file, or a damaged tail: what was read so far is the file.
      if (r != AVERROR_EOF) FTailSuspect = true;
      break;
    }
    retries = 0;
    if (packet->stream_index == Stream) {
      TVffPacket p;
      p.Pos = packet->pos;
      p.Dts = packet->dts;
      p.Pts = packet->pts;
      p.Duration = packet->duration;
      p.Key = (packet->flags & AV_PKT_FLAG_KEY) != 0;
      // An empty packet would end the decoder's stream; a discarded one yields no picture.
      p.Counted = packet->size > 0 && !(packet->flags & AV_PKT_FLAG_DISCARD);
      if (packet->size <= 0) p.Key = false;
      if (packet->flags & AV_PKT_FLAG_CORRUPT) FTailSuspect = true;
      FPackets.push_back(p);
      if (mpeg4 && packet->size > 0) {
        if (!packed) packed = vffindex::PackedNote(packet->data, std::min(packet->size, 256));
        kept = packed && vffindex::KeepsAVop(kept, packet->data, packet->size);
      }
    }
    av_packet_unref(packet);
  }
  av_packet_free(&packet);

  Classify();
  if (FFrameCount > 0 && kept && !FPtsUsable) {
    FFlushStored = true;
    ++FFrameCount;
  }
  if (FFrameCount <= 0) {
    Error = FPackets.empty() ? "The video stream holds no picture." : "The video stream holds no keyframe to start decoding from.";
    return false;
  }
  Time(Format->streams[Stream]->time_base);
  return true;
}

void TVffIndex::Classify() {
  FKeys.clear();
  FFramePts.clear();
  FByPos.clear();
  FByDts.clear();
  FFrameCount = 0;

  const int n = static_cast<int>(FPackets.size());
  int first = 0;
  while (first < n && !FPackets[first].Key) ++first;
  for (int i = 0; i < first; ++i) FPackets[i].Counted = false;
  if (first == n) return;

  // Timestamps are trusted for ordering only when every picture has its own.
  FPtsUsable = true;
  std::vector<int64_t> pts;
  for (int i = first; i < n; ++i) {
    if (!FPackets[i].Counted) continue;
    if (FPackets[i].Pts == AV_NOPTS_VALUE) {
      FPtsUsable = false;
      break;
    }
    pts.push_back(FPackets[i].Pts);
  }
  if (FPtsUsable) {
    std::sort(pts.begin(), pts.end());
    FPtsUsable = std::adjacent_find(pts.begin(), pts.end()) == pts.end();
  }
  if (FPtsUsable) {
    // Pictures shown before the first keyframe need references that are not in the file.
    const int64_t firstPts = FPackets[first].Pts;
    for (int i = first + 1; i < n; ++i) {
      if (FPackets[i].Counted && FPackets[i].Pts < firstPts) FPackets[i].Counted = false;
    }
    pts.erase(pts.begin(), std::lower_bound(pts.begin(), pts.end(), firstPts));
  }
  FFramePts = FPtsUsable ? pts : std::vector<int64_t>();

  int counted = 0;
  for (int i = first; i < n; ++i) {
    const TVffPacket &p = FPackets[i];
    if (p.Key) {
      TVffKey key;
      key.Ordinal = i;
      if (FPtsUsable && p.Pts != AV_NOPTS_VALUE) {
        key.FrameIndex = static_cast<int>(std::lower_bound(pts.begin(), pts.end(), p.Pts) - pts.begin());
      } else {
        key.FrameIndex = counted;
      }
      key.Certain = FPtsUsable || FKeys.empty();
      // Keys must climb with the frames they show, or "the last key before a frame" is moot.
      if (FKeys.empty() || key.FrameIndex > FKeys.back().FrameIndex) FKeys.push_back(key);
    }
    if (p.Counted) ++counted;
  }
  FFrameCount = counted;
  while (!FKeys.empty() && FKeys.back().FrameIndex >= FFrameCount) FKeys.pop_back();
  if (FKeys.empty()) {
    FFrameCount = 0;
    return;
  }

  // A packet is recognised after a seek by its byte position, else by its decoding time;
  // packets that carry neither (MPEG program streams leave most without) are recognised by
  // their place after one that does.
  FPosUnique = true;
  FDtsUnique = true;
  for (int i = 0; i < n; ++i) {
    const TVffPacket &p = FPackets[i];
    if (FPosUnique && p.Pos >= 0 && !FByPos.emplace(p.Pos, i).second) FPosUnique = false;
    if (FDtsUnique && p.Dts != AV_NOPTS_VALUE && !FByDts.emplace(p.Dts, i).second) FDtsUnique = false;
  }
}

void TVffIndex::Time(const AVRational &TimeBase) {
  FMeanInterval = 0.0;
  FVariableRate = false;
  FUneven = false;
  FDuration = 0.0;

  // Without a presentation time on every picture (MPEG program streams, AVI with B-frames)
  // the timing is the header's: decoding times say nothing about durations.
  if (!FPtsUsable) return;
  std::vector<int64_t> stamps;
  int64_t lastDuration = 0;
  for (const TVffPacket &p : FPackets) {
    if (!p.Counted) continue;
    stamps.push_back(p.Pts);
    lastDuration = p.Duration;
  }
  std::sort(stamps.begin(), stamps.end());
  const double tb = av_q2d(TimeBase);
  if (stamps.size() < 2 || tb <= 0.0) {
    FDuration = std::max<int64_t>(lastDuration, 0) * tb;
    return;
  }

  std::vector<int64_t> deltas;
  for (size_t i = 1; i < stamps.size(); ++i) deltas.push_back(stamps[i] - stamps[i - 1]);
  std::vector<int64_t> sorted = deltas;
  std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
  const double median = static_cast<double>(sorted[sorted.size() / 2]);
  // Timestamps rounded to a coarse time base wobble by a tick; a phone that changes its
  // exposure moves them by far more. A delta of a whole number of frames is a dropped frame
  // (an AVI's empty chunk, an encoder's delay): a few of those leave the rate as it is.
  const double tolerance = 0.05 * median + (median >= 10.0 ? 1.0 : 0.0);
  int irregular = 0;
  int dropped = 0;
  for (const int64_t d : deltas) {
    const double delta = static_cast<double>(d);
    if (std::fabs(delta - median) <= tolerance) continue;
    const double frames = median > 0.0 ? std::round(delta / median) : 0.0;
    if (frames >= 2.0 && std::fabs(delta - frames * median) <= tolerance) {
      ++dropped;
    } else {
      ++irregular;
    }
  }
  FVariableRate = irregular > 0 || (dropped > 1 && dropped * 20 > static_cast<int>(deltas.size()));
  // A gap of whole frames leaves the rate as it is but not the times: every frame after it
  // comes later than its index says.
  FUneven = FVariableRate || dropped > 0;
  const double span = static_cast<double>(stamps.back() - stamps.front());
  FMeanInterval = FVariableRate ? span / static_cast<double>(stamps.size() - 1) * tb : median * tb;
  const double last = lastDuration > 0 ? static_cast<double>(lastDuration) * tb : FMeanInterval;
  FDuration = span * tb + last;
}

const TVffKey &TVffIndex::KeyFor(int Frame) const {
  auto it = std::upper_bound(FKeys.begin(), FKeys.end(), Frame,
                             [](int f, const TVffKey &k) { return f < k.FrameIndex; });
  while (it != FKeys.begin() && !(it - 1)->Certain) --it;
  return it == FKeys.begin() ? FKeys.front() : *(it - 1);
}

const TVffKey *TVffIndex::KeyAt(int Ordinal) const {
  auto it = std::lower_bound(FKeys.begin(), FKeys.end(), Ordinal,
                             [](const TVffKey &k, int o) { return k.Ordinal < o; });
  return it != FKeys.end() && it->Ordinal == Ordinal ? &*it : nullptr;
}

void TVffIndex::Learn(int Ordinal, int Index) {
  auto it = std::lower_bound(FKeys.begin(), FKeys.end(), Ordinal,
                             [](const TVffKey &k, int o) { return k.Ordinal < o; });
  if (it == FKeys.end() || it->Ordinal != Ordinal || it->Certain) return;
  it->FrameIndex = Index;
  it->Certain = true;
}

void TVffIndex::Forget(int Ordinal) {
  auto it = std::lower_bound(FKeys.begin(), FKeys.end(), Ordinal,
                             [](const TVffKey &k, int o) { return k.Ordinal < o; });
  if (it != FKeys.end() && it->Ordinal == Ordinal && it != FKeys.begin()) FKeys.erase(it);
}

int TVffIndex::Identify(const AVPacket &Packet) const {
  if (FPosUnique && Packet.pos >= 0) {
    auto it = FByPos.find(Packet.pos);
    if (it != FByPos.end()) return it->second;
  }
  if (FDtsUnique && Packet.dts != AV_NOPTS_VALUE) {
    auto it = FByDts.find(Packet.dts);
    if (it != FByDts.end()) return it->second;
  }
  return -1;
}

int64_t TVffIndex::KeyPts(const TVffKey &Key) const {
  return FPtsUsable ? FPackets[Key.Ordinal].Pts : AV_NOPTS_VALUE;
}

void TVffIndex::Truncate(int Frames) {
  if (Frames >= FFrameCount || Frames <= 0) return;
  FFrameCount = Frames;
  while (FKeys.size() > 1 && FKeys.back().FrameIndex >= FFrameCount) FKeys.pop_back();
}

}  // namespace kolibra::video::vff
