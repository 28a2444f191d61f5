#pragma once
// TVideoModel: everything the video view knows and decides, without a widget. The widget
// TVideo shows its back buffer, turns Qt's events into its calls and runs its timer; the
// main window and the other subsystems talk to this object.
//
// What it owns: one reader of each framework (through TVideoSources), the zoom, pan and
// magnifier states, the geometry, the mode and the view tool, the playback range and the
// back buffer. What it borrows: the measurement document, and, once they exist, the montage,
// the studio, the tracker, the capture and the video writer. A mode whose subsystem is
// missing is refused.
//
// Invariants:
// - Reader() is the reader that opened the current file; IsOpen() is its Opened().
// - A refused SetMode changes nothing at all: every refusal is checked before any step acts.
// - Every move to another frame tells the document (FrameChanged), so the layer shows the
//   position recorded for that frame.
// - The seek and the paint both run on the user-interface thread: the playback timer only
//   calls PlaybackTick there.

#include "kit/Types.h"
#include "measurement/ViewPort.h"
#include "video/VideoSources.h"
#include "videoview/LoupeModel.h"
#include "videoview/VideoModes.h"
#include "videoview/VideoSubsystems.h"
#include "videoview/ViewGeometry.h"
#include "videoview/Zoom.h"

#include <QImage>
#include <QString>
#include <functional>
#include <memory>

namespace kolibra {
class TIniFile;
}

namespace kolibra::measurement {
class TData;
}

namespace kolibra::videoview {

class TVideoModel : public measurement::IViewPort {
 public:
  using TNotifyEvent = std::function<void(TVideoModel *)>;
  using TMessageEvent = std::function<void(TVideoModel *, const QString &)>;

  // wrapperFolder: where the FFmpeg reader finds its wrapper (empty: beside the program).
  explicit TVideoModel(IVideoSurface &surface, const QString &wrapperFolder = QString());
  ~TVideoModel() override;
  TVideoModel(const TVideoModel &) = delete;
  TVideoModel &operator=(const TVideoModel &) = delete;

  // --- Links ----------------------------------------------------------------------------

  void SetDocument(measurement::TData *document);
  measurement::TData *Document() const { return FDocument; }
  void SetMontage(IVideoMontage *montage) { FMontage = montage; }
  void SetStudio(IVideoStudio *studio) { FStudio = studio; }
  void SetTracker(IVideoTracker *tracker) { FTracker = tracker; }
  void SetCapture(IVideoCapture *capture) { FCapture = capture; }
  void SetWriter(IVideoWriterState *writer) { FWriter = writer; }
  // Puts a reader in a framework's slot (and listens to it).
  void SetReader(video::TFramework framework, std::unique_ptr<video::TVideoPlay> reader);
  video::TVideoSources &Sources() { return *FSources; }

  // --- The file -------------------------------------------------------------------------

  // Chooses the framework and opens the file; false with OpenErrorText when it failed.
  bool Open(const QString &fileName);
  bool IsOpen() const;
  video::TVideoPlay *Reader() const { return FReader; }
  video::TFramework Framework() const { return FFramework; }
  const QString &OpenErrorText() const { return FOpenErrorText; }

  // The active reader's fields (0 or empty without a video).
  int FrameCount() const;
  int FrameWidth() const;
  int FrameHeight() const;
  // The rate the video was filmed at when the file says it, else 0.
  double CaptureRate() const;
  double FrameInterval() const;
  double FrameRate() const;
  int CurrentFrame() const;
  QString VideoFileName() const;
  bool ReaderBusy() const;
  bool VariableRate() const;
  // What the video's stream says of its pictures' orientation, and whether the user chose to
  // see them as stored. Changing the choice changes the frame size at once: marks placed
  // before no longer lie on what they marked.
  video::TOrientation StreamOrientation() const;
  bool OrientationIgnored() const;
  void SetOrientationIgnored(bool ignored);
  // The playback period in milliseconds: the reader's, but never 0.
  int TimerDelay() const;

  // --- Navigation among the frames the montage keeps --------------------------------------

  int ShownFrameCount() const;
  int ShownFrame() const;
  // The video frame of a shown index (the same index without a montage).
  int VideoFrameOf(int shownIndex) const;
  // Stops playback and shows the frame of a shown index; no repaint.
  void GoTo(int shownIndex);
  // Moves the reader to a video frame; no mapping, no repaint.
  void SetFrame(int videoIndex);
  void GoToLastMarkedFrame();

  // --- Playback -------------------------------------------------------------------------

  void Play(int fromIndex, int toIndex);
  void Stop();
  bool Playing() const { return FPlaying; }
  // One tick of the playback timer: the next frame, or the end of playback.
  void PlaybackTick();
  int PlayFrom() const { return FPlayFrom; }
  int PlayTo() const { return FPlayTo; }

  // --- Modes and tools ------------------------------------------------------------------

  // False when refused (OnModeRefused then fired and nothing changed).
  bool SetMode(int newMode);
  int Mode() const { return FMode; }
  bool IsMarkingMode() const { return videoview::IsMarkingMode(FMode); }
  void SetTool(int newTool);
  int Tool() const { return FTool; }

  // --- Zoom, pan, geometry --------------------------------------------------------------

