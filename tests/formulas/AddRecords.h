#pragma once
// Adding a formula or a constant as the windows do: add, validate, remove when refused.

#include "formulas/Formules.h"

#include <QString>

namespace kolibra::formulas::test_support {

// The code of Validate; a refused formula is removed again.
inline int AddValidFormula(TFormules &formules, const QString &definition) {
  TRec *rec = formules.AddFormula(definition, QString(), QString());
  const int code = formules.Validate(rec);
  if (code != 0) formules.Remove(rec);
  return code;
}

// A value, or an expression written "=expression"; the code of Validate.
inline int AddValidConstant(TFormules &formules, const QString &ident, const QString &value) {
  const bool phrase = value.startsWith(QLatin1Char('='));
  TRec *rec = formules.AddConstant(ident, phrase ? value.mid(1) : QString(), QString(),
                                   phrase ? QStringLiteral("0") : value);
  const int code = formules.Validate(rec);
  if (code != 0) formules.Remove(rec);
  return code;
}

}  // namespace kolibra::formulas::test_support
