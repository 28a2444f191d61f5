// The rules a new or changed record must pass, in the order the user meets them.

#include "formulas/Formules.h"

#include "kit/MessageBox.h"

#include <QCoreApplication>
#include <algorithm>

namespace kolibra::formulas {

namespace formules_validate {

struct TMessage {
  int Code;
  const char *Text;
};

constexpr TMessage Messages[] = {
    {feHiddenName,
     QT_TRANSLATE_NOOP("Formules", "Variable name already in use in a hidden column: %1")},
    {feBadName,
     QT_TRANSLATE_NOOP(
         "Formules",
         "A name cannot start with a number and can contain only letters of numbers. Incorrect "
         "variable or constant: %1")},
    {feNameInUse, QT_TRANSLATE_NOOP("Formules",
                                    "Name already in use (comparison is not case-sensitive). "
                                    "Repeated variable or constant: %1")},
    {feSamePhrase,
     QT_TRANSLATE_NOOP("Formules",
                       "Identical formulas detected (comparison is not case sensitive): %1.")},
    {feBadIndex, QT_TRANSLATE_NOOP("Formules",
                                   "The index of a variable or a constant is usually placed into "
                                   "brackets. Unknown index into "
                                   "brackets. Faulty variable or constant: %1")},
    {feNoRecord, QT_TRANSLATE_NOOP(
                     "Formules", "The calculation unit has detected an error. Process cancelled.")},
    {fePresetName, QT_TRANSLATE_NOOP("Formules",
                                     "Name identical to that of a preset variable (comparison is "
                                     "not case-sensitive). Variable: %1")},
    {feValueRange, QT_TRANSLATE_NOOP("Formules", "Number is too big or too small")},
    {feIndexTooBig, QT_TRANSLATE_NOOP("Formules",
                                      "No value can be computed (index may be too big). This "
                                      "variable cannot be calculated: %1")},
    {feCycle, QT_TRANSLATE_NOOP("Formules",
                                "Circular definition: these variables or constants are calculated "
                                "from each other and have "
                                "no value: %1")},
};

constexpr const char *BadValueLines[] = {
    QT_TRANSLATE_NOOP(
        "Formules",
        "String must contain a sign (optional), numerals, a decimal separator (optional), then a "
        "mantissa (optional)."),
    QT_TRANSLATE_NOOP(
        "Formules",
        "Mantissa contains « E » or « e » followed by a sign (facultative) and an integer."),
};

bool SamePhrase(const TRec &a, const TRec &b) {
  return !a.Phrase.isEmpty() && QString::compare(a.Phrase, b.Phrase, Qt::CaseInsensitive) == 0;
}

bool SameText(const QString &a, const QString &b) {
  return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

}  // namespace formules_validate

QStringList FormulesErrorLines(int code, const QString &arg) {
  if (code == feBadValue) {
    QStringList lines;
    for (const char *line : formules_validate::BadValueLines)
      lines << QCoreApplication::translate("Formules", line);
    return lines;
  }
  for (const formules_validate::TMessage &message : formules_validate::Messages) {
    if (message.Code != code) continue;
    const QString text = QCoreApplication::translate("Formules", message.Text);
    return {text.contains(QStringLiteral("%1")) ? text.arg(arg) : text};
  }
  return {};
}

int TFormules::Validate(TRec *rec) {
  using formules_validate::SamePhrase;
  using formules_validate::SameText;
  int code = feOk;
  QString arg;
  QStringList lines;

  const auto check = [&]() -> int {
    if (!rec) return feNoRecord;
    arg = rec->Ident;
    if (rec->IsNamed() && !rec->NameValid) return feBadName;
    if (rec->HasBracket && !rec->IndexValid) return feBadIndex;
    arg = rec->Name;
    // B is looked up before any formula, so a formula named B could never be read.
    if (rec->IsNamed() && (IsPresetName(rec->Name) ||
                           (rec->Kind == rkFormula && SameText(rec->Name, QStringLiteral("B")))))
      return fePresetName;

    const TRecList &own = rec->Kind == rkFormula ? FormulaList : ConstantList;
    if (rec->Kind == rkFormula) {
      if (rec->IsNamed()) {
        for (const auto &other : FormulaList)
          if (other.get() != rec && SameText(other->Name, rec->Name))
            return other->Curve.ColumnOpen ? feNameInUse : feHiddenName;
        for (const auto &constant : ConstantList)
          if (SameText(constant->Ident, rec->Name)) return feNameInUse;
      }
    } else {
      arg = rec->Ident;
      for (const auto &formula : FormulaList)
        if (SameText(formula->Name, rec->Ident)) return feNameInUse;
      for (const auto &other : ConstantList)
        if (other.get() != rec && SameText(other->Ident, rec->Ident)) return feNameInUse;
    }

    if (rec->Kind == rkConstant && rec->Phrase.isEmpty()) {
      double value = 0.0;
      if (rec->ValueText == QLatin1String(NotANumberText)) return feBadValue;
      if (ConvertValueText(rec->ValueText, value) != TValueConversion::Number) return feValueRange;
      return feOk;
    }

    arg = rec->Phrase;
    for (const TRecList *list : {&FormulaList, &ConstantList})
      for (const auto &other : *list)
        if (other.get() != rec && SamePhrase(*other, *rec)) return feSamePhrase;

    const TOrder order = DependencyOrder(own, rec->Kind == rkConstant);
    const int position = rec->Kind == rkFormula ? IndexOfFormula(rec) : IndexOfConstant(rec);
    if (std::find(order.Cycle.begin(), order.Cycle.end(), position) != order.Cycle.end()) {
      QStringList names;
      for (int i : order.Cycle) names << own[size_t(i)]->DisplayName();
      arg = names.join(QStringLiteral(", "));
      return feCycle;
    }

    arg = rec->DisplayName();
    return Calculate(rec);
  };

  code = check();
  if (code == feOk) return feOk;
  lines = code == feParser ? QStringList{ParserMessage} : FormulesErrorLines(code, arg);
  TMessageBox box(icWarning);
  for (const QString &line : lines) box.AddLine(line);
  box.AddButton(QCoreApplication::translate("Formules", "Ok"));
  box.Execute();
  return code;
}

}  // namespace kolibra::formulas
