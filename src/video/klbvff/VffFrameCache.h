#pragma once
// Decoded pictures kept by frame index, least recently used first out, within a byte
// budget. Entries are references to the decoder's own buffers (no copy): stepping back a
// frame or jumping a few frames costs a colour conversion instead of decoding a group of
// pictures again. A picture counts for the buffers it holds (padding and alignment included),
// so the budget is what the cache keeps from going back to the decoder.

#include <cstddef>
#include <list>
#include <unordered_map>

extern "C" {
#include <libavutil/frame.h>
}

namespace kolibra::video::vff {

class TVffFrameCache {
 public:
  explicit TVffFrameCache(size_t BudgetBytes = DefaultBudget) : FBudget(BudgetBytes) {}
  ~TVffFrameCache() { Clear(); }
  TVffFrameCache(const TVffFrameCache &) = delete;
  TVffFrameCache &operator=(const TVffFrameCache &) = delete;

  // Enough for about eighty 1080p pictures, or a whole short classroom video.
  static constexpr size_t DefaultBudget = size_t(256) << 20;
  // However large the pictures, a few are always kept so stepping back stays cheap.
  static constexpr size_t MinEntries = 8;

  void Clear();
  // Zero keeps MinimumEntries only (MinEntries unless told, at least one).
  void SetBudget(size_t BudgetBytes, size_t MinimumEntries = MinEntries);
  // The bytes of the pictures kept.
  size_t Bytes() const { return FBytes; }
  // The bytes Frame's buffers hold, or those its pictures need when more.
  static size_t BytesOf(const AVFrame &Frame);
  // The picture of Index, or null; a hit makes it the most recently used.
  const AVFrame *Find(int Index);
  void Put(int Index, const AVFrame *Frame);
  size_t Count() const { return FEntries.size(); }

 private:
  struct TEntry {
    AVFrame *Frame = nullptr;
    size_t Bytes = 0;
    std::list<int>::iterator Use;
  };
  void EvictOne();
  void Trim();

  size_t FBudget;
  size_t FMinEntries = MinEntries;
  size_t FBytes = 0;
  std::list<int> FUse;  // most recently used at the front
  std::unordered_map<int, TEntry> FEntries;
};

}  // namespace kolibra::video::vff
