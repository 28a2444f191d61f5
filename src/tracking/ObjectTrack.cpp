#include "tracking/ObjectTrack.h"

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#include <opencv2/video/tracking.hpp>

#include <algorithm>
#include <climits>
#include <cmath>

namespace kolibra::tracking {

namespace object_track {

// Mean-shift steps per frame for the colour stage.
constexpr int ColourIterations = 10;
// Below this colour similarity only background is under the object's mask.
constexpr double ColourLost = 0.2;
// At and above this colour similarity the colours confirm a position.
constexpr double ColourConfirm = 0.8;
// How sure a position found is (pixels): the picture's peak is good to a fraction of a
// pixel.
constexpr double MeasureSigma = 0.5;
// How freely the acceleration may change from frame to frame (pixels per frame cubed):
// thrown objects and pendulums stay well inside, a hand's jolt does not.
constexpr double JerkSigma = 0.3;
// What is known of the acceleration on the first frame (pixels per frame squared).
constexpr double StartAccelerationSigma = 3.0;
// A position this many standard deviations from the prediction departs from the motion.
constexpr double Gate = 4.0;
// Allowance for an outline not drawn exactly on the object's centre, and for shape
// changes (pixels), in the gate.
constexpr double ShapeAllowance = 2.0;
// How fast the picture learns the object's new look, on confident frames.
constexpr double LearnRate = 0.1;
constexpr double LearnMatch = 0.7;
// How fast the estimates of how far each stage strays from the motion follow.
constexpr double SpreadRate = 0.2;
// Peaks of the correlation weighed per frame.
constexpr int Candidates = 5;
// A picture flatter than this (standard deviation of its levels) cannot be matched by its
// shape: the colours alone decide then.
constexpr double FlatPicture = 2.0;

// The pictures are compared smoothed over about a tenth of the object's size: fine texture
// seen through or round the object (bricks, grain, compression blocks) then weighs less
// than the object's own shape.
double SmoothingFor(int width, int height) { return std::clamp(std::max(width, height) / 10.0, 0.8, 4.0); }

void Smooth(const cv::Mat &source, cv::Mat &target, double sigma) {
  cv::GaussianBlur(source, target, cv::Size(), sigma, sigma, cv::BORDER_REPLICATE);
}

cv::Mat Wrap(const QImage &image) {
  // Frames are 24-bit pictures; anything else is converted once.
  return cv::Mat(image.height(), image.width(), CV_8UC3, const_cast<uchar *>(image.constBits()),
                 size_t(image.bytesPerLine()));
}

// The offset (-0.5 ... 0.5) of a peak's summit from its centre sample c between l and r.
double ParabolaOffset(double l, double c, double r) {
  const double curvature = l - 2.0 * c + r;
  if (curvature >= -1e-12) return 0.0;
  return std::clamp(0.5 * (l - r) / curvature, -0.5, 0.5);
}

// Colours in 16 levels a channel, for telling the object from what surrounds it.
constexpr int ColourBins = 4096;
int ColourBin(const cv::Mat &image, int x, int y) {
  const cv::Vec3b &p = image.at<cv::Vec3b>(y, x);
  return (p[0] >> 4) * 256 + (p[1] >> 4) * 16 + (p[2] >> 4);
}

// The least share of the pixels inside an outline a colour of the object holds.
constexpr double MinColourShare = 0.015;

// The object inside an outline drawn round it: the pixels whose colour is clearly more
// frequent inside the outline than in a ring of background round its box. Gives their
// centre and the half sides of the box that holds them (with a little background, which
// gives the picture its edges); false when too few pixels stand out.
bool ObjectInside(const cv::Mat &image, const QRect &box, const TMatriceI &mask, TPointD &centre, int &halfWidth,
                  int &halfHeight) {
  auto bin = [&](int x, int y) { return ColourBin(image, x, y); };
  std::vector<int> inside(ColourBins, 0), ring(ColourBins, 0);
  int insideCount = 0, ringCount = 0;
  for (int row = 0; row < box.height() && size_t(row) < mask.size(); ++row)
    for (int col = 0; col < box.width() && size_t(col) < mask[size_t(row)].size(); ++col)
      if (mask[size_t(row)][size_t(col)] != 0) {
        ++inside[size_t(bin(box.x() + col, box.y() + row))];
        ++insideCount;
      }
  const int margin = std::max(4, std::max(box.width(), box.height()) / 4);
  const cv::Rect outer = cv::Rect(box.x() - margin, box.y() - margin, box.width() + 2 * margin, box.height() + 2 * margin) &
                         cv::Rect(0, 0, image.cols, image.rows);
  for (int y = outer.y; y < outer.y + outer.height; ++y)
    for (int x = outer.x; x < outer.x + outer.width; ++x) {
      if (box.contains(x, y)) continue;
      ++ring[size_t(bin(x, y))];
      ++ringCount;
    }
  if (insideCount == 0 || ringCount == 0) return false;
  double sx = 0.0, sy = 0.0;
  int count = 0, left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
  for (int row = 0; row < box.height() && size_t(row) < mask.size(); ++row)
    for (int col = 0; col < box.width() && size_t(col) < mask[size_t(row)].size(); ++col) {
      if (mask[size_t(row)][size_t(col)] == 0) continue;
      const int x = box.x() + col, y = box.y() + row;
      const size_t b = size_t(bin(x, y));
      // A colour of the object is frequent inside and rare round it; a colour held by only a
      // few pixels is the fringe that compression (chroma subsampling) leaves round edges,
      // often on one side only.
      if (double(inside[b]) / insideCount <= 2.0 * double(ring[b]) / ringCount ||
          inside[b] < std::max(3.0, MinColourShare * insideCount))
        continue;
      sx += x;
      sy += y;
      ++count;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  if (count < 6) return false;
  centre = TPointD(sx / count, sy / count);
  halfWidth = int(std::ceil(std::max(centre.X - left, right - centre.X))) + 2;
  halfHeight = int(std::ceil(std::max(centre.Y - top, bottom - centre.Y))) + 2;
  return true;
}

}  // namespace object_track

using namespace object_track;

struct TObjectTrack::TState {
  TMeanShift Colour;
  cv::KalmanFilter Kalman{6, 2, 0, CV_64F};
  cv::Mat TemplateF;  // CV_32FC3, the learnt picture
  cv::Mat Template;   // CV_8UC3, the picture matched
  cv::Mat Result;
  cv::Mat Work;
  cv::Mat Window;     // the search window, smoothed
  // How far the picture's peak and the colours' position have strayed from the prediction
  // lately (mean squares, pixels squared).
  double PickSpread = 1.0, ColourSpread = 1.0;
  TPointD Bias;       // the picture's peak on its own first frame, off its centre
  int Tw = 0, Th = 0;
  double Sigma = 1.0;
  int Radius = 40;
  bool Flat = false;
  bool HasZones = false;
  int LostRun = 0;
  double LastTime = 0.0;

