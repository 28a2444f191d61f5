// The main menu and the pop-up menu without a window: which items each mode and tool offer,
// their check marks, the undo item's caption, the "others ..." items asking a value, the
// shared items acting on the studio or the tracker as the mode says, and the options
// dialog's word that every result is stale.

#include "mainwindow/support/ControllerFixture.h"
#include "mainwindow/support/ControllerStudioHost.h"

#include "mainwindow/MainControllerStudio.h"
#include "mainwindow/MenuStates.h"
#include "studio/Studio.h"
#include "tracking/Tracking.h"

#include <set>

namespace kolibra::mainwindow::testing {
namespace {

using namespace videoview;

class TResultsSpy : public measurement::IResultsInvalidation {
 public:
  void Invalidate(measurement::TCalculatorSet which) override { Told.push_back(which); }
  std::vector<measurement::TCalculatorSet> Told;
};

class MainMenusTest : public ControllerFixture {
 protected:
  MainMenusTest() {
    video.SetTracker(&tracker);
    controller.SetTracker(&tracker);
    video.SetStudio(&studio);
    controller.SetStudio(&studio);
    controller.ShowObjectNames = [this] { ++namesShown; };
    Open();
  }
  ~MainMenusTest() override {
    controller.SetStudio(nullptr);
    video.SetStudio(nullptr);
    controller.SetTracker(nullptr);
    video.SetTracker(nullptr);
  }
  // Shown, and inside a shown menu.
  bool Offered(TMenuItem item) {
    const TMenuStates states = controller.MenuStates();
    const TMenuItem parent = MenuInfo(item).Parent;
    return states[item].Visible && states[parent].Visible;
  }
  bool Enabled(TMenuItem item) { return controller.MenuStates()[item].Enabled; }
  bool Checked(TMenuItem item) { return controller.MenuStates()[item].Checked; }
  std::set<TPopupItem> Popup() {
    std::set<TPopupItem> shown;
    for (int i = 0; i < PopupItemCount; ++i)
      if (controller.PopupItemVisible(TPopupItem(i))) shown.insert(TPopupItem(i));
    return shown;
  }
  // A circle outline around the view's centre.
  void Circle() {
    ClickView(TPoint(320, 240));
    video.MouseMove(Qt::NoModifier, TPoint(350, 240));
    ClickView(TPoint(350, 240));
  }

