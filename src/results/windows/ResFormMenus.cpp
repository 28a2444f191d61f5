// The results window's menus (File, Edit, Display, Calculations, Help), which items each
// view shows, the context menu of the graphs, and the commands that send pictures and
// tables out: copy, export, print, copy and launch.
#include "export/Workbook.h"
#include "export/windows/ExportWindowHost.h"
#include "kinematics/ResultFacades.h"
#include "kit/MessageBox.h"
#include "results/ConstructEditor.h"
#include "results/GraphPictures.h"
#include "results/windows/Datasheet.h"
#include "results/windows/GraphControl.h"
#include "results/windows/ResForm.h"

#include <QActionGroup>
#include <QColorDialog>
#include <QCoreApplication>
#include <QCursor>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace kolibra::results {

namespace res_menus_impl {

QString Tr(const char *text) { return QCoreApplication::translate("TResForm", text); }

// The context menu's words for the construct types.
const struct {
  int Type;
  const char *Word;
} TypeWords[] = {{obAngle, QT_TRANSLATE_NOOP("TResForm", "Angle")},     {obArc, QT_TRANSLATE_NOOP("TResForm", "Arc")},
                 {obCercle, QT_TRANSLATE_NOOP("TResForm", "Circle")},    {obEllipse, QT_TRANSLATE_NOOP("TResForm", "Ellipse")},
                 {obSegment, QT_TRANSLATE_NOOP("TResForm", "Segment")},  {obSpline, QT_TRANSLATE_NOOP("TResForm", "Curve")},
                 {obVecteur, QT_TRANSLATE_NOOP("TResForm", "Vector")}};

}  // namespace res_menus_impl

QAction *TResForm::AddAction(QMenu *menu, const QString &name, const QString &caption,
                             const std::function<void()> &handler, bool checkable) {
  QAction *action = menu->addAction(caption);
  action->setObjectName(name);
  action->setCheckable(checkable);
  if (handler) connect(action, &QAction::triggered, this, handler);
  Actions[name] = action;
  return action;
}

QAction *TResForm::Action(const QString &name) const {
  const auto found = Actions.find(name);
  return found != Actions.end() ? found->second : nullptr;
}

