// MainWindow: the "Kerfwright" window with the 3-D view, the status bar, the menus and the frame.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>

#include "desktop/Choosers.h"
#include "model/Model.h"
#include "model/SectionOutline.h"

class QAction;
class QDockWidget;
class QLabel;
class QMenu;

namespace kerf {

class ProfileWindow;
class ProgressSink;
class ViewPanel;

// The panels docked around the 3-D view, each following its Window-menu item; the Profile
// panel also gets its picture drawn in each frame. Owned elsewhere: the main window hands them
// back as it goes.
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
  static constexpr int StatusPanels = 3;
  // The panels' widths as designed; each grows to hold its longest text.
  static constexpr int StatusPanelWidths[StatusPanels] = {120, 120, 75};
  static constexpr const char* HeightPanelPrefix = "Bit Height : ";
  static constexpr const char* FencePanelPrefix = "Fence Depth : ";
  // Each panel's object name and what it shows (its accessible name and tooltip).
  struct StatusPanelInfo {
    const char* name;
    const char* shows;
  };
  static constexpr StatusPanelInfo StatusPanelNames[StatusPanels] = {
      {"cutterHeightPanel", "Cutter height above the table, set in the Profile panel"},
      {"fenceDepthPanel", "Fence depth: how far the cutter stands proud of the fence face"},
      {"drawTimePanel", "How long the last drawing of the 3-D view and the Profile picture took"}};
  // How long a confirmation of a written file stays in the status bar.
  static constexpr int ConfirmationMs = 4000;

  MainWindow(Model& model, const SectionOutline& outline, bool glLoaded, QWidget* parent = nullptr);
  ~MainWindow() override;

  ViewPanel* View() const { return view_; }
  // The status bar's panels at its right: the cutter height, the fence depth and the time the
  // last drawing took (see StatusPanelNames).
  QLabel* StatusPanel(int index) const { return statusPanels_[index]; }
  // The text beside the panels that tells about a missing cutter library.
  QLabel* StatusMessage() const { return statusMessage_; }
  // Shows a passing word there ("Fence clamped to 10\""); after a few seconds the text it
  // covered comes back, unless something else has been written there meanwhile.
  void ShowNote(const QString& note);
  // "Saved shop.ROU": what was written, named by its file (without folder), for a few seconds
  // over the text beside the panels. A name too long for the room left of the panels loses
  // its middle; the bar's tool tip holds the whole text meanwhile.
  void ConfirmWritten(const QString& what, const QString& path);
  // "Set-up sheet sent to Office": the same for a printer.
  void ConfirmSent(const QString& what, const QString& printer);
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

  // Set once every panel exists: each goes into its dock, at its place in the starting layout.
  // Until then the Window menu passes them by.
  void SetToolWindows(const ToolWindows& windows);
  // Once the delayed start-up step has shown the panels, showing the main window brings back
  // the checked ones; before it nothing is shown early.
  void ReleaseToolWindows() { toolWindowsReleased_ = true; }
  // The dock that holds panel (one of the ToolWindows), or null.
  QDockWidget* DockOf(const QWidget* panel) const;
  // The panel's item is ticked, its dock shown and brought to the front.
  void ShowPanel(QWidget* panel);
  // The docks' places, sizes and floating windows, for the settings; RestoreLayout puts back
  // such a layout (false for one it cannot read) and keeps to the Window menu's ticks.
  QByteArray SaveLayout() const;
  bool RestoreLayout(const QByteArray& layout);

  // One frame: the Profile picture when that panel is visible, the length texts, the 3-D
  // view and the time it all took. Any failure abandons the rest of this frame only.
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
  // Window > Reset Layout: every panel docked at its starting place, ticked and shown.
  void ResetLayout();

 protected:
  void closeEvent(QCloseEvent* event) override;    // asks the close query first
  void showEvent(QShowEvent* event) override;      // BringBackToolWindows
  void hideEvent(QHideEvent* event) override;      // HideToolWindows
  void changeEvent(QEvent* event) override;        // minimised and restored
  void resizeEvent(QResizeEvent* event) override;  // FitDocks while the window settles
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildStatusBar();
  void FitStatusPanels();
  void Confirm(const QString& what, const QString& name);
  void BuildMenus();
  // Every dock at its starting place: View Controls, Texture and Config down the left,
  // Profile at the right, Tools under the view.
  void PlaceDocks();
  // The docks shown get the sizes their panels want, as far as the window has room: once placed
  // and first shown (a layout put back keeps its sizes).
  void FitDocks();
  // The height the docks of one column may fill, less the menu and status bars.
  int DockRoom() const;
  // The docks show as their items are ticked, once start-up has released them.
  void ApplyTicks();
  // Shown again: the checked panels come back, once start-up has released them.
  void BringBackToolWindows();
  // Hidden or minimised: the floating panels go too, and the owner hides the windows that go
  // with it.
  void HideToolWindows();
  // The five panels in the order ShowCheckedToolWindows walks them, with their docks and menu
  // items.
  struct ToolWindowItem {
    QWidget* window;
    QDockWidget* dock;
    QAction* item;
  };
  std::array<ToolWindowItem, 5> ToolWindowItems() const;

  Model& model_;
  ToolWindows toolWindows_;
  std::array<QDockWidget*, 5> docks_{};  // in the order of ToolWindowItems
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
  bool fitPending_ = false;  // FitDocks once the placed docks show
  // Since the placed docks were fitted: the window manager may still be maximising the window,
  // and the docks are fitted again at each resize of the next moments.
  QElapsedTimer sinceFit_;
};

}  // namespace kerf
