// What the video information dialog says, line by line.

#include "settings/VideoProperties.h"

#include "kit/Locale.h"

#include <gtest/gtest.h>
#include <QStringList>

using namespace kolibra;
using namespace kolibra::settings;

namespace {

TVideoProperties Video(double rate, int frames) {
  TVideoProperties v;
  v.FileName = QStringLiteral("/home/ada/Videos/Chute libre.avi");
  v.FrameRate = rate;
  v.FrameWidth = 640;
  v.FrameHeight = 480;
  v.FrameCount = frames;
  v.FrameDuration = 1.0 / rate;
  return v;
}

QStringList TextsOf(const std::vector<TPropertiesLine> &lines) {
  QStringList texts;
  for (const TPropertiesLine &line : lines) texts << line.Text;
  return texts;
}

}  // namespace

TEST(VideoProperties, TwentyFiveFramesPerSecondForTenSeconds) {
  ScopedDecimalSeparator point(QLatin1Char('.'));
  const std::vector<TPropertiesLine> lines = TPropertiesModel::Lines(Video(25.0, 250));
  EXPECT_EQ(TextsOf(lines), (QStringList{QStringLiteral("Information on the video file"), QString(),
                                         QStringLiteral("/home/ada/Videos/Chute libre.avi"), QString(),
                                         QStringLiteral("- Frame rate: 25"),
                                         QStringLiteral("- Image width in pixels: 640"),
                                         QStringLiteral("- Image height in pixels: 480"),
                                         QStringLiteral("- Total number of images: 250"),
                                         QStringLiteral("- Video length: 10 s")}));
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_TRUE(lines[0].Bold);
  EXPECT_TRUE(lines[0].Centred);
  EXPECT_EQ(lines[2].Color, colors::clBlue);
  EXPECT_FALSE(lines[2].Centred);
  for (size_t i = 3; i < lines.size(); ++i) {
    EXPECT_FALSE(lines[i].Bold) << i;
    EXPECT_EQ(lines[i].Color, colors::clBlack) << i;
  }
}

TEST(VideoProperties, ThreeSignificantDigitsWithTheRegionalSeparator) {
  ScopedDecimalSeparator comma(QLatin1Char(','));
  struct Row {
    double Rate;
    int Frames;
    const char *RateLine, *LengthLine;
  };
  const Row rows[] = {
      {29.97, 300, "- Frame rate: 30", "- Video length: 10 s"},
      {12.5, 5, "- Frame rate: 12,5", "- Video length: 0,4 s"},
      {30.0, 36000, "- Frame rate: 30", "- Video length: 1,2E3 s"},
      {1000.0, 7, "- Frame rate: 1E3", "- Video length: 0,007 s"},
  };
  for (const Row &row : rows) {
    const QStringList texts = TextsOf(TPropertiesModel::Lines(Video(row.Rate, row.Frames)));
    EXPECT_EQ(texts.at(4), QString::fromLatin1(row.RateLine));
    EXPECT_EQ(texts.at(8), QString::fromLatin1(row.LengthLine));
  }
}

TEST(VideoProperties, NothingToShowWithoutAFrameDuration) {
  EXPECT_TRUE(TPropertiesModel::CanShow(Video(25.0, 1)));
  EXPECT_FALSE(TPropertiesModel::CanShow(TVideoProperties{}));
  EXPECT_EQ(TPropertiesModel::DefaultCaption(), QStringLiteral("Properties"));
  EXPECT_EQ(TPropertiesModel::TextRect(TPropertiesModel::FormSize), QRect(12, 14, 296, 222));
}
