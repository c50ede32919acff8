// MainWindow's dock panels: their starting layout, the Window menu's ticks, the saved layout.
#include <algorithm>

#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

#include "desktop/MainWindow.h"
#include "desktop/ProfileWindow.h"

namespace kerf {

namespace {

// Changes when the docks change, so that a layout saved by an older build is not put back.
constexpr int LayoutVersion = 1;
constexpr int DockSeparator = 6;  // between two docks, with some room to spare

// Holds a panel of fixed size at that size while there is room, and lets it scroll where the
// screen is too small for every panel; it never stretches taller than its panel.
class PanelScroller : public QScrollArea {
 public:
  explicit PanelScroller(QWidget* panel) {
    setObjectName(panel->objectName() + "Scroller");
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setWidget(panel);
    panel->installEventFilter(this);
    FitToPanel();
  }
  // The panel and room for a vertical scroll bar beside it: a column too low for its panels
  // scrolls them up and down and never cuts them at the side.
  QSize sizeHint() const override {
    if (widget() == nullptr) return {};
    return PanelSize() +
           QSize(style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) + 2, 0);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget() && event->type() == QEvent::Resize) FitToPanel();
    return QScrollArea::eventFilter(watched, event);
  }

 private:
  // A panel laid out by its layout takes its size only once shown; until then its layout
  // tells it.
  QSize PanelSize() const {
    const QWidget* panel = widget();
    return panel->layout() != nullptr ? panel->sizeHint() : panel->size();
  }
  // Only the height is bounded: the docks of a column share the narrowest maximum width.
  void FitToPanel() {
    setMaximumHeight(PanelSize().height());
    updateGeometry();
  }
};

struct DockPlace {
  const char* name;
  Qt::DockWidgetArea area;
};
// In the order of ToolWindowItems: Profile, View Controls, Tools, Config, Texture. The left
// column holds the view's controls above the stock's, the Profile stands at the right, the
// Tools and their cut list lie under the view.
constexpr DockPlace DockPlaces[5] = {{"profileDock", Qt::RightDockWidgetArea},
                                     {"viewControlsDock", Qt::LeftDockWidgetArea},
                                     {"toolsDock", Qt::BottomDockWidgetArea},
                                     {"configDock", Qt::LeftDockWidgetArea},
                                     {"textureDock", Qt::LeftDockWidgetArea}};
// The order in which the left column is filled, top first (indices into DockPlaces). Where the
// screen is too low for all three, the last two share their place as tabs, the last in front.
constexpr int LeftColumn[3] = {1, 4, 3};

}  // namespace

MainWindow::~MainWindow() {
  // The panels belong to their owner: they leave their docks before the docks go.
  for (QDockWidget* dock : docks_) {
    if (dock == nullptr) continue;
    if (auto* scroller = qobject_cast<QScrollArea*>(dock->widget())) {
      if (QWidget* panel = scroller->takeWidget()) {
        panel->removeEventFilter(scroller);
        panel->setParent(nullptr);
      }
    }
  }
}

std::array<MainWindow::ToolWindowItem, 5> MainWindow::ToolWindowItems() const {
  return {{{toolWindows_.Profile, docks_[0], profileItem_},
           {toolWindows_.ViewControls, docks_[1], viewItem_},
           {toolWindows_.Tools, docks_[2], toolsItem_},
           {toolWindows_.Config, docks_[3], configItem_},
           {toolWindows_.Texture, docks_[4], textureItem_}}};
}

void MainWindow::SetToolWindows(const ToolWindows& windows) {
  toolWindows_ = windows;
  // The side columns run the full height, so the Tools under the view take no height from them.
  setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
  setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
  setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
  const std::array<ToolWindowItem, 5> items = ToolWindowItems();
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].window == nullptr) continue;
    auto* dock = new QDockWidget(items[i].window->windowTitle(), this);
    dock->setObjectName(DockPlaces[i].name);
    dock->setWidget(new PanelScroller(items[i].window));
    items[i].window->show();  // inside the dock, which is what shows and hides
    dock->installEventFilter(this);
    dock->hide();
    docks_[i] = dock;
  }
  PlaceDocks();
}

void MainWindow::PlaceDocks() {
  const auto place = [this](int i) {
    QDockWidget* dock = docks_[static_cast<size_t>(i)];
    if (dock == nullptr) return;
    dock->setFloating(false);
    removeDockWidget(dock);
    addDockWidget(DockPlaces[i].area, dock, Qt::Vertical);
  };
  for (int i : LeftColumn) place(i);
  place(0);
  place(2);
  int wanted = 0;
  for (int i : LeftColumn)
    if (docks_[static_cast<size_t>(i)] != nullptr)
      wanted += docks_[static_cast<size_t>(i)]->sizeHint().height() + DockSeparator;
  if (wanted > DockRoom()) {
    QDockWidget* back = docks_[static_cast<size_t>(LeftColumn[1])];
    QDockWidget* front = docks_[static_cast<size_t>(LeftColumn[2])];
    if (back != nullptr && front != nullptr) {
      tabifyDockWidget(back, front);
      front->raise();
    }
  }
  fitPending_ = true;
  ApplyTicks();
}

