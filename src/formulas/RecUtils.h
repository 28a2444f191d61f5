#pragma once
// TRec is one user formula or one user constant, as typed in the formulas window; TCurve is
// the series a formula computes over the results rows.
//
// A formula is "left side = expression" or a bare expression (an unnamed formula, shown but
// not usable by others). Its left side may carry a relative index, as in v_lam[i+1]: the
// formula then computes row i+1 from row i, and the row before the first one comes from the
// constant of the same name with an absolute index (v_lam[1]), its initial value. A constant
// is a number or an expression of other constants, named with or without an absolute index.
//
// The left side is checked here once, when it is set: NameValid and IndexValid say whether it
// is usable, and the formulas engine turns a false one into its naming messages.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace kolibra::formulas {

// The value text of a constant whose text is not a number or whose expression failed.
inline constexpr const char *NotANumberText = "#Number!";

enum TRecKind : std::uint8_t { rkFormula = 0, rkConstant = 1 };

// How a constant's value text reads as a number.
enum class TValueConversion { Number, NotANumber, OutOfRange };

// Reads a value typed by the user: an optional sign, digits with at most one decimal separator
// ("." or "," read as the regional one) and an optional exponent. A text shaped like a number
// whose value a double cannot hold (1E999, 1E-999) is OutOfRange; value is then infinite or 0.
TValueConversion ConvertValueText(const QString &text, double &value);

// The text without any blank (spaces, tabs, line breaks).
QString RemoveBlanks(const QString &text);

class TCurve {
 public:
  // Forgets every value and sizes the series for rows results rows.
  void Reset(int rows);
  int RowsCount() const { return int(Values.size()); }
  bool HasValue(int row) const { return row >= 0 && row < RowsCount() && Valid[size_t(row)] == 0; }
  void SetValue(int row, double value);

  // The formula takes part in the results window and the graphs: the user's wish (a new or
  // changed definition sets it) while the series has values. An empty series reads as not
  // shown, and a series that gets values again (the results came back) is shown again.
  bool Shown() const { return ShowWanted && !IsEmpty; }
  void SetShown(bool shown) { ShowWanted = shown; }
  bool Empty() const { return IsEmpty; }
  void SetEmpty(bool empty) { IsEmpty = empty; }

  bool ColumnOpen = true;
  bool UsesVelocity = false;
  bool UsesAcceleration = false;
  std::vector<double> Values;
  std::vector<int> Valid;  // 0: the row has a value; -1: not
  int Digits = 0;          // significant digits of the column, 0 to 8
  int FirstRow = -1;
  int LastRow = -1;

 private:
  bool ShowWanted = true;
  bool IsEmpty = true;
};

class TRec {
 public:
  explicit TRec(TRecKind kind) : Kind(kind) {}

  // A formula's definition: blanks removed, the text before the first "=" is the left side,
  // the rest the expression; without "=" the whole text is the expression of an unnamed
  // formula.
  void SetDefinition(const QString &definition);
  // The left side (both kinds): sets Ident, Name, the index fields and the two validity flags.
  void SetLeftSide(const QString &left);

  // A left side was typed (even an empty one, as in "=x").
  bool IsNamed() const { return HasLeftSide; }
  // What the formulas grid shows: "Ident=Phrase", or the expression of an unnamed formula.
  QString Definition() const;
  // The name messages quote: the name, else the identifier, else the expression.
  QString DisplayName() const;
  // A constant's value cell: "=" and its expression when it has one, else its value text.
  QString ValueCell() const;

  QString Name;
  QString Ident;
  QString Phrase;
  QString Comment;
  QString IndexText = QStringLiteral("0");
  QString ValueText = QStringLiteral("0");
  QString Unit;
  int Index = 0;
  double Value = 0.0;
  bool HasBracket = false;
  bool NameValid = false;
  bool IndexValid = true;
  TCurve Curve;
  TRecKind Kind;
  QStringList Dependencies;
  bool ShowPhrase = false;

 private:
  bool HasLeftSide = false;
};

// The comment and unit of a record when the user gave none.
QString NoCommentText();
QString NoUnitText();

}  // namespace kolibra::formulas
