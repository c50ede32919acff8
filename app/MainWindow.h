// MainWindow: the "Kerfwright" window with the 3-D view, the status bar, the menus and the frame.
#pragma once

#include <QMainWindow>
#include <array>

#include "model/Model.h"

class QAction;
class QLabel;

namespace kerf {

class Desktop;
class ViewPanel;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int StatusPanels = 6;

  MainWindow(Desktop& desktop, Model& model, bool glLoaded, QWidget* parent = nullptr);

  ViewPanel* View() const { return view_; }
  // StatusBar1's panels 0..5.
  QLabel* StatusPanel(int index) const { return statusPanels_[index]; }
  // The text beside the panels that tells about a missing cutter library.
  QLabel* StatusMessage() const { return statusMessage_; }
  QAction* SaveAction() const { return saveAction_; }
  QAction* WindowItem(const char* objectName) const;

  // Once the delayed start-up step has shown the tool windows, showing the main window brings
  // back the checked ones; before it nothing is shown early.
  void ReleaseToolWindows() { toolWindowsReleased_ = true; }
  // The tool windows ask for no close button; where the window manager offers one anyway,
  // closing there unticks the window's Window-menu item.
  void WatchToolWindows();

  // One frame: the Profile picture when that window is visible, the length texts, the 3-D
  // view and the frame rate. Any failure abandons the rest of this frame only.
  void FrameTick();

 public slots:
  void Open();
  void Save();
  void SaveAs();
  void OnPhotograph();
  void Export3D1Click();
  void ExportTemplate1Click();
  void CutReport1Click();
  void Exit1Click();
  void ShowCheckedToolWindows();
  void ArrangeWindows();
  void About1Click();
  void Contents1Click();

 protected:
  void closeEvent(QCloseEvent* event) override;  // FormCloseQuery
  void showEvent(QShowEvent* event) override;    // FormShow
  void hideEvent(QHideEvent* event) override;    // FormHide
  void changeEvent(QEvent* event) override;      // minimised and restored
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildStatusBar();
  void BuildMenus();
  void FormShow();
  void FormHide();
  // The five tool windows in the order ShowCheckedToolWindows walks them, with their menu items.
  struct ToolWindowItem {
    QWidget* window;
    QAction* item;
  };
  std::array<ToolWindowItem, 5> ToolWindowItems() const;

  Desktop& desktop_;
  Model& model_;
  ViewPanel* view_;
  std::array<QLabel*, StatusPanels> statusPanels_{};
  QLabel* statusMessage_ = nullptr;
  QAction* saveAction_ = nullptr;
  QAction* profileItem_ = nullptr;
  QAction* toolsItem_ = nullptr;
  QAction* viewItem_ = nullptr;
  QAction* configItem_ = nullptr;
  QAction* textureItem_ = nullptr;
  bool toolWindowsReleased_ = false;
};

}  // namespace kerf
