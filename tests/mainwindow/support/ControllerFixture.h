#pragma once
// The main window's controller without a window: the video view model on the surface
// double with the reader double, a real measurement document, options from an empty
// folder, scripted message boxes and dialogs that answer from a script.

#include "videoview/support/FakeSurface.h"
#include "videoview/support/StubReader.h"

#include "kit/Locale.h"
#include "kit/MessageBox.h"
#include "mainwindow/MainController.h"
#include "measurement/Data.h"
#include "settings/Options.h"
#include "videoview/VideoModel.h"

#include <QFile>
#include <QTemporaryDir>

#include <deque>
#include <tuple>
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out) { *out << text.toStdString(); }

namespace kolibra::mainwindow::testing {

class TFakeMainView : public IMainWindowView {
 public:
  void Refresh(unsigned what) override { Refreshed |= what; }
  void LayoutView() override { ++Layouts; }
  void ShowVideoView() override { ++Shows; }
  unsigned Refreshed = 0;
  int Layouts = 0;
  int Shows = 0;
};

struct TAskedValue {
  settings::TTypeSaisie Kind;
  settings::TTypeSaisieLongueur LengthKind;
  settings::TValueContext Context;
};

class TScriptedDialogs : public IMainDialogs {
 public:
  settings::TValueResult AskValue(settings::TTypeSaisie kind, const settings::TValueContext &context,
                                  settings::TTypeSaisieLongueur lengthKind) override {
    Asked.push_back({kind, lengthKind, context});
    if (Values.empty()) return {};
    settings::TValueResult result = Values.front();
    Values.pop_front();
    return result;
  }
  bool AskFrameInterval(measurement::TTimeBaseChoice &choice) override {
    IntervalAsked = {choice.DefaultDuration, choice.FrameInterval};
    if (Interval <= 0.0) return false;
    choice.FrameInterval = Interval;
    return true;
  }
  bool AskPlaneSize(double &width, double &height) override {
    ++PlaneSizeAsked;
    if (PlaneSizes.empty()) return false;
    std::tie(width, height) = PlaneSizes.front();
    PlaneSizes.pop_front();
    return true;
  }
  bool AskCheckerboard(int &columns, int &rows) override {
    ++CheckerboardAsked;
    return false;
  }
  void Answer(const QVariant &value) { Values.push_back({true, value}); }
  void Refuse() { Values.push_back({}); }

  std::deque<settings::TValueResult> Values;
  std::vector<TAskedValue> Asked;
  std::pair<double, double> IntervalAsked{0.0, 0.0};
  double Interval = 0.0;
  std::deque<std::pair<double, double>> PlaneSizes;
  int PlaneSizeAsked = 0;
  int CheckerboardAsked = 0;
};

class ControllerFixture : public ::testing::Test {
 protected:
  ControllerFixture() {
    surface.Model = &video;
    auto stub = std::make_unique<videoview::testing::TStubReader>(20, 320, 240, 25.0);
    reader = stub.get();
    video.SetReader(video::fwVfw, nullptr);
    video.SetReader(video::fwDS, nullptr);
    video.SetReader(video::fwFFMpeg, std::move(stub));
    video.SetDocument(&data);
    video.Resize(640, 480);
    controller.Start(temporary.path());
  }
  ~ControllerFixture() override { video.SetDocument(nullptr); }

  // An existing (empty) file the reader double opens.
  QString File(const QString &name) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    return path;
  }
  void Open(const QString &name = QStringLiteral("clip.mp4")) { ASSERT_TRUE(controller.OpenVideo(File(name))); }
  void Click(TControl control) { controller.ControlClicked(control); }
  void ClickView(TPoint pixel, Qt::MouseButton button = Qt::LeftButton) {
    video.MouseMove(Qt::NoModifier, pixel);
    video.MouseDown(button, Qt::NoModifier, pixel);
    video.MouseUp(button, Qt::NoModifier, pixel);
  }
  const TControlState &State(TControl control) const { return controller.State(control); }
  QString Box(TControl box) const { return controller.BoxText(box); }

  ScopedDecimalSeparator separator{QLatin1Char('.')};
  QTemporaryDir dir;
  // The program's temporary folder (the sample videos), apart from the user's files.
  QTemporaryDir temporary;
  TScriptedMessageBox boxes;
  videoview::testing::TFakeSurface surface;
  videoview::TVideoModel video{surface};
  settings::TOptions options{dir.filePath(QStringLiteral("Kolibra.ini"))};
  measurement::TData data{video, options};
  TFakeMainView view;
  TScriptedDialogs dialogs;
  TMainController controller{video, data, options, view, dialogs};
  videoview::testing::TStubReader *reader = nullptr;
};

}  // namespace kolibra::mainwindow::testing
