// The results window's menus and tools without a window: which items and buttons each view
// offers, their check marks as the Display menu's settings and the graph's tool change them,
// what the options hide and what missing results disable. Over a real measurement built
// through the document (the kinematics tests' fixture), two objects thrown and resting.
#include "kinematics/support/CalculFixture.h"
#include "results/ConstructEditor.h"
#include "results/GConstructs.h"
#include "results/ResStates.h"
#include "settings/Options.h"

#include <set>

namespace kolibra::results::res_states_test {

using kinematics::testing::CalculFixture;

class ResStates : public CalculFixture {
 protected:
  ResStates() {
    options.CheckBox27ProfShowItem_Checked = true;  // the formula keyboard offered
    options.CheckBox9Speed_Checked = options.CheckBox8Acceleration_Checked = true;
    options.CheckBox53PolarQuantities_Checked = true;
    model.ApplyOptions();
    for (const TResMeasurement measurement : ResMeasurements)
      for (int slot = 0; slot < GraphSlotCount; ++slot) {
        auto &graph = graphs[size_t(measurement)][size_t(slot)];
        graph = std::make_unique<TGraph>();
        graph->SetSize(900, 600);
        model.SetGraph(measurement, slot, graph.get());
      }
  }

  void Mark() {
    Calibrate();
    PlaceMarks(2, 10, [](int o, int k) {
      const double t = 0.04 * k;
      return o == 0 ? TPointD(0.05 * k, 0.1 + 0.5 * t - 4.9 * t * t) : TPointD(0.3, 0.05);
    });
    ASSERT_TRUE(model.Recalculate());
  }

  // Shown, and inside shown menus.
  bool Offered(TResMenuItem item, bool canPrint = true) const {
    const TResMenuStates states = ResMenuStates(model, canPrint);
    for (TResMenuItem i = item;; i = ResMenuInfo(i).Parent) {
      if (!states[i].Visible) return false;
      if (ResMenuInfo(i).Parent == i) return true;
    }
  }
  bool Checked(TResMenuItem item) const { return ResMenuStates(model, true)[item].Checked; }
  std::set<TResButton> ShownTools() const {
    std::set<TResButton> shown;
    const TResToolStates states = ResToolStates(model);
    for (int b = 0; b < rbCount; ++b)
      if (states[TResButton(b)].Visible) shown.insert(TResButton(b));
    return shown;
  }
  std::set<TResButton> DownTools() const {
    std::set<TResButton> down;
    const TResToolStates states = ResToolStates(model);
    for (int b = 0; b < rbCount; ++b)
      if (states[TResButton(b)].Checked) down.insert(TResButton(b));
    return down;
  }

