#pragma once
// The sample video "Parabole" marked where the ball truly is: the scale on the drawn 1 m
// bar, the origin at the picture's bottom-left corner (where the drawing's metres start),
// and one mark per frame at the true position written beside the video. Measured this way,
// the ball's acceleration is the g = 9.81 m/s² that drew it.

#include "work/HeadlessWork.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

#include <vector>

namespace kolibra::editing::testing {

struct TTruePosition {
  int Frame = 0;
  double T = 0.0, XMetres = 0.0, YMetres = 0.0;
  TPointD Relative;  // frame-relative
};

inline constexpr int ParaboleWidth = 480;
inline constexpr int ParaboleHeight = 360;

inline QString SampleFile(const char *name) { return QDir(QStringLiteral(KOLIBRA_TEST_SAMPLES)).filePath(QLatin1String(name)); }

inline std::vector<TTruePosition> ParaboleTruth() {
  std::vector<TTruePosition> rows;
  QFile csv(SampleFile("Parabole.csv"));
  if (!csv.open(QIODevice::ReadOnly | QIODevice::Text)) return rows;
  QTextStream in(&csv);
  in.readLine();  // frame,t,x_m,y_m,x_px,y_px
  while (!in.atEnd()) {
    const QStringList cells = in.readLine().split(QLatin1Char(','));
    if (cells.size() < 6) continue;
    TTruePosition row;
    row.Frame = cells[0].toInt();
    row.T = cells[1].toDouble();
    row.XMetres = cells[2].toDouble();
    row.YMetres = cells[3].toDouble();
    row.Relative = TPointD(cells[4].toDouble() / ParaboleWidth, cells[5].toDouble() / ParaboleHeight);
    rows.push_back(row);
  }
  return rows;
}

// Copies the sample video into folder and returns the copy.
inline QString CopyParabole(const QString &folder) {
  const QString copy = QDir(folder).filePath(QStringLiteral("Parabole.avi"));
  QFile::remove(copy);
  QFile::copy(SampleFile("Parabole.avi"), copy);
  return copy;
}

// A headless measurement with options of its own and the program's FFmpeg wrapper.
class THeadlessParabole : public work::THeadlessWork {
 public:
  explicit THeadlessParabole(const QString &folder)
      : THeadlessWork(QDir(folder).filePath(QStringLiteral("Kolibra.ini")), QStringLiteral(KOLIBRA_TEST_KLBDLL_DIR)) {}

  // Opens video and marks the ball at its true positions, as described above.
  bool MarkTrajectory(const QString &video) {
    if (!Video.Open(video)) return false;
    measurement::TEchelle &scale = Data.Scale();
    // The bar runs from (1.1 m, 0.12 m) to (2.1 m, 0.12 m) at 200 pixels per metre.
    scale.ScalePoint1 = TPointD(220.0 / ParaboleWidth, 336.0 / ParaboleHeight);
    scale.ScalePoint2 = TPointD(420.0 / ParaboleWidth, 336.0 / ParaboleHeight);
    scale.ScalePointsNumber = 2;
    Data.SetScaleLength(1.0);
    Data.Axes().OriginePointsNumber = 1;
    Data.Axes().OrigineCurrent = TPointD(0.0, 1.0);
    for (const TTruePosition &row : ParaboleTruth()) {
      Video.SetFrame(row.Frame);
      Data.FixedMarks().PointMark(row.Relative);
    }
    Video.SetFrame(0);
    return Data.FixedMarks().MarksCount() > 40;
  }
};

}  // namespace kolibra::editing::testing
