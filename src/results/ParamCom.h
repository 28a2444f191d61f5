#pragma once
// TParamCom: the scale of one vector kind (velocities, accelerations...), shared by all the
// vectors of that kind on a graph. A vector's pixel length is Facteur x plot width x |v|;
// the scale bar of LongueurPx pixels stands for Valeur physical units.

#include <QString>

namespace kolibra::results {

class TParamCom {
 public:
  TParamCom(const QString &unite, int id, int longueurPx, int largeurPx);

  QString Unite;        // "m/s", "m/s²"...
  int Id = 0;           // the caller's key of the vector kind
  int LongueurPx = 64;  // length of the scale bar
  int LargeurPx = 0;    // plot width
  double Facteur = 1.0;     // plot widths per physical unit
  double FacteurMax = 10.0;
  double FacteurMin = 0.2;
  double Valeur = 0.0;      // LongueurPx / (LargeurPx x Facteur)
  // No plot to size the scale on yet: it is sized from the vectors once the plot has a width.
  bool SizePending = false;

  // The factor that makes the longest vector (magnitude m) a tenth of the plot wide, with
  // its bounds. False, everything kept, when m or the plot width is zero (or m not finite).
  bool InitFromLongest(double m);
  // The same with the longest vector lengthPx pixels long.
  bool InitFromLongest(double m, double lengthPx);
  // Shortens every vector so that none is longer than a factor allows (a factor above the
  // current one changes nothing); the bounds stay those of the initial scale.
  void LimitFactor(double factor);
  // The scale value typed by the user: accepted only when its factor lies within the bounds
  // (and the value is neither zero nor huge).
  bool SetValeur(double value);
  // A new plot width: the shown value is kept when its factor stays in bounds, else the
  // factor is clamped to the nearer bound and the value follows.
  void SetLargeur(int largeurPx);
  void SetLongueur(int longueurPx);

 private:
  void UpdateValeur();
};

}  // namespace kolibra::results