  TResModel model{TResLinks{&calc, &grids, &memory, nullptr, nullptr, &data, &options, {}, {}}};
  std::array<std::array<std::unique_ptr<TGraph>, GraphSlotCount>, ResMeasurementCount> graphs;
};

TEST_F(ResStates, EachViewOffersItsItems) {
  Mark();
  // Every item whose presence depends on the view; an item missing from a row is hidden there.
  const std::set<TResMenuItem> always = {MenuFichierExporter,      MenuFichierFermer,         MenuCalculsTemps,
                                         MenuCalculsLisserVitesse, MenuCalculsLisserAcceleration,
                                         MenuCalculsFormule,       MenuCalculsCalculatrice,   MenuAideKolibra,
                                         MenuAideApropos};
  const std::set<TResMenuItem> sizes = {MenuAffichageTaille, MenuAffichageTaillePetite, MenuAffichageTailleMoyenne,
                                        MenuAffichageTailleGrande};
  const std::set<TResMenuItem> numbering = {MenuAffichageNumeroter, MenuAffichageNumeroter0, MenuAffichageNumeroter1,
                                            MenuAffichageNumeroter2};
  const std::set<TResMenuItem> bubble = {MenuAffichageBulle, MenuAffichageBulleHD, MenuAffichageBulleHG,
                                         MenuAffichageBulleBG, MenuAffichageBulleBD};
  const std::set<TResMenuItem> modeller = {MenuAffichageBulleModele, MenuAffichageBulleModeleEqua,
                                           MenuAffichageBulleModeleStat};
  const std::set<TResMenuItem> zoom = {MenuAffichageZoom, MenuAffichageZoomX, MenuAffichageZoomY};
  const std::set<TResMenuItem> graphView = {MenuFichierImprimer, MenuEditionCopierImage, MenuAffichageDessiner};
  const auto join = [](std::initializer_list<std::set<TResMenuItem>> parts) {
    std::set<TResMenuItem> all;
    for (const auto &part : parts) all.insert(part.begin(), part.end());
    return all;
  };
  const struct {
    int View;
    std::set<TResMenuItem> Shown;
  } rows[] = {
      {rvTableau,
       {MenuEditionRestaurerTableau, MenuEditionCopierTableau, MenuEditionLancer, MenuEditionExcel, MenuEditionOpenOffice,
        MenuEditionRegressi, MenuAffichageCoordonnees, MenuAffichageVitesse, MenuAffichageAcceleration,
        MenuAffichagePolaire}},
      {rvTemps, join({graphView, sizes, zoom, modeller, {MenuEditionRestaurerGraphe, MenuAffichageDessinerPolyligne}})},
      {rvReferentiel, join({graphView, sizes, numbering, bubble,
                            {MenuEditionAnnuler, MenuEditionRestaurerGraphe, MenuAffichageDessinerPolyligne}})},
      {rvVecteur, join({graphView, sizes, numbering, bubble,
                        {MenuEditionAnnuler, MenuEditionRestaurerGraphe, MenuAffichageDessinerOrigine,
                         MenuAffichageDessinerValeurs, MenuAffichageTrajectoire, MenuAffichageTrajectoireCommeVideo,
                         MenuAffichageTrajectoireDansRepere}})},
      {rvFormule, join({graphView, sizes, zoom, modeller,
                        {MenuAffichageDessinerPolyligne, MenuAffichageOrigine, MenuAffichageOrigineDesAbscisses,
                         MenuAffichageOrigineDesOrdonnees}})},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(TResModel::ViewCaption(row.View).toStdString());
    model.SetView(row.View);
    for (const TResMenuItemInfo &info : ResMenuTable()) {
      if (info.Parent == info.Item) continue;  // the menus of the bar are always there
      SCOPED_TRACE(info.Name);
      EXPECT_EQ(Offered(info.Item), always.count(info.Item) + row.Shown.count(info.Item) > 0);
    }
  }
}

TEST_F(ResStates, EveryItemHasOneNameAndAShownParent) {
  std::set<QString> names;
  for (const TResMenuItemInfo &info : ResMenuTable()) {
    EXPECT_TRUE(names.insert(ResMenuItemName(info.Item)).second) << info.Name;
    EXPECT_EQ(&ResMenuInfo(info.Item), &info);
    EXPECT_EQ(ResMenuInfo(info.Parent).Kind, rkMenu) << info.Name;
    EXPECT_FALSE(ResMenuItemCaption(info.Item).isEmpty()) << info.Name;
  }
  EXPECT_EQ(int(names.size()), int(ResMenuItemCount));
}

TEST_F(ResStates, TheTimeAndFormulaViewsKeepTheirOwnSettings) {
  Mark();
  options.CheckBox12TimeZoomX_Checked = false;
  options.CheckBox23FormulaZoomX_Checked = false;
  options.CheckBox42TempsEquation_Checked = true;
  options.CheckBox44FormulaEquation_Checked = true;
  options.CheckBox14TimePolyline_Checked = options.CheckBox17TrajectoryPolyline_Checked = true;
  options.CheckBox26FormulaPolyline_Checked = true;
  model.ApplyOptions();
  model.SetView(rvTemps);
  model.SetZoomX(true);
  model.SetShowEquation(false);
  model.SetPolyline(false);
  EXPECT_TRUE(Checked(MenuAffichageZoomX));
  EXPECT_FALSE(Checked(MenuAffichageBulleModeleEqua));
  EXPECT_FALSE(Checked(MenuAffichageDessinerPolyligne));
  model.SetView(rvFormule);
  EXPECT_FALSE(Checked(MenuAffichageZoomX));
  EXPECT_TRUE(Checked(MenuAffichageBulleModeleEqua));
  EXPECT_TRUE(Checked(MenuAffichageDessinerPolyligne));
  // The trajectory shares the broken line with no one.
  model.SetView(rvReferentiel);
  EXPECT_TRUE(Checked(MenuAffichageDessinerPolyligne));
  model.SetView(rvTemps);
  EXPECT_TRUE(Checked(MenuAffichageZoomX));
  EXPECT_FALSE(Checked(MenuAffichageDessinerPolyligne));
}

TEST_F(ResStates, RadioChoicesAndTheBubbleShowOneMarkAtMost) {
  Mark();
  options.CheckBox51DeformationBubble_Checked = true;
  model.ApplyOptions();
  model.SetView(rvVecteur);
  model.SetSymbolSize(2);
  model.SetNumbering(rvVecteur, 1);
  model.SetTrajectoryAsVideo(false);
  model.SetBullePlace(bpDownLeft);
  const struct {
    TResMenuItem Item;
    bool Checked;
  } expected[] = {
      {MenuAffichageTaillePetite, false},         {MenuAffichageTailleMoyenne, false},
      {MenuAffichageTailleGrande, true},          {MenuAffichageNumeroter0, false},
      {MenuAffichageNumeroter1, true},            {MenuAffichageNumeroter2, false},
      {MenuAffichageTrajectoireCommeVideo, false}, {MenuAffichageTrajectoireDansRepere, true},
      {MenuAffichageBulleHD, false},              {MenuAffichageBulleHG, false},
      {MenuAffichageBulleBG, true},               {MenuAffichageBulleBD, false},
  };
  for (const auto &e : expected) EXPECT_EQ(Checked(e.Item), e.Checked) << ResMenuInfo(e.Item).Name;
  // The trajectory's numbering is its own; no bubble at all leaves every corner unchecked.
  model.SetNumbering(rvReferentiel, 2);
  model.SetView(rvReferentiel);
  EXPECT_TRUE(Checked(MenuAffichageNumeroter2));
  model.SetBullePlace(bpNone);
  for (TResMenuItem corner : {MenuAffichageBulleHD, MenuAffichageBulleHG, MenuAffichageBulleBG, MenuAffichageBulleBD})
    EXPECT_FALSE(Checked(corner));
}

TEST_F(ResStates, MissingResultsDisableTheirColumnsAndPrintNeedsItsWindow) {
  options.CheckBox8Acceleration_Checked = false;
  options.CheckBox53PolarQuantities_Checked = false;
  model.ApplyOptions();
  Mark();
  model.SetView(rvTableau);
  const TResMenuStates states = ResMenuStates(model, false);
  EXPECT_TRUE(states[MenuAffichageCoordonnees].Enabled);
  EXPECT_TRUE(states[MenuAffichageVitesse].Enabled);
  EXPECT_FALSE(states[MenuAffichageAcceleration].Enabled);
  EXPECT_FALSE(states[MenuAffichagePolaire].Enabled);
  // A group switched off stays unchecked; the smoothing marks follow the flags.
  model.SetGridGroup(ggCoordinates, false);
  model.SetSmoothing(kinematics::sfAcceleration);
  EXPECT_FALSE(Checked(MenuAffichageCoordonnees));
  EXPECT_TRUE(Checked(MenuAffichageVitesse));
  EXPECT_FALSE(Checked(MenuCalculsLisserVitesse));
  EXPECT_TRUE(Checked(MenuCalculsLisserAcceleration));
  model.SetView(rvTemps);
  EXPECT_FALSE(ResMenuStates(model, false)[MenuFichierImprimer].Enabled);
  EXPECT_TRUE(ResMenuStates(model, true)[MenuFichierImprimer].Enabled);
}

TEST_F(ResStates, TheUndoItemNamesTheLastConstructChange) {
  Mark();
  model.SetView(rvReferentiel);
  EXPECT_EQ(ResMenuStates(model, true).UndoCaption, QStringLiteral("Cancel"));
  EXPECT_FALSE(ResMenuStates(model, true)[MenuEditionAnnuler].Enabled);
  TGraph &graph = *model.CurrentGraph();
  auto segment = std::make_unique<TGSegment>(TPointD(0.1, 0.1), TPointD(0.2, 0.2), TColor::FromRgb(0, 100, 0));
  segment->UserMade = true;
  segment->CurveIndex = graph.CurrentCurve();
  model.EditorOf(&graph)->AddElement(graph, std::move(segment), gaCreate);
  const TResMenuStates states = ResMenuStates(model, true);
  EXPECT_EQ(states.UndoCaption, QStringLiteral("Cancel Create Segment     (Ctrl A)"));
  EXPECT_TRUE(states[MenuEditionAnnuler].Enabled);
}

TEST_F(ResStates, TheChoicePanelSaysWhatTheViewsListsChooseAndWhereTheyAreComputed) {
  Mark();
  const QString camera = QStringLiteral("Velocity and acceleration are calculated in the reference frame of the camera ");
  const struct {
    int View;
    const char *Caption1, *Caption2;
    int ListsOf;
    QString Tip;
  } rows[] = {
      {rvTableau, "", "", -1, QString()},
      {rvTemps, "", "as a function of time", rvTemps, camera},
      {rvReferentiel, "Trajectory", "in the reference frame", rvReferentiel,
       QStringLiteral("The reference frames are in translation with respect to each other")},
      {rvVecteur, "Vector representation of", "", rvVecteur, camera},
      {rvFormule, "", "function of", rvFormule, QString()},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.View);
    model.SelectView(row.View);
    const TResChoiceStates states = ResChoiceStates(model);
    EXPECT_EQ(states.Caption1, QString::fromUtf8(row.Caption1));
    EXPECT_EQ(states.Caption2, QString::fromUtf8(row.Caption2));
    EXPECT_EQ(states.ListsOf, row.ListsOf);
    EXPECT_EQ(states.StatusTip, row.Tip);
  }
  // Measured against a moving layer, the derivatives are the layer's.
  data.SetMeasurementMode(measurement::TMeasurementMode::Layer);
  ASSERT_EQ(model.Measurement(), rmLayer);
  model.SelectView(rvVecteur);
  EXPECT_EQ(ResChoiceStates(model).StatusTip,
            QStringLiteral("Speed and acceleration are calculated within a reference frame linked to the layer"));
}

