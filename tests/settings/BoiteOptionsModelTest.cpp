// The options dialog's rules: one control per option, what the dialog shows at opening,
// what closing stores and announces (and when the results are out of date), Cancel changing
// nothing, "Restore defaults", the password box, the default folder and the association.

#include "kit/MessageBox.h"
#include "settings/BoiteOptionsModel.h"
#include "settings/OptionsPages.h"
#include "settings/PasswordLock.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <map>

using namespace kolibra;
using namespace kolibra::settings;

namespace boite_options_model_test {

QString ReadFile(const QString &name) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class TPrompt : public IPasswordPrompt {
 public:
  bool Execute() override {
    PasswordText = Answer;
    return !Answer.isNull();
  }
  QString Answer;  // null: cancelled
};

class BoiteOptionsModelTest : public ::testing::Test {
 protected:
  BoiteOptionsModelTest() {
    Association.RefreshCaches = false;
    Options.PasswordIterations = 20;
    Options.OnChange = [this](TOptions *) {
      ++Changes;
      FileAtChange = ReadFile(FileName());
    };
    QFile program(Executable);
    program.open(QIODevice::WriteOnly);
  }
  QString FileName() const { return Dir.filePath(QStringLiteral("Kolibra.ini")); }

  QTemporaryDir Dir;
  TScriptedMessageBox Boxes;
  TOptions Options{FileName()};
  TKlbAssociation Association{Dir.filePath(QStringLiteral("data")),
                              Dir.filePath(QStringLiteral("config"))};
  QString Executable = Dir.filePath(QStringLiteral("kolibra"));
  TBoiteOptionsModel Model{Options, Association, Executable};
  int Changes = 0;
  QString FileAtChange;
};


TEST(OptionsPages, EveryOptionHasExactlyOneControl) {
  std::map<QString, int> controls;
  const auto count = [&](const std::vector<TOptionsItem> &items) {
    for (const TOptionsItem &item : items)
      if (item.Key != nullptr) ++controls[QLatin1String(item.Key)];
  };
  for (const TOptionsPage &page : OptionsPages()) {
    count(page.Header);
    for (const TOptionsSubPage &subPage : page.SubPages) count(subPage.Items);
  }
  for (const TOptionKey &key : OptionKeys())
    EXPECT_EQ(controls[QLatin1String(key.Key)], 1) << key.Key;
  EXPECT_EQ(controls.size(), OptionKeys().size()) << "a control names no option";
  EXPECT_EQ(ControlName("CheckBox42TempsEquation_Checked"), QStringLiteral("CheckBox42TempsEquation"));
  EXPECT_EQ(ControlName("ToolButtonVecteurSens_Down"), QStringLiteral("ToolButtonVecteurSens"));
  EXPECT_EQ(ControlName("EditMRU_Value"), QStringLiteral("EditMRU"));
}

TEST_F(BoiteOptionsModelTest, TheModifyAndBendButtonsShowTheirDerivedStates) {
  for (bool *tool : {&Options.ToolButtonTempsModeleConstant_Down, &Options.ToolButtonTempsModeleAffine_Down,
                     &Options.ToolButtonTempsModeleProportionnel_Down, &Options.ToolButtonTempsModeleParabole_Down,
                     &Options.ToolButtonTempsModeleSinus_Down, &Options.ToolButtonTempsModeleSinusAe_Down,
                     &Options.ToolButtonTempsModeleSinusAl_Down, &Options.ToolButtonTempsModeleExponentiel_Down,
                     &Options.ToolButtonReferentielArc_Down, &Options.ToolButtonReferentielCercle_Down,
                     &Options.ToolButtonReferentielEllipse_Down})
    *tool = true;
  Model.Show();
  EXPECT_TRUE(Model.Controls().ToolButtonTempsModifierModele_Down);
  EXPECT_TRUE(Model.Controls().ToolButtonReferentielCurveArc_Down);
  EXPECT_FALSE(Model.Controls().ToolButtonFormuleModifierModele_Down);
  EXPECT_FALSE(Model.Controls().ToolButtonVecteurCurveArc_Down);
  // The buttons store their own state: the next opening shows them pressed by themselves.
  Model.Close();
  EXPECT_TRUE(Options.ToolButtonTempsModifierModele_Down);
  EXPECT_TRUE(Options.ToolButtonReferentielCurveArc_Down);
  Options.ToolButtonTempsModeleConstant_Down = false;
  Model.Show();
  EXPECT_TRUE(Model.Controls().ToolButtonTempsModifierModele_Down);
}

TEST_F(BoiteOptionsModelTest, OnlyACalculationOptionPutsTheResultsOutOfDate) {
  for (const TOptionKey &key : OptionKeys()) {
    if (!std::holds_alternative<bool TOptions::*>(key.Field)) continue;
    SCOPED_TRACE(key.Key);
    Model.Show();
    Model.SetChecked(key, !Model.Checked(key));
    const bool derived = QByteArray(key.Key).contains("ModifierModele") ||
                         QByteArray(key.Key).contains("CurveArc");
    const TOptionsDialogResult result = Model.Close();
    EXPECT_TRUE(result.Accepted);
    EXPECT_EQ(result.CalculationsChanged, key.Group == ogCalculations);
    if (derived) continue;
    // Changed and changed back: equal to what the calculators used, nothing to recompute.
    Model.Show();
    Model.SetChecked(key, !Model.Checked(key));
    Model.SetChecked(key, !Model.Checked(key));
    EXPECT_FALSE(Model.Close().CalculationsChanged);
  }
  // The eight of them.
  int calculationKeys = 0;
  for (const TOptionKey &key : OptionKeys()) calculationKeys += key.Group == ogCalculations;
  EXPECT_EQ(calculationKeys, 8);
}

TEST_F(BoiteOptionsModelTest, ClosingStoresSavesAndThenAnnounces) {
  Model.Show();
  Model.SetChecked(*FindOptionKey(QStringLiteral("CheckBox36StartByZero_Checked")), true);
  Model.SetValue(*FindOptionKey(QStringLiteral("TrackingRadius_Value")), 75);
  EXPECT_FALSE(Options.CheckBox36StartByZero_Checked);  // not before OK
  const TOptionsDialogResult result = Model.Close();
  EXPECT_TRUE(result.CalculationsChanged);
  EXPECT_TRUE(Options.CheckBox36StartByZero_Checked);
  EXPECT_EQ(Options.TrackingRadius_Value, 75);
  EXPECT_EQ(Changes, 1);
  // OnChange comes after the file holds the new values.
  EXPECT_TRUE(FileAtChange.contains(QStringLiteral("CheckBox36StartByZero_Checked=1\n")));
  EXPECT_TRUE(FileAtChange.contains(QStringLiteral("TrackingRadius_Value=75\n")));
}

TEST_F(BoiteOptionsModelTest, CancelChangesNothing) {
  ASSERT_TRUE(Options.Save());
  const QString before = ReadFile(FileName());
  const TOptions original = Options;
  Model.Show();
  for (const TOptionKey &key : OptionKeys()) {
    Model.SetChecked(key, !Model.Checked(key));
    Model.SetValue(key, Model.Value(key) + 1);
  }
  TPrompt prompt;
  prompt.Answer = QStringLiteral("abc");
  Model.PasswordClicked(true, prompt);
  Model.ChangeDefaultDirectory(Dir.path());
  Model.AssociationChecked = true;
  Model.Cancel();
  EXPECT_EQ(ReadFile(FileName()), before);
  EXPECT_EQ(Changes, 0);
  EXPECT_FALSE(Association.IsRegistered());
  for (const TOptionKey &key : OptionKeys())
    std::visit([&](auto field) { EXPECT_EQ(Options.*field, original.*field) << key.Key; },
               key.Field);
  EXPECT_FALSE(Options.PasswordEnabled);
}

TEST_F(BoiteOptionsModelTest, AListShowsItsLastItemForALargerStoredValue) {
  QFile file(FileName());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[Options]\nNumerotation_Value=5\n");
  file.close();
  Options.Load();
  Model.Show();
  const TOptionKey &key = *FindOptionKey(QStringLiteral("Numerotation_Value"));
  EXPECT_EQ(Model.Value(key), 2);
  Model.Close();
  EXPECT_TRUE(ReadFile(FileName()).contains(QStringLiteral("\nNumerotation_Value=2\n")));
}

TEST_F(BoiteOptionsModelTest, RestoreDefaultsKeepsOnlyThePasswordLock) {
  TPrompt prompt;
  prompt.Answer = QStringLiteral("Prof");
  Model.Show();
  ASSERT_TRUE(Model.PasswordClicked(true, prompt));
  for (const TOptionKey &key : OptionKeys()) {
    Model.SetChecked(key, !Model.Checked(key));
    Model.SetValue(key, Model.Value(key) + 1);
  }
  Model.ChangeDefaultDirectory(Dir.path());
  const QString password = Model.Controls().Password;
  Model.RestoreDefaults();
  EXPECT_TRUE(Model.PasswordChecked());
  EXPECT_EQ(Model.Controls().Password, password);
  Model.Close();

  // Everything else as a file written from the defaults.
  TOptions defaults(Dir.filePath(QStringLiteral("defaults.ini")));
  defaults.SetDefaults();
  defaults.Password = password;
  ASSERT_TRUE(defaults.Save());
  EXPECT_EQ(ReadFile(FileName()), ReadFile(defaults.FileName()));
}

TEST_F(BoiteOptionsModelTest, ThePasswordBoxLocksAndUnlocks) {
  TPrompt prompt;
  Model.Show();
  // Ticked and the prompt cancelled: the box falls back, no password.
  EXPECT_FALSE(Model.PasswordClicked(true, prompt));
  EXPECT_TRUE(Model.Controls().Password.isEmpty());
  prompt.Answer = QStringLiteral("Prof2024");
  EXPECT_TRUE(Model.PasswordClicked(true, prompt));
  Model.Close();
  EXPECT_TRUE(Options.PasswordEnabled);
  const QString stored = ReadFile(FileName());
  EXPECT_TRUE(stored.contains(QStringLiteral("\nPassword=pbkdf2-sha256$")));
  EXPECT_FALSE(stored.contains(QStringLiteral("Prof2024")));

  // The next start is locked, and the box shows ticked.
  TOptions next(FileName());
  EXPECT_TRUE(next.PasswordEnabled);
  TBoiteOptionsModel nextModel(next, Association, Executable);
  nextModel.Show();
  EXPECT_TRUE(nextModel.PasswordChecked());
  // Unticked and closed: an empty password, no lock at the following start.
  EXPECT_FALSE(nextModel.PasswordClicked(false, prompt));
  nextModel.Close();
  EXPECT_TRUE(ReadFile(FileName()).contains(QStringLiteral("\nPassword=\n")));
  EXPECT_FALSE(TOptions(FileName()).PasswordEnabled);
}

TEST_F(BoiteOptionsModelTest, TheDefaultFolderIsAnExistingFolderOrNone) {
  Model.Show();
  EXPECT_TRUE(Model.FolderDialogStart().isEmpty());
  Model.ChangeDefaultDirectory(Dir.path());
  EXPECT_EQ(Model.DefaultDirectory(), Dir.path());
  EXPECT_EQ(Model.FolderDialogStart(), Dir.path());
  Model.ChangeDefaultDirectory(Dir.filePath(QStringLiteral("gone")));
  EXPECT_TRUE(Model.DefaultDirectory().isEmpty());
  Model.ChangeDefaultDirectory(Dir.path());
  Model.DeleteDefaultDirectory();
  EXPECT_TRUE(Model.DefaultDirectory().isEmpty());
  // A stored folder that has since disappeared is not where the folder dialog starts.
  Options.DefaultDirectory = Dir.filePath(QStringLiteral("gone"));
  Model.Show();
  EXPECT_TRUE(Model.FolderDialogStart().isEmpty());
}

TEST_F(BoiteOptionsModelTest, TheAssociationFollowsItsBoxWhenTheDialogCloses) {
  Model.Show();
  EXPECT_FALSE(Model.AssociationChecked);
  Model.AssociationChecked = true;
  Model.Close();
  EXPECT_TRUE(Association.IsRegistered());
  EXPECT_TRUE(ReadFile(Association.DesktopFile()).contains(Executable));

  Model.Show();
  EXPECT_TRUE(Model.AssociationChecked);
  Model.AssociationChecked = false;
  Model.Close();
  EXPECT_FALSE(Association.IsRegistered());

  // Without the program file there is nothing to associate.
  TBoiteOptionsModel missing(Options, Association, Dir.filePath(QStringLiteral("nowhere")));
  missing.Show();
  missing.AssociationChecked = true;
  missing.Close();
  EXPECT_FALSE(Association.IsRegistered());
  EXPECT_EQ(Boxes.Count(), 0);
}

TEST_F(BoiteOptionsModelTest, AFailedAssociationIsToldAndTheOptionsAreSavedAllTheSame) {
  QDir().mkpath(Dir.filePath(QStringLiteral("data")));
  QFile blocker(Dir.filePath(QStringLiteral("data/applications")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where a folder must go
  blocker.close();
  Model.Show();
  Model.AssociationChecked = true;
  Model.SetChecked(*FindOptionKey(QStringLiteral("CheckBox6FreezeMRU_Checked")), true);
  Model.Close();
  ASSERT_EQ(Boxes.Count(), 1);
  EXPECT_EQ(Boxes.Last().Icon, icWarning);
  EXPECT_TRUE(Boxes.Last().Text().contains(QStringLiteral("kolibra-klb.desktop")));
  EXPECT_TRUE(ReadFile(FileName()).contains(QStringLiteral("CheckBox6FreezeMRU_Checked=1")));
  EXPECT_EQ(Changes, 1);
}

}  // namespace boite_options_model_test
