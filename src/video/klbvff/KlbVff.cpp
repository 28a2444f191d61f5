// The C entry points of the wrapper: each takes the one lock, forwards to the session and
// swallows whatever escapes, because nothing may unwind through a dlsym'd C call.

#include "video/klbvff/KlbVff.h"
#include "VffSession.h"

#include <mutex>
#include <string>

#define KLBVFF_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::mutex &KlbVffLock() {
  static std::mutex lock;
  return lock;
}

kolibra::video::vff::TVffSession &KlbVffSession() {
  static kolibra::video::vff::TVffSession session;
  return session;
}

// Texts handed out stay valid until the next call that returns the same kind of text.
std::string &KlbVffText(int Slot) {
  static std::string texts[3];
  return texts[Slot];
}

template <typename T, typename F>
T KlbVffGuard(T Fallback, F &&Body) {
  try {
    std::lock_guard<std::mutex> guard(KlbVffLock());
    kolibra::video::vff::TVffSession &session = KlbVffSession();
    session.Poll();  // a frame table finished in the background takes over here
    return Body(session);
  } catch (...) {
    return Fallback;
  }
}

}  // namespace

KLBVFF_EXPORT int32_t FFVersion(void) { return KLBVFF_VERSION; }

KLBVFF_EXPORT void FFwFileName(const char *FileName) {
  KlbVffGuard(0, [&](auto &s) { return s.Open(FileName ? FileName : "") ? 1 : 0; });
}

KLBVFF_EXPORT bool FFIsOpen(void) {
  return KlbVffGuard(false, [](auto &s) { return s.IsOpen(); });
}

KLBVFF_EXPORT int32_t FFFrameWidth(void) {
  return KlbVffGuard(0, [](auto &s) { return s.Width(); });
}

KLBVFF_EXPORT int32_t FFFrameHeight(void) {
  return KlbVffGuard(0, [](auto &s) { return s.Height(); });
}

KLBVFF_EXPORT double FFNbImgParSec(void) {
  return KlbVffGuard(0.0, [](auto &s) { return s.Rate(); });
}

KLBVFF_EXPORT double FFDuration(void) {
  return KlbVffGuard(0.0, [](auto &s) { return s.Duration(); });
}

KLBVFF_EXPORT int32_t FFFrameCount(void) {
  return KlbVffGuard(0, [](auto &s) { return s.IsOpen() ? s.FrameCount() : 0; });
}

KLBVFF_EXPORT int32_t FFExactFrameCount(void) {
  return KlbVffGuard(0, [](auto &s) { return s.IsOpen() ? s.ExactFrameCount() : 0; });
}

KLBVFF_EXPORT int32_t FFrPosition(void) {
  return KlbVffGuard(0, [](auto &s) { return s.Position(); });
}

KLBVFF_EXPORT void FFwPosition(int32_t Index) {
  KlbVffGuard(0, [&](auto &s) {
    s.Seek(Index);
    return 0;
  });
}

KLBVFF_EXPORT const char *FFErrorMsg(void) {
  return KlbVffGuard(static_cast<const char *>(""), [](auto &s) {
    KlbVffText(0) = s.SeekError();
    return KlbVffText(0).c_str();
  });
}

KLBVFF_EXPORT const char *FFOpenError(void) {
  return KlbVffGuard(static_cast<const char *>(""), [](auto &s) {
    KlbVffText(1) = s.OpenError();
    return KlbVffText(1).c_str();
  });
}

KLBVFF_EXPORT bool FFVariableRate(void) {
  return KlbVffGuard(false, [](auto &s) { return s.IsOpen() && s.VariableRate(); });
}

KLBVFF_EXPORT int32_t FFRotation(void) {
  return KlbVffGuard(0, [](auto &s) { return s.IsOpen() ? s.Rotation() : 0; });
}

KLBVFF_EXPORT bool FFMirrored(void) {
  return KlbVffGuard(false, [](auto &s) { return s.IsOpen() && s.Mirrored(); });
}

KLBVFF_EXPORT double FFCaptureRate(void) {
  return KlbVffGuard(0.0, [](auto &s) { return s.IsOpen() ? s.CaptureRate() : 0.0; });
}

KLBVFF_EXPORT int32_t FFFrameTimes(double *Times, int32_t Capacity) {
  return KlbVffGuard(0, [&](auto &s) {
    const std::vector<double> times = s.FrameTimes();
    for (int32_t i = 0; Times && i < Capacity && size_t(i) < times.size(); ++i) Times[i] = times[size_t(i)];
    return static_cast<int32_t>(times.size());
  });
}

KLBVFF_EXPORT void FFDraw(KlbVffBitmap *Bitmap) {
  if (!Bitmap) return;
  KlbVffGuard(0, [&](auto &s) {
    s.Draw(*Bitmap);
    return 0;
  });
}

KLBVFF_EXPORT const char *FFCommentaire(const char *FileName) {
  return KlbVffGuard(static_cast<const char *>(""), [&](auto &) {
    KlbVffText(2) = kolibra::video::vff::TVffSession::Comment(FileName ? FileName : "");
    return KlbVffText(2).c_str();
  });
}

KLBVFF_EXPORT void FFClose(void) {
  KlbVffGuard(0, [](auto &s) {
    s.Close();
    return 0;
  });
}
