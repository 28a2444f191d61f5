// A stand-in for the FFmpeg wrapper, so the reader's contract is tested without FFmpeg:
// it answers what the environment variables FAKE_KLBVFF_* say and logs every call, which the
// tests read back through FakeKlbVffLog.

#include "video/klbvff/KlbVff.h"

#include <cstdlib>
#include <cstring>
#include <string>

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::string &FakeLog() {
  static std::string log;
  return log;
}

struct TFakeState {
  bool Open = false;
  int Position = 0;
  std::string Text;
};

TFakeState &FakeState() {
  static TFakeState state;
  return state;
}

const char *FakeEnv(const char *Name, const char *Default) {
  const char *value = std::getenv(Name);
  return value ? value : Default;
}

int FakeInt(const char *Name, int Default) { return std::atoi(FakeEnv(Name, std::to_string(Default).c_str())); }

double FakeReal(const char *Name, double Default) {
  const char *value = std::getenv(Name);
  return value ? std::strtod(value, nullptr) : Default;
}

}  // namespace

FAKE_EXPORT const char *FakeKlbVffLog(void) { return FakeLog().c_str(); }
FAKE_EXPORT void FakeKlbVffClearLog(void) { FakeLog().clear(); }

FAKE_EXPORT int32_t FFVersion(void) { return FakeInt("FAKE_KLBVFF_VERSION", 520); }

FAKE_EXPORT void FFwFileName(const char *FileName) {
  FakeLog() += std::string("name:") + FileName + ";";
  FakeState().Open = FakeInt("FAKE_KLBVFF_OPEN", 1) != 0;
  FakeState().Position = 0;
}

FAKE_EXPORT bool FFIsOpen(void) { return FakeState().Open; }
FAKE_EXPORT int32_t FFFrameWidth(void) { return FakeInt("FAKE_KLBVFF_WIDTH", 8); }
FAKE_EXPORT int32_t FFFrameHeight(void) { return FakeInt("FAKE_KLBVFF_HEIGHT", 6); }
FAKE_EXPORT double FFNbImgParSec(void) { return FakeReal("FAKE_KLBVFF_RATE", 25.0); }
FAKE_EXPORT double FFDuration(void) { return FakeReal("FAKE_KLBVFF_DURATION", 2.0); }
FAKE_EXPORT int32_t FFFrameCount(void) { return FakeInt("FAKE_KLBVFF_COUNT", 50); }
FAKE_EXPORT int32_t FFrPosition(void) { return FakeState().Position; }

FAKE_EXPORT void FFwPosition(int32_t Index) {
  FakeLog() += "seek:" + std::to_string(Index) + ";";
  // Like the real wrapper, the library clamps; the reader clamps again.
  const int count = FFFrameCount();
  FakeState().Position = Index < 0 ? 0 : (Index >= count ? count - 1 : Index);
}

FAKE_EXPORT const char *FFErrorMsg(void) {
  FakeState().Text = FakeEnv("FAKE_KLBVFF_SEEKERROR", "");
  return FakeState().Text.c_str();
}

FAKE_EXPORT const char *FFOpenError(void) {
  FakeState().Text = FakeEnv("FAKE_KLBVFF_OPENERROR", "");
  return FakeState().Text.c_str();
}

// Pixel (x, y) of frame p is (10 x, 10 y, p) in red, green, blue.
FAKE_EXPORT void FFDraw(KlbVffBitmap *Bitmap) {
  FakeLog() += "draw;";
  for (int y = 0; y < Bitmap->Height; ++y) {
    unsigned char *line = Bitmap->Bits + y * Bitmap->BytesPerLine;
    for (int x = 0; x < Bitmap->Width; ++x) {
      line[3 * x] = static_cast<unsigned char>(10 * x);
      line[3 * x + 1] = static_cast<unsigned char>(10 * y);
      line[3 * x + 2] = static_cast<unsigned char>(FakeState().Position);
    }
  }
}

FAKE_EXPORT const char *FFCommentaire(const char *FileName) {
  FakeState().Text = FakeEnv("FAKE_KLBVFF_COMMENT", "");
  return FakeState().Text.c_str();
}

FAKE_EXPORT void FFClose(void) {
  FakeLog() += "close;";
  FakeState().Open = false;
}
