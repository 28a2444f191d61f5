// libFuzzer target: arbitrary bytes as an AVI file through the parser, the slot plans and
// the drawing of uncompressed frames. Build it with clang and -DKOLIBRA_FUZZ=ON; seeds are in
// avi-corpus/.

#include "AviFuzzCheck.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
  const QString problem = kolibra::video::avi::fuzzing::CheckAvi(bytes);
  if (!problem.isEmpty()) {
    std::fprintf(stderr, "AVI invariant broken: %s\n", problem.toUtf8().constData());
    std::abort();
  }
  return 0;
}
