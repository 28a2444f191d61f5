#include "results/Courbe.h"

#include "results/GConstructs.h"
#include "results/GModele.h"

#include <algorithm>

namespace kolibra::results {

TCourbe::TCourbe() = default;

std::vector<TGElem *> *TCourbe::ListOf(int objectType) {
  switch (objectType) {
    case obAngle:
      return &Angles;
    case obArc:
      return &Arcs;
    case obCercle:
      return &Circles;
    case obEllipse:
      return &Ellipses;
    case obPoint:
      return &Points;
    case obSegment:
      return &Segments;
    case obSpline:
      return &Splines;
    case obVecteur:
      return &Vectors;
    default:
      return nullptr;
  }
}

void TCourbe::Add(TGElem *element, bool fresh) {
  if (element == nullptr) return;
  if (element->ObjectType == obModele) {
    Modele = static_cast<TGModele *>(element);
  } else if (auto *list = ListOf(element->ObjectType)) {
    if (!fresh && std::find(list->begin(), list->end(), element) != list->end()) return;
    list->push_back(element);
  } else {
    return;
  }
  Apply(element);
}

void TCourbe::Remove(const TGElem *element) {
  if (element == Modele) Modele = nullptr;
  if (auto *list = ListOf(element->ObjectType)) list->erase(std::remove(list->begin(), list->end(), element), list->end());
}

void TCourbe::Apply(TGElem *e) const {
  const bool user = e->UserMade;
  switch (e->ObjectType) {
    case obAngle:
      e->SetVisible(ShowAngles);
      break;
    case obArc:
      e->SetVisible(ShowArcs);
      break;
    case obCercle:
      e->SetVisible(ShowCircles);
      break;
    case obEllipse:
      e->SetVisible(ShowEllipses);
      break;
    case obPoint: {
      auto *p = static_cast<TGPoint *>(e);
      p->SetVisible(Visible);
      p->ShowLabel = ShowLabels;
      p->LabelColor = LabelColor;
      p->LabelPlace = LabelPlace;
      p->MotifKind = MotifKind;
      break;
    }
    case obSegment:
      e->SetVisible(user ? ShowUserSegments : ShowDataSegments);
      break;
    case obSpline:
      e->SetVisible(user ? ShowUserSplines : ShowDataSplines);
      break;
    case obVecteur: {
      auto *v = static_cast<TGVecteur *>(e);
      v->SetVisible((user ? ShowUserVectors : ShowDataVectors) && v->Kind == ShownVectorKey);
      break;
    }
    case obModele: {
      auto *m = static_cast<TGModele *>(e);
      m->SetVisible(ShowModel);
      m->NomX = NomX;
      m->NomY = NomY;
      m->UnitX = UnitX;
      m->UnitY = UnitY;
      // The model's colour stands out from the points it is fitted to.
      m->SetColor(ModelColourFor(PointColor));
      break;
    }
    default:
      break;
  }
}

void TCourbe::ApplyAll() {
  for (auto *list : {&Angles, &Arcs, &Circles, &Ellipses, &Points, &Segments, &Splines, &Vectors})
    for (TGElem *e : *list) Apply(e);
  if (Modele != nullptr) Apply(Modele);
}

std::unique_ptr<TGElem> TCourbe::Clone() const {
  auto copy = std::make_unique<TCourbe>();
  copy->Assign(*this);
  copy->Id = Id;
  return copy;
}

}  // namespace kolibra::results