void TResForm::CreateMenus() {
  using res_menus_impl::Tr;
  QMenuBar *bar = menuBar();
  // File
  QMenu *file = bar->addMenu(Tr("File"));
  file->setObjectName(QStringLiteral("MenuFichier"));
  AddAction(file, QStringLiteral("MenuFichierExporter"), Tr("Export"), [this] { ExportCommand(); });
  AddAction(file, QStringLiteral("MenuFichierImprimer"), Tr("Print"), [this] { PrintCommand(); });
  file->addSeparator();
  AddAction(file, QStringLiteral("MenuFichierFermer"), Tr("Close"), [this] { close(); });
  // Edit
  QMenu *edit = bar->addMenu(Tr("Edit"));
  edit->setObjectName(QStringLiteral("MenuEdition"));
  // The graph itself takes Ctrl+A and Ctrl+Z (and leaves them to a box being typed in): the
  // item names the key without a shortcut of its own.
  AddAction(edit, QStringLiteral("MenuEditionAnnuler"), Tr("Cancel"), [this] {
    if (TGraphControl *control = CurrentGraphControl())
      if (TConstructEditor *editor = FModel.EditorOf(&control->Graph())) editor->Undo(control->Graph());
  });
  AddAction(edit, QStringLiteral("MenuEditionRestaurerGraphe"), Tr("Restore graph"),
            [this] { FModel.Rescale(SlotOfView(FModel.View)); });
  AddAction(edit, QStringLiteral("MenuEditionRestaurerTableau"), Tr("Restore table"), [this] {
    FModel.RestoreTable();
    RefreshGrid();
  });
  AddAction(edit, QStringLiteral("MenuEditionCopierImage"), Tr("Copy frame to clipboard"), [this] { CopyCommand(); });
  AddAction(edit, QStringLiteral("MenuEditionCopierTableau"), Tr("Copy datasheet to clipboard"), [this] { CopyCommand(); });
  QMenu *launch = edit->addMenu(Tr("Copy and launch"));
  launch->menuAction()->setObjectName(QStringLiteral("MenuEditionLancer"));
  Actions[QStringLiteral("MenuEditionLancer")] = launch->menuAction();
  AddAction(launch, QStringLiteral("MenuEditionExcel"), Tr("Excel"), [this] { CopyAndLaunch(0); });
  AddAction(launch, QStringLiteral("MenuEditionOpenOffice"), Tr("OpenOffice"), [this] { CopyAndLaunch(1); });
  AddAction(launch, QStringLiteral("MenuEditionRegressi"), Tr("Regressi"), [this] { CopyAndLaunch(2); });
  connect(edit, &QMenu::aboutToShow, this, [this] { UpdateMenus(); });

  // Display
  QMenu *display = bar->addMenu(Tr("Display"));
  display->setObjectName(QStringLiteral("MenuAffichage"));
  connect(display, &QMenu::aboutToShow, this, [this] { UpdateMenus(); });
  const auto submenu = [this, display](const char *name, const QString &caption) {
    QMenu *menu = display->addMenu(caption);
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    Actions[QString::fromLatin1(name)] = menu->menuAction();
    return menu;
  };
  QMenu *zoom = submenu("MenuAffichageZoom", Tr("Zoom"));
  AddAction(zoom, QStringLiteral("MenuAffichageZoomX"), Tr("of x-axis"), [this] {
    (FModel.View == rvTemps ? FModel.ZoomXTemps : FModel.ZoomXFormule) = Action(QStringLiteral("MenuAffichageZoomX"))->isChecked();
    FModel.BuildView();
    SyncToolButtons();
  }, true);
  AddAction(zoom, QStringLiteral("MenuAffichageZoomY"), Tr("of y-axis"), [this] {
    (FModel.View == rvTemps ? FModel.ZoomYTemps : FModel.ZoomYFormule) = Action(QStringLiteral("MenuAffichageZoomY"))->isChecked();
    FModel.BuildView();
    SyncToolButtons();
  }, true);
  QMenu *origin = submenu("MenuAffichageOrigine", Tr("Origin"));
  AddAction(origin, QStringLiteral("MenuAffichageOrigineDesAbscisses"), Tr("of x-axis"), [this] {
    FModel.OrigineX = Action(QStringLiteral("MenuAffichageOrigineDesAbscisses"))->isChecked();
    FModel.Rescale(gsFormule);
  }, true);
  AddAction(origin, QStringLiteral("MenuAffichageOrigineDesOrdonnees"), Tr("of y-axis"), [this] {
    FModel.OrigineY = Action(QStringLiteral("MenuAffichageOrigineDesOrdonnees"))->isChecked();
    FModel.Rescale(gsFormule);
  }, true);
  QMenu *size = submenu("MenuAffichageTaille", Tr("Size"));
  auto *sizes = new QActionGroup(this);
  const char *sizeNames[3] = {"MenuAffichageTaillePetite", "MenuAffichageTailleMoyenne", "MenuAffichageTailleGrande"};
  const char *sizeCaptions[3] = {QT_TRANSLATE_NOOP("TResForm", "small"), QT_TRANSLATE_NOOP("TResForm", "average"),
                                 QT_TRANSLATE_NOOP("TResForm", "large")};
  for (int i = 0; i < 3; ++i)
    sizes->addAction(AddAction(size, QString::fromLatin1(sizeNames[i]), Tr(sizeCaptions[i]),
                               [this, i] { FModel.SetSymbolSize(i); }, true));
  QMenu *numbering = submenu("MenuAffichageNumeroter", Tr("Numbering"));
  auto *places = new QActionGroup(this);
  const char *placeCaptions[3] = {QT_TRANSLATE_NOOP("TResForm", "bellow the point"),
                                  QT_TRANSLATE_NOOP("TResForm", "on the right of the point"),
                                  QT_TRANSLATE_NOOP("TResForm", "none")};
  for (int i = 0; i < 3; ++i)
    places->addAction(AddAction(numbering, QStringLiteral("MenuAffichageNumeroter%1").arg(i), Tr(placeCaptions[i]),
                                [this, i] { FModel.SetNumbering(FModel.View, i); }, true));
  const auto group = [this](const char *name, const char *caption, bool &flag) {
    QMenu *display = findChild<QMenu *>(QStringLiteral("MenuAffichage"));
    AddAction(display, QString::fromLatin1(name), Tr(caption), [this, name, &flag] {
      flag = Action(QString::fromLatin1(name))->isChecked();
      FModel.ApplyGridGroups(false);
      RefreshGrid();
    }, true);
  };
  group("MenuAffichageCoordonnees", QT_TRANSLATE_NOOP("TResForm", "Coordinates"), FModel.GridCoordinates);
  group("MenuAffichageVitesse", QT_TRANSLATE_NOOP("TResForm", "Velocity"), FModel.GridVelocity);
  group("MenuAffichageAcceleration", QT_TRANSLATE_NOOP("TResForm", "Acceleration"), FModel.GridAcceleration);
  group("MenuAffichagePolaire", QT_TRANSLATE_NOOP("TResForm", "Polar quantities"), FModel.GridPolar);
  QMenu *draw = submenu("MenuAffichageDessiner", Tr("Draw"));
  AddAction(draw, QStringLiteral("MenuAffichageDessinerPolyligne"), Tr("broken line"), [this] {
    const bool on = Action(QStringLiteral("MenuAffichageDessinerPolyligne"))->isChecked();
    (FModel.View == rvTemps ? FModel.PolylineTemps : FModel.View == rvFormule ? FModel.PolylineFormule : FModel.PolylineReferentiel) = on;
    FModel.BuildView();
  }, true);
  AddAction(draw, QStringLiteral("MenuAffichageDessinerOrigine"), Tr("graph origin"),
            [this] { FModel.SetDrawOrigin(Action(QStringLiteral("MenuAffichageDessinerOrigine"))->isChecked()); }, true);
  AddAction(draw, QStringLiteral("MenuAffichageDessinerValeurs"), Tr("the value of the vectors"),
            [this] { FModel.SetDrawVectorValues(Action(QStringLiteral("MenuAffichageDessinerValeurs"))->isChecked()); },
            true);
  QMenu *trajectory = submenu("MenuAffichageTrajectoire", Tr("Trajectory"));
  auto *orientations = new QActionGroup(this);
  orientations->addAction(AddAction(trajectory, QStringLiteral("MenuAffichageTrajectoireCommeVideo"), Tr("same as the video"),
                                    [this] {
                                      FModel.TrajectoryAsVideo = true;
                                      FModel.Rescale(gsVecteur);
                                    },
                                    true));
  orientations->addAction(AddAction(trajectory, QStringLiteral("MenuAffichageTrajectoireDansRepere"),
                                    Tr("in the graph basis (O, x, y)"),
                                    [this] {
                                      FModel.TrajectoryAsVideo = false;
                                      FModel.Rescale(gsVecteur);
                                    },
                                    true));
  QMenu *modeller = submenu("MenuAffichageBulleModele", Tr("Model modifier"));
  AddAction(modeller, QStringLiteral("MenuAffichageBulleModeleEqua"), Tr("Equation display"), [this] {
    (FModel.View == rvTemps ? FModel.EquaTemps : FModel.EquaFormule) = Action(QStringLiteral("MenuAffichageBulleModeleEqua"))->isChecked();
    FModel.BuildView();
  }, true);
  AddAction(modeller, QStringLiteral("MenuAffichageBulleModeleStat"), Tr("statistics"), [this] {
    (FModel.View == rvTemps ? FModel.StatTemps : FModel.StatFormule) = Action(QStringLiteral("MenuAffichageBulleModeleStat"))->isChecked();
    FModel.BuildView();
  }, true);
  QMenu *bubble = submenu("MenuAffichageBulle", Tr("Bubble of values"));
  const struct {
    const char *Name, *Caption;
    TBullePlace Place;
  } corners[] = {{"MenuAffichageBulleHD", QT_TRANSLATE_NOOP("TResForm", "up right"), bpUpRight},
                 {"MenuAffichageBulleHG", QT_TRANSLATE_NOOP("TResForm", "up left"), bpUpLeft},
                 {"MenuAffichageBulleBG", QT_TRANSLATE_NOOP("TResForm", "bottom left"), bpDownLeft},
                 {"MenuAffichageBulleBD", QT_TRANSLATE_NOOP("TResForm", "bottom right"), bpDownRight}};
  for (const auto &corner : corners) {
    const TBullePlace place = corner.Place;
    const QString name = QString::fromLatin1(corner.Name);
    // A second click on the checked corner takes the bubble away.
    AddAction(bubble, name, Tr(corner.Caption), [this, place, name] {
      FModel.SetBullePlace(Action(name)->isChecked() ? place : bpNone);
      UpdateMenus();
    }, true);
  }

  // Calculations
  QMenu *calculations = bar->addMenu(Tr("Calculations"));
  calculations->setObjectName(QStringLiteral("MenuCalculs"));
  AddAction(calculations, QStringLiteral("MenuCalculsTemps"), Tr("Time between two frames"), [this] {
    if (OnFrameInterval) OnFrameInterval();
  });
  AddAction(calculations, QStringLiteral("MenuCalculsLisserVitesse"), Tr("Smooth values of the velocity"), [this] {
    FModel.SetSmoothing(FModel.Smoothing ^ kinematics::sfVelocity);
    RefreshGrid();
  }, true);
  AddAction(calculations, QStringLiteral("MenuCalculsLisserAcceleration"), Tr("Smooth values of the acceleration"), [this] {
    FModel.SetSmoothing(FModel.Smoothing ^ kinematics::sfAcceleration);
    RefreshGrid();
  }, true);
  AddAction(calculations, QStringLiteral("MenuCalculsFormule"), Tr("Type formula"), [this] {
    if (OnTypeFormula) OnTypeFormula();
  });
  AddAction(calculations, QStringLiteral("MenuCalculsCalculatrice"), Tr("Calculator"), [this] {
    if (OnCalculator) OnCalculator();
  });
  // Help
  QMenu *help = bar->addMenu(Tr("Help"));
  help->setObjectName(QStringLiteral("MenuAide"));
  AddAction(help, QStringLiteral("MenuAideKolibra"), Tr("Kolibra help"), [this] {
    if (OnHelp) OnHelp();
  });
  AddAction(help, QStringLiteral("MenuAideApropos"), Tr("About"), [this] {
    if (OnAbout) OnAbout();
  });
  PopupMenu = new QMenu(this);
  PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
}

