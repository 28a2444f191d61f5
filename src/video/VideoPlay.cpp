#include "video/VideoPlay.h"

#include "kit/MathUtils.h"

#include <QCoreApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QTransform>
#include <utility>
#include <cmath>
#include <cstring>
#include <vector>

namespace kolibra::video {

namespace videoplay {

// The source column (or row) each destination pixel takes: the one under its centre.
std::vector<int> NearestMap(int Start, int SourceSize, int DestinationSize, int FrameSize) {
  std::vector<int> map(DestinationSize);
  for (int d = 0; d < DestinationSize; ++d) {
    const int s = Start + static_cast<int>((int64_t(2 * d + 1) * SourceSize) / (int64_t(2) * DestinationSize));
    map[d] = s >= 0 && s < FrameSize ? s : -1;
  }
  return map;
}

// Draws one destination row of 24-bit pixels; -1 columns read as black.
void StretchRow(const uchar *Source, const std::vector<int> &Columns, uchar *Target, bool Invert) {
  const uchar flip = Invert ? 0xFF : 0x00;
  for (size_t x = 0; x < Columns.size(); ++x) {
    const int c = Columns[x];
    if (c < 0 || !Source) {
      Target[3 * x] = Target[3 * x + 1] = Target[3 * x + 2] = flip;
    } else {
      const uchar *p = Source + 3 * c;
      Target[3 * x] = p[0] ^ flip;
      Target[3 * x + 1] = p[1] ^ flip;
      Target[3 * x + 2] = p[2] ^ flip;
    }
  }
}

}  // namespace videoplay

QString FrameworkName(TFramework Framework) {
  switch (Framework) {
    case fwVfw:
      return QCoreApplication::translate("TVideoPlay", "Video for Windows");
    case fwDS:
      return QCoreApplication::translate("TVideoPlay", "DirectShow");
    case fwFFMpeg:
      return QCoreApplication::translate("TVideoPlay", "FFMpeg");
  }
  return QString();
}

QImage Upright(const QImage &Picture, TOrientation Orientation) {
  if (Orientation.IsIdentity() || Picture.isNull()) return Picture;
  // Qt turns clockwise on the screen, y growing downward.
  QImage turned =
      Orientation.Rotation == 0 ? Picture : Picture.transformed(QTransform().rotate(360 - Orientation.Rotation));
  if (Orientation.Mirrored) turned.mirror(true, false);
  return turned;
}

TOrientation OrientationOfTag(const QString &Tag) {
  // GStreamer names the clockwise turn that shows the picture right: "rotate-N" turns N
  // degrees clockwise, "flip-rotate-N" flips left to right first. A flip followed by a turn
  // is the opposite turn followed by the flip.
  static const QRegularExpression pattern(QStringLiteral("^(flip-)?rotate-(0|90|180|270)$"));
  const QRegularExpressionMatch match = pattern.match(Tag.trimmed());
  if (!match.hasMatch()) return {};
  const int degrees = match.captured(2).toInt();
  const bool flipped = !match.captured(1).isEmpty();
  return TOrientation{flipped ? degrees : (360 - degrees) % 360, flipped};
}

std::vector<double> VideoTimeStamps(TVideoPlay &Reader) {
  if (!Reader.Opened() || !Reader.VariableRate()) return {};
  std::vector<double> stamps = Reader.FrameTimes();
  // A table that does not say when each frame comes is no better than the interval.
  for (size_t i = 1; i < stamps.size(); ++i)
    if (!(stamps[i] > stamps[i - 1])) return {};
  return stamps;
}

double FrameTime(const std::vector<double> &Stamps, int Index, double Interval) {
  return Index >= 0 && size_t(Index) < Stamps.size() ? Stamps[size_t(Index)] : Index * Interval;
}

bool StretchFrame(const QImage &Frame, const QRect &Source, QImage &Destination, uint32_t Mode) {
  if (Frame.isNull() || Destination.isNull() || Source.width() <= 0 || Source.height() <= 0) return false;
  const QImage frame = Frame.format() == QImage::Format_RGB888 ? Frame : Frame.convertToFormat(QImage::Format_RGB888);
  const bool invert = Mode == NotSrcCopy;
  const int w = Destination.width();
  const int h = Destination.height();
  const std::vector<int> columns = videoplay::NearestMap(Source.left(), Source.width(), w, frame.width());
  const std::vector<int> rows = videoplay::NearestMap(Source.top(), Source.height(), h, frame.height());

  const bool direct = Destination.format() == QImage::Format_RGB888;
  QImage staging;
  QImage &target = direct ? Destination : staging;
  if (!direct) staging = QImage(w, h, QImage::Format_RGB888);
  // A 1:1 copy of whole rows is the common case of the view at 100 %: copy them whole.
  const bool identity = !invert && Source.left() == 0 && Source.width() == w && w == frame.width();
  for (int y = 0; y < h; ++y) {
    const uchar *line = rows[y] >= 0 ? frame.constScanLine(rows[y]) : nullptr;
    uchar *out = target.scanLine(y);
    if (identity && line) {
      memcpy(out, line, size_t(w) * 3);
    } else {
      videoplay::StretchRow(line, columns, out, invert);
    }
  }
  if (!direct) {
    QPainter painter(&Destination);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, staging);
  }
  return true;
}

