#include "measurement/Masses.h"

#include "kit/Locale.h"

#include "kit/IniFile.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace kolibra::measurement {

namespace masses_impl {

// Beyond this, a typed mass is a slip of the keyboard, not a laboratory object.
constexpr double MaxMass = 1e9;
constexpr int MaxObjects = 1000;

bool Usable(double kilograms) { return std::isfinite(kilograms) && kilograms > 0.0 && kilograms <= MaxMass; }

QString KeyPrefix(bool layer) { return layer ? QStringLiteral("Layer") : QStringLiteral("Grid"); }

}  // namespace masses_impl

bool TMasses::HasMass(bool layer, int object) const { return Mass(layer, object) > 0.0; }

double TMasses::Mass(bool layer, int object) const {
  const std::vector<double> &list = ListOf(layer);
  return object >= 0 && object < int(list.size()) ? list[size_t(object)] : 0.0;
}

std::vector<double> TMasses::List(bool layer, int count) const {
  std::vector<double> list(size_t(std::max(0, count)), 0.0);
  for (int o = 0; o < count; ++o) list[size_t(o)] = Mass(layer, o);
  return list;
}

bool TMasses::Set(bool layer, int object, double kilograms) {
  if (object < 0 || object >= masses_impl::MaxObjects) return false;
  const double value = masses_impl::Usable(kilograms) ? kilograms : 0.0;
  std::vector<double> &list = ListOf(layer);
  if (Mass(layer, object) == value) return false;
  if (int(list.size()) <= object) list.resize(size_t(object) + 1, 0.0);
  list[size_t(object)] = value;
  while (!list.empty() && list.back() == 0.0) list.pop_back();
  return true;
}

bool TMasses::IsEmpty() const { return Fixed.empty() && Layer.empty(); }

namespace masses_impl {

const QString ShowCentreKey = QStringLiteral("ShowCentreOfMass");

}  // namespace masses_impl

void TMasses::SaveToIni(TIniFile &ini) const {
  const QString section = SectionName();
  ini.EraseSection(section);
  for (const bool layer : {false, true}) {
    const std::vector<double> &list = ListOf(layer);
    for (size_t o = 0; o < list.size(); ++o)
      if (list[o] > 0.0) ini.WriteString(section, IndexedKey(masses_impl::KeyPrefix(layer), int(o)), MassText(list[o]));
  }
  if (ShowCentre) ini.WriteBool(section, masses_impl::ShowCentreKey, true);
}

void TMasses::LoadFromIni(const TIniFile &ini) {
  Fixed.clear();
  Layer.clear();
  const QString section = SectionName();
  ShowCentre = ini.ReadBool(section, masses_impl::ShowCentreKey, false);
  if (!ini.SectionExists(section)) return;
  for (const QString &key : ini.Keys(section)) {
    for (const bool layer : {false, true}) {
      const QString prefix = masses_impl::KeyPrefix(layer) + QLatin1Char('_');
      if (!key.startsWith(prefix, Qt::CaseInsensitive)) continue;
      bool ok = false;
      const int object = key.mid(prefix.size()).toInt(&ok);
      double kilograms = 0.0;
      // A damaged value is no mass, never a wrong one.
      if (ok && ParseMassText(ini.ReadString(section, key, QString()), kilograms)) Set(layer, object, kilograms);
    }
  }
}

bool ParseMassText(const QString &text, double &kilograms) {
  kilograms = 0.0;
  if (text.trimmed().isEmpty()) return true;
  double value = 0.0;
  if (!TextToReal(text, value) || !masses_impl::Usable(value)) return false;
  kilograms = value;
  return true;
}

QString MassText(double kilograms) {
  if (!masses_impl::Usable(kilograms)) return QString();
  return QString::number(kilograms, 'g', QLocale::FloatingPointShortest);
}

}  // namespace kolibra::measurement
