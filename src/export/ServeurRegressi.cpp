// TServeur's transfer to Regressi. Regressi is a Windows program that takes its data from
// the clipboard; on Linux it runs under Wine, which no conversation of ours can reach. So
// the text form goes to the clipboard exactly as Regressi expects it, Regressi is started,
// and the user pastes.

#include "export/Desktop.h"
#include "export/ExportHost.h"
#include "export/ExportTexts.h"
#include "export/Serveur.h"
#include "kinematics/ExportForms.h"
#include "kit/MessageBox.h"

#include <QDir>

#include <algorithm>

namespace kolibra::exporting {

namespace serveur_regressi {

constexpr QChar CellSeparator = QLatin1Char('\t');
constexpr int DateLine = 1;

QString Bullet(const QString &text) { return QStringLiteral("• ") + text; }

bool HasEmptyCell(const QString &line) {
  const QStringList cells = line.split(CellSeparator);
  return std::any_of(cells.begin(), cells.end(), [](const QString &cell) { return cell.isEmpty(); });
}

QString WithZeros(const QString &line) {
  QStringList cells = line.split(CellSeparator);
  for (QString &cell : cells)
    if (cell.isEmpty()) cell = QStringLiteral("0");
  return cells.join(CellSeparator);
}

}  // namespace serveur_regressi

void TServeur::ReportRegressiNotFound() {
  using serveur_regressi::Bullet;
  SaveRegressiPath(QString());
  TMessageBox box(icInformation);
  box.AddButton(texts::Ok()).AddButton(texts::Cancel());
  box.AddLine(texts::RegressiNotFound()).AddEmptyLine().AddLine(texts::FollowProcedure()).AddEmptyLine();
  box.AddLine(Bullet(texts::UseSearchButton())).AddLine(Bullet(texts::UseOpenButton())).AddEmptyLine();
  box.AddLine(texts::RestartCopy());
  if (box.Execute() != 0) return;
  // The user repeats the command once Regressi is found.
  const QString found = Host.SearchFile(texts::RegressiFilter());
  if (!found.isEmpty()) SaveRegressiPath(found);
}

void TServeur::PrepareRegressiLines() {
  using namespace serveur_regressi;
  // An old Regressi reads an empty cell as the end of its line; the user may put zeros
  // there. The question is put once: after "Continue" the scan stops.
  for (int i = kinematics::ExportTextHeaderLines; i < ExportLines.size(); ++i) {
    if (!HasEmptyCell(ExportLines[i])) continue;
    TMessageBox box(icWarning);
    box.AddButton(texts::Continue()).AddButton(texts::Substitute());
    box.AddLine(texts::UndefinedValues()).AddEmptyLine().AddLine(texts::OldRegressi()).AddEmptyLine();
    box.AddLine(texts::SubstituteQuestion());
    if (box.Execute() == 1)
      for (int k = i; k < ExportLines.size(); ++k) ExportLines[k] = WithZeros(ExportLines[k]);
    break;
  }
  if (ExportLines.size() > DateLine) ExportLines[DateLine].clear();
}

bool TServeur::LaunchRegressi(int columnCount) {
  const QString regressi = LocateRegressi();
  if (regressi.isEmpty()) {
    ReportRegressiNotFound();
    return false;
  }
  if (columnCount > RegressiMaxVariables) {
    TMessageBox box(icInformation);
    box.AddButton(texts::Cancel()).AddButton(texts::Ok());
    box.AddLine(texts::TooManyVariables()).AddEmptyLine().AddLine(texts::RandomResults());
    if (box.Execute() != 1) return false;
  }
  // Without Wine the Windows program cannot start: nothing is asked or copied then.
  const TProgramCall call = RegressiCall(Desktop, regressi);
  const auto launchFailed = [&regressi] {
    TMessageBox box(icWarning);
    box.AddButton(texts::Ok()).AddLine(texts::RegressiLaunchFailed());
    box.AddEmptyLine().AddFileName(QDir::toNativeSeparators(regressi));
    box.Execute();
  };
  if (call.Program.isEmpty()) {
    launchFailed();
    return false;
  }
  PrepareRegressiLines();
  if (!CopyToClipboard(false)) return false;
  if (!Desktop.StartProgram(call.Program, call.Arguments)) {
    launchFailed();
    return false;
  }
  ShowInformation({texts::CopyComplete(), QString(), texts::RegressiStarting(), QString(), texts::ColumnsSeparated()});
  return true;
}

}  // namespace kolibra::exporting
