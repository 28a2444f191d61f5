#pragma once
// The lens from a printed checkerboard filmed in the video itself: a handful of frames
// spread over the whole video are searched for the board, and the views where it is found
// fit the lens. The window's command and kolibra-cli calibrate both go through here.

#include "measurement/PlaneCalibration.h"

#include <QImage>
#include <QString>

#include <vector>

namespace kolibra::video {
class TVideoPlay;
}

namespace kolibra::work {

// Up to count frames spread evenly from the first to the last, at the video's own size
// (unreadable frames are left out). The reader is left on the frame it was on.
std::vector<QImage> SpreadFrames(video::TVideoPlay &reader, int count);

// FitLensFromCheckerboard on SpreadFrames(reader, LensFrames).
constexpr int LensFrames = 24;
bool LensFromCheckerboard(video::TVideoPlay &reader, int columns, int rows, measurement::TLens &lens,
                          QString *why = nullptr, int *found = nullptr);

}  // namespace kolibra::work
