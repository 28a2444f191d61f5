#include "VideoTestSupport.h"

#include "video/FFMpegPlay.h"

#include <QTemporaryDir>
#include <cstdlib>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QTextStream>
#include <algorithm>
#include <cstring>

namespace kolibra::video::testing {

QString Fixture(const QString &Name) { return QDir(QStringLiteral(KOLIBRA_TEST_VIDEO_FIXTURES)).filePath(Name); }

QString SharedVideo(const QString &Name) {
  const QString path = QDir(QStringLiteral(KOLIBRA_TEST_SHARED_VIDEOS)).filePath(Name);
  return QFile::exists(path) ? path : QString();
}

QString RealKlbDll() { return QStringLiteral(KOLIBRA_TEST_KLBDLL_DIR); }
QString FakeKlbDll() { return QStringLiteral(KOLIBRA_TEST_FAKE_KLBDLL_DIR); }
QString CliProgram() { return QStringLiteral(KOLIBRA_TEST_CLI); }

QStringList ReferenceMd5(const QString &FrameMd5File) {
  QFile file(FrameMd5File);
  QStringList md5;
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return md5;
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QString line = in.readLine();
    if (line.startsWith(QLatin1Char('#')) || line.trimmed().isEmpty()) continue;
    md5 << line.section(QLatin1Char(','), -1).trimmed();
  }
  return md5;
}

QString FrameMd5(TVideoPlay &Reader) {
  QImage picture(Reader.FrameWidth(), Reader.FrameHeight(), QImage::Format_RGB888);
  if (!Reader.Draw(picture, QRect(0, 0, Reader.FrameWidth(), Reader.FrameHeight()))) return QString();
  QCryptographicHash hash(QCryptographicHash::Md5);
  for (int y = 0; y < picture.height(); ++y) {
    hash.addData(QByteArrayView(reinterpret_cast<const char *>(picture.constScanLine(y)), picture.width() * 3));
  }
  return QString::fromLatin1(hash.result().toHex());
}

QImage Grab(TVideoPlay &Reader) {
  QImage picture(Reader.FrameWidth(), Reader.FrameHeight(), QImage::Format_RGB888);
  if (picture.isNull() || !Reader.Draw(picture, QRect(0, 0, Reader.FrameWidth(), Reader.FrameHeight()))) return QImage();
  return picture;
}

double MeanAbsDiff(const QImage &A, const QImage &B) {
  if (A.isNull() || A.size() != B.size()) return -1.0;
  const QImage a = A.convertToFormat(QImage::Format_RGB888);
  const QImage b = B.convertToFormat(QImage::Format_RGB888);
  int64_t sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    const uchar *p = a.constScanLine(y);
    const uchar *q = b.constScanLine(y);
    for (int x = 0; x < a.width() * 3; ++x) sum += std::abs(int(p[x]) - int(q[x]));
  }
  return double(sum) / (double(a.width()) * a.height() * 3);
}

QList<QImage> FFmpegFrames(const QString &Path) {
  QList<QImage> frames;
  TFFMpegPlay reader(RealKlbDll());
  if (!reader.OpenFile(Path)) return frames;
  for (int i = 0; i < reader.FrameCount(); ++i) {
    reader.SetPosition(i);
    frames << Grab(reader);
  }
  return frames;
}

const QList<QImage> &SourcePictures(const QString &RawFile, int Width, int Height) {
  static QMap<QString, QList<QImage>> loaded;
  if (!loaded.contains(RawFile)) {
    QList<QImage> pictures;
    QFile file(RawFile);
    if (file.open(QIODevice::ReadOnly)) {
      const qint64 bytes = qint64(Width) * Height * 3;
      for (;;) {
        const QByteArray data = file.read(bytes);
        if (data.size() != bytes) break;
        QImage picture(Width, Height, QImage::Format_RGB888);
        for (int y = 0; y < Height; ++y)
          memcpy(picture.scanLine(y), data.constData() + qint64(y) * Width * 3, size_t(Width) * 3);
        pictures << picture;
      }
    }
    loaded.insert(RawFile, pictures);
  }
  return loaded[RawFile];
}

int MostLike(const QImage &Frame, const QList<QImage> &Source, int First, int Last) {
  int best = -1;
  double nearest = 0.0;
  for (int n = std::max(First, 0); n <= std::min<int>(Last, int(Source.size()) - 1); ++n) {
    const double distance = MeanAbsDiff(Frame, Source[n]);
    if (distance >= 0.0 && (best < 0 || distance < nearest)) {
      best = n;
      nearest = distance;
    }
  }
  return best;
}

QString WriteTemp(const QString &Name, const QByteArray &Bytes) {
  static QTemporaryDir folder;
  const QString path = folder.filePath(Name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(Bytes) != Bytes.size()) return QString();
  return path;
}

TScopedEnv::TScopedEnv(const char *Name, const QByteArray &Value)
    : FName(Name), FOld(qgetenv(Name)), FHadOld(qEnvironmentVariableIsSet(Name)) {
  if (Value.isNull()) {
    qunsetenv(Name);
  } else {
    qputenv(Name, Value);
  }
}

TScopedEnv::~TScopedEnv() {
  if (FHadOld) {
    qputenv(FName.constData(), FOld);
  } else {
    qunsetenv(FName.constData());
  }
}

}  // namespace kolibra::video::testing
