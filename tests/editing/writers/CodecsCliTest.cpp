// kolibra-cli codecs as a script runs it: the names a later --codec takes, one per line.

#include "WriterTestSupport.h"
#include "support/RunProgram.h"

#include <gtest/gtest.h>

namespace kolibra::editing {
namespace {

using TRun = kolibra::testing::TProgramRun;

TRun RunCli(const QStringList &Arguments) {
  return kolibra::testing::RunProgram(testing::CliProgram(), Arguments, [](QProcessEnvironment &env) {
    env.remove(QStringLiteral("KOLIBRA_KLBDLL_DIR"));  // it must find its own "KlbDll"
  });
}

TEST(CodecsCli, ListsWhatEachFrameworkOffersAtTheSize) {
  const TRun vfw = RunCli({QStringLiteral("codecs"), QStringLiteral("--size"), QStringLiteral("640x480")});
  ASSERT_EQ(vfw.Status, 0) << vfw.Err.toStdString();
  EXPECT_EQ(vfw.Out, QStringLiteral("without\nMotion JPEG\nMPEG-4 part 2\nH.264\nHuffYUV\nUt Video\nFFV1\n"));
  // Odd sizes keep H.264: it writes the even size below.
  const TRun odd = RunCli({QStringLiteral("codecs"), QStringLiteral("--framework"), QStringLiteral("vfw"),
                           QStringLiteral("--size"), QStringLiteral("65x49")});
  EXPECT_EQ(odd.Out, vfw.Out);

  const TRun ffmpeg = RunCli({QStringLiteral("codecs"), QStringLiteral("--framework"), QStringLiteral("ffmpeg"),
                              QStringLiteral("--size"), QStringLiteral("320x240")});
  ASSERT_EQ(ffmpeg.Status, 0) << ffmpeg.Err.toStdString();
  EXPECT_EQ(ffmpeg.Out, QStringLiteral("without\nFFMpeg internal MPEG4 codec\n"));

  const TRun ds = RunCli({QStringLiteral("codecs"), QStringLiteral("--framework"), QStringLiteral("ds"),
                          QStringLiteral("--size"), QStringLiteral("320x240")});
  ASSERT_EQ(ds.Status, 0) << ds.Err.toStdString();
  const QStringList names = ds.Out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_FALSE(names.isEmpty());
  EXPECT_EQ(names.front(), QStringLiteral("without"));
  EXPECT_TRUE(names.contains(QStringLiteral("x264 H.264 Encoder"))) << ds.Out.toStdString();
  EXPECT_TRUE(names.contains(QStringLiteral("JPEG image encoder"))) << ds.Out.toStdString();
  // DV takes 720 x 576 or 720 x 480 only.
  EXPECT_FALSE(names.contains(QStringLiteral("libav DV (Digital Video) encoder")));
}

TEST(CodecsCli, BadInputIsExplained) {
  const struct {
    QStringList Arguments;
    const char *Says;
  } cases[] = {
      {{QStringLiteral("codecs")}, "Usage: kolibra-cli codecs"},
      {{QStringLiteral("codecs"), QStringLiteral("--size"), QStringLiteral("640")}, "WIDTHxHEIGHT"},
      {{QStringLiteral("codecs"), QStringLiteral("--size"), QStringLiteral("0x480")}, "WIDTHxHEIGHT"},
      {{QStringLiteral("codecs"), QStringLiteral("--size"), QStringLiteral("64x48"), QStringLiteral("--framework"),
        QStringLiteral("qt")},
       "Unknown framework: qt"},
  };
  for (const auto &c : cases) {
    const TRun run = RunCli(c.Arguments);
    EXPECT_EQ(run.Status, 1) << c.Arguments.join(' ').toStdString();
    EXPECT_TRUE(run.Err.contains(QLatin1String(c.Says))) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.isEmpty());
  }
}

}  // namespace
}  // namespace kolibra::editing
