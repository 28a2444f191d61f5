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

// Masses given on the command line for one run: an object's name (or, when no object has
// that name, its number from 1) and its mass in kilograms.
struct TMassOverride {
  QString Object;
  double Kilograms = 0.0;
};
using TMassOverrides = std::vector<TMassOverride>;

// Loads workFile into work, gives the objects the masses of masses, and computes its
// datasheet as the results command shows it (every quantity column); false with the reason
// on err (an unknown object among them). Commands that write the results elsewhere (export)
// start from here.
bool LoadWorkResults(THeadlessWork &work, const QString &workFile, bool layer, QTextStream &err,
                     const TMassOverrides &masses = {});

// The datasheet's text form of the work's results, every quantity column shown, values at
// full precision with "." as the decimal point: the program's path, the date and time, the
// rotation sentence, the symbols, units and names, then one line per sample, tab-separated.
// layer: the results of the layer measurement rather than of the fixed axes.
int WorkResults(const QString &workFile, bool layer, QTextStream &out, QTextStream &err);

// The forms the results command prints: the datasheet's text form (tab-separated, the
// default), comma-separated values (a header of symbols with their units in brackets, then
// the values; ExportFiles.h, CsvBytes) or JSON (DataFiles.h, JsonBytes).
enum class TResultsFormat { Tsv, Csv, Json };
// "tsv", "csv" or "json" (any case); false for anything else.
bool ParseResultsFormat(const QString &text, TResultsFormat &format);
int WorkResults(const QString &workFile, bool layer, TResultsFormat format, const TMassOverrides &masses,
                QTextStream &out, QTextStream &err);

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
