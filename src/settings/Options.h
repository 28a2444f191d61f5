#pragma once
// TOptions holds the user's preferences: one public field per key of section "Options" of
// the options file, read directly by every subsystem and written only by the options
// dialog, which then calls Save and Changed.
//
// The keys live in one table (OptionKeys): key, field, default, valid range, the group the
// key belongs to and the caption and hint of the dialog control that edits it. Load and
// Save walk that table, so adding an option is a field plus a table row. The field order
// below is the file order.
//
// Load never fails: a missing file, key or unreadable number gives the default, and
// numbers outside their valid range are brought back into it, because consumers index
// lists and size pens with them. Save keeps every other section of the file (it is shared
// with the recent-files list, the formula keyboard, capture, video writing and the export)
// and replaces the file atomically; a failed write leaves the old file as it was.

#include "settings/PasswordHash.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <span>
#include <variant>

namespace kolibra::settings {

class IPasswordPrompt;

// Where the options file lives: KOLIBRA_CONFIG_DIR when set, else the per-user
// configuration folder. The folder is created when missing.
QString OptionsFolder();
// OptionsFolder() + "Kolibra.ini".
QString OptionsFileName();
// TMP, else TEMP, when it names an existing folder; else the system's temporary folder.
// Absolute, without a final separator.
QString TemporaryFolder();

// The section of the options file that belongs to TOptions.
inline constexpr const char *OptionsSectionName = "Options";
// The acceleration of gravity until the user sets another (m/s²), and its key.
inline constexpr double DefaultGravity = 9.81;
inline constexpr const char *GravityKey = "Gravity_Value";

class TOptions {
 public:
  // Loads at once from fileName (the options file unless a test says otherwise).
  explicit TOptions(const QString &fileName = OptionsFileName());

  const QString &FileName() const { return Name; }

  // Every field to its default; PasswordEnabled false.
  void SetDefaults();
  void Load();
  // Writes every key to section "Options". Callers may ignore the result: a failed
  // write leaves the previous file untouched and the fields as they are.
  bool Save() const;
  // Raises OnChange when it is set (the options dialog calls this after Save).
  void Changed();

  // A tool counts as hidden through its own state or when every tool it acts on is hidden.
  bool IsFormuleModifierHidden() const;
  bool IsTempsModifierHidden() const;
  bool IsReferentielCurveArcHidden() const;
  bool IsVecteurCurveArcHidden() const;

  // The password lock (PasswordLock.h). CheckAccess: true at once without a lock, else
  // when the typed password matches ("Wrong password." otherwise). DefinePassword: asks for
  // a new password and keeps its hash; false when cancelled or empty.
  bool CheckAccess(IPasswordPrompt &prompt);
  bool DefinePassword(IPasswordPrompt &prompt);
  // Writes the "Password" key alone.
  bool SavePassword() const;

  std::function<void(TOptions *)> OnChange;

  // The cost of the hashes DefinePassword makes (tests lower it); not an option of the file.
  int PasswordIterations = DefaultPasswordIterations;

  // The options dialog is locked; derived from a non-empty Password by Load.
  bool PasswordEnabled = false;

