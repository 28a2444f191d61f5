#pragma once
// TPolyContainer: every mark of one coordinate system, frame by frame. TPolyMarqueImgRep
// holds the marks read in the axes fixed to the camera, TPolyMarqueImgTsp those read on the
// layer; the measurement document owns one of each.
//
// Ownership and invariants:
// - Containers owns one TContainer per marked frame, in the order the frames were first
//   marked; a container goes when its last mark goes, and an undo that brings the mark
//   back brings the container back to its place. Each container owns its marks, at most
//   one per object.
// - AllMarks lists every held mark once, without owning it, in creation order; each mark's
//   ListIndex is its position there, so that a mark put back by an undo returns to it.
// - Every MarksContainerMarkNumber is the rank of its frame among the marked frames
//   (Renumber), after any change of the marks.
// - CurrentMarkOrderNumber lies in [0, MarksNumberPerFrame); SystemNames holds at least one
//   name per object (the layer collection one more, its origin's).
//
// Every change a user can undo is recorded on the host before it is made (right after, for
// a mark just added); the document's histories hold those copies and bring them back
// through AddMark, RemoveMark and Assign. Pixels are view pixels, positions frame-relative.

#include "kit/Types.h"
#include "measurement/Container.h"
#include "measurement/FrameTimeShift.h"
#include "measurement/HistObject.h"
#include "measurement/MarksHost.h"
#include "measurement/ViewPort.h"

#include <QStringList>
#include <Qt>

#include <functional>
#include <memory>
#include <vector>

class QPainter;

namespace kolibra {
class TIniFile;
}

namespace kolibra::measurement {

class TLabelRoom;

class TRepere;
class TTransparent;

// Positions of several objects over several samples, [object][sample].
using TPointDMatrix = std::vector<TPointDDynArray>;

// The sampled series of a collection, as the kinematics calculators read them.
struct TMarkSeries {
  TDoubleDynArray Times;  // seconds from the first marked frame, one per sample
  bool Stamped = false;   // Times are the video's time stamps, not a whole number of intervals
  TMatriceI FrameIndex;   // [object][sample]: frames from the first marked one; -1 without a mark
  TMatriceD X;            // [object][sample]: relative position, frame-relative units
  TMatriceD Y;            // the same, growing upward; 0 without a mark
  TPointDDynArray Origins; // [sample]: the origin the positions are taken from on that sample's
                           // frame (frame-relative, y down): the layer's on its frame, else the axes'
};

// The tools of the document that act on a collection.
enum TMarkTool : int { mtMove = 3, mtErase = 5 };

// The cursors a collection asks for, from the program's cursor table.
enum TMarkCursor : int { mcMove = 10, mcErase = 14, mcOverMarkMove = 45, mcOverMarkErase = 47 };

// The default name of object index: "of point n°" followed by index + 1.
QString DefaultSystemName(int index);

class TPolyContainer : public THistObject {
 public:
  TPolyContainer(int objectKind, IMarksHost &host, IViewPort &view, TRepere &system);
  ~TPolyContainer() override;

  // The settings and the names: what an undo of a change of the number of objects brings
  // back. The marks come back through their own copies.
  void Assign(const THistObject &source) override;
  bool IsEqual(const THistObject &other) const override;

  // Holds the mark in the container of its FrameIndex (created when missing, at the mark's
  // ContainerIndex when that is a valid position) and in AllMarks at its ListIndex when
  // that is a valid position, else at the end; records it with actionKind, makes the results stale,
  // fires the marks notification and renumbers. Refused (nullptr, the mark freed) when the
  // frame already holds a mark of that object.
  virtual TMarque *AddMark(std::unique_ptr<TMarque> mark, int actionKind);
  // Empties every container and both lists and rebuilds the default names; nothing is
  // recorded (a new measurement, a reload).
  virtual void Clear();
  virtual void ResetSettings();
  virtual bool HasDefaultNames() const;
  // The keys of the work file, each with the suffix ("Grid" or "Layer"): the settings, the
  // names, then every container with its marks. The reader starts from an empty
  // collection and records nothing.
  virtual void LoadFromIni(const TIniFile &ini, const QString &section, const QString &suffix);
  virtual void SaveToIni(TIniFile &ini, const QString &section, const QString &suffix) const;
  // Takes the mark out of AllMarks (results stale, marks notification), records it with
  // actionKind, frees it (and its container when that is left empty) and renumbers. A mark
  // that is not held is left alone.
  virtual void RemoveMark(TMarque *mark, int actionKind);
  // Removes every mark of a video frame (action 13 each, one history group).
  virtual void ClearFrame(int frameIndex);
  // Removes, without recording, the marks of every frame drop() selects (frames a reloaded
  // video does not have, or hides); returns how many went.
  int DiscardFrames(const std::function<bool(int frame)> &drop);
  // Removes every mark of one object (action 13 each).
  virtual void RemoveObjectMarks(int order);
  // The number of objects; see the fixed-axes rules in the source.
  virtual void SetMarksNumberPerFrame(int count);
  // -1 (or less) selects the last object, a value past the last object selects 0.
  virtual void SetCurrentMarkOrderNumber(int order);

