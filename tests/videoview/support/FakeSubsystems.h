#pragma once
// Doubles of the subsystems that plug into the video view, each keeping a log of the calls
// it received, so a test can tell what a mode change did and, above all, what it did not.

#include "videoview/VideoSubsystems.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kolibra::videoview::testing {

class TCallLog {
 public:
  void Add(const QString &call) { Calls << call; }
  QStringList Calls;
};

class TFakeOverlay {
 public:
  explicit TFakeOverlay(TCallLog &log, QString name) : Log(log), Name(std::move(name)) {}
  void Note(const QString &call) { Log.Add(Name + QLatin1Char('.') + call); }
  TCallLog &Log;
  QString Name;
};

class TFakeStudio : public IVideoStudio {
 public:
  explicit TFakeStudio(TCallLog &log) : Me(log, QStringLiteral("studio")) {}
  void MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, TPoint p) override {
    Me.Note(QStringLiteral("down %1,%2").arg(p.X).arg(p.Y));
  }
  void MouseMove(Qt::KeyboardModifiers, TPoint) override {}
  void MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, TPoint) override { Me.Note(QStringLiteral("up")); }
  bool KeyDown(int, Qt::KeyboardModifiers) override { return false; }
  void Paint(QPainter *) override { Me.Note(QStringLiteral("paint")); }
  void ViewChanged() override {}
  int CursorCode() const override { return 31; }
  void Deactivate() override { Me.Note(QStringLiteral("deactivate")); }
  TFakeOverlay Me;
};

class TFakeTracker : public IVideoTracker {
 public:
  explicit TFakeTracker(TCallLog &log) : Me(log, QStringLiteral("tracker")) {}
  void MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, TPoint p) override {
    Me.Note(QStringLiteral("down %1,%2").arg(p.X).arg(p.Y));
  }
  void MouseMove(Qt::KeyboardModifiers, TPoint) override {}
  void MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, TPoint) override {}
  bool KeyDown(int, Qt::KeyboardModifiers) override { return false; }
  void Paint(QPainter *) override { Me.Note(QStringLiteral("paint")); }
  void ViewChanged() override {}
  int CursorCode() const override { return 11; }
  void Deactivate() override {
    Me.Note(QStringLiteral("deactivate"));
    Active = false;
  }
  void ActivateAndPrepare() override {
    Me.Note(QStringLiteral("activate"));
    Active = true;
  }
  bool SequenceRunning() const override { return Running; }
  void StopSequence() override {
    Me.Note(QStringLiteral("stop"));
    Running = false;
  }
  void Commit() override { Me.Note(QStringLiteral("commit")); }
  void Reset() override { Me.Note(QStringLiteral("reset")); }
  bool Running = false;
  bool Active = false;
  TFakeOverlay Me;
};

class TFakeCapture : public IVideoCapture {
 public:
  explicit TFakeCapture(TCallLog &log) : Log(log) {}
  bool PrepareDevices() override {
    Log.Add(QStringLiteral("capture.prepare"));
    return Connected;
  }
  bool Recording() const override { return IsRecording; }
  void StopRecording() override {
    Log.Add(QStringLiteral("capture.stop recording"));
    IsRecording = false;
  }
  void StopPreview() override { Log.Add(QStringLiteral("capture.stop preview")); }
  void SetPreviewAllowed(bool allowed) override { PreviewAllowed = allowed; }
  TCallLog &Log;
  bool Connected = true;
  bool IsRecording = false;
  bool PreviewAllowed = false;
};

// Keeps the video frames listed in Kept, in that order.
class TFakeMontage : public IVideoMontage {
 public:
  explicit TFakeMontage(TCallLog &log) : Log(log) {}
  int KeptCount() const override { return int(Kept.size()); }
  int VideoFrameOf(int keptIndex) const override {
    return keptIndex >= 0 && keptIndex < int(Kept.size()) ? Kept[size_t(keptIndex)] : -1;
  }
  int KeptIndexOf(int videoFrame) const override {
    int index = 0;
    for (size_t i = 0; i < Kept.size(); ++i)
      if (Kept[i] <= videoFrame) index = int(i);
    return index;
  }
  bool IsKept(int videoFrame) const override {
    for (int f : Kept)
      if (f == videoFrame) return true;
    return false;
  }
  void EditingEnded() override { Log.Add(QStringLiteral("montage.editing ended")); }
  void VideoOpened(int frameCount) override { Log.Add(QStringLiteral("montage.opened %1").arg(frameCount)); }
  TCallLog &Log;
  std::vector<int> Kept;
};

class TFakeWriter : public IVideoWriterState {
 public:
  explicit TFakeWriter(TCallLog &log) : Log(log) {}
  bool Writing() const override { return IsWriting; }
  void Reset() override { Log.Add(QStringLiteral("writer.reset")); }
  void PlaybackInterrupted() override { Log.Add(QStringLiteral("writer.interrupted")); }
  TCallLog &Log;
  bool IsWriting = false;
};

}  // namespace kolibra::videoview::testing
