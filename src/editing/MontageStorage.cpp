// The montage in a work file, section "Montage": the kept frames as runs of equal values
// (0-based starts), the time shifts by the 1-based positions where they change.
//
// Consecutive change points are written as a run — the first position negated, the last
// positive — only when the shift changes by the same step all along, so that a reader
// fills the positions between by that step and finds every value again. Any other change
// point is written on its own. (Compressing every run of consecutive change points lost the
// values inside it: shifts 0, 0, 2, 3, 6, 6 came back without the 3.)

#include "editing/Montage.h"
#include "kit/Texts.h"

#include "kit/IniFile.h"

#include <QCoreApplication>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace kolibra::editing {

namespace montage_storage_impl {

const QString Section = QStringLiteral("Montage");
const QString ImagesKey = QStringLiteral("VisibleImagesNumber");
const QString ScalesKey = QStringLiteral("VisibleScalesNumber");
const QString ScaleKey = QStringLiteral("VisibleScale");
const QString ImageKey = QStringLiteral("VisibleImage");
const QString ShiftsKey = QStringLiteral("TimeShiftsNumber");
const QString ShiftScalesKey = QStringLiteral("TimeShiftScalesNumber");
const QString ShiftScaleKey = QStringLiteral("TimeShiftScale");
const QString ShiftKey = QStringLiteral("TimeShift");

// The most frames a video reader accepts; a longer montage is a damaged file's.
constexpr int MaxFrames = 1 << 23;
// Shifts beyond this would overflow a slot; no editing produces them.
constexpr int MaxShift = 1 << 26;

struct TChangePoint {
  int Position;  // 1-based; negative: the first of a run
  int Shift;
};

std::vector<TChangePoint> ChangePoints(const std::vector<int> &shifts) {
  std::vector<int> positions;  // 1-based
  for (size_t i = 0; i < shifts.size(); ++i)
    if (i == 0 || shifts[i] != shifts[i - 1]) positions.push_back(int(i) + 1);
  std::vector<TChangePoint> written;
  size_t k = 0;
  while (k < positions.size()) {
    // The longest run of consecutive positions from k with one step of shift.
    size_t end = k;
    while (end + 1 < positions.size() && positions[end + 1] == positions[end] + 1) {
      const int step = shifts[size_t(positions[end + 1] - 1)] - shifts[size_t(positions[end] - 1)];
      const int firstStep = end == k ? step : shifts[size_t(positions[k + 1] - 1)] - shifts[size_t(positions[k] - 1)];
      if (step != firstStep) break;
      ++end;
    }
    const int first = positions[k];
    if (end == k) {
      written.push_back({first, shifts[size_t(first - 1)]});
    } else {
      const int last = positions[end];
      written.push_back({-first, shifts[size_t(first - 1)]});
      written.push_back({last, shifts[size_t(last - 1)]});
    }
    k = end + 1;
  }
  return written;
}

}  // namespace montage_storage_impl

void TMontage::SaveState(TIniFile &ini) const {
  using namespace montage_storage_impl;
  const int frames = FrameCount();
  ini.WriteInteger(Section, ImagesKey, frames);
  std::vector<int> starts;
  for (int i = 0; i < frames; ++i)
    if (i == 0 || Kept[size_t(i)] != Kept[size_t(i - 1)]) starts.push_back(i);
  ini.WriteInteger(Section, ScalesKey, int(starts.size()));
  for (size_t k = 0; k < starts.size(); ++k) {
    ini.WriteInteger(Section, IndexedKey(ScaleKey, int(k)), starts[k]);
    ini.WriteBool(Section, IndexedKey(ImageKey, int(k)), Kept[size_t(starts[k])]);
  }
  ini.WriteInteger(Section, ShiftsKey, frames);
  const std::vector<TChangePoint> points = ChangePoints(TimeShift);
  ini.WriteInteger(Section, ShiftScalesKey, int(points.size()));
  for (size_t k = 0; k < points.size(); ++k) {
    ini.WriteInteger(Section, IndexedKey(ShiftScaleKey, int(k)), points[k].Position);
    ini.WriteInteger(Section, IndexedKey(ShiftKey, int(k)), points[k].Shift);
  }
}

bool CheckMontageState(const TMontageState &state, int frames, QString &reason) {
    if (frames <= 0 || state.Kept.size() != size_t(frames) || state.TimeShift.size() != size_t(frames)) {
      reason = MontageText::tr("The video editing was made for another number of frames.");
      return false;
  }
  std::int64_t previous = -1;
  bool anyKept = false;
  for (int frame = 0; frame < frames; ++frame) {
    if (!state.Kept[size_t(frame)]) continue;
    anyKept = true;
    const std::int64_t slot = std::int64_t(frame) + state.TimeShift[size_t(frame)];
    if (slot <= previous) {
      reason = MontageText::tr(
          "Two visible frames of the video editing stand at the same time, or in the wrong order.");
      return false;
    }
    previous = slot;
  }
  if (!anyKept) {
    reason = MontageText::tr("The video editing hides every frame.");
    return false;
  }
  return true;
}

