// CutPreviewPanel: the trial cut measured on each change of the sliders, turns, cutter or list.
#include "desktop/CutPreviewPanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include "desktop/RasterImage.h"
#include "model/CutVerdict.h"

namespace kerf {

namespace {

// The verdict as a badge: the report's colour as the ground under dark type for Caution and
// Danger (black on yellow or red reads better than either colour as type on white), and black
// type in a black frame for Cut OK.
QString BadgeStyle(Verdict verdict) {
  const QString ground = verdict == Verdict::CutOK
                             ? QStringLiteral("white")
                             : QColorFromColour(VerdictColour(verdict)).name();
  return QString(
             "QLabel { background: %1; color: black; border: 1px solid black; "
             "padding: 0px 4px; font-weight: bold; }")
      .arg(ground);
}

}  // namespace

CutPreviewPanel::CutPreviewPanel(const Model& model, const QSlider& fence, const QSlider& height,
                                 QWidget* parent)
    : QWidget(parent), model_(model), fence_(fence), height_(height) {
  setObjectName("cutPreview");
  setToolTip(
      "The verdict this cut would get if you pressed Cut now: how much of the faces on the "
      "table and against the fence would still bear after it");

  verdict_ = new QLabel(this);
  verdict_->setObjectName("verdictLabel");
  verdict_->setAlignment(Qt::AlignCenter);
  bearing_ = new QLabel(this);
  bearing_->setObjectName("bearingLabel");
  problem_ = new QLabel(this);
  problem_->setObjectName("cutProblemLabel");
  problem_->setWordWrap(true);
  problem_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  problem_->setTextFormat(Qt::PlainText);
  QPalette red = problem_->palette();
  red.setColor(QPalette::WindowText, QColor(170, 0, 0));
  problem_->setPalette(red);

  auto* top = new QHBoxLayout;
  top->setContentsMargins(0, 0, 0, 0);
  top->setSpacing(6);
  top->addWidget(verdict_);
  top->addWidget(bearing_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addLayout(top);
  layout->addWidget(problem_, 1);

  timer_.setSingleShot(true);
  timer_.setInterval(0);
  connect(&timer_, &QTimer::timeout, this, &CutPreviewPanel::Refresh);
}

void CutPreviewPanel::Schedule() {
  if (!timer_.isActive()) timer_.start();
}

void CutPreviewPanel::Refresh() {
  timer_.stop();
  ++refreshes_;
  if (model_.Cutter(model_.CurrentCutter()) == nullptr) {
    verdict_->setText("No cutter");
    verdict_->setStyleSheet(QString());
    shownVerdict_ = -1;
    bearing_->clear();
    problem_->clear();
    emit heightWanted(WantedHeight());
    return;
  }
  const CutFigures& cut = trial_.Judge(model_, fence_.value(), height_.value());
  const Verdict verdict = trial_.Judged();
  verdict_->setText(VerdictName(verdict));
  if (static_cast<int>(verdict) != shownVerdict_) {
    verdict_->setStyleSheet(BadgeStyle(verdict));
    shownVerdict_ = static_cast<int>(verdict);
  }
  bearing_->setText(QString("Table %1%, fence %2% left")
                        .arg(RoundPercent(cut.TableAfter))
                        .arg(RoundPercent(cut.FenceAfter)));
  QString problem = QString::fromStdString(CutProblem(cut));
  if (!problem.isEmpty()) problem[0] = problem[0].toUpper();
  problem_->setText(problem);
  emit heightWanted(WantedHeight());
}

void CutPreviewPanel::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) Schedule();  // the reason wraps anew
}

int CutPreviewPanel::WantedHeight() const {
  const int badge = verdict_->sizeHint().height();
  if (problem_->text().isEmpty()) return badge;
  const int spacing = layout() != nullptr ? layout()->spacing() : 0;
  return badge + spacing + problem_->heightForWidth(width());
}

}  // namespace kerf
