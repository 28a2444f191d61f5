// The main window's results: the result facades the document reports its changes to, the
// formulas and their window, the export server, the calculator and the results window, and
// the hooks that tie them to the controller (the result buttons, a new video, the frame shown).
#include "export/Clipboard.h"
#include "export/Desktop.h"
#include "export/Serveur.h"
#include "export/Workbook.h"
#include "export/windows/ExportWindowHost.h"
#include "formulas/Formules.h"
#include "formulas/ResultsSource.h"
#include "formulas/windows/BoiteFormules.h"
#include "formulas/windows/Clavier.h"
#include "kinematics/ResultFacades.h"
#include "kit/SaveDialogRule.h"
#include "kit/Texts.h"
#include "mainwindow/MainForm.h"
#include "measurement/Data.h"
#include "printing/windows/BoiteImprimer.h"
#include "results/windows/ResForm.h"
#include "settings/Options.h"
#include "videoview/windows/Video.h"

#include <QFileInfo>
#include <QTimer>

namespace kolibra::mainwindow {

// The document tells the calculators when they are stale; the relay also tells the results
// window, once the changes of one user action are over.
class TResultsRelay : public measurement::IResultsInvalidation {
 public:
  TResultsRelay(kinematics::TResCalc &calc, QTimer &timer) : Calc(calc), Timer(timer) {}
  void Invalidate(measurement::TCalculatorSet which) override {
    Calc.Invalidate(which);
    Timer.start();
  }

 private:
  kinematics::TResCalc &Calc;
  QTimer &Timer;
};

struct TMainResults {
  TMainResults(TMainForm &form, const settings::TOptions &options, measurement::TData &data,
               formulas::TFormules &formules)
      : Calc(data, options),
        Grid(Calc, data, options),
        Mem(data, options),
        Source(Calc, options),
        Formules(formules),
        Clavier(options.FileName()),
        Host(&form, options),
        Relay(Calc, RecalcTimer) {}