  tracking::TTracking tracker{video, data, options};
  TControllerStudioHost host{video};
  studio::TStudio studio{video, host, &options};
  int namesShown = 0;
};

TEST_F(MainMenusTest, EachModeOffersItsItems) {
  // Every command and sub-menu whose presence depends on the mode (the radio choices follow
  // their menu); the items missing from a row are hidden in that mode.
  const std::set<TMenuItem> always = {MenuFichierOuvrir,    MenuFichierOuvrirTravail, MenuFichierRecents,
                                      MenuFichierQuitter,   MenuAffichageOptions,     MenuMesuresCalculatrice,
                                      MenuAideKolibra,      MenuAideApropos,          MenuAffichageAllerNumero,
                                      MenuEditionAnnuler,   MenuEditionRetablir};
  const struct {
    TControl ModeButton;
    std::set<TMenuItem> Shown;
  } rows[] = {
      {ButtonModeRepereFixe,
       {MenuFichierEnregistrer, MenuFichierProprietes, MenuAffichageAnnuler, MenuAffichageLoupe,
        MenuAffichageCacherImage, MenuAffichageAller, MenuAffichageAllerDerniere, MenuAffichageCouleur,
        MenuAffichageTaille, MenuAffichageNumeroter, MenuAffichageDessiner, MenuAffichageDessinerObjets,
        MenuAffichageEffacer, MenuAffichageEffacerMarques, MenuAffichageEffacerGrille, MenuAffichageEffacerEchelle,
        MenuAffichageEffacerPlan, MenuAffichageEffacerTout, MenuMesuresTemps, MenuMesuresNbMarqueParImage,
        MenuMesuresNbImagesEntreMarques, MenuMesuresValeurEchelle, MenuMesuresDimensionsPlan, MenuMesuresLentilleDamier, MenuMesuresAngleRotation,
        MenuMesuresInverserAxeX, MenuMesuresInverserAxeY}},
      {ButtonModeTransparent,
       {MenuFichierEnregistrer, MenuFichierProprietes, MenuAffichageAnnuler, MenuAffichageLoupe,
        MenuAffichageCacherImage, MenuAffichageAller, MenuAffichageAllerDerniere, MenuAffichageCouleur,
        MenuAffichageTaille, MenuAffichageNumeroter, MenuAffichageDessiner, MenuAffichageEffacer,
        MenuAffichageEffacerCalque, MenuAffichageEffacerEchelle, MenuAffichageEffacerPlan, MenuAffichageEffacerTout,
        MenuMesuresTemps, MenuMesuresNbMarqueParImage, MenuMesuresNbImagesEntreMarques, MenuMesuresValeurEchelle,
        MenuMesuresDimensionsPlan, MenuMesuresLentilleDamier,
        MenuMesuresInverserAxeX, MenuMesuresInverserAxeY}},
      {ButtonModeTracking,
       {MenuFichierEnregistrer, MenuFichierProprietes, MenuAffichageCacherImage, MenuAffichageAller,
        MenuAffichageCouleur, MenuAffichageEffacer, MenuAffichageEffacerContour, MenuAffichageEffacerMarques,
        MenuAffichageEffacerZones, MenuAffichageEffacerTout, MenuMesuresForme, MenuMesuresEspace, MenuMesuresZone,
        MenuMesuresNbMarqueParImage, MenuMesuresNbImagesEntreMarques}},
      {ButtonModeStudio,
       {MenuFichierProprietes, MenuAffichageAller, MenuAffichageEffacer, MenuAffichageEffacerContour,
        MenuAffichageEffacerTout, MenuMesuresForme, MenuMesuresNbImagesEntreMarques, MenuStudioMarques}},
  };
  for (const auto &row : rows) {
    Click(row.ModeButton);
    SCOPED_TRACE(ControlName(row.ModeButton).toStdString());
    ASSERT_EQ(video.Mode(), ControlMode(row.ModeButton));
    for (const TMenuItemInfo &info : MenuTable()) {
      if (info.Parent == info.Item || info.Kind == mkRadio) continue;
      const bool expected = always.count(info.Item) > 0 || row.Shown.count(info.Item) > 0;
      EXPECT_EQ(Offered(info.Item), expected) << info.Name;
    }
    EXPECT_TRUE(Enabled(MenuAffichage));
    EXPECT_TRUE(Enabled(MenuMesures));
  }
}

TEST_F(MainMenusTest, SeparateScalesOfferTheirTwoLengthsOnceTheirSegmentIsComplete) {
  EXPECT_FALSE(Enabled(MenuMesuresValeurEchelle)) << "no scale segment yet";
  options.CheckBox41HorizAndVertScale_Checked = true;
  options.OnChange(&options);
  EXPECT_FALSE(Offered(MenuMesuresValeurEchelle));
  EXPECT_TRUE(Offered(MenuMesuresValeurEchelleHoriz));
  EXPECT_TRUE(Offered(MenuMesuresValeurEchelleVert));
  EXPECT_FALSE(Enabled(MenuMesuresValeurEchelleHoriz));

  Click(ButtonOutilEchelleHoriz);
  dialogs.Answer(0.5);
  ClickView(TPoint(100, 100));
  ClickView(TPoint(300, 100));
  EXPECT_TRUE(Enabled(MenuMesuresValeurEchelleHoriz));
  EXPECT_FALSE(Enabled(MenuMesuresValeurEchelleVert));
  dialogs.Answer(2.25);
  controller.MenuCommand(MenuMesuresValeurEchelleHoriz);
  ASSERT_EQ(dialogs.Asked.size(), 2u);
  EXPECT_EQ(dialogs.Asked[1].Kind, settings::tsLongueur);
  EXPECT_EQ(dialogs.Asked[1].LengthKind, settings::slLongueurH);
  EXPECT_DOUBLE_EQ(data.Scale().ScaleHorizLength, 2.25);
  // The vertical one cannot be asked before its segment exists.
  controller.MenuCommand(MenuMesuresValeurEchelleVert);
  EXPECT_EQ(dialogs.Asked.size(), 2u);
}

TEST_F(MainMenusTest, TheUndoItemReadsTheDocumentsCaption) {
  TMenuStates states = controller.MenuStates();
  EXPECT_EQ(states.UndoCaption, QStringLiteral("Cancel  (Ctrl Z)"));
  EXPECT_FALSE(states[MenuAffichageAnnuler].Enabled);
  ClickView(TPoint(200, 200));
  ASSERT_EQ(data.MarksCount(), 1);
  states = controller.MenuStates();
  EXPECT_EQ(states.UndoCaption, QStringLiteral("Cancel Set Mark  (Ctrl Z)"));
  EXPECT_TRUE(states[MenuAffichageAnnuler].Enabled);
  controller.MenuCommand(MenuAffichageAnnuler);
  EXPECT_EQ(data.MarksCount(), 0);
  EXPECT_EQ(controller.MenuStates().UndoCaption, QStringLiteral("Cancel  (Ctrl Z)"));
}

// The Edit menu takes back the latest action whatever the tool, and names it; Ctrl+Z keeps
// to the tool's history; the redo keys apply again what the latest undo took back.
TEST_F(MainMenusTest, TheEditMenuUndoesTheLatestActionAndRedoesIt) {
  EXPECT_EQ(controller.MenuStates().EditUndoCaption, QStringLiteral("Undo"));
  EXPECT_FALSE(controller.MenuStates()[MenuEditionAnnuler].Enabled);
  EXPECT_FALSE(controller.MenuStates()[MenuEditionRetablir].Enabled);
  ClickView(TPoint(200, 200));
  Click(ButtonOutilOrigine);
  ClickView(TPoint(160, 360));
  Click(ButtonOutilMarque);
  ASSERT_TRUE(data.AxesPlaced());
  ASSERT_EQ(data.MarksCount(), 1);
  TMenuStates states = controller.MenuStates();
  EXPECT_EQ(states.EditUndoCaption, QStringLiteral("Undo Choose Grid"));
  EXPECT_EQ(states.UndoCaption, QStringLiteral("Cancel Set Mark  (Ctrl Z)"));  // the tool's own

  controller.MenuCommand(MenuEditionAnnuler);
  EXPECT_FALSE(data.AxesPlaced());
  EXPECT_EQ(data.MarksCount(), 1);
  states = controller.MenuStates();
  EXPECT_EQ(states.EditUndoCaption, QStringLiteral("Undo Set Mark"));
  EXPECT_EQ(states.EditRedoCaption, QStringLiteral("Redo Choose Grid"));
  EXPECT_TRUE(states[MenuEditionRetablir].Enabled);

  const struct {
    int Key;
    Qt::KeyboardModifiers Modifiers;
    bool Axes;
    int Marks;
  } keys[] = {
      {Qt::Key_Y, Qt::ControlModifier, true, 1},                       // redo
      {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, true, 1},   // nothing left to redo
      {Qt::Key_Z, Qt::ControlModifier, true, 0},                       // the pointing tool's mark
      {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, true, 1},   // back
  };
  for (const auto &k : keys) {
    SCOPED_TRACE(::testing::Message() << k.Key << " " << int(k.Modifiers));
    EXPECT_TRUE(controller.KeyDown(k.Key, k.Modifiers));
    EXPECT_EQ(data.AxesPlaced(), k.Axes);
    EXPECT_EQ(data.MarksCount(), k.Marks);
  }
  // A new mark: nothing to redo any more.
  controller.MenuCommand(MenuEditionAnnuler);
  ASSERT_TRUE(controller.MenuStates()[MenuEditionRetablir].Enabled);
  ClickView(TPoint(240, 220));
  EXPECT_FALSE(controller.MenuStates()[MenuEditionRetablir].Enabled);
  EXPECT_EQ(controller.MenuStates().EditRedoCaption, QStringLiteral("Redo"));
}

TEST_F(MainMenusTest, ItemsThatNeedThePointerToolOrMarksWaitForThem) {
  EXPECT_FALSE(Enabled(MenuAffichageAllerDerniere)) << "no mark yet";
  ClickView(TPoint(200, 200));
  ClickView(TPoint(220, 200));
  EXPECT_EQ(video.CurrentFrame(), 2);
  EXPECT_TRUE(Enabled(MenuAffichageAllerDerniere));
  controller.MenuCommand(MenuAffichageAllerDerniere);
  EXPECT_EQ(video.CurrentFrame(), 1);
  Click(ButtonOutilEchelle);
  for (TMenuItem item : {MenuAffichageAllerDerniere, MenuAffichageNumeroter, MenuAffichageDessiner})
    EXPECT_FALSE(Enabled(item)) << MenuInfo(item).Name;
  EXPECT_FALSE(Enabled(MenuMesuresAngleRotation)) << "no axes yet";
  EXPECT_FALSE(Enabled(MenuMesuresInverserAxeX));
  Click(ButtonOutilOrigine);
  ClickView(TPoint(320, 240));
  EXPECT_TRUE(Enabled(MenuMesuresAngleRotation));
  controller.MenuCommand(MenuMesuresInverserAxeY);
  EXPECT_FALSE(data.DirectYAxisDirection());
  EXPECT_TRUE(Checked(MenuMesuresInverserAxeY));
  EXPECT_FALSE(Checked(MenuMesuresInverserAxeX));
}

TEST_F(MainMenusTest, ChoicesAndOthersItemsSetTheDocument) {
  const struct {
    TMenuItem Item;
    settings::TTypeSaisie Asked;  // tsAngle: nothing asked
    int Answer;
    std::function<int()> Value;
    int Expected;
  } rows[] = {
      {MenuAffichageTailleGrande, settings::tsAngle, 0, [&] { return data.ElementSize(); }, 2},
      {MenuAffichageTaillePetite, settings::tsAngle, 0, [&] { return data.ElementSize(); }, 0},
      {MenuAffichageNumeroterAucun, settings::tsAngle, 0, [&] { return data.MarksNumberPosition(); }, 2},
      {MenuAffichageNumeroterDroite, settings::tsAngle, 0, [&] { return data.MarksNumberPosition(); }, 1},
      {MenuAffichageDessinerDerniere, settings::tsAngle, 0, [&] { return int(data.MarksIsAllDrawn()); }, 0},
      {MenuAffichageDessinerAutres, settings::tsNbMqDrawn, 4, [&] { return data.MarksNumberToDraw(); }, 4},
      {MenuAffichageDessinerToutes, settings::tsAngle, 0, [&] { return int(data.MarksIsAllDrawn()); }, 1},
      {MenuMesuresNbMarqueTrois, settings::tsAngle, 0, [&] { return data.ObjectsCount(); }, 3},
      {MenuMesuresNbMarqueAutres, settings::tsNbMqParImg, 5, [&] { return data.ObjectsCount(); }, 5},
      {MenuMesuresNbImagesAutres, settings::tsNbImgStep, 2, [&] { return data.FramesNumberBetweenTwoMarks(); }, 2},
      {MenuMesuresNbImagesUne, settings::tsAngle, 0, [&] { return data.FramesNumberBetweenTwoMarks(); }, 1},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(MenuInfo(row.Item).Name);
    dialogs.Asked.clear();
    if (row.Asked != settings::tsAngle) {
      // Refused first: nothing changes.
      const int before = row.Value();
      dialogs.Refuse();
      controller.MenuCommand(row.Item);
      EXPECT_EQ(row.Value(), before);
      dialogs.Answer(row.Answer);
    }
    controller.MenuCommand(row.Item);
    EXPECT_EQ(row.Value(), row.Expected);
    EXPECT_TRUE(Checked(row.Item));
    if (row.Asked != settings::tsAngle) {
      ASSERT_EQ(dialogs.Asked.size(), 2u);
      EXPECT_EQ(dialogs.Asked.back().Kind, row.Asked);
    } else {
      EXPECT_TRUE(dialogs.Asked.empty());
    }
  }
  controller.MenuCommand(MenuAffichageDessinerObjets);
  controller.MenuCommand(MenuAffichageCouleur);
  EXPECT_EQ(namesShown, 2);
}

TEST_F(MainMenusTest, ACommandOutsideItsModeDoesNothing) {
  Click(ButtonOutilOrigine);
  ClickView(TPoint(320, 240));
  ASSERT_TRUE(data.AxesPlaced());
  Click(ButtonModeTransparent);
  controller.MenuCommand(MenuAffichageEffacerGrille);
  controller.MenuCommand(MenuMesuresAngleRotation);
  Click(ButtonModeRepereFixe);
  EXPECT_TRUE(data.AxesPlaced());
  EXPECT_TRUE(dialogs.Asked.empty());
  controller.MenuCommand(MenuAffichageEffacerGrille);
  EXPECT_FALSE(data.AxesPlaced());
}

TEST_F(MainMenusTest, SharedItemsActOnTheStudioInStudioMode) {
  ClickView(TPoint(200, 200));
  ASSERT_EQ(data.MarksCount(), 1);
  Click(ButtonModeStudio);
  Click(ButtonStudioContour);
  const int trackerShape = tracker.Shape();
  controller.MenuCommand(MenuMesuresFormePolygone);
  EXPECT_EQ(studio.Shape(), studio::osBrokenLine);
  EXPECT_TRUE(Checked(MenuMesuresFormePolygone));
  controller.MenuCommand(MenuMesuresFormeCercle);
  EXPECT_EQ(studio.Shape(), studio::osCircle);
  EXPECT_EQ(tracker.Shape(), trackerShape) << "the tracker keeps its own shape";
  EXPECT_TRUE(Checked(MenuMesuresFormeCercle));
  EXPECT_FALSE(Enabled(MenuAffichageEffacerContour));
  Circle();
  ASSERT_EQ(studio.ClosedCount(), 1);
  EXPECT_FALSE(Enabled(MenuAffichageEffacerContour)) << "the outline is on the frame before";
  Click(ButtonVideoPred);
  EXPECT_TRUE(Enabled(MenuAffichageEffacerContour));
  controller.MenuCommand(MenuAffichageEffacerContour);
  EXPECT_EQ(studio.ClosedCount(), 0);
  Circle();
  controller.MenuCommand(MenuAffichageEffacerTout);
  EXPECT_TRUE(studio.Outlines().empty());
  EXPECT_EQ(data.MarksCount(), 1) << "the studio's \"all\" leaves the marks";

  Click(ButtonModeTracking);
  controller.MenuCommand(MenuMesuresFormeLibre);
  EXPECT_EQ(tracker.Shape(), tracking::osFree);
  EXPECT_EQ(studio.Shape(), studio::osCircle);
  EXPECT_TRUE(Checked(MenuMesuresFormeLibre));
}

TEST_F(MainMenusTest, ThePopUpMenuOffersTheToolsOfTheMode) {
  using P = std::set<TPopupItem>;
  EXPECT_EQ(Popup(), (P{PopupMenuZoom, PopupMenuPan, PopupMenuDeplacer, PopupMenuEffacer, PopupMenuEchelle,
                        PopupMenuMarque, PopupMenuOrigine}));
  Click(ButtonModeTransparent);
  EXPECT_EQ(Popup(), (P{PopupMenuZoom, PopupMenuPan, PopupMenuDeplacer, PopupMenuEffacer, PopupMenuEchelle,
                        PopupMenuTsp}));
  options.CheckBox41HorizAndVertScale_Checked = true;
  options.OnChange(&options);
  EXPECT_EQ(Popup(), (P{PopupMenuZoom, PopupMenuPan, PopupMenuDeplacer, PopupMenuEffacer, PopupMenuEchelleHoriz,
                        PopupMenuEchelleVert, PopupMenuTsp}));
  Click(ButtonModeTracking);
  EXPECT_EQ(Popup(), (P{PopupMenuZoom, PopupMenuPan, PopupMenuContour, PopupMenuBanZone}));
  Click(ButtonModeStudio);
  EXPECT_EQ(Popup(), (P{PopupMenuZoom, PopupMenuPan}));

  // An item pushes its button down and clicks it; one of another mode does nothing.
  Click(ButtonModeRepereFixe);
  controller.PopupCommand(PopupMenuOrigine);
  EXPECT_EQ(data.ActiveTool(), measurement::dtAxes);
  EXPECT_TRUE(State(ButtonOutilOrigine).Down);
  controller.PopupCommand(PopupMenuTsp);
  EXPECT_EQ(data.ActiveTool(), measurement::dtAxes);
  controller.PopupCommand(PopupMenuZoom);
  EXPECT_EQ(video.Tool(), vtZoom);
}

TEST_F(MainMenusTest, HookedItemsShowOnlyOnceWired) {
  for (TMenuItem item : {MenuFichierEnregistrerVideo, MenuFichierImprimer, MenuAffichageResultats})
    EXPECT_FALSE(Offered(item)) << MenuInfo(item).Name;
  int printed = 0;
  controller.MenuHooks[MenuFichierImprimer] = [&] { ++printed; };
  EXPECT_TRUE(Offered(MenuFichierImprimer));
  controller.MenuCommand(MenuFichierImprimer);
  controller.MenuCommand(MenuFichierEnregistrerVideo);
  EXPECT_EQ(printed, 1);
}

TEST_F(MainMenusTest, ChangedCalculationOptionsMakeBothCalculatorsStale) {
  TResultsSpy results;
  data.SetResultsInvalidation(&results);
  controller.CalculationOptionsChanged();
  data.SetResultsInvalidation(nullptr);
  ASSERT_EQ(results.Told.size(), 1u);
  EXPECT_EQ(results.Told[0], measurement::TCalculatorSet::Both);
}

using MainMenusWithoutVideoTest = ControllerFixture;

TEST_F(MainMenusWithoutVideoTest, OnlyTheProgramsOwnItemsAct) {
  for (TMenuItem item : {MenuFichierEnregistrer, MenuFichierProprietes, MenuAffichageLoupe, MenuMesuresTemps})
    EXPECT_FALSE(controller.MenuAvailable(item)) << MenuInfo(item).Name;
  for (TMenuItem item : {MenuAffichageOptions, MenuMesuresCalculatrice, MenuAideKolibra, MenuAideApropos})
    EXPECT_TRUE(controller.MenuAvailable(item)) << MenuInfo(item).Name;
  for (int i = 0; i < PopupItemCount; ++i) EXPECT_FALSE(controller.PopupItemVisible(TPopupItem(i)));
  boxes.Answer(0);
  controller.MenuCommand(MenuAideApropos);
  EXPECT_EQ(boxes.Count(), 1);
}

}  // namespace
}  // namespace kolibra::mainwindow::testing
