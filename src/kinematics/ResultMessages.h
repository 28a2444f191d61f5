#pragma once
// The words the results window puts under its "calculation unit has detected an error"
// warning: one sentence per result code of ResultCodes.h, so that the user reads why the
// velocities are missing (no scale, a frame interval of zero, an object marked on two
// frames only ...) rather than a guess.

#include <QString>

namespace kolibra::kinematics {

// The cause a result code names; empty for krOk. An unknown code still gives a sentence,
// with the number in it.
QString ResultMessage(int code);

class TCalcul;

// What the status line says of the dynamics when it is not complete: empty, or the reason
// the potential and mechanical energies are undefined (the y axis does not point up).
QString DynamicsNote(const TCalcul &calcul);

}  // namespace kolibra::kinematics
