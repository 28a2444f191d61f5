#pragma once
// The commands of kolibra-cli. Each one parses its own arguments (those after the command's
// name) and calls the subsystem function that does the work, the same function the windows
// call. A command returns the process exit status: 0 on success, 1 with a reason on Err for
// bad input (other codes where the command's usage says so).

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>
#include <optional>

#include "kit/Texts.h"
#include "kit/Types.h"
#include "video/VideoSources.h"

namespace kolibra::cli {

using TCommandFunction = int (*)(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);

struct TCliCommand {
  const char *Name;
  TCommandFunction Run;
  const char *Usage;  // the line after "kolibra-cli "
};

// Parses a command's Arguments with Parser (options already added). On an unknown option or
// a missing value writes the reason to Err and returns false.
bool ParseArguments(QCommandLineParser &Parser, const QStringList &Arguments, QTextStream &Err);

// The "--framework vfw|ds|ffmpeg" option shared by the commands that open videos.
QCommandLineOption FrameworkOption();
// Reads the framework option: false (with the reason on Err) when its value is unknown.
bool ReadFramework(const QCommandLineParser &Parser, std::optional<video::TFramework> &Forced, QTextStream &Err);

// "X,Y" with finite real coordinates, "." as the decimal point.
bool ParsePoint(const QString &Text, TPointD &Point);
// "X1,Y1;X2,Y2;..." with at least least points.
bool ParsePoints(const QString &Text, TPointDDynArray &Points, int least = 3);

int RunInfo(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);
int RunTimes(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);
int RunFrame(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);
int RunEval(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);
int RunFit(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);
int RunCapture(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);
int RunChrono(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);
int RunCodecs(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);
int RunWrite(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);
int RunStills(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);
int RunAssemble(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);
int RunTrack(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);
int RunResults(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);
int RunResave(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);
int RunCalibrate(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);
int RunGraph(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);
int RunExport(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);
int RunRecover(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);
int RunPrint(const QStringList &Arguments, QTextStream &Out, QTextStream &Err);

}  // namespace kolibra::cli
