#include "kinematics/ResultFacades.h"

#include "measurement/Data.h"

namespace kolibra::kinematics {

namespace facades_impl {

// The instances a selector names, the layer's first; an unknown selector names none.
template <typename T>
std::vector<T *> Select(int selector, bool layerActive, T &fixed, T &layer) {
  switch (selector) {
    case rsBoth:
      return {&layer, &fixed};
    case rsActive:
      return {layerActive ? &layer : &fixed};
    case rsLayer:
      return {&layer};
    case rsFixed:
      return {&fixed};
    default:
      return {};
  }
}

}  // namespace facades_impl

// --- TResCalc ----------------------------------------------------------------------------------

TResCalc::TResCalc(const measurement::TData &data, const settings::TOptions &options)
    : Data(&data), Fixed(data, options, false), Layer(data, options, true) {}

void TResCalc::SetVideoOpenQuery(const std::function<bool()> &query) {
  Fixed.SetVideoOpenQuery(query);
  Layer.SetVideoOpenQuery(query);
}

TCalcul &TResCalc::Active() { return Data->IsLayerMeasurement() ? Layer : Fixed; }
const TCalcul &TResCalc::Active() const { return Data->IsLayerMeasurement() ? Layer : Fixed; }

std::vector<TCalcul *> TResCalc::Selected(int selector) {
  return facades_impl::Select<TCalcul>(selector, Data->IsLayerMeasurement(), Fixed, Layer);
}

std::vector<const TCalcul *> TResCalc::Selected(int selector) const {
  return facades_impl::Select<const TCalcul>(selector, Data->IsLayerMeasurement(), Fixed, Layer);
}

void TResCalc::Invalidate(measurement::TCalculatorSet which) {
  switch (which) {
    case measurement::TCalculatorSet::FixedAxes:
      Invalidate(rsFixed);
      break;
    case measurement::TCalculatorSet::Layer:
      Invalidate(rsLayer);
      break;
    case measurement::TCalculatorSet::Both:
      Invalidate(rsBoth);
      break;
  }
}

void TResCalc::Invalidate(int selector) {
  for (TCalcul *calcul : Selected(selector)) calcul->Invalidate();
}

bool TResCalc::IsStale(int selector) const {
  for (const TCalcul *calcul : Selected(selector))
    if (calcul->IsStale()) return true;
  return false;
}

int TResCalc::Compute(int selector) {
  Result = krOk;
  FailedObjectIndex = -1;
  for (TCalcul *calcul : Selected(selector))
    if (const int result = calcul->Compute(); result != krOk && Result == krOk) Result = result;
  return Result;
}

bool TResCalc::ComputeDerivatives(int selector, int flags) {
  Result = krOk;
  FailedObjectIndex = -1;
  for (TCalcul *calcul : Selected(selector)) {
    if (const int result = calcul->ComputeDerivatives(flags); result != krOk && Result == krOk) {
      Result = result;
      FailedObjectIndex = calcul->FailedObject();
    }
  }
  return Result == krOk;
}

// --- TResGrid ----------------------------------------------------------------------------------

TResGrid::TResGrid(const TResCalc &calc, const measurement::TData &data, const settings::TOptions &options)
    : Data(&data), Fixed(calc.FixedCalcul(), data, options), Layer(calc.LayerCalcul(), data, options) {}

TGrid &TResGrid::Active() { return Data->IsLayerMeasurement() ? Layer : Fixed; }
const TGrid &TResGrid::Active() const { return Data->IsLayerMeasurement() ? Layer : Fixed; }

void TResGrid::Rebuild(int selector) {
  for (TGrid *grid : facades_impl::Select<TGrid>(selector, Data->IsLayerMeasurement(), Fixed, Layer))
    grid->Rebuild();
}

// --- TResMem -----------------------------------------------------------------------------------

TResMem::TResMem(const measurement::TData &data, const settings::TOptions &options)
    : Data(&data), Options(&options), Fixed(options), Layer(options) {}

TMemory &TResMem::Active() { return Data->IsLayerMeasurement() ? Layer : Fixed; }
const TMemory &TResMem::Active() const { return Data->IsLayerMeasurement() ? Layer : Fixed; }

std::vector<TMemory *> TResMem::Selected(int selector) {
  return facades_impl::Select<TMemory>(selector, Data->IsLayerMeasurement(), Fixed, Layer);
}

void TResMem::Reset(int selector) {
  for (TMemory *memory : Selected(selector)) memory->Reset();
}

void TResMem::ApplyOptions(int selector) {
  for (TMemory *memory : Selected(selector)) memory->ApplyOptions(*Options);
}

}  // namespace kolibra::kinematics
