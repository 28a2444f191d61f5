// The writing dialog as the user meets it: the tabs and controls of each kind, the codec list
// refilled when the compression page shows, the crop controls and the summary they change.

#include "editing/Montage.h"
#include "editing/windows/BoiteRecordMontage.h"
#include "support/ModalDialogs.h"
#include "videoview/support/VideoFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

namespace kolibra::editing::testing {
namespace {

using kolibra::testing::Child;

class BoiteRecordMontageTest : public videoview::testing::VideoFixture {
 protected:
  BoiteRecordMontageTest() : VideoFixture(10, 640, 480, 25.0) {
    model.SetMontage(&montage);
    OpenVideo();
    writer.PrepareForVideo(rkEditedVideo);
  }
  ~BoiteRecordMontageTest() override { model.SetMontage(nullptr); }

  TMontage montage{model, data, options};
  TRecordMontage writer{model, montage, QString()};
  TBoiteRecordMontage dialog;
};

TEST_F(BoiteRecordMontageTest, EditedVideoCropAndSummary) {
  dialog.OnShown = [&](QWidget *form) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Save edited video to a file"));
    auto *pages = Child<QTabWidget>(form, "PageControl");
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(pages->isTabVisible(i)) << i;
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_FALSE(Child<QCheckBox>(form, "CheckBoxImgInsert")->isHidden());
    EXPECT_TRUE(Child<QWidget>(form, "PanelCadence")->isHidden());
    // The compression page lists "without" first, then what opens at 640 x 480.
    pages->setCurrentIndex(1);
    auto *codecs = Child<QComboBox>(form, "ComboBoxVideoCodec");
    EXPECT_EQ(codecs->itemText(0), QStringLiteral("without"));
    EXPECT_GT(codecs->count(), 1);
    EXPECT_FALSE(Child<QSpinBox>(form, "UpDownCompressionQuality")->isHidden());
    EXPECT_FALSE(Child<QPushButton>(form, "ButtonConf")->isEnabled());
    codecs->setCurrentIndex(1);
    EXPECT_EQ(writer.Codec, codecs->itemText(1));
    // Cropping 100 pixels on the left.
    pages->setCurrentIndex(2);
    EXPECT_FALSE(Child<QRadioButton>(form, "RadioButtonCut")->isEnabled());
    Child<QCheckBox>(form, "CheckBoxChange")->setChecked(true);
    Child<QRadioButton>(form, "RadioButtonCut")->setChecked(true);
    EXPECT_FALSE(Child<QWidget>(form, "PanelCut")->isHidden());
    auto *left = Child<QSpinBox>(form, "UpDownCutLeft");
    EXPECT_EQ(left->maximum(), 560);
    left->setValue(100);
    EXPECT_EQ(Child<QSpinBox>(form, "UpDownCutRight")->maximum(), 460);
    pages->setCurrentIndex(0);
    const QString summary = Child<QPlainTextEdit>(form, "SimMemoResume")->toPlainText();
    EXPECT_TRUE(summary.contains(QStringLiteral("Image width in pixels: 540"))) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("Cropped images: yes"))) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("Compression Codec: ") + codecs->itemText(1))) << summary.toStdString();
    QTimer::singleShot(0, Child<QPushButton>(form, "BitBtnOk"), &QPushButton::click);
  };
  EXPECT_TRUE(dialog.Execute(writer.Dialog, writer));
  EXPECT_EQ(writer.Dialog.OutputWidth(), 540);
  EXPECT_EQ(writer.Dialog.CropLeft(), 100);
}

TEST_F(BoiteRecordMontageTest, StillsShowOnlyTheirPages) {
  writer.PrepareForVideo(rkVideoToImages);
  dialog.OnShown = [&](QWidget *form) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Convert a video file to a sequence of images"));
    auto *pages = Child<QTabWidget>(form, "PageControl");
    EXPECT_TRUE(pages->isTabVisible(0));
    EXPECT_FALSE(pages->isTabVisible(1));
    EXPECT_TRUE(pages->isTabVisible(2));
    EXPECT_FALSE(pages->isTabVisible(3));
    QTimer::singleShot(0, Child<QPushButton>(form, "BitBtnAnnuler"), &QPushButton::click);
  };
  EXPECT_FALSE(dialog.Execute(writer.Dialog, writer));
}

}  // namespace
}  // namespace kolibra::editing::testing
