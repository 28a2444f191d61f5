#include "capture/CaptureTypes.h"

namespace kolibra::capture {

bool TCaptureFormat::IsJpeg() const {
  return FourCC == MakeFourCC('M', 'J', 'P', 'G') || FourCC == MakeFourCC('J', 'P', 'E', 'G');
}

QString FourCCText(uint32_t code) {
  QString text;
  for (int i = 0; i < 4; ++i) {
    const char c = char((code >> (8 * i)) & 0xFF);
    text += QLatin1Char(c >= 32 && c < 127 ? c : ' ');
  }
  return text;
}

}  // namespace kolibra::capture
