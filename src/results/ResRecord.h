#pragma once
// What a work file keeps of the results window, beside the marks: the view last chosen, the
// models laid over the time and the formula views, each measurement's choices (the time
// view's quantity and objects, the trajectory's objects and reference, the vectors view's
// kind and objects), the vector scales, and the constructs drawn on the graphs.
//
// They live in the work file's section "Results", which readers of the other sections never
// look at; a file without it opens with the results as a new measurement has them. Numbers
// are written with "." at full precision whatever the user's region.
//
// A record goes back into the results (TResModel) in two steps: the choices at once, the
// constructs and the scales when their graph is next built, since a vector construct needs
// its graph's vector kinds and a scale the vectors it applies to. Until then the model keeps
// them pending, and a capture of the model returns them as they were read.

#include "kit/Color.h"
#include "kit/Types.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace kolibra {
class TIniFile;
}

namespace kolibra::results {

class TResModel;

// One construct drawn by the user: its graph (measurement and slot), its type (TGObjectType),
// colour and control points in world units; a vector also has its kind and components (its
// tail is its one point).
struct TResConstruct {
  int Measurement = 0;
  int Slot = 0;
  int Type = 0;
  TColor Colour;
  TPointDDynArray Points;
  int Kind = 0;
  TPointD Components;
};

// A measurement's choices in the views (kinematics::TMemory's fields that a user picks).
struct TResChoices {
  int TempsQuantity = 0;
  TIntegerDynArray TempsObjects;
  TIntegerDynArray ReferentielObjects;
  int ReferentielReference = -1;
  int VecteurKind = 0;
  TIntegerDynArray VecteurObjects;

  friend bool operator==(const TResChoices &, const TResChoices &) = default;
};

// The scale of each vector kind (by its key), per measurement; not greater than 0: none.
using TResScales = std::array<std::array<double, 2>, 2>;

struct TResRecord {
  bool Present = false;  // the file had the section
  int View = -1;         // TResView; -1 none
  int ModelTemps = 0;    // modelling::TModelType of the time view
  int ModelFormule = 0;  // ... of the formula view
  std::array<TResChoices, 2> Choices;
  TResScales Scales{{{0.0, 0.0}, {0.0, 0.0}}};
  std::vector<TResConstruct> Constructs;
};

inline constexpr const char *ResultsSection = "Results";

// The section "Results" of a work file: written whole (replacing any), or read back with
// every value bounded; a record without the section is not Present.
void WriteResRecord(const TResRecord &record, TIniFile &ini);
TResRecord ReadResRecord(const TIniFile &ini);
// The keys of the section that only say how the results were last shown (the view, each
// measurement's choices, the scales): looking at the results changes them, and that alone
// is no change of the work worth a question. The models and the constructs are.
QStringList ResRecordViewKeys();

// What the model shows now, the pending constructs and scales of graphs not built since
// included.
TResRecord CaptureResRecord(const TResModel &model);
// Gives a record back to the model after a work file was opened (after its Reset). A record
// that is not Present changes nothing.
void RestoreResRecord(TResModel &model, const TResRecord &record);

}  // namespace kolibra::results
