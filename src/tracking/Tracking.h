#pragma once
// TTracking: automatic tracking in the main window, the single tracker of the program.
//
// It keeps, for every object of the measurement, the outline of the target, the zones to
// ignore, the frame where the outline was drawn and the positions found frame by frame; it
// draws that geometry over the video in tracking mode, takes the mouse and the keyboard
// there to draw outlines and zones, runs a sequence through TTrackRun, and finally offers
// to write the positions into the measurement document as marks.
//
// What it owns: the per-object tables, the working polylines of what is being drawn, the
// run in progress and the timer that drives it. What it borrows: the video view (frames,
// navigation, coordinate conversions, repaint), the document (objects, colours, the
// marking step, placing marks) and the options.
//
// Invariants:
// - Geometry is stored in video coordinates (fractions of the frame); every screen copy is
//   recomputed from them after a zoom, pan or resize (UpdateScreen).
// - TrackFrame[f] is f for a frame where the target was found, -1 otherwise; TrackPos and
//   the similarity of that frame are meaningful only where TrackFrame is not -1.
// - Tracking() is true exactly between OnTrackStart and OnTrackEnd: every run that starts
//   ends once, whether it ran to the end, was stopped, or could not set its target up.
// - A run reads one frame per turn of the event loop, so clicks (the start/stop button,
//   the pause button) and paints reach the window while it runs; all tools ignore the mouse
//   meanwhile.
//
// Nothing here is undoable: the marks it places are, as one step of the document's
// fixed-marks history.

#include "kit/Types.h"
#include "measurement/PressDrag.h"
#include "tracking/TrackRun.h"
#include "videoview/VideoSubsystems.h"

#include <QElapsedTimer>
#include <QTimer>

#include <climits>
#include <functional>
#include <memory>
#include <vector>

namespace kolibra::settings {
class TOptions;
}
namespace kolibra::measurement {
class TData;
}
namespace kolibra::videoview {
class TVideoModel;
}

namespace kolibra::tracking {

enum TTrackTool : int { ttNone = 0, ttOutline = 1, ttZone = 2 };
enum TDrawState : int { dsIdle = 0, dsZone = 1, dsOutline = 2 };
enum TOutlineShape : int { osFree = 0, osPolygon = 1, osCircle = 2 };
enum TObjectStatus : int { stNothing = 0, stOutline = 1, stTracked = 2 };

// Cursors of the tracker, from the program's cursor table.
enum TTrackCursor : int { tcDetection = 11, tcPen = 31, tcReticule = 42 };

struct TTrackObject {
  int StartFrame = -1;
  int Status = stNothing;
  bool HasOutline = false;
  TPointDDynArray Outline;  // video coordinates
  TPointDynArray OutlineScreen;
  std::vector<TPointDDynArray> Zones;
  std::vector<TPointDynArray> ZonesScreen;
  TPointD Position;
  TPoint PositionScreen;
  TPointD SearchCentre;
  // Per frame index.
  TPointDDynArray TrackPos;
  TPointDynArray TrackPosScreen;
  TIntegerDynArray TrackFrame;
  std::vector<double> Similarity;
  std::vector<uint8_t> FrameStatus;  // TFrameStatus

  int ResultCount() const;
  bool Uncertain(int frame) const;
};

// The video view as the frames of a run: moving to a frame does not repaint (the run
// repaints at its own pace), grabbing copies the whole frame at its own size.
class TViewFrames : public ITrackFrames {
 public:
  explicit TViewFrames(videoview::TVideoModel &video) : Video(video) {}
  int FrameCount() const override;
  void GoTo(int frame) override;
  bool Grab(QImage &picture) override;

 private:
  videoview::TVideoModel &Video;
};

class TTracking : public videoview::IVideoTracker {
 public:
  using TNotifyEvent = std::function<void(TTracking *)>;
  static constexpr int WorkCapacity = 32768;
  // A running sequence repaints the view at most this often (ms).
  static constexpr int RepaintInterval = 30;

  TTracking(videoview::TVideoModel &video, measurement::TData &data, const settings::TOptions &options);
  ~TTracking() override;
  TTracking(const TTracking &) = delete;
  TTracking &operator=(const TTracking &) = delete;

  // --- Settings ---------------------------------------------------------------------------

  // The outline shape, the search zone drawing and, when its option changed since it was
  // last applied, the radius.
  void ApplyOptions();
  // Limited to 10 ... 100 pixels; the view repaints.
  void SetRadius(int radius);
  int Radius() const { return FRadius; }
  // Erases the outline being drawn (or, when none is, the current object's), then takes S.
  void SetShape(int shape);
  int Shape() const { return FShape; }
  // A non-zero tool also cancels any drawing and fires OnToolChange.
  void SetTool(int tool);
  int Tool() const { return FTool; }
  void SetObject(int object);
  int CurrentObject() const { return FCurrentObject; }
  void SetShowSearchZone(bool show);
  bool ShowSearchZone() const { return FShowSearchZone; }
  // At least the start frame + 1 and 1, at most the last frame.
  void SetSequenceEnd(int frame);
  int SequenceEnd() const { return FSequenceEnd; }

