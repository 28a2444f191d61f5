#pragma once
// The program's cursor table. Every Part names a cursor by its index: 1 "AmortiExpHaut" to
// 50 "ZoomY", 0 the system's arrow, negative indexes the system's standard shapes. Kolibra
// draws its own cursors; this is where their pictures come from, so the widgets only turn
// them into QCursor objects.

#include <QImage>
#include <QPoint>
#include <QString>
#include <Qt>

namespace kolibra::videoview {

inline constexpr int CursorCount = 50;

// Indexes of the table that the view and the main window name.
enum TCursorIndex : int {
  crDefault = 0,
  crDeplacer = 10,
  crEchelle = 13,
  crGomme = 14,
  crMarque = 16,
  crMarque0 = 17,
  crNesw = 27,
  crNwse = 28,
  crOrigine = 29,
  crPan = 30,
  crReticule = 42,
  crSelection = 45,
  crSelRotation = 46,
  crSelGomme = 47,
  crZoom = 48,
  // The system's shapes.
  crSizeAll = -22,
  crSizeNS = -7,
  crSizeWE = -9,
};

// "AmortiExpHaut" ... "ZoomY" for 1 ... 50; empty otherwise.
QString CursorName(int index);

struct TCursorImage {
  QImage Image;  // 32 x 32, transparent where the cursor is not drawn
  QPoint HotSpot;
};

// The picture of a table cursor (1 ... 50); a null image otherwise.
TCursorImage CursorImage(int index);

// The system shape of index 0 and the negative indexes; Qt::ArrowCursor for anything else
// that is not in the table.
Qt::CursorShape SystemCursorShape(int index);

}  // namespace kolibra::videoview
