#include "capture/CaptureCli.h"

#include "capture/Capture.h"
#include "kit/MessageBox.h"
#include "kit/Texts.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QRegularExpression>

namespace kolibra::capture {

namespace capture_cli {

// The save dialog answers the file of the command line once; asked again (the file exists,
// or could not be written), it is cancelled.
class TCliDialogs : public ICaptureDialogs {
 public:
  explicit TCliDialogs(const QString &out) : Out(out) {}
  void ShowSetup(TCapture &, TCapturePage) override {}
  void ShowDeviceControls(TCapture &) override {}
  bool AskSaveFile(const TSaveFileRequest &, QString &fileName) override {
    if (Asked++ > 0) return false;
    fileName = Out;
    return true;
  }
  void Beep() override {}

 private:
  QString Out;
  int Asked = 0;
};

// Messages go to the error stream, each answered with its first button.
class TCliMessages : public IMessagePresenter {
 public:
  explicit TCliMessages(QTextStream &err) : Err(err), Previous(SetMessagePresenter(this)) {}
  ~TCliMessages() override { SetMessagePresenter(Previous); }
  TMessageAnswer Present(const TMessageRequest &request) override {
    QStringList lines;
    for (const TMessageLine &line : request.Lines)
      if (!line.Text.isEmpty()) lines << line.Text;
    Err << lines.join(QLatin1Char(' ')) << Qt::endl;
    return TMessageAnswer{0, request.CheckBoxChecked};
  }

 private:
  QTextStream &Err;
  IMessagePresenter *Previous;
};

}  // namespace capture_cli

int RunCaptureCommand(const TCaptureCommand &command, QTextStream &Out, QTextStream &Err) {
  QString out = command.Out;
  if (!out.endsWith(QLatin1String(".avi"), Qt::CaseInsensitive)) out += QStringLiteral(".avi");
  if (QFileInfo::exists(out)) {
    Err << out << ": "
        << KolibraCliText::tr("A file with this name already exists; nothing was recorded.")
        << Qt::endl;
    return 1;
  }
  if (command.Duration < 1 || command.Delay < 0) {
    Err << KolibraCliText::tr("The duration must be at least 1 second, the delay not negative.")
        << Qt::endl;
    return 1;
  }
  capture_cli::TCliMessages messages(Err);
  capture_cli::TCliDialogs dialogs(QFileInfo(out).absoluteFilePath());
  TCapture capture(QString(), command.TemporaryFolder, dialogs);
  capture.PrepareOnce();

  // The camera.
  const QStringList names = capture.DeviceNames(false);
  int device = -1;
  for (int i = 0; i < names.size() && device < 0; ++i)
    if (names[i].compare(command.Device, Qt::CaseInsensitive) == 0 &&
        (command.Framework < 0 || capture.DeviceFramework(i) == command.Framework))
      device = i;
  if (device < 0) {
    Err << KolibraCliText::tr("No capture device \"%1\". The devices are:").arg(command.Device)
        << Qt::endl;
    for (const QString &name : capture.DeviceNames(true)) Err << "  " << name << Qt::endl;
    return 1;
  }
  capture.SelectDevice(device);

  // The format: a size, and on back-end 1 a rate.
  const bool vfw = capture.CaptureFramework == cfAvDevice;
  const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(command.Format);
  if (!command.Format.isEmpty() && !size.hasMatch()) {
    Err << KolibraCliText::tr("A format is WIDTHxHEIGHT: %1").arg(command.Format) << Qt::endl;
    return 1;
  }
  int format = -1;
  const QStringList formats = capture.FormatNames();
  for (int i = 0; i < formats.size() && format < 0; ++i) {
    capture.SelectFormat(i);
    const TCaptureFormat *f = capture.Format();
    const bool sizeFits = !size.hasMatch() || (f->Width == size.captured(1).toInt() && f->Height == size.captured(2).toInt());
    const bool rateFits = vfw || command.Rate <= 0 || (f->Rate.Scale == 1 && int(f->Rate.Rate) == command.Rate);
    if (sizeFits && rateFits) format = i;
  }
  if (format < 0) {
    Err << KolibraCliText::tr("The device has no such format. Its formats are:") << Qt::endl;
    for (const QString &name : formats) Err << "  " << name << Qt::endl;
    return 1;
  }
  capture.SelectFormat(format);
  if (vfw && command.Rate > 0) capture.SetCaptureRate(command.Rate);

  // The codec.
  if (!command.Codec.isEmpty()) {
    const QStringList codecs = capture.CodecNames();
    int codec = -2;
    for (int i = 0; i < codecs.size(); ++i)
      if (codecs[i].compare(command.Codec, Qt::CaseInsensitive) == 0) codec = i - 1;
    if (command.Codec.compare(QLatin1String("MJPG"), Qt::CaseInsensitive) == 0) codec = codecs.indexOf(QStringLiteral("Motion JPEG")) - 1;
    if (codec < -1) {
      Err << KolibraCliText::tr("Unknown codec: %1 (%2).")
                 .arg(command.Codec, codecs.join(QStringLiteral(", ")))
          << Qt::endl;
      return 1;
    }
    capture.SelectCodec(codec);
  }
  capture.DelayEnabled = command.Delay > 0;
  capture.Delay = std::max(1, command.Delay);
  capture.DurationEnabled = true;
  capture.Duration = command.Duration;

  if (!capture.Connect()) return 1;
  QEventLoop loop;
  capture.OnFinished = [&loop](TCapture *) { loop.quit(); };
  capture.RecordButton();
  if (capture.Recording()) loop.exec();
  Out << QStringLiteral("Number of captured images:") << ' ' << capture.CapturedFrames() << "   "
      << QStringLiteral("Number of lost images:") << ' ' << capture.LostFrames() << Qt::endl;
  if (capture.SavedFile().isEmpty()) return 1;
  Out << "file: " << capture.SavedFile() << Qt::endl;
  return 0;
}

}  // namespace kolibra::capture
