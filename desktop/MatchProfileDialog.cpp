// MatchProfileDialog: "Match a Profile": the target, the stock, and the search with progress.
#include "desktop/MatchProfileDialog.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include <thread>

#include "model/LengthText.h"
#include "project/MatchTargetFile.h"

namespace kerf {

namespace {

constexpr int ProgressSteps = 1000;  // the progress dialog's range
constexpr int PollMs = 50;           // how often the dialog looks at the worker

// Progress reported by the worker thread, read by the dialog's timer on its own thread.
class SharedProgress final : public ProgressSink {
 public:
  void Begin(const std::string&, int maximum) override {
    maximum_.store(maximum > 0 ? maximum : 1);
    position_.store(0);
  }
  void Step(int position) override { position_.store(position); }
  void End() override { position_.store(maximum_.load()); }
  int Permille() const {
    const long long p = position_.load(), m = maximum_.load();
    return static_cast<int>(std::clamp(p * ProgressSteps / m, 0LL, 1LL * ProgressSteps));
  }

 private:
  std::atomic<int> maximum_{1};
  std::atomic<int> position_{0};
};

QString LengthText(int32_t hundredths, LengthUnit unit) {
  return QString::fromStdString(FormatLength(static_cast<float>(hundredths) / 100, unit));
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

  edTarget_ = new QLineEdit(this);
  edTarget_->setObjectName("edTarget");
  edTarget_->setMinimumWidth(320);
  auto* browse = new QPushButton("&Browse...", this);
  browse->setObjectName("btBrowse");
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(edTarget_);
  fileRow->addWidget(browse);

  edStockWidth_ = new QLineEdit(LengthText(model.StockWidth(), model.Unit()), this);
  edStockWidth_->setObjectName("edStockWidth");
  edStockHeight_ = new QLineEdit(LengthText(model.StockHeight(), model.Unit()), this);
  edStockHeight_->setObjectName("edStockHeight");
  spnPasses_ = new QSpinBox(this);
  spnPasses_->setObjectName("spnPasses");
  spnPasses_->setRange(1, 20);
  spnPasses_->setValue(MatchOptions().MaxPasses);

  lblTarget_ = new QLabel("Choose a drawing (.svg, .dxf), a section picture or a project.", this);
  lblTarget_->setObjectName("lblTarget");
  lblTarget_->setTextFormat(Qt::PlainText);
  lblTarget_->setWordWrap(true);

  auto* form = new QFormLayout;
  auto* targetLabel = new QLabel("&Target:", this);  // a row of two takes no buddy by itself
  targetLabel->setBuddy(edTarget_);
  form->addRow(targetLabel, fileRow);
  // Named as the Config window names them: the stock lies flat after New (face 3 on the table),
  // so StockHeight runs across the table (its width) and StockWidth stands upright.
  form->addRow("Stock &width:", edStockHeight_);
  form->addRow("Stock &height:", edStockWidth_);
  form->addRow("Most &passes:", spnPasses_);
  setTabOrder(edStockHeight_, edStockWidth_);
  setTabOrder(edStockWidth_, spnPasses_);

  btMatch_ = new QPushButton("&Match", this);
  btMatch_->setObjectName("btMatch");
  btMatch_->setEnabled(false);
  btMatch_->setDefault(true);
  auto* close = new QPushButton("Cancel", this);
  close->setObjectName("btCancel");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btMatch_);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(lblTarget_);
  layout->addLayout(buttons);

