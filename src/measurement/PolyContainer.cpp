// The collection itself: its lists, its settings and names, adding and removing marks,
// renumbering and the series the calculators read.

#include "measurement/PolyContainer.h"

#include "kit/MathUtils.h"
#include "measurement/Repere.h"
#include "measurement/Transparent.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>

namespace kolibra::measurement {

QString DefaultSystemName(int index) {
  return QCoreApplication::translate("TPolyContainer", "of point n°") + QString::number(index + 1);
}

TPolyContainer::TPolyContainer(int objectKind, IMarksHost &host, IViewPort &view, TRepere &system)
    : THistObject(objectKind), HostLink(&host), ViewLink(&view), SystemLink(&system) {
  AllMarks.reserve(1024);
  Containers.reserve(1024);
  MarksNumberPosition = host.DefaultMarksNumberPosition(objectKind == okPolyMarqueImgTsp);
  SystemNames << DefaultSystemName(0);
}

TPolyContainer::~TPolyContainer() {
  // The list does not own the marks: empty it before their containers go.
  AllMarks.clear();
}

void TPolyContainer::Assign(const THistObject &source) {
  THistObject::Assign(source);
  const auto *collection = dynamic_cast<const TPolyContainer *>(&source);
  if (collection == nullptr || collection == this) return;
  MarksIsAllDrawn = collection->MarksIsAllDrawn;
  MarksNumberPerFrame = collection->MarksNumberPerFrame;
  MarksNumberToDraw = collection->MarksNumberToDraw;
  CurrentMarkOrderNumber = collection->CurrentMarkOrderNumber;
  MarksNumberPosition = collection->MarksNumberPosition;
  SystemNames = collection->SystemNames;
}

bool TPolyContainer::IsEqual(const THistObject &other) const {
  const auto *collection = dynamic_cast<const TPolyContainer *>(&other);
  return collection != nullptr && collection->ObjectKind == ObjectKind &&
         collection->MarksIsAllDrawn == MarksIsAllDrawn && collection->MarksNumberPerFrame == MarksNumberPerFrame &&
         collection->MarksNumberToDraw == MarksNumberToDraw &&
         collection->CurrentMarkOrderNumber == CurrentMarkOrderNumber &&
         collection->MarksNumberPosition == MarksNumberPosition && collection->SystemNames == SystemNames;
}

TMarque *TPolyContainer::AddMark(std::unique_ptr<TMarque> mark, int actionKind) {
  if (!mark) return nullptr;
  // The frame, not the container a copy was linked to: that one may be gone.
  TContainer &container = ContainerOf(mark->FrameIndex, mark->ContainerIndex);
  TMarque *held = container.TakeMark(std::move(mark));
  if (held == nullptr) {
    if (container.Marks.empty()) DropContainer(&container);
    return nullptr;
  }

  const int at = held->ListIndex;
  if (at >= 0 && size_t(at) <= AllMarks.size())
    AllMarks.insert(AllMarks.begin() + at, held);
  else
    AllMarks.push_back(held);
  ReindexMarks();
  held->ComputePixel();
  Host().Record(held, actionKind);
  Host().InvalidateResults(TResultsScope::ActiveMode);
  Host().MarksChanged();
  Renumber();
  return held;
}

void TPolyContainer::Clear() {
  AllMarks.clear();
  Containers.clear();
  DragState = 0;
  DragIndex = -1;
  SystemNames.clear();
  FitNames(MarksNumberPerFrame);
}

void TPolyContainer::ResetSettings() {
  MarksIsAllDrawn = true;
  DragState = 0;
  DragIndex = -1;
  MarksNumberToDraw = 1;
  MarksNumberPerFrame = 1;
  CurrentMarkOrderNumber = 0;
}

bool TPolyContainer::HasDefaultNames() const {
  for (int i = 0; i < MarksNumberPerFrame; ++i)
    if (SystemName(i) != DefaultSystemName(i)) return false;
  return true;
}

void TPolyContainer::RemoveMark(TMarque *mark, int actionKind) {
  const auto it = std::find(AllMarks.begin(), AllMarks.end(), mark);
  if (it == AllMarks.end()) return;
  // Its ListIndex keeps the position it leaves, for the copy the history takes.
  AllMarks.erase(it);
  ReindexMarks();
  if (DragState == 1) {  // the dragged mark may be gone or have moved in the list
    DragState = 0;
    DragIndex = -1;
  }
  Host().InvalidateResults(TResultsScope::ActiveMode);
  Host().MarksChanged();
  TContainer *container = mark->Container;
  const auto at = std::find_if(Containers.begin(), Containers.end(),
                               [container](const auto &c) { return c.get() == container; });
  mark->ContainerIndex = at == Containers.end() ? -1 : int(at - Containers.begin());
  Host().Record(mark, actionKind);
  if (container != nullptr) {
    container->ReleaseMark(mark);
    if (container->Marks.empty()) DropContainer(container);
  }
  Renumber();
}

void TPolyContainer::ClearFrame(int frameIndex) {
  const TContainer *container = FindContainer(frameIndex);
  if (container == nullptr || container->Marks.empty()) return;
  Host().BeginGroup();
  for (TMarque *mark : MarksOf(*container)) RemoveMark(mark, akDeleteMark);
  Host().EndGroup();
}

void TPolyContainer::RemoveObjectMarks(int order) {
  for (int i = MarksCount() - 1; i >= 0; --i) {
    TMarque *mark = AllMarks[size_t(i)];
    if (mark->MarkOrderNumber == order) RemoveMark(mark, akDeleteMark);
  }
}

void TPolyContainer::SetMarksNumberPerFrame(int count) {
  count = std::max(1, count);
  const int old = MarksNumberPerFrame;
  if (count != old) {
    Host().InvalidateResults(TResultsScope::ActiveMode);
    if (count < old) {
      // From the highest object down, so that each removal leaves the others' numbers alone.
      for (int order = old - 1; order >= count; --order) RemoveObjectMarks(order);
    }
    MarksNumberPerFrame = count;
    FitNames(count);
    Renumber();
    SetCurrentMarkOrderNumber(CurrentMarkOrderNumber);
  }
  Host().ObjectsCountChanged(count);
}

void TPolyContainer::SetCurrentMarkOrderNumber(int order) {
  if (order < 0)
    order = MarksNumberPerFrame - 1;
  else if (order >= MarksNumberPerFrame)
    order = 0;
  CurrentMarkOrderNumber = order;
  View().Invalidate();
}

TMarque *TPolyContainer::Mark(int index) const {
  return index >= 0 && index < MarksCount() ? AllMarks[size_t(index)] : nullptr;
}

TMarque *TPolyContainer::FindMarkById(int objectId) const {
  for (TMarque *mark : AllMarks)
    if (mark->ObjectId == objectId) return mark;
  return nullptr;
}

TContainer *TPolyContainer::FindContainer(int frameNumber) const {
  for (const auto &container : Containers)
    if (container->MarksContainerFrameNumber == frameNumber) return container.get();
  return nullptr;
}

int TPolyContainer::FrameMarksCount(int frameNumber) const {
  const TContainer *container = FindContainer(frameNumber);
  return container == nullptr ? -1 : container->MarksCount();
}

int TPolyContainer::ObjectMarksCount(int order) const {
  return int(std::count_if(AllMarks.begin(), AllMarks.end(),
                           [order](const TMarque *mark) { return mark->MarkOrderNumber == order; }));
}

int TPolyContainer::SmallestObjectMarksCount() const {
  TIntegerDynArray counts;
  for (int order = 0; order < MarksNumberPerFrame; ++order) counts.push_back(ObjectMarksCount(order));
  return MinOfI(counts);
}

int TPolyContainer::LastMarkedFrame() const {
  return Containers.empty() ? -1 : Containers.back()->MarksContainerFrameNumber;
}

QString TPolyContainer::SystemName(int index) const {
  return index >= 0 && index < SystemNames.size() ? SystemNames.at(index) : QString();
}

void TPolyContainer::SetSystemName(int index, const QString &name) {
  if (index >= 0 && index < SystemNames.size()) SystemNames[index] = name;
}

bool TPolyContainer::HoldsMark(const TMarque *mark) const {
  return std::find(AllMarks.begin(), AllMarks.end(), mark) != AllMarks.end();
}

TMarkSeries TPolyContainer::ExtractSeries(double frameInterval, const IFrameTimeShift *shifts,
                                          const TDoubleDynArray *stamps) const {
  std::vector<const TContainer *> kept;
  TIntegerDynArray n;
  for (const auto &container : Containers) {
    if (container->Marks.empty()) continue;
    kept.push_back(container.get());
    n.push_back(container->MarksContainerFrameNumber + TimeShiftOf(shifts, container->MarksContainerFrameNumber));
  }
  const int objects = std::max(1, MarksNumberPerFrame);
  const size_t samples = kept.size();
  TMarkSeries series;
  series.Times.assign(samples, 0.0);
  series.FrameIndex.assign(size_t(objects), TIntegerDynArray(samples, -1));
  series.X.assign(size_t(objects), TDoubleDynArray(samples, 0.0));
  series.Y.assign(size_t(objects), TDoubleDynArray(samples, 0.0));
  series.Origins.assign(samples, System().OrigineCurrent);
  if (samples == 0) return series;

  // A frame the stamps do not reach (a count still growing) falls back to the interval.
  bool stamped = stamps != nullptr && !stamps->empty();
  for (size_t k = 0; stamped && k < samples; ++k) {
    const int frame = kept[k]->MarksContainerFrameNumber;
    stamped = frame >= 0 && size_t(frame) < stamps->size();
  }
  const auto stampOf = [&](size_t source) {
    const int frame = kept[source]->MarksContainerFrameNumber;
    return (*stamps)[size_t(frame)] + (n[source] - frame) * frameInterval;
  };
  series.Stamped = stamped;

  const int nmin = MinOfI(n);
  TIntegerDynArray order;
  SortIndices(n, order);
  const double origin = stamped ? stampOf(size_t(order[0])) : 0.0;
  for (size_t k = 0; k < samples; ++k) {
    const size_t source = size_t(order[k]);
    const int relative = n[source] - nmin;
    series.Times[k] = stamped ? stampOf(source) - origin : relative * frameInterval;
    // A layer mark is kept relative to the layer where it lay on its own frame.
    if (ObjectKind == okPolyMarqueImgTsp)
      if (const TOrigine *frameOrigin = System().FindOriginByImage(kept[source]->MarksContainerFrameNumber))
        series.Origins[k] = frameOrigin->Position;
    for (int object = 0; object < objects; ++object) {
      const TMarque *mark = kept[source]->FindMark(object);
      if (mark == nullptr) continue;
      const TPointD position = mark->GetRelativePosition();
      series.FrameIndex[size_t(object)][k] = relative;
      series.X[size_t(object)][k] = position.X;
      series.Y[size_t(object)][k] = -position.Y;
    }
  }
  return series;
}

void TPolyContainer::Renumber() {
  TIntegerDynArray frames;
  frames.reserve(Containers.size());
  // Empty containers rank after every marked frame.
  for (const auto &container : Containers)
    frames.push_back(container->Marks.empty() ? INT_MAX : container->MarksContainerFrameNumber);
  TIntegerDynArray order;
  SortIndices(frames, order);
  for (size_t rank = 0; rank < order.size(); ++rank)
    Containers[size_t(order[rank])]->MarksContainerMarkNumber = int(rank);
}

void TPolyContainer::ComputePixels() {
  for (TMarque *mark : AllMarks) mark->ComputePixel();
}

void TPolyContainer::ReindexMarks() {
  for (size_t i = 0; i < AllMarks.size(); ++i) AllMarks[i]->ListIndex = int(i);
}

TContainer &TPolyContainer::ContainerOf(int frameNumber, int at) {
  if (TContainer *container = FindContainer(frameNumber)) return *container;
  if (at >= 0 && size_t(at) <= Containers.size())
    return **Containers.insert(Containers.begin() + at, CreateContainer(frameNumber));
  Containers.push_back(CreateContainer(frameNumber));
  return *Containers.back();
}

void TPolyContainer::DropContainer(const TContainer *container) {
  const auto it = std::find_if(Containers.begin(), Containers.end(),
                               [container](const auto &c) { return c.get() == container; });
  if (it != Containers.end()) Containers.erase(it);
}

std::vector<TMarque *> TPolyContainer::MarksOf(const TContainer &container) {
  std::vector<TMarque *> marks;
  for (auto it = container.Marks.rbegin(); it != container.Marks.rend(); ++it) marks.push_back(it->get());
  return marks;
}

std::vector<TMarque *> TPolyContainer::MarksOfAllContainers() const {
  std::vector<TMarque *> marks;
  for (const auto &container : Containers)
    for (TMarque *mark : MarksOf(*container)) marks.push_back(mark);
  return marks;
}

void TPolyContainer::FitNames(int count) {
  count = std::max(1, count);
  while (SystemNames.size() < count) SystemNames << DefaultSystemName(int(SystemNames.size()));
  while (SystemNames.size() > count) SystemNames.removeLast();
}

bool TPolyContainer::IsObjectShown(int order) const { return Host().ObjectVisible(order); }

// ---------------------------------------------------------------------------------------------
// The fixed-axes collection
// ---------------------------------------------------------------------------------------------

TPolyMarqueImgRep::TPolyMarqueImgRep(IMarksHost &host, IViewPort &view, TRepere &system)
    : TPolyContainer(okPolyMarqueImgRep, host, view, system) {}

std::unique_ptr<THistObject> TPolyMarqueImgRep::Clone() const {
  return FinishClone(std::make_unique<TPolyMarqueImgRep>(Host(), View(), System()), *this);
}

void TPolyMarqueImgRep::ResetSettings() {
  TPolyContainer::ResetSettings();
  MarksNumberPosition = Host().DefaultMarksNumberPosition(false);
}

std::unique_ptr<TContainer> TPolyMarqueImgRep::CreateContainer(int frameNumber) {
  return std::make_unique<TMarqueImgRep>(System(), *this, frameNumber);
}

// ---------------------------------------------------------------------------------------------
// The layer collection
// ---------------------------------------------------------------------------------------------

TPolyMarqueImgTsp::TPolyMarqueImgTsp(IMarksHost &host, IViewPort &view, TTransparent &layer)
    : TPolyContainer(okPolyMarqueImgTsp, host, view, layer), LayerLink(&layer) {
  FitNames(1);
}

std::unique_ptr<THistObject> TPolyMarqueImgTsp::Clone() const {
  return FinishClone(std::make_unique<TPolyMarqueImgTsp>(Host(), View(), Layer()), *this);
}

void TPolyMarqueImgTsp::Clear() {
  TPolyContainer::Clear();
  MarksNumberPerFrame = 1;
  CurrentMarkOrderNumber = 0;
}

void TPolyMarqueImgTsp::ResetSettings() {
  TPolyContainer::ResetSettings();
  MarksNumberPosition = Host().DefaultMarksNumberPosition(true);
}

bool TPolyMarqueImgTsp::HasDefaultNames() const {
  return SystemName(0) == DefaultSystemName(0) && SystemName(1) == DefaultSystemName(1);
}

void TPolyMarqueImgTsp::SetMarksNumberPerFrame(int) {
  MarksNumberPerFrame = 1;
  FitNames(1);
}

void TPolyMarqueImgTsp::SetCurrentMarkOrderNumber(int) {
  CurrentMarkOrderNumber = 0;
  View().Invalidate();
}

std::unique_ptr<TContainer> TPolyMarqueImgTsp::CreateContainer(int frameNumber) {
  return std::make_unique<TMarqueImgTsp>(System(), *this, frameNumber);
}

void TPolyMarqueImgTsp::FitNames(int) {
  // The object's own name, then the name of the layer's origin.
  while (SystemNames.size() < 2) SystemNames << DefaultSystemName(int(SystemNames.size()));
  while (SystemNames.size() > 2) SystemNames.removeLast();
}

}  // namespace kolibra::measurement
