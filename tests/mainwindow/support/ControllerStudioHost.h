#pragma once
// The studio's host for tests of the main window's rules: frames come from the video model,
// outlines are red, and no file is ever saved.

#include "kit/Color.h"
#include "kit/SaveFileRequest.h"
#include "studio/Studio.h"
#include "videoview/VideoModel.h"

#include <QImage>

namespace kolibra::mainwindow::testing {

class TControllerStudioHost : public studio::IStudioHost {
 public:
  explicit TControllerStudioHost(videoview::TVideoModel &video) : Video(video) {}
  bool GrabFrame(QImage &bitmap) override { return Video.GrabFrame(bitmap); }
  int FrameStep() const override { return 1; }
  TColor OutlineColor() const override { return colors::clRed; }
  bool AskSaveFile(const TSaveFileRequest &, QString &) override { return false; }
  void FileSaved(const QString &) override {}
  videoview::TVideoModel &Video;
};

}  // namespace kolibra::mainwindow::testing
