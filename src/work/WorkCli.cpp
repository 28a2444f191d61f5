#include "work/WorkCli.h"

#include "kit/Texts.h"
#include "work/LensFromVideo.h"

#include "work/HeadlessWork.h"
#include "export/DataFiles.h"
#include "export/ExportFiles.h"
#include "measurement/PlaneCalibration.h"
#include "kinematics/ResultMessages.h"
#include "kit/Locale.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace kolibra::work {

namespace work_cli_impl {

// One line: "FILE: first line second line ...".
void Explain(QTextStream &err, const QString &file, const QStringList &lines) {
  QStringList words;
  for (const QString &line : lines)
    if (!line.trimmed().isEmpty()) words << line.trimmed();
  err << QDir::toNativeSeparators(file) << ": " << words.join(QLatin1Char(' ')) << Qt::endl;
}

bool LoadOrExplain(THeadlessWork &work, const QString &file, QTextStream &err) {
  const TWorkLoadResult loaded = work.Load(file);
  if (!loaded.Loaded) {
    Explain(err, file, loaded.Error);
    return false;
  }
  if (!loaded.Warnings.isEmpty()) Explain(err, file, loaded.Warnings);
  return true;
}

// Saves the work to output: 0, or 1 with the reason on err.
int SaveOrExplain(THeadlessWork &work, const QString &output, QTextStream &err) {
  switch (SaveWork(work.Context(), output)) {
    case wsOk:
      return 0;
    case wsOpenFailed:
      Explain(err, output,
              {WorkCliText::tr("Saving has failed."),
               WorkCliText::tr("Check that the drive is not write-protected.")});
      return 1;
    case wsWriteFailed:
      Explain(err, output, {WorkCliText::tr("File saving has failed.")});
      return 1;
  }
  return 1;
}

}  // namespace work_cli_impl

using namespace work_cli_impl;

namespace work_cli_impl {

// The object a command line names: by its name first, else by its number from 1; -1.
int ObjectNamed(const measurement::TData &data, const QString &name) {
  for (int o = 0; o < data.ObjectsCount(); ++o)
    if (data.SystemName(o) == name) return o;
  bool ok = false;
  const int number = name.toInt(&ok);
  return ok && number >= 1 && number <= data.ObjectsCount() ? number - 1 : -1;
}

}  // namespace work_cli_impl

bool LoadWorkResults(THeadlessWork &work, const QString &workFile, bool layer, QTextStream &err,
                     const TMassOverrides &masses) {
  if (!LoadOrExplain(work, workFile, err)) return false;
  work.Video.SetMode(layer ? videoview::vmTransparent : videoview::vmRepereFixe);
  for (const TMassOverride &mass : masses) {
    const int object = ObjectNamed(work.Data, mass.Object);
    if (object < 0) {
      Explain(err, workFile, {WorkCliText::tr("No object is named %1.").arg(mass.Object)});
      return false;
    }
    work.Data.SetObjectMass(object, mass.Kilograms);
  }
  const int flags = work.FormulaResults.SmoothingFlags;
  if (!work.Calc.ComputeDerivatives(kinematics::rsActive, flags)) {
    Explain(err, workFile,
            {WorkCliText::tr("The calculation unit has detected an error."),
             kinematics::ResultMessage(work.Calc.LastResult())});
    return false;
  }
  work.Grid.Rebuild(kinematics::rsActive);
  using namespace kinematics;
  work.Grid.SetKindsVisible(QuantityBit(qkTime) | qsCoordinates | qsVelocity | qsAcceleration | qsPolar | qsDynamics,
                            true);
  return true;
}

int WorkResults(const QString &workFile, bool layer, QTextStream &out, QTextStream &err) {
  return WorkResults(workFile, layer, TResultsFormat::Tsv, {}, out, err);
}

bool ParseResultsFormat(const QString &text, TResultsFormat &format) {
  const QString name = text.trimmed().toLower();
  if (name == QLatin1String("tsv"))
    format = TResultsFormat::Tsv;
  else if (name == QLatin1String("csv"))
    format = TResultsFormat::Csv;
  else if (name == QLatin1String("json"))
    format = TResultsFormat::Json;
  else
    return false;
  return true;
}

