// The evaluator: one walk of the tree per evaluation, asking the owner for every variable
// leaf. It allocates nothing; each fault stops the walk with its own error code.

#include "formulas/Parser.h"
#include "kit/MathUtils.h"

#include <cmath>
#include <limits>

namespace kolibra::formulas {

namespace parser_eval {

constexpr double DegreesToRadians = 0.017453292519943295769;
constexpr double RadiansToDegrees = 57.295779513082320877;
constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

}  // namespace parser_eval

double TParser::EvaluateNode(const TNoeud &node) {
  using parser_eval::NotANumber;
  const TElemPile &pivot = Elems[size_t(node.Pivot)];
  double r = 0.0;
  double s = 0.0;
  double value = 0.0;
  if (node.IsLeaf()) {
    value = EvaluateLeaf(node.Pivot);
    if (Code != peNone) return NotANumber;
  } else {
    // An operand without a real value (a variable holding not-a-number) makes the whole
    // node not-a-number: a missing input must show as missing, never as a made-up 0.
    r = EvaluateNode(*node.Children[0]);
    if (Code != peNone || std::isnan(r)) return NotANumber;
    s = EvaluateNode(*node.Children[1]);
    if (Code != peNone || std::isnan(s)) return NotANumber;
    if (pivot.Negate) s = -s;
    value = Combine(pivot, r, s);
    if (Code != peNone) return NotANumber;
  }

  // Innermost first. Only the innermost ArcTan of a ";" node takes the two arguments; any
  // function around it works on the angle, as in ArcTan(ArcTan(y;x)).
  for (size_t i = node.Functions.size(); i-- > 0;) {
    if (std::isnan(value)) return value;
    const TElemKind function = node.Functions[i];
    if (function == ekArcTan && pivot.Kind == ekSemicolon && i + 1 == node.Functions.size()) {
      value = std::atan2(r, s) * (RadianUnit ? 1.0 : parser_eval::RadiansToDegrees);
      if (!std::isfinite(value)) Fail(peArcTangent);
    } else {
      value = ApplyFunction(function, value);
    }
    if (Code != peNone) return NotANumber;
  }
  return value;
}

double TParser::Combine(const TElemPile &pivot, double r, double s) {
  double value = 0.0;
  switch (pivot.Kind) {
    case ekPlus: value = r + s; break;
    case ekMinus: value = r - s; break;
    case ekMultiply: value = r * s; break;
    case ekDivide:
      if (IsNearZero(s)) {
        Fail(peDivisionByZero);
        return parser_eval::NotANumber;
      }
      value = r / s;
      break;
    case ekPower: return Power(r, s);
    default: return 0.0;  // ";": the enclosing ArcTan reads both operands itself
  }
  if (!std::isfinite(value)) {
    Fail(peOutOfRange);
    return parser_eval::NotANumber;
  }
  return value;
}

double TParser::Power(double r, double s) {
  if (IsNearZero(s)) return 1.0;  // 0^0 included
  double value = 0.0;
  if (r > 0.0) {
    // pow is exp(s ln r) computed without the rounding of the logarithm: 2^3 is 8 exactly.
    value = std::pow(r, s);
  } else if (r < 0.0) {
    const double whole = std::trunc(s);
    if (!IsNearZero(s - whole)) {
      Fail(peNegativeBasePower);
      return parser_eval::NotANumber;
    }
    value = std::pow(r, whole);
  } else {
    // 0 to a negative power is 1 divided by 0.
    if (s < 0.0) {
      Fail(peDivisionByZero);
      return parser_eval::NotANumber;
    }
    return 0.0;
  }
  if (!std::isfinite(value)) {
    Fail(pePower);
    return parser_eval::NotANumber;
  }
  return value;
}

double TParser::EvaluateLeaf(int pivot) {
  TElemPile &elem = Elems[size_t(pivot)];
  if (elem.Kind == ekNumber) return elem.Value;
  if (elem.Kind == ekVariable) {
    bool found = false;
    bool known = false;
    if (OnVariable)
      OnVariable(elem.Text, elem.Index, elem.IsAbsolute, elem.HasIndex, elem.Value, found, known);
    if (!known) {
      Fail(peUnknownValue, elem.Text);
      return parser_eval::NotANumber;
    }
    return elem.Value;
  }
  Fail(peUnknownError);
  return parser_eval::NotANumber;
}

double TParser::ApplyFunction(TElemKind function, double x) {
  const double toRadians = RadianUnit ? 1.0 : parser_eval::DegreesToRadians;
  const double fromRadians = RadianUnit ? 1.0 : parser_eval::RadiansToDegrees;
  double y = 0.0;
  int fault = peUnknownError;
  switch (function) {
    case ekSin: y = std::sin(x * toRadians); fault = peSine; break;
    case ekCos: y = std::cos(x * toRadians); fault = peCosine; break;
    case ekTan: y = std::tan(x * toRadians); fault = peTangent; break;
    case ekArcSin:
      fault = peArcSine;
      y = std::fabs(x) > 1.0 ? parser_eval::NotANumber
                             : std::atan2(x, std::sqrt(1.0 - x * x)) * fromRadians;
      break;
    case ekArcCos:
      fault = peArcCosine;
      y = std::fabs(x) > 1.0 ? parser_eval::NotANumber
                             : std::atan2(std::sqrt(1.0 - x * x), x) * fromRadians;
      break;
    case ekArcTan: y = std::atan(x) * fromRadians; fault = peArcTangent; break;
    case ekLn:
      fault = peLogarithm;
      y = x > 0.0 ? std::log(x) : parser_eval::NotANumber;
      break;
    case ekLog:
      fault = peLogarithm;
      y = x > 0.0 ? std::log10(x) : parser_eval::NotANumber;
      break;
    case ekExp: y = std::exp(x); fault = peExponential; break;
    case ekSqrt:
      fault = peSquareRoot;
      y = x < 0.0 ? parser_eval::NotANumber : std::sqrt(x);
      break;
    case ekAbs: return std::fabs(x);
    default: y = parser_eval::NotANumber; break;
  }
  if (!std::isfinite(y)) {
    Fail(fault);
    return parser_eval::NotANumber;
  }
  return y;
}

}  // namespace kolibra::formulas
