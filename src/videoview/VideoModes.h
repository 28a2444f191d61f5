#pragma once
// The video view's working modes and view tools. The mode numbers are stored in work files
// and compared as numbers by every subsystem, so they are plain integers, not a class enum.

namespace kolibra::videoview {

enum TVideoMode : int {
  vmNone = 0,         // only while closing: the tracker is not reset
  vmCapture = 1,
  vmMontage = 2,
  vmRepereFixe = 3,   // marking with axes fixed to the camera
  vmStudio = 4,
  vmTracking = 5,
  vmTransparent = 6,  // marking on a layer
};

enum TVideoTool : int {
  vtNone = 0,  // the mode's own tool acts
  vtZoom = 1,
  vtPan = 2,
};

inline bool IsMarkingMode(int mode) { return mode == vmRepereFixe || mode == vmTransparent; }

}  // namespace kolibra::videoview
