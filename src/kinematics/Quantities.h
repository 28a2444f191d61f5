#pragma once
// The result quantities the calculator offers, with the symbol, unit and name the datasheet,
// the graphs and the export show for each. The numbers of QuantityKind are shared with the
// formulas and the graphs; 9 and 10 are unused and read as 0 everywhere. Kinds 14 to 19 are
// the dynamic quantities: they exist only for an object that has a mass.

#include "kit/Color.h"

#include <QString>

#include <cstdint>

namespace kolibra::kinematics {

enum QuantityKind : int {
  qkTime = 0,
  qkX = 1,
  qkY = 2,
  qkVx = 3,
  qkVy = 4,
  qkV = 5,
  qkAx = 6,
  qkAy = 7,
  qkA = 8,
  qkAngle = 11,   // "O": polar angle of (x, y), unwrapped
  qkRadius = 12,  // "R"
  qkOmega = 13,   // "w": dO/dt
  qkPx = 14,      // momentum m vx
  qkPy = 15,
  qkP = 16,
  qkEk = 17,      // kinetic energy m v² / 2
  qkEp = 18,      // potential energy of weight m g y, zero at the origin's height
  qkEm = 19,      // mechanical energy Ek + Ep
};

inline constexpr int QuantityKindCount = 20;  // kinds 0 to 19, 9 and 10 unused

// The two frames in which coordinates and their derivatives exist: the axes the user placed
// (or the layer) and the camera's own horizontal and vertical.
enum ReferenceFrame : int { rfAxes = 0, rfCamera = 1 };

// True for the kinds the calculator defines (0 to 8, 11 to 19).
bool IsQuantityKind(int kind);
// Kinds 1, 2, 3, 4, 6, 7, 14, 15, 18 and 19 differ between the two frames; the others exist
// once.
bool HasTwoFrames(int kind);
// 1 for vx, vy, v and what rests on the velocity (px, py, p, Ek, Em); 2 for ax, ay, a; 0
// otherwise (the angular velocity included: its edges are never hidden).
int DerivativeOrder(int kind);
// The kinds that need a mass (14 to 19).
bool IsDynamicKind(int kind);

// "t", "x", ... "w"; empty for an unused kind.
QString QuantitySymbol(int kind);
// "s", "m", "m/s", "m/s²", "rad", "rad/s", "kg·m/s", "J"; empty for an unused kind.
QString QuantityUnit(int kind);
// "time", "Abscissa", ... "Angular velocity value"; empty for an unused kind.
QString QuantityName(int kind);

// What follows a symbol to name its object among objects real ones: nothing for the only
// object, its number (1-based) among several, "G" for the centre of mass (index centre) and
// "tot" for the totals (index totals).
QString ObjectSymbolSuffix(int object, int objects, int centre, int totals);
// The pseudo-objects' names: "centre of mass" and "total".
QString CentreOfMassName();
QString TotalsName();

// Sets of kinds, one bit per kind, for the datasheet's visibility commands.
using TQuantitySet = std::uint32_t;
constexpr TQuantitySet QuantityBit(int kind) { return kind >= 0 && kind < 32 ? TQuantitySet(1) << kind : 0; }
inline constexpr TQuantitySet qsCoordinates = QuantityBit(qkX) | QuantityBit(qkY);
inline constexpr TQuantitySet qsVelocity = QuantityBit(qkVx) | QuantityBit(qkVy) | QuantityBit(qkV);
inline constexpr TQuantitySet qsAcceleration = QuantityBit(qkAx) | QuantityBit(qkAy) | QuantityBit(qkA);
inline constexpr TQuantitySet qsPolar = QuantityBit(qkAngle) | QuantityBit(qkRadius) | QuantityBit(qkOmega);
inline constexpr TQuantitySet qsMomentum = QuantityBit(qkPx) | QuantityBit(qkPy) | QuantityBit(qkP);
inline constexpr TQuantitySet qsEnergy = QuantityBit(qkEk) | QuantityBit(qkEp) | QuantityBit(qkEm);
inline constexpr TQuantitySet qsDynamics = qsMomentum | qsEnergy;

// Background of a quantity's datasheet cells: $FFF8F8 for x and y, $FAF8FF for velocities,
// $F0F8FF for accelerations, $F5F5F5 for the polar quantities, $F8FFF0 for momentum,
// $FFFCE8 for energies, white for the time.
TColor QuantityColor(int kind);

}  // namespace kolibra::kinematics
