#pragma once
// TBulle: the information bubble of a graph. It shows a few lines of text in a corner of the
// graph (the description of a construct being reshaped, bent or turned), sized to its text.
// The graph owns one and paints it over everything else; the results window's "Bubble of
// values" items choose its corner, bpNone keeping it hidden.

#include <QFont>
#include <QRect>
#include <QStringList>

class QPainter;

namespace kolibra::results {

enum TBullePlace : int { bpNone, bpUpLeft, bpUpRight, bpDownLeft, bpDownRight };

class TBulle {
 public:
  TBulle();

  TBullePlace Place() const { return FPlace; }
  // Stores the corner; bpNone also hides the bubble.
  void SetPlace(TBullePlace place);
  const QStringList &Lines() const { return FLines; }
  // Copies the lines; the bubble is placed again when they no longer fit its width.
  void SetLines(const QStringList &lines);
  // Sets the lines, places the bubble in its corner of a parent of that size and shows it
  // (unless its place is bpNone).
  void ShowLines(const QStringList &lines, int parentWidth, int parentHeight);
  void Hide() { FVisible = false; }
  bool Visible() const { return FVisible; }
  // Sizes the bubble to its lines and puts it in its corner of the parent.
  void Arrange(int parentWidth, int parentHeight);
  const QRect &Bounds() const { return FBounds; }

  // Filled with the tooltip colour, framed in 3-D, the lines in black from the top.
  void Paint(QPainter &canvas) const;

  QFont Font;

 private:
  int LineHeight() const;

  TBullePlace FPlace = bpUpRight;
  QStringList FLines;
  QRect FBounds;
  bool FVisible = false;
  int ParentWidth = 0, ParentHeight = 0;
};

}  // namespace kolibra::results
