#pragma once
// GStreamer is started once per process, by whichever of its users (the reader, the writer,
// the capture) needs it first, and each user asks for the elements it cannot work without.

#include <initializer_list>

namespace kolibra::video {

// True when GStreamer runs and has every element factory of Elements ("avimux", ...); false
// when it cannot start (not installed, a broken registry) or an element's plug-in is missing.
bool StartGStreamer(std::initializer_list<const char *> Elements = {});

}  // namespace kolibra::video