void TResForm::UpdateMenus() {
  using res_menus_impl::Tr;
  const int view = FModel.View;
  const bool graphView = view != rvTableau;
  const auto show = [this](const char *name, bool visible) {
    if (QAction *action = Action(QString::fromLatin1(name))) action->setVisible(visible);
  };
  const auto check = [this](const char *name, bool checked) {
    if (QAction *action = Action(QString::fromLatin1(name))) action->setChecked(checked);
  };
  const bool constructs = view == rvReferentiel || view == rvVecteur;
  show("MenuEditionAnnuler", constructs);
  if (constructs) {
    bool enabled = false;
    QAction *undo = Action(QStringLiteral("MenuEditionAnnuler"));
    undo->setText(FModel.UndoItemCaption(enabled));
    undo->setEnabled(enabled);
  }
  show("MenuFichierImprimer", graphView);
  Action(QStringLiteral("MenuFichierImprimer"))->setEnabled(static_cast<bool>(OnPrint));
  show("MenuEditionRestaurerGraphe", view == rvReferentiel || view == rvTemps || view == rvVecteur);
  show("MenuEditionRestaurerTableau", view == rvTableau);
  show("MenuEditionCopierImage", graphView);
  show("MenuEditionCopierTableau", view == rvTableau);
  show("MenuEditionLancer", view == rvTableau);
  const bool models = view == rvTemps || view == rvFormule;
  show("MenuAffichageZoom", models);
  check("MenuAffichageZoomX", view == rvTemps ? FModel.ZoomXTemps : FModel.ZoomXFormule);
  check("MenuAffichageZoomY", view == rvTemps ? FModel.ZoomYTemps : FModel.ZoomYFormule);
  show("MenuAffichageOrigine", view == rvFormule);
  check("MenuAffichageOrigineDesAbscisses", FModel.OrigineX);
  check("MenuAffichageOrigineDesOrdonnees", FModel.OrigineY);
  show("MenuAffichageTaille", graphView);
  const int symbolSize = FModel.Memory().SymbolSize;
  check("MenuAffichageTaillePetite", symbolSize == 0);
  check("MenuAffichageTailleMoyenne", symbolSize == 1);
  check("MenuAffichageTailleGrande", symbolSize == 2);
  show("MenuAffichageNumeroter", constructs);
  const int place = view == rvVecteur ? FModel.Memory().VecteurNumbering : FModel.Memory().ReferentielNumbering;
  for (int i = 0; i < 3; ++i) Action(QStringLiteral("MenuAffichageNumeroter%1").arg(i))->setChecked(place == i);
  for (const char *name : {"MenuAffichageCoordonnees", "MenuAffichageVitesse", "MenuAffichageAcceleration", "MenuAffichagePolaire"})
    show(name, view == rvTableau);
  check("MenuAffichageCoordonnees", FModel.GridCoordinates);
  check("MenuAffichageVitesse", FModel.GridVelocity);
  check("MenuAffichageAcceleration", FModel.GridAcceleration);
  check("MenuAffichagePolaire", FModel.GridPolar);
  Action(QStringLiteral("MenuAffichageVitesse"))->setEnabled(FModel.ShowVelocity);
  Action(QStringLiteral("MenuAffichageAcceleration"))->setEnabled(FModel.ShowAcceleration);
  Action(QStringLiteral("MenuAffichagePolaire"))->setEnabled(FModel.ShowPolar);
  show("MenuAffichageDessiner", graphView);
  show("MenuAffichageDessinerPolyligne", view == rvTemps || view == rvReferentiel || view == rvFormule);
  check("MenuAffichageDessinerPolyligne", view == rvTemps       ? FModel.PolylineTemps
                                          : view == rvFormule   ? FModel.PolylineFormule
                                                                : FModel.PolylineReferentiel);
  show("MenuAffichageDessinerOrigine", view == rvVecteur);
  show("MenuAffichageDessinerValeurs", view == rvVecteur);
  check("MenuAffichageDessinerOrigine", FModel.Memory().DrawOrigin != 0);
  check("MenuAffichageDessinerValeurs", FModel.Memory().DrawVectorValues != 0);
  show("MenuAffichageTrajectoire", view == rvVecteur);
  check("MenuAffichageTrajectoireCommeVideo", FModel.TrajectoryAsVideo);
  check("MenuAffichageTrajectoireDansRepere", !FModel.TrajectoryAsVideo);
  show("MenuAffichageBulleModele", models);
  check("MenuAffichageBulleModeleEqua", view == rvTemps ? FModel.EquaTemps : FModel.EquaFormule);
  check("MenuAffichageBulleModeleStat", view == rvTemps ? FModel.StatTemps : FModel.StatFormule);
  show("MenuAffichageBulle", constructs);
  check("MenuAffichageBulleHD", FModel.Bulle == bpUpRight);
  check("MenuAffichageBulleHG", FModel.Bulle == bpUpLeft);
  check("MenuAffichageBulleBG", FModel.Bulle == bpDownLeft);
  check("MenuAffichageBulleBD", FModel.Bulle == bpDownRight);
  check("MenuCalculsLisserVitesse", (FModel.Smoothing & kinematics::sfVelocity) != 0);
  check("MenuCalculsLisserAcceleration", (FModel.Smoothing & kinematics::sfAcceleration) != 0);
}

