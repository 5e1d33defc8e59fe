#pragma once

class QColor;

namespace velmora::ui {

// Relative luminance of an opaque colour, 0 for black to 1 for white, as
// readability guidelines define it (sRGB channels made linear, then weighted).
double relativeLuminance(const QColor& color);
// How far apart two colours read, from 1 (the same) to 21 (black on white).
// Body text needs at least kReadableContrast against its background.
double contrastRatio(const QColor& first, const QColor& second);

inline constexpr double kReadableContrast = 4.5;

} // namespace velmora::ui
