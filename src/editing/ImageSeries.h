#pragma once
// The names of still images: those a video is converted to (Base_000.bmp ... Base_119.bmp)
// and the numbered series a video is assembled from (shot07.bmp, shot08.bmp, ...).

#include <QString>
#include <QStringList>

namespace kolibra::editing {

// The chosen file name without its final suffix only: "bmpshots.bmp" gives "bmpshots",
// "a.b.bmp" gives "a.b" (the folder is kept).
QString StillBaseName(const QString &chosen);
// Digits of the numbers of count images: 3 for 120 (000 ... 119), 1 for 9.
int StillDigits(int count);
// Base + "_" + index with leading zeros to digits + ".bmp".
QString StillFileName(const QString &base, int index, int digits);
// The names of count images of base that already exist.
QStringList ExistingStills(const QString &base, int count);

// The file and the rest of its numbered series: its base name ends in n digits forming k,
// and the files with k + 1, k + 2, ... written to n digits follow while they exist. A base
// name without trailing digits gives the file alone.
QStringList CompleteSeries(const QString &file);
// Sorted by name ignoring case, numbers compared by value: img2 before img10.
void SortNumerically(QStringList &files);
// The images chosen by the user: one file completes its series, several are taken as they
// are; then sorted numerically.
QStringList ImageList(const QStringList &chosen);

}  // namespace kolibra::editing
