#pragma once
// The body shared by the libFuzzer target and the corpus replay test: one arbitrary input
// run through the whole parser, with the invariants every input must keep.

#include <QByteArray>
#include <QString>

namespace kolibra::formulas::fuzzing {

// Reads the bytes as UTF-8 and parses and evaluates them as a formula under both decimal
// separators and both angle units, over a few known variables (x, y, t, m², v_lam, nan,
// inf, big, zero; u exists without a value). Returns an empty text when every invariant
// held, else a description of the first broken one.
QString CheckFormula(const QByteArray &bytes);

}  // namespace kolibra::formulas::fuzzing
