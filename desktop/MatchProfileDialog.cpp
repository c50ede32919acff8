// MatchProfileDialog: "Match a Profile": the target, the stock, the search with progress, and the
// plan found drawn over its target.
#include "desktop/MatchProfileDialog.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>
#include <exception>
#include <memory>

#include "desktop/HelpKey.h"
#include "desktop/MatchPlanPanel.h"
#include "desktop/ProfileWindow.h"
#include "model/CutterKinds.h"
#include "model/LengthText.h"
#include "project/MatchTargetFile.h"

namespace kerf {

namespace {

constexpr int ProgressSteps = 1000;  // the progress dialog's range

// Progress reported by the worker thread: each change of the permille shown is posted to the
// progress dialog's own thread.
class PostedProgress final : public ProgressSink {
 public:
  PostedProgress(QProgressDialog* shown, const std::atomic<bool>* cancel)
      : shown_(shown), cancel_(cancel) {}
  void Begin(const std::string&, int maximum) override {
    maximum_ = maximum > 0 ? maximum : 1;
    Show(0);
  }
  void Step(int position) override { Show(position); }
  void End() override { Show(maximum_); }

 private:
  void Show(long long position) {
    const int permille =
        static_cast<int>(std::clamp(position * ProgressSteps / maximum_, 0LL, 1LL * ProgressSteps));
    if (permille == shown_permille_) return;
    shown_permille_ = permille;
    QProgressDialog* shown = shown_;
    const std::atomic<bool>* cancel = cancel_;
    QMetaObject::invokeMethod(
        shown,
        [shown, cancel, permille] {
          if (!cancel->load()) shown->setValue(permille);
        },
        Qt::QueuedConnection);
  }

