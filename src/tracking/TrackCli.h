#pragma once
// What "kolibra-cli track" does once its command line is read: open the video, set the
// target up from an outline in frame pixels, run the same tracking sequence as the main
// window and print one CSV line per frame of the sequence:
//   frame,t,x_px,y_px,status,similarity
// t is in seconds from the first frame of the sequence; x_px and y_px are frame pixels
// (empty for a lost or unreadable frame); status is found, uncertain, lost or unreadable;
// similarity (0 to 1, empty for an unreadable frame) says how well the object's picture
// matches there. With several objects, one line per object and frame, each starting with
// the column object (1, 2, ... in the order the outlines were given):
//   object,frame,t,x_px,y_px,status,similarity
// Numbers are written with a point whatever the locale.

#include "kit/Types.h"
#include "video/VideoSources.h"

#include <QString>
#include <QTextStream>

#include <optional>
#include <vector>

namespace kolibra::tracking {

// An object's outline, in frame pixels of the start frame: a circle when CircleRadius > 0,
// else the polygon.
struct TTrackOutline {
  TPointD CircleCentre;
  double CircleRadius = 0.0;
  TPointDDynArray Polygon;
};

struct TTrackRequest {
  QString FileName;
  std::optional<video::TFramework> Forced;
  std::vector<TTrackOutline> Objects;  // at least one
  std::vector<TPointDDynArray> Ignore;  // zones to ignore, frame pixels
  int From = 0;
  std::optional<int> To;  // the last frame when not given
  int Step = 1;
  int Radius = 40;
};

// The closed ring of pixels round a circle, as the window's circle tool makes it.
TPointDynArray CircleOutline(TPointD centre, double radius);

// 0 when the sequence was tracked; 1 with the reason on err when the video cannot be read
// or the frames asked are not in it; 2 when the target cannot be set up.
int TrackVideo(video::TVideoSources &sources, const TTrackRequest &request, QTextStream &out, QTextStream &err);

}  // namespace kolibra::tracking