// ---------------------------------------------------------------------------------------------
// Context menu
// ---------------------------------------------------------------------------------------------

void TResForm::PopupContextMenu(int elementType) {
  using namespace res_menus_impl;
  TGraphControl *control = CurrentGraphControl();
  if (control == nullptr) return;
  TGraph &graph = control->Graph();
  TConstructEditor *editor = FModel.EditorOf(&graph);
  PopupMenu->clear();
  // The construct under the mouse is the one the first items act on.
  TGElem *clicked = nullptr;
  if (editor != nullptr && elementType != 0 && elementType != obPoint && elementType != obModele) {
    const TPoint at(control->mapFromGlobal(QCursor::pos()).x(), control->mapFromGlobal(QCursor::pos()).y());
    for (auto it = graph.Elements().rbegin(); it != graph.Elements().rend() && clicked == nullptr; ++it)
      if ((*it)->ObjectType == elementType && (*it)->HitTest(at)) clicked = it->get();
    if (clicked != nullptr) editor->SelectElement(graph, clicked, false);
  }
  const auto colour = [this, editor, &graph](int type) {
    const QColor chosen = QColorDialog::getColor(Qt::black, this);
    if (chosen.isValid()) editor->ColorSelection(graph, TColor::FromQColor(chosen), type);
  };
  if (clicked != nullptr) {
    const int type = clicked->ObjectType;
    PopupMenu->addAction(Tr("Colour"), this, [colour, type] { colour(type); });
    PopupMenu->addAction(Tr("Duplicate"), this, [editor, &graph, type] { editor->DuplicateSelection(graph, type); });
    PopupMenu->addAction(Tr("Delete"), this, [editor, &graph, type] { editor->DeleteSelection(graph, type); });
  }
  if (editor != nullptr && graph.SelectionCount() > 1) {
    const unsigned types = graph.SelectionTypes();
    const auto sub = [&](const QString &caption, const std::function<void(int)> &act) {
      QMenu *menu = PopupMenu->addMenu(caption);
      menu->addAction(Tr("All"), this, [act] { act(0); });
      for (const auto &word : TypeWords)
        if (types & (1u << word.Type)) menu->addAction(Tr(word.Word), this, [act, word] { act(word.Type); });
    };
    sub(Tr("Colour"), colour);
    sub(Tr("Duplicate"), [editor, &graph](int type) { editor->DuplicateSelection(graph, type); });
    sub(Tr("Delete"), [editor, &graph](int type) { editor->DeleteSelection(graph, type); });
  }
  if (editor != nullptr && graph.SelectionCount() == 1) {
    const int type = graph.Selection.front()->ObjectType;
    if (type == obArc || type == obCercle || type == obEllipse)
      PopupMenu->addAction(Tr("Bend the arc, the circle or the ellipse"), this, [this] { FButtons[rbCurveArc]->setChecked(true); });
  }
  if (editor != nullptr && (graph.SelectionTypes() & (1u << obVecteur)))
    PopupMenu->addAction(Tr("Change direction"), this, [editor, &graph] { editor->ReverseSelection(graph); });
  if (!PopupMenu->isEmpty()) PopupMenu->addSeparator();
  // One item per tool the view shows.
  const struct {
    TResButton Button;
    const char *Caption;
  } tools[] = {{rbAngle, QT_TRANSLATE_NOOP("TResForm", "Draw an angle")},
               {rbArc, QT_TRANSLATE_NOOP("TResForm", "Draw an arc")},
               {rbCercle, QT_TRANSLATE_NOOP("TResForm", "Draw a circle")},
               {rbEllipse, QT_TRANSLATE_NOOP("TResForm", "Draw an ellipse")},
               {rbSegment, QT_TRANSLATE_NOOP("TResForm", "Draw a segment")},
               {rbSpline, QT_TRANSLATE_NOOP("TResForm", "Draw a curve")},
               {rbVecteur, QT_TRANSLATE_NOOP("TResForm", "Draw a vector")},
               {rbMesurer, QT_TRANSLATE_NOOP("TResForm", "Measure a value or an angle")},
               {rbModifierModele, QT_TRANSLATE_NOOP("TResForm", "Modify model curve")},
               {rbPan, QT_TRANSLATE_NOOP("TResForm", "Pan image")},
               {rbReticule, QT_TRANSLATE_NOOP("TResForm", "Mouse pointer coordinates")},
               {rbSelection, QT_TRANSLATE_NOOP("TResForm", "Select an object")},
               {rbZoom, QT_TRANSLATE_NOOP("TResForm", "Zoom")}};
  for (const auto &tool : tools) {
    QToolButton *button = FButtons[size_t(tool.Button)];
    QAction *action = Action(button->objectName() + QStringLiteral("Action"));
    if (action == nullptr || !action->isVisible()) continue;
    QAction *item = PopupMenu->addAction(Tr(tool.Caption), this, [button] { button->toggle(); });
    item->setCheckable(true);
    item->setChecked(button->isChecked());
  }
  PopupMenu->popup(QCursor::pos());
}

