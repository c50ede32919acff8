// ToolsWindow: the "Tools" tool window: cutter choice, wood and background colours, the cut grid.
#include "ui/ToolsWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

#include "model/CutterOrder.h"
#include "model/LengthText.h"
#include "ui/ColourSwatch.h"
#include "ui/CutListGlyphs.h"
#include "ui/HelpKey.h"
#include "ui/ToolWindowFrame.h"

namespace kerf {
namespace {

constexpr int GridColumns = 5;
constexpr int ColumnWidths[GridColumns] = {30, 143, 50, 50, 40};

QToolButton* SpeedButton(QWidget* parent, const char* name, const char* hint, const QIcon& glyph) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setIcon(glyph);
  button->setAutoRaise(true);
  button->setFixedSize(25, 25);
  return button;
}

QString LengthText(int32_t hundredths, LengthUnit unit) {
  return QString::fromStdString(FormatLength(static_cast<float>(hundredths) / 100.0f, unit));
}

}  // namespace

ToolsWindow::ToolsWindow(Model& model, QWidget* parent)
    : QWidget(parent, ToolWindowFlags),
      model_(model),
      chooseColour_(DialogColourChooser(this)) {
  setObjectName("Form4");
  setWindowTitle("Tools");
  SetHelpTopic(this, HelpTopic::Tools);

  Label1 = new QLabel("Cutter", this);
  Label1->setObjectName("Label1");
  cbxTools = new QComboBox(this);
  cbxTools->setObjectName("cbxTools");
  cbxTools->setToolTip("Select Cutter from list");
  cbxTools->setFixedWidth(169);

  Label5 = new QLabel("Wood", this);
  Label5->setObjectName("Label5");
  shpWoodColour = new ColourSwatch(this);
  shpWoodColour->setObjectName("shpWoodColour");
  shpWoodColour->setToolTip("Click to change wood colour");
  shpWoodColour->SetColour(ToQColor(model_.WoodSwatch));

  Label7 = new QLabel("Background", this);
  Label7->setObjectName("Label7");
  shpBackGround = new ColourSwatch(this);
  shpBackGround->setObjectName("shpBackGround");
  shpBackGround->setToolTip("Click to change background colour");
  shpBackGround->SetColour(ToQColor(model_.BackgroundSwatch));

  Label2 = new QLabel("Cut list controls", this);
  Label2->setObjectName("Label2");
  SpeedButton1 = SpeedButton(this, "SpeedButton1", "Move selected cut up the list", MoveCutUpGlyph());
  SpeedButton2 =
      SpeedButton(this, "SpeedButton2", "Move selected cut down the list", MoveCutDownGlyph());
  SpeedButton3 = SpeedButton(this, "SpeedButton3", "Delete selected cut", DeleteCutGlyph());
  SpeedButton4 = SpeedButton(this, "SpeedButton4", "Create Cut list report", CutReportGlyph());

  StringGrid1 = new QTableWidget(2 - 1, GridColumns, this);
  StringGrid1->setObjectName("StringGrid1");
  StringGrid1->setFixedSize(337, 113);
  StringGrid1->setSortingEnabled(false);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
  StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  StringGrid1->setShowGrid(true);
  StringGrid1->setWordWrap(false);
  // The grid's columns are narrow; a smaller type keeps lengths like -0 13/64" whole.
  QFont gridFont = StringGrid1->font();
  if (gridFont.pointSizeF() > 8.0) gridFont.setPointSizeF(8.0);
  StringGrid1->setFont(gridFont);
  StringGrid1->verticalHeader()->hide();
  StringGrid1->verticalHeader()->setMinimumSectionSize(1);
  StringGrid1->verticalHeader()->setDefaultSectionSize(
      std::max(15, QFontMetrics(gridFont).height() + 2));
  StringGrid1->horizontalHeader()->setHighlightSections(false);
  StringGrid1->horizontalHeader()->setSectionsClickable(false);
  StringGrid1->horizontalHeader()->setMinimumSectionSize(1);
  StringGrid1->horizontalHeader()->setDefaultSectionSize(30);

  auto* top = new QGridLayout;
  top->setHorizontalSpacing(8);
  top->setVerticalSpacing(2);
  top->addWidget(Label1, 1, 0);
  top->addWidget(cbxTools, 1, 1);
  btNewCutter = new QToolButton(this);
  btNewCutter->setObjectName("btNewCutter");
  btNewCutter->setText("New Cutter...");
  btNewCutter->setToolTip("Design a cutter of your own");
  top->addWidget(btNewCutter, 0, 1, Qt::AlignLeft);
  top->addWidget(Label5, 0, 3, Qt::AlignHCenter);
  top->addWidget(shpWoodColour, 1, 3, Qt::AlignHCenter);
  top->addWidget(Label7, 0, 4, Qt::AlignHCenter);
  top->addWidget(shpBackGround, 1, 4, Qt::AlignHCenter);
  top->setColumnStretch(2, 1);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(2);
  buttons->addWidget(Label2);
  buttons->addSpacing(8);
  for (QToolButton* b : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4}) {
    buttons->addWidget(b);
  }
  buttons->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->setSpacing(6);
  layout->addLayout(top);
  layout->addLayout(buttons);
  layout->addWidget(StringGrid1);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(cbxTools, &QComboBox::currentIndexChanged, this, &ToolsWindow::cbxToolsChange);
  connect(shpWoodColour, &ColourSwatch::pressed, this, &ToolsWindow::shpWoodColourMouseDown);
  connect(shpBackGround, &ColourSwatch::pressed, this, &ToolsWindow::shpBackGroundMouseDown);
  connect(SpeedButton1, &QToolButton::clicked, this, &ToolsWindow::SpeedButton1Click);
  connect(SpeedButton2, &QToolButton::clicked, this, &ToolsWindow::SpeedButton2Click);
  connect(SpeedButton3, &QToolButton::clicked, this, &ToolsWindow::SpeedButton3Click);
  connect(SpeedButton4, &QToolButton::clicked, this, &ToolsWindow::SpeedButton4Click);
  connect(btNewCutter, &QToolButton::clicked, this, &ToolsWindow::newCutterRequested);
}

