#pragma once

#include <QColor>

// The Western calculator's colours.
namespace velmora::western::colours {

inline const QColor kDarkGreen(0, 64, 0);
inline const QColor kGreen(0, 128, 0);
inline const QColor kLightGreen(0, 192, 0);
inline const QColor kLightRed(255, 192, 192);
inline const QColor kPaleYellow(255, 255, 192);
inline const QColor kBannerBlue(0, 0, 192);
// The report's labels and headings.
inline const QColor kPurple(128, 0, 128);
inline const QColor kTeal(0, 128, 128);

} // namespace velmora::western::colours
