#pragma once
// The body shared by the AVI parser's libFuzzer target and the corpus replay test: one
// arbitrary input through the parser, the slot plans and the drawing of uncompressed frames,
// with the invariants every input must keep.

#include <QByteArray>
#include <QString>

namespace kolibra::video::avi::fuzzing {

// Returns an empty text when every invariant held, else a description of the first broken one.
QString CheckAvi(const QByteArray &Bytes);

}  // namespace kolibra::video::avi::fuzzing
