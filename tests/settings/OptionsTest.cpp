#include "settings/Options.h"

#include "kit/IniFile.h"
#include "support/ScopedEnv.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <set>

using namespace kolibra;
using namespace kolibra::settings;

namespace {

QString readText(const QString &name) {
  QFile f(name);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
  return QString::fromUtf8(f.readAll());
}

void writeText(const QString &name, const QString &text) {
  QFile f(name);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text.toUtf8());
}

}  // namespace

using kolibra::testing::ScopedEnv;

namespace {

// The check-box keys and their defaults, in file order.
const std::vector<std::pair<const char *, int>> CheckBoxDefaults = {
    {"CheckBox3ConfirmationQuit_Checked", 1},
    {"CheckBox4ConfirmationFileChange_Checked", 1},
    {"CheckBox5ChangeFormulae_Checked", 1},
    {"CheckBox6FreezeMRU_Checked", 0},
    {"CheckBox7SmoothAcceleration_Checked", 1},
    {"CheckBox8Acceleration_Checked", 1},
    {"CheckBox9Speed_Checked", 1},
    {"CheckBox10GridShowSpeed_Checked", 1},
    {"CheckBox11GridShowAcceleration_Checked", 1},
    {"CheckBox12TimeZoomX_Checked", 0},
    {"CheckBox13TimeZoomY_Checked", 1},
    {"CheckBox14TimePolyline_Checked", 1},
    {"CheckBox15TimeShowItem_Checked", 1},
    {"CheckBox16TrajectoryNumber_Checked", 1},
    {"CheckBox17TrajectoryPolyline_Checked", 1},
    {"CheckBox18TrajectoryShowItem_Checked", 1},
    {"CheckBox19VectorNumber_Checked", 1},
    {"CheckBox20VectorDraw_Checked", 1},
    {"CheckBox21VectorPolyline_Checked", 0},
    {"CheckBox22VectorShowItem_Checked", 1},
    {"CheckBox23FormulaZoomX_Checked", 0},
    {"CheckBox24FormulaZoomY_Checked", 1},
    {"CheckBox25FormulaOriginY_Checked", 1},
    {"CheckBox26FormulaPolyline_Checked", 1},
    {"CheckBox27ProfShowItem_Checked", 1},
    {"CheckBox28FormulaShowItem_Checked", 1},
    {"CheckBox29GridShowCoordinates_Checked", 1},
    {"CheckBox30HideEdgeV_Checked", 0},
    {"CheckBox31HideEdgeA_Checked", 0},
    {"CheckBox32AngleRadian_Checked", 0},
    {"CheckBox33VectorOrigin_Checked", 1},
    {"CheckBox34FormulaOriginX_Checked", 0},
    {"CheckBox35VectorTilted_Checked", 1},
    {"CheckBox36StartByZero_Checked", 0},
    {"CheckBox37GridShowItem_Checked", 1},
    {"CheckBox38ChangeDefaultObjectsName_Checked", 1},
    {"CheckBox40ShowDialogBoxForHideImage_Checked", 1},
    {"CheckBox41HorizAndVertScale_Checked", 0},
    {"CheckBox42TempsEquation_Checked", 1},
    {"CheckBox43TempsStatistics_Checked", 0},
    {"CheckBox44FormulaEquation_Checked", 1},
    {"CheckBox45FormulaStatistics_Checked", 0},
    {"CheckBox46VectorVideoImage_Checked", 0},
    {"CheckBox47AllowTracking_Checked", 1},
    {"CheckBox48AllowMontage_Checked", 1},
    {"CheckBox49AllowCapture_Checked", 1},
    {"CheckBox50VectorSpline_Checked", 0},
    {"CheckBox51DeformationBubble_Checked", 1},
    {"CheckBox52ShowRadiusSearch_Checked", 1},
    {"CheckBox53PolarQuantities_Checked", 1},
    {"CheckBox54SmoothSpeed_Checked", 1},
    {"CheckBox57GridShowPolarQuantities_Checked", 1},
    {"CheckBox58AllowStudio_Checked", 1},
};

// The tool keys in file order: each view's tools, hidden state default 0.
QStringList toolKeys() {
  const QStringList models = {
      "ModeleConstant", "ModeleAffine",  "ModeleProportionnel", "ModeleParabole", "ModeleSinus",
      "ModeleSinusAe",  "ModeleSinusAl", "ModeleExponentiel",   "ModifierModele", "Reticule"};
  const QStringList constructs = {"Angle",   "Arc",     "Cercle",   "CurveArc", "Dupliquer",
                                  "Ellipse", "Mesurer", "Reticule", "Segment",  "Selection"};
  QStringList keys;
  for (const QString &w : models) keys << "ToolButtonFormule" + w + "_Down";
  for (const QString &w : constructs + QStringList{"Spline", "Supprimer"})
    keys << "ToolButtonReferentiel" + w + "_Down";
  for (const QString &w : models) keys << "ToolButtonTemps" + w + "_Down";
  for (const QString &w :
       constructs + QStringList{"Sens", "Spline", "Supprimer", "Vecteur", "Video"})
    keys << "ToolButtonVecteur" + w + "_Down";
  return keys;
}

}  // namespace

