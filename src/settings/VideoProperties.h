#pragma once
// The content of the video information dialog: what it says about the open video, line by
// line with each line's style, and where the text sits. TBoiteProprietes (settings windows)
// only pours these lines into its read-only rich text.

#include "kit/Color.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

namespace kolibra::settings {

// What the dialog needs to know of the open video.
struct TVideoProperties {
  QString FileName;
  double FrameRate = 0.0;      // frames per second
  int FrameWidth = 0;          // pixels
  int FrameHeight = 0;
  int FrameCount = 0;
  double FrameDuration = 0.0;  // seconds; 0 when no video is open
  // How the stream turns its pictures upright (degrees counter-clockwise, a flip), and
  // whether the user sees them as stored instead; the dialog changes only the last.
  int Rotation = 0;
  bool Mirrored = false;
  bool RotationIgnored = false;
  double CaptureRate = 0.0;  // frames per second when filmed, 0 when the file does not say
  bool VariableRate = false;
};

struct TPropertiesLine {
  QString Text;
  bool Bold = false;
  bool Centred = false;
  TColor Color = colors::clBlack;
};

class TPropertiesModel {
 public:
  static constexpr QSize FormSize{320, 250};

  // "Properties".
  static QString DefaultCaption();

  // The dialog shows only a video with a frame duration; without one it shows nothing.
  static bool CanShow(const TVideoProperties &video);

  // The title, the file name in blue and the five figures, with their empty lines; then what
  // a phone's video may add: its rotation, its capture rate, uneven frame durations.
  static std::vector<TPropertiesLine> Lines(const TVideoProperties &video);
  // The video's pictures are turned or flipped: the dialog offers to show them as stored.
  static bool HasOrientation(const TVideoProperties &video) { return video.Rotation != 0 || video.Mirrored; }
  // "Show the pictures as stored (ignore the rotation)".
  static QString IgnoreRotationCaption();

  // The rich text fills the client area but for a margin of 12 pixels left and right and 14
  // above and below.
  static QRect TextRect(QSize client) { return QRect(12, 14, client.width() - 24, client.height() - 28); }
};

}  // namespace kolibra::settings
