#pragma once
// TBoiteRecordMontage: the writing dialog. Each Execute builds the modal window from the
// writer's dialog model (TBoiteRecordMontageModel), which keeps every value between showings
// for the whole run, and from the writer's frameworks and codecs. Four tabs: "Summary",
// "Compression" (the codec list is refilled each time the page shows, since what opens
// depends on the output size), "Dimensions" (resize or crop) and "Setup" (blank frames,
// frame rate of a video made from images, framework).

#include "editing/RecordMontage.h"
#include "kit/Color.h"

#include <QFont>
#include <functional>

class QWidget;

namespace kolibra::editing {

class TBoiteRecordMontage {
 public:
  // True with OK; the model and the writer's framework and codec then hold the choice.
  bool Execute(TBoiteRecordMontageModel &model, TRecordMontage &writer);

  QFont Font{QStringLiteral("Arial"), 10};
  TColor BackGroundColor = colors::clBtnFace;
  // Called with the window once it is built, before it shows (tests and screenshots).
  std::function<void(QWidget *form)> OnShown;
};

}  // namespace kolibra::editing