// Every test works in its own configuration folder, never in the user's.
class OptionsTest : public ::testing::Test {
 protected:
  QTemporaryDir Dir;
  ScopedEnv ConfigDir{"KOLIBRA_CONFIG_DIR", Dir.path()};
  QString FileName() const { return Dir.filePath("Kolibra.ini"); }
};

TEST_F(OptionsTest, WithoutAFileTheProgramStartsWithTheDocumentedDefaults) {
  const TOptions o;
  EXPECT_TRUE(o.CheckBox9Speed_Checked);
  EXPECT_TRUE(o.CheckBox8Acceleration_Checked);
  EXPECT_TRUE(o.CheckBox53PolarQuantities_Checked);
  EXPECT_TRUE(o.CheckBox7SmoothAcceleration_Checked);
  EXPECT_TRUE(o.CheckBox54SmoothSpeed_Checked);
  EXPECT_FALSE(o.CheckBox36StartByZero_Checked);
  EXPECT_FALSE(o.CheckBox41HorizAndVertScale_Checked);
  EXPECT_TRUE(o.CheckBox47AllowTracking_Checked);
  EXPECT_TRUE(o.CheckBox48AllowMontage_Checked);
  EXPECT_TRUE(o.CheckBox49AllowCapture_Checked);
  EXPECT_TRUE(o.CheckBox58AllowStudio_Checked);
  EXPECT_FALSE(o.PasswordEnabled);
  EXPECT_TRUE(o.Password.isEmpty());
  EXPECT_EQ(o.TrackingRadius_Value, 40);
  EXPECT_EQ(o.EditMRU_Value, 8);
  EXPECT_EQ(o.Numerotation_Value, 0);
  EXPECT_TRUE(o.DefaultDirectory.isEmpty());
  EXPECT_FALSE(QFile::exists(FileName())) << "loading must not create the file";
}

TEST_F(OptionsTest, SavingTheDefaultsWritesEveryKeyInFileOrder) {
  ASSERT_TRUE(TOptions().Save());
  QStringList expected = {"[Options]"};
  for (const auto &[key, value] : CheckBoxDefaults)
    expected << QString("%1=%2").arg(key).arg(value);
  for (const QString &key : toolKeys()) expected << key + "=0";
  expected << "EditMRU_Value=8"
           << "TrackingRadius_Value=40"
           << "ShapeNumber_Value=0"
           << "StudioShapeNumber_Value=0"
           << "PenSize_Value=0"
           << "PenSize4Graph_Value=0"
           << "Numerotation_Value=0"
           << "NumerotationTsp_Value=0"
           << "Password="
           << "DefaultDirectory="
           << "Language="
           << "Gravity_Value=9.81";
  EXPECT_EQ(readText(FileName()), expected.join('\n') + '\n');
  EXPECT_EQ(CheckBoxDefaults.size(), 53u);
  EXPECT_EQ(toolKeys().size(), 47);  // 43 tools with a key of their own + the 4 without
}

