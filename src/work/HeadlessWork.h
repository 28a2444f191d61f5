#pragma once
// THeadlessWork: a measurement without a window, for the commands of kolibra-cli that read
// work files (results, resave, export, graph, print, write). It holds the same objects
// the main window holds — the video view's model on a surface that draws nowhere, the
// document, the montage, the formulas, the result facades and what the file keeps of the
// results window — wired as the window wires
// them, so that a work file loads and computes exactly as it does in the program.

#include "editing/Montage.h"
#include "work/WorkFile.h"
#include "formulas/Formules.h"
#include "formulas/ResultsSource.h"
#include "kinematics/ResultFacades.h"
#include "measurement/Data.h"
#include "results/ResRecord.h"
#include "settings/Options.h"
#include "videoview/NullSurface.h"
#include "videoview/VideoModel.h"

#include <memory>

namespace kolibra::work {

class THeadlessWork {
 public:
  // optionsFile: the options to compute with (the user's by default); wrapperFolder: where
  // the FFmpeg wrapper is (beside the program by default).
  explicit THeadlessWork(const QString &optionsFile = settings::OptionsFileName(),
                         const QString &wrapperFolder = QString());
  ~THeadlessWork();
  THeadlessWork(const THeadlessWork &) = delete;
  THeadlessWork &operator=(const THeadlessWork &) = delete;

  TWorkLoadResult Load(const QString &fileName);
  TWorkContext Context() { return {Video, Data, Montage, &Formulas, &Results}; }

  videoview::TNullSurface Surface;
  settings::TOptions Options;
  videoview::TVideoModel Video;
  measurement::TData Data;
  TMontage Montage;
  kinematics::TResCalc Calc;
  kinematics::TResGrid Grid;
  formulas::TResultsSource FormulaResults;
  formulas::TFormules Formulas;
  // The results as the file keeps them; resave writes them back as they were read, and the
  // commands that build a view give them to their results (RestoreResRecord).
  results::TResRecord Results;

 private:
  QString WrapperFolder;
};

}  // namespace kolibra::work
