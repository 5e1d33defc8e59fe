#pragma once

#include <QColor>

// The Japanese blood-type calculator's colours.
namespace velmora::bloodtype::colours {

inline const QColor kDarkBrown(80, 60, 41);
inline const QColor kLightYellow(255, 255, 192);
inline const QColor kPeach(255, 218, 185);
inline const QColor kDarkRed(128, 0, 0);
inline const QColor kButtonGrey(224, 224, 224);
inline const QColor kGreen(0, 255, 0);
inline const QColor kYellow(255, 255, 0);

} // namespace velmora::bloodtype::colours
