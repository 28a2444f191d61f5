// The formulas and constants in a work file: sections "Formules" (the two counts) and
// "Record" (one key per field and record, suffixed with "_" and the record's position).

#include "formulas/Formules.h"

#include "kit/IniFile.h"

namespace kolibra::formulas {

namespace formules_storage {

const QString FormulesSection = QStringLiteral("Formules");
const QString RecordSection = QStringLiteral("Record");
const QString FormulaIdentKey = QStringLiteral("RecordFormuleIdentifier");
const QString FormulaPhraseKey = QStringLiteral("RecordFormulePhrase");
const QString FormulaCommentKey = QStringLiteral("RecordFormuleComment");
const QString FormulaUnitKey = QStringLiteral("RecordFormuleUnit");
const QString ConstIdentKey = QStringLiteral("RecordConstIdentifier");
const QString ConstIndexKey = QStringLiteral("RecordConstIndex");
const QString ConstValueKey = QStringLiteral("RecordConstValue");
const QString ConstUnitKey = QStringLiteral("RecordConstUnit");

}  // namespace formules_storage

void TFormules::SaveToWorkFile(TIniFile &ini) const {
  using namespace formules_storage;
  ini.WriteInteger(FormulesSection, QStringLiteral("FormulesNumber"), FormulaCount());
  ini.WriteInteger(FormulesSection, QStringLiteral("ConstantesNumber"), int(ConstantList.size()));
  for (int i = 0; i < FormulaCount(); ++i) {
    const TRec &rec = *FormulaList[size_t(i)];
    ini.WriteString(RecordSection, IndexedKey(FormulaIdentKey, i), rec.Ident);
    ini.WriteString(RecordSection, IndexedKey(FormulaPhraseKey, i), rec.Phrase);
    ini.WriteString(RecordSection, IndexedKey(FormulaCommentKey, i), rec.Comment);
    ini.WriteString(RecordSection, IndexedKey(FormulaUnitKey, i), rec.Unit);
  }
  for (int i = 0; i < int(ConstantList.size()); ++i) {
    const TRec &rec = *ConstantList[size_t(i)];
    ini.WriteString(RecordSection, IndexedKey(ConstIdentKey, i), rec.Ident);
    ini.WriteString(RecordSection, IndexedKey(ConstIndexKey, i), rec.IndexText);
    ini.WriteString(RecordSection, IndexedKey(ConstValueKey, i), rec.ValueCell());
    ini.WriteString(RecordSection, IndexedKey(ConstUnitKey, i), rec.Unit);
  }
}

void TFormules::LoadFromWorkFile(const TIniFile &ini) {
  using namespace formules_storage;
  FormulaList.clear();
  ConstantList.clear();
  Abscissa = -1;
  // A hand-edited count larger than the records present stops at the first missing record.
  const int formulas = ini.ReadInteger(FormulesSection, QStringLiteral("FormulesNumber"), 0);
  for (int i = 0; i < formulas; ++i) {
    if (!ini.ValueExists(RecordSection, IndexedKey(FormulaPhraseKey, i))) break;
    const QString ident = ini.ReadString(RecordSection, IndexedKey(FormulaIdentKey, i), QString());
    const QString phrase =
        ini.ReadString(RecordSection, IndexedKey(FormulaPhraseKey, i), QString());
    AddFormula(ident.isEmpty() ? phrase : ident + QLatin1Char('=') + phrase,
               ini.ReadString(RecordSection, IndexedKey(FormulaCommentKey, i), QString()),
               ini.ReadString(RecordSection, IndexedKey(FormulaUnitKey, i), QString()));
  }
  const int constants = ini.ReadInteger(FormulesSection, QStringLiteral("ConstantesNumber"), 0);
  for (int i = 0; i < constants; ++i) {
    if (!ini.ValueExists(RecordSection, IndexedKey(ConstIdentKey, i))) break;
    const QString ident = ini.ReadString(RecordSection, IndexedKey(ConstIdentKey, i), QString());
    const QString value =
        ini.ReadString(RecordSection, IndexedKey(ConstValueKey, i), QStringLiteral("0"));
    const QString unit = ini.ReadString(RecordSection, IndexedKey(ConstUnitKey, i), QString());
    if (value.startsWith(QLatin1Char('=')))
      AddConstant(ident, value.mid(1), unit, QStringLiteral("0"));
    else
      AddConstant(ident, QString(), unit, value);
  }
  // Records whose left side the window would have refused are not taken.
  const auto unusable = [](const std::unique_ptr<TRec> &rec) {
    return (rec->IsNamed() && !rec->NameValid) || (rec->HasBracket && !rec->IndexValid);
  };
  std::erase_if(FormulaList, unusable);
  std::erase_if(ConstantList, unusable);
  CalculateConstants();
  CalculateFormulas();
}

}  // namespace kolibra::formulas
