#include "video/WrapperMessages.h"

#include "kit/Texts.h"

#include <QRegularExpression>
#include <QStringList>

namespace kolibra::video {

namespace wrapper_messages_impl {

// Every sentence of the wrapper, its figures and names as %1, %2.
constexpr const char *Sentences[] = {
    QT_TRANSLATE_NOOP("KlbVffText", "No file name was given."),
    QT_TRANSLATE_NOOP("KlbVffText", "The file does not exist or cannot be reached."),
    QT_TRANSLATE_NOOP("KlbVffText", "This is a folder, not a video file."),
    QT_TRANSLATE_NOOP("KlbVffText", "This is not a video file but a device or a pipe."),
    QT_TRANSLATE_NOOP("KlbVffText", "The file is empty."),
    QT_TRANSLATE_NOOP("KlbVffText", "FFmpeg does not recognise this file as a video (%1)."),
    QT_TRANSLATE_NOOP("KlbVffText", "The streams of this file cannot be read (%1)."),
    QT_TRANSLATE_NOOP("KlbVffText",
                      "No decoder is available for the video codec \"%1\" of this file."),
    QT_TRANSLATE_NOOP("KlbVffText", "The file holds no video stream."),
    QT_TRANSLATE_NOOP(
        "KlbVffText",
        "The frame size announced by the file is missing or not plausible: the file is damaged."),
    QT_TRANSLATE_NOOP(
        "KlbVffText",
        "The frame size %1 x %2 announced by the file is not plausible: the file is damaged."),
    QT_TRANSLATE_NOOP("KlbVffText", "The file does not give its frame rate."),
    QT_TRANSLATE_NOOP("KlbVffText", "The first frame of the file cannot be decoded."),
    QT_TRANSLATE_NOOP("KlbVffText", "The decoder for the codec \"%1\" cannot be started (%2)."),
    QT_TRANSLATE_NOOP("KlbVffText", "The video stream holds no picture."),
    QT_TRANSLATE_NOOP("KlbVffText", "The video stream holds no keyframe to start decoding from."),
    QT_TRANSLATE_NOOP("KlbVffText", "Out of memory."),
    QT_TRANSLATE_NOOP("KlbVffText", "The video cannot be positioned on frame %1."),
    QT_TRANSLATE_NOOP("KlbVffText", "Frame %1 cannot be decoded."),
    QT_TRANSLATE_NOOP("KlbVffText",
                      "The file ends at frame %1: the frames after it are missing or damaged."),
};

// The sentence as a pattern: its text literally, each %n a captured run of characters.
QRegularExpression PatternOf(const QString &sentence) {
  static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
  QString pattern = QStringLiteral("^");
  qsizetype from = 0;
  for (auto it = placeholder.globalMatch(sentence); it.hasNext();) {
    const auto match = it.next();
    pattern += QRegularExpression::escape(sentence.mid(from, match.capturedStart() - from)) +
               QStringLiteral("(.*)");
    from = match.capturedEnd();
  }
  pattern += QRegularExpression::escape(sentence.mid(from)) + QLatin1Char('$');
  return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption);
}

}  // namespace wrapper_messages_impl

QString TranslatedWrapperMessage(const QString &english) {
  using namespace wrapper_messages_impl;
  for (const char *sentence : Sentences) {
    const auto match = PatternOf(QString::fromUtf8(sentence)).match(english);
    if (!match.hasMatch()) continue;
    QString text = KlbVffText::tr(sentence);
    for (int k = 1; k <= match.lastCapturedIndex(); ++k) text = text.arg(match.captured(k));
    return text;
  }
  return english;
}

}  // namespace kolibra::video
