// ToolsWindow: the "Tools" panel: cutter choice, wood and background colours, the cut grid.
#include "desktop/ToolsWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

#include "desktop/ColourSwatch.h"
#include "desktop/CutEditDialog.h"
#include "desktop/CutListGlyphs.h"
#include "desktop/HelpKey.h"
#include "desktop/ToolWindowFrame.h"
#include "model/CutterOrder.h"

namespace kerf {
namespace {

QToolButton* GlyphButton(QWidget* parent, const char* name, const char* hint, const QIcon& glyph) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setIcon(glyph);
  button->setAutoRaise(true);
  button->setFixedSize(25, 25);
  return button;
}

}  // namespace

ToolsWindow::ToolsWindow(Model& model, const Section& section, QWidget* parent)
    : QWidget(parent, ToolWindowFlags),
      model_(model),
      section_(section),
      chooseColour_(DialogColourChooser(this)) {
  editCut_ = [this](const Model& m, int row) -> std::optional<Cut> {
    CutEditDialog dialog(m, row, this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.EditedCut();
  };
  setObjectName("ToolsWindow");
  SetUpToolWindow(*this);
  setWindowTitle("Tools");
  SetHelpTopic(this, HelpTopic::Tools);

  cutterLabel_ = new QLabel("Cutter", this);
  cutterLabel_->setObjectName("cutterLabel");
  cutterBox_ = new QComboBox(this);
  cutterBox_->setObjectName("cutterBox");
  cutterBox_->setToolTip("Select Cutter from list");
  cutterBox_->setFixedWidth(169);

  woodLabel_ = new QLabel("Wood", this);
  woodLabel_->setObjectName("woodLabel");
  woodSwatch_ = new ColourSwatch(this);
  woodSwatch_->setObjectName("woodSwatch");
  woodSwatch_->setToolTip("Click to change wood colour");
  woodSwatch_->SetColour(ToQColor(model_.WoodSwatch()));

  backgroundLabel_ = new QLabel("Background", this);
  backgroundLabel_->setObjectName("backgroundLabel");
  backgroundSwatch_ = new ColourSwatch(this);
  backgroundSwatch_->setObjectName("backgroundSwatch");
  backgroundSwatch_->setToolTip("Click to change background colour");
  backgroundSwatch_->SetColour(ToQColor(model_.BackgroundSwatch()));

  cutListLabel_ = new QLabel("Cut list controls", this);
  cutListLabel_->setObjectName("cutListLabel");
  moveCutUpButton_ =
      GlyphButton(this, "moveCutUpButton", "Move selected cut up the list", MoveCutUpGlyph());
  moveCutDownButton_ =
      GlyphButton(this, "moveCutDownButton", "Move selected cut down the list", MoveCutDownGlyph());
  deleteCutButton_ = GlyphButton(this, "deleteCutButton", "Delete selected cut", DeleteCutGlyph());
  cutReportButton_ =
      GlyphButton(this, "cutReportButton", "Create Cut list report", CutReportGlyph());
  editCutButton_ = new QToolButton(this);
  editCutButton_->setObjectName("editCutButton");
  editCutButton_->setText("Edit...");
  editCutButton_->setToolTip("Change the selected cut's cutter, fence, height or face");
  editCutButton_->setAutoRaise(true);
  editCutButton_->setFixedHeight(25);

  cutGrid_ = new QTableWidget(2 - 1, GridColumns, this);
  cutGrid_->setObjectName("cutGrid");
  cutGrid_->setFixedSize(337, 113);
  cutGrid_->setSortingEnabled(false);
  cutGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  cutGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
  cutGrid_->setSelectionBehavior(QAbstractItemView::SelectItems);
  cutGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  cutGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  cutGrid_->setShowGrid(true);
  cutGrid_->setWordWrap(false);
  // The grid's columns are narrow; a smaller type keeps lengths like -0 13/64" whole.
  QFont gridFont = cutGrid_->font();
  if (gridFont.pointSizeF() > 8.0) gridFont.setPointSizeF(8.0);
  cutGrid_->setFont(gridFont);
  cutGrid_->verticalHeader()->hide();
  cutGrid_->verticalHeader()->setMinimumSectionSize(1);
  cutGrid_->verticalHeader()->setDefaultSectionSize(
      std::max(15, QFontMetrics(gridFont).height() + 2));
  cutGrid_->horizontalHeader()->setHighlightSections(false);
  cutGrid_->horizontalHeader()->setSectionsClickable(false);
  cutGrid_->horizontalHeader()->setMinimumSectionSize(1);
  cutGrid_->horizontalHeader()->setDefaultSectionSize(30);

  auto* top = new QGridLayout;
  top->setHorizontalSpacing(8);
  top->setVerticalSpacing(2);
  top->addWidget(cutterLabel_, 1, 0);
  top->addWidget(cutterBox_, 1, 1);
  newCutterButton_ = new QToolButton(this);
  newCutterButton_->setObjectName("newCutterButton");
  newCutterButton_->setText("New Cutter...");
  newCutterButton_->setToolTip("Design a cutter of your own");
  top->addWidget(newCutterButton_, 0, 1, Qt::AlignLeft);
  top->addWidget(woodLabel_, 0, 3, Qt::AlignHCenter);
  top->addWidget(woodSwatch_, 1, 3, Qt::AlignHCenter);
  top->addWidget(backgroundLabel_, 0, 4, Qt::AlignHCenter);
  top->addWidget(backgroundSwatch_, 1, 4, Qt::AlignHCenter);
  top->setColumnStretch(2, 1);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(2);
  buttons->addWidget(cutListLabel_);
  buttons->addSpacing(8);
  for (QToolButton* b :
       {moveCutUpButton_, moveCutDownButton_, deleteCutButton_, cutReportButton_, editCutButton_}) {
    buttons->addWidget(b);
  }
  buttons->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->setSpacing(6);
  layout->addLayout(top);
  layout->addLayout(buttons);
  layout->addWidget(cutGrid_);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(cutterBox_, &QComboBox::currentIndexChanged, this, &ToolsWindow::OnCutterChosen);
  connect(woodSwatch_, &ColourSwatch::pressed, this, &ToolsWindow::OnChooseWoodColour);
  connect(backgroundSwatch_, &ColourSwatch::pressed, this, &ToolsWindow::OnChooseBackgroundColour);
  connect(moveCutUpButton_, &QToolButton::clicked, this, &ToolsWindow::OnMoveCutUp);
  connect(moveCutDownButton_, &QToolButton::clicked, this, &ToolsWindow::OnMoveCutDown);
  connect(deleteCutButton_, &QToolButton::clicked, this, &ToolsWindow::OnDeleteCut);
  connect(cutReportButton_, &QToolButton::clicked, this, &ToolsWindow::OnCutReport);
  connect(editCutButton_, &QToolButton::clicked, this, &ToolsWindow::OnEditCut);
  connect(cutGrid_, &QTableWidget::cellDoubleClicked, this, [this](int gridRow, int) {
    if (gridRow < 0) return;
    cutGrid_->setCurrentCell(gridRow, std::max(1, cutGrid_->currentColumn()));
    OnEditCut();
  });
  connect(newCutterButton_, &QToolButton::clicked, this, &ToolsWindow::newCutterRequested);
}

void ToolsWindow::Populate() {
  model_.SetWoodSwatch(FromQColor(woodSwatch_->Colour()));

  FitColumns(0);
  cutGrid_->setHorizontalHeaderLabels({"", "Cutter", "Fence", "Height", "Face", "Verdict"});

  // Every loaded cutter is listed, a single one included: the box always names the cutter
  // that a new cut will use.
  {
    const QSignalBlocker block(cutterBox_);
    cutterBox_->clear();
    // By kind, then by size; each item holds its cutter's number.
    std::vector<int> order(static_cast<size_t>(model_.CutterCount()));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
      return CutterListsBefore(model_.Cutter(a)->Name, model_.Cutter(b)->Name);
    });
    for (int n : order) {
      const Tool& tool = *model_.Cutter(n);
      const bool own = std::count(userCutters_.begin(), userCutters_.end(), tool.FileName) > 0;
      cutterBox_->addItem(QString::fromStdString(tool.Name) + (own ? " (own)" : ""), n);
    }
    cutterBox_->setCurrentIndex(cutterBox_->findData(model_.CurrentCutter()));
  }

  RefreshCutGrid();
  cutGrid_->setCurrentCell(0, 1);
}

