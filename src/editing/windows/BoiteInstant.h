#pragma once
// TBoiteInstant: the window of the missing-frame dialog. Its arrows shift the current frame
// and every later one at once through TBoiteInstantModel; "&Ok" only closes it.

#include "editing/Montage.h"
#include "editing/windows/BoiteBasculer.h"
#include "kit/Color.h"

#include <QFont>

namespace kolibra::editing {

class TBoiteInstant {
 public:
  void Execute(TBoiteInstantModel &model);

  QFont Font;
  TColor BackGroundColor = colors::clBtnFace;
};

// Both montage dialogs as the montage asks for them.
class TMontageDialogWindows : public IMontageDialogs {
 public:
  void ShowSeries(TBoiteBasculerModel &model) override { Series.Execute(model); }
  void ShowMissingFrame(TBoiteInstantModel &model) override { Instant.Execute(model); }
  void SetFont(const QFont &font) {
    Series.Font = font;
    Instant.Font = font;
  }

  TBoiteBasculer Series;
  TBoiteInstant Instant;
};

}  // namespace kolibra::editing
