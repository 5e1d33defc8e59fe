#pragma once

#include <QRect>
#include <QSize>

// Window layouts are designed in twips (1440 per inch); these convert them to
// device-independent pixels at the screen's logical resolution.
namespace velmora::ui {

inline constexpr int kTwipsPerInch = 1440;

int twipsToPixels(int twips);
int pixelsToTwips(int pixels);
QRect twipsRect(int left, int top, int width, int height);
QSize twipsSize(int width, int height);

} // namespace velmora::ui
