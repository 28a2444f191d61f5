// The montage's two dialog windows offscreen: the combo box takes only what a series may
// hold and Enter presses Ok; the missing frame's arrows move the frame and its texts at once.

#include "editing/MontageFixture.h"
#include "editing/windows/BoiteInstant.h"
#include "support/ModalDialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace kolibra::editing::montage_windows_test {

using kolibra::testing::Child;
using kolibra::testing::WhenShown;

TEST(BoiteBasculer, TypedGroupsCloseTheDialogWithTheirSelection) {
  TBoiteBasculerModel model;
  model.Caption = QStringLiteral("Show or hide a series of images");
  model.Prepare(10);
  WhenShown([](QDialog *form) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Show or hide a series of images"));
    auto *combo = Child<QComboBox>(form, "ComboBoxGroupes");
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->lineEdit()->maxLength(), 100);
    // Letters and commas are ignored; Enter presses "&Ok".
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("2a-4,; 9"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("2-4; 9"));
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
  });
  TBoiteBasculer().Execute(model);
  ASSERT_TRUE(model.Accepted());
  EXPECT_FALSE(model.Action);
  EXPECT_EQ(model.Selection, (std::vector<bool>{false, true, true, true, false, false, false, false, true, false}));
}

class BoiteInstantWindowTest : public testing::MontageFixture {};

TEST_F(BoiteInstantWindowTest, TheArrowsShiftTheFramesAtOnce) {
  ASSERT_TRUE(model.SetMode(videoview::vmMontage));
  GoTo(3);
  TBoiteInstantModel instant(montage, data);
  instant.Caption = QStringLiteral("A frame is missing in the video stream");
  WhenShown([](QDialog *form) {
    auto *arrows = Child<QSpinBox>(form, "UpDown");
    auto *time = Child<QLineEdit>(form, "EditTemps");
    EXPECT_EQ(time->text(), QStringLiteral("0.120 s"));
    arrows->stepUp();
    EXPECT_EQ(time->text(), QStringLiteral("0.160 s"));
    EXPECT_EQ(Child<QLabel>(form, "LabelSuivant")->text(), QStringLiteral("next visible image  t = 0.200 s"));
    arrows->stepDown();
    arrows->stepDown();  // refused: frame 2 stands at 0.08 s
    EXPECT_EQ(time->text(), QStringLiteral("0.120 s"));
    Child<QPushButton>(form, "ButtonOk")->click();
  });
  TBoiteInstant().Execute(instant);
  EXPECT_EQ(montage.MissingFramesCount(), 0);
  EXPECT_EQ(montage.Slot(3), 3);
}

}  // namespace kolibra::editing::montage_windows_test