void ToolsWindow::FormCreate() {
  model_.SetWoodSwatch(FromQColor(shpWoodColour->Colour()));

  FitColumns();
  StringGrid1->setHorizontalHeaderLabels({"", "Cutter", "Fence", "Height", "Face"});

  // Every loaded cutter is listed, a single one included: the box always names the cutter
  // that a new cut will use.
  {
    const QSignalBlocker block(cbxTools);
    cbxTools->clear();
    // By kind, then by size; each item holds its cutter's number in the table.
    std::vector<int> order(static_cast<size_t>(model_.CutterCount()));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
      return CutterListsBefore(model_.CutterTable[a].Name, model_.CutterTable[b].Name);
    });
    for (int n : order) {
      const TTool& tool = model_.CutterTable[n];
      const bool own = std::count(userCutters_.begin(), userCutters_.end(), tool.FileName) > 0;
      cbxTools->addItem(QString::fromStdString(tool.Name) + (own ? " (own)" : ""), n);
    }
    cbxTools->setCurrentIndex(cbxTools->findData(model_.CurrentCutter));
  }

  RefreshCutGrid();
  StringGrid1->setCurrentCell(0, 1);
}

void ToolsWindow::FitColumns() {
  // The length columns are at least wide enough for the longest length text in the grid's
  // type, whatever font the desktop gives, and the cutter column for the longest cutter text
  // it shows (a missing cutter's file name is often long); the grid grows with them.
  const QFontMetrics metrics(StringGrid1->font());
  const int padding = 8;
  const int lengthWidth = metrics.horizontalAdvance(QStringLiteral("-10 63/64\"")) + padding;
  int cutterWidth = ColumnWidths[1];
  for (int row = 0; row < StringGrid1->rowCount(); ++row) {
    if (const QTableWidgetItem* item = StringGrid1->item(row, 1))
      cutterWidth = std::max(cutterWidth, metrics.horizontalAdvance(item->text()) + padding);
  }
  int total = 0;
  for (int column = 0; column < GridColumns; ++column) {
    int width = ColumnWidths[column];
    if (column == 1) width = cutterWidth;
    if (column == 2 || column == 3) width = std::max(width, lengthWidth);
    StringGrid1->setColumnWidth(column, width);
    total += width;
  }
  const int frame = 2 * StringGrid1->frameWidth();
  const int scrollBar = StringGrid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int gridWidth = std::max(337, total + frame + scrollBar + 2);
  if (gridWidth == StringGrid1->width()) return;
  const int before = width();
  StringGrid1->setFixedWidth(gridWidth);
  // A shown window keeps its right edge where it was, so that growing it does not push it
  // off the side of the screen it was arranged against.
  if (isVisible() && layout() != nullptr) {
    layout()->activate();
    move(x() - (width() - before), y());
  }
}