  // The defaults are in the key table; the constructor loads every field.
  // Check boxes of the options dialog.
  bool CheckBox3ConfirmationQuit_Checked{};
  bool CheckBox4ConfirmationFileChange_Checked{};
  bool CheckBox5ChangeFormulae_Checked{};
  bool CheckBox6FreezeMRU_Checked{};
  bool CheckBox7SmoothAcceleration_Checked{};
  bool CheckBox8Acceleration_Checked{};
  bool CheckBox9Speed_Checked{};
  bool CheckBox10GridShowSpeed_Checked{};
  bool CheckBox11GridShowAcceleration_Checked{};
  bool CheckBox12TimeZoomX_Checked{};
  bool CheckBox13TimeZoomY_Checked{};
  bool CheckBox14TimePolyline_Checked{};
  bool CheckBox15TimeShowItem_Checked{};
  bool CheckBox16TrajectoryNumber_Checked{};
  bool CheckBox17TrajectoryPolyline_Checked{};
  bool CheckBox18TrajectoryShowItem_Checked{};
  bool CheckBox19VectorNumber_Checked{};
  bool CheckBox20VectorDraw_Checked{};
  bool CheckBox21VectorPolyline_Checked{};
  bool CheckBox22VectorShowItem_Checked{};
  bool CheckBox23FormulaZoomX_Checked{};
  bool CheckBox24FormulaZoomY_Checked{};
  bool CheckBox25FormulaOriginY_Checked{};
  bool CheckBox26FormulaPolyline_Checked{};
  bool CheckBox27ProfShowItem_Checked{};
  bool CheckBox28FormulaShowItem_Checked{};
  bool CheckBox29GridShowCoordinates_Checked{};
  bool CheckBox30HideEdgeV_Checked{};
  bool CheckBox31HideEdgeA_Checked{};
  bool CheckBox32AngleRadian_Checked{};
  bool CheckBox33VectorOrigin_Checked{};
  bool CheckBox34FormulaOriginX_Checked{};
  bool CheckBox35VectorTilted_Checked{};
  bool CheckBox36StartByZero_Checked{};
  bool CheckBox37GridShowItem_Checked{};
  bool CheckBox38ChangeDefaultObjectsName_Checked{};
  bool CheckBox40ShowDialogBoxForHideImage_Checked{};
  bool CheckBox41HorizAndVertScale_Checked{};
  bool CheckBox42TempsEquation_Checked{};
  bool CheckBox43TempsStatistics_Checked{};
  bool CheckBox44FormulaEquation_Checked{};
  bool CheckBox45FormulaStatistics_Checked{};
  bool CheckBox46VectorVideoImage_Checked{};
  bool CheckBox47AllowTracking_Checked{};
  bool CheckBox48AllowMontage_Checked{};
  bool CheckBox49AllowCapture_Checked{};
  bool CheckBox50VectorSpline_Checked{};
  bool CheckBox51DeformationBubble_Checked{};
  bool CheckBox52ShowRadiusSearch_Checked{};
  bool CheckBox53PolarQuantities_Checked{};
  bool CheckBox54SmoothSpeed_Checked{};
  bool CheckBox57GridShowPolarQuantities_Checked{};
  bool CheckBox58AllowStudio_Checked{};

  // Graph tools of the results window; true = the tool is hidden. Formula view.
  bool ToolButtonFormuleModeleConstant_Down{};
  bool ToolButtonFormuleModeleAffine_Down{};
  bool ToolButtonFormuleModeleProportionnel_Down{};
  bool ToolButtonFormuleModeleParabole_Down{};
  bool ToolButtonFormuleModeleSinus_Down{};
  bool ToolButtonFormuleModeleSinusAe_Down{};
  bool ToolButtonFormuleModeleSinusAl_Down{};
  bool ToolButtonFormuleModeleExponentiel_Down{};
  bool ToolButtonFormuleModifierModele_Down{};
  bool ToolButtonFormuleReticule_Down{};
  // Trajectory view.
  bool ToolButtonReferentielAngle_Down{};
  bool ToolButtonReferentielArc_Down{};
  bool ToolButtonReferentielCercle_Down{};
  bool ToolButtonReferentielCurveArc_Down{};
  bool ToolButtonReferentielDupliquer_Down{};
  bool ToolButtonReferentielEllipse_Down{};
  bool ToolButtonReferentielMesurer_Down{};
  bool ToolButtonReferentielReticule_Down{};
  bool ToolButtonReferentielSegment_Down{};
  bool ToolButtonReferentielSelection_Down{};
  bool ToolButtonReferentielSpline_Down{};
  bool ToolButtonReferentielSupprimer_Down{};
  // Time view.
  bool ToolButtonTempsModeleConstant_Down{};
  bool ToolButtonTempsModeleAffine_Down{};
  bool ToolButtonTempsModeleProportionnel_Down{};
  bool ToolButtonTempsModeleParabole_Down{};
  bool ToolButtonTempsModeleSinus_Down{};
  bool ToolButtonTempsModeleSinusAe_Down{};
  bool ToolButtonTempsModeleSinusAl_Down{};
  bool ToolButtonTempsModeleExponentiel_Down{};
  bool ToolButtonTempsModifierModele_Down{};
  bool ToolButtonTempsReticule_Down{};
  // Vector view.
  bool ToolButtonVecteurAngle_Down{};
  bool ToolButtonVecteurArc_Down{};
  bool ToolButtonVecteurCercle_Down{};
  bool ToolButtonVecteurCurveArc_Down{};
  bool ToolButtonVecteurDupliquer_Down{};
  bool ToolButtonVecteurEllipse_Down{};
  bool ToolButtonVecteurMesurer_Down{};
  bool ToolButtonVecteurReticule_Down{};
  bool ToolButtonVecteurSegment_Down{};
  bool ToolButtonVecteurSelection_Down{};
  bool ToolButtonVecteurSens_Down{};
  bool ToolButtonVecteurSpline_Down{};
  bool ToolButtonVecteurSupprimer_Down{};
  bool ToolButtonVecteurVecteur_Down{};
  bool ToolButtonVecteurVideo_Down{};

