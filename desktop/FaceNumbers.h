// The numbers of the stock's faces drawn by the edges of the stock in the Profile picture.
#pragma once

#include <QImage>
#include <QRect>

#include "model/StockFaces.h"

namespace kerf {

// Draws faces' numbers on picture by the edges of stock (in the picture's pixels; it may reach
// beyond the picture): the table and fence faces just inside the bottom and right edges, in
// the colours the set-up sheet marks them with; the top and left faces just outside their
// edges where there is room, else just inside; an edge beyond the picture gets no number.
// Each digit has a white rim, so it reads over wood, cut-away stock and the cutter's outline.
void DrawFaceNumbers(QImage& picture, const StockFaces& faces, const QRect& stock);

}  // namespace kerf
