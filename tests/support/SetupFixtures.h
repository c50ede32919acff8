// Shared set-ups for the window tests: a small cutter library, cuts, grid reading.
#pragma once

#include <QString>
#include <QTableWidget>
#include <QWidget>
#include <string>
#include <vector>

#include "model/Model.h"

namespace kerf::testing {

// n cutters named "Cutter 1".. with files "cutter1.bmp".., each a plain 40-unit radius.
inline std::vector<Tool> SmallCutterLibrary(int n) {
  std::vector<Tool> tools;
  for (int i = 1; i <= n; ++i) {
    Tool tool;
    tool.Name = "Cutter " + std::to_string(i);
    tool.FileName = "cutter" + std::to_string(i) + ".bmp";
    tool.RowCount = 50;
    for (int row = 1; row <= tool.RowCount; ++row) tool.Profile[row] = 40;
    tools.push_back(tool);
  }
  return tools;
}

// Appends a cut with the given settings, as the Profile window's Cut does.
inline void AddCut(Model& model, int32_t fence, int32_t height, int32_t face, int cutter) {
  model.SetFaceOnTable(face);
  model.SetCurrentCutter(cutter);
  model.AppendCut(fence, height);
}

template <typename T>
T* Find(const QWidget& window, const char* name) {
  T* child = window.findChild<T*>(name);
  if (child == nullptr) throw std::runtime_error(std::string("no control named ") + name);
  return child;
}

// The text of a grid cell counted as the grid shows it: row 1 is the first cut.
inline QString GridText(const QWidget& tools, int gridRow, int column) {
  const auto* grid = Find<QTableWidget>(tools, "cutGrid");
  const QTableWidgetItem* item = grid->item(gridRow - 1, column);
  return item ? item->text() : QString();
}

// Rows of the grid below the headings.
inline int GridRows(const QWidget& tools) {
  return Find<QTableWidget>(tools, "cutGrid")->rowCount();
}

}  // namespace kerf::testing
