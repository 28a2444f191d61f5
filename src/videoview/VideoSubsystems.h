#pragma once
// What the video view needs of the objects that work on it and of the window that shows it.
// Each subsystem plugs in through one of these when it is built; until then the view has
// none, and the mode that needs it is refused. Navigation without a montage keeps every
// frame.

#include "kit/Types.h"

#include <Qt>

class QPainter;

namespace kolibra::videoview {

// The studio and the tracker draw over the frame and take the mouse and the keyboard in
// their own modes.
class IVideoOverlay {
 public:
  virtual ~IVideoOverlay() = default;
  virtual void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel) = 0;
  // The second press of a double click (polygons end there); by default a plain press.
  virtual void MouseDoubleClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel) {
    MouseDown(button, modifiers, pixel);
  }
  virtual void MouseMove(Qt::KeyboardModifiers modifiers, TPoint pixel) = 0;
  virtual void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel) = 0;
  // True when the key was used.
  virtual bool KeyDown(int key, Qt::KeyboardModifiers modifiers) = 0;
  virtual void Paint(QPainter *canvas) = 0;
  // Zoom, pan or resize: screen positions must be recomputed.
  virtual void ViewChanged() = 0;
  // A code of the cursor table.
  virtual int CursorCode() const = 0;
};

class IVideoStudio : public IVideoOverlay {
 public:
  virtual void Deactivate() = 0;
};

class IVideoTracker : public IVideoOverlay {
 public:
  virtual void Deactivate() = 0;
  virtual void ActivateAndPrepare() = 0;
  virtual bool SequenceRunning() const = 0;
  virtual void StopSequence() = 0;
  // Leaving tracking mode: offers to keep the positions found as marks.
  virtual void Commit() = 0;
  virtual void Reset() = 0;
};

class IVideoCapture {
 public:
  virtual ~IVideoCapture() = default;
  // Prepares the devices and, when none is connected, searches for one. True when a device
  // is connected afterwards.
  virtual bool PrepareDevices() = 0;
  virtual bool Recording() const = 0;
  virtual void StopRecording() = 0;
  virtual void StopPreview() = 0;
  virtual void SetPreviewAllowed(bool allowed) = 0;
};

// The montage: which video frames the user keeps, in which order.
class IVideoMontage {
 public:
  virtual ~IVideoMontage() = default;
  virtual int KeptCount() const = 0;
  // The video frame of a kept index (out of range: -1).
  virtual int VideoFrameOf(int keptIndex) const = 0;
  // The kept index of a video frame, or of the nearest kept frame before it.
  virtual int KeptIndexOf(int videoFrame) const = 0;
  virtual bool IsKept(int videoFrame) const = 0;
  virtual void EditingEnded() = 0;
  virtual void VideoOpened(int frameCount) = 0;
};

class IVideoWriterState {
 public:
  virtual ~IVideoWriterState() = default;
  virtual bool Writing() const = 0;
  virtual void Reset() = 0;
  // Playback stopped on a read error while the writer was being fed.
  virtual void PlaybackInterrupted() = 0;
};

// The widget that shows the view, or a test double.
class IVideoSurface {
 public:
  virtual ~IVideoSurface() = default;
  // Paints at once (the back buffer, then the screen) / asks for a paint soon.
  virtual void RepaintNow() = 0;
  virtual void InvalidateView() = 0;
  virtual void ApplyCursor(int code) = 0;
  virtual void SetViewVisible(bool visible) = 0;
  virtual bool ViewVisible() const = 0;
  // The scroll bars or the magnifier must follow the geometry.
  virtual void GeometryChanged() = 0;
  virtual void StartPlaybackTimer(int periodMs) = 0;
  virtual void StopPlaybackTimer() = 0;
  // The mouse pointer in view pixels, and a way to move it (keyboard placement).
  virtual TPoint PointerPosition() const = 0;
  virtual void MovePointer(TPoint viewPixel) = 0;
  // Lets pending window messages run (the waiting text must show before a long task).
  virtual void ProcessPendingEvents() = 0;
};

}  // namespace kolibra::videoview
