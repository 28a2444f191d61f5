#pragma once
// The title picture "BmpTitre" that the video view shows while no video is open, drawn by
// the program: a ball's trajectory, its successive positions and the program's name.

#include <QImage>

namespace kolibra::videoview {

// The picture at its own size (960 x 540); the view stretches it.
QImage TitlePicture();

}  // namespace kolibra::videoview
