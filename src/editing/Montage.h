#pragma once
// TMontage: the edit list of the open video — which frames are kept and at which time slot
// each frame stands. Nothing is removed from the video file: the list only selects and
// re-times frames.
//
// State: for each video frame, Kept and TimeShift; frame i stands at slot i + TimeShift[i],
// and its time is its slot times the document's frame interval. VideoToMontage and
// MontageToVideo number the kept frames in video order (rebuilt after every change of
// Kept). The user edits the list in the view's montage mode; every other mode, the marks'
// times and the video writers see only the kept frames.
//
// Invariants, once a video is open:
// - at least one frame is kept;
// - the kept frames' slots are strictly increasing and the first is not negative, so no two
//   marked frames share a time (the derivation divides by the time between samples).
//   Hiding, showing and shifting all keep it; a work file that breaks it is refused.
//
// It borrows the video view (mode, current frame, moves, repaint) and the measurement
// document (frame interval, marks of a frame, their deletion, the calculators through the
// document's invalidation); it implements what the view asks of a montage and the
// document's time shifts.

#include "editing/MontageDialogs.h"
#include "measurement/FrameTimeShift.h"
#include "videoview/VideoSubsystems.h"

#include <QString>
#include <vector>

namespace kolibra {
class TIniFile;
}
namespace kolibra::measurement {
class TData;
}
namespace kolibra::settings {
class TOptions;
}
namespace kolibra::videoview {
class TVideoModel;
}

namespace kolibra::editing {

// The frames whose time FrameTime gives.
enum TFrameWhich { fwCurrent, fwPrevious, fwNext };

// The montage's two dialogs, shown by the windows (answered by tests).
class IMontageDialogs {
 public:
  virtual ~IMontageDialogs() = default;
  // The series dialog; its model holds the selection and the action when it returns.
  virtual void ShowSeries(TBoiteBasculerModel &model) = 0;
  // The missing-frame dialog; its arrows shift frames through the model at once.
  virtual void ShowMissingFrame(TBoiteInstantModel &model) = 0;
};

// A montage as a work file stores it: one entry per video frame.
struct TMontageState {
  std::vector<bool> Kept;
  std::vector<int> TimeShift;
};

class TMontage : public videoview::IVideoMontage, public measurement::IFrameTimeShift {
 public:
  TMontage(videoview::TVideoModel &video, measurement::TData &data, const settings::TOptions &options);

  // --- The list ---------------------------------------------------------------------------

  int FrameCount() const { return int(Kept.size()); }
  int Count() const { return KeptNumber; }
  const std::vector<bool> &KeptFrames() const { return Kept; }
  const std::vector<int> &TimeShifts() const { return TimeShift; }
  // N frames, all kept, none shifted.
  void Reset(int frames);
  // True outside the list.
  bool IsKept(int frame) const override;
  // 0 outside the list.
  int TimeShiftOf(int frame) const;
  int Slot(int frame) const { return frame + TimeShiftOf(frame); }
  // -1 outside the list (and for a hidden frame).
  int VideoFrameOf(int index) const override;
  int MontageIndexOf(int frame) const;
  // frame when it is kept, else the nearest kept frame after it, else before it.
  int NearestKept(int frame) const;
  // With a video open in montage mode: whether the shown frame is kept; false otherwise.
  bool CurrentKept() const;
  // Empty time slots before and between the kept frames.
  int MissingFramesCount() const;
  // Seconds from the video's first frame to the current frame, or to the kept frame before
  // or after it; -1 when there is none (or outside montage mode).
  double FrameTime(TFrameWhich which) const;

  // --- Editing (montage mode only) ----------------------------------------------------------

  // Hides or shows one frame: its marks go, later frames close or reopen its slot; false
  // when nothing changed (the last kept frame is never hidden: the user is told).
  bool SetKept(int frame, bool state);
  // SetKept on every selected frame whose state differs, stopping at the first refusal.
  void SetKeptList(const std::vector<bool> &selection, bool state);
  // The three commands of the montage mode's buttons.
  void ToggleCurrentFrame();
  void ShowHideSeries(IMontageDialogs &dialogs);
  void MissingFrame(IMontageDialogs &dialogs);
  // Moves the current frame and every later one by delta slots; false (silently) when the
  // current frame would reach the slot of the kept frame before it, or go below slot 0.
  bool ShiftFromCurrent(int delta);
  // The view leaves montage mode: a hidden current frame gives way to the nearest kept one.
  void EndEdit();

  // --- Work file ---------------------------------------------------------------------------

  // Section "Montage": the kept frames as runs, the time shifts by their change points.
  void SaveState(TIniFile &ini) const;
  TMontageState State() const { return {Kept, TimeShift}; }
  // Takes a state read from a work file for the open video (as many frames, checked by
  // CheckMontageState): false, and nothing changes, otherwise.
  bool SetState(const TMontageState &state);

  // Until the user ticks "Do not show this dialog again".
  bool AskConfirm = true;
  // The series dialog keeps its action and its last selection between uses.
  TBoiteBasculerModel SeriesDialog;

  // --- IVideoMontage ------------------------------------------------------------------------

  int KeptCount() const override { return Count(); }
  // The kept index of a frame, or of the nearest kept frame before it (0 when none).
  int KeptIndexOf(int videoFrame) const override;
  void EditingEnded() override { EndEdit(); }
  void VideoOpened(int frameCount) override { Reset(frameCount); }

  // --- IFrameTimeShift ----------------------------------------------------------------------

  int FrameTimeShift(int frameIndex) const override { return TimeShiftOf(frameIndex); }

 private:
  void Rebuild();
  bool Editing() const;
  // Marks of a frame in both collections.
  int FrameMarks(int frame) const;
  // Whether hiding frames may go on when marks would be deleted: always asked.
  bool ConfirmMarksDeletion(int marks, bool severalFrames) const;
  void ResultsChanged();
  // Keeps the kept slots strictly increasing after frame was shown.
  void ReopenSlot(int frame);

  videoview::TVideoModel *Video;
  measurement::TData *Data;
  const settings::TOptions *Options;
  std::vector<bool> Kept;
  std::vector<int> TimeShift;
  std::vector<int> VideoToMontage;
  std::vector<int> MontageToVideo;
  int KeptNumber = 0;
};

// Whether a state may stand for a video of frames frames: the sizes agree, a frame is kept
// and the kept slots are strictly increasing from slot 0 on. reason says what is wrong.
bool CheckMontageState(const TMontageState &state, int frames, QString &reason);

// What a work file's section "Montage" holds for a video of frames frames.
enum TMontageRead {
  mrAbsent,    // no section: every frame kept, none shifted
  mrOk,        // state filled and checked
  mrMismatch,  // written for a video of another length: the montage is dropped
  mrDamaged,   // reason says why; the file is refused
};
TMontageRead ReadMontageState(const TIniFile &ini, int frames, TMontageState &state, QString &reason,
                              int &storedFrames);

}  // namespace kolibra::editing
