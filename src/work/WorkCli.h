#pragma once
// What kolibra-cli does with work files, apart from reading its command line. Each returns
// the process exit status: 0 on success, 1 with the reason on err when the work file or its
// video cannot be read (or the results cannot be computed, or the copy cannot be written).
// Warnings about a loaded file go to err too, with status 0.

#include "kit/Types.h"

#include <QString>

#include <array>
#include <vector>

class QTextStream;

namespace kolibra::work {

class THeadlessWork;

// Loads workFile into work and computes its datasheet as the results command shows it (every
// quantity column); false with the reason on err. Commands that write the results elsewhere
// (export) start from here.
bool LoadWorkResults(THeadlessWork &work, const QString &workFile, bool layer, QTextStream &err);

// The datasheet's text form of the work's results, every quantity column shown, values at
// full precision with "." as the decimal point: the program's path, the date and time, the
// rotation sentence, the symbols, units and names, then one line per sample, tab-separated.
// layer: the results of the layer measurement rather than of the fixed axes.
int WorkResults(const QString &workFile, bool layer, QTextStream &out, QTextStream &err);

// Loads a work file and saves it again to output through the program's own writers.
int WorkResave(const QString &workFile, const QString &output, QTextStream &err);

// A plane and lens calibration as the command line gives it: the rectangle's corners in
// picture pixels as seen (plane (0, 0), (W, 0), (W, H), (0, H)), its size in metres; the
// lens either as coefficients or as lines straight in reality to fit them from.
struct TCalibrationRequest {
  std::array<TPointD, 4> Corners{};
  double Width = 0.0, Height = 0.0;
  bool HasLens = false;
  double K1 = 0.0, K2 = 0.0;
  double Focal = 0.0;  // 0: the picture's width
  bool HasCentre = false;
  TPointD Centre;
  std::vector<TPointDDynArray> Straight;
  // Inner corners of a printed checkerboard filmed in the video; 0: none.
  int BoardColumns = 0, BoardRows = 0;
};

// Loads a work file, gives it the calibration and saves the copy to output. Coefficients
// fitted from straight lines are printed on out as "k1<TAB>value" and "k2<TAB>value"; from a
// checkerboard, "focal<TAB>value" follows them (the focal length they are taken on). Bad
// input: status 1 with the reason on err, nothing written.
int WorkCalibrate(const QString &workFile, const QString &output, const TCalibrationRequest &request,
                  QTextStream &out, QTextStream &err);

}  // namespace kolibra::work
