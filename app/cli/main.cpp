// kolibra-cli: Kolibra's engines for scripts and batch work. The first argument names the
// command; each command reads the rest itself (Commands.h).
#include "Commands.h"
#include "kit/Language.h"
#include "kit/Texts.h"
#include "settings/Options.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSet>
#include <QTextStream>
#include <cstdio>
#include <iterator>
#include <memory>

namespace {

using namespace kolibra::cli;
using kolibra::KolibraCliText;

// One line a command. Keep the table in the order of the help text.
const TCliCommand Commands[] = {
    {"info", RunInfo, "info FILE [--framework vfw|ds|ffmpeg]"},
    {"times", RunTimes, "times VIDEO [--framework vfw|ds|ffmpeg]"},
    {"frame", RunFrame, "frame FILE INDEX OUT.png [--framework vfw|ds|ffmpeg]"},
    {"eval", RunEval, "eval EXPRESSION [--radian]"},
    {"fit", RunFit, "fit MODEL DATA.tsv [--from T1] [--to T2]"},
    {"capture", RunCapture,
     "capture --device NAME [--framework 0|1] [--format WxH] [--rate R] [--codec NAME] [--delay S] --duration S OUT.avi"},
    {"chrono", RunChrono, "chrono VIDEO OUT.png|OUT.bmp (--circle F:X,Y,R)... [--background]"},
    {"codecs", RunCodecs, "codecs --size WxH [--framework vfw|ds|ffmpeg]"},
    {"write", RunWrite,
     "write SRC OUT.avi [--framework vfw|ds|ffmpeg] [--codec NAME] [--quality P] [--size WxH | --crop X,Y,W,H] "
     "[--rate R] [--blanks]"},
    {"stills", RunStills, "stills SRC BASE"},
    {"assemble", RunAssemble, "assemble OUT.avi --rate R IMAGES... [--framework vfw|ds|ffmpeg] [--codec NAME] [--quality P]"},
    {"track", RunTrack,
     "track VIDEO (--circle X,Y,R | --polygon X1,Y1;X2,Y2;...)... [--from F] [--to L] [--step K] [--radius R] "
     "[--ignore POLYGON]... [--framework vfw|ds|ffmpeg]"},
    {"results", RunResults, "results WORK.klb [--layer] [--format tsv|csv|json] [--mass NAME=KG]..."},
    {"resave", RunResave, "resave IN.klb OUT.klb"},
    {"calibrate", RunCalibrate,
     "calibrate WORK.klb OUT.klb --plane X1,Y1;X2,Y2;X3,Y3;X4,Y4 --size W,H [--lens K1[,K2]] [--focal F] "
     "[--centre CX,CY] [--straight X,Y;X,Y;...]... [--checkerboard COLSxROWS]"},
    {"graph", RunGraph,
     "graph WORK.klb OUT.svg|OUT.png [--view time|trajectory|vectors|formulas] [--quantity SYMBOL] [--model NAME] "
     "[--size WxH]"},
    {"export", RunExport, "export WORK.klb OUT.txt|OUT.csv|OUT.json|OUT.ipynb|OUT.xlsx|OUT.ods"},
    {"print", RunPrint,
     "print WORK.klb OUT.pdf [--view time|trajectory|vectors] [--template top|full] [--double] [--title TEXT]"},
    {"recover", RunRecover, "recover --list"},
};

// The contexts whose texts make up data (quantity names, datasheet, graph and model texts,
// read-back lines): scripts read them, so they stay English in any language.
bool ReasonsOnly(const char *context) {
  static const QSet<QByteArray> data = {"QuantitiesText", "Grid",         "GElemText",
                                        "GraphText",      "ResFormText",  "MdlText",
                                        "ServeurText",    "WorkbookText", "WrittenVideoText"};
  return !data.contains(QByteArray(context));
}

void PrintUsage(QTextStream &Stream) {
  Stream << KolibraCliText::tr(
                "Usage: kolibra-cli COMMAND ARGUMENTS... Kolibra's engines for scripts and "
                "batch work.")
         << Qt::endl;
  for (const TCliCommand &command : Commands)
    Stream << "  kolibra-cli " << command.Usage << Qt::endl;
}

}  // namespace

int main(int argc, char **argv) {
  // "graph" and "print" write text into their pictures, and fonts need a GUI application: on
  // the offscreen platform, since they never show a window and must run without a display.
  const bool draws = argc > 1 && (qstrcmp(argv[1], "graph") == 0 || qstrcmp(argv[1], "print") == 0);
  if (draws) qputenv("QT_QPA_PLATFORM", "offscreen");
  const std::unique_ptr<QCoreApplication> application(draws ? new QGuiApplication(argc, argv)
                                                            : new QCoreApplication(argc, argv));
  QCoreApplication &app = *application;
  QCoreApplication::setApplicationName(QStringLiteral("kolibra-cli"));
  QCoreApplication::setApplicationVersion(QStringLiteral(KOLIBRA_VERSION));
  // Reasons on standard error follow the language, as the window's texts do; standard
  // output and the files written keep their fixed English formats.
  kolibra::InstallTranslators(kolibra::InterfaceLanguage(kolibra::settings::TOptions().Language),
                              ReasonsOnly);
  QTextStream out(stdout);
  QTextStream err(stderr);
  const QStringList arguments = app.arguments();
  const QString name = arguments.value(1);
  if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
    PrintUsage(out);
    return 0;
  }
  if (name == QLatin1String("--version") || name == QLatin1String("-v")) {
    out << "kolibra-cli " << QCoreApplication::applicationVersion() << Qt::endl;
    return 0;
  }
  for (const TCliCommand &command : Commands)
    if (name == QLatin1String(command.Name))
      return command.Run(arguments.mid(2), out, err);
  if (!name.isEmpty()) err << KolibraCliText::tr("Unknown command: %1").arg(name) << Qt::endl;
  PrintUsage(err);
  return 1;
}
