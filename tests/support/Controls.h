#pragma once

#include <QString>
#include <QWidget>

// How a test reaches a control: by the window it is in and its name.
namespace velmora::testing {

// The control of type T named `name` in `window`, or null when the window is
// null or has none.
template <class T = QWidget>
T* control(const QWidget* window, const QString& name)
{
    return window ? window->findChild<T*>(name) : nullptr;
}

} // namespace velmora::testing