void ToolsWindow::SelectCurrentCutter() {
  {
    const QSignalBlocker block(cutterBox_);
    cutterBox_->setCurrentIndex(cutterBox_->findData(model_.CurrentCutter()));
  }
  emit cutterChanged();
}

void ToolsWindow::SyncSwatches() {
  woodSwatch_->SetColour(ToQColor(model_.WoodSwatch()));
  backgroundSwatch_->SetColour(ToQColor(model_.BackgroundSwatch()));
}

void ToolsWindow::OnCutterChosen(int index) {
  if (index < 0) {
    return;
  }
  model_.SetCurrentCutter(cutterBox_->itemData(index).toInt());
  emit cutterChanged();
}

void ToolsWindow::OnChooseWoodColour() {
  const std::optional<QColor> chosen = chooseColour_(woodSwatch_->Colour());
  if (!chosen) {
    return;
  }
  woodSwatch_->SetColour(*chosen);
  const Colour before = model_.WoodSwatch();
  const Colour after = FromQColor(*chosen);
  if (model_.SetWoodSwatch(after)) {
    Model& model = model_;
    RecordStep(
        record_, "Wood Colour", [&model, after] { return model.SetWoodSwatch(after); },
        [&model, before] { return model.SetWoodSwatch(before); });
  }
}

