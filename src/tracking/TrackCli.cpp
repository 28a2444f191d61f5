#include "tracking/TrackCli.h"

#include "kit/MathUtils.h"
#include "measurement/DrawHelpers.h"
#include "tracking/TrackRun.h"
#include "video/VideoCli.h"

#include <QCoreApplication>

namespace kolibra::tracking {

namespace track_cli {

TPointDDynArray ToFractions(const TPointDDynArray &pixels, int width, int height) {
  TPointDDynArray fractions;
  fractions.reserve(pixels.size());
  for (const TPointD &p : pixels) fractions.emplace_back(p.X / width, p.Y / height);
  return fractions;
}

// t counts from the first frame tracked, as a measurement counts from its first mark: on the
// video's stamps where its frame durations vary.
void WriteSample(QTextStream &out, const TTrackSample &sample, int from, const std::vector<double> &stamps,
                 double interval) {
  const double t = video::FrameTime(stamps, sample.Frame, interval) - video::FrameTime(stamps, from, interval);
  out << sample.Frame << ',' << QString::number(t, 'g', 10) << ',';
  if (sample.Status == fsFound)
    out << QString::number(sample.Pixel.X, 'f', 2) << ',' << QString::number(sample.Pixel.Y, 'f', 2);
  else
    out << ',';
  out << ',' << FrameStatusToken(sample.Status) << ',';
  if (sample.Status != fsUnreadable) out << QString::number(sample.Similarity, 'f', 4);
  out << '\n';
}

}  // namespace track_cli

TPointDynArray CircleOutline(TPointD centre, double radius) {
  return measurement::CirclePoints(TPoint(RoundClamped(centre.X), RoundClamped(centre.Y)), RoundClamped(radius));
}

int TrackVideo(video::TVideoSources &sources, const TTrackRequest &request, QTextStream &out, QTextStream &err) {
  if (!video::OpenVideoOrExplain(sources, request.FileName, request.Forced, err)) return 1;
  video::TVideoPlay &reader = *sources.Active();
  const int count = reader.FrameCount();
  const int to = request.To.value_or(count - 1);
  if (request.From < 0 || request.From >= count || to < request.From || to >= count) {
    err << request.FileName << ": "
        << QCoreApplication::translate("kolibra-cli", "The frames %1 to %2 are not all in this video (frames 0 to %3).")
               .arg(request.From)
               .arg(to)
               .arg(count - 1)
        << Qt::endl;
    return 1;
  }

  TTrackSetup setup;
  const int width = reader.FrameWidth();
  const int height = reader.FrameHeight();
  if (request.CircleRadius > 0.0) {
    TPointDDynArray ring;
    for (const TPoint &p : CircleOutline(request.CircleCentre, request.CircleRadius)) ring.emplace_back(p);
    setup.Outline = track_cli::ToFractions(ring, width, height);
  } else {
    setup.Outline = track_cli::ToFractions(request.Polygon, width, height);
  }
  for (const TPointDDynArray &zone : request.Ignore) setup.Zones.push_back(track_cli::ToFractions(zone, width, height));
  setup.StartFrame = request.From;
  setup.EndFrame = to;
  setup.Step = request.Step;
  setup.Radius = request.Radius;

  TReaderFrames frames(reader);
  TTrackRun run(frames);
  const TTargetError error = run.Start(setup);
  if (error != teNone) {
    err << request.FileName << ": " << TargetErrorText(error) << Qt::endl;
    return error == teUnreadable ? 1 : 2;
  }
  out << "frame,t,x_px,y_px,status,similarity\n";
  const double interval = reader.FrameInterval();
  const std::vector<double> stamps = video::VideoTimeStamps(reader);
  track_cli::WriteSample(out, run.Last(), request.From, stamps, interval);
  while (run.Next()) track_cli::WriteSample(out, run.Last(), request.From, stamps, interval);
  out.flush();
  return 0;
}

}  // namespace kolibra::tracking
