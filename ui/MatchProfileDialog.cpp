// MatchProfileDialog: "Match a Profile": the target, the stock, and the search with progress.
#include "ui/MatchProfileDialog.h"

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
  setTabOrder(stockWidthEdit_, stockHeightEdit_);
  setTabOrder(stockHeightEdit_, passesBox_);

  matchButton_ = new QPushButton("&Match", this);
  matchButton_->setObjectName("matchButton");
  matchButton_->setEnabled(false);
  matchButton_->setDefault(true);
  auto* close = new QPushButton("Cancel", this);
  close->setObjectName("cancelButton");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(matchButton_);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(targetMessage_);
  layout->addLayout(buttons);

  connect(browse, &QPushButton::clicked, this, &MatchProfileDialog::OnBrowse);
  connect(targetEdit_, &QLineEdit::editingFinished, this, &MatchProfileDialog::ReadTarget);
  connect(stockHeightEdit_, &QLineEdit::editingFinished, this, &MatchProfileDialog::ReadTarget);
  connect(stockWidthEdit_, &QLineEdit::editingFinished, this, &MatchProfileDialog::ReadTarget);
  connect(matchButton_, &QPushButton::clicked, this, &MatchProfileDialog::OnMatch);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

MatchProfileDialog::~MatchProfileDialog() {
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
  if (!target_) return;
  MatchOptions options;
  options.MaxPasses = passesBox_->value();
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
    targetMessage_->setText("The search was stopped; the set-up is as it was.");
    return;
  }
  found_ = std::move(result);
  accept();
}

}  // namespace kerf
