#pragma once
// kolibra-cli graph WORK.klb OUT.svg|OUT.png [--view time|trajectory|vectors|formulas]
// [--quantity SYMBOL] [--model NAME] [--size WxH]: the picture of a results view as the
// results window draws it for that work file. The work file loads through the program's own
// loader (THeadlessWork) and the view is built by the window's own rules (TResModel), so the
// picture is the window's; a vectors view carries both scale bars, as the window's copies do.
//
// --quantity names what the view shows: a quantity's symbol in the time view (X, Y, vx, vy,
// v, ax, ay, a, O, R, w; x and y taken for X and Y), "v" or "a" (velocity or acceleration)
// in the vectors view, a formula's name in the formulas view (all of them by default).
// --model lays a model, named as kolibra-cli fit names them ("parabola", "sine"...), over the
// single curve drawn. What the work file kept of the results window (its models, choices,
// constructs and vector scales) is drawn as the window would; the options come on top.

#include <QSize>
#include <QString>

#include <memory>

class QTextStream;

namespace kolibra::results {
class TGraph;
}

namespace kolibra::work {

using results::TGraph;

struct TGraphRequest {
  QString WorkFile;
  QString Output;          // ".svg" or ".png"
  QString View = QStringLiteral("time");
  QString Quantity;        // empty: the view's default
  QString Model;           // empty: none
  QSize Size{1000, 700};
};

// Reads "WxH" (each between 200 and 8000); false when it does not.
bool ParsePictureSize(const QString &text, QSize &size);

// A results view of a work file, built as the window builds it: the work, its results and
// the graph live as long as this object. The picture command saves the graph; the print
// command hands it to the print job.
class TWorkGraph {
 public:
  TWorkGraph();
  ~TWorkGraph();
  TWorkGraph(const TWorkGraph &) = delete;
  TWorkGraph &operator=(const TWorkGraph &) = delete;

  // Loads request's work file and builds its view (the output is not looked at): 0, or 1
  // with the reason on err.
  int Build(const TGraphRequest &request, QTextStream &err);
  TGraph &Graph();
  // The vectors view, whose copies carry both scale bars.
  bool IsVectors() const;

 private:
  struct TState;
  std::unique_ptr<TState> State;
};

// 0 with the picture written; 1 with the reason on err.
int RunGraphCommand(const TGraphRequest &request, QTextStream &err);

}  // namespace kolibra::work
