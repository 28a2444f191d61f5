// The chronophotography studio in the window: the studio itself on the video view, its host
// (frames, frame step, colour, save dialog), its menu items in studio mode and the dialog that
// cuts outlines around the marks.

#include "mainwindow/MainControllerStudio.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainTexts.h"
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

struct TMainForm::TStudioMenus {
  QMenu *Shape = nullptr;
  std::array<QAction *, 3> Shapes{};
  QAction *AroundMarks = nullptr;
  QAction *EraseOutline = nullptr;
  QAction *EraseAll = nullptr;
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

void TMainForm::CreateStudioMenus() {
  FStudioMenus = std::make_shared<TStudioMenus>();
  TStudioMenus &m = *FStudioMenus;
  const auto part = [this] { return FController->Studio(); };

  m.Shape = FMenuMesures->addMenu(MainTr("Outline shape"));
  m.Shape->setObjectName(QStringLiteral("MenuStudioForme"));
  auto *shapes = new QActionGroup(m.Shape);
  const char *names[] = {"MenuStudioFormeLibre", "MenuStudioFormePolygone", "MenuStudioFormeCercle"};
  const char *texts[] = {QT_TRANSLATE_NOOP("TMainForm", "free"), QT_TRANSLATE_NOOP("TMainForm", "broken line"),
                         QT_TRANSLATE_NOOP("TMainForm", "circle")};
  for (int shape = studio::osFree; shape <= studio::osCircle; ++shape) {
    QAction *item = m.Shape->addAction(MainTr(texts[shape]));
    item->setObjectName(QLatin1String(names[shape]));
    item->setCheckable(true);
    shapes->addAction(item);
    connect(item, &QAction::triggered, this, [part, shape] {
      if (TMainStudio *studio = part()) studio->SetShape(shape);
    });
    m.Shapes[size_t(shape)] = item;
  }
  m.AroundMarks = FMenuMesures->addAction(MainTr("Outlines around the marks..."), this, [this] { AskOutlinesAroundMarks(); });
  m.AroundMarks->setObjectName(QStringLiteral("MenuStudioMarques"));

  m.EraseOutline = FMenuAffichage->addAction(MainTr("Erase the outline of this frame"), this, [part] {
    if (TMainStudio *studio = part()) studio->DeleteCurrent();
  });
  m.EraseOutline->setObjectName(QStringLiteral("MenuStudioEffacerContour"));
  m.EraseAll = FMenuAffichage->addAction(MainTr("Erase all the outlines"), this, [part] {
    if (TMainStudio *studio = part()) studio->Clear();
  });
  m.EraseAll->setObjectName(QStringLiteral("MenuStudioEffacerTout"));
}

void TMainForm::UpdateStudioMenus() {
  if (!FStudioMenus || !FStudio) return;
  TStudioMenus &m = *FStudioMenus;
  const bool studio = FVideo->Model().Mode() == vmStudio;
  const bool open = FVideo->Model().IsOpen();
  m.Shape->menuAction()->setVisible(studio);
  m.Shape->menuAction()->setEnabled(open);
  m.Shapes[size_t(std::clamp(FStudio->Shape(), 0, 2))]->setChecked(true);
  m.AroundMarks->setVisible(studio);
  m.AroundMarks->setEnabled(open);
  m.EraseOutline->setVisible(studio);
  m.EraseOutline->setEnabled(open && FStudio->CurrentClosed());
  m.EraseAll->setVisible(studio);
  m.EraseAll->setEnabled(open && !FStudio->Outlines().empty());
}

void TMainForm::AskOutlinesAroundMarks() {
  TMainStudio *part = FController->Studio();
  if (part == nullptr || !FVideo->Model().IsOpen()) return;
  QDialog dialog(this);
  dialog.setObjectName(QStringLiteral("BoiteContoursMarques"));
  dialog.setWindowTitle(MainTr("Outlines around the marks"));
  auto *every = new QSpinBox(&dialog);
  every->setObjectName(QStringLiteral("EditEvery"));
  every->setRange(1, 1000);
  every->setValue(FStudioEvery);
  auto *radius = new QSpinBox(&dialog);
  radius->setObjectName(QStringLiteral("EditRadius"));
  radius->setRange(2, 1000);
  radius->setValue(FStudioRadius);
  radius->setSuffix(MainTr(" pixels"));
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto *layout = new QFormLayout(&dialog);
  layout->addRow(MainTr("One outline every (frames):"), every);
  layout->addRow(MainTr("Radius of the disc on the frame:"), radius);
  layout->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return;
  FStudioEvery = every->value();
  FStudioRadius = radius->value();
  part->OutlinesAroundMarks(FStudioEvery, FStudioRadius);
}

}  // namespace kolibra::mainwindow
