#include "video/VideoCli.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>

namespace kolibra::video {

namespace videocli {

QString Number(double Value) { return QString::number(Value, 'g', 10); }

bool OpenOrExplain(TVideoSources &Sources, const QString &FileName, std::optional<TFramework> Forced,
                   QTextStream &Err) {
  if (!QFileInfo::exists(FileName)) {
    Err << FileName << ": " << QCoreApplication::translate("VideoCli", "Unable to open this video file.") << ' '
        << QCoreApplication::translate("VideoCli", "Check that it has not been moved.") << Qt::endl;
    return false;
  }
  if (Forced ? Sources.OpenWith(FileName, *Forced) : Sources.Open(FileName)) return true;
  QString reason = Sources.OpenErrorText();
  reason.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  Err << FileName << ": " << QCoreApplication::translate("VideoCli", "Can not open this video file.") << ' ' << reason
      << Qt::endl;
  return false;
}

}  // namespace videocli

bool OpenVideoOrExplain(TVideoSources &Sources, const QString &FileName, std::optional<TFramework> Forced,
                        QTextStream &Err) {
  return videocli::OpenOrExplain(Sources, FileName, Forced, Err);
}

int VideoInfo(TVideoSources &Sources, const QString &FileName, std::optional<TFramework> Forced, QTextStream &Out,
              QTextStream &Err) {
  if (!videocli::OpenOrExplain(Sources, FileName, Forced, Err)) return 1;
  const TVideoPlay &r = *Sources.Active();
  Out << "framework: " << FrameworkToken(Sources.Framework()) << '\n'
      << "frames: " << r.FrameCount() << '\n'
      << "width: " << r.FrameWidth() << '\n'
      << "height: " << r.FrameHeight() << '\n'
      << "rate: " << videocli::Number(r.FrameRate()) << '\n'
      << "interval: " << videocli::Number(r.FrameInterval()) << '\n'
      << "duration: " << videocli::Number(r.Duration()) << '\n'
      << "variable_rate: " << (r.VariableRate() ? "yes" : "no") << '\n'
      << "rotation: " << r.StreamOrientation().Rotation << '\n';
  if (r.CaptureRate() > 0.0) Out << "capture_rate: " << videocli::Number(r.CaptureRate()) << '\n';
  if (r.StreamOrientation().Mirrored) Out << "mirrored: yes\n";
  Out.flush();
  return 0;
}

int VideoTimes(TVideoSources &Sources, const QString &FileName, std::optional<TFramework> Forced, QTextStream &Out,
               QTextStream &Err) {
  if (!videocli::OpenOrExplain(Sources, FileName, Forced, Err)) return 1;
  TVideoPlay &r = *Sources.Active();
  const int count = r.ExactFrameCount();
  const std::vector<double> stamps = VideoTimeStamps(r);
  for (int i = 0; i < count; ++i)
    Out << i << '\t' << QString::number(FrameTime(stamps, i, r.FrameInterval()), 'f', 6) << '\n';
  Out.flush();
  return 0;
}

int VideoFrame(TVideoSources &Sources, const QString &FileName, int Index, const QString &Png,
               std::optional<TFramework> Forced, QTextStream &Out, QTextStream &Err) {
  if (Index < 0) {
    Err << QCoreApplication::translate("VideoCli", "There is no frame %1: frame indexes start at 0.").arg(Index)
        << Qt::endl;
    return 1;
  }
  if (!videocli::OpenOrExplain(Sources, FileName, Forced, Err)) return 1;
  TVideoPlay &r = *Sources.Active();
  // A script must be able to tell a frame past the end from the last one. A long file's count
  // may still be the container's estimate: it is made exact before an index is refused, and
  // after a move that did not land where it was asked.
  const auto refuse = [&](int Count) {
    Err << FileName << ": "
        << QCoreApplication::translate("VideoCli", "There is no frame %1: the frames of this video are 0 to %2.")
               .arg(Index)
               .arg(Count - 1)
        << Qt::endl;
    return 1;
  };
  if (Index >= r.FrameCount() && Index >= r.ExactFrameCount()) return refuse(r.FrameCount());
  QString seekError;
  r.OnError = [&seekError](TVideoPlay *, const QString &Message) { seekError = Message; };
  r.SetPosition(Index);
  r.OnError = nullptr;
  if (r.Position() != Index && Index >= r.ExactFrameCount()) return refuse(r.FrameCount());
  QImage picture(r.FrameWidth(), r.FrameHeight(), QImage::Format_RGB888);
  r.DrawMode = SrcCopy;
  if (r.Position() != Index || !r.Draw(picture, QRect(0, 0, r.FrameWidth(), r.FrameHeight()))) {
    Err << FileName << ": " << QCoreApplication::translate("VideoCli", "Frame %1 cannot be read.").arg(Index)
        << (seekError.isEmpty() ? QString() : QLatin1Char(' ') + seekError) << Qt::endl;
    return 1;
  }
  if (!seekError.isEmpty()) Err << FileName << ": " << seekError << Qt::endl;
  // A middle compression: the default one takes half as long again for a file 10 % smaller.
  if (!picture.save(Png, "PNG", 60)) {
    Err << Png << ": " << QCoreApplication::translate("VideoCli", "Unable to write the picture.") << Qt::endl;
    return 1;
  }
  Out << "frame: " << r.Position() << Qt::endl;
  return 0;
}

}  // namespace kolibra::video