TEST_F(ResStates, EachViewShowsItsTools) {
  Mark();
  const std::set<TResButton> navigation = {rbReticule, rbPan, rbZoom};
  const std::set<TResButton> models = {rbModeleAffine, rbModeleConstant,     rbModeleExponentiel,
                                       rbModeleParabole, rbModeleProportionnel, rbModeleSinus,
                                       rbModeleSinusAe, rbModeleSinusAl,      rbModifierModele};
  const std::set<TResButton> constructs = {rbAngle,  rbArc,     rbCercle,  rbEllipse, rbCurveArc, rbDupliquer,
                                           rbMesurer, rbSegment, rbSpline, rbSelection, rbSupprimer};
  const auto join = [](std::initializer_list<std::set<TResButton>> parts) {
    std::set<TResButton> all;
    for (const auto &part : parts) all.insert(part.begin(), part.end());
    return all;
  };
  const struct {
    int View;
    std::set<TResButton> Shown;
  } rows[] = {
      {rvTableau, {}},
      {rvTemps, join({navigation, models})},
      {rvReferentiel, join({navigation, constructs})},
      // No video picture to draw behind the vectors: no video button.
      {rvVecteur, join({navigation, constructs, {rbVecteur, rbSens}})},
      {rvFormule, join({navigation, models, {rbClavier}})},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.View);
    model.SetView(row.View);
    EXPECT_EQ(ShownTools(), row.Shown);
  }
}

