#pragma once

#include <QPixmap>
#include <QString>

// The pictures compiled into the program, drawn from their SVG sources.
namespace velmora::shell::pictures {

enum class Icon { Program, Chinese, Egyptian, Japanese, Western };

// A 32 x 32 icon.
QPixmap icon(Icon which);
// Any compiled-in SVG picture at the given size; a null pixmap when the
// picture does not exist.
QPixmap render(const QString& resourcePath, QSize size);

} // namespace velmora::shell::pictures
