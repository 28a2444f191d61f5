// The studio's buttons, hints and menu commands in the main window.

#include "mainwindow/MainControllerStudio.h"

#include "kit/MessageBox.h"
#include "kit/Texts.h"
#include "mainwindow/MainController.h"
#include "measurement/Data.h"
#include "studio/Studio.h"
#include "videoview/VideoModel.h"

#include <algorithm>

namespace kolibra::mainwindow {

using namespace videoview;

TMainStudio::TMainStudio(TMainController &controller, studio::TStudio &studio) : Main(controller), Part(studio) {
  Part.OnToolChange = [this](studio::TStudio *) { ToolChanged(); };
}

TMainStudio::~TMainStudio() { Part.OnToolChange = nullptr; }

QString TMainStudio::ToolHint() const {
  switch (Part.Tool()) {
    case studio::stOutline:
      switch (Part.Shape()) {
        case studio::osFree:
          return MainFormText::tr(
              "|1st left-click = begin the course; 2nd left-click = end; right-click = erase");
        case studio::osBrokenLine:
          return MainFormText::tr(
              "|Left-click = add a vertex to the polygon; double left-click = end; right-click = "
              "erase");
        default:
          return MainFormText::tr(
              "|1st left-click = center of the circle; 2nd left-click = end; right-click = erase");
      }
    case studio::stErase:
      return MainFormText::tr(
          "|Left-click = erase the outline under mouse pointer; right-click = erase the outline on "
          "the curret video "
          "frame");
    default:
      return QString();
  }
}

void TMainStudio::ToolChanged() {
  Main.Video.SetTool(vtNone);
  Main.SetToolDown(Part.Tool() == studio::stErase ? ButtonStudioEffacerContour : ButtonStudioContour);
  Main.ViewHintText = ToolHint();
  Main.Video.UpdateCursor();
  Main.Video.Invalidate();
  Main.Refresh(rfControls | rfViewHint);
}

bool TMainStudio::ToolClicked(TControl control) {
  if (control < ButtonStudioContour || control > ButtonStudioCapture) return false;
  if (Main.Video.Mode() != vmStudio || !Main.VideoOpen()) return true;
  switch (control) {
    case ButtonStudioContour:
      Part.SetTool(studio::stOutline);
      break;
    case ButtonStudioEffacerContour:
      Part.SetTool(studio::stErase);
      break;
    case ButtonStudioChronoPhoto:
      Part.MakeChronophotograph();
      Main.Video.Invalidate();
      break;
    case ButtonStudioCapture:
      Part.SaveFrameImage();
      break;
    default:
      break;
  }
  return true;
}

void TMainStudio::AdjustEnabled() {
  TControlState &chrono = Main.States[size_t(ButtonStudioChronoPhoto)];
  chrono.Enabled = chrono.Enabled && Part.ClosedCount() > 0;
}

bool TMainStudio::AfterPaint() {
  const bool wanted = Main.ControlsEnabled && Main.VideoOpen() && Part.ClosedCount() > 0;
  TControlState &chrono = Main.States[size_t(ButtonStudioChronoPhoto)];
  if (chrono.Enabled == wanted) return false;
  chrono.Enabled = wanted;
  Main.Refresh(rfControls);
  return true;
}

void TMainStudio::AfterOpening() { Part.Reset(); }

void TMainStudio::ViewToolChanged() { Part.CancelDrawing(); }

void TMainStudio::OptionsChanged() { Part.ApplyOptions(); }

void TMainStudio::SetShape(int shape) {
  if (Main.Video.Mode() != vmStudio) return;
  Part.SetShape(shape);
  if (Part.Tool() == studio::stOutline) Main.ViewHintText = ToolHint();
  Main.Video.Invalidate();
  Main.Refresh(rfViewHint);
}

void TMainStudio::DeleteCurrent() {
  Part.DeleteCurrent();
  Main.Video.Invalidate();
}

void TMainStudio::Clear() {
  Part.Clear();
  Main.Video.Invalidate();
}

int TMainStudio::OutlinesAroundMarks(int every, double radius) {
  if (!Main.VideoOpen() || Main.Video.Mode() != vmStudio) return 0;
  // The first object's marks in frame order, one every `every` frames from the first.
  std::vector<const measurement::TMarque *> marks;
  for (const measurement::TMarque *mark : Main.Data.FixedMarks().Marks())
    if (mark->MarkOrderNumber == 0 && mark->FrameIndex >= 0) marks.push_back(mark);
  std::sort(marks.begin(), marks.end(), [](const auto *a, const auto *b) { return a->FrameIndex < b->FrameIndex; });
  std::vector<studio::TStudioDisc> discs;
  for (const measurement::TMarque *mark : marks) {
    if (!discs.empty() && mark->FrameIndex < discs.back().VideoFrame + std::max(1, every)) continue;
    discs.push_back({mark->FrameIndex, mark->GetAbsolutePosition(), radius});
  }
  if (discs.empty()) {
    TMessageBox(icInformation)
        .AddLine(MainFormText::tr("The first object has no mark to cut an outline around."))
        .AddLine(MainFormText::tr("Mark its positions, by hand or by automatic marking, first."))
        .AddButton(MainFormText::tr("Ok"))
        .Execute();
    return 0;
  }
  const int made = Part.AddDiscs(discs);
  Main.Video.Invalidate();
  AfterPaint();
  return made;
}

}  // namespace kolibra::mainwindow
