#include "VffFrameCache.h"

#include <algorithm>

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
  TEntry entry;
  entry.Frame = copy;
  entry.Bytes = BytesOf(*Frame);
  FUse.push_front(Index);
  entry.Use = FUse.begin();
  FBytes += entry.Bytes;
  FEntries.emplace(Index, entry);
  Trim();
}

void TVffFrameCache::SetBudget(size_t BudgetBytes, size_t MinimumEntries) {
  FBudget = BudgetBytes;
  FMinEntries = std::max<size_t>(MinimumEntries, 1);
  Trim();
}

size_t TVffFrameCache::BytesOf(const AVFrame &Frame) {
  size_t held = 0;
  for (const AVBufferRef *buffer : Frame.buf) {
    if (buffer) held += buffer->size;
  }
  for (int i = 0; i < Frame.nb_extended_buf; ++i) held += Frame.extended_buf[i]->size;
  const int needed = av_image_get_buffer_size(static_cast<AVPixelFormat>(Frame.format), Frame.width, Frame.height, 1);
  return std::max(held, needed > 0 ? static_cast<size_t>(needed) : size_t(0));
}

void TVffFrameCache::Trim() {
  while (FEntries.size() > FMinEntries && FBytes > FBudget) EvictOne();
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
