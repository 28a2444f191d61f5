#pragma once
// How much memory one open file may take in the wrapper, from the size of its pictures.
//
// A phone's 4K picture is four 1080p ones (12 MB at 8 bits, twice that at 10), and what the
// wrapper holds grows with it: the pictures in its cache, the decoder's reference pictures,
// and about two pictures per decoding thread (the one it decodes and its own tables). Sized
// for 1080p, a 16-core machine decoding a 4K file on 17 threads beside a 256 MB cache would
// take most of a gigabyte. The plan keeps the sum within ReaderBytes: decoding threads first,
// up to a share of it, then the cache gets what is left, never more than its usual budget.

#include <cstddef>

namespace kolibra::video::vff {

struct TVffMemoryPlan {
  int DecoderThreads = 0;        // for the decoder's thread_count; 0 lets FFmpeg choose
  size_t CacheBytes = 0;         // the frame cache's budget
  size_t CacheMinEntries = 8;    // pictures the cache keeps whatever its budget
};

class TVffMemory {
 public:
  static constexpr size_t MB = size_t(1) << 20;
  // Every picture the wrapper holds for one file.
  static constexpr size_t ReaderBytes = 512 * MB;
  // The decoding threads' share of it, at PicturesPerThread each.
  // (At 4K that is ten threads at 8 bits, five at 10: enough to decode 60 frames/s.)
  static constexpr size_t ThreadBytes = 256 * MB;
  static constexpr int PicturesPerThread = 2;
  // Reference pictures and pictures waiting in the decoder whatever the threads.
  static constexpr int DecoderPictures = 8;
  // The cache's budget for pictures up to about 1080p (some eighty of them).
  static constexpr size_t CacheBytes = 256 * MB;
  // However large the pictures, the cache keeps this much, as two to eight of them, so that
  // stepping back stays cheap.
  static constexpr size_t MinKeptBytes = 64 * MB;
  static constexpr size_t MinEntries = 2;
  static constexpr size_t MaxMinEntries = 8;

  // Bytes of one decoded picture of Format (an AVPixelFormat; an unknown one counts as 8-bit
  // 4:2:0) at Width x Height, without padding.
  static size_t PictureBytes(int Format, int Width, int Height);
  // The frame threads FFmpeg starts by itself on Cpus processors.
  static int AutoThreads(int Cpus);
  // The plan for pictures of PictureBytes on Cpus processors.
  static TVffMemoryPlan Plan(size_t PictureBytes, int Cpus);
  // The processors the plan counts: the machine's, or KOLIBRA_KLBVFF_CPUS when set (tests and
  // benchmarks see what a larger machine would do).
  static int Cpus();
};

}  // namespace kolibra::video::vff
