#include "video/GStreamerStart.h"

#include <mutex>

#include <gst/gst.h>

namespace kolibra::video {

bool StartGStreamer(std::initializer_list<const char *> Elements) {
  static std::once_flag once;
  static bool started = false;
  std::call_once(once, [] {
    GError *error = nullptr;
    started = gst_init_check(nullptr, nullptr, &error);
    if (error) g_error_free(error);
  });
  if (!started) return false;
  for (const char *name : Elements) {
    GstElementFactory *factory = gst_element_factory_find(name);
    if (!factory) return false;
    gst_object_unref(factory);
  }
  return true;
}

}  // namespace kolibra::video
