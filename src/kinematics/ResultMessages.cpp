#include "kinematics/ResultMessages.h"

#include "kinematics/Calcul.h"
#include "kinematics/ResultCodes.h"
#include "kit/Texts.h"

#include <QCoreApplication>

namespace kolibra::kinematics {

namespace result_messages_impl {

const char *MessageOf(int code) {
  switch (code) {
    case krTooFewSamples:
      return QT_TRANSLATE_NOOP(
          "KinematicsResultsText",
          "An object has fewer than 3 marks: its velocity and acceleration cannot be calculated.");
    case krNoObject:
      return QT_TRANSLATE_NOOP("KinematicsResultsText", "There is no object to calculate.");
    case krNoScale:
      return QT_TRANSLATE_NOOP(
          "KinematicsResultsText",
          "The scale is not defined: place both ends of the scale and type its length.");
    case krNoVideo:
      return QT_TRANSLATE_NOOP("KinematicsResultsText", "No video is open.");
    case krZeroDivisor:
      return QT_TRANSLATE_NOOP("KinematicsResultsText", "The interval between 2 frames is zero.");
    case krEqualAbscissas:
      return QT_TRANSLATE_NOOP("KinematicsResultsText", "Two marked frames fall at the same time.");
    case krMismatchedSeries:
      return QT_TRANSLATE_NOOP("KinematicsResultsText",
                               "The times and the positions of an object do not match.");
    case krFitSingular:
      return QT_TRANSLATE_NOOP("KinematicsResultsText",
                               "Smoothing failed: no curve could be fitted to the marks.");
    case krFitTooFewPoints:
      return QT_TRANSLATE_NOOP("KinematicsResultsText",
                               "Smoothing failed: fewer than 2 marks to fit.");
    case krFitNoCoefficient:
      return QT_TRANSLATE_NOOP("KinematicsResultsText",
                               "Smoothing failed: no coefficient left to fit.");
    case krFitNoRange:
      return QT_TRANSLATE_NOOP("KinematicsResultsText",
                               "Smoothing failed: every mark lies at the same time.");
    default:
      return nullptr;
  }
}

}  // namespace result_messages_impl

QString ResultMessage(int code) {
  if (code == krOk) return QString();
  if (const char *text = result_messages_impl::MessageOf(code))
    return KinematicsResultsText::tr(text);
  return KinematicsResultsText::tr("Calculation error %1.").arg(code);
}

QString DynamicsNote(const TCalcul &calcul) {
  if (calcul.MassiveObjectsCount() == 0 || calcul.PotentialEnergyDefined(rfAxes)) return QString();
  return KinematicsResultsText::tr(
      "The y axis does not point up: the potential energy Ep and the mechanical "
      "energy Em are left undefined.");
}

}  // namespace kolibra::kinematics
