#pragma once
// A variable owner for parser tests: names with values, names that exist but have no value,
// and a record of every question the parser asked.

#include "formulas/Parser.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <vector>

namespace kolibra::formulas::test_support {

struct TVariableQuestion {
  QString Name;
  int Index = 0;
  bool IsAbsolute = false;
  bool HasIndex = false;
};

class TTestVariables {
 public:
  // Names are compared without regard to case, as the formulas' owner does.
  void Set(const QString &name, double value) { Values.insert(name.toLower(), value); }
  void SetWithoutValue(const QString &name) { WithoutValue.insert(name.toLower()); }

  // Binds the parser's handler to this object (which must outlive the parser's use).
  void Attach(TParser &parser) {
    parser.OnVariable = [this](const QString &name, int index, bool isAbsolute, bool hasIndex,
                               double &value, bool &found, bool &known) {
      Questions.push_back({name, index, isAbsolute, hasIndex});
      const QString key = name.toLower();
      if (WithoutValue.contains(key)) {
        found = true;
        return;
      }
      const auto it = Values.constFind(key);
      if (it == Values.constEnd()) return;
      found = true;
      known = true;
      value = *it;
    };
  }

  std::vector<TVariableQuestion> Questions;

 private:
  QHash<QString, double> Values;
  QSet<QString> WithoutValue;
};

}  // namespace kolibra::formulas::test_support
