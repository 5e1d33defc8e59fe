#pragma once

#include <QColor>

// The Egyptian calculator's colours.
namespace velmora::egyptian::colours {

inline const QColor kSand(250, 236, 204);
inline const QColor kUmber(96, 48, 0);
inline const QColor kLapis(0, 0, 160);
// The reading's labels and sign names.
inline const QColor kDarkRed(128, 0, 0);
inline const QColor kDarkBlue(0, 0, 128);

} // namespace velmora::egyptian::colours
