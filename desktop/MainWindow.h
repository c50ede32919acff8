// MainWindow: the "Kerfwright" window with the 3-D view, the status bar, the menus and the frame.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>

#include "desktop/Choosers.h"
#include "model/Model.h"
#include "model/SectionOutline.h"

class QAction;
class QLabel;
class QMenu;

namespace kerf {

class ProfileWindow;
class ProgressSink;
class ViewPanel;

// The tool windows that follow the main window's Window menu and are arranged around it; the
// Profile window also gets its picture drawn in each frame. Owned elsewhere.
struct ToolWindows {
  ProfileWindow* Profile = nullptr;
  QWidget* ViewControls = nullptr;
  QWidget* Tools = nullptr;
  QWidget* Config = nullptr;
  QWidget* Texture = nullptr;
};

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int StatusPanels = 6;
  // The panels' widths as designed; the length and frame rate panels grow to hold their texts.
  static constexpr int StatusPanelWidths[StatusPanels] = {120, 120, 160, 80, 80, 75};
  static constexpr const char* HeightPanelPrefix = "Bit Height : ";
  static constexpr const char* FencePanelPrefix = "Fence Depth : ";
  // Each panel's object name and what it shows (its accessible name, and its tooltip where it
  // shows something).
  struct StatusPanelInfo {
    const char* name;
    const char* shows;
    bool empty;
  };
  static constexpr StatusPanelInfo StatusPanelNames[StatusPanels] = {
      {"cutterHeightPanel", "Cutter height above the table, set in the Profile window", false},
      {"fenceDepthPanel", "Fence depth: how far the cutter stands proud of the fence face", false},
      {"emptyPanel1", "Empty status panel", true},
      {"emptyPanel2", "Empty status panel", true},
      {"emptyPanel3", "Empty status panel", true},
      {"frameRatePanel", "Frames of the 3-D view drawn per second", false}};

  MainWindow(Model& model, const SectionOutline& outline, bool glLoaded, QWidget* parent = nullptr);

  ViewPanel* View() const { return view_; }
  // The status bar's panels 0..5: the cutter height, the fence depth, three kept empty as the
  // bar was laid out, and the frame rate (see StatusPanelNames).
  QLabel* StatusPanel(int index) const { return statusPanels_[index]; }
  // The text beside the panels that tells about a missing cutter library.
  QLabel* StatusMessage() const { return statusMessage_; }
  // Shows a passing word there ("Fence clamped to 10\""); after a few seconds the text it
  // covered comes back, unless something else has been written there meanwhile.
  void ShowNote(const QString& note);
  QAction* SaveAction() const { return saveAction_; }
  QAction* WindowItem(const char* objectName) const;
  // File > Recent Projects; its items are kept by the owner.
  QMenu* RecentMenu() const { return recentMenu_; }
  // The file step of File > Export Template (the plain dialog until set).
  void SetTemplateChooser(FileChooser chooser) { templateChooser_ = std::move(chooser); }
  // Where File > Print Set-up Sheet... tells how far drawing the sheet has come.
  void SetSheetProgress(ProgressSink* progress) { sheetProgress_ = progress; }
  // The Edit menu, between File and Window; its owner fills it with Undo and Redo.
  QMenu* EditMenu() const { return editMenu_; }
  // Asked when the window is about to close (close button, File > Exit): false keeps it open.
  void SetCloseQuery(std::function<bool()> query) { closeQuery_ = std::move(query); }

  // Set once every tool window exists; until then the Window menu and Arrange pass them by.
  void SetToolWindows(const ToolWindows& windows) { toolWindows_ = windows; }
  // Once the delayed start-up step has shown the tool windows, showing the main window brings
  // back the checked ones; before it nothing is shown early.
  void ReleaseToolWindows() { toolWindowsReleased_ = true; }
  // The tool windows ask for no close button; where the window manager offers one anyway,
  // closing there unticks the window's Window-menu item.
  void WatchToolWindows();

  // One frame: the Profile picture when that window is visible, the length texts, the 3-D
  // view and the frame rate. Any failure abandons the rest of this frame only.
  void FrameTick();

 signals:
  // What the user asked for from the menus; the owner of the windows carries it out.
  void newRequested();
  void openRequested();
  void saveRequested();
  void saveAsRequested();
  void photographRequested();
  void exportMeshRequested();
  void cutReportRequested();
  void matchProfileRequested();
  void aboutRequested();
  void helpContentsRequested();
  // The main window was hidden or minimised: the windows that go with it are hidden too.
  void hiddenWithWindows();
  // The main window is closing: the frames stop before anything they draw with goes.
  void closing();

 public slots:
  void OnExportTemplate();
  void OnPrintSetupSheet();
  void ShowCheckedToolWindows();
  void ArrangeWindows();

 protected:
  void closeEvent(QCloseEvent* event) override;  // asks the close query first
  void showEvent(QShowEvent* event) override;    // BringBackToolWindows
  void hideEvent(QHideEvent* event) override;    // HideToolWindows
  void changeEvent(QEvent* event) override;      // minimised and restored
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildStatusBar();
  void FitStatusPanels();
  void BuildMenus();
  // Shown again: the checked tool windows come back, once start-up has released them.
  void BringBackToolWindows();
  // Hidden or minimised: the owner hides the windows that go with it.
  void HideToolWindows();
  // The five tool windows in the order ShowCheckedToolWindows walks them, with their menu items.
  struct ToolWindowItem {
    QWidget* window;
    QAction* item;
  };
  std::array<ToolWindowItem, 5> ToolWindowItems() const;

  Model& model_;
  ToolWindows toolWindows_;
  ViewPanel* view_;
  std::array<QLabel*, StatusPanels> statusPanels_{};
  QLabel* statusMessage_ = nullptr;
  QTimer noteTimer_;
  QString coveredByNote_;  // the text the note covers
  QAction* saveAction_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  FileChooser templateChooser_;
  ProgressSink* sheetProgress_ = nullptr;
  QMenu* editMenu_ = nullptr;
  std::function<bool()> closeQuery_;
  QAction* profileItem_ = nullptr;
  QAction* toolsItem_ = nullptr;
  QAction* viewItem_ = nullptr;
  QAction* configItem_ = nullptr;
  QAction* textureItem_ = nullptr;
  bool toolWindowsReleased_ = false;
};

}  // namespace kerf
