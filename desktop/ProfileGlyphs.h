// The glyphs of the Profile window's five buttons, drawn by the program (normal and disabled).
#pragma once

#include <QIcon>

namespace kerf {

enum class ProfileGlyph { ZoomIn, ZoomOut, RotateAnticlockwise, FlipEndOverEnd, RotateClockwise };

inline constexpr int ProfileGlyphSize = 20;

// The glyph in its normal look, on a transparent ground.
QPixmap DrawProfileGlyph(ProfileGlyph glyph, int size = ProfileGlyphSize);
// The disabled look: the same drawing in light greys.
QPixmap DisabledGlyph(const QPixmap& normal);
// Both looks in one icon, ready for a tool button.
QIcon ProfileGlyphIcon(ProfileGlyph glyph);

}  // namespace kerf