  // A new, empty container of the collection's kind for a frame.
  virtual std::unique_ptr<TContainer> CreateContainer(int frameNumber) = 0;

  // --- Pointing ---------------------------------------------------------------------------

  // Steps 1 to 4 of pointing: the mark of the current object on the current frame at a
  // frame-relative position (action 3). When the frame already holds that object's mark
  // the user is told and false is returned, with nothing recorded.
  bool PointMark(TPointD position);
  // The pointing tool: PointMark at a view pixel, then, after the last object of the frame,
  // the video moves on by the frame step, and the next object becomes current.
  void PointMarkAt(TPoint pixel);
  // The right button of the pointing tool: removes the last created mark (action 14), shows
  // its frame and makes its object current again (0 when its frame kept no mark). False
  // when there is no mark.
  bool RemoveLastMark();
  // The state right after pointing a mark again (an undone right-button removal): the
  // video shows what pointing it showed (the next frames after the last object) and the
  // object after it becomes current.
  virtual void RestorePointingState(const TMarque &mark);
  // The state before a mark was pointed (an undone pointing): its frame is shown and its
  // object becomes current again.
  virtual void RestoreStateBeforePointing(int frameIndex, int order);

  // Positions given by the tracker, [object][sample], with their video frames (a sample
  // with a negative frame, or of an object beyond MarksNumberPerFrame, is skipped): one
  // history group where new marks are recorded as action 2 and moved ones as action 8,
  // then the results made stale and the marks notification fired once. Without any sample
  // to place nothing happens, not even an empty group. Linear in the number of samples.
  void PlaceTrackedMarks(const TPointDMatrix &positions, const TMatriceI &frames);

  // --- Removal commands -------------------------------------------------------------------

  // The erase tool on one mark (action 13).
  virtual void EraseMark(TMarque *mark);
  // The erase tool's right button: every mark of the frame, one group.
  virtual void EraseFrame(int frameIndex);
  // Every mark, one group; the first object becomes current.
  virtual void DeleteAllMarks();

  // --- Move and erase tools ---------------------------------------------------------------

  void MouseDown(int tool, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel);
  void MouseMove(int tool, Qt::KeyboardModifiers modifiers, TPoint pixel);
  void MouseUp(int tool, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint pixel);
  // Drops a drag or an erase rectangle without acting.
  void EndDrag();
  bool IsDraggingMark() const { return DragState == 1; }

  // The first mark in creation order whose pixel is near the pointer.
  TMarque *HitMark(TPoint pixel) const;

  // --- Queries ----------------------------------------------------------------------------

  int MarksCount() const { return int(AllMarks.size()); }
  TMarque *Mark(int index) const;
  TMarque *LastMark() const { return AllMarks.empty() ? nullptr : AllMarks.back(); }
  TMarque *FindMarkById(int objectId) const;
  const std::vector<TMarque *> &Marks() const { return AllMarks; }
  const std::vector<std::unique_ptr<TContainer>> &ContainersList() const { return Containers; }
  TContainer *FindContainer(int frameNumber) const;
  // Marks of a frame; -1 when the frame has no container.
  int FrameMarksCount(int frameNumber) const;
  int ObjectMarksCount(int order) const;
  // The mark count of the object with the fewest marks.
  int SmallestObjectMarksCount() const;
  // The frame of the last container; -1 when there is none.
  int LastMarkedFrame() const;
  // Empty out of range.
  QString SystemName(int index) const;
  void SetSystemName(int index, const QString &name);
  bool HoldsMark(const TMarque *mark) const;

  // t = (n - nmin) * frameInterval for every frame holding a mark, n being the frame index
  // plus its time shift, in ascending n; the positions of each object relative to the
  // system's origin, y upward, with FrameIndex -1 where an object has no mark. With the
  // video's time stamps (one per frame, seconds from frame 0), a frame's time is its stamp
  // plus its time shift in intervals instead, counted from the first sample's.
  TMarkSeries ExtractSeries(double frameInterval, const IFrameTimeShift *shifts,
                            const TDoubleDynArray *stamps = nullptr) const;

