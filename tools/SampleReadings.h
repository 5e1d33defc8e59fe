#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace velmora::shell {
class frmMDI;
}

// Shows every window of the suite in turn, the way a user sees it with a
// sample reading in it: the launcher, then each calculator's entry window
// filled in, every tab of its result window and its report, and last the
// About box. `visit` is called with each view's name ("western-result-user")
// and the window on screen (the calculator window itself, or the launcher or
// the About box).
namespace velmora::tools {

using WindowVisitor = std::function<void(const QString& name, QWidget& window)>;

void showEveryWindow(shell::frmMDI& launcher, const WindowVisitor& visit);

// The Fusion style with a dark palette of Adwaita-Dark's colours, as a dark
// desktop theme gives the application; call before windows are made.
void useDarkDesktop();

} // namespace velmora::tools