TEST_F(ResStates, TheOptionsHideToolsViewByView) {
  options.ToolButtonTempsModeleSinus_Down = true;
  options.ToolButtonVecteurSegment_Down = true;
  options.ToolButtonReferentielReticule_Down = true;
  options.CheckBox27ProfShowItem_Checked = false;
  Mark();
  const struct {
    int View;
    TResButton Button;
    bool Shown;
  } cases[] = {
      {rvTemps, rbModeleSinus, false},   {rvFormule, rbModeleSinus, true},  {rvVecteur, rbSegment, false},
      {rvReferentiel, rbSegment, true},  {rvReferentiel, rbReticule, false}, {rvVecteur, rbReticule, true},
      {rvFormule, rbClavier, false},
  };
  for (const auto &c : cases) {
    model.SetView(c.View);
    EXPECT_EQ(ShownTools().count(c.Button) > 0, c.Shown) << c.View << ' ' << c.Button;
  }
}

TEST_F(ResStates, ButtonsDownFollowTheGraphsToolTheModelAndTheVideo) {
  options.CheckBox46VectorVideoImage_Checked = false;
  Mark();
  model.ApplyOptions();
  model.SetView(rvTemps);
  model.SetTempsObjects({0});
  EXPECT_EQ(DownTools(), std::set<TResButton>{});
  QString message;
  ASSERT_TRUE(model.PressModel(modelling::mtParabola, message));
  EXPECT_EQ(DownTools(), std::set<TResButton>{rbModeleParabole});
  EXPECT_EQ(ResToolStates(model).Tool, gtModelParams);
  model.CurrentGraph()->SetTool(gtZoom);
  EXPECT_EQ(DownTools(), (std::set<TResButton>{rbModeleParabole, rbZoom}));
  // The formula view has a model of its own.
  model.SetView(rvFormule);
  EXPECT_EQ(DownTools().count(rbModeleParabole), 0u);

  // The vectors view opens with the select tool, and keeps a tool chosen since.
  model.SetView(rvVecteur);
  SelectOpeningTool(model);
  EXPECT_EQ(DownTools(), std::set<TResButton>{rbSelection});
  model.CurrentGraph()->SetTool(gtNewVector);
  SelectOpeningTool(model);
  EXPECT_EQ(DownTools(), std::set<TResButton>{rbVecteur});
  model.SetDrawVideo(true);
  EXPECT_EQ(DownTools(), (std::set<TResButton>{rbVecteur, rbVideo}));
}

TEST_F(ResStates, TheVectorsViewOpensWithoutTheToolTheOptionsHide) {
  options.ToolButtonVecteurSelection_Down = true;
  Mark();
  model.SetView(rvVecteur);
  SelectOpeningTool(model);
  EXPECT_EQ(model.CurrentGraph()->Tool(), gtNone);
  // The other views open with no tool.
  model.SetView(rvReferentiel);
  SelectOpeningTool(model);
  EXPECT_EQ(model.CurrentGraph()->Tool(), gtNone);
}

TEST_F(ResStates, EachViewsButtonIsOfferedAsTheOptionsSay) {
  options.CheckBox28FormulaShowItem_Checked = false;
  options.CheckBox18TrajectoryShowItem_Checked = true;
  options.CheckBox37GridShowItem_Checked = true;
  options.CheckBox15TimeShowItem_Checked = false;
  options.CheckBox22VectorShowItem_Checked = true;
  const std::pair<int, bool> expected[] = {
      {rvFormule, false}, {rvReferentiel, true}, {rvTableau, true}, {rvTemps, false}, {rvVecteur, true}};
  for (const auto &[view, offered] : expected) EXPECT_EQ(ViewOffered(options, view), offered) << view;
}

}  // namespace kolibra::results::res_states_test