void ToolsWindow::SetCell(int gridRow, int column, const QString& text) {
  QTableWidgetItem* item = StringGrid1->item(gridRow - 1, column);
  if (item == nullptr) {
    item = new QTableWidgetItem;
    if (column == 0) {
      // The number column is fixed: shown like a heading, never selected.
      item->setFlags(Qt::ItemIsEnabled);
      item->setBackground(palette().button());
      item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    } else {
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    StringGrid1->setItem(gridRow - 1, column, item);
  }
  item->setText(text);
}

void ToolsWindow::RefreshCutGrid() {
  const int selectedRow = StringGrid1->currentRow();
  const int selectedColumn = std::max(1, StringGrid1->currentColumn());

  const int cutCount = model_.CutCount();
  if (cutCount <= 0) {
    StringGrid1->setRowCount(2 - 1);
    for (int column = 0; column < GridColumns; ++column) {
      SetCell(1, column, QString());
    }
  } else {
    StringGrid1->setRowCount(cutCount);
    for (int i = 1; i <= cutCount; ++i) {
      const TCut& cut = model_.CutAt(i);
      const TTool* cutter = model_.Cutter(cut.Cutter);
      const QString cutterName = cutter != nullptr
                                     ? QString::fromStdString(cutter->Name)
                                     : QString::fromStdString(cut.CutterFileName) + " (missing)";
      SetCell(i, 0, QString::number(i));
      SetCell(i, 1, cutterName);
      SetCell(i, 2, LengthText(cut.Fence, model_.Unit));
      SetCell(i, 3, LengthText(cut.Height, model_.Unit));
      SetCell(i, 4, QString::number(cut.Face));
    }
  }
  FitColumns();

  // The selection stays on its row; when that row is gone it moves to the last row left.
  if (selectedRow >= 0) {
    const int row = std::min(selectedRow, StringGrid1->rowCount() - 1);
    if (row != StringGrid1->currentRow() || StringGrid1->selectedItems().isEmpty()) {
      StringGrid1->setCurrentCell(row, selectedColumn);
    }
  }
}

int ToolsWindow::SelectedRow() const {
  const QList<QTableWidgetItem*> selected = StringGrid1->selectedItems();
  if (!selected.isEmpty()) {
    return selected.constFirst()->row() + 1;
  }
  // A click on the number column selects no cell but still points at its row.
  const int current = StringGrid1->currentRow();
  return current >= 0 ? current + 1 : 0;
}

void ToolsWindow::SelectCurrentCutter() {
  {
    const QSignalBlocker block(cbxTools);
    cbxTools->setCurrentIndex(cbxTools->findData(model_.CurrentCutter));
  }
  emit cutterChanged();
}

void ToolsWindow::SyncSwatches() {
  shpWoodColour->SetColour(ToQColor(model_.WoodSwatch));
  shpBackGround->SetColour(ToQColor(model_.BackgroundSwatch));
}

void ToolsWindow::cbxToolsChange(int index) {
  if (index < 0) {
    return;
  }
  model_.CurrentCutter = cbxTools->itemData(index).toInt();
  emit cutterChanged();
}

void ToolsWindow::shpWoodColourMouseDown() {
  const std::optional<QColor> chosen = chooseColour_(shpWoodColour->Colour());
  if (!chosen) {
    return;
  }
  shpWoodColour->SetColour(*chosen);
  model_.SetWoodSwatch(FromQColor(*chosen));
}

void ToolsWindow::shpBackGroundMouseDown() {
  const std::optional<QColor> chosen = chooseColour_(shpBackGround->Colour());
  if (!chosen) {
    return;
  }
  shpBackGround->SetColour(*chosen);
  model_.BackgroundSwatch = FromQColor(*chosen);
  emit backgroundColourChanged();
}

void ToolsWindow::SpeedButton1Click() {
  const int row = SelectedRow();
  if (model_.MoveCutUp(row)) {
    emit cutListChanged();
    SelectCut(row - 1);
  }
}

void ToolsWindow::SpeedButton2Click() {
  const int row = SelectedRow();
  if (model_.MoveCutDown(row)) {
    emit cutListChanged();
    SelectCut(row + 1);
  }
}

void ToolsWindow::SelectCut(int cut) {
  // The moved cut stays selected, so that pressing the button again moves it further.
  StringGrid1->setCurrentCell(cut - 1, std::max(1, StringGrid1->currentColumn()));
}

void ToolsWindow::SpeedButton3Click() {
  if (model_.DeleteCut(SelectedRow())) {
    emit cutListChanged();
  }
}

void ToolsWindow::SpeedButton4Click() { emit reportRequested(); }

}  // namespace kerf
