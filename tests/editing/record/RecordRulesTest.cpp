// The writing dialog's size rules and summary, and the names of still images.

#include "editing/ImageSeries.h"
#include "editing/RecordDialogModel.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kolibra::editing::testing {
namespace {

using TSide = TBoiteRecordMontageModel::TSide;

TBoiteRecordMontageModel Model(int width, int height) {
  TBoiteRecordMontageModel model;
  model.SetSourceWidth(width);
  model.SetSourceHeight(height);
  return model;
}

TEST(RecordDialogModel, LimitsFollowTheSource) {
  struct TCase {
    int W, H, MinW, MinH;
  };
  for (const TCase c : {TCase{640, 480, 80, 60}, TCase{100, 100, 16, 16}, TCase{1920, 1080, 240, 135}}) {
    TBoiteRecordMontageModel model = Model(c.W, c.H);
    EXPECT_EQ(model.MinWidth(), c.MinW) << c.W;
    EXPECT_EQ(model.MinHeight(), c.MinH) << c.H;
    model.SetEditImages(true);
    model.SetResizeWidth(100000);
    model.SetResizeHeight(1);
    EXPECT_EQ(model.OutputWidth(), 4 * c.W);
    EXPECT_EQ(model.OutputHeight(), c.MinH);
  }
}

TEST(RecordDialogModel, CropsKeepTheMinimum) {
  TBoiteRecordMontageModel model = Model(640, 480);
  model.SetEditImages(true);
  model.SetCropping(true);
  model.SetCrop(TSide::sdLeft, 500);
  EXPECT_EQ(model.CropMax(TSide::sdRight), 60);  // left + right up to 560
  model.SetCrop(TSide::sdRight, 100);
  EXPECT_EQ(model.Crop(TSide::sdRight), 60);
  EXPECT_EQ(model.OutputWidth(), 80);
  model.SetCrop(TSide::sdTop, 1000);
  EXPECT_EQ(model.Crop(TSide::sdTop), 420);  // top + bottom up to 420
  EXPECT_EQ(model.OutputHeight(), 60);
  EXPECT_TRUE(model.CropApplies());
  EXPECT_FALSE(model.ResizeApplies());
  EXPECT_EQ(model.CropLeft(), 500);
  EXPECT_EQ(model.CropTop(), 420);
  // Back to resizing: the crops go, the size is the source's again.
  model.SetCropping(false);
  EXPECT_EQ(model.OutputWidth(), 640);
  EXPECT_EQ(model.CropLeft(), 0);
}

TEST(RecordDialogModel, UnchangedSizeWritesFullFrames) {
  TBoiteRecordMontageModel model = Model(320, 240);
  model.SetEditImages(true);
  EXPECT_FALSE(model.ResizeApplies());
  EXPECT_FALSE(model.CropApplies());
  model.SetResizeWidth(160);
  EXPECT_TRUE(model.ResizeApplies());
  // A new video: "Edit images" unticked, the size of the new frames.
  model.SetSourceWidth(400);
  model.SetSourceHeight(300);
  model.ResetSize();
  EXPECT_FALSE(model.EditImages());
  EXPECT_EQ(model.OutputWidth(), 400);
  EXPECT_EQ(model.OutputHeight(), 300);
}

TEST(RecordDialogModel, SummaryOfEachKind) {
  TBoiteRecordMontageModel model = Model(320, 240);
  model.FrameRate = 30000.0 / 1001.0;
  model.TotalImages = 9;
  model.TotalWithBlanks = 10;
  model.InsertBlanks = true;
  EXPECT_EQ(model.Summary(QString(), QStringLiteral("Video for Windows")),
            (QStringList{QString(), "Video container: AVI", "Image width in pixels: 320", "Image height in pixels: 240",
                         "Frame rate: 30", "Total number of images: 10", "Compression Codec: without",
                         "Framework: Video for Windows", " ", "Missing frames: insert empty frames",
                         "Resized images: no", "Cropped images: no"}));
  EXPECT_EQ(model.Caption(), QStringLiteral("Save edited video to a file"));
  model.Kind = rkVideoToImages;
  EXPECT_EQ(model.Summary(QString(), QString()),
            (QStringList{QString(), "File format: BMP", "Image width in pixels: 320", "Image height in pixels: 240",
                         "Total number of images: 9", "Resized images: no", "Cropped images: no"}));
  model.Kind = rkImagesToVideo;
  model.ImageCount = 3;
  model.FrameRate = 12.5;
  EXPECT_EQ(model.Summary(QStringLiteral("FFV1"), QStringLiteral("FFMpeg")),
            (QStringList{QString(), "Video container: AVI", "Image width in pixels: 320", "Image height in pixels: 240",
                         "Frame rate: 12.5", "Total number of images: 3", "Compression Codec: FFV1",
                         "Framework: FFMpeg"}));
  EXPECT_EQ(model.Caption(), QStringLiteral("Create a video from images"));
}

TEST(StillNames, FinalSuffixOnlyAndEnoughDigits) {
  EXPECT_EQ(StillBaseName(QStringLiteral("/a/bmpshots.bmp")), QStringLiteral("/a/bmpshots"));
  EXPECT_EQ(StillBaseName(QStringLiteral("/a/run.bmp.bmp")), QStringLiteral("/a/run.bmp"));
  EXPECT_EQ(StillBaseName(QStringLiteral("/a.b/run")), QStringLiteral("/a.b/run"));
  for (const auto &[count, digits] : {std::pair{1, 1}, {9, 1}, {10, 2}, {120, 3}, {1000, 4}})
    EXPECT_EQ(StillDigits(count), digits) << count;
  EXPECT_EQ(StillFileName(QStringLiteral("/a/x"), 7, 3), QStringLiteral("/a/x_007.bmp"));
}

TEST(StillNames, SeriesAndNumericOrder) {
  QTemporaryDir dir;
  for (const char *name : {"shot07.bmp", "shot08.bmp", "shot09.bmp", "shot11.bmp", "alone.bmp", "p98.bmp", "p99.bmp",
                           "p100.bmp"}) {
    QFile file(dir.filePath(QLatin1String(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  auto names = [](const QStringList &files) {
    QStringList out;
    for (const QString &f : files) out << QFileInfo(f).fileName();
    return out;
  };
  EXPECT_EQ(names(ImageList({dir.filePath("shot07.bmp")})), (QStringList{"shot07.bmp", "shot08.bmp", "shot09.bmp"}));
  EXPECT_EQ(names(ImageList({dir.filePath("alone.bmp")})), QStringList{"alone.bmp"});
  // A number that needs one more digit is another series.
  EXPECT_EQ(names(ImageList({dir.filePath("p98.bmp")})), (QStringList{"p98.bmp", "p99.bmp"}));
  QStringList chosen{"img10.bmp", "IMG2.bmp", "img1.bmp", "img2a.bmp"};
  SortNumerically(chosen);
  EXPECT_EQ(chosen, (QStringList{"img1.bmp", "IMG2.bmp", "img2a.bmp", "img10.bmp"}));
}

}  // namespace
}  // namespace kolibra::editing::testing
