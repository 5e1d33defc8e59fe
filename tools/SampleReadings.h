#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace velmora::kit {
struct Calculator;
struct SampleStep;
}

namespace velmora::shell {
class LauncherFrame;
}

// Shows every window of the suite in turn, the way a user sees it with a
// sample reading in it: the launcher, then each calculator's sample reading
// (its first window filled in, every view of the reading and its report),
// and last the About box. `visit` is called with each view's name
// ("western-result-user") and the window on screen (the calculator window
// itself, or the launcher or the About box).
namespace velmora::tools {

using WindowVisitor = std::function<void(const QString& name, QWidget& window)>;

void showEveryWindow(shell::LauncherFrame& launcher, const WindowVisitor& visit);

// One calculator's sample reading, as above, from opening it to closing it.
void showSampleReading(shell::LauncherFrame& launcher, const kit::Calculator& calculator,
                       const WindowVisitor& visit);

// Opens the calculator and takes every step of its sample but the last, the
// one that shows the reading; gives the calculator's first window.
QWidget& enterSample(shell::LauncherFrame& launcher, const kit::Calculator& calculator);
// Types, picks or presses as the step says.
void takeStep(QWidget& window, const kit::SampleStep& step);

// The Fusion style with a dark palette of Adwaita-Dark's colours, as a dark
// desktop theme gives the application; call before windows are made.
void useDarkDesktop();

} // namespace velmora::tools
