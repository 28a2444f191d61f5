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
  if (sample.Located())
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
        << QCoreApplication::translate(
               "KolibraCliText", "The frames %1 to %2 are not all in this video (frames 0 to %3).")
               .arg(request.From)
               .arg(to)
               .arg(count - 1)
        << Qt::endl;
    return 1;
  }

  TTrackSetup setup;
  const int width = reader.FrameWidth();
  const int height = reader.FrameHeight();
  for (const TTrackOutline &object : request.Objects) {
    TPointDDynArray outline;
    if (object.CircleRadius > 0.0) {
      TPointDDynArray ring;
      for (const TPoint &p : CircleOutline(object.CircleCentre, object.CircleRadius)) ring.emplace_back(p);
      outline = track_cli::ToFractions(ring, width, height);
    } else {
      outline = track_cli::ToFractions(object.Polygon, width, height);
    }
    if (setup.Outline.empty())
      setup.Outline = std::move(outline);
    else
      setup.Others.push_back(std::move(outline));
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
  const bool several = run.ObjectCount() > 1;
  out << (several ? "object," : "") << "frame,t,x_px,y_px,status,similarity\n";
  const double interval = reader.FrameInterval();
  const std::vector<double> &stamps = frames.TimeStamps();
  auto write = [&] {
    const std::vector<TTrackSample> &samples = run.LastAll();
    for (size_t i = 0; i < samples.size(); ++i) {
      if (several) out << i + 1 << ',';
      track_cli::WriteSample(out, samples[i], request.From, stamps, interval);
    }
    // Frame by frame: a script reading along sees the run advance, and a run stopped
    // halfway keeps every line written so far.
    out.flush();
  };
  write();
  while (run.Next()) write();
  out.flush();
  return 0;
}

}  // namespace kolibra::tracking
