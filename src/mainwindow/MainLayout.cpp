#include "mainwindow/MainLayout.h"

#include <algorithm>
#include <cmath>

namespace kolibra::mainwindow {

TMainLayout ComputeMainLayout(const TLayoutInput &in) {
  TMainLayout out;
  const int availableWidth = std::max(0, in.Width - in.ToolBarWidth - in.ResultBarWidth);
  const int between = std::max(0, in.Height - in.ModeBarHeight - in.StatusBarHeight - in.PanelHeight);
  out.Title = QSize(availableWidth, between);
  out.View = QRect(in.ToolBarWidth, in.ModeBarHeight, availableWidth, between);
  if (in.VideoOpen && in.FrameWidth > 0 && in.FrameHeight > 0) {
    const int availableHeight = std::max(0, between - 1);
    const double s = std::min(double(availableWidth) / in.FrameWidth, double(availableHeight) / in.FrameHeight);
    const int w = int(std::trunc(in.FrameWidth * s));
    const int h = int(std::trunc(s * in.FrameHeight));
    const int left = (in.Width - w) / 2;
    const int top = (in.Height + in.ModeBarHeight - h - in.StatusBarHeight - in.PanelHeight) / 2;
    // Centred on the window; with bars of unequal widths it must still stay between them.
    out.View = QRect(std::clamp(left, in.ToolBarWidth, std::max(in.ToolBarWidth, in.ToolBarWidth + availableWidth - w)),
                     top, w, h);
  }

  const int boxTop = 8;
  const int boxHeight = std::max(0, in.PanelHeight - 14);
  out.EditAngle = QRect(in.Width - 50, boxTop, 50, boxHeight);
  out.EditZoom = QRect(out.EditAngle.left() - 50, boxTop, 50, boxHeight);
  out.EditMarque = QRect(out.EditZoom.left() - 35, boxTop, 35, boxHeight);
  out.EditImage = QRect(out.EditMarque.left() - 80, boxTop, 80, boxHeight);

  const int bw = in.ButtonWidth;
  const int trackWidth = std::max(0, std::min(200, out.EditImage.left() - 6 * bw - 12));
  const int start = (out.EditImage.left() - trackWidth - 6 * bw - 12) / 2;
  const int buttonHeight = std::max(0, in.PanelHeight - 6);
  int x = start;
  const auto place = [&](TNavigationSlot slot) {
    out.Buttons[slot] = QRect(x, 4, bw, buttonHeight);
    x += bw;
  };
  place(nsLecture);
  place(nsPause);
  place(nsRetour);
  place(nsPred);
  x += 2;
  out.TrackBar = QRect(x, 4, trackWidth, buttonHeight);
  x += trackWidth + 2;
  place(nsSucc);
  place(nsAvance);
  return out;
}

}  // namespace kolibra::mainwindow
