// The montage's list and its editing commands.

#include "editing/Montage.h"

#include "editing/MontageDialogs.h"
#include "kit/MessageBox.h"
#include "kit/Texts.h"
#include "measurement/Data.h"
#include "settings/Options.h"
#include "videoview/VideoModel.h"

#include <QCoreApplication>
#include <algorithm>

namespace kolibra::editing {

TMontage::TMontage(videoview::TVideoModel &video, measurement::TData &data, const settings::TOptions &options)
    : Video(&video), Data(&data), Options(&options) {}

// ---------------------------------------------------------------------------------------------
// The list
// ---------------------------------------------------------------------------------------------

void TMontage::Reset(int frames) {
  frames = std::max(0, frames);
  Kept.assign(size_t(frames), true);
  TimeShift.assign(size_t(frames), 0);
  Rebuild();
}

void TMontage::Rebuild() {
  const size_t n = Kept.size();
  VideoToMontage.assign(n, -1);
  MontageToVideo.assign(n, -1);
  int index = 0;
  for (size_t frame = 0; frame < n; ++frame) {
    if (!Kept[frame]) continue;
    VideoToMontage[frame] = index;
    MontageToVideo[size_t(index)] = int(frame);
    ++index;
  }
  KeptNumber = index;
}

bool TMontage::IsKept(int frame) const { return frame < 0 || frame >= FrameCount() || Kept[size_t(frame)]; }

int TMontage::TimeShiftOf(int frame) const {
  return frame >= 0 && frame < FrameCount() ? TimeShift[size_t(frame)] : 0;
}

int TMontage::VideoFrameOf(int index) const {
  return index >= 0 && index < FrameCount() ? MontageToVideo[size_t(index)] : -1;
}

int TMontage::MontageIndexOf(int frame) const {
  return frame >= 0 && frame < FrameCount() ? VideoToMontage[size_t(frame)] : -1;
}

int TMontage::KeptIndexOf(int videoFrame) const {
  for (int frame = std::min(videoFrame, FrameCount() - 1); frame >= 0; --frame)
    if (Kept[size_t(frame)]) return VideoToMontage[size_t(frame)];
  return 0;
}

bool TMontage::Editing() const { return Video->IsOpen() && Video->Mode() == videoview::vmMontage; }

bool TMontage::CurrentKept() const { return Editing() && IsKept(Video->CurrentFrame()); }

int TMontage::MissingFramesCount() const {
  int previous = -1;
  int missing = 0;
  for (int frame = 0; frame < FrameCount(); ++frame) {
    if (!Kept[size_t(frame)]) continue;
    const int slot = Slot(frame);
    if (slot - previous >= 2) missing += slot - previous - 1;
    previous = slot;
  }
  return missing;
}

double TMontage::FrameTime(TFrameWhich which) const {
  if (!Editing()) return -1.0;
  const int current = Video->CurrentFrame();
  int frame = current;
  if (which == fwPrevious) {
    frame = -1;
    for (int f = current - 1; f >= 0 && frame < 0; --f)
      if (Kept[size_t(f)]) frame = f;
  } else if (which == fwNext) {
    frame = -1;
    for (int f = current + 1; f < FrameCount() && frame < 0; ++f)
      if (Kept[size_t(f)]) frame = f;
  }
  if (frame < 0) return -1.0;
  return Slot(frame) * Data->FrameInterval();
}

// ---------------------------------------------------------------------------------------------
// Editing
// ---------------------------------------------------------------------------------------------

void TMontage::ResultsChanged() { Data->InvalidateResults(measurement::TResultsScope::BothModes); }

int TMontage::FrameMarks(int frame) const {
  return std::max(0, Data->FixedMarks().FrameMarksCount(frame)) + std::max(0, Data->LayerMarks().FrameMarksCount(frame));
}

bool TMontage::SetKept(int frame, bool state) {
  if (!Editing() || frame < 0 || frame >= FrameCount()) return false;
  if (!state && KeptNumber == 1 && Kept[size_t(frame)]) {
    TMessageBox(icWarning)
        .AddLine(MontageText::tr("At least 1 frame must remain visible"))
        .AddButton(MontageText::tr("Ok"))
        .Execute();
    return false;
  }
  if (Kept[size_t(frame)] == state) return false;
  Data->DeleteFrame(frame);
  Kept[size_t(frame)] = state;
  Rebuild();
  // Hiding closes the time line over the frame; showing reopens its slot.
  const int step = state ? 1 : -1;
  for (int j = frame + 1; j < FrameCount(); ++j) TimeShift[size_t(j)] += step;
  if (state) ReopenSlot(frame);
  ResultsChanged();
  return true;
}

void TMontage::ReopenSlot(int frame) {
  // Frames shifted while this one was hidden may have moved onto or before its slot; it
  // goes right after the kept frame before it, and the frames after it right after it, so
  // that two kept frames never share a time.
  int previous = -1;
  for (int f = frame - 1; f >= 0; --f) {
    if (Kept[size_t(f)]) {
      previous = Slot(f);
      break;
    }
  }
  if (Slot(frame) <= previous) TimeShift[size_t(frame)] = previous + 1 - frame;
  for (int next = frame + 1; next < FrameCount(); ++next) {
    if (!Kept[size_t(next)]) continue;
    const int gap = Slot(frame) + 1 - Slot(next);
    if (gap > 0)
      for (int j = frame + 1; j < FrameCount(); ++j) TimeShift[size_t(j)] += gap;
    break;
  }
}

void TMontage::SetKeptList(const std::vector<bool> &selection, bool state) {
  if (selection.size() != Kept.size() || !Editing()) return;
  for (size_t j = 0; j < selection.size(); ++j) {
    if (!selection[j] || Kept[j] == state) continue;
    if (!SetKept(int(j), state)) return;
  }
}

bool TMontage::ConfirmMarksDeletion(int marks, bool severalFrames) const {
  if (marks <= 0) return true;
  TMessageBox box(icWarning);
  box.AddLine(severalFrames ? MontageText::tr("The marks set on these frames will be deleted.")
                            : MontageText::tr("The marks set on this frame will be deleted."))
      .AddButton(MontageText::tr("Ok"))
      .AddButton(MontageText::tr("Cancel"));
  return box.Execute() == 0;
}

void TMontage::ToggleCurrentFrame() {
  if (!Editing()) return;
  const int frame = Video->CurrentFrame();
  const bool kept = CurrentKept();
  // Hiding deletes the frame's marks, in either collection: that is always asked, whatever
  // the option and the check box say about the explanation.
  const int marks = kept ? FrameMarks(frame) : 0;
  const bool explain = Options->CheckBox40ShowDialogBoxForHideImage_Checked && AskConfirm;
  if (explain || marks > 0) {
    TMessageBox box(icInformation);
    if (explain) box.SetCheckBox(MontageText::tr("Do not show this dialog again"));
    if (kept) {
      box.AddLine(
             MontageText::tr("This frame will not be visible after leaving the video edit mode."))
          .AddEmptyLine()
          .AddLine(MontageText::tr("Hidden frames appear in negative. "));
    } else {
      box.AddLine(
          MontageText::tr("This image will be visible again after leaving the video edit mode."));
    }
    box.AddButton(MontageText::tr("Ok"));
    if (marks > 0) {
      box.AddButton(MontageText::tr("Cancel"));
      box.AddEmptyLine().AddLine(MontageText::tr("The marks set on this frame will be deleted."));
    }
    const int answer = box.Execute();
    if (explain) AskConfirm = !box.Checked();
    if (answer != 0) return;
  }
  SetKept(frame, !kept);
  Video->Invalidate();
}

void TMontage::ShowHideSeries(IMontageDialogs &dialogs) {
  if (!Video->IsOpen()) return;
  SeriesDialog.Caption = MontageText::tr("Show or hide a series of images");
  SeriesDialog.Prepare(Video->ShownFrameCount());
  dialogs.ShowSeries(SeriesDialog);
  if (!SeriesDialog.Accepted()) return;
  const std::vector<bool> &selection = SeriesDialog.Selection;
  const bool show = SeriesDialog.Action;
  if (!show && selection.size() == Kept.size()) {
    int marks = 0;
    for (size_t j = 0; j < selection.size(); ++j)
      if (selection[j] && Kept[j]) marks += FrameMarks(int(j));
    if (!ConfirmMarksDeletion(marks, true)) return;
  }
  SetKeptList(selection, show);
  Video->Invalidate();
}

void TMontage::MissingFrame(IMontageDialogs &dialogs) {
  if (!CurrentKept()) return;
  TBoiteInstantModel model(*this, *Data);
  model.Caption = MontageText::tr("A frame is missing in the video stream");
  dialogs.ShowMissingFrame(model);
}

bool TMontage::ShiftFromCurrent(int delta) {
  if (!Editing()) return false;
  const int current = Video->CurrentFrame();
  if (!IsKept(current) || current < 0 || current >= FrameCount()) return false;
  int previous = -1;
  for (int f = current - 1; f >= 0; --f) {
    if (Kept[size_t(f)]) {
      previous = Slot(f);
      break;
    }
  }
  if (previous >= Slot(current) + delta) return false;
  ResultsChanged();
  for (int j = current; j < FrameCount(); ++j) TimeShift[size_t(j)] += delta;
  return true;
}

int TMontage::NearestKept(int frame) const {
  if (IsKept(frame)) return frame;
  for (int f = frame + 1; f < FrameCount(); ++f)
    if (Kept[size_t(f)]) return f;
  for (int f = frame - 1; f >= 0; --f)
    if (Kept[size_t(f)]) return f;
  return frame;
}

void TMontage::EndEdit() {
  if (!Video->IsOpen()) return;
  const int current = Video->CurrentFrame();
  const int target = NearestKept(current);
  if (target == current) return;
  Video->SetFrame(target);
  Video->Invalidate();
}

bool TMontage::SetState(const TMontageState &state) {
  QString reason;
  if (!CheckMontageState(state, FrameCount(), reason)) return false;
  Kept = state.Kept;
  TimeShift = state.TimeShift;
  Rebuild();
  ResultsChanged();
  return true;
}

bool TMontage::SetMissingSlots(const std::vector<int64_t> &lost) {
  TMontageState state{std::vector<bool>(Kept.size(), true), std::vector<int>(Kept.size(), 0)};
  for (int64_t slot : lost) {
    if (slot < 0 || slot >= FrameCount()) return false;
    state.Kept[size_t(slot)] = false;
  }
  return SetState(state);
}

}  // namespace kolibra::editing