bool TVideoPlay::Draw(QImage &Bitmap, const QRect &Source) {
  if (!FOpened || FDrawing) return false;
  FDrawing = true;
  const bool drawn = DrawFrame(Bitmap, Source);
  FDrawing = false;
  return drawn;
}

bool TVideoPlay::DrawFrame(QImage &Bitmap, const QRect &Source) {
  const QImage *frame = UprightFrame();
  return frame && StretchFrame(*frame, Source, Bitmap, DrawMode);
}

const QImage *TVideoPlay::UprightFrame() {
  const QImage *stored = FetchFrame();
  const TOrientation orientation = Orientation();
  if (!stored || orientation.IsIdentity()) return stored;
  if (FUprightPosition != FPosition || FUpright.isNull()) {
    FUpright = Upright(*stored, orientation);
    FUprightPosition = FPosition;
  }
  return &FUpright;
}

void TVideoPlay::SetStreamOrientation(TOrientation Orientation) {
  FStreamOrientation = Orientation;
  FOrientationIgnored = false;
  FUprightPosition = -1;
  if (Orientation.SwapsSides()) std::swap(FFrameWidth, FFrameHeight);
}

void TVideoPlay::SetOrientationIgnored(bool Ignored) {
  if (Ignored == FOrientationIgnored) return;
  FOrientationIgnored = Ignored;
  FUprightPosition = -1;
  FUpright = QImage();
  if (FStreamOrientation.SwapsSides()) std::swap(FFrameWidth, FFrameHeight);
}

bool TVideoPlay::SetRate(double Rate) {
  if (IsNearZero(Rate) || Rate < 0.0 || !std::isfinite(Rate)) {
    SetError(QCoreApplication::translate("TVideoPlay", "The file gives no frame rate."), ofFile);
    return false;
  }
  const double interval = 1.0 / Rate;
  const double delay = interval * 1000.0;
  // The playback timer counts in 16-bit milliseconds: a slower video cannot be played.
  if (RoundClamped(delay) > 65535) {
    SetError(QCoreApplication::translate("TVideoPlay",
                                         "The frame rate of this video (%1 frames per second) is too low: Kolibra "
                                         "cannot play frames more than 65.535 seconds apart.")
                 .arg(Rate, 0, 'g', 6),
             ofFile);
    return false;
  }
  FFrameRate = Rate;
  FFrameInterval = interval;
  FTimerDelay = static_cast<uint16_t>(RoundClamped(delay));
  return true;
}

void TVideoPlay::SetError(const QString &Text, TOpenFailure Kind) {
  FErrorText = Text;
  FErrorKind = Kind;
}

void TVideoPlay::ResetFields() {
  FOpened = false;
  FFrameCount = 0;
  FVariableRate = false;
  FCaptureRate = 0.0;
  FStreamOrientation = TOrientation();
  FOrientationIgnored = false;
  FUprightPosition = -1;
  FUpright = QImage();
}

}  // namespace kolibra::video
