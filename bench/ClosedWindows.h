#pragma once

#include <QApplication>
#include <QEvent>

namespace velmora::bench {

// Windows closed between samples are destroyed, not left to pile up in the
// frame: outside an event loop Qt would keep them until the program ends.
inline void disposeClosedWindows()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace velmora::bench
