// What the user does to marks: pointing with the automatic advance, the right button,
// the tracker's marks, the move and erase tools and the removal commands.

#include "kit/MathUtils.h"
#include "kit/MessageBox.h"
#include "measurement/DrawHelpers.h"
#include "measurement/PolyContainer.h"
#include "measurement/Repere.h"
#include "measurement/Transparent.h"

#include <QCoreApplication>
#include <algorithm>
#include <unordered_map>

namespace kolibra::measurement {

// ---------------------------------------------------------------------------------------------
// Pointing
// ---------------------------------------------------------------------------------------------

bool TPolyContainer::PointMark(TPointD position) {
  TContainer &container = ContainerOf(View().CurrentFrameIndex());
  if (container.FindMark(CurrentMarkOrderNumber) != nullptr) {
    TMessageBox(icInformation)
        .AddLine(QCoreApplication::translate("TPolyContainer", "A similar mark already exists on this image."))
        .AddButton(QCoreApplication::translate("TPolyContainer", "Ok"))
        .Execute();
    return false;
  }
  std::unique_ptr<TMarque> mark = container.CreateMark();
  mark->MarkOrderNumber = CurrentMarkOrderNumber;
  mark->SetAbsolutePosition(position);
  return AddMark(std::move(mark), akSetMark) != nullptr;
}

void TPolyContainer::PointMarkAt(TPoint pixel) {
  const bool lastObject = CurrentMarkOrderNumber >= MarksNumberPerFrame - 1;
  if (!PointMark(View().ScreenToFrame(pixel))) return;
  if (lastObject) View().GoToFrame(View().EditedFrameIndex() + Host().FramesNumberBetweenTwoMarks());
  SetCurrentMarkOrderNumber(CurrentMarkOrderNumber + 1);
}

bool TPolyContainer::RemoveLastMark() {
  TMarque *mark = LastMark();
  if (mark == nullptr) return false;
  const int frame = mark->FrameIndex;
  const int order = mark->MarkOrderNumber;
  RemoveMark(mark, akDeleteLastMark);
  View().GoToVideoFrame(frame);
  const TContainer *container = FindContainer(frame);
  SetCurrentMarkOrderNumber(container != nullptr && !container->Marks.empty()
                                ? std::clamp(order, 0, MarksNumberPerFrame - 1)
                                : 0);
  View().Repaint();
  return true;
}

void TPolyContainer::RestorePointingState(const TMarque &mark) {
  View().GoToVideoFrame(mark.FrameIndex);
  if (mark.MarkOrderNumber >= MarksNumberPerFrame - 1)
    View().GoToFrame(View().EditedFrameIndex() + Host().FramesNumberBetweenTwoMarks());
  SetCurrentMarkOrderNumber(mark.MarkOrderNumber + 1);
}

void TPolyContainer::RestoreStateBeforePointing(int frameIndex, int order) {
  View().GoToVideoFrame(frameIndex);
  SetCurrentMarkOrderNumber(std::clamp(order, 0, MarksNumberPerFrame - 1));
}

void TPolyMarqueImgTsp::RestorePointingState(const TMarque &mark) {
  // The layer as it was dropped on the mark's frame, then on to the next frame as pointing
  // left it, waiting for the next grab.
  View().GoToVideoFrame(mark.FrameIndex);
  Layer().ShowFrameLayer(mark.FrameIndex);
  View().GoToFrame(View().EditedFrameIndex() + Host().FramesNumberBetweenTwoMarks());
  SetCurrentMarkOrderNumber(0);
  Layer().AdvanceStage(1);
  ComputePixels();
}

void TPolyMarqueImgTsp::RestoreStateBeforePointing(int frameIndex, int order) {
  TPolyContainer::RestoreStateBeforePointing(frameIndex, order);
  // Back to waiting for the mark, on the layer as it was dropped on that frame.
  Layer().StepBackStage(1);
  Layer().ShowFrameLayer(frameIndex);
  ComputePixels();
}

void TPolyContainer::PlaceTrackedMarks(const TPointDMatrix &positions, const TMatriceI &frames) {
  // Objects beyond the measurement's count have nowhere to go.
  const size_t objects = std::min({positions.size(), frames.size(), size_t(std::max(0, MarksNumberPerFrame))});
  const auto samples = [&](size_t object) { return std::min(positions[object].size(), frames[object].size()); };
  bool any = false;
  for (size_t object = 0; object < objects && !any; ++object)
    for (size_t k = 0; k < samples(object) && !any; ++k) any = frames[object][k] >= 0;
  if (!any) return;

  // Tens of thousands of positions arrive at once: containers are found through a map, and
  // the lists are renumbered, the results made stale and the window told once at the end
  // rather than after each mark.
  std::unordered_map<int, TContainer *> byFrame;
  byFrame.reserve(Containers.size() + positions.size() * 2);
  for (const auto &container : Containers) byFrame.emplace(container->MarksContainerFrameNumber, container.get());
  Host().BeginGroup();
  for (size_t object = 0; object < objects; ++object) {
    for (size_t k = 0; k < samples(object); ++k) {
      const int frame = frames[object][k];
      if (frame < 0) continue;
      TContainer *&container = byFrame[frame];
      if (container == nullptr) {
        Containers.push_back(CreateContainer(frame));
        container = Containers.back().get();
      }
      if (TMarque *existing = container->FindMark(int(object))) {
        Host().Record(existing, akMove);
        existing->SetAbsolutePosition(positions[object][k]);
        existing->ComputePixel();
        continue;
      }
      std::unique_ptr<TMarque> created = container->CreateMark();
      created->MarkOrderNumber = int(object);
      created->SetAbsolutePosition(positions[object][k]);
      TMarque *held = container->TakeMark(std::move(created));
      held->ListIndex = int(AllMarks.size());
      AllMarks.push_back(held);
      held->ComputePixel();
      Host().Record(held, akTrackerSet);
    }
  }
  Host().EndGroup();
  Renumber();
  Host().InvalidateResults(TResultsScope::ActiveMode);
  Host().MarksChanged();
  View().Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Removal commands
// ---------------------------------------------------------------------------------------------

void TPolyContainer::EraseMark(TMarque *mark) { RemoveMark(mark, akDeleteMark); }

void TPolyContainer::EraseFrame(int frameIndex) { ClearFrame(frameIndex); }

void TPolyContainer::DeleteAllMarks() {
  Host().BeginGroup();
  for (TMarque *mark : MarksOfAllContainers()) RemoveMark(mark, akDeleteMark);
  Host().EndGroup();
  SetCurrentMarkOrderNumber(0);
}

void TPolyMarqueImgTsp::EraseMark(TMarque *mark) {
  if (!HoldsMark(mark)) return;
  const int frame = mark->FrameIndex;
  Host().BeginGroup();
  RemoveMark(mark, akDeleteMark);
  Layer().DeleteOriginOfFrame(frame);
  Host().EndGroup();
  Host().RecomputeLayerMarkPixels();
}

void TPolyMarqueImgTsp::EraseFrame(int frameIndex) {
  Host().BeginGroup();
  ClearFrame(frameIndex);
  Layer().DeleteOriginOfFrame(frameIndex);
  Host().EndGroup();
  Host().RecomputeLayerMarkPixels();
}

void TPolyMarqueImgTsp::DeleteAllMarks() {
  Host().BeginGroup();
  TPolyContainer::DeleteAllMarks();
  Layer().ClearAllPositions();
  Host().EndGroup();
}

// ---------------------------------------------------------------------------------------------
// Move and erase tools
// ---------------------------------------------------------------------------------------------

TMarque *TPolyContainer::HitMark(TPoint pixel) const {
  const int tolerance = ElementPenWidth(Host().ElementSize());
  for (TMarque *mark : AllMarks)
    if (PointHit(pixel, mark->Pixel(), tolerance)) return mark;
  return nullptr;
}

void TPolyContainer::MouseDown(int tool, Qt::MouseButton button, Qt::KeyboardModifiers, TPoint pixel) {
  if (tool == mtMove) {
    if (button != Qt::LeftButton || DragState != 0) return;
    TMarque *mark = HitMark(pixel);
    if (mark == nullptr) return;
    Host().Record(mark, akMove);
    DragState = 1;
    DragIndex = mark->ListIndex;
    return;
  }
  if (tool != mtErase) return;
  if (button == Qt::RightButton) {
    EraseFrame(View().CurrentFrameIndex());
    View().Repaint();
    return;
  }
  if (button != Qt::LeftButton) return;
  if (TMarque *mark = HitMark(pixel)) {
    EraseMark(mark);
    View().Repaint();
    return;
  }
  DragState = 2;
  SelectionCorner1 = SelectionCorner2 = pixel;
}

void TPolyContainer::MouseMove(int tool, Qt::KeyboardModifiers, TPoint pixel) {
  if (DragState == 1) {
    if (TMarque *mark = Mark(DragIndex)) {
      mark->SetAbsolutePosition(View().ScreenToFrame(pixel));
      mark->ComputePixel();
    }
    View().Invalidate();
    return;
  }
  if (DragState == 2) {
    SelectionCorner2 = pixel;
    View().Invalidate();
    return;
  }
  const bool overMark = HitMark(pixel) != nullptr;
  if (tool == mtMove)
    View().SetViewCursor(overMark ? mcOverMarkMove : mcMove);
  else if (tool == mtErase)
    View().SetViewCursor(overMark ? mcOverMarkErase : mcErase);
}

void TPolyContainer::MouseUp(int, Qt::MouseButton, Qt::KeyboardModifiers, TPoint pixel) {
  if (DragState == 2) {
    SelectionCorner2 = pixel;
    EraseRectangle();
  }
  DragState = 0;
  DragIndex = -1;
  View().Invalidate();
}

void TPolyContainer::EndDrag() {
  DragState = 0;
  DragIndex = -1;
}

void TPolyContainer::EraseRectangle() {
  std::vector<TMarque *> inside;
  for (auto it = AllMarks.rbegin(); it != AllMarks.rend(); ++it)
    if (PointInBox((*it)->Pixel(), SelectionCorner1, SelectionCorner2)) inside.push_back(*it);
  if (inside.empty()) return;
  Host().BeginGroup();
  for (TMarque *mark : inside) RemoveMark(mark, akDeleteMark);
  Host().EndGroup();
  View().Repaint();
}

}  // namespace kolibra::measurement
