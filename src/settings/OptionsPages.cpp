#include "settings/OptionsPages.h"

#include <QCoreApplication>
#include <QString>

namespace kolibra::settings {

namespace options_pages {

TOptionsItem Check(const char *key) { return {oiCheckBox, key, nullptr}; }
TOptionsItem Value(const char *key) { return {oiValue, key, nullptr}; }
TOptionsItem Tool(const char *key) { return {oiTool, key, nullptr}; }
TOptionsItem Label(const char *text, TColor color = colors::clBlack) {
  return {oiLabel, nullptr, text, color};
}
TOptionsItem Group(const char *text) { return {oiGroup, nullptr, text}; }
TOptionsItem EndGroup() { return {oiEndGroup, nullptr, nullptr}; }

const char *const ToolsCaption =
    QT_TRANSLATE_NOOP("BoiteOptionsText", "Customize tools bar (button pressed = hidden tool)");

// The tools of the time and formula views, in the order of their tool bars.
constexpr const char *TimeTools[] = {
    "ToolButtonTempsReticule_Down",          "ToolButtonTempsModifierModele_Down",
    "ToolButtonTempsModeleConstant_Down",    "ToolButtonTempsModeleAffine_Down",
    "ToolButtonTempsModeleProportionnel_Down", "ToolButtonTempsModeleParabole_Down",
    "ToolButtonTempsModeleSinus_Down",       "ToolButtonTempsModeleSinusAe_Down",
    "ToolButtonTempsModeleSinusAl_Down",     "ToolButtonTempsModeleExponentiel_Down",
};
constexpr const char *FormulaTools[] = {
    "ToolButtonFormuleReticule_Down",          "ToolButtonFormuleModifierModele_Down",
    "ToolButtonFormuleModeleConstant_Down",    "ToolButtonFormuleModeleAffine_Down",
    "ToolButtonFormuleModeleProportionnel_Down", "ToolButtonFormuleModeleParabole_Down",
    "ToolButtonFormuleModeleSinus_Down",       "ToolButtonFormuleModeleSinusAe_Down",
    "ToolButtonFormuleModeleSinusAl_Down",     "ToolButtonFormuleModeleExponentiel_Down",
};

std::vector<TOptionsItem> ModelTools(const char *const (&keys)[10]) {
  std::vector<TOptionsItem> items{Label(ToolsCaption)};
  for (const char *key : keys) items.push_back(Tool(key));
  return items;
}

std::vector<TOptionsPage> Build() {
  const TColor purple = colors::clPurple, green = colors::clGreen, red = colors::clRed,
               blue = colors::clBlue, maroon = colors::clMaroon;
  return {
      {"TabSheetPreferences",
       QT_TRANSLATE_NOOP("BoiteOptionsText", "Preferences"),
       false,
       {},
       {
           {"TabSheetSystem",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "System"),
            {{oiLanguage, "Language", nullptr},
             {oiPassword, "Password", nullptr},
             {oiAssociation, nullptr, nullptr}}},
           {"TabSheetDialogBoxes",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "Dialog boxes"),
            {Check("CheckBox3ConfirmationQuit_Checked"),
             Check("CheckBox4ConfirmationFileChange_Checked"),
             Check("CheckBox38ChangeDefaultObjectsName_Checked")}},
           {"TabSheetFileMenu",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "File menu"),
            {Check("CheckBox6FreezeMRU_Checked"),
             Value("EditMRU_Value"),
             {oiFolder, "DefaultDirectory", nullptr}}},
           {"TabSheetDisplayMenu",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "Display menu"),
            {Value("PenSize_Value"), Value("Numerotation_Value"), Value("NumerotationTsp_Value")}},
       }},
      {"TabSheetCalculations",
       QT_TRANSLATE_NOOP("BoiteOptionsText", "Calculations"),
       false,
       {},
       {
           {"TabSheetGeneral",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "General"),
            {Check("CheckBox36StartByZero_Checked"), Check("CheckBox41HorizAndVertScale_Checked")}},
           {"TabSheetVelocity",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "Velocity"),
            {Check("CheckBox9Speed_Checked"), Check("CheckBox54SmoothSpeed_Checked"),
             Check("CheckBox30HideEdgeV_Checked")}},
           {"TabSheetAcceleration",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "Acceleration"),
            {Check("CheckBox8Acceleration_Checked"), Check("CheckBox7SmoothAcceleration_Checked"),
             Check("CheckBox31HideEdgeA_Checked")}},
           {"TabSheetPolar",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "Polar quantities"),
            {Check("CheckBox53PolarQuantities_Checked")}},
       }},
      {"TabSheetFeatures",
       QT_TRANSLATE_NOOP("BoiteOptionsText", "Features"),
       false,
       {},
       {
           {"TabSheetMontage",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "Editing"),
            {Group(QT_TRANSLATE_NOOP("BoiteOptionsText", "Dialog boxes")),
             Check("CheckBox40ShowDialogBoxForHideImage_Checked"), EndGroup(),
             Check("CheckBox48AllowMontage_Checked")}},
           {"TabSheetTracking",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "Tracking"),
            {Label(QT_TRANSLATE_NOOP("BoiteOptionsText", "Automatic tracking")),
             Group(QT_TRANSLATE_NOOP("BoiteOptionsText", "Preferences")),
             Value("ShapeNumber_Value"), Value("TrackingRadius_Value"),
             Check("CheckBox52ShowRadiusSearch_Checked"), EndGroup(),
             Check("CheckBox47AllowTracking_Checked")}},
           {"TabSheetCapture",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "Capture"),
            {Label(QT_TRANSLATE_NOOP("BoiteOptionsText", "Video capture")),
             Check("CheckBox49AllowCapture_Checked")}},
           {"TabSheetStudio",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "Studio"),
            {Label(QT_TRANSLATE_NOOP("BoiteOptionsText", "Video studio")),
             Check("CheckBox58AllowStudio_Checked"),
             Group(QT_TRANSLATE_NOOP("BoiteOptionsText", "Preferences")),
             Value("StudioShapeNumber_Value"), EndGroup()}},
       }},
      {"TabSheetDatasheet",
       QT_TRANSLATE_NOOP("BoiteOptionsText", "Datasheet"),
       true,
       {Label(QT_TRANSLATE_NOOP("BoiteOptionsText", "Datasheet"), purple),
        Check("CheckBox37GridShowItem_Checked")},
       {
           {"TabSheetDatasheetDisplay",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "Display menu"),
            {Check("CheckBox29GridShowCoordinates_Checked"),
             Check("CheckBox10GridShowSpeed_Checked"),
             Check("CheckBox11GridShowAcceleration_Checked"),
             Check("CheckBox57GridShowPolarQuantities_Checked")}},
       }},
      {"TabSheetTime",
       QT_TRANSLATE_NOOP("BoiteOptionsText", "Evolution as a function of time"),
       true,
       {Label(QT_TRANSLATE_NOOP("BoiteOptionsText", "Evolution as a function of time"), green),
        Check("CheckBox15TimeShowItem_Checked")},
       {
           {"TabSheetTimeDisplay",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "Display menu"),
            {Check("CheckBox12TimeZoomX_Checked"), Check("CheckBox13TimeZoomY_Checked"),
             Check("CheckBox14TimePolyline_Checked"), Check("CheckBox42TempsEquation_Checked"),
             Check("CheckBox43TempsStatistics_Checked")}},
           {"TabSheetTimeTools", QT_TRANSLATE_NOOP("BoiteOptionsText", "Tools"),
            ModelTools(TimeTools)},
       }},
      {"TabSheetTrajectory",
       QT_TRANSLATE_NOOP("BoiteOptionsText", "Trajectory in reference frame"),
       true,
       {Label(QT_TRANSLATE_NOOP("BoiteOptionsText", "Trajectory in reference frame"), red),
        Check("CheckBox18TrajectoryShowItem_Checked")},
       {
           {"TabSheetTrajectoryDisplay",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "Display menu"),
            {Check("CheckBox16TrajectoryNumber_Checked"),
             Check("CheckBox17TrajectoryPolyline_Checked")}},
           {"TabSheetTrajectoryTools",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "Tools"),
            {Label(ToolsCaption), Tool("ToolButtonReferentielReticule_Down"),
             Tool("ToolButtonReferentielSelection_Down"), Tool("ToolButtonReferentielMesurer_Down"),
             Tool("ToolButtonReferentielSegment_Down"), Tool("ToolButtonReferentielSpline_Down"),
             Tool("ToolButtonReferentielAngle_Down"), Tool("ToolButtonReferentielArc_Down"),
             Tool("ToolButtonReferentielCercle_Down"), Tool("ToolButtonReferentielEllipse_Down"),
             Tool("ToolButtonReferentielCurveArc_Down"),
             Tool("ToolButtonReferentielDupliquer_Down"),
             Tool("ToolButtonReferentielSupprimer_Down")}},
       }},
      {"TabSheetVectors",
       QT_TRANSLATE_NOOP("BoiteOptionsText", "Vectors representation"),
       true,
       {Label(QT_TRANSLATE_NOOP("BoiteOptionsText", "Vectors representation"), blue),
        Check("CheckBox22VectorShowItem_Checked")},
       {
           {"TabSheetVectorsDisplay",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "Display menu"),
            {Check("CheckBox19VectorNumber_Checked"), Check("CheckBox33VectorOrigin_Checked"),
             Check("CheckBox35VectorTilted_Checked"), Check("CheckBox51DeformationBubble_Checked"),
             Check("CheckBox46VectorVideoImage_Checked")}},
           {"TabSheetVectorsQuickView",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "Quick view"),
            {Check("CheckBox20VectorDraw_Checked"), Check("CheckBox21VectorPolyline_Checked"),
             Check("CheckBox50VectorSpline_Checked")}},
           {"TabSheetVectorsTools",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "Tools"),
            {Label(ToolsCaption), Tool("ToolButtonVecteurReticule_Down"),
             Tool("ToolButtonVecteurSelection_Down"), Tool("ToolButtonVecteurMesurer_Down"),
             Tool("ToolButtonVecteurVecteur_Down"), Tool("ToolButtonVecteurSegment_Down"),
             Tool("ToolButtonVecteurSpline_Down"), Tool("ToolButtonVecteurAngle_Down"),
             Tool("ToolButtonVecteurArc_Down"), Tool("ToolButtonVecteurCercle_Down"),
             Tool("ToolButtonVecteurEllipse_Down"), Tool("ToolButtonVecteurCurveArc_Down"),
             Tool("ToolButtonVecteurSens_Down"), Tool("ToolButtonVecteurDupliquer_Down"),
             Tool("ToolButtonVecteurSupprimer_Down"), Tool("ToolButtonVecteurVideo_Down")}},
       }},
      {"TabSheetFormulas",
       QT_TRANSLATE_NOOP("BoiteOptionsText", "Custom formulas"),
       true,
       {Label(QT_TRANSLATE_NOOP("BoiteOptionsText", "Custom formulas"), maroon),
        Check("CheckBox28FormulaShowItem_Checked")},
       {
           {"TabSheetFormulasDisplay",
            QT_TRANSLATE_NOOP("BoiteOptionsText", "Display menu"),
            {Check("CheckBox23FormulaZoomX_Checked"), Check("CheckBox24FormulaZoomY_Checked"),
             Check("CheckBox25FormulaOriginY_Checked"), Check("CheckBox26FormulaPolyline_Checked"),
             Check("CheckBox34FormulaOriginX_Checked"), Check("CheckBox44FormulaEquation_Checked"),
             Check("CheckBox45FormulaStatistics_Checked")}},
           {"TabSheetFormulasTools", QT_TRANSLATE_NOOP("BoiteOptionsText", "Tools"),
            ModelTools(FormulaTools)},
       }},
      {"TabSheetFormulaEntry",
       QT_TRANSLATE_NOOP("BoiteOptionsText", "Formulas and constants"),
       true,
       {Label(QT_TRANSLATE_NOOP("BoiteOptionsText", "Formulas and constants")),
        Group(QT_TRANSLATE_NOOP("BoiteOptionsText", "General")),
        Check("CheckBox5ChangeFormulae_Checked"), Check("CheckBox32AngleRadian_Checked"),
        EndGroup(), Check("CheckBox27ProfShowItem_Checked")},
       {}},
      {"TabSheetGraphs",
       QT_TRANSLATE_NOOP("BoiteOptionsText", "Common options of graphs"),
       true,
       {Label(QT_TRANSLATE_NOOP("BoiteOptionsText", "Common options of graphs")),
        Value("PenSize4Graph_Value")},
       {}},
  };
}

}  // namespace options_pages

const std::vector<TOptionsPage> &OptionsPages() {
  static const std::vector<TOptionsPage> pages = options_pages::Build();
  return pages;
}

QString ControlName(const char *key) {
  QString name = QLatin1String(key);
  for (const char *suffix : {"_Checked", "_Down", "_Value"})
    if (name.endsWith(QLatin1String(suffix))) return name.chopped(int(qstrlen(suffix)));
  return name;
}

}  // namespace kolibra::settings
