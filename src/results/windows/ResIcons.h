#pragma once
// The pictures of the results window's buttons, drawn by the program in a few colours: dark
// blue lines, an orange object, the constructs in their own default colours.

#include <QIcon>

namespace kolibra::results {

enum TResIcon : int {
  riTableau, riTemps, riReferentiel, riVecteur, riFormule, riClavier, riFermer,
  riModeleAffine, riModeleConstant, riModeleExponentiel, riModeleParabole, riModeleProportionnel,
  riModeleSinus, riModeleSinusAe, riModeleSinusAl, riModifierModele,
  riAngle, riArc, riCercle, riEllipse, riCurveArc, riDupliquer, riMesurer, riSegment, riSpline,
  riSelection, riSupprimer, riVecteurOutil, riSens, riVideo, riReticule, riPan, riZoom,
};

QIcon ResIcon(TResIcon icon);

}  // namespace kolibra::results
