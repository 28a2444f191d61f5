#pragma once
// A video view model on the surface double, with the reader double in the FFmpeg slot (the
// other two emptied, so every file goes there), a real measurement document and scripted
// message boxes. Files ending in ".mp4" open; ".bad" files fail.

#include "kit/Locale.h"
#include "kit/MessageBox.h"
#include "measurement/Data.h"
#include "settings/Options.h"
#include "videoview/VideoModel.h"
#include "videoview/support/FakeSurface.h"
#include "videoview/support/StubReader.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out) { *out << text.toStdString(); }

namespace kolibra::videoview::testing {

class VideoFixture : public ::testing::Test {
 protected:
  explicit VideoFixture(int frames = 20, int width = 320, int height = 240, double rate = 25.0) {
    surface.Model = &model;
    auto stub = std::make_unique<TStubReader>(frames, width, height, rate);
    reader = stub.get();
    model.SetReader(video::fwVfw, nullptr);
    model.SetReader(video::fwDS, nullptr);
    model.SetReader(video::fwFFMpeg, std::move(stub));
    model.SetDocument(&data);
    model.Resize(640, 480);
  }
  ~VideoFixture() override { model.SetDocument(nullptr); }

  void OpenVideo(const QString &name = QStringLiteral("clip.mp4")) { ASSERT_TRUE(model.Open(dir.filePath(name))); }

  void Click(TPoint pixel, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    model.MouseMove(modifiers, pixel);
    model.MouseDown(button, modifiers, pixel);
    model.MouseUp(button, modifiers, pixel);
  }

  ScopedDecimalSeparator separator{QLatin1Char('.')};
  QTemporaryDir dir;
  TFakeSurface surface;
  TVideoModel model{surface};
  settings::TOptions options{dir.filePath(QStringLiteral("Kolibra.ini"))};
  measurement::TData data{model, options};
  TStubReader *reader = nullptr;
  TScriptedMessageBox boxes;
};

}  // namespace kolibra::videoview::testing
