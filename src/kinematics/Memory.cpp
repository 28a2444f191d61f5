#include "kinematics/Memory.h"

#include "settings/Options.h"

namespace kolibra::kinematics {

namespace memory_impl {

constexpr std::uint8_t NumberBelow = 0;
constexpr std::uint8_t NumberNone = 2;

}  // namespace memory_impl

TMemory::TMemory(const settings::TOptions &options) {
  Reset();
  ApplyOptions(options);
}

void TMemory::ApplyOptions(const settings::TOptions &options) {
  // Any other value of the graphs' size option changes nothing.
  if (options.PenSize4Graph_Value >= 0 && options.PenSize4Graph_Value <= 2) SymbolSize = options.PenSize4Graph_Value;
  ReferentielNumbering = options.CheckBox16TrajectoryNumber_Checked ? memory_impl::NumberBelow : memory_impl::NumberNone;
  VecteurNumbering = options.CheckBox19VectorNumber_Checked ? memory_impl::NumberBelow : memory_impl::NumberNone;
  DrawOrigin = options.CheckBox33VectorOrigin_Checked ? 1 : 0;
}

void TMemory::Reset() {
  TempsObjects.clear();
  ReferentielObjects.clear();
  VecteurObjects.clear();
  SymbolSize = 0;
  TempsQuantity = 0;
  ReferentielReference = -1;
  VecteurKind = 0;
}

}  // namespace kolibra::kinematics
