// StockSizeDialog: the "Config" tool window: size of the next stock, display unit, New.
#pragma once

#include <QWidget>

#include <functional>

#include "desktop/SetupStep.h"
#include "model/Model.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

namespace kerf {

class LengthBox;

// The project's name from New until Open or Save As names a file (never a path: those are
// absolute).
inline constexpr const char* UntitledProject = "Untitled";

class StockSizeDialog : public QWidget {
  Q_OBJECT

 public:
  explicit StockSizeDialog(Model& model, QWidget* parent = nullptr);

  // Sets the labels for the unit and applies New. The owner arms its start-up timer after it.
  void StartWithNewWorkpiece();
  // New: empties the cut list, face 3 on the table, stock from the two sliders, and the
  // project becomes untitled. The guard is asked first; when it says no, nothing changes.
  void OnNew();
  // Asked before New throws the set-up away (whether unsaved changes may go); none at start-up.
  void SetNewGuard(std::function<bool()> guard) { newGuard_ = std::move(guard); }
  // New is handed to recorder as an undoable step.
  void SetStepRecorder(StepRecorder recorder) { record_ = std::move(recorder); }
  // Puts a stored stock size (the model's StockWidth and StockHeight) on the Height and Width
  // sliders (they hold it within 50..1000).
  void SetStockSliders(int32_t width, int32_t height);

  // The boxes follow their sliders.
  void OnWidthMoved();
  void OnHeightMoved();
  void OnUnitChange();
  // Shows unit on the Unit buttons and applies it as a click on them would.
  void SetUnit(LengthUnit unit);
  // The keyboard focus in the first size box, its text selected for typing over.
  void FocusSize();
  // Puts a stored bit reach (hundredths above the table, 0..500) in the Bit reach box and the
  // model, as typing it would.
  void SetReach(int32_t reach);
  LengthBox* ReachBox() const { return reachBox_; }

 signals:
  // The model holds a new bare workpiece of an untitled project: the owner rebuilds, refreshes
  // the cut grid, names the project in its captions and shows the face on the table.
  void newWorkpiece();
  // model.Unit() changed: the owner refreshes every length text it shows (the cut grid).
  void unitChanged();
  // A word for the main window's status bar about a typed size (clamped, or not readable).
  void lengthNote(const QString& text);
  // model.TableReach() changed: the owner judges the cuts again.
  void reachChanged();

 private:
  void SetLabels();
  void PlaceSizeRow(QLabel* label, LengthBox* box, int y);

  Model& model_;
  std::function<bool()> newGuard_;
  StepRecorder record_;

  // Width: across the table after New (the model's StockHeight); Height: upright against the
  // fence (the model's StockWidth).
  QLabel* widthLabel_ = nullptr;
  LengthBox* widthBox_ = nullptr;
  QSlider* widthSlider_ = nullptr;
  QLabel* heightLabel_ = nullptr;
  LengthBox* heightBox_ = nullptr;
  QSlider* heightSlider_ = nullptr;
  QGroupBox* unitGroup_ = nullptr;
  QRadioButton* imperialButton_ = nullptr;
  QRadioButton* metricButton_ = nullptr;
  QPushButton* newButton_ = nullptr;
  // How far the table's lift raises a bit; the slider stays hidden, holding the box's range.
  QLabel* reachLabel_ = nullptr;
  LengthBox* reachBox_ = nullptr;
  QSlider* reachSlider_ = nullptr;
};

}  // namespace kerf