  // --- Objects ----------------------------------------------------------------------------

  // The per-object tables follow the document's number of objects.
  void ObjectsChanged();
  int ObjectCount() const { return int(FObjects.size()); }
  const TTrackObject &Object(int index) const { return FObjects[size_t(index)]; }
  const TTrackObject &Current() const { return FObjects[size_t(FCurrentObject)]; }
  int DrawState() const { return FDrawState; }
  bool IsDrawing() const { return FDrawState != dsIdle; }

  // --- Checks and the run -------------------------------------------------------------------

  // Before asking for the last frame: the current object has an outline before the last
  // frame (the user is told otherwise).
  bool CheckSequence();
  // Before a run: a video, an outline, a start frame before the last one (the user is told
  // otherwise); a sequence end out of range becomes the last frame.
  bool CheckStart();
  // Starts the sequence of the current object, with every object outlined on the same
  // frame; while one runs, stops it.
  void Run();
  bool Tracking() const { return FTracking; }

  // --- Erasing and keeping --------------------------------------------------------------------

  void EraseOutline();
  void EraseLastZone();
  void EraseZones();
  void EraseTrack();
  void EraseAll();
  // Offers once to write the positions found into the document as marks.
  void Commit() override;
  // Frames of the current object found with a low similarity, in order.
  TIntegerDynArray UncertainFrames() const;

  // Counters for the status bar: of the current object, or of all objects.
  int ZoneCount(bool all = false) const;
  int ResultCount(bool all = false) const;
  // What the runs so far gave, over every object: frames found with confidence, found but
  // uncertain, lost (or unreadable).
  struct TRunSummary {
    int Found = 0, Uncertain = 0, Lost = 0;
  };
  TRunSummary Summary() const;
  int OutlineCount(bool all = false) const;

  // --- The video view -------------------------------------------------------------------------

  void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel) override;
  void MouseDoubleClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel) override;
  void MouseMove(Qt::KeyboardModifiers modifiers, TPoint pixel) override;
  void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel) override;
  bool KeyDown(int key, Qt::KeyboardModifiers modifiers) override;
  void Paint(QPainter *canvas) override;
  void ViewChanged() override { UpdateScreen(); }
  int CursorCode() const override;
  void Deactivate() override;
  void ActivateAndPrepare() override;
  bool SequenceRunning() const override { return FTracking; }
  void StopSequence() override;
  void Reset() override;

  // Recomputes every screen copy from the video coordinates.
  void UpdateScreen();
  // Half the search window's side at the view's scale, in screen pixels.
  int SearchCircleRadius() const;
  static int SearchCircleRadius(int searchSize, int viewWidth, int zoom, int frameWidth);

  TNotifyEvent OnToolChange;
  TNotifyEvent OnTrackStart;
  TNotifyEvent OnTrackEnd;

 private:
  TTrackObject &Cur() { return FObjects[size_t(FCurrentObject)]; }
  int LastFrame() const;
  void FitTables(TTrackObject &object) const;
  // Drawing.
  void CancelDrawing();
  bool AddWorkPoint(TPoint pixel);
  void EndOutline();
  void EndZone();
  void UpdateRubber(TPoint pixel);
  // The run.
  void Tick();
  // The samples of the last frame run, into the tables of their objects.
  void RecordAll();
  void Record(TTrackObject &object, const TTrackSample &sample);
  void EndRun();
  void Fire(const TNotifyEvent &event) { if (event) event(this); }
  TPoint Screen(TPointD position) const;

  videoview::TVideoModel &Video;
  measurement::TData &Data;
  const settings::TOptions &Options;

  int FRadius = 40;
  int FAppliedRadiusOption = -1;
  int FSequenceEnd = 0;
  int FCurrentObject = 0;
  int FCircleRadius = 0;
  bool FTracking = false;
  bool FShowSearchZone = true;
  bool FActive = false;
  bool FResultsOffered = false;
  int FTool = ttNone;
  int FDrawState = dsIdle;
  int FShape = osCircle;
  TPoint FLastPoint{INT_MAX, INT_MAX};
  TPoint FRubberPoint;
  // The press that started an outline (or added a corner), until its release: a drag ends
  // the outline (or adds the corner where it is released) as a second click would.
  measurement::TPressDrag FPress;
  TPoint FCircleCentreScreen;
  TPointD FCircleCentre;
  TPointD FCircleEdge;
  // The polyline being drawn, on screen and in video coordinates (preallocated).
  TPointDynArray FWorkScreen;
  TPointDDynArray FWorkVideo;

  std::vector<TTrackObject> FObjects;

  std::unique_ptr<TViewFrames> FFrames;
  std::unique_ptr<TTrackRun> FRun;
  std::vector<int> FRunObjects;  // the objects of the run, in the run's order
  QTimer FTimer;
  QElapsedTimer FSinceRepaint;
};

}  // namespace kolibra::tracking
