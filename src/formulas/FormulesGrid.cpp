#include "formulas/FormulesGrid.h"

#include "kinematics/Quantities.h"
#include "kit/Locale.h"
#include "kit/MathUtils.h"
#include "kit/Texts.h"

#include <QCoreApplication>
#include <algorithm>

namespace kolibra::formulas {

// ---------------------------------------------------------------------------------------------
// Texts
// ---------------------------------------------------------------------------------------------

QString TBoiteFormulesTexts::NewColumnHeader() { return BoiteFormulesText::tr("Type a formula"); }

QString TBoiteFormulesTexts::HeaderHint() {
  return BoiteFormulesText::tr("|Left-click = hide or change column; right-click = delete");
}

QString TBoiteFormulesTexts::DefinitionHint() {
  return BoiteFormulesText::tr("|Change a formula, its comment or unit");
}

QStringList TBoiteFormulesTexts::FormulasHelp() {
  return {BoiteFormulesText::tr("+   -   /   *   ^ (to the power of)"),
          BoiteFormulesText::tr("Sin, Cos, Tan, Ln, Exp, Sqrt (square root)"),
          BoiteFormulesText::tr("arcSin, arcCos, arcTan, Log, Abs (absolute value)")};
}

QStringList TBoiteFormulesTexts::ConstantsHelp() {
  return {BoiteFormulesText::tr("The name of the constant may contain"),
          BoiteFormulesText::tr("upper case letters"), BoiteFormulesText::tr("lower case letters"),
          BoiteFormulesText::tr("numbers but must start with a letter"),
          BoiteFormulesText::tr("an integer between brackets")};
}

// ---------------------------------------------------------------------------------------------
// GridExF
// ---------------------------------------------------------------------------------------------

int TFormulesGrid::RowCount() const {
  int rows = Formules.ResultsSource() ? Formules.ResultsSource()->RowsCount() : 0;
  for (const auto &rec : Formules.Formulas()) rows = std::max(rows, rec->Curve.RowsCount());
  return HeaderRows + rows;
}

int TFormulesGrid::ColumnWidth(int col, int fullWidth) const {
  const TRec *rec = Formules.Formula(FormulaOf(col));
  return rec && !rec->Curve.ColumnOpen ? CollapsedWidth : fullWidth;
}

int TFormulesGrid::Digits(int col) const {
  if (col == 1) return AbscissaDigits;
  const TRec *rec = Formules.Formula(FormulaOf(col));
  return rec ? rec->Curve.Digits : 0;
}

QString TFormulesGrid::ValueCell(int col, int row) const {
  const int r = row - HeaderRows;
  double value = 0.0;
  if (col == 1)
    return Formules.AbscissaValue(r, value) ? FormatReal(AbscissaDigits, value) : QString();
  const TRec *rec = Formules.Formula(FormulaOf(col));
  if (!rec || !rec->Curve.HasValue(r)) return QString();
  return FormatReal(rec->Curve.Digits, rec->Curve.Values[size_t(r)]);
}

QString TFormulesGrid::Cell(int col, int row) const {
  if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) return QString();
  if (col == 0)
    return row >= HeaderRows ? QString::number(row - HeaderRows + Formules.RowBase()) : QString();
  if (row >= HeaderRows) return ValueCell(col, row);
  if (IsNewColumn(col)) return row == 0 ? TBoiteFormulesTexts::NewColumnHeader() : QString();
  const TRec *rec =
      col == 1 ? Formules.Formula(Formules.AbscissaIndex()) : Formules.Formula(FormulaOf(col));
  if (col == 1 && !rec) {
    // The time.
    switch (row) {
      case 0:
        return QStringLiteral("t");
      case 3:
        return QStringLiteral("s");
      default:
        return QString();
    }
  }
  switch (row) {
    case 0:
      return rec->IsNamed() ? rec->Ident : rec->Phrase;
    case 1:
      return rec->Definition();
    case 2:
      return rec->Comment;
    default:
      return rec->Unit;
  }
}

QString TFormulesGrid::Hint(int col, int row) const {
  if (col < 1 || col >= ColCount()) return QString();
  if (row == 0) return TBoiteFormulesTexts::HeaderHint();
  if (row >= 1 && row < HeaderRows && (IsFormulaColumn(col) || IsNewColumn(col)))
    return TBoiteFormulesTexts::DefinitionHint();
  return QString();
}

