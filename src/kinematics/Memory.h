#pragma once
// TMemory: the results window's remembered choices for one measurement mode, kept with the
// results so that switching between fixed-axes and layer measurement brings back what the
// user had chosen in each. It is a store: the results window gives each field its meaning
// and is the only one to read and write them.

#include "kit/Types.h"

#include <cstdint>

namespace kolibra::settings {
class TOptions;
}

namespace kolibra::kinematics {

class TMemory {
 public:
  // Fields from the options, the rest as Reset leaves them.
  explicit TMemory(const settings::TOptions &options);

  // The fields the options give: the symbol size of the graphs (kept when the option holds
  // no size), the numbering placement of the trajectory and vectors views (0 below the
  // point, 2 none) and whether the vectors view draws the origin.
  void ApplyOptions(const settings::TOptions &options);
  // A new measurement: no object chosen in any view, every integer 0 but the trajectory's
  // reference frame, -1 (the camera). The bytes stay as the options set them.
  void Reset();

  // Objects chosen in the time, trajectory and vectors views.
  TIntegerDynArray TempsObjects;
  TIntegerDynArray ReferentielObjects;
  TIntegerDynArray VecteurObjects;

  int SymbolSize = 0;          // 0 small, 1 medium, 2 large
  int TempsQuantity = 0;       // the time view's quantity
  int ReferentielReference = -1;  // the trajectory's frame of reference: -1 the camera, else an object
  int VecteurKind = 0;         // the vectors view's vector kind

  std::uint8_t ReferentielNumbering = 0;  // 0 below the point, 1 on its right, 2 none
  std::uint8_t VecteurNumbering = 0;
  std::uint8_t DrawOrigin = 1;            // the vectors view draws the origin marker
  std::uint8_t DrawVectorValues = 0;      // the vectors view writes the vectors' values
};

}  // namespace kolibra::kinematics
