#pragma once
// One element of a scanned formula. The scanner turns the text into a flat list of these;
// the tree builder only ever looks at their kinds, bracket levels and negation flags, and
// the evaluator reads numbers from them and lets the variable owner write into them.

#include <QString>
#include <cstdint>

namespace kolibra::formulas {

// The codes are part of the language: the six operator codes are also the order in which a
// node is split (";" loosest, "^" tightest), so they must not be renumbered.
enum TElemKind : std::uint8_t {
  ekNone = 0,
  ekSemicolon = 1,  // ";" between the two arguments of ArcTan
  ekPlus = 2,
  ekMinus = 3,
  ekDivide = 4,  // "/" or "÷"
  ekMultiply = 5,
  ekPower = 6,
  ekSin = 7,
  ekCos = 8,
  ekLn = 9,
  ekLog = 10,
  ekExp = 11,
  ekAbs = 12,
  ekTan = 13,
  ekSqrt = 14,
  ekArcSin = 15,
  ekArcCos = 16,
  ekArcTan = 17,
  ekNumber = 18,    // a literal or pi
  ekVariable = 19,  // a name, with or without an index
  ekOpen = 20,
  ekClose = 21,
};

constexpr bool IsOperatorKind(TElemKind kind) { return kind >= ekSemicolon && kind <= ekPower; }
constexpr bool IsFunctionKind(TElemKind kind) { return kind >= ekSin && kind <= ekArcTan; }

struct TElemPile {
  TElemKind Kind = ekNone;
  // Bracket depth: a "(" takes the depth it opens, a ")" the depth it closes.
  int Level = 0;
  // The number written in the brackets after a variable, signed; 0 without brackets.
  int Index = 0;
  // The variable name as typed, or the operator or bracket character.
  QString Text;
  // A number's value; for a variable, the buffer its owner writes the value into.
  double Value = 0.0;
  // Brackets without "i": Index is an absolute row number.
  bool IsAbsolute = false;
  // On ";", "/", "*" and "^" typed with a minus right after: the right operand is negated.
  bool Negate = false;
  // The variable was followed by brackets.
  bool HasIndex = false;
};

}  // namespace kolibra::formulas
