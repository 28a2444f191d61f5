#pragma once
// The FFmpeg reader wrapper (KlbDll) explains its failures in English, with the file's own
// figures written in ("Frame 12 cannot be decoded."). This finds the wrapper's sentence the
// message is made of and gives it in the interface language, the figures kept; a message of
// another wrapper version comes back as it was.

#include <QString>

namespace kolibra::video {

QString TranslatedWrapperMessage(const QString &english);

}  // namespace kolibra::video