TEST_F(OptionsTest, EveryKeyRoundTripsThroughTheFile) {
  TOptions o;
  for (const TOptionKey &key : OptionKeys())
    if (auto field = std::get_if<bool TOptions::*>(&key.Field)) o.*(*field) = key.Default == 0;
  o.EditMRU_Value = 13;
  o.TrackingRadius_Value = 77;
  o.ShapeNumber_Value = 1;
  o.StudioShapeNumber_Value = 2;
  o.PenSize_Value = 2;
  o.PenSize4Graph_Value = 1;
  o.Numerotation_Value = 1;
  o.NumerotationTsp_Value = 2;
  o.Password = "Prof2024";
  o.DefaultDirectory = QDir(Dir.path()).filePath("vidéos élèves");
  ASSERT_TRUE(o.Save());

  const TOptions r;
  for (const TOptionKey &key : OptionKeys()) {
    if (auto field = std::get_if<bool TOptions::*>(&key.Field)) {
      EXPECT_EQ(r.*(*field), key.Default == 0) << key.Key;
    }
  }
  EXPECT_EQ(r.EditMRU_Value, 13);
  EXPECT_EQ(r.TrackingRadius_Value, 77);
  EXPECT_EQ(r.ShapeNumber_Value, 1);
  EXPECT_EQ(r.StudioShapeNumber_Value, 2);
  EXPECT_EQ(r.PenSize_Value, 2);
  EXPECT_EQ(r.PenSize4Graph_Value, 1);
  EXPECT_EQ(r.Numerotation_Value, 1);
  EXPECT_EQ(r.NumerotationTsp_Value, 2);
  EXPECT_EQ(r.Password, QString("Prof2024"));
  EXPECT_EQ(r.DefaultDirectory, o.DefaultDirectory);
  EXPECT_TRUE(r.PasswordEnabled);

  const TIniFile ini(FileName());
  EXPECT_EQ(ini.ReadString("Options", "CheckBox3ConfirmationQuit_Checked", "?"), QString("0"));
  EXPECT_EQ(ini.ReadString("Options", "CheckBox6FreezeMRU_Checked", "?"), QString("1"));
  EXPECT_EQ(ini.ReadString("Options", "TrackingRadius_Value", "?"), QString("77"));
  EXPECT_EQ(ini.ReadString("Options", "NumerotationTsp_Value", "?"), QString("2"));
}

TEST_F(OptionsTest, EveryKeyHasItsOwnField) {
  const auto keys = OptionKeys();
  ASSERT_EQ(keys.size(), 53u + 47u + 11u);
  std::set<QString> names;
  for (size_t i = 0; i < keys.size(); ++i) {
    EXPECT_TRUE(names.insert(QString(keys[i].Key).toLower()).second) << keys[i].Key;
    for (size_t j = i + 1; j < keys.size(); ++j)
      EXPECT_FALSE(keys[i].Field == keys[j].Field) << keys[i].Key << " / " << keys[j].Key;
  }
}

TEST_F(OptionsTest, SaveKeepsTheOtherSectionsAndUnknownKeys) {
  writeText(FileName(),
            "[MainForm]\nDirectory=/home/prof/tp\n\n"
            "[Options]\nEditMRU_Value=3\nLaterVersionKey=kept\nCheckBox6FreezeMRU_Checked=1\n\n"
            "[RecentFiles]\nFile1=/home/prof/tp/chute.klb\nFile2=/home/prof/tp/pendule.klb\n\n"
            "[Capture]\nFramework=0\nDevice=Webcam\n");
  TOptions o;
  EXPECT_EQ(o.EditMRU_Value, 3);
  EXPECT_TRUE(o.CheckBox6FreezeMRU_Checked);
  o.EditMRU_Value = 5;
  ASSERT_TRUE(o.Save());

  const QString text = readText(FileName());
  EXPECT_TRUE(
      text.startsWith("[MainForm]\nDirectory=/home/prof/tp\n\n[Options]\nLaterVersionKey=kept\n"
                      "CheckBox3ConfirmationQuit_Checked=1\n"));
  EXPECT_TRUE(
      text.endsWith("DefaultDirectory=\nLanguage=\nGravity_Value=9.81\n\n"
                    "[RecentFiles]\nFile1=/home/prof/tp/chute.klb\n"
                    "File2=/home/prof/tp/pendule.klb\n\n"
                    "[Capture]\nFramework=0\nDevice=Webcam\n"));
  EXPECT_TRUE(text.contains("\nEditMRU_Value=5\n"));
  EXPECT_EQ(text.count("EditMRU_Value="), 1);
}

TEST_F(OptionsTest, AStoredPasswordLocksTheOptionsAtTheNextStart) {
  writeText(FileName(), "[Options]\nPassword=Physique\n");
  EXPECT_TRUE(TOptions().PasswordEnabled);
  EXPECT_EQ(TOptions().Password, QString("Physique"));

  TOptions o;
  o.Password.clear();
  o.Save();
  EXPECT_FALSE(TOptions().PasswordEnabled);
}