  void Predict(double time);
  void Correct(TPointD p, double sigma);
  // At p, its motion unknown: at most Radius pixels a frame, acceleration as on a first frame.
  void Restart(TPointD p);
  TPointD Predicted() const { return TPointD(Kalman.statePre.at<double>(0), Kalman.statePre.at<double>(1)); }
  TObjectResult ByColour(const QImage &frame, TPointD predicted);
};

void TObjectTrack::TState::Predict(double time) {
  double dt = time - LastTime;
  if (!(dt > 1e-6)) dt = 1.0;
  LastTime = time;
  cv::Mat &f = Kalman.transitionMatrix;
  f = cv::Mat::eye(6, 6, CV_64F);
  for (int axis = 0; axis < 2; ++axis) {
    f.at<double>(axis, 2 + axis) = dt;
    f.at<double>(axis, 4 + axis) = 0.5 * dt * dt;
    f.at<double>(2 + axis, 4 + axis) = dt;
  }
  // White jerk: the acceleration wanders, position and velocity follow.
  const double g[3] = {dt * dt * dt / 6.0, dt * dt / 2.0, dt};
  cv::Mat &q = Kalman.processNoiseCov;
  q = cv::Mat::zeros(6, 6, CV_64F);
  for (int axis = 0; axis < 2; ++axis)
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) q.at<double>(2 * i + axis, 2 * j + axis) = JerkSigma * JerkSigma * g[i] * g[j];
  Kalman.predict();
}

void TObjectTrack::TState::Correct(TPointD p, double sigma) {
  Kalman.measurementNoiseCov = cv::Mat::eye(2, 2, CV_64F) * (sigma * sigma);
  const cv::Mat measured = (cv::Mat_<double>(2, 1) << p.X, p.Y);
  Kalman.correct(measured);
}

void TObjectTrack::TState::Restart(TPointD p) {
  Kalman.statePost = (cv::Mat_<double>(6, 1) << p.X, p.Y, 0.0, 0.0, 0.0, 0.0);
  const double r = Radius, a = StartAccelerationSigma;
  Kalman.errorCovPost = cv::Mat::diag((cv::Mat_<double>(6, 1) << 1.0, 1.0, r * r, r * r, a * a, a * a));
}

TObjectResult TObjectTrack::TState::ByColour(const QImage &frame, TPointD predicted) {
  // The old way, for a picture without shape: colours alone.
  TObjectResult result;
  const TSearchResult found = Colour.Search(predicted, frame, ColourIterations);
  result.Match = found.Similarity;
  if (!found.Found || found.Similarity < ColourLost) {
    result.Position = predicted;
    ++LostRun;
    return result;
  }
  result.Position = found.Position;
  result.Verdict = found.Similarity < 0.6 ? TObjectVerdict::Uncertain : TObjectVerdict::Found;
  Correct(found.Position, result.Verdict == TObjectVerdict::Found ? 1.0 : 4.0);
  LostRun = 0;
  return result;
}

TObjectTrack::TObjectTrack() : S(std::make_unique<TState>()) {}
TObjectTrack::~TObjectTrack() = default;
TObjectTrack::TObjectTrack(TObjectTrack &&) noexcept = default;
TObjectTrack &TObjectTrack::operator=(TObjectTrack &&) noexcept = default;

int TObjectTrack::Size() const { return std::max(S->Tw, S->Th); }
const TMeanShift &TObjectTrack::Shift() const { return S->Colour; }

void TObjectTrack::SetRadius(int radius) {
  S->Radius = std::clamp(radius, TMeanShift::MinRadius, TMeanShift::MaxRadius);
  S->Colour.SetRadius(radius);
}

TTargetError TObjectTrack::Start(const QImage &frame, const TPointDDynArray &outline,
                                 const std::vector<TPointDDynArray> &zones, int radius, double time,
                                 TPointD &centre) {
  TState &s = *S;
  SetRadius(radius);
  s.Colour.SetZones(zones, frame.width(), frame.height());
  s.HasZones = !zones.empty();
  const TTargetError error = s.Colour.InitTarget(frame, outline, centre);
  if (error != teNone) return error;
  s.Colour.SetBins(TMeanShift::DefaultBins);
  s.Colour.BuildTarget();
  // An outline is drawn roughly round the object: its colours tell where the object's own
  // centre is and how far it reaches.
  const QRect box = s.Colour.TargetRect();
  const cv::Mat image = Wrap(frame);
  TPointD own;
  int halfWidth = 0, halfHeight = 0;
  s.PickSpread = s.ColourSpread = 1.0;
  if (ObjectInside(image, box, s.Colour.TargetMask(), own, halfWidth, halfHeight) &&
      std::hypot(own.X - centre.X, own.Y - centre.Y) < std::max(box.width(), box.height()) / 4.0) {
    centre = own;
    s.Tw = std::min(2 * halfWidth + 1, box.width() | 1);
    s.Th = std::min(2 * halfHeight + 1, box.height() | 1);
  } else {
    // Odd sides: the picture's centre is then a pixel's centre.
    s.Tw = box.width() | 1;
    s.Th = box.height() | 1;
  }
  s.Tw = std::max(3, s.Tw);
  s.Th = std::max(3, s.Th);
  s.Sigma = SmoothingFor(s.Tw, s.Th);
  const int margin = int(std::ceil(3.0 * s.Sigma)) + 1;
  const cv::Rect around = cv::Rect(int(std::floor(centre.X)) - s.Tw / 2 - margin, int(std::floor(centre.Y)) - s.Th / 2 - margin,
                                   s.Tw + 2 * margin + 1, s.Th + 2 * margin + 1) &
                          cv::Rect(0, 0, frame.width(), frame.height());
  Smooth(image(around), s.Window, s.Sigma);
  cv::getRectSubPix(s.Window, cv::Size(s.Tw, s.Th), cv::Point2f(float(centre.X - around.x), float(centre.Y - around.y)),
                    s.TemplateF, CV_32F);
  s.TemplateF.convertTo(s.Template, CV_8U);
  s.Bias = TPointD();
  {
    // Where the picture's peak falls on its own frame: at its centre, give or take the
    // lean that background at one side gives the peak.
    cv::Mat self;
    const cv::Point at(int(std::lround(centre.X)) - around.x - (s.Tw - 1) / 2 - 1,
                       int(std::lround(centre.Y)) - around.y - (s.Th - 1) / 2 - 1);
    const cv::Rect patch(at.x, at.y, s.Tw + 2, s.Th + 2);
    if ((patch & cv::Rect(0, 0, s.Window.cols, s.Window.rows)) == patch) {
      cv::matchTemplate(s.Window(patch), s.Template, self, cv::TM_CCOEFF_NORMED);
      const double dx = ParabolaOffset(self.at<float>(1, 0), self.at<float>(1, 1), self.at<float>(1, 2));
      const double dy = ParabolaOffset(self.at<float>(0, 1), self.at<float>(1, 1), self.at<float>(2, 1));
      // Measured from the whole pixel the window was cut round.
      s.Bias = TPointD(std::lround(centre.X) + dx - centre.X, std::lround(centre.Y) + dy - centre.Y);
    }
  }
  cv::Scalar mean, deviation;
  cv::meanStdDev(s.Template, mean, deviation);
  s.Flat = std::max({deviation[0], deviation[1], deviation[2]}) < FlatPicture;

  cv::KalmanFilter &k = s.Kalman;
  k.init(6, 2, 0, CV_64F);
  k.measurementMatrix = cv::Mat::zeros(2, 6, CV_64F);
  k.measurementMatrix.at<double>(0, 0) = 1.0;
  k.measurementMatrix.at<double>(1, 1) = 1.0;
  s.Restart(centre);
  s.LastTime = time;
  s.LostRun = 0;
  return teNone;
}

void TObjectTrack::Skip(double time) { S->Predict(time); }

TObjectResult TObjectTrack::Track(const QImage &frame, double time) {
  TState &s = *S;
  s.Predict(time);
  const int width = frame.width();
  const int height = frame.height();
  const TPointD raw = s.Predicted();
  const TPointD predicted(std::clamp(raw.X, 0.0, double(width - 1)), std::clamp(raw.Y, 0.0, double(height - 1)));
  if (s.Flat) return s.ByColour(frame, predicted);

  // The window: wide enough for the prediction's uncertainty, never narrower than the
  // radius, and wider after each frame lost.
  const cv::Mat &p = s.Kalman.errorCovPre;
  const double sx = std::sqrt(std::max(0.0, p.at<double>(0, 0)));
  const double sy = std::sqrt(std::max(0.0, p.at<double>(1, 1)));
  const double limit = std::max(width, height);
  double half = std::max(double(s.Radius), 3.0 * std::max(sx, sy) + 2.0) * std::min(1.0 + 0.5 * s.LostRun, 3.0);
  // In steps of 8 pixels, so the buffers keep their size from frame to frame.
  half = std::min({std::ceil(half / 8.0) * 8.0, 4.0 * s.Radius, limit});
  TObjectResult result;
  result.Position = predicted;

  const int cx = int(std::lround(predicted.X));
  const int cy = int(std::lround(predicted.Y));
  const int h = int(std::ceil(half));
  const cv::Rect wanted(cx - h - (s.Tw - 1) / 2, cy - h - (s.Th - 1) / 2, 2 * h + s.Tw, 2 * h + s.Th);
  const cv::Rect roi = wanted & cv::Rect(0, 0, width, height);
  if (roi.width < s.Tw || roi.height < s.Th) {
    ++s.LostRun;
    return result;
  }
  const cv::Mat image = Wrap(frame);
  Smooth(image(roi), s.Window, s.Sigma);
  cv::matchTemplate(s.Window, s.Template, s.Result, cv::TM_CCOEFF_NORMED);
  cv::Mat &map = s.Result;
  // Result (i, j) puts the picture's centre on pixel (roi.x + i + ox, roi.y + j + oy).
  const int ox = (s.Tw - 1) / 2;
  const int oy = (s.Th - 1) / 2;
  if (s.HasZones)
    for (int j = 0; j < map.rows; ++j)
      for (int i = 0; i < map.cols; ++i)
        if (s.Colour.Ignored(roi.x + i + ox, roi.y + j + oy)) map.at<float>(j, i) = -1.0f;

  // The colour stage, from the prediction.
  const TSearchResult colour = s.Colour.Search(predicted, frame, ColourIterations);

  // Inverse of the innovation's covariance, with an allowance for the shape.
  const double allowance = ShapeAllowance * ShapeAllowance + MeasureSigma * MeasureSigma;
  const double a = p.at<double>(0, 0) + allowance, b = p.at<double>(0, 1), d = p.at<double>(1, 1) + allowance;
  const double det = std::max(1e-12, a * d - b * b);
  // How far q is from the prediction, in deviations, squared.
  auto distance2 = [&](TPointD q) {
    const double ex = q.X - raw.X, ey = q.Y - raw.Y;
    return (d * ex * ex - 2.0 * b * ex * ey + a * ey * ey) / det;
  };

  struct TCandidate {
    TPointD Position;
    double Match = -1.0;
    double Distance2 = 0.0;
    double Score = -1e9;
  };
  auto refine = [&](cv::Point peak) {
    TCandidate c;
    c.Match = map.at<float>(peak);
    double dx = 0.0, dy = 0.0;
    if (peak.x > 0 && peak.x + 1 < map.cols)
      dx = ParabolaOffset(map.at<float>(peak.y, peak.x - 1), c.Match, map.at<float>(peak.y, peak.x + 1));
    if (peak.y > 0 && peak.y + 1 < map.rows)
      dy = ParabolaOffset(map.at<float>(peak.y - 1, peak.x), c.Match, map.at<float>(peak.y + 1, peak.x));
    c.Position = TPointD(roi.x + peak.x + ox + dx, roi.y + peak.y + oy + dy);
    c.Distance2 = distance2(c.Position);
    // A look-alike far from where the object should be loses to the object near it; beyond
    // a few deviations the picture decides, so an object thrown all at once is not given up
    // for something duller by the prediction.
    c.Score = c.Match - 0.01 * std::min(c.Distance2, 30.0);
    return c;
  };

  std::vector<TCandidate> candidates;
  cv::Mat &work = s.Work;
  map.copyTo(work);
  for (int n = 0; n < Candidates; ++n) {
    double best = 0.0;
    cv::Point at;
    cv::minMaxLoc(work, nullptr, &best, nullptr, &at);
    if (best < LostMatch * 0.8 && n > 0) break;
    candidates.push_back(refine(at));
    const cv::Rect around(at.x - s.Tw / 2, at.y - s.Th / 2, s.Tw, s.Th);
    work(around & cv::Rect(0, 0, work.cols, work.rows)).setTo(-2.0f);
  }
  // Where the colours lead, the best peak close by.
  if (colour.Found) {
    const int i = int(std::lround(colour.Position.X)) - roi.x - ox;
    const int j = int(std::lround(colour.Position.Y)) - roi.y - oy;
    const cv::Rect near(i - 2, j - 2, 5, 5);
    const cv::Rect inside = near & cv::Rect(0, 0, map.cols, map.rows);
    if (inside.area() > 0) {
      cv::Point at;
      cv::minMaxLoc(map(inside), nullptr, nullptr, nullptr, &at);
      candidates.push_back(refine(at + inside.tl()));
    }
  }
  const auto chosen = std::max_element(candidates.begin(), candidates.end(),
                                       [](const TCandidate &l, const TCandidate &r) { return l.Score < r.Score; });
  if (chosen == candidates.end() || chosen->Match < LostMatch) {
    result.Match = chosen == candidates.end() ? 0.0 : std::max(0.0, chosen->Match);
    // The picture no longer matches (a new background round the object, a new look), but
    // the object's colours are where the motion leads: doubtful, not lost.
    if (s.LostRun == 0 && colour.Found && colour.Similarity >= ColourConfirm) {
      if (distance2(colour.Position) <= Gate * Gate) {
        result.Verdict = TObjectVerdict::Uncertain;
        result.Position = colour.Position;
        s.Correct(colour.Position, std::max(2.0, std::max(s.Tw, s.Th) / 4.0));
        return result;
      }
    }
    ++s.LostRun;
    return result;
  }

  const TCandidate c = *chosen;
  result.Match = std::clamp(c.Match, 0.0, 1.0);
  const double colourHere = s.Colour.Similarity(c.Position, frame);
  const double reach = std::max(s.Tw, s.Th) / 2.0;
  const bool colourAgrees =
      colourHere >= ColourLost ||
      (colour.Found && std::hypot(colour.Position.X - c.Position.X, colour.Position.Y - c.Position.Y) <= reach);
  // Colours that settle on the same spot confirm the picture.
  const bool coloursConfirm =
      colour.Found && colourHere >= ColourConfirm &&
      std::hypot(colour.Position.X - c.Position.X, colour.Position.Y - c.Position.Y) <= reach / 2.0;
  // The picture's peak sits a little off the object where the picture holds background
  // at one side: as much as on its own first frame.
  const TPointD pick(c.Position.X - s.Bias.X, c.Position.Y - s.Bias.Y);
  TPointD position = pick;
  const bool coloursNear = colour.Found && colour.Similarity >= ColourLost &&
                           std::hypot(colour.Position.X - pick.X, colour.Position.Y - pick.Y) <= reach;
  if (coloursNear) {
    // Both stages place the object: each weighs as it has lately kept to the motion. A
    // see-through or textured object is placed better by its colours, a large one in front
    // of a changing background by its picture.
    auto strayed = [&](TPointD p) { return (p.X - raw.X) * (p.X - raw.X) + (p.Y - raw.Y) * (p.Y - raw.Y); };
    s.PickSpread += SpreadRate * (strayed(pick) - s.PickSpread);
    s.ColourSpread += SpreadRate * (strayed(colour.Position) - s.ColourSpread);
    const double wp = 1.0 / (s.PickSpread + 0.05), wc = 1.0 / (s.ColourSpread + 0.05);
    position = TPointD((wp * pick.X + wc * colour.Position.X) / (wp + wc), (wp * pick.Y + wc * colour.Position.Y) / (wp + wc));
  }
  const bool onCourse = c.Distance2 <= Gate * Gate;
  // Far beyond the motion's reach, a match is something else that looks like the object.
  const bool nearCourse = c.Distance2 <= 4.0 * Gate * Gate;

  if (s.LostRun > 0) {
    // Taken back only on a confident match where the object can be by now: the prediction
    // has run on alone, its uncertainty growing frame after frame.
    const bool wellOnCourse = c.Distance2 <= Gate * Gate / 4.0;
    if ((c.Match < ResumeMatch && !(c.Match >= FoundMatch && coloursConfirm)) || !colourAgrees || !wellOnCourse) {
      ++s.LostRun;
      return result;
    }
    result.Verdict = TObjectVerdict::Found;
  } else if ((c.Match >= FoundMatch || coloursConfirm) && colourAgrees && onCourse) {
    result.Verdict = TObjectVerdict::Found;
  } else if (nearCourse) {
    result.Verdict = TObjectVerdict::Uncertain;
  } else if (c.Match >= ResumeMatch && colourAgrees &&
             std::hypot(position.X - raw.X, position.Y - raw.Y) <= s.Radius) {
    // The object itself, plainly, within the radius the user allows, but not where the
    // motion so far leads: thrown, kicked, let go. Doubtful here, and its motion is learnt
    // afresh from this frame on.
    result.Verdict = TObjectVerdict::Uncertain;
    result.Position = position;
    s.Restart(position);
    s.LostRun = 0;
    return result;
  } else {
    ++s.LostRun;
    return result;
  }
  result.Position = position;

  if (result.Verdict == TObjectVerdict::Found) {
    s.Correct(position, MeasureSigma);
    if (c.Match >= LearnMatch) {
      cv::Mat patch;
      cv::getRectSubPix(s.Window, cv::Size(s.Tw, s.Th),
                        cv::Point2f(float(position.X - roi.x), float(position.Y - roi.y)), patch, CV_32F);
      cv::accumulateWeighted(patch, s.TemplateF, LearnRate);
      s.TemplateF.convertTo(s.Template, CV_8U);
    }
  } else {
    // A doubtful position still tells where the object went, loosely.
    s.Correct(position, std::max(2.0, reach / 2.0));
  }
  s.LostRun = 0;
  return result;
}

}  // namespace kolibra::tracking
