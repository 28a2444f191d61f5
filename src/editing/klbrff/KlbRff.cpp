// The C entry points of the writer library: each takes the one lock, forwards to the session
// and swallows whatever escapes, because nothing may unwind through a dlsym'd C call.

#include "editing/klbrff/KlbRff.h"
#include "RffSession.h"

#include <mutex>
#include <string>

#define KLBRFF_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::mutex &KlbRffLock() {
  static std::mutex lock;
  return lock;
}

kolibra::editing::rff::TRffSession &KlbRffSession() {
  static kolibra::editing::rff::TRffSession session;
  return session;
}

std::string &KlbRffText() {
  static std::string text;
  return text;
}

template <typename T, typename F>
T KlbRffGuard(T Fallback, F &&Body) {
  try {
    std::lock_guard<std::mutex> guard(KlbRffLock());
    return Body(KlbRffSession());
  } catch (...) {
    return Fallback;
  }
}

}  // namespace

KLBRFF_EXPORT int32_t FFVersion(void) { return KLBRFF_VERSION; }

KLBRFF_EXPORT bool FFwFileName(const char *FileName, int32_t Height, int32_t Width, double FrameRate,
                               int32_t UseCodec) {
  return KlbRffGuard(false, [&](auto &s) {
    return s.Open(FileName ? FileName : "", Height, Width, FrameRate, UseCodec != 0);
  });
}

KLBRFF_EXPORT bool FFAddFrame(const KlbRffBitmap *Bitmap) {
  if (!Bitmap) return false;
  return KlbRffGuard(false, [&](auto &s) { return s.AddFrame(*Bitmap); });
}

KLBRFF_EXPORT bool FFAddEmptyFrame(void) {
  return KlbRffGuard(false, [](auto &s) { return s.AddEmpty(); });
}

KLBRFF_EXPORT void FFWriteFile(void) {
  KlbRffGuard(0, [](auto &s) {
    s.Finish();
    return 0;
  });
}

KLBRFF_EXPORT int32_t FFWriteStatus(void) {
  return KlbRffGuard(int32_t(-1), [](auto &s) { return s.Status(); });
}

KLBRFF_EXPORT const char *FFWriteErrorMsg(void) {
  return KlbRffGuard(static_cast<const char *>(""), [](auto &s) {
    KlbRffText() = s.Error();
    return KlbRffText().c_str();
  });
}

KLBRFF_EXPORT void FFCancelFile(void) {
  KlbRffGuard(0, [](auto &s) {
    s.Cancel();
    return 0;
  });
}
