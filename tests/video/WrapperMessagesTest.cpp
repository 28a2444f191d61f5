// The reader wrapper's English reasons, figures written in, come out in the interface
// language with the same figures; a sentence the table does not know comes back as it was.

#include "kit/Language.h"
#include "video/WrapperMessages.h"

#include <gtest/gtest.h>

namespace kolibra::video {
namespace {

TEST(WrapperMessagesTest, ASentenceIsTranslatedWithItsFiguresKept) {
  // English: the sentences themselves, the figures in place.
  EXPECT_EQ(TranslatedWrapperMessage(QStringLiteral("Frame 12 cannot be decoded.")),
            QStringLiteral("Frame 12 cannot be decoded."));
  ASSERT_TRUE(InstallTranslators(QStringLiteral("fr")));
  const QString frame = TranslatedWrapperMessage(QStringLiteral("Frame 12 cannot be decoded."));
  EXPECT_NE(frame, QStringLiteral("Frame 12 cannot be decoded."));
  EXPECT_TRUE(frame.contains(QStringLiteral("12"))) << frame.toStdString();
  const QString size = TranslatedWrapperMessage(QStringLiteral(
      "The frame size 20000 x 1000 announced by the file is not plausible: the file is damaged."));
  EXPECT_TRUE(size.contains(QStringLiteral("20000")) && size.contains(QStringLiteral("1000")))
      << size.toStdString();
  EXPECT_FALSE(size.startsWith(QStringLiteral("The frame size"))) << size.toStdString();
  // FFmpeg's own reason stays inside the translated sentence.
  const QString unknown =
      TranslatedWrapperMessage(QStringLiteral("FFmpeg does not recognise this file as a video "
                                              "(Invalid data found when processing input)."));
  EXPECT_TRUE(unknown.contains(QStringLiteral("(Invalid data found when processing input)")))
      << unknown.toStdString();
  EXPECT_FALSE(unknown.startsWith(QStringLiteral("FFmpeg does not recognise")))
      << unknown.toStdString();
  // Another version's sentence, and the nearly same sentence, pass through.
  EXPECT_EQ(TranslatedWrapperMessage(QStringLiteral("The moon is in the way.")),
            QStringLiteral("The moon is in the way."));
  EXPECT_EQ(TranslatedWrapperMessage(QStringLiteral("Frame 12 cannot be decoded")),
            QStringLiteral("Frame 12 cannot be decoded"));
  InstallTranslators(QStringLiteral("en"));
}

}  // namespace
}  // namespace kolibra::video
