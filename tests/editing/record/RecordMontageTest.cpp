// The edited video, the stills and the video from stills, read back from the files. The
// reader double paints frame f with blue = f and (red, green) = (x, y), so every picture read
// back says which frame it was and which part of it was kept; uncompressed files give the
// values exactly.

#include "editing/ImageSeries.h"
#include "editing/Montage.h"
#include "editing/RecordMontage.h"
#include "kit/IniFile.h"
#include "video/VideoSources.h"
#include "videoview/support/VideoFixture.h"

#include <QDir>
#include <QFile>

namespace kolibra::editing::testing {
namespace {

using videoview::testing::TStubReader;

// Frames of a file as Kolibra's own reader draws them.
std::vector<QImage> ReadBack(const QString &file, double *rate = nullptr) {
  std::vector<QImage> frames;
  video::TVideoSources sources;
  if (!sources.Open(file)) {
    ADD_FAILURE() << "cannot read back " << file.toStdString() << ": " << sources.OpenErrorText().toStdString();
    return frames;
  }
  video::TVideoPlay *reader = sources.Active();
  if (rate != nullptr) *rate = reader->FrameRate();
  for (int i = 0; i < reader->FrameCount(); ++i) {
    reader->SetPosition(i);
    QImage picture(reader->FrameWidth(), reader->FrameHeight(), QImage::Format_RGB888);
    EXPECT_TRUE(reader->Draw(picture, picture.rect()));
    frames.push_back(picture);
  }
  return frames;
}

// What each frame read back shows: its frame number, or -1 for a grey blank.
std::vector<int> FrameNumbers(const std::vector<QImage> &frames) {
  std::vector<int> numbers;
  for (const QImage &frame : frames) {
    const QColor c = frame.pixelColor(frame.width() / 2, frame.height() / 2);
    numbers.push_back(c == QColor(192, 192, 192) ? -1 : c.blue());
  }
  return numbers;
}

// A reader double whose draw fails on one frame.
class TFailingReader : public TStubReader {
 public:
  using TStubReader::TStubReader;
  int FailAt = -1;

 protected:
  const QImage *FetchFrame() override { return Position() == FailAt ? nullptr : TStubReader::FetchFrame(); }
};

class RecordFixture : public videoview::testing::VideoFixture {
 protected:
  explicit RecordFixture(int frames = 10, double rate = 25.0) : VideoFixture(frames, 320, 240, rate) {
    model.SetMontage(&montage);
    data.SetTimeShifts(&montage);
    model.SetWriter(&writer);
    OpenVideo();
    out = dir.filePath(QStringLiteral("out.avi"));
  }
  ~RecordFixture() override {
    model.SetWriter(nullptr);
    model.SetMontage(nullptr);
    data.SetTimeShifts(nullptr);
  }
  void Edit() { ASSERT_TRUE(model.SetMode(videoview::vmMontage)); }
  QStringList Files() const {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
  }
  bool Write() {
    writer.PrepareForVideo(rkEditedVideo);
    return writer.WriteEditedVideo(out);
  }