void ToolsWindow::OnChooseBackgroundColour() {
  const std::optional<QColor> chosen = chooseColour_(backgroundSwatch_->Colour());
  if (!chosen) {
    return;
  }
  backgroundSwatch_->SetColour(*chosen);
  model_.SetBackgroundSwatch(FromQColor(*chosen));
  emit backgroundColourChanged();
}

void ToolsWindow::OnMoveCutUp() {
  const int row = SelectedRow();
  if (model_.MoveCutUp(row)) {
    Model& model = model_;
    RecordStep(
        record_, QString("Move Cut #%1 Up").arg(row),
        [&model, row] { return model.MoveCutUp(row); },
        [&model, row] { return model.MoveCutDown(row - 1); });
    emit cutListChanged();
    SelectCut(row - 1);
  }
}

void ToolsWindow::OnMoveCutDown() {
  const int row = SelectedRow();
  if (model_.MoveCutDown(row)) {
    Model& model = model_;
    RecordStep(
        record_, QString("Move Cut #%1 Down").arg(row),
        [&model, row] { return model.MoveCutDown(row); },
        [&model, row] { return model.MoveCutUp(row + 1); });
    emit cutListChanged();
    SelectCut(row + 1);
  }
}

void ToolsWindow::OnDeleteCut() {
  const int row = SelectedRow();
  if (const CutEdit removed = model_.DeleteCut(row)) {
    Model& model = model_;
    RecordStep(
        record_, QString("Delete Cut #%1").arg(row),
        [&model, row] { return model.DeleteCut(row).Changed; },
        [&model, row, cut = removed.Before] { return model.InsertCut(row, cut); });
    emit cutListChanged();
  }
}

void ToolsWindow::OnEditCut() {
  const int row = SelectedRow();
  if (row < 1 || row > model_.CutCount() || !editCut_) return;
  const std::optional<Cut> edited = editCut_(model_, row);
  if (!edited) return;
  emit cutEditRequested(row, *edited);
}

void ToolsWindow::OnCutReport() { emit reportRequested(); }

}  // namespace kerf