bool TFormulesGrid::HeaderClick(int col, int x, int width, bool rightButton) {
  TRec *rec = Formules.Formula(FormulaOf(col));
  if (col != 1 && !rec) return false;
  if (rightButton) {
    if (!rec) return false;
    Formules.DeleteFormula(FormulaOf(col));
    Formules.CalculateFormulas();
    return true;
  }
  int &digits = col == 1 ? AbscissaDigits : rec->Curve.Digits;
  // A collapsed column is narrower than its two edges: any click opens it.
  const bool collapsed = rec && !rec->Curve.ColumnOpen;
  if (!collapsed && x < EdgeWidth) {
    if (digits == 0) return false;
    --digits;
    return true;
  }
  if (!collapsed && x >= width - EdgeWidth) {
    if (digits == 8) return false;
    ++digits;
    return true;
  }
  if (!rec) return false;
  rec->Curve.ColumnOpen = !rec->Curve.ColumnOpen;
  return true;
}

TFormulesGrid::TKeyboardRequest TFormulesGrid::KeyboardRequest(int col, int row) const {
  TKeyboardRequest request;
  if (row < 1 || row >= HeaderRows || !(IsFormulaColumn(col) || IsNewColumn(col))) return request;
  request.Open = true;
  request.FormulaTab = row == 1 || IsNewColumn(col);
  if (const TRec *rec = Formules.Formula(FormulaOf(col))) {
    request.Definition = rec->Definition();
    request.Comment = rec->Comment;
    request.Unit = rec->Unit;
  }
  return request;
}

TRec *TFormulesGrid::ApplyDefinition(int col, const QString &definition) {
  const QString text = RemoveBlanks(definition);
  TRec *rec = Formules.Formula(FormulaOf(col));
  if (IsNewColumn(col)) {
    if (!text.isEmpty()) {
      rec = Formules.AddFormula(text, QString(), QString());
      if (Formules.Validate(rec) != feOk) {
        Formules.Remove(rec);
        rec = nullptr;
      }
    }
  } else if (rec && text.isEmpty()) {
    Formules.DeleteFormula(FormulaOf(col));
    rec = nullptr;
  } else if (rec && text != rec->Definition()) {
    const QString previous = rec->Definition();
    rec->SetDefinition(text);
    rec->Curve.SetShown(true);
    if (Formules.Validate(rec) != feOk) rec->SetDefinition(previous);
  }
  Formules.CalculateFormulas();
  return rec;
}

void TFormulesGrid::ApplyCommentAndUnit(TRec *rec, const QString &comment, const QString &unit) {
  if (!rec) return;
  rec->Comment = comment.trimmed().isEmpty() ? NoCommentText() : comment.trimmed();
  rec->Unit = unit.trimmed().isEmpty() ? NoUnitText() : unit.trimmed();
}

void TFormulesGrid::RestoreTable() {
  AbscissaDigits = 0;
  for (const auto &rec : Formules.Formulas()) {
    rec->Curve.ColumnOpen = true;
    rec->Curve.Digits = 0;
  }
}

QStringList TFormulesGrid::TableText() const {
  QStringList lines;
  // The new column holds no data: it is not copied.
  for (int row = 0; row < RowCount(); ++row) {
    QStringList cells;
    for (int col = 0; col < ColCount() - 1; ++col) cells << Cell(col, row);
    lines << cells.join(QLatin1Char('\t'));
  }
  return lines;
}

kinematics::TExportTable TFormulesGrid::ExportTable() const {
  kinematics::TExportTable table;
  table.AxisAngle = Formules.ResultsSource() ? Formules.ResultsSource()->AxesAngle() : 0.0;
  const int lastColumn = ColCount() - 1;  // the new column
  for (int col = 1; col < lastColumn; ++col) {
    table.Symbols << Cell(col, 0);
    table.Units << Cell(col, 3);
    // The time has no comment row of its own: it takes the datasheet's name.
    const bool time = col == 1 && !Formules.Formula(Formules.AbscissaIndex());
    table.Names << (time ? kinematics::QuantityName(kinematics::qkTime) : Cell(col, 2));
  }
  for (int r = 0; r < RowCount() - HeaderRows; ++r) {
    QStringList cells;
    for (int col = 1; col < lastColumn; ++col) {
      double value = 0.0;
      bool known = false;
      if (col == 1) {
        known = Formules.AbscissaValue(r, value);
      } else if (const TRec *rec = Formules.Formula(FormulaOf(col)); rec && rec->Curve.HasValue(r)) {
        value = rec->Curve.Values[size_t(r)];
        known = true;
      }
      cells << (known ? RealToText(value) : QString());
    }
    table.Rows.push_back(cells);
  }
  return table;
}

int TFormulesGrid::FillText(QStringList &lines, const QString &firstLine, const QDateTime &now) const {
  const kinematics::TExportTable table = ExportTable();
  lines = kinematics::ExportTextForm(table, firstLine, now);
  return table.ColumnCount();
}

