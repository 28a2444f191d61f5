#include "work/LensFromVideo.h"

#include "video/VideoPlay.h"

#include <QCoreApplication>

#include <algorithm>

namespace kolibra::work {

std::vector<QImage> SpreadFrames(video::TVideoPlay &reader, int count) {
  std::vector<QImage> frames;
  if (!reader.Opened() || reader.FrameCount() <= 0 || count <= 0) return frames;
  const int total = reader.FrameCount();
  const int shown = reader.Position();
  const int taken = std::min(count, total);
  const auto previousMode = reader.DrawMode;
  reader.DrawMode = video::SrcCopy;
  for (int i = 0; i < taken; ++i) {
    const int frame = taken == 1 ? 0 : int((long long)i * (total - 1) / (taken - 1));
    reader.SetPosition(frame);
    QImage picture(reader.FrameWidth(), reader.FrameHeight(), QImage::Format_RGB888);
    if (reader.Draw(picture, QRect(0, 0, picture.width(), picture.height()))) frames.push_back(std::move(picture));
  }
  reader.DrawMode = previousMode;
  reader.SetPosition(shown);
  return frames;
}

bool LensFromCheckerboard(video::TVideoPlay &reader, int columns, int rows, measurement::TLens &lens, QString *why,
                          int *found) {
  if (!reader.Opened()) {
    if (why != nullptr)
      *why = QCoreApplication::translate("PlaneCalibrationText", "No video is open.");
    return false;
  }
  return measurement::FitLensFromCheckerboard(SpreadFrames(reader, LensFrames), columns, rows, lens, why, found);
}

}  // namespace kolibra::work