  kinematics::TResCalc Calc;
  kinematics::TResGrid Grid;
  kinematics::TResMem Mem;
  formulas::TResultsSource Source;
  // The work file's formulas (MainFormWork.cpp), computed over these results.
  formulas::TFormules &Formules;
  formulas::TClavier Clavier;
  exporting::TExportWindowHost Host;
  exporting::TSystemDesktop Desktop;
  exporting::TSystemClipboard Clipboard;
  std::unique_ptr<exporting::TServeur> Serveur;
  std::unique_ptr<formulas::TBoiteFormules> FormulasWindow;
  std::unique_ptr<results::TResForm> Window;
  // Created with the results window and kept: the layout survives from one print to the next.
  std::unique_ptr<printing::TBoiteImprimer> PrintWindow;
  QTimer RecalcTimer;
  TResultsRelay Relay;
};

void TMainResultsDeleter::operator()(TMainResults *results) const { delete results; }

void TMainForm::CreateResults() {
  videoview::TVideoModel &video = FVideo->Model();
  FResults.reset(new TMainResults(*this, *FOptions, *FData, *FFormules));
  TMainResults &r = *FResults;
  r.Formules.SetResults(&r.Source);
  r.Calc.SetVideoOpenQuery([&video] { return video.IsOpen(); });
  FData->SetResultsInvalidation(&r.Relay);
  r.RecalcTimer.setSingleShot(true);
  r.RecalcTimer.setInterval(0);
  r.Formules.ApplyOptions(*FOptions);
  r.Clavier.Font = font();

  // The export goes through the main window's dialogs and recent folder.
  r.Host.VideoFileName = [&video] { return video.VideoFileName(); };
  r.Host.RecentFolder = [this] { return FController->RecentFolder(); };
  r.Host.OnRecentFolder = [this](const QString &folder) { FController->SetRecentFolder(folder); };
  r.Serveur = std::make_unique<exporting::TServeur>(r.Host, r.Desktop, r.Clipboard, FOptions->FileName(),
                                                    settings::TemporaryFolder());

  results::TResLinks links;
  links.Calc = &r.Calc;
  links.Grid = &r.Grid;
  links.Mem = &r.Mem;
  links.Formules = &r.Formules;
  links.FormulaResults = &r.Source;
  links.Data = FData.get();
  links.Options = FOptions.get();
  links.VideoOpen = [&video] { return video.IsOpen(); };
  links.GrabFrame = [&video](QImage &picture) { return video.IsOpen() && video.GrabFrame(picture); };
  r.Window = std::make_unique<results::TResForm>(links);
  results::TResForm &window = *r.Window;
  window.Serveur = r.Serveur.get();
  window.ExportInfo = [this, &video] { return exporting::ExportInfoOf(*FData, video, video.VideoFileName()); };
  const auto saveFolder = [this](const QString &asked) {
    return SaveStartFolder(asked, FOptions->DefaultDirectory, FController->RecentFolder());
  };
  window.SaveFolder = saveFolder;
  window.SetRecentFolder = [this](const QString &folder) { FController->SetRecentFolder(folder); };
  window.OnShowFrame = [&video](int frame) {
    if (!video.IsOpen()) return;
    video.SetFrame(frame);
    video.Invalidate();
  };
  window.OnFrameInterval = [this] { FController->AskFrameInterval(); };
  // The same help as the main window, in its own window when the desktop has no browser.
  window.OnHelp = [this] { ShowHelp(); };
  window.OnAbout = [this] { FController->ShowWelcome(); };
  window.OnTypeFormula = [this] {
    TMainResults &results = *FResults;
    results.FormulasWindow->Refill();
    results.FormulasWindow->show();
    results.FormulasWindow->raise();
    results.FormulasWindow->activateWindow();
  };
  window.OnCalculator = [this] { ShowCalculator(); };
  // The print window gets the graph to print, named after the video for its PDF.
  r.PrintWindow = std::make_unique<printing::TBoiteImprimer>(&window);
  r.PrintWindow->SaveFolder = saveFolder;
  window.OnPrint = [this, &video](const printing::IGraphDrawing &graph) {
    FResults->PrintWindow->PrintGraph(graph, QFileInfo(video.VideoFileName()).completeBaseName());
  };

  // The formulas window: its curves are the results window's formula view.
  r.FormulasWindow = std::make_unique<formulas::TBoiteFormules>(r.Formules, r.Clavier);
  formulas::TBoiteFormules &formulasWindow = *r.FormulasWindow;
  formulasWindow.setFont(font());
  formulasWindow.OnShowCurves = [this] {
    FResults->FormulasWindow->hide();
    FResults->Window->ShowView(results::rvFormule);
  };
  formulasWindow.OnCalculator = [this] { ShowCalculator(); };
  formulasWindow.OnHelp = window.OnHelp;
  const auto fill = [this](const QStringList &lines) {
    FResults->Serveur->ClearLines();
    for (const QString &line : lines) FResults->Serveur->AddLine(line);
  };
  formulasWindow.OnExportToFile = [this, fill](const QStringList &lines) {
    fill(lines);
    FResults->Serveur->ExportToTextFile();
  };
  formulasWindow.OnCopyToRegressi = [this, fill](const QStringList &lines) {
    fill(lines);
    FResults->Serveur->LaunchRegressi(lines.size() > 3 ? int(lines.at(3).count(QLatin1Char('\t'))) + 1 : 0);
  };
  formulasWindow.OnCopyToSpreadsheet = [this, &video](const QStringList &) {
    TMainResults &results = *FResults;
    results.Serveur->ExportToExcel(results.FormulasWindow->FormulasGrid().Matrix(),
                                   exporting::ExportInfoOf(*FData, video, video.VideoFileName()));
  };
  r.Formules.OnResultsChanged = [this] {
    FResults->RecalcTimer.start();
    // The formulas are part of the work file.
    if (FWork) FWork->ContentChanged();
  };

  QObject::connect(&r.RecalcTimer, &QTimer::timeout, this, [this] {
    TMainResults &results = *FResults;
    results.Window->Recalculate();
    if (results.FormulasWindow->isVisible()) {
      results.Window->Model().Recalculate();
      results.FormulasWindow->Refill();
    }
  });

  // The controller's hooks.
  FController->ResultsComputable = [this] { return FResults->Window->Model().Recalculate(); };
  FController->ShowResults = [this](int view) { FResults->Window->ShowView(view); };
  FController->ClearResults = [this] { FResults->Window->ResetResults(); };
  if (FWork) {
    FWork->CaptureResults = [this] { return results::CaptureResRecord(FResults->Window->Model()); };
    FWork->RestoreResults = [this](const results::TResRecord &record) {
      results::TResForm &window = *FResults->Window;
      results::RestoreResRecord(window.Model(), record);
      // An open results window shows the view the file kept.
      if (window.isVisible() && record.View >= 0) window.ShowView(record.View);
    };
  }
  FController->OnFrameShown = [this](int frame) { FResults->Window->ShowVideoFrame(frame); };
  // Display > Results opens the datasheet, after the same checks as its button.
  FController->MenuHooks[MenuAffichageResultats] = [this] { FController->ResultButtonClicked(ButtonMenuTableau); };
}

void TMainForm::DestroyResults() {
  if (!FResults) return;
  if (FController) {
    FController->ResultsComputable = nullptr;
    FController->ShowResults = nullptr;
    FController->ClearResults = nullptr;
    FController->OnFrameShown = nullptr;
    FController->MenuHooks.erase(MenuAffichageResultats);
  }
  if (FWork) {
    FWork->CaptureResults = nullptr;
    FWork->RestoreResults = nullptr;
  }
  // The document and the formulas outlive the calculators: they must stop reading them.
  if (FData) FData->SetResultsInvalidation(nullptr);
  FResults->Formules.SetResults(nullptr);
  FResults->Formules.OnResultsChanged = nullptr;
  FResults->RecalcTimer.stop();
  FResults.reset();
}

results::TResForm &TMainForm::ResultsWindow() { return *FResults->Window; }

QWidget *TMainForm::FormulasWindow() { return FResults->FormulasWindow.get(); }

}  // namespace kolibra::mainwindow
