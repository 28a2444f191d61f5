#pragma once
// TGModele: the model curve of a series. It owns one model of each family (TMdl) and the
// modeller panel, keeps the series' samples (without its edges) and the chosen sub-range,
// and routes paint, mouse and panel events to the model of its kind. Kind mtNone is no model.
//
// The kind is set after the plot and world rectangles (the fit clamps to them); the model
// is fitted as it gets its kind or new data, over the samples in the fit range.

#include "modelling/Mdl.h"
#include "modelling/ModelFunction.h"
#include "modelling/Modeleur.h"
#include "results/GElem.h"

#include <array>
#include <functional>
#include <optional>

namespace kolibra::results {

// The colour of a model curve over points of a colour: the house teal, unless the points are
// near it (then magenta, or orange when the points are near that too).
TColor ModelColourFor(TColor points);
// A model curve is drawn at least this wide, thicker than the data's broken line.
inline constexpr int ModelPenWidth = 2;

class TGModele : public TGElem {
 public:
  TGModele();
  ~TGModele() override;

  QString NomX = QStringLiteral("t");
  QString NomY = QStringLiteral("t");
  QString UnitX, UnitY;  // the series' units: the parameters' units follow from them
  TDoubleDynArray X, Y;  // the samples, edges left out
  int Kind = modelling::mtNone;  // modelling::TModelType
  bool ShowEqua = false;  // the graph's IsShowModeleurEqua
  bool ShowStat = false;  // the graph's IsShowModeleurStat
  modelling::TModeleur Panel;
  // Raised after the model changed (a drag, a panel button, a refit): the graph repaints.
  std::function<void()> OnChanged;

  // The model of the current kind, or null.
  modelling::TMdl *Model() const;
  modelling::TMdl *ModelOf(int kind) const;

  void SetData(const TDoubleDynArray &x, const TDoubleDynArray &y);
  // Selects the model family and fits it (mtNone: none).
  void SetKind(int kind);
  // Fits over the samples whose abscissa lies within [from, to]; ClearFitRange: all of them.
  void SetFitRange(double from, double to);
  void ClearFitRange();
  const std::optional<std::pair<double, double>> &FitRange() const { return FFitRange; }

  void SetPlotRect(int left, int top, int width, int height) override;
  void SetWorld(const TRectD &rect) override;
  void SetColor(TColor colour) override;
  bool HitTest(TPoint point) override;  // a model element is never selected
  void Draw(TGraphCanvas &canvas) override;
  std::unique_ptr<TGElem> Clone() const override;

  // The region of the curve under a point, -1 off it (or without a curve).
  int ModelHit(TPoint point) const;
  // The text the model-parameters tool shows: equation, values and statistics.
  QString ModelText() const;

  // The modify-model tool: a press starts the drag its region calls for (false when none
  // starts), moves apply it, the release ends it.
  bool BeginAdjust(TPoint point);
  void Adjust(TPoint point, unsigned shift);
  void EndAdjust();
  bool Adjusting() const { return Drag != modelling::mdNone; }
  // The cursor over a point while the modify-model tool is active.
  int HoverCursor(TPoint point) const;

  // Fills the panel from the model. editable: the tool that nudges values is active.
  void RefreshPanel(bool editable);
  // Draws the read-only texts (equation, statistics) in the plot's corner.
  void DrawLegend(TGraphCanvas &canvas) const;

 private:
  void Refit();
  void ModelChanged();
  QStringList PanelExtra() const;

  std::array<std::unique_ptr<modelling::TMdl>, modelling::mtNone> Models;  // by model code
  std::optional<std::pair<double, double>> FFitRange;
  modelling::TModelDrag Drag = modelling::mdNone;
  TPoint LastPoint;
  bool PanelEditable = false;
};

}  // namespace kolibra::results