  // Counts, sizes and list choices.
  int EditMRU_Value{};            // recent files, 1 to 20
  int TrackingRadius_Value{};     // pixels, 10 to 100
  int ShapeNumber_Value{};        // tracker outline: 0 circle, 1 broken line, 2 free
  int StudioShapeNumber_Value{};  // the same for the studio
  int PenSize_Value{};            // 0 small, 1 average, 2 large
  int PenSize4Graph_Value{};
  std::uint8_t Numerotation_Value{};  // 0 below the mark, 1 on its right, 2 none
  std::uint8_t NumerotationTsp_Value{};

  // The acceleration of gravity in m/s², for the potential energy of weight; kept as key
  // "Gravity_Value", read back only when 0 < g < 100.
  double Gravity_Value = DefaultGravity;

  QString Password;  // the hash of the password (PasswordHash.h); empty = no lock
  QString DefaultDirectory;
  // The interface language: empty for the desktop's, else "en", "fr", "de" or "es". Read at
  // start only.
  QString Language;

 private:
  QString Name;
};

// How the options dialog groups the keys; a change in ogCalculations makes the results
// out of date.
enum TOptionGroup {
  ogPreferences,
  ogCalculations,
  ogFormulas,
  ogResultViews,
  ogTools,
  ogValues,
};

using TOptionField =
    std::variant<bool TOptions::*, int TOptions::*, std::uint8_t TOptions::*, QString TOptions::*>;

struct TOptionKey {
  const char *Key;
  TOptionGroup Group;
  TOptionField Field;
  int Default;  // Booleans 0/1; strings always start empty
  int Min;      // the valid range of a number; Min > Max: no range
  int Max;
  // Untranslated texts of the control that edits the key (translation context "TOptions").
  // Check boxes: caption and hint ("|" then the status-bar text). Tools: no caption (the
  // tool's name is the part of its hint before "|"), hint "name|description". Values: the
  // label and, when there is one, the hint.
  const char *Caption;
  const char *Hint;
  // The items of a combo box, in index order; empty for other controls.
  std::span<const char *const> Items;

  bool HasRange() const { return Min <= Max; }
  int Clamp(int value) const;
  QString CaptionText() const;  // translated; a tool's name for a tool
  QString HintText() const;
  QStringList ItemTexts() const;
};

// Every key of section "Options", in file order.
std::span<const TOptionKey> OptionKeys();
// The table row of a key (case-insensitive, as INI keys are), or nullptr.
const TOptionKey *FindOptionKey(const QString &key);

}  // namespace kolibra::settings
