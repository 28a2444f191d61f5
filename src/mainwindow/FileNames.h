#pragma once
// The sample videos the main window writes at start-up. (The proposal of new file names is
// the program's save rule, kit/SaveDialogRule.h.)

#include <QString>

namespace kolibra::mainwindow {

struct TSampleVideos {
  QString Cylindre;
  QString Parabole;
};

// Writes the two sample videos of the program's resources into folder. False (and nothing
// to open) when either cannot be written.
bool WriteSampleVideos(const QString &folder, TSampleVideos &written);

// The sample opened at start-up: "Cylindre" when the seconds of the time are odd, else
// "Parabole".
QString ChooseSample(const TSampleVideos &samples, int seconds);

}  // namespace kolibra::mainwindow
