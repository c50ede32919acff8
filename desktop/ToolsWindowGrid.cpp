// ToolsWindow's cut grid: filling it from the cut list, each row's verdict, the selection.
#include <QStyle>
#include <QTableWidget>
#include <algorithm>

#include "desktop/RasterImage.h"
#include "desktop/ToolsWindow.h"
#include "model/CutVerdict.h"
#include "model/LengthText.h"
#include "model/StockFaces.h"

namespace kerf {
namespace {

constexpr int ColumnWidths[ToolsWindow::GridColumns] = {30, 143, 50, 50, 40, 56};
constexpr int FaceColumn = 4;
constexpr int VerdictColumn = 5;

QString LengthText(int32_t hundredths, LengthUnit unit) {
  return QString::fromStdString(WorkshopLength(static_cast<float>(hundredths) / 100.0f, unit));
}

}  // namespace

void ToolsWindow::FitColumns(int fromRow) {
  // The length columns are at least wide enough for the longest length text in the grid's
  // type, whatever font the desktop gives, and the cutter column for the longest cutter text
  // it shows (a missing cutter's file name is often long); the grid grows with them. Rows
  // above fromRow were measured before: the cutter column is already wide enough for them.
  const QFontMetrics metrics(cutGrid_->font());
  const int padding = 8;
  const int lengthWidth = metrics.horizontalAdvance(QStringLiteral("-10 63/64\"")) + padding;
  int verdictWidth = 0;
  for (Verdict v : {Verdict::CutOK, Verdict::Caution, Verdict::Danger})
    verdictWidth = std::max(verdictWidth, metrics.horizontalAdvance(VerdictName(v)) + padding);
  int cutterWidth = fromRow > 0 ? cutGrid_->columnWidth(1) : ColumnWidths[1];
  for (int row = fromRow; row < cutGrid_->rowCount(); ++row) {
    if (const QTableWidgetItem* item = cutGrid_->item(row, 1))
      cutterWidth = std::max(cutterWidth, metrics.horizontalAdvance(item->text()) + padding);
  }
  int total = 0;
  for (int column = 0; column < ToolsWindow::GridColumns; ++column) {
    int width = ColumnWidths[column];
    if (column == 1) width = cutterWidth;
    if (column == 2 || column == 3) width = std::max(width, lengthWidth);
    if (column == VerdictColumn) width = std::max(width, verdictWidth);
    if (cutGrid_->columnWidth(column) != width) cutGrid_->setColumnWidth(column, width);
    total += width;
  }
  const int frame = 2 * cutGrid_->frameWidth();
  const int scrollBar = cutGrid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int gridWidth = std::max(337, total + frame + scrollBar + 2);
  if (gridWidth != cutGrid_->width()) cutGrid_->setFixedWidth(gridWidth);
}

void ToolsWindow::SetCell(int gridRow, int column, const QString& text) {
  QTableWidgetItem* item = cutGrid_->item(gridRow - 1, column);
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
    cutGrid_->setItem(gridRow - 1, column, item);
  }
  item->setText(text);
}

void ToolsWindow::FillRow(int cut) {
  const Cut& settings = model_.CutAt(cut);
  const Tool* cutter = model_.Cutter(settings.Cutter);
  const QString cutterName = cutter != nullptr
                                 ? QString::fromStdString(cutter->Name)
                                 : QString::fromStdString(settings.CutterFileName) + " (missing)";
  SetCell(cut, 0, QString::number(cut));
  SetCell(cut, 1, cutterName);
  SetCell(cut, 2, LengthText(settings.Fence, model_.Unit()));
  SetCell(cut, 3, LengthText(settings.Height, model_.Unit()));
  SetCell(cut, FaceColumn, QString::number(settings.Face));
  cutGrid_->item(cut - 1, FaceColumn)->setToolTip(QString::fromStdString(FaceWords(settings.Face)));
  ShowVerdict(cut, &section_.ResultOfCut(cut));
}

void ToolsWindow::RefreshCutGrid() {
  const int selectedRow = cutGrid_->currentRow();
  const int selectedColumn = std::max(1, cutGrid_->currentColumn());

  const int cutCount = model_.CutCount();
  if (cutCount <= 0) {
    cutGrid_->setRowCount(2 - 1);
    for (int column = 0; column < ToolsWindow::GridColumns; ++column) {
      SetCell(1, column, QString());
      cutGrid_->item(0, column)->setToolTip(QString());
    }
    ShowVerdict(1, nullptr);
  } else {
    cutGrid_->setRowCount(cutCount);
    for (int i = 1; i <= cutCount; ++i) FillRow(i);
  }
  cutsShown_ = std::max(cutCount, 0);
  FitColumns(0);

  // The selection stays on its row; when that row is gone it moves to the last row left.
  if (selectedRow >= 0) {
    const int row = std::min(selectedRow, cutGrid_->rowCount() - 1);
    if (row != cutGrid_->currentRow() || cutGrid_->selectedItems().isEmpty()) {
      cutGrid_->setCurrentCell(row, selectedColumn);
    }
  }
}

void ToolsWindow::AppendCutRows() {
  const int cutCount = model_.CutCount();
  // The empty row of a list without cuts is filled in place, and a list that did not grow is
  // shown afresh.
  if (cutsShown_ == 0 || cutCount <= cutsShown_) {
    RefreshCutGrid();
    return;
  }
  const int firstNew = cutsShown_ + 1;
  cutGrid_->setRowCount(cutCount);
  for (int i = firstNew; i <= cutCount; ++i) FillRow(i);
  cutsShown_ = cutCount;
  FitColumns(firstNew - 1);
}

void ToolsWindow::ShowVerdict(int gridRow, const CutResult* cut) {
  // The row takes the report's colour of the cut's verdict as its ground, under black type;
  // a safe cut, and the empty row, keep the grid's own. The number column stays a heading.
  QBrush ground;
  QString text;
  QString why;
  if (cut != nullptr) {
    const Verdict verdict = cut->Judged;
    text = VerdictName(verdict);
    if (verdict != Verdict::CutOK) ground = QColorFromColour(VerdictColour(verdict));
    why = QString("Table %1%, fence %2% left after the cut")
              .arg(RoundPercent(cut->Figures.TableAfter))
              .arg(RoundPercent(cut->Figures.FenceAfter));
    const std::string problem = CutProblem(cut->Figures);
    if (!problem.empty()) why += "; " + QString::fromStdString(problem);
  }
  SetCell(gridRow, VerdictColumn, text);
  cutGrid_->item(gridRow - 1, VerdictColumn)->setToolTip(why);
  for (int column = 1; column < GridColumns; ++column) {
    QTableWidgetItem* item = cutGrid_->item(gridRow - 1, column);
    item->setBackground(ground);
    item->setForeground(ground.style() == Qt::NoBrush ? QBrush() : QBrush(Qt::black));
  }
}

int ToolsWindow::SelectedRow() const {
  const QList<QTableWidgetItem*> selected = cutGrid_->selectedItems();
  if (!selected.isEmpty()) {
    return selected.constFirst()->row() + 1;
  }
  // A click on the number column selects no cell but still points at its row.
  const int current = cutGrid_->currentRow();
  return current >= 0 ? current + 1 : 0;
}

void ToolsWindow::SelectCut(int cut) {
  // The moved cut stays selected, so that pressing the button again moves it further.
  cutGrid_->setCurrentCell(cut - 1, std::max(1, cutGrid_->currentColumn()));
}

}  // namespace kerf
