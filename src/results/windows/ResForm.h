#pragma once
// TResForm: the results window. It shows the results of the measurement as the datasheet and
// as four graph views (quantities against time, the trajectory, the vectors, the custom
// formulas), eight graphs in all: one per view and per measurement (fixed axes or layer). The
// window is thin: TResModel decides what each view shows and builds the graphs; the window
// creates the widgets, mirrors the model's states into them (Refresh*) and forwards the
// user's choices.
//
// The main window opens it at a view (ShowView), tells it when the measurement changed
// (Recalculate), when a new video or work file opened (ResetResults), when the options
// changed (ApplyOptions) and which frame it shows (ShowVideoFrame). What belongs to other
// windows comes in through the hooks below: the frame to show in the main window, the
// formulas window, the calculator, the time-base dialog, the help, the about box and the
// print window.
//
// Which menu items and tools each view shows, and what a click on the graph lands on, are
// ResStates' (headless); the window copies those states into its actions and buttons.

#include "export/Serveur.h"
#include "results/ResModel.h"
#include "results/ResStates.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QStackedWidget;
class QToolBar;
class QToolButton;

namespace kolibra::printing {
class IGraphDrawing;
}

namespace kolibra::results {

class TDatasheetView;
class TDropCheckList;
class TDropList;
class TGraphControl;
class TGraphKeyRouter;

// The programs "Copy and launch" hands the datasheet to.
enum TLaunchTarget : int { ltExcel, ltOpenOffice, ltRegressi };

class TResForm : public QMainWindow {
  Q_OBJECT

 public:
  TResForm(const TResLinks &links, QWidget *parent = nullptr);
  ~TResForm() override;

  TResModel &Model() { return FModel; }

  // --- What the main window asks --------------------------------------------------------------

  // Computes what is out of date and shows the window at a view.
  void ShowView(int view);
  // The measurement changed: recompute and show again (when the window is visible).
  void Recalculate();
  // A new video or work file: every graph cleared.
  void ResetResults();
  void ApplyOptions();
  // The main window shows this video frame: its points are ringed, its datasheet row framed.
  void ShowVideoFrame(int videoFrame);

  // --- Hooks ----------------------------------------------------------------------------------

  exporting::TServeur *Serveur = nullptr;
  // The export's facts about the measurement (the workbooks' "Info" sheet).
  std::function<exporting::TExportInfo()> ExportInfo;
  // A point or a datasheet row was clicked: the main window shows that video frame.
  std::function<void(int videoFrame)> OnShowFrame;
  std::function<void()> OnTypeFormula;
  std::function<void()> OnCalculator;
  std::function<void()> OnFrameInterval;
  std::function<void()> OnHelp;
  std::function<void()> OnAbout;
  // The print window receives the graph to print; without it "Print" is disabled.
  std::function<void(const printing::IGraphDrawing &)> OnPrint;
  // The program's save folder for a folder asked (kit/SaveDialogRule.h, with the options'
  // default folder and the recent-files folder); the folder of the last saved file becomes
  // the recent-files folder.
  std::function<QString(const QString &asked)> SaveFolder;
  std::function<void(const QString &)> SetRecentFolder;
  // Asks the picture file name (tests answer); empty: the file dialog.
  std::function<QString(const QString &folder, int &filterIndex)> AskPictureFileName;

  // --- For the tests --------------------------------------------------------------------------

  TGraphControl *GraphControl(TResMeasurement measurement, int slot) const;
  TGraphControl *CurrentGraphControl() const;
  TDatasheetView *Grid() const { return FGrid; }
  QToolButton *Button(TResButton button) const { return FButtons[size_t(button)]; }
  QAction *Action(const QString &name) const;
  QAction *Action(TResMenuItem item) const { return Action(ResMenuItemName(item)); }
  QLabel *StatusPanel(int index) const { return FStatus[size_t(index)]; }

  // --- Commands (menus and buttons) -------------------------------------------------------------

  void CopyCommand();
  void ExportCommand();
  void PrintCommand();
  void CopyAndLaunch(TLaunchTarget target);

 protected:
  void closeEvent(QCloseEvent *event) override;
  void showEvent(QShowEvent *event) override;

 private:
  // ResForm.cpp
  void CreateGraphs();
  void CreateChoicePanel();
  void CreateScalePanel();
  void CreateStatusBar();
  void WireGraph(TGraphControl *control);
  void SwitchView(int view);
  void RefreshLists();
  void RefreshGrid();
  void RefreshScalePanel();
  void RefreshStatusPanels();
  void GraphMouseDown(Qt::MouseButton button, TPoint at);
  // ResFormMenus.cpp
  void CreateMenus();
  void MenuCommand(TResMenuItem item);
  void UpdateMenus();
  // ResFormPopup.cpp
  void PopupContextMenu(int elementType);
  // ResFormCommands.cpp: the datasheet's lines handed to the export server; its column count.
  int LoadDatasheetLines();
  // ResFormTools.cpp
  void CreateToolBars();
  void UpdateTools();
  void ButtonToggled(TResButton button, bool down);
  void ModelButtonToggled(modelling::TModelType kind, bool down);
  void SyncToolButtons();
  void SetHint(const QString &hint);

  TResModel FModel;
  std::array<std::array<TGraphControl *, GraphSlotCount>, ResMeasurementCount> Graphs{};
  TGraphKeyRouter *Router = nullptr;
  TDatasheetView *FGrid = nullptr;
  QStackedWidget *Stack = nullptr;
  QWidget *GraphArea = nullptr;
  QToolBar *ToolBarMenu = nullptr;
  QToolBar *ToolBarOutils = nullptr;
  QToolBar *ChoiceBar = nullptr;
  std::array<QToolButton *, rbCount> FButtons{};
  std::array<QAction *, 5> ViewActions{};
  QWidget *PanelChoix = nullptr;
  QLabel *LabelChoix1 = nullptr, *LabelChoix2 = nullptr;
  TDropList *DropBoxTemps1 = nullptr, *DropBoxRef2 = nullptr, *DropBoxVecteur1 = nullptr, *DropBoxFormule2 = nullptr;
  TDropCheckList *DropBoxTemps2 = nullptr, *DropBoxRef1 = nullptr, *DropBoxVecteur2 = nullptr, *DropBoxFormule1 = nullptr;
  TDropCheckList *DropCheckList = nullptr;
  QWidget *PanelEchelle = nullptr;
  QLabel *Fleche = nullptr;
  QLineEdit *EditEchelle = nullptr;
  QLabel *LabelEchelle3 = nullptr;
  std::array<QLabel *, 3> FStatus{};
  std::map<QString, QAction *> Actions;
  QMenu *PopupMenu = nullptr;
  bool Refreshing = false;
  int LastVideoFrame = -1;
};

}  // namespace kolibra::results
