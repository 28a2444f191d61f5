// The menu items of tracking mode and of the measurements it shares with the marking
// modes: the outline shape, the search radius and area, the number of marks per frame, the
// automatic advance, "Hide frame" and the "Delete" items. Each one calls the controller's
// tracking part; the states are recomputed each time a menu opens.

#include "mainwindow/MainControllerTracking.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainTexts.h"
#include "measurement/Data.h"
#include "tracking/Tracking.h"
#include "videoview/windows/Video.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <array>

namespace kolibra::mainwindow {

using namespace videoview;

struct TMainForm::TTrackingMenus {
  QAction *HideImage = nullptr;
  QMenu *Delete = nullptr;
  std::array<QAction *, diAll + 1> DeleteItems{};
  QMenu *Shape = nullptr;
  std::array<QAction *, 3> Shapes{};
  QMenu *Radius = nullptr;
  std::array<QAction *, 4> Radii{};  // 20, 40, 60, others
  QAction *SearchArea = nullptr;
  QMenu *Objects = nullptr;
  std::array<QAction *, 4> ObjectCounts{};  // one, two, three, others
  QMenu *Advance = nullptr;
  std::array<QAction *, 2> Advances{};  // of 1 image, others
};

namespace main_form_tracking {

QMenu *SubMenu(QMenu *parent, QAction *before, const QString &title, const char *name) {
  QMenu *menu = new QMenu(title, parent);
  menu->setObjectName(QLatin1String(name));
  parent->insertMenu(before, menu);
  return menu;
}

QAction *RadioItem(QMenu *menu, QActionGroup *group, const QString &text) {
  QAction *action = menu->addAction(text);
  action->setCheckable(true);
  group->addAction(action);
  return action;
}

}  // namespace main_form_tracking

void TMainForm::CreateTrackingMenus() {
  using main_form_tracking::RadioItem;
  using main_form_tracking::SubMenu;
  FTrackingMenus = std::make_shared<TTrackingMenus>();
  TTrackingMenus &m = *FTrackingMenus;
  const auto part = [this] { return FController->Tracking(); };

  // Display.
  m.HideImage = FMenuAffichage->addAction(MainTr("Hide frame"));
  m.HideImage->setObjectName(QStringLiteral("MenuAffichageCacherImage"));
  m.HideImage->setCheckable(true);
  connect(m.HideImage, &QAction::triggered, this, [this](bool checked) { FVideo->Model().SetHideImage(checked); });
  m.Delete = FMenuAffichage->addMenu(MainTr("Delete"));
  m.Delete->setObjectName(QStringLiteral("MenuAffichageEffacer"));
  const char *deleteTexts[] = {QT_TRANSLATE_NOOP("TMainForm", "object outline"),
                               QT_TRANSLATE_NOOP("TMainForm", "the video marks"),
                               QT_TRANSLATE_NOOP("TMainForm", "zones to ignore"),
                               QT_TRANSLATE_NOOP("TMainForm", "the layer"), QT_TRANSLATE_NOOP("TMainForm", "grid"),
                               QT_TRANSLATE_NOOP("TMainForm", "scale"), QT_TRANSLATE_NOOP("TMainForm", "all")};
  for (int i = diOutline; i <= diAll; ++i) {
    m.DeleteItems[size_t(i)] = m.Delete->addAction(MainTr(deleteTexts[i]), this, [part, i] {
      if (TMainTracking *tracking = part()) tracking->Delete(TDeleteItem(i));
    });
  }

  // Measurements: the tracker's items first, the shared ones after the time base.
  m.Shape = SubMenu(FMenuMesures, FMenuMesuresTemps, MainTr("outline shape"), "MenuMesuresForme");
  auto *shapes = new QActionGroup(m.Shape);
  const char *shapeTexts[] = {QT_TRANSLATE_NOOP("TMainForm", "free"), QT_TRANSLATE_NOOP("TMainForm", "broken line"),
                              QT_TRANSLATE_NOOP("TMainForm", "circle")};
  for (int shape = tracking::osFree; shape <= tracking::osCircle; ++shape) {
    m.Shapes[size_t(shape)] = RadioItem(m.Shape, shapes, MainTr(shapeTexts[shape]));
    connect(m.Shapes[size_t(shape)], &QAction::triggered, this, [part, shape] {
      if (TMainTracking *tracking = part()) tracking->SetShape(shape);
    });
  }
  m.Radius = SubMenu(FMenuMesures, FMenuMesuresTemps, MainTr("Search radius"), "MenuMesuresEspace");
  auto *radii = new QActionGroup(m.Radius);
  const std::array<int, 4> radiusValues = {20, 40, 60, 0};
  const char *radiusTexts[] = {QT_TRANSLATE_NOOP("TMainForm", "20 pixels"), QT_TRANSLATE_NOOP("TMainForm", "40 pixels"),
                               QT_TRANSLATE_NOOP("TMainForm", "60 pixels"), QT_TRANSLATE_NOOP("TMainForm", "others ...")};
  for (size_t i = 0; i < radiusValues.size(); ++i) {
    m.Radii[i] = RadioItem(m.Radius, radii, MainTr(radiusTexts[i]));
    connect(m.Radii[i], &QAction::triggered, this, [part, radius = radiusValues[i]] {
      if (TMainTracking *tracking = part()) tracking->SetRadius(radius);
    });
  }
  m.SearchArea = new QAction(MainTr("See search area"), FMenuMesures);
  m.SearchArea->setObjectName(QStringLiteral("MenuMesuresZone"));
  m.SearchArea->setCheckable(true);
  FMenuMesures->insertAction(FMenuMesuresTemps, m.SearchArea);
  connect(m.SearchArea, &QAction::triggered, this, [part] {
    if (TMainTracking *tracking = part()) tracking->ToggleSearchZone();
  });

  m.Objects = FMenuMesures->addMenu(MainTr("Number of marks per frame"));
  m.Objects->setObjectName(QStringLiteral("MenuMesuresNbMarqueParImage"));
  auto *objects = new QActionGroup(m.Objects);
  const char *objectTexts[] = {QT_TRANSLATE_NOOP("TMainForm", "one"), QT_TRANSLATE_NOOP("TMainForm", "two"),
                               QT_TRANSLATE_NOOP("TMainForm", "three"), QT_TRANSLATE_NOOP("TMainForm", "others ...")};
  for (int i = 0; i < 4; ++i) {
    m.ObjectCounts[size_t(i)] = RadioItem(m.Objects, objects, MainTr(objectTexts[i]));
    connect(m.ObjectCounts[size_t(i)], &QAction::triggered, this, [part, count = i < 3 ? i + 1 : 0] {
      if (TMainTracking *tracking = part()) tracking->SetObjectsCount(count);
    });
  }
  m.Advance = FMenuMesures->addMenu(MainTr("Advance automatically"));
  m.Advance->setObjectName(QStringLiteral("MenuMesuresNbImagesEntreMarques"));
  auto *advances = new QActionGroup(m.Advance);
  m.Advances[0] = RadioItem(m.Advance, advances, MainTr("of 1 image"));
  m.Advances[1] = RadioItem(m.Advance, advances, MainTr("others ..."));
  for (int i = 0; i < 2; ++i) {
    connect(m.Advances[size_t(i)], &QAction::triggered, this, [part, frames = i == 0 ? 1 : 0] {
      if (TMainTracking *tracking = part()) tracking->SetFramesStep(frames);
    });
  }
}

void TMainForm::UpdateTrackingMenus() {
  if (!FTrackingMenus) return;
  TTrackingMenus &m = *FTrackingMenus;
  const TVideoModel &video = FVideo->Model();
  const int mode = video.Mode();
  const bool open = video.IsOpen();
  const bool tracking = mode == vmTracking;
  const bool measures = IsMarkingMode(mode) || tracking;
  TMainTracking *part = FController->Tracking();
  const bool running = part != nullptr && part->Tracker().Tracking();

  m.HideImage->setVisible(measures);
  m.HideImage->setChecked(video.HideImage());
  m.Delete->menuAction()->setVisible(measures && part != nullptr);
  for (int i = diOutline; i <= diAll; ++i) {
    QAction *item = m.DeleteItems[size_t(i)];
    item->setVisible(part != nullptr && part->DeleteShown(TDeleteItem(i)));
    item->setEnabled(part != nullptr && part->DeleteEnabled(TDeleteItem(i)));
  }

  for (QMenu *menu : {m.Shape, m.Radius}) {
    menu->menuAction()->setVisible(tracking && part != nullptr);
    menu->menuAction()->setEnabled(!running);
  }
  m.SearchArea->setVisible(tracking && part != nullptr);
  m.Objects->menuAction()->setVisible(measures);
  m.Advance->menuAction()->setVisible(measures);
  for (QMenu *menu : {m.Objects, m.Advance}) menu->menuAction()->setEnabled(open && !running);
  if (part == nullptr) return;
  const tracking::TTracking &tracker = part->Tracker();
  m.Shapes[size_t(std::clamp(tracker.Shape(), 0, 2))]->setChecked(true);
  const int radius = tracker.Radius();
  m.Radii[radius == 20 ? 0 : radius == 40 ? 1 : radius == 60 ? 2 : 3]->setChecked(true);
  m.SearchArea->setChecked(tracker.ShowSearchZone());
  const int count = FData->ObjectsCount();
  m.ObjectCounts[size_t(count >= 1 && count <= 3 ? count - 1 : 3)]->setChecked(true);
  m.Advances[FData->FramesNumberBetweenTwoMarks() == 1 ? 0 : 1]->setChecked(true);
}

}  // namespace kolibra::mainwindow
