// The order in which records are computed: every record after those it reads.
//
// What a record reads is found by the lookup itself while its expression is parsed, so an
// edge goes to the very record a name resolves to (a constant with an index reaches that
// constant only, and a preset quantity hides a formula of the same name). A record reading
// its own earlier rows is not a dependency. Records on a circle of dependencies are taken out
// of the order and left without value; the others are levelled as usual: level(i) is one more
// than the level of any record reading i, and the highest level is computed first.

#include "formulas/Formules.h"

#include "kit/MessageBox.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

namespace kolibra::formulas {

namespace formules_order {

constexpr int NoRow = -1073741823;

// For each record, whether it reaches itself through the edges (reads[j]: the records j reads).
std::vector<bool> RecordsOnCycles(const std::vector<std::vector<int>> &reads) {
  const size_t n = reads.size();
  std::vector<bool> onCycle(n, false);
  std::vector<char> seen(n);
  std::vector<int> stack;
  for (size_t start = 0; start < n; ++start) {
    std::fill(seen.begin(), seen.end(), 0);
    stack.assign(reads[start].begin(), reads[start].end());
    while (!stack.empty() && !onCycle[start]) {
      const int j = stack.back();
      stack.pop_back();
      if (size_t(j) == start) onCycle[start] = true;
      if (seen[size_t(j)]) continue;
      seen[size_t(j)] = 1;
      stack.insert(stack.end(), reads[size_t(j)].begin(), reads[size_t(j)].end());
    }
  }
  return onCycle;
}

}  // namespace formules_order

TFormules::TOrder TFormules::DependencyOrder(const TRecList &list, bool constants) {
  const size_t n = list.size();
  std::vector<std::vector<int>> reads(n);
  for (size_t j = 0; j < n; ++j) {
    TRec &rec = *list[j];
    if (rec.Phrase.isEmpty()) {
      rec.Dependencies.clear();
      continue;
    }
    std::vector<const TRec *> reached;
    Reached = &reached;
    ConstantsOnly = constants;
    EvaluatedConstant = constants ? &rec : nullptr;
    CurrentPoint = formules_order::NoRow;
    Parser.SetFormula(rec.Phrase);
    Parser.Evaluate();
    Reached = nullptr;
    ConstantsOnly = false;
    EvaluatedConstant = nullptr;
    rec.Dependencies = Parser.Variables();
    for (const TRec *other : reached)
      for (size_t i = 0; i < n; ++i)
        if (list[i].get() == other && i != j &&
            std::find(reads[j].begin(), reads[j].end(), int(i)) == reads[j].end())
          reads[j].push_back(int(i));
  }

  const std::vector<bool> onCycle = formules_order::RecordsOnCycles(reads);
  TOrder order;
  std::vector<int> level(n, 0);
  // Without the records on cycles what is left has no cycle, so this settles within n passes;
  // the bound is a guard only.
  for (size_t pass = 0; pass <= n; ++pass) {
    bool changed = false;
    for (size_t j = 0; j < n; ++j) {
      if (onCycle[j]) continue;
      for (int i : reads[j]) {
        if (onCycle[size_t(i)] || level[size_t(i)] >= level[j] + 1) continue;
        level[size_t(i)] = level[j] + 1;
        changed = true;
      }
    }
    if (!changed) break;
  }
  const int highest = n == 0 ? 0 : *std::max_element(level.begin(), level.end());
  for (int l = highest; l >= 0; --l)
    for (size_t i = 0; i < n; ++i)
      if (!onCycle[i] && level[i] == l) order.Sequence.push_back(int(i));
  for (size_t i = 0; i < n; ++i)
    if (onCycle[i]) order.Cycle.push_back(int(i));
  return order;
}

void TFormules::CalculateList(const TRecList &list, bool constants) {
  const TOrder order = DependencyOrder(list, constants);
  QStringList &cycle = constants ? ConstantCycle : FormulaCycle;
  cycle.clear();
  // Emptied first, so that whatever reads them is empty too instead of using a stale value.
  for (int i : order.Cycle) {
    TRec &rec = *list[size_t(i)];
    cycle << rec.DisplayName();
    if (constants) {
      rec.ValueText = QString::fromLatin1(NotANumberText);
      rec.Value = std::numeric_limits<double>::quiet_NaN();
    } else {
      rec.Curve.Reset(RowsCount());
      rec.Curve.SetEmpty(true);
    }
  }
  for (int i : order.Sequence) Calculate(list[size_t(i)].get());
}

void TFormules::CalculateConstants() {
  CalculateList(ConstantList, true);
  ReportCycles();
}

void TFormules::CalculateFormulas() {
  if (Results) Results->Refresh();
  CalculateList(FormulaList, false);
  CheckAbscissa();
  ReportCycles();
}

QString TFormules::CycleError() const {
  const QStringList names = ConstantCycle + FormulaCycle;
  if (names.isEmpty()) return QString();
  return FormulesErrorLines(feCycle, names.join(QStringLiteral(", "))).join(QLatin1Char(' '));
}

void TFormules::ReportCycles() {
  const QString error = CycleError();
  // Once per new circle: recalculations of the same records do not repeat the box.
  if (!error.isEmpty() && error != ReportedCycle) {
    TMessageBox box(icWarning);
    for (const QString &line :
         FormulesErrorLines(feCycle, (ConstantCycle + FormulaCycle).join(QStringLiteral(", "))))
      box.AddLine(line);
    box.AddButton(QCoreApplication::translate("Formules", "Ok"));
    box.Execute();
  }
  ReportedCycle = error;
}

void TFormules::CheckAbscissa() {
  const TRec *abscissa = Formula(Abscissa);
  if (!abscissa || abscissa->Curve.Empty()) Abscissa = -1;
}

}  // namespace kolibra::formulas
