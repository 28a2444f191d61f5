#pragma once
// TBoiteProprietes: the video information dialog. Each Execute builds a modal window with a
// read-only rich text of TPropertiesModel's lines and releases it when the user closes it.

#include "kit/Color.h"
#include "settings/VideoProperties.h"

#include <QFont>
#include <QString>

namespace kolibra::settings {

class TBoiteProprietes {
 public:
  TBoiteProprietes();

  // Shows the information on the video until the user closes the window. Shows nothing and
  // returns false when the video has no frame duration (none is open). A video whose
  // pictures are turned gets a check box: video.RotationIgnored holds it on return.
  bool Execute(TVideoProperties &video);

  QString Caption;
  QFont Font;
  TColor BackGroundColor = colors::clBtnFace;
};

}  // namespace kolibra::settings