  TMontage montage{model, data, options};
  TRecordMontage writer{model, montage, QString()};
  QString out;
};

struct TMontageCase {
  const char *Name;
  std::vector<int> Hidden;
  int ShiftAt;  // -1: none; else +1 slot from this frame on
  bool Blanks;
  std::vector<int> Expected;
};

class EditedVideoTest : public RecordFixture, public ::testing::WithParamInterface<TMontageCase> {};

TEST_P(EditedVideoTest, WritesTheKeptFramesAtTheirSlots) {
  const TMontageCase &c = GetParam();
  Edit();
  for (int frame : c.Hidden) ASSERT_TRUE(montage.SetKept(frame, false));
  if (c.ShiftAt >= 0) {
    model.SetFrame(c.ShiftAt);
    ASSERT_TRUE(montage.ShiftFromCurrent(1));
  }
  model.SetFrame(3);
  writer.PrepareForVideo(rkEditedVideo);
  writer.Dialog.InsertBlanks = c.Blanks;
  std::vector<int> progress;
  writer.OnProgress = [&progress](int p) { progress.push_back(p); };
  ASSERT_TRUE(writer.WriteEditedVideo(out)) << writer.ErrorText.toStdString();
  EXPECT_EQ(FrameNumbers(ReadBack(out)), c.Expected);
  // The view is back where the user left it, and nothing but the video is in the folder.
  EXPECT_EQ(model.CurrentFrame(), 3);
  EXPECT_EQ(Files(), QStringList{QStringLiteral("out.avi")});
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.back(), 101);
  EXPECT_FALSE(writer.Writing());
}

INSTANTIATE_TEST_SUITE_P(
    Montages, EditedVideoTest,
    ::testing::Values(TMontageCase{"AllKept", {}, -1, false, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
                      TMontageCase{"FourHidden", {4}, -1, false, {0, 1, 2, 3, 5, 6, 7, 8, 9}},
                      TMontageCase{"ShiftWithoutBlanks", {4}, 6, false, {0, 1, 2, 3, 5, 6, 7, 8, 9}},
                      TMontageCase{"ShiftWithBlank", {4}, 6, true, {0, 1, 2, 3, 5, -1, 6, 7, 8, 9}},
                      // The last kept frame follows a hidden one: it is written all the same.
                      TMontageCase{"LastAfterHidden", {8}, -1, false, {0, 1, 2, 3, 4, 5, 6, 7, 9}},
                      TMontageCase{"FirstHiddenShifted", {0, 1}, 2, true, {-1, 2, 3, 4, 5, 6, 7, 8, 9}}),
    [](const auto &info) { return std::string(info.param.Name); });

TEST_F(RecordFixture, ResizesAndCropsTheWholeFrame) {
  writer.PrepareForVideo(rkEditedVideo);
  writer.Dialog.SetEditImages(true);
  writer.Dialog.SetCropping(true);
  writer.Dialog.SetCrop(TBoiteRecordMontageModel::sdLeft, 10);
  writer.Dialog.SetCrop(TBoiteRecordMontageModel::sdTop, 20);
  writer.Dialog.SetCrop(TBoiteRecordMontageModel::sdRight, 50);
  writer.Dialog.SetCrop(TBoiteRecordMontageModel::sdBottom, 40);
  ASSERT_TRUE(writer.WriteEditedVideo(out)) << writer.ErrorText.toStdString();
  std::vector<QImage> frames = ReadBack(out);
  ASSERT_EQ(frames.size(), 10u);
  EXPECT_EQ(frames[7].size(), QSize(260, 180));
  // The pixel at (0, 0) of the output is (10, 20) of frame 7.
  EXPECT_EQ(frames[7].pixelColor(0, 0), QColor(10, 20, 7));
  EXPECT_EQ(frames[7].pixelColor(259, 179), QColor(269 % 256, 199, 7));

  const QString resized = dir.filePath(QStringLiteral("resized.avi"));
  writer.Dialog.SetCropping(false);
  writer.Dialog.SetResizeWidth(160);
  writer.Dialog.SetResizeHeight(120);
  ASSERT_TRUE(writer.WriteEditedVideo(resized)) << writer.ErrorText.toStdString();
  frames = ReadBack(resized);
  ASSERT_EQ(frames.size(), 10u);
  EXPECT_EQ(frames[2].size(), QSize(160, 120));
  // Stretched whole: the right edge of the output shows the right edge of the frame.
  EXPECT_NEAR(frames[2].pixelColor(100, 60).red(), 200, 2);
  EXPECT_NEAR(frames[2].pixelColor(100, 60).green(), 120, 2);
  EXPECT_EQ(frames[2].pixelColor(80, 60).blue(), 2);
}

class RateTest : public RecordFixture, public ::testing::WithParamInterface<std::pair<double, double>> {
 protected:
  RateTest() : RecordFixture(4, GetParam().first) {}
};

TEST_P(RateTest, KeepsTheSourceRate) {
  ASSERT_TRUE(Write()) << writer.ErrorText.toStdString();
  double rate = 0.0;
  EXPECT_EQ(ReadBack(out, &rate).size(), 4u);
  EXPECT_DOUBLE_EQ(rate, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Rates, RateTest,
                         ::testing::Values(std::pair{25.0, 25.0}, std::pair{30000.0 / 1001.0, 30000.0 / 1001.0},
                                           std::pair{240.0, 240.0}, std::pair{1920.0, 1920.0}));

TEST_F(RecordFixture, RefusesWhatWouldLoseAFile) {
  // An existing target is left as it was.
  QFile existing(out);
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.write("keep me");
  existing.close();
  EXPECT_FALSE(Write());
  EXPECT_EQ(writer.ErrorText, QStringLiteral("A file with this name already exists in the selected directory."));
  ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
  EXPECT_EQ(existing.readAll(), QByteArray("keep me"));
  existing.close();
  // The open video is never the target, even when it does not exist on the disk yet.
  writer.PrepareForVideo(rkEditedVideo);
  EXPECT_FALSE(writer.WriteEditedVideo(model.VideoFileName()));
  EXPECT_EQ(writer.ErrorText, QStringLiteral("This file is the open video: choose a different file name."));
  // A codec that does not open fails before any file is made.
  writer.Codec = QStringLiteral("no-such-codec");
  EXPECT_FALSE(writer.WriteEditedVideo(dir.filePath(QStringLiteral("codec.avi"))));
  EXPECT_FALSE(writer.ErrorText.isEmpty());
  EXPECT_EQ(Files(), QStringList{QStringLiteral("out.avi")});
}

TEST_F(RecordFixture, AFailedDrawStopsAndLeavesNothing) {
  auto failing = std::make_unique<TFailingReader>(10, 320, 240, 25.0);
  failing->FailAt = 6;
  model.SetReader(video::fwFFMpeg, std::move(failing));
  OpenVideo();
  model.SetFrame(2);
  EXPECT_FALSE(Write());
  EXPECT_EQ(writer.ErrorText, QStringLiteral("The video playback was interrupted."));
  EXPECT_TRUE(Files().isEmpty()) << Files().join(QLatin1Char(' ')).toStdString();
  EXPECT_EQ(model.CurrentFrame(), 2);
  EXPECT_FALSE(writer.Writing());
}

TEST_F(RecordFixture, CancelRemovesTheTemporaryFile) {
  writer.OnProgress = [this](int percent) {
    if (percent >= 50 && percent <= 100) writer.Cancel();
  };
  EXPECT_FALSE(Write());
  EXPECT_TRUE(writer.Cancelled());
  EXPECT_EQ(writer.ErrorText, QStringLiteral("Process cancelled"));
  EXPECT_TRUE(Files().isEmpty()) << Files().join(QLatin1Char(' ')).toStdString();
}

TEST_F(RecordFixture, ThePlaybackInterruptionStopsOnlyAWritingRun) {
  writer.PlaybackInterrupted();
  EXPECT_TRUE(writer.ErrorText.isEmpty());
  Edit();
  writer.OnProgress = [this](int percent) {
    if (percent == 30) reader->FailNextSeek(QStringLiteral("seek failed"));
  };
  EXPECT_FALSE(Write());
  EXPECT_EQ(writer.ErrorText, QStringLiteral("The video playback was interrupted."));
  EXPECT_TRUE(Files().isEmpty());
}

TEST_F(RecordFixture, StillsAreTheKeptFramesNumbered) {
  Edit();
  ASSERT_TRUE(montage.SetKept(1, false));
  const QString base = dir.filePath(QStringLiteral("shots"));
  writer.PrepareForVideo(rkVideoToImages);
  ASSERT_TRUE(writer.WriteStills(base, false)) << writer.ErrorText.toStdString();
  ASSERT_EQ(writer.WrittenStills.size(), 9);
  EXPECT_EQ(QFileInfo(writer.WrittenStills.first()).fileName(), QStringLiteral("shots_0.bmp"));
  EXPECT_EQ(QFileInfo(writer.WrittenStills.last()).fileName(), QStringLiteral("shots_8.bmp"));
  EXPECT_EQ(QImage(writer.WrittenStills[1]).pixelColor(5, 6), QColor(5, 6, 2));
  EXPECT_EQ(QImage(writer.WrittenStills[8]).pixelColor(5, 6), QColor(5, 6, 9));
  // Existing pictures are not replaced without the user's word.
  QFile::remove(writer.WrittenStills[3]);
  const QDateTime before = QFileInfo(writer.WrittenStills[0]).lastModified();
  EXPECT_FALSE(writer.WriteStills(base, false));
  EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("shots_3.bmp"))));
  EXPECT_EQ(QFileInfo(dir.filePath(QStringLiteral("shots_0.bmp"))).lastModified(), before);
  EXPECT_TRUE(writer.WriteStills(base, true));
  EXPECT_EQ(Files().size(), 9);
}

