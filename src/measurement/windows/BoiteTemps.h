#pragma once
// TBoiteTemps: the time-interval dialog. It builds its modal window at each Execute from
// TTimeBaseDialogModel's texts and hands the model every click and key; the rules (which
// radio button is checked, what the edit accepts, what Ok refuses) are the model's.

#include "kit/Color.h"
#include "measurement/TimeBase.h"

#include <QFont>
#include <QString>
#include <functional>

namespace kolibra::measurement {

class TBoiteTemps {
 public:
  TBoiteTemps();

  // Shows the dialog for a video whose frames last defaultDuration seconds while the
  // document's interval is frameInterval. True, with the typed interval in result, when
  // the user closes it with Ok on a valid value; false on Cancel.
  bool Execute(double defaultDuration, double frameInterval, double &result);
  // The same for a video that may have time stamps and a capture rate: on Ok, choice holds
  // the interval and whether times follow the stamps.
  bool Execute(TTimeBaseChoice &choice);

  QString Caption;
  QFont Font;
  TColor BackGroundColor = colors::clBtnFace;
  // The first radio button applies the default duration at once.
  std::function<void(double)> OnApplyDefault;
  // The small button beside the unit opens the calculator.
  std::function<void()> OnCalculator;
};

}  // namespace kolibra::measurement
