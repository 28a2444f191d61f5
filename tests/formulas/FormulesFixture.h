#pragma once
// The formulas engine over a small table of results, with "." as decimal separator, rows
// numbered from 1, and message boxes answered and recorded.

#include "AddRecords.h"
#include "TableResults.h"
#include "formulas/Formules.h"
#include "kit/Locale.h"
#include "kit/MessageBox.h"

#include <gtest/gtest.h>
#include <QString>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out) { *out << text.toStdString(); }

namespace kolibra::formulas::test_support {

class FormulesFixture : public ::testing::Test {
 protected:
  FormulesFixture() {
    // Five rows, two objects: the first moves 1 cm a row along x, the second misses row 2.
    results.Set(1, 0, {0.0, 0.01, 0.02, 0.03, 0.04});
    results.Set(2, 0, {0.0, 0.0, 0.0, 0.0, 0.0});
    results.Set(1, 1, {1.0, 2.0, TTableResults::Missing, 4.0, 5.0});
    results.Set(2, 1, {1.0, 1.0, TTableResults::Missing, 1.0, 1.0});
    results.Set(3, 0, {0.25, 0.25, 0.25, 0.25, 0.25});
    formules.Parser.SetRadian(true);
  }

  // What the windows do: add, validate, remove when refused. The code of Validate.
  int NewFormula(const QString &definition) { return test_support::AddValidFormula(formules, definition); }
  int NewConstant(const QString &ident, const QString &value) {
    return test_support::AddValidConstant(formules, ident, value);
  }
  // A formula's value at a row, or NaN when the row is empty.
  double At(int formula, int row) const {
    const TRec *rec = formules.Formula(formula);
    return rec && rec->Curve.HasValue(row) ? rec->Curve.Values[size_t(row)]
                                           : TTableResults::Missing;
  }

  ScopedDecimalSeparator separator{QLatin1Char('.')};
  TScriptedMessageBox boxes;
  TTableResults results{5, 2};
  TFormules formules{&results};
};

}  // namespace kolibra::formulas::test_support
