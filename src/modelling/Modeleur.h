#pragma once
// TModeleur: the small floating panel of a model curve. It shows the equation, each
// parameter's value with its standard error (while the curve is the fit's) and four buttons
// that nudge it, and the fit statistics. It lays itself out to its texts, paints itself with
// QPainter and answers the mouse, so the graph that shows it (and the tests) need no widget:
// the graph hands it the model's texts and values, forwards the mouse while the pointer is
// over it, and applies the values the buttons produce through OnValueChange.
//
// The panel can be dragged by its grip (the dotted strip on its left).

#include "kit/Types.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

class QPainter;

namespace kolibra::modelling {

enum TModeleurButton : int {
  mbDecreaseFast = 0,  // ÷1.1 (×1.1 for a value at or below zero)
  mbDecrease = 1,      // ÷1.02, ÷1.002 with Ctrl
  mbIncrease = 2,      // ×1.02, ×1.002 with Ctrl
  mbIncreaseFast = 3,  // ×1.1
};

class TModeleur {
 public:
  TModeleur();

  // The value a button makes of v (a zero value stays zero).
  static double NudgedValue(double v, int button, bool ctrl);
  // The hint of a button.
  static QString ButtonHint(int button);

  // What the panel shows. Texts: the equation line, then one line per value (the model's
  // GetTexts); errors: the standard errors (not a number or missing: none shown); editable:
  // whether the values have buttons; extra: lines shown under the equation (the fitted
  // range, a fit's failure).
  void SetContent(const QStringList &Texts, const TDoubleDynArray &Values, const TDoubleDynArray &Errors,
                  bool Editable, const QStringList &Stats, bool ShowEquation, bool ShowStats,
                  const QStringList &Extra = QStringList());

  QPoint Position{8, 8};  // top-left corner in control pixels
  QFont Font;
  bool Visible = false;
  // Index and new value of a nudged parameter.
  std::function<void(int Index, double Value)> OnValueChange;

  QRect Bounds() const;
  // The button under a point: index * 4 + button, or -1.
  int ButtonAt(QPoint Point) const;
  QString HintAt(QPoint Point) const;
  bool Contains(QPoint Point) const { return Visible && Bounds().contains(Point); }

  void Paint(QPainter &Canvas) const;
  // True when the panel took the event (a press on it, a grip drag in progress).
  bool MouseDown(QPoint Point, bool Ctrl);
  bool MouseMove(QPoint Point);
  bool MouseUp(QPoint Point);
  bool Dragging() const { return GripDragging; }

  const TDoubleDynArray &Values() const { return FValues; }

 private:
  void Layout();
  QRect ButtonRect(int row, int button) const;

  QStringList FTexts, FStats, FExtra;
  TDoubleDynArray FValues, FErrors;
  bool FEditable = true, FShowEquation = true, FShowStats = true;
  // Layout, relative to Position.
  QSize FSize;
  int FLineHeight = 16;
  int FValueTop = 0;       // top of the first value row
  int FValueWidth = 0;     // width of the widest value text
  int FErrorWidth = 0;
  int FButtonsLeft = 0;
  bool GripDragging = false;
  QPoint GripOffset;
};

}  // namespace kolibra::modelling
