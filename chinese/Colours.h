#pragma once

#include <QColor>

// The Chinese calculator's colours.
namespace velmora::chinese::colours {

inline const QColor kDarkRed(128, 0, 0);
inline const QColor kLightRed(255, 192, 192);
inline const QColor kPaleYellow(255, 255, 192);
// The result window's pages.
inline const QColor kPage(255, 250, 240);

} // namespace velmora::chinese::colours