TEST_F(OptionsTest, AHiddenSineToolStaysHiddenAndTheCoordinatesToolKeepsItsState) {
  {
    TOptions o;
    o.ToolButtonFormuleModeleSinus_Down = true;
    o.ToolButtonFormuleModeleSinusAe_Down = true;
    o.ToolButtonTempsModifierModele_Down = true;
    ASSERT_TRUE(o.Save());
  }
  const TOptions r;
  EXPECT_TRUE(r.ToolButtonFormuleModeleSinus_Down);
  EXPECT_FALSE(r.ToolButtonFormuleReticule_Down);
  EXPECT_TRUE(r.ToolButtonFormuleModeleSinusAe_Down);
  EXPECT_FALSE(r.ToolButtonFormuleModifierModele_Down);
  EXPECT_TRUE(r.ToolButtonTempsModifierModele_Down);
  EXPECT_FALSE(r.ToolButtonTempsModeleSinusAe_Down);
  const TIniFile ini(FileName());
  EXPECT_EQ(ini.ReadString("Options", "ToolButtonFormuleModeleSinus_Down", "?"), QString("1"));
  EXPECT_EQ(ini.ReadString("Options", "ToolButtonTempsModifierModele_Down", "?"), QString("1"));
}

TEST_F(OptionsTest, ModifyAndBendToolsCountAsHiddenWhenEverythingTheyActOnIsHidden) {
  TOptions o;
  bool *formulaModels[] = {
      &o.ToolButtonFormuleModeleConstant_Down,      &o.ToolButtonFormuleModeleAffine_Down,
      &o.ToolButtonFormuleModeleProportionnel_Down, &o.ToolButtonFormuleModeleParabole_Down,
      &o.ToolButtonFormuleModeleSinus_Down,         &o.ToolButtonFormuleModeleSinusAe_Down,
      &o.ToolButtonFormuleModeleSinusAl_Down,       &o.ToolButtonFormuleModeleExponentiel_Down};
  bool *timeModels[] = {
      &o.ToolButtonTempsModeleConstant_Down,      &o.ToolButtonTempsModeleAffine_Down,
      &o.ToolButtonTempsModeleProportionnel_Down, &o.ToolButtonTempsModeleParabole_Down,
      &o.ToolButtonTempsModeleSinus_Down,         &o.ToolButtonTempsModeleSinusAe_Down,
      &o.ToolButtonTempsModeleSinusAl_Down,       &o.ToolButtonTempsModeleExponentiel_Down};
  EXPECT_FALSE(o.IsFormuleModifierHidden());
  for (size_t i = 0; i + 1 < std::size(formulaModels); ++i) *formulaModels[i] = true;
  EXPECT_FALSE(o.IsFormuleModifierHidden()) << "one model tool is still shown";
  *formulaModels[7] = true;
  EXPECT_TRUE(o.IsFormuleModifierHidden());
  EXPECT_FALSE(o.IsTempsModifierHidden()) << "the views are independent";
  for (bool *b : timeModels) *b = true;
  EXPECT_TRUE(o.IsTempsModifierHidden());
  *timeModels[0] = false;
  EXPECT_FALSE(o.IsTempsModifierHidden());
  o.ToolButtonTempsModifierModele_Down = true;
  EXPECT_TRUE(o.IsTempsModifierHidden());

  o.ToolButtonReferentielArc_Down = o.ToolButtonReferentielCercle_Down = true;
  EXPECT_FALSE(o.IsReferentielCurveArcHidden());
  o.ToolButtonReferentielEllipse_Down = true;
  EXPECT_TRUE(o.IsReferentielCurveArcHidden());
  EXPECT_FALSE(o.IsVecteurCurveArcHidden());
  o.ToolButtonVecteurCurveArc_Down = true;
  EXPECT_TRUE(o.IsVecteurCurveArcHidden());
  o.ToolButtonVecteurCurveArc_Down = false;
  o.ToolButtonVecteurArc_Down = o.ToolButtonVecteurCercle_Down = o.ToolButtonVecteurEllipse_Down =
      true;
  EXPECT_TRUE(o.IsVecteurCurveArcHidden());
}