int WorkResults(const QString &workFile, bool layer, TResultsFormat format, const TMassOverrides &masses,
                QTextStream &out, QTextStream &err) {
  // Scripts read the numbers: "." whatever the user's region.
  const ScopedDecimalSeparator point(QLatin1Char('.'));
  THeadlessWork work;
  if (!LoadWorkResults(work, workFile, layer, err, masses)) return 1;
  const kinematics::TGrid &grid = work.Grid.Active();
  if (const QString note = kinematics::DynamicsNote(work.Calc.Active()); !note.isEmpty()) Explain(err, workFile, {note});
  switch (format) {
    case TResultsFormat::Tsv: {
      QStringList lines;
      grid.FillText(lines, QCoreApplication::applicationFilePath());
      for (const QString &line : lines) out << line << '\n';
      break;
    }
    case TResultsFormat::Csv:
      out << QString::fromUtf8(exporting::CsvBytes(grid.Matrix()));
      break;
    case TResultsFormat::Json: {
      exporting::TExportInfo info = exporting::ExportInfoOf(work.Data, work.Video, work.Video.VideoFileName());
      exporting::DescribeColumns(grid, info);
      out << QString::fromUtf8(exporting::JsonBytes(grid.Matrix(), info));
      break;
    }
  }
  out.flush();
  return 0;
}

int WorkResave(const QString &workFile, const QString &output, QTextStream &err) {
  THeadlessWork work;
  if (!LoadOrExplain(work, workFile, err)) return 1;
  return SaveOrExplain(work, output, err);
}

int WorkCalibrate(const QString &workFile, const QString &output, const TCalibrationRequest &request,
                  QTextStream &out, QTextStream &err) {
  const bool board = request.BoardColumns > 0 || request.BoardRows > 0;
  if (int(request.HasLens) + int(!request.Straight.empty()) + int(board) > 1) {
    Explain(err, workFile,
            {WorkCliText::tr("Give the lens one way only: as coefficients, as straight lines or as "
                             "a checkerboard.")});
    return 1;
  }
  if (board && (request.Focal > 0.0 || request.HasCentre)) {
    Explain(err, workFile,
            {WorkCliText::tr(
                "A checkerboard finds the focal length itself and keeps the picture's centre: "
                "leave out --focal and --centre.")});
    return 1;
  }
  const QString refusal = measurement::TPlaneCalibration::Refusal(request.Corners, request.Width, request.Height);
  if (!refusal.isEmpty()) {
    Explain(err, workFile, {refusal});
    return 1;
  }
  THeadlessWork work;
  if (!LoadOrExplain(work, workFile, err)) return 1;
  const int width = work.Video.NativeFrameWidth(), height = work.Video.NativeFrameHeight();
  measurement::TLens lens;
  lens.Focal = request.Focal;
  lens.HasCentre = request.HasCentre;
  lens.Centre = request.Centre;
  if (request.HasLens) {
    lens.K1 = request.K1;
    lens.K2 = request.K2;
  } else if (!request.Straight.empty()) {
    QString why;
    if (!measurement::FitLens(request.Straight, width, height, lens, &why)) {
      Explain(err, workFile, {why});
      return 1;
    }
    out << "k1\t" << QString::number(lens.K1, 'g', 10) << "\nk2\t" << QString::number(lens.K2, 'g', 10) << '\n';
    out.flush();
  } else if (board) {
    QString why;
    if (work.Video.Reader() == nullptr ||
        !LensFromCheckerboard(*work.Video.Reader(), request.BoardColumns, request.BoardRows, lens, &why)) {
      Explain(err, workFile,
              {why.isEmpty() ? WorkCliText::tr("The work's video cannot be read.") : why});
      return 1;
    }
    out << "k1\t" << QString::number(lens.K1, 'g', 10) << "\nk2\t" << QString::number(lens.K2, 'g', 10)
        << "\nfocal\t" << QString::number(lens.Focal, 'g', 10) << '\n';
    out.flush();
  }
  measurement::TPlaneCalibration plane;
  plane.SetPictureSize(width, height);
  plane.SetLens(lens);
  QString why;
  if (!plane.SetPlane(request.Corners, request.Width, request.Height, &why)) {
    Explain(err, workFile, {why});
    return 1;
  }
  work.Data.SetPlane(plane);
  return SaveOrExplain(work, output, err);
}

}  // namespace kolibra::work
