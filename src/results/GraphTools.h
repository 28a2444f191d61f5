#pragma once
// The graph's tools: codes, cursors (numbers of the program's cursor table) and hints (the
// part after "|" goes to the status bar).

#include <QString>

namespace kolibra::results {

enum TGraphTool : int {
  gtNone = 0,
  gtNewAngle = 1,
  gtNewArc = 2,
  gtNewCircle = 3,
  gtNewEllipse = 4,
  gtNewSegment = 5,
  gtNewSpline = 6,
  gtNewVector = 7,
  gtBend = 8,
  gtDuplicate = 9,
  gtChangeDirection = 10,
  gtModifyModel = 11,
  gtPan = 12,
  gtCoordinates = 13,
  gtSelect = 14,
  gtModelParams = 15,
  gtMeasure = 16,
  gtDelete = 17,
  gtZoom = 18,
};

inline constexpr int GraphToolCount = 18;

// Tools whose mouse actions create or edit constructs (handled by the graph's editor).
bool IsConstructTool(int tool);
// Tools that draw a rubber band while active.
bool DrawsRubberBand(int tool);
// Creation tools 1 to 7.
inline bool IsCreationTool(int tool) { return tool >= gtNewAngle && tool <= gtNewVector; }

// The cursor of a tool; the zoom's depends on the axes it acts on.
int ToolCursor(int tool, bool zoomX, bool zoomY);
// The hint of a tool (translated).
QString ToolHint(int tool);

// Cursor table numbers used by the graph itself.
inline constexpr int CursorDetection = 11;

}  // namespace kolibra::results