TEST_F(OptionsTest, HandEditedNumbersAreBroughtIntoTheirValidRange) {
  struct Case {
    const char *Line;
    int TOptions::*IntField;
    std::uint8_t TOptions::*ByteField;
    int Expected;
  };
  const Case cases[] = {
      {"Numerotation_Value=5", nullptr, &TOptions::Numerotation_Value, 2},
      {"Numerotation_Value=258", nullptr, &TOptions::Numerotation_Value, 2},
      {"Numerotation_Value=-1", nullptr, &TOptions::Numerotation_Value, 0},
      {"Numerotation_Value=1", nullptr, &TOptions::Numerotation_Value, 1},
      {"NumerotationTsp_Value=256", nullptr, &TOptions::NumerotationTsp_Value, 2},
      {"PenSize_Value=9", &TOptions::PenSize_Value, nullptr, 2},
      {"PenSize4Graph_Value=-4", &TOptions::PenSize4Graph_Value, nullptr, 0},
      {"StudioShapeNumber_Value=3", &TOptions::StudioShapeNumber_Value, nullptr, 2},
      {"ShapeNumber_Value=2147483647", &TOptions::ShapeNumber_Value, nullptr, 2},
      {"TrackingRadius_Value=0", &TOptions::TrackingRadius_Value, nullptr, 10},
      {"TrackingRadius_Value=500", &TOptions::TrackingRadius_Value, nullptr, 100},
      {"TrackingRadius_Value=55", &TOptions::TrackingRadius_Value, nullptr, 55},
      {"TrackingRadius_Value=forty", &TOptions::TrackingRadius_Value, nullptr, 40},
      {"EditMRU_Value=0", &TOptions::EditMRU_Value, nullptr, 1},
      {"EditMRU_Value=99", &TOptions::EditMRU_Value, nullptr, 20},
      {"editmru_value=12", &TOptions::EditMRU_Value, nullptr, 12},
  };
  for (const Case &c : cases) {
    writeText(FileName(), QString("[Options]\n%1\n").arg(c.Line));
    const TOptions o;
    const int actual = c.IntField ? o.*(c.IntField) : int(o.*(c.ByteField));
    EXPECT_EQ(actual, c.Expected) << c.Line;
  }
}

TEST_F(OptionsTest, BooleansReadAnyNonZeroIntegerAsTrue) {
  writeText(FileName(),
            "[Options]\nCheckBox6FreezeMRU_Checked=7\nCheckBox3ConfirmationQuit_Checked=0\n"
            "CheckBox9Speed_Checked=yes\n");
  const TOptions o;
  EXPECT_TRUE(o.CheckBox6FreezeMRU_Checked);
  EXPECT_FALSE(o.CheckBox3ConfirmationQuit_Checked);
  EXPECT_TRUE(o.CheckBox9Speed_Checked) << "unreadable: the default";
}

TEST_F(OptionsTest, AFailedSaveIsHarmless) {
  writeText(Dir.filePath("file"), "not a folder");
  TOptions o(Dir.filePath("file/Kolibra.ini"));
  o.EditMRU_Value = 4;
  bool notified = false;
  o.OnChange = [&](TOptions *sender) { notified = sender == &o; };
  EXPECT_FALSE(o.Save());
  o.Changed();
  EXPECT_TRUE(notified) << "the dialog announces the change even when the write failed";
  EXPECT_EQ(o.EditMRU_Value, 4);
}

TEST_F(OptionsTest, TheConfigurationFolderComesFromKolibraConfigDir) {
  const QString folder = QDir(Dir.path()).filePath("nested/config");
  ScopedEnv env("KOLIBRA_CONFIG_DIR", folder);
  EXPECT_EQ(OptionsFolder(), folder);
  EXPECT_TRUE(QDir(folder).exists()) << "created when missing";
  EXPECT_EQ(OptionsFileName(), folder + "/Kolibra.ini");
  writeText(folder + "/Kolibra.ini", "[Options]\nCheckBox6FreezeMRU_Checked=1\n");
  const TOptions o;
  EXPECT_EQ(o.FileName(), folder + "/Kolibra.ini");
  EXPECT_TRUE(o.CheckBox6FreezeMRU_Checked);
}

