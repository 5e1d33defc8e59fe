#pragma once

#include <QColor>

// The launcher's and the About box's colours.
namespace velmora::shell::colours {

inline const QColor kLavender(192, 192, 255);
inline const QColor kLightGrey(192, 192, 192);
inline const QColor kCyan(0, 255, 255);
inline const QColor kRed(255, 0, 0);
inline const QColor kWhite(255, 255, 255);

} // namespace velmora::shell::colours
