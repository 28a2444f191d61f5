#include "VideoTestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextStream>

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