void MainWindow::FitDocks() {
  QList<QDockWidget*> docks;
  QList<int> widths, heights;
  // A side column is as wide as its widest panel: given a width each, it would take the last.
  int widest[2] = {0, 0};  // left, right
  const auto column = [this](QDockWidget* dock) {
    const Qt::DockWidgetArea area = dockWidgetArea(dock);
    return area == Qt::LeftDockWidgetArea ? 0 : area == Qt::RightDockWidgetArea ? 1 : -1;
  };
  for (QDockWidget* dock : docks_) {
    if (dock == nullptr || !dock->isVisible() || dock->isFloating()) continue;
    docks << dock;
    heights << dock->sizeHint().height();
    if (const int side = column(dock); side >= 0)
      widest[side] = std::max(widest[side], dock->sizeHint().width());
  }
  for (QDockWidget* dock : docks) {
    const int side = column(dock);
    widths << (side >= 0 ? widest[side] : dock->sizeHint().width());
  }
  resizeDocks(docks, widths, Qt::Horizontal);
  resizeDocks(docks, heights, Qt::Vertical);
}

int MainWindow::DockRoom() const {
  const QScreen* screen = this->screen();
  // Not shown yet, the window will be shown maximised or at a remembered size: the screen's
  // height less a window frame stands for it.
  const int window =
      isVisible() || screen == nullptr ? height() : screen->availableGeometry().height() - 30;
  return window - menuBar()->sizeHint().height() - statusBar()->sizeHint().height();
}

QDockWidget* MainWindow::DockOf(const QWidget* panel) const {
  for (const ToolWindowItem& entry : ToolWindowItems())
    if (entry.window == panel && panel != nullptr) return entry.dock;
  return nullptr;
}

void MainWindow::ShowPanel(QWidget* panel) {
  for (const ToolWindowItem& entry : ToolWindowItems()) {
    if (entry.window != panel || entry.dock == nullptr) continue;
    entry.item->setChecked(true);
    ShowCheckedToolWindows();
    entry.dock->raise();  // the front tab where it shares its place
    if (entry.dock->isFloating()) entry.dock->activateWindow();
  }
}

void MainWindow::ResetLayout() {
  for (const ToolWindowItem& entry : ToolWindowItems())
    if (entry.item != nullptr) entry.item->setChecked(true);
  PlaceDocks();
  ShowCheckedToolWindows();
}

QByteArray MainWindow::SaveLayout() const { return saveState(LayoutVersion); }

bool MainWindow::RestoreLayout(const QByteArray& layout) {
  const bool restored = !layout.isEmpty() && restoreState(layout, LayoutVersion);
  if (restored) fitPending_ = false;  // the docks keep the sizes they were given
  ApplyTicks();  // the layout's own idea of which docks show gives way to the ticks
  return restored;
}

// A dock closed from its title bar, or as a floating window from its frame, unticks its item.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close) {
    for (const ToolWindowItem& entry : ToolWindowItems())
      if (entry.dock == watched && entry.item != nullptr) entry.item->setChecked(false);
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::ApplyTicks() {
  for (const ToolWindowItem& entry : ToolWindowItems())
    if (entry.dock != nullptr && entry.item != nullptr)
      entry.dock->setVisible(toolWindowsReleased_ && entry.item->isChecked());
  if (fitPending_ && toolWindowsReleased_ && isVisible()) {
    fitPending_ = false;
    // Once the docks just shown have been laid out: sized before, the layout overrides them.
    QTimer::singleShot(0, this, [this] { FitDocks(); });
    sinceFit_.start();
  }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  // A window shown maximised takes its size a moment later, from the window manager; the docks
  // fitted to the smaller window would keep its proportions.
  constexpr qint64 SettleMs = 2000;
  if (sinceFit_.isValid() && !sinceFit_.hasExpired(SettleMs))
    QTimer::singleShot(0, this, [this] { FitDocks(); });
}

void MainWindow::ShowCheckedToolWindows() {
  if (!isVisible()) show();
  ApplyTicks();
}

void MainWindow::BringBackToolWindows() {
  if (toolWindowsReleased_) ApplyTicks();
}

void MainWindow::HideToolWindows() {
  for (QDockWidget* dock : docks_)
    if (dock != nullptr && dock->isFloating()) dock->hide();
  emit hiddenWithWindows();
}

}  // namespace kerf
