// ToolsWindow: the "Tools" panel: cutter choice, wood and background colours, the cut grid.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "desktop/Choosers.h"
#include "desktop/SetupStep.h"
#include "model/Model.h"
#include "model/Section.h"

class QComboBox;
class QLabel;
class QTableWidget;
class QToolButton;

namespace kerf {

class ColourSwatch;

class ToolsWindow : public QWidget {
  Q_OBJECT

 public:
  // The grid's columns: number, Cutter, Fence, Height, Face, Verdict.
  static constexpr int GridColumns = 6;

  // The grid shows each cut's verdict as section, the last measuring pass of model, has it.
  ToolsWindow(Model& model, const Section& section, QWidget* parent = nullptr);

  // Derives the wood colour from the swatch, sets up the grid headings and lists the cutters.
  void Populate();
  // Refills the grid from the cut list; the grid's selection stays where it was.
  void RefreshCutGrid();
  // After cuts were appended to the list the grid shows: only their rows are added (a list of
  // thousands of cuts is not refilled); the selection stays. Anything else refills the grid.
  void AppendCutRows();
  // Selects the model's CurrentCutter in the cutter box and announces the change.
  void SelectCurrentCutter();
  // Shows the model's wood and background colours in the swatches (after a project is opened).
  void SyncSwatches();

  // The cut number of the grid's selected row; 0 when no cut row is selected.
  int SelectedRow() const;
  // Selects the row of cut number cut.
  void SelectCut(int cut);

  // Cutters from the user's own folder, by file name: the cutter box marks them.
  void SetUserCutters(std::vector<std::string> fileNames) { userCutters_ = std::move(fileNames); }

  // Asks for the new settings of cut number row; nothing when the user cancelled. The default
  // opens the cut edit dialog; tests replace it.
  using CutEditor = std::function<std::optional<Cut>(const Model& model, int row)>;
  void SetCutEditor(CutEditor editor) { editCut_ = std::move(editor); }

  // Replaces the colour dialog step (tests choose colours without a modal dialog).
  void SetColourChooser(ColourChooser chooser) { chooseColour_ = std::move(chooser); }
  // The edits of the cut list and the wood colour are handed to recorder as undoable steps.
  void SetStepRecorder(StepRecorder recorder) { record_ = std::move(recorder); }

  // Handlers of the window's controls.
  void OnCutterChosen(int index);
  void OnChooseWoodColour();
  void OnChooseBackgroundColour();
  void OnMoveCutUp();
  void OnMoveCutDown();
  void OnDeleteCut();
  // The Edit button and a double click on a cut: the editor's cut goes to cutEditRequested.
  void OnEditCut();
  void OnCutReport();

 signals:
  // The cut list changed: the owner rebuilds the outline, then calls RefreshCutGrid.
  void cutListChanged();
  // CurrentCutter changed: the owner re-applies the Profile window's interlock.
  void cutterChanged();
  void reportRequested();
  // The user edited cut number row into cut. The owner replaces it in the model
  // (Model::ReplaceCut) and rebuilds as after any change of the cut list.
  void cutEditRequested(int row, const kerf::Cut& cut);
  // model.BackgroundSwatch() changed: the owner sets the view's clear colour.
  void backgroundColourChanged();
  // "New Cutter..." was pressed: the owner opens the cutter designer.
  void newCutterRequested();

 private:
  void SetCell(int gridRow, int column, const QString& text);
  // The row of cut number cut, from its settings and its verdict.
  void FillRow(int cut);
  // The Verdict cell of a grid row and the row's colours; an empty row for no cut.
  void ShowVerdict(int gridRow, const CutResult* cut);
  void FitColumns(int fromRow);

  Model& model_;
  const Section& section_;
  ColourChooser chooseColour_;
  CutEditor editCut_;
  StepRecorder record_;
  std::vector<std::string> userCutters_;

  QLabel* cutterLabel_ = nullptr;
  QComboBox* cutterBox_ = nullptr;
  QLabel* woodLabel_ = nullptr;
  ColourSwatch* woodSwatch_ = nullptr;
  QLabel* backgroundLabel_ = nullptr;
  ColourSwatch* backgroundSwatch_ = nullptr;
  QLabel* cutListLabel_ = nullptr;
  QToolButton* moveCutUpButton_ = nullptr;
  QToolButton* moveCutDownButton_ = nullptr;
  QToolButton* deleteCutButton_ = nullptr;
  QToolButton* cutReportButton_ = nullptr;
  QToolButton* editCutButton_ = nullptr;
  QTableWidget* cutGrid_ = nullptr;
  QToolButton* newCutterButton_ = nullptr;
  int cutsShown_ = 0;  // the cuts the grid has rows for
};

}  // namespace kerf
