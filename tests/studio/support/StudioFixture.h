#pragma once
// The studio on the view-port double: a 640 x 480 frame shown at 100 %, frames whose pixels
// tell where and on which frame they were taken, a save dialog that answers from the test
// and scripted message boxes.

#include "measurement/support/FakeViewPort.h"

#include "kit/MessageBox.h"
#include "studio/Studio.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kolibra::studio::testing {

// The colour of frame pixel (x, y) on frame f: red x, green y, blue 10 f (each mod 256).
inline QRgb PatternPixel(int x, int y, int frame) { return qRgb(x % 256, y % 256, (10 * frame) % 256); }

class TFakeStudioHost : public IStudioHost {
 public:
  explicit TFakeStudioHost(measurement::testing::FakeViewPort &view) : View(view) {}

  bool GrabFrame(QImage &bitmap) override {
    ++Grabs;
    if (!GrabWorks) return false;
    bitmap = QImage(View.NativeWidth, View.NativeHeight, QImage::Format_RGB888);
    for (int y = 0; y < bitmap.height(); ++y)
      for (int x = 0; x < bitmap.width(); ++x) bitmap.setPixel(x, y, PatternPixel(x, y, View.CurrentFrame));
    return true;
  }
  int FrameStep() const override { return Step; }
  TColor OutlineColor() const override { return colors::clRed; }
  bool AskSaveFile(const TSaveFileRequest &request, QString &fileName) override {
    Requests.push_back(request);
    if (Answer.isEmpty()) return false;
    fileName = Answer;
    return true;
  }
  void FileSaved(const QString &fileName) override { Saved.push_back(fileName); }

  measurement::testing::FakeViewPort &View;
  bool GrabWorks = true;
  int Grabs = 0;
  int Step = 1;
  QString Answer;  // empty: the dialog is cancelled
  std::vector<TSaveFileRequest> Requests;
  std::vector<QString> Saved;
};

class StudioFixture : public ::testing::Test {
 protected:
  StudioFixture() { studio.SetTool(stOutline); }

  void Press(TPoint p, Qt::MouseButton button = Qt::LeftButton) { studio.MouseDown(button, Qt::NoModifier, p); }
  void Move(TPoint p) { studio.MouseMove(Qt::NoModifier, p); }
  void Release(TPoint p, Qt::MouseButton button = Qt::LeftButton) { studio.MouseUp(button, Qt::NoModifier, p); }
  void Click(TPoint p, Qt::MouseButton button = Qt::LeftButton) {
    Press(p, button);
    Release(p, button);
  }
  // A circle of the given radius round centre on the frame shown: press, move to the rim,
  // press again.
  void DrawCircle(TPoint centre, int radius) {
    studio.SetShape(osCircle);
    Click(centre);
    Move(TPoint(centre.X + radius, centre.Y));
    Click(TPoint(centre.X + radius, centre.Y));
  }
  // A broken line through the vertices, ended by a double click on the last one.
  void DrawPolygon(const TPointDynArray &vertices) {
    studio.SetShape(osBrokenLine);
    for (const TPoint &p : vertices) Click(p);
    studio.MouseDoubleClick(Qt::LeftButton, Qt::NoModifier, vertices.back());
    Release(vertices.back());
  }
  void ShowFrame(int frame) { view.CurrentFrame = view.EditedFrame = frame; }

  measurement::testing::FakeViewPort view;
  TFakeStudioHost host{view};
  TStudio studio{view, host, nullptr};
  TScriptedMessageBox boxes;
  QTemporaryDir dir;
};

}  // namespace kolibra::studio::testing
