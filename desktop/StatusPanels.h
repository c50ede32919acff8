// The widths of the main window's status bar panels, found from the texts they can show, and
// the label beside them that shortens a text too long for its room.
#pragma once

#include <QLabel>
#include <QStringList>

namespace kerf {

// Every text the frame loop can write into a length panel: prefix followed by each length
// from minimum to maximum hundredths of an inch, in both display units, each text once.
QStringList LengthPanelTexts(const QString& prefix, int minimum, int maximum);

// Makes label wide enough for the widest of texts in its own font, its frame and indent
// included, and never narrower than designWidth. The label keeps its text.
void FitPanelWidth(QLabel* label, const QStringList& texts, int designWidth);

// A one-line label that, given less room than its text needs, leaves out the text's middle
// (the ends of a file's path say most); text() is always the whole text.
class ElidingLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace kerf