TEST_F(OptionsTest, TheTemporaryFolderIsTmpThenTempWhenTheyExist) {
  const QString tmp = QDir(Dir.path()).filePath("tmp");
  const QString temp = QDir(Dir.path()).filePath("temp");
  QDir().mkpath(tmp);
  QDir().mkpath(temp);
  const QString missing = QDir(Dir.path()).filePath("missing");
  struct Case {
    QString Tmp, Temp, Expected;
  };
  const Case cases[] = {
      {tmp, temp, tmp},
      {missing, temp, temp},
      {QString(), temp, temp},
      {missing, missing, QDir::tempPath()},
      {QString(), QString(), QDir::tempPath()},
      {tmp + "/", QString(), tmp},
  };
  for (const Case &c : cases) {
    ScopedEnv a("TMP", c.Tmp);
    ScopedEnv b("TEMP", c.Temp);
    EXPECT_EQ(TemporaryFolder(), c.Expected) << c.Tmp.toStdString() << " " << c.Temp.toStdString();
  }
}

TEST(OptionKeys, CarryTheDialogTexts) {
  struct Case {
    const char *Key, *Caption, *Hint;
  };
  const Case cases[] = {
      {"CheckBox41HorizAndVertScale_Checked", "Calibrate both dimensions (horizontal and vertical)",
       "|Use both dimensions is image is stretched"},
      {"CheckBox28FormulaShowItem_Checked", "Show this command in Results toolbar",
       "|Limit switching between different windows"},
      {"CheckBox57GridShowPolarQuantities_Checked", "Show columns related to polar quantities",
       "|Display may be cluttered up with 2 or 3 video marks per frame"},
      {"ToolButtonVecteurSens_Down", "Change vectors direction",
       "Change vectors direction|Change direction of the vector under the mouse pointer; change "
       "direction of the vectors in a rectangular zone"},
      {"ToolButtonTempsModeleExponentiel_Down", "Fit using an exponential",
       "Fit using an exponential| Model parameters available by hovering over the curve "},
      {"TrackingRadius_Value", "Radius of target search zone (in pixels)",
       "|A large search radius will reduce the tracking speed"},
  };
  for (const Case &c : cases) {
    const TOptionKey *key = FindOptionKey(c.Key);
    ASSERT_NE(key, nullptr) << c.Key;
    EXPECT_EQ(key->CaptionText(), QString(c.Caption)) << c.Key;
    EXPECT_EQ(key->HintText(), QString(c.Hint)) << c.Key;
  }
  EXPECT_EQ(FindOptionKey("Numerotation_Value")->ItemTexts(),
            QStringList({"bellow the point", "on the right of the point", "none"}));
  EXPECT_EQ(FindOptionKey("ShapeNumber_Value")->ItemTexts(),
            QStringList({"circle", "broken line", "free"}));
  EXPECT_EQ(FindOptionKey("NoSuchKey"), nullptr);
  for (const TOptionKey &key : OptionKeys()) {
    if (QString(key.Key).startsWith("CheckBox")) {
      EXPECT_TRUE(key.HintText().startsWith('|') && !key.CaptionText().isEmpty()) << key.Key;
    }
  }
}

TEST(OptionKeys, TheCalculationKeysAreTheEightThatMakeResultsStale) {
  QStringList calculation;
  for (const TOptionKey &key : OptionKeys())
    if (key.Group == ogCalculations) calculation << key.Key;
  EXPECT_EQ(calculation,
            QStringList({"CheckBox7SmoothAcceleration_Checked", "CheckBox8Acceleration_Checked",
                         "CheckBox9Speed_Checked", "CheckBox30HideEdgeV_Checked",
                         "CheckBox31HideEdgeA_Checked", "CheckBox36StartByZero_Checked",
                         "CheckBox41HorizAndVertScale_Checked", "CheckBox54SmoothSpeed_Checked"}));
}

// g is a real, read back only when it is a plausible acceleration of gravity.
TEST_F(OptionsTest, GravityIsReadBackWhenPlausible) {
  EXPECT_DOUBLE_EQ(TOptions().Gravity_Value, 9.81);
  const std::pair<const char *, double> cases[] = {
      {"1.62", 1.62}, {"9.80665", 9.80665}, {"0", 9.81}, {"-9.81", 9.81}, {"1000", 9.81}, {"fast", 9.81}, {"nan", 9.81},
  };
  for (const auto &[text, expected] : cases) {
    writeText(FileName(), QStringLiteral("[Options]\nGravity_Value=%1\n").arg(QLatin1String(text)));
    EXPECT_DOUBLE_EQ(TOptions().Gravity_Value, expected) << text;
  }
  TOptions moon;
  moon.Gravity_Value = 1.62;
  ASSERT_TRUE(moon.Save());
  EXPECT_DOUBLE_EQ(TOptions().Gravity_Value, 1.62);
}
