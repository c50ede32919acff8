// ToolsWindow: the "Tools" tool window: cutter choice, wood and background colours, the cut grid.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "model/Model.h"
#include "ui/Choosers.h"

class QComboBox;
class QLabel;
class QTableWidget;
class QToolButton;

namespace kerf {

class ColourSwatch;

class ToolsWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ToolsWindow(Model& model, QWidget* parent = nullptr);

  // Derives the wood colour from the swatch, sets up the grid headings and lists the cutters.
  void FormCreate();
  // Refills the grid from the cut list; the grid's selection stays where it was.
  void RefreshCutGrid();
  // Selects the model's CurrentCutter in the cutter box and announces the change.
  void SelectCurrentCutter();
  // Shows the model's wood and background colours in the swatches (after a project is opened).
  void SyncSwatches();

  // The cut number of the grid's selected row; 0 when no cut row is selected.
  int SelectedRow() const;

  // Cutters from the user's own folder, by file name: the cutter box marks them.
  void SetUserCutters(std::vector<std::string> fileNames) { userCutters_ = std::move(fileNames); }

  // Replaces the colour dialog step (tests choose colours without a modal dialog).
  void SetColourChooser(ColourChooser chooser) { chooseColour_ = std::move(chooser); }

  // Handlers of the window's controls.
  void cbxToolsChange(int index);
  void shpWoodColourMouseDown();
  void shpBackGroundMouseDown();
  void SpeedButton1Click();  // move the selected cut up the list
  void SpeedButton2Click();  // move the selected cut down the list
  void SpeedButton3Click();  // delete the selected cut
  void SpeedButton4Click();  // cut report

 signals:
  // The cut list changed: the owner rebuilds the outline, then calls RefreshCutGrid.
  void cutListChanged();
  // CurrentCutter changed: the owner re-applies the Profile window's interlock.
  void cutterChanged();
  void reportRequested();
  // model.BackgroundSwatch changed: the owner sets the view's clear colour.
  void backgroundColourChanged();
  // "New Cutter..." was pressed: the owner opens the cutter designer.
  void newCutterRequested();

 private:
  void SetCell(int gridRow, int column, const QString& text);
  void SelectCut(int cut);
  void FitColumns();

  Model& model_;
  ColourChooser chooseColour_;
  std::vector<std::string> userCutters_;

  QLabel* Label1 = nullptr;
  QComboBox* cbxTools = nullptr;
  QLabel* Label5 = nullptr;
  ColourSwatch* shpWoodColour = nullptr;
  QLabel* Label7 = nullptr;
  ColourSwatch* shpBackGround = nullptr;
  QLabel* Label2 = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QToolButton* SpeedButton3 = nullptr;
  QToolButton* SpeedButton4 = nullptr;
  QTableWidget* StringGrid1 = nullptr;
  QToolButton* btNewCutter = nullptr;
};

}  // namespace kerf
