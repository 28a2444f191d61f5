#include "kit/TextDecoding.h"

#include <QStringDecoder>
#include <array>

namespace kolibra {

namespace text_decoding {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five unassigned bytes keep
// their Latin-1 control characters so that nothing is lost.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString FromWindows1252(const QByteArray &bytes) {
  QString out(bytes.size(), Qt::Uninitialized);
  QChar *chars = out.data();
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    chars[i] = byte >= 0x80 && byte <= 0x9F ? QChar(kHighControls[byte - 0x80]) : QChar(byte);
  }
  return out;
}

}  // namespace text_decoding

QString DecodeText(const QByteArray &bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.mid(3));
  if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
    QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
    return decoder(bytes.mid(2));
  }
  QStringDecoder utf8(QStringConverter::Utf8);
  const QString text = utf8(bytes);
  if (!utf8.hasError()) return text;
  return text_decoding::FromWindows1252(bytes);
}

}  // namespace kolibra
