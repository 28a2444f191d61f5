// What follows an undo, object by object: removing what was added, putting back what was
// removed (the history hands its copy over), and repairing pixels, results and
// notifications after a state was restored.

#include "measurement/Data.h"

namespace kolibra::measurement {

void TData::ApplyUndo(THistObject &object, int actionKind) {
  switch (object.ObjectKind) {
    case okEchelle:
      ScaleObject->ComputePixels();
      InvalidateCalculators(TCalculatorSet::Both);
      break;
    case okMarqueRep:
    case okMarqueTsp:
      if (auto *mark = dynamic_cast<TMarque *>(&object)) UndoMark(*mark, actionKind);
      break;
    case okOrigine:
      if (auto *origin = dynamic_cast<TOrigine *>(&object)) UndoOrigin(*origin, actionKind);
      break;
    case okPolyMarqueImgRep:
    case okPolyMarqueImgTsp: {
      auto &collection = static_cast<TPolyContainer &>(object);
      collection.Renumber();
      collection.ComputePixels();
      InvalidateResults(TResultsScope::ActiveMode);
      if (&collection == FixedCollection.get()) ObjectsCountChanged(collection.MarksNumberPerFrame);
      break;
    }
    case okRepereFixe:
      FixedAxes->ComputeAxisLines();
      InvalidateCalculators(TCalculatorSet::FixedAxes);
      Fire(OnAxesChange);
      break;
    case okPlane:
      InvalidateCalculators(TCalculatorSet::Both);
      Fire(OnAxesChange);
      break;
    case okTransparent:
      LayerSystem->ComputeRectangle();
      RecomputeLayerMarkPixels();
      InvalidateCalculators(TCalculatorSet::Layer);
      break;
    default:
      break;
  }
  View().Invalidate();
}

void TData::ApplyUndo(std::unique_ptr<THistObject> copy, int actionKind) {
  if (!copy) return;
  switch (copy->ObjectKind) {
    case okMarqueRep:
    case okMarqueTsp:
      PutBackMark(std::move(copy), actionKind);
      break;
    case okOrigine:
      PutBackOrigin(std::move(copy), actionKind);
      break;
    default:
      // Nothing else is ever removed: the copy is simply freed.
      break;
  }
  View().Invalidate();
}

void TData::UndoMark(TMarque &mark, int actionKind) {
  TPolyContainer &collection = *mark.Collection;
  switch (actionKind) {
    case akTrackerSet:
      collection.RemoveMark(&mark, akDeleteMark);
      break;
    case akSetMark: {
      const int frame = mark.FrameIndex;
      const int order = mark.MarkOrderNumber;
      collection.RemoveMark(&mark, akDeleteLastMark);
      collection.RestoreStateBeforePointing(frame, order);
      break;
    }
    default:
      // A restored position (a drag, a tracker's move).
      collection.ReindexMarks();
      mark.ComputePixel();
      InvalidateResults(TResultsScope::ActiveMode);
      break;
  }
}

void TData::PutBackMark(std::unique_ptr<THistObject> copy, int actionKind) {
  if (dynamic_cast<TMarque *>(copy.get()) == nullptr) return;
  std::unique_ptr<TMarque> mark(static_cast<TMarque *>(copy.release()));
  TPolyContainer &collection = mark->ObjectKind == okMarqueTsp ? static_cast<TPolyContainer &>(*LayerCollection)
                                                               : static_cast<TPolyContainer &>(*FixedCollection);
  const bool pointed = actionKind == akDeleteLastMark;
  // A mark whose object already has one on that frame is refused: AddMark frees it.
  TMarque *held = collection.AddMark(std::move(mark), pointed ? akSetMark : akTrackerSet);
  if (held != nullptr && pointed) collection.RestorePointingState(*held);
}

void TData::UndoOrigin(TOrigine &origin, int actionKind) {
  switch (actionKind) {
    case akPutBackOrigin:
      LayerSystem->RemoveOrigin(&origin, akDeleteMark);
      break;
    case akDropLayer:
      LayerSystem->RemoveOrigin(&origin, akDeleteLastMark);
      LayerSystem->ShowLayer(int(LayerSystem->Origins.size()) - 1);
      LayerSystem->AdvanceStage(1);
      break;
    default:
      break;
  }
  AfterOriginUndo();
}

void TData::PutBackOrigin(std::unique_ptr<THistObject> copy, int actionKind) {
  if (dynamic_cast<TOrigine *>(copy.get()) == nullptr) return;
  std::unique_ptr<TOrigine> origin(static_cast<TOrigine *>(copy.release()));
  const int id = origin->ObjectId;
  if (actionKind == akDeleteLastOrigin) {
    LayerSystem->InsertOrigin(std::move(origin), akSetMark);
    if (const TOrigine *back = LayerSystem->FindOriginById(id)) LayerSystem->ShowLayer(back->ListIndex);
    LayerSystem->AdvanceStage(2);
  } else {
    LayerSystem->InsertOrigin(std::move(origin), akPutBackOrigin);
  }
  AfterOriginUndo();
}

void TData::AfterOriginUndo() {
  LayerSystem->ComputeRectangle();
  RecomputeLayerMarkPixels();
  View().Repaint();
}

}  // namespace kolibra::measurement
