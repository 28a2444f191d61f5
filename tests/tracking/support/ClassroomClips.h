#pragma once
// Classroom videos of ../shared/videos with positions marked for them here (tests/tracking/
// data): each clip, the outline a user would draw on its first frame, the frames marked and
// the tolerance, and a run of the tracker scored against the marks. Shared by the tests and
// the accuracy benchmark.

#include "kit/Types.h"
#include "tracking/TrackRun.h"
#include "tracking/support/Scenes.h"
#include "video/VideoSources.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <map>

namespace kolibra::tracking::classroom {

struct TClassroomClip {
  QString Video;       // file name in the shared videos
  QString Truth;       // file name in the marks folder
  double OutlineRadius = 10.0;
  int Last = 0;        // the last frame tracked
  double Size = 10.0;  // the object's size, pixels
  double Tolerance() const { return std::max(2.0, 0.05 * Size); }
};

inline TClassroomClip PuckOnAirTable() { return {QStringLiteral("Principe_inertie.avi"), QStringLiteral("Principe_inertie.truth.csv"), 36.0, 27, 50.0}; }
inline TClassroomClip ThrownRedBall() { return {QStringLiteral("balle1-vp9.avi"), QStringLiteral("balle1.truth.csv"), 9.0, 134, 13.0}; }

// frame -> position (frame pixels from the corner); '#' lines are comments.
inline std::map<int, TPointD> ReadMarks(const QString &path) {
  std::map<int, TPointD> marks;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return marks;
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QString line = in.readLine();
    if (line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1String("frame"))) continue;
    const QStringList f = line.split(QLatin1Char(','));
    if (f.size() == 3) marks[f[0].toInt()] = TPointD(f[1].toDouble(), f[2].toDouble());
  }
  return marks;
}

struct TClipScore {
  bool Ran = false;
  int Frames = 0, Within = 0, FoundFarOff = 0;
  double Worst = 0.0;
  double Share() const { return Frames == 0 ? 0.0 : double(Within) / Frames; }
};

// Tracks the clip from its first marked frame, a circle drawn round the first mark, and
// scores every marked frame after it.
inline TClipScore ScoreClip(const TClassroomClip &clip, const QString &videos, const QString &marksFolder,
                            const QString &klbDll) {
  TClipScore score;
  const std::map<int, TPointD> marks = ReadMarks(QDir(marksFolder).filePath(clip.Truth));
  video::TVideoSources sources(klbDll);
  if (marks.empty() || !sources.Open(QDir(videos).filePath(clip.Video))) return score;
  video::TVideoPlay &reader = *sources.Active();
  const int w = reader.FrameWidth(), h = reader.FrameHeight();
  const int first = marks.begin()->first;
  const TPointD start = marks.begin()->second;
  TTrackSetup setup;
  setup.Outline = testing::CircleOutlineFractions(start, clip.OutlineRadius, w, h);
  setup.StartFrame = first;
  setup.EndFrame = clip.Last;
  TReaderFrames frames(reader);
  TTrackRun run(frames);
  if (run.Start(setup) != teNone) return score;
  score.Ran = true;
  const double tolerance = clip.Tolerance();
  while (run.Next()) {
    const TTrackSample &s = run.Last();
    const auto mark = marks.find(s.Frame);
    if (mark == marks.end()) continue;
    ++score.Frames;
    if (!s.Located()) continue;
    const double error = std::hypot(s.Pixel.X - mark->second.X, s.Pixel.Y - mark->second.Y);
    score.Worst = std::max(score.Worst, error);
    if (error <= tolerance) ++score.Within;
    if (s.Status == fsFound && error > 3.0 * tolerance) ++score.FoundFarOff;
  }
  return score;
}

}  // namespace kolibra::tracking::classroom