TMontageRead ReadMontageState(const TIniFile &ini, int frames, TMontageState &state, QString &reason,
                              int &storedFrames) {
  using namespace montage_storage_impl;
  storedFrames = frames;
  if (!ini.SectionExists(Section)) return mrAbsent;
  const auto damaged = [&reason](const char *why) {
    reason = MontageText::tr(why);
    return mrDamaged;
  };
  storedFrames = ini.ReadInteger(Section, ImagesKey, -1);
  if (storedFrames <= 0 || storedFrames > MaxFrames)
    return damaged(
        QT_TRANSLATE_NOOP("MontageText", "The video editing has no valid number of frames."));
  if (storedFrames != frames) return mrMismatch;

  // Both lists are read first and filled in one pass, so that a long video with many runs
  // still reads in time proportional to its frames.
  std::vector<std::pair<int, bool>> runs;
  const int runCount = ini.ReadCount(Section, ScalesKey, frames);
  // A count larger than the runs present (a hand-edited or cut file) stops at the first
  // missing run.
  for (int k = 0; k < runCount && ini.ValueExists(Section, IndexedKey(ScaleKey, k)); ++k) {
    const int start = ini.ReadInteger(Section, IndexedKey(ScaleKey, k), -1);
    if (start >= frames || (k == 0 && start != 0) || (k > 0 && start <= runs.back().first))
      return damaged(QT_TRANSLATE_NOOP(
          "MontageText", "The visible frames of the video editing are not in order."));
    runs.emplace_back(start, ini.ReadBool(Section, IndexedKey(ImageKey, k), true));
  }
  state.Kept.assign(size_t(frames), true);
  for (size_t k = 0; k < runs.size(); ++k) {
    const int end = k + 1 < runs.size() ? runs[k + 1].first : frames;
    for (int i = runs[k].first; i < end; ++i) state.Kept[size_t(i)] = runs[k].second;
  }

  if (ini.ValueExists(Section, ShiftsKey) && ini.ReadInteger(Section, ShiftsKey, -1) != frames)
    return damaged(QT_TRANSLATE_NOOP(
        "MontageText", "The time shifts of the video editing do not match its frames."));
  // Each segment sets the shifts from its first position (1-based) on: a single change point
  // holds its value, a run goes from its first value to its last by equal steps.
  struct TSegment {
    int First, FirstShift, Last, LastShift;
  };
  std::vector<TSegment> segments;
  const int pointCount = ini.ReadCount(Section, ShiftScalesKey, 2 * frames);
  int previousPosition = 0;
  const auto valid = [&](int position, int shift) {
    return position > previousPosition && position <= frames && shift >= -MaxShift && shift <= MaxShift;
  };
  for (int k = 0; k < pointCount && ini.ValueExists(Section, IndexedKey(ShiftScaleKey, k)); ++k) {
    const int value = ini.ReadInteger(Section, IndexedKey(ShiftScaleKey, k), 0);
    const int shift = ini.ReadInteger(Section, IndexedKey(ShiftKey, k), 0);
    // INT_MIN has no positive counterpart to be a position.
    if (value == 0 || value == INT_MIN)
      return damaged(QT_TRANSLATE_NOOP("MontageText",
                                       "The time shifts of the video editing are not in order."));
    const int position = value < 0 ? -value : value;
    if (!valid(position, shift))
      return damaged(QT_TRANSLATE_NOOP("MontageText",
                                       "The time shifts of the video editing are not in order."));
    previousPosition = position;
    if (value > 0) {
      segments.push_back({position, shift, position, shift});
      continue;
    }
    if (++k >= pointCount)
      return damaged(QT_TRANSLATE_NOOP("MontageText",
                                       "The time shifts of the video editing are not in order."));
    const int last = ini.ReadInteger(Section, IndexedKey(ShiftScaleKey, k), 0);
    const int lastShift = ini.ReadInteger(Section, IndexedKey(ShiftKey, k), 0);
    if (!valid(last, lastShift))
      return damaged(QT_TRANSLATE_NOOP("MontageText",
                                       "The time shifts of the video editing are not in order."));
    previousPosition = last;
    segments.push_back({position, shift, last, lastShift});
  }
  state.TimeShift.assign(size_t(frames), 0);
  for (size_t k = 0; k < segments.size(); ++k) {
    const TSegment &segment = segments[k];
    const int end = k + 1 < segments.size() ? segments[k + 1].First : frames + 1;
    const std::int64_t span = std::max(1, segment.Last - segment.First);
    for (int i = segment.First; i < end; ++i) {
      const std::int64_t along = std::min<std::int64_t>(i - segment.First, span);
      const std::int64_t change = std::int64_t(segment.LastShift) - segment.FirstShift;
      state.TimeShift[size_t(i - 1)] = int(segment.FirstShift + change * along / span);
    }
  }
  if (!CheckMontageState(state, frames, reason)) return mrDamaged;
  return mrOk;
}

}  // namespace kolibra::editing
