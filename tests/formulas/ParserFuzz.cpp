// libFuzzer target: arbitrary bytes, read as UTF-8, through the parser, the tree builder and
// the evaluator. Build it with clang and -DKOLIBRA_FUZZ=ON; seeds are in corpus/.

#include "FuzzFormula.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                   qsizetype(size));
  const QString problem = kolibra::formulas::fuzzing::CheckFormula(bytes);
  if (!problem.isEmpty()) {
    std::fprintf(stderr, "formula invariant broken: %s\n", problem.toUtf8().constData());
    std::abort();
  }
  return 0;
}
