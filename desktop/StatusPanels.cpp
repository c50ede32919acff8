// Status bar panel widths: the longest length texts of both units measured in the panel's font.
#include "desktop/StatusPanels.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QSet>
#include <algorithm>

#include "model/LengthText.h"

namespace kerf {

QStringList LengthPanelTexts(const QString& prefix, int minimum, int maximum) {
  QSet<QString> seen;
  QStringList texts;
  for (LengthUnit unit : {LengthUnit::Imperial, LengthUnit::Metric}) {
    for (int hundredths = minimum; hundredths <= maximum; ++hundredths) {
      // The same division as the frame loop's, so the same texts.
      const QString text = prefix + QString::fromStdString(WorkshopLength(
                                        static_cast<float>(hundredths) / 100.0f, unit));
      if (!seen.contains(text)) {
        seen.insert(text);
        texts.append(text);
      }
    }
  }
  return texts;
}

void FitPanelWidth(QLabel* label, const QStringList& texts, int designWidth) {
  const QFontMetrics metrics = label->fontMetrics();
  QString widest;
  int widestAdvance = -1;
  for (const QString& text : texts) {
    const int advance = metrics.horizontalAdvance(text);
    if (advance > widestAdvance) {
      widestAdvance = advance;
      widest = text;
    }
  }
  // The label's own size hint adds its frame, margins and indent to the text.
  const QString shown = label->text();
  label->setText(widest);
  const int needed = label->sizeHint().width();
  label->setText(shown);
  label->setFixedWidth(std::max(designWidth, needed));
}

void ElidingLabel::paintEvent(QPaintEvent* event) {
  const QRect room = contentsRect().adjusted(indent() > 0 ? indent() : 0, 0, 0, 0);
  if (fontMetrics().horizontalAdvance(text()) <= room.width()) {
    QLabel::paintEvent(event);
    return;
  }
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.drawText(room, static_cast<int>(alignment()) | Qt::TextSingleLine,
                   fontMetrics().elidedText(text(), Qt::ElideMiddle, room.width()));
}

}  // namespace kerf
