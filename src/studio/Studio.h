#pragma once
// TStudio: the chronophotography studio of the video view's studio mode. The user outlines
// a moving object on several frames; the studio then pastes the object's pixels from each
// outlined frame onto one picture, over a blank page or over the frame of its first
// position, and saves it. It also saves the current frame as a still picture.
//
// What it owns: the outlines (TModele), at most one per frame — every operation addresses
// the first outline whose Frame is the frame shown. What it borrows: the video view
// (IViewPort: conversions, the frame shown, moving to a frame, repaints and the cursor) and
// its host (IStudioHost: the frame's pixels, the frame step, the outline colour, the save
// dialog).
//
// Invariants:
// - Every completed outline encloses something: a degenerate one (two clicks without
//   moving, a zero radius) is deleted as it is completed, so ClosedCount counts outlines
//   that can be pasted (or whose frame could not be read).
// - Outlines live in memory only; Reset empties them when a video has been opened.
// - The studio acts on the mouse only with a tool (1 draw, 2 erase), which only its own
//   buttons set; the view sets tool 0 when it changes mode.

#include "kit/Color.h"
#include "kit/Types.h"
#include "measurement/PressDrag.h"
#include "studio/Modele.h"
#include "studio/StudioHost.h"
#include "videoview/VideoSubsystems.h"

#include <QRect>
#include <functional>
#include <memory>
#include <vector>

namespace kolibra::measurement {
class IViewPort;
}
namespace kolibra::settings {
class TOptions;
}

namespace kolibra::studio {

enum TStudioTool : int { stNone = 0, stOutline = 1, stErase = 2 };

// Cursors of the program's cursor table the studio asks for.
enum TStudioCursor : int { scDefault = 0, scGomme = 14, scPen = 31, scSelGomme = 47 };

// A disc to cut around a position: a mark or a tracked point.
struct TStudioDisc {
  int VideoFrame = 0;  // the frame of the video file
  TPointD Centre;      // frame-relative
  double Radius = 0;   // frame pixels
};

// The option "StudioShapeNumber_Value" (0 circle, 1 broken line, 2 free) as a shape.
int ShapeFromOption(int optionValue);

class TStudio : public videoview::IVideoStudio {
 public:
  using TNotifyEvent = std::function<void(TStudio *)>;

  // Without options (kolibra-cli) new outlines are circles.
  TStudio(measurement::IViewPort &view, IStudioHost &host, const settings::TOptions *options);
  ~TStudio() override;
  TStudio(const TStudio &) = delete;
  TStudio &operator=(const TStudio &) = delete;

  // --- State ------------------------------------------------------------------------------

  // No drawing, no selection, no tool, no outline (a video has been opened).
  void Reset();
  // Shape from the options.
  void ApplyOptions();
  // Raises OnToolChange for a tool other than none.
  void SetTool(int tool);
  int Tool() const { return FTool; }
  // Deletes the current frame's outline and starts the new shape afresh.
  void SetShape(int shape);
  int Shape() const { return FShape; }
  bool Drawing() const { return FDrawing; }
  bool Selecting() const { return FSelecting; }
  const QRect &SelectionRect() const { return FSelection; }

  // The view's tool changed: an outline being drawn is deleted (the next click ends the
  // drawing without completing anything).
  void CancelDrawing();
  void DeleteCurrent();
  void Clear();
  // The current frame has a completed outline.
  bool CurrentClosed() const;
  int ClosedCount() const;
  const std::vector<std::unique_ptr<TModele>> &Outlines() const { return FOutlines; }
  // The first outline of the frame shown; null when none.
  TModele *Current() const;
  // The cursor of the tool: "Pen", "Gomme" or the default arrow.
  int CursorIndex() const;

  // --- Commands of the main window ------------------------------------------------------------

  // ButtonStudioCapture: the current frame to a picture file.
  bool SaveFrameImage();
  // ButtonStudioChronoPhoto: the chronophotograph, then its file.
  bool MakeChronophotograph();
  // The picture of the chronophotograph without its boxes and dialog: with background, the
  // view goes to the first outlined frame and that frame is the page; else a white page.
  // False (and no picture) when the frame cannot be read.
  bool BuildChronophotograph(bool background, QImage &picture);
  // The smallest frame among the outlines; -1 without any.
  int FirstFrame() const;
  // Outlines that add an object to a chronophotograph.
  int PictureCount() const;
  // Beyond the outlines drawn by hand: a circle outline around each disc, on the disc's
  // frame (replacing an outline there), completed at once. Returns how many were added.
  int AddDiscs(const std::vector<TStudioDisc> &discs);

  // --- IVideoStudio -------------------------------------------------------------------------

  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel) override;
  void MouseDoubleClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel) override;
  void MouseMove(Qt::KeyboardModifiers modifiers, TPoint pixel) override;
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel) override;
  bool KeyDown(int key, Qt::KeyboardModifiers modifiers) override;
  void Paint(QPainter *canvas) override;
  // Zoom, pan or resize: every outline's view pixels.
  void ViewChanged() override;
  int CursorCode() const override { return CursorIndex(); }
  // Another mode: no tool, and an outline being drawn is dropped.
  void Deactivate() override;

  TNotifyEvent OnToolChange;

 private:
  void LeftDown(TPoint pixel, bool doubleClick);
  void RightDown();
  // Adding a point at a view pixel (creates the frame's outline first).
  void AddPointAt(TPoint pixel);
  // Ends the drawing: completes the frame's outline and moves on by the frame step.
  void Finish();
  void Delete(TModele *outline);
  void DeleteCurrentIfClosed();
  void Repaint();
  bool Grab(QImage &bitmap);
  // Writes picture to a file the user chose; the failure texts when it cannot.
  bool SavePicture(const QImage &picture, const TSaveFileRequest &request, QString &fileName);

  measurement::IViewPort &View;
  IStudioHost &Host;
  const settings::TOptions *Options;
  std::vector<std::unique_ptr<TModele>> FOutlines;
  int FTool = stNone;
  int FShape = osCircle;
  bool FDrawing = false;
  TPoint FLastPoint;
  bool FHasLastPoint = false;
  TPoint FRubberEnd;
  // The press that started an outline (or added a corner), until its release: a drag ends
  // the outline (or adds the corner where it is released) as a click would.
  measurement::TPressDrag FPress;
  bool FSelecting = false;
  QRect FSelection;
};

}  // namespace kolibra::studio