TEST_F(RecordFixture, ImagesMakeAVideoOfTheirSize) {
  QStringList images;
  for (int i = 0; i < 3; ++i) {
    QImage picture(64, 48, QImage::Format_RGB888);
    picture.fill(QColor(10 * i, 100, 200));
    images << dir.filePath(QStringLiteral("img%1.bmp").arg(i));
    ASSERT_TRUE(picture.save(images.back()));
  }
  writer.Dialog.FrameRate = 12.5;
  ASSERT_TRUE(writer.WriteImages(images, out)) << writer.ErrorText.toStdString();
  double rate = 0.0;
  const std::vector<QImage> frames = ReadBack(out, &rate);
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_DOUBLE_EQ(rate, 12.5);
  EXPECT_EQ(frames[2].size(), QSize(64, 48));
  EXPECT_EQ(frames[2].pixelColor(3, 3), QColor(20, 100, 200));

  // An image of another size ends the run: no video, the images untouched.
  QImage(32, 32, QImage::Format_RGB888).save(dir.filePath(QStringLiteral("small.bmp")));
  images << dir.filePath(QStringLiteral("small.bmp"));
  EXPECT_FALSE(writer.WriteImages(images, dir.filePath(QStringLiteral("two.avi"))));
  EXPECT_TRUE(writer.ErrorText.contains(QStringLiteral("32 x 32"))) << writer.ErrorText.toStdString();
  EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("two.avi"))));
  // No rate, no video; and an existing target is refused as for the edited video.
  writer.Dialog.FrameRate = 0.0;
  EXPECT_FALSE(writer.WriteImages(images.mid(0, 3), dir.filePath(QStringLiteral("three.avi"))));
  writer.Dialog.FrameRate = 25.0;
  EXPECT_FALSE(writer.WriteImages(images.mid(0, 3), out));
  EXPECT_EQ(Files().size(), 5);
}

