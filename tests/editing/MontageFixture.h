#pragma once
// The montage on the video view model with the reader double (every file opens as a video
// of the given number of frames), a real measurement document and scripted message boxes.

#include "editing/Montage.h"
#include "videoview/support/VideoFixture.h"

#include <vector>

namespace kolibra::editing::testing {

class MontageFixture : public videoview::testing::VideoFixture {
 protected:
  explicit MontageFixture(int frames = 10) : VideoFixture(frames) {
    model.SetMontage(&montage);
    data.SetTimeShifts(&montage);
    OpenVideo();
  }
  ~MontageFixture() override {
    model.SetMontage(nullptr);
    data.SetTimeShifts(nullptr);
  }

  void Edit() { ASSERT_TRUE(model.SetMode(videoview::vmMontage)); }
  void GoTo(int frame) { model.SetFrame(frame); }
  // The keptSlots of the kept frames, in video order.
  std::vector<int> KeptSlots() const {
    std::vector<int> keptSlots;
    for (int frame = 0; frame < montage.FrameCount(); ++frame)
      if (montage.IsKept(frame)) keptSlots.push_back(montage.Slot(frame));
    return keptSlots;
  }
  // A mark of object 0 on a frame, in the collection of the current marking mode.
  void Mark(int frame, measurement::TPolyContainer &collection, TPointD position = TPointD(0.5, 0.5)) {
    GoTo(frame);
    collection.SetCurrentMarkOrderNumber(0);
    collection.PointMark(position);
  }

  TMontage montage{model, data, options};
};

}  // namespace kolibra::editing::testing
