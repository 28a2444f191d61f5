#pragma once
// The formula language: a small infix language over reals with named and indexed variables,
// pi, eleven functions and the two-argument ArcTan. A TParser takes one formula, scans it
// into a flat element list, builds a tree from that list on the first evaluation and then
// evaluates the tree as often as asked, asking its owner for every variable's value.
//
// The language keeps its historical rules, which users' saved formulas rely on: within one
// bracket level a node splits at the rightmost operator of the loosest kind, with the
// kinds ordered ";" + - / * ^, so 8/4*2 is 8/(4*2) = 1 and 2^3^2 is (2^3)^2 = 64; a minus
// typed right after ";", "/", "÷", "*" or "^" negates that operator's whole right operand.
//
// Each parser keeps its own error state: the code and argument of the last failure of a
// parse, a build or an evaluation. A caller reads ErrorCode right after Evaluate. Value is
// the result of the last evaluation; it is not-a-number after any failure, and also without
// an error when an operand was not a number (a variable without a real value), so that a
// missing input never turns into a made-up 0.
//
// Input is bounded so that hostile or runaway text gets an error instead of exhausting the
// stack: a formula longer than MaxFormulaLength characters is refused (error 31), and so is
// one that opens more than MaxBracketDepth brackets inside each other (error 32). Within
// those bounds scanning, building and evaluating recurse at most once per element.

#include "formulas/ElemPile.h"
#include "formulas/Noeud.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace kolibra::formulas {

// Error codes: the numbers users and the message table know them by.
enum TParserError : int {
  peNone = 0,
  peUnclosedBracket = 1,
  peUnopenedBracket = 2,
  peEmptyBrackets = 3,
  peBadNumber = 4,
  peCosine = 5,
  peSine = 6,
  peTangent = 7,
  peArcCosine = 8,
  peArcSine = 9,
  peArcTangent = 10,
  peLogarithm = 11,
  peSquareRoot = 13,
  peDivisionByZero = 14,
  peNegativeBasePower = 15,
  peExponential = 16,
  pePower = 17,
  peOutOfRange = 19,
  peUnknownVariable = 20,
  peBadCharacter = 21,
  peBadIndex = 22,
  peNoArgument = 23,
  peNoOperand = 24,
  peNoOperator = 25,
  peEmptyFormula = 26,
  peUnknownError = 27,
  peUnknownValue = 28,
  peUnclosedIndex = 29,
  peMisplacedSemicolon = 30,
  peTooLong = 31,
  peTooDeep = 32,
};

// Limits of the input (see above); their values are the arguments of errors 31 and 32.
inline constexpr int MaxFormulaLength = 1000;
inline constexpr int MaxBracketDepth = 100;

// How a parser learns about names. The owner answers for one variable reference as written
// in the formula:
//   name        the name as typed (owners compare names without regard to case);
//   index       the signed number between the brackets, 0 without brackets or digits;
//   isAbsolute  brackets without "i", as in x[2] or x[-1]: index is a row number;
//               with "i", as in x[i-1], x[i] or x[i1] (= x[i+1]), index is an offset;
//   hasIndex    the name was followed by brackets.
// The parser calls the handler once for every variable while scanning and reads `found`
// (does the name exist; `value` may already be set), then once for every variable leaf at
// every evaluation and reads `known` (is there a value for this name and index right now)
// and `value`. `found` and `known` are false before every call; `value` holds the
// previous value. A parser without a handler knows no name. The handler must not call
// back into the parser that asks.
using TVariableEvent = std::function<void(const QString &name, int index, bool isAbsolute,
                                          bool hasIndex, double &value, bool &found,
                                          bool &known)>;

// The user's message for an error code, with arg in place of the table's placeholders.
QString ParserErrorMessage(int code, const QString &arg);

// The text rewrite applied before scanning: runs of signs collapsed (";+" ";", "+-" "-",
// "-+" "-", "--" "+", "++" "+", "*+" "*", "/+" "/", "÷+" "÷", "^+" "^" until stable),
// then a "+" opening the text or a bracket dropped and a "-" there preceded by "0".
QString NormaliseFormula(const QString &formula);

class TParser {
 public:
  TParser();
  TParser(const TParser &) = delete;
  TParser &operator=(const TParser &) = delete;

  // Stores the formula (blanks are the caller's to remove) and forgets the previous one's
  // elements, tree and error. Parsing waits for the next Evaluate.
  void SetFormula(const QString &text);

  // Parses and builds on the first call after SetFormula, then evaluates the tree. A failed
  // parse or build is reported again by every later call until SetFormula.
  void Evaluate();

  int ErrorCode() const { return Code; }
  const QString &ErrorArg() const { return Arg; }
  // The message of the current error code (see ParserErrorMessage).
  QString ErrorMessage() const;

  // Angle unit of the trigonometric functions: radians (true, the default) or degrees.
  // Takes effect at the next evaluation, without parsing again.
  bool Radian() const { return RadianUnit; }
  void SetRadian(bool radian) { RadianUnit = radian; }

  double Value() const { return Result; }

  // The variable names in the order met, repeated names repeated; known after a parse.
  const QStringList &Variables() const { return Names; }

  const QString &Formula() const { return Source; }
  // The normalised text that was scanned.
  const QString &Text() const { return Normalised; }
  const std::vector<TElemPile> &Elements() const { return Elems; }
  const TNoeud *Root() const { return Tree.get(); }
  bool ParseFailed() const { return ParseFailure; }
  bool BuildFailed() const { return BuildFailure; }

  TVariableEvent OnVariable;

 private:
  // Scanner (ParserScan.cpp).
  void Parse();
  bool ScanNumber(int &pos, TElemPile &elem);
  bool ScanSymbol(int &pos, int &depth, TElemPile &elem);
  bool ScanName(int &pos, TElemPile &elem);
  bool LookUpName(TElemPile &elem);

  // Tree builder (ParserTree.cpp).
  void Build();
  bool BuildNode(TNoeud &node);
  bool StripBrackets(TNoeud &node);
  bool StripFunction(TNoeud &node);
  bool EnclosedRun(int open, int close) const;

  // Evaluator (ParserEval.cpp).
  double EvaluateNode(const TNoeud &node);
  double Combine(const TElemPile &pivot, double r, double s);
  double Power(double r, double s);
  double EvaluateLeaf(int pivot);
  double ApplyFunction(TElemKind function, double x);

  void Fail(int code, const QString &arg = QString());

  QString Source;
  QString Normalised;
  std::vector<TElemPile> Elems;
  std::unique_ptr<TNoeud> Tree;
  QStringList Names;
  bool RadianUnit = true;
  double Result;

  bool Parsed = false;
  bool ParseFailure = false;
  bool BuildFailure = false;
  int Code = peNone;
  QString Arg;
};

}  // namespace kolibra::formulas
