// The set-up sheet's drawing pieces: words, sections, the cutter, the stock's end and verdicts, in
// mm.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <string>
#include <vector>

#include "project/SetupSheet.h"

class QPainter;

namespace kerf {

// Draws on a painter whose unit is one millimetre.
class SheetDrawing {
 public:
  explicit SheetDrawing(QPainter& painter) : p_(painter) {}

  // Text with its baseline's left end at (x, y); size is the font's em height in mm.
  void Text(double x, double y, double size, const std::string& text, bool bold = false,
            QColor colour = Qt::black);
  // The same, cut short with an ellipsis where it would run past width.
  void TextWithin(double x, double y, double width, double size, const std::string& text,
                  bool bold = false, QColor colour = Qt::black);
  double TextWidth(double size, const std::string& text, bool bold = false) const;

  // The section as large as box takes (mmPerUnit 0) or at mmPerUnit, standing on its bottom
  // edge and centred across it, with the table under it and the fence at its right. Removed
  // material is filled red, or only hatched when `removedHatched`.
  // Returns where the stock's top-left corner was drawn.
  QPointF Section(const SheetSection& section, const QRectF& box, double mmPerUnit,
                  bool removedHatched);
  // The part `window` (units, as the section's rectangles) of the section filling box, clipped
  // to it and framed, with the cutter's outline where the settings put it (the fence and height
  // in units, as a pass drawn in its own state has them): the close view of a small cut.
  void SectionDetail(const SheetSection& section, const QRectF& window, const QRectF& box,
                     const std::vector<float>& profile, int fence, int height);
  // The largest mm per unit that fits the section in box.
  static double FitScale(const SheetSection& section, const QRectF& box);

  // The cutter's outline, its axis upright and its shank below, as large as box takes.
  void Cutter(const std::vector<float>& profile, const QRectF& box);

  // The end of the stock with its face numbers, the table face and the fence face marked.
  void Faces(const SheetFaces& faces, const QRectF& box);

  // A box filled in the verdict's colour with text in a colour that reads on it.
  void VerdictBox(Verdict verdict, const QRectF& box, double size, const std::string& text,
                  bool centred);

 private:
  QPainter& p_;
};

// The report's colour of a verdict.
QColor VerdictQColor(Verdict verdict);

}  // namespace kerf
