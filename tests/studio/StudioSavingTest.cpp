// The studio's pictures: the chronophotograph on a background or on white, the current
// frame as a picture, their texts, and writes that fail without losing anything.

#include "studio/support/StudioFixture.h"

#include "studio/Chronophotograph.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/resource.h>

namespace kolibra::studio::testing {
namespace {

class StudioSavingTest : public StudioFixture {
 protected:
  // Three circles of radius 20 on frames 4, 8 and 12, at x = 100, 200, 300.
  void ThreeCircles() {
    for (int frame : {4, 8, 12}) {
      ShowFrame(frame);
      DrawCircle(TPoint(25 * frame, 100), 20);
    }
  }
  QString File(const char *name) const { return QDir(dir.path()).filePath(QString::fromLatin1(name)); }
};

TEST_F(StudioSavingTest, ThreeDiscsOverTheFirstFrameOrOnWhite) {
  ThreeCircles();
  for (bool background : {true, false}) {
    QImage picture;
    ASSERT_TRUE(studio.BuildChronophotograph(background, picture));
    ASSERT_EQ(picture.size(), QSize(640, 480));
    if (background) {
      EXPECT_EQ(view.EditedFrame, 4) << "the view shows the first position";
    }
    for (int frame : {4, 8, 12}) {
      const int x = 25 * frame;
      EXPECT_EQ(picture.pixel(x, 100), PatternPixel(x, 100, frame)) << frame;
      EXPECT_EQ(picture.pixel(x + 19, 100), PatternPixel(x + 19, 100, frame)) << frame;
    }
    // Beside the discs: the first frame, or white.
    const QRgb page = background ? PatternPixel(400, 300, 4) : qRgb(255, 255, 255);
    EXPECT_EQ(picture.pixel(400, 300), page);
    EXPECT_EQ(picture.pixel(200, 125), background ? PatternPixel(200, 125, 4) : qRgb(255, 255, 255));
  }
}

TEST_F(StudioSavingTest, TheChronophotographIsAskedSavedAndTold) {
  ThreeCircles();
  host.Answer = File("chrono.bmp");
  boxes.Answer(0, false);  // no background
  ASSERT_TRUE(studio.MakeChronophotograph());
  ASSERT_EQ(host.Requests.size(), 1u);
  EXPECT_EQ(host.Requests[0].Title, QStringLiteral("Save chronophotography to file"));
  EXPECT_EQ(host.Requests[0].Prefix, QStringLiteral("ChronoPhoto"));
  EXPECT_EQ(host.Requests[0].DefaultExtension, QStringLiteral("bmp"));
  ASSERT_EQ(boxes.Count(), 2);
  EXPECT_EQ(boxes.Requests()[0].CheckBoxText, QStringLiteral("Insert a background image"));
  EXPECT_TRUE(boxes.Requests()[0].CheckBoxChecked);
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("File successfully saved:\n\n") + File("chrono.bmp"));
  EXPECT_EQ(host.Saved, std::vector<QString>{File("chrono.bmp")});
  QImage written(File("chrono.bmp"));
  ASSERT_FALSE(written.isNull());
  QFile raw(File("chrono.bmp"));
  ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
  EXPECT_EQ(raw.read(2), QByteArray("BM"));
  EXPECT_EQ(written.pixel(300, 100), PatternPixel(300, 100, 12));
  EXPECT_EQ(written.pixel(500, 400), qRgb(255, 255, 255));
}

TEST_F(StudioSavingTest, WithoutAnOutlineThereIsNothingToMake) {
  // A completed outline whose frame could not be read adds no object either.
  host.GrabWorks = false;
  DrawCircle(TPoint(100, 100), 20);
  EXPECT_EQ(studio.ClosedCount(), 1);
  EXPECT_FALSE(studio.MakeChronophotograph());
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_EQ(boxes.Last().Icon, icWarning);
  EXPECT_EQ(boxes.Last().Text(),
            QStringLiteral("First draw the outline of an object.\n\nUse the button « Draw the outline of an object »."));
  EXPECT_TRUE(host.Requests.empty());
}

TEST_F(StudioSavingTest, AFailedBackgroundGrabAborts) {
  ThreeCircles();
  host.GrabWorks = false;
  boxes.Answer(0, true);
  EXPECT_FALSE(studio.MakeChronophotograph());
  EXPECT_EQ(boxes.Last().Text(),
            QStringLiteral("Unexpected error detected during the creation of the chronophotography .\n\nAbort"));
  EXPECT_TRUE(host.Requests.empty());
}

TEST_F(StudioSavingTest, TheCurrentFrameAsAPicture) {
  ShowFrame(11);
  host.Answer = File("frame.png");
  ASSERT_TRUE(studio.SaveFrameImage());
  EXPECT_EQ(host.Requests.back().Prefix, QStringLiteral("Image12"));
  EXPECT_EQ(host.Requests.back().Title, QStringLiteral("Save image to file"));
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Saving to an image file complete.\n\nFile extension is PNG."));
  QFile raw(File("frame.png"));
  ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
  EXPECT_EQ(raw.read(4), QByteArray("\x89PNG"));
  EXPECT_EQ(QImage(File("frame.png")).pixel(17, 23), PatternPixel(17, 23, 11));

  host.Answer = File("frame.bmp");
  ASSERT_TRUE(studio.SaveFrameImage());
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Saving to an image file complete.\n\nFile extension is BMP."));

  host.GrabWorks = false;
  EXPECT_FALSE(studio.SaveFrameImage());
  EXPECT_EQ(boxes.Last().Text(), QStringLiteral("Unexpected error detected during image capture.\n\nAbort"));
}

TEST_F(StudioSavingTest, AFailedWriteIsToldAndReplacesNothing) {
  ThreeCircles();
  // A folder that does not exist, and a file-size limit smaller than the picture (a full disk).
  host.Answer = File("missing/chrono.bmp");
  boxes.Answer(0, false);
  EXPECT_FALSE(studio.MakeChronophotograph());
  EXPECT_EQ(boxes.Last().Icon, icWarning);
  EXPECT_TRUE(boxes.Last().Text().contains(QStringLiteral(
      "The file creation in the selected directory has failed.\nCheck your access rights to this directory.")));
  EXPECT_TRUE(host.Saved.empty());

  const QString kept = File("kept.bmp");
  {
    QFile old(kept);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an earlier picture");
  }
  rlimit previous{};
  getrlimit(RLIMIT_FSIZE, &previous);
  rlimit small = previous;
  small.rlim_cur = 4096;
  signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  host.Answer = kept;
  boxes.Answer(0, false);
  const bool made = studio.MakeChronophotograph();
  setrlimit(RLIMIT_FSIZE, &previous);
  EXPECT_FALSE(made);
  QFile old(kept);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), QByteArray("an earlier picture"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.bmp")}) << "no leftover";
}

TEST_F(StudioSavingTest, DiscsAroundPositionsAreCutOnTheirFrames) {
  const std::vector<TStudioDisc> discs = {{3, TPointD(0.25, 0.5), 12.0}, {6, TPointD(0.5, 0.5), 12.0},
                                          {6, TPointD(0.75, 0.5), 12.0}};
  EXPECT_EQ(studio.AddDiscs(discs), 3);
  ASSERT_EQ(studio.Outlines().size(), 2u) << "frame 6 keeps its last disc";
  EXPECT_EQ(studio.Outlines()[1]->ScreenCentre, TPoint(480, 240));
  EXPECT_EQ(studio.Outlines()[1]->Radius, 12);
  QImage picture;
  ASSERT_TRUE(studio.BuildChronophotograph(true, picture));
  EXPECT_EQ(picture.pixel(480, 240), PatternPixel(480, 240, 6));
  EXPECT_EQ(picture.pixel(320, 240), PatternPixel(320, 240, 3)) << "frame 6's first disc was replaced";
  EXPECT_EQ(picture.pixel(160, 240), PatternPixel(160, 240, 3));
}

}  // namespace
}  // namespace kolibra::studio::testing
