#pragma once
// What the studio needs beyond the video view's geometry (IViewPort): the frame's pixels,
// the document's frame step and first colour, and the save dialog. The main window answers
// it from the video view and the measurement document; tests and kolibra-cli answer it
// themselves.

#include "kit/Color.h"
#include "kit/SaveFileRequest.h"

#include <QImage>
#include <QString>

namespace kolibra::studio {

class IStudioHost {
 public:
  virtual ~IStudioHost() = default;
  // The whole current frame at its own size; false when it cannot be drawn.
  virtual bool GrabFrame(QImage &bitmap) = 0;
  // Frames between two marks (the document's frame step): completing an outline moves on
  // by this many frames.
  virtual int FrameStep() const = 0;
  // Outlines are drawn in the colour of the first measured object.
  virtual TColor OutlineColor() const = 0;
  // The save dialog; true with the chosen file name.
  virtual bool AskSaveFile(const TSaveFileRequest &request, QString &fileName) = 0;
  // A file was written: its folder becomes the recent-files folder.
  virtual void FileSaved(const QString &fileName) = 0;
};

}  // namespace kolibra::studio
