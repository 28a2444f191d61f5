// Replays the AVI fuzzer's seed corpus, with the inputs it found, so that every build checks
// them without clang or libFuzzer: the parser's invariants, then the whole AVI reader, decoders
// included, on each file.

#include "AviFuzzCheck.h"
#include "VideoTestSupport.h"
#include "video/VfwPlay.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

namespace kolibra::video {
namespace {

TEST(AviCorpusTest, EveryInputKeepsTheInvariantsAndReadsSafely) {
  const QDir corpus(QStringLiteral(KOLIBRA_VIDEO_AVI_CORPUS));
  const QStringList files = corpus.entryList(QDir::Files, QDir::Name);
  ASSERT_GE(files.size(), 20) << "corpus missing at " << corpus.path().toStdString();
  int opened = 0;
  for (const QString &name : files) {
    SCOPED_TRACE(name.toStdString());
    QFile file(corpus.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(avi::fuzzing::CheckAvi(bytes).toStdString(), "");
    TVfwPlay reader;
    reader.SetFileName(testing::WriteTemp(QStringLiteral("corpus.avi"), bytes));
    if (!reader.Opened()) {
      EXPECT_FALSE(reader.ErrorText().isEmpty());
      continue;
    }
    ++opened;
    for (int i : {reader.FrameCount() - 1, 0, reader.FrameCount() / 2, 1}) {
      reader.SetPosition(i);
      QImage picture(reader.FrameWidth(), reader.FrameHeight(), QImage::Format_RGB888);
      reader.Draw(picture, QRect(0, 0, reader.FrameWidth(), reader.FrameHeight()));
    }
  }
  // The seeds are real files: most of them open.
  EXPECT_GE(opened, 10);
}

}  // namespace
}  // namespace kolibra::video
