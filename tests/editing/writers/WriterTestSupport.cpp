#include "WriterTestSupport.h"

#include "video/DSPlay.h"
#include "video/FFMpegPlay.h"
#include "video/VfwPlay.h"

#include <QDir>
#include <QProcess>
#include <cmath>
#include <limits>

namespace kolibra::editing::testing {

QImage TestPicture(int Index, QSize Size) {
  QImage picture(Size, QImage::Format_RGB888);
  const int w = Size.width(), h = Size.height();
  const double cx = w * (0.2 + 0.6 * std::fmod(Index * 0.07, 1.0));
  const double cy = h * 0.6, radius = std::max(3.0, h * 0.15);
  for (int y = 0; y < h; ++y) {
    uchar *row = picture.scanLine(y);
    for (int x = 0; x < w; ++x) {
      int r = 40 + 170 * x / std::max(w - 1, 1);
      int g = 30 + 180 * y / std::max(h - 1, 1);
      int b = 90 + (Index * 5) % 100;
      if (std::hypot(x - cx, y - cy) <= radius) {
        r = 230;
        g = 200;
        b = 20;
      }
      if (y < 8 && x / 8 < 16) {
        const int bit = (Index >> (x / 8)) & 1;
        r = g = b = bit ? 255 : 0;
      }
      row[3 * x] = uchar(r);
      row[3 * x + 1] = uchar(g);
      row[3 * x + 2] = uchar(b);
    }
  }
  return picture;
}

double Psnr(const QImage &A, const QImage &B) {
  if (A.size() != B.size()) return -1.0;
  const QImage a = A.convertToFormat(QImage::Format_RGB888), b = B.convertToFormat(QImage::Format_RGB888);
  double sum = 0.0;
  for (int y = 0; y < a.height(); ++y) {
    const uchar *p = a.constScanLine(y), *q = b.constScanLine(y);
    for (int i = 0; i < a.width() * 3; ++i) sum += double(p[i] - q[i]) * double(p[i] - q[i]);
  }
  if (sum == 0.0) return std::numeric_limits<double>::infinity();
  const double mse = sum / (double(a.width()) * a.height() * 3);
  return 10.0 * std::log10(255.0 * 255.0 / mse);
}

bool WriteClip(TVideoWriter &Writer, const QString &File, const TWriterSettings &Settings, int Count,
               QString &Reason) {
  bool ok = Writer.OpenOutput(File, Settings);
  for (int i = 0; ok && i < Count; ++i) ok = Writer.AddFrame(TestPicture(i, Writer.Size()));
  ok = ok && Writer.Finish();
  if (!ok) Reason = Writer.ErrorText() + QStringLiteral(": ") + Writer.ErrorDetail();
  return ok;
}

TProbe Probe(const QString &File) {
  QProcess process;
  process.start(QStringLiteral("ffprobe"),
                {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-count_frames"),
                 QStringLiteral("-select_streams"), QStringLiteral("v:0"), QStringLiteral("-show_entries"),
                 QStringLiteral("stream=width,height,r_frame_rate,nb_read_frames"), QStringLiteral("-of"),
                 QStringLiteral("default=nw=1"), File});
  TProbe probe;
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return probe;
  probe.Output = QString::fromUtf8(process.readAllStandardOutput());
  for (const QString &line : probe.Output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    const QString key = line.section(QLatin1Char('='), 0, 0), value = line.section(QLatin1Char('='), 1).trimmed();
    if (key == QLatin1String("width")) probe.Width = value.toInt();
    if (key == QLatin1String("height")) probe.Height = value.toInt();
    if (key == QLatin1String("r_frame_rate")) probe.Rate = value;
    if (key == QLatin1String("nb_read_frames")) probe.Frames = value.toInt();
  }
  probe.Ok = probe.Width > 0;
  return probe;
}

std::unique_ptr<video::TVideoPlay> MakeReader(video::TFramework Framework) {
  switch (Framework) {
    case video::fwVfw:
      return std::make_unique<video::TVfwPlay>();
    case video::fwDS:
      return std::make_unique<video::TDSPlay>();
    default:
      return std::make_unique<video::TFFMpegPlay>(KlbDll());
  }
}

QImage Grab(video::TVideoPlay &Reader) {
  QImage picture(Reader.FrameWidth(), Reader.FrameHeight(), QImage::Format_RGB888);
  Reader.DrawMode = video::SrcCopy;
  if (!Reader.Draw(picture, QRect(0, 0, Reader.FrameWidth(), Reader.FrameHeight()))) return QImage();
  return picture;
}

QStringList FilesIn(const QString &Folder) {
  return QDir(Folder).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QString KlbDll() { return QStringLiteral(KOLIBRA_TEST_KLBDLL_DIR); }
QString CliProgram() { return QStringLiteral(KOLIBRA_TEST_CLI); }
QString ChildProgram() { return QStringLiteral(KOLIBRA_TEST_WRITER_CHILD); }

}  // namespace kolibra::editing::testing