  const TZoom &Zoom() const { return FZoom; }
  const TPan &Pan() const { return FPan; }
  const TViewGeometry &Geometry() const { return FGeometry; }
  void ResetZoom();
  // The zoom tool's click at a view point.
  void ZoomClick(TPoint pixel, bool zoomIn, bool fine);
  // The view was resized, or its scroll bars measured.
  void Resize(int width, int height);
  void SetBarThickness(int verticalWidth, int horizontalHeight);
  // A scroll bar was moved to a position (view pixels).
  void ScrollTo(Qt::Orientation orientation, int position);
  // Recomputes the display sizes and tells whoever draws on the view.
  void ViewChanged();

  // --- Drawing state --------------------------------------------------------------------

  bool HideImage() const { return FHideImage; }
  void SetHideImage(bool hide);
  bool Waiting() const { return FWaiting; }
  void SetWaiting(bool waiting);
  void SetTitleSize(int width, int height);
  int TitleWidth() const { return FTitleWidth; }
  int TitleHeight() const { return FTitleHeight; }

  TLoupeModel &Loupe() { return FLoupe; }
  const TLoupeModel &Loupe() const { return FLoupe; }
  void SetLoupeVisible(bool visible);

  // --- Painting -------------------------------------------------------------------------

  // Paints the back buffer (frame, band, overlay, waiting text). False when nothing may be
  // drawn now (a busy reader, no size); without a video it holds the title picture.
  bool PaintDisplay();
  // The screen copy is done: OnAfterPaint when a video was shown.
  void FinishPaint();
  const QImage &DisplayBitmap() const { return FDisplay; }

  // The reader's Draw with a raster operation (video writers).
  bool DrawFrame(QImage &bitmap, const QRect &source, uint32_t rasterOp);
  // The whole current frame at its own size.
  bool GrabFrame(QImage &bitmap);

  // --- Input from the widget ------------------------------------------------------------

  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel);
  // The second press of a double click: a press for the document, the end of a polygon for
  // the studio and the tracker.
  void MouseDoubleClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel);
  void MouseMove(Qt::KeyboardModifiers modifiers, TPoint pixel);
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel);
  // Keys of the marking modes; true when used.
  bool KeyDown(int key, Qt::KeyboardModifiers modifiers);
  // An arrow key moves the mouse pointer by one pixel, by ten with Ctrl, so that a point can
  // be placed precisely; true when the key was an arrow.
  bool NudgePointer(int key, Qt::KeyboardModifiers modifiers);
  TPoint PointerPosition() const { return FSurface.PointerPosition(); }

  // The cursor for the tool and mode, applied to the surface.
  int CursorCode() const;
  void UpdateCursor();

  // --- Work file ------------------------------------------------------------------------

  void SaveState(TIniFile &ini) const;

  // --- IViewPort ------------------------------------------------------------------------

  TPointD ScreenToFrame(TPoint pixel) const override;
  TPoint FrameToScreen(TPointD position) const override;
  int NativeFrameWidth() const override { return FrameWidth(); }
  int NativeFrameHeight() const override { return FrameHeight(); }
  int ClientWidth() const override { return FGeometry.BitmapWidth(); }
  int ClientHeight() const override { return FGeometry.BitmapHeight(); }
  int CurrentFrameIndex() const override { return CurrentFrame(); }
  int EditedFrameIndex() const override { return ShownFrame(); }
  void GoToFrame(int editedIndex) override;
  void GoToVideoFrame(int frameIndex) override;
  void Repaint() override { FSurface.RepaintNow(); }
  void Invalidate() override { FSurface.InvalidateView(); }
  void SetViewCursor(int code) override { FSurface.ApplyCursor(code); }

  // --- Events ---------------------------------------------------------------------------

  TNotifyEvent OnAfterPaint;
  TNotifyEvent OnZoomChange;
  TNotifyEvent OnVideoClose;
  TNotifyEvent OnToolChange;
  TNotifyEvent OnVideoOpen;
  TNotifyEvent OnModeChange;
  TNotifyEvent OnModeRefused;
  TMessageEvent OnMessage;

 private:
  void Listen(video::TVideoPlay *reader);
  void ReaderOpened(video::TVideoPlay *reader);
  void ReaderClosed(video::TVideoPlay *reader);
  void ReaderError(video::TVideoPlay *reader, const QString &message);
  // The document's measurement mode for the view's mode and whether a video is open.
  void SyncDocumentMode();
  bool ModeRefused(int newMode) const;
  void ApplyMode(int newMode);
  void ApplyZoom(int newFactor, TPoint centre);
  void UpdateGeometry();
  void EndPan();
  void EndBand(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel);
  IVideoOverlay *ModeOverlay() const;
  void Fire(const TNotifyEvent &event) { if (event) event(this); }

  IVideoSurface &FSurface;
  std::unique_ptr<video::TVideoSources> FSources;
  video::TVideoPlay *FReader = nullptr;
  video::TFramework FFramework = video::fwVfw;
  QString FOpenErrorText;

  measurement::TData *FDocument = nullptr;
  IVideoMontage *FMontage = nullptr;
  IVideoStudio *FStudio = nullptr;
  IVideoTracker *FTracker = nullptr;
  IVideoCapture *FCapture = nullptr;
  IVideoWriterState *FWriter = nullptr;

  int FMode = vmRepereFixe;
  int FTool = vtNone;
  TZoom FZoom;
  TPan FPan;
  TViewGeometry FGeometry;
  TLoupeModel FLoupe;

  bool FHideImage = false;
  bool FWaiting = false;
  int FTitleWidth = 0;
  int FTitleHeight = 0;
  QImage FTitle;
  QImage FDisplay;
  bool FShowedVideo = false;

  bool FPlaying = false;
  int FPlayFrom = 0;
  int FPlayTo = 0;
};

}  // namespace kolibra::videoview
