#pragma once
// The capture controller without cameras or windows: a back-end double that delivers the
// frames a test asks for, with the time stamps it chooses, from the test's own thread, and
// dialogs that answer from a script.

#include "capture/Capture.h"
#include "video/AviParser.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <deque>
#include <vector>

namespace kolibra::capture::testing {

// A picture that tells its frame: every pixel (f, 255 - f, x mod 256).
inline QImage NumberedPicture(int frame, int width = 64, int height = 48) {
  QImage picture(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.setPixel(x, y, qRgb(frame % 256, 255 - frame % 256, x % 256));
  return picture;
}

class TFakeBackend : public ICaptureBackend {
 public:
  explicit TFakeBackend(TCaptureFramework framework) : Kind(framework) {}
  TCaptureFramework Framework() const override { return Kind; }
  std::vector<TCaptureDevice> Devices() override { return Cameras; }
  std::vector<TCaptureFormat> Formats(const TCaptureDevice &) override {
    TCaptureFormat format;
    format.Width = 64;
    format.Height = 48;
    format.Rate = video::TFrameRate::Exact(30, 1);
    format.Name = QStringLiteral("RGB 64x48, 30 fps");
    TCaptureFormat large = format;
    large.Width = 128;
    large.Height = 96;
    large.Name = QStringLiteral("RGB 128x96, 30 fps");
    return {format, large};
  }
  bool Start(const TCaptureDevice &device, const TCaptureFormat &, video::TFrameRate, ICaptureSink *sink,
             QString &reason) override {
    ++Starts;
    if (!Works) {
      reason = QStringLiteral("the fake camera is off");
      return false;
    }
    Started = device;
    Sink = sink;
    On = true;
    return true;
  }
  void Stop() override {
    if (On) ++Stops;
    On = false;
  }
  bool Running() const override { return On; }
  video::TFrameRate NegotiatedRate() const override { return video::TFrameRate::Exact(30, 1); }
  bool Present(const TCaptureDevice &) override { return Plugged; }

  // Frames first ... first + count - 1 at 30 per second (times in nanoseconds from 1 s),
  // except those listed in skipped.
  void Deliver(int first, int count, const std::vector<int> &skipped = {}) {
    for (int i = first; i < first + count; ++i) {
      if (std::find(skipped.begin(), skipped.end(), i) != skipped.end()) continue;
      TCapturedFrame frame;
      frame.TimeNs = 1000000000LL + int64_t(i) * 1000000000LL / 30;
      frame.Picture = NumberedPicture(i);
      if (On && Sink != nullptr) Sink->FrameArrived(frame);
    }
  }
  void Unplug(const QString &reason) {
    Plugged = false;
    On = false;
    if (Sink != nullptr) Sink->SourceLost(reason);
  }

  TCaptureFramework Kind;
  std::vector<TCaptureDevice> Cameras{{QStringLiteral("Fake camera"), QStringLiteral("/dev/fake0"), QString()},
                                      {QString::fromLatin1(TestPatternName), QString(), QStringLiteral("pattern")}};
  bool Works = true;
  bool On = false;
  bool Plugged = true;
  int Starts = 0;
  int Stops = 0;
  TCaptureDevice Started;
  ICaptureSink *Sink = nullptr;
};

class TScriptedCaptureDialogs : public ICaptureDialogs {
 public:
  void ShowSetup(TCapture &capture, TCapturePage page) override {
    Pages.push_back(page);
    if (page == cpHardware && ChooseOnHardware >= 0) capture.SelectDevice(ChooseOnHardware);
  }
  void ShowDeviceControls(TCapture &) override { ++Controls; }
  bool AskSaveFile(const TSaveFileRequest &request, QString &fileName) override {
    Requests.push_back(request);
    if (Answers.empty() || Answers.front().isEmpty()) {
      if (!Answers.empty()) Answers.pop_front();
      return false;
    }
    fileName = Answers.front();
    Answers.pop_front();
    return true;
  }
  void Beep() override { ++Beeps; }

  std::vector<TCapturePage> Pages;
  int ChooseOnHardware = -1;
  int Controls = 0;
  std::deque<QString> Answers;  // an empty answer cancels
  std::vector<TSaveFileRequest> Requests;
  int Beeps = 0;
};

// The chunks of a recording as our AVI parser reads them (empty when it cannot: error says why).
inline std::vector<video::avi::TAviSlot> ChunkSlots(const QString &file, video::avi::TAviStream *stream = nullptr,
                                                    QString *error = nullptr) {
  video::avi::TAviFileSource source;
  video::avi::TAviStream parsed;
  QString why;
  if (!source.Open(file, why) || !video::avi::ParseAvi(source, parsed, why)) {
    if (error != nullptr) *error = why;
    return {};
  }
  if (stream != nullptr) *stream = parsed;
  return parsed.Slots;
}

inline bool WaitUntil(const std::function<bool()> &condition, int timeoutMs = 10000) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::msleep(2);
  }
  return true;
}

}  // namespace kolibra::capture::testing
