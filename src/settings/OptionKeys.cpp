#include "settings/Options.h"

#include "kit/Hint.h"

#include <QCoreApplication>
#include <QtGlobal>

// The texts are those of the options dialog's controls; they are marked for translation
// in the "TOptions" context and translated when asked for.

namespace kolibra::settings {

namespace optionkeytexts {

constexpr const char *TranslationContext = "TOptions";

constexpr const char *NumberingItems[] = {
    QT_TRANSLATE_NOOP("TOptions", "bellow the point"),
    QT_TRANSLATE_NOOP("TOptions", "on the right of the point"),
    QT_TRANSLATE_NOOP("TOptions", "none"),
};
constexpr const char *ThicknessItems[] = {
    QT_TRANSLATE_NOOP("TOptions", "small"),
    QT_TRANSLATE_NOOP("TOptions", "average"),
    QT_TRANSLATE_NOOP("TOptions", "large"),
};
constexpr const char *ShapeItems[] = {
    QT_TRANSLATE_NOOP("TOptions", "circle"),
    QT_TRANSLATE_NOOP("TOptions", "broken line"),
    QT_TRANSLATE_NOOP("TOptions", "free"),
};

// Tool texts: the name before "|", the description after it.
constexpr const char *ModeleConstant = QT_TRANSLATE_NOOP(
    "TOptions", "Fit using a constant value|Model parameters available by hovering over the curve");
constexpr const char *ModeleAffine =
    QT_TRANSLATE_NOOP("TOptions", "Linear fit|Hover mouse over curve to set parameters");
constexpr const char *ModeleProportionnel = QT_TRANSLATE_NOOP(
    "TOptions",
    "Fit using a line going through the origin|Model parameters available by hovering over the "
    "curve");
constexpr const char *ModeleParabole =
    QT_TRANSLATE_NOOP("TOptions", "Parabolic fit|Hover mouse over curve to set parameters");
constexpr const char *ModeleSinus =
    QT_TRANSLATE_NOOP("TOptions", "Sine fit|Hover mouse over curve to set parameters");
constexpr const char *ModeleSinusAe = QT_TRANSLATE_NOOP(
    "TOptions",
    "Dampened sine fit (exponential dampening)|Hover mouse over curve to set parameters");
constexpr const char *ModeleSinusAl = QT_TRANSLATE_NOOP(
    "TOptions", "Dampened sine fit (linear dampening)|Hover mouse over curve to set parameters");
constexpr const char *ModeleExponentiel = QT_TRANSLATE_NOOP(
    "TOptions", "Fit using an exponential| Model parameters available by hovering over the curve ");
constexpr const char *ModifierModele = QT_TRANSLATE_NOOP(
    "TOptions",
    "Modify model curve|Position of the cursor over the curve determines which parameter is "
    "modified");
constexpr const char *Reticule = QT_TRANSLATE_NOOP(
    "TOptions",
    "Mouse pointer coordinates|X and Y values of the mouse pointer within the graphical area.");
constexpr const char *Angle = QT_TRANSLATE_NOOP(
    "TOptions", "New angle|Draw an angle defined by two straight lines with mouse");
constexpr const char *Arc =
    QT_TRANSLATE_NOOP("TOptions", "New arc|Draw an arc defined by two points");
constexpr const char *Cercle =
    QT_TRANSLATE_NOOP("TOptions", "New circle|Draw a new circle from the center");
constexpr const char *CurveArc = QT_TRANSLATE_NOOP(
    "TOptions",
    "Bend an arc, a circle or an ellipse|Catch a point on the circumference or radius using the "
    "mouse");
constexpr const char *Dupliquer = QT_TRANSLATE_NOOP(
    "TOptions",
    "Duplicate objects|Duplicate the object under the mouse pointer; duplicate the objects in a "
    "rectangular zone");
constexpr const char *Ellipse =
    QT_TRANSLATE_NOOP("TOptions", "New ellipse|Draw a new ellipse from its center");
constexpr const char *Mesurer = QT_TRANSLATE_NOOP(
    "TOptions",
    "Measure an angle or an object value|Measure an angle or an object value under mouse cursor");
constexpr const char *Segment = QT_TRANSLATE_NOOP("TOptions", "New segment|Draw a new segment");
constexpr const char *Selection = QT_TRANSLATE_NOOP(
    "TOptions",
    "Select, move or change an object|Select an object, move or change it with the mouse when "
    "cursor changes to a cross");
constexpr const char *Spline = QT_TRANSLATE_NOOP(
    "TOptions", "New curve|Draw a curve by setting control points with the mouse.");
constexpr const char *Supprimer = QT_TRANSLATE_NOOP(
    "TOptions",
    "Delete objects|Delete the object under the mouse pointer; delete the objects in a "
    "rectangular zone");
constexpr const char *Sens = QT_TRANSLATE_NOOP(
    "TOptions",
    "Change vectors direction|Change direction of the vector under the mouse pointer; change "
    "direction of the vectors in a rectangular zone");
constexpr const char *Vecteur =
    QT_TRANSLATE_NOOP("TOptions", "New vector|Draw a new vector with the mouse");
constexpr const char *Video = QT_TRANSLATE_NOOP(
    "TOptions", "Draw the current video image|The video image is drawn behind the objects.");

constexpr const char *ShowItemCaption =
    QT_TRANSLATE_NOOP("TOptions", "Show this command in Results toolbar");
constexpr const char *ShowItemHint =
    QT_TRANSLATE_NOOP("TOptions", "|Limit switching between different windows");
constexpr const char *GridColumnsHint =
    QT_TRANSLATE_NOOP("TOptions", "|Display may be cluttered up with 2 or 3 video marks per frame");
constexpr const char *ZoomXCaption = QT_TRANSLATE_NOOP("TOptions", "Allow x-axis zoom");
constexpr const char *ZoomXHint = QT_TRANSLATE_NOOP("TOptions", "|Stretch frame horizontally");
constexpr const char *ZoomYCaption = QT_TRANSLATE_NOOP("TOptions", "Allow y-axis zoom");
constexpr const char *ZoomYHint = QT_TRANSLATE_NOOP("TOptions", "|Stretch frame vertically");
constexpr const char *PolylineCaption =
    QT_TRANSLATE_NOOP("TOptions", "Draw connecting segments (polyline)");
constexpr const char *PolylineHint =
    QT_TRANSLATE_NOOP("TOptions", "|Avoid if experimental data vary strongly");
constexpr const char *EquationCaption =
    QT_TRANSLATE_NOOP("TOptions", "Show equation while model modification");
constexpr const char *EquationHint =
    QT_TRANSLATE_NOOP("TOptions", "|You wish to modify a model and see its equation change");
constexpr const char *StatisticsCaption =
    QT_TRANSLATE_NOOP("TOptions", "Show statistics during model modification");
constexpr const char *StatisticsHint =
    QT_TRANSLATE_NOOP("TOptions", "|Observe deviation between model and measurements");
constexpr const char *NumberCaption = QT_TRANSLATE_NOOP("TOptions", "Number the marks");
constexpr const char *NumberHint = QT_TRANSLATE_NOOP("TOptions", "|Visual link with video marks");
constexpr const char *SmoothHint =
    QT_TRANSLATE_NOOP("TOptions", "|Check to improve numerical derivations");
constexpr const char *ThicknessCaption =
    QT_TRANSLATE_NOOP("TOptions", "Thickness of lines and marks");
constexpr const char *ShapeCaption = QT_TRANSLATE_NOOP("TOptions", "Shape of object outline");

}  // namespace optionkeytexts

namespace optionkeytable {

namespace t = optionkeytexts;

// The key is the field's name, so the two cannot drift apart.
// clang-format off
#define KOLIBRA_OPTION_CHECK(field, group, def, caption, hint) \
  TOptionKey{#field, group, &TOptions::field, def, 1, 0, caption, hint, {}}
#define KOLIBRA_OPTION_TOOL(field, text) \
  TOptionKey{#field, ogTools, &TOptions::field, 0, 1, 0, nullptr, text, {}}
#define KOLIBRA_OPTION_VALUE(field, def, min, max, caption, hint, items) \
  TOptionKey{#field, ogValues, &TOptions::field, def, min, max, caption, hint, items}
// clang-format on

const TOptionKey Table[] = {
    KOLIBRA_OPTION_CHECK(
        CheckBox3ConfirmationQuit_Checked, ogPreferences, 1,
        QT_TRANSLATE_NOOP("TOptions", "Send a message to confirm quitting program"),
        QT_TRANSLATE_NOOP("TOptions", "|Avoid an unwanted exit")),
    KOLIBRA_OPTION_CHECK(
        CheckBox4ConfirmationFileChange_Checked, ogPreferences, 1,
        QT_TRANSLATE_NOOP("TOptions", "Send a message to confirm closing files"),
        QT_TRANSLATE_NOOP("TOptions", "|Avoid changing video sequence without saving your work")),
    KOLIBRA_OPTION_CHECK(CheckBox5ChangeFormulae_Checked, ogPreferences, 1,
                         QT_TRANSLATE_NOOP("TOptions", "Add or remove favourite formulas"),
                         QT_TRANSLATE_NOOP("TOptions", "|Uncheck to avoid unwanted formulas")),
    KOLIBRA_OPTION_CHECK(
        CheckBox6FreezeMRU_Checked, ogPreferences, 0,
        QT_TRANSLATE_NOOP("TOptions", "Freeze menu: File > Open recent file > ..."),
        QT_TRANSLATE_NOOP("TOptions", "|Avoid showing undesirable files")),
    KOLIBRA_OPTION_CHECK(CheckBox7SmoothAcceleration_Checked, ogCalculations, 1,
                         QT_TRANSLATE_NOOP("TOptions", "Smooth acceleration values"),
                         t::SmoothHint),
    KOLIBRA_OPTION_CHECK(
        CheckBox8Acceleration_Checked, ogCalculations, 1,
        QT_TRANSLATE_NOOP("TOptions", "Show acceleration in the results"),
        QT_TRANSLATE_NOOP("TOptions", "|Uncheck to hide acceleration in the results")),
    KOLIBRA_OPTION_CHECK(CheckBox9Speed_Checked, ogCalculations, 1,
                         QT_TRANSLATE_NOOP("TOptions", "Show velocity in results"),
                         QT_TRANSLATE_NOOP("TOptions", "|Uncheck to hide velocity in the results")),
    KOLIBRA_OPTION_CHECK(CheckBox10GridShowSpeed_Checked, ogResultViews, 1,
                         QT_TRANSLATE_NOOP("TOptions", "Show columns related to velocity"),
                         t::GridColumnsHint),
    KOLIBRA_OPTION_CHECK(CheckBox11GridShowAcceleration_Checked, ogResultViews, 1,
                         QT_TRANSLATE_NOOP("TOptions", "Show columns related to acceleration"),
                         t::GridColumnsHint),
    KOLIBRA_OPTION_CHECK(CheckBox12TimeZoomX_Checked, ogResultViews, 0, t::ZoomXCaption,
                         t::ZoomXHint),
    KOLIBRA_OPTION_CHECK(CheckBox13TimeZoomY_Checked, ogResultViews, 1, t::ZoomYCaption,
                         t::ZoomYHint),
    KOLIBRA_OPTION_CHECK(CheckBox14TimePolyline_Checked, ogResultViews, 1, t::PolylineCaption,
                         t::PolylineHint),
    KOLIBRA_OPTION_CHECK(CheckBox15TimeShowItem_Checked, ogResultViews, 1, t::ShowItemCaption,
                         t::ShowItemHint),
    KOLIBRA_OPTION_CHECK(CheckBox16TrajectoryNumber_Checked, ogResultViews, 1, t::NumberCaption,
                         t::NumberHint),
    KOLIBRA_OPTION_CHECK(CheckBox17TrajectoryPolyline_Checked, ogResultViews, 1, t::PolylineCaption,
                         t::PolylineHint),
    KOLIBRA_OPTION_CHECK(CheckBox18TrajectoryShowItem_Checked, ogResultViews, 1, t::ShowItemCaption,
                         t::ShowItemHint),
    KOLIBRA_OPTION_CHECK(CheckBox19VectorNumber_Checked, ogResultViews, 1, t::NumberCaption,
                         t::NumberHint),
    KOLIBRA_OPTION_CHECK(
        CheckBox20VectorDraw_Checked, ogResultViews, 1,
        QT_TRANSLATE_NOOP("TOptions", "Draw initial vectors"),
        QT_TRANSLATE_NOOP("TOptions", "|Make the user guess direction of vectors before drawing")),
    KOLIBRA_OPTION_CHECK(CheckBox21VectorPolyline_Checked, ogResultViews, 0,
                         QT_TRANSLATE_NOOP("TOptions", "Draw initial segments"), t::PolylineHint),
    KOLIBRA_OPTION_CHECK(CheckBox22VectorShowItem_Checked, ogResultViews, 1, t::ShowItemCaption,
                         t::ShowItemHint),
    KOLIBRA_OPTION_CHECK(CheckBox23FormulaZoomX_Checked, ogResultViews, 0, t::ZoomXCaption,
                         t::ZoomXHint),
    KOLIBRA_OPTION_CHECK(CheckBox24FormulaZoomY_Checked, ogResultViews, 1, t::ZoomYCaption,
                         t::ZoomYHint),
    KOLIBRA_OPTION_CHECK(CheckBox25FormulaOriginY_Checked, ogResultViews, 1,
                         QT_TRANSLATE_NOOP("TOptions", "Set zero on the y-coordinate axis"),
                         QT_TRANSLATE_NOOP("TOptions", "|Avoid zoom effect for close y-values")),
    KOLIBRA_OPTION_CHECK(CheckBox26FormulaPolyline_Checked, ogResultViews, 1, t::PolylineCaption,
                         t::PolylineHint),
    KOLIBRA_OPTION_CHECK(
        CheckBox27ProfShowItem_Checked, ogFormulas, 1,
        QT_TRANSLATE_NOOP("TOptions", "Show this command in formulas"),
        QT_TRANSLATE_NOOP("TOptions", "|Uncheck for a limited but more simple use")),
    KOLIBRA_OPTION_CHECK(CheckBox28FormulaShowItem_Checked, ogResultViews, 1, t::ShowItemCaption,
                         t::ShowItemHint),
    KOLIBRA_OPTION_CHECK(CheckBox29GridShowCoordinates_Checked, ogResultViews, 1,
                         QT_TRANSLATE_NOOP("TOptions", "Show columns related to coordinates"),
                         t::GridColumnsHint),
    KOLIBRA_OPTION_CHECK(CheckBox30HideEdgeV_Checked, ogCalculations, 0,
                         QT_TRANSLATE_NOOP("TOptions", "Hide velocity at endpoints (one mark)"),
                         QT_TRANSLATE_NOOP("TOptions",
                                           "|Approximated calculation of the first derivative "
                                           "is rarely satisfying near edges")),
    KOLIBRA_OPTION_CHECK(
        CheckBox31HideEdgeA_Checked, ogCalculations, 0,
        QT_TRANSLATE_NOOP("TOptions", "Hide acceleration at endpoints (two marks)"),
        QT_TRANSLATE_NOOP("TOptions",
                          "|Approximated calculation of the second derivative "
                          "is rarely satisfying near edges")),
    KOLIBRA_OPTION_CHECK(CheckBox32AngleRadian_Checked, ogFormulas, 0,
                         QT_TRANSLATE_NOOP("TOptions", "Show angles in radian (degree by default)"),
                         QT_TRANSLATE_NOOP("TOptions", "|Unchecked: sin(30°) = 0.5")),
    KOLIBRA_OPTION_CHECK(CheckBox33VectorOrigin_Checked, ogResultViews, 1,
                         QT_TRANSLATE_NOOP("TOptions", "Draw graph basis origin"),
                         QT_TRANSLATE_NOOP("TOptions", "|Useful for circular trajectory study")),
    KOLIBRA_OPTION_CHECK(CheckBox34FormulaOriginX_Checked, ogResultViews, 0,
                         QT_TRANSLATE_NOOP("TOptions", "Set zero on the x-coordinate axis"),
                         QT_TRANSLATE_NOOP("TOptions", "|Avoid zoom effect for close x-values")),
    KOLIBRA_OPTION_CHECK(
        CheckBox35VectorTilted_Checked, ogResultViews, 1,
        QT_TRANSLATE_NOOP("TOptions", "Show the camera's point of view"),
        QT_TRANSLATE_NOOP("TOptions", "|Uncheck to see trajectory in the graph basis (O, x, y)")),
    KOLIBRA_OPTION_CHECK(
        CheckBox36StartByZero_Checked, ogCalculations, 0,
        QT_TRANSLATE_NOOP("TOptions", "Video mark index start at zero (at one by default)"),
        QT_TRANSLATE_NOOP("TOptions", "|Warning ! this option influences the results")),
    KOLIBRA_OPTION_CHECK(CheckBox37GridShowItem_Checked, ogResultViews, 1, t::ShowItemCaption,
                         t::ShowItemHint),
    KOLIBRA_OPTION_CHECK(
        CheckBox38ChangeDefaultObjectsName_Checked, ogPreferences, 1,
        QT_TRANSLATE_NOOP("TOptions", "Recommend naming objects"),
        QT_TRANSLATE_NOOP("TOptions", "|Interpretation is easier with explicit objects names")),
    KOLIBRA_OPTION_CHECK(
        CheckBox40ShowDialogBoxForHideImage_Checked, ogPreferences, 1,
        QT_TRANSLATE_NOOP("TOptions", "Show dialog when frame is hidden"),
        QT_TRANSLATE_NOOP("TOptions", "|Useful for first steps in video edit mode")),
    KOLIBRA_OPTION_CHECK(
        CheckBox41HorizAndVertScale_Checked, ogCalculations, 0,
        QT_TRANSLATE_NOOP("TOptions", "Calibrate both dimensions (horizontal and vertical)"),
        QT_TRANSLATE_NOOP("TOptions", "|Use both dimensions is image is stretched")),
    KOLIBRA_OPTION_CHECK(CheckBox42TempsEquation_Checked, ogResultViews, 1, t::EquationCaption,
                         t::EquationHint),
    KOLIBRA_OPTION_CHECK(CheckBox43TempsStatistics_Checked, ogResultViews, 0, t::StatisticsCaption,
                         t::StatisticsHint),
    KOLIBRA_OPTION_CHECK(CheckBox44FormulaEquation_Checked, ogResultViews, 1, t::EquationCaption,
                         t::EquationHint),
    KOLIBRA_OPTION_CHECK(CheckBox45FormulaStatistics_Checked, ogResultViews, 0,
                         t::StatisticsCaption, t::StatisticsHint),
    KOLIBRA_OPTION_CHECK(
        CheckBox46VectorVideoImage_Checked, ogResultViews, 0,
        QT_TRANSLATE_NOOP("TOptions", "Draw video frame"),
        QT_TRANSLATE_NOOP("TOptions", "|Check to associate video image to graphical constructs")),
    KOLIBRA_OPTION_CHECK(CheckBox47AllowTracking_Checked, ogPreferences, 1,
                         QT_TRANSLATE_NOOP("TOptions", "Allow automatic tracking"),
                         QT_TRANSLATE_NOOP("TOptions", "|Uncheck to prevent automatic tracking")),
    KOLIBRA_OPTION_CHECK(CheckBox48AllowMontage_Checked, ogPreferences, 1,
                         QT_TRANSLATE_NOOP("TOptions", "Allow video edit mode"),
                         QT_TRANSLATE_NOOP("TOptions", "|Uncheck to prevent video edit")),
    KOLIBRA_OPTION_CHECK(CheckBox49AllowCapture_Checked, ogPreferences, 1,
                         QT_TRANSLATE_NOOP("TOptions", "Allow video capture"),
                         QT_TRANSLATE_NOOP("TOptions", "|Uncheck to prevent video capture")),
    KOLIBRA_OPTION_CHECK(
        CheckBox50VectorSpline_Checked, ogResultViews, 0,
        QT_TRANSLATE_NOOP("TOptions", "Draw initial curves"),
        QT_TRANSLATE_NOOP("TOptions", "|Useful to measure the length of a curved trajectory")),
    KOLIBRA_OPTION_CHECK(
        CheckBox51DeformationBubble_Checked, ogResultViews, 1,
        QT_TRANSLATE_NOOP("TOptions", "Show the values of the object during modification"),
        QT_TRANSLATE_NOOP("TOptions",
                          "|Useful to adjust an object's measurement to a specific value")),
    KOLIBRA_OPTION_CHECK(
        CheckBox52ShowRadiusSearch_Checked, ogPreferences, 1,
        QT_TRANSLATE_NOOP("TOptions", "Draw the target search zone"),
        QT_TRANSLATE_NOOP("TOptions",
                          "|Compare the distance between two successive positions of the "
                          "target with the radius of the search zone")),
    KOLIBRA_OPTION_CHECK(CheckBox53PolarQuantities_Checked, ogFormulas, 1,
                         QT_TRANSLATE_NOOP("TOptions", "Show polar quantities within results"),
                         QT_TRANSLATE_NOOP("TOptions",
                                           "|Unchecked, polar coordinates and the angular "
                                           "velocity no longer appear in any window")),
    KOLIBRA_OPTION_CHECK(CheckBox54SmoothSpeed_Checked, ogCalculations, 1,
                         QT_TRANSLATE_NOOP("TOptions", "Smooth velocity values"), t::SmoothHint),
    KOLIBRA_OPTION_CHECK(CheckBox57GridShowPolarQuantities_Checked, ogResultViews, 1,
                         QT_TRANSLATE_NOOP("TOptions", "Show columns related to polar quantities"),
                         t::GridColumnsHint),
    KOLIBRA_OPTION_CHECK(CheckBox58AllowStudio_Checked, ogPreferences, 1,
                         QT_TRANSLATE_NOOP("TOptions", "Allow video studio"),
                         QT_TRANSLATE_NOOP("TOptions", "|Uncheck to prevent video studio")),

    KOLIBRA_OPTION_TOOL(ToolButtonFormuleModeleConstant_Down, t::ModeleConstant),
    KOLIBRA_OPTION_TOOL(ToolButtonFormuleModeleAffine_Down, t::ModeleAffine),
    KOLIBRA_OPTION_TOOL(ToolButtonFormuleModeleProportionnel_Down, t::ModeleProportionnel),
    KOLIBRA_OPTION_TOOL(ToolButtonFormuleModeleParabole_Down, t::ModeleParabole),
    KOLIBRA_OPTION_TOOL(ToolButtonFormuleModeleSinus_Down, t::ModeleSinus),
    KOLIBRA_OPTION_TOOL(ToolButtonFormuleModeleSinusAe_Down, t::ModeleSinusAe),
    KOLIBRA_OPTION_TOOL(ToolButtonFormuleModeleSinusAl_Down, t::ModeleSinusAl),
    KOLIBRA_OPTION_TOOL(ToolButtonFormuleModeleExponentiel_Down, t::ModeleExponentiel),
    KOLIBRA_OPTION_TOOL(ToolButtonFormuleModifierModele_Down, t::ModifierModele),
    KOLIBRA_OPTION_TOOL(ToolButtonFormuleReticule_Down, t::Reticule),

    KOLIBRA_OPTION_TOOL(ToolButtonReferentielAngle_Down, t::Angle),
    KOLIBRA_OPTION_TOOL(ToolButtonReferentielArc_Down, t::Arc),
    KOLIBRA_OPTION_TOOL(ToolButtonReferentielCercle_Down, t::Cercle),
    KOLIBRA_OPTION_TOOL(ToolButtonReferentielCurveArc_Down, t::CurveArc),
    KOLIBRA_OPTION_TOOL(ToolButtonReferentielDupliquer_Down, t::Dupliquer),
    KOLIBRA_OPTION_TOOL(ToolButtonReferentielEllipse_Down, t::Ellipse),
    KOLIBRA_OPTION_TOOL(ToolButtonReferentielMesurer_Down, t::Mesurer),
    KOLIBRA_OPTION_TOOL(ToolButtonReferentielReticule_Down, t::Reticule),
    KOLIBRA_OPTION_TOOL(ToolButtonReferentielSegment_Down, t::Segment),
    KOLIBRA_OPTION_TOOL(ToolButtonReferentielSelection_Down, t::Selection),
    KOLIBRA_OPTION_TOOL(ToolButtonReferentielSpline_Down, t::Spline),
    KOLIBRA_OPTION_TOOL(ToolButtonReferentielSupprimer_Down, t::Supprimer),

    KOLIBRA_OPTION_TOOL(ToolButtonTempsModeleConstant_Down, t::ModeleConstant),
    KOLIBRA_OPTION_TOOL(ToolButtonTempsModeleAffine_Down, t::ModeleAffine),
    KOLIBRA_OPTION_TOOL(ToolButtonTempsModeleProportionnel_Down, t::ModeleProportionnel),
    KOLIBRA_OPTION_TOOL(ToolButtonTempsModeleParabole_Down, t::ModeleParabole),
    KOLIBRA_OPTION_TOOL(ToolButtonTempsModeleSinus_Down, t::ModeleSinus),
    KOLIBRA_OPTION_TOOL(ToolButtonTempsModeleSinusAe_Down, t::ModeleSinusAe),
    KOLIBRA_OPTION_TOOL(ToolButtonTempsModeleSinusAl_Down, t::ModeleSinusAl),
    KOLIBRA_OPTION_TOOL(ToolButtonTempsModeleExponentiel_Down, t::ModeleExponentiel),
    KOLIBRA_OPTION_TOOL(ToolButtonTempsModifierModele_Down, t::ModifierModele),
    KOLIBRA_OPTION_TOOL(ToolButtonTempsReticule_Down, t::Reticule),

    KOLIBRA_OPTION_TOOL(ToolButtonVecteurAngle_Down, t::Angle),
    KOLIBRA_OPTION_TOOL(ToolButtonVecteurArc_Down, t::Arc),
    KOLIBRA_OPTION_TOOL(ToolButtonVecteurCercle_Down, t::Cercle),
    KOLIBRA_OPTION_TOOL(ToolButtonVecteurCurveArc_Down, t::CurveArc),
    KOLIBRA_OPTION_TOOL(ToolButtonVecteurDupliquer_Down, t::Dupliquer),
    KOLIBRA_OPTION_TOOL(ToolButtonVecteurEllipse_Down, t::Ellipse),
    KOLIBRA_OPTION_TOOL(ToolButtonVecteurMesurer_Down, t::Mesurer),
    KOLIBRA_OPTION_TOOL(ToolButtonVecteurReticule_Down, t::Reticule),
    KOLIBRA_OPTION_TOOL(ToolButtonVecteurSegment_Down, t::Segment),
    KOLIBRA_OPTION_TOOL(ToolButtonVecteurSelection_Down, t::Selection),
    KOLIBRA_OPTION_TOOL(ToolButtonVecteurSens_Down, t::Sens),
    KOLIBRA_OPTION_TOOL(ToolButtonVecteurSpline_Down, t::Spline),
    KOLIBRA_OPTION_TOOL(ToolButtonVecteurSupprimer_Down, t::Supprimer),
    KOLIBRA_OPTION_TOOL(ToolButtonVecteurVecteur_Down, t::Vecteur),
    KOLIBRA_OPTION_TOOL(ToolButtonVecteurVideo_Down, t::Video),

    KOLIBRA_OPTION_VALUE(EditMRU_Value, 8, 1, 20, QT_TRANSLATE_NOOP("TOptions", "Numbering"),
                         QT_TRANSLATE_NOOP("TOptions", "|Number of files: 1 to 20"), {}),
    KOLIBRA_OPTION_VALUE(
        TrackingRadius_Value, 40, 10, 100,
        QT_TRANSLATE_NOOP("TOptions", "Radius of target search zone (in pixels)"),
        QT_TRANSLATE_NOOP("TOptions", "|A large search radius will reduce the tracking speed"), {}),
    KOLIBRA_OPTION_VALUE(ShapeNumber_Value, 0, 0, 2, t::ShapeCaption, nullptr, t::ShapeItems),
    KOLIBRA_OPTION_VALUE(StudioShapeNumber_Value, 0, 0, 2, t::ShapeCaption, nullptr, t::ShapeItems),
    KOLIBRA_OPTION_VALUE(PenSize_Value, 0, 0, 2, t::ThicknessCaption, nullptr, t::ThicknessItems),
    KOLIBRA_OPTION_VALUE(PenSize4Graph_Value, 0, 0, 2, t::ThicknessCaption, nullptr,
                         t::ThicknessItems),
    KOLIBRA_OPTION_VALUE(Numerotation_Value, 0, 0, 2,
                         QT_TRANSLATE_NOOP("TOptions", "Marks numbering"), nullptr,
                         t::NumberingItems),
    KOLIBRA_OPTION_VALUE(NumerotationTsp_Value, 0, 0, 2,
                         QT_TRANSLATE_NOOP("TOptions", "Layer marks numbering"), nullptr,
                         t::NumberingItems),
    KOLIBRA_OPTION_VALUE(
        Password, 0, 1, 0,
        QT_TRANSLATE_NOOP("TOptions", "Restrict access to options with a password"),
        QT_TRANSLATE_NOOP("TOptions", "|Password is stored in Kolibra.ini file"), {}),
    KOLIBRA_OPTION_VALUE(DefaultDirectory, 0, 1, 0,
                         QT_TRANSLATE_NOOP("TOptions", "Default directory :"), nullptr, {}),
    KOLIBRA_OPTION_VALUE(
        Language, 0, 1, 0, QT_TRANSLATE_NOOP("TOptions", "Language"),
        QT_TRANSLATE_NOOP("TOptions", "|The language of the menus, windows and help"), {}),
};

#undef KOLIBRA_OPTION_CHECK
#undef KOLIBRA_OPTION_TOOL
#undef KOLIBRA_OPTION_VALUE

}  // namespace optionkeytable

int TOptionKey::Clamp(int value) const { return HasRange() ? qBound(Min, value, Max) : value; }

QString TOptionKey::CaptionText() const {
  if (Caption != nullptr)
    return QCoreApplication::translate(optionkeytexts::TranslationContext, Caption);
  // A tool is named by the first part of its hint.
  return ShortHint(HintText());
}

QString TOptionKey::HintText() const {
  return Hint == nullptr ? QString()
                         : QCoreApplication::translate(optionkeytexts::TranslationContext, Hint);
}

QStringList TOptionKey::ItemTexts() const {
  QStringList out;
  for (const char *item : Items)
    out << QCoreApplication::translate(optionkeytexts::TranslationContext, item);
  return out;
}

std::span<const TOptionKey> OptionKeys() { return optionkeytable::Table; }

const TOptionKey *FindOptionKey(const QString &key) {
  for (const TOptionKey &k : optionkeytable::Table)
    if (key.compare(QLatin1String(k.Key), Qt::CaseInsensitive) == 0) return &k;
  return nullptr;
}

}  // namespace kolibra::settings
