#include "work/HeadlessWork.h"

namespace kolibra::work {

THeadlessWork::THeadlessWork(const QString &optionsFile, const QString &wrapperFolder)
    : Options(optionsFile),
      Video(Surface, wrapperFolder),
      Data(Video, Options),
      Montage(Video, Data, Options),
      Calc(Data, Options),
      Grid(Calc, Data, Options),
      FormulaResults(Calc, Options),
      Formulas(&FormulaResults),
      WrapperFolder(wrapperFolder) {
  // A frame-relative position needs a view size; the size does not change any result.
  Video.Resize(640, 480);
  Video.SetDocument(&Data);
  Video.SetMontage(&Montage);
  Data.SetTimeShifts(&Montage);
  Data.SetResultsInvalidation(&Calc);
  Calc.SetVideoOpenQuery([this] { return Video.IsOpen(); });
}

THeadlessWork::~THeadlessWork() {
  Video.SetMontage(nullptr);
  Video.SetDocument(nullptr);
}

TWorkLoadResult THeadlessWork::Load(const QString &fileName) {
  TWorkLoadRequest request;
  request.FileName = fileName;
  request.WrapperFolder = WrapperFolder;
  return LoadWork(Context(), request);
}

}  // namespace kolibra::work
