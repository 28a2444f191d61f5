#pragma once
// TBoiteValeur: the value dialog. One instance lives as long as the main window; each
// Execute builds a modal window from TValueEntryModel's texts and layout, hands the model
// every typed key and every request to close, and releases the window afterwards.
//
// Use: SetContext with the program's current numbers, SetTypeSaisie (and for tsLongueur
// SetTypeSaisieLongueur), then Execute; or the one-call Execute overload. Ok and Enter close
// only on a valid value; Escape and closing the window cancel, so even a kind whose interval
// is empty (a one-frame video asked for a frame step) can be left.

#include "kit/Color.h"
#include "settings/ValueEntry.h"

#include <QFont>
#include <QString>

namespace kolibra::settings {

class TBoiteValeur {
 public:
  void SetContext(const TValueContext &context) { Model.SetContext(context); }
  void SetTypeSaisie(TTypeSaisie kind) { Model.SetTypeSaisie(kind); }
  TTypeSaisie TypeSaisie() const { return Model.TypeSaisie(); }
  void SetTypeSaisieLongueur(TTypeSaisieLongueur kind) { Model.SetTypeSaisieLongueur(kind); }
  TTypeSaisieLongueur TypeSaisieLongueur() const { return Model.TypeSaisieLongueur(); }

  // Set by SetTypeSaisie; may be changed afterwards.
  QString Caption() const { return Model.Caption; }
  void SetCaption(const QString &caption) { Model.Caption = caption; }

  // Shows the dialog (nothing without an open video, except for tsCadence) and returns
  // whether the user gave a valid value, with the value as TValueResult says.
  TValueResult Execute();
  // SetContext, SetTypeSaisie and SetTypeSaisieLongueur, then Execute.
  TValueResult Execute(TTypeSaisie kind, const TValueContext &context,
                       TTypeSaisieLongueur lengthKind = slLongueurN);

  // The outcome of the last Execute.
  bool Accepted() const { return Model.Accepted(); }
  const QVariant &Value() const { return Model.Value(); }

  const TValueEntryModel &Entry() const { return Model; }

  QFont Font;
  TColor BackGroundColor = colors::clBtnFace;

 private:
  TValueEntryModel Model;
};

}  // namespace kolibra::settings