  connect(browse, &QPushButton::clicked, this, &MatchProfileDialog::OnBrowse);
  connect(edTarget_, &QLineEdit::editingFinished, this, &MatchProfileDialog::ReadTarget);
  connect(edStockWidth_, &QLineEdit::editingFinished, this, &MatchProfileDialog::ReadTarget);
  connect(edStockHeight_, &QLineEdit::editingFinished, this, &MatchProfileDialog::ReadTarget);
  connect(btMatch_, &QPushButton::clicked, this, &MatchProfileDialog::btMatchClick);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

MatchProfileDialog::~MatchProfileDialog() {
  if (overlay_) overlay_({});
}

void MatchProfileDialog::OnBrowse() {
  FileRequest request;
  request.caption = "Match a Profile";
  request.directory = QFileInfo(edTarget_->text()).absolutePath();
  request.filter =
      "Targets (*.svg *.dxf *.png *.bmp *.ppm *.rou *.ROU);;Drawings (*.svg *.dxf);;"
      "Section pictures (*.png *.bmp *.ppm);;Router File (*.rou *.ROU)";
  const QString path = chooseFile_(request);
  if (path.isEmpty()) return;
  edTarget_->setText(path);
  ReadTarget();
}

void MatchProfileDialog::ReadTarget() {
  target_.reset();
  btMatch_->setEnabled(false);
  const std::string path = edTarget_->text().trimmed().toStdString();
  if (path.empty()) {
    if (overlay_) overlay_({});
    return;
  }
  MatchStock stock;
  const Result<int32_t> width = ReadHundredths(edStockWidth_->text().toStdString(), model_.Unit());
  const Result<int32_t> height =
      ReadHundredths(edStockHeight_->text().toStdString(), model_.Unit());
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
    lblTarget_->setText(QString::fromStdString(
        read.Error() + (stockRead ? ""
                                  : "\nThe stock's width and height must be lengths from "
                                    "1/2\" to 10\".")));
    if (overlay_) overlay_({});
    return;
  }
  const MatchTarget& target = read.Value();
  edStockWidth_->setText(LengthText(target.StockWidth, model_.Unit()));
  edStockHeight_->setText(LengthText(target.StockHeight, model_.Unit()));
  lblTarget_->setText(
      QString::fromStdString(target.Name) + ": the target is drawn over the " +
      "Profile picture in red. Face against table = " + QString::number(target.FaceOnTable) + ".");
  if (overlay_) overlay_(MatchTargetBoundary(target));
  target_ = std::move(read.Value());
  btMatch_->setEnabled(model_.CutterCount() > 0);
}

void MatchProfileDialog::btMatchClick() {
  if (!target_) return;
  MatchOptions options;
  options.MaxPasses = spnPasses_->value();
  const std::vector<Tool> cutters = model_.Cutters();
  const MatchTarget target = *target_;
  SharedProgress progress;
  std::atomic<bool> cancel{false}, done{false};
  MatchResult result;
  const MatchSearch search = search_;

  QProgressDialog waiting("Matching the profile....", "Cancel", 0, ProgressSteps, this);
  waiting.setObjectName("MatchProgress");
  waiting.setWindowTitle("Match a Profile");
  waiting.setWindowModality(Qt::WindowModal);
  waiting.setMinimumDuration(0);
  waiting.setAutoClose(false);
  waiting.setAutoReset(false);
  waiting.setValue(0);
  QEventLoop loop;
  QTimer poll;
  poll.setInterval(PollMs);
  connect(&poll, &QTimer::timeout, &loop, [&] {
    if (waiting.wasCanceled() && !cancel) {
      cancel = true;
      waiting.setLabelText("Stopping....");
    }
    if (!cancel) waiting.setValue(progress.Permille());
    if (done) loop.quit();
  });
  connect(&waiting, &QProgressDialog::canceled, &loop, [&] {
    cancel = true;
    waiting.setLabelText("Stopping....");
  });
  // The worker reads only its own copies; the dialog waits for it before anything is freed.
  std::thread worker([&] {
    result = search(cutters, target, options, progress, &cancel);
    done = true;
  });
  poll.start();
  loop.exec();
  worker.join();
  // Closing the progress dialog reports a cancel of its own; the search is over by now.
  disconnect(&waiting, &QProgressDialog::canceled, nullptr, nullptr);
  waiting.close();
  if (cancel) {
    lblTarget_->setText("The search was stopped; the set-up is as it was.");
    return;
  }
  found_ = std::move(result);
  accept();
}

}  // namespace kerf
