// The tree builder: brackets and functions are peeled off a run of elements, then the run
// is split at its loosest operator, left operand completely before right.

#include "formulas/Parser.h"

namespace kolibra::formulas {

void TParser::Build() {
  Code = peNone;
  Arg.clear();
  BuildFailure = true;
  auto root = std::make_unique<TNoeud>();
  root->First = 0;
  root->Last = int(Elems.size());
  if (!BuildNode(*root)) return;
  Tree = std::move(root);
  BuildFailure = false;
}

// True when the brackets at open and close have the same level and nothing between them
// lies outside it, i.e. they enclose everything between them.
bool TParser::EnclosedRun(int open, int close) const {
  const int level = Elems[size_t(open)].Level;
  if (Elems[size_t(close)].Level != level) return false;
  for (int i = open + 1; i < close; ++i)
    if (Elems[size_t(i)].Level < level) return false;
  return true;
}

bool TParser::StripBrackets(TNoeud &node) {
  while (node.Last - node.First >= 2 && Elems[size_t(node.First)].Kind == ekOpen &&
         Elems[size_t(node.Last - 1)].Kind == ekClose && EnclosedRun(node.First, node.Last - 1)) {
    ++node.First;
    --node.Last;
    if (node.First == node.Last) {
      Fail(peEmptyBrackets);
      return false;
    }
  }
  return true;
}

// Peels one function call spanning the whole run; false when there is none or on an error
// (told apart by Code).
bool TParser::StripFunction(TNoeud &node) {
  if (node.Last - node.First < 3 || !IsFunctionKind(Elems[size_t(node.First)].Kind) ||
      Elems[size_t(node.First + 1)].Kind != ekOpen ||
      Elems[size_t(node.Last - 1)].Kind != ekClose || !EnclosedRun(node.First + 1, node.Last - 1))
    return false;
  node.Functions.push_back(Elems[size_t(node.First)].Kind);
  node.First += 2;
  --node.Last;
  if (node.First == node.Last) {
    Fail(peNoArgument);
    return false;
  }
  return true;
}

bool TParser::BuildNode(TNoeud &node) {
  do {
    if (!StripBrackets(node)) return false;
  } while (StripFunction(node));
  if (Code != peNone) return false;

  // The loosest operator: lowest level, then lowest kind, the rightmost among equals.
  int pivot = -1;
  for (int i = node.Last - 1; i >= node.First; --i) {
    const TElemPile &elem = Elems[size_t(i)];
    if (!IsOperatorKind(elem.Kind)) continue;
    if (pivot < 0) {
      pivot = i;
      continue;
    }
    const TElemPile &best = Elems[size_t(pivot)];
    if (elem.Level < best.Level || (elem.Level == best.Level && elem.Kind < best.Kind)) pivot = i;
  }

  if (pivot < 0) {
    const TElemKind kind = Elems[size_t(node.First)].Kind;
    if (node.Last - node.First != 1 || (kind != ekNumber && kind != ekVariable)) {
      Fail(peNoOperator);
      return false;
    }
    node.Pivot = node.First;
    return true;
  }

  const TElemPile &op = Elems[size_t(pivot)];
  if (op.Kind == ekSemicolon && (node.Functions.empty() || node.Functions.back() != ekArcTan)) {
    Fail(peMisplacedSemicolon);
    return false;
  }
  if (pivot == node.First || pivot == node.Last - 1) {
    Fail(peNoOperand, op.Text);
    return false;
  }
  node.Pivot = pivot;
  auto left = std::make_unique<TNoeud>();
  left->First = node.First;
  left->Last = pivot;
  auto right = std::make_unique<TNoeud>();
  right->First = pivot + 1;
  right->Last = node.Last;
  node.Children.push_back(std::move(left));
  node.Children.push_back(std::move(right));
  return BuildNode(*node.Children[0]) && BuildNode(*node.Children[1]);
}

}  // namespace kolibra::formulas
