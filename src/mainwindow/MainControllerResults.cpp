// The result buttons: the checks of the measurement before the results window opens at the
// view of the button (scale, marks, axes, object names), each failing check telling the user
// what to do next.

#include "kit/MessageBox.h"
#include "kit/Texts.h"
#include "mainwindow/MainController.h"
#include "measurement/Data.h"
#include "settings/Options.h"
#include "videoview/VideoModel.h"

namespace kolibra::mainwindow {

using namespace videoview;

namespace main_results_impl {

// The results window's view of each result button.
int ViewOf(TControl control) {
  switch (control) {
    case ButtonMenuTableau: return 2;
    case ButtonMenuTemps: return 3;
    case ButtonMenuReferentiel: return 1;
    case ButtonMenuVecteur: return 4;
    default: return 0;
  }
}

// Three or four marks give derivatives, but poor ones: the user decides.
bool ConfirmFewMarks(int fewest) {
  if (fewest != 3 && fewest != 4) return true;
  return TMessageBox(icInformation)
             .AddLine(MainFormText::tr(
                 "Velocity or acceleration calculations need at least five marks to be reliable."))
             .AddButton(MainFormText::tr("Cancel"))
             .AddButton(MainFormText::tr("Continue"))
             .Execute() == 1;
}

}  // namespace main_results_impl

bool TMainController::ResultButtonClicked(TControl control) {
  using namespace main_results_impl;
  if (ControlGroup(control) != cgResult || !VideoOpen()) return false;
  const int mode = Video.Mode();
  // A plane calibration gives the lengths, the origin and the axes by itself.
  const bool inPlane = Data.Plane().HasPlane();
  if (!Data.IsScaleReady() && !inPlane) {
    TMessageBox(icCustom)
        .AddLine(MainFormText::tr("First calibrate an object of know dimension on the screen."))
        .AddLine(MainFormText::tr("Use the Scale button."))
        .AddButton(MainFormText::tr("Ok"))
        .Execute();
    return false;
  }
  if (mode == vmRepereFixe) {
    const int fewest = Data.SmallestObjectMarksCount();
    if (fewest < 3) {
      TMessageBox box(icCustom);
      if (Data.ObjectsCount() > 1)
        box.AddLine(
            MainFormText::tr("You have chosen to point simultaneously the positions of %u objects.")
                .replace(QStringLiteral("%u"), QString::number(Data.ObjectsCount())));
      box.AddLine(MainFormText::tr("First set at least 3 marks."))
          .AddLine(MainFormText::tr("Use the Marks button."))
          .AddButton(MainFormText::tr("Ok"))
          .Execute();
      return false;
    }
    if (!Data.AxesPlaced() && !inPlane) {
      TMessageBox(icCustom)
          .AddLine(MainFormText::tr("First set the origin of the axes."))
          .AddLine(MainFormText::tr("Use the graph basis button."))
          .AddButton(MainFormText::tr("Ok"))
          .Execute();
      return false;
    }
    if (!ConfirmFewMarks(fewest)) return false;
  } else if (mode == vmTransparent) {
    const int marks = Data.MarksCount();
    if (marks < 3) {
      TMessageBox(icCustom)
          .AddLine(MainFormText::tr("First set at least 3 marks on the trajectory."))
          .AddLine(MainFormText::tr(
              "With the mouse, drag and drop the layer and point the object position."))
          .AddButton(MainFormText::tr("Ok"))
          .Execute();
      return false;
    }
    if (!ConfirmFewMarks(marks)) return false;
  }
  if (Options.CheckBox38ChangeDefaultObjectsName_Checked && Data.HasDefaultNames() && AskObjectNames) {
    TMessageBox box(icConfirmation);
    box.AddLine(
           MainFormText::tr("An object name is assigned by default (« Point n°1 » for example)."))
        .AddLine(MainFormText::tr(
            "To make results clearer, it is recommended that you use an explicit name."))
        .AddButton(MainFormText::tr("Give a name"))
        .AddButton(MainFormText::tr("Cancel"))
        .AddButton(MainFormText::tr("Ignore"))
        .SetCheckBox(MainFormText::tr("Do not show this dialog again"));
    const int answer = box.Execute();
    AskObjectNames = !box.Checked();
    if (answer == 1) return false;
    if (answer == 0 && ShowObjectNames) ShowObjectNames();
  }
  if (!ResultsComputable || !ResultsComputable()) {
    TMessageBox(icWarning)
        .AddLine(MainFormText::tr("The calculation unit has detected an error. Process cancelled."))
        .AddButton(MainFormText::tr("Ok"))
        .Execute();
    return false;
  }
  if (ShowResults) ShowResults(ViewOf(control));
  return true;
}

}  // namespace kolibra::mainwindow
