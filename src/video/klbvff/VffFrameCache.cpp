#include "VffFrameCache.h"

extern "C" {
#include <libavutil/imgutils.h>
}

namespace kolibra::video::vff {

void TVffFrameCache::Clear() {
  for (auto &[index, entry] : FEntries) av_frame_free(&entry.Frame);
  FEntries.clear();
  FUse.clear();
  FBytes = 0;
}

const AVFrame *TVffFrameCache::Find(int Index) {
  auto it = FEntries.find(Index);
  if (it == FEntries.end()) return nullptr;
  FUse.splice(FUse.begin(), FUse, it->second.Use);
  return it->second.Frame;
}

void TVffFrameCache::Put(int Index, const AVFrame *Frame) {
  if (Find(Index)) return;
  AVFrame *copy = av_frame_alloc();
  if (!copy) return;
  if (av_frame_ref(copy, Frame) < 0) {
    av_frame_free(&copy);
    return;
  }
  int bytes = av_image_get_buffer_size(static_cast<AVPixelFormat>(Frame->format), Frame->width, Frame->height, 1);
  TEntry entry;
  entry.Frame = copy;
  entry.Bytes = bytes > 0 ? static_cast<size_t>(bytes) : 0;
  FUse.push_front(Index);
  entry.Use = FUse.begin();
  FBytes += entry.Bytes;
  FEntries.emplace(Index, entry);
  while (FEntries.size() > MinEntries && FBytes > FBudget) EvictOne();
}

void TVffFrameCache::EvictOne() {
  const int oldest = FUse.back();
  auto it = FEntries.find(oldest);
  FBytes -= it->second.Bytes;
  av_frame_free(&it->second.Frame);
  FEntries.erase(it);
  FUse.pop_back();
}

}  // namespace kolibra::video::vff
