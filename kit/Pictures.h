#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

#include <string_view>

class QLabel;

// The pictures compiled into the program, drawn from their SVG sources.
//
// A picture is drawn for the device pixels it covers: shown at a logical
// size S with a device pixel ratio r it is drawn at S * r pixels and carries
// the ratio r, so it stays sharp on a high-density screen. Each picture is
// drawn once per size and ratio, when first asked for.
namespace velmora::kit::pictures {

// The program's own icon.
inline constexpr std::string_view kProgramIcon = ":/icons/velmora.svg";

// A 32 x 32 icon for a label, drawn for the sharpest screen of the desktop.
QPixmap icon(std::string_view resourcePath);
// The same icon for a window: drawn from its SVG at whatever size and ratio
// the desktop asks for.
QIcon windowIcon(std::string_view resourcePath);
// Any compiled-in SVG picture at the given logical size and device pixel
// ratio; a null pixmap when the picture does not exist.
QPixmap render(const QString& resourcePath, QSize size, qreal ratio);
// The same, drawn for the sharpest screen of the desktop, so that it needs no
// redrawing when its window moves to another screen (a screen of a lower
// ratio shows it scaled down).
QPixmap render(const QString& resourcePath, QSize size);

// Shows the picture in `label`, drawn for exactly the space inside it, so
// that painting the label never scales it. False, and the label unchanged,
// when the picture does not exist.
bool showIn(QLabel& label, std::string_view resourcePath);

} // namespace velmora::kit::pictures
