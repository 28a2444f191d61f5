#pragma once
// File names the main window makes: the proposal for a new file derived from the video's
// name, and the sample videos written at start-up.

#include <QDate>
#include <QString>

namespace kolibra::mainwindow {

// Today's date as ddmmyyyy, digits only whatever the system's separators.
QString DateDigits(const QDate &date);

// folder + base + "_" + n + date suffix + extension for the smallest n >= 1 whose file does
// not exist. base is name without its extension, with every occurrence of the date digits
// removed and trailing "_" stripped; the date suffix is "_" + the date digits with withDate,
// else nothing; the extension is lower-cased, its dots removed, one dot put in front.
QString ProposeFileName(const QString &folder, const QString &name, const QString &extension, bool withDate,
                        const QDate &today = QDate::currentDate());

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
