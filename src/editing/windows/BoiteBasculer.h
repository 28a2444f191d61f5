#pragma once
// TBoiteBasculer: the window of the series dialog (hide or show a series of frames). It is
// built at each Execute from TBoiteBasculerModel's texts; the model decides which keys the
// combo box takes and whether Ok may close it.

#include "editing/MontageDialogs.h"
#include "kit/Color.h"

#include <QFont>

namespace kolibra::editing {

class TBoiteBasculer {
 public:
  // Shows the dialog; the model's selection and action stand when Accepted() is true.
  void Execute(TBoiteBasculerModel &model);

  QFont Font;
  TColor BackGroundColor = colors::clBtnFace;
};

}  // namespace kolibra::editing