// ---------------------------------------------------------------------------------------------
// Commands
// ---------------------------------------------------------------------------------------------

void TResForm::CopyCommand() {
  if (FModel.View == rvTableau) {
    if (Serveur == nullptr) return;
    QStringList lines;
    FModel.Sources().Grid->FillText(lines, QCoreApplication::applicationFilePath());
    Serveur->ClearLines();
    for (const QString &line : lines) Serveur->AddLine(line);
    Serveur->CopyToClipboard(true);
    return;
  }
  if (TGraphControl *control = CurrentGraphControl()) CopyGraphPicture(control->Graph(), FModel.View == rvVecteur);
}

void TResForm::ExportCommand() {
  using res_menus_impl::Tr;
  if (FModel.View == rvTableau) {
    if (Serveur == nullptr) return;
    QStringList lines;
    FModel.Sources().Grid->FillText(lines, QCoreApplication::applicationFilePath());
    Serveur->ClearLines();
    for (const QString &line : lines) Serveur->AddLine(line);
    Serveur->ExportToTextFile();
    return;
  }
  TGraphControl *control = CurrentGraphControl();
  if (control == nullptr) return;
  const QString folder = RecentFolder ? RecentFolder() : QString();
  int filterIndex = 1;
  QString chosen;
  if (AskPictureFileName) {
    chosen = AskPictureFileName(folder, filterIndex);
  } else {
    QString selected;
    const QString filter = exporting::QtFileFilter(PictureFileFilter(), &selected, 1);
    // The overwrite question comes once the extension is final.
    chosen = QFileDialog::getSaveFileName(this, Tr("Export to an image file"), QDir(folder).filePath(QStringLiteral("Graph")),
                                          filter, &selected, QFileDialog::DontConfirmOverwrite);
    const QStringList filters = filter.split(QStringLiteral(";;"));
    filterIndex = std::max(1, int(filters.indexOf(selected)) + 1);
  }
  if (chosen.isEmpty()) return;
  QString saved;
  if (SaveGraphPictureAs(control->Graph(), chosen, filterIndex, FModel.View == rvVecteur, &saved) && SetRecentFolder)
    SetRecentFolder(QFileInfo(saved).absolutePath());
}

void TResForm::PrintCommand() {
  TGraphControl *control = CurrentGraphControl();
  // The print window is another window's work: it gets the graph to print.
  if (control == nullptr || !OnPrint) return;
  const TGraphPrintDrawing drawing(control->Graph(), FModel.View == rvVecteur);
  OnPrint(drawing);
  control->Graph().Invalidate();
}

void TResForm::CopyAndLaunch(int target) {
  if (Serveur == nullptr || FModel.View != rvTableau) return;
  const kinematics::TResGrid &grid = *FModel.Sources().Grid;
  switch (target) {
    case 0: Serveur->ExportToExcel(grid.Matrix(), ExportInfo ? ExportInfo() : exporting::TExportInfo()); break;
    case 1: Serveur->ExportToOpenOffice(grid.Matrix(), ExportInfo ? ExportInfo() : exporting::TExportInfo()); break;
    default: {
      QStringList lines;
      const int columns = grid.FillText(lines, QCoreApplication::applicationFilePath());
      Serveur->ClearLines();
      for (const QString &line : lines) Serveur->AddLine(line);
      Serveur->LaunchRegressi(columns);
      break;
    }
  }
}

}  // namespace kolibra::results
