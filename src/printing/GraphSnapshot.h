#pragma once
// A copy of a graph for the print window. The results window hands over a drawing of its
// live graph only for the time of the print command, but the window keeps its picture from
// one print to the next (a picture of the same size keeps the user's layout); the copy is
// the graph recorded as a vector picture, drawn scaled into any rectangle afterwards.

#include "printing/GraphDrawing.h"

#include <memory>

namespace kolibra::printing {

// The graph recorded at its pixel size; nullptr for a graph of zero width or height.
std::shared_ptr<const IGraphDrawing> SnapshotOf(const IGraphDrawing &graph);

}  // namespace kolibra::printing
