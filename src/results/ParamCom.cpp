#include "results/ParamCom.h"

#include "kit/MathUtils.h"

#include <algorithm>
#include <cmath>

namespace kolibra::results {

TParamCom::TParamCom(const QString &unite, int id, int longueurPx, int largeurPx)
    : Unite(unite), Id(id), LongueurPx(longueurPx), LargeurPx(largeurPx) {
  UpdateValeur();
}

void TParamCom::UpdateValeur() {
  const double divisor = double(LargeurPx) * Facteur;
  Valeur = IsNearZero(divisor) ? 0.0 : LongueurPx / divisor;
}

bool TParamCom::InitFromLongest(double m) { return InitFromLongest(m, 0.1 * LargeurPx); }

bool TParamCom::InitFromLongest(double m, double lengthPx) {
  // All vectors zero, or no plot yet: dividing would give an infinite factor.
  if (!std::isfinite(m) || IsNearZero(m) || LargeurPx <= 0 || !(lengthPx > 0.0)) return false;
  Facteur = lengthPx / (m * LargeurPx);
  FacteurMax = 10.0 * Facteur;
  FacteurMin = 0.2 * Facteur;
  UpdateValeur();
  return true;
}

void TParamCom::LimitFactor(double factor) {
  if (!(factor > 0.0) || factor >= Facteur) return;
  Facteur = factor;
  UpdateValeur();
}

bool TParamCom::SetValeur(double value) {
  if (IsNearZero(value) || IsHuge(value) || LargeurPx <= 0) return false;
  const double factor = LongueurPx / (value * LargeurPx);
  if (!(factor >= FacteurMin && factor <= FacteurMax)) return false;
  Facteur = factor;
  Valeur = value;
  return true;
}

void TParamCom::SetLargeur(int largeurPx) {
  LargeurPx = largeurPx;
  if (LargeurPx <= 0 || IsNearZero(Valeur)) {
    UpdateValeur();
    return;
  }
  const double factor = LongueurPx / (Valeur * LargeurPx);
  if (factor >= FacteurMin && factor <= FacteurMax) {
    Facteur = factor;
    return;
  }
  Facteur = std::clamp(factor, FacteurMin, FacteurMax);
  UpdateValeur();
}

void TParamCom::SetLongueur(int longueurPx) {
  LongueurPx = longueurPx;
  UpdateValeur();
}

}  // namespace kolibra::results
