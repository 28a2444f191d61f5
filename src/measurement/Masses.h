#pragma once
// TMasses: the mass of each object in kilograms, one list for the fixed-axes objects and one
// for the layer's, as the names are. An object has no mass until the user gives it one; the
// dynamic quantities (momentum, energies, centre of mass) exist only for objects that have.
//
// Invariant: a stored mass is finite and above zero; anything else reads as no mass.
// The work file keeps the masses in a section of their own ("Masses", keys "Grid_i" and
// "Layer_i" for object i, and "ShowCentreOfMass"), which readers of the document's own keys
// never look at.

#include <QString>

#include <vector>

namespace kolibra {
class TIniFile;
}

namespace kolibra::measurement {

class TMasses {
 public:
  bool HasMass(bool layer, int object) const;
  // The mass in kilograms; 0 without one.
  double Mass(bool layer, int object) const;
  // Every object's mass up to count objects, 0 where there is none.
  std::vector<double> List(bool layer, int count) const;
  // A mass above zero sets it; 0 (or anything not a usable mass) takes it away. Returns
  // whether something changed.
  bool Set(bool layer, int object, double kilograms);
  bool IsEmpty() const;

  // Whether the video shows the centre of mass (key "ShowCentreOfMass" of the section).
  bool ShowCentre = false;

  static QString SectionName() { return QStringLiteral("Masses"); }
  void SaveToIni(TIniFile &ini) const;
  // A file without the section leaves every object without mass.
  void LoadFromIni(const TIniFile &ini);

  bool operator==(const TMasses &other) const = default;

 private:
  std::vector<double> &ListOf(bool layer) { return layer ? Layer : Fixed; }
  const std::vector<double> &ListOf(bool layer) const { return layer ? Layer : Fixed; }

  std::vector<double> Fixed;
  std::vector<double> Layer;
};

// A typed mass: empty text is no mass (true, kilograms 0); a number above zero, with "." or
// "," as decimal point, is a mass; anything else is refused (false).
bool ParseMassText(const QString &text, double &kilograms);
// The text a mass is shown with: empty for none, else the shortest exact form with ".".
QString MassText(double kilograms);

}  // namespace kolibra::measurement
