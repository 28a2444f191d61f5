#pragma once
// One node of a formula's tree. A node covers a contiguous run of its parser's elements:
// the builder only ever peels brackets and functions off both ends of a run and splits it
// at one operator, so a child's run is always a sub-run of its parent's. Nodes therefore
// keep the bounds of their run instead of a copy of it, which keeps a long formula's tree
// linear in size.

#include "formulas/ElemPile.h"

#include <memory>
#include <vector>

namespace kolibra::formulas {

struct TNoeud {
  // The node's elements are Elements[First, Last) of the parser that built it.
  int First = 0;
  int Last = 0;
  // Index, in the parser's elements, of the operator the node was split at, or of the single
  // operand of a leaf; -1 until the node is built.
  int Pivot = -1;
  // Functions peeled off the node, outermost first; evaluation applies them innermost first.
  std::vector<TElemKind> Functions;
  // Empty for a leaf; else the left operand, then the right one.
  std::vector<std::unique_ptr<TNoeud>> Children;

  bool IsLeaf() const { return Children.empty(); }
};

}  // namespace kolibra::formulas
