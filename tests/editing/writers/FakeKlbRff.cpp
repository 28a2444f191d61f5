// A writer library that is too old: version 509, whatever else it would do.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) int32_t FFVersion(void) { return 509; }
extern "C" __attribute__((visibility("default"))) bool FFwFileName(const char *, int32_t, int32_t, double, int32_t) {
  return true;
}
extern "C" __attribute__((visibility("default"))) bool FFAddFrame(const void *) { return true; }
extern "C" __attribute__((visibility("default"))) void FFWriteFile(void) {}
