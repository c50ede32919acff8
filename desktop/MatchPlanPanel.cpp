// MatchPlanPanel: the plan a match found, drawn over its target with a legend, beside its report.
#include "desktop/MatchPlanPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "desktop/MatchDeviationPicture.h"
#include "desktop/ProfileWindow.h"
#include "model/SectionRenderer.h"

namespace kerf {

namespace {

QLabel* Swatch(Deviation kind, QWidget* parent) {
  QPixmap square(14, 14);
  square.fill(QColor::fromRgb(DeviationColour(kind)));
  auto* swatch = new QLabel(parent);
  swatch->setPixmap(square);
  return swatch;
}

QLabel* LegendText(const char* text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

QString KeepLengthsWhole(const std::string& line) {
  static const QRegularExpression inside(R"((\d) (?=\d+/\d+"|mm\b))");
  return QString::fromStdString(line).replace(inside, QStringLiteral("\\1\u00A0"));
}

MatchPlanPanel::MatchPlanPanel(QWidget* parent) : QWidget(parent) {
  picture_ = new QLabel(this);
  picture_->setObjectName("deviationPicture");
  picture_->setFixedSize(ProfileWindow::PictureSize, ProfileWindow::PictureSize);
  picture_->setFrameShape(QFrame::NoFrame);

  // Strong where the plan is off by more than the tolerance, pale where within it.
  auto* legend = new QGridLayout;
  legend->setHorizontalSpacing(4);
  legend->setVerticalSpacing(2);
  legend->addWidget(Swatch(Deviation::Standing, this), 0, 0);
  legend->addWidget(Swatch(Deviation::NearStanding, this), 0, 1);
  legend->addWidget(LegendText("Wood left standing", this), 0, 2);
  legend->addWidget(Swatch(Deviation::Deep, this), 1, 0);
  legend->addWidget(Swatch(Deviation::NearDeep, this), 1, 1);
  legend->addWidget(LegendText("Cut too deep", this), 1, 2);
  legend->addWidget(Swatch(Deviation::Wood, this), 2, 0, 1, 2, Qt::AlignLeft);
  legend->addWidget(LegendText("Wood as the target has it", this), 2, 2);
  legend->addWidget(LegendText("Pale: within the tolerance", this), 3, 0, 1, 3);
  legend->setColumnStretch(2, 1);

  auto* pictureColumn = new QVBoxLayout;
  pictureColumn->addWidget(picture_);
  pictureColumn->addLayout(legend);
  pictureColumn->addStretch();

  report_ = new QTextEdit(this);
  report_->setObjectName("matchReportText");
  report_->setReadOnly(true);
  report_->setLineWrapMode(QTextEdit::WidgetWidth);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(pictureColumn);
  layout->addWidget(report_, 1);
}

void MatchPlanPanel::Show(const MatchResult& plan, const MatchTarget& target,
                          const StockSetup& stock, const std::vector<Tool>& cutters,
                          LengthUnit unit, QSize textRoom) {
  const Section section = MeasureSetup(stock, plan.Cuts, cutters);
  picture_->setPixmap(QPixmap::fromImage(
      DrawDeviation(CompareWithTarget(section.Picture, target, plan.ToleranceInches), stock,
                    ProfileWindow::PictureSize)));

  QStringList lines;
  int widest = 0;
  const QFontMetrics metrics(report_->font());
  for (const std::string& line : MatchReportLines(plan, target, unit)) {
    lines << KeepLengthsWhole(line);
    widest = std::max(widest, metrics.horizontalAdvance(lines.back()));
  }
  report_->setPlainText(lines.join('\n'));
  // The box holds the text unwrapped where room allows, and the height of its lines as wrapped
  // at that width, with room kept for a scroll bar.
  const int frame = 2 * report_->frameWidth() + 2;
  const int bar = report_->verticalScrollBar()->sizeHint().width();
  const int margin = 2 * static_cast<int>(report_->document()->documentMargin());
  const int width = std::min(widest + margin + frame + bar, textRoom.width());
  QTextDocument wrapped;
  wrapped.setDefaultFont(report_->font());
  wrapped.setDocumentMargin(report_->document()->documentMargin());
  wrapped.setPlainText(report_->toPlainText());
  wrapped.setTextWidth(width - frame - bar);
  const int height =
      std::min(static_cast<int>(std::ceil(wrapped.size().height())) + frame, textRoom.height());
  report_->setMinimumSize(std::max(width, 200), std::max(height, 80));
}

}  // namespace kerf
