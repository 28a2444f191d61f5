// The chronophotography studio in the window: the studio itself on the video view, its host
// (frames, frame step, colour, save dialog) and the dialog that cuts outlines around the
// marks (its menu item and the studio's others are in MainFormCommands.cpp).

#include "kit/Texts.h"
#include "mainwindow/MainControllerStudio.h"
#include "mainwindow/MainForm.h"
#include "measurement/Data.h"
#include "studio/Studio.h"
#include "videoview/windows/Video.h"

#include <QAction>
#include <QActionGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QMenu>
#include <QSpinBox>

#include <algorithm>
#include <array>

namespace kolibra::mainwindow {

using namespace videoview;

// The window's answers to the studio.
class TMainForm::TStudioHost : public studio::IStudioHost {
 public:
  explicit TStudioHost(TMainForm &form) : Form(form) {}
  bool GrabFrame(QImage &bitmap) override { return Form.FVideo->Model().GrabFrame(bitmap); }
  int FrameStep() const override { return Form.FData->FramesNumberBetweenTwoMarks(); }
  TColor OutlineColor() const override { return Form.FData->ObjectColor(0); }
  bool AskSaveFile(const TSaveFileRequest &request, QString &fileName) override {
    return Form.AskSaveFile(request, fileName);
  }
  void FileSaved(const QString &fileName) override {
    Form.FController->SetRecentFolder(QFileInfo(fileName).absolutePath());
  }

 private:
  TMainForm &Form;
};

void TMainForm::CreateStudio() {
  FStudioHost = std::make_shared<TStudioHost>(*this);
  FStudio = std::make_unique<studio::TStudio>(FVideo->Model(), *FStudioHost, FOptions.get());
  FVideo->Model().SetStudio(FStudio.get());
  FController->SetStudio(FStudio.get());
}

void TMainForm::DestroyStudio() {
  if (FController) FController->SetStudio(nullptr);
  if (FVideo != nullptr) FVideo->Model().SetStudio(nullptr);
  FStudio.reset();
  FStudioHost.reset();
}

void TMainForm::AskOutlinesAroundMarks() {
  TMainStudio *part = FController->Studio();
  if (part == nullptr || !FVideo->Model().IsOpen()) return;
  QDialog dialog(this);
  dialog.setObjectName(QStringLiteral("BoiteContoursMarques"));
  dialog.setWindowTitle(MainFormText::tr("Outlines around the marks"));
  auto *every = new QSpinBox(&dialog);
  every->setObjectName(QStringLiteral("EditEvery"));
  every->setRange(1, 1000);
  every->setValue(FStudioEvery);
  auto *radius = new QSpinBox(&dialog);
  radius->setObjectName(QStringLiteral("EditRadius"));
  radius->setRange(2, 1000);
  radius->setValue(FStudioRadius);
  radius->setSuffix(MainFormText::tr(" pixels"));
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto *layout = new QFormLayout(&dialog);
  layout->addRow(MainFormText::tr("One outline every (frames):"), every);
  layout->addRow(MainFormText::tr("Radius of the disc on the frame:"), radius);
  layout->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return;
  FStudioEvery = every->value();
  FStudioRadius = radius->value();
  part->OutlinesAroundMarks(FStudioEvery, FStudioRadius);
}

}  // namespace kolibra::mainwindow