TMatriceStr TFormulesGrid::Matrix() const { return kinematics::ExportMatrixForm(ExportTable()); }

// ---------------------------------------------------------------------------------------------
// GridExC
// ---------------------------------------------------------------------------------------------

QString TConstantsGrid::Cell(int col, int row) const {
  if (row == 0) {
    switch (col) {
      case 0:
        return BoiteFormulesText::tr("Name");
      case 1:
        return BoiteFormulesText::tr("Value or formula");
      case 2:
        return BoiteFormulesText::tr("Unit");
      default:
        return QString();
    }
  }
  const TRec *rec = ConstantAt(row);
  if (!rec) {
    if (!IsNewRow(row)) return QString();
    return col == 1 ? PendingValue : col == 2 ? PendingUnit : QString();
  }
  switch (col) {
    case 0:
      return rec->Ident;
    case 1:
      return rec->ShowPhrase ? rec->ValueCell() : rec->ValueText;
    case 2:
      return rec->Unit;
    default:
      return QString();
  }
}

std::vector<QStringList> TConstantsGrid::Refill() {
  std::vector<QStringList> rows;
  for (int row = 0; row < RowCount(); ++row) {
    QStringList cells;
    for (int col = 0; col < ColCount(); ++col) cells << Cell(col, row);
    rows.push_back(cells);
  }
  for (const auto &rec : Formules.Constants()) rec->ShowPhrase = false;
  return rows;
}

QString TConstantsGrid::EditText(int col, int row) {
  TRec *rec = ConstantAt(row);
  if (rec && col == 1 && !rec->Phrase.isEmpty()) {
    rec->ShowPhrase = true;
    return rec->ValueCell();
  }
  return Cell(col, row);
}

QChar TConstantsGrid::TypedChar(int col, QChar typed) {
  if (typed == QLatin1Char('~')) return QChar();
  if (col == 2) return typed;
  if (typed == QLatin1Char('.') || typed == QLatin1Char(',')) return DecimalSeparator();
  if (typed == QLatin1Char('/')) return QChar(0x00F7);
  return typed;
}

void TConstantsGrid::Recalculate() {
  Formules.CalculateConstants();
  Formules.CalculateFormulas();
}

void TConstantsGrid::Commit(int col, int row, const QString &text) {
  if (row < 1 || row >= RowCount() || col < 0 || col > 2) return;
  TRec *rec = ConstantAt(row);
  if (!rec) {
    // The empty row: a name creates the constant with what the row holds.
    if (col == 1) PendingValue = text.trimmed();
    if (col == 2) PendingUnit = text.trimmed();
    if (col != 0 || RemoveBlanks(text).isEmpty()) return;
    const bool computed = PendingValue.startsWith(QLatin1Char('='));
    TRec *added = Formules.AddConstant(RemoveBlanks(text),
                                       computed ? PendingValue.mid(1) : QString(), PendingUnit,
                                       computed                 ? QStringLiteral("0")
                                       : PendingValue.isEmpty() ? QStringLiteral("0")
                                                                : PendingValue);
    PendingValue.clear();
    PendingUnit.clear();
    if (Formules.Validate(added) != feOk) Formules.Remove(added);
    Recalculate();
    return;
  }

  switch (col) {
    case 0: {
      const QString ident = RemoveBlanks(text);
      if (ident.isEmpty()) {
        Formules.DeleteConstant(row - 1);
      } else if (ident != rec->Ident) {
        const QString previous = rec->Ident;
        rec->SetLeftSide(ident);
        if (Formules.Validate(rec) != feOk) rec->SetLeftSide(previous);
      }
      break;
    }
    case 1: {
      const QString value = RemoveBlanks(text);
      if (value.isEmpty() || value == rec->ValueCell()) break;
      // A refused value gives the constant back what it held, number or expression.
      const QString previousPhrase = rec->Phrase;
      const QString previousText = rec->ValueText;
      const double previousValue = rec->Value;
      double number = 0.0;
      if (ConvertValueText(value, number) != TValueConversion::NotANumber) {
        rec->Phrase.clear();
        TFormules::SetConstantValueText(*rec, value);
      } else {
        rec->Phrase = value.startsWith(QLatin1Char('=')) ? value.mid(1) : value;
      }
      if (Formules.Validate(rec) != feOk) {
        rec->Phrase = previousPhrase;
        rec->ValueText = previousText;
        rec->Value = previousValue;
      }
      break;
    }
    default:
      rec->Unit = text.trimmed().isEmpty() ? NoUnitText() : text.trimmed();
      break;
  }
  Recalculate();
}

}  // namespace kolibra::formulas
