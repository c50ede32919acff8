// MainWindow: the 3-D view, the status bar, the frame, showing and hiding with the tools.
#include "desktop/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>
#include <algorithm>
#include <exception>

#include "desktop/HelpKey.h"
#include "desktop/ProfileWindow.h"
#include "desktop/StatusPanels.h"
#include "desktop/ViewPanel.h"
#include "model/FenceInterlock.h"
#include "model/LengthText.h"
#include "render/GLSupport.h"

namespace kerf {

namespace {
constexpr int NoteMs = 6000;  // how long a passing note stays in the status bar
// The bar leaves a few pixels free at each end of a message it draws.
constexpr int MessageMargin = 8;

QString DrawTimeText(float ms) { return QString::asprintf("%.1f ms", static_cast<double>(ms)); }
}  // namespace

MainWindow::MainWindow(Model& model, const SectionOutline& outline, bool glLoaded, QWidget* parent)
    : QMainWindow(parent), model_(model) {
  setObjectName("MainWindow");
  setWindowTitle("Kerfwright[*]");  // "*" while the set-up has unsaved changes
  resize(787, 586);
  view_ = new ViewPanel(model_, outline, glLoaded, this);
  setCentralWidget(view_);
  BuildStatusBar();
  BuildMenus();
  SetHelpTopic(this, HelpTopic::MainWindow);
}

// The text beside the panels takes what room is left; the panels stand at the right, where a
// confirmation of a written file, shown over the text for a few seconds, leaves them be.
void MainWindow::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("statusBar");
  bar->setSizeGripEnabled(false);
  statusMessage_ = new ElidingLabel(bar);
  statusMessage_->setObjectName("statusMessage");
  statusMessage_->setTextFormat(Qt::PlainText);  // may name the tools folder
  // A long text (a folder's name) must not make the window wider than the screen; it loses
  // its middle instead.
  statusMessage_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  bar->addWidget(statusMessage_, 1);
  for (int i = 0; i < StatusPanels; ++i) {
    auto* panel = new QLabel(bar);
    panel->setObjectName(StatusPanelNames[i].name);
    panel->setAccessibleName(StatusPanelNames[i].shows);
    panel->setToolTip(StatusPanelNames[i].shows);
    panel->setFixedWidth(StatusPanelWidths[i]);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    bar->addPermanentWidget(panel);
    statusPanels_[i] = panel;
  }
  statusPanels_[0]->setText("Tool Pos:");
  statusPanels_[1]->setText("Width :");
  FitStatusPanels();
  connect(bar, &QStatusBar::messageChanged, this, [bar](const QString& message) {
    if (message.isEmpty()) bar->setToolTip(QString());
  });
  noteTimer_.setSingleShot(true);
  noteTimer_.setInterval(NoteMs);
  connect(&noteTimer_, &QTimer::timeout, this, [this] {
    if (statusMessage_->text() == statusMessage_->toolTip())
      statusMessage_->setText(coveredByNote_);
    statusMessage_->setToolTip(QString());
  });
}

void MainWindow::ConfirmWritten(const QString& what, const QString& path) {
  Confirm(what, QFileInfo(path).fileName());
}

void MainWindow::ConfirmSent(const QString& what, const QString& printer) {
  Confirm(what, printer);
}

void MainWindow::Confirm(const QString& what, const QString& name) {
  QStatusBar* bar = statusBar();
  const QString whole = what + " " + name;
  // The bar draws the message from its left edge up to the first panel.
  const int room = statusPanels_[0]->isVisible() ? statusPanels_[0]->x() : bar->width();
  const QFontMetrics metrics(bar->font());
  const int forName = room - 2 * MessageMargin - metrics.horizontalAdvance(what + " ");
  if (bar->isVisible() && metrics.horizontalAdvance(whole) > room - 2 * MessageMargin) {
    bar->showMessage(what + " " + metrics.elidedText(name, Qt::ElideMiddle, std::max(forName, 0)),
                     ConfirmationMs);
    bar->setToolTip(whole);
  } else {
    bar->showMessage(whole, ConfirmationMs);
    bar->setToolTip(QString());
  }
}

void MainWindow::ShowNote(const QString& note) {
  // The tooltip holds the note shown: it tells a note from the standing text, and shows the
  // whole of a note too long for the space beside the panels.
  if (!noteTimer_.isActive() || statusMessage_->text() != statusMessage_->toolTip())
    coveredByNote_ = statusMessage_->text();
  statusMessage_->setText(note);
  statusMessage_->setToolTip(note);
  noteTimer_.start();
}

// The length panels and the drawing time hold their longest texts in either unit, in the font
// the desktop gives them; a design width that is wider already stays.
void MainWindow::FitStatusPanels() {
  static const QStringList heights = LengthPanelTexts(
      HeightPanelPrefix, ProfileWindow::HeightMinimum, ProfileWindow::HeightMaximum);
  static const QStringList fences = LengthPanelTexts(FencePanelPrefix, FenceMinimum, FenceMaximum);
  FitPanelWidth(statusPanels_[0], heights + QStringList{"Tool Pos:"}, StatusPanelWidths[0]);
  FitPanelWidth(statusPanels_[1], fences + QStringList{"Width :"}, StatusPanelWidths[1]);
  FitPanelWidth(statusPanels_[2], {DrawTimeText(9999.9f)}, StatusPanelWidths[2]);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) BringBackToolWindows();
}

void MainWindow::hideEvent(QHideEvent* event) {
  QMainWindow::hideEvent(event);
  if (!event->spontaneous()) HideToolWindows();
}

// Minimising takes the floating panels along; restoring brings back the checked ones. A new font
// measures the status panels again.
void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::FontChange) FitStatusPanels();
  if (event->type() != QEvent::WindowStateChange) return;
  if (isMinimized()) {
    HideToolWindows();
  } else if (isVisible()) {
    BringBackToolWindows();
  }
}

// Closing: the owner may keep the window open (unsaved changes and Cancel); otherwise the
// frames stop before anything they draw with goes.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (closeQuery_ && !closeQuery_()) {
    event->ignore();
    return;
  }
  event->accept();
  emit closing();
}

void MainWindow::FrameTick() {
  ProfileWindow* profile = toolWindows_.Profile;
  if (!view_->SceneReady() || profile == nullptr) return;
  try {
    FrameTiming timing;
    timing.StartTiming();
    bool drawn = profile->isVisible() && profile->DrawSection();
    const float height = static_cast<float>(profile->CutterHeight()) / 100.0f;
    const float fence = static_cast<float>(profile->Fence()) / 100.0f;
    statusPanels_[0]->setText(HeightPanelPrefix +
                              QString::fromStdString(WorkshopLength(height, model_.Unit())));
    statusPanels_[1]->setText(FencePanelPrefix +
                              QString::fromStdString(WorkshopLength(fence, model_.Unit())));
    profile->WriteLengthLabels();
    drawn = view_->DrawFrame() || drawn;
    // The time of the last frame that drew something; at rest nothing is drawn and it stays.
    if (drawn) statusPanels_[2]->setText(DrawTimeText(timing.ElapsedMs()));
  } catch (const std::exception& failure) {
    // The frame ends where it failed (most likely out of memory for a picture); the next one
    // starts afresh.
    qWarning("kerfwright: a frame was not drawn: %s", failure.what());
  }
}

}  // namespace kerf
