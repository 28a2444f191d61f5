#pragma once
// Results for the formulas' tests: a table of values per quantity, object and row, with
// not-a-number where an object has no mark, and a count of the refreshes asked.

#include "formulas/FormulaResults.h"

#include <QString>
#include <cmath>
#include <limits>
#include <map>
#include <vector>

namespace kolibra::formulas::test_support {

class TTableResults : public IFormulaResults {
 public:
  static constexpr double Missing = std::numeric_limits<double>::quiet_NaN();

  TTableResults(int rows, int objects) : Rows(rows), Objects(objects) {
    std::vector<double> times;
    for (int r = 0; r < rows; ++r) times.push_back(0.04 * r);
    Set(0, 0, times);
  }

  // The values of one quantity of one object, row by row (Missing: no mark).
  void Set(int kind, int object, std::vector<double> values) {
    Table[{kind, object}] = std::move(values);
  }

  void Refresh() override { ++Refreshes; }
  int RowsCount() const override { return Rows; }
  int ObjectsCount() const override { return Objects; }
  bool Value(int kind, int object, int row, double &value) const override {
    const auto it = Table.find({kind, kind == 0 ? 0 : object});
    if (it == Table.end() || row < 0 || row >= int(it->second.size())) return false;
    if (std::isnan(it->second[size_t(row)])) return false;
    value = it->second[size_t(row)];
    return true;
  }
  double AxesAngle() const override { return Angle; }

  int Rows;
  int Objects;
  double Angle = 0.0;
  int Refreshes = 0;
  std::map<std::pair<int, int>, std::vector<double>> Table;
};

}  // namespace kolibra::formulas::test_support