TEST_F(RecordFixture, MarksAreDrawnOnlyWhenAsked) {
  // A mark of the fixed axes at the middle of frame 5.
  model.SetFrame(5);
  data.FixedMarks().SetCurrentMarkOrderNumber(0);
  data.FixedMarks().PointMark(TPointD(0.5, 0.5));
  auto changedNearTheMark = [](const QImage &frame, int number) {
    int changed = 0;
    for (int y = 110; y < 130; ++y)
      for (int x = 150; x < 170; ++x) changed += frame.pixelColor(x, y) != QColor(x, y, number);
    return changed;
  };
  ASSERT_TRUE(Write());
  std::vector<QImage> frames = ReadBack(out);
  ASSERT_EQ(frames.size(), 10u);
  EXPECT_EQ(changedNearTheMark(frames[5], 5), 0);
  writer.PrepareForVideo(rkEditedVideo);
  writer.Dialog.DrawMarks = true;
  const QString marked = dir.filePath(QStringLiteral("marked.avi"));
  ASSERT_TRUE(writer.WriteEditedVideo(marked));
  frames = ReadBack(marked);
  ASSERT_EQ(frames.size(), 10u);
  EXPECT_GT(changedNearTheMark(frames[5], 5), 5);
  // As in the view, where the marks of every frame stay drawn (the trajectory).
  EXPECT_GT(changedNearTheMark(frames[3], 3), 5);
}

// The windows' part answered by a script: the dialog accepted, the file names given in turn.
class TScriptedHost : public IRecordHost {
 public:
  bool ShowSettings(TBoiteRecordMontageModel &, TRecordMontage &) override {
    ++Settings;
    return AcceptSettings;
  }
  bool AskSaveFile(const TSaveFileRequest &request, QString &fileName) override {
    Requests.push_back(request);
    if (Names.isEmpty()) return false;
    fileName = Names.takeFirst();
    return true;
  }
  bool AskImageFiles(const TSaveFileRequest &, QStringList &files) override {
    files = Images;
    return !files.isEmpty();
  }
  QString RecentFolder() const override { return Recent; }
  void SetRecentFolder(const QString &folder) override { Recent = folder; }

  bool AcceptSettings = true;
  int Settings = 0;
  QStringList Names;
  QStringList Images;
  QString Recent;
  std::vector<TSaveFileRequest> Requests;
};

TEST_F(RecordFixture, TheSaveDialogComesBackForAnExistingName) {
  QFile(out).open(QIODevice::WriteOnly);
  TScriptedHost host;
  host.Names = {out, dir.filePath(QStringLiteral("second"))};
  ASSERT_TRUE(writer.SaveEditedVideo(host)) << writer.ErrorText.toStdString();
  // The warning, then a second dialog in the folder of the name refused; ".avi" appended.
  ASSERT_EQ(host.Requests.size(), 2u);
  EXPECT_EQ(host.Requests[0].Title, QStringLiteral("Save a video file"));
  EXPECT_EQ(host.Requests[0].BaseName, QStringLiteral("EditedVideo"));
  EXPECT_FALSE(host.Requests[0].ConfirmOverwrite);
  EXPECT_EQ(host.Requests[1].Folder, dir.path());
  ASSERT_EQ(boxes.Count(), 1);
  EXPECT_TRUE(boxes.Last().Text().contains(QStringLiteral("A file with this name already exists"))) << boxes.Last().Text().toStdString();
  EXPECT_EQ(writer.OutputFile, dir.filePath(QStringLiteral("second.avi")));
  EXPECT_EQ(ReadBack(writer.OutputFile).size(), 10u);
  EXPECT_EQ(QFileInfo(out).size(), 0);
  // Cancelling the writing dialog ends the command without a word.
  host.AcceptSettings = false;
  EXPECT_FALSE(writer.SaveEditedVideo(host));
  EXPECT_EQ(boxes.Count(), 1);
}