  // Ranks the containers by frame (an empty one, while it is being filled, last).
  void Renumber();
  // Recomputes every mark's pixel (the view or the layer moved).
  void ComputePixels();
  // Keeps each mark's ListIndex equal to its position in the list of marks.
  void ReindexMarks();

  // The erase rectangle being drawn, then the marks (all, or the last MarksNumberToDraw).
  void Draw(QPainter *canvas) const;
  // The centre of mass of the objects with a mass (masses[object] in kilograms, 0 without),
  // as a ringed cross in a circle on every drawn frame where each of them has a mark; nothing
  // with fewer than two such objects.
  void DrawCentreOfMass(QPainter *canvas, const std::vector<double> &masses) const;

  IMarksHost &Host() const { return *HostLink; }
  IViewPort &View() const { return *ViewLink; }
  TRepere &System() const { return *SystemLink; }

  bool MarksIsAllDrawn = true;
  int MarksNumberPerFrame = 1;
  int MarksNumberToDraw = 1;
  int CurrentMarkOrderNumber = 0;
  int DragIndex = -1;
  int DragState = 0;  // 0 none, 1 moving a mark, 2 drawing an erase rectangle
  TPoint SelectionCorner1, SelectionCorner2;
  int MarksNumberPosition = 0;  // 0 below the mark, 1 on its right, 2 none
  QStringList SystemNames;

 protected:
  // The container of a frame, created when missing at position at (appended when at is
  // not a valid position).
  TContainer &ContainerOf(int frameNumber, int at = -1);
  // The marks of a container, or of every container, in list order (they are removed one
  // by one, and a container goes with its last mark).
  static std::vector<TMarque *> MarksOf(const TContainer &container);
  std::vector<TMarque *> MarksOfAllContainers() const;
  void DropContainer(const TContainer *container);
  // The name list for count objects: existing names kept, defaults appended, extra dropped.
  virtual void FitNames(int count);
  // Draws one mark's symbol, ringed in the contrasting colour.
  void DrawMarkSymbol(QPainter *canvas, const TMarque &mark) const;
  // Writes one mark's number where it covers no number written before.
  void DrawMarkNumber(QPainter *canvas, const TMarque &mark, TLabelRoom &numbers) const;
  // Whether a mark of object order is drawn at all.
  virtual bool IsObjectShown(int order) const;

  std::vector<TMarque *> AllMarks;
  std::vector<std::unique_ptr<TContainer>> Containers;

 private:
  void EraseRectangle();

  IMarksHost *HostLink;
  IViewPort *ViewLink;
  TRepere *SystemLink;
};

// The marks read in the axes fixed to the camera.
class TPolyMarqueImgRep : public TPolyContainer {
 public:
  TPolyMarqueImgRep(IMarksHost &host, IViewPort &view, TRepere &system);
  std::unique_ptr<THistObject> Clone() const override;
  void ResetSettings() override;
  std::unique_ptr<TContainer> CreateContainer(int frameNumber) override;
};

// The marks read on the layer: exactly one object, whose mark goes with the layer's origin
// of its frame. The name list holds a second entry, the name of the layer's origin.
class TPolyMarqueImgTsp : public TPolyContainer {
 public:
  TPolyMarqueImgTsp(IMarksHost &host, IViewPort &view, TTransparent &layer);
  std::unique_ptr<THistObject> Clone() const override;

  void Clear() override;
  void ResetSettings() override;
  bool HasDefaultNames() const override;
  // Always one object, always the first.
  void SetMarksNumberPerFrame(int count) override;
  void SetCurrentMarkOrderNumber(int order) override;
  std::unique_ptr<TContainer> CreateContainer(int frameNumber) override;

  void RestorePointingState(const TMarque &mark) override;
  void RestoreStateBeforePointing(int frameIndex, int order) override;

  // The erase tool also removes the layer's origin of the mark's frame (action 15), in
  // the same group; deleting all marks removes every recorded origin too.
  void EraseMark(TMarque *mark) override;
  void EraseFrame(int frameIndex) override;
  void DeleteAllMarks() override;

  TTransparent &Layer() const { return *LayerLink; }

 protected:
  void FitNames(int count) override;
  bool IsObjectShown(int order) const override { return true; }

 private:
  TTransparent *LayerLink;
};

}  // namespace kolibra::measurement
