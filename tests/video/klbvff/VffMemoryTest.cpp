// What the wrapper may keep of a file's pictures: the plan's figures worked out by hand from
// the picture sizes (a 3840 x 2160 4:2:0 picture is 3840 * 2160 * 1.5 bytes at 8 bits), and
// the cache counting the buffers a picture really holds.

#include "video/klbvff/VffFrameCache.h"
#include "video/klbvff/VffMemory.h"

#include <gtest/gtest.h>

extern "C" {
#include <libavutil/buffer.h>
#include <libavutil/frame.h>
#include <libavutil/pixfmt.h>
}

namespace kolibra::video::vff {
namespace {

constexpr size_t MiB = size_t(1) << 20;

TEST(VffMemoryTest, PictureBytesFollowTheFormat) {
  EXPECT_EQ(TVffMemory::PictureBytes(AV_PIX_FMT_YUV420P, 1920, 1080), 3110400u);
  EXPECT_EQ(TVffMemory::PictureBytes(AV_PIX_FMT_YUV420P, 3840, 2160), 12441600u);
  EXPECT_EQ(TVffMemory::PictureBytes(AV_PIX_FMT_YUV420P10LE, 3840, 2160), 24883200u);
  EXPECT_EQ(TVffMemory::PictureBytes(AV_PIX_FMT_YUV422P10LE, 1920, 1080), 8294400u);
  // A stream that does not say its format yet counts as 8-bit 4:2:0.
  EXPECT_EQ(TVffMemory::PictureBytes(AV_PIX_FMT_NONE, 3840, 2160), 12441600u);
  EXPECT_EQ(TVffMemory::PictureBytes(AV_PIX_FMT_YUV420P, 0, 2160), 0u);
}

TEST(VffMemoryTest, PlansByPictureSizeAndProcessors) {
  // 1080p on 16 processors: FFmpeg's own 16 threads, the full 256 MB cache, eight kept.
  TVffMemoryPlan plan = TVffMemory::Plan(3110400, 16);
  EXPECT_EQ(plan.DecoderThreads, 0);
  EXPECT_EQ(plan.CacheBytes, 256 * MiB);
  EXPECT_EQ(plan.CacheMinEntries, 8u);

  // 4K at 8 bits on 16 processors: 256 MiB / (2 x 12441600) = 10.8, so 10 threads; the
  // decoder's (8 + 20) pictures leave 512 MiB - 348364800 bytes for the cache; 64 MiB keeps 5.
  plan = TVffMemory::Plan(12441600, 16);
  EXPECT_EQ(plan.DecoderThreads, 10);
  EXPECT_EQ(plan.CacheBytes, size_t(536870912 - 348364800));
  EXPECT_EQ(plan.CacheMinEntries, 5u);

  // The same on 2 processors: FFmpeg's 3 threads fit; (8 + 6) pictures leave more than 256 MB.
  plan = TVffMemory::Plan(12441600, 2);
  EXPECT_EQ(plan.DecoderThreads, 0);
  EXPECT_EQ(plan.CacheBytes, 256 * MiB);

  // 4K at 10 bits on 16 processors: 5 threads, (8 + 10) x 24883200 bytes for the decoder, two
  // pictures at least.
  plan = TVffMemory::Plan(24883200, 16);
  EXPECT_EQ(plan.DecoderThreads, 5);
  EXPECT_EQ(plan.CacheBytes, size_t(536870912 - 447897600));
  EXPECT_EQ(plan.CacheMinEntries, 2u);

  // 8K at 8 bits: never fewer than two threads; the decoder alone passes 512 MiB, so the cache
  // keeps its two pictures only.
  plan = TVffMemory::Plan(49766400, 16);
  EXPECT_EQ(plan.DecoderThreads, 2);
  EXPECT_EQ(plan.CacheBytes, 0u);
  EXPECT_EQ(plan.CacheMinEntries, 2u);

  // One processor: FFmpeg's choice (no threads).
  plan = TVffMemory::Plan(3110400, 1);
  EXPECT_EQ(plan.DecoderThreads, 0);
}

// A 4K 8-bit picture whose buffer holds Bytes (a decoder pads and aligns its pictures).
AVFrame *Picture(size_t Bytes) {
  AVFrame *frame = av_frame_alloc();
  frame->format = AV_PIX_FMT_YUV420P;
  frame->width = 3840;
  frame->height = 2160;
  frame->buf[0] = av_buffer_allocz(Bytes);
  frame->data[0] = frame->buf[0]->data;
  return frame;
}

void PutPictures(TVffFrameCache &Cache, int First, int Last, size_t Bytes) {
  for (int i = First; i <= Last; ++i) {
    AVFrame *frame = Picture(Bytes);
    Cache.Put(i, frame);
    av_frame_free(&frame);
  }
}

TEST(VffMemoryTest, CacheCountsTheBuffersPicturesHold) {
  // 20 MiB buffers in a 64 MiB budget: three fit (as 12441600-byte pictures five would).
  TVffFrameCache cache;
  cache.SetBudget(64 * MiB, 2);
  PutPictures(cache, 1, 5, 20 * MiB);
  EXPECT_EQ(cache.Count(), 3u);
  EXPECT_EQ(cache.Bytes(), 60 * MiB);
  EXPECT_EQ(cache.Find(1), nullptr);
  EXPECT_EQ(cache.Find(2), nullptr);
  EXPECT_NE(cache.Find(3), nullptr);  // now the most recently used
  PutPictures(cache, 6, 6, 20 * MiB);
  EXPECT_NE(cache.Find(3), nullptr);
  EXPECT_EQ(cache.Find(4), nullptr);

  // A buffer smaller than the picture it describes counts as the picture.
  AVFrame *small = Picture(1000);
  EXPECT_EQ(TVffFrameCache::BytesOf(*small), 12441600u);
  av_frame_free(&small);

  // A lower budget applies at once; the minimum stays whatever the budget.
  cache.SetBudget(0, 2);
  EXPECT_EQ(cache.Count(), 2u);
  EXPECT_NE(cache.Find(6), nullptr);
  EXPECT_NE(cache.Find(3), nullptr);
  PutPictures(cache, 7, 9, 20 * MiB);
  EXPECT_EQ(cache.Count(), 2u);
  EXPECT_NE(cache.Find(8), nullptr);
  EXPECT_NE(cache.Find(9), nullptr);
}

}  // namespace
}  // namespace kolibra::video::vff
