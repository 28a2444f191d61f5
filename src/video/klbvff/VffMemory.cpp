#include "VffMemory.h"

#include <algorithm>
#include <cstdlib>

extern "C" {
#include <libavutil/cpu.h>
#include <libavutil/imgutils.h>
}

namespace kolibra::video::vff {

size_t TVffMemory::PictureBytes(int Format, int Width, int Height) {
  if (Width <= 0 || Height <= 0) return 0;
  int bytes = av_image_get_buffer_size(static_cast<AVPixelFormat>(Format), Width, Height, 1);
  if (bytes <= 0) bytes = av_image_get_buffer_size(AV_PIX_FMT_YUV420P, Width, Height, 1);
  return bytes > 0 ? static_cast<size_t>(bytes) : 0;
}

int TVffMemory::AutoThreads(int Cpus) {
  // libavcodec's rule: one more than the processors, at most 16.
  return Cpus > 1 ? std::min(Cpus + 1, 16) : 1;
}

TVffMemoryPlan TVffMemory::Plan(size_t PictureBytes, int Cpus) {
  TVffMemoryPlan plan;
  const size_t picture = std::max<size_t>(PictureBytes, 1);
  const int automatic = AutoThreads(Cpus);
  // At least two threads: one picture decoding while the other is shown.
  const int fitting = static_cast<int>(std::max<size_t>(2, ThreadBytes / (PicturesPerThread * picture)));
  const int threads = std::min(automatic, fitting);
  plan.DecoderThreads = threads < automatic ? threads : 0;
  const size_t decoder = size_t(DecoderPictures + PicturesPerThread * threads) * picture;
  plan.CacheBytes = decoder >= ReaderBytes ? 0 : std::min(CacheBytes, ReaderBytes - decoder);
  plan.CacheMinEntries = std::clamp(MinKeptBytes / picture, MinEntries, MaxMinEntries);
  return plan;
}

int TVffMemory::Cpus() {
  if (const char *value = std::getenv("KOLIBRA_KLBVFF_CPUS")) {
    const int cpus = std::atoi(value);
    if (cpus > 0) return cpus;
  }
  return av_cpu_count();
}

}  // namespace kolibra::video::vff