  QProgressDialog* shown_;
  const std::atomic<bool>* cancel_;
  long long maximum_ = 1;
  int shown_permille_ = -1;
};

// A length as the boxes show it: millimetres as the program writes them, inches to the nearest
// 64th with the fraction reduced, as a woodworker writes it ("3/4"", "1 1/8"").
QString LengthText(int32_t hundredths, LengthUnit unit) {
  return QString::fromStdString(WorkshopLength(static_cast<float>(hundredths) / 100, unit));
}

}  // namespace

MatchProfileDialog::MatchProfileDialog(const Model& model, TargetOverlay overlay, QWidget* parent)
    : QDialog(parent),
      model_(model),
      overlay_(std::move(overlay)),
      chooseFile_(DialogFileChooser(this)),
      search_(MatchProfile) {
  setObjectName("MatchProfileDialog");
  setWindowTitle("Match a Profile");
  SetHelpTopic(this, HelpTopic::Match);

  targetEdit_ = new QLineEdit(this);
  targetEdit_->setObjectName("targetEdit");
  targetEdit_->setMinimumWidth(320);
  auto* browse = new QPushButton("&Browse...", this);
  browse->setObjectName("browseButton");
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(targetEdit_);
  fileRow->addWidget(browse);

  stockHeightEdit_ = new QLineEdit(LengthText(model.StockWidth(), model.Unit()), this);
  stockHeightEdit_->setObjectName("stockHeightEdit");
  stockWidthEdit_ = new QLineEdit(LengthText(model.StockHeight(), model.Unit()), this);
  stockWidthEdit_->setObjectName("stockWidthEdit");
  passesBox_ = new QSpinBox(this);
  passesBox_->setObjectName("passesBox");
  passesBox_->setRange(1, 20);
  passesBox_->setValue(MatchOptions().MaxPasses);
  // The worst deviation a plan may have and still be called reached, as a woodworker writes it.
  toleranceEdit_ = new QLineEdit("1/64\"", this);
  toleranceEdit_->setObjectName("toleranceEdit");

  targetMessage_ =
      new QLabel("Choose a drawing (.svg, .dxf), a section picture or a project.", this);
  targetMessage_->setObjectName("targetMessage");
  targetMessage_->setTextFormat(Qt::PlainText);
  targetMessage_->setWordWrap(true);

  auto* form = new QFormLayout;
  auto* targetLabel = new QLabel("&Target:", this);  // a row of two takes no buddy by itself
  targetLabel->setBuddy(targetEdit_);
  form->addRow(targetLabel, fileRow);
  // Named and labelled as the Config window's rows: the stock lies flat after New (face 3 on the
  // table), so the model's StockHeight runs across the table (the Width box) and its StockWidth
  // stands upright (the Height box).
  form->addRow("Stock &width:", stockWidthEdit_);
  form->addRow("Stock &height:", stockHeightEdit_);
  form->addRow("Most &passes:", passesBox_);
  form->addRow("T&olerance:", toleranceEdit_);
  setTabOrder(stockWidthEdit_, stockHeightEdit_);
  setTabOrder(stockHeightEdit_, passesBox_);
  setTabOrder(passesBox_, toleranceEdit_);

  matchButton_ = new QPushButton("&Match", this);
  matchButton_->setObjectName("matchButton");
  matchButton_->setEnabled(false);
  matchButton_->setDefault(true);
  applyButton_ = new QPushButton("&Apply", this);
  applyButton_->setObjectName("applyButton");
  applyButton_->setToolTip("Puts the plan in as the set-up, as one step that Undo takes back");
  sheetButton_ = new QPushButton("&Set-up Sheet...", this);
  sheetButton_->setObjectName("sheetButton");
  sheetButton_->setToolTip("Puts the plan in as the set-up, as Apply does, and prints its sheet");
  auto* close = new QPushButton("Cancel", this);
  close->setObjectName("cancelButton");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(matchButton_);
  buttons->addWidget(applyButton_);
  buttons->addWidget(sheetButton_);
  buttons->addWidget(close);

  planPanel_ = new MatchPlanPanel(this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(targetMessage_);
  layout->addWidget(planPanel_, 1);
  layout->addLayout(buttons);
  ClearPlan();

  connect(browse, &QPushButton::clicked, this, &MatchProfileDialog::OnBrowse);
  connect(targetEdit_, &QLineEdit::editingFinished, this, &MatchProfileDialog::ReadTarget);
  connect(stockHeightEdit_, &QLineEdit::editingFinished, this, &MatchProfileDialog::ReadTarget);
  connect(stockWidthEdit_, &QLineEdit::editingFinished, this, &MatchProfileDialog::ReadTarget);
  connect(matchButton_, &QPushButton::clicked, this, &MatchProfileDialog::OnMatch);
  connect(passesBox_, &QSpinBox::valueChanged, this, &MatchProfileDialog::ClearPlan);
  connect(toleranceEdit_, &QLineEdit::textEdited, this, &MatchProfileDialog::ClearPlan);
  connect(applyButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(sheetButton_, &QPushButton::clicked, this, [this] {
    sheetWanted_ = true;
    accept();
  });
  connect(&watcher_, &QFutureWatcher<SearchOutcome>::finished, this,
          &MatchProfileDialog::OnSearchFinished);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

MatchProfileDialog::~MatchProfileDialog() {
  // A search still running reads the dialog's cancel flag and posts to its progress dialog.
  if (running_.isRunning()) {
    cancel_ = true;
    running_.waitForFinished();
  }
  if (overlay_) overlay_({});
}

void MatchProfileDialog::OnBrowse() {
  FileRequest request;
  request.caption = "Match a Profile";
  request.directory = QFileInfo(targetEdit_->text()).absolutePath();
  request.filter =
      "Targets (*.svg *.dxf *.png *.bmp *.ppm *.rou *.ROU);;Drawings (*.svg *.dxf);;"
      "Section pictures (*.png *.bmp *.ppm);;Router File (*.rou *.ROU)";
  const QString path = chooseFile_(request);
  if (path.isEmpty()) return;
  targetEdit_->setText(path);
  ReadTarget();
}

void MatchProfileDialog::ReadTarget() {
  ClearPlan();
  target_.reset();
  matchButton_->setEnabled(false);
  const std::string path = targetEdit_->text().trimmed().toStdString();
  if (path.empty()) {
    if (overlay_) overlay_({});
    return;
  }
  MatchStock stock;  // the model's names: Width upright, from the Height box, and the other way
  const Result<int32_t> width =
      ReadHundredths(stockHeightEdit_->text().toStdString(), model_.Unit());
  const Result<int32_t> height =
      ReadHundredths(stockWidthEdit_->text().toStdString(), model_.Unit());
  if (width) stock.Width = width.Value();
  if (height) stock.Height = height.Value();
  const bool stockRead = width && height && stock.Width >= MinStockSize &&
                         stock.Width <= MaxStockSize && stock.Height >= MinStockSize &&
                         stock.Height <= MaxStockSize;
  Result<MatchTarget> read =
      ReadMatchTarget(path, stockRead ? stock : MatchStock{}, model_.Cutters());
  if (!read && stockRead) {
    // A template or a project knows its own stock: the fields follow it.
    Result<MatchTarget> own = ReadMatchTarget(path, {}, model_.Cutters());
    if (own) read = std::move(own);
  }
  if (!read) {
    targetMessage_->setText(QString::fromStdString(
        read.Error() + (stockRead ? ""
                                  : "\nThe stock's width and height must be lengths from "
                                    "1/2\" to 10\".")));
    if (overlay_) overlay_({});
    return;
  }
  const MatchTarget& target = read.Value();
  stockHeightEdit_->setText(LengthText(target.StockWidth, model_.Unit()));
  stockWidthEdit_->setText(LengthText(target.StockHeight, model_.Unit()));
  targetMessage_->setText(
      QString::fromStdString(target.Name) + ": the target is drawn over the " +
      "Profile picture in red. Face against table = " + QString::number(target.FaceOnTable) + ".");
  if (overlay_) overlay_(MatchTargetBoundary(target));
  target_ = std::move(read.Value());
  matchButton_->setEnabled(model_.CutterCount() > 0);
}

void MatchProfileDialog::OnMatch() {
  if (!target_ || Searching()) return;
  MatchOptions options;
  options.MaxPasses = passesBox_->value();
  options.Reach = model_.TableReach();
  const Result<TypedLength> tolerance = ReadLength(toleranceEdit_->text().toStdString());
  const double inches = tolerance ? tolerance.Value().Inches() : -1;
  if (!(inches >= 0) || inches > 0.5) {
    targetMessage_->setText("The tolerance must be a length from 0 to 1/2\", as 1/64 or 0.4mm.");
    return;
  }
  options.ToleranceInches = inches;
  ClearPlan();
  cancel_ = false;

  waiting_ = new QProgressDialog("Matching the profile....", "Cancel", 0, ProgressSteps, this);
  waiting_->setObjectName("MatchProgress");
  waiting_->setWindowTitle("Match a Profile");
  // Wide enough for the title whole beside the window manager's buttons, and for "Stopping....".
  QFont titleFont = waiting_->font();
  titleFont.setBold(true);
  waiting_->setMinimumWidth(
      QFontMetrics(titleFont).horizontalAdvance(waiting_->windowTitle()) * 3 / 2 + 160);
  waiting_->setWindowModality(Qt::WindowModal);
  waiting_->setMinimumDuration(0);
  waiting_->setAutoClose(false);
  waiting_->setAutoReset(false);
  waiting_->setValue(0);
  connect(waiting_, &QProgressDialog::canceled, this, [this] {
    cancel_ = true;
    waiting_->setLabelText("Stopping....");
  });

  // The worker reads only its own copies, the cancel flag and the progress dialog, which the
  // dialog keeps until the search is over.
  running_ = QtConcurrent::run(
      [search = search_, cutters = model_.Cutters(), target = *target_, options,
       progress = std::make_shared<PostedProgress>(waiting_, &cancel_), cancel = &cancel_] {
        SearchOutcome outcome;
        try {
          outcome.Found = search(cutters, target, options, *progress, cancel);
        } catch (const std::exception& e) {
          outcome.Failure = e.what();
          if (outcome.Failure.empty()) outcome.Failure = "unknown error";
        } catch (...) {
          outcome.Failure = "unknown error";
        }
        return outcome;
      });
  watcher_.setFuture(running_);
}

void MatchProfileDialog::OnSearchFinished() {
  SearchOutcome outcome = running_.result();
  running_ = {};
  // Closing the progress dialog reports a cancel of its own; the search is over by now.
  disconnect(waiting_, &QProgressDialog::canceled, nullptr, nullptr);
  waiting_->close();
  waiting_->deleteLater();
  waiting_ = nullptr;
  if (!outcome.Failure.empty()) {
    targetMessage_->setText(QString::fromStdString("The search failed: " + outcome.Failure +
                                                   "\nThe set-up is as it was."));
  } else if (cancel_) {
    targetMessage_->setText("The search was stopped; the set-up is as it was.");
  } else {
    found_ = std::move(outcome.Found);
    ShowPlan();
  }
  emit SearchEnded();
}

StockSetup MatchProfileDialog::PlanStock() const {
  StockSetup stock;
  if (target_) stock.Width = target_->StockWidth, stock.Height = target_->StockHeight;
  stock.FaceOnTable = found_.FaceOnTable >= 1 && found_.FaceOnTable <= 8 ? found_.FaceOnTable : 3;
  return stock;
}

void MatchProfileDialog::ShowPlan() {
  if (!target_) return;
  const QScreen* screen =
      this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
  const QRect room = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  // The report's box has what the picture beside it, the rows above and below it, the window's
  // frame and the margins leave of the screen.
  const QSize frame(frameGeometry().width() - width(), frameGeometry().height() - height());
  const QSize textRoom(room.width() - frame.width() - ProfileWindow::PictureSize - 60,
                       room.height() - frame.height() - sizeHint().height() - 40);
  planPanel_->Show(found_, *target_, PlanStock(), model_.Cutters(), model_.Unit(), textRoom);
  planPanel_->show();
  targetMessage_->setText(
      "Apply puts the plan in as the set-up; Set-up Sheet... puts it in and prints its sheet.");
  applyButton_->setEnabled(true);
  sheetButton_->setEnabled(true);
  matchButton_->setDefault(false);
  applyButton_->setDefault(true);
  adjustSize();
  // The grown dialog stays on the screen.
  const QRect outer = frameGeometry();
  move(std::clamp(outer.left(), room.left(),
                  std::max(room.left(), room.right() + 1 - outer.width())),
       std::clamp(outer.top(), room.top(),
                  std::max(room.top(), room.bottom() + 1 - outer.height())));
}

void MatchProfileDialog::ClearPlan() {
  const bool shown = planPanel_->isVisibleTo(this);
  planPanel_->hide();
  applyButton_->setEnabled(false);
  sheetButton_->setEnabled(false);
  applyButton_->setDefault(false);
  matchButton_->setDefault(true);
  sheetWanted_ = false;
  if (shown) adjustSize();
}

}  // namespace kerf