TEST_F(RecordFixture, StillsAskBeforeReplacing) {
  TScriptedHost host;
  host.Names = {dir.filePath(QStringLiteral("bmpshots.bmp"))};
  ASSERT_TRUE(writer.VideoToImages(host));
  EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("bmpshots_00.bmp"))));
  // Again: the user is asked, and "No" leaves the pictures as they were.
  QFile::remove(dir.filePath(QStringLiteral("bmpshots_04.bmp")));
  host.Names = {dir.filePath(QStringLiteral("bmpshots.bmp"))};
  boxes.Answer(0);
  EXPECT_FALSE(writer.VideoToImages(host));
  EXPECT_EQ(boxes.Last().Buttons, (QStringList{QStringLiteral("No"), QStringLiteral("Yes")}));
  EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("bmpshots_04.bmp"))));
  host.Names = {dir.filePath(QStringLiteral("bmpshots.bmp"))};
  boxes.Answer(1);
  EXPECT_TRUE(writer.VideoToImages(host));
  EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("bmpshots_04.bmp"))));
}

TEST_F(RecordFixture, ImagesToVideoThroughEachFrameworkKeepsTheUsersNames) {
  QStringList images;
  for (const char *name : {"b.bmp", "a.bmp", "c10.bmp"}) {
    QImage picture(64, 48, QImage::Format_RGB888);
    picture.fill(Qt::darkCyan);
    images << dir.filePath(QLatin1String(name));
    ASSERT_TRUE(picture.save(images.back()));
  }
  const QStringList before = Files();
  writer.ShowImagesTip = false;
  for (video::TFramework framework : writer.Writers().Frameworks()) {
    writer.Framework = framework;
    writer.Dialog.FrameRate = 10.0;
    TScriptedHost host;
    host.Images = images;
    const QString target = dir.filePath(QStringLiteral("assembly%1.avi").arg(int(framework)));
    host.Names = {target};
    ASSERT_TRUE(writer.ImagesToVideo(host)) << writer.ErrorText.toStdString();
    EXPECT_EQ(host.Requests.back().BaseName, QStringLiteral("Assembly"));
    EXPECT_EQ(ReadBackVideo(target).Frames, 3) << int(framework);
    // The images in number order, never renamed.
    EXPECT_EQ(QFileInfo(writer.ImageFiles.first()).fileName(), QStringLiteral("a.bmp"));
    for (const QString &file : before) EXPECT_TRUE(QFileInfo::exists(dir.filePath(file))) << file.toStdString();
  }
}

TEST_F(RecordFixture, SettingsGoToTheOptionsFile) {
  const QString ini = dir.filePath(QStringLiteral("Record.ini"));
  {
    TRecordMontage first(model, montage, ini);
    EXPECT_FALSE(first.WriteSettings());  // not read in this run: the file is left alone
    first.ReadSettings();
    first.Framework = video::fwDS;
    first.Codec.clear();
    EXPECT_TRUE(first.WriteSettings());
  }
  TRecordMontage second(model, montage, ini);
  second.ReadSettings();
  EXPECT_EQ(second.SavedFramework(), QStringLiteral("DirectShow"));
  second.ApplySavedSettings();
  EXPECT_EQ(second.Framework, video::fwDS);
  EXPECT_TRUE(second.Codec.isEmpty());

  TIniFile file(ini);
  file.WriteString(QStringLiteral("Montage"), QStringLiteral("Framework"), QStringLiteral("Nothing"));
  file.WriteString(QStringLiteral("Montage"), QStringLiteral("Codec"), QStringLiteral("Nothing"));
  ASSERT_TRUE(file.UpdateFile());
  TRecordMontage third(model, montage, ini);
  third.ReadSettings();
  third.ApplySavedSettings();
  EXPECT_EQ(third.Framework, video::fwVfw);
  EXPECT_TRUE(third.Codec.isEmpty());
}

}  // namespace
}  // namespace kolibra::editing::testing
